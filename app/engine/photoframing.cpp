#include "engine/photoframing.h"

#include "album/avhandles.h"
#include "album/heifimage.h"
#include "album/probe.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <QImageReader>
#include <QLoggingCategory>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

Q_LOGGING_CATEGORY(lcFraming, "sorvel.framing")

namespace Framing {

namespace {

// The backdrop of the Blur framing is made at a twelfth of the frame's
// size (60 x 48 stored pixels for PAL), blurred there and scaled up
// smoothly: a soft picture for a few hundred microseconds once per photo.
constexpr int kBackdropDivisor = 12;
constexpr int kBackdropBlurRadius = 2;   // three box passes of 5 pixels
constexpr int kBackdropBrightness = 115; // of 256: a little under half

double fitScale(QSize photo, const OutputFormat &frame)
{
    return std::min(frame.displayWidth() / photo.width(), double(frame.height) / photo.height());
}

double fillScale(QSize photo, const OutputFormat &frame)
{
    return std::max(frame.displayWidth() / photo.width(), double(frame.height) / photo.height());
}

// Scales the part `source` of a 32-bit image into dst (size.width() x
// size.height() pixels, rows of dstStride bytes).
bool scaleInto(const QImage &image, const QRect &source, uint8_t *dst, int dstStride, QSize size, int flags)
{
    if (image.isNull() || source.isEmpty() || size.isEmpty() || !image.rect().contains(source))
        return false;
    const av::Sws sws(sws_getContext(source.width(), source.height(), AV_PIX_FMT_BGRA, size.width(),
                                     size.height(), AV_PIX_FMT_BGRA, flags, nullptr, nullptr, nullptr));
    if (!sws) {
        qCWarning(lcFraming) << "no scaler from" << source.size() << "to" << size;
        return false;
    }
    const uint8_t *src[4] = {image.constScanLine(source.y()) + 4 * source.x(), nullptr, nullptr, nullptr};
    const int srcStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
    uint8_t *out[4] = {dst, nullptr, nullptr, nullptr};
    const int outStride[4] = {dstStride, 0, 0, 0};
    return sws_scale(sws.get(), src, srcStride, 0, source.height(), out, outStride) == size.height();
}

// Lanczos (three lobes) over the whole area a scaled pixel covers: the
// sharpest scaling without ringing worth the name; the chroma flags keep
// the colour at full resolution through the scaler.
constexpr int kPictureFlags = SWS_LANCZOS | SWS_FULL_CHR_H_INT | SWS_FULL_CHR_H_INP;

// Three passes of a box of 2r + 1 pixels along rows (stride 1) or columns
// of a 32-bit image, edges repeated: close to a Gaussian blur.
void boxBlur(QImage &image, bool alongRows, int r)
{
    const int n = alongRows ? image.width() : image.height();
    const int lines = alongRows ? image.height() : image.width();
    std::vector<uint32_t> line(static_cast<size_t>(n)), out(static_cast<size_t>(n));
    auto at = [&](int lineIndex, int i) -> uint32_t & {
        return alongRows ? reinterpret_cast<uint32_t *>(image.scanLine(lineIndex))[i]
                         : reinterpret_cast<uint32_t *>(image.scanLine(i))[lineIndex];
    };
    const int width = 2 * r + 1;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < n; ++i)
            line[size_t(i)] = at(l, i);
        for (int pass = 0; pass < 3; ++pass) {
            for (int i = 0; i < n; ++i) {
                int sum[3] = {0, 0, 0};
                for (int k = -r; k <= r; ++k) {
                    const uint32_t p = line[size_t(std::clamp(i + k, 0, n - 1))];
                    sum[0] += int(p & 0xFF);
                    sum[1] += int((p >> 8) & 0xFF);
                    sum[2] += int((p >> 16) & 0xFF);
                }
                out[size_t(i)] = 0xFF000000u | uint32_t((sum[2] + width / 2) / width) << 16 |
                                 uint32_t((sum[1] + width / 2) / width) << 8 |
                                 uint32_t((sum[0] + width / 2) / width);
            }
            line.swap(out);
        }
        for (int i = 0; i < n; ++i)
            at(l, i) = line[size_t(i)];
    }
}

// The Blur framing's backdrop: the photo filling the frame, blurred at a
// small size, darkened, and scaled up smoothly into the whole picture.
bool drawBackdrop(const QImage &photo, const OutputFormat &frame, QImage &picture)
{
    const Placement fill = place(photo.size(), frame, PhotoFraming::Fill);
    const QSize small(std::max(4, frame.width / kBackdropDivisor),
                      std::max(4, frame.height / kBackdropDivisor));
    QImage backdrop(small, QImage::Format_RGB32);
    if (backdrop.isNull() ||
        !scaleInto(photo, fill.source, backdrop.bits(), int(backdrop.bytesPerLine()), small, SWS_AREA))
        return false;
    boxBlur(backdrop, true, kBackdropBlurRadius);
    boxBlur(backdrop, false, kBackdropBlurRadius);
    for (int y = 0; y < backdrop.height(); ++y) {
        auto *row = reinterpret_cast<uint32_t *>(backdrop.scanLine(y));
        for (int x = 0; x < backdrop.width(); ++x) {
            const uint32_t p = row[x];
            uint32_t dark = 0xFF000000u;
            for (int c = 0; c < 24; c += 8)
                dark |= ((((p >> c) & 0xFF) * kBackdropBrightness + 128) >> 8) << c;
            row[x] = dark;
        }
    }
    return scaleInto(backdrop, backdrop.rect(), picture.bits(), int(picture.bytesPerLine()), picture.size(),
                     SWS_BICUBIC);
}

} // namespace

Placement place(QSize photoSize, const OutputFormat &frame, PhotoFraming framing)
{
    const QRect whole(QPoint(0, 0),
                      frame.width > 0 && frame.height > 0 ? QSize(frame.width, frame.height) : QSize());
    if (photoSize.isEmpty() || whole.isEmpty())
        return Placement{QRect(QPoint(0, 0), photoSize), whole};
    const int pw = photoSize.width(), ph = photoSize.height();
    if (framing == PhotoFraming::Fill) {
        // The frame's shape cut from the photo's centre.
        const double s = fillScale(photoSize, frame);
        const int cw = std::clamp(int(std::lround(frame.displayWidth() / s)), 1, pw);
        const int ch = std::clamp(int(std::lround(frame.height / s)), 1, ph);
        return Placement{QRect((pw - cw) / 2, (ph - ch) / 2, cw, ch), whole};
    }
    // The whole photo, as large as the frame holds it, centred.
    const double s = fitScale(photoSize, frame);
    const int tw = std::clamp(int(std::lround(pw * s * frame.squeeze())), 1, frame.width);
    const int th = std::clamp(int(std::lround(ph * s)), 1, frame.height);
    return Placement{QRect(0, 0, pw, ph), QRect((frame.width - tw) / 2, (frame.height - th) / 2, tw, th)};
}

QSize drawnSize(QSize photoSize, const OutputFormat &frame, PhotoFraming framing)
{
    if (photoSize.isEmpty() || frame.width <= 0 || frame.height <= 0)
        return QSize();
    const double s = framing == PhotoFraming::Fill ? fillScale(photoSize, frame) : fitScale(photoSize, frame);
    return QSize(std::max(1, int(std::lround(photoSize.width() * s * frame.squeeze()))),
                 std::max(1, int(std::lround(photoSize.height() * s))));
}

QImage compose(const QImage &photo, const OutputFormat &frame, PhotoFraming framing)
{
    QImage picture(frame.width, frame.height, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::black);
    if (photo.isNull())
        return picture;
    // Opaque 32-bit pixels (a transparent photo shows on black).
    const QImage src =
        photo.format() == QImage::Format_RGB32 ? photo : photo.convertToFormat(QImage::Format_RGB32);
    if (framing == PhotoFraming::Blur && !drawBackdrop(src, frame, picture))
        picture.fill(Qt::black);
    const Placement p = place(src.size(), frame, framing);
    uint8_t *at = picture.scanLine(p.target.y()) + 4 * p.target.x();
    if (!scaleInto(src, p.source, at, int(picture.bytesPerLine()), p.target.size(), kPictureFlags))
        picture.fill(Qt::black);
    return picture;
}

QImage oriented(const QImage &stored, int orientationCode)
{
    QImage image = orientationTurns(orientationCode)
                       ? stored.transformed(QTransform().rotate(90), Qt::FastTransformation)
                       : stored;
    const bool x = orientationMirrorsX(orientationCode);
    const bool y = orientationMirrorsY(orientationCode);
    return x || y ? image.mirrored(x, y) : image;
}

QImage shownPhoto(const QString &path, int orientationCode, QSize size)
{
    if (path.isEmpty())
        return QImage();
    // Twice the size asked, both ways (for either orientation), keeps the
    // detail.
    const int side = 2 * std::max(size.width(), size.height());
    QImage image;
    if (Heif::isHeifFile(path)) {
        QString error;
        image =
            Heif::decode(path, &error, qint64(kImageAllocationLimitMb) * 1024 * 1024 / 4, QSize(side, side));
    } else {
        QImageReader::setAllocationLimit(kImageAllocationLimitMb);
        QImageReader reader(path);
        reader.setAutoTransform(false);
        const QSize source = reader.size();
        if (source.isValid() && source.width() > side && source.height() > side)
            reader.setScaledSize(source.scaled(side, side, Qt::KeepAspectRatioByExpanding));
        if (!reader.read(&image))
            image = QImage();
    }
    return image.isNull() ? image : oriented(image, orientationCode);
}

} // namespace Framing
