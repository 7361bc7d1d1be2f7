#include "window/editorwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QUndoStack>
#include <QUrl>

#include "album/appsettings.h"
#include "album/autosave.h"
#include "album/mediatypes.h"
#include "album/project.h"
#include "desktop/application.h"
#include "desktop/filechooser.h"
#include "desktop/messagebox.h"
#include "desktop/singleapplication.h"
#include "desktop/widgetsupport.h"
#include "dialogs/capacitybar.h"
#include "dialogs/captiondialog.h"
#include "dialogs/dvdsettingsdialog.h"
#include "dialogs/editaudiodialog.h"
#include "dialogs/preferencesdialog.h"
#include "dialogs/progressdialog.h"
#include "engine/storyboardrender.h"
#include "framework/apppaths.h"
#include "framework/filecheck.h"
#include "framework/settingsstore.h"
#include "dialogs/dvdmaking.h"
#include "dialogs/videoexport.h"
#include "job/makejob.h"
#include "ui_editorwindow.h"
#include "window/audiolistwidget.h"
#include "window/importprogress.h"
#include "window/mediainfowidget.h"
#include "window/photolistwidget.h"
#include "window/previewplayer.h"
#include "album/cpuaffinity.h"
#include "window/stripsupport.h"

namespace {

QIcon themeIcon(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const QString n = QString::fromLatin1(name);
        QIcon icon = QIcon::fromTheme(n);
        if (icon.isNull())
            icon = QIcon::fromTheme(n + QStringLiteral("-symbolic"));
        if (!icon.isNull())
            return icon;
    }
    return QIcon();
}

} // namespace

EditorWindow::EditorWindow(QWidget *parent, Qt::WindowFlags flags) : MainWindowBase(parent, flags)
{
    setObjectName(QStringLiteral("EditorWindow"));
    createAlbum();
    setupForm();
    setupPreview();
    showAlbumSettings();
    connectSignals();
    createAutoRotateMenu();
    initialize(); // the framework's frame
    buildMenus();
    setupFrame();
    createDvdDialogs();
    setupTransportKeys();
    rememberFirstStart();
    CpuAffinity::applyToProcess(CpuAffinity::maskFromSettings(AppSettings::pref()));
    retranslate();
    fitSettingsPanel();
    showInitialState();
}

void EditorWindow::fitSettingsPanel()
{
    // The settings column scrolls only vertically: it is as wide as its
    // widest row needs in the language shown (German rows are wider than
    // the form's 290 pixels), plus the vertical scroll bar.
    QScrollArea *area = ui->settingsScrollArea;
    const int needed = ui->settingsPanel->sizeHint().width() + area->verticalScrollBar()->sizeHint().width();
    area->setMaximumWidth(std::max(area->maximumWidth(), needed));
    area->setMinimumWidth(std::max(area->minimumWidth(), needed));
}

EditorWindow::~EditorWindow()
{
    // The widgets go after the album: nothing they signal while they are
    // taken down (a duration typed but not yet entered, committed when its
    // focus leaves) may reach the window any more.
    const QList<QObject *> children = findChildren<QObject *>();
    for (QObject *child : children)
        child->disconnect(this);
    for (QListWidget *strip :
         {static_cast<QListWidget *>(ui->photoListWidget), static_cast<QListWidget *>(ui->audioListWidget)})
        strip->model()->disconnect(this);
    pause();
    // The DVD dialogs go before the album they make DVDs of.
    delete m_videoExport;
    m_videoExport = nullptr;
    delete m_dvdMaking;
    m_dvdMaking = nullptr;
    delete m_job;
    m_job = nullptr;
    ui->previewPlayer->setStoryboard(nullptr);
    m_detachedPlayer.reset();
    delete m_mediaInfo;
    m_mediaInfo = nullptr;
    m_storyboard.reset();
    delete m_model;
    m_model = nullptr;
}

void EditorWindow::createAlbum()
{
    // The album lists the transition patterns of the data folder and starts
    // at the TV standard of the settings.
    Album album;
    album.dvd.tvStandard = AppSettings::currentVideoStandard();
    m_model = new AlbumModel(album, this);
    m_shownAlbum = m_model->album().present();
    m_storyboard = std::make_unique<StoryBoardRender>();
    // The preview shows the album without its missing files.
    m_storyboard->setAlbum(&m_shownAlbum);
    // Unsaved work is kept in a recovery file while the editor runs.
    m_autoSave = new AutoSave(m_model, this);
}

void EditorWindow::setupForm()
{
    ui = std::make_unique<Ui::EditorWindow>();
    ui->setupUi(this);
    ui->menuBar->hide(); // its menus go to the frame's menu bar
    m_previewTimer = new QTimer(this);
    m_previewTimer->setInterval(40);
    m_mediaInfo = new MediaInfoWidget(this);
    m_mediaInfo->setWindowFlag(Qt::Window);
    Desktop::moveCenter(m_mediaInfo);
    setIcons();
    // The strips show the album; they follow its changes before the window
    // does, so the window lays the audio strip out on the new photo strip.
    ui->photoListWidget->setAlbumModel(m_model);
    ui->audioListWidget->setAlbumModel(m_model);
}

void EditorWindow::setupPreview()
{
    // The DVD's frame (TV standard and shape); the getting-started picture
    // until the album has something to show.
    const DvdChoices &dvd = m_model->album().dvd;
    m_videoStandard = tvStandardName(dvd.tvStandard);
    m_format = OutputFormat::forStandard(dvd.tvStandard, dvd.aspect);
    m_storyboard->setFormat(m_format);
    ui->previewPlayer->setStoryboard(m_storyboard.get());
    ui->previewPlayer->setBackdrop(QColor(0x1b, 0x1e, 0x24)); // the preview area's colour
    ui->previewPlayer->init(m_format);
    connect(ui->previewPlayer, &PreviewPlayer::soundUnavailable, this, &EditorWindow::noteSoundUnavailable);
    m_gettingStartPicture = QPixmap(StripSupport::skinFile(QStringLiteral("gettingstart.png")));
    ui->previewFrame->setStyleSheet(QStringLiteral("#previewFrame { background-color: #1b1e24; }"));
    // The picture follows the preview area's size; the label's own size
    // hint must not hold the window open.
    ui->gettingStart->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    ui->gettingStart->installEventFilter(this);
    ui->gettingStart->setAccessibleName(tr("Getting started"));
    ui->gettingStart->show();
    ui->previewPlayer->hide();
    if (!PreviewPlayer::platformShowsOpenGL()) {
        // The platform (offscreen, minimal, vnc...) cannot show an OpenGL
        // widget: the player leaves the window before it is ever shown (it
        // still keeps the position, and draws nothing without a context),
        // and a note takes its place.
        auto *grid = qobject_cast<QGridLayout *>(ui->previewPlayer->parentWidget()->layout());
        ui->previewPlayer->setParent(nullptr);
        m_detachedPlayer.reset(ui->previewPlayer);
        m_previewUnavailable = new QLabel(
            tr("The preview is not available on this display (%1): it cannot show OpenGL. Everything else, "
               "making DVDs included, works.")
                .arg(QGuiApplication::platformName()),
            ui->previewFrame);
        m_previewUnavailable->setObjectName(QStringLiteral("previewUnavailable"));
        m_previewUnavailable->setWordWrap(true);
        m_previewUnavailable->setAlignment(Qt::AlignCenter);
        m_previewUnavailable->setStyleSheet(QStringLiteral("color: #d0d4da;"));
        m_previewUnavailable->hide();
        if (grid)
            grid->addWidget(m_previewUnavailable, 0, 0);
    }
}

void EditorWindow::showPreviewArea(bool show)
{
    ui->gettingStart->setVisible(!show);
    if (m_previewUnavailable)
        m_previewUnavailable->setVisible(show);
    else
        ui->previewPlayer->setVisible(show);
}

void EditorWindow::createAutoRotateMenu()
{
    m_autoRotateMenu = new QMenu(this);
    m_autoRotateMenuAction = m_autoRotateMenu->addAction(tr("Auto Rotate"));
    m_autoRotateAllMenuAction = m_autoRotateMenu->addAction(tr("Auto Rotate All Photos"));
    connect(m_autoRotateMenuAction, &QAction::triggered, this, &EditorWindow::autoRotate);
    connect(m_autoRotateAllMenuAction, &QAction::triggered, this, &EditorWindow::autoRotateAll);
    ui->autoRotate->setMenu(m_autoRotateMenu);
}

void EditorWindow::setupFrame()
{
    // The desktop entry and icon the desktop knows the program by.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sorvel.Sorvel"));
    QIcon appIcon = QIcon::fromTheme(QStringLiteral("org.sorvel.Sorvel"));
    if (appIcon.isNull())
        appIcon = QIcon(AppPaths::appDir() + QStringLiteral("/org.sorvel.Sorvel.svg"));
    widgetFrame()->setWindowIcon(appIcon);
    widgetFrame()->resize(1280, 800);
    widgetFrame()->setMinimumSize(1000, 680);
}

void EditorWindow::createDvdDialogs()
{
    // The run that makes DVDs, and "Create DVD" with its two dialogs over
    // the frame: DVD Settings shows and edits the album's DVD choices, the
    // progress dialog follows the run. A close of the frame while a DVD is
    // made asks first.
    m_job = new MakeJob(this);
    m_dvdMaking = new DvdMaking(m_job, widgetFrame());
    m_dvdMaking->settingsDialog()->setChoices(m_model->album().dvd);
    connect(m_dvdMaking, &DvdMaking::choicesChanged, this, &EditorWindow::setDvdChoices);
    connect(m_dvdMaking, &DvdMaking::runFinished, this, [this] {
        restorePreviewAfterGeneration();
        if (m_terminating) {
            Q_EMIT sessionEnded();
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        else if (m_closeAfterRun)
            QTimer::singleShot(0, widgetFrame(), &QWidget::close);
    });
    connect(m_dvdMaking, &DvdMaking::afterMakingIndexChanged, this, &EditorWindow::onPostTaskActionChanged);
    // "Export Video..." runs on the same job; the same progress dialog
    // follows it. The choices it is exported with are an edit of the album.
    m_videoExport = new VideoExport(m_job, widgetFrame());
    connect(m_videoExport, &VideoExport::choicesChanged, this, [this](const VideoChoices &choices) {
        m_model->edit(tr("Export Video"), [&choices](Album &album) { album.video = choices; });
    });
}

void EditorWindow::rememberFirstStart()
{
    SettingsStore *pref = AppSettings::pref();
    if (AppSettings::firstStart(pref) && pref)
        pref->setValue(AppSettings::kFirstStart, false);
}

void EditorWindow::showInitialState()
{
    ui->timeCode->setText(QStringLiteral("00:00:00 / 00:00:00"));
    tickAfterBurnMenu();
    ui->play->show();
    ui->pause->hide();
    if (!ui->previewPlayer->soundAvailable())
        noteSoundUnavailable(ui->previewPlayer->soundError());
    refreshAlbumViews();
    updateSelectionCommands();
    connect(undoStack(), &QUndoStack::cleanChanged, this, &EditorWindow::updateTitle);
    updateTitle();
}
void EditorWindow::setIcons()
{
    ui->importPicture->setIcon(themeIcon({"insert-image", "image-x-generic"}));
    ui->importPictureDir->setIcon(themeIcon({"folder-pictures", "folder"}));
    ui->importAudio->setIcon(themeIcon({"audio-x-generic"}));
    ui->deleteSelected->setIcon(themeIcon({"edit-delete"}));
    ui->turnLeft->setIcon(themeIcon({"object-rotate-left"}));
    ui->turnRight->setIcon(themeIcon({"object-rotate-right"}));
    ui->mirror->setIcon(themeIcon({"object-flip-horizontal"}));
    ui->flip->setIcon(themeIcon({"object-flip-vertical"}));
    ui->autoRotate->setIcon(themeIcon({"view-refresh"}));
    ui->restore->setIcon(themeIcon({"document-revert", "edit-undo"}));
    ui->moveLeft->setIcon(themeIcon({"go-previous"}));
    ui->moveRight->setIcon(themeIcon({"go-next"}));
    // The transport in the crisp symbolic style of media players, with a
    // disabled look that reads as disabled.
    ui->previous->setIcon(Desktop::symbolicThemeIcon(QStringLiteral("media-skip-backward")));
    ui->play->setIcon(Desktop::symbolicThemeIcon(QStringLiteral("media-playback-start")));
    ui->pause->setIcon(Desktop::symbolicThemeIcon(QStringLiteral("media-playback-pause")));
    ui->stop->setIcon(Desktop::symbolicThemeIcon(QStringLiteral("media-playback-stop")));
    ui->next->setIcon(Desktop::symbolicThemeIcon(QStringLiteral("media-skip-forward")));
    ui->mute->setIcon(Desktop::symbolicThemeIcon(QStringLiteral("audio-volume-high")));
    ui->unmute->setIcon(Desktop::symbolicThemeIcon(QStringLiteral("audio-volume-muted")));
    ui->burn->setIcon(themeIcon({"media-optical-burn", "media-optical"}));
    ui->editAudio->setIcon(themeIcon({"audio-x-generic"}));
    ui->syncWithAudio->setIcon(themeIcon({"emblem-synchronizing", "view-refresh"}));

    ui->actionImport_Picture->setIcon(ui->importPicture->icon());
    ui->actionImport_Picture_Directory->setIcon(ui->importPictureDir->icon());
    ui->actionImport_Audio->setIcon(ui->importAudio->icon());
    ui->actionNew_Project->setIcon(themeIcon({"document-new"}));
    ui->actionOpen_Project->setIcon(themeIcon({"document-open"}));
    ui->actionSave_Project->setIcon(themeIcon({"document-save"}));
    ui->actionSave_Project_As->setIcon(themeIcon({"document-save-as"}));
    ui->actionProperties->setIcon(themeIcon({"document-properties"}));
    ui->actionDelete->setIcon(ui->deleteSelected->icon());
    ui->actionClear->setIcon(themeIcon({"edit-clear"}));
    ui->actionSelect_All->setIcon(themeIcon({"edit-select-all"}));
    ui->actionTurn_Left->setIcon(ui->turnLeft->icon());
    ui->actionTurn_Right->setIcon(ui->turnRight->icon());
    ui->actionMirror->setIcon(ui->mirror->icon());
    ui->actionFlip->setIcon(ui->flip->icon());
    ui->actionRestore->setIcon(ui->restore->icon());
    ui->actionMove_Left->setIcon(ui->moveLeft->icon());
    ui->actionMove_Right->setIcon(ui->moveRight->icon());
    ui->actionCreate_DVD->setIcon(ui->burn->icon());
    ui->actionPreferences->setIcon(themeIcon({"preferences-system"}));
    ui->actionSortAscending->setIcon(themeIcon({"view-sort-ascending"}));
    ui->actionSortDescending->setIcon(themeIcon({"view-sort-descending"}));
    const QSize toolIcon(22, 22);
    for (QToolButton *button : findChildren<QToolButton *>())
        button->setIconSize(button->parentWidget() == ui->toolFrame ? toolIcon : QSize(18, 18));
}

void EditorWindow::buildMenus()
{
    // The framework's main menu gets the preferences; the visible File menu
    // is the form's, which ends with the framework's entries.
    mainMenu()->addSeparator();
    mainMenu()->addAction(ui->actionPreferences);
    QAction *exitAction = nullptr;
    for (QAction *action : mainMenu()->actions()) {
        if (action->objectName() == QLatin1String("actionExit"))
            exitAction = action;
    }
    ui->menuFile->addAction(ui->actionPreferences);
    if (exitAction) {
        ui->menuFile->addSeparator();
        ui->menuFile->addAction(exitAction);
    }
    QMenuBar *bar = widgetFrame()->menuBar();
    bar->insertMenu(mainMenu()->menuAction(), ui->menuFile);
    mainMenu()->menuAction()->setVisible(false);
    bar->insertMenu(helpMenu()->menuAction(), ui->menuEdit);
    bar->insertMenu(helpMenu()->menuAction(), ui->menuActions);
    // Projects: the four actions with the usual shortcuts and the recent
    // projects after "Open Project...".
    ui->actionNew_Project->setShortcut(QKeySequence::New);
    ui->actionOpen_Project->setShortcut(QKeySequence::Open);
    ui->actionSave_Project->setShortcut(QKeySequence::Save);
    ui->actionSave_Project_As->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(ui->actionNew_Project, &QAction::triggered, this, &EditorWindow::newProject);
    connect(ui->actionOpen_Project, &QAction::triggered, this, &EditorWindow::chooseProjectToOpen);
    connect(ui->actionSave_Project, &QAction::triggered, this, &EditorWindow::saveProject);
    connect(ui->actionSave_Project_As, &QAction::triggered, this, &EditorWindow::saveProjectAs);
    m_recentMenu = new QMenu(this);
    m_recentMenu->setObjectName(QStringLiteral("menuRecent_Projects"));
    m_recentMenu->setIcon(themeIcon({"document-open-recent"}));
    ui->menuFile->insertMenu(ui->actionSave_Project, m_recentMenu);
    rebuildRecentMenu();

    // Undo and redo at the top of the Edit menu.
    m_undoAction = undoStack()->createUndoAction(this);
    m_undoAction->setObjectName(QStringLiteral("actionUndo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setIcon(themeIcon({"edit-undo"}));
    m_redoAction = undoStack()->createRedoAction(this);
    m_redoAction->setObjectName(QStringLiteral("actionRedo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_redoAction->setIcon(themeIcon({"edit-redo"}));
    QAction *firstEdit = ui->menuEdit->actions().value(0);
    ui->menuEdit->insertAction(firstEdit, m_undoAction);
    ui->menuEdit->insertAction(firstEdit, m_redoAction);
    ui->menuEdit->insertSeparator(firstEdit);
    ui->actionPreferences->setMenuRole(QAction::PreferencesRole);

    // Words on the show.
    m_captionAction = new QAction(this);
    m_captionAction->setObjectName(QStringLiteral("actionCaption"));
    m_captionAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_captionAction->setIcon(themeIcon({"insert-text", "format-text-bold"}));
    m_titleCardAction = new QAction(this);
    m_titleCardAction->setObjectName(QStringLiteral("actionAdd_Title_Card"));
    m_titleCardAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    m_titleCardAction->setIcon(themeIcon({"insert-object", "list-add"}));
    connect(m_captionAction, &QAction::triggered, this, &EditorWindow::editCaption);
    connect(m_titleCardAction, &QAction::triggered, this, &EditorWindow::addTitleCard);
    ui->menuEdit->addSeparator();
    ui->menuEdit->addAction(m_captionAction);
    ui->menuEdit->addAction(m_titleCardAction);
    // The shortcuts work wherever the focus is in the window.
    widgetFrame()->addAction(m_captionAction);
    widgetFrame()->addAction(m_titleCardAction);

    // The main commands have shortcuts of their own; menus show them
    // beside the command, and the tool buttons in their tooltips.
    ui->actionImport_Picture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    ui->actionImport_Picture_Directory->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    ui->actionImport_Audio->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    ui->actionTurn_Left->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketLeft));
    ui->actionTurn_Right->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketRight));
    ui->actionCreate_DVD->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    for (QAction *action :
         {ui->actionImport_Picture, ui->actionImport_Picture_Directory, ui->actionImport_Audio,
          ui->actionTurn_Left, ui->actionTurn_Right, ui->actionCreate_DVD})
        action->setShortcutContext(Qt::WindowShortcut);

    // Missing files are looked for again from the File menu and from the
    // strips' context menus.
    m_relinkAction = new QAction(tr("Relink Missing Files..."), this);
    m_relinkAction->setObjectName(QStringLiteral("actionRelink"));
    m_relinkAction->setIcon(themeIcon({"edit-find", "system-search"}));
    m_relinkAction->setEnabled(false);
    connect(m_relinkAction, &QAction::triggered, this, &EditorWindow::relinkMissing);
    ui->menuFile->insertAction(ui->actionPreferences, m_relinkAction);
    ui->menuFile->insertSeparator(ui->actionPreferences);
}

void EditorWindow::showAlbumSettings()
{
    const Album &album = m_model->album();
    const SlideshowSettings &show = album.settings;
    const QSignalBlocker b1(ui->photoDuration);
    const QSignalBlocker b2(ui->transitionDuration);
    const QSignalBlocker b3(ui->useTransition);
    const QSignalBlocker b4(ui->dissolveOnly);
    const QSignalBlocker b5(ui->randomTransition);
    const QSignalBlocker b6(ui->useDynamicEffect);
    const QSignalBlocker b7(ui->loopAudio);
    const QSignalBlocker b8(ui->evenLoudness);
    const QSignalBlocker b9(ui->fadeAudio);
    const QSignalBlocker b10(ui->fadeDuration);
    const QSignalBlocker b11(ui->crossfadeDuration);
    const QSignalBlocker b12(ui->framing);
    ui->photoDuration->setValue(show.photoDurationMs);
    ui->transitionDuration->setValue(show.transitionDurationMs);
    ui->useTransition->setChecked(show.useTransition);
    // Without patterns every transition is a dissolve.
    const bool patterns = !album.patternFiles.isEmpty();
    if (show.dissolveOnly || !patterns)
        ui->dissolveOnly->setChecked(true);
    else
        ui->randomTransition->setChecked(true);
    ui->useDynamicEffect->setChecked(show.useDynamicEffect);
    ui->loopAudio->setChecked(show.loopAudio);
    ui->evenLoudness->setChecked(show.evenLoudness);
    ui->fadeAudio->setChecked(show.fadeAudio);
    ui->fadeDuration->setValue(show.fadeMs);
    ui->crossfadeDuration->setValue(show.crossfadeMs);
    ui->fadeDuration->setEnabled(show.fadeAudio && ui->loopAudio->isEnabled());
    // The list holds the framings in their enumeration's order.
    ui->framing->setCurrentIndex(int(show.framing));
}

void EditorWindow::connectSignals()
{
    connect(m_model, &AlbumModel::aboutToChange, this, &EditorWindow::pause);
    connect(m_model, &AlbumModel::changed, this, &EditorWindow::onAlbumChanged);
    connectSettingsControls();
    connectStrips();
    connectCommands();
    connectTransport();
}

void EditorWindow::connectSettingsControls()
{
    // Each control reports every change of its value, however it is made
    // (a click, the keyboard, assistive technology, code).
    connect(ui->photoDuration, &QSpinBox::valueChanged, this, &EditorWindow::onPhotoDurationChanged);
    connect(ui->transitionDuration, &QSpinBox::valueChanged, this,
            &EditorWindow::onTransitionDurationChanged);
    connect(ui->useTransition, &QCheckBox::toggled, this, &EditorWindow::onUseTransitionToggled);
    connect(ui->dissolveOnly, &QRadioButton::toggled, this, &EditorWindow::onDissolveOnlyToggled);
    connect(ui->useDynamicEffect, &QCheckBox::toggled, this, &EditorWindow::onDynamicEffectToggled);
    connect(ui->loopAudio, &QCheckBox::toggled, this, &EditorWindow::onLoopAudioToggled);
    connect(ui->framing, &QComboBox::currentIndexChanged, this, &EditorWindow::onFramingChanged);
    connect(ui->evenLoudness, &QCheckBox::toggled, this, &EditorWindow::onEvenLoudnessToggled);
    connect(ui->fadeAudio, &QCheckBox::toggled, this, &EditorWindow::onFadeAudioToggled);
    connect(ui->fadeDuration, &QSpinBox::valueChanged, this, &EditorWindow::onFadeDurationChanged);
    connect(ui->crossfadeDuration, &QSpinBox::valueChanged, this, &EditorWindow::onCrossfadeDurationChanged);
    connect(ui->syncWithAudio, &QPushButton::clicked, this, &EditorWindow::syncWithAudio);
    connect(ui->editAudio, &QPushButton::clicked, this, &EditorWindow::editAudio);
}

void EditorWindow::connectStrips()
{
    PhotoListWidget *photos = ui->photoListWidget;
    AudioListWidget *audios = ui->audioListWidget;
    connect(photos, &QListWidget::itemSelectionChanged, this, &EditorWindow::onPhotoSelectionChanged);
    connect(audios, &QListWidget::itemSelectionChanged, this, &EditorWindow::onClipSelectionChanged);
    connect(photos, &QListWidget::currentRowChanged, this, &EditorWindow::onPhotoRowChanged);
    connect(audios, &QListWidget::currentRowChanged, this, &EditorWindow::onClipRowChanged);
    // A click on the current item shows it again (the preview may have
    // moved on since).
    connect(photos, &QListWidget::itemClicked, this,
            [this] { onPhotoRowChanged(ui->photoListWidget->currentRow()); });
    connect(audios, &QListWidget::itemClicked, this,
            [this] { onClipRowChanged(ui->audioListWidget->currentRow()); });
    connect(photos, &PhotoListWidget::contextMenu, this, &EditorWindow::showPhotoContextMenu);
    connect(photos, &QListWidget::itemDoubleClicked, this, [this, photos](QListWidgetItem *item) {
        if (PhotoListWidget::isPhotoRow(photos->row(item)))
            editCaption();
    });
    connect(audios, &AudioListWidget::contextMenu, this, &EditorWindow::showClipContextMenu);
    connect(audios, &AudioListWidget::editRequested, this, &EditorWindow::openAudioEditor);
    for (QListWidget *strip : {static_cast<QListWidget *>(photos), static_cast<QListWidget *>(audios)}) {
        connect(strip->model(), &QAbstractItemModel::rowsRemoved, this, &EditorWindow::changeScrollRange);
        connect(strip->model(), &QAbstractItemModel::rowsInserted, this, &EditorWindow::changeScrollRange);
        connect(strip->horizontalScrollBar(), &QScrollBar::valueChanged, ui->stripScrollBar,
                &QScrollBar::setValue);
        connect(ui->stripScrollBar, &QScrollBar::valueChanged, strip->horizontalScrollBar(),
                &QScrollBar::setValue);
    }
}

void EditorWindow::connectCommands()
{
    const QList<std::pair<QAbstractButton *, void (EditorWindow::*)()>> buttons = {
        {ui->importPicture, &EditorWindow::importPhotos},
        {ui->importPictureDir, &EditorWindow::importPhotoFolder},
        {ui->importAudio, &EditorWindow::importAudio},
        {ui->deleteSelected, &EditorWindow::deleteSelection},
        {ui->turnLeft, &EditorWindow::turnLeft},
        {ui->turnRight, &EditorWindow::turnRight},
        {ui->mirror, &EditorWindow::mirror},
        {ui->flip, &EditorWindow::flip},
        {ui->autoRotate, &EditorWindow::autoRotate},
        {ui->restore, &EditorWindow::restoreOrientation},
        {ui->moveLeft, &EditorWindow::moveLeft},
        {ui->moveRight, &EditorWindow::moveRight},
        {ui->burn, &EditorWindow::createDvd},
    };
    for (const auto &[button, command] : buttons)
        connect(button, &QAbstractButton::clicked, this, command);

    const QList<std::pair<QAction *, void (EditorWindow::*)()>> actions = {
        {ui->actionImport_Picture, &EditorWindow::importPhotos},
        {ui->actionImport_Picture_Directory, &EditorWindow::importPhotoFolder},
        {ui->actionImport_Audio, &EditorWindow::importAudio},
        {ui->actionProperties, &EditorWindow::showProperties},
        {ui->actionDelete, &EditorWindow::deleteSelection},
        {ui->actionClear, &EditorWindow::clearStrip},
        {ui->actionSelect_All, &EditorWindow::selectAll},
        {ui->actionTurn_Left, &EditorWindow::turnLeft},
        {ui->actionTurn_Right, &EditorWindow::turnRight},
        {ui->actionMirror, &EditorWindow::mirror},
        {ui->actionFlip, &EditorWindow::flip},
        {ui->actionAuto_Rotate_All_Photos, &EditorWindow::autoRotateAll},
        {ui->actionRestore, &EditorWindow::restoreOrientation},
        {ui->actionMove_Left, &EditorWindow::moveLeft},
        {ui->actionMove_Right, &EditorWindow::moveRight},
        {ui->actionCreate_DVD, &EditorWindow::createDvd},
        {ui->actionExport_Video, &EditorWindow::exportVideo},
        {ui->actionPreferences, &EditorWindow::showPreferences},
    };
    for (const auto &[action, command] : actions)
        connect(action, &QAction::triggered, this, command);
    connect(ui->actionAuto_Rotate_While_Importing, &QAction::toggled, this,
            &EditorWindow::setAutoRotateOnImport);
    for (QAction *a : {ui->actionDo_Nothing, ui->actionExit_Program, ui->actionHibernate, ui->actionShut_Down,
                       ui->actionStand_By})
        connect(a, &QAction::triggered, this, &EditorWindow::onAfterMakingChosen);
    for (QAction *a :
         {ui->actionSortByName, ui->actionSortByType, ui->actionSortByDate, ui->actionSortBySize})
        connect(a, &QAction::triggered, this, &EditorWindow::onSortKeyChosen);
    for (QAction *a : {ui->actionSortAscending, ui->actionSortDescending})
        connect(a, &QAction::triggered, this, &EditorWindow::onSortOrderChosen);
    connect(ui->dvdTypeComboBox, &QComboBox::currentIndexChanged, this, &EditorWindow::onDiscTypeChanged);
}

void EditorWindow::connectTransport()
{
    const QList<std::pair<QAbstractButton *, void (EditorWindow::*)()>> buttons = {
        {ui->play, &EditorWindow::play},     {ui->pause, &EditorWindow::pause},
        {ui->stop, &EditorWindow::stop},     {ui->previous, &EditorWindow::previous},
        {ui->next, &EditorWindow::next},     {ui->mute, &EditorWindow::mute},
        {ui->unmute, &EditorWindow::unmute},
    };
    for (const auto &[button, command] : buttons)
        connect(button, &QAbstractButton::clicked, this, command);
    // The position slider, the volume, the preview timer.
    connect(ui->position, &QSlider::sliderPressed, this, &EditorWindow::onPositionPressed);
    connect(ui->position, &QSlider::sliderReleased, this, &EditorWindow::onPositionReleased);
    connect(ui->position, &QSlider::actionTriggered, this, &EditorWindow::onPositionAction);
    connect(ui->position, &QSlider::valueChanged, this, &EditorWindow::onPositionChanged);
    connect(ui->volume, &QSlider::actionTriggered, this, &EditorWindow::onVolumeAction);
    connect(ui->volume, &QSlider::valueChanged, ui->previewPlayer, &PreviewPlayer::setVolume);
    Desktop::trackSliderClicks(ui->volume);
    Desktop::trackSliderClicks(ui->position);
    connect(m_previewTimer, &QTimer::timeout, this, &EditorWindow::updateProgress);
}

// ---------------------------------------------------------------------------
// Refresh after every change of the album.

quint64 EditorWindow::estimatedDvdSize() const
{
    const Album &album = m_model->album();
    return MakeJob::estimateDvdSize(album.dvd.videoBitRate, album.dvd.audioBitRate, album.videoLength());
}

void EditorWindow::updateCapacity()
{
    m_dvdMaking->settingsDialog()->setDuration(m_model->album().videoLength());
    m_dvdMaking->settingsDialog()->updateDVDSize();
    ui->capacityBar->setShowMode(ui->dvdTypeComboBox->currentIndex() == 1 ? CapacityBar::DualLayer
                                                                          : CapacityBar::SingleLayer);
    ui->capacityBar->do_getPos(estimatedDvdSize());
}

void EditorWindow::onAlbumChanged(AlbumModel::Parts parts)
{
    const DvdChoices &dvd = m_model->album().dvd;
    const bool standardChanged =
        (parts & AlbumModel::Dvd) &&
        (tvStandardName(dvd.tvStandard) != m_videoStandard ||
         OutputFormat::forStandard(dvd.tvStandard, dvd.aspect).aspectNum != m_format.aspectNum);
    if (standardChanged)
        applyDvdFrame(dvd.tvStandard, dvd.aspect);
    if (parts & AlbumModel::Settings)
        showAlbumSettings();
    refreshAlbumViews();
    updateSelectionCommands();
    // The preview shows the album as it is now (a DVD choice other than the
    // standard and the shape changes nothing on screen).
    if (standardChanged || (parts & (AlbumModel::Photos | AlbumModel::Clips | AlbumModel::Settings)))
        reseek();
}

void EditorWindow::refreshAlbumViews()
{
    const Album &album = m_model->album();
    // The preview is paused whenever the album changes (aboutToChange):
    // nothing reads the shown album while it is replaced.
    m_shownAlbum = album.present();
    const bool hasPhotos = !album.photos.isEmpty();
    const bool hasAudio = !album.audios.isEmpty();
    // A show needs photos that are there: missing ones are left out.
    const bool canMake = !m_shownAlbum.photos.isEmpty();
    ui->burn->setEnabled(canMake);
    ui->actionCreate_DVD->setEnabled(canMake);
    ui->actionExport_Video->setEnabled(canMake);
    if (m_relinkAction)
        m_relinkAction->setEnabled(album.missingCount() > 0);

    m_storyboard->rebuildTimeline();
    const int total = m_storyboard->totalFrames();
    {
        const QSignalBlocker blocker(ui->position);
        ui->position->setRange(0, qMax(0, total));
        ui->position->setSingleStep(qMax(1, int(m_storyboard->timeline().photoStart(1))));
        ui->position->setPageStep(qMax(1, total / 10));
    }

    // The length of the frames the output will have.
    ui->albumLength->setText(StripSupport::hmsText(m_storyboard->timeline().seconds()));
    ui->audioLength->setText(StripSupport::hmsText(album.audioLength()));

    ui->actionAuto_Rotate_All_Photos->setEnabled(album.videoLength() > 0.01);
    m_autoRotateAllMenuAction->setEnabled(ui->actionAuto_Rotate_All_Photos->isEnabled());

    if (album.isEmpty()) {
        ui->previewPlayer->clearView();
        showPreviewArea(false);
        m_currentFrame = 0;
        ui->timeCode->setText(QStringLiteral("00:00:00 / 00:00:00"));
    } else {
        showPreviewArea(true);
    }

    updateCapacity();

    if (m_activeStrip == 0)
        ui->actionSelect_All->setEnabled(hasPhotos);
    else if (m_activeStrip == 1)
        ui->actionSelect_All->setEnabled(hasAudio);

    const int width = ui->photoListWidget->contentWidth();
    const double videoLength = album.videoLength();
    ui->audioListWidget->setTimeScale(width, width > 0 && videoLength > 0 ? videoLength / width : 1.0 / 33.0);
    changeScrollRange();
    refreshControls();
}

// ---------------------------------------------------------------------------
// Selection and current row.

bool EditorWindow::enableSelectionCommands(const QList<int> &rows, const QListWidget *strip)
{
    const bool any = !rows.isEmpty();
    const bool left = any && rows.first() != 0;
    const bool right = any && rows.last() != strip->count() - 1;
    ui->moveLeft->setEnabled(left);
    ui->actionMove_Left->setEnabled(left);
    ui->moveRight->setEnabled(right);
    ui->actionMove_Right->setEnabled(right);
    ui->actionSelect_All->setEnabled(strip->count() > 0);
    return any;
}

void EditorWindow::updateSelectionCommands()
{
    const bool clips = m_activeStrip == 1;
    const bool any =
        clips ? enableSelectionCommands(StripSupport::selectedRows(ui->audioListWidget), ui->audioListWidget)
              : enableSelectionCommands(ui->photoListWidget->selectedPhotoRows(), ui->photoListWidget);
    ui->deleteSelected->setEnabled(any);
    ui->actionDelete->setEnabled(any);
    // The photo edits need a selected photo.
    const bool photoEdits = any && !clips;
    for (QWidget *w : std::initializer_list<QWidget *>{ui->turnLeft, ui->turnRight, ui->mirror, ui->flip,
                                                       ui->autoRotate, ui->restore})
        w->setEnabled(photoEdits);
    for (QAction *a :
         {ui->actionTurn_Left, ui->actionTurn_Right, ui->actionMirror, ui->actionFlip, ui->actionRestore})
        a->setEnabled(photoEdits);
    if (m_captionAction)
        m_captionAction->setEnabled(photoEdits);
}

void EditorWindow::onPhotoSelectionChanged()
{
    m_activeStrip = 0;
    {
        const QSignalBlocker blocker(ui->audioListWidget);
        ui->audioListWidget->clearSelection();
        ui->audioListWidget->setCurrentRow(-1);
    }
    updateSelectionCommands();
}

void EditorWindow::onClipSelectionChanged()
{
    m_activeStrip = 1;
    {
        const QSignalBlocker blocker(ui->photoListWidget);
        ui->photoListWidget->clearSelection();
        ui->photoListWidget->setCurrentRow(-1);
    }
    updateSelectionCommands();
}

void EditorWindow::showNoRow()
{
    m_mediaInfo->setInfo(MediaInfoWidget::Nothing, {});
    m_mediaInfo->rebuild();
    ui->previous->setEnabled(false);
    ui->next->setEnabled(false);
}

void EditorWindow::onPhotoRowChanged(int row)
{
    const Album &album = m_model->album();
    qint64 target = -1;
    if (row >= 0 && row / 2 < album.photos.size()) {
        const ImageInfo &photo = album.photos.at(row / 2);
        if (row % 2 == 0) {
            m_mediaInfo->setInfo(MediaInfoWidget::Photo, MediaInfoWidget::photoStrings(photo));
            m_mediaInfo->rebuild();
        }
        // A photo's row shows its first frame, a transition's row the
        // transition's first frame, as the output places them. The shown
        // album leaves the missing photos out: a missing photo's row shows
        // where the next photo starts.
        int shown = 0;
        for (int i = 0; i < row / 2; ++i)
            shown += album.photos.at(i).missing ? 0 : 1;
        const Timeline &timeline = m_storyboard->timeline();
        if (m_shownAlbum.photos.isEmpty())
            target = -1;
        else if (photo.missing || row % 2 == 0)
            target = timeline.photoStart(qMin(shown, int(m_shownAlbum.photos.size()) - 1));
        else
            target = timeline.transitionStart(shown);
    }
    if (target >= 0) {
        seekTo(int(qMin<qint64>(target, INT_MAX)));
        ui->previous->setEnabled(row > 0);
        ui->next->setEnabled(row < ui->photoListWidget->count() - 1);
    } else {
        showNoRow();
    }
}

void EditorWindow::onClipRowChanged(int row)
{
    const Album &album = m_model->album();
    qint64 target = -1;
    if (row >= 0 && row < album.audios.size()) {
        m_mediaInfo->setInfo(MediaInfoWidget::Audio, MediaInfoWidget::audioStrings(album.audios.at(row)));
        m_mediaInfo->rebuild();
        double seconds = 0.0;
        for (int i = 0; i < row; ++i)
            seconds += album.audios.at(i).clipLength();
        target = secondsToFrames(seconds, m_format);
        if (target > INT_MAX)
            target = -1;
    }
    if (target >= 0) {
        seekTo(int(target));
        ui->previous->setEnabled(row >= 1);
        ui->next->setEnabled(row < ui->audioListWidget->count() - 1);
    } else {
        showNoRow();
        onClipSelectionChanged();
    }
}

// ---------------------------------------------------------------------------
// Import.

void EditorWindow::runPhotoImport(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    PhotoListWidget *strip = ui->photoListWidget;
    strip->importAt(paths, strip->count());
}

void EditorWindow::runAudioImport(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    AudioListWidget *strip = ui->audioListWidget;
    strip->importAt(paths, strip->count());
}

void EditorWindow::importPhotos()
{
    pause();
    const QString filter = MediaTypes::photoDialogFilter();
    SettingsStore *pref = AppSettings::pref();
    const QStringList files = FileChooser::getOpenFileNames(widgetFrame(), tr("Select One or More Files"),
                                                            AppSettings::photoLastDir(pref), filter);
    if (files.isEmpty())
        return;
    if (pref)
        pref->setValue(AppSettings::kPhotoLastDir, QFileInfo(files.first()).absolutePath());
    runPhotoImport(files);
}

void EditorWindow::importAudio()
{
    pause();
    const QString filter = MediaTypes::audioDialogFilter();
    SettingsStore *pref = AppSettings::pref();
    const QStringList files = FileChooser::getOpenFileNames(widgetFrame(), tr("Select One or More Files"),
                                                            AppSettings::audioLastDir(pref), filter);
    if (files.isEmpty())
        return;
    if (pref)
        pref->setValue(AppSettings::kAudioLastDir, QFileInfo(files.first()).absolutePath());
    runAudioImport(files);
}

void EditorWindow::importPhotoFolder()
{
    pause();
    SettingsStore *pref = AppSettings::pref();
    const QString folder = FileChooser::getExistingDirectory(widgetFrame(), tr("Select one folder"),
                                                             AppSettings::photoLastDir(pref));
    if (folder.isEmpty())
        return;
    const QStringList files = StripSupport::expandPaths({folder}, AppSettings::photoNameFilters());
    ImportProgress::Report report(widgetFrame());
    const QStringList undecodable = FileCheck::undecodableNames(folder, AppSettings::photoNameFilters());
    ImportProgress::Report::add(
        undecodable,
        QStringList(undecodable.size(), tr("the name is not valid text; rename the file")), widgetFrame());
    if (files.isEmpty())
        return;
    if (pref)
        pref->setValue(AppSettings::kPhotoLastDir, folder);
    runPhotoImport(files);
}

void EditorWindow::openPaths(const QStringList &paths)
{
    // Paths that come while an import runs (a second start, "Open With")
    // join the queue: one import after the other, never a dialog over a
    // dialog, and one report of what was left out at the end.
    m_pendingPaths += paths;
    if (m_openingPaths)
        return;
    m_openingPaths = true;
    {
        ImportProgress::Report report(widgetFrame());
        while (!m_pendingPaths.isEmpty())
            openPathsNow(std::exchange(m_pendingPaths, {}));
    }
    m_openingPaths = false;
}

void EditorWindow::openPathsNow(const QStringList &paths)
{
    QStringList photos;
    QStringList audios;
    QString project;
    QStringList refused;
    QStringList reasons;
    const QStringList &audioPatterns = AppSettings::audioNameFilters();
    const QStringList &photoPatterns = AppSettings::photoNameFilters();
    for (const QString &path : paths) {
        const QFileInfo fi(path);
        if (fi.isDir()) {
            photos << StripSupport::expandPaths({path}, photoPatterns);
            audios << StripSupport::expandPaths({path}, audioPatterns);
            // Names no QString can hold are told, never passed over.
            for (const QString &name : FileCheck::undecodableNames(path, photoPatterns + audioPatterns)) {
                refused << name;
                reasons << tr("the name is not valid text; rename the file");
            }
            continue;
        }
        // Only regular files are opened: a named pipe would block.
        if (const QString refusal = FileCheck::refusal(path); !refusal.isEmpty()) {
            refused << fi.absoluteFilePath();
            reasons << refusal;
        } else if (Project::isProjectFile(path)) {
            if (project.isEmpty())
                project = fi.absoluteFilePath();
        } else if (QDir::match(audioPatterns, fi.fileName())) {
            audios << fi.absoluteFilePath();
        } else {
            // Anything else is offered as a photo; the import reports what
            // it cannot read.
            photos << fi.absoluteFilePath();
        }
    }
    pause();
    ImportProgress::Report::add(refused, reasons, widgetFrame());
    // A project replaces the album (after the question about unsaved
    // changes); the other files join it.
    if (!project.isEmpty() && (!maybeSave() || !openProject(project)))
        return;
    runPhotoImport(photos);
    runAudioImport(audios);
}

QString EditorWindow::openMessage(const QStringList &paths)
{
    QStringList encoded;
    for (const QString &path : paths)
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath()));
    return QStringLiteral("open ") + encoded.join(QLatin1Char(' '));
}

QStringList EditorWindow::pathsOfOpenMessage(const QString &message)
{
    if (!message.startsWith(QLatin1String("open ")))
        return {};
    QStringList paths;
    const QStringList parts = message.mid(5).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        paths << QUrl::fromPercentEncoding(part.toLatin1());
    return paths;
}

void EditorWindow::listenToInstances(SingleApplication *app)
{
    // Queued: a second start must not wait while the import dialog runs.
    connect(app, &SingleApplication::messageReceived, this, &EditorWindow::handleInstanceMessage,
            Qt::QueuedConnection);
}

void EditorWindow::handleInstanceMessage(const QString &message)
{
    const QStringList paths = pathsOfOpenMessage(message);
    if (!paths.isEmpty())
        openPaths(paths);
}

// ---------------------------------------------------------------------------
// Editing. The strips make the edits through the album model; the model's
// change signal refreshes the window.

void EditorWindow::deleteSelection()
{
    pause();
    if (m_activeStrip == 0) {
        ui->photoListWidget->deleteSelected();
        onPhotoRowChanged(ui->photoListWidget->currentRow());
    } else if (m_activeStrip == 1) {
        ui->audioListWidget->deleteSelected();
        onClipRowChanged(ui->audioListWidget->currentRow());
    }
}

void EditorWindow::clearStrip()
{
    StripListWidget *strip = activeStripWidget();
    if (!strip)
        return;
    stop();
    if (strip == ui->photoListWidget)
        ui->photoListWidget->removeAll();
    else
        ui->audioListWidget->removeAll();
    seekTo(0);
    if (m_activeStrip == 1)
        onClipSelectionChanged();
    else
        onPhotoSelectionChanged();
}

StripListWidget *EditorWindow::activeStripWidget() const
{
    if (m_activeStrip == 0)
        return ui->photoListWidget;
    if (m_activeStrip == 1)
        return ui->audioListWidget;
    return nullptr;
}

void EditorWindow::selectAll()
{
    if (StripListWidget *strip = activeStripWidget())
        strip->selectAll();
}

void EditorWindow::moveLeft()
{
    pause();
    if (StripListWidget *strip = activeStripWidget())
        strip->moveSelectedLeft();
}

void EditorWindow::moveRight()
{
    pause();
    if (StripListWidget *strip = activeStripWidget())
        strip->moveSelectedRight();
}

void EditorWindow::turnLeft()
{
    pause();
    ui->photoListWidget->transformSelected(OpTurnLeft);
}

void EditorWindow::turnRight()
{
    pause();
    ui->photoListWidget->transformSelected(OpTurnRight);
}

void EditorWindow::mirror()
{
    pause();
    ui->photoListWidget->transformSelected(OpMirror);
}

void EditorWindow::flip()
{
    pause();
    ui->photoListWidget->transformSelected(OpFlip);
}

void EditorWindow::autoRotate()
{
    pause();
    ui->photoListWidget->autoRotateSelected();
}

void EditorWindow::autoRotateAll()
{
    pause();
    ui->photoListWidget->autoRotateAll();
}

void EditorWindow::setAutoRotateOnImport(bool on)
{
    ui->photoListWidget->setAutoRotateOnImport(on);
}

void EditorWindow::restoreOrientation()
{
    pause();
    ui->photoListWidget->restoreSelected();
}

void EditorWindow::sortActiveStrip()
{
    pause();
    const QList<QAction *> keys = {ui->actionSortByName, ui->actionSortByDate, ui->actionSortByType,
                                   ui->actionSortBySize};
    int key = 0;
    for (int i = 0; i < keys.size(); ++i) {
        if (keys.at(i)->isChecked())
            key = i;
    }
    const bool ascending = !ui->actionSortDescending->isChecked();
    if (m_activeStrip == 0)
        ui->photoListWidget->sortRecords(key, ascending);
    else
        ui->audioListWidget->sortRecords(key, ascending);
}

void EditorWindow::onSortKeyChosen()
{
    auto *sender = qobject_cast<QAction *>(QObject::sender());
    for (QAction *a :
         {ui->actionSortByName, ui->actionSortByType, ui->actionSortByDate, ui->actionSortBySize})
        a->setChecked(a == sender);
    if (!sender)
        ui->actionSortByName->setChecked(true);
    sortActiveStrip();
}

void EditorWindow::onSortOrderChosen()
{
    auto *sender = qobject_cast<QAction *>(QObject::sender());
    ui->actionSortAscending->setChecked(sender != ui->actionSortDescending);
    ui->actionSortDescending->setChecked(sender == ui->actionSortDescending);
    sortActiveStrip();
}

// ---------------------------------------------------------------------------
// Album settings. Each control's change is one labelled edit; typing or
// stepping through durations makes one step of each duration.

void EditorWindow::onPhotoDurationChanged(int value)
{
    m_model->edit(
        tr("Photo Duration"), [&](Album &album) { album.setPhotoDurationMs(value, m_format); },
        AlbumModel::PhotoDurationMerge);
    // The box shows the value the album snapped to.
    showAlbumSettings();
}

void EditorWindow::onTransitionDurationChanged(int value)
{
    m_model->edit(
        tr("Transition Duration"), [&](Album &album) { album.setTransitionDurationMs(value, m_format); },
        AlbumModel::TransitionDurationMerge);
    showAlbumSettings();
}

void EditorWindow::onUseTransitionToggled(bool on)
{
    m_model->edit(tr("Use Transition"), [on](Album &album) { album.settings.useTransition = on; });
}

void EditorWindow::onDissolveOnlyToggled(bool on)
{
    m_model->edit(tr("Transition Type"), [on](Album &album) { album.settings.dissolveOnly = on; });
}

void EditorWindow::onDynamicEffectToggled(bool on)
{
    m_model->edit(tr("Use Dynamic Effect"), [on](Album &album) { album.settings.useDynamicEffect = on; });
}

void EditorWindow::onFramingChanged(int index)
{
    if (index < 0)
        return;
    const auto framing = PhotoFraming(index);
    m_model->edit(tr("Framing"), [framing](Album &album) { album.settings.framing = framing; });
}

void EditorWindow::onLoopAudioToggled(bool on)
{
    m_model->edit(tr("Loop Audio"), [on](Album &album) { album.settings.loopAudio = on; });
}

void EditorWindow::onEvenLoudnessToggled(bool on)
{
    m_model->edit(tr("Even Out the Loudness"), [on](Album &album) { album.settings.evenLoudness = on; });
}

void EditorWindow::onFadeAudioToggled(bool on)
{
    m_model->edit(tr("Fade In and Out"), [on](Album &album) { album.settings.fadeAudio = on; });
}

void EditorWindow::onFadeDurationChanged(int ms)
{
    m_model->edit(
        tr("Fade Length"), [ms](Album &album) { album.settings.fadeMs = ms; }, AlbumModel::FadeDurationMerge);
}

void EditorWindow::onCrossfadeDurationChanged(int ms)
{
    m_model->edit(
        tr("Crossfade"), [ms](Album &album) { album.settings.crossfadeMs = ms; },
        AlbumModel::CrossfadeDurationMerge);
}

void EditorWindow::syncWithAudio()
{
    pause();
    const bool fitted = m_model->edit(tr("Sync with Audio"),
                                      [this](Album &album) { album.fitPhotoDurationToAudio(m_format); });
    if (fitted)
        onPhotoRowChanged(ui->photoListWidget->currentRow());
}

void EditorWindow::editAudio()
{
    openAudioEditor(qMax(0, ui->audioListWidget->currentRow()));
}

void EditorWindow::openAudioEditor(int row)
{
    pause();
    EditAudioDialog dialog(m_model->album().audios, widgetFrame());
    dialog.setCurrentRow(row);
    // Clips that come while the dialog is open ("Open With", a second
    // start) join its list, so that OK keeps them.
    QList<AudioInfo> known = m_model->album().audios;
    connect(m_model, &AlbumModel::changed, &dialog, [this, &dialog, &known](AlbumModel::Parts parts) {
        if (!(parts & AlbumModel::Clips))
            return;
        const QList<AudioInfo> now = m_model->album().audios;
        dialog.addClips(arrivedClips(known, now));
        known = now;
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_model->edit(tr("Edit Audio"), [&dialog](Album &album) { album.audios = dialog.audioList(); });
}

// ---------------------------------------------------------------------------
// DVD commands.

void EditorWindow::onDiscTypeChanged(int index)
{
    if (index < 0)
        return;
    updateCapacity();
}

void EditorWindow::createDvd()
{
    pause();
    if (m_model->album().photos.isEmpty() || m_job->isRunning())
        return;
    // The progress dialog's list starts at the menu's choice.
    const QList<QAction *> entries = ui->menuAfter_Making->actions();
    int postTask = 0;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i)->isChecked())
            postTask = i;
    }
    m_dvdMaking->open(m_model->album(), m_model->album().dvd, postTask);
}

void EditorWindow::exportVideo()
{
    pause();
    if (m_model->album().photos.isEmpty() || m_job->isRunning())
        return;
    m_videoExport->open(m_model->album());
}

void EditorWindow::restorePreviewAfterGeneration()
{
    refreshAlbumViews();
    // The player sets itself up again (its textures and the sound output);
    // the frame at the position follows.
    ui->previewPlayer->init(m_format);
    reseek();
}

bool EditorWindow::confirmCloseDuringRun()
{
    if (!m_job || !m_job->isRunning())
        return true;
    // The window closes once the run has stopped and cleaned up.
    if (!m_dvdMaking->confirmAbort())
        return false;
    m_closeAfterRun = true;
    return !m_job->isRunning();
}

AfterMakingAction EditorWindow::afterMakingActionOf(const QAction *action) const
{
    if (action == ui->actionExit_Program)
        return AfterMakingAction::ExitProgram;
    if (action == ui->actionHibernate)
        return AfterMakingAction::Hibernate;
    if (action == ui->actionShut_Down)
        return AfterMakingAction::ShutDown;
    if (action == ui->actionStand_By)
        return AfterMakingAction::StandBy;
    return AfterMakingAction::DoNothing;
}

void EditorWindow::tickAfterBurnMenu()
{
    const AfterMakingAction chosen = AppSettings::afterBurnAction(AppSettings::pref());
    for (QAction *a : ui->menuAfter_Making->actions())
        a->setChecked(afterMakingActionOf(a) == chosen);
}

void EditorWindow::onAfterMakingChosen()
{
    const auto *sender = qobject_cast<QAction *>(QObject::sender());
    if (SettingsStore *pref = AppSettings::pref())
        pref->setValue(AppSettings::kAfterBurnAction, afterMakingActionCode(afterMakingActionOf(sender)));
    tickAfterBurnMenu();
}

void EditorWindow::onPostTaskActionChanged(int index)
{
    const QList<QAction *> entries = ui->menuAfter_Making->actions();
    for (int i = 0; i < entries.size(); ++i)
        entries.at(i)->setChecked(i == index);
    if (index >= 0 && index < entries.size()) {
        if (SettingsStore *pref = AppSettings::pref())
            pref->setValue(AppSettings::kAfterBurnAction,
                           afterMakingActionCode(afterMakingActionOf(entries.at(index))));
    }
}

// ---------------------------------------------------------------------------
// Other commands.

void EditorWindow::showPreferences()
{
    pause();
    PreferencesDialog preferences(widgetFrame());
    Desktop::moveCenter(&preferences);
    preferences.exec();
    tickAfterBurnMenu();
}

void EditorWindow::showProperties()
{
    m_mediaInfo->show();
    m_mediaInfo->raise();
}

void EditorWindow::showPhotoContextMenu(bool onItem, const QPoint &pos)
{
    QMenu menu(this);
    if (onItem)
        menu.addAction(ui->actionDelete);
    menu.addAction(ui->actionClear);
    menu.addSeparator();
    menu.addAction(ui->actionSelect_All);
    menu.addSeparator();
    if (onItem)
        menu.addAction(m_captionAction);
    menu.addAction(m_titleCardAction);
    if (onItem) {
        menu.addSeparator();
        menu.addAction(ui->actionTurn_Left);
        menu.addAction(ui->actionTurn_Right);
        menu.addAction(ui->actionMirror);
        menu.addAction(ui->actionFlip);
        menu.addAction(ui->actionAuto_Rotate_All_Photos);
        menu.addAction(ui->actionAuto_Rotate_While_Importing);
        menu.addAction(ui->actionRestore);
    }
    menu.addSeparator();
    menu.addMenu(ui->menuSort_By);
    if (onItem) {
        menu.addSeparator();
        menu.addAction(ui->actionMove_Left);
        menu.addAction(ui->actionMove_Right);
    }
    if (m_model->album().missingCount() > 0) {
        menu.addSeparator();
        menu.addAction(m_relinkAction);
    }
    menu.exec(pos);
}

void EditorWindow::previewAlbum(const Album *album, int item)
{
    pause();
    m_storyboard->setAlbum(album ? album : &m_model->album());
    m_storyboard->rebuildTimeline();
    if (!album) {
        reseek();
        return;
    }
    // The item alone, its caption or card fully shown.
    const Timeline &timeline = m_storyboard->timeline();
    const int64_t frame = (timeline.photoStart(item) + timeline.transitionStart(item)) / 2;
    ui->previewPlayer->showFrame(int(qMin<int64_t>(frame, m_storyboard->totalFrames() - 1)));
}

void EditorWindow::editCaption()
{
    // The current photo when it is selected, else the first selected one.
    const QList<int> rows = ui->photoListWidget->selectedPhotoRows();
    int row = ui->photoListWidget->currentRow();
    if (!rows.contains(row))
        row = rows.value(0, -1);
    const Album &album = m_model->album();
    if (!PhotoListWidget::isPhotoRow(row) || row / 2 >= album.photos.size())
        return;
    const int index = row / 2;
    if (album.photos.at(index).isTitleCard()) {
        editTitleCard(index);
        return;
    }
    CaptionDialog dialog(CaptionDialog::EditCaption, widgetFrame());
    dialog.setCaption(album.photos.at(index).caption);
    m_previewAlbum = std::make_unique<Album>(album);
    connect(&dialog, &CaptionDialog::edited, this, [&] {
        m_previewAlbum->photos[index].caption = dialog.caption();
        previewAlbum(m_previewAlbum.get(), index);
    });
    previewAlbum(m_previewAlbum.get(), index);
    const bool ok = dialog.exec() == QDialog::Accepted;
    previewAlbum(nullptr, index);
    m_previewAlbum.reset();
    if (!ok)
        return;
    const Caption caption = dialog.caption();
    if (dialog.applyStyleToAll()) {
        m_model->edit(tr("Apply Caption Style to All"), [&](Album &a) {
            a.photos[index].caption = caption;
            for (ImageInfo &photo : a.photos)
                photo.caption.style = caption.style;
        });
    } else {
        m_model->edit(tr("Caption"), [&](Album &a) { a.photos[index].caption = caption; });
    }
}

namespace {
QStringList photoFiles(const Album &album)
{
    QStringList files;
    for (const ImageInfo &photo : album.photos) {
        if (!photo.isTitleCard())
            files << photo.path;
    }
    return files;
}
} // namespace

void EditorWindow::editTitleCard(int index)
{
    const Album &album = m_model->album();
    CaptionDialog dialog(CaptionDialog::EditTitleCard, widgetFrame());
    dialog.setTitleCard(*album.photos.at(index).titleCard, photoFiles(album));
    m_previewAlbum = std::make_unique<Album>(album);
    connect(&dialog, &CaptionDialog::edited, this, [&] {
        m_previewAlbum->photos[index].titleCard = dialog.titleCard();
        previewAlbum(m_previewAlbum.get(), index);
    });
    previewAlbum(m_previewAlbum.get(), index);
    const bool ok = dialog.exec() == QDialog::Accepted;
    previewAlbum(nullptr, index);
    m_previewAlbum.reset();
    if (ok) {
        const TitleCard card = dialog.titleCard();
        m_model->edit(tr("Title Card"), [&](Album &a) { a.photos[index].titleCard = card; });
    }
}

void EditorWindow::addTitleCard()
{
    const Album &album = m_model->album();
    const int row = ui->photoListWidget->currentRow();
    const int selected = PhotoListWidget::isPhotoRow(row) && row / 2 < album.photos.size() ? row / 2 : -1;
    CaptionDialog dialog(CaptionDialog::NewTitleCard, widgetFrame());
    TitleCard fresh;
    fresh.durationMs = album.settings.photoDurationMs;
    dialog.setTitleCard(fresh, photoFiles(album));
    auto placeOf = [&] {
        switch (dialog.place()) {
        case CaptionDialog::BeforeSelected:
            return selected < 0 ? 0 : selected;
        case CaptionDialog::AtStart:
            return 0;
        case CaptionDialog::AtEnd:
            return int(album.photos.size());
        case CaptionDialog::AfterSelected:
            break;
        }
        return selected < 0 ? int(album.photos.size()) : selected + 1;
    };
    auto show = [&] {
        m_previewAlbum = std::make_unique<Album>(album);
        const int at = placeOf();
        m_previewAlbum->photos.insert(at, ImageInfo::forTitleCard(dialog.titleCard()));
        previewAlbum(m_previewAlbum.get(), at);
    };
    connect(&dialog, &CaptionDialog::edited, this, show);
    show();
    const bool ok = dialog.exec() == QDialog::Accepted;
    const int at = placeOf();
    previewAlbum(nullptr, at);
    m_previewAlbum.reset();
    if (!ok)
        return;
    const ImageInfo card = ImageInfo::forTitleCard(dialog.titleCard());
    if (m_model->edit(tr("Add Title Card"), [&](Album &a) { a.photos.insert(at, card); }))
        ui->photoListWidget->setCurrentRow(2 * at);
}

void EditorWindow::showClipContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    menu.addAction(ui->actionDelete);
    menu.addAction(ui->actionClear);
    menu.addSeparator();
    menu.addAction(ui->actionSelect_All);
    menu.addSeparator();
    menu.addMenu(ui->menuSort_By);
    menu.addSeparator();
    menu.addAction(ui->actionMove_Left);
    menu.addAction(ui->actionMove_Right);
    if (m_model->album().missingCount() > 0) {
        menu.addSeparator();
        menu.addAction(m_relinkAction);
    }
    menu.exec(pos);
}

void EditorWindow::retranslate()
{
    if (!ui)
        return;
    ui->retranslateUi(this);
    MainWindowBase::retranslate();
    if (m_autoRotateMenuAction) {
        m_autoRotateMenuAction->setText(tr("Auto Rotate"));
        m_autoRotateAllMenuAction->setText(tr("Auto Rotate All Photos"));
    }
    if (m_captionAction) {
        m_captionAction->setText(tr("Caption..."));
        m_titleCardAction->setText(tr("Add Title Card..."));
    }
    ui->photoListWidget->refreshItemTexts();
    ui->audioListWidget->refreshItemTexts();
    if (m_mediaInfo)
        m_mediaInfo->retranslate();
    if (m_recentMenu) {
        m_recentMenu->setTitle(tr("Recent Projects"));
        rebuildRecentMenu();
    }
    updateTitle();
    updateProgress();
    showShortcutsInTooltips();
}

void EditorWindow::showShortcutsInTooltips()
{
    // A button that does what a menu command does says its shortcut.
    const QList<std::pair<QAbstractButton *, QAction *>> pairs = {
        {ui->importPicture, ui->actionImport_Picture},
        {ui->importPictureDir, ui->actionImport_Picture_Directory},
        {ui->importAudio, ui->actionImport_Audio},
        {ui->turnLeft, ui->actionTurn_Left},
        {ui->turnRight, ui->actionTurn_Right},
        {ui->burn, ui->actionCreate_DVD},
    };
    for (const auto &[button, action] : pairs) {
        QString tip = button->toolTip();
        if (tip.isEmpty())
            tip = action->text().remove(QLatin1Char('&'));
        const int paren = tip.lastIndexOf(QStringLiteral(" ("));
        if (paren > 0 && tip.endsWith(QLatin1Char(')')))
            tip.truncate(paren);
        if (!action->shortcut().isEmpty())
            tip += QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
        button->setToolTip(tip);
    }
}

// ---------------------------------------------------------------------------
// Preview transport. The player holds the play position; the window's
// current frame follows it.

PreviewPlayer *EditorWindow::player() const
{
    return ui->previewPlayer;
}

void EditorWindow::showInsteadOf(QWidget *shown, QWidget *hidden)
{
    // The focus moves to the shown button before the other one hides: a
    // focused button that hides hands the focus on along the chain, and a
    // strip that receives it makes its first row current, which seeks.
    shown->show();
    shown->setFocus();
    hidden->hide();
}

QString EditorWindow::frameTimeText(qint64 frames) const
{
    const double n = m_format.frameRateNum;
    const double d = m_format.frameRateDen;
    const double perHour = n * 3600.0 / d;
    const double perMinute = n * 60.0 / d;
    const double perSecond = n / d;
    double rest = double(frames);
    const qint64 h = qint64(rest / perHour);
    rest -= perHour * double(h);
    const qint64 m = qint64(rest / perMinute);
    rest -= perMinute * double(m);
    const qint64 s = qint64(rest / perSecond);
    return QStringLiteral("%1:%2:%3")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

void EditorWindow::refreshControls()
{
    const bool hasPhotos = !m_model->album().photos.isEmpty();
    const bool playing = m_playState == 1;
    const int total = m_storyboard->totalFrames();
    ui->play->setEnabled(hasPhotos && m_currentFrame < total && !playing);
    ui->pause->setEnabled(hasPhotos && playing);
    ui->stop->setEnabled(hasPhotos && m_playState != 0);
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui->photoDuration, ui->transitionDuration, ui->useTransition,
                                          ui->useDynamicEffect, ui->loopAudio, ui->evenLoudness,
                                          ui->fadeAudio, ui->crossfadeDuration, ui->framing, ui->editAudio})
        w->setEnabled(!playing);
    ui->fadeDuration->setEnabled(!playing && ui->fadeAudio->isChecked());
    ui->dissolveOnly->setEnabled(!playing && ui->useTransition->isChecked());
    ui->randomTransition->setEnabled(!playing && ui->useTransition->isChecked() &&
                                     !m_model->album().patternFiles.isEmpty());
    ui->syncWithAudio->setEnabled(!playing && hasPhotos && !m_model->album().audios.isEmpty());
}

void EditorWindow::seekTo(int frame)
{
    pause();
    // An empty timeline asks for frame -1: the player shows nothing then.
    ui->previewPlayer->showFrame(qMin(frame, m_storyboard->totalFrames() - 1));
    m_currentFrame = ui->previewPlayer->position();
    updateProgress();
}

void EditorWindow::reseek()
{
    seekTo(m_currentFrame);
}

void EditorWindow::play()
{
    if (m_playState == 1 || m_model->album().photos.isEmpty() ||
        m_currentFrame >= m_storyboard->totalFrames())
        return;
    PreviewPlayer *player = ui->previewPlayer;
    // The sound is positioned at the shown frame, then the audio thread and
    // the player start.
    m_storyboard->renderFrame(player->position(), true, player);
    m_storyboard->startPrefetch();
    player->startPlayback();
    ui->position->setTracking(false);
    m_previewTimer->start(40);
    m_playState = 1;
    // Pause takes the focus before the settings are disabled: a disabled
    // control with the focus would hand it along the chain to a strip.
    ui->pause->setEnabled(true);
    showInsteadOf(ui->pause, ui->play);
    refreshControls();
}

void EditorWindow::pause()
{
    if (m_playState != 1)
        return;
    ui->previewPlayer->stopPlayback();
    m_storyboard->stopPrefetch();
    m_storyboard->wait();
    m_currentFrame = ui->previewPlayer->position();
    m_previewTimer->stop();
    ui->position->setTracking(true);
    m_playState = 2;
    refreshControls();
    showInsteadOf(ui->play, ui->pause);
}

void EditorWindow::stop()
{
    pause();
    seekTo(0);
    ui->stripScrollBar->setValue(0);
    m_playState = 0;
    refreshControls();
}

void EditorWindow::previous()
{
    QListWidget *strip = m_activeStrip == 0 ? static_cast<QListWidget *>(ui->photoListWidget)
                                            : static_cast<QListWidget *>(ui->audioListWidget);
    if (strip->currentRow() > 0)
        strip->setCurrentRow(strip->currentRow() - 1);
}

void EditorWindow::next()
{
    QListWidget *strip = m_activeStrip == 0 ? static_cast<QListWidget *>(ui->photoListWidget)
                                            : static_cast<QListWidget *>(ui->audioListWidget);
    if (strip->currentRow() < strip->count() - 1)
        strip->setCurrentRow(strip->currentRow() + 1);
}

void EditorWindow::mute()
{
    ui->previewPlayer->setVolume(0);
    ui->volume->setEnabled(false);
    showInsteadOf(ui->unmute, ui->mute);
}

void EditorWindow::unmute()
{
    ui->previewPlayer->setVolume(ui->volume->value());
    ui->volume->setEnabled(true);
    showInsteadOf(ui->mute, ui->unmute);
}

void EditorWindow::onVolumeAction()
{
    // A click on the groove puts the handle under the pointer; the page
    // keys keep paging.
    const int value = Desktop::clickedSliderValue(ui->volume, 100);
    if (value >= 0)
        ui->volume->setSliderPosition(value);
}

void EditorWindow::onPositionPressed()
{
    m_sliderHeld = true;
    pause();
}

void EditorWindow::onPositionReleased()
{
    m_sliderHeld = false;
    seekTo(ui->position->value());
}

void EditorWindow::onPositionAction()
{
    const int value = Desktop::clickedSliderValue(ui->position, m_storyboard->totalFrames());
    if (value >= 0 && !m_sliderHeld)
        ui->position->setSliderPosition(value);
}

qint64 EditorWindow::audioStripFrames() const
{
    const AudioListWidget *strip = ui->audioListWidget;
    const double seconds = double(qint64(strip->contentWidth() * strip->secondsPerPixel()));
    return secondsToFrames(seconds, m_format);
}

void EditorWindow::onPositionChanged(int value)
{
    seekTo(value);
    const qint64 length = qMax<qint64>(m_storyboard->totalFrames(), audioStripFrames());
    double fraction = 0.0;
    if (length == 0) {
        const QSignalBlocker blocker(ui->position);
        ui->position->setValue(0);
    } else {
        fraction = double(m_currentFrame) / double(length);
    }
    QScrollBar *bar = ui->stripScrollBar;
    const int half = bar->width() / 2;
    const double offset = (half + bar->maximum()) * fraction - half;
    bar->setValue(offset > 0 ? int(offset) : 0);
}

void EditorWindow::changeScrollRange()
{
    QScrollBar *bar = ui->stripScrollBar;
    const int page = bar->width();
    bar->setPageStep(page);
    ui->photoListWidget->horizontalScrollBar()->setPageStep(page);
    ui->audioListWidget->horizontalScrollBar()->setPageStep(page);
    const int width = qMax(ui->photoListWidget->contentWidth(), ui->audioListWidget->contentWidth());
    m_stripFollowScale = 1.0;
    if (!m_model->album().isEmpty()) {
        const qint64 length = qMax<qint64>(m_storyboard->totalFrames(), audioStripFrames());
        if (length > 0)
            m_stripFollowScale = double(width) / double(length);
    }
    const int maximum = qMax(0, width - page / 2);
    for (QScrollBar *b :
         {bar, ui->photoListWidget->horizontalScrollBar(), ui->audioListWidget->horizontalScrollBar()})
        b->setRange(0, maximum);
}

void EditorWindow::updateProgress()
{
    const int total = m_storyboard->totalFrames();
    if (m_playState == 1)
        m_currentFrame = ui->previewPlayer->position();
    {
        const QSignalBlocker blocker(ui->position);
        if (total > 0) {
            ui->position->setValue(qMin(m_currentFrame, total));
            if (m_playState == 1)
                ui->stripScrollBar->setValue(
                    qMax(0, int(m_currentFrame * m_stripFollowScale) - ui->stripScrollBar->width() / 2));
        } else {
            ui->position->setValue(0);
            m_currentFrame = 0;
        }
    }
    ui->timeCode->setText(frameTimeText(m_currentFrame) + QStringLiteral(" / ") + frameTimeText(total));
    if (m_playState == 1 && m_currentFrame >= total)
        stop();
    refreshControls();
}

void EditorWindow::setupTransportKeys()
{
    // The preview area takes the keyboard focus when clicked, so the keys
    // below reach the window from it (a focused button, slider, strip or
    // field keeps its own use of them). Tab stops at the picture only: the
    // frame around it would be a second stop at the same place.
    ui->previewFrame->setFocusPolicy(Qt::ClickFocus);
    ui->previewPlayer->setFocusPolicy(Qt::StrongFocus);
    ui->previewFrame->setFocus();
}

void EditorWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        MainWindowBase::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        if (m_playState == 1)
            pause();
        else if (ui->play->isEnabled())
            play();
        break;
    case Qt::Key_Home:
        stop();
        break;
    case Qt::Key_Left:
        previous();
        break;
    case Qt::Key_Right:
        next();
        break;
    default:
        MainWindowBase::keyPressEvent(event);
        return;
    }
    event->accept();
}

void EditorWindow::noteSoundUnavailable(const QString &reason)
{
    if (m_soundNoteShown)
        return;
    m_soundNoteShown = true;
    widgetFrame()->statusBar()->showMessage(
        tr("Sound is not available (%1); the preview plays without sound.")
            .arg(reason.endsWith(QLatin1Char('.')) ? reason.chopped(1) : reason));
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->gettingStart && event->type() == QEvent::Resize && !m_gettingStartPicture.isNull()) {
        ui->gettingStart->setPixmap(m_gettingStartPicture.scaled(
            ui->gettingStart->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return MainWindowBase::eventFilter(watched, event);
}

void EditorWindow::resizeEvent(QResizeEvent *event)
{
    MainWindowBase::resizeEvent(event);
    changeScrollRange();
}

// ---------------------------------------------------------------------------
// The TV standard and the DVD choices.

void EditorWindow::applyDvdFrame(TvStandard standard, DvdAspect aspect)
{
    // The preview composes the DVD's own frame (its size, shape and rate);
    // the sound's format stays.
    m_videoStandard = tvStandardName(standard);
    const OutputFormat frame = OutputFormat::forStandard(standard, aspect);
    m_format.width = frame.width;
    m_format.height = frame.height;
    m_format.aspectNum = frame.aspectNum;
    m_format.aspectDen = frame.aspectDen;
    m_format.frameRateNum = frame.frameRateNum;
    m_format.frameRateDen = frame.frameRateDen;
    m_storyboard->setFormat(m_format);
    ui->previewPlayer->init(m_format);
}

void EditorWindow::setDvdChoices(const DvdChoices &choices)
{
    // Typing a label or a title is one step, not one a letter.
    const DvdChoices &now = m_model->album().dvd;
    DvdChoices label = now;
    label.volumeLabel = choices.volumeLabel;
    DvdChoices title = now;
    title.menuChoices.title = choices.menuChoices.title;
    const int merge = label == choices   ? AlbumModel::VolumeLabelMerge
                      : title == choices ? AlbumModel::MenuTitleMerge
                                         : AlbumModel::NoMerge;
    m_model->edit(
        tr("DVD Settings"), [&choices](Album &album) { album.dvd = choices; }, merge);
}

void EditorWindow::showReplacedAlbum()
{
    // Nothing of the former album stays selected.
    for (StripListWidget *strip : {static_cast<StripListWidget *>(ui->photoListWidget),
                                   static_cast<StripListWidget *>(ui->audioListWidget)}) {
        const QSignalBlocker blocker(strip);
        strip->clearSelection();
        strip->setCurrentRow(-1);
    }
    updateSelectionCommands();
    updateTitle();
}

// ---------------------------------------------------------------------------
// Projects.

void EditorWindow::updateTitle()
{
    if (!widgetFrame())
        return;
    const QString product = Application::instance() && Application::instance()->pref()
                                ? Application::instance()->pref()->productName()
                                : AppPaths::productName();
    const QString name =
        m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).completeBaseName();
    widgetFrame()->setWindowTitle(name + QStringLiteral("[*] - ") + product);
    widgetFrame()->setWindowModified(!undoStack()->isClean());
}

namespace {
const QString kRecentProjects = QStringLiteral("RecentProjects");
constexpr int kMaxRecentProjects = 8;

QStringList recentProjects()
{
    SettingsStore *pref = AppSettings::pref();
    return pref ? pref->value(kRecentProjects, QStringList()).toStringList() : QStringList();
}

QString projectFilter()
{
    return QCoreApplication::translate("EditorWindow", "Sorvel Projects (*.sorvel)") + QStringLiteral(";;") +
           QCoreApplication::translate("EditorWindow", "All Files (*)");
}
} // namespace

void EditorWindow::addRecentProject(const QString &path)
{
    SettingsStore *pref = AppSettings::pref();
    if (!pref)
        return;
    QStringList list = recentProjects();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaxRecentProjects)
        list.removeLast();
    pref->setValue(kRecentProjects, list);
    rebuildRecentMenu();
}

void EditorWindow::rebuildRecentMenu()
{
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    m_recentMenu->setTitle(tr("Recent Projects"));
    const QStringList list = recentProjects();
    int number = 1;
    for (const QString &path : list) {
        QAction *entry = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(number++).arg(QFileInfo(path).completeBaseName()));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (maybeSave())
                openProject(path);
        });
    }
    if (!list.isEmpty()) {
        m_recentMenu->addSeparator();
        QAction *clearList = m_recentMenu->addAction(tr("Clear Menu"));
        connect(clearList, &QAction::triggered, this, [this] {
            if (SettingsStore *pref = AppSettings::pref())
                pref->setValue(kRecentProjects, QStringList());
            rebuildRecentMenu();
        });
    }
    m_recentMenu->setEnabled(!list.isEmpty());
}

bool EditorWindow::maybeSave()
{
    if (undoStack()->isClean())
        return true;
    const QString name = m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).fileName();
    const auto answer = MessageBox::question(
        tr("The album \"%1\" has changes that are not saved.\nDo you want to save them?").arg(name),
        QString(), QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel,
        widgetFrame(), QDialogButtonBox::Save);
    if (answer == QDialogButtonBox::Save)
        return saveProject();
    return answer == QDialogButtonBox::Discard;
}

bool EditorWindow::queryClose()
{
    if (m_terminating)
        return !m_job || !m_job->isRunning();
    // A DVD being made is aborted first (the window closes once the run
    // has cleaned up), then unsaved changes are offered for saving.
    if (!confirmCloseDuringRun())
        return false;
    pause();
    return maybeSave();
}

void EditorWindow::newProject()
{
    if (!maybeSave())
        return;
    stop();
    Album fresh;
    fresh.dvd.tvStandard = AppSettings::currentVideoStandard();
    setProjectPath(QString());
    m_model->reset(fresh);
    showReplacedAlbum();
}

void EditorWindow::chooseProjectToOpen()
{
    if (!maybeSave())
        return;
    const QString start = m_projectPath.isEmpty() ? AppSettings::photoLastDir(AppSettings::pref())
                                                  : QFileInfo(m_projectPath).absolutePath();
    const QString path =
        FileChooser::getOpenFileName(widgetFrame(), tr("Open Project"), start, projectFilter());
    if (!path.isEmpty())
        openProject(path);
}

bool EditorWindow::openProject(const QString &path)
{
    pause();
    Project::Data data;
    QString error;
    if (!Project::read(path, &data, &error)) {
        MessageBox::alert(error, QString(), widgetFrame());
        return false;
    }
    // The files are read into a copy, so a cancelled open changes nothing.
    Album loaded(m_model->album());
    QStringList missing;
    QProgressDialog progress(tr("Opening %1...").arg(QFileInfo(path).fileName()), tr("Cancel"), 0,
                             int(data.photos.size() + data.clips.size()), widgetFrame());
    progress.setWindowTitle(tr("Open Project"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const bool done = Project::load(data, &loaded, &missing, [&progress](int n, int) {
        progress.setValue(n);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (!done)
        return false;
    setProjectPath(QFileInfo(path).absoluteFilePath());
    m_model->reset(loaded);
    showReplacedAlbum();
    addRecentProject(m_projectPath);
    if (!data.notes.isEmpty())
        MessageBox::list(MessageBox::Info,
                         tr("Some values of the project are outside what the editor offers and have been "
                            "changed; saving the project keeps the new values:"),
                         data.notes, widgetFrame());
    if (!missing.isEmpty())
        tellMissing();
    return true;
}

bool EditorWindow::saveProjectTo(const QString &path)
{
    QString error;
    if (!Project::save(m_model->album(), path, &error)) {
        MessageBox::alert(error, QString(), widgetFrame());
        return false;
    }
    setProjectPath(QFileInfo(path).absoluteFilePath());
    undoStack()->setClean();
    updateTitle();
    addRecentProject(m_projectPath);
    return true;
}

bool EditorWindow::saveProject()
{
    if (m_projectPath.isEmpty())
        return saveProjectAs();
    return saveProjectTo(m_projectPath);
}

bool EditorWindow::saveProjectAs()
{
    pause();
    const QString suggested = m_projectPath.isEmpty()
                                  ? QDir(AppSettings::photoLastDir(AppSettings::pref()))
                                        .filePath(tr("Untitled") + QStringLiteral(".sorvel"))
                                  : m_projectPath;
    QString path =
        FileChooser::getSaveFileName(widgetFrame(), tr("Save Project As"), suggested, projectFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        // The file dialog asked about the name as typed; the name with its
        // suffix may be another existing file.
        path += QStringLiteral(".sorvel");
        if (QFileInfo::exists(path) &&
            MessageBox::question(tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(path)),
                                 tr("Save Project As"), QDialogButtonBox::Yes | QDialogButtonBox::No,
                                 widgetFrame(), QDialogButtonBox::No) != QDialogButtonBox::Yes)
            return false;
    }
    if (!FileCheck::refusal(path).isEmpty() && QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
        MessageBox::alert(tr("The project cannot be saved to %1: %2.")
                              .arg(QDir::toNativeSeparators(path), FileCheck::refusal(path)),
                          QString(), widgetFrame());
        return false;
    }
    return saveProjectTo(path);
}

// ---------------------------------------------------------------------------
// Missing files, recovery, the end of a session.

QList<AudioInfo> EditorWindow::arrivedClips(const QList<AudioInfo> &before, const QList<AudioInfo> &after)
{
    // Each clip of before matches one equal clip of after; the rest came.
    QList<AudioInfo> unmatched = before;
    QList<AudioInfo> arrived;
    for (const AudioInfo &clip : after) {
        const auto same = std::find_if(unmatched.begin(), unmatched.end(), [&clip](const AudioInfo &o) {
            return o.path == clip.path && o.clipStart == clip.clipStart && o.clipEnd == clip.clipEnd;
        });
        if (same != unmatched.end())
            unmatched.erase(same);
        else
            arrived << clip;
    }
    return arrived;
}

void EditorWindow::setProjectPath(const QString &path)
{
    m_projectPath = path;
    m_autoSave->setProjectPath(path);
}

void EditorWindow::tellMissing()
{
    const QStringList missing = m_model->album().missingPaths();
    if (missing.isEmpty())
        return;
    QStringList lines;
    for (const QString &file : missing)
        lines << ImportProgress::Report::line(file, FileCheck::refusal(file).isEmpty() ? tr("cannot be read")
                                                                                       : FileCheck::refusal(file));
    const auto answer = MessageBox::list(
        MessageBox::Info,
        tr("%n file(s) of the project are missing or cannot be read. They keep their places in the album and "
           "are saved with it, but the preview and the DVD leave them out until they are found. Relink "
           "searches a folder (and the folders in it) for them by name.",
           nullptr, int(missing.size())),
        lines, widgetFrame(), QDialogButtonBox::Yes | QDialogButtonBox::Close, QDialogButtonBox::Close,
        {{QDialogButtonBox::Yes, tr("Relink...")}});
    if (answer == QDialogButtonBox::Yes)
        relinkMissing();
}

int EditorWindow::relinkMissing()
{
    pause();
    const Album &album = m_model->album();
    const QStringList missing = album.missingPaths();
    if (missing.isEmpty())
        return 0;
    const QString start = m_projectPath.isEmpty() ? QFileInfo(missing.first()).absolutePath()
                                                   : QFileInfo(m_projectPath).absolutePath();
    const QString folder = FileChooser::getExistingDirectory(widgetFrame(), tr("Relink: Search a Folder"), start);
    if (folder.isEmpty())
        return 0;
    Album relinked(album);
    QProgressDialog progress(tr("Searching %1...").arg(QDir::toNativeSeparators(folder)), tr("Cancel"), 0, 0,
                             widgetFrame());
    progress.setWindowTitle(tr("Relink"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    int looked = 0;
    const int found = Project::relink(&relinked, folder, [&progress, &looked] {
        if (++looked % 64 == 0)
            QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    if (found > 0)
        m_model->edit(tr("Relink Files"), [&relinked](Album &a) {
            a.photos = relinked.photos;
            a.audios = relinked.audios;
            a.dvd.menuChoices = relinked.dvd.menuChoices; // its photo moved with it
        });
    const QStringList still = m_model->album().missingPaths();
    if (still.isEmpty()) {
        widgetFrame()->statusBar()->showMessage(tr("%n file(s) found again.", nullptr, found), 5000);
    } else {
        QStringList lines;
        for (const QString &file : still)
            lines << QDir::toNativeSeparators(file);
        MessageBox::list(MessageBox::Info,
                         tr("%1 found again; %2 still missing:").arg(found).arg(still.size()), lines,
                         widgetFrame());
    }
    return found;
}

bool EditorWindow::offerRecovery()
{
    const QList<AutoSave::Orphan> orphans = AutoSave::orphans();
    for (const AutoSave::Orphan &orphan : orphans) {
        const QString name = orphan.projectPath.isEmpty()
                                 ? tr("An album that was never saved")
                                 : tr("The album \"%1\"").arg(QFileInfo(orphan.projectPath).fileName());
        const QString text =
            tr("%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).\n"
               "Do you want to recover them?",
               nullptr, orphan.photos)
                .arg(name, QLocale().toString(orphan.savedAt.toLocalTime(), QLocale::LongFormat));
        const auto answer = MessageBox::ask(
            {MessageBox::Question, text, tr("Recover Unsaved Work"),
             QDialogButtonBox::Yes | QDialogButtonBox::Discard | QDialogButtonBox::Ignore, QDialogButtonBox::Yes,
             {}, {{QDialogButtonBox::Yes, tr("Recover")}, {QDialogButtonBox::Ignore, tr("Later")}}},
            widgetFrame());
        if (answer == QDialogButtonBox::Discard) {
            AutoSave::discard(orphan.file);
            continue;
        }
        if (answer != QDialogButtonBox::Yes)
            continue; // kept for the next start
        if (!maybeSave())
            return false;
        if (recoverFrom(orphan.file))
            return true;
    }
    return false;
}

bool EditorWindow::recoverFrom(const QString &file)
{
    pause();
    Project::Data data;
    QString projectPath;
    QString error;
    if (!AutoSave::read(file, &data, &projectPath, &error)) {
        MessageBox::alert(error, QString(), widgetFrame());
        return false;
    }
    Album loaded(m_model->album());
    QStringList missing;
    if (!Project::load(data, &loaded, &missing))
        return false;
    setProjectPath(projectPath);
    m_model->reset(loaded);
    // The recovered album is not the saved project: it stays unsaved
    // until the person saves it.
    undoStack()->resetClean();
    showReplacedAlbum();
    updateTitle();
    // This editor keeps it now; the dead editor's file goes.
    m_autoSave->saveNow();
    AutoSave::discard(file);
    if (!missing.isEmpty())
        tellMissing();
    return true;
}

void EditorWindow::endSession()
{
    // A termination signal (a logout, a service stop): nobody may be there
    // to answer a question. A run is aborted as its "Abort" would, and
    // the window closes when it has cleaned up; unsaved changes stay in
    // the recovery file for the next start.
    m_terminating = true;
    m_autoSave->saveNow();
    if (!undoStack()->isClean())
        m_autoSave->keepOnExit();
    if (m_job && m_job->isRunning()) {
        m_closeAfterRun = true;
        m_dvdMaking->abortWithoutAsking();
        if (m_job->isRunning())
            return;
    }
    Q_EMIT sessionEnded();
    // exit(), not quit(): quit() first asks every window to close, and an
    // open question (a message box, a dialog) refuses, so the program
    // would stay. exit() ends every event loop, open questions included
    // (they answer "no button": nothing is done, nothing discarded).
    QCoreApplication::exit(0);
}
