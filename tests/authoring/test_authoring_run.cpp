// Whole authoring runs with the real mplex and dvdauthor: author.xml, the
// statuses and progress, the DVD folder read back with libdvdread and
// decoded with FFmpeg, several titles, missing tools, abort and destruction
// while running.
#include "dvdtestmedia.h"
#include "authoring/dvdauthoring.h"

#include "dvdcheck.h"
#include "dvdinspect.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace DvdTestMedia;

namespace {
using Status = DvdAuthoring::AuthorStatus;

// Statuses and progress of one run, in the order emitted.
struct Record {
    QList<int> statuses;
    QList<int> titleIndexes;
    QList<int> progress;

    void attach(DvdAuthoring *author, Qt::ConnectionType type = Qt::AutoConnection)
    {
        QObject::connect(
            author, &DvdAuthoring::statusChanged, author,
            [this](DvdAuthoring::AuthorStatus s, int index) {
                statuses.append(int(s));
                titleIndexes.append(index);
            },
            type);
        QObject::connect(
            author, &DvdAuthoring::progressChanged, author, [this](int p) { progress.append(p); }, type);
    }
};

// Runs the author on its worker thread to the end and delivers the signals
// queued for this thread.
void runToEnd(DvdAuthoring &author)
{
    author.start();
    author.wait();
    QCoreApplication::processEvents();
}

// The statuses of a run whose titles all went through: dvdauthor starts
// right after the first title's mplex, and the titles follow one another
// while it reads them.
QList<int> successfulRun(int titles)
{
    QList<int> s{DvdAuthoring::MplexRunning, DvdAuthoring::AuthorStarted};
    for (int i = 0; i < titles; ++i) {
        if (i > 0)
            s << DvdAuthoring::MplexRunning;
        s << DvdAuthoring::MplexOk << DvdAuthoring::SpumuxRunning << DvdAuthoring::SpumuxOk;
    }
    return s << DvdAuthoring::AuthorSucceeded;
}

// Writes data into a named pipe once a reader has opened it (within ten
// seconds), as the encoder does; false when no reader came or a write
// failed.
bool feedPipe(const QString &path, const QByteArray &data)
{
    const QByteArray name = QFile::encodeName(path);
    int fd = -1;
    for (int i = 0; i < 1000 && fd < 0; ++i) {
        fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (fd < 0)
        return false;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::write(fd, data.constData() + done, size_t(qMin<qsizetype>(65536, data.size() - done)));
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
    return done == data.size();
}

bool rising(const QList<int> &values)
{
    for (int i = 1; i < values.size(); ++i) {
        if (values.at(i) < values.at(i - 1))
            return false;
    }
    return true;
}
} // namespace

class TestAuthoringRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void addingStreams();
    void noTitlesEndsSilently();
    void onePalTitleInAwkwardFolder();
    void oneNtscTitle();
    void twoTitlesSecondWithoutAudio();
    void authoringProgressFromDvdauthor();
    void manyTitles_data();
    void manyTitles();
    void missingMplex();
    void noTemporaryFolder();
    void authoringFailureIsNoSuccess();
    void missingDvdauthor();
    void failingToolsTellWhy();
    void streamedVideoInput();
    void filesWhereNoPipes();
    void toolFailingMidStreamTellsItsCause_data();
    void toolFailingMidStreamTellsItsCause();
    void abortDuringMplex();
    void abortDuringDvdauthor();
    void abortBetweenTitles();
    void destroyWhileRunning();

private:
    // Runs the author on its thread and waits for the end.
    bool runThreaded(DvdAuthoring &author, int timeoutMs = 60000);
    void checkDisc(const QString &dvd, int titles, bool pal, double seconds, const QStringList &languages);

    QString m_dir;
    QString m_pal;
    QString m_ntsc;
    QString m_audio;
    QString m_appDir; // holds silence.ac3
    QString m_dense;  // 4 s at a constant 9 Mbit/s: dvdauthor reports progress
};

void TestAuthoringRun::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("run-media"));
    m_pal = m_dir + QStringLiteral("/pal.m2v");
    m_ntsc = m_dir + QStringLiteral("/ntsc.m2v");
    m_audio = m_dir + QStringLiteral("/audio.ac3");
    m_appDir = TestSupport::freshDir(QStringLiteral("run-appdir"));
    QVERIFY(makeVideo(m_pal, true, 2));
    QVERIFY(makeVideo(m_ntsc, false, 2));
    QVERIFY(makeAudio(m_audio, 2));
    QVERIFY(makeAudio(m_appDir + QStringLiteral("/silence.ac3"), 1));
    m_dense = m_dir + QStringLiteral("/dense.m2v");
    QVERIFY(TestSupport::ffmpeg(
        QStringLiteral("-f lavfi -i testsrc=size=720x576:rate=25 -t 4 -c:v mpeg2video -b:v 9M -maxrate 9M "
                       "-minrate 9M -bufsize 1835008 -g 3 -aspect 4:3 -f mpeg2video")
            .split(QLatin1Char(' '))
        << m_dense));
}

bool TestAuthoringRun::runThreaded(DvdAuthoring &author, int timeoutMs)
{
    QSignalSpy finished(&author, &QThread::finished);
    author.start();
    return finished.wait(timeoutMs) || author.isFinished();
}

void TestAuthoringRun::checkDisc(const QString &dvd, int titles, bool pal, double seconds,
                                 const QStringList &languages)
{
    const DvdCheck::Disc disc = DvdCheck::read(dvd);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), titles);
    // The video manager's menus carry valid attributes of the standard.
    QCOMPARE(disc.menuFormat, pal ? 1 : 0);
    QCOMPARE(disc.menuPictureSize, 0);
    for (const QString &message : disc.messages)
        QVERIFY2(!message.contains(QStringLiteral("bug report")), qPrintable(message));
    for (int t = 0; t < titles; ++t) {
        const DvdCheck::Title &title = disc.titles.at(t);
        QCOMPARE(title.pal, pal ? 1 : 0);
        QCOMPARE(title.height, pal ? 576 : 480);
        QCOMPARE(title.aspect, 0);
        QVERIFY2(qAbs(title.seconds - seconds) <= 1.0, qPrintable(QString::number(title.seconds)));
        QCOMPARE(title.audio.size(), 1);
        QCOMPARE(title.audio.at(0).format, 0);
        QCOMPARE(title.audio.at(0).channels, 2);
        QCOMPARE(title.audio.at(0).language, languages.value(t));
    }
}

void TestAuthoringRun::addingStreams()
{
    DvdAuthoring author;
    QVERIFY(!author.addVideo(m_dir + QStringLiteral("/missing.m2v"), 0));
    QVERIFY(!author.addAudio(m_audio, QStringLiteral("English"), 0));
    QVERIFY(author.addVideo(m_pal, 0));
    QVERIFY(!author.addVideo(m_pal, 0));
    QVERIFY(author.addVideo(m_pal, 7));
    QCOMPARE(author.titleCount(), 2);
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 1));
    QVERIFY(!author.addAudio(m_audio, QStringLiteral("English"), 2));
    QVERIFY(!author.addAudio(m_audio, QStringLiteral("English"), -1));
    QVERIFY(!author.addAudio(m_dir + QStringLiteral("/missing.ac3"), QStringLiteral("English"), 0));
    // Chapters start at ascending frames of a title that exists.
    QVERIFY(author.setChapters(0, {0, 25, 80}));
    QVERIFY(!author.setChapters(0, {0, 80, 25}));
    QVERIFY(!author.setChapters(0, {0, 25, 25}));
    QVERIFY(!author.setChapters(0, {-1, 25}));
    QVERIFY(!author.setChapters(2, {0, 25}));
    author.clear();
    QCOMPARE(author.titleCount(), 0);
}

void TestAuthoringRun::noTitlesEndsSilently()
{
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    QVERIFY(runThreaded(author));
    QCoreApplication::processEvents();
    QVERIFY(record.statuses.isEmpty());
    QVERIFY(record.progress.isEmpty());
}

void TestAuthoringRun::onePalTitleInAwkwardFolder()
{
    const QString temp = TestSupport::freshDir(QStringLiteral("run pal, it's \"quoted\" ünïcødé"));
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    QVERIFY(author.addVideo(m_pal, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setAspectRatio(DvdAuthoring::Ratio4x3);
    author.setTempPath(temp + QStringLiteral("/"));
    author.setTVStandard(DvdAuthoring::PAL);
    QVERIFY(runThreaded(author));
    QCoreApplication::processEvents();

    QCOMPARE(record.statuses, successfulRun(1));
    QCOMPARE(record.titleIndexes, QList<int>(6, 0));
    QCOMPARE(author.processStatus(), DvdAuthoring::AuthorSucceeded);
    QVERIFY(rising(record.progress));
    QCOMPARE(record.progress.last(), 100);
    // The multiplexed title went through a pipe: nothing of it is stored.
    QVERIFY(!QFileInfo::exists(temp + QStringLiteral("/title_0.vob")));

    const QStringList expected{
        QStringLiteral("dvdauthor jumppad=1"),
        QStringLiteral("  titleset"),
        QStringLiteral("    menus"),
        QStringLiteral("      video format=pal aspect=4:3"),
        QStringLiteral("      pgc"),
        QStringLiteral("        pre : jump title 1;"),
        QStringLiteral("    titles"),
        QStringLiteral("      video format=pal aspect=4:3"),
        QStringLiteral("      audio lang=EN format=ac3"),
        QStringLiteral("      pgc"),
        QStringLiteral("        pre : g2 = 1;"),
        QStringLiteral("        vob file=title_0.vob"),
        QStringLiteral("        post : call vmgm menu 1;"),
        QStringLiteral("  vmgm"),
        QStringLiteral("    fpc : jump title 1;"),
        QStringLiteral("    menus"),
        QStringLiteral("      video format=pal resolution=720x576 aspect=4:3"),
        QStringLiteral("      pgc"),
        QStringLiteral("        post : jump title 1;"),
    };
    QCOMPARE(xmlOutline(temp + QStringLiteral("/author.xml")), expected);
    // No XML declaration.
    QFile xml(temp + QStringLiteral("/author.xml"));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    QVERIFY(xml.readAll().trimmed().startsWith("<dvdauthor"));

    const QString dvd = temp + QStringLiteral("/dvd");
    checkDisc(dvd, 1, true, 2.0, {QStringLiteral("en")});
    const QList<QString> vobs = DvdCheck::titleVobs(dvd, 1);
    QCOMPARE(vobs.size(), 1);
    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(vobs.first());
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
    QVERIFY2(qAbs(decoded.videoFrames - 50) <= 1, qPrintable(QString::number(decoded.videoFrames)));
    QVERIFY(decoded.audioFrames > 0);
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::oneNtscTitle()
{
    const QString temp = TestSupport::freshDir(QStringLiteral("run-ntsc"));
    const QString target =
        TestSupport::freshDir(QStringLiteral("run-ntsc-target")) + QStringLiteral("/My DVD");
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    QVERIFY(author.addVideo(m_ntsc, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(temp);
    author.setTargetFolder(target);
    author.setEndOfShow(DvdAuthoring::Stop);
    runToEnd(author);

    QCOMPARE(record.statuses, successfulRun(1));
    const QStringList outline = xmlOutline(temp + QStringLiteral("/author.xml"));
    // Every menu and title of the disc says its shape.
    QCOMPARE(outline.value(3), QStringLiteral("      video format=ntsc aspect=4:3"));
    QCOMPARE(outline.value(7), QStringLiteral("      video format=ntsc aspect=4:3"));
    // The show stops at the end: a player walking the disc reaches its
    // stopped state after the title.
    QCOMPARE(outline.value(12), QStringLiteral("        post : exit;"));
    QCOMPARE(outline.value(16), QStringLiteral("      video format=ntsc resolution=720x480 aspect=4:3"));
    QCOMPARE(outline.size(), 19);
    QVERIFY(!QFileInfo::exists(temp + QStringLiteral("/dvd")));
    checkDisc(target, 1, false, 2.0, {QStringLiteral("en")});
    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(DvdCheck::titleVobs(target, 1).value(0));
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
    const DvdInspect::Walk walk = DvdInspect::walk(target, 100000);
    QVERIFY2(walk.ok, qPrintable(walk.error));
    QVERIFY(walk.stopped);
    QCOMPARE(walk.titleStarts, 1);

    // Authoring again into the same folder gives the same one-title disc.
    runToEnd(author);
    QCOMPARE(author.processStatus(), DvdAuthoring::AuthorSucceeded);
    checkDisc(target, 1, false, 2.0, {QStringLiteral("en")});
}

void TestAuthoringRun::twoTitlesSecondWithoutAudio()
{
    ScopedEnv appDir("SORVEL_APPDIR", m_appDir);
    const QString temp = TestSupport::freshDir(QStringLiteral("run-two"));
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    QVERIFY(author.addVideo(m_pal, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("Deutsch (German)"), 0));
    QVERIFY(author.addVideo(m_pal, 1));
    // The first title has a second chapter one second in.
    QVERIFY(author.setChapters(0, {0, 25}));
    author.setTempPath(temp);
    author.setTVStandard(DvdAuthoring::PAL);
    author.setAspectRatio(DvdAuthoring::Ratio16x9);
    QVERIFY(runThreaded(author));
    QCoreApplication::processEvents();

    QCOMPARE(record.statuses, successfulRun(2));
    QCOMPARE(record.titleIndexes, (QList<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 0}));
    QVERIFY(rising(record.progress));
    QCOMPARE(record.progress.last(), 100);

    const QStringList expected{
        QStringLiteral("dvdauthor jumppad=1"),
        QStringLiteral("  titleset"),
        QStringLiteral("    menus"),
        QStringLiteral("      video format=pal aspect=16:9 widescreen=nopanscan"),
        QStringLiteral("      pgc"),
        QStringLiteral("        pre : jump title 1;"),
        QStringLiteral("    titles"),
        QStringLiteral("      video format=pal aspect=16:9 widescreen=nopanscan"),
        QStringLiteral("      audio lang=DE format=ac3"),
        QStringLiteral("      pgc"),
        QStringLiteral("        pre : g2 = 1;"),
        QStringLiteral("        vob file=title_0.vob chapters=0.000000,1.000000"),
        QStringLiteral("        post : call titleset 2 menu;"),
        QStringLiteral("  titleset"),
        QStringLiteral("    menus"),
        QStringLiteral("      video format=pal aspect=16:9 widescreen=nopanscan"),
        QStringLiteral("      pgc"),
        QStringLiteral("        pre : jump title 1;"),
        QStringLiteral("    titles"),
        QStringLiteral("      video format=pal aspect=16:9 widescreen=nopanscan"),
        QStringLiteral("      pgc"),
        QStringLiteral("        pre : g2 = 1;"),
        QStringLiteral("        vob file=title_1.vob"),
        QStringLiteral("        post : call vmgm menu 1;"),
        QStringLiteral("  vmgm"),
        QStringLiteral("    fpc : jump title 1;"),
        QStringLiteral("    menus"),
        QStringLiteral("      video format=pal resolution=720x576 aspect=16:9 widescreen=nopanscan"),
        QStringLiteral("      pgc"),
        QStringLiteral("        post : jump title 1;"),
    };
    QCOMPARE(xmlOutline(temp + QStringLiteral("/author.xml")), expected);

    const DvdCheck::Disc disc = DvdCheck::read(temp + QStringLiteral("/dvd"));
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 2);
    QCOMPARE(disc.titles.at(0).aspect, 3);
    QCOMPARE(disc.titles.at(0).permittedDisplay, 2); // letterboxed on a 4:3 set
    QCOMPARE(disc.menuAspect, 3);
    QCOMPARE(disc.titles.at(0).partCount, 2);
    QCOMPARE(disc.titles.at(1).partCount, 1);
    QCOMPARE(disc.titles.at(0).audio.value(0).language, QStringLiteral("de"));
    QCOMPARE(disc.titles.at(1).audio.size(), 1);
    QCOMPARE(disc.titles.at(1).audio.at(0).format, 0);
    QVERIFY2(qAbs(disc.titles.at(1).seconds - 2.0) <= 1.0,
             qPrintable(QString::number(disc.titles.at(1).seconds)));
    // The silent sound track is on the disc for the second title.
    const DvdCheck::DecodeResult second =
        DvdCheck::decodeAll(DvdCheck::titleVobs(temp + QStringLiteral("/dvd"), 2).value(0));
    QVERIFY2(second.ok, qPrintable(second.error));
    QCOMPARE(second.errors, 0);
    QVERIFY(second.audioFrames > 0);
}

void TestAuthoringRun::authoringProgressFromDvdauthor()
{
    // Short GOPs at a constant 9 Mbit/s: dvdauthor reports its output size
    // several times within a few seconds of video.
    const QString temp = TestSupport::freshDir(QStringLiteral("run-progress"));
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    QVERIFY(author.addVideo(m_dense, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(temp);
    author.setTVStandard(DvdAuthoring::PAL);
    runToEnd(author);
    QCOMPARE(author.processStatus(), DvdAuthoring::AuthorSucceeded);
    QVERIFY(rising(record.progress));
    const bool between = std::any_of(record.progress.cbegin(), record.progress.cend(),
                                     [](int p) { return p > 50 && p < 100; });
    QVERIFY(between);
    QCOMPARE(record.progress.last(), 100);
}

void TestAuthoringRun::manyTitles_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("30 titles chain through title set menus") << 30;
    QTest::newRow("31 titles return to the video manager") << 31;
}

void TestAuthoringRun::manyTitles()
{
    QFETCH(int, count);
    const QString temp = TestSupport::freshDir(QStringLiteral("run-%1").arg(count));
    // Short titles keep the run quick.
    const QString video = temp + QStringLiteral("/short.m2v");
    const QString audio = temp + QStringLiteral("/short.ac3");
    QVERIFY(makeVideo(video, true, 0.5));
    QVERIFY(makeAudio(audio, 0.5));
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    for (int i = 0; i < count; ++i) {
        QVERIFY(author.addVideo(video, i));
        QVERIFY(author.addAudio(audio, QStringLiteral("English"), i));
    }
    author.setTempPath(temp);
    author.setTVStandard(DvdAuthoring::PAL);
    QVERIFY(runThreaded(author, 120000));
    QCoreApplication::processEvents();
    QCOMPARE(record.statuses.last(), int(DvdAuthoring::AuthorSucceeded));
    QVERIFY(rising(record.progress));

    const QStringList outline = xmlOutline(temp + QStringLiteral("/author.xml"));
    const bool jump = count <= 30;
    QCOMPARE(outline.first(),
             jump ? QStringLiteral("dvdauthor jumppad=1") : QStringLiteral("dvdauthor jumppad=0"));
    QCOMPARE(outline.count(QStringLiteral("  titleset")), count);
    QCOMPARE(outline.count(QStringLiteral("        pre : jump title 1;")), jump ? count : 0);
    QStringList posts;
    for (const QString &line : outline.mid(0, outline.indexOf(QStringLiteral("  vmgm")))) {
        if (line.startsWith(QStringLiteral("        post : ")))
            posts.append(line.mid(15));
    }
    QCOMPARE(posts.size(), count);
    QCOMPARE(posts.last(), QStringLiteral("call vmgm menu 1;"));
    if (jump) {
        QCOMPARE(posts.at(0), QStringLiteral("call titleset 2 menu;"));
        QCOMPARE(posts.at(28), QStringLiteral("call titleset 30 menu;"));
    } else {
        QCOMPARE(posts.at(0), QStringLiteral("g1 = 2; call vmgm menu 1;"));
        QCOMPARE(posts.at(23), QStringLiteral("g1 = 25; call vmgm menu 1;"));
        QCOMPARE(posts.at(24), QStringLiteral("g1 = 26; call vmgm menu 2;"));
        QCOMPARE(posts.at(29), QStringLiteral("g1 = 31; call vmgm menu 2;"));
    }
    QCOMPARE(outline.indexOf(QStringLiteral("        vob file=title_%1.vob").arg(count - 1)) > 0, true);

    const DvdCheck::Disc disc = DvdCheck::read(temp + QStringLiteral("/dvd"));
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), count);
}

void TestAuthoringRun::missingMplex()
{
    const QString empty = TestSupport::freshDir(QStringLiteral("run-no-tools"));
    ScopedEnv appDir("SORVEL_APPDIR", empty);
    ScopedEnv path("PATH", empty);
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    QVERIFY(author.addVideo(m_pal, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(empty);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^mplex: program not found")));
    QElapsedTimer timer;
    timer.start();
    // At once, not after the wait for a tool's output: well inside the
    // bound (a fixed 3 s failed on a loaded machine and under sanitizers).
    QVERIFY(runThreaded(author, 10000));
    qInfo("a missing mplex was reported after %lld ms", qint64(timer.elapsed()));
    QCoreApplication::processEvents();
    QCOMPARE(record.statuses, (QList<int>{DvdAuthoring::MplexRunning, DvdAuthoring::MplexFailed}));
    QCOMPARE(author.errorString(), QStringLiteral("mplex: program not found"));
    QVERIFY(record.progress.isEmpty());
    QVERIFY(!QFileInfo::exists(empty + QStringLiteral("/author.xml")));
}

void TestAuthoringRun::noTemporaryFolder()
{
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    QVERIFY(author.addVideo(m_pal, 0));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no usable temporary folder")));
    runToEnd(author);
    QCOMPARE(record.statuses, (QList<int>{DvdAuthoring::MplexRunning, DvdAuthoring::MplexFailed}));
}

void TestAuthoringRun::authoringFailureIsNoSuccess()
{
    // The DVD folder cannot be made where a file stands.
    const QString temp = TestSupport::freshDir(QStringLiteral("run-author-fails"));
    const QString blocked = temp + QStringLiteral("/blocked");
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    QVERIFY(author.addVideo(m_pal, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(temp);
    author.setTargetFolder(blocked);
    runToEnd(author);
    // mplex, waiting for its reader, is stopped with dvdauthor's failure.
    QCOMPARE(record.statuses, (QList<int>{DvdAuthoring::MplexRunning, DvdAuthoring::AuthorStarted,
                                          DvdAuthoring::AuthorFailed}));
    QVERIFY(author.errorString().startsWith(QStringLiteral("dvdauthor ended with exit code")));
    QVERIFY(!record.progress.contains(100));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::missingDvdauthor()
{
    // Only mplex can be found.
    const QString tools = TestSupport::freshDir(QStringLiteral("run-only-mplex"));
    QVERIFY(QFile::link(QStandardPaths::findExecutable(QStringLiteral("mplex")),
                        tools + QStringLiteral("/mplex")));
    ScopedEnv appDir("SORVEL_APPDIR", tools);
    ScopedEnv path("PATH", tools);
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    QVERIFY(author.addVideo(m_pal, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(tools);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^dvdauthor: program not found")));
    QVERIFY(runThreaded(author, 10000));
    QCoreApplication::processEvents();
    QCOMPARE(record.statuses, (QList<int>{DvdAuthoring::MplexRunning, DvdAuthoring::AuthorFailed}));
    QCOMPARE(author.errorString(), QStringLiteral("dvdauthor: program not found"));
    QVERIFY(!record.progress.contains(100));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::failingToolsTellWhy()
{
    // Small scripts stand in for tools that misbehave: each failure is a
    // failure (not an abort) and says how the tool ended and what it said
    // last.
    const QString tools = TestSupport::freshDir(QStringLiteral("run-failing-tools"));
    auto script = [&](const QString &name, const QByteArray &body) {
        QVERIFY(TestSupport::writeShellScript(tools + QLatin1Char('/') + name, body));
    };
    auto run = [&](const QString &temp, Record &record, DvdAuthoring &author) {
        record.attach(&author, Qt::DirectConnection);
        QVERIFY(author.addVideo(m_pal, 0));
        QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
        author.setTempPath(temp);
        runToEnd(author);
    };
    ScopedEnv appDir("SORVEL_APPDIR", tools);
    ScopedEnv path("PATH", tools + QStringLiteral(":/usr/bin:/bin"));

    // dvdauthor crashes after a line of output.
    QVERIFY(QFile::link(QStandardPaths::findExecutable(QStringLiteral("mplex")),
                        tools + QStringLiteral("/mplex")));
    script(QStringLiteral("dvdauthor"), "echo 'INFO: Processing title_0.vob...' >&2\nkill -SEGV $$\n");
    {
        DvdAuthoring author;
        Record record;
        run(TestSupport::freshDir(QStringLiteral("run-crashing-dvdauthor")), record, author);
        QCOMPARE(record.statuses.last(), int(DvdAuthoring::AuthorFailed));
        QVERIFY2(author.errorString().startsWith(
                     QStringLiteral("dvdauthor crashed (signal 11, Segmentation fault); its last output:\n")),
                 qPrintable(author.errorString()));
        QVERIFY(author.errorString().endsWith(QStringLiteral("INFO: Processing title_0.vob...")));
    }

    // mplex ends with an exit code after a few lines. The real dvdauthor
    // waits for the title that never comes, so mplex's failure is the one
    // reported (a crashing dvdauthor would race it).
    QVERIFY(QFile::remove(tools + QStringLiteral("/mplex")));
    QVERIFY(QFile::remove(tools + QStringLiteral("/dvdauthor")));
    QVERIFY(QFile::link(QStandardPaths::findExecutable(QStringLiteral("dvdauthor")),
                        tools + QStringLiteral("/dvdauthor")));
    script(QStringLiteral("mplex"), "echo one >&2\necho two >&2\necho three >&2\necho four >&2\nexit 3\n");
    {
        DvdAuthoring author;
        Record record;
        run(TestSupport::freshDir(QStringLiteral("run-failing-mplex")), record, author);
        QCOMPARE(record.statuses, (QList<int>{DvdAuthoring::MplexRunning, DvdAuthoring::AuthorStarted,
                                              DvdAuthoring::MplexFailed}));
        QCOMPARE(author.errorString(),
                 QStringLiteral("mplex ended with exit code 3; its last output:\ntwo\nthree\nfour"));
        QVERIFY(childProcesses().isEmpty());
    }
}

void TestAuthoringRun::streamedVideoInput()
{
    // The video arrives through a named pipe while mplex and dvdauthor run,
    // as the encoder hands it over; progress follows the expected size.
    const QString temp = TestSupport::freshDir(QStringLiteral("run-streamed"));
    const QString pipe = temp + QStringLiteral("/video.m2v");
    QString error;
    QVERIFY2(DvdAuthoring::createPipe(pipe, &error), qPrintable(error));
    QFile source(m_dense);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray video = source.readAll();
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    QVERIFY(author.addVideo(pipe, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(temp);
    author.setTVStandard(DvdAuthoring::PAL);
    author.setExpectedSize(video.size() + QFileInfo(m_audio).size());
    author.start();
    bool written = false;
    std::thread writer([&] { written = feedPipe(pipe, video); });
    QVERIFY(author.wait(60000));
    writer.join();
    QVERIFY(written);
    QCOMPARE(record.statuses, successfulRun(1));
    QVERIFY(rising(record.progress));
    QVERIFY(std::any_of(record.progress.cbegin(), record.progress.cend(),
                        [](int p) { return p > 0 && p < 100; }));
    QCOMPARE(record.progress.last(), 100);

    const QString dvd = temp + QStringLiteral("/dvd");
    const DvdCheck::Disc disc = DvdCheck::read(dvd);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    QVERIFY2(qAbs(disc.titles.at(0).seconds - 4.0) <= 1.0,
             qPrintable(QString::number(disc.titles.at(0).seconds)));
    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(DvdCheck::titleVobs(dvd, 1).value(0));
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
    // (The stream has no sequence end code: mplex drops its last picture.)
    QVERIFY2(qAbs(decoded.videoFrames - 100) <= 1, qPrintable(QString::number(decoded.videoFrames)));
    QVERIFY(decoded.audioFrames > 0);
    // Only the pipe the caller made is left.
    QVERIFY(!QFileInfo::exists(temp + QStringLiteral("/title_0.vob")));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::filesWhereNoPipes()
{
    // Without named pipes every title is multiplexed into its file first,
    // then dvdauthor reads the files: the statuses and progress of that
    // order, and the same disc.
    ScopedEnv noPipes("SORVEL_NO_PIPES", QStringLiteral("1"));
    ScopedEnv appDir("SORVEL_APPDIR", m_appDir);
    const QString temp = TestSupport::freshDir(QStringLiteral("run-files"));
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    QVERIFY(author.addVideo(m_dense, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    QVERIFY(author.addVideo(m_pal, 1));
    author.setTempPath(temp);
    author.setTVStandard(DvdAuthoring::PAL);
    runToEnd(author);
    QList<int> expected;
    for (int i = 0; i < 2; ++i)
        expected << DvdAuthoring::MplexRunning << DvdAuthoring::MplexOk << DvdAuthoring::SpumuxRunning
                 << DvdAuthoring::SpumuxOk;
    expected << DvdAuthoring::AuthorStarted << DvdAuthoring::AuthorSucceeded;
    QCOMPARE(record.statuses, expected);
    QVERIFY(rising(record.progress));
    QVERIFY(record.progress.first() > 0 && record.progress.first() < 50);
    QVERIFY(std::any_of(record.progress.cbegin(), record.progress.cend(),
                        [](int p) { return p > 50 && p < 100; }));
    QCOMPARE(record.progress.last(), 100);
    QVERIFY(QFileInfo(temp + QStringLiteral("/title_0.vob")).isFile());
    QVERIFY(QFileInfo(temp + QStringLiteral("/title_1.vob")).isFile());
    const DvdCheck::Disc disc = DvdCheck::read(temp + QStringLiteral("/dvd"));
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 2);
    const DvdCheck::DecodeResult decoded =
        DvdCheck::decodeAll(DvdCheck::titleVobs(temp + QStringLiteral("/dvd"), 1).value(0));
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::toolFailingMidStreamTellsItsCause_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("cause");
    // mplex multiplexes the first part of the video, closes its output and
    // then fails: dvdauthor has read a well-formed but short title, which
    // must not become a DVD.
    QTest::newRow("mplex fails after part of the video")
        << QStringLiteral("mplex")
        << QByteArray("part=\"$(dirname \"$6\")/part.m2v\"\n"
                      "head -c 600000 \"$7\" > \"$part\"\n"
                      "REAL -v 1 -f 8 -o \"$6\" \"$part\" \"$8\" || exit 9\n"
                      "sleep 0.3\n"
                      "echo '**ERROR: [mplex] Input stream damaged' >&2\nexit 1\n")
        << int(DvdAuthoring::MplexFailed) << QStringLiteral("mplex: **ERROR: [mplex] Input stream damaged");
    // dvdauthor stops reading halfway and says why a moment later: mplex
    // loses its reader (a broken pipe) first, yet the cause is dvdauthor's.
    QTest::newRow("dvdauthor fails after part of the title")
        << QStringLiteral("dvdauthor")
        << QByteArray("head -c 300000 title_0.vob > /dev/null\nsleep 0.5\n"
                      "echo 'ERR: Cannot write the DVD folder' >&2\nexit 2\n")
        << int(DvdAuthoring::AuthorFailed)
        << QStringLiteral(
               "dvdauthor ended with exit code 2; its last output:\nERR: Cannot write the DVD folder");
}

void TestAuthoringRun::toolFailingMidStreamTellsItsCause()
{
    QFETCH(QString, tool);
    QFETCH(QByteArray, script);
    QFETCH(int, status);
    QFETCH(QString, cause);
    const QString tools = TestSupport::freshDir(QStringLiteral("run-midstream-tools"));
    for (const char *name : {"mplex", "dvdauthor"}) {
        const QString real = QStandardPaths::findExecutable(QLatin1String(name));
        if (tool != QLatin1String(name)) {
            QVERIFY(QFile::link(real, tools + QLatin1Char('/') + QLatin1String(name)));
            continue;
        }
        QVERIFY(TestSupport::writeShellScript(tools + QLatin1Char('/') + tool,
                                              QByteArray(script).replace("REAL", QFile::encodeName(real))));
    }
    ScopedEnv appDir("SORVEL_APPDIR", tools);
    ScopedEnv path("PATH", tools + QStringLiteral(":/usr/bin:/bin"));
    const QString temp = TestSupport::freshDir(QStringLiteral("run-midstream"));
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    QVERIFY(author.addVideo(m_dense, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(temp);
    author.setTVStandard(DvdAuthoring::PAL);
    QElapsedTimer timer;
    timer.start();
    author.start();
    QVERIFY(author.wait(30000));
    QVERIFY(timer.elapsed() < 15000);
    QCOMPARE(record.statuses.value(0), int(DvdAuthoring::MplexRunning));
    QCOMPARE(record.statuses.value(1), int(DvdAuthoring::AuthorStarted));
    QCOMPARE(record.statuses.last(), status);
    QVERIFY(!record.statuses.contains(DvdAuthoring::AuthorSucceeded));
    QCOMPARE(author.errorString(), cause);
    QVERIFY(!record.progress.contains(100));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::abortDuringMplex()
{
    const QString temp = TestSupport::freshDir(QStringLiteral("run-abort-mplex"));
    const QString pipe = temp + QStringLiteral("/video.m2v");
    QVERIFY(makeFifo(pipe));
    DvdAuthoring author;
    Record record;
    record.attach(&author);
    QVERIFY(author.addVideo(pipe, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(temp);
    QSignalSpy finished(&author, &QThread::finished);
    author.start();
    QTRY_VERIFY(!childProcesses().isEmpty());
    QTest::qWait(300);
    QElapsedTimer timer;
    timer.start();
    author.abort();
    QVERIFY(finished.wait(5000) || author.isFinished());
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCoreApplication::processEvents();
    QCOMPARE(record.statuses, (QList<int>{DvdAuthoring::MplexRunning, DvdAuthoring::AuthorStarted,
                                          DvdAuthoring::MplexAborted, DvdAuthoring::AuthorAborted}));
    QVERIFY(childProcesses().isEmpty());
    QVERIFY(!QFileInfo::exists(temp + QStringLiteral("/title_0.vob")));
}

void TestAuthoringRun::abortDuringDvdauthor()
{
    const QString temp = TestSupport::freshDir(QStringLiteral("run-abort-dvdauthor"));
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    QStringList childrenAtStart;
    // Aborts the moment dvdauthor runs, from inside the run.
    connect(
        &author, &DvdAuthoring::statusChanged, &author,
        [&](DvdAuthoring::AuthorStatus s) {
            if (s == DvdAuthoring::AuthorStarted) {
                childrenAtStart = childProcesses();
                author.abort();
            }
        },
        Qt::DirectConnection);
    // The video comes from a named pipe that nobody writes, so mplex is
    // still running when the abort comes (a short video file could be
    // multiplexed completely before it, on a busy machine).
    const QString pipe = temp + QStringLiteral("/video.m2v");
    QVERIFY(makeFifo(pipe));
    QVERIFY(author.addVideo(pipe, 0));
    QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), 0));
    author.setTempPath(temp);
    runToEnd(author);
    // mplex and dvdauthor run side by side; both go.
    QCOMPARE(childrenAtStart.size(), 2);
    QCOMPARE(record.statuses, (QList<int>{DvdAuthoring::MplexRunning, DvdAuthoring::AuthorStarted,
                                          DvdAuthoring::MplexAborted, DvdAuthoring::AuthorAborted}));
    QCOMPARE(author.processStatus(), DvdAuthoring::AuthorAborted);
    QVERIFY(!record.progress.contains(100));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::abortBetweenTitles()
{
    const QString temp = TestSupport::freshDir(QStringLiteral("run-abort-between"));
    DvdAuthoring author;
    Record record;
    record.attach(&author, Qt::DirectConnection);
    connect(
        &author, &DvdAuthoring::statusChanged, &author,
        [&](DvdAuthoring::AuthorStatus s, int index) {
            if (s == DvdAuthoring::SpumuxOk && index == 0)
                author.abort();
        },
        Qt::DirectConnection);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(author.addVideo(m_pal, i));
        QVERIFY(author.addAudio(m_audio, QStringLiteral("English"), i));
    }
    author.setTempPath(temp);
    runToEnd(author);
    // The second title is skipped; authoring ends as aborted, never as a
    // success.
    QList<int> expected = successfulRun(1);
    expected.last() = DvdAuthoring::AuthorAborted;
    QCOMPARE(record.statuses, expected);
    QVERIFY(!QFileInfo::exists(temp + QStringLiteral("/title_1.vob")));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringRun::destroyWhileRunning()
{
    const QString temp = TestSupport::freshDir(QStringLiteral("run-destroy"));
    const QString pipe = temp + QStringLiteral("/video.m2v");
    QVERIFY(makeFifo(pipe));
    auto *author = new DvdAuthoring;
    QVERIFY(author->addVideo(pipe, 0));
    author->setTempPath(temp);
    QVERIFY(author->addAudio(m_audio, QStringLiteral("English"), 0));
    author->start();
    QTRY_VERIFY(!childProcesses().isEmpty());
    QElapsedTimer timer;
    timer.start();
    delete author;
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(childProcesses().isEmpty());
}

QTEST_GUILESS_MAIN(TestAuthoringRun)
#include "test_authoring_run.moc"
