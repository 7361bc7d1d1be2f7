#pragma once

#include <QList>
#include <QPixmap>

#include <functional>

#include "album/album.h"
#include "window/stripsupport.h"

// The film strip of the main window: one thumbnail item per photo with a
// small transition item between neighbouring photos (photos at even rows,
// a transition at every odd row, none before the first or after the last
// photo). The strip owns the visible list of photos and publishes every
// change with photoListChanged(); the main window copies it into the album.
class PhotoListWidget : public StripListWidget
{
    Q_OBJECT
public:
    static constexpr int kPhotoItemWidth = 88;
    static constexpr int kPhotoItemHeight = 66;
    static constexpr int kTransitionItemWidth = 44;
    static constexpr char kMimeFormat[] = "ImageList";

    explicit PhotoListWidget(QWidget *parent = nullptr);
    ~PhotoListWidget() override;

    const QList<ImageInfo> &photoRecords() const { return m_records; }

    // Inserts one photo at the insertion row (a transition first when that
    // row is odd). isNew: an imported photo, which gets its EXIF operations
    // (when auto-rotation on import is on), its dynamic-effect keys and its
    // orientation code. Publishes nothing.
    void addPhoto(const ImageInfo &record, bool isNew);
    // Ends an insertion run: a transition after the inserted photos when
    // they went before existing ones; publishes the list.
    void finishInsert();
    // Replaces the whole list (photos as they are) and publishes it.
    void setPhotoList(const QList<ImageInfo> &records);
    void deleteSelected(bool quiet = false);
    // Removes every item and record without publishing.
    void clearAll();
    // Prepends an edit operation (TransformOp) to every selected photo.
    void transformSelected(int op);
    void restoreSelected();
    void autoRotateSelected();
    void autoRotateAll();
    void importAt(const QStringList &paths, int row) override;
    // key: 0 name (whole path), 1 date, 2 type, 3 size.
    void sortRecords(int key, bool ascending);
    void setAutoRotateOnImport(bool on) { m_autoRotateOnImport = on; }
    bool autoRotateOnImport() const { return m_autoRotateOnImport; }
    // Width in pixels of all items (0 when empty).
    int contentWidth() const;
    virtual void refreshItemTexts();

    // Selected photo rows (even rows), ascending.
    QList<int> selectedPhotoRows() const;
    static bool isPhotoRow(int row) { return row >= 0 && row % 2 == 0; }
    // The picture a photo item shows: the thumbnail for its orientation.
    static QImage displayThumbnail(const ImageInfo &info);

Q_SIGNALS:
    void photoListAboutToChange();
    void photoListChanged(const QList<ImageInfo> &photos);
    // onItem: the current row is a photo row or there is none.
    void contextMenu(bool onItem, const QPoint &globalPos);

protected:
    QString hintText() const override;
    void startDrag() override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    const char *mimeFormat() const override { return kMimeFormat; }
    QStringList nameFilters() const override;
    QList<int> draggedRows() const override { return selectedPhotoRows(); }
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QListWidgetItem *newPhotoItem(const ImageInfo &record) const;
    QListWidgetItem *newTransitionItem() const;
    void updatePhotoItem(int row);
    // Drop transitions at either end of a row range.
    static void trimToPhotos(int &first, int &last);
    void applyToSelected(const std::function<void(ImageInfo &)> &change);
    void insertTransitionAt(int row);
    void moveSelected(bool left) override;

    QList<ImageInfo> m_records;
    bool m_autoRotateOnImport = true;
    QPixmap m_transitionPicture;
};
