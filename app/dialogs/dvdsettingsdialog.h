#pragma once

#include <desktop/dialogbase.h>

#include <QImage>
#include <QMetaType>
#include <QPointer>
#include <QString>
#include <QVector>

#include <memory>

#include "album/album.h"
#include "album/dvdchoices.h"
#include "job/makejob.h"

class BitRateDialog;
class DestinationBox;
class DeviceThread;
namespace Ui {
class DvdSettingsDialog;
}

// "DVD Settings": the destination (folder, ISO image or a recorder), the
// volume label, writing speed and copies, the video quality (with a custom
// bit rate), TV standard, the picture's shape (16:9 or 4:3), the chapters
// (one per photo or none), what the disc does when the show ends, audio bit
// rate and channels, the menu (its title, background and music, with a
// picture of its main page), and the size these choices give on a capacity bar. It
// edits the choices and returns: "Burn" accepts the dialog once a
// destination is chosen, and request() is then the run to start. The run
// itself belongs to the window's job (see DvdMaking).
class DvdSettingsDialog : public DialogBase
{
    Q_OBJECT
public:
    // devices: the thread that keeps the recorders and their discs fresh
    // (the job's burn workflow's); null: the destination box lists what it
    // finds when it is made.
    explicit DvdSettingsDialog(QWidget *parent = nullptr, DeviceThread *devices = nullptr,
                               Qt::WindowFlags flags = {});
    ~DvdSettingsDialog() override;

    // Slideshow length in seconds (the window sets it on every change).
    void setDuration(double seconds) { m_duration = seconds; }
    double duration() const { return m_duration; }
    // Recomputes the size estimate and shows it on the dialog's bar.
    void updateDVDSize();
    quint64 dvdSize() const { return m_dvdSize; }
    // True for a recorder destination with a dual-layer disc in it.
    bool dualLayer() const;
    QString discType() const { return m_discType; }
    // Fills the parameter lists and selects the default choices (the TV
    // standard from the "VideoStandard" setting).
    void initParameters();

    DvdChoices choices() const { return m_choices; }
    void setChoices(const DvdChoices &choices);
    // The run "Burn" asks for, without the album: the encoding choices, the
    // destination, copies and speed, and the program's settings for the
    // working folder.
    MakeRequest request() const;

    DestinationBox *targetComboBox() const;

    // The album the menu is made from: its photos and title cards (the
    // background list and the preview) and whether it has music.
    void setAlbum(const Album &album);
    // The preview of the menu's main page as shown (null with the menu off).
    QImage menuPreview() const { return m_menuPreview; }

Q_SIGNALS:
    // The choices changed through the dialog's controls.
    void choicesChanged(const DvdChoices &choices);

public Q_SLOTS:
    void retranslate() override;

private:
    void onVideoQuality(int index);
    void onTvMode(int index);
    void onShowEnd(int index);
    void onAspect(int index);
    void onChapters(int index);
    void onAudioRate(int index);
    void onAudioChannel(int index);
    void onCustomizedVideoBitRate(const QString &rate);
    void onVolumeLabelEdited(const QString &text);
    void onCopiesChanged(int copies);
    void onBurnClicked();
    void onMenuToggled(bool on);
    void onMenuTitleEdited(const QString &text);
    void onMenuBackground(int index);
    void onMenuMusicToggled(bool on);
    void listMenuBackgrounds();
    void showMenuChoices();
    void showMenuPreview();
    void showSpeeds(const QVector<QString> &speeds);
    void enableSpeeds(bool enabled);
    void onDiscType(const QString &type);
    void openCustomBitRateDialog();
    void selectQuality(int bitRate);
    void showChoices();
    void setChoice(const DvdChoices &choices);
    void alignLabels();

    std::unique_ptr<Ui::DvdSettingsDialog> m_ui;
    DvdChoices m_choices;
    quint64 m_dvdSize = 0;
    double m_duration = 0;
    QString m_discType;
    Album m_album;
    // The preview's background, decoded once for the item it shows.
    int m_backdropItem = -2;
    QImage m_backdrop;
    QImage m_menuPreview;
};
