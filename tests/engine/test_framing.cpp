// The output geometry: frames of a DVD's non-square pixels composed for
// the shape they are shown in (4:3 and 16:9, PAL and NTSC), at the stored
// height. A circle stays round on screen, still or moving, drawn flat or in
// perspective; a still photo is the photo scaled once, straight to its
// stored size; and each framing (fit, fill, blurred backdrop) places the
// photo where it should, with the backdrop made once per photo.

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QtTest>

#include "engine/avwritermanager.h"
#include "engine/photoframing.h"
#include "engine/storyboardrender.h"
#include "enginetestutil.h"
#include "testsupport.h"

#include <cmath>

using namespace EngineTest;

namespace {

struct Shape {
    TvStandard standard;
    DvdAspect aspect;
};

// A square photo: a white disc (radius 0.35 of the side) on dark grey.
QImage discPhoto(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(40, 40, 40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(side / 2.0, side / 2.0), side * 0.35, side * 0.35);
    return image;
}

// The disc's width and height in a frame (stored pixels), each pixel
// counted by its brightness share, along the rows and columns through the
// disc's centre of brightness.
QSizeF discSize(const QImage &frame)
{
    auto share = [&](int x, int y) { return std::clamp((qGray(frame.pixel(x, y)) - 40) / 215.0, 0.0, 1.0); };
    double sx = 0, sy = 0, total = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const double s = share(x, y);
            sx += s * x;
            sy += s * y;
            total += s;
        }
    if (total <= 0)
        return QSizeF();
    const int cx = int(std::lround(sx / total)), cy = int(std::lround(sy / total));
    double across = 0, down = 0;
    for (int x = 0; x < frame.width(); ++x)
        across += share(x, cy);
    for (int y = 0; y < frame.height(); ++y)
        down += share(cx, y);
    return QSizeF(across, down);
}

} // namespace

class TestFraming : public QObject
{
    Q_OBJECT
private:
    QString m_dir;
    QString m_disc;
    QString m_detail;

    // Frame f of the album drawn by the writer's drawer (rows top-down).
    static QImage render(Album &album, const OutputFormat &format, int frame)
    {
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(format);
        AVWriterManager writer;
        if (!writer.init(format)) {
            qWarning() << writer.errorString();
            return QImage();
        }
        story.renderFrame(frame, false, &writer);
        QImage out(format.width, format.height, QImage::Format_RGB32);
        if (!writer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.bits()))
            return QImage();
        return out;
    }

    static Album stillAlbum(const QString &photo, PhotoFraming framing)
    {
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.settings.framing = framing;
        ImageInfo info = photoInfo(photo);
        const QSize size = QImageReader(photo).size();
        info.width = size.width();
        info.height = size.height();
        album.photos.append(info);
        return album;
    }

private slots:
    void initTestCase()
    {
        m_dir = TestSupport::freshDir(QStringLiteral("framing"));
        m_disc = m_dir + QStringLiteral("/disc.png");
        QVERIFY(discPhoto(800).save(m_disc));
        m_detail = m_dir + QStringLiteral("/detail.png");
        QVERIFY(posterImage(2000, 1500, 7).save(m_detail));
    }

    // The DVD frames: stored size, shape on screen, and the unit of the
    // pan-and-zoom keys (pixels of a 720 x 540 frame).
    void dvdFrames()
    {
        const OutputFormat palWide = OutputFormat::forStandard(TvStandard::Pal, DvdAspect::Wide);
        QCOMPARE(QSize(palWide.width, palWide.height), QSize(720, 576));
        QCOMPARE(palWide.displayWidth(), 1024.0);
        QCOMPARE(palWide.squeeze(), 720.0 / 1024.0);
        QCOMPARE(palWide.motionUnit(), 576.0 / 540.0);
        const OutputFormat pal = OutputFormat::forStandard(TvStandard::Pal, DvdAspect::Standard);
        QCOMPARE(pal.displayWidth(), 768.0);
        QCOMPARE(pal.motionUnit(), 576.0 / 540.0);
        const OutputFormat ntscWide = OutputFormat::forStandard(TvStandard::Ntsc, DvdAspect::Wide);
        QCOMPARE(QSize(ntscWide.width, ntscWide.height), QSize(720, 480));
        QCOMPARE(ntscWide.frameRateNum, 30000);
        QVERIFY(std::abs(ntscWide.displayWidth() - 853.333) < 0.001);
        // A square 720 x 540 frame is the keys' own.
        QCOMPARE(OutputFormat().displayWidth(), 720.0);
        QCOMPARE(OutputFormat().motionUnit(), 1.0);
        // A portrait frame narrower than 4:3 scales the keys with its width.
        OutputFormat portrait;
        portrait.width = 1080;
        portrait.height = 1920;
        portrait.aspectNum = 9;
        portrait.aspectDen = 16;
        QCOMPARE(portrait.motionUnit(), 1080.0 / 720.0);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<int>("aspect");
        QTest::addColumn<QRect>("fitTarget");
        QTest::addColumn<QRect>("fillSource");
        // PAL 16:9 (1024 x 576 shown): a 4:3 photo fits 768 shown = 540
        // stored pixels wide; filled, its middle 16:9 band is shown.
        QTest::newRow("4:3 photo, 16:9") << QSize(4000, 3000) << int(DvdAspect::Wide)
                                         << QRect(90, 0, 540, 576) << QRect(0, 375, 4000, 2250);
        // A portrait phone photo in 16:9: a narrow column, or its middle.
        QTest::newRow("9:16 photo, 16:9") << QSize(1080, 1920) << int(DvdAspect::Wide)
                                          << QRect(246, 0, 228, 576) << QRect(0, 656, 1080, 608);
        // A 16:9 photo in 4:3 (768 x 576 shown): letterboxed.
        QTest::newRow("16:9 photo, 4:3") << QSize(1920, 1080) << int(DvdAspect::Standard)
                                         << QRect(0, 72, 720, 432) << QRect(240, 0, 1440, 1080);
        // Same shape: the whole frame both ways.
        QTest::newRow("4:3 photo, 4:3") << QSize(1600, 1200) << int(DvdAspect::Standard)
                                        << QRect(0, 0, 720, 576) << QRect(0, 0, 1600, 1200);
    }

    void placement()
    {
        QFETCH(QSize, photo);
        QFETCH(int, aspect);
        QFETCH(QRect, fitTarget);
        QFETCH(QRect, fillSource);
        const OutputFormat frame = OutputFormat::forStandard(TvStandard::Pal, DvdAspect(aspect));
        const Framing::Placement fit = Framing::place(photo, frame, PhotoFraming::Fit);
        QCOMPARE(fit.source, QRect(QPoint(0, 0), photo));
        QCOMPARE(fit.target, fitTarget);
        QCOMPARE(Framing::place(photo, frame, PhotoFraming::Blur).target, fitTarget);
        const Framing::Placement fill = Framing::place(photo, frame, PhotoFraming::Fill);
        QCOMPARE(fill.source, fillSource);
        QCOMPARE(fill.target, QRect(0, 0, 720, 576));
    }

    // A still photo in the frame is the photo scaled once, with a Lanczos
    // filter, straight to its stored size: against FFmpeg's own Lanczos
    // scaling of the file to that size, the frame's picture is within
    // rounding (a frame composed square and resampled to 576 rows was some
    // 7 dB further off).
    void stillIsOneDirectScale_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("aspect");
        QTest::newRow("PAL 16:9") << int(TvStandard::Pal) << int(DvdAspect::Wide);
        QTest::newRow("PAL 4:3") << int(TvStandard::Pal) << int(DvdAspect::Standard);
        QTest::newRow("NTSC 16:9") << int(TvStandard::Ntsc) << int(DvdAspect::Wide);
    }

    void stillIsOneDirectScale()
    {
        QFETCH(int, standard);
        QFETCH(int, aspect);
        const OutputFormat format = OutputFormat::forStandard(TvStandard(standard), DvdAspect(aspect));
        Album album = stillAlbum(m_detail, PhotoFraming::Fit);
        const QImage frame = render(album, format, 10);
        QVERIFY(!frame.isNull());
        const QRect target = Framing::place(QSize(2000, 1500), format, PhotoFraming::Fit).target;
        const QString scaled = m_dir + QStringLiteral("/lanczos-%1.png").arg(QTest::currentDataTag());
        QVERIFY(TestSupport::ffmpeg(
            {"-i", m_detail, "-vf",
             QStringLiteral("scale=%1:%2:flags=lanczos").arg(target.width()).arg(target.height()), "-pix_fmt",
             "rgb24", scaled}));
        const QImage reference = QImage(scaled).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(reference.size(), target.size());
        const double db = psnr(frame.copy(target), reference);
        qInfo("PSNR %.1f dB against a direct Lanczos scale", db);
        QVERIFY2(db >= 40.0, qPrintable(QStringLiteral("%1 dB").arg(db)));
        // The bars beside it are black.
        if (target.x() > 0)
            QCOMPARE(frame.pixel(target.x() / 2, format.height / 2) & 0xFFFFFF, 0u);
    }

    // The disc is round on screen in every DVD shape, still, moved toward
    // the viewer (the flat path shared with the processor's compositor) and
    // drawn in perspective (a turned layer, here turned by nothing).
    void circleStaysRound_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("aspect");
        QTest::addColumn<MotionKey>("key");
        const MotionKey none{0, {0.f, 0.f, 0.f, 0.f}};
        const MotionKey zoomed{0, {30.f, -12.f, 80.f, 0.f}};
        const MotionKey turned{1, {0.f, 0.f, 0.f, 1.f}};
        for (const auto &[name, shape] :
             {std::pair{"PAL 16:9", Shape{TvStandard::Pal, DvdAspect::Wide}},
              std::pair{"NTSC 16:9", Shape{TvStandard::Ntsc, DvdAspect::Wide}},
              std::pair{"PAL 4:3", Shape{TvStandard::Pal, DvdAspect::Standard}},
              std::pair{"NTSC 4:3", Shape{TvStandard::Ntsc, DvdAspect::Standard}}}) {
            QTest::addRow("%s still", name) << int(shape.standard) << int(shape.aspect) << none;
            QTest::addRow("%s zoomed", name) << int(shape.standard) << int(shape.aspect) << zoomed;
            QTest::addRow("%s perspective", name) << int(shape.standard) << int(shape.aspect) << turned;
        }
    }

    void circleStaysRound()
    {
        QFETCH(int, standard);
        QFETCH(int, aspect);
        QFETCH(MotionKey, key);
        const OutputFormat format = OutputFormat::forStandard(TvStandard(standard), DvdAspect(aspect));
        Album album = stillAlbum(m_disc, PhotoFraming::Fit);
        album.settings.useDynamicEffect = true;
        album.photos[0].motionStart = album.photos[0].motionEnd = key;
        const QImage frame = render(album, format, 5);
        QVERIFY(!frame.isNull());
        const QSizeF stored = discSize(frame);
        QVERIFY(stored.isValid());
        const double shownWidth = stored.width() / format.squeeze();
        QVERIFY2(std::abs(shownWidth / stored.height() - 1.0) <= 0.02,
                 qPrintable(QStringLiteral("%1 x %2 on screen").arg(shownWidth).arg(stored.height())));
        // The disc is 0.7 of the frame's height, moved closer when zoomed.
        const double expected =
            0.7 * format.height * (key.kind == 0 && key.values[2] > 0 ? 720.0 / 640.0 : 1.0);
        QVERIFY2(std::abs(stored.height() / expected - 1.0) <= 0.03,
                 qPrintable(QString::number(stored.height())));
    }

    // Each framing of a portrait photo in a 16:9 frame: bars, no bars, or
    // a soft, darkened copy of the photo beside it; the photo itself is the
    // same in fit and blur.
    void framingsOfAPortraitPhoto()
    {
        const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal, DvdAspect::Wide);
        const QString portrait = m_dir + QStringLiteral("/portrait.png");
        QVERIFY(posterImage(900, 1600, 4).save(portrait));
        Album fitAlbum = stillAlbum(portrait, PhotoFraming::Fit);
        Album fillAlbum = stillAlbum(portrait, PhotoFraming::Fill);
        Album blurAlbum = stillAlbum(portrait, PhotoFraming::Blur);
        const QImage fit = render(fitAlbum, format, 3), fill = render(fillAlbum, format, 3),
                     blur = render(blurAlbum, format, 3);
        QVERIFY(!fit.isNull() && !fill.isNull() && !blur.isNull());
        const QRect photo = Framing::place(QSize(900, 1600), format, PhotoFraming::Fit).target;
        const QRect bar(0, 0, photo.x() - 1, format.height);
        auto stats = [](const QImage &image, const QRect &r) {
            double sum = 0, squares = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const double g = qGray(image.pixel(x, y));
                    sum += g;
                    squares += g * g;
                }
            const double n = double(r.width()) * r.height();
            return std::pair{sum / n, std::sqrt(std::max(0.0, squares / n - (sum / n) * (sum / n)))};
        };
        QCOMPARE(stats(fit, bar).first, 0.0);
        const auto [fillMean, fillDeviation] = stats(fill, bar);
        QVERIFY(fillMean > 20.0);
        const auto [blurMean, blurDeviation] = stats(blur, bar);
        const double photoDeviation = stats(fit, photo).second;
        QVERIFY2(blurMean > 10.0 && blurMean < stats(fit, photo).first,
                 qPrintable(QString::number(blurMean)));
        QVERIFY2(blurDeviation < photoDeviation / 2,
                 qPrintable(QStringLiteral("%1 against %2").arg(blurDeviation).arg(photoDeviation)));
        QVERIFY(psnr(fit.copy(photo), blur.copy(photo)) > 50.0);
        // Fill shows the photo's middle across the whole frame.
        QVERIFY(stats(fill, QRect(0, 0, format.width, 4)).first > 20.0);
    }

    // A photo decoded before its storyboard exists (the command line starts
    // the first photo while the music's loudness is measured) gives the
    // frame that the storyboard's own decode gives; a decode in another
    // framing or of another format is not taken for it.
    void photoDecodedEarly()
    {
        const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal, DvdAspect::Wide);
        const QString portrait = m_dir + QStringLiteral("/early.png");
        QVERIFY(posterImage(900, 1600, 6).save(portrait));
        Album album = stillAlbum(portrait, PhotoFraming::Fit);
        const QImage reference = render(album, format, 3);
        QVERIFY(!reference.isNull());
        StoryBoardRender::decodeEarly(album.photos.first(), format, PhotoFraming::Fit);
        QVERIFY(render(album, format, 3) == reference);
        StoryBoardRender::decodeEarly(album.photos.first(), format, PhotoFraming::Fill);
        QVERIFY(render(album, format, 3) == reference);
        StoryBoardRender::decodeEarly(album.photos.first(),
                                      OutputFormat::forStandard(TvStandard::Ntsc, DvdAspect::Wide),
                                      PhotoFraming::Fit);
        QVERIFY(render(album, format, 3) == reference);
    }

    // The backdrop is made with the photo's picture, once: frames drawn
    // over the whole show decode each photo once, in any framing.
    void backdropMadeOncePerPhoto()
    {
        const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal, DvdAspect::Wide);
        Album album = stillAlbum(m_detail, PhotoFraming::Blur);
        album.photos.append(album.photos[0]);
        album.photos[1].path = m_disc;
        album.setPhotoDurationExactMs(1000);
        album.setTransitionDurationExactMs(500);
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(format);
        AVWriterManager writer;
        QVERIFY(writer.init(format));
        for (int f = 0; f < story.totalFrames(); ++f)
            story.renderFrame(f, false, &writer);
        QCOMPARE(story.photoDecodeCount(), 2);
    }
};

ENGINE_DRAWING_TEST_MAIN(TestFraming)

#include "test_framing.moc"
