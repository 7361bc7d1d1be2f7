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
    connect(this, &QListWidget::itemDoubleClicked, this, &AudioListWidget::on_itemDoubleClicked);
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

QString AudioListWidget::tooltipFor(int row) const
{
    const AudioInfo &clip = m_records.at(row);
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
    for (int row = 0; row < m_records.size() && row < count(); ++row) {
        const AudioInfo &clip = m_records.at(row);
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
        it->setData(Qt::AccessibleTextRole, QFileInfo(clip.path).fileName());
        x += width;
    }
    if (count() > 0) {
        // The view lays its items out again only when the flow changes.
        setFlow(QListView::TopToBottom);
        setFlow(QListView::LeftToRight);
    }
    viewport()->update();
}

void AudioListWidget::addClip(const AudioInfo &record)
{
    if (m_insertRow > count() || m_insertRow < 0)
        m_insertRow = count();
    m_records.insert(qMin(m_insertRow, int(m_records.size())), record);
    auto *it = new QListWidgetItem;
    it->setSizeHint(QSize(kOverflowWidth, kItemHeight));
    insertItem(m_insertRow, it);
    ++m_insertRow;
}

void AudioListWidget::finishInsert()
{
    m_insertRow = count();
    relayout();
    Q_EMIT audioListChanged(m_records);
}

void AudioListWidget::setAudioList(const QList<AudioInfo> &records)
{
    clearAll();
    for (const AudioInfo &record : records)
        addClip(record);
    finishInsert();
}

void AudioListWidget::setTimeScale(int photoStripWidth, double secondsPerPixel)
{
    m_photoStripWidth = photoStripWidth;
    m_secondsPerPixel = secondsPerPixel < 0.001 ? 1.0 / 33.0 : secondsPerPixel;
    relayout();
}

void AudioListWidget::clearAll()
{
    const QSignalBlocker blocker(this);
    clear();
    m_records.clear();
    m_overflow.clear();
    m_insertRow = 0;
    viewport()->update();
}

void AudioListWidget::deleteSelected(bool quiet)
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (rows.isEmpty())
        return;
    const int first = rows.first();
    {
        const QSignalBlocker blocker(this);
        for (int row = first; row <= rows.last(); ++row) {
            delete takeItem(first);
            if (first < m_records.size())
                m_records.removeAt(first);
        }
    }
    if (quiet)
        return;
    m_insertRow = count();
    relayout();
    Q_EMIT audioListChanged(m_records);
    const int current = qMin(first, count() - 1);
    setCurrentRow(current);
    if (current >= 0)
        scrollToItem(item(current));
}

void AudioListWidget::moveSelected(bool left)
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (rows.isEmpty())
        return;
    const int first = rows.first();
    if ((left && first == 0) || (!left && rows.last() >= count() - 1))
        return;
    QList<AudioInfo> moved;
    for (int row = first; row <= rows.last(); ++row)
        moved << m_records.value(row);
    Q_EMIT audioListAboutToChange();
    deleteSelected(true);
    if (left)
        m_insertRow = first - 1;
    else
        m_insertRow = first + 1 < count() ? first + 1 : count();
    const int start = m_insertRow;
    {
        const QSignalBlocker blocker(this);
        for (const AudioInfo &record : std::as_const(moved))
            addClip(record);
    }
    finishInsert();
    setCurrentRow(start);
    scrollToItem(item(start));
    selectRows(start, start + int(moved.size()) - 1);
}

void AudioListWidget::sortRecords(int key, bool ascending)
{
    StripSupport::sortRecords(m_records, key, ascending);
    m_insertRow = count();
    relayout();
    Q_EMIT audioListChanged(m_records);
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
    for (int row = 0; row < count() && row < m_records.size(); ++row)
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

void AudioListWidget::on_itemDoubleClicked(QListWidgetItem *clicked)
{
    const int r = row(clicked);
    if (r >= 0)
        Q_EMIT editRequested(r);
}

void AudioListWidget::startDrag()
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (rows.isEmpty())
        return;
    QList<QListWidgetItem *> dragged;
    for (int r : rows)
        dragged << item(r);
    if (runDrag(kMimeFormat, rows, dragged) == Qt::MoveAction) {
        for (QListWidgetItem *clip : std::as_const(dragged)) {
            const int r = row(clip);
            if (r < 0)
                continue;
            if (r < m_records.size())
                m_records.removeAt(r);
            delete takeItem(r);
        }
        m_insertRow = count();
        relayout();
        Q_EMIT audioListChanged(m_records);
    }
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
        const QList<int> tokens = ownTokens(data, kMimeFormat, int(m_records.size()));
        if (tokens.isEmpty()) {
            event->ignore();
            return;
        }
        const bool copy = event->modifiers() & Qt::ControlModifier;
        const QList<int> rows = StripSupport::selectedRows(this);
        if (!copy && !rows.isEmpty() && rows.last() < target)
            target = qMin(target + 2, count());
        QList<AudioInfo> copies;
        for (int token : tokens)
            copies << m_records.at(token);
        Q_EMIT audioListAboutToChange();
        m_insertRow = target;
        for (const AudioInfo &record : std::as_const(copies))
            addClip(record);
        m_insertRow = count();
        relayout();
        // A move publishes once the originals are gone (startDrag).
        if (copy)
            Q_EMIT audioListChanged(m_records);
        event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return;
    }
    dropFiles(event, target);
}

void AudioListWidget::importAt(const QStringList &paths, int row)
{
    Q_EMIT audioListAboutToChange();
    m_insertRow = qBound(0, row, count());
    ImportProgress dialog(false, this);
    dialog.start(paths);
    dialog.exec();
    if (dialog.added())
        finishInsert();
    else
        m_insertRow = count();
}
