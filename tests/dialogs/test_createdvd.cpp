// "Burn" in the DVD settings dialog, end to end and as a person sees it:
// real encoding, real mplex and dvdauthor, real genisoimage and libburn on a
// pseudo-drive. The progress dialog is watched while it is open (its rows,
// title and buttons) and answered like a person would: Close at the end,
// Abort with "Abort or not?", "Burn Next". Every DVD is read back with
// libdvdread and decoded completely with FFmpeg.
#include <QElapsedTimer>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include "album/album.h"
#include "album/appsettings.h"
#include "album/probe.h"
#include "dialogtestutil.h"
#include "dvdcheck.h"
#include "desktop/application.h"
#include "framework/settingsstore.h"
#include "burning/burnworkflow.h"
#include "dialogs/destinationbox.h"
#include "dialogs/progressdialog.h"
#include "dialogs/dvdsettingsdialog.h"
#include "job/generationcontroller.h"

using Dlg = ProgressDialog;

namespace {

using TestSupport::childProcesses;

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestCreateDvd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void isoImage();
    void dvdFolder();
    void pseudoDriveTwoCopiesAndBurnNext();
    void abortWhileEncoding();
    void abortWhileAuthoring();
    void answeringNoKeepsTheRunGoing();
    void failingAuthoring();
    void refusedDestinationKeepsTheSettings();

private:
    // One "Burn" with the progress dialog watched until it is closed.
    struct Session {
        explicit Session(int photos, int photoMs = 1000) : dialog(&album, &progress)
        {
            album = makeAlbum(photos, photoMs);
            dialog.setDuration(album.videoLength());
            dialog.updateDVDSize();
            dialog.show();
            // Every state the progress dialog is given is looked at right
            // after the dialog took it (these connections come after the
            // dialog's own), so a state that lasts less than one poll of a
            // busy machine is still seen; the poll in burn() covers the rest.
            QObject::connect(dialog.controller(), &GenerationController::stepChanged, &progress,
                             [this] { look(); });
            QObject::connect(dialog.workflow(), &BurnWorkflow::stageChanged, &progress, [this] { look(); });
            QObject::connect(dialog.workflow(), &BurnWorkflow::nextDiscNeeded, &progress, [this] { look(); });
            QObject::connect(dialog.workflow(), &BurnWorkflow::finished, &progress, [this] { look(); });
        }
        QPushButton *finish() { return progress.findChild<QPushButton *>(QStringLiteral("btnFinish")); }
        QPushButton *burnNext() { return progress.findChild<QPushButton *>(QStringLiteral("btnBurnNext")); }
        QString label(const char *name) { return progress.findChild<QLabel *>(QLatin1String(name))->text(); }
        // Presses "Burn" and watches until the progress dialog has closed.
        bool burn(int timeoutMs = 180000)
        {
            QTimer watch;
            watch.setInterval(2);
            QObject::connect(&watch, &QTimer::timeout, &watch, [this] { look(); });
            watch.start();
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnBurn")), Qt::LeftButton);
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < timeoutMs && (!opened || progress.isVisible() || dialog.isVisible() ||
                                                   dialog.controller()->isRunning())) {
                QTest::qWait(20);
                if (!opened && !dialog.controller()->isRunning() && dialog.isVisible())
                    return false; // refused before the run began
            }
            return clock.elapsed() < timeoutMs;
        }
        // What the person sees, taken whenever the dialog shows a new state.
        void look()
        {
            if (!progress.isVisible())
                return;
            opened = true;
            const int state = progress.workingState();
            if (states.isEmpty() || states.last() != state) {
                states << state;
                if (onState)
                    onState(state);
            }
            if ((state == GenerateSucceeded || state == GenerateEnded) && !handledEnd &&
                !dialog.controller()->isRunning()) {
                handledEnd = true;
                endTitle = label("lblLargeTitle");
                endResult = label("lblResult");
                endFinishText = finish()->text();
                burnNextShown = burnNext()->isVisible();
                for (int r = 0; r < Dlg::kRowCount; ++r)
                    endIcons << progress.rowIcon(r);
                ++ends;
                if (atEnd && atEnd())
                    return; // the hook goes on (Burn Next)
                QTimer::singleShot(0, finish(), [this] { QTest::mouseClick(finish(), Qt::LeftButton); });
            }
        }
        // A fresh end is awaited again (after "Burn Next").
        void expectAnotherEnd()
        {
            handledEnd = false;
            endIcons.clear();
        }

        Album album;
        ProgressDialog progress;
        DvdSettingsDialog dialog;
        QList<int> states;
        std::function<void(int)> onState;
        std::function<bool()> atEnd; // true: do not close
        bool opened = false;
        bool handledEnd = false;
        int ends = 0;
        QString endTitle, endResult, endFinishText;
        bool burnNextShown = false;
        QList<int> endIcons;
    };

    static Album makeAlbum(int photos, int photoMs);
    static QString s_dir;
    QString m_temp;
};

QString TestCreateDvd::s_dir;

Album TestCreateDvd::makeAlbum(int photos, int photoMs)
{
    Album album;
    for (int i = 0; i < photos; ++i) {
        const QString path = s_dir + QStringLiteral("/photo%1.jpg").arg(i);
        if (!QFileInfo::exists(path)) {
            QImage img(800, 600, QImage::Format_RGB32);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    img.setPixel(x, y, qRgb((x * 255) / img.width(), (y * 255) / img.height(), 70 * i));
            img.save(path, "JPEG", 85);
        }
        ImageInfo info;
        info.path = path;
        if (probeImage(info, path)) {
            prepareImportedPhoto(info, true);
            album.photos.append(info);
        }
    }
    album.setPhotoDurationExactMs(photoMs);
    return album;
}

void TestCreateDvd::initTestCase()
{
    s_dir = TestSupport::freshDir(QStringLiteral("createdvd"));
    // Pictures of what the dialogs look like at the end of a run.
    QDir().mkpath(s_dir);
}

void TestCreateDvd::init()
{
    m_temp = TestSupport::freshDir(QStringLiteral("createdvd-temp"));
    SettingsStore *pref = Application::instance()->pref();
    pref->setValue(AppSettings::kTemporaryDir, m_temp);
    pref->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
    pref->remove(AppSettings::kAfterBurnAction);
    pref->remove(AppSettings::kDeleteTemp);
}

void TestCreateDvd::isoImage()
{
    MessageRecorder boxes;
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-iso"));
    Session s(3);
    QVERIFY(s.dialog.targetComboBox()->setIsoTarget(out + QStringLiteral("/slides")));
    s.atEnd = [&s] {
        saveShot(&s.progress, QStringLiteral("createdvd-iso-end"));
        return false;
    };
    QVERIFY(s.burn());
    QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
    // Encoding, authoring, the image, done.
    QCOMPARE(s.states.first(), int(CreatingTitle));
    QVERIFY2(s.states.indexOf(CreatingDVD) > 0, qPrintable(QString::number(s.states.size())));
    QVERIFY(s.states.indexOf(CreatingISO) > s.states.indexOf(CreatingDVD));
    QCOMPARE(s.states.last(), int(GenerateSucceeded));
    QCOMPARE(s.endTitle, QStringLiteral("Created Successfully!"));
    QCOMPARE(s.endFinishText, QStringLiteral("Finished"));
    QVERIFY(!s.burnNextShown);
    QCOMPARE(s.endIcons.mid(0, 3), (QList<int>{Dlg::IconSuccess, Dlg::IconSuccess, Dlg::IconSuccess}));
    const QString iso = out + QStringLiteral("/slides.iso");
    QCOMPARE(s.endResult, QStringLiteral("The DVD image is %1").arg(iso));
    QVERIFY(boxes.requests.isEmpty());

    const DvdCheck::Disc disc = DvdCheck::read(iso);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    QCOMPARE(disc.titles[0].pal, 1);
    QVERIFY(qAbs(disc.titles[0].seconds - s.album.videoLength()) <= 1.0);
    const DvdCheck::DecodeResult d =
        DvdCheck::decodeTitle(iso, disc.titles[0].titleSet, out + QStringLiteral("/title.vob"));
    QVERIFY2(d.ok, qPrintable(d.error));
    QCOMPARE(d.errors, 0);
    QVERIFY(qAbs(d.videoFrames - s.album.videoLength() * 25) <= 2);
    // Clean-up went through the run's own folder only.
    QVERIFY(entries(m_temp).isEmpty());
}

void TestCreateDvd::dvdFolder()
{
    MessageRecorder boxes;
    FileManagerRecorder fileManager;
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-folder"));
    // Something of the user's in the temporary folder stays untouched.
    QFile mine(m_temp + QStringLiteral("/notes.txt"));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    Session s(2);
    // NTSC, mono and the lowest quality, chosen in the dialog.
    QVERIFY(chooseEntry(s.dialog.findChild<QComboBox *>(QStringLiteral("tvModeComboBox")),
                        QStringLiteral("NTSC")));
    QVERIFY(chooseEntry(s.dialog.findChild<QComboBox *>(QStringLiteral("channelComboBox")),
                        QStringLiteral("1 (Mono)")));
    QVERIFY(chooseEntry(s.dialog.findChild<QComboBox *>(QStringLiteral("videoQualityComboBox")),
                        QStringLiteral("Low")));
    auto *label = s.dialog.findChild<QLineEdit *>(QStringLiteral("volumeEdit"));
    label->selectAll();
    QTest::keyClicks(label, QStringLiteral("Holiday"));
    QVERIFY(s.dialog.targetComboBox()->setFolderTarget(out));
    s.atEnd = [&s] {
        // The result offers its folder in the file manager.
        QTest::mouseClick(s.progress.findChild<QPushButton *>(QStringLiteral("btnOpenFolder")),
                          Qt::LeftButton);
        return false;
    };
    QVERIFY(s.burn());
    QCOMPARE(s.states.last(), int(GenerateSucceeded));
    QCOMPARE(s.endIcons.mid(0, 3), (QList<int>{Dlg::IconSuccess, Dlg::IconSuccess, Dlg::IconSuccess}));
    const QString folder = out + QStringLiteral("/Holiday");
    QCOMPARE(s.endResult, QStringLiteral("The DVD folder is %1").arg(folder));
    QCOMPARE(fileManager.opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
    const DvdCheck::Disc disc = DvdCheck::read(folder);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    QCOMPARE(disc.titles[0].pal, 0);
    QCOMPARE(disc.titles[0].height, 480);
    QCOMPARE(disc.titles[0].audio.size(), 1);
    QCOMPARE(disc.titles[0].audio[0].channels, 1);
    int frames = 0;
    for (const QString &vob : DvdCheck::titleVobs(folder, disc.titles[0].titleSet)) {
        const DvdCheck::DecodeResult d = DvdCheck::decodeAll(vob);
        QVERIFY2(d.ok && d.errors == 0, qPrintable(d.error));
        frames += d.videoFrames;
    }
    QVERIFY(qAbs(frames - s.album.videoLength() * 30000 / 1001) <= 2);
    QCOMPARE(entries(m_temp), QStringList{QStringLiteral("notes.txt")});
}

void TestCreateDvd::pseudoDriveTwoCopiesAndBurnNext()
{
    MessageRecorder boxes;
    boxes.answers = {QDialogButtonBox::Yes, QDialogButtonBox::Yes};
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-drive"));
    const QString image = out + QStringLiteral("/disc.img");
    Session s(2);
    QVERIFY(s.dialog.targetComboBox()->setRecorderTarget(QStringLiteral("stdio:") + image));
    auto *copies = s.dialog.findChild<QSpinBox *>(QStringLiteral("copySpinBox"));
    QVERIFY(copies->isEnabled());
    copies->setValue(2);
    // After the two copies, one more with "Burn Next".
    s.atEnd = [&s] {
        if (s.ends > 1)
            return false;
        if (!s.burnNextShown)
            return false;
        saveShot(&s.progress, QStringLiteral("createdvd-burnnext"));
        // The next end is awaited from the click on: until then the dialog
        // still shows this one, and a look in between must not count it twice
        // (and close the dialog under the next copy).
        QTimer::singleShot(0, s.burnNext(), [&s] {
            s.expectAnotherEnd();
            QTest::mouseClick(s.burnNext(), Qt::LeftButton);
        });
        return true;
    };
    QVERIFY(s.burn());
    QCOMPARE(s.ends, 2);
    QVERIFY(s.burnNextShown);
    QCOMPARE(s.endTitle, QStringLiteral("Created Successfully!"));
    QCOMPARE(s.endIcons.mid(0, 4),
             (QList<int>{Dlg::IconSuccess, Dlg::IconSuccess, Dlg::IconSuccess, Dlg::IconSuccess}));
    // Three burns: the two copies asked for, then one more. The disc image
    // holds the first copy's DVD when the second and the third come: a
    // non-blank disc, written over only once the person said Yes.
    QCOMPARE(s.states.count(BurningDisc), 3);
    QCOMPARE(boxes.requests.size(), 2);
    for (const MessageBox::Request &request : std::as_const(boxes.requests))
        QVERIFY2(request.text.startsWith(QStringLiteral("The disc in the drive is not blank.")),
                 qPrintable(request.text));
    QCOMPARE(s.endResult, QStringLiteral("The DVD was burnt in stdio:%1.").arg(image));
    const DvdCheck::Disc disc = DvdCheck::read(image);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    const DvdCheck::DecodeResult d =
        DvdCheck::decodeTitle(image, disc.titles[0].titleSet, out + QStringLiteral("/title.vob"));
    QVERIFY2(d.ok && d.errors == 0, qPrintable(d.error));
    // The kept DVD folder went when the dialog closed.
    QVERIFY(entries(m_temp).isEmpty());
}

void TestCreateDvd::abortWhileEncoding()
{
    MessageRecorder boxes;
    boxes.answers = {QDialogButtonBox::Yes};
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-abort-encoding"));
    Session s(3, 3000);
    QVERIFY(s.dialog.targetComboBox()->setIsoTarget(out + QStringLiteral("/never")));
    bool clicked = false;
    s.onState = [&](int state) {
        if (state == CreatingTitle && !clicked) {
            clicked = true;
            QTimer::singleShot(100, s.finish(), [&s] { QTest::mouseClick(s.finish(), Qt::LeftButton); });
        }
    };
    QVERIFY(s.burn());
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Abort or not?")});
    QCOMPARE(s.states.last(), int(GenerateEnded));
    QCOMPARE(s.endTitle, QStringLiteral("Aborted"));
    QCOMPARE(s.endFinishText, QStringLiteral("Close"));
    QCOMPARE(s.endIcons.first(), int(Dlg::IconFailure));
    QVERIFY(!s.states.contains(CreatingDVD));
    QVERIFY(entries(out).isEmpty());
    QVERIFY(entries(m_temp).isEmpty());
    QTRY_COMPARE(childProcesses(), QStringList());
}

void TestCreateDvd::abortWhileAuthoring()
{
    // The multiplexed title ends a moment late, so that the abort finds
    // authoring still going after the last frame.
    const QString slow = TestSupport::slowEndingMultiplexerFolder(3);
    QVERIFY(!slow.isEmpty());
    PathPrefix path(slow);

    MessageRecorder boxes;
    boxes.answers = {QDialogButtonBox::Yes};
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-abort-authoring"));
    Session s(2);
    QVERIFY(s.dialog.targetComboBox()->setIsoTarget(out + QStringLiteral("/never")));
    s.onState = [&](int state) {
        if (state == CreatingDVD)
            QTimer::singleShot(300, s.finish(), [&s] { QTest::mouseClick(s.finish(), Qt::LeftButton); });
    };
    QVERIFY(s.burn());
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Abort or not?")});
    QCOMPARE(s.states.last(), int(GenerateEnded));
    QCOMPARE(s.endTitle, QStringLiteral("Aborted"));
    QCOMPARE(s.endIcons.mid(0, 2), (QList<int>{Dlg::IconSuccess, Dlg::IconFailure}));
    QVERIFY(!s.states.contains(CreatingISO));
    QVERIFY(entries(out).isEmpty());
    QVERIFY(entries(m_temp).isEmpty());
    QTRY_COMPARE(childProcesses(), QStringList());
}

void TestCreateDvd::answeringNoKeepsTheRunGoing()
{
    MessageRecorder boxes;
    boxes.answers = {QDialogButtonBox::No};
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-no"));
    Session s(2, 2000);
    QVERIFY(s.dialog.targetComboBox()->setIsoTarget(out + QStringLiteral("/kept")));
    bool clicked = false;
    s.onState = [&](int state) {
        if (state == CreatingTitle && !clicked) {
            clicked = true;
            QTimer::singleShot(50, s.finish(), [&s] { QTest::mouseClick(s.finish(), Qt::LeftButton); });
        }
    };
    QVERIFY(s.burn());
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Abort or not?")});
    QCOMPARE(s.states.last(), int(GenerateSucceeded));
    QVERIFY(DvdCheck::read(out + QStringLiteral("/kept.iso")).ok);
}

void TestCreateDvd::failingAuthoring()
{
    // A broken installation: dvdauthor and genisoimage are there, mplex is not.
    const QString bin = TestSupport::freshDir(QStringLiteral("createdvd-bin"));
    for (const char *tool : {"dvdauthor", "genisoimage", "perl"})
        QVERIFY(
            QFile::link(QStandardPaths::findExecutable(QLatin1String(tool)), bin + QLatin1Char('/') + tool));
    const TestSupport::ScopedEnv path("PATH", bin);
    MessageRecorder boxes;
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-fail"));
    Session s(2);
    QVERIFY(s.dialog.targetComboBox()->setIsoTarget(out + QStringLiteral("/broken")));
    s.atEnd = [&s] {
        saveShot(&s.progress, QStringLiteral("createdvd-failed"));
        return false;
    };
    QVERIFY(s.burn());
    QCOMPARE(s.states.last(), int(GenerateEnded));
    QVERIFY(!s.states.contains(CreatingISO));
    // The failure and its cause.
    QCOMPARE(s.endTitle, QStringLiteral("Failed to create DVD!\nmplex: program not found"));
    QCOMPARE(s.endFinishText, QStringLiteral("Close"));
    // Authoring starts alongside the video, so the run fails in that step,
    // before any frame is made.
    QCOMPARE(s.endIcons.mid(0, 2), (QList<int>{Dlg::IconFailure, Dlg::IconIdle}));
    QVERIFY(boxes.requests.isEmpty());
    QVERIFY(entries(out).isEmpty());
    QVERIFY(entries(m_temp).isEmpty());
}

void TestCreateDvd::refusedDestinationKeepsTheSettings()
{
    // An image that exists: the person declines to overwrite it.
    MessageRecorder boxes;
    const QString out = TestSupport::freshDir(QStringLiteral("createdvd-refused"));
    QFile old(out + QStringLiteral("/old.iso"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("precious");
    old.close();
    Session s(1);
    QVERIFY(s.dialog.targetComboBox()->setIsoTarget(old.fileName()));
    QVERIFY(!s.burn(20000));
    QTRY_VERIFY(!s.dialog.controller()->isRunning());
    QVERIFY(s.dialog.isVisible());
    QVERIFY(!s.progress.isVisible());
    QVERIFY(s.dialog.findChild<QPushButton *>(QStringLiteral("btnBurn"))->isEnabled());
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY(boxes.requests.first().text.contains(QStringLiteral("will be overwritten")));
    QFile check(old.fileName());
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("precious"));
    QVERIFY(entries(m_temp).isEmpty());
}

int main(int argc, char **argv)
{
    return runDialogTest<TestCreateDvd>(argc, argv);
}

#include "test_createdvd.moc"
