#include "window/photolistwidget.h"

#include <QDir>

#include <QIcon>

#include <QFileInfo>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>

#include "album/appsettings.h"
#include "engine/captionpainter.h"
#include "window/importprogress.h"
#include "window/stripsupport.h"

namespace {
constexpr int kTransitionPictureWidth = 36;
constexpr int kTransitionPictureHeight = 27;

// Whether a photo item shows the same as before: an item is made again
// only when it would look different, so a long strip stays quick to show
// after each edit.
bool showsSame(const ImageInfo &a, const ImageInfo &b)
{
    return a.path == b.path && a.missing == b.missing && a.titleCard == b.titleCard &&
           a.caption.text == b.caption.text && a.transformOps == b.transformOps && a.width == b.width &&
           a.height == b.height && a.depth == b.depth && a.thumbnail.cacheKey() == b.thumbnail.cacheKey() &&
           a.thumbnailTurned.cacheKey() == b.thumbnailTurned.cacheKey();
}
} // namespace

PhotoListWidget::PhotoListWidget(QWidget *parent) : StripListWidget(parent)
{
    setObjectName(QStringLiteral("photoListWidget"));
    setFixedHeight(72);
    setIconSize(QSize(80, 60));
    setAccessibleName(tr("Photos"));

    QImage transition(StripSupport::skinFile(QStringLiteral("transition.png")));
    if (transition.isNull()) {
        transition = QImage(kTransitionPictureWidth, kTransitionPictureHeight, QImage::Format_ARGB32);
        transition.fill(Qt::transparent);
    }
    m_transitionPicture = QPixmap::fromImage(transition.scaled(
        kTransitionPictureWidth, kTransitionPictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

PhotoListWidget::~PhotoListWidget() = default;

QImage PhotoListWidget::displayThumbnail(const ImageInfo &info)
{
    if (info.isTitleCard()) {
        // The card as it is drawn, its text large enough to read at the
        // strip's size.
        TitleCard card = *info.titleCard;
        card.style.sizePerMille = std::max(card.style.sizePerMille, 180);
        card.style.backdrop = CaptionBackdrop::None;
        const QImage backdrop = card.background == CardBackground::BlurredPhoto
                                    ? CaptionPainter::cardBackdrop(card.photoPath, QSize(320, 240))
                                    : QImage();
        return CaptionPainter::titleCard(card, QSize(80, 60), 1.0, backdrop);
    }
    const int code = orientationCodeFor(info.transformOps);
    const QImage &base = orientationTurns(code) ? info.thumbnailTurned : info.thumbnail;
    switch (code) {
    case OrientFlipped:
    case OrientCwFlipped:
        return base.mirrored(false, true);
    case OrientMirrored:
    case OrientCwMirrored:
        return base.mirrored(true, false);
    case OrientRotated180:
    case OrientCwRotated180:
        return base.mirrored(true, true);
    default:
        return base;
    }
}

QString PhotoListWidget::transformLabel(int op)
{
    switch (op) {
    case OpMirror:
        return tr("Mirror");
    case OpFlip:
        return tr("Flip");
    case OpTurnLeft:
        return tr("Turn Left");
    default:
        return tr("Turn Right");
    }
}

const QList<ImageInfo> &PhotoListWidget::photos() const
{
    static const QList<ImageInfo> none;
    return m_model ? m_model->album().photos : none;
}

QImage PhotoListWidget::missingThumbnail()
{
    // A grey card with the theme's "missing image" sign and the word.
    QImage card(80, 60, QImage::Format_ARGB32_Premultiplied);
    card.fill(QColor(0x55, 0x55, 0x55));
    QPainter painter(&card);
    painter.setPen(QColor(0xd0, 0x40, 0x40));
    painter.drawRect(card.rect().adjusted(0, 0, -1, -1));
    const QIcon sign = QIcon::fromTheme(QStringLiteral("image-missing"));
    if (!sign.isNull())
        painter.drawPixmap(28, 6, sign.pixmap(24, 24));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(QRect(0, 34, 80, 20), Qt::AlignCenter, tr("missing"));
    return card;
}

void PhotoListWidget::showPhoto(int row, const ImageInfo &photo)
{
    QListWidgetItem *it = item(row);
    it->setSizeHint(QSize(kPhotoItemWidth, kPhotoItemHeight));
    if (photo.missing) {
        // A placeholder: the photo keeps its place until it is found.
        const QString name = QFileInfo(photo.path).fileName();
        it->setData(Qt::DecorationRole, QPixmap::fromImage(missingThumbnail()));
        it->setToolTip(QStringLiteral("<nobr>") + tr("Missing") + QStringLiteral(":&nbsp;<b>") +
                       QDir::toNativeSeparators(photo.path).toHtmlEscaped() + QStringLiteral("</b></nobr><br />") +
                       tr("Left out of the preview and the DVD until it is found (Relink...)."));
        it->setData(Qt::AccessibleTextRole, tr("%1 (missing)").arg(name));
        return;
    }
    it->setData(Qt::DecorationRole, QPixmap::fromImage(displayThumbnail(photo)));
    if (photo.isTitleCard()) {
        const QString text = photo.titleCard->text.simplified();
        it->setToolTip(QStringLiteral("<nobr>") + tr("Title card") + QStringLiteral(":&nbsp;<b>") +
                       text.toHtmlEscaped() + QStringLiteral("</b><nobr/><br /><nobr>") + tr("Duration") +
                       QStringLiteral(":&nbsp;<b>") +
                       tr("%1 s").arg(photo.titleCard->durationMs / 1000.0, 0, 'f', 1) +
                       QStringLiteral("</b><nobr/>"));
        it->setData(Qt::AccessibleTextRole, tr("Title card: %1").arg(text));
        return;
    }
    const QString name = QFileInfo(photo.path).fileName();
    it->setToolTip(QStringLiteral("<nobr>") + tr("Name") + QStringLiteral(":&nbsp;<b>") +
                   name.toHtmlEscaped() + QStringLiteral("</b><nobr/><br /><nobr>") + tr("Dimension") +
                   QStringLiteral(":&nbsp;<b>") +
                   QStringLiteral("%1 x %2").arg(photo.width).arg(photo.height) +
                   QStringLiteral("</b><nobr/><br /><nobr>") + tr("Depth") + QStringLiteral(":&nbsp;<b>") +
                   tr("%1 Bits", "colour depth").arg(photo.depth) + QStringLiteral("</b><nobr/>"));
    it->setData(Qt::AccessibleTextRole,
                photo.caption.isEmpty() ? name
                                        : tr("%1, caption: %2").arg(name, photo.caption.text.simplified()));
}

void PhotoListWidget::showTransition(int row)
{
    QListWidgetItem *it = item(row);
    // As tall as a photo item, so the transition picture sits on the strip's
    // middle line.
    it->setSizeHint(QSize(kTransitionItemWidth, kPhotoItemHeight));
    it->setData(Qt::DecorationRole, m_transitionPicture);
    it->setToolTip(QString());
    it->setData(Qt::AccessibleTextRole, tr("Transition"));
}

void PhotoListWidget::showAlbum()
{
    const QList<ImageInfo> &list = photos();
    const int rows = list.isEmpty() ? 0 : 2 * int(list.size()) - 1;
    {
        // The rows keep their places (and so the selection and the current
        // row); only the rows at the end come or go.
        const QSignalBlocker blocker(this);
        while (count() > rows)
            delete takeItem(count() - 1);
        const int shownRows = count();
        while (count() < rows)
            addItem(new QListWidgetItem);
        for (int row = 0; row < rows; ++row) {
            const bool fresh = row >= shownRows;
            if (!isPhotoRow(row)) {
                if (fresh)
                    showTransition(row);
            } else if (fresh || row / 2 >= m_shown.size() ||
                       !showsSame(m_shown.at(row / 2), list.at(row / 2))) {
                showPhoto(row, list.at(row / 2));
            }
        }
    }
    m_shown = list;
    viewport()->update();
}

QList<int> PhotoListWidget::selectedPhotoRows() const
{
    QList<int> rows;
    for (int row : StripSupport::selectedRows(this)) {
        if (isPhotoRow(row))
            rows << row;
    }
    return rows;
}

QList<int> PhotoListWidget::selectedIndices() const
{
    QList<int> indices;
    for (int row : selectedPhotoRows()) {
        if (row / 2 < photos().size())
            indices << row / 2;
    }
    return indices;
}

void PhotoListWidget::deleteSelected()
{
    const QList<int> rows = StripSupport::selectedRows(this);
    const QList<int> indices = selectedIndices();
    if (!m_model || indices.isEmpty())
        return; // nothing, or only a transition, is selected
    m_model->edit(tr("Delete"), [&indices](Album &album) {
        for (int i = int(indices.size()) - 1; i >= 0; --i)
            album.photos.removeAt(indices.at(i));
    });
    clearSelection();
    const int current = qMin(rows.first(), count() - 1);
    setCurrentRow(current);
    if (current >= 0)
        scrollToItem(item(current));
    viewport()->update();
}

void PhotoListWidget::removeAll()
{
    if (m_model)
        m_model->edit(tr("Clear"), [](Album &album) { album.photos.clear(); });
}

void PhotoListWidget::editSelected(const QString &label, const std::function<void(ImageInfo &)> &change)
{
    const QList<int> indices = selectedIndices();
    if (!m_model || indices.isEmpty())
        return;
    m_model->edit(label, [&](Album &album) {
        for (int index : indices) {
            ImageInfo &photo = album.photos[index];
            change(photo);
            photo.orientationCode = orientationCodeFor(photo.transformOps);
        }
    });
    // Let the window's row handler show each changed photo.
    for (int index : indices) {
        setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        setCurrentRow(2 * index, QItemSelectionModel::NoUpdate);
    }
}

void PhotoListWidget::transformSelected(int op)
{
    editSelected(transformLabel(op), [op](ImageInfo &photo) { photo.transformOps.prepend(op); });
}

void PhotoListWidget::restoreSelected()
{
    editSelected(tr("Restore"), [](ImageInfo &photo) { photo.transformOps.clear(); });
}

void PhotoListWidget::autoRotateSelected()
{
    editSelected(tr("Auto Rotate"),
                 [](ImageInfo &photo) { photo.transformOps = transformOpsFromExif(photo); });
}

void PhotoListWidget::autoRotateAll()
{
    if (!m_model)
        return;
    m_model->edit(tr("Auto Rotate All Photos"), [](Album &album) {
        for (ImageInfo &photo : album.photos) {
            photo.transformOps.clear();
            photo.orientationCode = orientationCodeFor(photo.transformOps);
        }
    });
}

void PhotoListWidget::moveSelected(bool left)
{
    const QList<int> indices = selectedIndices();
    if (!m_model || indices.isEmpty())
        return;
    const int first = indices.first();
    const int last = indices.last();
    if ((left && first == 0) || (!left && last >= photos().size() - 1))
        return;
    // The photo beside the selection goes to its other side.
    m_model->edit(left ? tr("Move Left") : tr("Move Right"), [&](Album &album) {
        if (left)
            album.photos.move(first - 1, last);
        else
            album.photos.move(last + 1, first);
    });
    const int start = 2 * (left ? first - 1 : first + 1);
    const int end = start + 2 * (last - first);
    setCurrentRow(start);
    scrollToItem(item(qMax(0, start - 1)));
    selectRows(start, end);
}

void PhotoListWidget::sortRecords(int key, bool ascending)
{
    if (m_model) {
        m_model->edit(tr("Sort"), [key, ascending](Album &album) {
            StripSupport::sortRecords(album.photos, key, ascending);
        });
    }
}

int PhotoListWidget::contentWidth() const
{
    if (count() == 0)
        return 0;
    return visualItemRect(item(count() - 1)).right() + 1 + horizontalScrollBar()->value();
}

void PhotoListWidget::refreshItemTexts()
{
    // Every item is made again, in the language now chosen.
    m_shown.clear();
    for (int row = 1; row < count(); row += 2)
        showTransition(row);
    showAlbum();
}

void PhotoListWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshItemTexts();
    QListWidget::changeEvent(event);
}

QString PhotoListWidget::hintText() const
{
    return tr("Drag Photo(s) Here");
}

void PhotoListWidget::startDrag()
{
    const QList<int> rows = selectedPhotoRows();
    if (rows.isEmpty())
        return;
    QList<int> tokens;
    QList<QListWidgetItem *> dragged;
    for (int row : rows) {
        tokens << row / 2;
        dragged << item(row);
    }
    // A drop on this strip makes the move or the copy itself.
    runDrag(kMimeFormat, tokens, dragged);
    clearSelection();
}

void PhotoListWidget::importAt(const QStringList &paths, int row)
{
    if (!m_model)
        return;
    // Before the photo at an even row, after the photo before an odd one.
    int index = qBound(0, (row + 1) / 2, int(photos().size()));
    const bool autoRotate = m_autoRotateOnImport;
    ImportProgress dialog(true, this);
    connect(&dialog, &ImportProgress::photosRead, this,
            [this, &index, autoRotate](const QList<ImageInfo> &read) {
                m_model->edit(QString(), [&](Album &album) {
                    for (ImageInfo photo : read) {
                        prepareImportedPhoto(photo, autoRotate);
                        album.photos.insert(index++, photo);
                    }
                });
            });
    m_model->beginEdit(tr("Import Photos"));
    dialog.start(paths);
    dialog.exec();
    m_model->endEdit();
}

void PhotoListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    const int row = currentRow() >= 0 ? currentRow() : 0;
    Q_EMIT contextMenu(row % 2 == 0, event->globalPos());
}

QStringList PhotoListWidget::nameFilters() const
{
    return AppSettings::photoNameFilters();
}

void PhotoListWidget::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    int target = row(itemAt(event->position().toPoint()));
    if (target < 0)
        target = count();
    else if (target % 2 == 1)
        ++target;

    if (isOwnDrag(data)) {
        // Tokens that do not resolve (a stale or foreign payload) drop
        // nothing.
        const QList<int> tokens = ownTokens(data, kMimeFormat, int(photos().size()));
        if (tokens.isEmpty() || !m_model) {
            event->ignore();
            return;
        }
        const bool copy = event->modifiers() & Qt::ControlModifier;
        // A move onto a photo right of the selection lands after it.
        const QList<int> rows = selectedPhotoRows();
        if (!copy && !rows.isEmpty() && rows.last() < target)
            target = qMin(target + 2, count());
        const int before = target >= count() ? int(photos().size()) : target / 2;
        m_model->edit(copy ? tr("Copy Photos") : tr("Move Photos"),
                      [&](Album &album) { StripSupport::placeRecords(album.photos, tokens, before, !copy); });
        event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return;
    }
    dropFiles(event, target);
}
