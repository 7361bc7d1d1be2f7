// Import speed: 100 generated 12-Mpixel JPEGs with EXIF imported through
// InfoParser exactly as the import dialog does (probe, EXIF, thumbnails,
// the results taken every 40 ms), and the same files decoded at full size
// with QImageReader in the same run.
// Usage: bench_import [count]   (default 100)
// Last line: import_per_s=<n> full_decode_per_s=<n> ratio=<n>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <exiv2/exiv2.hpp>

#include <cstdio>

#include "album/infoparser.h"
#include "album/probe.h"

namespace {

// A photo-like 4000 x 3000 picture: gradients, shapes and some noise so the
// JPEG has the entropy of a real photo.
QImage makePicture(int seed)
{
    QImage img(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator rng(quint32(seed + 1));
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(rng.bounded(24u));
            line[x] = qRgb((x * 255 / 4000 + n + seed * 40) & 255, (y * 255 / 3000 + n) & 255,
                           ((x + y) / 28 + n) & 255);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor::fromHsv(int(rng.bounded(360u)), 160, 200, 160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(rng.bounded(4000.0), rng.bounded(3000.0)), 100 + rng.bounded(500.0),
                      100 + rng.bounded(400.0));
    }
    return img;
}

bool writeExif(const QString &path, int index)
{
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        Exiv2::ExifData &exif = image->exifData();
        exif["Exif.Image.Orientation"] = uint16_t(index % 8 + 1);
        exif["Exif.Image.Make"] = "Sorvel Optics";
        exif["Exif.Image.Model"] = "Bench Camera";
        exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 125);
        exif["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
        exif["Exif.Image.DateTime"] = "2026:12:07 10:11:12";
        image->writeMetadata();
        return true;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "exif: %s\n", e.what());
        return false;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? qMax(1, atoi(argv[1])) : 100;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    // Four distinct pictures, each file with its own EXIF block.
    std::fprintf(stderr, "generating %d 12-Mpixel JPEGs...\n", count);
    QStringList paths;
    QList<QByteArray> encoded;
    qint64 totalBytes = 0;
    for (int k = 0; k < 4; ++k) {
        QByteArray bytes;
        const QString tmp = dir.filePath(QStringLiteral("seed%1.jpg").arg(k));
        makePicture(k).save(tmp, "JPEG", 90);
        QFile f(tmp);
        f.open(QIODevice::ReadOnly);
        encoded.append(f.readAll());
    }
    for (int i = 0; i < count; ++i) {
        const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(encoded[i % encoded.size()]) < 0)
            return 1;
        f.close();
        if (!writeExif(path, i))
            return 1;
        totalBytes += QFileInfo(path).size();
        paths.append(path);
    }

    // Import as the dialog does: the worker probes, the caller takes the
    // finished records every 40 ms.
    QElapsedTimer timer;
    timer.start();
    InfoParser parser(&paths, true);
    parser.start();
    int imported = 0;
    while (true) {
        QThread::msleep(40);
        imported += int(parser.takeImages().size());
        if (parser.processedCount() >= paths.size())
            break;
    }
    parser.wait();
    imported += int(parser.takeImages().size());
    const double importSeconds = timer.nsecsElapsed() / 1e9;
    if (imported != count || !parser.rejectedPaths().isEmpty()) {
        std::fprintf(stderr, "import: %d of %d photos\n", imported, count);
        return 1;
    }

    // Full-size decode of the same files.
    timer.restart();
    qint64 checksum = 0;
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
    for (const QString &path : paths) {
        QImageReader reader(path);
        reader.setAutoTransform(false);
        QImage image;
        if (!reader.read(&image))
            return 1;
        checksum += image.width();
    }
    const double decodeSeconds = timer.nsecsElapsed() / 1e9;
    if (checksum != qint64(count) * 4000)
        return 1;

    const double importRate = count / importSeconds;
    const double decodeRate = count / decodeSeconds;
    std::printf("import: %d photos of 4000 x 3000 (%.1f MB each) in %.2f s; full decode: %.2f s\n", count,
                totalBytes / 1e6 / count, importSeconds, decodeSeconds);
    std::printf("import_per_s=%.2f full_decode_per_s=%.2f ratio=%.2f\n", importRate, decodeRate,
                importRate / decodeRate);
    return 0;
}
