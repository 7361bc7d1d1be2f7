// Multiplexing one title with the real mplex: the VOB name, several audio
// streams, the silent sound track, the excused frame under-run, real
// failures, a missing tool, abort, and awkward paths.
#include "dvdtestmedia.h"
#include "title.h"

#include "dvdcheck.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QtTest>

#include <thread>

using namespace DvdTestMedia;

class TestAuthoringTitle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void indexNamesTheVobAndAllAudioIsMuxed();
    void titleWithoutAudioUsesSilence();
    void frameUnderRunIsExcused();
    void unreadableVideoFails();
    void missingMplexFailsAtOnce();
    void abortKillsMplex();
    void awkwardPaths();

private:
    QString m_dir;
    QString m_video;
    QString m_audio;
};

void TestAuthoringTitle::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("title"));
    m_video = m_dir + QStringLiteral("/video.m2v");
    m_audio = m_dir + QStringLiteral("/audio.ac3");
    QVERIFY(makeVideo(m_video, true, 2));
    QVERIFY(makeAudio(m_audio, 2));
}

void TestAuthoringTitle::indexNamesTheVobAndAllAudioIsMuxed()
{
    const QString out = TestSupport::freshDir(QStringLiteral("title-index"));
    Title title;
    title.setVideoFile(m_video);
    title.addAudioFile(m_audio, QStringLiteral("English"));
    title.addAudioFile(m_audio, QStringLiteral("Deutsch (German)"));
    title.setTempPath(out + QStringLiteral("/"));
    QCOMPARE(title.audioLanguageCodes(), (QStringList{QStringLiteral("EN"), QStringLiteral("DE")}));
    QCOMPARE(title.sourceFileSize(), QFileInfo(m_video).size() + 2 * QFileInfo(m_audio).size());

    QVERIFY(title.runMplex(3));
    QCOMPARE(title.state(), int(Title::Multiplexed));
    QCOMPARE(title.vobFilePath(), out + QStringLiteral("/title_3.vob"));
    QVERIFY(QFileInfo(title.vobFilePath()).size() > 0);

    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(title.vobFilePath());
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
    QVERIFY(decoded.videoFrames >= 49);
    // Two streams of 2 s at 32 ms per AC-3 frame.
    QVERIFY2(decoded.audioFrames >= 2 * 60, qPrintable(QString::number(decoded.audioFrames)));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringTitle::titleWithoutAudioUsesSilence()
{
    const QString appDir = TestSupport::freshDir(QStringLiteral("title-appdir"));
    const QString out = TestSupport::freshDir(QStringLiteral("title-silence"));
    Title title;
    title.setVideoFile(m_video);
    title.setTempPath(out);
    QVERIFY(title.audioLanguageCodes().isEmpty());
    {
        // No silence in the application folder: a clear failure.
        ScopedEnv env("SORVEL_APPDIR", appDir);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("silence\\.ac3.*missing")));
        QVERIFY(!title.runMplex(0));
        QCOMPARE(title.state(), int(Title::MultiplexFailed));
    }
    QVERIFY(makeAudio(appDir + QStringLiteral("/silence.ac3"), 1));
    ScopedEnv env("SORVEL_APPDIR", appDir);
    QVERIFY(title.runMplex(0));
    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(title.vobFilePath());
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QVERIFY(decoded.audioFrames > 0);
}

void TestAuthoringTitle::frameUnderRunIsExcused()
{
    // Random pixels overshoot the buffer model: mplex reports the under-run
    // and ends with exit code 1, yet the VOB is usable.
    const QString out = TestSupport::freshDir(QStringLiteral("title-underrun"));
    const QString noise = out + QStringLiteral("/noise.m2v");
    QVERIFY(makeNoiseVideo(noise, 1));
    Title title;
    title.setVideoFile(noise);
    title.addAudioFile(m_audio, QStringLiteral("English"));
    title.setTempPath(out);
    QVERIFY(title.runMplex(0));
    QCOMPARE(title.state(), int(Title::Multiplexed));
}

void TestAuthoringTitle::unreadableVideoFails()
{
    const QString out = TestSupport::freshDir(QStringLiteral("title-bad"));
    const QString bad = out + QStringLiteral("/bad.m2v");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'x'));
    f.close();
    Title title;
    title.setVideoFile(bad);
    title.addAudioFile(m_audio, QStringLiteral("English"));
    title.setTempPath(out);
    QVERIFY(!title.runMplex(0));
    QCOMPARE(title.state(), int(Title::MultiplexFailed));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringTitle::missingMplexFailsAtOnce()
{
    const QString empty = TestSupport::freshDir(QStringLiteral("title-nothing"));
    ScopedEnv appDir("SORVEL_APPDIR", empty);
    ScopedEnv path("PATH", empty);
    Title title;
    title.setVideoFile(m_video);
    title.addAudioFile(m_audio, QStringLiteral("English"));
    title.setTempPath(empty);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^mplex: program not found")));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!title.runMplex(0));
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(title.state(), int(Title::MultiplexFailed));
}

void TestAuthoringTitle::abortKillsMplex()
{
    // mplex waits forever on a pipe nobody writes to, until it is killed.
    const QString out = TestSupport::freshDir(QStringLiteral("title-abort"));
    const QString pipe = out + QStringLiteral("/video.m2v");
    QVERIFY(makeFifo(pipe));
    Title title;
    title.setVideoFile(pipe);
    title.addAudioFile(m_audio, QStringLiteral("English"));
    title.setTempPath(out);

    QElapsedTimer timer;
    std::thread aborter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        timer.start();
        title.requestAbort();
    });
    const bool ok = title.runMplex(0);
    const qint64 afterAbort = timer.elapsed();
    aborter.join();
    QVERIFY(!ok);
    QCOMPARE(title.state(), int(Title::MultiplexKilled));
    QVERIFY2(afterAbort < 3000, qPrintable(QString::number(afterAbort)));
    QVERIFY(childProcesses().isEmpty());
}

void TestAuthoringTitle::awkwardPaths()
{
    const QString out =
        TestSupport::freshDir(QStringLiteral("title with space, it's \"quoted\" and ünïcødé"));
    QVERIFY(QFile::copy(m_video, out + QStringLiteral("/my video.m2v")));
    QVERIFY(QFile::copy(m_audio, out + QStringLiteral("/l'audio \"1\".ac3")));
    Title title;
    title.setVideoFile(out + QStringLiteral("/my video.m2v"));
    title.addAudioFile(out + QStringLiteral("/l'audio \"1\".ac3"), QStringLiteral("English"));
    title.setTempPath(out);
    QVERIFY(title.runMplex(0));
    QVERIFY(DvdCheck::decodeAll(title.vobFilePath()).ok);
}

QTEST_GUILESS_MAIN(TestAuthoringTitle)
#include "test_authoring_title.moc"
