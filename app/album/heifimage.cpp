#include "album/heifimage.h"

#include <libheif/heif.h>

#include <QFile>
#include <QLoggingCategory>
#include <QTransform>

#include <array>
#include <memory>
#include <vector>

Q_LOGGING_CATEGORY(lcHeif, "sorvel.heif")

namespace {

struct ContextDeleter {
    void operator()(heif_context *ctx) const { heif_context_free(ctx); }
};
struct HandleDeleter {
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageDeleter {
    void operator()(heif_image *image) const { heif_image_release(image); }
};
struct OptionsDeleter {
    void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};
using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using Image = std::unique_ptr<heif_image, ImageDeleter>;
using Options = std::unique_ptr<heif_decoding_options, OptionsDeleter>;

QString messageOf(const heif_error &err)
{
    return QString::fromUtf8(err.message ? err.message : "unknown error");
}

// An open file with its primary image.
struct Primary {
    Context ctx;
    Handle handle;
};

bool openPrimary(const QString &path, Primary *out, QString *error)
{
    out->ctx.reset(heif_context_alloc());
    if (!out->ctx) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    heif_error err = heif_context_read_from_file(out->ctx.get(), native.constData(), nullptr);
    if (err.code != heif_error_Ok) {
        *error = messageOf(err);
        return false;
    }
    heif_image_handle *handle = nullptr;
    err = heif_context_get_primary_image_handle(out->ctx.get(), &handle);
    out->handle.reset(handle);
    if (err.code != heif_error_Ok || !handle) {
        *error = messageOf(err);
        return false;
    }
    return true;
}

// The file's top-level 'meta' box (at most 4 MB: a
// meta box is a few kilobytes, a larger one is not read for orientation).
QByteArray readBoxesHead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray head;
    qint64 pos = 0;
    constexpr qint64 kLimit = 4 * 1024 * 1024;
    while (pos < file.size()) {
        if (!file.seek(pos))
            break;
        const QByteArray header = file.read(16);
        if (header.size() < 8)
            break;
        const auto *b = reinterpret_cast<const uchar *>(header.constData());
        qint64 size = (qint64(b[0]) << 24) | (qint64(b[1]) << 16) | (qint64(b[2]) << 8) | b[3];
        if (size == 1 && header.size() >= 16) {
            size = 0;
            for (int i = 8; i < 16; ++i)
                size = (size << 8) | b[i];
        }
        const QByteArray type = header.mid(4, 4);
        if (size < 8)
            break;
        if (type == "meta") {
            if (size > kLimit)
                break;
            if (file.seek(pos))
                head = file.read(size);
            break;
        }
        pos += size;
    }
    return head;
}

// A 2 x 2 integer matrix on picture coordinates (x to the right, y down).
using Mat = std::array<int, 4>; // a b / c d

Mat mul(const Mat &m2, const Mat &m1) // m2 after m1
{
    return {m2[0] * m1[0] + m2[1] * m1[2], m2[0] * m1[1] + m2[1] * m1[3], m2[2] * m1[0] + m2[3] * m1[2],
            m2[2] * m1[1] + m2[3] * m1[3]};
}

// The EXIF orientations as the matrices that turn the stored picture into
// the one shown.
const std::array<Mat, 9> &exifMatrices()
{
    static const std::array<Mat, 9> m = {{
        {1, 0, 0, 1},   // (unused)
        {1, 0, 0, 1},   // 1 as stored
        {-1, 0, 0, 1},  // 2 mirrored left-right
        {-1, 0, 0, -1}, // 3 turned 180
        {1, 0, 0, -1},  // 4 mirrored top-bottom
        {0, 1, 1, 0},   // 5 transposed
        {0, -1, 1, 0},  // 6 turned 90 clockwise
        {0, -1, -1, 0}, // 7 transversed
        {0, 1, -1, 0},  // 8 turned 90 counter-clockwise
    }};
    return m;
}

// A big-endian reader over a byte range that never reads past its end.
struct Reader {
    const uchar *p;
    qint64 size;
    qint64 pos = 0;
    bool ok = true;
    quint64 read(int bytes)
    {
        if (pos + bytes > size) {
            ok = false;
            pos = size;
            return 0;
        }
        quint64 v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | p[pos + i];
        pos += bytes;
        return v;
    }
};

struct Box {
    QByteArray type;
    qint64 start = 0; // of the payload, relative to the parent's range
    qint64 size = 0;  // of the payload
};

std::vector<Box> childBoxes(const uchar *data, qint64 size)
{
    std::vector<Box> boxes;
    qint64 pos = 0;
    while (pos + 8 <= size) {
        Reader r{data + pos, size - pos};
        qint64 boxSize = qint64(r.read(4));
        const QByteArray type(reinterpret_cast<const char *>(data + pos + 4), 4);
        r.read(4);
        if (boxSize == 1)
            boxSize = qint64(r.read(8));
        else if (boxSize == 0)
            boxSize = size - pos;
        if (!r.ok || boxSize < r.pos || pos + boxSize > size)
            break;
        boxes.push_back(Box{type, pos + r.pos, boxSize - r.pos});
        pos += boxSize;
    }
    return boxes;
}

} // namespace

namespace Heif {

bool isHeifFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64);
    if (head.size() < 12 || head.mid(4, 4) != "ftyp")
        return false;
    static const char *const brands[] = {"heic", "heix", "heim", "heis", "hevc", "hevx", "hevm",
                                         "hevs", "mif1", "msf1", "avif", "avis", "mif2"};
    const qint64 boxSize = qMin<qint64>(head.size(), (qint64(uchar(head[0])) << 24) | (uchar(head[1]) << 16) |
                                                         (uchar(head[2]) << 8) | uchar(head[3]));
    // The major brand, then the compatible brands after the minor version.
    for (qint64 at = 8; at + 4 <= boxSize; at += at == 8 ? 8 : 4) {
        const QByteArray brand = head.mid(int(at), 4);
        for (const char *b : brands) {
            if (brand == b)
                return true;
        }
    }
    return false;
}

int orientationFromBoxes(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 size = bytes.size();
    for (const Box &meta : childBoxes(data, size)) {
        if (meta.type != "meta" || meta.size < 4)
            continue;
        // A full box: version and flags first.
        const uchar *m = data + meta.start + 4;
        const qint64 msize = meta.size - 4;
        quint32 primary = 0;
        bool havePrimary = false;
        std::vector<Box> properties;
        const uchar *ipco = nullptr;
        const uchar *ipma = nullptr;
        qint64 ipmaSize = 0;
        for (const Box &child : childBoxes(m, msize)) {
            if (child.type == "pitm") {
                Reader r{m + child.start, child.size};
                const int version = int(r.read(1));
                r.read(3);
                primary = quint32(r.read(version == 0 ? 2 : 4));
                havePrimary = r.ok;
            } else if (child.type == "iprp") {
                const uchar *p = m + child.start;
                for (const Box &inner : childBoxes(p, child.size)) {
                    if (inner.type == "ipco") {
                        ipco = p + inner.start;
                        properties = childBoxes(ipco, inner.size);
                    } else if (inner.type == "ipma" && !ipma) {
                        ipma = p + inner.start;
                        ipmaSize = inner.size;
                    }
                }
            }
        }
        if (!havePrimary || !ipco || !ipma)
            return 1;
        Reader r{ipma, ipmaSize};
        const int version = int(r.read(1));
        const quint32 flags = quint32(r.read(3));
        const quint32 entries = quint32(r.read(4));
        for (quint32 e = 0; e < entries && r.ok; ++e) {
            const quint32 item = quint32(r.read(version < 1 ? 2 : 4));
            const int count = int(r.read(1));
            Mat total = {1, 0, 0, 1};
            for (int a = 0; a < count && r.ok; ++a) {
                const quint32 value = quint32(r.read((flags & 1) ? 2 : 1));
                const quint32 index = value & ((flags & 1) ? 0x7FFF : 0x7F);
                if (item != primary || index == 0 || index > properties.size())
                    continue;
                const Box &prop = properties[index - 1];
                if (prop.size < 1)
                    continue;
                const uchar arg = ipco[prop.start];
                if (prop.type == "irot") {
                    // Turns counter-clockwise by 90 degrees times the angle.
                    const Mat ccw = {0, 1, -1, 0};
                    for (int t = 0; t < (arg & 3); ++t)
                        total = mul(ccw, total);
                } else if (prop.type == "imir") {
                    // Axis 1: left and right exchanged; axis 0: top and
                    // bottom. This is how libheif writes and decodes the
                    // property (an EXIF orientation 2 is written as axis 1),
                    // so the album turns a photo as libheif shows it.
                    const Mat mirror = (arg & 1) ? Mat{-1, 0, 0, 1} : Mat{1, 0, 0, -1};
                    total = mul(mirror, total);
                }
            }
            if (item == primary && r.ok) {
                const auto &all = exifMatrices();
                for (int o = 1; o <= 8; ++o) {
                    if (all[size_t(o)] == total)
                        return o;
                }
                return 1;
            }
        }
        return 1;
    }
    return 1;
}

bool readHeader(const QString &path, Header *header, QString *error, qint64 maxPixels)
{
    Primary primary;
    if (!openPrimary(path, &primary, error))
        return false;
    heif_image_handle *h = primary.handle.get();
    const int orientation = orientationFromBoxes(readBoxesHead(path));
    // libheif reports the size after every transform; the stored picture is
    // that turned back.
    QSize shown(heif_image_handle_get_width(h), heif_image_handle_get_height(h));
    if (shown.isEmpty()) {
        *error = QStringLiteral("no picture size");
        return false;
    }
    if (qint64(shown.width()) * shown.height() > maxPixels) {
        *error = QStringLiteral("picture too large (%1 x %2)").arg(shown.width()).arg(shown.height());
        return false;
    }
    header->size = orientation >= 5 ? shown.transposed() : shown;
    header->orientation = orientation;
    header->bitsPerChannel = qMax(8, heif_image_handle_get_luma_bits_per_pixel(h));
    header->depth = heif_image_handle_has_alpha_channel(h) ? 32 : 24;
    header->exif.clear();
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(h, "Exif", &id, 1) == 1) {
        const size_t size = heif_image_handle_get_metadata_size(h, id);
        if (size > 4 && size < 64 * 1024 * 1024) {
            QByteArray block(qsizetype(size), '\0');
            if (heif_image_handle_get_metadata(h, id, block.data()).code == heif_error_Ok) {
                // A big-endian offset from the end of the word to the TIFF
                // header.
                const auto *b = reinterpret_cast<const uchar *>(block.constData());
                const quint32 offset = (quint32(b[0]) << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
                if (offset < size - 4)
                    header->exif = block.mid(qsizetype(4 + offset));
            }
        }
    }
    return true;
}

QImage decode(const QString &path, QString *error, qint64 maxPixels, const QSize &box)
{
    Primary primary;
    if (!openPrimary(path, &primary, error))
        return QImage();
    heif_image_handle *h = primary.handle.get();
    const int width = heif_image_handle_get_width(h);
    const int height = heif_image_handle_get_height(h);
    if (width <= 0 || height <= 0 || qint64(width) * height > maxPixels) {
        *error = QStringLiteral("picture too large or empty (%1 x %2)").arg(width).arg(height);
        return QImage();
    }
    const bool alpha = heif_image_handle_has_alpha_channel(h);
    Options options(heif_decoding_options_alloc());
    if (!options) {
        *error = QStringLiteral("out of memory");
        return QImage();
    }
    options->convert_hdr_to_8bit = 1;
    // A damaged or cut picture is an error, not a picture with grey parts.
    options->strict_decoding = 1;
    heif_image *decoded = nullptr;
    const heif_error err =
        heif_decode_image(h, &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
    const Image image(decoded);
    if (err.code != heif_error_Ok || !decoded) {
        *error = messageOf(err);
        return QImage();
    }
    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int w = heif_image_get_width(decoded, heif_channel_interleaved);
    const int hgt = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!plane || w <= 0 || hgt <= 0) {
        *error = QStringLiteral("no picture data");
        return QImage();
    }
    // Copied into a picture of its own: libheif's buffer goes with its image.
    QImage shown = QImage(plane, w, hgt, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888)
                       .convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (shown.isNull()) {
        *error = QStringLiteral("out of memory");
        return QImage();
    }
    const int orientation = orientationFromBoxes(readBoxesHead(path));
    if (box.isValid()) {
        const QSize target = orientation >= 5 ? box.transposed() : box;
        if (shown.width() > target.width() || shown.height() > target.height())
            shown = shown.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (orientation == 1)
        return shown;
    // Back to the stored picture: the inverse of the shown orientation.
    const Mat &m = exifMatrices()[size_t(orientation)];
    const QTransform inverse(m[0], m[1], m[2], m[3], 0, 0); // the transpose, an orthogonal inverse
    return shown.transformed(inverse, Qt::FastTransformation);
}

} // namespace Heif
