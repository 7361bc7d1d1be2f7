// The picture's shape, the photos' framing and the chapters on real DVDs:
// each disc is made by the job, read back with libdvdread (the attributes
// of the title set and the video manager, the chapter table and its cells)
// and decoded with FFmpeg (the stream's own aspect, every picture of each
// chapter's cell, the shape of a circle on screen).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

#include "album/album.h"
#include "album/probe.h"
#include "album/timeline.h"
#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "dvdcheck.h"
#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "job/makejob.h"
#include "testsupport.h"

namespace {

// The circle photo: a portrait picture of fine stripes with a grey square
// in its centre holding a white disc.
constexpr int kCirclePhotoWidth = 600;
constexpr int kCirclePhotoHeight = 900;
constexpr int kCircleRadius = 130;

QImage circlePhoto()
{
    QImage image(kCirclePhotoWidth, kCirclePhotoHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = (x / 4) % 2 ? qRgb(200, 180, 60) : qRgb(40, 60, 160);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    p.fillRect(QRectF(centre - QPointF(150, 150), QSizeF(300, 300)), QColor(100, 100, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, kCircleRadius, kCircleRadius);
    return image;
}

// Luma of an RGB colour as MPEG-2 codes it (BT.601, 16..235).
double lumaOf(QRgb c)
{
    return 16.0 + (65.738 * qRed(c) + 129.057 * qGreen(c) + 25.064 * qBlue(c)) / 256.0;
}

// Decoded pictures of a program stream: the luma planes (16..235), width x
// height bytes each, in presentation order.
struct Pictures {
    int width = 0;
    int height = 0;
    QList<QByteArray> luma;
    uint8_t at(int picture, int x, int y) const { return uint8_t(luma[picture].at(y * width + x)); }
};

Pictures decodeLuma(const QString &vob, int width, int height)
{
    Pictures pictures;
    pictures.width = width;
    pictures.height = height;
    const QString raw = vob + QStringLiteral(".y");
    if (TestSupport::run(QStringLiteral("ffmpeg"),
                         {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                          QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"), vob,
                          QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-fps_mode"),
                          QStringLiteral("passthrough"), QStringLiteral("-f"), QStringLiteral("rawvideo"),
                          QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), raw}) != 0)
        return pictures;
    QFile file(raw);
    if (!file.open(QIODevice::ReadOnly))
        return pictures;
    // Each picture as the decoder gives it (YUV 4:2:0, limited range): its
    // luma plane, then the two chroma planes.
    const qint64 size = qint64(width) * height;
    while (true) {
        const QByteArray picture = file.read(size * 3 / 2);
        if (picture.size() != size * 3 / 2)
            break;
        pictures.luma.append(picture.left(size));
    }
    file.remove();
    return pictures;
}

// The aspect_ratio_information of every MPEG-2 sequence header in a file
// (2: 4:3, 3: 16:9), or an empty list when there is none.
QList<int> sequenceAspects(const QString &path)
{
    QFile file(path);
    QList<int> aspects;
    if (!file.open(QIODevice::ReadOnly))
        return aspects;
    const QByteArray data = file.readAll();
    for (qsizetype i = data.indexOf(QByteArray("\x00\x00\x01\xB3", 4)); i >= 0 && i + 7 < data.size();
         i = data.indexOf(QByteArray("\x00\x00\x01\xB3", 4), i + 4))
        aspects.append((uint8_t(data[i + 7]) >> 4) & 0x0F);
    return aspects;
}

// FFmpeg's display aspect ratio of the first video stream ("16:9").
QString displayAspect(const QString &path)
{
    QByteArray out;
    TestSupport::run(QStringLiteral("ffprobe"),
                     {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                      QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                      QStringLiteral("stream=display_aspect_ratio"), QStringLiteral("-of"),
                      QStringLiteral("default=nw=1:nk=1"), path},
                     &out);
    return QString::fromLatin1(out).trimmed();
}

// Mean and standard deviation of the luma in a rectangle of one picture.
std::pair<double, double> lumaStats(const Pictures &p, int picture, const QRect &r)
{
    double sum = 0, squares = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const double v = p.at(picture, x, y);
            sum += v;
            squares += v * v;
            ++n;
        }
    }
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, squares / n - mean * mean))};
}

// The run of bright pixels through the centre of a picture, along its
// middle row and its middle column: the disc's width in stored pixels and
// its height in rows, with the edge pixels counted by their share.
std::pair<double, double> discExtent(const Pictures &p, int picture)
{
    const int cx = p.width / 2, cy = p.height / 2;
    // Half-way between the grey square and the white disc.
    const double grey = lumaOf(qRgb(100, 100, 100)), white = lumaOf(qRgb(255, 255, 255));
    auto share = [&](int x, int y) {
        return std::clamp((p.at(picture, x, y) - grey) / (white - grey), 0.0, 1.0);
    };
    double across = 0, down = 0;
    for (int x = cx; x < p.width && share(x, cy) > 0.02; ++x)
        across += share(x, cy);
    for (int x = cx - 1; x >= 0 && share(x, cy) > 0.02; --x)
        across += share(x, cy);
    for (int y = cy; y < p.height && share(cx, y) > 0.02; ++y)
        down += share(cx, y);
    for (int y = cy - 1; y >= 0 && share(cx, y) > 0.02; --y)
        down += share(cx, y);
    return {across, down};
}

// Peak signal-to-noise ratio of a decoded luma plane against a rendered
// frame (rows top-down, BGRA), over the means of 8 x 8 blocks: what a frame
// shows, without the coding noise of fine detail.
double lumaPsnr(const Pictures &p, int picture, const QImage &rendered)
{
    double squares = 0;
    int blocks = 0;
    for (int by = 0; by + 8 <= p.height; by += 8) {
        for (int bx = 0; bx + 8 <= p.width; bx += 8) {
            double decoded = 0, drawn = 0;
            for (int y = by; y < by + 8; ++y) {
                const auto *row = reinterpret_cast<const QRgb *>(rendered.constScanLine(y));
                for (int x = bx; x < bx + 8; ++x) {
                    decoded += p.at(picture, x, y);
                    drawn += lumaOf(row[x]);
                }
            }
            const double d = (decoded - drawn) / 64.0;
            squares += d * d;
            ++blocks;
        }
    }
    const double mse = squares / blocks;
    return mse <= 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

} // namespace

class TestWidescreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void shapeFramingAndChapters_data();
    void shapeFramingAndChapters();

private:
    void addPhoto(Album &album, const QString &path);
    QString makeDvd(const Album &album, const MakeRequest &request, const QString &name);
    // Frame f of the album as the writer draws it (rows top-down).
    QImage render(const Album &album, const OutputFormat &format, int64_t frame);
    QString m_dir;
    QString m_circle;
    QStringList m_colours;
};

void TestWidescreen::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("widescreen"));
    MessageBox::setAnswerHook([](const MessageBox::Request &) { return QDialogButtonBox::Yes; });
    m_circle = m_dir + QStringLiteral("/circle.png");
    QVERIFY(circlePhoto().save(m_circle));
    const QRgb colours[] = {qRgb(220, 30, 30), qRgb(30, 200, 30)};
    for (int i = 0; i < 2; ++i) {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(colours[i]);
        m_colours.append(m_dir + QStringLiteral("/colour%1.png").arg(i));
        QVERIFY(image.save(m_colours.last()));
    }
}

void TestWidescreen::addPhoto(Album &album, const QString &path)
{
    ImageInfo info;
    info.path = path;
    QVERIFY(probeImage(info, path));
    prepareImportedPhoto(info, false);
    album.photos.append(info);
}

QString TestWidescreen::makeDvd(const Album &album, const MakeRequest &base, const QString &name)
{
    MakeRequest request = base;
    request.album = album;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvd-") + name;
    request.tempBase = m_dir + QStringLiteral("/temp-") + name;
    MakeJob job;
    QSignalSpy finished(&job, &MakeJob::finished);
    if (!job.start(request) || !finished.wait(600000)) {
        qWarning("the run of %s did not end", qPrintable(name));
        return QString();
    }
    const JobResult result = finished.first().at(0).value<JobResult>();
    if (!result.ok()) {
        qWarning("the run of %s failed: %s", qPrintable(name), qPrintable(result.message));
        return QString();
    }
    return result.outputPath;
}

QImage TestWidescreen::render(const Album &album, const OutputFormat &format, int64_t frame)
{
    AVWriterManager writer;
    if (!writer.init(format))
        return QImage();
    Album copy = album;
    StoryBoardRender story;
    story.setAlbum(&copy);
    story.setFormat(format);
    story.renderFrame(int(frame), false, &writer);
    QImage out(format.width, format.height, QImage::Format_RGB32);
    if (!writer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.bits()))
        return QImage();
    return out;
}

void TestWidescreen::shapeFramingAndChapters_data()
{
    QTest::addColumn<TvStandard>("standard");
    QTest::addColumn<DvdAspect>("aspect");
    QTest::addColumn<PhotoFraming>("framing");
    QTest::addColumn<ChapterMarks>("chapters");
    QTest::newRow("PAL 16:9 fit") << TvStandard::Pal << DvdAspect::Wide << PhotoFraming::Fit
                                  << ChapterMarks::PerPhoto;
    QTest::newRow("NTSC 16:9 fill") << TvStandard::Ntsc << DvdAspect::Wide << PhotoFraming::Fill
                                    << ChapterMarks::PerPhoto;
    QTest::newRow("PAL 4:3 blur") << TvStandard::Pal << DvdAspect::Standard << PhotoFraming::Blur
                                  << ChapterMarks::PerPhoto;
    QTest::newRow("NTSC 4:3 fit, one chapter")
        << TvStandard::Ntsc << DvdAspect::Standard << PhotoFraming::Fit << ChapterMarks::None;
}

void TestWidescreen::shapeFramingAndChapters()
{
    QFETCH(TvStandard, standard);
    QFETCH(DvdAspect, aspect);
    QFETCH(PhotoFraming, framing);
    QFETCH(ChapterMarks, chapters);
    const bool wide = aspect == DvdAspect::Wide;
    // A red photo, the circle, a green photo: 2 s each, joined by 0.5 s
    // dissolves, no pan-and-zoom.
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    addPhoto(album, m_colours[0]);
    addPhoto(album, m_circle);
    addPhoto(album, m_colours[1]);
    album.setPhotoDurationExactMs(2000);
    album.setTransitionDurationExactMs(500);
    album.settings.useTransition = true;
    album.settings.dissolveOnly = true;
    album.settings.useDynamicEffect = false;
    album.settings.framing = framing;
    MakeRequest request;
    request.tvStandard = standard;
    request.aspect = aspect;
    request.chapters = chapters;
    const QString name = QString::fromLatin1(QTest::currentDataTag())
                             .replace(QLatin1Char(' '), QLatin1Char('-'))
                             .remove(QLatin1Char(','))
                             .remove(QLatin1Char(':'));
    const QString dvd = makeDvd(album, request, name);
    QVERIFY(!dvd.isEmpty());

    // The disc says the shape everywhere: the title set's video, the video
    // manager's menu, and (16:9) letterbox only on a 4:3 set.
    const DvdCheck::Disc disc = DvdCheck::read(dvd);
    QVERIFY2(disc.ok, qPrintable(disc.error));
    QCOMPARE(disc.titles.size(), 1);
    const DvdCheck::Title &title = disc.titles[0];
    QCOMPARE(title.aspect, wide ? 3 : 0);
    QCOMPARE(disc.menuAspect, wide ? 3 : 0);
    if (wide)
        QCOMPARE(title.permittedDisplay, 2);
    // ... and so does the stream itself, in every sequence header, as FFmpeg
    // reads it.
    const QString vob = m_dir + QLatin1Char('/') + name + QStringLiteral(".vob");
    QVERIFY(DvdCheck::extractTitleVobs(dvd, title.titleSet, vob));
    const QList<int> aspects = sequenceAspects(vob);
    QVERIFY(!aspects.isEmpty());
    QCOMPARE(aspects.count(wide ? 3 : 2), aspects.size());
    QCOMPARE(displayAspect(vob), wide ? QStringLiteral("16:9") : QStringLiteral("4:3"));

    const OutputFormat format = OutputFormat::forStandard(standard, aspect);
    const Timeline timeline = Timeline::of(album, format);
    const Pictures all = decodeLuma(vob, format.width, format.height);
    QCOMPARE(int64_t(all.luma.size()), timeline.totalFrames());

    // The chapters: one per photo, each cell beginning on the photo's first
    // frame alone (the transition into it ends the chapter before), counted
    // in decoded pictures; its first picture is the frame the writer drew
    // there, not the one before.
    const int expectedChapters = chapters == ChapterMarks::PerPhoto ? album.photos.size() : 1;
    QCOMPARE(title.partCount, expectedChapters);
    QCOMPARE(title.chapters.size(), expectedChapters);
    int64_t picturesBefore = 0;
    for (int k = 0; k < expectedChapters; ++k) {
        const DvdCheck::Chapter &chapter = title.chapters[k];
        const QString cellFile = vob + QStringLiteral(".cell%1").arg(k);
        QVERIFY(
            DvdCheck::extractSectors(dvd, title.titleSet, chapter.firstSector, chapter.lastSector, cellFile));
        const Pictures cell = decodeLuma(cellFile, format.width, format.height);
        QVERIFY(!cell.luma.isEmpty());
        QCOMPARE(picturesBefore, timeline.photoStart(k));
        if (k > 0) {
            const QImage at = render(album, format, timeline.photoStart(k));
            const QImage before = render(album, format, timeline.photoStart(k) - 1);
            QVERIFY(!at.isNull() && !before.isNull());
            const double onIt = lumaPsnr(cell, 0, at), onBefore = lumaPsnr(cell, 0, before);
            if (onIt < 30.0) {
                // For a person to look at: the decoded picture and the frame drawn there.
                QImage decoded(reinterpret_cast<const uchar *>(cell.luma[0].constData()), cell.width,
                               cell.height, QImage::Format_Grayscale8);
                decoded.save(cellFile + QStringLiteral("-decoded.png"));
                at.save(cellFile + QStringLiteral("-drawn.png"));
            }
            QVERIFY2(
                onIt >= 30.0 && onIt > onBefore + 3.0,
                qPrintable(QStringLiteral("chapter %1: %2 dB against its frame, %3 dB against the one before")
                               .arg(k + 1)
                               .arg(onIt)
                               .arg(onBefore)));
        }
        picturesBefore += cell.luma.size();
    }
    QCOMPARE(picturesBefore, timeline.totalFrames());

    // The circle photo's middle frame: the disc is round on screen (its
    // width in stored pixels widened to the display shape).
    const int middle = int((timeline.photoStart(1) + timeline.transitionStart(1)) / 2);
    const auto [across, down] = discExtent(all, middle);
    const double shownAcross = across / format.squeeze();
    QVERIFY2(
        std::abs(shownAcross / down - 1.0) <= 0.03,
        qPrintable(QStringLiteral("the disc is %1 wide and %2 tall on screen").arg(shownAcross).arg(down)));

    // Beside the portrait photo: black bars (fit), the photo itself (fill),
    // or a soft, darkened copy of it (blur): not black, and far smoother
    // than the photo's own stripes.
    const int barWidth = int(format.width * 0.15);
    const QRect left(4, 8, barWidth, format.height - 16);
    const QRect right(format.width - 4 - barWidth, 8, barWidth, format.height - 16);
    const auto photoStripes = lumaStats(all, middle, QRect(format.width / 2 - 20, 8, 40, 40));
    for (const QRect &bar : {left, right}) {
        const auto [mean, deviation] = lumaStats(all, middle, bar);
        switch (framing) {
        case PhotoFraming::Fit:
            QVERIFY2(mean < 20.0 && deviation < 3.0, qPrintable(QString::number(mean)));
            break;
        case PhotoFraming::Fill:
            QVERIFY2(mean > 40.0 && deviation > 20.0, qPrintable(QString::number(mean)));
            break;
        case PhotoFraming::Blur:
            QVERIFY2(mean > 30.0 && deviation < photoStripes.second / 4,
                     qPrintable(QStringLiteral("mean %1, deviation %2 (the photo's %3)")
                                    .arg(mean)
                                    .arg(deviation)
                                    .arg(photoStripes.second)));
            break;
        }
    }
    // Fill leaves no bar above or below either.
    if (framing == PhotoFraming::Fill) {
        QVERIFY(lumaStats(all, middle, QRect(8, 1, format.width - 16, 3)).first > 40.0);
        QVERIFY(lumaStats(all, middle, QRect(8, format.height - 4, format.width - 16, 3)).first > 40.0);
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.initSettings();
    TestWidescreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_widescreen.moc"
