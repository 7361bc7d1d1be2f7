// Benchmark of the writer: renders and encodes a 60-second PAL
// album of 12 generated photos of 12 Mpixel (JPEG) with pattern
// transitions, the dynamic effect and a soundtrack through the real writer
// (off-screen GL, MPEG-2 up to 9 Mbit/s, AC-3 448 kbit/s stereo), then encodes the
// same number of frames of the same size, bit rate and encoder settings with
// the MPEG-2 encoder alone: every frame of the writer's own output, decoded
// into memory beforehand, so both runs encode the same pictures.
//
// usage: bench_writer [RUNS]   (alternating runs of each, default 3; medians)
// Each run also prints its processor time (all threads) and the cores it
// kept busy on average. Last line: writer_fps=<n> encoder_only_fps=<n> ratio=<n>

#include "benchalbum.h"
#include "benchstats.h"
#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "engine/yuvconvert.h"
#include "testmedia.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

// Processor time of the whole process so far (every thread, user and
// system), seconds.
double processSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return processorSeconds(usage);
}

// Decodes up to `count` frames of an MPEG-2 file as YUV 4:2:0 frames.
std::vector<AVFrame *> decodeFrames(const QString &path, int count)
{
    std::vector<AVFrame *> frames;
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return frames;
    avformat_find_stream_info(fmt, nullptr);
    const AVCodec *codec = avcodec_find_decoder(fmt->streams[0]->codecpar->codec_id);
    AVCodecContext *ctx = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(ctx, fmt->streams[0]->codecpar);
    avcodec_open2(ctx, codec, nullptr);
    AVPacket *pkt = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    auto receive = [&] {
        while (int(frames.size()) < count && avcodec_receive_frame(ctx, frame) == 0) {
            frames.push_back(av_frame_clone(frame));
            av_frame_unref(frame);
        }
    };
    while (int(frames.size()) < count && av_read_frame(fmt, pkt) >= 0) {
        avcodec_send_packet(ctx, pkt);
        av_packet_unref(pkt);
        receive();
    }
    avcodec_send_packet(ctx, nullptr);
    receive();
    av_frame_free(&frame);
    av_packet_free(&pkt);
    avcodec_free_context(&ctx);
    avformat_close_input(&fmt);
    return frames;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = benchFolder(QStringLiteral("writer"));
    const QString appDir = benchAppFolder();

    // 12 photos of 4000 x 3000 (12 Mpixel), made once and kept.
    const QStringList photos = scenicPhotos(dir, 12, QSize(4000, 3000));
    if (photos.isEmpty())
        return 1;
    const QString soundtrack = dir + QStringLiteral("/soundtrack.wav");
    if (!QFile::exists(soundtrack) && !TestMedia::writeChordWav(soundtrack, 62.0))
        return 1;

    Album album(appDir);
    if (album.patternFiles.isEmpty()) {
        std::fprintf(stderr, "no transition patterns in %s/pattern\n", qPrintable(appDir));
        return 1;
    }
    const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal);
    album.setPhotoDurationExactMs(3640); // 12 x 3.64 s + 11 x 1.5 s = 60.18 s
    album.setTransitionDurationExactMs(1500);
    album.settings.useTransition = true;
    album.settings.useDynamicEffect = true;
    appendPhotos(album, photos, QSize(4000, 3000));
    AudioInfo clip;
    clip.path = soundtrack;
    clip.clipStart = 0;
    clip.clipEnd = 62.0;
    clip.duration = 62.0;
    album.audios.append(clip);

    const int videoRate = 9000000;
    StoryBoardRender story;
    story.setAlbum(&album);
    story.setFormat(format);
    const int total = story.totalFrames();

    const QString videoPath = dir + QStringLiteral("/video.m2v");
    const QString audioPath = dir + QStringLiteral("/audio.ac3");
    const QStringList args = app.arguments();
    const int runs = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 3;

    // One run of the real writer, timed from start() to compileEnd, as the
    // encoder alone is timed from its first frame (set-up, the GL context
    // and the opened files, is not counted in either).
    auto runWriter = [&](double *seconds, double *cpu) {
        QFile::remove(videoPath);
        QFile::remove(audioPath);
        story.setFormat(format); // back to the start of the timeline
        AVWriterManager writer;
        if (!writer.init(format)) {
            std::fprintf(stderr, "writer: %s\n", qPrintable(writer.errorString()));
            return false;
        }
        writer.setStoryboard(&story);
        story.renderFrame(0, true, &writer);
        auto video = std::make_unique<StreamWriter>();
        video->open(videoPath, VideoStreamParams::dvd(TvStandard::Pal, videoRate), AudioStreamParams());
        auto audio = std::make_unique<StreamWriter>();
        audio->open(audioPath, VideoStreamParams(), AudioStreamParams::ac3(2, 448000));
        if (!writer.addWriter(std::move(video)) || !writer.addWriter(std::move(audio))) {
            std::fprintf(stderr, "writer: %s\n", qPrintable(writer.errorString()));
            return false;
        }
        QEventLoop loop;
        bool ok = false;
        QString error;
        QObject::connect(&writer, &AVWriterManager::compileEnd, &loop, [&] {
            ok = true;
            loop.quit();
        });
        QObject::connect(&writer, &AVWriterManager::failed, &loop, [&](const QString &m) {
            error = m;
            loop.quit();
        });
        const double cpuBefore = processSeconds();
        QElapsedTimer timer;
        timer.start();
        if (!writer.start()) {
            std::fprintf(stderr, "writer: %s\n", qPrintable(writer.errorString()));
            return false;
        }
        loop.exec();
        writer.stop();
        writer.clearWriters();
        story.wait();
        *seconds = timer.nsecsElapsed() / 1e9;
        *cpu = processSeconds() - cpuBefore;
        if (!ok)
            std::fprintf(stderr, "writer failed: %s\n", qPrintable(error));
        return ok;
    };

    // The encoder alone: the same frames count, size, bit rate and settings.
    const VideoStreamParams params = VideoStreamParams::dvd(TvStandard::Pal, videoRate);
    auto runEncoder = [&](std::vector<AVFrame *> &frames, double *seconds, double *cpu) {
        const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_MPEG2VIDEO);
        av::CodecContext ctx(avcodec_alloc_context3(codec));
        av::Packet pkt(av_packet_alloc());
        if (!ctx || !pkt)
            return false;
        configureDvdVideoEncoder(ctx.get(), params);
        if (avcodec_open2(ctx.get(), codec, nullptr) < 0)
            return false;
        QFile out(dir + QStringLiteral("/encoder_only.m2v"));
        if (!out.open(QIODevice::WriteOnly))
            return false;
        const double cpuBefore = processSeconds();
        QElapsedTimer timer;
        timer.start();
        auto drain = [&] {
            while (avcodec_receive_packet(ctx.get(), pkt.get()) == 0) {
                out.write(reinterpret_cast<const char *>(pkt->data), pkt->size);
                av_packet_unref(pkt.get());
            }
        };
        for (int i = 0; i < total; ++i) {
            AVFrame *f = frames[size_t(i) % frames.size()];
            f->pts = i;
            f->pict_type = AV_PICTURE_TYPE_NONE;
            avcodec_send_frame(ctx.get(), f);
            drain();
        }
        avcodec_send_frame(ctx.get(), nullptr);
        drain();
        *seconds = timer.nsecsElapsed() / 1e9;
        *cpu = processSeconds() - cpuBefore;
        return true;
    };

    // Alternating runs share the machine's conditions; the medians count.
    std::vector<double> writerTimes, encoderTimes;
    std::vector<AVFrame *> frames;
    for (int i = 0; i < runs; ++i) {
        double seconds = 0, cpu = 0;
        if (!runWriter(&seconds, &cpu))
            return 1;
        writerTimes.push_back(seconds);
        std::printf("writer run %d: %d frames in %.2f s, processor %.2f s (%.2f cores), %d photo decodes\n",
                    i + 1, total, seconds, cpu, cpu / seconds, story.photoDecodeCount());
        std::fflush(stdout);
        if (frames.empty()) {
            // The multiplexer's verdict on the DVD buffer model (information only).
            QProcess mplex;
            mplex.setProcessChannelMode(QProcess::MergedChannels);
            mplex.start(QStringLiteral("mplex"),
                        {QStringLiteral("-v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("8"),
                         QStringLiteral("-o"), dir + QStringLiteral("/title.vob"), videoPath, audioPath});
            if (mplex.waitForFinished(300000)) {
                const QByteArray out = mplex.readAll();
                std::printf("mplex -f 8: %s\n", out.contains("**ERROR") ? "ERROR reported" : "no error");
            }
            frames = decodeFrames(videoPath, total);
            if (frames.empty()) {
                std::fprintf(stderr, "cannot decode the written video\n");
                return 1;
            }
        }
        if (!runEncoder(frames, &seconds, &cpu)) {
            std::fprintf(stderr, "the encoder alone failed\n");
            return 1;
        }
        encoderTimes.push_back(seconds);
        std::printf("encoder only run %d: %d frames in %.2f s, processor %.2f s (%.2f cores)\n", i + 1, total,
                    seconds, cpu, cpu / seconds);
        std::fflush(stdout);
    }
    for (AVFrame *f : frames)
        av_frame_free(&f);

    // The writer's colour conversion alone (720 x 540 BGRA to PAL YUV 4:2:0)
    // on a photo-like frame, milliseconds per frame.
    {
        const QImage picture = TestMedia::scenicImage(720, 540, 3).convertToFormat(QImage::Format_ARGB32);
        const int lumaStride = 768;
        std::vector<uint8_t> yuv(size_t(lumaStride) * 576 * 3 / 2);
        uint8_t *planes[3] = {yuv.data(), yuv.data() + lumaStride * 576,
                              yuv.data() + lumaStride * 576 + lumaStride / 2 * 288};
        const int strides[3] = {lumaStride, lumaStride / 2, lumaStride / 2};
        BgraToYuv420 converter;
        converter.setup(720, 540, 576);
        auto timeConversion = [&](int count) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < count; ++i)
                converter.convert(picture.constBits(), int(picture.bytesPerLine()), planes, strides);
            return timer.nsecsElapsed() / 1e6 / count;
        };
        const bool vector = converter.vectorised();
        const double used = timeConversion(500);
        converter.setVectorised(false);
        const double portable = timeConversion(100);
        std::printf("conversion: %.3f ms per frame (%s), portable loop %.3f ms\n", used,
                    vector ? "AVX2" : "portable", portable);
    }

    const double writerFps = total / median(writerTimes);
    const double encoderFps = total / median(encoderTimes);
    std::printf("writer_fps=%.2f encoder_only_fps=%.2f ratio=%.3f\n", writerFps, encoderFps,
                writerFps / encoderFps);
    return 0;
}
