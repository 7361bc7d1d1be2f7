// "Create DVD" and "Preferences" from the editor window, as a person uses
// them: the sample album imported through the window's import commands,
// "Burn" opens "DVD Settings", which is answered like a person would, and
// the progress dialog runs through its rows to the end. The DVD is read
// back with libdvdread and decoded completely with FFmpeg. A robot clicks
// the modal dialogs when they appear.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QUndoStack>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <csignal>

#include "album/appsettings.h"
#include "dialogtestutil.h"
#include "framework/terminationsignals.h"
#include "dvdcheck.h"
#include "window/previewplayer.h"
#include "engine/storyboardrender.h"
#include "desktop/application.h"
#include "framework/poweraction.h"
#include "framework/settingsstore.h"
#include "dialogs/destinationbox.h"
#include "window/editorwindow.h"
#include "dialogs/bitratedialog.h"
#include "dialogs/progressdialog.h"
#include "dialogs/dvdmaking.h"
#include "dialogs/dvdsettingsdialog.h"
#include "dialogs/exportvideodialog.h"
#include "dialogs/videoexport.h"
#include "job/makejob.h"

namespace {

// Runs queued steps in order, each once its condition holds; steps may
// open modal dialogs, and later steps still run inside those.
class Robot : public QObject
{
public:
    struct Step {
        QString name;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    // When a step has not come after timeoutMs, the modal loops are ended
    // so that the test reports it instead of hanging.
    explicit Robot(int timeoutMs = 120000)
    {
        m_watchdog.setSingleShot(true);
        m_watchdog.setInterval(timeoutMs);
        connect(&m_watchdog, &QTimer::timeout, this, [this] {
            if (m_steps.isEmpty())
                return;
            qWarning("robot: step \"%s\" never came", qPrintable(m_steps.first().name));
            QCoreApplication::exit(1);
        });
        m_watchdog.start();
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_steps.isEmpty() || !m_steps.first().ready())
                return;
            const Step step = m_steps.takeFirst();
            done << step.name;
            step.act();
        });
        m_timer.start();
    }
    void add(const QString &name, std::function<bool()> ready, std::function<void()> act)
    {
        m_steps.append({name, std::move(ready), std::move(act)});
    }
    QStringList done;

private:
    QList<Step> m_steps;
    QTimer m_timer;
    QTimer m_watchdog;
};

// Whole seconds as the window's time code shows them.
QString timeText(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The whole virtual screen: the window with its dialogs over it.
void saveScreen(const QString &name)
{
    const QString dir = qEnvironmentVariable("SORVEL_TEST_TMP", QDir::tempPath()) + QStringLiteral("/shots");
    QDir().mkpath(dir);
    QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QLatin1Char('/') + name +
                                                         QStringLiteral(".png"));
}

bool modalIs(QWidget *widget)
{
    return widget && widget->isVisible() && QApplication::activeModalWidget() == widget;
}

} // namespace

class TestWindowDvd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void isoFromTheSampleAlbum();
    void folderFromTheSampleAlbum();
    void pseudoDriveTwoCopiesFromTheSampleAlbum();
    void videoFromTheSampleAlbum();
    void preferencesFromTheWindow();
    void settingsFitSmallWindows();
    void menuChoicesFromTheWindow();
    void aRunEndingByItselfWithdrawsTheQuestion();
    // Last: closing the window ends the application's event loops.
    void closingTheWindowDuringARunAsks();
    void terminationDuringARunAbortsWithoutAsking();

private:
    template <typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    void importSampleAlbum();
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<EditorWindow> m_window;
    QString m_temp;
    QList<PowerAction::Request> m_power;
};

void TestWindowDvd::initTestCase()
{
    // The preview plays through OpenAL Soft's null backend.
    qputenv("ALSOFT_DRIVERS", "null");
    Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
    // The machine is never suspended: the action after making is recorded.
    PowerAction::setRequestHandler([this](const PowerAction::Request &request) {
        m_power.append(request);
        return true;
    });
}

void TestWindowDvd::init()
{
    m_temp = TestSupport::freshDir(QStringLiteral("windowdvd-temp"));
    SettingsStore *pref = Application::instance()->pref();
    pref->setValue(AppSettings::kTemporaryDir, m_temp);
    pref->remove(AppSettings::kAfterBurnAction);
    m_power.clear();
    m_window = std::make_unique<EditorWindow>();
    m_window->show(true);
    QVERIFY(QTest::qWaitForWindowExposed(m_window->widgetFrame()));
}

void TestWindowDvd::cleanup()
{
    m_window.reset();
}

void TestWindowDvd::importSampleAlbum()
{
    const QString album = qEnvironmentVariable("SORVEL_SOURCE_DIR") + QStringLiteral("/samples/album");
    ChooserRecorder chooser;
    chooser.answers << album;
    click(child<QToolButton>("importPictureDir"));
    QTRY_COMPARE_WITH_TIMEOUT(m_window->album()->photos.size(), 9, 60000);
    chooser.answers << album + QStringLiteral("/music.mp3");
    click(child<QToolButton>("importAudio"));
    QTRY_COMPARE_WITH_TIMEOUT(m_window->album()->audios.size(), 1, 30000);
    // A short show: one second per photo, half a second per transition.
    for (auto [name, ms] : {std::pair{"photoDuration", 1000}, std::pair{"transitionDuration", 500}}) {
        auto *box = child<QSpinBox>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::number(ms));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->value(), ms);
    }
    QVERIFY(child<QPushButton>("burn")->isEnabled());
    QVERIFY(child<QAction>("actionCreate_DVD")->isEnabled());
}

void TestWindowDvd::isoFromTheSampleAlbum()
{
    importSampleAlbum();
    const double seconds = m_window->album()->videoLength();
    QVERIFY(seconds > 12 && seconds < 14); // durations snap to whole frames
    const QString out = TestSupport::freshDir(QStringLiteral("windowdvd-iso"));
    const QString iso = out + QStringLiteral("/sample.iso");
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    ProgressDialog *progress = m_window->dvdMaking()->progressDialog();
    // The window's bar and the dialog's bar show the same estimate.
    QCOMPARE(m_window->estimatedDvdSize(), MakeJob::estimateDvdSize(9000000, 192000, seconds));

    Robot robot;
    QStringList rows;
    QString title, result;
    robot.add(
        "settings", [&] { return modalIs(settings); },
        [&] {
            // The preview stopped playing when "Create DVD" was clicked.
            QVERIFY(m_window->playState() != 1);
            QVERIFY(!m_window->player()->isPlaying());
            QVERIFY(settings->targetComboBox()->setIsoTarget(iso));
            QVERIFY(chooseEntry(settings->findChild<QComboBox *>(QStringLiteral("channelComboBox")),
                                QStringLiteral("5.1 (D.D.)")));
            // A custom rate of 6.5 Mbit/s (typed in the next step) shows as
            // "6.5Mbps"; both capacity bars follow it.
            auto *quality = settings->findChild<QComboBox *>(QStringLiteral("videoQualityComboBox"));
            Robot inner; // answers the dialog opened inside this step
            inner.add(
                "custom bit rate", [&] { return modalIs(settings->findChild<BitRateDialog *>()); },
                [&] {
                    auto *dialog = settings->findChild<BitRateDialog *>();
                    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("lineEditBitRate"));
                    QTest::keyClicks(edit, QStringLiteral("6.5"));
                    saveShot(dialog, QStringLiteral("window-bitrate"));
                    QTest::keyClick(edit, Qt::Key_Return);
                });
            QVERIFY(chooseEntry(quality, QStringLiteral("Customize")));
            QCOMPARE(inner.done, QStringList{QStringLiteral("custom bit rate")});
            QCOMPARE(quality->currentIndex(), -1);
            QCOMPARE(quality->currentText(), QString());
            QCOMPARE(m_window->dvdChoices().videoBitRate, 6500000);
            QCOMPARE(settings->dvdSize(), MakeJob::estimateDvdSize(6500000, 192000, seconds));
            QCOMPARE(m_window->estimatedDvdSize(), settings->dvdSize());
            saveShot(settings, QStringLiteral("window-settings"));
            saveScreen(QStringLiteral("window-settings-screen"));
            click(settings->findChild<QPushButton *>(QStringLiteral("btnBurn")));
        });
    robot.add(
        "after making", [&] { return modalIs(progress) && m_window->job()->isRunning(); },
        [&] {
            // The preview draws with its own OpenGL context between the
            // frames the DVD's renderer draws on the same thread.
            const QImage preview = m_window->player()->grabFramebuffer();
            QVERIFY(!preview.isNull());
            QVERIFY(preview.pixel(preview.width() / 2, preview.height() / 2) != preview.pixel(0, 0));
            // Chosen while the DVD is made; the window's menu follows.
            QVERIFY(chooseEntry(progress->findChild<QComboBox *>(QStringLiteral("postTaskActions")),
                                QStringLiteral("Hibernate")));
            saveShot(progress, QStringLiteral("window-progress"));
            QTest::qWait(300); // the X server draws the dialog that just came up
            saveScreen(QStringLiteral("window-progress-screen"));
        });
    robot.add(
        "close",
        [&] {
            return modalIs(progress) && progress->showsEnd() &&
                   progress->shownOutcome() == JobResult::Succeeded;
        },
        [&] {
            title = progress->findChild<QLabel *>(QStringLiteral("lblLargeTitle"))->text();
            result = progress->findChild<QLabel *>(QStringLiteral("lblResult"))->text();
            for (int r = 0; r < 3; ++r)
                rows << QString::number(progress->rowIcon(r));
            saveShot(progress, QStringLiteral("window-progress-end"));
            click(progress->findChild<QPushButton *>(QStringLiteral("btnFinish")));
        });
    // The preview plays when "Create DVD" is clicked.
    click(child<QToolButton>("play"));
    QCOMPARE(m_window->playState(), 1);
    click(child<QPushButton>("burn"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_window->job()->isRunning() && !settings->isVisible() && !progress->isVisible(), 180000);
    QCOMPARE(robot.done, (QStringList{"settings", "after making", "close"}));
    QCOMPARE(title, QStringLiteral("Created Successfully!"));
    QCOMPARE(rows, QStringList(3, QString::number(ProgressDialog::IconSuccess)));
    QCOMPARE(result, QStringLiteral("The DVD image is %1").arg(iso));

    // The action after making: chosen in the list, ticked in the menu, run.
    QVERIFY(child<QAction>("actionHibernate")->isChecked());
    QCOMPARE(AppSettings::afterBurnAction(Application::instance()->pref()), AfterMakingAction::Hibernate);
    QCOMPARE(m_power.size(), 1);
    QCOMPARE(m_power.first().method, QStringLiteral("Hibernate"));
    // The preview is back at two channels; the window keeps the choice.
    QCOMPARE(m_window->outputFormat().audioChannels, 2);
    QCOMPARE(m_window->storyboard()->format().audioChannels, 2);
    QCOMPARE(m_window->player()->format().audioChannels, 2);
    QCOMPARE(m_window->dvdChoices().audioChannels, 6);
    // ... and plays again.
    click(child<QToolButton>("play"));
    QCOMPARE(m_window->playState(), 1);
    QVERIFY(m_window->player()->isPlaying());
    click(child<QToolButton>("pause"));
    QVERIFY(child<QPushButton>("burn")->isEnabled());
    QVERIFY(entries(m_temp).isEmpty());

    const DvdCheck::Disc disc = DvdCheck::read(iso);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    const DvdCheck::Title &t = disc.titles[0];
    QCOMPARE(t.pal, 1);
    QCOMPARE(t.height, 576);
    QVERIFY2(qAbs(t.seconds - seconds) <= 1.0, qPrintable(QString::number(t.seconds)));
    QCOMPARE(t.audio.size(), 1);
    QCOMPARE(t.audio[0].channels, 6);
    const DvdCheck::DecodeResult d =
        DvdCheck::decodeTitle(iso, t.titleSet, out + QStringLiteral("/title.vob"));
    QVERIFY2(d.ok, qPrintable(d.error));
    QCOMPARE(d.errors, 0);
    QVERIFY(d.audioFrames > 0);
    QVERIFY2(qAbs(d.videoFrames - seconds * 25) <= 2, qPrintable(QString::number(d.videoFrames)));
    // The window's length is the DVD's, to the frame, and its time code
    // says so.
    QCOMPARE(d.videoFrames, m_window->storyboard()->totalFrames());
    QVERIFY2(child<QLabel>("timeCode")->text().endsWith(QStringLiteral(" / ") + timeText(d.videoFrames / 25)),
             qPrintable(child<QLabel>("timeCode")->text()));
}

void TestWindowDvd::folderFromTheSampleAlbum()
{
    importSampleAlbum();
    const double seconds = m_window->album()->videoLength();
    const QString out = TestSupport::freshDir(QStringLiteral("windowdvd-folder"));
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    ProgressDialog *progress = m_window->dvdMaking()->progressDialog();
    Robot robot;
    QString result;
    robot.add(
        "settings", [&] { return modalIs(settings); },
        [&] {
            QVERIFY(settings->targetComboBox()->setFolderTarget(out));
            // NTSC chosen here: the album and the preview follow it.
            QVERIFY(chooseEntry(settings->findChild<QComboBox *>(QStringLiteral("tvModeComboBox")),
                                QStringLiteral("NTSC")));
            QCOMPARE(m_window->dvdChoices().tvStandard, TvStandard::Ntsc);
            click(settings->findChild<QPushButton *>(QStringLiteral("btnBurn")));
        });
    robot.add(
        "close",
        [&] {
            return modalIs(progress) && progress->showsEnd() &&
                   progress->shownOutcome() == JobResult::Succeeded;
        },
        [&] {
            result = progress->findChild<QLabel *>(QStringLiteral("lblResult"))->text();
            click(progress->findChild<QPushButton *>(QStringLiteral("btnFinish")));
        });
    click(child<QPushButton>("burn"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_window->job()->isRunning() && !settings->isVisible() && !progress->isVisible(), 180000);
    QCOMPARE(robot.done, (QStringList{"settings", "close"}));
    const QString folder = out + QStringLiteral("/My DVD");
    QCOMPARE(result, QStringLiteral("The DVD folder is %1").arg(folder));
    QCOMPARE(m_window->outputFormat().frameRateNum, 30000);
    QCOMPARE(m_window->player()->format().frameRateNum, 30000);
    QVERIFY(entries(m_temp).isEmpty());
    const DvdCheck::Disc disc = DvdCheck::read(folder);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    QCOMPARE(disc.titles[0].pal, 0);
    QCOMPARE(disc.titles[0].height, 480);
    QVERIFY2(qAbs(disc.titles[0].seconds - seconds) <= 1.0,
             qPrintable(QString::number(disc.titles[0].seconds)));
    const DvdCheck::DecodeResult d =
        DvdCheck::decodeTitle(folder, disc.titles[0].titleSet, out + QStringLiteral("/title.vob"));
    QVERIFY2(d.ok, qPrintable(d.error));
    QCOMPARE(d.errors, 0);
    QVERIFY(d.audioFrames > 0);
    // At NTSC's rate too the window counts the DVD's frames.
    QCOMPARE(d.videoFrames, m_window->storyboard()->totalFrames());
    QVERIFY2(child<QLabel>("timeCode")
                 ->text()
                 .endsWith(QStringLiteral(" / ") + timeText(int(d.videoFrames * 1001LL / 30000))),
             qPrintable(child<QLabel>("timeCode")->text()));
    // The stored standard goes back for the tests after this one.
    Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
}

void TestWindowDvd::pseudoDriveTwoCopiesFromTheSampleAlbum()
{
    importSampleAlbum();
    const QString out = TestSupport::freshDir(QStringLiteral("windowdvd-drive"));
    const QString image = out + QStringLiteral("/disc.img");
    MessageRecorder boxes;
    boxes.answers = {QDialogButtonBox::Yes}; // the second copy goes over the first
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    ProgressDialog *progress = m_window->dvdMaking()->progressDialog();
    Robot robot;
    QString result;
    bool burnNextShown = false;
    robot.add(
        "settings", [&] { return modalIs(settings); },
        [&] {
            QVERIFY(settings->targetComboBox()->setRecorderTarget(QStringLiteral("stdio:") + image));
            auto *copies = settings->findChild<QSpinBox *>(QStringLiteral("copySpinBox"));
            QVERIFY(copies->isEnabled());
            copies->setFocus();
            copies->selectAll();
            QTest::keyClicks(copies, QStringLiteral("2"));
            QCOMPARE(copies->value(), 2);
            click(settings->findChild<QPushButton *>(QStringLiteral("btnBurn")));
        });
    robot.add(
        "close",
        [&] {
            return modalIs(progress) && progress->showsEnd() &&
                   progress->shownOutcome() == JobResult::Succeeded;
        },
        [&] {
            result = progress->findChild<QLabel *>(QStringLiteral("lblResult"))->text();
            burnNextShown = progress->findChild<QPushButton *>(QStringLiteral("btnBurnNext"))->isVisible();
            saveShot(progress, QStringLiteral("window-progress-burnt"));
            click(progress->findChild<QPushButton *>(QStringLiteral("btnFinish")));
        });
    click(child<QPushButton>("burn"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_window->job()->isRunning() && !settings->isVisible() && !progress->isVisible(), 180000);
    QCOMPARE(robot.done, (QStringList{"settings", "close"}));
    QVERIFY(burnNextShown);
    QCOMPARE(result, QStringLiteral("The DVD was burnt in stdio:%1.").arg(image));
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY2(boxes.texts().first().startsWith(QStringLiteral("The disc in the drive is not blank.")),
             qPrintable(boxes.texts().first()));
    QVERIFY(entries(m_temp).isEmpty());
    const DvdCheck::Disc disc = DvdCheck::read(image);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    const DvdCheck::DecodeResult d =
        DvdCheck::decodeTitle(image, disc.titles[0].titleSet, out + QStringLiteral("/title.vob"));
    QVERIFY2(d.ok && d.errors == 0, qPrintable(d.error));
}

void TestWindowDvd::videoFromTheSampleAlbum()
{
    // "Export Video..." from the File menu (the Actions menu has it too):
    // a file name typed without ".mp4", 720p upright for phones; the same
    // progress dialog shows the file's one stage and ends with its folder.
    importSampleAlbum();
    auto *action = child<QAction>("actionExport_Video");
    QVERIFY(action && action->isEnabled());
    QVERIFY(child<QMenu>("menuFile")->actions().contains(action));
    QVERIFY(child<QMenu>("menuActions")->actions().contains(action));
    const QString out = TestSupport::freshDir(QStringLiteral("windowdvd-video"));
    ExportVideoDialog *dialog = m_window->videoExport()->dialog();
    ProgressDialog *progress = m_window->dvdMaking()->progressDialog();
    const int undoBefore = m_window->undoStack()->count();
    ChooserRecorder chooser;
    chooser.answers << out + QStringLiteral("/phone");
    FileManagerRecorder files;
    Robot robot;
    QString result;
    QStringList rows;
    robot.add(
        "export", [&] { return modalIs(dialog); },
        [&] {
            QVERIFY(unnamedControls(dialog).isEmpty());
            click(dialog->browseButton());
            QCOMPARE(dialog->fileEdit()->text(), out + QStringLiteral("/phone.mp4"));
            const QString before = dialog->estimateText();
            QVERIFY(chooseEntry(dialog->sizeBox(), QStringLiteral("720p (HD)")));
            QVERIFY(chooseEntry(dialog->shapeBox(), QStringLiteral("9:16 (upright, for phones)")));
            // The estimate follows the choices and names the picture's size.
            QVERIFY(dialog->estimateText() != before);
            QVERIFY2(dialog->estimateText().contains(QStringLiteral("720 x 1280")),
                     qPrintable(dialog->estimateText()));
            for (QSize size : {QSize(1280, 800), QSize(1024, 700)}) {
                dialog->resize(dialog->sizeHint().boundedTo(size));
                saveShot(dialog, QStringLiteral("export-video-%1x%2").arg(size.width()).arg(size.height()));
            }
            click(dialog->exportButton());
        });
    robot.add(
        "close",
        [&] {
            return modalIs(progress) && progress->showsEnd() &&
                   progress->shownOutcome() == JobResult::Succeeded;
        },
        [&] {
            result = progress->findChild<QLabel *>(QStringLiteral("lblResult"))->text();
            for (int row = 0; row < ProgressDialog::kRowCount; ++row) {
                auto *label = progress->findChild<QLabel *>(
                    QStringLiteral("labelinfostep%1").arg(row + 1, 2, 10, QLatin1Char('0')));
                if (label && label->isVisible())
                    rows << label->text();
            }
            auto *openFolder = progress->findChild<QPushButton *>(QStringLiteral("btnOpenFolder"));
            QVERIFY(openFolder && openFolder->isVisible());
            saveShot(progress, QStringLiteral("export-video-progress"));
            click(openFolder);
            click(progress->findChild<QPushButton *>(QStringLiteral("btnFinish")));
        });
    action->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->job()->isRunning() && !dialog->isVisible() && !progress->isVisible(),
                             240000);
    QCOMPARE(robot.done, (QStringList{"export", "close"}));
    QCOMPARE(rows, QStringList{QStringLiteral("Creating video")});
    const QString file = out + QStringLiteral("/phone.mp4");
    QCOMPARE(result, QStringLiteral("The video file is %1").arg(file));
    QCOMPARE(files.opened, (QList<QUrl>{QUrl::fromLocalFile(out)}));
    QVERIFY(QFileInfo(file).size() > 0);
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".part")));
    // The choices are the album's now, one undo step.
    QCOMPARE(m_window->album()->video.file, file);
    QCOMPARE(m_window->album()->video.shape, VideoShape::Portrait);
    QCOMPARE(m_window->album()->video.size, VideoSize::P720);
    QCOMPARE(m_window->undoStack()->count(), undoBefore + 1);
    m_window->undoStack()->undo();
    QCOMPARE(m_window->album()->video, VideoChoices());
    // A frame of the upright file for a person to look at.
    TestSupport::ffmpeg({QStringLiteral("-y"), QStringLiteral("-ss"), QStringLiteral("2.2"),
                         QStringLiteral("-i"), file, QStringLiteral("-frames:v"), QStringLiteral("1"),
                         qEnvironmentVariable("SORVEL_TEST_TMP", QDir::tempPath()) +
                             QStringLiteral("/shots/export-video-9x16-frame.png")});
}

void TestWindowDvd::preferencesFromTheWindow()
{
    auto *action = child<QAction>("actionPreferences");
    QVERIFY(action->isEnabled());
    Robot robot;
    robot.add(
        "preferences",
        [] {
            QWidget *modal = QApplication::activeModalWidget();
            return modal && modal->objectName() == QLatin1String("PreferencesDialog");
        },
        [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            dialog->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
            QVERIFY(chooseEntry(dialog->findChild<QComboBox *>(QStringLiteral("afterMakingAction")),
                                QStringLiteral("Stand By")));
            auto *box = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            click(box->button(QDialogButtonBox::Ok));
        });
    action->trigger();
    QCOMPARE(robot.done, QStringList{"preferences"});
    QVERIFY(child<QAction>("actionStand_By")->isChecked());
    QVERIFY(!child<QAction>("actionDo_Nothing")->isChecked());
    QCOMPARE(AppSettings::afterBurnAction(Application::instance()->pref()), AfterMakingAction::StandBy);
}

void TestWindowDvd::closingTheWindowDuringARunAsks()
{
    importSampleAlbum();
    // The run stays in the authoring step long enough to be interrupted.
    const QString slow = TestSupport::slowEndingMultiplexerFolder(5);
    QVERIFY(!slow.isEmpty());
    PathPrefix path(slow);
    MessageRecorder boxes;
    // No, Yes to "Abort or not?", then the album's changes are discarded.
    boxes.answers = {QDialogButtonBox::No, QDialogButtonBox::Yes, QDialogButtonBox::Discard};
    const QString out = TestSupport::freshDir(QStringLiteral("windowdvd-close"));
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    ProgressDialog *progress = m_window->dvdMaking()->progressDialog();
    QMainWindow *frame = m_window->widgetFrame();
    bool stillRunningAfterNo = false;
    Robot robot;
    robot.add(
        "settings", [&] { return modalIs(settings); },
        [&] {
            QVERIFY(settings->targetComboBox()->setFolderTarget(out));
            click(settings->findChild<QPushButton *>(QStringLiteral("btnBurn")));
        });
    robot.add(
        "close, no",
        [&] {
            return modalIs(progress) && !progress->showsEnd() &&
                   progress->shownStage() == JobStage::CreatingDvd;
        },
        [&] {
            QCloseEvent close;
            QApplication::sendEvent(frame, &close);
            stillRunningAfterNo = !close.isAccepted() && m_window->job()->isRunning() && frame->isVisible();
        });
    robot.add(
        "close, yes", [&] { return stillRunningAfterNo && modalIs(progress); },
        [&] {
            QCloseEvent close;
            QApplication::sendEvent(frame, &close);
        });
    // The window closes once the run has stopped (the application would
    // end there; a test has no event loop of its own to end, so the
    // progress dialog's own Close finishes the picture).
    robot.add(
        "window closed", [&] { return !frame->isVisible() && modalIs(progress); },
        [&] {
            QCOMPARE(progress->findChild<QLabel *>(QStringLiteral("lblLargeTitle"))->text(),
                     QStringLiteral("Aborted"));
            click(progress->findChild<QPushButton *>(QStringLiteral("btnFinish")));
        });
    click(child<QPushButton>("burn"));
    QTRY_VERIFY_WITH_TIMEOUT(!frame->isVisible(), 60000);
    // The robot looks every 5 ms, this loop every 50 ms: the window may be
    // seen closed before the robot has taken its last step.
    QTRY_VERIFY_WITH_TIMEOUT(robot.done.size() >= 4, 10000);
    QVERIFY(stillRunningAfterNo);
    QCOMPARE(robot.done, (QStringList{"settings", "close, no", "close, yes", "window closed"}));
    const QStringList texts = boxes.texts();
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts.mid(0, 2), QStringList(2, QStringLiteral("Abort or not?")));
    QVERIFY2(texts.at(2).contains(QStringLiteral("changes that are not saved")), qPrintable(texts.at(2)));
    QVERIFY(!m_window->job()->isRunning());
    QVERIFY(entries(out).isEmpty() || entries(out + QStringLiteral("/My DVD")).isEmpty());
    QVERIFY(entries(m_temp).isEmpty());
}

void TestWindowDvd::settingsFitSmallWindows()
{
    // DVD Settings over the window at 1280x800 and at 1024x700: the dialog
    // is no larger than the window and none of its controls is cut off.
    importSampleAlbum();
    QWidget *frame = m_window->widgetFrame();
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    for (const QSize size : {QSize(1280, 800), QSize(1024, 700)}) {
        frame->resize(size);
        QTRY_COMPARE(frame->size(), size);
        Robot robot;
        robot.add(
            "settings", [&] { return modalIs(settings); },
            [&] {
                QTest::qWait(300); // the X server draws the dialog that just came up
                saveScreen(QStringLiteral("window-settings-%1x%2").arg(size.width()).arg(size.height()));
                // Clicked first, so that a failed check below leaves no dialog open.
                QTimer::singleShot(0, settings->findChild<QPushButton *>(QStringLiteral("btnCancel")),
                                   &QPushButton::click);
                QVERIFY2(settings->width() <= size.width() && settings->height() <= size.height(),
                         qPrintable(QStringLiteral("%1x%2").arg(settings->width()).arg(settings->height())));
                // It stays over the window it was opened from.
                QVERIFY2(frame->frameGeometry().contains(settings->geometry()),
                         qPrintable(QStringLiteral("%1,%2 %3x%4")
                                        .arg(settings->x())
                                        .arg(settings->y())
                                        .arg(settings->width())
                                        .arg(settings->height()) +
                                    QStringLiteral(" window %1,%2 %3x%4")
                                        .arg(frame->x())
                                        .arg(frame->y())
                                        .arg(frame->frameGeometry().width())
                                        .arg(frame->frameGeometry().height())));
                for (QWidget *w : settings->findChildren<QWidget *>()) {
                    if (w->isVisible() &&
                        (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)))
                        QVERIFY2(
                            settings->rect().contains(QRect(w->mapTo(settings, QPoint(0, 0)), w->size())),
                            qPrintable(w->objectName()));
                }
            });
        click(child<QPushButton>("burn"));
        QTRY_VERIFY(!settings->isVisible());
        QCOMPARE(robot.done, QStringList{QStringLiteral("settings")});
    }
}

// The menu's title, background and music chosen in DVD Settings over the
// window: the background list names the album's photos, each choice is
// the album's at once, typing the title is one undo step, and undo takes
// every choice back.
void TestWindowDvd::menuChoicesFromTheWindow()
{
    importSampleAlbum();
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    QUndoStack *undo = m_window->undoStack();
    const int steps = undo->count();
    const DvdChoices before = m_window->dvdChoices();
    QVERIFY(before.menu && before.menuChoices.music);
    Robot robot;
    robot.add(
        "settings", [&] { return modalIs(settings); },
        [&] {
            // Closed when the step ends, also when a check below fails.
            const auto close = qScopeGuard([settings] {
                QTimer::singleShot(0, settings->findChild<QPushButton *>(QStringLiteral("btnCancel")),
                                   &QPushButton::click);
            });
            auto *title = settings->findChild<QLineEdit *>(QStringLiteral("menuTitleEdit"));
            auto *background = settings->findChild<QComboBox *>(QStringLiteral("menuBackgroundComboBox"));
            auto *music = settings->findChild<QCheckBox *>(QStringLiteral("menuMusicCheckBox"));
            QVERIFY(title && background && music);
            // The sample album has music: offered and on.
            QVERIFY(music->isEnabled() && music->isChecked());
            QCOMPARE(background->count(), 1 + 9);
            QCOMPARE(background->itemText(3), QStringLiteral("03-tower.jpg"));
            QVERIFY(!background->itemIcon(3).isNull());
            auto *label = settings->findChild<QLineEdit *>(QStringLiteral("volumeEdit"));
            label->setFocus();
            label->selectAll();
            QTest::keyClicks(label, QStringLiteral("WALK"));
            title->setFocus();
            QTest::keyClicks(title, QStringLiteral("Our Walk"));
            QVERIFY(chooseEntry(background, QStringLiteral("03-tower.jpg")));
            QTest::mouseClick(music, Qt::LeftButton, {}, QPoint(8, music->height() / 2));
            saveShot(settings, QStringLiteral("window-settings-menu"));
        });
    click(child<QPushButton>("burn"));
    QTRY_VERIFY(!settings->isVisible());
    QCOMPARE(robot.done, QStringList{QStringLiteral("settings")});

    const MenuChoices chosen = m_window->dvdChoices().menuChoices;
    QCOMPARE(chosen.title, QStringLiteral("Our Walk"));
    QCOMPARE(chosen.backdrop, MenuBackdrop::Photo);
    QCOMPARE(chosen.photo, m_window->album()->photos.at(2).path);
    QVERIFY(!chosen.music);
    QCOMPARE(m_window->album()->dvd.menuChoices, chosen);
    QCOMPARE(m_window->dvdChoices().volumeLabel, QStringLiteral("WALK"));
    // Four letters of label, eight of title, a background, the music: four
    // steps.
    QCOMPARE(undo->count(), steps + 4);
    undo->undo();
    QVERIFY(m_window->dvdChoices().menuChoices.music);
    undo->undo();
    QCOMPARE(m_window->dvdChoices().menuChoices.backdrop, MenuBackdrop::FirstPhoto);
    undo->undo();
    QVERIFY(m_window->dvdChoices().menuChoices.title.isEmpty());
    QCOMPARE(m_window->dvdChoices().volumeLabel, QStringLiteral("WALK"));
    undo->undo();
    QCOMPARE(m_window->dvdChoices(), before);
}

void TestWindowDvd::aRunEndingByItselfWithdrawsTheQuestion()
{
    // "Abort or not?" asked (a real box, nobody answers) while the run is
    // in its last step: the run ends by itself, and the question goes with
    // it instead of standing over "Created Successfully!".
    importSampleAlbum();
    const QString slow = TestSupport::slowEndingMultiplexerFolder(3);
    QVERIFY(!slow.isEmpty());
    PathPrefix path(slow);
    const QString out = TestSupport::freshDir(QStringLiteral("windowdvd-withdraw"));
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    ProgressDialog *progress = m_window->dvdMaking()->progressDialog();
    JobResult result;
    connect(m_window->job(), &MakeJob::finished, this, [&result](const JobResult &r) { result = r; });
    bool asked = false;
    bool answer = true;
    bool boxSeen = false;
    // Never hang: a box still open long after the run is closed, and the
    // test fails on its answer.
    QTimer rescue;
    rescue.setInterval(500);
    int afterEnd = 0;
    connect(&rescue, &QTimer::timeout, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            boxSeen = true;
            if (!m_window->job()->isRunning() && ++afterEnd > 20)
                box->done(QMessageBox::Yes);
        }
    });
    rescue.start();
    Robot robot;
    robot.add(
        "settings", [&] { return modalIs(settings); },
        [&] {
            QVERIFY(settings->targetComboBox()->setFolderTarget(out));
            click(settings->findChild<QPushButton *>(QStringLiteral("btnBurn")));
        });
    robot.add(
        "ask", [&] { return modalIs(progress) && !progress->showsEnd() && progress->shownStage() == JobStage::CreatingDvd; },
        [&] {
            QTimer::singleShot(0, this, [&] {
                answer = m_window->dvdMaking()->confirmAbort();
                asked = true;
            });
        });
    robot.add(
        "finish", [&] { return asked && modalIs(progress) && progress->showsEnd(); },
        [&] { click(progress->findChild<QPushButton *>(QStringLiteral("btnFinish"))); });
    click(child<QPushButton>("burn"));
    QTRY_VERIFY_WITH_TIMEOUT(asked, 60000);
    QVERIFY(boxSeen);
    QCOMPARE(result.outcome, JobResult::Succeeded);
    QVERIFY(!answer); // withdrawn as "No": nothing was aborted
    QCOMPARE(afterEnd, 0);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!(qobject_cast<QMessageBox *>(w) && w->isVisible()));
}

void TestWindowDvd::terminationDuringARunAbortsWithoutAsking()
{
    // SIGTERM during a run (a logout): the run stops as "Abort" would, no
    // question is asked, and the program ends once the run has cleaned up.
    importSampleAlbum();
    const QString slow = TestSupport::slowEndingMultiplexerFolder(5);
    QVERIFY(!slow.isEmpty());
    PathPrefix path(slow);
    MessageRecorder boxes;
    connect(TerminationSignals::instance(), &TerminationSignals::requested, m_window.get(),
            [this] { m_window->endSession(); });
    bool ended = false;
    connect(m_window.get(), &EditorWindow::sessionEnded, this, [&ended] { ended = true; });
    const QString out = TestSupport::freshDir(QStringLiteral("windowdvd-term"));
    DvdSettingsDialog *settings = m_window->dvdMaking()->settingsDialog();
    ProgressDialog *progress = m_window->dvdMaking()->progressDialog();
    JobResult result;
    bool finished = false;
    connect(m_window->job(), &MakeJob::finished, this, [&](const JobResult &r) {
        result = r;
        finished = true;
    });
    Robot robot;
    robot.add(
        "settings", [&] { return modalIs(settings); },
        [&] {
            QVERIFY(settings->targetComboBox()->setFolderTarget(out));
            click(settings->findChild<QPushButton *>(QStringLiteral("btnBurn")));
        });
    robot.add(
        "terminate", [&] { return modalIs(progress) && !progress->showsEnd() && progress->shownStage() == JobStage::CreatingDvd; },
        [&] { ::raise(SIGTERM); });
    click(child<QPushButton>("burn"));
    QTRY_VERIFY_WITH_TIMEOUT(finished, 60000);
    QCOMPARE(result.outcome, JobResult::Aborted);
    QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('|'))));
    QVERIFY(entries(m_temp).isEmpty());
    // The program ends once the run has cleaned up.
    QTRY_VERIFY(ended);
}

int main(int argc, char **argv)
{
    return runDialogTest<TestWindowDvd>(argc, argv);
}

#include "test_windowdvd.moc"
