#pragma once

#include <QByteArray>
#include <QList>
#include <QListWidget>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <Qt>

#include <algorithm>
#include <functional>

#include "album/albummodel.h"

class QDrag;
class QMimeData;
class QPainter;
class QUrl;

// What the photo strip and the audio strip share: expanding dropped or
// chosen files and folders, the drag payload, the "hh:mm:ss" texts and the
// sort order.
namespace StripSupport {

// Each path that is an existing folder contributes its entries that match
// the patterns (one level, in name order); any other path is kept as it is.
QStringList expandPaths(const QStringList &paths, const QStringList &patterns);
// The same for URLs; URLs that are not local files are ignored.
QStringList expandUrls(const QList<QUrl> &urls, const QStringList &patterns);

// Drag payload: NUL-terminated ASCII decimal numbers, the count first, then
// one token per dragged record (its index in the strip's list).
QByteArray encodePayload(const QList<int> &tokens);
// The tokens of a payload; empty when it is malformed or a token is not an
// index below recordCount.
QList<int> decodePayload(const QByteArray &payload, int recordCount);

// Whole seconds as "hh:mm:ss".
QString hmsText(double seconds);

// Selected rows of a view in ascending order.
QList<int> selectedRows(const QListWidget *view);

// Sort keys shared by both strips: 0 path, 1 last modified, 2 format,
// 3 file size; descending swaps the operands.
template <typename Record> void sortRecords(QList<Record> &records, int key, bool ascending)
{
    auto less = [key](const Record &a, const Record &b) {
        switch (key) {
        case 1:
            return a.lastModified < b.lastModified;
        case 2:
            return a.format < b.format;
        case 3:
            return a.fileSize < b.fileSize;
        default:
            return a.path < b.path;
        }
    };
    if (ascending)
        std::sort(records.begin(), records.end(), less);
    else
        std::sort(records.begin(), records.end(),
                  [&less](const Record &a, const Record &b) { return less(b, a); });
}

// Puts copies of the records at the given indices (ascending) before the
// record at index `before` of the list as it is (the list's size: at the
// end); a move takes the originals away.
template <typename Record>
void placeRecords(QList<Record> &records, const QList<int> &indices, int before, bool move)
{
    QList<Record> placed;
    for (int index : indices)
        placed << records.at(index);
    if (move) {
        for (int i = int(indices.size()) - 1; i >= 0; --i) {
            records.removeAt(indices.at(i));
            if (indices.at(i) < before)
                --before;
        }
    }
    for (int i = 0; i < placed.size(); ++i)
        records.insert(before + i, placed.at(i));
}

// Runs a drag started by a strip. The desktop's drag loop by default; tests
// install a runner that delivers the drag's events to a target widget
// themselves (the real drag loop needs a person's mouse).
using DragRunner = std::function<Qt::DropAction(QDrag *drag, Qt::DropActions supported)>;
DragRunner setDragRunner(DragRunner runner);

// The picture of the built-in skin with this name ("transition.png").
QString skinFile(const QString &name);

} // namespace StripSupport

// The behaviour both strips share: a horizontal, scroll-bar-less strip
// driven by the window's shared scroll bar; a left-button move starts a drag
// of the selection (never a rubber band); the dashed hint box after the last
// item. A strip shows one list of the album model and makes its edits
// through the model; it keeps only what belongs to the view (items,
// selection, current row, drag state).
class StripListWidget : public QListWidget
{
public:
    explicit StripListWidget(QWidget *parent = nullptr);

    // The album shown and edited (not owned; the strip shows nothing
    // without one).
    void setAlbumModel(AlbumModel *model);
    AlbumModel *albumModel() const { return m_model; }

    // Imports files (through the import dialog) before the given row; one
    // undo step.
    virtual void importAt(const QStringList &paths, int row) = 0;
    // Moves the selection one record to the left or right (nothing at the
    // strip's end).
    void moveSelectedLeft() { moveSelected(true); }
    void moveSelectedRight() { moveSelected(false); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Files and folders with matching entries are taken, and so is this
    // strip's own payload; an own move that would land next to where the
    // selection already is is refused.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    // The file part of a drop: imports the dropped files (folders expanded)
    // before row target; refuses the drop when none matches.
    void dropFiles(QDropEvent *event, int target);

    // The part of the album this strip shows, and showing it again after
    // the model changed it.
    virtual AlbumModel::Part shownPart() const = 0;
    virtual void showAlbum() = 0;

    // The format of this strip's drag payload.
    virtual const char *mimeFormat() const = 0;
    // The file patterns this strip imports.
    virtual QStringList nameFilters() const = 0;
    virtual void moveSelected(bool left) = 0;
    // The selected rows an own drag moves, ascending.
    virtual QList<int> draggedRows() const { return StripSupport::selectedRows(this); }

    // The hint shown after the last item.
    virtual QString hintText() const = 0;
    // Starts the drag of the selection (called once the mouse has moved far
    // enough with the left button held).
    virtual void startDrag() = 0;

    // Runs a drag of the given items with the payload in the given format;
    // returns the drop action. While it runs, isOwnDrag() recognises the
    // payload when it comes back to this strip.
    Qt::DropAction runDrag(const char *format, const QList<int> &tokens,
                           const QList<QListWidgetItem *> &items);
    bool isOwnDrag(const QMimeData *data) const;
    bool internalDrag() const { return m_internalDrag; }
    // The payload's tokens of an own drag, checked against the records.
    QList<int> ownTokens(const QMimeData *data, const char *format, int recordCount) const;
    // Selects the rows first..last, replacing the selection.
    void selectRows(int first, int last);
    QPointer<AlbumModel> m_model;

private:
    bool m_internalDrag = false;
    QPoint m_dragStartPos;
    int m_draggedCount = 0;
    QPointer<QMimeData> m_dragData;
};
