// Writes the bundled sample album: procedurally drawn photos of varied sizes
// and aspects (one portrait stored sideways with EXIF orientation 6) and a
// synthesized piece of music encoded as MP3. Everything is made here, from
// nothing but code, so the samples can be shared freely (CC0).
//
// Usage: make_samples OUTPUT_FOLDER

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <exiv2/exiv2.hpp>

#include <cmath>
#include <cstdio>
#include <vector>

#include "album/avhandles.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace {

struct Scene {
    const char *name;
    int width, height;
    QColor skyTop, skyBottom, ground;
    int exifOrientation; // 0: none
    const char *caption;
};

void drawScene(QImage &img, const Scene &s, quint32 seed)
{
    QRandomGenerator rng(seed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = img.width(), h = img.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, s.skyTop);
    sky.setColorAt(1, s.skyBottom);
    p.fillRect(img.rect(), sky);

    // Sun with a soft halo.
    const QPointF sun(w * (0.2 + 0.6 * rng.generateDouble()), h * (0.15 + 0.2 * rng.generateDouble()));
    QRadialGradient halo(sun, h * 0.25);
    halo.setColorAt(0, QColor(255, 250, 220, 255));
    halo.setColorAt(0.25, QColor(255, 230, 160, 200));
    halo.setColorAt(1, QColor(255, 230, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(sun, h * 0.25, h * 0.25);

    // Three mountain ranges, darker toward the front.
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double base = h * (0.55 + 0.12 * layer);
        path.moveTo(0, h);
        path.lineTo(0, base);
        const int peaks = 4 + layer * 2;
        for (int i = 0; i <= peaks; ++i) {
            const double x = w * i / double(peaks);
            const double y = base - h * (0.08 + 0.18 * rng.generateDouble()) / (layer + 1);
            path.lineTo(x - w / (2.0 * peaks), y);
            path.lineTo(x, base - h * 0.02);
        }
        path.lineTo(w, h);
        path.closeSubpath();
        QColor c = s.ground.darker(100 + 35 * layer);
        c.setAlpha(230);
        p.setBrush(c);
        p.drawPath(path);
    }

    // A row of trees in the foreground.
    for (int i = 0; i < 12; ++i) {
        const double x = w * rng.generateDouble();
        const double th = h * (0.08 + 0.1 * rng.generateDouble());
        const double by = h * (0.92 + 0.06 * rng.generateDouble());
        QPolygonF tree;
        tree << QPointF(x, by - th) << QPointF(x - th * 0.3, by) << QPointF(x + th * 0.3, by);
        p.setBrush(QColor(20, 70 + int(rng.bounded(60)), 35));
        p.drawPolygon(tree);
    }

    // Caption and an arrow pointing up, so a wrong orientation shows at once.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(18, h / 18));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 230));
    p.drawText(QRect(0, int(h * 0.02), w, h / 8), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromLatin1(s.caption));
    const double ax = w * 0.92, ay = h * 0.12, size = h * 0.06;
    QPolygonF arrow;
    arrow << QPointF(ax, ay - size) << QPointF(ax - size * 0.6, ay) << QPointF(ax - size * 0.2, ay)
          << QPointF(ax - size * 0.2, ay + size) << QPointF(ax + size * 0.2, ay + size)
          << QPointF(ax + size * 0.2, ay) << QPointF(ax + size * 0.6, ay);
    p.setBrush(QColor(255, 255, 255, 220));
    p.setPen(Qt::NoPen);
    p.drawPolygon(arrow);
}

bool writePhoto(const QString &folder, const Scene &s, quint32 seed)
{
    QImage img(s.width, s.height, QImage::Format_RGB32);
    drawScene(img, s, seed);
    const QString path = folder + QLatin1Char('/') + QLatin1String(s.name);
    QImage stored = img;
    if (s.exifOrientation == 6) // stored turned left; orientation 6 turns it back right
        stored = img.transformed(QTransform().rotate(-90));
    if (!stored.save(path, "JPEG", 82))
        return false;
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        Exiv2::ExifData &exif = image->exifData();
        exif["Exif.Image.Make"] = "Sorvel";
        exif["Exif.Image.Model"] = "Sample Generator";
        exif["Exif.Image.Software"] = "make_samples";
        exif["Exif.Image.DateTime"] = "2026:12:07 12:00:00";
        if (s.exifOrientation)
            exif["Exif.Image.Orientation"] = uint16_t(s.exifOrientation);
        image->writeMetadata();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "EXIF for %s: %s\n", s.name, e.what());
        return false;
    }
    return true;
}

// A 40-second piece: a chord progression with plucked arpeggios and a bass,
// stereo at 44.1 kHz, encoded to MP3.
bool writeMusic(const QString &path)
{
    const int rate = 44100;
    const double seconds = 40.0;
    const int total = int(rate * seconds);
    std::vector<float> left(size_t(total), 0.f), right(size_t(total), 0.f);
    const double chords[4][3] = {{261.63, 329.63, 392.00},  // C
                                 {220.00, 261.63, 329.63},  // Am
                                 {174.61, 220.00, 261.63},  // F
                                 {196.00, 246.94, 293.66}}; // G
    const double beat = 0.25;
    for (int n = 0; n * beat < seconds; ++n) {
        const int chord = (n / 16) % 4;
        const double freq = chords[chord][n % 3] * ((n / 3) % 2 ? 2.0 : 1.0);
        const int start = int(n * beat * rate);
        const double pan = 0.5 + 0.35 * std::sin(n * 0.7);
        for (int i = 0; i < int(rate * 1.2) && start + i < total; ++i) {
            const double t = double(i) / rate;
            const double env = std::exp(-3.5 * t) * std::min(1.0, t * 200);
            const double v =
                0.16 * env * (std::sin(2 * M_PI * freq * t) + 0.3 * std::sin(4 * M_PI * freq * t));
            left[size_t(start + i)] += float(v * (1 - pan));
            right[size_t(start + i)] += float(v * pan);
        }
        if (n % 4 == 0) {
            const double bass = chords[chord][0] / 2;
            for (int i = 0; i < int(rate * 0.9) && start + i < total; ++i) {
                const double t = double(i) / rate;
                const double v = 0.2 * std::exp(-2.0 * t) * std::sin(2 * M_PI * bass * t);
                left[size_t(start + i)] += float(v);
                right[size_t(start + i)] += float(v);
            }
        }
    }
    // Fade out over the last two seconds.
    for (int i = 0; i < 2 * rate; ++i) {
        const float g = float(i) / (2 * rate);
        left[size_t(total - 1 - i)] *= g;
        right[size_t(total - 1 - i)] *= g;
    }

    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_MP3);
    if (!codec)
        return false;
    av::CodecContext ctx(avcodec_alloc_context3(codec));
    ctx->sample_rate = rate;
    ctx->bit_rate = 128000;
    ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&ctx->ch_layout, 2);
    AVFormatContext *raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, "mp3", QFile::encodeName(path).constData()) < 0)
        return false;
    av::OutputFormat out(raw);
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0)
        return false;
    AVStream *stream = avformat_new_stream(out.get(), nullptr);
    avcodec_parameters_from_context(stream->codecpar, ctx.get());
    stream->time_base = AVRational{1, rate};
    if (avio_open(&out->pb, QFile::encodeName(path).constData(), AVIO_FLAG_WRITE) < 0 ||
        avformat_write_header(out.get(), nullptr) < 0)
        return false;
    av::Frame frame(av_frame_alloc());
    av::Packet packet(av_packet_alloc());
    auto drain = [&]() {
        while (avcodec_receive_packet(ctx.get(), packet.get()) == 0) {
            av_packet_rescale_ts(packet.get(), ctx->time_base, stream->time_base);
            packet->stream_index = stream->index;
            av_interleaved_write_frame(out.get(), packet.get());
        }
    };
    for (int pos = 0; pos < total; pos += ctx->frame_size) {
        const int n = std::min(ctx->frame_size, total - pos);
        frame->nb_samples = ctx->frame_size;
        frame->format = ctx->sample_fmt;
        av_channel_layout_copy(&frame->ch_layout, &ctx->ch_layout);
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            return false;
        auto *l = reinterpret_cast<float *>(frame->data[0]);
        auto *r = reinterpret_cast<float *>(frame->data[1]);
        for (int i = 0; i < ctx->frame_size; ++i) {
            l[i] = i < n ? left[size_t(pos + i)] : 0.f;
            r[i] = i < n ? right[size_t(pos + i)] : 0.f;
        }
        frame->pts = pos;
        if (avcodec_send_frame(ctx.get(), frame.get()) < 0)
            return false;
        av_frame_unref(frame.get());
        drain();
    }
    avcodec_send_frame(ctx.get(), nullptr);
    drain();
    return av_write_trailer(out.get()) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Text drawing needs the font database of an application object; the
    // off-screen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const Scene scenes[] = {
        {"01-dawn.jpg", 1600, 1200, QColor(40, 60, 140), QColor(250, 170, 120), QColor(80, 110, 90), 0,
         "1 Dawn (4:3)"},
        {"02-valley.jpg", 1920, 1080, QColor(60, 140, 230), QColor(190, 225, 250), QColor(70, 140, 70), 0,
         "2 Valley (16:9)"},
        {"03-tower.jpg", 900, 1350, QColor(20, 40, 110), QColor(120, 160, 230), QColor(100, 100, 120), 0,
         "3 Portrait"},
        {"04-panorama.jpg", 2400, 800, QColor(90, 160, 240), QColor(230, 240, 255), QColor(140, 120, 80), 0,
         "4 Panorama (3:1)"},
        {"05-square.jpg", 1024, 1024, QColor(120, 40, 120), QColor(255, 150, 90), QColor(60, 60, 90), 0,
         "5 Square"},
        {"06-turned.jpg", 1000, 1500, QColor(10, 90, 160), QColor(150, 210, 240), QColor(90, 130, 60), 6,
         "6 EXIF orientation 6"},
        {"07-dusk.jpg", 1500, 1000, QColor(30, 20, 70), QColor(240, 110, 70), QColor(50, 40, 60), 0,
         "7 Dusk (3:2)"},
        {"08-small.jpg", 640, 480, QColor(100, 180, 250), QColor(250, 250, 230), QColor(120, 160, 90), 0,
         "8 Small"},
        {"09-night.jpg", 1200, 1600, QColor(5, 5, 30), QColor(40, 50, 110), QColor(20, 30, 40), 0,
         "9 Night portrait"},
    };
    quint32 seed = 7;
    for (const Scene &s : scenes) {
        if (!writePhoto(folder, s, seed++)) {
            std::fprintf(stderr, "failed to write %s\n", s.name);
            return 1;
        }
    }
    if (!writeMusic(folder + QStringLiteral("/music.mp3"))) {
        std::fprintf(stderr, "failed to write music.mp3\n");
        return 1;
    }
    return 0;
}
