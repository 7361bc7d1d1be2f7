#include "window/photolistwidget.h"

#include <QFileInfo>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>

#include "album/appsettings.h"
#include "window/importprogress.h"
#include "window/stripsupport.h"

namespace {
constexpr int kTransitionPictureWidth = 36;
constexpr int kTransitionPictureHeight = 27;
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

QListWidgetItem *PhotoListWidget::newPhotoItem(const ImageInfo &record) const
{
    auto *item = new QListWidgetItem;
    item->setSizeHint(QSize(kPhotoItemWidth, kPhotoItemHeight));
    item->setData(Qt::DecorationRole, QPixmap::fromImage(displayThumbnail(record)));
    const QString name = QFileInfo(record.path).fileName().toHtmlEscaped();
    item->setToolTip(QStringLiteral("<nobr>") + tr("Name") + QStringLiteral(":&nbsp;<b>") + name +
                     QStringLiteral("</b><nobr/><br /><nobr>") + tr("Dimension") +
                     QStringLiteral(":&nbsp;<b>") +
                     QStringLiteral("%1 x %2").arg(record.width).arg(record.height) +
                     QStringLiteral("</b><nobr/><br /><nobr>") + tr("Depth") + QStringLiteral(":&nbsp;<b>") +
                     QString::number(record.depth) + tr("Bits") + QStringLiteral("</b><nobr/>"));
    item->setData(Qt::AccessibleTextRole, QFileInfo(record.path).fileName());
    return item;
}

QListWidgetItem *PhotoListWidget::newTransitionItem() const
{
    auto *item = new QListWidgetItem;
    // As tall as a photo item, so the transition picture sits on the strip's
    // middle line.
    item->setSizeHint(QSize(kTransitionItemWidth, kPhotoItemHeight));
    item->setData(Qt::DecorationRole, m_transitionPicture);
    item->setData(Qt::AccessibleTextRole, tr("Transition"));
    item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
    return item;
}

void PhotoListWidget::updatePhotoItem(int row)
{
    QListWidgetItem *old = item(row);
    if (!old || !isPhotoRow(row) || row / 2 >= m_records.size())
        return;
    ImageInfo &record = m_records[row / 2];
    record.orientationCode = orientationCodeFor(record.transformOps);
    QListWidgetItem *fresh = newPhotoItem(record);
    old->setData(Qt::DecorationRole, fresh->data(Qt::DecorationRole));
    old->setToolTip(fresh->toolTip());
    old->setData(Qt::AccessibleTextRole, fresh->data(Qt::AccessibleTextRole));
    delete fresh;
}

void PhotoListWidget::insertTransitionAt(int row)
{
    insertItem(row, newTransitionItem());
}

void PhotoListWidget::addPhoto(const ImageInfo &record, bool isNew)
{
    // A position beyond the end (after a deletion) appends.
    if (m_insertRow > count() || m_insertRow < 0)
        m_insertRow = count();
    if (m_insertRow % 2 == 1) {
        insertTransitionAt(m_insertRow);
        ++m_insertRow;
    }
    ImageInfo copy = record;
    if (isNew)
        prepareImportedPhoto(copy, m_autoRotateOnImport);
    copy.orientationCode = orientationCodeFor(copy.transformOps);
    const int index = qMin(m_insertRow / 2, int(m_records.size()));
    m_records.insert(index, copy);
    insertItem(m_insertRow, newPhotoItem(copy));
    ++m_insertRow;
}

void PhotoListWidget::finishInsert()
{
    if (m_insertRow < count())
        insertTransitionAt(m_insertRow);
    m_insertRow = count();
    Q_EMIT photoListChanged(m_records);
}

void PhotoListWidget::setPhotoList(const QList<ImageInfo> &records)
{
    clearAll();
    for (const ImageInfo &record : records)
        addPhoto(record, false);
    finishInsert();
}

void PhotoListWidget::clearAll()
{
    const QSignalBlocker blocker(this);
    clear();
    m_records.clear();
    m_insertRow = 0;
    viewport()->update();
}

void PhotoListWidget::trimToPhotos(int &first, int &last)
{
    if (first % 2 == 1)
        ++first;
    if (last % 2 == 1)
        --last;
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

void PhotoListWidget::deleteSelected(bool quiet)
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (rows.isEmpty())
        return;
    int first = rows.first();
    int last = rows.last();
    const int formerFirst = first;
    {
        const QSignalBlocker blocker(this);
        if (first == 0 && last == count() - 1) {
            clear();
            m_records.clear();
            m_insertRow = 0;
        } else {
            trimToPhotos(first, last);
            if (first > last)
                return; // only a transition was selected
            for (int row = first; row <= last; ++row) {
                delete takeItem(first);
                if (isPhotoRow(row))
                    m_records.removeAt(first / 2);
            }
            // One transition goes too: the one before the range, or, when
            // the range started the strip, the one now at its place.
            if (first > 0)
                delete takeItem(first - 1);
            else if (count() > 0)
                delete takeItem(0);
        }
    }
    viewport()->update();
    if (quiet)
        return;
    Q_EMIT photoListChanged(m_records);
    const int current = qMin(formerFirst, count() - 1);
    if (current >= 0) {
        setCurrentRow(current);
        scrollToItem(item(current));
    } else {
        setCurrentRow(-1);
    }
    viewport()->update();
}

void PhotoListWidget::applyToSelected(const std::function<void(ImageInfo &)> &change)
{
    const QList<int> rows = selectedPhotoRows();
    if (rows.isEmpty())
        return;
    for (int row : rows) {
        if (row / 2 < m_records.size()) {
            change(m_records[row / 2]);
            updatePhotoItem(row);
        }
    }
    Q_EMIT photoListChanged(m_records);
    // Let the window's row handler show each changed photo.
    for (int row : rows) {
        setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        setCurrentRow(row, QItemSelectionModel::NoUpdate);
    }
}

void PhotoListWidget::transformSelected(int op)
{
    applyToSelected([op](ImageInfo &record) { record.transformOps.prepend(op); });
}

void PhotoListWidget::restoreSelected()
{
    applyToSelected([](ImageInfo &record) { record.transformOps.clear(); });
}

void PhotoListWidget::autoRotateSelected()
{
    applyToSelected([](ImageInfo &record) { record.transformOps = transformOpsFromExif(record); });
}

void PhotoListWidget::autoRotateAll()
{
    for (int i = 0; i < m_records.size(); ++i) {
        m_records[i].transformOps.clear();
        updatePhotoItem(2 * i);
    }
    Q_EMIT photoListChanged(m_records);
}

void PhotoListWidget::moveSelected(bool left)
{
    const QList<int> rows = StripSupport::selectedRows(this);
    if (rows.isEmpty())
        return;
    int first = rows.first();
    int last = rows.last();
    trimToPhotos(first, last);
    if (first > last || (left && first == 0) || (!left && last >= count() - 1))
        return;
    QList<ImageInfo> moved;
    for (int row = first; row <= last; row += 2)
        moved << m_records.value(row / 2);
    Q_EMIT photoListAboutToChange();
    deleteSelected(true);
    int start = 0;
    {
        const QSignalBlocker blocker(this);
        if (left)
            m_insertRow = first - 2;
        else
            m_insertRow = first + 2 < count() ? first + 2 : count();
        // The first moved photo lands after a new transition when the
        // insertion row is a transition's.
        start = m_insertRow % 2 == 1 ? m_insertRow + 1 : m_insertRow;
        for (const ImageInfo &record : std::as_const(moved))
            addPhoto(record, false);
    }
    finishInsert();
    const int end = start + 2 * (int(moved.size()) - 1);
    setCurrentRow(start);
    scrollToItem(item(qMax(0, start - 1)));
    selectRows(start, end);
}

void PhotoListWidget::sortRecords(int key, bool ascending)
{
    StripSupport::sortRecords(m_records, key, ascending);
    for (int i = 0; i < m_records.size(); ++i)
        updatePhotoItem(2 * i);
    Q_EMIT photoListChanged(m_records);
}

int PhotoListWidget::contentWidth() const
{
    if (count() == 0)
        return 0;
    return visualItemRect(item(count() - 1)).right() + 1 + horizontalScrollBar()->value();
}

void PhotoListWidget::refreshItemTexts()
{
    for (int i = 0; i < m_records.size(); ++i)
        updatePhotoItem(2 * i);
    for (int row = 1; row < count(); row += 2)
        item(row)->setData(Qt::AccessibleTextRole, tr("Transition"));
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
    if (runDrag(kMimeFormat, tokens, dragged) == Qt::MoveAction) {
        for (QListWidgetItem *photo : std::as_const(dragged)) {
            const int row = this->row(photo);
            if (row < 0)
                continue;
            if (row / 2 < m_records.size())
                m_records.removeAt(row / 2);
            delete takeItem(row);
            // The neighbouring transition: the one now at the same row, or
            // the one before it when the photo was the last.
            if (row < count())
                delete takeItem(row);
            else if (row > 0)
                delete takeItem(row - 1);
        }
        m_insertRow = count();
        Q_EMIT photoListChanged(m_records);
    }
    clearSelection();
}

void PhotoListWidget::importAt(const QStringList &paths, int row)
{
    Q_EMIT photoListAboutToChange();
    m_insertRow = qBound(0, row, count());
    ImportProgress dialog(true, this);
    dialog.start(paths);
    dialog.exec();
    if (dialog.added())
        finishInsert();
    else
        m_insertRow = count();
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
        const QList<int> tokens = ownTokens(data, kMimeFormat, int(m_records.size()));
        if (tokens.isEmpty()) {
            event->ignore();
            return;
        }
        const bool copy = event->modifiers() & Qt::ControlModifier;
        const QList<int> rows = selectedPhotoRows();
        if (!copy && !rows.isEmpty() && rows.last() < target)
            target = qMin(target + 2, count());
        QList<ImageInfo> copies;
        for (int token : tokens)
            copies << m_records.at(token);
        Q_EMIT photoListAboutToChange();
        m_insertRow = target;
        for (const ImageInfo &record : std::as_const(copies))
            addPhoto(record, false);
        if (copy) {
            finishInsert();
        } else {
            // The strip publishes once the source side has removed the
            // originals; only the layout is closed here.
            if (m_insertRow < count())
                insertTransitionAt(m_insertRow);
            m_insertRow = count();
        }
        event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return;
    }
    dropFiles(event, target);
}
