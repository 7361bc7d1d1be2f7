// Writes the pictures of the generation progress dialog into the skin
// folder: the step icons "idle.gif", "work.gif" (an animated spinner),
// "success.gif" and "fail.gif", and the disc picture "dvd.png".
//
// The icons are GIF files because the dialog plays them with QMovie, and Qt
// reads GIF animations but cannot write them; the small GIF writer below
// does that (one global palette, one transparent colour, LZW-compressed
// frames, endless loop).
//
// Usage: make_stepicons FOLDER

#include <QColor>
#include <QConicalGradient>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kIconSize = 16;
constexpr int kSpinnerFrames = 8;
constexpr int kSpinnerDelay = 11; // hundredths of a second per frame

// Colours of the freedesktop (Adwaita) palette, so the icons sit well next
// to the theme's own.
const QColor kGrey(0x9a, 0x99, 0x96);
const QColor kBlue(0x35, 0x84, 0xe4);
const QColor kGreen(0x2e, 0xc2, 0x7e);
const QColor kRed(0xe0, 0x1b, 0x24);

QImage blankIcon()
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage idleIcon()
{
    QImage image = blankIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGrey, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return image;
}

QImage badgeIcon(const QColor &colour, bool tick)
{
    QImage image = blankIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QPen pen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (tick) {
        QPainterPath path;
        path.moveTo(4.3, 8.3);
        path.lineTo(6.9, 10.9);
        path.lineTo(11.8, 5.3);
        p.drawPath(path);
    } else {
        p.drawLine(QPointF(5.2, 5.2), QPointF(10.8, 10.8));
        p.drawLine(QPointF(10.8, 5.2), QPointF(5.2, 10.8));
    }
    return image;
}

// One frame of the spinner: eight dots on a circle, the head dot of this
// frame in full colour and the ones behind it fading towards grey.
QImage spinnerFrame(int frame)
{
    QImage image = blankIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double centre = kIconSize / 2.0;
    for (int i = 0; i < kSpinnerFrames; ++i) {
        const int age = (frame - i + kSpinnerFrames) % kSpinnerFrames; // 0 = head
        const double t = std::min(1.0, age / 4.0);
        const QColor c = QColor::fromRgbF(float(kBlue.redF() * (1 - t) + 0.80 * t),
                                          float(kBlue.greenF() * (1 - t) + 0.80 * t),
                                          float(kBlue.blueF() * (1 - t) + 0.80 * t));
        const double angle = 2 * M_PI * i / kSpinnerFrames - M_PI / 2;
        const double r = 5.4;
        const double dot = age == 0 ? 2.1 : 1.7;
        p.setBrush(c);
        p.drawEllipse(QPointF(centre + r * std::cos(angle), centre + r * std::sin(angle)), dot, dot);
    }
    return image;
}

// The picture beside the progress: a recordable disc.
QImage discPicture()
{
    QImage image(120, 123, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(60, 61.5);
    const double r = 56;
    // Silver base with a rainbow sheen.
    QRadialGradient base(c, r);
    base.setColorAt(0.0, QColor(0xf6, 0xf5, 0xf4));
    base.setColorAt(1.0, QColor(0xc0, 0xbf, 0xbc));
    p.setPen(QPen(QColor(0x9a, 0x99, 0x96), 1.0));
    p.setBrush(base);
    p.drawEllipse(c, r, r);
    QConicalGradient sheen(c, 30);
    const QColor hues[] = {QColor(255, 255, 255, 0),      QColor(0x99, 0xc1, 0xf1, 140),
                           QColor(0x8f, 0xf0, 0xa4, 120), QColor(0xf9, 0xf0, 0x6b, 120),
                           QColor(0xff, 0xbe, 0x6f, 120), QColor(0xdc, 0x8a, 0xdd, 140),
                           QColor(255, 255, 255, 0)};
    for (int i = 0; i < 7; ++i)
        sheen.setColorAt(i / 6.0, hues[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(c, r - 1, r - 1);
    // Clamping ring and the hole.
    p.setBrush(QColor(0xde, 0xdd, 0xda));
    p.setPen(QPen(QColor(0x9a, 0x99, 0x96), 1.0));
    p.drawEllipse(c, 17, 17);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(c, 7, 7);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7, 7);
    // The label.
    QFont font;
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(QColor(0x3d, 0x38, 0x46));
    p.drawText(QRectF(c.x() - 30, c.y() + 19, 60, 20), Qt::AlignCenter, QStringLiteral("DVD"));
    return image;
}

// ---- GIF writer -----------------------------------------------------------

class GifWriter
{
public:
    // frames share one palette; a pixel less than half opaque is transparent.
    static QByteArray encode(const std::vector<QImage> &frames, int delay)
    {
        GifWriter w;
        w.buildPalette(frames);
        QByteArray out("GIF89a");
        const int width = frames.front().width();
        const int height = frames.front().height();
        w.put16(out, width);
        w.put16(out, height);
        out.append(char(0xF7)); // global table of 256 colours, 8 bits per primary
        out.append(char(0));    // background: the transparent index
        out.append(char(0));    // square pixels
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < int(w.m_palette.size()) ? w.m_palette[size_t(i)] : 0;
            out.append(char(qRed(c)));
            out.append(char(qGreen(c)));
            out.append(char(qBlue(c)));
        }
        if (frames.size() > 1) {
            out.append("\x21\xFF\x0B", 3);
            out.append("NETSCAPE2.0");
            out.append("\x03\x01\x00\x00\x00", 5); // loop for ever
        }
        for (const QImage &frame : frames) {
            // Graphic control: restore to background, transparent index 0.
            out.append("\x21\xF9\x04", 3);
            out.append(char(0x09));
            w.put16(out, frames.size() > 1 ? delay : 0);
            out.append(char(0));
            out.append(char(0));
            out.append(char(0x2C));
            w.put16(out, 0);
            w.put16(out, 0);
            w.put16(out, width);
            w.put16(out, height);
            out.append(char(0)); // no local table, not interlaced
            out.append(char(kMinCodeSize));
            const QByteArray data = w.compress(w.indices(frame));
            for (int pos = 0; pos < data.size(); pos += 255) {
                const int n = std::min(255, int(data.size()) - pos);
                out.append(char(n));
                out.append(data.mid(pos, n));
            }
            out.append(char(0));
        }
        out.append(char(0x3B));
        return out;
    }

private:
    static constexpr int kMinCodeSize = 8;

    static void put16(QByteArray &out, int v)
    {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    }

    static QRgb opaque(QRgb premultiplied, int shift)
    {
        const QRgb c = qUnpremultiply(premultiplied);
        const int mask = 0xFF & ~((1 << shift) - 1);
        return qRgb(qRed(c) & mask, qGreen(c) & mask, qBlue(c) & mask);
    }

    void buildPalette(const std::vector<QImage> &frames)
    {
        // Drop low bits until the colours fit the 255 opaque entries.
        for (m_shift = 0; m_shift < 8; ++m_shift) {
            m_palette.assign(1, qRgb(0, 0, 0)); // index 0: transparent
            m_index.clear();
            bool fits = true;
            for (const QImage &f : frames) {
                const QImage img = f.convertToFormat(QImage::Format_ARGB32_Premultiplied);
                for (int y = 0; y < img.height() && fits; ++y) {
                    const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
                    for (int x = 0; x < img.width() && fits; ++x) {
                        if (qAlpha(line[x]) < 128)
                            continue;
                        const QRgb c = opaque(line[x], m_shift);
                        if (m_index.count(c))
                            continue;
                        if (m_palette.size() >= 256) {
                            fits = false;
                            break;
                        }
                        m_index[c] = int(m_palette.size());
                        m_palette.push_back(c);
                    }
                }
            }
            if (fits)
                return;
        }
    }

    std::vector<int> indices(const QImage &frame) const
    {
        const QImage img = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        std::vector<int> out;
        out.reserve(size_t(img.width() * img.height()));
        for (int y = 0; y < img.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                out.push_back(qAlpha(line[x]) < 128 ? 0 : m_index.at(opaque(line[x], m_shift)));
        }
        return out;
    }

    // Variable-length LZW as GIF decoders expect it: codes written least
    // significant bit first, the code size growing when the next code no
    // longer fits, the table reset before it would pass 4095 entries.
    static QByteArray compress(const std::vector<int> &pixels)
    {
        const int clearCode = 1 << kMinCodeSize;
        QByteArray out;
        quint32 bits = 0;
        int bitCount = 0;
        int codeSize = kMinCodeSize + 1;
        auto write = [&](int code) {
            bits |= quint32(code) << bitCount;
            bitCount += codeSize;
            while (bitCount >= 8) {
                out.append(char(bits & 0xFF));
                bits >>= 8;
                bitCount -= 8;
            }
        };
        std::map<quint32, int> table; // (prefix code << 8 | next index) -> code
        int maxCode = clearCode + 1;
        write(clearCode);
        int current = -1;
        for (int value : pixels) {
            if (current < 0) {
                current = value;
                continue;
            }
            const quint32 key = (quint32(current) << 8) | quint32(value);
            const auto found = table.find(key);
            if (found != table.end()) {
                current = found->second;
                continue;
            }
            write(current);
            table[key] = ++maxCode;
            if (maxCode >= (1 << codeSize))
                ++codeSize;
            if (maxCode == 4095) {
                write(clearCode);
                table.clear();
                codeSize = kMinCodeSize + 1;
                maxCode = clearCode + 1;
            }
            current = value;
        }
        if (current >= 0)
            write(current);
        write(clearCode + 1); // end of information
        if (bitCount > 0)
            out.append(char(bits & 0xFF));
        return out;
    }

    std::vector<QRgb> m_palette;
    std::map<QRgb, int> m_index;
    int m_shift = 0;
};

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        std::fprintf(stderr, "make_stepicons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // fonts for the disc label
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_stepicons FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_stepicons: cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<QImage> spinner;
    for (int i = 0; i < kSpinnerFrames; ++i)
        spinner.push_back(spinnerFrame(i));
    bool ok = writeFile(folder + QStringLiteral("/idle.gif"), GifWriter::encode({idleIcon()}, 0));
    ok = writeFile(folder + QStringLiteral("/work.gif"), GifWriter::encode(spinner, kSpinnerDelay)) && ok;
    ok =
        writeFile(folder + QStringLiteral("/success.gif"), GifWriter::encode({badgeIcon(kGreen, true)}, 0)) &&
        ok;
    ok =
        writeFile(folder + QStringLiteral("/fail.gif"), GifWriter::encode({badgeIcon(kRed, false)}, 0)) && ok;
    if (!discPicture().save(folder + QStringLiteral("/dvd.png"))) {
        std::fprintf(stderr, "make_stepicons: cannot write dvd.png\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
