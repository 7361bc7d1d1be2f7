// Writer tests: real GL off-screen, real FFmpeg, real mplex and
// dvdauthor. Short albums; the written files are probed with libavformat.

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "engine/yuvconvert.h"
#include "enginetestutil.h"
#include "testsupport.h"

#include <algorithm>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace EngineTest;

namespace {

// This thread's nice value (Linux keeps one per thread).
int threadNice()
{
    return ::getpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid)));
}

struct Probe {
    bool ok = false;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0, height = 0;
    AVRational frameRate{0, 1};
    AVRational sampleAspect{0, 1};
    int sampleRate = 0, channels = 0;
    int64_t packets = 0;
    int64_t bitRate = 0;
};

Probe probe(const QString &path)
{
    Probe p;
    AVFormatContext *ctx = nullptr;
    if (avformat_open_input(&ctx, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return p;
    if (avformat_find_stream_info(ctx, nullptr) >= 0 && ctx->nb_streams == 1) {
        AVStream *s = ctx->streams[0];
        p.codec = s->codecpar->codec_id;
        p.width = s->codecpar->width;
        p.height = s->codecpar->height;
        p.frameRate = s->r_frame_rate;
        p.sampleAspect = s->codecpar->sample_aspect_ratio;
        p.sampleRate = s->codecpar->sample_rate;
        p.channels = s->codecpar->ch_layout.nb_channels;
        p.bitRate = s->codecpar->bit_rate;
        AVPacket *pkt = av_packet_alloc();
        while (av_read_frame(ctx, pkt) >= 0) {
            ++p.packets;
            av_packet_unref(pkt);
        }
        av_packet_free(&pkt);
        p.ok = true;
    }
    avformat_close_input(&ctx);
    return p;
}

} // namespace

class TestWriter : public QObject
{
    Q_OBJECT
private:
    QString m_dir;
    QStringList m_photos;
    bool m_together = true; // frames composed two at a time (the writer's default)

    struct Run {
        bool finished = false;
        QString error;
        QList<int> progress;
        int framesAtEnd = -1;
        int framesRendered = -1;
        int framesTogether = -1;
        int totalFrames = 0;
        QString video, audio;
        // The rendering thread's nice value before the run, at each progress
        // step and when the run ended or failed.
        int niceBefore = 0, niceAtEnd = 0;
        QList<int> niceDuring;
        // How many frames' worth of sound was taken ahead of the pictures, at
        // most, at the progress steps before the last picture.
        int audioLead = 0;
    };

    Run write(const QString &name, TvStandard standard, int channels, int videoRate, int audioRate,
              Album &album, const QString &videoPath = QString(),
              AVWriterManager::RenderPriority priority = AVWriterManager::RenderPriority::LowerIfRestorable)
    {
        Run run;
        const QString dir = TestSupport::freshDir(name);
        run.video = videoPath.isEmpty() ? dir + QStringLiteral("/video.m2v") : videoPath;
        run.audio = dir + QStringLiteral("/audio.ac3");
        StoryBoardRender story;
        story.setAlbum(&album);
        OutputFormat f = OutputFormat::forStandard(standard);
        f.audioChannels = channels;
        story.setFormat(f);
        run.totalFrames = story.totalFrames();
        AVWriterManager writer;
        if (!writer.init(f)) {
            run.error = writer.errorString();
            return run;
        }
        writer.setStoryboard(&story);
        writer.setRenderPriority(priority);
        writer.setComposeFramesTogether(m_together);
        story.renderFrame(0, true, &writer);
        auto video = std::make_unique<StreamWriter>();
        video->open(run.video, VideoStreamParams::dvd(standard, videoRate), AudioStreamParams());
        auto audio = std::make_unique<StreamWriter>();
        audio->open(run.audio, VideoStreamParams(), AudioStreamParams::ac3(channels, audioRate));
        bool added = writer.addWriter(std::move(video));
        added = writer.addWriter(std::move(audio)) && added;
        QEventLoop loop;
        run.niceBefore = threadNice();
        connect(&writer, &AVWriterManager::progressChanged, &loop, [&](int p) {
            run.progress.append(p);
            run.niceDuring.append(threadNice());
            if (writer.framesWritten() < run.totalFrames)
                run.audioLead = std::max(run.audioLead, writer.audioFramesWritten() - writer.framesWritten());
        });
        connect(&writer, &AVWriterManager::compileEnd, &loop, [&] {
            run.niceAtEnd = threadNice();
            run.finished = true;
            run.framesAtEnd = writer.framesWritten();
            run.framesRendered = writer.framesRendered();
            run.framesTogether = writer.framesComposedTogether();
            loop.quit();
        });
        connect(&writer, &AVWriterManager::failed, &loop, [&](const QString &m) {
            run.niceAtEnd = threadNice();
            run.error = m;
            loop.quit();
        });
        QTimer::singleShot(240000, &loop, &QEventLoop::quit);
        if (writer.start())
            loop.exec();
        if (!added && run.error.isEmpty())
            run.error = writer.errorString();
        writer.stop();
        writer.clearWriters();
        story.wait();
        return run;
    }

    Album makeAlbum(int photos, bool withAudio)
    {
        Album album(qEnvironmentVariable("SORVEL_APPDIR"));
        album.setPhotoDurationExactMs(1000);
        album.setTransitionDurationExactMs(400);
        album.settings.useDynamicEffect = true;
        resetMotionKeyCounter();
        for (int i = 0; i < photos; ++i) {
            ImageInfo info = photoInfo(m_photos[i % m_photos.size()], i == 1 ? 6 : 0);
            assignMotionKeys(info);
            album.photos.append(info);
        }
        if (withAudio) {
            const QString clip = m_dir + QStringLiteral("/clip.wav");
            if (!QFile::exists(clip))
                TestSupport::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                     QStringLiteral("sine=frequency=330:sample_rate=44100:duration=2"),
                                     QStringLiteral("-ac"), QStringLiteral("2"), clip});
            album.audios.append(clipInfo(clip, 0, 2.0));
        }
        return album;
    }

    void checkFiles(const Run &run, int width, int height, AVRational rate, AVRational sar, int channels)
    {
        QVERIFY2(run.finished, qPrintable(run.error));
        // Progress 0..100 in whole percents, compileEnd after the last frame;
        // the first step after at most two frames (composed together).
        QVERIFY(!run.progress.isEmpty());
        QVERIFY2(run.progress.first() <= 200 / run.totalFrames,
                 qPrintable(QString::number(run.progress.first())));
        QCOMPARE(run.progress.last(), 100);
        for (int i = 1; i < run.progress.size(); ++i)
            QVERIFY(run.progress[i] >= run.progress[i - 1]);
        QCOMPARE(run.framesAtEnd, run.totalFrames);

        const Probe v = probe(run.video);
        QVERIFY(v.ok);
        QCOMPARE(v.codec, AV_CODEC_ID_MPEG2VIDEO);
        QCOMPARE(v.width, width);
        QCOMPARE(v.height, height);
        QCOMPARE(av_cmp_q(v.frameRate, rate), 0);
        QCOMPARE(av_cmp_q(v.sampleAspect, sar), 0);
        QCOMPARE(v.packets, int64_t(run.totalFrames));

        const Probe a = probe(run.audio);
        QVERIFY(a.ok);
        QCOMPARE(a.codec, AV_CODEC_ID_AC3);
        QCOMPARE(a.sampleRate, 48000);
        QCOMPARE(a.channels, channels);
        const double videoSeconds = double(run.totalFrames) * rate.den / rate.num;
        const double audioSeconds = double(a.packets) * 1536 / 48000;
        QVERIFY2(std::abs(audioSeconds - videoSeconds) <= 1536.0 / 48000 + 1e-9,
                 qPrintable(QStringLiteral("audio %1 s, video %2 s").arg(audioSeconds).arg(videoSeconds)));
    }

    // mplex -f 8 must not report an error; dvdauthor must accept the VOB.
    void multiplexAndAuthor(const Run &run, TvStandard standard)
    {
        const QString dir = QFileInfo(run.video).absolutePath();
        const QString vob = dir + QStringLiteral("/title.vob");
        QByteArray out;
        const int rc =
            TestSupport::run(QStringLiteral("mplex"),
                             {QStringLiteral("-v"), QStringLiteral("1"), QStringLiteral("-f"),
                              QStringLiteral("8"), QStringLiteral("-o"), vob, run.video, run.audio},
                             &out);
        QVERIFY2(!out.contains("**ERROR"), out.constData());
        QCOMPARE(rc, 0);
        QVERIFY(QFileInfo(vob).size() > 0);
        qputenv("VIDEO_FORMAT", tvStandardName(standard).toLatin1());
        const QString dvd = dir + QStringLiteral("/dvd");
        QVERIFY(TestSupport::run(QStringLiteral("dvdauthor"),
                                 {QStringLiteral("-o"), dvd, QStringLiteral("-t"), vob}, &out) == 0);
        QVERIFY2(TestSupport::run(QStringLiteral("dvdauthor"),
                                  {QStringLiteral("-o"), dvd, QStringLiteral("-T")}, &out) == 0,
                 out.constData());
        QVERIFY(QFile::exists(dvd + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB")));
    }

private slots:
    void initTestCase()
    {
        m_dir = TestSupport::freshDir(QStringLiteral("writer"));
        for (int i = 0; i < 3; ++i) {
            const QString path = m_dir + QStringLiteral("/photo%1.jpg").arg(i);
            QVERIFY(scenicImage(1600, 1200, i + 1).save(path, "JPEG", 92));
            m_photos.append(path);
        }
        QVERIFY(QFile::exists(qEnvironmentVariable("SORVEL_APPDIR") + QStringLiteral("/silence.ac3")));
        QVERIFY(QDir(qEnvironmentVariable("SORVEL_APPDIR") + QStringLiteral("/pattern"))
                    .entryList({QStringLiteral("*.wpt")})
                    .size() >= 16);
    }

    void stillPhotosAreRenderedOnce()
    {
        // Without the dynamic effect and transitions every frame of a photo
        // is the same picture: rendered once, encoded for each frame.
        Album album = makeAlbum(3, false);
        album.settings.useDynamicEffect = false;
        album.settings.useTransition = false;
        const Run run = write(QStringLiteral("still"), TvStandard::Pal, 2, 6000000, 192000, album);
        checkFiles(run, 720, 576, AVRational{25, 1}, AVRational{16, 15}, 2);
        QCOMPARE(run.totalFrames, 75);
        QCOMPARE(run.framesRendered, 3);
        // With transitions, a dissolve's frames differ: all rendered.
        album.settings.useTransition = true;
        album.settings.dissolveOnly = true;
        const Run dissolving =
            write(QStringLiteral("dissolving"), TvStandard::Pal, 2, 6000000, 192000, album);
        QVERIFY2(dissolving.finished, qPrintable(dissolving.error));
        const int transitionFrames = dissolving.totalFrames - 75;
        QVERIFY(transitionFrames > 0);
        QCOMPARE(dissolving.framesRendered, 3 + transitionFrames);
        multiplexAndAuthor(run, TvStandard::Pal);
    }

    // Consecutive frames composed two at a time give the encoder the very
    // pictures that frames composed one by one give it: through pan and
    // zoom, pattern wipes (whose merged picture is made for each frame),
    // dissolves, a caption fading out and in, and the frames where a
    // transition starts and ends.
    void framesComposedTogetherAreTheSame()
    {
        for (const bool dissolves : {false, true}) {
            Album album = makeAlbum(3, false);
            album.settings.dissolveOnly = dissolves;
            album.photos[2].caption.text = QStringLiteral("Over the valley"); // fades in over the second transition
            QByteArray pictures[2];
            int rendered[2] = {0, 0};
            for (const bool together : {false, true}) {
                const QString name = QStringLiteral("together-%1-%2").arg(int(dissolves)).arg(int(together));
                const QString copy =
                    TestSupport::freshDir(name + QStringLiteral("-input")) + QStringLiteral("/pictures.yuv");
                TestSupport::ScopedEnv input("SORVEL_ENCODER_INPUT_COPY", copy);
                m_together = together;
                const Run run = write(name, TvStandard::Pal, 2, 9000000, 192000, album);
                m_together = true;
                QVERIFY2(run.finished, qPrintable(run.error));
                QCOMPARE(run.framesTogether > run.totalFrames / 4, together);
                rendered[int(together)] = run.framesRendered;
                QFile file(copy);
                QVERIFY(file.open(QIODevice::ReadOnly));
                pictures[int(together)] = file.readAll();
                QCOMPARE(pictures[int(together)].size(), qint64(720) * 576 * 3 / 2 * run.totalFrames);
            }
            QCOMPARE(rendered[1], rendered[0]);
            QVERIFY2(pictures[1] == pictures[0], dissolves ? "dissolves" : "pattern wipes");
        }
    }

    void palStereoAtFullRate()
    {
        Album album = makeAlbum(3, true); // 3.8 s
        QVERIFY(album.patternFiles.size() >= 16);
        const Run run = write(QStringLiteral("pal"), TvStandard::Pal, 2, 9000000, 448000, album);
        checkFiles(run, 720, 576, AVRational{25, 1}, AVRational{16, 15}, 2);
        // The sound is encoded along with the pictures, not all of it first
        // (that kept the video encoder waiting): at most half a second
        // ahead.
        QVERIFY2(run.audioLead <= 13, qPrintable(QString::number(run.audioLead)));
        multiplexAndAuthor(run, TvStandard::Pal);
    }

    void ntscSurround()
    {
        Album album = makeAlbum(2, true);
        album.settings.loopAudio = true;
        const Run run = write(QStringLiteral("ntsc"), TvStandard::Ntsc, 6, 6000000, 448000, album);
        checkFiles(run, 720, 480, AVRational{30000, 1001}, AVRational{8, 9}, 6);
        QVERIFY2(run.audioLead <= 15, qPrintable(QString::number(run.audioLead)));
        multiplexAndAuthor(run, TvStandard::Ntsc);
    }

    void palMonoLowRates()
    {
        Album album = makeAlbum(2, false); // silence
        album.settings.dissolveOnly = true;
        const Run run = write(QStringLiteral("mono"), TvStandard::Pal, 1, 2000000, 128000, album);
        checkFiles(run, 720, 576, AVRational{25, 1}, AVRational{16, 15}, 1);
        multiplexAndAuthor(run, TvStandard::Pal);
    }

    void fullDiskFails()
    {
        Album album = makeAlbum(2, true);
        const QString dir = TestSupport::freshDir(QStringLiteral("fulldisk"));
        const QString link = dir + QStringLiteral("/video.m2v");
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), link));
        const Run run = write(QStringLiteral("full"), TvStandard::Pal, 2, 9000000, 448000, album, link);
        QVERIFY(!run.finished);
        QVERIFY2(run.error.contains(QStringLiteral("write"), Qt::CaseInsensitive), qPrintable(run.error));
        // A failed run gives the rendering thread its priority back too.
        QCOMPARE(run.niceAtEnd, run.niceBefore);
    }

    void renderThreadYieldsForTheRunOnly()
    {
        // During a run the rendering thread runs at a lower priority, so
        // that the encoder's threads have the cores first; at the end it has
        // its own again. Where the system would not let it raise its
        // priority again (an unprivileged user without RLIMIT_NICE), it
        // keeps it throughout.
        Album album = makeAlbum(2, false);
        const int before = threadNice();
        rlimit limit{};
        const bool restorable =
            ::geteuid() == 0 || (::getrlimit(RLIMIT_NICE, &limit) == 0 &&
                                 (limit.rlim_cur == RLIM_INFINITY || rlim_t(20 - before) <= limit.rlim_cur));
        const Run run = write(QStringLiteral("yielding"), TvStandard::Pal, 2, 6000000, 192000, album);
        QVERIFY2(run.finished, qPrintable(run.error));
        QVERIFY(run.niceDuring.size() > 2);
        for (int nice : run.niceDuring)
            QCOMPARE(nice, restorable ? std::min(before + 10, 19) : before);
        QCOMPARE(run.niceAtEnd, before);
        QCOMPARE(threadNice(), before);

        const Run normal = write(QStringLiteral("normal-priority"), TvStandard::Pal, 2, 6000000, 192000,
                                 album, QString(), AVWriterManager::RenderPriority::Normal);
        QVERIFY2(normal.finished, qPrintable(normal.error));
        for (int nice : normal.niceDuring)
            QCOMPARE(nice, before);
    }

    void openFailureIsReported()
    {
        StreamWriter writer;
        QVERIFY(!writer.open(QStringLiteral("/nonexistent-folder/video.m2v"),
                             VideoStreamParams::dvd(TvStandard::Pal, 9000000), AudioStreamParams()));
        QVERIFY(!writer.errorString().isEmpty());

        Album album = makeAlbum(1, false);
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        AVWriterManager manager;
        QVERIFY(manager.init(story.format()));
        manager.setStoryboard(&story);
        auto bad = std::make_unique<StreamWriter>();
        bad->open(QStringLiteral("/nonexistent-folder/video.m2v"),
                  VideoStreamParams::dvd(TvStandard::Pal, 9000000), AudioStreamParams());
        QVERIFY(!manager.addWriter(std::move(bad)));
        QSignalSpy failed(&manager, &AVWriterManager::failed);
        QVERIFY(!manager.start());
        QCOMPARE(failed.count(), 1);
        QVERIFY(!manager.errorString().isEmpty());
    }

    void missingGlContextIsReported()
    {
        // A child process of this test with EGL unable to load any driver.
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("__EGL_VENDOR_LIBRARY_FILENAMES"), QStringLiteral("/nonexistent/egl.json"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gl-failure-child")});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray out = child.readAll();
        QVERIFY2(child.exitCode() == 0, out.constData());
        QVERIFY2(out.contains("No OpenGL context"), out.constData());
    }

    void colourConversionMatchesSwscale_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("hd");
        QTest::newRow("PAL") << 576 << false;
        QTest::newRow("NTSC") << 480 << false;
        // HD files: BT.709's matrix, the frame's own height.
        QTest::newRow("BT.709") << 540 << true;
    }

    void colourConversionMatchesSwscale()
    {
        QFETCH(int, height);
        QFETCH(bool, hd);
        const QImage image = scenicImage(720, 540, 5).convertToFormat(QImage::Format_ARGB32);
        uint8_t *a[4], *b[4];
        int la[4], lb[4];
        QVERIFY(av_image_alloc(a, la, 720, height, AV_PIX_FMT_YUV420P, 32) >= 0);
        QVERIFY(av_image_alloc(b, lb, 720, height, AV_PIX_FMT_YUV420P, 32) >= 0);
        BgraToYuv420 converter;
        QVERIFY(converter.setup(720, 540, height,
                                hd ? BgraToYuv420::Matrix::Bt709 : BgraToYuv420::Matrix::Bt601));
        converter.convert(image.constBits(), int(image.bytesPerLine()), a, la);
        SwsContext *sws =
            sws_getContext(720, 540, AV_PIX_FMT_BGRA, 720, height, AV_PIX_FMT_YUV420P,
                           hd ? SWS_BILINEAR | SWS_ACCURATE_RND : SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (hd) {
            const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
            sws_setColorspaceDetails(sws, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
        }
        const uint8_t *src[4] = {image.constBits(), nullptr, nullptr, nullptr};
        const int srcStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
        sws_scale(sws, src, srcStride, 0, 540, b, lb);
        sws_freeContext(sws);
        for (int plane = 0; plane < 3; ++plane) {
            const int w = plane ? 360 : 720, h = plane ? height / 2 : height;
            double sum = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    sum += std::abs(int(a[plane][y * la[plane] + x]) - int(b[plane][y * lb[plane] + x]));
            const double mean = sum / (w * h);
            // Without scaling only rounding differs: a matrix mixed up
            // (BT.601 for BT.709) would be off by several levels.
            QVERIFY2(mean < (hd ? 0.6 : 2.0),
                     qPrintable(QStringLiteral("plane %1: mean difference %2").arg(plane).arg(mean)));
        }
        av_freep(&a[0]);
        av_freep(&b[0]);
    }

    void vectorConversionEqualsPortableLoop_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("srcHeight");
        QTest::addColumn<int>("dstHeight");
        QTest::addColumn<bool>("hd");
        QTest::newRow("PAL") << 720 << 540 << 576 << false;
        QTest::newRow("NTSC") << 720 << 540 << 480 << false;
        QTest::newRow("same height") << 720 << 540 << 540 << false;
        QTest::newRow("width with a tail") << 726 << 300 << 322 << false;
        QTest::newRow("narrower than a step") << 10 << 8 << 12 << false;
        QTest::newRow("halved") << 64 << 200 << 100 << false;
        QTest::newRow("BT.709 1080p") << 1920 << 1080 << 1080 << true;
        QTest::newRow("BT.709 with a tail") << 726 << 300 << 322 << true;
    }

    void vectorConversionEqualsPortableLoop()
    {
        QFETCH(int, width);
        QFETCH(int, srcHeight);
        QFETCH(int, dstHeight);
        QFETCH(bool, hd);
        BgraToYuv420 converter;
        QVERIFY(converter.setup(width, srcHeight, dstHeight,
                                hd ? BgraToYuv420::Matrix::Bt709 : BgraToYuv420::Matrix::Bt601));
        if (!converter.vectorised())
            QSKIP("this processor has no AVX2: only the portable loop runs");
        // Noise covers every channel value, extremes included; the padded
        // stride checks that rows are found by the stride, not the width.
        const int stride = width * 4 + 12;
        std::vector<uint8_t> bgra(size_t(stride) * size_t(srcHeight));
        uint32_t seed = 12345;
        for (uint8_t &b : bgra) {
            seed = seed * 1664525u + 1013904223u;
            b = uint8_t(seed >> 24);
        }
        for (int x = 0; x < width * 4; ++x) {
            bgra[size_t(x)] = 255;
            bgra[size_t(stride) * size_t(srcHeight - 1) + size_t(x)] = 0;
        }
        // bandRows > 0: converted in bands of that many rows, each band
        // copied alone (a read outside it would not find the frame's rows).
        auto convertWith = [&](bool vector, int bandRows = 0) {
            const int strides[3] = {width + 16, width / 2 + 8, width / 2 + 8};
            std::vector<uint8_t> out(size_t(strides[0]) * size_t(dstHeight) +
                                     2 * size_t(strides[1]) * size_t(dstHeight / 2));
            uint8_t *planes[3] = {out.data(), out.data() + size_t(strides[0]) * size_t(dstHeight),
                                  out.data() + size_t(strides[0]) * size_t(dstHeight) +
                                      size_t(strides[1]) * size_t(dstHeight / 2)};
            converter.setVectorised(vector);
            if (bandRows <= 0) {
                converter.convert(bgra.data(), stride, planes, strides);
                return out;
            }
            for (int y = 0; y < dstHeight; y += bandRows) {
                const int rows = std::min(bandRows, dstHeight - y);
                // (Scaled rows: no more source rows than there are.)
                const std::vector<uint8_t> band(bgra.begin() + ptrdiff_t(stride) * std::min(y, srcHeight),
                                                bgra.begin() +
                                                    ptrdiff_t(stride) * std::min(y + rows, srcHeight));
                converter.convertRows(band.data(), stride, y, y + rows, planes, strides);
            }
            return out;
        };
        if (converter.rowsOneToOne()) {
            // A frame converted band by band as it is composed: the same
            // bytes.
            const std::vector<uint8_t> whole = convertWith(true);
            for (int rows : {2, 6, 16})
                QVERIFY2(convertWith(true, rows) == whole,
                         qPrintable(QStringLiteral("bands of %1").arg(rows)));
        } else {
            // Scaled rows are not converted in bands: nothing is written.
            const std::vector<uint8_t> untouched = convertWith(true, 16);
            QVERIFY(std::all_of(untouched.begin(), untouched.end(), [](uint8_t b) { return b == 0; }));
        }
        const std::vector<uint8_t> vector = convertWith(true);
        const std::vector<uint8_t> portable = convertWith(false);
        QCOMPARE(vector.size(), portable.size());
        const auto mismatch = std::mismatch(vector.begin(), vector.end(), portable.begin());
        // The message is built only for a difference: at the end there is
        // no byte to read.
        if (mismatch.first != vector.end())
            QFAIL(qPrintable(QStringLiteral("first difference at byte %1: %2 against %3")
                                 .arg(mismatch.first - vector.begin())
                                 .arg(int(*mismatch.first))
                                 .arg(int(*mismatch.second))));
    }

    void unsupportedAudioFailsToOpen()
    {
        StreamWriter writer;
        const QString dir = TestSupport::freshDir(QStringLiteral("badrate"));
        QVERIFY(!writer.open(dir + QStringLiteral("/audio.ac3"), VideoStreamParams(),
                             AudioStreamParams::ac3(7, 448000)));
        QVERIFY(!writer.errorString().isEmpty());
    }
};

// The child of missingGlContextIsReported: init() must fail with a
// message, and start() must then report the failure by signal.
static int glFailureChild(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    AVWriterManager manager;
    if (manager.init(OutputFormat())) {
        std::printf("init succeeded without a GL driver\n");
        return 1;
    }
    std::printf("init failed: %s\n", qPrintable(manager.errorString()));
    bool signalled = false;
    QObject::connect(&manager, &AVWriterManager::failed, [&](const QString &) { signalled = true; });
    manager.start();
    return signalled ? 0 : 2;
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--gl-failure-child") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return glFailureChild(1, argv);
    }
    // The writer needs no display server.
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_writer.moc"
