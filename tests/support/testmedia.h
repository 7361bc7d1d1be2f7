#pragma once

// Generated media shared by the tests and the benchmarks: photos that look
// like slideshow material to the renderer and the encoder, and a music file.
// Header-only (Qt Core and Gui), so the benchmarks use it without the test
// support library.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace TestMedia {

// A slideshow-like photo: gradients, shapes and fine detail (not noise),
// the detail scaled with the size.
inline QImage scenicImage(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor::fromHsv((seed * 47) % 360, 160, 230));
    g.setColorAt(1, QColor::fromHsv((seed * 47 + 120) % 360, 200, 90));
    p.fillRect(0, 0, w, h, g);
    p.setRenderHint(QPainter::Antialiasing);
    const int unit = std::max(1, w / 64);
    for (int i = 0; i < 80; ++i) {
        const int x = (i * 7919 + seed * 104729) % w;
        const int y = (i * 6271 + seed * 1299709) % h;
        const int r = unit * (2 + (i * 13 + seed) % 9);
        p.setPen(QPen(QColor::fromHsv((i * 29 + seed * 11) % 360, 200, 250), unit / 2 + 1));
        p.setBrush(QColor::fromHsv((i * 53 + seed * 7) % 360, 120, 180, 140));
        p.drawEllipse(QPoint(x, y), r, r * 2 / 3);
    }
    // Fine stripes in one area (detail an encoder has to spend bits on).
    p.setPen(QPen(QColor(20, 20, 20), std::max(1, w / 720)));
    for (int x = w / 10; x < w * 3 / 10; x += std::max(4, w / 180))
        p.drawLine(x, h / 10, x + w / 20, h * 4 / 10);
    return image;
}

// A 16-bit WAV file of the given interleaved samples.
inline bool writeWav(const QString &path, int rate, int channels, const std::vector<int16_t> &pcm)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char *>(&v), 2); };
    const auto bytes = uint32_t(pcm.size() * 2);
    f.write("RIFF");
    u32(36 + bytes);
    f.write("WAVEfmt ");
    u32(16);
    u16(1);
    u16(uint16_t(channels));
    u32(uint32_t(rate));
    u32(uint32_t(rate * channels * 2));
    u16(uint16_t(channels * 2));
    u16(16);
    f.write("data");
    u32(bytes);
    return f.write(reinterpret_cast<const char *>(pcm.data()), qint64(bytes)) == qint64(bytes);
}

// A 44.1 kHz stereo 16-bit WAV file of a slowly changing chord (so that the
// soundtrack is resampled to 48 kHz on its way to the DVD).
inline bool writeChordWav(const QString &path, double seconds)
{
    const int rate = 44100;
    const int frames = int(seconds * rate);
    std::vector<int16_t> pcm(size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const double base = 220.0 * std::pow(2.0, std::floor(t / 2) / 12.0);
        const double v = 0.25 * std::sin(2 * M_PI * base * t) + 0.15 * std::sin(2 * M_PI * base * 1.5 * t);
        pcm[size_t(i) * 2] = int16_t(v * 32767);
        pcm[size_t(i) * 2 + 1] = int16_t(0.8 * v * 32767);
    }
    return writeWav(path, rate, 2, pcm);
}

} // namespace TestMedia
