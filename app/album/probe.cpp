#include "album/probe.h"

#include "framework/filecheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPainter>

#include <cstring>

#include "album/avhandles.h"
#include "album/heifimage.h"
#include "exif/exifinfo.h"
#include "framework/filecheck.h"

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

// True when a JPEG's markers run from the start of the image to its end
// marker (EOI). A file cut short ends inside a segment or inside the
// compressed data of a scan; the decoder would paint the missing part grey
// with no more than a warning. Only the markers are walked, nothing is
// decoded: a few milliseconds for a photo of several megabytes.
bool jpegComplete(const uchar *data, qint64 size)
{
    qint64 pos = 2; // after SOI
    while (pos < size) {
        // Bytes before a marker are tolerated (decoders skip them with a
        // warning), so are fill bytes.
        while (pos < size && data[pos] != 0xFF)
            ++pos;
        while (pos < size && data[pos] == 0xFF)
            ++pos;
        if (pos >= size)
            return false;
        const uchar marker = data[pos++];
        if (marker == 0xD9) // EOI
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // no length
        if (pos + 2 > size)
            return false;
        const qint64 length = (qint64(data[pos]) << 8) | data[pos + 1];
        if (length < 2 || pos + length > size)
            return false;
        pos += length;
        if (marker != 0xDA) // SOS: the compressed data follows
            continue;
        // The scan ends at the first marker other than a stuffed zero or a
        // restart marker.
        while (true) {
            const void *ff = std::memchr(data + pos, 0xFF, size_t(size - pos));
            if (!ff)
                return false;
            pos = static_cast<const uchar *>(ff) - data;
            if (pos + 1 >= size)
                return false;
            const uchar next = data[pos + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7) || next == 0xFF) {
                pos += next == 0xFF ? 1 : 2;
                continue;
            }
            break;
        }
    }
    return false;
}

// True when a PNG's chunks run to IEND without reaching past the file.
bool pngComplete(const uchar *data, qint64 size)
{
    qint64 pos = 8; // after the signature
    while (pos + 12 <= size) {
        const qint64 length = (qint64(data[pos]) << 24) | (qint64(data[pos + 1]) << 16) |
                              (qint64(data[pos + 2]) << 8) | data[pos + 3];
        if (std::memcmp(data + pos + 4, "IEND", 4) == 0)
            return true;
        pos += 12 + length;
    }
    return false;
}

// False when a JPEG or PNG file ends before its image does. Other formats
// are left to their decoders.
bool imageFileComplete(const QString &path, const QByteArray &format)
{
    const bool jpeg = format == "jpeg" || format == "jpg";
    const bool png = format == "png";
    if (!jpeg && !png)
        return true;
    // Read, not mapped: a file cut short meanwhile must not end the program.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 size = bytes.size();
    const bool complete = jpeg ? size >= 2 && data[0] == 0xFF && data[1] == 0xD8 && jpegComplete(data, size)
                               : size >= 8 && pngComplete(data, size);
    if (!complete)
        qCDebug(lcProbe) << "the file ends before its image does:" << path;
    return complete;
}

// Orientation, EXIF texts and file information.
void fillExifAndFile(ImageInfo &info, const QString &path)
{
    info.exifMirror = false;
    info.exifFlip = false;
    info.exifRotation = 0;
    const ExifInfo exif(path);
    applyExifOrientation(info, exif.Orientation());
    const QFileInfo fi(path);
    info.format = fi.suffix();
    info.fileSize = fi.size();
    info.lastModified = fi.lastModified();
    for (int i = 0; i < kExifTextCount; ++i)
        info.exifText[size_t(i)] = exif.property(i);
}

// The most pixels a photo may have: the allocation limit at four bytes a
// pixel.
constexpr qint64 kMaxPixels = qint64(kImageAllocationLimitMb) * 1024 * 1024 / 4;

// Size, depth, orientation, EXIF texts and file information of a HEIF or
// AVIF photo.
bool probeHeifHeader(ImageInfo &info, const QString &path, Heif::Header *header)
{
    QString error;
    if (!Heif::readHeader(path, header, &error, kMaxPixels)) {
        qCDebug(lcProbe).noquote() << "cannot read" << path << error;
        return false;
    }
    info.width = header->size.width();
    info.height = header->size.height();
    info.depth = header->depth;
    info.exifMirror = false;
    info.exifFlip = false;
    info.exifRotation = 0;
    applyExifOrientation(info, header->orientation);
    const ExifInfo exif = ExifInfo::fromTiffBlock(header->exif);
    const QFileInfo fi(path);
    info.format = fi.suffix();
    info.fileSize = fi.size();
    info.lastModified = fi.lastModified();
    for (int i = 0; i < kExifTextCount; ++i)
        info.exifText[size_t(i)] = exif.property(i);
    return true;
}

// Both thumbnails of a photo from its picture (any size).
void makeThumbnails(ImageInfo &info, const QImage &image)
{
    info.thumbnail = makeThumbnail(image);
    // The turned thumbnail: the photo rotated by +90 degrees, fitted the same
    // way. Scaling before turning gives the same picture at a fraction of
    // the cost of turning a full-size photo.
    const QImage src = paintable(image);
    const QImage small = src.scaled(kThumbHeight, kThumbWidth, Qt::KeepAspectRatio, Qt::FastTransformation);
    const QImage turned = small.transformed(QTransform().rotate(90), Qt::FastTransformation);
    info.thumbnailTurned = centredOnGrey(
        turned.scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::FastTransformation), src.format());
}

} // namespace

bool probeImageHeader(ImageInfo &info, const QString &path)
{
    if (!FileCheck::refusal(path).isEmpty())
        return false; // never opened: a named pipe or a device would block
    if (Heif::isHeifFile(path)) {
        // The header says everything, but a file cut short is only seen
        // when its picture is decoded: the header probe of a DVD run reads
        // the pixels too, so such a file is refused before encoding.
        Heif::Header header;
        if (!probeHeifHeader(info, path, &header))
            return false;
        QString error;
        if (Heif::decode(path, &error, kMaxPixels, QSize(1, 1)).isNull()) {
            qCDebug(lcProbe).noquote() << "cannot decode" << path << error;
            return false;
        }
        return true;
    }
    QImageReader reader;
    if (!openReader(reader, path))
        return false;
    const QSize declared = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!reader.canRead() || !imageFileComplete(path, reader.format()))
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
    if (!FileCheck::refusal(path).isEmpty())
        return false;
    if (Heif::isHeifFile(path)) {
        Heif::Header header;
        if (!probeHeifHeader(info, path, &header))
            return false;
        QString error;
        const QImage image = Heif::decode(path, &error, kMaxPixels, QSize(2 * kThumbWidth, 2 * kThumbHeight));
        if (image.isNull()) {
            qCDebug(lcProbe).noquote() << "cannot decode" << path << error;
            return false;
        }
        makeThumbnails(info, image);
        return true;
    }
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
    if (!imageFileComplete(path, reader.format()) || !reader.read(&image) || image.isNull()) {
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

    makeThumbnails(info, image);
    return true;
}

bool probeAudio(AudioInfo &info, const QString &path)
{
    info.duration = 0.0;
    if (!FileCheck::refusal(path).isEmpty())
        return false;
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

QString probeFailureReason(const QString &path, bool isImage)
{
    const QString refusal = FileCheck::refusal(path);
    if (!refusal.isEmpty())
        return refusal;
    if (isImage) {
        QImageReader::setAllocationLimit(kImageAllocationLimitMb);
        QImageReader reader(path);
        reader.setAutoTransform(false);
        if (!reader.canRead())
            return QCoreApplication::translate("Probe", "not a picture");
        // Asked before the header is read: a reader that failed to read it
        // no longer names its format.
        const QByteArray format = reader.format();
        const QSize declared = reader.size();
        if (declared.isValid() &&
            qint64(declared.width()) * declared.height() * 4 > qint64(kImageAllocationLimitMb) * 1024 * 1024)
            return QCoreApplication::translate("Probe", "too large (%1 x %2 pixels)")
                .arg(declared.width())
                .arg(declared.height());
        if (!imageFileComplete(path, format))
            return QCoreApplication::translate("Probe", "cut short");
        return QCoreApplication::translate("Probe", "damaged: %1").arg(reader.errorString());
    }
    av::InputFormat input = av::openInput(path);
    if (!input || avformat_find_stream_info(input.get(), nullptr) < 0)
        return QCoreApplication::translate("Probe", "not a sound file");
    int index = -1;
    if (!av::openFirstAudioDecoder(input.get(), &index))
        return QCoreApplication::translate("Probe", "has no sound the program can play");
    return QCoreApplication::translate("Probe", "damaged");
}
