// Audio tests: the clip decoder and the storyboard's audio
// sequencing on files made by the ffmpeg command-line tool.

#include <QCoreApplication>
#include <QtTest>

#include "engine/clipdecoder.h"
#include "engine/storyboardrender.h"
#include "enginetestutil.h"
#include "testsupport.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace EngineTest;

namespace {

// Decodes a whole clip into interleaved 16-bit PCM.
std::vector<int16_t> decodeAll(const AudioInfo &clip, int channels, int rate = 48000,
                               int *streamIndex = nullptr)
{
    ClipDecoder decoder;
    AudioInfo wanted;
    wanted.channels = channels;
    wanted.sampleRate = rate;
    wanted.bitsPerSample = 16;
    wanted.clipStart = clip.clipStart;
    wanted.clipEnd = clip.clipEnd;
    std::vector<int16_t> pcm;
    if (!decoder.open(clip, wanted))
        return pcm;
    if (streamIndex)
        *streamIndex = decoder.streamIndex();
    decoder.seek(clip.clipStart);
    const int32_t bytesPerFrame = rate * channels * 2 / 25;
    std::vector<uint8_t> buffer(size_t(bytesPerFrame) * 256 + kAudioRingSlack);
    AudioRing ring;
    ring.data = buffer.data();
    ring.capacity = bytesPerFrame * 256;
    for (int guard = 0; guard < 10000 && !decoder.endOfClip(); ++guard) {
        decoder.decodeInto(ring, bytesPerFrame);
        const size_t old = pcm.size();
        pcm.resize(old + size_t(ring.filled) / 2);
        std::memcpy(pcm.data() + old, ring.data, size_t(ring.filled) & ~size_t(1));
        ring.filled = 0;
    }
    return pcm;
}

double rms(const int16_t *samples, size_t count, int stride)
{
    double sum = 0;
    size_t n = 0;
    for (size_t i = 0; i < count; i += size_t(stride), ++n)
        sum += double(samples[i]) * samples[i];
    return n ? std::sqrt(sum / n) : 0.0;
}

// Zero crossings per second of channel 0.
double frequency(const int16_t *samples, size_t frames, int channels, int rate)
{
    int crossings = 0;
    for (size_t i = 1; i < frames; ++i) {
        const int16_t a = samples[(i - 1) * size_t(channels)], b = samples[i * size_t(channels)];
        if ((a < 0) != (b < 0))
            ++crossings;
    }
    return crossings / 2.0 / (double(frames) / rate);
}

} // namespace

class TestAudio : public QObject
{
    Q_OBJECT
private:
    QString m_dir;
    QString tone(const QString &name, int freq, double seconds, int rate, int channels,
                 const QStringList &codec = {})
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        QStringList args{
            QStringLiteral("-f"),
            QStringLiteral("lavfi"),
            QStringLiteral("-i"),
            QStringLiteral("sine=frequency=%1:sample_rate=%2:duration=%3").arg(freq).arg(rate).arg(seconds),
            QStringLiteral("-ac"),
            QString::number(channels)};
        args += codec;
        args << path;
        return TestSupport::ffmpeg(args) ? path : QString();
    }

    // Collects `bytes` of PCM from the storyboard's ring as a consumer does.
    std::vector<int16_t> consume(StoryBoardRender &story, size_t bytes)
    {
        std::vector<uint8_t> out;
        story.seekAudio(0);
        story.startPrefetch();
        QElapsedTimer timer;
        timer.start();
        while (out.size() < bytes && timer.elapsed() < 60000) {
            if (story.ringLock().tryLock()) {
                AudioRing &ring = story.audioRing();
                const size_t n = std::min(size_t(ring.filled), bytes - out.size());
                out.insert(out.end(), ring.data, ring.data + n);
                ring.filled = ring.read = 0;
                story.ringLock().unlock();
            }
            QThread::msleep(1);
        }
        story.stopPrefetch();
        story.wait();
        std::vector<int16_t> pcm(out.size() / 2);
        std::memcpy(pcm.data(), out.data(), pcm.size() * 2);
        return pcm;
    }

private slots:
    void initTestCase() { m_dir = TestSupport::freshDir(QStringLiteral("audio")); }

    void resample44100KeepsLength()
    {
        const QString path = tone(QStringLiteral("t44.wav"), 440, 3.0, 44100, 2);
        QVERIFY(!path.isEmpty());
        const auto pcm = decodeAll(clipInfo(path, 0, 3.0), 2);
        const double seconds = double(pcm.size()) / 2 / 48000;
        QVERIFY2(std::abs(seconds - 3.0) < 0.04, qPrintable(QString::number(seconds)));
        QVERIFY(rms(pcm.data() + 48000, 48000, 2) > 1000);
        QVERIFY(std::abs(frequency(pcm.data(), pcm.size() / 2, 2, 48000) - 440) < 5);
    }

    void stereo48kWithoutResampler()
    {
        const QString path = tone(QStringLiteral("t48.wav"), 440, 1.0, 48000, 2);
        ClipDecoder decoder;
        AudioInfo wanted;
        wanted.channels = 2;
        wanted.sampleRate = 48000;
        QVERIFY(decoder.open(clipInfo(path, 0, 1), wanted));
        std::vector<uint8_t> buffer(7680 * 256 + kAudioRingSlack);
        AudioRing ring{buffer.data(), 7680 * 256, 0, 0};
        decoder.decodeInto(ring, 7680);
        QVERIFY(!decoder.usesResampler());
        QCOMPARE(ring.filled, 48000 * 4);
    }

    void monoToStereoAndSurround()
    {
        const QString path = tone(QStringLiteral("mono.mp3"), 440, 2.0, 44100, 1,
                                  {QStringLiteral("-c:a"), QStringLiteral("libmp3lame")});
        QVERIFY(!path.isEmpty());
        const auto stereo = decodeAll(clipInfo(path, 0, 2.0), 2);
        QVERIFY(stereo.size() > 48000 * 2);
        QVERIFY(rms(stereo.data() + 24000 * 2, 48000, 2) > 1000);
        for (size_t i = 48000; i < 96000; i += 2)
            QCOMPARE(stereo[i], stereo[i + 1]); // left = right
        const auto six = decodeAll(clipInfo(path, 0, 2.0), 6);
        const double seconds = double(six.size()) / 6 / 48000;
        QVERIFY(std::abs(seconds - 2.0) < 0.1);
        const int16_t *mid = six.data() + 24000 * 6;
        QVERIFY(rms(mid + 0, 48000 * 6, 6) > 1000); // front left
        QVERIFY(rms(mid + 1, 48000 * 6, 6) > 1000); // front right
        for (int c = 2; c < 6; ++c)
            QVERIFY(rms(mid + c, 48000 * 6, 6) < 1);
    }

    void surroundToStereoKeepsEveryChannel()
    {
        // Six channels, each with its own tone; the LFE alone must be heard.
        const QString path = m_dir + QStringLiteral("/lfe.wav");
        QVERIFY(TestSupport::ffmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("aevalsrc=0|0|0|0.5*sin(2*PI*60*t)|0|0:s=48000:d=1:c=5.1"), path}));
        const auto stereo = decodeAll(clipInfo(path, 0, 1), 2);
        QVERIFY(stereo.size() > 40000);
        QVERIFY2(rms(stereo.data() + 4800, 38000, 2) > 1000, "the LFE channel was dropped");
    }

    void inAndOutPoints()
    {
        const QString path = tone(QStringLiteral("long.m4a"), 440, 45.0, 44100, 2,
                                  {QStringLiteral("-c:a"), QStringLiteral("aac")});
        QVERIFY(!path.isEmpty());
        const auto pcm = decodeAll(clipInfo(path, 30.0, 40.0), 2);
        const double seconds = double(pcm.size()) / 2 / 48000;
        QVERIFY2(std::abs(seconds - 10.0) < 0.1, qPrintable(QString::number(seconds)));
    }

    void videoFirstFile()
    {
        const QString path = m_dir + QStringLiteral("/video_first.mkv");
        QVERIFY(TestSupport::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                     QStringLiteral("testsrc=size=160x120:rate=10:duration=2"),
                                     QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                     QStringLiteral("sine=frequency=440:duration=2"), QStringLiteral("-map"),
                                     QStringLiteral("0:v"), QStringLiteral("-map"), QStringLiteral("1:a"),
                                     QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
                                     QStringLiteral("mp2"), path}));
        int index = -1;
        const auto pcm = decodeAll(clipInfo(path, 0, 2.0), 2, 48000, &index);
        QCOMPARE(index, 1);
        QVERIFY(double(pcm.size()) / 2 / 48000 > 1.9);
        QVERIFY(rms(pcm.data() + 48000, 48000, 2) > 1000);
    }

    void undecodableClip()
    {
        ClipDecoder decoder;
        AudioInfo wanted;
        wanted.channels = 2;
        wanted.sampleRate = 48000;
        QVERIFY(!decoder.open(clipInfo(m_dir + QStringLiteral("/missing.wav"), 0, 1), wanted));
        std::vector<uint8_t> buffer(7680 * 256 + kAudioRingSlack);
        AudioRing ring{buffer.data(), 7680 * 256, 0, 0};
        QVERIFY(decoder.decodeInto(ring, 7680));
        QVERIFY(decoder.endOfClip());
        QCOMPARE(ring.filled, 0);
    }

    void loopRestartsFirstClip()
    {
        const QString a = tone(QStringLiteral("a440.wav"), 440, 1.0, 48000, 2);
        const QString b = tone(QStringLiteral("b1000.wav"), 1000, 1.0, 48000, 2);
        Album album(QString{});
        album.audios.append(clipInfo(a, 0, 1.0));
        album.audios.append(clipInfo(b, 0, 1.0));
        album.photos.append(photoInfo(QStringLiteral("none.png")));
        album.setPhotoDurationExactMs(4000);
        album.settings.loopAudio = true;
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        const auto pcm = consume(story, size_t(48000) * 4 * 4);
        QCOMPARE(pcm.size(), size_t(48000) * 2 * 4);
        auto freqAt = [&](double second) {
            return frequency(pcm.data() + size_t(second * 48000) * 2, 12000, 2, 48000);
        };
        QVERIFY(std::abs(freqAt(0.3) - 440) < 10);
        QVERIFY(std::abs(freqAt(1.3) - 1000) < 10);
        QVERIFY2(std::abs(freqAt(2.3) - 440) < 10, "the first clip did not start again");
        QVERIFY(std::abs(freqAt(3.3) - 1000) < 10);
    }

    void silenceAfterTheEnd()
    {
        const QString a = tone(QStringLiteral("short.wav"), 440, 1.0, 48000, 2);
        Album album(QString{});
        album.audios.append(clipInfo(a, 0, 1.0));
        album.photos.append(photoInfo(QStringLiteral("none.png")));
        album.setPhotoDurationExactMs(3000);
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        const auto pcm = consume(story, size_t(48000) * 4 * 3);
        QCOMPARE(pcm.size(), size_t(48000) * 2 * 3);
        QVERIFY(rms(pcm.data() + 24000 * 2, 24000 * 2, 1) > 1000);
        QVERIFY(rms(pcm.data() + 48000 * 2 + 4800, 48000 * 2, 1) < 1);
    }

    void noClipsGiveSilence()
    {
        Album album(QString{});
        album.photos.append(photoInfo(QStringLiteral("none.png")));
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        const auto pcm = consume(story, size_t(7680) * 100);
        QCOMPARE(pcm.size(), size_t(7680) * 50);
        QVERIFY(rms(pcm.data(), pcm.size(), 1) < 1);
    }

    // A stop asked for right after the start, before the thread has run,
    // ends the thread; a stop asked for while none ran does not end the
    // next one at once.
    void stopRightAfterStartEnds()
    {
        Album album(QString{});
        album.photos.append(photoInfo(QStringLiteral("none.png")));
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        for (int i = 0; i < 200; ++i) {
            story.startPrefetch();
            story.stopPrefetch();
            QVERIFY2(story.wait(5000), qPrintable(QStringLiteral("round %1").arg(i)));
        }
        story.stopPrefetch();
        story.stopPrefetch();
        story.startPrefetch();
        QThread::msleep(50);
        QVERIFY(story.isRunning());
        story.stopPrefetch();
        QVERIFY(story.wait(5000));
    }

    void seekWithClipsShorterThanAFrame()
    {
        Album album(QString{});
        album.audios.append(clipInfo(QStringLiteral("x.wav"), 0, 0.01));
        album.audios.append(clipInfo(QStringLiteral("y.wav"), 1.0, 1.02));
        album.settings.loopAudio = true;
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        story.seekAudio(100); // must end
        QCOMPARE(story.soundtrack().position(), int64_t(100 * 1920));
        // Neither file exists: the looped soundtrack is silence, and
        // reading it ends too.
        Soundtrack track;
        track.setup(&album, OutputFormat(), 48000 * 60);
        track.seek(100 * 1920);
        std::vector<int16_t> pcm(size_t(4800) * 2, 1);
        track.read(pcm.data(), 4800);
        QVERIFY(std::all_of(pcm.begin(), pcm.end(), [](int16_t v) { return v == 0; }));
    }

    void seekInsideLoopedSoundtrack()
    {
        const QString a = tone(QStringLiteral("s440.wav"), 440, 1.0, 48000, 2);
        const QString b = tone(QStringLiteral("s1000.wav"), 1000, 1.0, 48000, 2);
        Album album(QString{});
        album.audios.append(clipInfo(a, 0, 1.0));
        album.audios.append(clipInfo(b, 0, 1.0));
        album.settings.loopAudio = true;
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        story.seekAudio(25 * 7 + 5); // 7.2 s: the second clip, 0.2 s in
        QCOMPARE(story.soundtrack().position(), int64_t(180 * 1920));
        // What plays there is the second clip: 1000 Hz, 200 zero
        // crossings in 0.1 s (the first clip would give 88).
        Soundtrack track;
        track.setup(&album, OutputFormat(), 48000 * 60);
        track.seek(180 * 1920);
        std::vector<int16_t> pcm(size_t(4800) * 2);
        track.read(pcm.data(), 4800);
        int crossings = 0;
        for (size_t i = 2; i < pcm.size(); i += 2)
            crossings += (pcm[i - 2] < 0) != (pcm[i] < 0);
        QVERIFY2(std::abs(crossings - 200) <= 2, qPrintable(QString::number(crossings)));
    }

    void bytesPerFrame()
    {
        StoryBoardRender story;
        OutputFormat f = OutputFormat::forStandard(TvStandard::Pal);
        story.setFormat(f);
        QCOMPARE(story.bytesPerFrame(), 7680);
        f.audioChannels = 6;
        story.setFormat(f);
        QCOMPARE(story.bytesPerFrame(), 23040);
        f = OutputFormat::forStandard(TvStandard::Ntsc);
        story.setFormat(f);
        QCOMPARE(story.bytesPerFrame(), 6406);
        f.audioChannels = 6;
        story.setFormat(f);
        QCOMPARE(story.bytesPerFrame(), 19219);
    }
};

QTEST_GUILESS_MAIN(TestAudio)
#include "test_audio.moc"
