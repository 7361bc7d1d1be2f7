#pragma once

#include <QImage>
#include <QList>

#include "album/album.h"
#include "window/stripsupport.h"

// The soundtrack strip under the photo strip: one bar per clip of the
// album in playing order, as wide as the clip lasts on the photo strip's
// time scale, so music and photos line up; what runs past the end of the
// slideshow is grey. The strip shows the album model's clips and makes every
// change of them through the model, one undo step each.
class AudioListWidget : public StripListWidget
{
    Q_OBJECT
public:
    static constexpr int kItemHeight = 32;
    // How far past the slideshow's end a clip is drawn at most.
    static constexpr int kOverflowWidth = 44 + 2 * 88;
    static constexpr char kMimeFormat[] = "AudioList";

    explicit AudioListWidget(QWidget *parent = nullptr);
    ~AudioListWidget() override;

    // The photo strip's width in pixels and its seconds per pixel; a scale
    // below 0.001 s per pixel means 1/33.
    void setTimeScale(int photoStripWidth, double secondsPerPixel);
    double secondsPerPixel() const { return m_secondsPerPixel; }

    // The edits of the album's clips.
    void deleteSelected();
    void removeAll();
    void sortRecords(int key, bool ascending);
    void importAt(const QStringList &paths, int row) override;

    int contentWidth() const;
    virtual void refreshItemTexts();
    // Grey part of the clip at a row, in pixels (after the last relayout).
    int overflowAt(int row) const { return m_overflow.value(row); }
    // The picture of a clip bar: head, repeated body, grey overflow,
    // outline and the "#n name | length" text.
    static QImage clipPicture(const AudioInfo &record, int position, int width, int overflow);

Q_SIGNALS:
    void contextMenu(const QPoint &globalPos);
    // A clip was double-clicked: the window opens the audio editor on it.
    void editRequested(int row);

protected:
    AlbumModel::Part shownPart() const override { return AlbumModel::Clips; }
    void showAlbum() override;
    QString hintText() const override;
    void startDrag() override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    const char *mimeFormat() const override { return kMimeFormat; }
    QStringList nameFilters() const override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const QList<AudioInfo> &clips() const;
    void relayout();
    QString tooltipFor(int row) const;
    void moveSelected(bool left) override;

    QList<int> m_overflow;
    int m_photoStripWidth = 0;
    double m_secondsPerPixel = 1.0 / 33.0;
};
