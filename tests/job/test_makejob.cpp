// The job driven directly, as the window and make-dvd drive it: failures of
// a later step end the run with a message and clean up.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "album/album.h"
#include "album/probe.h"
#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "burning/burnworkflow.h"
#include "burning/runquestions.h"
#include "systemfixtures.h"
#include "testsupport.h"
#include "job/makejob.h"

// Answers every question of a run Yes ("try again" included, counted);
// nobody is there to click.
struct YesToAll : RunQuestions {
    int retries = 0;
    bool confirm(Confirmation, const QString &) override { return true; }
    bool retryFailedBurn(const QString &) override
    {
        ++retries;
        return true;
    }
    DiscWaitAnswer waitForDisc(const DiscWait &) override { return DiscWaitAnswer::Cancelled; }
};

class TestMakeJob : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void missingMultiplexerFailsTheRun();
    void abortWhileEncoding();
    void toolFailingWhileEncodingEndsTheRun_data();
    void toolFailingWhileEncodingEndsTheRun();
    void abortWhileMplexStalls();
    void failedStartLeavesEarlierRunAlone();
    void abortWhileRetryingAFailedBurn();
    void sizeEstimate();

private:
    static MakeRequest withAlbum(MakeRequest request, const Album &album)
    {
        request.album = album;
        return request;
    }
    static JobResult resultOf(const QList<QVariant> &arguments) { return arguments.at(0).value<JobResult>(); }
    Album makeAlbum(int photos);
    // An ISO image m_dir/<name>.iso, made in the working folder m_dir/temp-<name>.
    MakeRequest isoRequest(const QString &name) const;
    QString m_dir;
    YesToAll m_yes;
};

void TestMakeJob::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("generation"));
    // Questions are answered Yes; nobody is there to click.
    MessageBox::setAnswerHook([](const MessageBox::Request &) { return QDialogButtonBox::Yes; });
}

MakeRequest TestMakeJob::isoRequest(const QString &name) const
{
    MakeRequest request;
    request.destination.type = Destination::Iso;
    request.destination.path = m_dir + QLatin1Char('/') + name + QStringLiteral(".iso");
    request.tempBase = m_dir + QStringLiteral("/temp-") + name;
    return request;
}

Album TestMakeJob::makeAlbum(int photos)
{
    Album album;
    for (int i = 0; i < photos; ++i) {
        QImage img(640, 480, QImage::Format_RGB32);
        img.fill(qRgb(40 * i, 120, 200));
        const QString path = m_dir + QStringLiteral("/g%1.jpg").arg(i);
        img.save(path, "JPEG");
        ImageInfo info;
        info.path = path;
        if (probeImage(info, path)) {
            prepareImportedPhoto(info, true);
            album.photos.append(info);
        }
    }
    album.setPhotoDurationExactMs(1000);
    return album;
}

void TestMakeJob::missingMultiplexerFailsTheRun()
{
    // A broken installation: dvdauthor and genisoimage are there, mplex is not.
    const QString bin = TestSupport::freshDir(QStringLiteral("generation-bin"));
    for (const char *tool : {"dvdauthor", "genisoimage"})
        QVERIFY(
            QFile::link(QStandardPaths::findExecutable(QLatin1String(tool)), bin + QLatin1Char('/') + tool));
    const TestSupport::ScopedEnv path("PATH", bin);

    const Album album = makeAlbum(2);
    const MakeRequest request = isoRequest(QStringLiteral("broken"));
    MakeJob job;
    job.setQuestions(&m_yes);
    QSignalSpy finished(&job, &MakeJob::finished);
    QSignalSpy steps(&job, &MakeJob::stageChanged);
    QVERIFY(job.start(withAlbum(request, album)));
    QVERIFY(finished.wait(120000));
    QCOMPARE(resultOf(finished.first()).ok(), false);
    // The failure and its cause.
    QCOMPARE(resultOf(finished.first()).message,
             QStringLiteral("Failed to create DVD!\nmplex: program not found"));
    QVERIFY(!job.isRunning());
    // Authoring starts while the video is made: the missing tool ends the
    // run there, before any frame is rendered, and it did not wait forever.
    bool sawVideo = false;
    for (const QList<QVariant> &step : steps)
        sawVideo = sawVideo || step.at(0).value<JobStage>() == JobStage::CreatingVideo;
    QVERIFY(sawVideo);
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestMakeJob::abortWhileEncoding()
{
    Album album = makeAlbum(3);
    album.setPhotoDurationExactMs(60000);
    MakeRequest request;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvds");
    request.tempBase = m_dir + QStringLiteral("/temp-abort");
    MakeJob job;
    job.setQuestions(&m_yes);
    QSignalSpy finished(&job, &MakeJob::finished);
    QSignalSpy progress(&job, &MakeJob::progressChanged);
    QVERIFY(job.start(withAlbum(request, album)));
    // Well into the frames: mplex and dvdauthor take them as they come.
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() > 5 && progress.last().at(0).toInt() > 10, 60000);
    QCOMPARE(TestSupport::childProcesses().size(), 2);
    job.abort();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QCOMPARE(resultOf(finished.first()).ok(), false);
    QCOMPARE(resultOf(finished.first()).message, QStringLiteral("Aborted"));
    QCOMPARE(TestSupport::childProcesses(), QStringList());
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // A new run can start after an aborted one.
    Album small = makeAlbum(1);
    request.destination.path = m_dir + QStringLiteral("/dvds2");
    QVERIFY(job.start(withAlbum(request, small)));
    QVERIFY(finished.wait(120000));
    QCOMPARE(resultOf(finished.last()).ok(), true);
    QVERIFY(QFileInfo::exists(job.outputPath() + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")));
    // A DVD made without a window creates no widget at all.
    QVERIFY(QApplication::allWidgets().isEmpty());
}

void TestMakeJob::toolFailingWhileEncodingEndsTheRun_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("message");
    // The encoder's next write into the pipe fails (a broken pipe); the
    // message is the tool's own cause. The stand-ins read 100 kB: the
    // variable-rate video of these flat photos is some 400 kB.
    QTest::newRow("mplex fails after part of the video")
        << QStringLiteral("mplex")
        << QByteArray("head -c 100000 \"$7\" > /dev/null\n"
                      "echo '**ERROR: [mplex] Input stream damaged' >&2\nexit 1\n")
        << QStringLiteral("Failed to create DVD!\nmplex: **ERROR: [mplex] Input stream damaged");
    QTest::newRow("dvdauthor fails after part of the title")
        << QStringLiteral("dvdauthor")
        << QByteArray("head -c 1000000 title_0.vob > /dev/null\nsleep 0.5\n"
                      "echo 'ERR: Cannot write the DVD folder' >&2\nexit 2\n")
        << QStringLiteral("Failed to create DVD!\ndvdauthor ended with exit code 2; its last output:\n"
                          "ERR: Cannot write the DVD folder");
    // mplex stops reading but stays: the encoder's failure is the cause,
    // and the stalled tool is stopped.
    QTest::newRow("mplex stops reading the video")
        << QStringLiteral("mplex")
        << QByteArray("exec 3< \"$7\"\nhead -c 100000 <&3 > /dev/null\nexec 3<&-\nexec sleep 60\n")
        << QStringLiteral("Encoding failed: ");
}

void TestMakeJob::toolFailingWhileEncodingEndsTheRun()
{
    QFETCH(QString, tool);
    QFETCH(QByteArray, script);
    QFETCH(QString, message);
    const QString bin = TestSupport::freshDir(QStringLiteral("generation-midstream-bin"));
    QVERIFY(TestSupport::writeShellScript(bin + QLatin1Char('/') + tool, script));
    const TestSupport::ScopedEnv path("PATH", bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));

    Album album = makeAlbum(2);
    album.setPhotoDurationExactMs(8000);
    const MakeRequest request = isoRequest(QStringLiteral("midstream"));
    MakeJob job;
    job.setQuestions(&m_yes);
    QSignalSpy finished(&job, &MakeJob::finished);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(job.start(withAlbum(request, album)));
    QVERIFY(finished.wait(60000));
    QVERIFY(timer.elapsed() < 30000);
    QCOMPARE(resultOf(finished.first()).ok(), false);
    const QString text = resultOf(finished.first()).message;
    QVERIFY2(text.startsWith(message), qPrintable(text));
    QCOMPARE(TestSupport::childProcesses(), QStringList());
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestMakeJob::abortWhileMplexStalls()
{
    // mplex stops reading but keeps the video pipe open (a tool stuck on a
    // hung disk): the encoder cannot hand over more frames, yet the run
    // stays responsive and an abort ends it at once.
    const QString bin = TestSupport::freshDir(QStringLiteral("generation-stall-bin"));
    QVERIFY(TestSupport::writeShellScript(bin + QStringLiteral("/mplex"),
                                          "exec 3< \"$7\"\nhead -c 100000 <&3 > /dev/null\nexec sleep 60\n"));
    const TestSupport::ScopedEnv path("PATH", bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));

    Album album = makeAlbum(2);
    album.setPhotoDurationExactMs(20000);
    const MakeRequest request = isoRequest(QStringLiteral("stall"));
    MakeJob job;
    job.setQuestions(&m_yes);
    QSignalSpy finished(&job, &MakeJob::finished);
    QSignalSpy progress(&job, &MakeJob::progressChanged);
    QVERIFY(job.start(withAlbum(request, album)));
    // The frames start, then stop coming once the pipe is full.
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toInt() > 5, 30000);
    // (Until it holds for half a second; a slow machine, or a sanitizer
    // build, takes longer to fill the queue in front of the pipe.)
    int last = -1;
    for (int i = 0; i < 120 && progress.last().at(0).toInt() != last; ++i) {
        last = progress.last().at(0).toInt();
        QTest::qWait(500);
    }
    QCOMPARE(progress.last().at(0).toInt(), last);
    QVERIFY(last < 90);
    QElapsedTimer timer;
    timer.start();
    job.abort();
    QVERIFY(finished.count() == 1 || finished.wait(10000));
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(resultOf(finished.first()).message, QStringLiteral("Aborted"));
    QCOMPARE(TestSupport::childProcesses(), QStringList());
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestMakeJob::failedStartLeavesEarlierRunAlone()
{
    const Album album = makeAlbum(1);
    MakeRequest request;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvds-kept");
    request.tempBase = m_dir + QStringLiteral("/temp-kept");
    request.deleteTemp = false;
    MakeJob job;
    job.setQuestions(&m_yes);
    QSignalSpy finished(&job, &MakeJob::finished);
    QVERIFY(job.start(withAlbum(request, album)));
    QVERIFY(finished.wait(120000));
    QCOMPARE(resultOf(finished.last()).ok(), true);
    const QString kept = job.workFolder();
    QVERIFY(QFileInfo(kept + QStringLiteral("/audio.ac3")).isFile());

    // The next run fails at once; its clean-up must not touch the kept one.
    const Album empty;
    request.deleteTemp = true;
    QVERIFY(job.start(withAlbum(request, empty)));
    QCOMPARE(finished.count(), 2);
    QCOMPARE(resultOf(finished.last()).ok(), false);
    QVERIFY(QFileInfo(kept + QStringLiteral("/audio.ac3")).isFile());
}

void TestMakeJob::abortWhileRetryingAFailedBurn()
{
    // A person who answers every question Yes, "try again" included, while
    // the disc image's disk has turned read-only; after three tries the run
    // is aborted between two burns. It must end at once (it used to wait
    // for a burn that never came).
    TestSupport::TmpfsMount disk(QStringLiteral("generation-retry-disk"), 64 << 20);
    if (!disk.ok())
        QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + disk.error()));
    const Album album = makeAlbum(1);
    MakeRequest request;
    request.destination = {Destination::Burner,
                           QStringLiteral("stdio:") + disk.path() + QStringLiteral("/disc.img")};
    request.tempBase = m_dir + QStringLiteral("/temp-retry");
    YesToAll yes;
    const int &retries = yes.retries;
    MakeJob job;
    job.setQuestions(&yes);
    QSignalSpy finished(&job, &MakeJob::finished);
    connect(&job, &MakeJob::stageChanged, &job, [&](JobStage stage) {
        if (stage == JobStage::CreatingVideo)
            QVERIFY(disk.makeReadOnly());
    });
    // Each "try again" starts another burn by itself; the third time the
    // run is aborted between two burns.
    connect(&job, &MakeJob::nextCopyStarting, &job, [&] {
        if (retries >= 3)
            job.abort();
    });
    QVERIFY(job.start(withAlbum(request, album)));
    QVERIFY(finished.wait(120000));
    QCOMPARE(retries, 3);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(resultOf(finished.first()).ok(), false);
    QCOMPARE(resultOf(finished.first()).message, QStringLiteral("Aborted"));
    QVERIFY(!job.isRunning());
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestMakeJob::sizeEstimate()
{
    // 5 Mbit/s, 192 kbit/s, 600 s: 389400000 bytes, plus 5 percent.
    QCOMPARE(MakeJob::estimateDvdSize(5000000, 192000, 600.0), quint64(408870000));
    QCOMPARE(MakeJob::estimateDvdSize(9000000, 448000, 0.0), quint64(0));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.initSettings();
    TestMakeJob test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_makejob.moc"
