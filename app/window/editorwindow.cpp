#include "window/editorwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QProgressDialog>
#include <QStatusBar>
#include <QUndoStack>
#include <QUrl>

#include "album/appsettings.h"
#include "album/project.h"
#include "dialogs/editaudiodialog.h"
#include "window/previewplayer.h"
#include "engine/storyboardrender.h"
#include "desktop/widgetsupport.h"
#include "desktop/application.h"
#include "desktop/filechooser.h"
#include "desktop/messagebox.h"
#include "framework/settingsstore.h"
#include "desktop/singleapplication.h"
#include "window/audiolistwidget.h"
#include "window/mediainfowidget.h"
#include "window/photolistwidget.h"
#include "window/startup.h"
#include "window/stripsupport.h"
#include "ui_editorwindow.h"
#include "dialogs/progressdialog.h"
#include "dialogs/dvdsettingsdialog.h"
#include "job/generationcontroller.h"
#include "dialogs/preferencesdialog.h"
#include "dialogs/capacitybar.h"
#include "framework/apppaths.h"

namespace {

// The window's slots follow the on_<sender>_<signal> naming even where they
// are connected explicitly (actions, strips); connecting the form by name
// would warn about each of those. Those warnings are dropped while the form
// is set up.
QtMessageHandler g_formHandler = nullptr;
void quietConnectByName(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QMetaObject::connectSlotsByName")))
        return;
    if (g_formHandler)
        g_formHandler(type, context, message);
}

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
    setObjectName(QStringLiteral("Sorvel"));
    // 1. The album (it lists the transition patterns of the data folder) and
    // the storyboard.
    m_album = std::make_unique<Album>();
    m_storyboard = std::make_unique<StoryBoardRender>();
    m_storyboard->setAlbum(m_album.get());

    // 2. Widgets.
    ui = std::make_unique<Ui::EditorWindow>();
    g_formHandler = qInstallMessageHandler(quietConnectByName);
    ui->setupUi(this);
    qInstallMessageHandler(g_formHandler);
    g_formHandler = nullptr;
    ui->menuBar->hide(); // its menus go to the frame's menu bar
    m_undo = new QUndoStack(this);
    m_previewTimer = new QTimer(this);
    m_previewTimer->setInterval(40);
    m_mediaInfo = new MediaInfoWidget(this);
    m_mediaInfo->setWindowFlag(Qt::Window);
    Desktop::moveCenter(m_mediaInfo);
    setIcons();

    // 3. TV standard and the initial output format; the getting-started
    // picture until the album has something to show.
    const TvStandard standard = AppSettings::currentVideoStandard();
    m_album->dvd.tvStandard = standard;
    m_videoStandard = tvStandardName(standard);
    m_format = OutputFormat::forStandard(standard);
    m_storyboard->setFormat(m_format);
    ui->avPlayer->setStoryboard(m_storyboard.get());
    ui->avPlayer->setBackdrop(QColor(0x1b, 0x1e, 0x24)); // the preview area's colour
    ui->avPlayer->init(m_format);
    connect(ui->avPlayer, &PreviewPlayer::soundUnavailable, this, &EditorWindow::noteSoundUnavailable);
    m_gettingStartPicture = QPixmap(StripSupport::skinFile(QStringLiteral("gettingstart.png")));
    ui->previewFrame->setStyleSheet(QStringLiteral("#previewFrame { background-color: #1b1e24; }"));
    // The picture follows the preview area's size; the label's own size
    // hint must not hold the window open.
    ui->gettingStart->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    ui->gettingStart->installEventFilter(this);
    ui->gettingStart->setAccessibleName(tr("Getting started"));
    ui->gettingStart->show();
    ui->avPlayer->hide();

    // 4. Album settings into the controls, signals, the preview timer and
    // the "Auto Rotate" menu.
    loadAlbumSettings();
    connectSignals();
    m_autoRotateMenu = new QMenu(this);
    m_autoRotateMenuAction = m_autoRotateMenu->addAction(tr("Auto Rotate"));
    m_autoRotateAllMenuAction = m_autoRotateMenu->addAction(tr("Auto Rotate All Photos"));
    connect(m_autoRotateMenuAction, &QAction::triggered, this, &EditorWindow::on_autoRotate_clicked);
    connect(m_autoRotateAllMenuAction, &QAction::triggered, this, &EditorWindow::on_autoRotateAll_clicked);
    ui->autoRotate->setMenu(m_autoRotateMenu);

    // 5. The framework frame and its menus.
    initialize();
    buildMenus();
    // The desktop entry and icon the desktop knows the program by.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sorvel.Sorvel"));
    QIcon appIcon = QIcon::fromTheme(QStringLiteral("org.sorvel.Sorvel"));
    if (appIcon.isNull())
        appIcon = QIcon(AppPaths::appDir() + QStringLiteral("/org.sorvel.Sorvel.svg"));
    widgetFrame()->setWindowIcon(appIcon);

    // 6. The progress dialog and the DVD settings dialog, over the frame;
    // the dialog shows and edits the album's DVD choices. A close of the
    // frame while a DVD is made asks first.
    m_progressDialog = new ProgressDialog(widgetFrame());
    m_dvdSetting = new DvdSettingsDialog(m_album.get(), m_progressDialog, widgetFrame(),
                                         Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    m_dvdSetting->setChoices(m_album->dvd);
    connect(m_dvdSetting, &DvdSettingsDialog::dvdParamChanged, this, &EditorWindow::onDvdParamChanged);
    connect(m_dvdSetting, &DvdSettingsDialog::choicesChanged, this, &EditorWindow::setDvdChoices);
    connect(m_dvdSetting, &DvdSettingsDialog::runFinished, this, [this] {
        if (m_closeAfterRun)
            QTimer::singleShot(0, widgetFrame(), &QWidget::close);
    });
    connect(m_progressDialog, &ProgressDialog::postTaskActionsIndexChanged, this,
            &EditorWindow::on_postTaskActionIndexChanged);
    widgetFrame()->resize(1280, 800);
    widgetFrame()->setMinimumSize(1000, 680);
    setupTransportKeys();
    if (!ui->avPlayer->soundAvailable())
        noteSoundUnavailable(ui->avPlayer->soundError());

    // 7. Time code, the after-making menu, play button, control states.
    ui->timeCode->setText(QStringLiteral("00:00:00 / 00:00:00"));
    tickAfterBurnMenu();
    ui->play->show();
    ui->pause->hide();

    // 8. First start.
    SettingsStore *pref = AppSettings::pref();
    if (AppSettings::firstStart(pref)) {
        setAutoCheckUpdate(true);
        setAutoCheckUpdateInterval(1);
        if (pref)
            pref->setValue(AppSettings::kFirstStart, false);
    }

    // 9. The fade switch stays part of the album, but is not offered.
    ui->checkBox_3->hide();

    // 10. Processor affinity.
    CpuAffinity::applyToProcess(CpuAffinity::maskFromSettings(pref));

    // 12. FFmpeg needs no registration since version 4.
    retranslate();
    onStoryBoardDataChanged();
    photoItemSelectChanged();
    m_activeStrip = -1;
    refreshControls();
    m_recorded = AlbumSnapshot::of(*m_album);
    connect(m_undo, &QUndoStack::cleanChanged, this, &EditorWindow::updateTitle);
    updateTitle();
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
    on_pause_clicked();
    // The DVD dialogs go before the album they make DVDs of.
    delete m_dvdSetting;
    m_dvdSetting = nullptr;
    delete m_progressDialog;
    m_progressDialog = nullptr;
    ui->avPlayer->setStoryboard(nullptr);
    delete m_mediaInfo;
    m_mediaInfo = nullptr;
    m_storyboard.reset();
    m_album.reset();
}

void EditorWindow::setIcons()
{
    ui->importPicture->setIcon(themeIcon({"insert-image", "image-x-generic"}));
    ui->importPictureDir->setIcon(themeIcon({"folder-pictures", "folder"}));
    ui->importAudio->setIcon(themeIcon({"audio-x-generic"}));
    ui->deleteClip->setIcon(themeIcon({"edit-delete"}));
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
    ui->adjustOrder->setIcon(themeIcon({"audio-x-generic"}));
    ui->syncAlbum->setIcon(themeIcon({"emblem-synchronizing", "view-refresh"}));

    ui->actionImport_Picture->setIcon(ui->importPicture->icon());
    ui->actionImport_Picture_Directory->setIcon(ui->importPictureDir->icon());
    ui->actionImport_Audio->setIcon(ui->importAudio->icon());
    ui->actionNew_Album->setIcon(themeIcon({"document-new"}));
    ui->actionOpen_Project->setIcon(themeIcon({"document-open"}));
    ui->actionSave_Project->setIcon(themeIcon({"document-save"}));
    ui->actionSave_Project_As->setIcon(themeIcon({"document-save-as"}));
    ui->actionProperty->setIcon(themeIcon({"document-properties"}));
    ui->actionDelete->setIcon(ui->deleteClip->icon());
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
    bar->insertMenu(helpMenu()->menuAction(), ui->menuAction);
    // Projects: the four actions with the usual shortcuts and the recent
    // projects after "Open Project...".
    ui->actionNew_Album->setShortcut(QKeySequence::New);
    ui->actionOpen_Project->setShortcut(QKeySequence::Open);
    ui->actionSave_Project->setShortcut(QKeySequence::Save);
    ui->actionSave_Project_As->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(ui->actionNew_Album, &QAction::triggered, this, &EditorWindow::on_newProject);
    connect(ui->actionOpen_Project, &QAction::triggered, this, &EditorWindow::on_openProject);
    connect(ui->actionSave_Project, &QAction::triggered, this, &EditorWindow::on_saveProject);
    connect(ui->actionSave_Project_As, &QAction::triggered, this, &EditorWindow::on_saveProjectAs);
    m_recentMenu = new QMenu(this);
    m_recentMenu->setObjectName(QStringLiteral("menuRecent_Projects"));
    m_recentMenu->setIcon(themeIcon({"document-open-recent"}));
    ui->menuFile->insertMenu(ui->actionSave_Project, m_recentMenu);
    rebuildRecentMenu();

    // Undo and redo at the top of the Edit menu.
    m_undoAction = m_undo->createUndoAction(this);
    m_undoAction->setObjectName(QStringLiteral("actionUndo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setIcon(themeIcon({"edit-undo"}));
    m_redoAction = m_undo->createRedoAction(this);
    m_redoAction->setObjectName(QStringLiteral("actionRedo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_redoAction->setIcon(themeIcon({"edit-redo"}));
    QAction *firstEdit = ui->menuEdit->actions().value(0);
    ui->menuEdit->insertAction(firstEdit, m_undoAction);
    ui->menuEdit->insertAction(firstEdit, m_redoAction);
    ui->menuEdit->insertSeparator(firstEdit);
    ui->actionPreferences->setEnabled(preferencesAvailable());
    ui->actionPreferences->setMenuRole(QAction::PreferencesRole);
}

void EditorWindow::loadAlbumSettings()
{
    const QSignalBlocker b1(ui->spinBox);
    const QSignalBlocker b2(ui->spinBox_2);
    const QSignalBlocker b3(ui->checkBox);
    const QSignalBlocker b4(ui->radioButton);
    const QSignalBlocker b5(ui->radioButton_2);
    const QSignalBlocker b6(ui->checkBoxUseDynamicZoom);
    ui->spinBox->setValue(m_album->photoDurationMs);
    ui->spinBox_2->setValue(m_album->transitionDurationMs);
    ui->checkBox->setChecked(m_album->useTransition);
    const bool patterns = !m_album->patternFiles.isEmpty();
    if (m_album->dissolveOnly || !patterns)
        ui->radioButton->setChecked(true);
    else
        ui->radioButton_2->setChecked(true);
    ui->radioButton_2->setEnabled(patterns && m_album->useTransition);
    ui->radioButton->setEnabled(m_album->useTransition);
    ui->checkBoxUseDynamicZoom->setChecked(m_album->useDynamicEffect);
    ui->checkBox_2->setChecked(m_album->loopAudio);
    ui->checkBox_3->setChecked(m_album->fadeAudio);
}

void EditorWindow::connectSignals()
{
    connect(ui->spinBox, &QSpinBox::valueChanged, this, &EditorWindow::on_photoDur_changed);
    connect(ui->spinBox_2, &QSpinBox::valueChanged, this, &EditorWindow::on_transtionDur_changed);
    connect(ui->checkBox, &QCheckBox::stateChanged, this, &EditorWindow::on_transition_changed);
    connect(ui->radioButton, &QRadioButton::toggled, this, &EditorWindow::on_transitionType_changed);
    connect(ui->checkBoxUseDynamicZoom, &QCheckBox::stateChanged, this,
            &EditorWindow::on_dynamicZoom_changed);
    connect(ui->checkBox_2, &QCheckBox::released, this, &EditorWindow::on_audioSetting_changed);
    connect(ui->checkBox_3, &QCheckBox::released, this, &EditorWindow::on_audioSetting_changed);
    connect(ui->syncAlbum, &QPushButton::released, this, &EditorWindow::on_sync_clicked);

    PhotoListWidget *photos = ui->photoListWidget;
    AudioListWidget *audios = ui->audioListWidget;
    connect(photos, &PhotoListWidget::photoListAboutToChange, this, &EditorWindow::on_pause_clicked);
    connect(audios, &AudioListWidget::audioListAboutToChange, this, &EditorWindow::on_pause_clicked);
    connect(photos, &PhotoListWidget::photoListChanged, this, &EditorWindow::photoListChanged);
    connect(audios, &AudioListWidget::audioListChanged, this, &EditorWindow::audioListChanged);
    connect(photos, &QListWidget::itemSelectionChanged, this, &EditorWindow::photoItemSelectChanged);
    connect(audios, &QListWidget::itemSelectionChanged, this, &EditorWindow::audioItemSelectChanged);
    connect(photos, &QListWidget::currentRowChanged, this, &EditorWindow::on_photoListWidget_row_changed);
    connect(audios, &QListWidget::currentRowChanged, this, &EditorWindow::on_audioListWidget_row_changed);
    connect(photos, &QListWidget::itemClicked, this, &EditorWindow::on_photoListWidget_item_clicked);
    connect(audios, &QListWidget::itemClicked, this, &EditorWindow::on_audioListWidget_item_clicked);
    connect(photos, &PhotoListWidget::contextMenu, this, &EditorWindow::on_photoListContextMenu);
    connect(audios, &AudioListWidget::contextMenu, this, &EditorWindow::on_audioListContextMenu);
    connect(audios, &AudioListWidget::editRequested, this, &EditorWindow::openAudioEditor);

    connect(ui->actionImport_Picture, &QAction::triggered, this, &EditorWindow::on_importPicture_clicked);
    connect(ui->actionImport_Picture_Directory, &QAction::triggered, this,
            &EditorWindow::on_importPictureDir_clicked);
    connect(ui->actionImport_Audio, &QAction::triggered, this, &EditorWindow::on_importAudio_clicked);
    connect(ui->actionProperty, &QAction::triggered, this, &EditorWindow::on_fileProperty);
    connect(ui->actionExit, &QAction::triggered, this, &EditorWindow::on_fileExit);
    connect(ui->actionDelete, &QAction::triggered, this, &EditorWindow::on_deleteClip_clicked);
    connect(ui->actionClear, &QAction::triggered, this, &EditorWindow::on_clear_clicked);
    connect(ui->actionSelect_All, &QAction::triggered, this, &EditorWindow::on_selectAll_clicked);
    connect(ui->actionTurn_Left, &QAction::triggered, this, &EditorWindow::on_turnLeft_clicked);
    connect(ui->actionTurn_Right, &QAction::triggered, this, &EditorWindow::on_turnRight_clicked);
    connect(ui->actionMirror, &QAction::triggered, this, &EditorWindow::on_mirror_clicked);
    connect(ui->actionFlip, &QAction::triggered, this, &EditorWindow::on_flip_clicked);
    connect(ui->actionAuto_Rotate_All_Phtotes, &QAction::triggered, this,
            &EditorWindow::on_autoRotateAll_clicked);
    connect(ui->actionAuto_Rotate_Photoes_While_Importing, &QAction::triggered, this,
            &EditorWindow::on_autoRotatewhileImporting_clicked);
    connect(ui->actionRestore, &QAction::triggered, this, &EditorWindow::on_restore_clicked);
    connect(ui->actionMove_Left, &QAction::triggered, this, &EditorWindow::on_moveLeft_clicked);
    connect(ui->actionMove_Right, &QAction::triggered, this, &EditorWindow::on_moveRight_clicked);
    connect(ui->actionCreate_DVD, &QAction::triggered, this, &EditorWindow::on_burn_clicked);
    for (QAction *a : {ui->actionDo_Nothing, ui->actionExit_Program, ui->actionHibernate, ui->actionShut_Down,
                       ui->actionStand_By})
        connect(a, &QAction::triggered, this, &EditorWindow::on_AfterBurnAction);
    connect(ui->actionPreferences, &QAction::triggered, this, &EditorWindow::on_preferences_clicked);
    for (QAction *a :
         {ui->actionSortByName, ui->actionSortByType, ui->actionSortByDate, ui->actionSortBySize})
        connect(a, &QAction::triggered, this, &EditorWindow::on_sort);
    for (QAction *a : {ui->actionSortAscending, ui->actionSortDescending})
        connect(a, &QAction::triggered, this, &EditorWindow::on_sortOrder);
    connect(ui->dvdTypeComboBox, &QComboBox::currentIndexChanged, this, &EditorWindow::on_dvdTypeChanged);

    // Transport: position slider, volume, the preview timer, the shared
    // scroll bar that moves both strips.
    connect(ui->position, &QSlider::sliderPressed, this, &EditorWindow::on_sliderPosition_presssed);
    connect(ui->position, &QSlider::sliderReleased, this, &EditorWindow::on_sliderPosition_released);
    connect(ui->position, &QSlider::actionTriggered, this, &EditorWindow::on_sliderPositionAction_triggered);
    connect(ui->position, &QSlider::valueChanged, this, &EditorWindow::on_sliderPosition_changed);
    connect(ui->volume, &QSlider::actionTriggered, this, &EditorWindow::on_volumePositionAction_triggered);
    connect(ui->volume, &QSlider::valueChanged, ui->avPlayer, &PreviewPlayer::setVolume);
    Desktop::trackSliderClicks(ui->volume);
    Desktop::trackSliderClicks(ui->position);
    connect(m_previewTimer, &QTimer::timeout, this, &EditorWindow::updateProgress);
    for (QListWidget *strip : {static_cast<QListWidget *>(photos), static_cast<QListWidget *>(audios)}) {
        connect(strip->model(), &QAbstractItemModel::rowsRemoved, this, &EditorWindow::changeScrollRange);
        connect(strip->model(), &QAbstractItemModel::rowsInserted, this, &EditorWindow::changeScrollRange);
        connect(strip->horizontalScrollBar(), &QScrollBar::valueChanged, ui->horizontalScrollBar,
                &QScrollBar::setValue);
        connect(ui->horizontalScrollBar, &QScrollBar::valueChanged, strip->horizontalScrollBar(),
                &QScrollBar::setValue);
    }
}

// ---------------------------------------------------------------------------
// Refresh after every change of the album.

quint64 EditorWindow::estimatedDvdSize() const
{
    return GenerationController::estimateDvdSize(m_album->dvd.videoBitRate, m_album->dvd.audioBitRate,
                                                 m_album->videoLength());
}

void EditorWindow::updateCapacity()
{
    if (m_dvdSetting) {
        m_dvdSetting->setDuration(m_album->videoLength());
        m_dvdSetting->updateDVDSize();
    }
    ui->capacityFrame->setShowMode(ui->dvdTypeComboBox->currentIndex() == 1 ? CapacityBar::DualLayer
                                                                            : CapacityBar::SingleLayer);
    ui->capacityFrame->do_getPos(estimatedDvdSize());
}

void EditorWindow::onStoryBoardDataChanged()
{
    const bool hasPhotos = !m_album->photos.isEmpty();
    const bool hasAudio = !m_album->audios.isEmpty();
    ui->burn->setEnabled(hasPhotos && dvdDialogAvailable());
    ui->actionCreate_DVD->setEnabled(hasPhotos && dvdDialogAvailable());

    m_storyboard->rebuildTimeline();
    const int total = m_storyboard->totalFrames();
    {
        const QSignalBlocker blocker(ui->position);
        ui->position->setRange(0, qMax(0, total));
        ui->position->setSingleStep(qMax(1, int(m_storyboard->timeline().photoStart(1))));
        ui->position->setPageStep(qMax(1, total / 10));
    }

    // The length of the frames the output will have.
    ui->photoLength->setText(StripSupport::hmsText(m_storyboard->timeline().seconds()));
    ui->audioLength->setText(StripSupport::hmsText(m_album->audioLength()));

    ui->actionAuto_Rotate_All_Phtotes->setEnabled(m_album->videoLength() > 0.01);
    m_autoRotateAllMenuAction->setEnabled(ui->actionAuto_Rotate_All_Phtotes->isEnabled());

    if (m_album->isEmpty()) {
        ui->avPlayer->clearView();
        ui->avPlayer->hide();
        ui->gettingStart->show();
        m_currentFrame = 0;
        ui->timeCode->setText(QStringLiteral("00:00:00 / 00:00:00"));
    } else {
        ui->gettingStart->hide();
        ui->avPlayer->show();
    }

    updateCapacity();

    if (m_activeStrip == 0)
        ui->actionSelect_All->setEnabled(hasPhotos);
    else if (m_activeStrip == 1)
        ui->actionSelect_All->setEnabled(hasAudio);

    const int width = ui->photoListWidget->contentWidth();
    const double videoLength = m_album->videoLength();
    ui->audioListWidget->setTimeScale(width, width > 0 && videoLength > 0 ? videoLength / width : 1.0 / 33.0);
    changeScrollRange();
    refreshControls();
    recordChange();
}

void EditorWindow::photoListChanged(const QList<ImageInfo> &photos)
{
    on_pause_clicked();
    m_album->photos = photos;
    onStoryBoardDataChanged();
}

void EditorWindow::audioListChanged(const QList<AudioInfo> &audios)
{
    on_pause_clicked();
    m_album->audios = audios;
    onStoryBoardDataChanged();
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
    ui->actionInvert_Select->setEnabled(strip->count() > 0);
    return any;
}

void EditorWindow::photoItemSelectChanged()
{
    m_activeStrip = 0;
    {
        const QSignalBlocker blocker(ui->audioListWidget);
        ui->audioListWidget->clearSelection();
        ui->audioListWidget->setCurrentRow(-1);
    }
    const bool any = enableSelectionCommands(ui->photoListWidget->selectedPhotoRows(), ui->photoListWidget);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->deleteClip, ui->turnLeft, ui->turnRight,
                                                       ui->mirror, ui->flip, ui->autoRotate, ui->restore})
        w->setEnabled(any);
    for (QAction *a : {ui->actionDelete, ui->actionTurn_Left, ui->actionTurn_Right, ui->actionMirror,
                       ui->actionFlip, ui->actionRestore})
        a->setEnabled(any);
}

void EditorWindow::audioItemSelectChanged()
{
    m_activeStrip = 1;
    {
        const QSignalBlocker blocker(ui->photoListWidget);
        ui->photoListWidget->clearSelection();
        ui->photoListWidget->setCurrentRow(-1);
    }
    const bool any =
        enableSelectionCommands(StripSupport::selectedRows(ui->audioListWidget), ui->audioListWidget);
    ui->deleteClip->setEnabled(any);
    ui->actionDelete->setEnabled(any);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->turnLeft, ui->turnRight, ui->mirror, ui->flip,
                                                       ui->autoRotate, ui->restore})
        w->setEnabled(false);
    for (QAction *a :
         {ui->actionTurn_Left, ui->actionTurn_Right, ui->actionMirror, ui->actionFlip, ui->actionRestore})
        a->setEnabled(false);
}

void EditorWindow::on_photoListWidget_item_clicked()
{
    on_photoListWidget_row_changed(ui->photoListWidget->currentRow());
}

void EditorWindow::on_audioListWidget_item_clicked()
{
    on_audioListWidget_row_changed(ui->audioListWidget->currentRow());
}

void EditorWindow::showNoRow()
{
    m_mediaInfo->setInfo(MediaInfoWidget::Nothing, {});
    m_mediaInfo->rebuild();
    ui->previous->setEnabled(false);
    ui->next->setEnabled(false);
}

void EditorWindow::on_photoListWidget_row_changed(int row)
{
    qint64 target = -1;
    if (row >= 0 && row / 2 < m_album->photos.size()) {
        const ImageInfo &photo = m_album->photos.at(row / 2);
        if (row % 2 == 0) {
            m_mediaInfo->setInfo(MediaInfoWidget::Photo, MediaInfoWidget::photoStrings(photo));
            m_mediaInfo->rebuild();
        }
        // A photo's row shows its first frame, a transition's row the
        // transition's first frame, as the output places them.
        const Timeline &timeline = m_storyboard->timeline();
        target = row % 2 == 0 ? timeline.photoStart(row / 2) : timeline.transitionStart(row / 2);
    }
    if (target >= 0) {
        seekTo(int(qMin<qint64>(target, INT_MAX)));
        ui->previous->setEnabled(row > 0);
        ui->next->setEnabled(row < ui->photoListWidget->count() - 1);
    } else {
        showNoRow();
    }
}

void EditorWindow::on_audioListWidget_row_changed(int row)
{
    qint64 target = -1;
    if (row >= 0 && row < m_album->audios.size()) {
        m_mediaInfo->setInfo(MediaInfoWidget::Audio, MediaInfoWidget::audioStrings(m_album->audios.at(row)));
        m_mediaInfo->rebuild();
        double seconds = 0.0;
        for (int i = 0; i < row; ++i)
            seconds += m_album->audios.at(i).clipLength();
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
        audioItemSelectChanged();
    }
}

// ---------------------------------------------------------------------------
// Import.

void EditorWindow::runPhotoImport(const QStringList &paths)
{
    setChangeText(tr("Import Photos"));
    if (paths.isEmpty())
        return;
    PhotoListWidget *strip = ui->photoListWidget;
    strip->importAt(paths, strip->count());
    reseek();
}

void EditorWindow::runAudioImport(const QStringList &paths)
{
    setChangeText(tr("Import Audio"));
    if (paths.isEmpty())
        return;
    AudioListWidget *strip = ui->audioListWidget;
    strip->importAt(paths, strip->count());
    reseek();
}

void EditorWindow::on_importPicture_clicked()
{
    on_pause_clicked();
    const QString filter = tr("All Supported Files (") +
                           AppSettings::photoNameFilters().join(QLatin1Char(' ')) + QStringLiteral(");;") +
                           tr("JPG Files (*.jpg; *.jpeg);;BMP Files (*.bmp);;PNG Files (*.png);;GIF Files "
                              "(*.gif);;TIFF Files (*.tiff);;XBP Files (*.xbm);;XPM Files (*.xpm);;") +
                           tr("All Files(*.*);;");
    SettingsStore *pref = AppSettings::pref();
    const QStringList files = FileChooser::getOpenFileNames(widgetFrame(), tr("Select One or More Files"),
                                                            AppSettings::photoLastDir(pref), filter);
    if (files.isEmpty())
        return;
    if (pref)
        pref->setValue(AppSettings::kPhotoLastDir, QFileInfo(files.first()).absolutePath());
    runPhotoImport(files);
}

void EditorWindow::on_importAudio_clicked()
{
    on_pause_clicked();
    const QString filter =
        tr("All Supported Files (") + AppSettings::audioNameFilters().join(QLatin1Char(' ')) +
        QStringLiteral(");;") +
        tr("AAC Files (*.aac);;AIF Files (*.aif; *.aiff);;AC3 Files (*.ac3);;APE Files (*.ape);;AU Files "
           "(*.au);;FLAC Files (*.flac);;MPA Files (*.mpa);;MP2 Files (*.mp2);;MP3 Files (*.mp3);;OGG Files "
           "(*.ogg);;RA Files (*.ra);;WAV Files (*.wav);;WMA Files (*.wma);;M4A Files (*.m4a);;") +
        tr("All Files(*.*);;");
    SettingsStore *pref = AppSettings::pref();
    const QStringList files = FileChooser::getOpenFileNames(widgetFrame(), tr("Select One or More Files"),
                                                            AppSettings::audioLastDir(pref), filter);
    if (files.isEmpty())
        return;
    if (pref)
        pref->setValue(AppSettings::kAudioLastDir, QFileInfo(files.first()).absolutePath());
    runAudioImport(files);
}

void EditorWindow::on_importPictureDir_clicked()
{
    on_pause_clicked();
    SettingsStore *pref = AppSettings::pref();
    const QString folder = FileChooser::getExistingDirectory(widgetFrame(), tr("Select one folder"),
                                                             AppSettings::photoLastDir(pref));
    if (folder.isEmpty())
        return;
    const QStringList files = StripSupport::expandPaths({folder}, AppSettings::photoNameFilters());
    if (files.isEmpty())
        return;
    if (pref)
        pref->setValue(AppSettings::kPhotoLastDir, folder);
    runPhotoImport(files);
}

void EditorWindow::openPaths(const QStringList &paths)
{
    QStringList photos;
    QStringList audios;
    QString project;
    const QStringList &audioPatterns = AppSettings::audioNameFilters();
    for (const QString &path : paths) {
        const QFileInfo fi(path);
        if (Project::isProjectFile(path) && fi.isFile()) {
            if (project.isEmpty())
                project = fi.absoluteFilePath();
        } else if (fi.isDir()) {
            photos << StripSupport::expandPaths({path}, AppSettings::photoNameFilters());
            audios << StripSupport::expandPaths({path}, audioPatterns);
        } else if (QDir::match(audioPatterns, fi.fileName())) {
            audios << fi.absoluteFilePath();
        } else {
            // Anything else is offered as a photo; the import reports what
            // it cannot read.
            photos << fi.absoluteFilePath();
        }
    }
    on_pause_clicked();
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
// Editing.

void EditorWindow::on_deleteClip_clicked()
{
    setChangeText(tr("Delete"));
    on_pause_clicked();
    if (m_activeStrip == 0) {
        ui->photoListWidget->deleteSelected();
        on_photoListWidget_row_changed(ui->photoListWidget->currentRow());
    } else if (m_activeStrip == 1) {
        ui->audioListWidget->deleteSelected();
        on_audioListWidget_row_changed(ui->audioListWidget->currentRow());
    }
}

void EditorWindow::on_clear_clicked()
{
    setChangeText(tr("Clear"));
    if (m_activeStrip == 0) {
        on_stop_clicked();
        ui->photoListWidget->clearAll();
        m_album->photos.clear();
    } else if (m_activeStrip == 1) {
        on_stop_clicked();
        ui->audioListWidget->clearAll();
        m_album->audios.clear();
    }
    onStoryBoardDataChanged();
    seekTo(0);
    if (m_activeStrip == 1)
        audioItemSelectChanged();
    else
        photoItemSelectChanged();
}

StripListWidget *EditorWindow::activeStripWidget() const
{
    if (m_activeStrip == 0)
        return ui->photoListWidget;
    if (m_activeStrip == 1)
        return ui->audioListWidget;
    return nullptr;
}

void EditorWindow::on_selectAll_clicked()
{
    if (StripListWidget *strip = activeStripWidget())
        strip->selectAll();
}

void EditorWindow::on_moveLeft_clicked()
{
    setChangeText(tr("Move Left"));
    on_pause_clicked();
    if (StripListWidget *strip = activeStripWidget())
        strip->moveSelectedLeft();
    reseek();
}

void EditorWindow::on_moveRight_clicked()
{
    setChangeText(tr("Move Right"));
    on_pause_clicked();
    if (StripListWidget *strip = activeStripWidget())
        strip->moveSelectedRight();
    reseek();
}

void EditorWindow::on_turnLeft_clicked()
{
    setChangeText(tr("Turn Left"));
    on_pause_clicked();
    ui->photoListWidget->transformSelected(OpTurnLeft);
}

void EditorWindow::on_turnRight_clicked()
{
    setChangeText(tr("Turn Right"));
    on_pause_clicked();
    ui->photoListWidget->transformSelected(OpTurnRight);
}

void EditorWindow::on_mirror_clicked()
{
    setChangeText(tr("Mirror"));
    on_pause_clicked();
    ui->photoListWidget->transformSelected(OpMirror);
}

void EditorWindow::on_flip_clicked()
{
    setChangeText(tr("Flip"));
    on_pause_clicked();
    ui->photoListWidget->transformSelected(OpFlip);
}

void EditorWindow::on_autoRotate_clicked()
{
    setChangeText(tr("Auto Rotate"));
    on_pause_clicked();
    ui->photoListWidget->autoRotateSelected();
}

void EditorWindow::on_autoRotateAll_clicked()
{
    setChangeText(tr("Auto Rotate All Photos"));
    on_pause_clicked();
    ui->photoListWidget->autoRotateAll();
}

void EditorWindow::on_autoRotatewhileImporting_clicked(bool checked)
{
    ui->photoListWidget->setAutoRotateOnImport(checked);
}

void EditorWindow::on_restore_clicked()
{
    setChangeText(tr("Restore"));
    on_pause_clicked();
    ui->photoListWidget->restoreSelected();
}

void EditorWindow::sortActiveStrip()
{
    setChangeText(tr("Sort"));
    on_pause_clicked();
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
    reseek();
}

void EditorWindow::on_sort()
{
    auto *sender = qobject_cast<QAction *>(QObject::sender());
    for (QAction *a :
         {ui->actionSortByName, ui->actionSortByType, ui->actionSortByDate, ui->actionSortBySize})
        a->setChecked(a == sender);
    if (!sender)
        ui->actionSortByName->setChecked(true);
    sortActiveStrip();
}

void EditorWindow::on_sortOrder()
{
    auto *sender = qobject_cast<QAction *>(QObject::sender());
    ui->actionSortAscending->setChecked(sender != ui->actionSortDescending);
    ui->actionSortDescending->setChecked(sender == ui->actionSortDescending);
    sortActiveStrip();
}

// ---------------------------------------------------------------------------
// Album settings.

void EditorWindow::on_photoDur_changed(int value)
{
    setChangeText(tr("Photo Duration"), AlbumChangeCommand::PhotoDuration);
    showSnappedDuration(ui->spinBox, m_album->setPhotoDurationMs(value, m_format));
}

void EditorWindow::on_transtionDur_changed(int value)
{
    setChangeText(tr("Transition Duration"), AlbumChangeCommand::TransitionDuration);
    showSnappedDuration(ui->spinBox_2, m_album->setTransitionDurationMs(value, m_format));
}

void EditorWindow::showSnappedDuration(QSpinBox *box, int snapped)
{
    {
        const QSignalBlocker blocker(box);
        box->setValue(snapped);
    }
    onStoryBoardDataChanged();
    reseek();
}

void EditorWindow::on_transition_changed(int state)
{
    setChangeText(tr("Use Transition"));
    m_album->useTransition = state == Qt::Checked;
    onStoryBoardDataChanged();
    reseek();
}

void EditorWindow::on_transitionType_changed()
{
    setChangeText(tr("Transition Type"));
    m_album->dissolveOnly = ui->radioButton->isChecked();
    onStoryBoardDataChanged();
    reseek();
}

void EditorWindow::on_dynamicZoom_changed(int state)
{
    setChangeText(tr("Use Dynamic Effect"));
    m_album->useDynamicEffect = state == Qt::Checked;
    onStoryBoardDataChanged();
    reseek();
}

void EditorWindow::on_audioSetting_changed()
{
    setChangeText(tr("Audio Settings"));
    m_album->loopAudio = ui->checkBox_2->isChecked();
    m_album->fadeAudio = ui->checkBox_3->isChecked();
    onStoryBoardDataChanged();
    reseek();
}

void EditorWindow::on_sync_clicked()
{
    setChangeText(tr("Sync with Audio"));
    on_pause_clicked();
    if (!m_album->fitPhotoDurationToAudio(m_format))
        return;
    {
        const QSignalBlocker blocker(ui->spinBox);
        ui->spinBox->setValue(m_album->photoDurationMs);
    }
    onStoryBoardDataChanged();
    on_photoListWidget_row_changed(ui->photoListWidget->currentRow());
}

void EditorWindow::on_adjustOrder_clicked()
{
    openAudioEditor(qMax(0, ui->audioListWidget->currentRow()));
}

void EditorWindow::openAudioEditor(int row)
{
    on_pause_clicked();
    EditAudioDialog dialog(m_album->audios, widgetFrame());
    dialog.setCurrentRow(row);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The strip publishes the list: the album, the lengths and the preview
    // follow, and the edit becomes one undo step.
    setChangeText(tr("Edit Audio"));
    ui->audioListWidget->setAudioList(dialog.audioList());
    reseek();
}

// ---------------------------------------------------------------------------
// DVD commands.

void EditorWindow::on_dvdTypeChanged(int index)
{
    if (index < 0)
        return;
    updateCapacity();
}

void EditorWindow::onDvdParamChanged(TvStandard standard, int audioBitRate, int audioChannels)
{
    Q_UNUSED(audioBitRate);
    const OutputFormat rates = OutputFormat::forStandard(standard);
    m_format.frameRateNum = rates.frameRateNum;
    m_format.frameRateDen = rates.frameRateDen;
    m_format.audioChannels = audioChannels;
    m_storyboard->setFormat(m_format);
}

void EditorWindow::on_burn_clicked()
{
    on_pause_clicked();
    if (!dvdDialogAvailable() || m_album->photos.isEmpty() || m_dvdSetting->isRunning())
        return;
    // The progress dialog's list starts at the menu's choice.
    const QList<QAction *> entries = ui->menuAfter_Burn->actions();
    int postTask = 0;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i)->isChecked())
            postTask = i;
    }
    m_progressDialog->setPostTaskIndex(postTask);
    m_dvdSetting->setChoices(m_album->dvd);
    m_dvdSetting->setDuration(m_album->videoLength());
    m_dvdSetting->updateDVDSize();
    // Over the window it belongs to, not in the middle of the screen.
    m_dvdSetting->adjustSize();
    QRect placed(QPoint(), m_dvdSetting->frameGeometry().size());
    placed.moveCenter(widgetFrame()->frameGeometry().center());
    m_dvdSetting->move(placed.topLeft());
    m_dvdSetting->exec();
    restorePreviewAfterGeneration();
}

void EditorWindow::restorePreviewAfterGeneration()
{
    // The preview plays at most two channels, whatever the DVD got.
    m_format.audioChannels = qMin(m_format.audioChannels, 2);
    m_storyboard->setFormat(m_format);
    onStoryBoardDataChanged();
    // The player takes that format again (its textures and the sound output
    // at two channels); the frame at the position follows.
    ui->avPlayer->init(m_format);
    reseek();
}

bool EditorWindow::confirmCloseDuringRun()
{
    if (!m_dvdSetting || !m_dvdSetting->isRunning())
        return true;
    // As in the progress dialog: a disc check or erase is never cut short.
    const int state = m_progressDialog->workingState();
    if (state == CheckingDisc || state == ErasingDisc)
        return false;
    if (MessageBox::question(tr("Abort or not?"), QString(), QDialogButtonBox::Yes | QDialogButtonBox::No,
                             widgetFrame(), QDialogButtonBox::No) != QDialogButtonBox::Yes)
        return false;
    // The window closes once the run has stopped and cleaned up.
    m_closeAfterRun = true;
    m_dvdSetting->abortRun();
    return !m_dvdSetting->isRunning();
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
    for (QAction *a : ui->menuAfter_Burn->actions())
        a->setChecked(afterMakingActionOf(a) == chosen);
}

void EditorWindow::on_AfterBurnAction()
{
    const auto *sender = qobject_cast<QAction *>(QObject::sender());
    if (SettingsStore *pref = AppSettings::pref())
        pref->setValue(AppSettings::kAfterBurnAction, afterMakingActionCode(afterMakingActionOf(sender)));
    tickAfterBurnMenu();
}

void EditorWindow::on_postTaskActionIndexChanged(int index)
{
    const QList<QAction *> entries = ui->menuAfter_Burn->actions();
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

void EditorWindow::on_preferences_clicked()
{
    on_pause_clicked();
    PreferencesDialog preferences(widgetFrame());
    Desktop::moveCenter(&preferences);
    preferences.exec();
    tickAfterBurnMenu();
}

void EditorWindow::on_fileProperty()
{
    m_mediaInfo->show();
    m_mediaInfo->raise();
}

void EditorWindow::on_photoListContextMenu(bool onItem, const QPoint &pos)
{
    QMenu menu(this);
    if (onItem)
        menu.addAction(ui->actionDelete);
    menu.addAction(ui->actionClear);
    menu.addSeparator();
    menu.addAction(ui->actionSelect_All);
    if (onItem) {
        menu.addSeparator();
        menu.addAction(ui->actionTurn_Left);
        menu.addAction(ui->actionTurn_Right);
        menu.addAction(ui->actionMirror);
        menu.addAction(ui->actionFlip);
        menu.addAction(ui->actionAuto_Rotate_All_Phtotes);
        menu.addAction(ui->actionAuto_Rotate_Photoes_While_Importing);
        menu.addAction(ui->actionRestore);
    }
    menu.addSeparator();
    menu.addMenu(ui->menuSort_By);
    if (onItem) {
        menu.addSeparator();
        menu.addAction(ui->actionMove_Left);
        menu.addAction(ui->actionMove_Right);
    }
    menu.exec(pos);
}

void EditorWindow::on_audioListContextMenu(const QPoint &pos)
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
}

// ---------------------------------------------------------------------------
// Preview transport. The player holds the play position; the window's
// current frame follows it.

PreviewPlayer *EditorWindow::player() const
{
    return ui->avPlayer;
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
    const bool hasPhotos = !m_album->photos.isEmpty();
    const bool playing = m_playState == 1;
    const int total = m_storyboard->totalFrames();
    ui->play->setEnabled(hasPhotos && m_currentFrame < total && !playing);
    ui->pause->setEnabled(hasPhotos && playing);
    ui->stop->setEnabled(hasPhotos && m_playState != 0);
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui->spinBox, ui->spinBox_2, ui->checkBox,
                                          ui->checkBoxUseDynamicZoom, ui->checkBox_2, ui->checkBox_3})
        w->setEnabled(!playing);
    ui->adjustOrder->setEnabled(!playing);
    ui->radioButton->setEnabled(!playing && ui->checkBox->isChecked());
    ui->radioButton_2->setEnabled(!playing && ui->checkBox->isChecked() && !m_album->patternFiles.isEmpty());
    ui->syncAlbum->setEnabled(!playing && hasPhotos && !m_album->audios.isEmpty());
}

void EditorWindow::seekTo(int frame)
{
    on_pause_clicked();
    // An empty timeline asks for frame -1: the player shows nothing then.
    ui->avPlayer->showFrame(qMin(frame, m_storyboard->totalFrames() - 1));
    m_currentFrame = ui->avPlayer->position();
    updateProgress();
}

void EditorWindow::reseek()
{
    seekTo(m_currentFrame);
}

void EditorWindow::on_play_clicked()
{
    if (m_playState == 1 || m_album->photos.isEmpty() || m_currentFrame >= m_storyboard->totalFrames())
        return;
    PreviewPlayer *player = ui->avPlayer;
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

void EditorWindow::on_pause_clicked()
{
    if (m_playState != 1)
        return;
    ui->avPlayer->stopPlayback();
    m_storyboard->stopPrefetch();
    m_storyboard->wait();
    m_currentFrame = ui->avPlayer->position();
    m_previewTimer->stop();
    ui->position->setTracking(true);
    m_playState = 2;
    refreshControls();
    showInsteadOf(ui->play, ui->pause);
}

void EditorWindow::on_stop_clicked()
{
    on_pause_clicked();
    seekTo(0);
    ui->horizontalScrollBar->setValue(0);
    m_playState = 0;
    refreshControls();
}

void EditorWindow::on_previous_clicked()
{
    QListWidget *strip = m_activeStrip == 0 ? static_cast<QListWidget *>(ui->photoListWidget)
                                            : static_cast<QListWidget *>(ui->audioListWidget);
    if (strip->currentRow() > 0)
        strip->setCurrentRow(strip->currentRow() - 1);
}

void EditorWindow::on_next_clicked()
{
    QListWidget *strip = m_activeStrip == 0 ? static_cast<QListWidget *>(ui->photoListWidget)
                                            : static_cast<QListWidget *>(ui->audioListWidget);
    if (strip->currentRow() < strip->count() - 1)
        strip->setCurrentRow(strip->currentRow() + 1);
}

void EditorWindow::on_mute_clicked()
{
    ui->avPlayer->setVolume(0);
    ui->volume->setEnabled(false);
    showInsteadOf(ui->unmute, ui->mute);
}

void EditorWindow::on_unmute_clicked()
{
    ui->avPlayer->setVolume(ui->volume->value());
    ui->volume->setEnabled(true);
    showInsteadOf(ui->mute, ui->unmute);
}

void EditorWindow::on_volumePositionAction_triggered()
{
    // A click on the groove puts the handle under the pointer; the page
    // keys keep paging.
    const int value = Desktop::clickedSliderValue(ui->volume, 100);
    if (value >= 0)
        ui->volume->setSliderPosition(value);
}

void EditorWindow::on_sliderPosition_presssed()
{
    m_sliderHeld = true;
    on_pause_clicked();
}

void EditorWindow::on_sliderPosition_released()
{
    m_sliderHeld = false;
    seekTo(ui->position->value());
}

void EditorWindow::on_sliderPositionAction_triggered()
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

void EditorWindow::on_sliderPosition_changed(int value)
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
    QScrollBar *bar = ui->horizontalScrollBar;
    const int half = bar->width() / 2;
    const double offset = (half + bar->maximum()) * fraction - half;
    bar->setValue(offset > 0 ? int(offset) : 0);
}

void EditorWindow::changeScrollRange()
{
    QScrollBar *bar = ui->horizontalScrollBar;
    const int page = bar->width();
    bar->setPageStep(page);
    ui->photoListWidget->horizontalScrollBar()->setPageStep(page);
    ui->audioListWidget->horizontalScrollBar()->setPageStep(page);
    const int width = qMax(ui->photoListWidget->contentWidth(), ui->audioListWidget->contentWidth());
    m_stripFollowScale = 1.0;
    if (!m_album->isEmpty()) {
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
        m_currentFrame = ui->avPlayer->position();
    {
        const QSignalBlocker blocker(ui->position);
        if (total > 0) {
            ui->position->setValue(qMin(m_currentFrame, total));
            if (m_playState == 1)
                ui->horizontalScrollBar->setValue(
                    qMax(0, int(m_currentFrame * m_stripFollowScale) - ui->horizontalScrollBar->width() / 2));
        } else {
            ui->position->setValue(0);
            m_currentFrame = 0;
        }
    }
    ui->timeCode->setText(frameTimeText(m_currentFrame) + QStringLiteral(" / ") + frameTimeText(total));
    if (m_playState == 1 && m_currentFrame >= total)
        on_stop_clicked();
    refreshControls();
}

void EditorWindow::setupTransportKeys()
{
    // The preview area takes the keyboard focus when clicked, so the keys
    // below reach the window from it (a focused button, slider, strip or
    // field keeps its own use of them).
    ui->previewFrame->setFocusPolicy(Qt::StrongFocus);
    ui->avPlayer->setFocusPolicy(Qt::StrongFocus);
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
            on_pause_clicked();
        else if (ui->play->isEnabled())
            on_play_clicked();
        break;
    case Qt::Key_Home:
        on_stop_clicked();
        break;
    case Qt::Key_Left:
        on_previous_clicked();
        break;
    case Qt::Key_Right:
        on_next_clicked();
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
// Undo and redo: every change of the album is a step.

void EditorWindow::setChangeText(const QString &text, int mergeId)
{
    m_changeText = text;
    m_changeMerge = mergeId;
}

void EditorWindow::recordChange()
{
    if (m_restoring || !m_undo)
        return;
    AlbumSnapshot now = AlbumSnapshot::of(*m_album);
    if (now.sameAs(m_recorded))
        return;
    const QString text = m_changeText.isEmpty() ? tr("Change Album") : m_changeText;
    m_undo->push(new AlbumChangeCommand(
        text, m_recorded, now, [this](const AlbumSnapshot &s) { restoreSnapshot(s); }, m_changeMerge));
    m_recorded = std::move(now);
    m_changeText.clear();
    m_changeMerge = AlbumChangeCommand::NoMerge;
}

void EditorWindow::applyTvStandard(TvStandard standard)
{
    m_videoStandard = tvStandardName(standard);
    const OutputFormat rates = OutputFormat::forStandard(standard);
    m_format.frameRateNum = rates.frameRateNum;
    m_format.frameRateDen = rates.frameRateDen;
    m_storyboard->setFormat(m_format);
}

void EditorWindow::restoreSnapshot(const AlbumSnapshot &snapshot)
{
    on_pause_clicked();
    m_restoring = true;
    const bool standardChanged = snapshot.dvd.tvStandard != m_album->dvd.tvStandard;
    snapshot.applyTo(*m_album);
    if (standardChanged)
        applyTvStandard(snapshot.dvd.tvStandard);
    loadAlbumSettings();
    ui->photoListWidget->setPhotoList(snapshot.photos);
    ui->audioListWidget->setAudioList(snapshot.audios);
    m_restoring = false;
    m_recorded = AlbumSnapshot::of(*m_album);
    onStoryBoardDataChanged();
    if (m_activeStrip == 1)
        audioItemSelectChanged();
    else
        photoItemSelectChanged();
    reseek();
}

void EditorWindow::setDvdChoices(const DvdChoices &choices)
{
    if (choices == m_album->dvd)
        return;
    setChangeText(tr("DVD Settings"));
    if (choices.tvStandard != m_album->dvd.tvStandard)
        applyTvStandard(choices.tvStandard);
    m_album->dvd = choices;
    onStoryBoardDataChanged();
}

// ---------------------------------------------------------------------------
// Projects.

void EditorWindow::updateTitle()
{
    if (!widgetFrame() || !m_undo)
        return;
    const QString product = Application::instance() && Application::instance()->pref()
                                ? Application::instance()->pref()->productName()
                                : AppPaths::productName();
    const QString name =
        m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).completeBaseName();
    widgetFrame()->setWindowTitle(name + QStringLiteral("[*] - ") + product);
    widgetFrame()->setWindowModified(!m_undo->isClean());
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
    return QCoreApplication::translate("Sorvel", "Sorvel Projects (*.sorvel)") + QStringLiteral(";;") +
           QCoreApplication::translate("Sorvel", "All Files (*)");
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
    if (!m_undo || m_undo->isClean())
        return true;
    const QString name = m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).fileName();
    const auto answer = MessageBox::question(
        tr("The album \"%1\" has changes that are not saved.\nDo you want to save them?").arg(name),
        QString(), QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel,
        widgetFrame(), QDialogButtonBox::Save);
    if (answer == QDialogButtonBox::Save)
        return on_saveProject();
    return answer == QDialogButtonBox::Discard;
}

bool EditorWindow::queryClose()
{
    // A DVD being made is aborted first (the window closes once the run
    // has cleaned up), then unsaved changes are offered for saving.
    if (!confirmCloseDuringRun())
        return false;
    on_pause_clicked();
    return maybeSave();
}

void EditorWindow::on_newProject()
{
    if (!maybeSave())
        return;
    on_stop_clicked();
    Album fresh;
    fresh.dvd.tvStandard = AppSettings::currentVideoStandard();
    m_projectPath.clear();
    restoreSnapshot(AlbumSnapshot::of(fresh));
    m_undo->clear();
    updateTitle();
}

void EditorWindow::on_openProject()
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
    on_pause_clicked();
    Project::Data data;
    QString error;
    if (!Project::read(path, &data, &error)) {
        MessageBox::alert(error, QString(), widgetFrame());
        return false;
    }
    // The files are read into a copy, so a cancelled open changes nothing.
    Album loaded(*m_album);
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
    m_projectPath = QFileInfo(path).absoluteFilePath();
    restoreSnapshot(AlbumSnapshot::of(loaded));
    m_undo->clear();
    updateTitle();
    addRecentProject(m_projectPath);
    if (!missing.isEmpty()) {
        QString text =
            tr("Some files of the project are missing or cannot be read and have been left out:\n");
        for (const QString &file : std::as_const(missing))
            text += QDir::toNativeSeparators(file) + QLatin1Char('\n');
        MessageBox::info(text, QString(), widgetFrame());
    }
    return true;
}

bool EditorWindow::saveProjectTo(const QString &path)
{
    QString error;
    if (!Project::save(*m_album, path, &error)) {
        MessageBox::alert(error, QString(), widgetFrame());
        return false;
    }
    m_projectPath = QFileInfo(path).absoluteFilePath();
    m_undo->setClean();
    updateTitle();
    addRecentProject(m_projectPath);
    return true;
}

bool EditorWindow::on_saveProject()
{
    if (m_projectPath.isEmpty())
        return on_saveProjectAs();
    return saveProjectTo(m_projectPath);
}

bool EditorWindow::on_saveProjectAs()
{
    on_pause_clicked();
    const QString suggested = m_projectPath.isEmpty()
                                  ? QDir(AppSettings::photoLastDir(AppSettings::pref()))
                                        .filePath(tr("Untitled") + QStringLiteral(".sorvel"))
                                  : m_projectPath;
    QString path =
        FileChooser::getSaveFileName(widgetFrame(), tr("Save Project As"), suggested, projectFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".sorvel");
    return saveProjectTo(path);
}
