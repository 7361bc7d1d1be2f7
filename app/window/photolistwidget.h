#pragma once

#include <QList>
#include <QPixmap>

#include <functional>

#include "album/album.h"
#include "window/stripsupport.h"

// The film strip of the main window: one thumbnail item per photo of the
// album with a small transition item between neighbouring photos (photos at
// even rows, a transition at every odd row, none before the first or after
// the last photo). The strip shows the album model's photos and makes every
// change of them through the model, one undo step each.
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

    // The edits of the album's photos.
    void deleteSelected();
    void removeAll();
    // Prepends an edit operation (TransformOp) to every selected photo.
    void transformSelected(int op);
    void restoreSelected();
    void autoRotateSelected();
    void autoRotateAll();
    // Imported photos get their EXIF operations (when auto-rotation on
    // import is on), their dynamic-effect keys and their orientation code.
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
    // The thumbnail of a photo whose file is missing.
    static QImage missingThumbnail();
    static QImage displayThumbnail(const ImageInfo &info);
    // The label of the undo step of an edit operation ("Turn Left").
    static QString transformLabel(int op);

Q_SIGNALS:
    // onItem: the current row is a photo row or there is none.
    void contextMenu(bool onItem, const QPoint &globalPos);

protected:
    AlbumModel::Part shownPart() const override { return AlbumModel::Photos; }
    void showAlbum() override;
    QString hintText() const override;
    void startDrag() override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    const char *mimeFormat() const override { return kMimeFormat; }
    QStringList nameFilters() const override;
    QList<int> draggedRows() const override { return selectedPhotoRows(); }
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const QList<ImageInfo> &photos() const;
    void showPhoto(int row, const ImageInfo &photo);
    void showTransition(int row);
    // The album indices of the selected photos, ascending.
    QList<int> selectedIndices() const;
    // Applies a change to each selected photo as one step, then shows each
    // changed photo's row as the current one in turn.
    void editSelected(const QString &label, const std::function<void(ImageInfo &)> &change);
    void moveSelected(bool left) override;

    bool m_autoRotateOnImport = true;
    QPixmap m_transitionPicture;
    // The photos as the items show them.
    QList<ImageInfo> m_shown;
};
