// `sorvel make-dvd` end to end, as a user runs it: real encoding, real
// mplex and dvdauthor, real genisoimage and libburn; every DVD is read back
// with libdvdread and decoded completely with FFmpeg.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <cmath>
#include <csignal>
#include <sys/stat.h>
#include <functional>

#include "dvdcheck.h"
#include "dvdinspect.h"
#include "systemfixtures.h"
#include "testsupport.h"

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString g_cacheHome;    // where the runs keep their diagnostic log
QString g_toolFolder;   // put first in the runs' PATH when set
bool g_noPipes = false; // the runs act as on a file system without named pipes

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY")); // the command needs no display server
    env.remove(QStringLiteral("SORVEL_VERBOSE"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), g_cacheHome);
    if (g_noPipes)
        env.insert(QStringLiteral("SORVEL_NO_PIPES"), QStringLiteral("1"));
    if (!g_toolFolder.isEmpty())
        env.insert(QStringLiteral("PATH"),
                   g_toolFolder + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    return env;
}

QByteArray diagnosticLog()
{
    QDirIterator it(g_cacheHome, {QStringLiteral("make-dvd.log")}, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return QByteArray();
    QFile log(it.next());
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

// The command lines of running processes that name text (an interrupted
// run's mplex or dvdauthor would name its working folder).
QStringList processesNaming(const QString &text)
{
    QStringList found;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString &pid : pids) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QString line = QString::fromLocal8Bit(cmdline.readAll().replace('\0', ' '));
        if (line.contains(text))
            found.append(line);
    }
    return found;
}

// Runs make-dvd, and acts (a signal, a change of the disk) once its error
// output shows `when` if an action is given.
Run makeDvdActing(const QStringList &args, const QByteArray &when, const std::function<void(QProcess &)> &act,
                  int timeoutMs = 240000)
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.setChildProcessModifier(TestSupport::enforceFilePermissionsInChild);
    p.start(TestSupport::builtProgram(QStringLiteral("sorvel")),
            QStringList{QStringLiteral("make-dvd")} + args);
    Run r;
    if (!p.waitForStarted())
        return r;
    QElapsedTimer timer;
    timer.start();
    bool acted = false;
    while (p.state() == QProcess::Running && timer.elapsed() < timeoutMs) {
        p.waitForReadyRead(50);
        r.err += p.readAllStandardError();
        if (act && !acted && r.err.contains(when)) {
            acted = true;
            act(p);
        }
    }
    if (p.state() != QProcess::NotRunning && !p.waitForFinished(1000)) {
        p.kill();
        p.waitForFinished();
        r.err += "\n(timed out)";
        return r;
    }
    r.err += p.readAllStandardError();
    r.out = p.readAllStandardOutput();
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (act && !acted)
        r.err += "\n(never saw " + when + ")";
    return r;
}

Run makeDvd(const QStringList &args, int timeoutMs = 240000)
{
    return makeDvdActing(args, QByteArray(), {}, timeoutMs);
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The shape of a DVD's picture and the chapters of its title.
struct Shape {
    bool wide = true; // 16:9 (make-dvd's default) or 4:3
    int chapters = 1;
};

// Checks one DVD: a single title of the standard in the shape, in its video
// manager's menu too, with its chapters, the expected length and AC-3 audio,
// every frame decodable.
void checkDvd(const QString &path, bool pal, int channels, double seconds, const QString &dvdFolderForDecode,
              Shape shape)
{
    const DvdCheck::Disc disc = DvdCheck::read(path);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    QCOMPARE(disc.menuFormat, pal ? 1 : 0);
    QCOMPARE(disc.menuPictureSize, 0);
    const DvdCheck::Title &t = disc.titles[0];
    QCOMPARE(t.pal, pal ? 1 : 0);
    QCOMPARE(t.height, pal ? 576 : 480);
    QCOMPARE(t.aspect, shape.wide ? 3 : 0);
    QCOMPARE(disc.menuAspect, shape.wide ? 3 : 0);
    QCOMPARE(t.partCount, shape.chapters);
    QVERIFY2(qAbs(t.seconds - seconds) <= 1.0, qPrintable(QString::number(t.seconds)));
    QCOMPARE(t.audio.size(), 1);
    QCOMPARE(t.audio[0].format, 0);
    QCOMPARE(t.audio[0].channels, channels);
    QCOMPARE(t.audio[0].language, QStringLiteral("en"));
    // The title's VOBs as a player reads them, decoded completely.
    QList<QString> vobs;
    if (dvdFolderForDecode.isEmpty()) {
        const QString extracted = path + QStringLiteral(".title.vob");
        QVERIFY(DvdCheck::extractTitleVobs(path, t.titleSet, extracted));
        vobs.append(extracted);
    } else {
        vobs = DvdCheck::titleVobs(dvdFolderForDecode, t.titleSet);
    }
    QVERIFY(!vobs.isEmpty());
    int frames = 0;
    DvdCheck::DecodeResult last;
    for (const QString &vob : vobs) {
        const DvdCheck::DecodeResult d = DvdCheck::decodeAll(vob);
        QVERIFY2(d.ok, qPrintable(d.error));
        QCOMPARE(d.errors, 0);
        QVERIFY(d.audioFrames > 0);
        frames += d.videoFrames;
        last = d;
    }
    // Every picture of the album's length is on the disc (its length in
    // frames rounded to the nearest, halves up), and the sound ends with
    // the pictures, within one AC-3 frame (32 ms).
    const double fps = pal ? 25.0 : 30000.0 / 1001.0;
    QCOMPARE(frames, int(std::floor(seconds * fps + 0.5 + 1e-6)));
    QVERIFY2(qAbs(last.audioEnd - last.videoEnd) <= 0.032,
             qPrintable(
                 QStringLiteral("audio ends at %1 s, video at %2 s").arg(last.audioEnd).arg(last.videoEnd)));
}

} // namespace

class TestMakeDvd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void palIsoWithMusicAndBadInputs();
    void ntscFolderWithoutMusicMono();
    void pseudoDriveSixChannels();
    void keepTemp();
    void withoutNamedPipes();
    void existingTargetNeedsYes();
    void refusedDestinationsSayWhy();
    void failedWriteEndsWithItsReason();
    void folderTargetKeptWhenInterruptedWhileAuthoring();
    void usageErrors();
    void phoneFolder();
    void interruptDuringEncoding();
    void librariesTalkToTheLogOnly();
    void hostileProjectsAreRefusedByName();
    void missingFilesAndOversizedShowsNeedConsent();
    void killedRunsFolderGoesAtTheNextRun();
    void menuOptions();

private:
    QString m_dir;
    QStringList m_photos;
    QString m_music;
};

void TestMakeDvd::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("makedvd"));
    g_cacheHome = TestSupport::freshDir(QStringLiteral("makedvd-cache"));
    const QSize sizes[] = {QSize(800, 600), QSize(600, 900), QSize(1280, 720)};
    for (int i = 0; i < 3; ++i) {
        QImage img(sizes[i], QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, qRgb((x * 255) / img.width(), (y * 255) / img.height(), 60 * i));
        const QString path = m_dir + QStringLiteral("/photo %1.jpg").arg(i);
        QVERIFY(img.save(path, "JPEG", 85));
        m_photos.append(path);
    }
    m_music = m_dir + QStringLiteral("/music.mp3");
    QVERIFY(TestSupport::ffmpeg({"-f", "lavfi", "-i", "sine=frequency=330:sample_rate=44100:duration=6",
                                 "-ac", "2", "-c:a", "libmp3lame", m_music}));
}

void TestMakeDvd::palIsoWithMusicAndBadInputs()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-pal"));
    const QString temp = work + QStringLiteral("/temp");
    QDir().mkpath(temp);
    QFile mine(temp + QStringLiteral("/my notes.txt"));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own file");
    mine.close();
    // A corrupt photo and a text file named .jpg among the inputs.
    const QString corrupt = work + QStringLiteral("/corrupt.jpg");
    QFile c(corrupt);
    QVERIFY(c.open(QIODevice::WriteOnly));
    c.write(QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(64, '\x11'));
    c.close();
    const QString text = work + QStringLiteral("/letter.jpg");
    QFile t(text);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write("Dear friend, this is not a photo.\n");
    t.close();
    // A folder the user may not read.
    const QString locked = work + QStringLiteral("/locked");
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(QFile::copy(m_photos[0], locked + QStringLiteral("/hidden.jpg")));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));

    const QString iso = work + QStringLiteral("/out/slide show");
    QDir().mkpath(work + QStringLiteral("/out"));
    // The standard comes from the settings, stored in lower case: still PAL.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sorvel"),
                       QStringLiteral("Sorvel"));
    settings.setValue(QStringLiteral("VideoStandard"), QStringLiteral("pal"));
    settings.sync();
    const Run r =
        makeDvd({"--to-iso", iso, "--photo-duration", "1000", "--transition-duration", "520", "--temp-dir",
                 temp, m_photos[0], corrupt, locked, m_photos[1], text, m_photos[2], m_music});
    settings.remove(QStringLiteral("VideoStandard"));
    settings.sync();
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY(r.err.contains("Some files have not been added to the list:"));
    QVERIFY(r.err.contains(corrupt.toLocal8Bit()));
    QVERIFY(r.err.contains(text.toLocal8Bit()));
    QVERIFY2(r.err.contains(locked.toLocal8Bit()), r.err.constData());
    QVERIFY(r.err.contains("Creating video..."));
    QVERIFY(r.err.contains("Creating DVD..."));
    QCOMPARE(QString::fromLocal8Bit(r.out.trimmed()), iso + QStringLiteral(".iso"));
    QVERIFY(QFileInfo(iso + QStringLiteral(".iso")).size() > 100000);
    // The image has the permissions of any file the user creates there.
    QFile plain(work + QStringLiteral("/out/plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QCOMPARE(QFileInfo(iso + QStringLiteral(".iso")).permissions(),
             QFileInfo(plain.fileName()).permissions());
    QVERIFY(r.err.contains("s of video, PAL 16:9,"));
    checkDvd(iso + QStringLiteral(".iso"), true, 2, 3 * 1.0 + 2 * 0.52, QString(), Shape{true, 3});
    // Only the user's own file is left in the temporary folder.
    QCOMPARE(entries(temp), QStringList{QStringLiteral("my notes.txt")});
}

void TestMakeDvd::ntscFolderWithoutMusicMono()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-ntsc"));
    const QString temp = work + QStringLiteral("/temp");
    const Run r = makeDvd({"--to-folder",
                           work + QStringLiteral("/dvds"),
                           "--volume-label",
                           "Trip 2026",
                           "--standard",
                           "NTSC",
                           "--channels",
                           "1",
                           "--quality",
                           "low",
                           "--photo-duration",
                           "1034",
                           "--no-transition",
                           "--aspect",
                           "4:3",
                           "--chapters",
                           "none",
                           "--no-menu", // a menu's index needs a chapter at each photo
                           "--framing",
                           "fill",
                           "--temp-dir",
                           temp,
                           m_photos[0],
                           m_photos[1]});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QString folder = work + QStringLiteral("/dvds/Trip 2026");
    QCOMPARE(QString::fromLocal8Bit(r.out.trimmed()), folder);
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")));
    // 1034 ms is 31 NTSC frames (1034.4 ms): kept as given.
    checkDvd(folder, false, 1, 2 * 1.034, folder, Shape{false, 1});
    QVERIFY(entries(temp).isEmpty());
}

void TestMakeDvd::pseudoDriveSixChannels()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-drive"));
    const QString image = work + QStringLiteral("/disc.img");
    const Run r = makeDvd({"--to-drive",
                           QStringLiteral("stdio:") + image,
                           "--standard",
                           "PAL",
                           "--channels",
                           "6",
                           "--audio-bitrate",
                           "448",
                           "--photo-duration",
                           "1000",
                           "--dissolve-only",
                           "--aspect",
                           "16:9",
                           "--chapters",
                           "photo",
                           "--framing",
                           "blur",
                           "--temp-dir",
                           work + QStringLiteral("/temp"),
                           "--yes",
                           m_photos[2],
                           m_photos[0],
                           m_music});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY(QFileInfo(image).size() > 100000);
    checkDvd(image, true, 6, 2 * 1.0 + 1.5, QString(), Shape{true, 2});

    // The image now holds a DVD: a non-blank disc. Without --yes the run
    // ends with the question before anything is made, the image untouched.
    QFile written(image);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray before = written.readAll();
    written.close();
    const Run again = makeDvd({"--to-drive", QStringLiteral("stdio:") + image, "--photo-duration", "1000",
                               "--temp-dir", work + QStringLiteral("/temp"), m_photos[0]});
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.err.contains("The disc in the drive is not blank."), again.err.constData());
    QVERIFY(again.err.contains("(answer with --yes to go on)"));
    QVERIFY(!again.err.contains("Creating video..."));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll() == before);
}

void TestMakeDvd::refusedDestinationsSayWhy()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-refused"));
    const QString temp = work + QStringLiteral("/temp");
    auto refused = [&](const QStringList &target, const QByteArray &reason) {
        const Run r = makeDvd(target + QStringList{"--yes", "--temp-dir", temp, m_photos[0]});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(reason), r.err.constData());
        // Found out before any encoding.
        QVERIFY2(!r.err.contains("Creating video..."), r.err.constData());
        QVERIFY(entries(temp).isEmpty());
    };
    // Devices that are no recorder, and the recorders there are.
    refused({"--to-drive", "/dev/sr9"}, "/dev/sr9: no such recorder.");
    refused({"--to-drive", "/dev/null"}, "/dev/null is not an optical drive.");
    refused({"--to-drive", work}, "is a folder, not an optical drive.");
    refused({"--to-drive", m_photos[0]},
            "is a file, not an optical drive; to write a disc image into it, use stdio:");
    refused({"--to-drive", "/dev/sr9"}, "No recorder was found.");

    // An existing image the user may not write.
    const QString locked = work + QStringLiteral("/locked.iso");
    QFile file(locked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("an earlier image");
    file.close();
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner));
    refused({"--to-iso", locked}, "Permission denied");
    QCOMPARE(QFileInfo(locked).size(), qint64(16));

    // A read-only file system: an image, a DVD folder, a disc image file.
    TestSupport::TmpfsMount disk(QStringLiteral("makedvd-readonly"), 8 << 20);
    if (!disk.ok())
        QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + disk.error()));
    QDir().mkpath(disk.path() + QStringLiteral("/dvds"));
    QVERIFY(disk.makeReadOnly());
    refused({"--to-iso", disk.path() + QStringLiteral("/x.iso")}, "Read-only file system");
    refused({"--to-folder", disk.path() + QStringLiteral("/dvds")}, "Read-only file system");
    refused({"--to-drive", QStringLiteral("stdio:") + disk.path() + QStringLiteral("/disc.img")},
            "Read-only file system");
}

void TestMakeDvd::failedWriteEndsWithItsReason()
{
    // The disc image's disk turns read-only while the DVD is encoded: the
    // burn fails, and with --yes the run ends with the reason instead of
    // trying again and again.
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-failedwrite"));
    TestSupport::TmpfsMount disk(QStringLiteral("makedvd-failedwrite-disk"), 64 << 20);
    if (!disk.ok())
        QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + disk.error()));
    const QString image = disk.path() + QStringLiteral("/disc.img");
    QElapsedTimer timer;
    timer.start();
    const Run r = makeDvdActing({"--to-drive", QStringLiteral("stdio:") + image, "--yes", "--photo-duration",
                                 "1000", "--temp-dir", work + QStringLiteral("/temp"), m_photos[0]},
                                "Creating video...", [&](QProcess &) { QVERIFY(disk.makeReadOnly()); });
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("Failed to write to disc, please retry."), r.err.constData());
    QVERIFY(r.err.contains("Read-only file system"));
    QVERIFY(!r.err.contains("try again"));
    QVERIFY(!r.err.contains("Burning the next copy"));
    QVERIFY(timer.elapsed() < 120000);
    QVERIFY(entries(work + QStringLiteral("/temp")).isEmpty());
}

void TestMakeDvd::folderTargetKeptWhenInterruptedWhileAuthoring()
{
    // An earlier DVD in the destination; the run is stopped while the new one
    // is authored: the destination stays exactly as it was.
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-folder-interrupt"));
    const QString folder = work + QStringLiteral("/dvds/My DVD");
    QDir().mkpath(folder + QStringLiteral("/VIDEO_TS"));
    QFile old(folder + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an earlier DVD");
    old.close();
    // Authoring goes on after the last frame for a while.
    g_toolFolder = TestSupport::slowEndingMultiplexerFolder(5);
    QVERIFY(!g_toolFolder.isEmpty());
    const Run r = makeDvdActing({"--to-folder", work + QStringLiteral("/dvds"), "--yes", "--photo-duration",
                                 "4000", "--no-transition", "--temp-dir", work + QStringLiteral("/temp"),
                                 m_photos[0], m_photos[1]},
                                "Creating DVD...", [](QProcess &p) {
                                    QTest::qWait(300);
                                    ::kill(pid_t(p.processId()), SIGINT);
                                });
    g_toolFolder.clear();
    QCOMPARE(r.exitCode, 130);
    // The interrupted run's tools ended with it.
    QCOMPARE(processesNaming(work), QStringList());
    QCOMPARE(entries(work + QStringLiteral("/dvds")), QStringList{QStringLiteral("My DVD")});
    QCOMPARE(entries(folder), QStringList{QStringLiteral("VIDEO_TS")});
    QCOMPARE(entries(folder + QStringLiteral("/VIDEO_TS")), QStringList{QStringLiteral("VIDEO_TS.IFO")});
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an earlier DVD"));
    QVERIFY(entries(work + QStringLiteral("/temp")).isEmpty());
}

void TestMakeDvd::keepTemp()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-keep"));
    const QString temp = work + QStringLiteral("/temp");
    const Run r = makeDvd({"--to-iso", work + QStringLiteral("/k.iso"), "--standard", "PAL",
                           "--photo-duration", "1000", "--no-transition", "--no-dynamic-effect",
                           "--keep-temp", "--quiet", "--temp-dir", temp, m_photos[0]});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY(!r.err.contains("Creating video")); // quiet
    const QStringList runs = entries(temp);
    QCOMPARE(runs.size(), 1);
    QVERIFY(runs[0].startsWith(QStringLiteral("sorvel-run-")));
    const QDir kept(temp + QLatin1Char('/') + runs[0]);
    // The video went straight into the authoring tools: no copy of it is
    // kept, and no pipe is left behind.
    QVERIFY(!kept.exists(QStringLiteral("video.m2v")));
    QVERIFY(kept.exists(QStringLiteral("audio.ac3")));
    QVERIFY(kept.exists(QStringLiteral("author.xml")));
    checkDvd(kept.absoluteFilePath(QStringLiteral("dvd")), true, 2, 1.0,
             kept.absoluteFilePath(QStringLiteral("dvd")), Shape{true, 1});
}

void TestMakeDvd::withoutNamedPipes()
{
    // Where the working folder has no named pipes the video is encoded into
    // a file, multiplexed into a title file, then authored: the same DVD.
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-nopipes"));
    const QString temp = work + QStringLiteral("/temp");
    const QString iso = work + QStringLiteral("/files.iso");
    g_noPipes = true;
    const Run r =
        makeDvd({"--to-iso", iso, "--standard", "PAL", "--photo-duration", "1000", "--no-transition",
                 "--keep-temp", "--temp-dir", temp, m_photos[0], m_photos[1], m_music});
    g_noPipes = false;
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QStringList runs = entries(temp);
    QCOMPARE(runs.size(), 1);
    const QDir kept(temp + QLatin1Char('/') + runs[0]);
    QVERIFY(QFileInfo(kept.absoluteFilePath(QStringLiteral("video.m2v"))).isFile());
    QVERIFY(QFileInfo(kept.absoluteFilePath(QStringLiteral("title_0.vob"))).size() > 0);
    checkDvd(iso, true, 2, 2.0, QString(), Shape{true, 2});
}

void TestMakeDvd::existingTargetNeedsYes()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-exists"));
    const QString iso = work + QStringLiteral("/old.iso");
    QFile f(iso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("precious data");
    f.close();
    const Run r = makeDvd({"--to-iso", iso, "--photo-duration", "1000", "--temp-dir",
                           work + QStringLiteral("/temp"), m_photos[0]});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains("will be overwritten"));
    QFile check(iso);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("precious data"));
    QVERIFY(entries(work + QStringLiteral("/temp")).isEmpty());

    // An existing DVD folder is cleared only with --yes.
    const QString folder = work + QStringLiteral("/dvds/My DVD");
    QDir().mkpath(folder);
    QFile keep(folder + QStringLiteral("/keep.txt"));
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.close();
    const Run r2 = makeDvd({"--to-folder", work + QStringLiteral("/dvds"), "--photo-duration", "1000",
                            "--temp-dir", work + QStringLiteral("/temp"), m_photos[0]});
    QCOMPARE(r2.exitCode, 1);
    QVERIFY(r2.err.contains("will be cleared"));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/keep.txt")));
}

void TestMakeDvd::usageErrors()
{
    for (const QStringList &args :
         {QStringList{}, QStringList{m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--channels", "3", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--to-folder", "y", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--photo-duration", "3600000", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--aspect", "21:9", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--framing", "stretch", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--chapters", "5", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--loudness", "loud", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--fade", "100", m_photos[0]},
          QStringList{"--to-iso", "x.iso", "--crossfade", "-5", m_photos[0]}}) {
        const Run r = makeDvd(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("Usage: sorvel make-dvd"));
    }
    const Run tooLong = makeDvd({"--to-iso", "x.iso", "--photo-duration", "3600000", m_photos[0]});
    QVERIFY(tooLong.err.contains("--photo-duration must be a number of milliseconds from 1000 to 999000"));
    QVERIFY(makeDvd({"--to-iso", "x.iso", "--aspect", "21:9", m_photos[0]})
                .err.contains("--aspect must be 16:9 or 4:3"));
    const Run help = makeDvd({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("--to-folder"));
    // No photo at all is an error, not a usage error.
    const Run none = makeDvd({"--to-iso", m_dir + QStringLiteral("/none.iso"), m_music});
    QCOMPARE(none.exitCode, 1);
}

void TestMakeDvd::phoneFolder()
{
    // A folder as copied from a phone: HEIC and WebP photos, Opus and Ogg
    // music, a song cut to nothing, and a text file. Everything that is a
    // photo or music comes in; the rest is named.
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-phone"));
    const QString phone = work + QStringLiteral("/DCIM");
    QVERIFY(QDir().mkpath(phone));
    const QString png = work + QStringLiteral("/source.png");
    QVERIFY(QImage(m_photos[0]).save(png));
    QProcess enc;
    enc.start(QStringLiteral("heif-enc"), {QStringLiteral("-q"), QStringLiteral("70"), png,
                                           QStringLiteral("-o"), phone + QStringLiteral("/IMG_0001.HEIC")});
    QVERIFY(enc.waitForFinished(120000) && enc.exitCode() == 0);
    QVERIFY(QImage(m_photos[1]).save(phone + QStringLiteral("/IMG_0002.webp"), "WEBP"));
    QVERIFY(TestSupport::ffmpeg({"-f", "lavfi", "-i", "sine=frequency=500:sample_rate=48000:duration=2",
                                 "-ac", "2", "-c:a", "libopus", phone + QStringLiteral("/voice.opus")}));
    QVERIFY(TestSupport::ffmpeg({"-f", "lavfi", "-i", "sine=frequency=300:sample_rate=44100:duration=2",
                                 "-c:a", "libvorbis", phone + QStringLiteral("/song.oga")}));
    QFile cut(phone + QStringLiteral("/cut.opus"));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(QByteArray("OggS") + QByteArray(2000, '\x11'));
    cut.close();
    QFile notes(phone + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("shopping list");
    notes.close();

    const Run r = makeDvd({"--to-folder", work + QStringLiteral("/out"), "--photo-duration", "1000",
                           "--transition-duration", "520", "--loudness", "keep", "--fade", "1500",
                           "--crossfade", "300", "--temp-dir", work + QStringLiteral("/temp"), phone});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY2(r.err.contains("Importing 2 photos and 3 audio files..."), r.err.constData());
    QVERIFY(r.err.contains("Not photos or audio by their names, not taken from the folders:"));
    QVERIFY(r.err.contains((phone + QStringLiteral("/notes.txt")).toLocal8Bit()));
    QVERIFY(r.err.contains("Some files have not been added to the list:"));
    QVERIFY(r.err.contains((phone + QStringLiteral("/cut.opus")).toLocal8Bit()));
    QVERIFY(!r.err.contains((phone + QStringLiteral("/song.oga")).toLocal8Bit()));
    QVERIFY(!r.err.contains((phone + QStringLiteral("/IMG_0001.HEIC")).toLocal8Bit()));
    const QString folder = QString::fromLocal8Bit(r.out.trimmed());
    checkDvd(folder, true, 2, 2 * 1.0 + 0.52, folder, Shape{true, 2});
}

void TestMakeDvd::interruptDuringEncoding()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-interrupt"));
    const QString temp = work + QStringLiteral("/temp");
    QStringList args{"--to-iso",         work + QStringLiteral("/never.iso"),
                     "--standard",       "PAL",
                     "--photo-duration", "20000",
                     "--temp-dir",       temp};
    args += m_photos;
    const Run r = makeDvdActing(args, "Creating video...", [](QProcess &p) {
        QTest::qWait(500);
        ::kill(pid_t(p.processId()), SIGINT);
    });
    QCOMPARE(r.exitCode, 130);
    QVERIFY2(r.err.contains("Interrupted."), r.err.constData());
    QVERIFY(entries(temp).isEmpty());
    QVERIFY(!QFileInfo::exists(work + QStringLiteral("/never.iso")));
}

void TestMakeDvd::librariesTalkToTheLogOnly()
{
    // A photo cut short is rejected and listed. A photo with stray bytes
    // and music with a damaged stretch still make the DVD; what the
    // libraries say about them (Qt's JPEG reader, FFmpeg's "[mp3float @
    // 0x...]") goes to the diagnostic log, and to the terminal only with
    // --verbose.
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-log"));
    QFile photo(m_photos[0]);
    QVERIFY(photo.open(QIODevice::ReadOnly));
    const QByteArray jpeg = photo.readAll();
    QVERIFY(jpeg.endsWith("\xff\xd9"));
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile f(work + QLatin1Char('/') + name);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    };
    const QString cut = write(QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() / 2));
    const QString stray =
        write(QStringLiteral("stray.jpg"), jpeg.chopped(2) + QByteArray(16, '\x01') + "\xff\xd9");
    QFile music(m_music);
    QVERIFY(music.open(QIODevice::ReadOnly));
    QByteArray mp3 = music.readAll();
    mp3.insert(mp3.size() / 2, QByteArray(3000, '\x55'));
    const QString damaged = write(QStringLiteral("damaged.mp3"), mp3);
    const QStringList args{"--to-folder",
                           work + QStringLiteral("/out"),
                           "--yes",
                           "--photo-duration",
                           "2000",
                           "--temp-dir",
                           work + QStringLiteral("/temp"),
                           cut,
                           stray,
                           damaged};

    const Run quiet = makeDvd(args);
    QVERIFY2(quiet.exitCode == 0, quiet.err.constData());
    QVERIFY2(quiet.err.contains("Some files have not been added to the list:\n  " + cut.toLocal8Bit() + ": cut short\n"),
             quiet.err.constData());
    QVERIFY(quiet.err.contains("1 photo, 1 audio clip"));
    for (const char *chatter : {"Corrupt JPEG data", " @ 0x", "Header missing", "sorvel."})
        QVERIFY2(!quiet.err.contains(chatter), quiet.err.constData());
    const QByteArray log = diagnosticLog();
    QVERIFY2(log.contains("qt.gui.imageio.jpeg: Corrupt JPEG data"), log.constData());
    QVERIFY(log.contains("sorvel.ffmpeg: [mp3float @ 0x"));
    QVERIFY(log.contains("mplex command line:"));

    const Run verbose = makeDvd(QStringList{"--verbose"} + args);
    QVERIFY2(verbose.exitCode == 0, verbose.err.constData());
    QVERIFY2(verbose.err.contains("Corrupt JPEG data"), verbose.err.constData());
    QVERIFY(verbose.err.contains("[mp3float @ 0x"));

    // A failed run points at the log.
    const Run failed = makeDvd({"--to-drive", "/dev/sr9", stray});
    QCOMPARE(failed.exitCode, 1);
    QVERIFY2(failed.err.contains("\nDetails: " + g_cacheHome.toLocal8Bit()), failed.err.constData());
}


namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A project of the photos (relative names) with the given settings.
QByteArray projectOf(const QStringList &names, const QByteArray &settings)
{
    QByteArray photos;
    for (const QString &name : names)
        photos += (photos.isEmpty() ? "" : ", ") + QByteArray("{\"path\": \"") + name.toUtf8() + "\"}";
    return "{\"format\": \"sorvel-project\", \"version\": 1, \"settings\": {" + settings + "}, \"photos\": [" +
           photos + "], \"clips\": []}";
}

} // namespace

void TestMakeDvd::hostileProjectsAreRefusedByName()
{
    // A named pipe, an endless device and a damaged member: each refused at
    // once with what is wrong, never read until memory runs out or waited
    // on for ever.
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-hostile"));
    const QString pipe = work + QStringLiteral("/pipe.sorvel");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const QString zero = work + QStringLiteral("/zero.sorvel");
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString damaged = work + QStringLiteral("/damaged.sorvel");
    QVERIFY(writeFile(damaged, "{\"format\": \"sorvel-project\", \"version\": 1, \"settings\": {}, \"photos\": [], "
                               "\"clips\": [{\"path\": \"a.mp3\", \"clipStart\": 0, \"clipEnd\": \"soon\"}]}"));
    const QString iso = work + QStringLiteral("/x.iso");
    const struct {
        QString project;
        QByteArray says;
    } cases[] = {{pipe, "named pipe"}, {zero, "device"}, {damaged, "clips[0].clipEnd: not a number"}};
    for (const auto &c : cases) {
        const Run r = makeDvd({"--to-iso", iso, c.project}, 60000);
        QVERIFY2(r.exitCode == 1, r.err.constData());
        QVERIFY2(r.err.contains(c.says), r.err.constData());
    }
    QVERIFY(!QFileInfo::exists(iso));
}

void TestMakeDvd::missingFilesAndOversizedShowsNeedConsent()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-consent"));
    const QString temp = work + QStringLiteral("/temp");
    QVERIFY(QFile::copy(m_photos[0], work + QStringLiteral("/here.jpg")));
    // One photo of the project is gone: named, and nothing made without
    // --yes.
    const QString missing = work + QStringLiteral("/missing.sorvel");
    QVERIFY(writeFile(missing, projectOf({QStringLiteral("here.jpg"), QStringLiteral("gone.jpg")},
                                         "\"photoDurationMs\": 1000")));
    const Run refused = makeDvd({"--to-folder", work + QStringLiteral("/dvd"), "--temp-dir", temp, missing}, 60000);
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("gone.jpg") && refused.err.contains("--yes"), refused.err.constData());
    QVERIFY(!QFileInfo::exists(work + QStringLiteral("/dvd")));

    // Three hours of photos: more than a double-layer disc holds at the
    // best quality. A folder (a disc to be) is refused before anything is
    // encoded; an image asks first; --yes passes the missing photo and
    // shows the refusal is about the size alone.
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QStringLiteral("here.jpg");
    const QString big = work + QStringLiteral("/big.sorvel");
    QVERIFY(writeFile(big, projectOf(many + QStringList{QStringLiteral("gone.jpg")},
                                     "\"photoDurationMs\": 60000")));
    const Run folder = makeDvd({"--to-folder", work + QStringLiteral("/dvd"), "--quality", "high", "--yes",
                                "--temp-dir", temp, big},
                               120000);
    QCOMPARE(folder.exitCode, 1);
    QVERIFY2(folder.err.contains("without them [yes]"), folder.err.constData());
    QVERIFY2(folder.err.contains("more than the largest DVD holds") && folder.err.contains("lower quality"),
             folder.err.constData());
    QVERIFY(!folder.err.contains("Creating video"));
    const QString complete = work + QStringLiteral("/complete.sorvel");
    QVERIFY(writeFile(complete, projectOf(many, "\"photoDurationMs\": 60000")));
    const Run image = makeDvd({"--to-iso", work + QStringLiteral("/big.iso"), "--quality", "high", "--temp-dir",
                               temp, complete},
                              120000);
    QCOMPARE(image.exitCode, 1);
    QVERIFY2(image.err.contains("No DVD can hold the image"), image.err.constData());
    QVERIFY(!image.err.contains("Creating video"));
    QVERIFY(!QFileInfo::exists(work + QStringLiteral("/big.iso")));
    QVERIFY(entries(temp).isEmpty());
}

void TestMakeDvd::killedRunsFolderGoesAtTheNextRun()
{
    // A run killed outright cannot clean up: its working folder stays
    // until the next run, which removes it; a folder of the user's in the
    // same place stays.
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-killed"));
    const QString temp = work + QStringLiteral("/temp");
    QVERIFY(QDir().mkpath(temp + QStringLiteral("/sorvel-run-mine")));
    QStringList args{"--to-iso", work + QStringLiteral("/never.iso"), "--standard", "PAL", "--photo-duration",
                     "20000", "--temp-dir", temp};
    args += m_photos;
    const Run killed = makeDvdActing(args, "Creating video...", [](QProcess &p) {
        QTest::qWait(500);
        ::kill(pid_t(p.processId()), SIGKILL);
    });
    QCOMPARE(killed.exitCode, -1);
    QStringList left = entries(temp);
    QCOMPARE(left.size(), 2);
    const Run next = makeDvd({"--to-iso", work + QStringLiteral("/one.iso"), "--standard", "PAL",
                              "--photo-duration", "1000", "--no-transition", "--no-dynamic-effect", "--temp-dir",
                              temp, m_photos[0]});
    QVERIFY2(next.exitCode == 0, next.err.constData());
    QCOMPARE(entries(temp), QStringList{QStringLiteral("sorvel-run-mine")});
}

QTEST_GUILESS_MAIN(TestMakeDvd)
// The menu's own options: a title in any script, a photo of the show
// behind it, and the music under it (on where there is music); a
// background that is no photo of the show is refused by name before
// anything is made.
void TestMakeDvd::menuOptions()
{
    const QString work = TestSupport::freshDir(QStringLiteral("makedvd-menu"));
    const Run refused =
        makeDvd({"--to-folder", work, "--menu-background", m_music, m_photos[0], m_photos[1]});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("--menu-background: " + QFile::encodeName(m_music) +
                                  " is not a photo of the show"),
             refused.err.constData());
    QVERIFY(entries(work).isEmpty());

    const Run r =
        makeDvd({"--to-folder", work, "--volume-label", "LABEL", "--menu-title", QStringLiteral("Été – 夏"),
                 "--menu-background", m_photos[2], "--photo-duration", "1000", "--aspect", "4:3", "--quality",
                 "low", m_photos[0], m_photos[1], m_photos[2], m_music});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QString vob = work + QStringLiteral("/LABEL/VIDEO_TS/VIDEO_TS.VOB");
    // The pages last as long as the music (its six seconds) and sound.
    const DvdInspect::Decoded menu = DvdInspect::decode(vob);
    QVERIFY2(menu.ok, qPrintable(menu.error));
    // (the MP3's decoder delay may add a frame's worth)
    QVERIFY2(menu.pictureTimes.size() >= 2 * 150 && menu.pictureTimes.size() <= 2 * 152,
             qPrintable(QString::number(menu.pictureTimes.size())));
    double sum = 0;
    const size_t from = size_t(2 * menu.sampleRate);
    const size_t to = size_t(4 * menu.sampleRate);
    for (size_t i = from; i < to && i < menu.sound.size(); ++i)
        sum += double(menu.sound[i]) * menu.sound[i];
    QVERIFY(std::sqrt(sum / double(to - from)) > 0.05);
    // The third photo behind the title: its colours, blurred and darkened
    // (its blue channel is the only one of the three photos with blue).
    const QImage page = DvdInspect::firstPicture(vob);
    QVERIFY(!page.isNull());
    const QRgb corner = page.pixel(10, page.height() / 2);
    QVERIFY2(qBlue(corner) > 25, qPrintable(QString::number(corner, 16)));

    // Without music under it: the short silent still.
    const Run quiet =
        makeDvd({"--to-folder", work, "--volume-label", "QUIET", "--no-menu-music", "--photo-duration",
                 "1000", "--aspect", "4:3", "--quality", "low", m_photos[0], m_music});
    QVERIFY2(quiet.exitCode == 0, quiet.err.constData());
    const DvdInspect::Decoded still =
        DvdInspect::decode(work + QStringLiteral("/QUIET/VIDEO_TS/VIDEO_TS.VOB"));
    QVERIFY2(still.ok, qPrintable(still.error));
    QCOMPARE(still.pictureTimes.size(), 2 * 25);
}

#include "test_makedvd.moc"
