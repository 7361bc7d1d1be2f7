// Probing real files: photos with real EXIF written by exiv2, thumbnails,
// hostile images, and audio files of several containers made by FFmpeg.
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTest>

#include <exiv2/exiv2.hpp>

#include "album/probe.h"
#include "exif/exifinfo.h"
#include "testsupport.h"

namespace {
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

bool writeExif(const QString &path, int orientation)
{
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData &exif = image->exifData();
    exif["Exif.Image.Orientation"] = uint16_t(orientation);
    exif["Exif.Image.Make"] = "Sorvel Optics";
    exif["Exif.Image.Model"] = "Test Camera 1";
    exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 125);
    exif["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
    exif["Exif.Image.DateTime"] = "2026:12:07 10:11:12";
    image->writeMetadata();
    return true;
}

bool isGrey(QRgb c)
{
    return qAbs(qRed(c) - 0x80) <= 1 && qAbs(qGreen(c) - 0x80) <= 1 && qAbs(qBlue(c) - 0x80) <= 1;
}
} // namespace

class TestProbe : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exifOrientationOnRealFiles();
    void photoWithoutExif();
    void malformedExifIsNoExif();
    void thumbnails();
    void largeJpegScaledWhileDecoding();
    void rejectsUndecodableAndHostileImages();
    void rejectsImagesCutShort();
    void audioContainers_data();
    void audioContainers();
    void audioRejected();

private:
    QString m_dir;
};

void TestProbe::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("probe"));
}

void TestProbe::exifOrientationOnRealFiles()
{
    struct Row {
        int rotation;
        bool mirror, flip;
    };
    const Row expected[8] = {{0, false, false}, {0, true, false},   {0, true, true},    {0, false, true},
                             {90, true, false}, {90, false, false}, {-90, true, false}, {-90, false, false}};
    for (int o = 1; o <= 8; ++o) {
        const QString path = m_dir + QStringLiteral("/exif%1.jpg").arg(o);
        QVERIFY(quadrants(64, 48).save(path, "JPEG"));
        QVERIFY(writeExif(path, o));
        QCOMPARE(ExifInfo(path).Orientation(), o);
        ImageInfo info;
        QVERIFY(probeImage(info, path));
        QCOMPARE(info.exifRotation, expected[o - 1].rotation);
        QCOMPARE(info.exifMirror, expected[o - 1].mirror);
        QCOMPARE(info.exifFlip, expected[o - 1].flip);
        QCOMPARE(info.width, 64);
        QCOMPARE(info.height, 48);
        QCOMPARE(info.format, QStringLiteral("jpg"));
        QCOMPARE(info.exifText[0], QStringLiteral("Sorvel Optics"));
        QCOMPARE(info.exifText[1], QStringLiteral("Test Camera 1"));
        QCOMPARE(info.exifText[4], QStringLiteral("2026:12:07 10:11:12"));
        QCOMPARE(info.exifText[6], QStringLiteral("1/125 s"));
        QCOMPARE(info.exifText[7], QStringLiteral("F2.8"));
        QVERIFY(info.exifText[2].isEmpty());
        QCOMPARE(info.fileSize, QFileInfo(path).size());
        // The header alone gives the same record, without thumbnails.
        ImageInfo header;
        QVERIFY(probeImageHeader(header, path));
        QCOMPARE(header.width, info.width);
        QCOMPARE(header.height, info.height);
        QCOMPARE(header.depth, info.depth);
        QCOMPARE(header.exifRotation, info.exifRotation);
        QCOMPARE(header.exifMirror, info.exifMirror);
        QCOMPARE(header.exifFlip, info.exifFlip);
        QVERIFY(header.exifText == info.exifText);
        QCOMPARE(header.fileSize, info.fileSize);
        QVERIFY(header.thumbnail.isNull() && header.thumbnailTurned.isNull());
    }
}

void TestProbe::photoWithoutExif()
{
    const QString path = m_dir + QStringLiteral("/plain.PNG");
    QVERIFY(quadrants(30, 20).save(path, "PNG"));
    ImageInfo info;
    QVERIFY(probeImage(info, path));
    QCOMPARE(info.exifRotation, 0);
    QVERIFY(!info.exifMirror && !info.exifFlip);
    for (const QString &text : info.exifText)
        QVERIFY(text.isEmpty());
    QCOMPARE(info.format, QStringLiteral("PNG")); // suffix as written
    QCOMPARE(info.depth, 32);
}

void TestProbe::malformedExifIsNoExif()
{
    // A JPEG whose APP1 segment claims to be EXIF but holds garbage.
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(quadrants(16, 16).save(&buffer, "JPEG"));
    }
    QByteArray app1("\xFF\xE1", 2);
    QByteArray body("Exif\0\0MM\0\x2A\0\0\0\x08\xFF\xFF", 16);
    body += QByteArray(40, '\xEE');
    const int len = body.size() + 2;
    app1.append(char(len >> 8)).append(char(len & 0xff)).append(body);
    jpeg.insert(2, app1);
    const QString path = m_dir + QStringLiteral("/badexif.jpg");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(jpeg);
    f.close();
    const ExifInfo exif(path);
    QCOMPARE(exif.Orientation(), 1);
    ImageInfo info;
    QVERIFY(probeImage(info, path));
    QCOMPARE(info.exifRotation, 0);
}

void TestProbe::thumbnails()
{
    // A wide photo: 200 x 50 fits 80 x 20, centred at row 20.
    const QString path = m_dir + QStringLiteral("/wide.png");
    QVERIFY(quadrants(200, 50).save(path));
    ImageInfo info;
    QVERIFY(probeImage(info, path));
    QCOMPARE(info.thumbnail.size(), QSize(80, 60));
    QCOMPARE(info.thumbnailTurned.size(), QSize(80, 60));
    QVERIFY(isGrey(info.thumbnail.pixel(40, 5)));              // above the picture
    QVERIFY(isGrey(info.thumbnail.pixel(40, 55)));             // below it
    QCOMPARE(info.thumbnail.pixel(5, 22), qRgb(255, 0, 0));    // top left: red
    QCOMPARE(info.thumbnail.pixel(75, 37), qRgb(255, 255, 0)); // bottom right: yellow
    // Turned by +90 degrees (clockwise on screen): 50 x 200 fits 15 x 60,
    // centred at column 32; the red top-left quadrant moves to the top right.
    const QImage &t = info.thumbnailTurned;
    QVERIFY(isGrey(t.pixel(10, 30)));
    QVERIFY(isGrey(t.pixel(70, 30)));
    QCOMPARE(t.pixel(44, 3), qRgb(255, 0, 0));
    QCOMPARE(t.pixel(33, 3), qRgb(0, 0, 255));
    QCOMPARE(t.pixel(33, 57), qRgb(255, 255, 0));

    // An 8-bit indexed GIF still gets an opaque grey canvas.
    const QString gif = m_dir + QStringLiteral("/indexed.bmp");
    QVERIFY(quadrants(10, 40).convertToFormat(QImage::Format_Indexed8).save(gif));
    ImageInfo indexed;
    QVERIFY(probeImage(indexed, gif));
    QVERIFY(isGrey(indexed.thumbnail.pixel(2, 30)));
    QCOMPARE(qAlpha(indexed.thumbnail.pixel(2, 30)), 255);
}

void TestProbe::largeJpegScaledWhileDecoding()
{
    // A JPEG larger than the thumbnail is decoded at a reduced size: the
    // record still carries the full dimensions from the header, its depth,
    // and thumbnails of the right picture.
    const QString path = m_dir + QStringLiteral("/large.jpg");
    QVERIFY(quadrants(1600, 400).save(path, "JPEG", 95));
    QVERIFY(writeExif(path, 6));
    ImageInfo info;
    QVERIFY(probeImage(info, path));
    QCOMPARE(info.width, 1600);
    QCOMPARE(info.height, 400);
    QCOMPARE(info.depth, 32);
    QCOMPARE(info.exifRotation, 90);
    QCOMPARE(info.exifText[1], QStringLiteral("Test Camera 1"));
    QCOMPARE(info.thumbnail.size(), QSize(80, 60));
    QCOMPARE(info.thumbnailTurned.size(), QSize(80, 60));
    // 1600 x 400 fits 80 x 20, centred at rows 20..39.
    QVERIFY(isGrey(info.thumbnail.pixel(40, 5)));
    const QRgb red = info.thumbnail.pixel(10, 24);
    QVERIFY(qRed(red) > 200 && qGreen(red) < 60 && qBlue(red) < 60);
    const QRgb yellow = info.thumbnail.pixel(70, 36);
    QVERIFY(qRed(yellow) > 200 && qGreen(yellow) > 200 && qBlue(yellow) < 60);
    // Turned: 400 x 1600 fits 15 x 60; red moves to the top right.
    const QRgb turnedRed = info.thumbnailTurned.pixel(44, 5);
    QVERIFY(qRed(turnedRed) > 200 && qGreen(turnedRed) < 60);

    // A grey-level JPEG keeps its 8-bit depth.
    const QString grey = m_dir + QStringLiteral("/grey.jpg");
    QVERIFY(quadrants(640, 480).convertToFormat(QImage::Format_Grayscale8).save(grey, "JPEG"));
    ImageInfo greyInfo;
    QVERIFY(probeImage(greyInfo, grey));
    QCOMPARE(greyInfo.width, 640);
    QCOMPARE(greyInfo.height, 480);
    QCOMPARE(greyInfo.depth, 8);
    QCOMPARE(greyInfo.thumbnail.size(), QSize(80, 60));
}

void TestProbe::rejectsImagesCutShort()
{
    // A photo that ends before its picture does would be painted half grey:
    // both probes reject it. Complete files pass, with data after the end
    // marker (as some cameras write) and progressive ones included.
    QImage noisy(320, 240, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            noisy.setPixel(x, y, seed >> 8);
        }
    auto encode = [&](const char *format, bool progressive) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setProgressiveScanWrite(progressive);
        writer.write(noisy);
        return buffer.data();
    };
    auto accepted = [&](const QString &name, const QByteArray &bytes) {
        const QString path = m_dir + QLatin1Char('/') + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.close();
        ImageInfo header;
        ImageInfo full;
        const bool byHeader = probeImageHeader(header, path);
        const bool byDecoding = probeImage(full, path);
        if (byHeader != byDecoding)
            qWarning() << name << "header probe" << byHeader << "decoding probe" << byDecoding;
        return byHeader && byDecoding;
    };
    const QByteArray baseline = encode("jpeg", false);
    const QByteArray progressive = encode("jpeg", true);
    const QByteArray png = encode("png", false);
    QVERIFY(baseline.size() > 10000 && progressive.size() > 10000 && png.size() > 10000);
    QVERIFY(progressive.count("\xff\xda") > 1); // several scans

    QVERIFY(accepted(QStringLiteral("whole.jpg"), baseline));
    QVERIFY(
        accepted(QStringLiteral("trailer.jpg"), baseline + QByteArray("camera maker's trailer \xff\xd8")));
    QVERIFY(accepted(QStringLiteral("progressive.jpg"), progressive));
    QVERIFY(accepted(QStringLiteral("whole.png"), png));
    for (const qsizetype cut : {qsizetype(200), baseline.size() / 2, baseline.size() - 2})
        QVERIFY2(!accepted(QStringLiteral("cut.jpg"), baseline.left(cut)), qPrintable(QString::number(cut)));
    QVERIFY(!accepted(QStringLiteral("cut-progressive.jpg"), progressive.left(progressive.size() * 2 / 3)));
    QVERIFY(!accepted(QStringLiteral("cut.png"), png.left(png.size() / 2)));
    QVERIFY(!accepted(QStringLiteral("cut-end.png"), png.left(png.size() - 12)));
}

void TestProbe::rejectsUndecodableAndHostileImages()
{
    ImageInfo info;
    const QString text = m_dir + QStringLiteral("/notes.jpg");
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is a text file, not a photo\n");
    f.close();
    QVERIFY(!probeImage(info, text));
    QVERIFY(!probeImageHeader(info, text));

    // A BMP header claiming 40000 x 40000 pixels (6.4 GB decoded): rejected
    // from the header, without allocating.
    QByteArray bmp(54, '\0');
    auto put32 = [&bmp](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = char((v >> (8 * i)) & 0xff);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54 + 16);
    put32(10, 54);
    put32(14, 40);
    put32(18, 40000);
    put32(22, 40000);
    bmp[26] = 1;
    bmp[28] = 32;
    bmp.append(QByteArray(16, '\x7f'));
    const QString huge = m_dir + QStringLiteral("/huge.bmp");
    QFile h(huge);
    QVERIFY(h.open(QIODevice::WriteOnly));
    h.write(bmp);
    h.close();
    ImageInfo hugeInfo;
    QVERIFY(!probeImage(hugeInfo, huge));
    QVERIFY(!probeImageHeader(hugeInfo, huge));
    QVERIFY(!probeImage(hugeInfo, m_dir + QStringLiteral("/missing.png")));
    QVERIFY(!probeImageHeader(hugeInfo, m_dir + QStringLiteral("/missing.png")));
}

void TestProbe::audioContainers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<double>("seconds");
    const QString sine = QStringLiteral("sine=frequency=440:sample_rate=44100:duration=3");
    QTest::newRow("wav") << "a.wav" << QStringList{"-f", "lavfi", "-i", sine, "-c:a", "pcm_s16le"} << 1
                         << 44100 << 3.0;
    QTest::newRow("mp3") << "a.mp3" << QStringList{"-f", "lavfi", "-i",         sine,   "-ac",
                                                   "2",  "-c:a",  "libmp3lame", "-b:a", "128k"}
                         << 2 << 44100 << 3.0;
    QTest::newRow("ogg") << "a.ogg" << QStringList{"-f", "lavfi", "-i", sine, "-ac", "2", "-c:a", "libvorbis"}
                         << 2 << 44100 << 3.0;
    QTest::newRow("flac") << "a.flac"
                          << QStringList{"-f",   "lavfi",
                                         "-i",   "sine=frequency=300:sample_rate=48000:duration=4",
                                         "-ac",  "6",
                                         "-c:a", "flac"}
                          << 6 << 48000 << 4.0;
    // Matroska carries no per-stream duration: the container's is used.
    QTest::newRow("mka no stream duration")
        << "a.mka" << QStringList{"-f", "lavfi", "-i", sine, "-c:a", "libvorbis"} << 1 << 44100 << 3.0;
    QTest::newRow("video first")
        << "v.mkv" << QStringList{"-f",   "lavfi",      "-i",   "testsrc=size=64x48:rate=10:duration=2",
                                  "-f",   "lavfi",      "-i",   "sine=sample_rate=22050:duration=2",
                                  "-map", "0:v",        "-map", "1:a",
                                  "-c:v", "mpeg2video", "-c:a", "mp2"}
        << 1 << 22050 << 2.0;
}

void TestProbe::audioContainers()
{
    QFETCH(QString, name);
    QFETCH(QStringList, args);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(double, seconds);
    const QString path = m_dir + QLatin1Char('/') + name;
    QVERIFY(TestSupport::ffmpeg(args << path));
    AudioInfo info;
    QVERIFY(probeAudio(info, path));
    QCOMPARE(info.channels, channels);
    QCOMPARE(info.sampleRate, rate);
    QCOMPARE(info.bitsPerSample, 16);
    QVERIFY2(qAbs(info.duration - seconds) < 0.15, qPrintable(QString::number(info.duration)));
    QCOMPARE(info.clipStart, 0.0);
    QCOMPARE(info.clipEnd, info.duration);
    QCOMPARE(info.format, QFileInfo(path).suffix());
    QCOMPARE(info.fileSize, QFileInfo(path).size());
}

void TestProbe::audioRejected()
{
    const QString video = m_dir + QStringLiteral("/silent.mkv");
    QVERIFY(TestSupport::ffmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=1", "-c:v", "mpeg2video", video}));
    AudioInfo info;
    QVERIFY(!probeAudio(info, video));
    const QString text = m_dir + QStringLiteral("/song.mp3");
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(3000, 'x'));
    f.close();
    QVERIFY(!probeAudio(info, text));
    QVERIFY(!probeAudio(info, m_dir + QStringLiteral("/none.wav")));
}

QTEST_GUILESS_MAIN(TestProbe)
#include "test_probe.moc"
