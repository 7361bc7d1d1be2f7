// Photos of today's phones and the web, written here by libheif's own
// encoders (HEVC and AV1) and by Qt's image plugins: each is probed with
// its stored size, its orientation as the JPEG tests expect it, its EXIF
// texts and thumbnails, and decoded to the stored picture; a HEIC cut
// short is rejected; 16-bit pictures come out at the right 8-bit colours.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTest>

#include <exiv2/exiv2.hpp>
#include <libheif/heif.h>

#include <memory>

#include "album/heifimage.h"
#include "album/mediatypes.h"
#include "album/probe.h"
#include "testsupport.h"

namespace {

// Red, green / blue, yellow: where each quadrant lands tells the turn.
QImage quadrants(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y,
                         x < w / 2 ? (y < h / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                   : (y < h / 2 ? qRgb(0, 255, 0) : qRgb(255, 255, 0)));
    return img;
}

bool near(QRgb a, QRgb b, int tolerance = 40)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The four quadrant colours of a picture in reading order, sampled inside
// each quadrant away from the edges.
bool hasQuadrants(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    return near(image.pixel(w / 4, h / 4), qRgb(255, 0, 0)) &&
           near(image.pixel(3 * w / 4, h / 4), qRgb(0, 255, 0)) &&
           near(image.pixel(w / 4, 3 * h / 4), qRgb(0, 0, 255)) &&
           near(image.pixel(3 * w / 4, 3 * h / 4), qRgb(255, 255, 0));
}

// A TIFF-structured EXIF block as a camera writes it.
QByteArray exifBlock()
{
    Exiv2::ExifData exif;
    exif["Exif.Image.Make"] = "Sorvel Optics";
    exif["Exif.Image.Model"] = "Phone 15";
    exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 125);
    exif["Exif.Photo.FNumber"] = Exiv2::URational(18, 10);
    exif["Exif.Image.DateTime"] = "2026:12:07 10:11:12";
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, Exiv2::bigEndian, exif);
    return QByteArray(reinterpret_cast<const char *>(blob.data()), qsizetype(blob.size()));
}

struct ContextFree {
    void operator()(heif_context *c) const { heif_context_free(c); }
};
struct EncoderFree {
    void operator()(heif_encoder *e) const { heif_encoder_release(e); }
};
struct ImageFree {
    void operator()(heif_image *i) const { heif_image_release(i); }
};
struct OptionsFree {
    void operator()(heif_encoding_options *o) const { heif_encoding_options_free(o); }
};

// Writes picture as HEIC (HEVC) or AVIF (AV1) with libheif's encoder, the
// EXIF orientation given as the file's transform properties (irot/imir),
// and an EXIF block.
bool writeHeif(const QString &path, const QImage &picture, heif_compression_format format, int orientation,
               const QByteArray &exif = {})
{
    std::unique_ptr<heif_context, ContextFree> ctx(heif_context_alloc());
    heif_encoder *rawEncoder = nullptr;
    if (heif_context_get_encoder_for_format(ctx.get(), format, &rawEncoder).code != heif_error_Ok)
        return false;
    std::unique_ptr<heif_encoder, EncoderFree> encoder(rawEncoder);
    heif_encoder_set_lossy_quality(encoder.get(), 90);
    heif_image *rawImage = nullptr;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                          &rawImage)
            .code != heif_error_Ok)
        return false;
    std::unique_ptr<heif_image, ImageFree> image(rawImage);
    heif_image_add_plane(image.get(), heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    std::unique_ptr<heif_encoding_options, OptionsFree> options(heif_encoding_options_alloc());
    options->image_orientation = heif_orientation(orientation);
    heif_image_handle *handle = nullptr;
    if (heif_context_encode_image(ctx.get(), image.get(), encoder.get(), options.get(), &handle).code !=
        heif_error_Ok)
        return false;
    bool ok = true;
    if (!exif.isEmpty())
        ok = heif_context_add_exif_metadata(ctx.get(), handle, exif.constData(), int(exif.size())).code ==
             heif_error_Ok;
    heif_image_handle_release(handle);
    return ok &&
           heif_context_write_to_file(ctx.get(), QFile::encodeName(path).constData()).code == heif_error_Ok;
}

} // namespace

class TestPhotoFormats : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void heicOrientationAndExif();
    void avif();
    void heicCutShortIsRejected();
    void webpAndTiff();
    void sixteenBitPictures();
    void namesOfEveryKind();

private:
    QString m_dir;
};

void TestPhotoFormats::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("photoformats"));
}

void TestPhotoFormats::heicOrientationAndExif()
{
    // The same table as for JPEG EXIF orientations: the transform
    // properties of a HEIC file mean what the orientation tag means.
    struct Row {
        int rotation;
        bool mirror, flip;
    };
    const Row expected[8] = {{0, false, false}, {0, true, false},   {0, true, true},    {0, false, true},
                             {90, true, false}, {90, false, false}, {-90, true, false}, {-90, false, false}};
    const QByteArray exif = exifBlock();
    for (int o = 1; o <= 8; ++o) {
        const QString path = m_dir + QStringLiteral("/IMG_%1.HEIC").arg(o);
        QVERIFY(writeHeif(path, quadrants(128, 96), heif_compression_HEVC, o, exif));
        QVERIFY(Heif::isHeifFile(path));
        ImageInfo info;
        QVERIFY2(probeImage(info, path), qPrintable(path));
        QCOMPARE(info.width, 128);
        QCOMPARE(info.height, 96);
        QCOMPARE(info.exifRotation, expected[o - 1].rotation);
        QCOMPARE(info.exifMirror, expected[o - 1].mirror);
        QCOMPARE(info.exifFlip, expected[o - 1].flip);
        QCOMPARE(info.exifText[0], QStringLiteral("Sorvel Optics"));
        QCOMPARE(info.exifText[1], QStringLiteral("Phone 15"));
        QCOMPARE(info.exifText[4], QStringLiteral("2026:12:07 10:11:12"));
        QCOMPARE(info.exifText[6], QStringLiteral("1/125 s"));
        QCOMPARE(info.exifText[7], QStringLiteral("F1.8"));
        QVERIFY(!info.thumbnail.isNull() && !info.thumbnailTurned.isNull());
        // The header alone agrees.
        ImageInfo header;
        QVERIFY(probeImageHeader(header, path));
        QCOMPARE(header.width, 128);
        QCOMPARE(header.height, 96);
        QCOMPARE(header.exifRotation, info.exifRotation);
        QCOMPARE(header.exifMirror, info.exifMirror);
        QCOMPARE(header.exifFlip, info.exifFlip);
        // Decoded, it is the picture as stored (the album turns it).
        QString error;
        const QImage stored = Heif::decode(path, &error, 1 << 24);
        QVERIFY2(!stored.isNull(), qPrintable(error));
        QCOMPARE(stored.size(), QSize(128, 96));
        QVERIFY2(hasQuadrants(stored), qPrintable(QStringLiteral("orientation %1").arg(o)));
        // Scaled into a box while decoding, still as stored.
        const QImage small = Heif::decode(path, &error, 1 << 24, QSize(64, 64));
        QCOMPARE(small.size(), QSize(64, 48));
        QVERIFY(hasQuadrants(small));
    }
}

void TestPhotoFormats::avif()
{
    const QString path = m_dir + QStringLiteral("/web.avif");
    QVERIFY(writeHeif(path, quadrants(96, 64), heif_compression_AV1, 6));
    ImageInfo info;
    QVERIFY(probeImage(info, path));
    QCOMPARE(info.width, 96);
    QCOMPARE(info.height, 64);
    QCOMPARE(info.exifRotation, 90);
    QVERIFY(!info.exifMirror && !info.exifFlip);
    QVERIFY(info.exifText[0].isEmpty()); // no EXIF block
    QString error;
    QVERIFY(hasQuadrants(Heif::decode(path, &error, 1 << 24)));
}

void TestPhotoFormats::heicCutShortIsRejected()
{
    // Noise does not compress: the picture's data is most of the file.
    QImage noisy(256, 192, QImage::Format_RGB32);
    quint32 seed = 99;
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noisy.setPixel(x, y, seed >> 8);
        }
    const QString whole = m_dir + QStringLiteral("/whole.heic");
    QVERIFY(writeHeif(whole, noisy, heif_compression_HEVC, 1));
    QFile in(whole);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    QVERIFY(bytes.size() > 5000);
    ImageInfo info;
    QVERIFY(probeImageHeader(info, whole));
    QVERIFY(probeImage(info, whole));
    for (const qsizetype keep : {qsizetype(300), bytes.size() / 2, bytes.size() - 100}) {
        const QString cut = m_dir + QStringLiteral("/cut.heic");
        QFile out(cut);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes.left(keep));
        out.close();
        ImageInfo header;
        ImageInfo full;
        QVERIFY2(!probeImageHeader(header, cut), qPrintable(QString::number(keep)));
        QVERIFY2(!probeImage(full, cut), qPrintable(QString::number(keep)));
    }
}

void TestPhotoFormats::webpAndTiff()
{
    for (const char *format : {"webp", "tiff"}) {
        const QString path = m_dir + QStringLiteral("/picture.") + QLatin1String(format);
        QImageWriter writer(path, format);
        if (QByteArray(format) == "webp")
            writer.setQuality(100);
        QVERIFY2(writer.write(quadrants(80, 60)), qPrintable(writer.errorString()));
        QVERIFY(MediaTypes::isPhotoName(QFileInfo(path).fileName()));
        ImageInfo info;
        QVERIFY2(probeImage(info, path), format);
        QCOMPARE(info.width, 80);
        QCOMPARE(info.height, 60);
        // The thumbnail is the picture, fitted on grey.
        QVERIFY(!info.thumbnail.isNull());
    }
}

void TestPhotoFormats::sixteenBitPictures()
{
    // 16 bits a channel, with colours whose high bytes are known: each
    // becomes its high byte (rounded), not a darkened or wrapped value.
    QImage deep(64, 64, QImage::Format_RGBX64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            deep.setPixelColor(x, y,
                               x < 32 ? QColor::fromRgba64(0xC000, 0x4000, 0x2000)
                                      : QColor::fromRgba64(0x1000, 0x8000, 0xF000));
    for (const char *format : {"png", "tiff"}) {
        const QString path = m_dir + QStringLiteral("/deep.") + QLatin1String(format);
        QVERIFY(deep.save(path, format));
        QImageReader reader(path);
        QVERIFY2(reader.imageFormat() == QImage::Format_RGBX64 ||
                     reader.imageFormat() == QImage::Format_RGBA64,
                 format); // stored with 16 bits
        ImageInfo info;
        QVERIFY2(probeImage(info, path), format);
        QCOMPARE(info.width, 64);
        // The thumbnail's middle row, left and right halves.
        const QImage &thumb = info.thumbnail;
        const int y = thumb.height() / 2;
        int left = -1;
        int right = -1;
        for (int x = 0; x < thumb.width(); ++x) {
            const QRgb c = thumb.pixel(x, y);
            if (left < 0 && near(c, qRgb(0xC0, 0x40, 0x20), 3))
                left = x;
            if (near(c, qRgb(0x10, 0x80, 0xF0), 3))
                right = x;
        }
        QVERIFY2(left >= 0 && right > left, format);
    }
}

void TestPhotoFormats::namesOfEveryKind()
{
    // Phones' and the web's names, in any case, are photos; the audio
    // names of phones and players are audio; neither list takes the other.
    for (const char *name :
         {"IMG_0001.HEIC", "a.heif", "b.hif", "c.avif", "d.webp", "e.tif", "f.TIFF", "g.jpg", "h.png"})
        QVERIFY2(MediaTypes::isPhotoName(QLatin1String(name)) &&
                     !MediaTypes::isAudioName(QLatin1String(name)),
                 name);
    for (const char *name :
         {"a.opus", "b.oga", "c.OGG", "d.flac", "e.m4a", "f.webm", "g.mka", "h.wav", "i.mp3"})
        QVERIFY2(MediaTypes::isAudioName(QLatin1String(name)) &&
                     !MediaTypes::isPhotoName(QLatin1String(name)),
                 name);
    QVERIFY(!MediaTypes::isPhotoName(QStringLiteral("notes.txt")) &&
            !MediaTypes::isAudioName(QStringLiteral("notes.txt")));
    // Every pattern of the lists is offered by the dialogs' first entry.
    const QString photoFilter = MediaTypes::photoDialogFilter().section(QStringLiteral(";;"), 0, 0);
    for (const QString &pattern : MediaTypes::photoPatterns())
        QVERIFY2(photoFilter.contains(pattern), qPrintable(pattern));
    const QString audioFilter = MediaTypes::audioDialogFilter().section(QStringLiteral(";;"), 0, 0);
    for (const QString &pattern : MediaTypes::audioPatterns())
        QVERIFY2(audioFilter.contains(pattern), qPrintable(pattern));
}

QTEST_GUILESS_MAIN(TestPhotoFormats)
#include "test_photoformats.moc"
