// The generation controller driven directly, as the GUI will drive it:
// failures of a later step end the run with a message and clean up.
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
#include "job/generationcontroller.h"

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

class TestGeneration : public QObject
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
    Album makeAlbum(int photos);
    // An ISO image m_dir/<name>.iso, made in the working folder m_dir/temp-<name>.
    GenerationRequest isoRequest(const QString &name) const;
    QString m_dir;
    YesToAll m_yes;
};

void TestGeneration::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("generation"));
    // Questions are answered Yes; nobody is there to click.
    MessageBox::setAnswerHook([](const MessageBox::Request &) { return QDialogButtonBox::Yes; });
}

GenerationRequest TestGeneration::isoRequest(const QString &name) const
{
    GenerationRequest request;
    request.destination.type = Destination::Iso;
    request.destination.path = m_dir + QLatin1Char('/') + name + QStringLiteral(".iso");
    request.tempBase = m_dir + QStringLiteral("/temp-") + name;
    return request;
}

Album TestGeneration::makeAlbum(int photos)
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

void TestGeneration::missingMultiplexerFailsTheRun()
{
    // A broken installation: dvdauthor and genisoimage are there, mplex is not.
    const QString bin = TestSupport::freshDir(QStringLiteral("generation-bin"));
    for (const char *tool : {"dvdauthor", "genisoimage"})
        QVERIFY(
            QFile::link(QStandardPaths::findExecutable(QLatin1String(tool)), bin + QLatin1Char('/') + tool));
    const TestSupport::ScopedEnv path("PATH", bin);

    const Album album = makeAlbum(2);
    const GenerationRequest request = isoRequest(QStringLiteral("broken"));
    GenerationController controller;
    controller.setQuestions(&m_yes);
    QSignalSpy finished(&controller, &GenerationController::finished);
    QSignalSpy steps(&controller, &GenerationController::stepChanged);
    QVERIFY(controller.start(&album, request));
    QVERIFY(finished.wait(120000));
    QCOMPARE(finished.first().at(0).toBool(), false);
    // The failure and its cause.
    QCOMPARE(finished.first().at(1).toString(),
             QStringLiteral("Failed to create DVD!\nmplex: program not found"));
    QVERIFY(!controller.isRunning());
    // Authoring starts while the video is made: the missing tool ends the
    // run there, before any frame is rendered, and it did not wait forever.
    bool sawVideo = false;
    for (const QList<QVariant> &step : steps)
        sawVideo = sawVideo || step.at(0).toInt() == CreatingTitle;
    QVERIFY(sawVideo);
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestGeneration::abortWhileEncoding()
{
    Album album = makeAlbum(3);
    album.setPhotoDurationExactMs(60000);
    GenerationRequest request;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvds");
    request.tempBase = m_dir + QStringLiteral("/temp-abort");
    GenerationController controller;
    controller.setQuestions(&m_yes);
    QSignalSpy finished(&controller, &GenerationController::finished);
    QSignalSpy progress(&controller, &GenerationController::progressChanged);
    QVERIFY(controller.start(&album, request));
    // Well into the frames: mplex and dvdauthor take them as they come.
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() > 5 && progress.last().at(0).toInt() > 10, 60000);
    QCOMPARE(TestSupport::childProcesses().size(), 2);
    controller.abort();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.first().at(1).toString(), QStringLiteral("Aborted"));
    QCOMPARE(TestSupport::childProcesses(), QStringList());
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // A new run can start after an aborted one.
    Album small = makeAlbum(1);
    request.destination.path = m_dir + QStringLiteral("/dvds2");
    QVERIFY(controller.start(&small, request));
    QVERIFY(finished.wait(120000));
    QCOMPARE(finished.last().at(0).toBool(), true);
    QVERIFY(QFileInfo::exists(controller.outputPath() + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")));
    // A DVD made without a window creates no widget at all.
    QVERIFY(QApplication::allWidgets().isEmpty());
}

void TestGeneration::toolFailingWhileEncodingEndsTheRun_data()
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

void TestGeneration::toolFailingWhileEncodingEndsTheRun()
{
    QFETCH(QString, tool);
    QFETCH(QByteArray, script);
    QFETCH(QString, message);
    const QString bin = TestSupport::freshDir(QStringLiteral("generation-midstream-bin"));
    QVERIFY(TestSupport::writeShellScript(bin + QLatin1Char('/') + tool, script));
    const TestSupport::ScopedEnv path("PATH", bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));

    Album album = makeAlbum(2);
    album.setPhotoDurationExactMs(8000);
    const GenerationRequest request = isoRequest(QStringLiteral("midstream"));
    GenerationController controller;
    controller.setQuestions(&m_yes);
    QSignalSpy finished(&controller, &GenerationController::finished);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(controller.start(&album, request));
    QVERIFY(finished.wait(60000));
    QVERIFY(timer.elapsed() < 30000);
    QCOMPARE(finished.first().at(0).toBool(), false);
    const QString text = finished.first().at(1).toString();
    QVERIFY2(text.startsWith(message), qPrintable(text));
    QCOMPARE(TestSupport::childProcesses(), QStringList());
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestGeneration::abortWhileMplexStalls()
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
    const GenerationRequest request = isoRequest(QStringLiteral("stall"));
    GenerationController controller;
    controller.setQuestions(&m_yes);
    QSignalSpy finished(&controller, &GenerationController::finished);
    QSignalSpy progress(&controller, &GenerationController::progressChanged);
    QVERIFY(controller.start(&album, request));
    // The frames start, then stop coming once the pipe is full.
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toInt() > 5, 30000);
    int last = -1;
    for (int i = 0; i < 20 && progress.last().at(0).toInt() != last; ++i) {
        last = progress.last().at(0).toInt();
        QTest::qWait(500);
    }
    QCOMPARE(progress.last().at(0).toInt(), last);
    QVERIFY(last < 90);
    QElapsedTimer timer;
    timer.start();
    controller.abort();
    QVERIFY(finished.count() == 1 || finished.wait(10000));
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(finished.first().at(1).toString(), QStringLiteral("Aborted"));
    QCOMPARE(TestSupport::childProcesses(), QStringList());
    QVERIFY(!QFileInfo::exists(request.destination.path));
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestGeneration::failedStartLeavesEarlierRunAlone()
{
    const Album album = makeAlbum(1);
    GenerationRequest request;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvds-kept");
    request.tempBase = m_dir + QStringLiteral("/temp-kept");
    request.deleteTemp = false;
    GenerationController controller;
    controller.setQuestions(&m_yes);
    QSignalSpy finished(&controller, &GenerationController::finished);
    QVERIFY(controller.start(&album, request));
    QVERIFY(finished.wait(120000));
    QCOMPARE(finished.last().at(0).toBool(), true);
    const QString kept = controller.workFolder();
    QVERIFY(QFileInfo(kept + QStringLiteral("/audio.ac3")).isFile());

    // The next run fails at once; its clean-up must not touch the kept one.
    const Album empty;
    request.deleteTemp = true;
    QVERIFY(controller.start(&empty, request));
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.last().at(0).toBool(), false);
    QVERIFY(QFileInfo(kept + QStringLiteral("/audio.ac3")).isFile());
}

void TestGeneration::abortWhileRetryingAFailedBurn()
{
    // A person who answers every question Yes, "try again" included, while
    // the disc image's disk has turned read-only; after three tries the run
    // is aborted between two burns. It must end at once (it used to wait
    // for a burn that never came).
    TestSupport::TmpfsMount disk(QStringLiteral("generation-retry-disk"), 64 << 20);
    if (!disk.ok())
        QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + disk.error()));
    const Album album = makeAlbum(1);
    GenerationRequest request;
    request.destination = {Destination::Burner,
                           QStringLiteral("stdio:") + disk.path() + QStringLiteral("/disc.img")};
    request.tempBase = m_dir + QStringLiteral("/temp-retry");
    YesToAll yes;
    const int &retries = yes.retries;
    GenerationController controller;
    controller.setQuestions(&yes);
    QSignalSpy finished(&controller, &GenerationController::finished);
    connect(&controller, &GenerationController::stepChanged, &controller, [&](int state, const QString &) {
        if (state == CreatingTitle)
            QVERIFY(disk.makeReadOnly());
    });
    connect(&controller, &GenerationController::nextDiscNeeded, &controller, [&] {
        if (retries < 3)
            QTimer::singleShot(0, &controller, &GenerationController::burnNext);
        else
            QTimer::singleShot(0, &controller, &GenerationController::abort);
    });
    QVERIFY(controller.start(&album, request));
    QVERIFY(finished.wait(120000));
    QCOMPARE(retries, 3);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.first().at(1).toString(), QStringLiteral("Aborted"));
    QVERIFY(!controller.isRunning());
    QVERIFY(QDir(request.tempBase).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestGeneration::sizeEstimate()
{
    // 5 Mbit/s, 192 kbit/s, 600 s: 389400000 bytes, plus 5 percent.
    QCOMPARE(GenerationController::estimateDvdSize(5000000, 192000, 600.0), quint64(408870000));
    QCOMPARE(GenerationController::estimateDvdSize(9000000, 448000, 0.0), quint64(0));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.initSettings();
    TestGeneration test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_generation.moc"
