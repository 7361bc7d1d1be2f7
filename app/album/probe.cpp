#include "album/probe.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPainter>

#include "album/avhandles.h"
#include "kymexif/kymexifinfo.h"

Q_LOGGING_CATEGORY(lcProbe, "sorvel.probe")

namespace {
constexpr int kThumbWidth = 80;
constexpr int kThumbHeight = 60;

// Formats a canvas can be painted in; the rest (indexed, mono, grey) are
// widened to 32-bit so the grey fill and the painter work.
QImage paintable(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return image;
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

QImage centredOnGrey(const QImage &scaled, QImage::Format format)
{
    QImage canvas(kThumbWidth, kThumbHeight, format);
    canvas.fill(QColor::fromRgba(0xFF808080));
    QPainter painter(&canvas);
    painter.drawImage((kThumbWidth - scaled.width()) / 2, (kThumbHeight - scaled.height()) / 2, scaled);
    return canvas;
}
} // namespace

QImage makeThumbnail(const QImage &image)
{
    const QImage src = paintable(image);
    const QImage scaled = src.scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::FastTransformation);
    return centredOnGrey(scaled, src.format());
}

namespace {

// Opens a reader on the file; false (and a debug line) when the declared
// size exceeds the allocation limit.
bool openReader(QImageReader &reader, const QString &path)
{
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
    reader.setFileName(path);
    reader.setAutoTransform(false);
    const QSize declared = reader.size();
    if (declared.isValid() &&
        qint64(declared.width()) * declared.height() * 4 > qint64(kImageAllocationLimitMb) * 1024 * 1024) {
        qCDebug(lcProbe) << "image too large:" << path << declared;
        return false;
    }
    return true;
}

// Orientation, EXIF texts and file information.
void fillExifAndFile(ImageInfo &info, const QString &path)
{
    info.exifMirror = false;
    info.exifFlip = false;
    info.exifRotation = 0;
    const KymExifInfo exif(path);
    applyExifOrientation(info, exif.Orientation());
    const QFileInfo fi(path);
    info.format = fi.suffix();
    info.fileSize = fi.size();
    info.lastModified = fi.lastModified();
    for (int i = 0; i < kExifTextCount; ++i)
        info.exifText[size_t(i)] = exif.property(i);
}

} // namespace

bool probeImageHeader(ImageInfo &info, const QString &path)
{
    QImageReader reader;
    if (!openReader(reader, path))
        return false;
    const QSize declared = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!reader.canRead())
        return false;
    if (!declared.isValid() || format == QImage::Format_Invalid) {
        // A format whose header does not tell: probe it the full way.
        if (!probeImage(info, path))
            return false;
        info.thumbnail = QImage();
        info.thumbnailTurned = QImage();
        return true;
    }
    info.width = declared.width();
    info.height = declared.height();
    info.depth = QImage::toPixelFormat(format).bitsPerPixel();
    fillExifAndFile(info, path);
    return true;
}

bool probeImage(ImageInfo &info, const QString &path)
{
    QImageReader reader;
    if (!openReader(reader, path))
        return false;
    const QSize declared = reader.size();
    // A thumbnail needs no full-size picture: a reader that can scale while
    // decoding (JPEG decodes at 1/2, 1/4 or 1/8 of the size) is asked for a
    // picture twice the thumbnail's size, and the dimensions and the depth
    // come from the header. Every other reader decodes the whole picture, as
    // it would when asked to scale.
    const QSize decodeBox(2 * kThumbWidth, 2 * kThumbHeight);
    const bool scaleWhileDecoding =
        declared.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize) &&
        (declared.width() > decodeBox.width() || declared.height() > decodeBox.height());
    QImage::Format headerFormat = QImage::Format_Invalid;
    if (scaleWhileDecoding) {
        headerFormat = reader.imageFormat();
        reader.setScaledSize(declared.scaled(decodeBox, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        qCDebug(lcProbe) << "cannot decode" << path << reader.errorString();
        return false;
    }

    if (scaleWhileDecoding) {
        info.width = declared.width();
        info.height = declared.height();
        info.depth = headerFormat != QImage::Format_Invalid
                         ? QImage::toPixelFormat(headerFormat).bitsPerPixel()
                         : image.depth();
    } else {
        info.width = image.width();
        info.height = image.height();
        info.depth = image.depth();
    }
    fillExifAndFile(info, path);

    info.thumbnail = makeThumbnail(image);
    // The turned thumbnail: the photo rotated by +90 degrees, fitted the same
    // way. Scaling before turning gives the same picture at a fraction of
    // the cost of turning a full-size photo.
    const QImage src = paintable(image);
    const QImage small = src.scaled(kThumbHeight, kThumbWidth, Qt::KeepAspectRatio, Qt::FastTransformation);
    const QImage turned = small.transformed(QTransform().rotate(90), Qt::FastTransformation);
    info.thumbnailTurned = centredOnGrey(
        turned.scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::FastTransformation), src.format());
    return true;
}

bool probeAudio(AudioInfo &info, const QString &path)
{
    info.duration = 0.0;
    av::InputFormat input = av::openInput(path);
    if (!input || avformat_find_stream_info(input.get(), nullptr) < 0)
        return false;

    int index = -1;
    const av::CodecContext ctx = av::openFirstAudioDecoder(input.get(), &index);
    if (!ctx)
        return false;
    const AVStream *stream = input->streams[index];
    info.bitsPerSample = 16;
    info.channels = ctx->ch_layout.nb_channels;
    info.sampleRate = ctx->sample_rate;
    double duration = -1.0;
    if (stream->duration != AV_NOPTS_VALUE)
        duration = double(stream->duration) * av_q2d(stream->time_base);
    if (duration < 0.001 && input->duration != AV_NOPTS_VALUE)
        duration = double(input->duration) / AV_TIME_BASE;
    info.duration = duration > 0.0 ? duration : 0.0;

    info.clipStart = 0.0;
    info.clipEnd = info.duration;
    const QFileInfo fi(path);
    info.format = fi.suffix();
    info.fileSize = fi.size();
    info.lastModified = fi.lastModified();
    return true;
}
