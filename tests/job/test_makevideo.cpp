// Video files end to end: an album exported through the job, the file read
// back with FFmpeg (stream parameters, chapters, the index at the front,
// lengths, every frame decoded), the pan-and-zoom measured for smoothness,
// the frames compared with the preview's drawing, and the file left out
// entirely when a run is aborted or the disk fills.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <vector>

#include "album/album.h"
#include "album/probe.h"
#include "album/timeline.h"
#include "burning/runquestions.h"
#include "desktop/application.h"
#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "engine/streamwriter.h"
#include "job/makejob.h"
#include "systemfixtures.h"
#include "testmedia.h"
#include "testsupport.h"

namespace {

class Answers : public RunQuestions
{
public:
    bool yes = true;
    int asked = 0;
    bool confirm(Confirmation, const QString &) override
    {
        ++asked;
        return yes;
    }
    bool retryFailedBurn(const QString &) override { return false; }
    DiscWaitAnswer waitForDisc(const DiscWait &) override { return DiscWaitAnswer::Cancelled; }
};

// What FFmpeg reads in an MP4 file.
struct Mp4Facts {
    bool opened = false;
    QString videoCodec;
    int profile = -1;
    int level = -1;
    int width = 0, height = 0;
    QString pixelFormat;
    int primaries = 0, transfer = 0, matrix = 0;
    AVRational sampleAspect{0, 1};
    AVRational frameRate{0, 1};
    int64_t framesDecoded = 0;
    int decodeErrors = 0;
    double videoEnd = 0.0; // seconds
    QString audioCodec;
    int audioProfile = -1;
    int sampleRate = 0;
    int channels = 0;
    double audioEnd = 0.0;
    std::vector<double> chapterStarts;
    bool indexFirst = false;                 // moov before mdat
    std::vector<QImage> frames;              // decoded RGB pictures, when asked for
    std::vector<std::vector<uint8_t>> lumas; // decoded luma planes (packed), when asked for
};

bool indexBeforeMedia(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // The top-level boxes: 32-bit size and type (64-bit size when 1).
    qint64 at = 0;
    while (at + 8 <= f.size()) {
        f.seek(at);
        const QByteArray head = f.read(16);
        quint64 size = (quint64(uchar(head[0])) << 24) | (quint64(uchar(head[1])) << 16) |
                       (quint64(uchar(head[2])) << 8) | quint64(uchar(head[3]));
        const QByteArray type = head.mid(4, 4);
        if (size == 1 && head.size() >= 16) {
            size = 0;
            for (int i = 8; i < 16; ++i)
                size = (size << 8) | uchar(head[i]);
        }
        if (type == "moov")
            return true;
        if (type == "mdat" || size < 8)
            return false;
        at += qint64(size);
    }
    return false;
}

enum Keep { KeepNothing = 0, KeepPictures = 1, KeepLuma = 2 };

Mp4Facts inspect(const QString &path, int keep = KeepNothing)
{
    Mp4Facts facts;
    facts.indexFirst = indexBeforeMedia(path);
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return facts;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext *)> owner(
        fmt, [](AVFormatContext *c) { avformat_close_input(&c); });
    if (avformat_find_stream_info(fmt, nullptr) < 0)
        return facts;
    facts.opened = true;
    for (unsigned i = 0; i < fmt->nb_chapters; ++i)
        facts.chapterStarts.push_back(double(fmt->chapters[i]->start) * av_q2d(fmt->chapters[i]->time_base));
    const int v = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int a = av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (v < 0)
        return facts;
    const AVCodecParameters *vp = fmt->streams[v]->codecpar;
    facts.videoCodec = QString::fromLatin1(avcodec_get_name(vp->codec_id));
    facts.profile = vp->profile;
    facts.level = vp->level;
    facts.width = vp->width;
    facts.height = vp->height;
    facts.pixelFormat = QString::fromLatin1(av_get_pix_fmt_name(AVPixelFormat(vp->format)));
    facts.primaries = vp->color_primaries;
    facts.transfer = vp->color_trc;
    facts.matrix = vp->color_space;
    facts.sampleAspect = vp->sample_aspect_ratio;
    facts.frameRate = fmt->streams[v]->avg_frame_rate;
    if (a >= 0) {
        const AVCodecParameters *ap = fmt->streams[a]->codecpar;
        facts.audioCodec = QString::fromLatin1(avcodec_get_name(ap->codec_id));
        facts.audioProfile = ap->profile;
        facts.sampleRate = ap->sample_rate;
        facts.channels = ap->ch_layout.nb_channels;
    }

    const AVCodec *codec = avcodec_find_decoder(vp->codec_id);
    AVCodecContext *dec = avcodec_alloc_context3(codec);
    std::unique_ptr<AVCodecContext, void (*)(AVCodecContext *)> decOwner(
        dec, [](AVCodecContext *c) { avcodec_free_context(&c); });
    avcodec_parameters_to_context(dec, vp);
    dec->err_recognition = AV_EF_EXPLODE | AV_EF_CRCCHECK;
    if (avcodec_open2(dec, codec, nullptr) < 0)
        return facts;
    SwsContext *sws = nullptr;
    AVPacket *pkt = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    const AVRational vtb = fmt->streams[v]->time_base;
    auto receive = [&] {
        while (avcodec_receive_frame(dec, frame) == 0) {
            ++facts.framesDecoded;
            if (frame->decode_error_flags || (frame->flags & AV_FRAME_FLAG_CORRUPT))
                ++facts.decodeErrors;
            if (keep & KeepLuma) {
                std::vector<uint8_t> y(size_t(frame->width) * frame->height);
                for (int r = 0; r < frame->height; ++r)
                    memcpy(y.data() + size_t(r) * frame->width, frame->data[0] + r * frame->linesize[0],
                           size_t(frame->width));
                facts.lumas.push_back(std::move(y));
            }
            if (keep & KeepPictures) {
                QImage rgb(frame->width, frame->height, QImage::Format_RGB32);
                sws = sws_getCachedContext(sws, frame->width, frame->height, AVPixelFormat(frame->format),
                                           frame->width, frame->height, AV_PIX_FMT_BGRA,
                                           SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr,
                                           nullptr, nullptr);
                const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
                sws_setColorspaceDetails(sws, bt709, 0, bt709, 1, 0, 1 << 16, 1 << 16);
                uint8_t *dst[4] = {rgb.bits(), nullptr, nullptr, nullptr};
                const int dstStride[4] = {int(rgb.bytesPerLine()), 0, 0, 0};
                sws_scale(sws, frame->data, frame->linesize, 0, frame->height, dst, dstStride);
                facts.frames.push_back(rgb);
            }
            av_frame_unref(frame);
        }
    };
    while (av_read_frame(fmt, pkt) >= 0) {
        if (pkt->stream_index == v) {
            facts.videoEnd = std::max(facts.videoEnd, double(pkt->pts + pkt->duration) * av_q2d(vtb));
            if (avcodec_send_packet(dec, pkt) < 0)
                ++facts.decodeErrors;
            receive();
        } else if (pkt->stream_index == a) {
            const AVStream *s = fmt->streams[a];
            const int64_t start = s->start_time == AV_NOPTS_VALUE ? 0 : s->start_time;
            facts.audioEnd =
                std::max(facts.audioEnd, double(pkt->pts + pkt->duration - start) * av_q2d(s->time_base));
        }
        av_packet_unref(pkt);
    }
    avcodec_send_packet(dec, nullptr);
    receive();
    av_packet_free(&pkt);
    av_frame_free(&frame);
    sws_freeContext(sws);
    return facts;
}

} // namespace

class TestMakeVideo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void choices_data();
    void choices();
    void streamParameters_data();
    void streamParameters();
    void panIsSubPixelSmooth();
    void framesMatchThePreview();
    void existingFileIsAskedAbout();
    void abortLeavesNoFile();
    void fullDiskLeavesNoFile();

private:
    Album album(int photos, int photoMs, int transitionMs, bool music);
    // Runs the job to the end; the result.
    JobResult exportAlbum(const Album &album, const QString &file, RunQuestions *questions = nullptr);
    QString m_dir;
    QString m_music;
};

void TestMakeVideo::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("makevideo"));
    m_music = m_dir + QStringLiteral("/chord.wav");
    QVERIFY(TestMedia::writeChordWav(m_music, 8.0));
}

Album TestMakeVideo::album(int photos, int photoMs, int transitionMs, bool music)
{
    Album album;
    for (int i = 0; i < photos; ++i) {
        const QString path = m_dir + QStringLiteral("/p%1.jpg").arg(i);
        if (!QFileInfo::exists(path))
            TestMedia::scenicImage(1600, 1200, i + 1).save(path, "JPEG", 92);
        ImageInfo info;
        info.path = path;
        if (!probeImage(info, path))
            qWarning() << "cannot read" << path;
        prepareImportedPhoto(info, true);
        album.photos.append(info);
    }
    if (music) {
        AudioInfo clip;
        clip.path = m_music;
        if (probeAudio(clip, m_music)) {
            clip.clipStart = 0.0;
            clip.clipEnd = clip.duration;
            album.audios.append(clip);
        }
    }
    album.setPhotoDurationExactMs(photoMs);
    album.setTransitionDurationExactMs(transitionMs);
    return album;
}

JobResult TestMakeVideo::exportAlbum(const Album &album, const QString &file, RunQuestions *questions)
{
    MakeJob job;
    job.setQuestions(questions);
    QSignalSpy finished(&job, &MakeJob::finished);
    QList<JobStage> stages;
    connect(&job, &MakeJob::stageChanged, &job, [&](JobStage s) { stages << s; });
    MakeRequest request;
    request.output = MakeRequest::Output::VideoFile;
    request.videoFile = file;
    request.album = album;
    request.album.video.file = file;
    if (!job.start(request) || (finished.isEmpty() && !finished.wait(300000)))
        return JobResult();
    const JobResult result = finished.first().at(0).value<JobResult>();
    // A file's run has only the stages a file needs.
    for (JobStage s : stages) {
        if (s != JobStage::CheckingDestination && s != JobStage::CreatingVideo)
            qWarning() << "unexpected stage" << int(s);
    }
    return result;
}

void TestMakeVideo::choices_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("1080p 16:9") << int(VideoSize::P1080) << int(VideoShape::Wide) << QSize(1920, 1080);
    QTest::newRow("1080p 9:16") << int(VideoSize::P1080) << int(VideoShape::Portrait) << QSize(1080, 1920);
    QTest::newRow("720p 4:3") << int(VideoSize::P720) << int(VideoShape::Standard) << QSize(960, 720);
    QTest::newRow("2160p 1:1") << int(VideoSize::P2160) << int(VideoShape::Square) << QSize(2160, 2160);
    QTest::newRow("2160p 16:9") << int(VideoSize::P2160) << int(VideoShape::Wide) << QSize(3840, 2160);
}

void TestMakeVideo::choices()
{
    QFETCH(int, size);
    QFETCH(int, shape);
    QFETCH(QSize, frame);
    VideoChoices c;
    c.size = VideoSize(size);
    c.shape = VideoShape(shape);
    QCOMPARE(c.frameSize(), frame);
    // The texts of projects and the command line come back as the same
    // choices; a wrong one is refused.
    QCOMPARE(parseVideoSize(videoSizeName(c.size)), std::optional<VideoSize>(c.size));
    QCOMPARE(parseVideoShape(videoShapeName(c.shape)), std::optional<VideoShape>(c.shape));
    QVERIFY(!parseVideoShape(QStringLiteral("16:10")));
    QVERIFY(!parseVideoFrameRate(QStringLiteral("24")));
    QVERIFY(!parseVideoFileQuality(QStringLiteral("best")));
    // The estimate grows with the size and the quality.
    VideoChoices small = c;
    small.quality = VideoQuality::Small;
    VideoChoices high = c;
    high.quality = VideoQuality::High;
    QVERIFY(estimateVideoFileSize(small, 60) < estimateVideoFileSize(c, 60));
    QVERIFY(estimateVideoFileSize(c, 60) < estimateVideoFileSize(high, 60));
}

void TestMakeVideo::streamParameters_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("fps");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("photos");
    QTest::newRow("720p 16:9 30") << int(VideoSize::P720) << int(VideoShape::Wide) << 30 << 31 << 3;
    QTest::newRow("720p 9:16 25") << int(VideoSize::P720) << int(VideoShape::Portrait) << 25 << 31 << 3;
    QTest::newRow("720p 1:1 60") << int(VideoSize::P720) << int(VideoShape::Square) << 60 << 32 << 3;
    QTest::newRow("720p 4:3 50") << int(VideoSize::P720) << int(VideoShape::Standard) << 50 << 32 << 3;
    // One short 4K file: its level and size.
    QTest::newRow("2160p 16:9 30") << int(VideoSize::P2160) << int(VideoShape::Wide) << 30 << 51 << 1;
}

void TestMakeVideo::streamParameters()
{
    QFETCH(int, size);
    QFETCH(int, shape);
    QFETCH(int, fps);
    QFETCH(int, level);
    QFETCH(int, photos);
    Album a = album(photos, photos == 1 ? 1000 : 1200, 400, true);
    a.video.size = VideoSize(size);
    a.video.shape = VideoShape(shape);
    a.video.frameRate = fps;
    const QString file =
        m_dir + QStringLiteral("/params-%1.mp4")
                    .arg(QTest::currentDataTag())
                    .replace(QRegularExpression(QStringLiteral("[ :]")), QStringLiteral("_"));
    const JobResult result = exportAlbum(a, file);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(result.videoFile);
    QCOMPARE(result.outputPath, file);
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".part")));

    const Mp4Facts f = inspect(file);
    QVERIFY(f.opened);
    const QSize frame = a.video.frameSize();
    QCOMPARE(f.videoCodec, QStringLiteral("h264"));
    QCOMPARE(f.profile, int(FF_PROFILE_H264_HIGH));
    QCOMPARE(f.level, level);
    QCOMPARE(QSize(f.width, f.height), frame);
    QCOMPARE(f.pixelFormat, QStringLiteral("yuv420p"));
    QCOMPARE(f.primaries, int(AVCOL_PRI_BT709));
    QCOMPARE(f.transfer, int(AVCOL_TRC_BT709));
    QCOMPARE(f.matrix, int(AVCOL_SPC_BT709));
    QVERIFY(f.sampleAspect.num == 0 || f.sampleAspect.num == f.sampleAspect.den);
    QCOMPARE(f.frameRate.num * 1, fps * f.frameRate.den);
    QCOMPARE(f.audioCodec, QStringLiteral("aac"));
    QCOMPARE(f.audioProfile, int(FF_PROFILE_AAC_LOW));
    QCOMPARE(f.sampleRate, 48000);
    QCOMPARE(f.channels, 2);
    QVERIFY2(f.indexFirst, "the index (moov) must come before the media (mdat)");

    // Every frame decodes; the length is the album's to the frame, and the
    // sound ends with the pictures (within one AAC frame).
    const Timeline timeline = Timeline::of(a, OutputFormat::forVideo(a.video));
    QCOMPARE(f.decodeErrors, 0);
    QCOMPARE(f.framesDecoded, timeline.totalFrames());
    QVERIFY2(std::abs(f.videoEnd - timeline.seconds()) < 0.5 / fps,
             qPrintable(QStringLiteral("%1 against %2").arg(f.videoEnd).arg(timeline.seconds())));
    QVERIFY2(std::abs(f.audioEnd - f.videoEnd) <= 1024.0 / 48000 + 1e-6,
             qPrintable(QStringLiteral("audio %1 video %2").arg(f.audioEnd).arg(f.videoEnd)));

    // A chapter at every photo, on its first frame.
    QCOMPARE(int(f.chapterStarts.size()), photos);
    for (int k = 0; k < photos; ++k) {
        const double expected = k == 0 ? 0.0 : double(timeline.photoStart(k)) / fps;
        QVERIFY2(std::abs(f.chapterStarts[size_t(k)] - expected) < 1e-3,
                 qPrintable(QStringLiteral("chapter %1 at %2, photo at %3")
                                .arg(k)
                                .arg(f.chapterStarts[size_t(k)])
                                .arg(expected)));
    }
}

void TestMakeVideo::panIsSubPixelSmooth()
{
    // A bright round mark on black moves slowly across the frame (a third
    // of a pixel a frame); its centroid in every decoded frame must lie on a
    // smooth curve. Positions snapped to whole pixels leave about 0.29 pixel
    // RMS about any smooth curve; the limit is 0.1.
    const int w = 1280, h = 720;
    QImage mark(w, h, QImage::Format_RGB32);
    mark.fill(Qt::black);
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(mark.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double dx = x + 0.5 - w / 2.0, dy = y + 0.5 - h / 2.0;
            const int v = int(std::lround(235.0 * std::exp(-(dx * dx + dy * dy) / (2.0 * 12.0 * 12.0))));
            row[x] = qRgb(v, v, v);
        }
    }
    const QString path = m_dir + QStringLiteral("/mark.png");
    QVERIFY(mark.save(path, "PNG"));
    Album a;
    ImageInfo info;
    info.path = path;
    QVERIFY(probeImage(info, path));
    info.motionStart.kind = info.motionEnd.kind = 0;
    info.motionStart.values = {0.f, 0.f, 0.f, 0.f};
    info.motionEnd.values = {40.f, 0.f, 0.f, 0.f};
    a.photos.append(info);
    a.setPhotoDurationExactMs(3000);
    a.settings.useTransition = false;
    a.video.size = VideoSize::P720;
    a.video.frameRate = 30;
    a.video.quality = VideoQuality::High;
    const QString file = m_dir + QStringLiteral("/pan.mp4");
    const JobResult result = exportAlbum(a, file);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const Mp4Facts f = inspect(file, KeepLuma);
    QCOMPARE(f.decodeErrors, 0);
    QVERIFY(f.lumas.size() >= 60);

    std::vector<double> xs;
    for (const std::vector<uint8_t> &y : f.lumas) {
        double sum = 0.0, sx = 0.0;
        for (int r = 0; r < h; ++r) {
            for (int c = 0; c < w; ++c) {
                const double v = std::max(0, int(y[size_t(r) * w + c]) - 24);
                sum += v;
                sx += v * (c + 0.5);
            }
        }
        QVERIFY(sum > 0.0);
        xs.push_back(sx / sum);
    }
    // Least squares cubic through the positions (frame numbers scaled to
    // -1..1), by the normal equations.
    const int n = int(xs.size());
    double m[4][5] = {};
    for (int i = 0; i < n; ++i) {
        const double t = 2.0 * i / (n - 1) - 1.0;
        const double p[4] = {1.0, t, t * t, t * t * t};
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c)
                m[r][c] += p[r] * p[c];
            m[r][4] += p[r] * xs[size_t(i)];
        }
    }
    for (int c = 0; c < 4; ++c) {
        for (int r = c + 1; r < 4; ++r) {
            const double k = m[r][c] / m[c][c];
            for (int j = c; j < 5; ++j)
                m[r][j] -= k * m[c][j];
        }
    }
    double coef[4];
    for (int r = 3; r >= 0; --r) {
        double s = m[r][4];
        for (int j = r + 1; j < 4; ++j)
            s -= m[r][j] * coef[j];
        coef[r] = s / m[r][r];
    }
    double squares = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = 2.0 * i / (n - 1) - 1.0;
        const double fit = coef[0] + coef[1] * t + coef[2] * t * t + coef[3] * t * t * t;
        squares += (xs[size_t(i)] - fit) * (xs[size_t(i)] - fit);
    }
    const double rms = std::sqrt(squares / n);
    const double travel = std::abs(xs.back() - xs.front());
    qInfo("pan: %.2f pixels over %d frames, %.3f pixel RMS about a smooth curve", travel, n, rms);
    // Slow: well under a pixel a frame, but moving.
    QVERIFY(travel > 5.0 && travel / n < 1.0);
    QVERIFY2(rms < 0.1, qPrintable(QStringLiteral("RMS %1").arg(rms)));
}

void TestMakeVideo::framesMatchThePreview()
{
    // The sample album's first photos, exported at 720p 30 and drawn as the
    // preview draws them at 25 frames a second: at every time both rates
    // share (every fifth of a second) the pictures match.
    const QString samples = QStringLiteral(SORVEL_SAMPLES_DIR);
    Album a;
    for (const QString &name :
         {QStringLiteral("01-dawn.jpg"), QStringLiteral("03-tower.jpg"), QStringLiteral("07-dusk.jpg")}) {
        ImageInfo info;
        info.path = samples + QLatin1Char('/') + name;
        QVERIFY(probeImage(info, info.path));
        prepareImportedPhoto(info, true);
        a.photos.append(info);
    }
    a.setPhotoDurationExactMs(1200);
    a.setTransitionDurationExactMs(600);
    a.video.size = VideoSize::P720;
    a.video.frameRate = 30;
    const QString file = m_dir + QStringLiteral("/sample.mp4");
    const JobResult result = exportAlbum(a, file);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const Mp4Facts f = inspect(file, KeepPictures);
    QCOMPARE(f.decodeErrors, 0);

    OutputFormat preview = OutputFormat::forVideo(a.video);
    preview.frameRateNum = 25;
    StoryBoardRender story;
    story.setAlbum(&a);
    story.setFormat(preview);
    AVWriterManager drawer;
    QVERIFY2(drawer.init(preview), qPrintable(drawer.errorString()));
    double worst = 1e9;
    int compared = 0;
    for (int f25 = 0; f25 < story.totalFrames(); f25 += 5) {
        const size_t f30 = size_t(f25 / 5 * 6);
        if (f30 >= f.frames.size())
            break;
        story.renderFrame(f25, false, &drawer);
        QImage drawn(preview.width, preview.height, QImage::Format_RGB32);
        QVERIFY(drawer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, drawn.bits()));
        double sum = 0.0;
        const QImage &decoded = f.frames[f30];
        for (int y = 0; y < drawn.height(); ++y) {
            const QRgb *p = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
            const QRgb *q = reinterpret_cast<const QRgb *>(decoded.constScanLine(y));
            for (int x = 0; x < drawn.width(); ++x) {
                const int dr = qRed(p[x]) - qRed(q[x]), dg = qGreen(p[x]) - qGreen(q[x]),
                          db = qBlue(p[x]) - qBlue(q[x]);
                sum += dr * dr + dg * dg + db * db;
            }
        }
        const double mse = sum / (3.0 * drawn.width() * drawn.height());
        const double psnr = mse > 0 ? 10.0 * std::log10(255.0 * 255.0 / mse) : 99.0;
        worst = std::min(worst, psnr);
        ++compared;
        if (psnr < 35.0) {
            drawn.save(m_dir + QStringLiteral("/preview-%1.png").arg(f25));
            decoded.save(m_dir + QStringLiteral("/export-%1.png").arg(f30));
        }
    }
    qInfo("export against preview: %d frames, worst %.1f dB", compared, worst);
    QVERIFY(compared >= 10);
    QVERIFY2(worst >= 35.0, qPrintable(QStringLiteral("worst PSNR %1 dB").arg(worst)));
}

void TestMakeVideo::existingFileIsAskedAbout()
{
    // An existing file is only replaced when the person says so; declined,
    // it stays as it was.
    const QString file = m_dir + QStringLiteral("/existing.mp4");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    Answers no;
    no.yes = false;
    const Album a = album(1, 1000, 500, false);
    JobResult result = exportAlbum(a, file, &no);
    QVERIFY(!result.ok());
    QCOMPARE(no.asked, 1);
    QCOMPARE(result.lastStage, JobStage::CheckingDestination);
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep me"));
    kept.close();
    Answers yes;
    result = exportAlbum(a, file, &yes);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(inspect(file).opened);
    // A missing folder is refused before anything is written.
    result = exportAlbum(a, m_dir + QStringLiteral("/no/such/folder/x.mp4"), &yes);
    QVERIFY(!result.ok());
    QVERIFY(result.message.contains(QStringLiteral("does not exist")));
}

void TestMakeVideo::abortLeavesNoFile()
{
    const Album a = album(3, 2000, 500, true);
    const QString file = m_dir + QStringLiteral("/aborted.mp4");
    MakeJob job;
    QSignalSpy finished(&job, &MakeJob::finished);
    connect(&job, &MakeJob::progressChanged, &job, [&](int percent) {
        if (percent >= 20)
            job.abort();
    });
    MakeRequest request;
    request.output = MakeRequest::Output::VideoFile;
    request.videoFile = file;
    request.album = a;
    request.album.video.size = VideoSize::P720;
    QVERIFY(job.start(request));
    QVERIFY(finished.wait(120000));
    const JobResult result = finished.first().at(0).value<JobResult>();
    QCOMPARE(result.outcome, JobResult::Aborted);
    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".part")));
}

void TestMakeVideo::fullDiskLeavesNoFile()
{
    TestSupport::TmpfsMount disk(QStringLiteral("makevideo-full"), 4 << 20);
    if (!disk.ok())
        QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + disk.error()));
    Album a = album(3, 2000, 500, true);
    a.video.size = VideoSize::P720;
    a.video.quality = VideoQuality::High;
    const QString file = disk.path() + QStringLiteral("/full.mp4");
    MakeJob job;
    QSignalSpy finished(&job, &MakeJob::finished);
    // Once a tenth of the file is written, the rest of the disk fills up.
    bool filled = false;
    connect(&job, &MakeJob::progressChanged, &job, [&](int percent) {
        if (filled || percent < 10)
            return;
        filled = true;
        QFile filler(disk.path() + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(64 * 1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    });
    MakeRequest request;
    request.output = MakeRequest::Output::VideoFile;
    request.videoFile = file;
    request.album = a;
    QVERIFY(job.start(request));
    QVERIFY(finished.wait(120000));
    const JobResult result = finished.first().at(0).value<JobResult>();
    QCOMPARE(result.outcome, JobResult::Failed);
    QVERIFY2(!result.message.isEmpty(), "a failure says why");
    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".part")));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.initSettings();
    TestMakeVideo test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_makevideo.moc"
