#pragma once

#include <QImage>
#include <QList>

#include "album/album.h"
#include "window/stripsupport.h"

// The soundtrack strip under the photo strip: one bar per clip in playing
// order, as wide as the clip lasts on the photo strip's time scale, so music
// and photos line up; what runs past the end of the slideshow is grey. The
// strip owns the visible list of clips and publishes every change with
// audioListChanged(); the main window copies it into the album.
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

    const QList<AudioInfo> &audioRecords() const { return m_records; }

    // Inserts one clip at the insertion row; publishes nothing.
    void addClip(const AudioInfo &record);
    // Ends an insertion run: relayout and publish the list.
    void finishInsert();
    // Replaces the whole list and publishes it.
    void setAudioList(const QList<AudioInfo> &records);
    // The photo strip's width in pixels and its seconds per pixel; a scale
    // below 0.001 s per pixel means 1/33.
    void setTimeScale(int photoStripWidth, double secondsPerPixel);
    double secondsPerPixel() const { return m_secondsPerPixel; }
    void deleteSelected(bool quiet = false);
    void clearAll();
    void sortRecords(int key, bool ascending);
    int contentWidth() const;
    virtual void refreshItemTexts();
    void importAt(const QStringList &paths, int row) override;

    // Grey part of the clip at a row, in pixels (after the last relayout).
    int overflowAt(int row) const { return m_overflow.value(row); }
    // The picture of a clip bar: head, repeated body, grey overflow,
    // outline and the "#n name | length" text.
    static QImage clipPicture(const AudioInfo &record, int position, int width, int overflow);

Q_SIGNALS:
    void audioListAboutToChange();
    void audioListChanged(const QList<AudioInfo> &audios);
    void contextMenu(const QPoint &globalPos);
    // A clip was double-clicked: the window opens the audio editor on it.
    void editRequested(int row);

public Q_SLOTS:
    void on_itemDoubleClicked(QListWidgetItem *item);

protected:
    QString hintText() const override;
    void startDrag() override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    const char *mimeFormat() const override { return kMimeFormat; }
    QStringList nameFilters() const override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void relayout();
    QString tooltipFor(int row) const;
    void moveSelected(bool left) override;

    QList<AudioInfo> m_records;
    QList<int> m_overflow;
    int m_photoStripWidth = 0;
    double m_secondsPerPixel = 1.0 / 33.0;
};
