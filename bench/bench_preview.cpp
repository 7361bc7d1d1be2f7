// Benchmark of the preview: plays 20 seconds of a 12-photo album (photos of
// 12 Mpixel, pattern transitions, the dynamic effect, music) through the
// real player in a window, with OpenAL Soft's null backend as the sound card
// (it consumes the queued buffers in real time and plays nothing), and
// counts the frames drawn on screen against the frames the sound clock made
// due. Run it under a display (xvfb-run -a build/bin/bench_preview).
//
// Last line: frames_due=<n> frames_drawn=<n> max_gap_ms=<number> ratio=<number>

#include "benchalbum.h"
#include "window/previewplayer.h"
#include "engine/storyboardrender.h"
#include "testmedia.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    // The sound card: OpenAL Soft's null backend, clocked in real time.
    if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS"))
        qputenv("ALSOFT_DRIVERS", "null");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 20.0;
    const QString dir = benchFolder(QStringLiteral("preview"));
    const QString appDir = benchAppFolder();

    // 12 photos of 4000 x 3000 (12 Mpixel), made once and kept.
    Album album(appDir);
    if (album.patternFiles.isEmpty()) {
        std::fprintf(stderr, "no transition patterns in %s/pattern\n", qPrintable(appDir));
        return 1;
    }
    const QStringList photos = scenicPhotos(dir, 12, QSize(4000, 3000));
    if (photos.isEmpty())
        return 1;
    appendPhotos(album, photos, QSize(4000, 3000));
    const QString music = dir + QStringLiteral("/music.wav");
    if (!QFile::exists(music) && !TestMedia::writeChordWav(music, 60.0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(music));
        return 1;
    }
    AudioInfo clip;
    clip.path = music;
    clip.duration = clip.clipEnd = 60.0;
    album.audios.append(clip);
    album.setPhotoDurationExactMs(3640);
    album.setTransitionDurationExactMs(1500);
    album.settings.useTransition = true;
    album.settings.useDynamicEffect = true;

    StoryBoardRender story;
    story.setAlbum(&album);
    const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal);
    story.setFormat(format);

    // The player in a window at the size of a 1280 x 1024 screen's editor.
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *player = new PreviewPlayer(&window);
    layout->addWidget(player);
    window.resize(720, 540);
    window.show();
    QElapsedTimer wait;
    wait.start();
    while (!player->isValid() && wait.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!player->isValid()) {
        std::fprintf(stderr, "no OpenGL context for the player\n");
        return 1;
    }
    player->setStoryboard(&story);
    player->init(format);
    if (!player->soundAvailable()) {
        std::fprintf(stderr, "no sound device: %s\n", qPrintable(player->soundError()));
        return 1;
    }
    // The window shows the first frame before anyone presses Play.
    player->showFrame(0);

    QElapsedTimer clock;
    qint64 lastDrawn = -1;
    qint64 maxGap = 0;
    int drawn = 0;
    QStringList slow;
    QObject::connect(player, &PreviewPlayer::frameShown, [&](int frame) {
        const qint64 now = clock.elapsed();
        if (lastDrawn >= 0) {
            maxGap = std::max(maxGap, now - lastDrawn);
            if (now - lastDrawn > 80)
                slow << QStringLiteral("%1 (%2 ms)").arg(frame).arg(now - lastDrawn);
        }
        lastDrawn = now;
        ++drawn;
    });
    clock.start();
    story.renderFrame(0, true, player);
    drawn = 0;
    lastDrawn = -1;
    story.startPrefetch();
    player->startPlayback();
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    const int due = player->position();
    const qint64 elapsed = clock.elapsed();
    // (Stopping draws the frame heard last once more: not counted.)
    const int drawnWhilePlaying = drawn;
    player->stopPlayback();
    story.stopPrefetch();
    story.wait();

    std::printf("album: 12 photos of 4000 x 3000, %d frames, pattern transitions, dynamic effect\n",
                story.totalFrames());
    std::printf("played %.2f s: the sound clock made %d frames due (%.1f per second), %d photos decoded\n",
                elapsed / 1000.0, due, due * 1000.0 / std::max<qint64>(1, elapsed), story.photoDecodeCount());
    std::printf("frames drawn more than 80 ms after the previous one: %s\n",
                slow.isEmpty() ? "none" : qPrintable(slow.join(QStringLiteral(", "))));
    std::printf("frames_due=%d frames_drawn=%d max_gap_ms=%lld ratio=%.3f\n", due, drawnWhilePlaying,
                static_cast<long long>(maxGap), due > 0 ? double(drawnWhilePlaying) / due : 0.0);
    return 0;
}
