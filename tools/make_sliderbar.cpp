// Draws the pictures of the clip slider bar (ClipSliderBar) into the skin and
// writes the style sheet that hands them to the widget:
//
//   SKINDIR/sliderbar/bar.png                 the groove
//   SKINDIR/sliderbar/segment*.png            the clip segment: normal, selected, disabled
//   SKINDIR/sliderbar/tag_in.png, tag_out.png the in and out tags
//   SKINDIR/sliderbar/thumb*.png              the thumb: normal, disabled
//   SKINDIR/sliderbar/set_in.png, set_out.png, play_segment.png
//                                             button icons of the audio edit dialog
//   SKINDIR/sliderbar.qss                     the properties of ClipSliderBar
//
// The looks follow the desktop's light theme: a grey groove, the accent
// blue for the kept part of the clip, white round thumb.
//
// Usage: make_sliderbar SKINDIR

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>

namespace {

constexpr int kBarHeight = 6;
constexpr int kBarTop = 14;
constexpr int kTagWidth = 8;
constexpr int kTagHeight = 10;
constexpr int kThumbSize = 14;
constexpr int kMargin = 8;

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A rounded bar (the groove and the segment); 24 pixels wide, stretched by
// the widget with fixed 2-pixel ends.
QImage bar(const QColor &fill, const QColor &border)
{
    QImage image = canvas(24, kBarHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, image.width() - 1, image.height() - 1), 2.5, 2.5);
    return image;
}

// A pennant hanging over the in point (its right edge) or the out point
// (its left edge).
QImage tag(bool in)
{
    QImage image = canvas(kTagWidth, kTagHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const double w = kTagWidth, h = kTagHeight;
    if (in) {
        path.moveTo(w, 0);
        path.lineTo(w, h);
        path.lineTo(0, 0);
    } else {
        path.moveTo(0, 0);
        path.lineTo(0, h);
        path.lineTo(w, 0);
    }
    path.closeSubpath();
    p.fillPath(path, QColor(0x1a, 0x5f, 0xb4));
    return image;
}

QImage thumb(const QColor &fill, const QColor &border)
{
    QImage image = canvas(kThumbSize, kThumbSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft shadow under the knob.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(1, 1.5, kThumbSize - 2, kThumbSize - 2));
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1, 0.5, kThumbSize - 2.5, kThumbSize - 2.5));
    return image;
}

// 16 x 16 button icons in the dark grey of the desktop's symbolic icons:
// "[" (set the in point), "]" (set the out point), "[>]" (play the segment).
QImage buttonIcon(bool inBracket, bool outBracket, bool play)
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x2e, 0x34, 0x36);
    QPen pen(ink, 2.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    auto bracket = [&p](double x, double serif) {
        QPainterPath path;
        path.moveTo(x + serif, 2);
        path.lineTo(x, 2);
        path.lineTo(x, 14);
        path.lineTo(x + serif, 14);
        p.drawPath(path);
    };
    if (inBracket)
        bracket(play ? 2 : 5, play ? 3 : 5);
    if (outBracket)
        bracket(play ? 14 : 11, play ? -3 : -5);
    if (play) {
        QPainterPath triangle;
        triangle.moveTo(6, 4.5);
        triangle.lineTo(11, 8);
        triangle.lineTo(6, 11.5);
        triangle.closeSubpath();
        p.fillPath(triangle, ink);
    } else {
        // The pennant of the tag the button sets.
        QPainterPath flag;
        const double x = inBracket ? 5 : 11;
        const double dir = inBracket ? -1 : 1;
        flag.moveTo(x, 2);
        flag.lineTo(x + dir * 4, 2);
        flag.lineTo(x, 7);
        flag.closeSubpath();
        p.fillPath(flag, QColor(0x1a, 0x5f, 0xb4));
    }
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "make_sliderbar: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_sliderbar SKINDIR\n");
        return 2;
    }
    const QDir skin(args[1]);
    const QString folder = skin.absoluteFilePath(QStringLiteral("sliderbar"));
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_sliderbar: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const QColor accent(0x35, 0x84, 0xe4);
    const bool ok =
        save(bar(QColor(0xd6, 0xd6, 0xd6), QColor(0xb8, 0xb8, 0xb8)), folder + QStringLiteral("/bar.png")) &&
        save(bar(accent, QColor(0x1c, 0x71, 0xd8)), folder + QStringLiteral("/segment.png")) &&
        save(bar(QColor(0x1a, 0x5f, 0xb4), QColor(0x15, 0x4e, 0x94)),
             folder + QStringLiteral("/segment_selected.png")) &&
        save(bar(QColor(0xb0, 0xb0, 0xad), QColor(0x9a, 0x99, 0x96)),
             folder + QStringLiteral("/segment_disabled.png")) &&
        save(tag(true), folder + QStringLiteral("/tag_in.png")) &&
        save(tag(false), folder + QStringLiteral("/tag_out.png")) &&
        save(thumb(Qt::white, QColor(0x8b, 0x8e, 0x8f)), folder + QStringLiteral("/thumb.png")) &&
        save(thumb(QColor(0xeb, 0xeb, 0xeb), QColor(0xc0, 0xbf, 0xbc)),
             folder + QStringLiteral("/thumb_disabled.png")) &&
        save(buttonIcon(true, false, false), folder + QStringLiteral("/set_in.png")) &&
        save(buttonIcon(false, true, false), folder + QStringLiteral("/set_out.png")) &&
        save(buttonIcon(true, true, true), folder + QStringLiteral("/play_segment.png"));
    if (!ok)
        return 1;

    const int thumbTop = kBarTop + kBarHeight / 2 - kThumbSize / 2;
    const QString sheet =
        QStringLiteral("/* Written by make_sliderbar: the pictures of the clip slider bar. */\n"
                       "ClipSliderBar {\n"
                       "    qproperty-horiMargin: %1;\n"
                       "    qproperty-foreTop: %2;\n"
                       "    qproperty-fore: \"skin:sliderbar/bar.png\";\n"
                       "    qproperty-clipForeTop: %2;\n"
                       "    qproperty-clipFore: \"skin:sliderbar/segment.png\";\n"
                       "    qproperty-clipForeSelected: \"skin:sliderbar/segment_selected.png\";\n"
                       "    qproperty-diableclipFore: \"skin:sliderbar/segment_disabled.png\";\n"
                       "    qproperty-clipTagTop: %3;\n"
                       "    qproperty-clipStart: \"skin:sliderbar/tag_in.png\";\n"
                       "    qproperty-clipEnd: \"skin:sliderbar/tag_out.png\";\n"
                       "    qproperty-thumbTop: %4;\n"
                       "    qproperty-thumb: \"skin:sliderbar/thumb.png\";\n"
                       "    qproperty-disableThumb: \"skin:sliderbar/thumb_disabled.png\";\n"
                       "}\n")
            .arg(kMargin)
            .arg(kBarTop)
            .arg(kBarTop - kTagHeight - 1) // the tags hang just above the groove
            .arg(thumbTop);
    QFile file(skin.absoluteFilePath(QStringLiteral("sliderbar.qss")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(sheet.toUtf8()) < 0) {
        std::fprintf(stderr, "make_sliderbar: cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    return 0;
}
