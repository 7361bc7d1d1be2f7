#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <memory>

#include "album/album.h"
#include "album/dvdchoices.h"
#include "window/albumundo.h"
#include "dialogs/dvdmaking.h"
#include "desktop/mainwindowbase.h"

class PreviewPlayer;
class DvdMaking;
class MakeJob;
class MediaInfoWidget;
class QUndoStack;
class QAction;
class QMenu;
class QListWidget;
class QListWidgetItem;
class QSpinBox;
class StripListWidget;
class SingleApplication;
class StoryBoardRender;

namespace Ui {
class EditorWindow;
}

// The main window. It owns the album and the engine objects and shows the
// photo strip over the audio strip, the preview area with its transport
// controls, the album settings panel and the "Create DVD" row (capacity bar,
// disc type, Burn). Every command that changes the album ends in
// onStoryBoardDataChanged(), which rebuilds the timeline and refreshes the
// lengths, the capacity estimate and the control states.
//
// The form (ui/sorvel.ui) holds every control. The preview player and the
// DVD dialogs plug into it: `avPlayer` is the place of the player surface
// (shown instead of `gettingStart` while the album is not empty), the
// transport slots below move the play state, and "Create DVD", "Edit Audio"
// and "Preferences" stay disabled until their dialogs exist.
class EditorWindow : public MainWindowBase
{
    Q_OBJECT
public:
    explicit EditorWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EditorWindow() override;

    Album *album() { return m_album.get(); }
    const OutputFormat &outputFormat() const { return m_format; }
    QString videoStandard() const { return m_videoStandard; }
    Ui::EditorWindow *form() const { return ui.get(); }
    MediaInfoWidget *mediaInfo() const { return m_mediaInfo; }
    int activeStrip() const { return m_activeStrip; }
    int playState() const { return m_playState; }
    int currentFrame() const { return m_currentFrame; }
    // The preview player (re-initialise it with init() when the render
    // format changes, as after "Create DVD").
    PreviewPlayer *player() const;
    StoryBoardRender *storyboard() const { return m_storyboard.get(); }
    // The estimated DVD size in bytes shown on the capacity bar.
    quint64 estimatedDvdSize() const;
    // The run that makes DVDs, and "Create DVD" with its two dialogs.
    MakeJob *job() const { return m_job; }
    DvdMaking *dvdMaking() const { return m_dvdMaking; }

    // Imports files and folders given from outside (the command line, a
    // second start, a file manager's "Open With"): photos into the photo
    // strip, audio files into the audio strip, folders expanded with both
    // name patterns. Goes through the import dialog like a drop.
    void openPaths(const QStringList &paths);
    // Handles a message of the single-instance channel ("open ..." from a
    // second start).
    void handleInstanceMessage(const QString &message);
    // Imports what later starts of the program send.
    void listenToInstances(SingleApplication *app);
    // The message a second start sends for its paths, and its decoding.
    static QString openMessage(const QStringList &paths);
    static QStringList pathsOfOpenMessage(const QString &message);

    // "hh:mm:ss" of a frame count at the window's frame rate.
    QString frameTimeText(qint64 frames) const;

    // Projects. The album's project file (empty for a new album), the undo
    // stack whose clean state is the saved state, and the operations of the
    // four project actions. openProject leaves the album unchanged when the
    // file cannot be opened.
    QString projectPath() const { return m_projectPath; }
    QUndoStack *undoStack() const { return m_undo; }
    bool openProject(const QString &path);
    bool saveProjectTo(const QString &path);
    // Asks whether to save unsaved changes (Save, Discard, Cancel); false
    // when the person cancelled or saving failed.
    bool maybeSave();
    bool queryClose() override;
    // The album's DVD choices; the DVD settings dialog writes them here so
    // that they are saved with the project and can be undone.
    const DvdChoices &dvdChoices() const { return m_album->dvd; }
    void setDvdChoices(const DvdChoices &choices);

public Q_SLOTS:
    // Preview transport.
    void on_play_clicked();
    void on_pause_clicked();
    void on_stop_clicked();
    void on_previous_clicked();
    void on_next_clicked();
    void on_mute_clicked();
    void on_unmute_clicked();
    void on_volumePositionAction_triggered();
    // Album commands.
    void on_importPicture_clicked();
    void on_importPictureDir_clicked();
    void on_importAudio_clicked();
    void on_deleteClip_clicked();
    void on_clear_clicked();
    void on_turnLeft_clicked();
    void on_turnRight_clicked();
    void on_mirror_clicked();
    void on_flip_clicked();
    void on_autoRotate_clicked();
    void on_autoRotateAll_clicked();
    void on_autoRotatewhileImporting_clicked(bool checked);
    void on_restore_clicked();
    void on_moveLeft_clicked();
    void on_moveRight_clicked();
    void on_burn_clicked();
    void on_dvdTypeChanged(int index);
    void on_sliderPosition_presssed();
    void on_sliderPosition_released();
    void on_sliderPositionAction_triggered();
    void on_sliderPosition_changed(int value);
    void on_fileProperty();
    void on_selectAll_clicked();
    void on_preferences_clicked();
    void on_adjustOrder_clicked();
    void on_photoListWidget_item_clicked();
    void on_audioListWidget_item_clicked();
    void on_photoListWidget_row_changed(int row);
    void on_audioListWidget_row_changed(int row);
    void on_AfterBurnAction();
    void on_sort();
    void on_sortOrder();
    void on_photoListContextMenu(bool onItem, const QPoint &pos);
    void on_audioListContextMenu(const QPoint &pos);
    void photoListChanged(const QList<ImageInfo> &photos);
    void audioListChanged(const QList<AudioInfo> &audios);
    void on_photoDur_changed(int value);
    void on_sync_clicked();
    void on_transtionDur_changed(int value);
    void on_transition_changed(int state);
    void on_dynamicZoom_changed(int state);
    void on_transitionType_changed();
    void on_audioSetting_changed();
    void changeScrollRange();
    void photoItemSelectChanged();
    void audioItemSelectChanged();
    void updateProgress();
    void onStoryBoardDataChanged();
    void on_postTaskActionIndexChanged(int index);
    void on_newProject();
    void on_openProject();
    bool on_saveProject();
    bool on_saveProjectAs();

    void retranslate() override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Space plays and pauses, Home goes back to the start, Left and Right
    // step through the strip's rows (as previous and next).
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    // Names the next recorded change (the undo menu's text); changes with
    // the same merge id in a row become one step.
    void setChangeText(const QString &text, int mergeId = AlbumChangeCommand::NoMerge);
    // Puts a change of the album on the undo stack (when there is one).
    void recordChange();
    void restoreSnapshot(const AlbumSnapshot &snapshot);
    void applyTvStandard(TvStandard standard);
    void updateTitle();
    void addRecentProject(const QString &path);
    void rebuildRecentMenu();
    void setIcons();
    void connectSignals();
    void loadAlbumSettings();
    // Pause, then show the frame min(frame, total - 1).
    void seekTo(int frame);
    // Pause and move back into the timeline (after every edit).
    void reseek();
    void refreshControls();
    void tickAfterBurnMenu();
    AfterMakingAction afterMakingActionOf(const QAction *action) const;
    void sortActiveStrip();
    // Enables the commands that depend on a strip's selection (move, select
    // all, invert); true when any row is selected.
    // The strip the last selection was made in (none before any).
    StripListWidget *activeStripWidget() const;
    bool enableSelectionCommands(const QList<int> &rows, const QListWidget *strip);
    // No row current: the media information window empty, no previous or
    // next.
    void showNoRow();
    // A duration box shows the value the album snapped to (without
    // reporting it again); the timeline is rebuilt.
    void showSnappedDuration(QSpinBox *box, int snapped);
    void runPhotoImport(const QStringList &paths);
    void runAudioImport(const QStringList &paths);
    void updateCapacity();
    // The audio strip's length in frames.
    qint64 audioStripFrames() const;
    // After a run: the preview player set up again at the position.
    void restorePreviewAfterGeneration();
    // "Abort or not?" when the window is closed during a run; true when the
    // close may go on.
    bool confirmCloseDuringRun();
    // Whether the dialogs that plug into the window exist yet.
    bool dvdDialogAvailable() const { return m_dvdMaking != nullptr; }
    bool preferencesAvailable() const { return true; }
    // Opens "Edit Audio" on a copy of the clips with the given row current;
    // on OK the audio strip takes the edited list.
    void openAudioEditor(int row);
    // Space, Home, Left and Right drive the transport.
    void setupTransportKeys();
    // Shows one of a pair of buttons (play / pause, mute / unmute) with the
    // focus, and hides the other.
    void showInsteadOf(QWidget *shown, QWidget *hidden);
    // Says once in the status line that the preview has no sound.
    void noteSoundUnavailable(const QString &reason);

    std::unique_ptr<Ui::EditorWindow> ui;
    int m_playState = 0;
    QTimer *m_previewTimer = nullptr;
    OutputFormat m_format;
    std::unique_ptr<Album> m_album;
    std::unique_ptr<StoryBoardRender> m_storyboard;
    MediaInfoWidget *m_mediaInfo = nullptr;
    int m_activeStrip = -1;
    QMenu *m_autoRotateMenu = nullptr;
    QAction *m_autoRotateMenuAction = nullptr;
    QAction *m_autoRotateAllMenuAction = nullptr;
    double m_stripFollowScale = 1.0;
    int m_currentFrame = 0;
    bool m_sliderHeld = false;
    bool m_soundNoteShown = false;
    QString m_videoStandard;
    QUndoStack *m_undo = nullptr;
    AlbumSnapshot m_recorded;
    bool m_restoring = false;
    QString m_changeText;
    int m_changeMerge = AlbumChangeCommand::NoMerge;
    QString m_projectPath;
    QMenu *m_recentMenu = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QPixmap m_gettingStartPicture;
    MakeJob *m_job = nullptr;
    DvdMaking *m_dvdMaking = nullptr;
    bool m_closeAfterRun = false;
};
