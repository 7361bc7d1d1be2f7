#pragma once

#include "album/album.h"
#include "testmedia.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>

namespace EngineTest {

// A photo of four coloured quadrants: top-left red, top-right green,
// bottom-left blue, bottom-right yellow.
inline QImage quadrantImage(int w = 720, int h = 540)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, QColor(255, 0, 0));
    p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(0, 255, 0));
    p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(0, 0, 255));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(255, 255, 0));
    return image;
}

inline QImage solidImage(QColor c, int w = 720, int h = 540)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

using TestMedia::scenicImage;

// A poster-like photo: flat shapes with sharp edges, thin lines and a
// small gradient. Its renderings keep the look (edges, filtering, colour,
// placement) while compressing well as PNG.
inline QImage posterImage(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((seed * 67) % 360, 90, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const int unit = std::max(1, std::min(w, h) / 40);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(QColor::fromHsv((seed * 67 + i * 41) % 360, 170 + (i * 9) % 80, 120 + (i * 37) % 130));
        const int x = (i * 7919 + seed * 3571) % (w - 6 * unit);
        const int y = (i * 6271 + seed * 2083) % (h - 6 * unit);
        const int s = unit * (3 + (i * 5 + seed) % 6);
        if (i % 3 == 0)
            p.drawEllipse(x, y, s * 2, s);
        else if (i % 3 == 1)
            p.drawRect(x, y, s, s * 2);
        else
            p.drawPolygon(QPolygon({QPoint(x, y + s), QPoint(x + s, y), QPoint(x + 2 * s, y + 2 * s)}));
    }
    // The corner marks tell orientation at a glance.
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 4 * unit, unit);
    p.setBrush(Qt::black);
    p.drawRect(w - unit, h - 4 * unit, unit, 4 * unit);
    // Thin lines: sensitive to the scaling and texture filtering.
    p.setPen(QPen(QColor(20, 20, 30), std::max(1, w / 800)));
    for (int i = 0; i < 8; ++i)
        p.drawLine(w / 2 + i * unit / 2, h / 8, w / 2 + i * unit / 2 + unit * 4, h / 3);
    QLinearGradient g(0, 0, w / 4, 0);
    g.setColorAt(0, QColor(255, 230, 40));
    g.setColorAt(1, QColor(40, 60, 200));
    p.fillRect(w / 8, h * 3 / 4, w / 4, h / 12, g);
    return image;
}

inline ImageInfo photoInfo(const QString &path, int orientationCode = 0)
{
    ImageInfo info;
    info.path = path;
    info.orientationCode = orientationCode;
    info.width = 720;
    info.height = 540;
    return info;
}

inline AudioInfo clipInfo(const QString &path, double start, double end)
{
    AudioInfo a;
    a.path = path;
    a.clipStart = start;
    a.clipEnd = end;
    a.duration = end;
    return a;
}

// Reads pixel (x, y) of a top-row-first BGRA buffer of width w.
inline QColor pixelAt(const uchar *bgra, int w, int x, int y)
{
    const uchar *p = bgra + (size_t(y) * w + x) * 4;
    return QColor(p[2], p[1], p[0]);
}

inline bool near(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// PSNR of two pictures of one size over their red, green and blue
// (32-bit pixels; infinite when they are the same).
inline double psnr(const QImage &a, const QImage &b)
{
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int dr = qRed(p[x]) - qRed(q[x]);
            const int dg = qGreen(p[x]) - qGreen(q[x]);
            const int db = qBlue(p[x]) - qBlue(q[x]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse > 0 ? 10.0 * std::log10(255.0 * 255.0 / mse) : INFINITY;
}

} // namespace EngineTest

// main() of a drawing test: under X11 (the test script's Xvfb) the drawing
// runs with the xcb platform loaded; without a display server it runs all
// the same, on the off-screen platform.
#define ENGINE_DRAWING_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        if (qEnvironmentVariableIsEmpty("DISPLAY"))                                                          \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QGuiApplication app(argc, argv);                                                                     \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
