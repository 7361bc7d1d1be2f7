#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <memory>

#include "album/album.h"
#include "album/albummodel.h"
#include "album/dvdchoices.h"
#include "dialogs/dvdmaking.h"
#include "desktop/mainwindowbase.h"

class AutoSave;
class PreviewPlayer;
class DvdMaking;
class VideoExport;
class MakeJob;
class MediaInfoWidget;
class QUndoStack;
class QAction;
class QMenu;
class QLabel;
class QListWidget;
class StripListWidget;
class SingleApplication;
class StoryBoardRender;

namespace Ui {
class EditorWindow;
}

// The main window. It holds the album model and the engine objects and
// shows the photo strip over the audio strip, the preview area with its
// transport controls, the album settings panel and the "Create DVD" row
// (capacity bar, disc type, Burn). Every control edits the album through
// the model, one undo step per edit; whatever changed the album (a control,
// a strip, undo and redo, a project), the model's change signal brings the
// window up to date: the timeline, the lengths, the capacity estimate, the
// controls and the preview's frame.
//
// The form (editorwindow.ui) holds every control; the preview player
// (`previewPlayer`) takes the place of the `gettingStart` picture while the
// album is not empty.
class EditorWindow : public MainWindowBase
{
    Q_OBJECT
public:
    explicit EditorWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EditorWindow() override;

    // The album as it is now, and the model every edit goes through.
    const Album *album() const { return &m_model->album(); }
    AlbumModel *albumModel() const { return m_model; }
    const OutputFormat &outputFormat() const { return m_format; }
    QString videoStandard() const { return m_videoStandard; }
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
    VideoExport *videoExport() const { return m_videoExport; }

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
    QUndoStack *undoStack() const { return m_model->undoStack(); }
    bool openProject(const QString &path);
    bool saveProjectTo(const QString &path);
    // Asks whether to save unsaved changes (Save, Discard, Cancel); false
    // when the person cancelled or saving failed.
    bool maybeSave();
    bool queryClose() override;
    // At the start: offers the unsaved work of editors that ended without
    // closing ("Recover", "Discard", or later). True when an album was
    // recovered.
    bool offerRecovery();
    // Takes a recovery file's album as this editor's (unsaved).
    bool recoverFrom(const QString &file);
    // A termination signal: aborts a run without asking, keeps unsaved work
    // for recovery and ends the program once the run has cleaned up.
    void endSession();
    // The unsaved-work keeper.
    AutoSave *autoSave() const { return m_autoSave; }
    // Looks for the album's missing files in a folder the person picks
    // (with its subfolders); returns how many were found.
    int relinkMissing();
    // The clips of after that are not in before (what arrived meanwhile).
    static QList<AudioInfo> arrivedClips(const QList<AudioInfo> &before, const QList<AudioInfo> &after);
    // The album's DVD choices; the DVD settings dialog writes them here so
    // that they are saved with the project and can be undone.
    const DvdChoices &dvdChoices() const { return m_model->album().dvd; }
    void setDvdChoices(const DvdChoices &choices);

public Q_SLOTS:
    // Preview transport.
    void play();
    void pause();
    void stop();
    void previous();
    void next();
    void mute();
    void unmute();
    // Album commands.
    void importPhotos();
    void importPhotoFolder();
    void importAudio();
    void deleteSelection();
    void clearStrip();
    void selectAll();
    void turnLeft();
    void turnRight();
    void mirror();
    void flip();
    void autoRotate();
    void autoRotateAll();
    void setAutoRotateOnImport(bool on);
    void restoreOrientation();
    void moveLeft();
    void moveRight();
    void syncWithAudio();
    void editAudio();
    void showProperties();
    void showPreferences();
    // "Create DVD", the disc type and the action after making.
    void createDvd();
    // "Export Video...": the dialog, then the run as a video file.
    void exportVideo();
    void onDiscTypeChanged(int index);
    void onAfterMakingChosen();
    void onPostTaskActionChanged(int index);
    // What the strips report.
    void onPhotoRowChanged(int row);
    void onClipRowChanged(int row);
    void onPhotoSelectionChanged();
    void onClipSelectionChanged();
    // Projects.
    void newProject();
    void chooseProjectToOpen();
    bool saveProject();
    bool saveProjectAs();

    void retranslate() override;

Q_SIGNALS:
    // endSession() is done: the program ends now.
    void sessionEnded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Space plays and pauses, Home goes back to the start, Left and Right
    // step through the strip's rows (as previous and next).
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Building the window, in the constructor's order.
    void createAlbum();
    void fitSettingsPanel();
    void setupForm();
    void setIcons();
    void setupPreview();
    void connectSignals();
    void connectSettingsControls();
    void connectStrips();
    void connectCommands();
    void connectTransport();
    void createAutoRotateMenu();
    void buildMenus();
    void setupFrame();
    void createDvdDialogs();
    void rememberFirstStart();
    void showInitialState();

    // After every change of the album: the timeline, lengths, capacity,
    // the audio strip's scale and the control states.
    void onAlbumChanged(AlbumModel::Parts parts);
    void refreshAlbumViews();
    // The album's slideshow settings into the controls (without reporting
    // them back as edits).
    void showAlbumSettings();
    // A new or opened album: nothing selected, the start of the preview.
    void showReplacedAlbum();
    void applyDvdFrame(TvStandard standard, DvdAspect aspect);

    // Settings controls.
    void onPhotoDurationChanged(int value);
    void onTransitionDurationChanged(int value);
    void onUseTransitionToggled(bool on);
    void onDissolveOnlyToggled(bool on);
    void onDynamicEffectToggled(bool on);
    void onLoopAudioToggled(bool on);
    void onFramingChanged(int index);
    void onEvenLoudnessToggled(bool on);
    void onFadeAudioToggled(bool on);
    void onFadeDurationChanged(int ms);
    void onCrossfadeDurationChanged(int ms);

    // Position slider, volume and the strips' shared scroll bar.
    void onPositionPressed();
    void onPositionReleased();
    void onPositionAction();
    void onPositionChanged(int value);
    void onVolumeAction();
    void changeScrollRange();
    void updateProgress();

    void showPhotoContextMenu(bool onItem, const QPoint &pos);
    // "Caption..." on the current photo (a title card opens its own
    // editor), and "Add Title Card...": a dialog whose every change shows
    // at once in the preview; OK makes it one undo step.
    void editCaption();
    void addTitleCard();
    void editTitleCard(int index);
    // Shows frame `frame` of an album that is not (yet) the model's: the
    // dialogs' live preview. Null goes back to the model's album.
    void previewAlbum(const Album *album, int item);
    void showClipContextMenu(const QPoint &pos);
    void onSortKeyChosen();
    void onSortOrderChosen();
    void sortActiveStrip();

    void updateTitle();
    void addRecentProject(const QString &path);
    void rebuildRecentMenu();
    // Pause, then show the frame min(frame, total - 1).
    void seekTo(int frame);
    // Pause and move back into the timeline (after every edit).
    void reseek();
    void refreshControls();
    void tickAfterBurnMenu();
    AfterMakingAction afterMakingActionOf(const QAction *action) const;
    // The strip the last selection was made in (none before any).
    StripListWidget *activeStripWidget() const;
    // Enables the commands that depend on the active strip's selection
    // (move, delete, the photo edits, select all).
    void updateSelectionCommands();
    // Enables the move commands and Select All for a strip's selected
    // rows; true when any row is selected.
    bool enableSelectionCommands(const QList<int> &rows, const QListWidget *strip);
    // No row current: the media information window empty, no previous or
    // next.
    void showNoRow();
    // Imports a batch of openPaths().
    void openPathsNow(const QStringList &paths);
    void setProjectPath(const QString &path);
    // The message about the album's missing files, with "Relink...".
    void tellMissing();
    // The preview (or, where it cannot be shown, the note saying so) or the
    // getting-started picture.
    void showPreviewArea(bool show);
    // The tool buttons' tooltips name the shortcuts of their commands.
    void showShortcutsInTooltips();
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
    // Opens "Edit Audio" on a copy of the clips with the given row current;
    // on OK the edited list becomes the album's in one step.
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
    AlbumModel *m_model = nullptr;
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
    QString m_projectPath;
    QMenu *m_recentMenu = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_captionAction = nullptr;
    QAction *m_titleCardAction = nullptr;
    // The album a caption or title card dialog shows in the preview.
    std::unique_ptr<Album> m_previewAlbum;
    QPixmap m_gettingStartPicture;
    MakeJob *m_job = nullptr;
    DvdMaking *m_dvdMaking = nullptr;
    VideoExport *m_videoExport = nullptr;
    bool m_closeAfterRun = false;
    bool m_terminating = false;
    // What the preview shows: the album without its missing files.
    Album m_shownAlbum;
    AutoSave *m_autoSave = nullptr;
    QAction *m_relinkAction = nullptr;
    QStringList m_pendingPaths;
    // Where the platform cannot show OpenGL: the player outside the window
    // and the note in its place.
    std::unique_ptr<PreviewPlayer> m_detachedPlayer;
    QLabel *m_previewUnavailable = nullptr;
    bool m_openingPaths = false;
};
