#include "window/audiolistwidget.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>

#include "album/appsettings.h"
#include "window/importprogress.h"

namespace {
QImage skinImage(const char *name, const QSize &fallback)
{
    QImage image(StripSupport::skinFile(QString::fromLatin1(name)));
    if (image.isNull()) {
        image = QImage(fallback, QImage::Format_ARGB32);
        image.fill(QColor(0x35, 0x84, 0xe4));
    }
    return image;
}
} // namespace

AudioListWidget::AudioListWidget(QWidget *parent) : StripListWidget(parent)
{
    setObjectName(QStringLiteral("audioListWidget"));
    setFixedHeight(36);
    setSpacing(0);
    setAccessibleName(tr("Audio clips"));
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *clicked) {
        if (const int r = row(clicked); r >= 0)
            Q_EMIT editRequested(r);
    });
}

AudioListWidget::~AudioListWidget() = default;

QImage AudioListWidget::clipPicture(const AudioInfo &record, int position, int width, int overflow)
{
    static const QImage head = skinImage("head.png", QSize(28, 26));
    static const QImage body = skinImage("body.png", QSize(16, 26));
    const int height = kItemHeight;
    QImage image(qMax(1, width), height, QImage::Format_ARGB32);
    image.fill(QColor(Qt::white));
    {
        QPainter p(&image);
        const int barHeight = height - 6;
        const int headWidth = qMin(head.width(), width);
        p.drawImage(QRect(0, 3, headWidth, barHeight), head, QRect(0, 0, headWidth, head.height()));
        for (int x = head.width(); x < width; x += body.width())
            p.drawImage(QRect(x, 3, body.width(), barHeight), body);
    }
    if (overflow > 0) {
        for (int y = 3; y <= 28 && y < height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = qMax(0, width - overflow); x < width; ++x) {
                const QRgb c = line[x];
                const int level = int(0.587 * qGreen(c) + 0.299 * qRed(c) + 0.114 * qBlue(c));
                line[x] = qRgb(level, level, level);
            }
        }
    }
    QPainter p(&image);
    p.drawRect(QRect(QPoint(1, 3), QPoint(width - 5, height - 4)));
    const QString text = QStringLiteral("#%1 %2 | %3")
                             .arg(position)
                             .arg(QDir::toNativeSeparators(QFileInfo(record.path).fileName()))
                             .arg(StripSupport::hmsText(record.clipLength()));
    const QRect textRect(30, 0, qMax(0, width - 30 - 6), height);
    p.setPen(Qt::white);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    return image;
}

const QList<AudioInfo> &AudioListWidget::clips() const
{
    static const QList<AudioInfo> none;
    return m_model ? m_model->album().audios : none;
}

QString AudioListWidget::tooltipFor(int row) const
{
    const AudioInfo &clip = clips().at(row);
    auto line = [](const QString &label, const QString &value) {
        return QStringLiteral("<br /><nobr>") + label + QStringLiteral(":&nbsp;<b>") + value +
               QStringLiteral("</b><nobr/>");
    };
    QString text = QStringLiteral("<nobr>#%1").arg(row + 1) + QStringLiteral("&nbsp;<b>") +
                   QFileInfo(clip.path).fileName().toHtmlEscaped() + QStringLiteral("</b><nobr/>");
    text += line(tr("Duration"), StripSupport::hmsText(clip.clipLength()));
    text += line(tr("Channels"), QString::number(clip.channels));
    text += line(tr("Sample Rate"), QString::number(clip.sampleRate));
    if (clip.clipStart != 0.0 || clip.clipEnd != clip.duration) {
        text += line(tr("Start Point"), StripSupport::hmsText(clip.clipStart));
        text += line(tr("End Point"), StripSupport::hmsText(clip.clipEnd));
    }
    return text;
}

void AudioListWidget::relayout()
{
    const int w = m_photoStripWidth;
    int x = 0;
    m_overflow.clear();
    const QList<AudioInfo> &list = clips();
    for (int row = 0; row < list.size() && row < count(); ++row) {
        const AudioInfo &clip = list.at(row);
        int width = 0;
        int overflow = 0;
        if (x < w) {
            width = int(clip.clipLength() / m_secondsPerPixel);
            if (x + width > w) {
                width = qMin(width, w - x + kOverflowWidth);
                overflow = x + width - w;
            }
        } else {
            width = kOverflowWidth;
            overflow = kOverflowWidth;
        }
        width = qMax(width, 1);
        m_overflow << overflow;
        QListWidgetItem *it = item(row);
        it->setSizeHint(QSize(width, kItemHeight));
        it->setData(Qt::DecorationRole, QPixmap::fromImage(clipPicture(clip, row + 1, width, overflow)));
        it->setToolTip(tooltipFor(row));
        it->setData(Qt::AccessibleTextRole, clip.missing ? tr("%1 (missing)").arg(QFileInfo(clip.path).fileName())
                                                         : QFileInfo(clip.path).fileName());
        x += width;
    }
    if (count() > 0) {
        // The view lays its items out again only when the flow changes.
        setFlow(QListView::TopToBottom);
        setFlow(QListView::LeftToRight);
    }
    viewport()->update();
}

void AudioListWidget::showAlbum()
{
    const int rows = int(clips().size());
    {
        // The rows keep their places (and so the selection and the current
        // row); only the rows at the end come or go.
        const QSignalBlocker blocker(this);
        while (count() > rows)
            delete takeItem(count() - 1);
        while (count() < rows) {
            auto *it = new QListWidgetItem;
            it->setSizeHint(QSize(kOverflowWidth, kItemHeight));
            addItem(it);
        }
    }
    relayout();
}

void AudioListWidget::setTimeScale(int photoStripWidth, double secondsPerPixel)
{
    m_photoStripWidth = photoStripWidth;
    m_secondsPerPixel = secondsPerPixel < 0.001 ? 1.0 / 33.0 : secondsPerPixel;
    relayout();
}

void AudioListWidget::deleteSelected()
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (!m_model || rows.isEmpty())
        return;
    m_model->edit(tr("Delete"), [&rows](Album &album) {
        for (int i = int(rows.size()) - 1; i >= 0; --i) {
            if (rows.at(i) < album.audios.size())
                album.audios.removeAt(rows.at(i));
        }
    });
    clearSelection();
    const int current = qMin(rows.first(), count() - 1);
    setCurrentRow(current);
    if (current >= 0)
        scrollToItem(item(current));
}

void AudioListWidget::removeAll()
{
    if (m_model)
        m_model->edit(tr("Clear"), [](Album &album) { album.audios.clear(); });
}

void AudioListWidget::moveSelected(bool left)
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (!m_model || rows.isEmpty())
        return;
    const int first = rows.first();
    const int last = rows.last();
    if ((left && first == 0) || (!left && last >= clips().size() - 1))
        return;
    // The clip beside the selection goes to its other side.
    m_model->edit(left ? tr("Move Left") : tr("Move Right"), [&](Album &album) {
        if (left)
            album.audios.move(first - 1, last);
        else
            album.audios.move(last + 1, first);
    });
    const int start = left ? first - 1 : first + 1;
    setCurrentRow(start);
    scrollToItem(item(start));
    selectRows(start, start + (last - first));
}

void AudioListWidget::sortRecords(int key, bool ascending)
{
    if (m_model) {
        m_model->edit(tr("Sort"), [key, ascending](Album &album) {
            StripSupport::sortRecords(album.audios, key, ascending);
        });
    }
}

int AudioListWidget::contentWidth() const
{
    int width = 0;
    for (int row = 0; row < count(); ++row)
        width += item(row)->sizeHint().width();
    return width;
}

void AudioListWidget::refreshItemTexts()
{
    for (int row = 0; row < count() && row < clips().size(); ++row)
        item(row)->setToolTip(tooltipFor(row));
}

void AudioListWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshItemTexts();
    StripListWidget::changeEvent(event);
}

QString AudioListWidget::hintText() const
{
    return tr("Drag Audio File(s) Here");
}

void AudioListWidget::startDrag()
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (rows.isEmpty())
        return;
    QList<QListWidgetItem *> dragged;
    for (int r : rows)
        dragged << item(r);
    // A drop on this strip makes the move or the copy itself.
    runDrag(kMimeFormat, rows, dragged);
    clearSelection();
}

void AudioListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    Q_EMIT contextMenu(event->globalPos());
}

QStringList AudioListWidget::nameFilters() const
{
    return AppSettings::audioNameFilters();
}

void AudioListWidget::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    int target = row(itemAt(event->position().toPoint()));
    if (target < 0)
        target = count();

    if (isOwnDrag(data)) {
        const QList<int> tokens = ownTokens(data, kMimeFormat, int(clips().size()));
        if (tokens.isEmpty() || !m_model) {
            event->ignore();
            return;
        }
        const bool copy = event->modifiers() & Qt::ControlModifier;
        const QList<int> rows = StripSupport::selectedRows(this);
        if (!copy && !rows.isEmpty() && rows.last() < target)
            target = qMin(target + 2, count());
        m_model->edit(copy ? tr("Copy Clips") : tr("Move Clips"),
                      [&](Album &album) { StripSupport::placeRecords(album.audios, tokens, target, !copy); });
        event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return;
    }
    dropFiles(event, target);
}

void AudioListWidget::importAt(const QStringList &paths, int row)
{
    if (!m_model)
        return;
    int index = qBound(0, row, int(clips().size()));
    ImportProgress dialog(false, this);
    connect(&dialog, &ImportProgress::clipsRead, this, [this, &index](const QList<AudioInfo> &read) {
        m_model->edit(QString(), [&](Album &album) {
            for (const AudioInfo &clip : read)
                album.audios.insert(index++, clip);
        });
    });
    m_model->beginEdit(tr("Import Audio"));
    dialog.start(paths);
    dialog.exec();
    m_model->endEdit();
}
