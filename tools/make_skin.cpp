// Draws the pictures of the built-in skin into "<folder>": the transition
// item of the photo strip, the head and body of an audio clip bar, and the
// getting-started picture shown in the preview area of an empty album.
// Everything is drawn with shapes only (no text), so the pictures need no
// font and look the same on every machine.
//
// Usage: make_skin FOLDER

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {

const QColor kAccent(0x35, 0x84, 0xe4);     // blue of the clip bars and arrows
const QColor kAccentDark(0x1c, 0x71, 0xd8); // its outline
const QColor kPhotoA(0xf6, 0xd3, 0x2d);
const QColor kPhotoB(0x2e, 0xc2, 0x7e);

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A small landscape picture: sky, sun and two hills, inside a rounded frame.
void drawLandscape(QPainter &p, const QRectF &r, const QColor &sky)
{
    QPainterPath frame;
    frame.addRoundedRect(r, r.width() * 0.08, r.width() * 0.08);
    p.save();
    p.setClipPath(frame);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, sky.lighter(130));
    g.setColorAt(1, sky);
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf0, 0x9a));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.3), r.width() * 0.09,
                  r.width() * 0.09);
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left(), r.top() + r.height() * 0.7);
    hills.quadTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.35, r.left() + r.width() * 0.6,
                 r.top() + r.height() * 0.72);
    hills.quadTo(r.left() + r.width() * 0.8, r.top() + r.height() * 0.55, r.right(),
                 r.top() + r.height() * 0.68);
    hills.lineTo(r.right(), r.bottom());
    hills.closeSubpath();
    p.setBrush(QColor(0x26, 0xa2, 0x69));
    p.drawPath(hills);
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255), qMax(1.0, r.width() * 0.04)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
}

void drawArrow(QPainter &p, QPointF from, QPointF to, double width, const QColor &color)
{
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QPointF base = to - u * width * 2.2;
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, base);
    QPolygonF head;
    head << to << base + n * width * 1.6 << base - n * width * 1.6;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
}

// The item between two photos: two overlapping pictures and an arrow from
// the first to the second. Drawn large; the strip scales it down.
QImage transition()
{
    QImage img = canvas(72, 54);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawLandscape(p, QRectF(4, 6, 34, 26), QColor(0x62, 0xa0, 0xea));
    drawLandscape(p, QRectF(32, 22, 34, 26), QColor(0xc0, 0x61, 0xcb));
    drawArrow(p, QPointF(14, 44), QPointF(28, 44), 3.0, kAccentDark);
    return img;
}

// The clip bar's colour, lighter at the top, for its head and its body.
QLinearGradient clipGradient()
{
    QLinearGradient g(0, 0, 0, 26);
    g.setColorAt(0, kAccent.lighter(125));
    g.setColorAt(1, kAccent);
    return g;
}

// The head of a clip bar: a rounded left end with a music note.
QImage clipHead()
{
    QImage img = canvas(28, 26);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QLinearGradient g = clipGradient();
    QPainterPath bar;
    bar.addRoundedRect(QRectF(0.5, 0.5, 40, 25), 5, 5);
    p.fillPath(bar, g);
    // The note: a filled head and a stem with a flag.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 18), 4.2, 3.3);
    p.fillRect(QRectF(13, 5, 1.8, 13), Qt::white);
    QPainterPath flag;
    flag.moveTo(14.8, 5);
    flag.cubicTo(18, 7, 21, 9, 18.5, 13);
    flag.cubicTo(19, 10, 17, 9, 14.8, 9);
    flag.closeSubpath();
    p.drawPath(flag);
    return img;
}

// The body of a clip bar, repeated to the bar's width: the bar colour with a
// faint waveform.
QImage clipBody()
{
    QImage img = canvas(16, 26);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QLinearGradient g = clipGradient();
    p.fillRect(QRectF(0, 0.5, 16, 25), g);
    const double heights[8] = {6, 11, 8, 14, 9, 12, 5, 10};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(i * 2 + 0.5, 13 - heights[i] / 2, 1, heights[i]));
    return img;
}

// Getting started: photos and a note go onto a disc, in three steps.
QImage gettingStarted()
{
    const int w = 960, h = 720;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The same flat colour as the preview area around the picture.
    p.fillRect(img.rect(), QColor(0x1b, 0x1e, 0x24));

    // Step marks: three numbered dots as 1, 2, 3 small circles.
    auto steps = [&](QPointF c, int n) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawEllipse(c, 26, 26);
        p.setBrush(Qt::white);
        for (int i = 0; i < n; ++i)
            p.drawEllipse(QPointF(c.x() + (i - (n - 1) / 2.0) * 13, c.y()), 4.5, 4.5);
    };

    // 1: a stack of photos and a note.
    drawLandscape(p, QRectF(90, 250, 170, 128), QColor(0x62, 0xa0, 0xea));
    drawLandscape(p, QRectF(120, 280, 170, 128), QColor(0xc0, 0x61, 0xcb));
    p.setPen(Qt::NoPen);
    p.setBrush(kPhotoA);
    p.drawEllipse(QPointF(150, 470), 20, 15);
    p.fillRect(QRectF(166, 400, 7, 70), kPhotoA);
    QPainterPath flag;
    flag.moveTo(173, 400);
    flag.cubicTo(190, 410, 205, 420, 193, 445);
    flag.cubicTo(196, 428, 186, 420, 173, 418);
    flag.closeSubpath();
    p.drawPath(flag);
    steps(QPointF(190, 580), 1);

    drawArrow(p, QPointF(320, 340), QPointF(390, 340), 8, QColor(255, 255, 255, 150));

    // 2: a film strip of three frames.
    const QRectF strip(420, 280, 150, 120);
    p.setBrush(QColor(0x3d, 0x44, 0x52));
    p.drawRoundedRect(strip, 10, 10);
    for (int i = 0; i < 3; ++i) {
        const QColor sky = i == 0 ? QColor(0x62, 0xa0, 0xea) : (i == 1 ? QColor(0xc0, 0x61, 0xcb) : kPhotoB);
        drawLandscape(p, QRectF(strip.left() + 12 + i * 44, strip.top() + 30, 38, 60), sky);
    }
    p.setBrush(QColor(255, 255, 255, 120));
    for (int i = 0; i < 7; ++i) {
        p.drawRect(QRectF(strip.left() + 12 + i * 19, strip.top() + 10, 9, 9));
        p.drawRect(QRectF(strip.left() + 12 + i * 19, strip.bottom() - 19, 9, 9));
    }
    steps(QPointF(495, 580), 2);

    drawArrow(p, QPointF(600, 340), QPointF(670, 340), 8, QColor(255, 255, 255, 150));

    // 3: a disc.
    const QPointF c(790, 340);
    QRadialGradient disc(c, 110);
    disc.setColorAt(0.0, QColor(0xde, 0xdd, 0xda));
    disc.setColorAt(0.55, QColor(0x99, 0xc1, 0xf1));
    disc.setColorAt(0.8, QColor(0xdc, 0x8a, 0xdd));
    disc.setColorAt(1.0, QColor(0x8f, 0xf0, 0xa4));
    p.setBrush(disc);
    p.drawEllipse(c, 105, 105);
    p.setBrush(QColor(0x1b, 0x1e, 0x24));
    p.drawEllipse(c, 18, 18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawEllipse(c, 34, 34);
    steps(QPointF(790, 580), 3);
    return img;
}

bool save(const QImage &img, const QString &path)
{
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "make_skin: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_skin FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_skin: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir dir(folder);
    const bool ok = save(transition(), dir.filePath(QStringLiteral("transition.png"))) &&
                    save(clipHead(), dir.filePath(QStringLiteral("head.png"))) &&
                    save(clipBody(), dir.filePath(QStringLiteral("body.png"))) &&
                    save(gettingStarted(), dir.filePath(QStringLiteral("gettingstart.png")));
    return ok ? 0 : 1;
}
