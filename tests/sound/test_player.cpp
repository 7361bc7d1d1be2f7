// The preview player on real OpenGL (Mesa under Xvfb) and real OpenAL Soft
// (wave backend): the picture is the frame renderFrame draws for the
// position, the sound that leaves the player is the album's music from that
// position on, and neither an empty timeline, a busy audio thread nor a
// missing sound device stops the preview.

#include <QtTest>

#include "../engine/enginetestutil.h"
#include "window/previewplayer.h"
#include "album/probe.h"
#include "engine/offscreengl.h"
#include "engine/storyboardrender.h"
#include "soundtestutil.h"

#include <QHBoxLayout>
#include <QWidget>

#include <thread>

using namespace SoundTest;

namespace {

// Mean difference per channel of two pictures brought to one small size.
double pictureDistance(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32)
                         .scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.convertToFormat(QImage::Format_RGB32)
                         .scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int row = 0; row < 120; ++row) {
        for (int col = 0; col < 160; ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (160.0 * 120.0 * 3.0);
}

// The player in a window, as the main window holds it.
struct Preview {
    QWidget window;
    PreviewPlayer *player = nullptr;
    explicit Preview(StoryBoardRender *story, QSize size = QSize(640, 480))
    {
        auto *layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        player = new PreviewPlayer(&window);
        layout->addWidget(player);
        window.resize(size);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("preview not shown");
        player->setStoryboard(story);
        player->init(story->format());
    }
    // The transport's play and pause.
    void play(StoryBoardRender &story)
    {
        story.renderFrame(player->position(), true, player);
        story.startPrefetch();
        player->startPlayback();
    }
    void pause(StoryBoardRender &story)
    {
        player->stopPlayback();
        story.stopPrefetch();
        story.wait();
    }
};

} // namespace

class TestPlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void showsTheFrameRenderFrameDraws();
    void pictureKeepsFourToThree();
    void soundFollowsThePosition();
    void volumeZeroIsSilentButRuns();
    void monoFormatPlaysMonoBuffers();
    void busyAudioThreadNeverHoldsTheWindow();
    void pauseRightAfterPlay();
    void emptyTimelineDrawsNothing();
    void withoutSoundDevice();
    void withoutSoundDeviceChild();

private:
    Album makeAlbum(int photos, double photoSeconds, bool transitions, bool motion, const QString &music);
    void readWav(Pcm *pcm);

    QString m_dir;
    QString m_wav;
    QString m_tones;
    QString m_leftRight;
    QStringList m_photos;
};

void TestPlayer::initTestCase()
{
    QVERIFY(
        prepareSoundFolder(QStringLiteral("player"), QStringLiteral("played.wav"), 48000, &m_dir, &m_wav));
    m_tones = m_dir + QStringLiteral("/tones.wav");
    QVERIFY(makeSecondTones(m_tones, 20, 48000, 2));
    // Left: a tone per second; right: a steady 1500 Hz.
    m_leftRight = m_dir + QStringLiteral("/leftright.wav");
    QVERIFY(makeSecondTones(m_leftRight, 6, 48000, 2, {}, 1500));
    const QImage pictures[] = {EngineTest::quadrantImage(), EngineTest::scenicImage(720, 540, 3),
                               EngineTest::scenicImage(800, 600, 7)};
    for (int i = 0; i < 3; ++i) {
        m_photos << m_dir + QStringLiteral("/photo%1.png").arg(i);
        QVERIFY(pictures[i].save(m_photos.last(), "PNG"));
    }
}

Album TestPlayer::makeAlbum(int photos, double photoSeconds, bool transitions, bool motion,
                            const QString &music)
{
    Album album;
    for (int i = 0; i < photos; ++i) {
        ImageInfo photo = EngineTest::photoInfo(m_photos[i % m_photos.size()]);
        prepareImportedPhoto(photo, true);
        album.photos.append(photo);
    }
    album.setPhotoDurationExactMs(int(photoSeconds * 1000));
    album.settings.useTransition = transitions;
    album.settings.useDynamicEffect = motion;
    if (!music.isEmpty()) {
        AudioInfo clip;
        probeAudio(clip, music);
        clip.path = music;
        album.audios.append(clip);
    }
    return album;
}

void TestPlayer::readWav(Pcm *pcm)
{
    *pcm = SoundTest::readWav(m_wav);
}

void TestPlayer::showsTheFrameRenderFrameDraws()
{
    Album album = makeAlbum(3, 2.0, true, true, QString());
    QVERIFY(!album.patternFiles.isEmpty());
    StoryBoardRender story;
    story.setAlbum(&album);
    // Square pixels, so that the reference drawer's 720 x 540 frame is the
    // storyboard's.
    story.setFormat(OutputFormat());
    // Frame 0, the middle of a pattern wipe, and late in the last photo.
    const QList<int> frames{0, 62, story.totalFrames() - 3};
    QList<QImage> expected;
    {
        OffscreenGLDrawer reference;
        QVERIFY2(reference.initTextures(720, 540, 2, false), qPrintable(reference.glError()));
        for (int frame : frames) {
            story.renderFrame(frame, false, &reference);
            QImage image(720, 540, QImage::Format_ARGB32);
            QVERIFY(reference.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, image.bits()));
            expected << image.mirrored();
        }
    }
    Preview preview(&story);
    QSignalSpy shown(preview.player, &PreviewPlayer::frameShown);
    for (int i = 0; i < frames.size(); ++i) {
        preview.player->showFrame(frames[i]);
        QCOMPARE(preview.player->position(), frames[i]);
        QCOMPARE(shown.last().at(0).toInt(), frames[i]);
        const QImage onScreen = preview.player->grabFramebuffer();
        if (!qEnvironmentVariableIsEmpty("SORVEL_SCREENSHOTS"))
            onScreen.save(qEnvironmentVariable("SORVEL_SCREENSHOTS") +
                          QStringLiteral("/player-%1.png").arg(frames[i]));
        const double distance = pictureDistance(onScreen, expected[i]);
        QVERIFY2(distance < 4.0,
                 qPrintable(QStringLiteral("frame %1 differs by %2").arg(frames[i]).arg(distance)));
        // Not merely any picture: another frame is far from it.
        QVERIFY(pictureDistance(onScreen, expected[(i + 1) % frames.size()]) > 10.0);
    }
}

void TestPlayer::pictureKeepsFourToThree()
{
    Album album = makeAlbum(1, 2.0, false, false, QString());
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(OutputFormat::forStandard(TvStandard::Pal));
    Preview wide(&story, QSize(800, 480));
    wide.player->showFrame(0);
    QImage image = wide.player->grabFramebuffer();
    // A 640 x 480 picture in the middle, bars left and right.
    QVERIFY(EngineTest::near(image.pixel(40, 240), QColor(128, 128, 128), 2));
    QVERIFY(EngineTest::near(image.pixel(760, 240), QColor(128, 128, 128), 2));
    QVERIFY(EngineTest::near(image.pixel(80 + 160, 120), Qt::red, 8));
    QVERIFY(EngineTest::near(image.pixel(80 + 480, 360), Qt::yellow, 8));
    wide.window.resize(640, 600);
    QTRY_COMPARE(wide.player->height(), 600);
    wide.player->showFrame(0);
    image = wide.player->grabFramebuffer();
    // Bars above and below.
    QVERIFY(EngineTest::near(image.pixel(320, 20), QColor(128, 128, 128), 2));
    QVERIFY(EngineTest::near(image.pixel(160, 60 + 120), Qt::red, 8));
    QVERIFY(EngineTest::near(image.pixel(480, 60 + 360), Qt::yellow, 8));
}

void TestPlayer::soundFollowsThePosition()
{
    Album album = makeAlbum(2, 10.0, false, false, m_tones);
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(OutputFormat::forStandard(TvStandard::Pal));
    int first = 0, second = 0, paused = 0;
    {
        Preview preview(&story);
        QVERIFY(preview.player->soundAvailable());
        // From 2 s: the tone of second 2 first.
        preview.player->showFrame(50);
        preview.play(story);
        QVERIFY(preview.player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(preview.player->position() >= 50 + 38, 10000);
        preview.pause(story);
        paused = preview.player->position();
        first = paused - 50;
        QTest::qWait(300);
        QCOMPARE(preview.player->position(), paused);
        // Play again: on from the shown frame.
        preview.play(story);
        QTRY_VERIFY_WITH_TIMEOUT(preview.player->position() >= paused + 38, 10000);
        preview.pause(story);
        second = preview.player->position() - paused;
    }
    Pcm pcm;
    readWav(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 2);
    // Each stretch lasts the frames the picture advanced: the buffer that
    // was playing when paused counts from its middle (half a frame either
    // way), and the sound card mixes up to one period (about 21 ms) ahead.
    for (int i = 0; i < 2; ++i) {
        const double expected = (i == 0 ? first : second) / 25.0;
        const double heard = regions[size_t(i)].heard(48000);
        QVERIFY2(std::abs(heard - expected) < 0.07,
                 qPrintable(QStringLiteral("%1 s heard for %2 s of pictures").arg(heard).arg(expected)));
    }
    // The first stretch is the music from 2 s on ...
    QVERIFY(std::abs(frequency(pcm, regions[0].begin + 2400, regions[0].begin + 40000) - toneOfSecond(2)) <
            10);
    QVERIFY(std::abs(frequency(pcm, regions[0].begin + 48000 + 2400, regions[0].begin + 48000 + 20000) -
                     toneOfSecond(3)) < 10);
    // ... and the second the music from the paused frame on.
    const double resumeAt = paused / 25.0;
    const int resumeSecond = int(resumeAt);
    const int64_t rest = int64_t((resumeSecond + 1 - resumeAt) * 48000);
    if (rest > 4000)
        QVERIFY(std::abs(frequency(pcm, regions[1].begin + 500, regions[1].begin + rest - 500) -
                         toneOfSecond(resumeSecond)) < 15);
    QVERIFY(std::abs(frequency(pcm, regions[1].begin + rest + 2400, regions[1].begin + rest + 20000) -
                     toneOfSecond(resumeSecond + 1)) < 10);
}

void TestPlayer::volumeZeroIsSilentButRuns()
{
    Album album = makeAlbum(1, 10.0, false, false, m_tones);
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(OutputFormat::forStandard(TvStandard::Pal));
    int muted = 0, heard = 0;
    {
        Preview preview(&story);
        preview.player->setVolume(0);
        preview.player->showFrame(0);
        preview.play(story);
        QTRY_VERIFY_WITH_TIMEOUT(preview.player->position() >= 20, 10000);
        preview.pause(story);
        muted = preview.player->position();
        // Back up: heard again.
        preview.player->setVolume(100);
        preview.play(story);
        QTRY_VERIFY_WITH_TIMEOUT(preview.player->position() >= muted + 12, 10000);
        preview.pause(story);
        heard = preview.player->position() - muted;
    }
    Pcm pcm;
    readWav(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 1);
    QVERIFY(std::abs(regions[0].heard(48000) - heard / 25.0) < 0.07);
}

void TestPlayer::monoFormatPlaysMonoBuffers()
{
    Album album = makeAlbum(1, 6.0, false, false, m_leftRight);
    StoryBoardRender story;
    story.setAlbum(&album);
    OutputFormat stereo = OutputFormat::forStandard(TvStandard::Ntsc);
    OutputFormat mono = stereo;
    mono.audioChannels = 1;
    {
        Preview preview(&story);
        // A format the sound card refuses leaves that format silent, not
        // the ones after it.
        OutputFormat refused = stereo;
        refused.audioChannels = 3;
        QSignalSpy lost(preview.player, &PreviewPlayer::soundUnavailable);
        QVERIFY(!preview.player->init(refused));
        QVERIFY(!preview.player->soundAvailable());
        QCOMPARE(lost.count(), 1);
        for (const OutputFormat &format : {stereo, mono}) {
            story.setFormat(format);
            QVERIFY(preview.player->init(format));
            QVERIFY(preview.player->soundAvailable());
            preview.player->showFrame(0);
            preview.play(story);
            // 0.7 s of the NTSC frame rate.
            QTRY_VERIFY_WITH_TIMEOUT(preview.player->position() >= 21, 10000);
            preview.pause(story);
            QTest::qWait(200);
        }
    }
    Pcm pcm;
    readWav(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 2);
    // Stereo: the left tone left, 1500 Hz right.
    const int64_t a = regions[0].begin + 4800, b = regions[0].begin + 28800;
    QVERIFY(std::abs(frequency(pcm, a, b, 0) - toneOfSecond(0)) < 10);
    QVERIFY(std::abs(frequency(pcm, a, b, 1) - 1500) < 10);
    // Mono: one mixed signal, the same on both sides.
    const int64_t c = regions[1].begin + 4800;
    for (int64_t i = c; i < c + 24000; ++i)
        QVERIFY(std::abs(int(pcm.at(i, 0)) - int(pcm.at(i, 1))) <= 2);
    QVERIFY(rms(pcm, c, c + 24000) > 3000);
}

void TestPlayer::busyAudioThreadNeverHoldsTheWindow()
{
    Album album = makeAlbum(1, 10.0, false, false, m_tones);
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(OutputFormat::forStandard(TvStandard::Pal));
    bool windowWasHeld = false;
    {
        Preview preview(&story);
        preview.player->showFrame(25);
        // Another thread holds the ring right when playback starts, as a
        // slow decoder would, and lets it go only once the window's event
        // loop has run a timer: a player that waited for the ring would
        // never let that happen (the thread then gives up after 10 s).
        std::atomic<bool> locked{false};
        std::atomic<bool> windowRan{false};
        std::thread holder([&] {
            story.ringLock().lock();
            locked = true;
            QElapsedTimer patience;
            patience.start();
            while (!windowRan && patience.elapsed() < 10000)
                QThread::msleep(5);
            windowWasHeld = !windowRan;
            story.ringLock().unlock();
        });
        while (!locked)
            QThread::usleep(100);
        QTimer::singleShot(50, [&] { windowRan = true; });
        preview.play(story);
        QVERIFY(preview.player->isPlaying());
        // The timer fires while the ring is held; then the sound starts.
        QTRY_VERIFY_WITH_TIMEOUT(windowRan.load(), 10000);
        holder.join();
        QTRY_VERIFY_WITH_TIMEOUT(preview.player->position() >= 25 + 20, 10000);
        preview.pause(story);
    }
    QVERIFY(!windowWasHeld);
    // No PCM lost or reordered: one stretch, from 1 s on.
    Pcm pcm;
    readWav(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 1);
    QVERIFY(std::abs(frequency(pcm, regions[0].begin + 2400, regions[0].begin + 24000) - toneOfSecond(1)) <
            10);
}

void TestPlayer::pauseRightAfterPlay()
{
    // A pause that comes before the audio thread has even begun to run (a
    // double click on Play, a busy machine) still ends that thread: the
    // window waits for it without a time limit.
    Album album = makeAlbum(1, 4.0, false, false, m_tones);
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(OutputFormat::forStandard(TvStandard::Pal));
    Preview preview(&story);
    for (int round = 0; round < 40; ++round) {
        story.renderFrame(preview.player->position(), true, preview.player);
        story.startPrefetch();
        // Every other round the pause comes at once, before the thread runs.
        if (round % 2) {
            preview.player->startPlayback();
            preview.player->stopPlayback();
        }
        story.stopPrefetch();
        const bool ended = story.wait(5000);
        if (!ended) {
            story.stopPrefetch();
            story.wait();
        }
        QVERIFY2(ended, qPrintable(QStringLiteral("the audio thread ran on after pause %1").arg(round)));
    }
}

void TestPlayer::emptyTimelineDrawsNothing()
{
    Album album = makeAlbum(0, 5.0, false, false, m_tones);
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(OutputFormat::forStandard(TvStandard::Pal));
    QCOMPARE(story.totalFrames(), 0);
    Preview preview(&story);
    QSignalSpy shown(preview.player, &PreviewPlayer::frameShown);
    // The window's seek on an empty timeline asks for frame -1.
    preview.player->showFrame(-1);
    QCOMPARE(preview.player->position(), 0);
    QCOMPARE(shown.count(), 0);
    QCOMPARE(story.photoDecodeCount(), 0);
    const QImage image = preview.player->grabFramebuffer();
    QVERIFY(EngineTest::near(image.pixel(320, 240), Qt::black, 2));
    preview.player->clearView();
    QCOMPARE(preview.player->position(), 0);
}

void TestPlayer::withoutSoundDevice()
{
    QByteArray output;
    QVERIFY2(passesWithoutSoundDevice("TestPlayer", "withoutSoundDeviceChild", &output), output.constData());
}

void TestPlayer::withoutSoundDeviceChild()
{
    if (!inNoDeviceChild())
        QSKIP("runs in the child process of withoutSoundDevice");
    Album album = makeAlbum(2, 4.0, false, false, m_tones);
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(OutputFormat::forStandard(TvStandard::Pal));
    Preview preview(&story);
    QVERIFY(!preview.player->soundAvailable());
    QVERIFY(!preview.player->soundError().isEmpty());
    preview.player->showFrame(0);
    const int drawnBefore = preview.player->framesDrawn();
    QElapsedTimer clock;
    clock.start();
    preview.play(story);
    // The pictures move on by themselves ...
    QTRY_VERIFY_WITH_TIMEOUT(preview.player->framesDrawn() - drawnBefore >= 10, 10000);
    preview.pause(story);
    const qint64 elapsed = clock.elapsed();
    // ... clocked by the time that passed, at the frame rate (a busy
    // machine delays the ticks: frames are then skipped, never slowed).
    const int position = preview.player->position();
    QVERIFY2(position <= elapsed * 25 / 1000 + 1,
             qPrintable(QStringLiteral("%1 frames in %2 ms").arg(position).arg(elapsed)));
    QVERIFY(position >= preview.player->framesDrawn() - drawnBefore);
    const QImage image = preview.player->grabFramebuffer();
    QVERIFY(EngineTest::near(image.pixel(160, 120), Qt::red, 8));
}

QTEST_MAIN(TestPlayer)
#include "test_player.moc"
