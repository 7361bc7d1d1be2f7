// Pixel tests of the drawing core through the storyboard on the off-screen
// EGL context, read back as the writer reads.

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QtTest>

#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "enginetestutil.h"
#include "testsupport.h"

#include <cmath>

using namespace EngineTest;

class TestDrawer : public QObject
{
    Q_OBJECT
private:
    QString m_dir;
    // Renders frame f of the album through a writer-style drawer (flipRows)
    // and returns the read-back frame, top row first.
    QImage renderAlbum(Album &album, int frame)
    {
        StoryBoardRender story;
        story.setAlbum(&album);
        // A square-pixel 720 x 540 frame at 25 fps: the drawing's own
        // geometry, without a DVD's anamorphic squeeze.
        story.setFormat(OutputFormat());
        AVWriterManager writer;
        if (!writer.init(story.format())) {
            qWarning() << writer.errorString();
            return QImage();
        }
        story.renderFrame(frame, false, &writer);
        QImage out(720, 540, QImage::Format_ARGB32);
        writer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.bits());
        return out;
    }
    QString savePhoto(const QImage &image, const QString &name)
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        image.save(path, "PNG");
        return path;
    }

private slots:
    void initTestCase() { m_dir = TestSupport::freshDir(QStringLiteral("drawer")); }

    // Runs first: the off-screen display is created once per process.
    // Beside a window's context made before it (the editor's preview), the
    // off-screen renderer gets one software rasteriser thread, the window
    // keeps the driver's default, and the process environment is left as it
    // was.
    void rasteriserThreads()
    {
        if (qEnvironmentVariableIsSet("LP_NUM_THREADS"))
            QSKIP("LP_NUM_THREADS is set by the caller");
        auto rasteriserThreadCount = [] {
            int n = 0;
            const QStringList tasks =
                QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString &task : tasks) {
                QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
                if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("llvmpipe-"))
                    ++n;
            }
            return n;
        };
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext window;
        const bool windowGL = window.create() && window.makeCurrent(&surface);
        const int before = rasteriserThreadCount();
        if (windowGL)
            window.doneCurrent();
        OffscreenGLDrawer drawer;
        QVERIFY2(drawer.createContext(), qPrintable(drawer.glError()));
        if (!drawer.rendererName().startsWith(QLatin1String("llvmpipe")))
            QSKIP("not Mesa's software rasteriser");
        QCOMPARE(rasteriserThreadCount() - before, 1);
        QVERIFY(!qEnvironmentVariableIsSet("LP_NUM_THREADS"));
        if (windowGL && QThread::idealThreadCount() > 1)
            QVERIFY(before > 1);
    }

    void contextWithoutDisplay()
    {
        OffscreenGLDrawer drawer;
        QVERIFY2(drawer.createContext(), qPrintable(drawer.glError()));
        qInfo() << "renderer:" << drawer.rendererName();
        QVERIFY(drawer.initTextures(720, 540, 2, true));
    }

    void emptyAlbumIsBlack()
    {
        Album album(QString{});
        const QImage frame = renderAlbum(album, 0);
        QVERIFY(!frame.isNull());
        for (int y = 0; y < frame.height(); y += 7) {
            for (int x = 0; x < frame.width(); x += 7)
                QCOMPARE(frame.pixel(x, y) & 0xFFFFFF, 0u);
        }
    }

    void orientation_data()
    {
        QTest::addColumn<int>("code");
        // Expected colours of the shown picture's quadrants: TL, TR, BL, BR
        // (R red, G green, B blue, Y yellow) for the source R G / B Y.
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 unchanged") << 0 << "RGBY";
        QTest::newRow("1 flipped") << 1 << "BYRG";
        QTest::newRow("2 mirrored") << 2 << "GRYB";
        QTest::newRow("3 rotated 180") << 3 << "YBGR";
        QTest::newRow("4 cw flipped") << 4 << "YGBR";
        QTest::newRow("5 cw rotated 180") << 5 << "GYRB";
        QTest::newRow("6 cw") << 6 << "BRYG";
        QTest::newRow("7 cw mirrored") << 7 << "RBGY";
    }

    void orientation()
    {
        QFETCH(int, code);
        QFETCH(QString, expected);
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.photos.append(photoInfo(savePhoto(quadrantImage(), QStringLiteral("quadrants.png")), code));
        const QImage frame = renderAlbum(album, 0);
        QVERIFY(!frame.isNull());
        // The shown area: the whole frame, or 405 x 540 centred when turned.
        const bool turned = code >= 4;
        const int w = turned ? 405 : 720;
        const int x0 = (720 - w) / 2;
        const QPoint points[4] = {
            {x0 + w / 4, 135}, {x0 + 3 * w / 4, 135}, {x0 + w / 4, 405}, {x0 + 3 * w / 4, 405}};
        auto colourOf = [](QChar c) {
            switch (c.toLatin1()) {
            case 'R':
                return QColor(255, 0, 0);
            case 'G':
                return QColor(0, 255, 0);
            case 'B':
                return QColor(0, 0, 255);
            default:
                return QColor(255, 255, 0);
            }
        };
        for (int i = 0; i < 4; ++i) {
            const QColor got = frame.pixelColor(points[i]);
            QVERIFY2(near(got, colourOf(expected[i]), 8),
                     qPrintable(QStringLiteral("quadrant %1: got %2").arg(i).arg(got.name())));
        }
        if (turned) {
            QCOMPARE(frame.pixel(50, 270) & 0xFFFFFF, 0u); // pillar-box bars of the turned photo
            QCOMPARE(frame.pixel(670, 270) & 0xFFFFFF, 0u);
        }
    }

    void motionKinds_data()
    {
        QTest::addColumn<MotionKey>("key");
        QTest::addColumn<QString>("expected");
        // Kind 1 turns the layer about an axis, seen in perspective.
        QTest::newRow("half turn about z") << MotionKey{1, {180.f, 0.f, 0.f, 1.f}} << "YBGR";
        QTest::newRow("half turn about y") << MotionKey{1, {180.f, 0.f, 1.f, 0.f}} << "GRYB";
        // Kind 0 moves it; any other kind applies nothing (and logs).
        QTest::newRow("moved toward the viewer") << MotionKey{0, {0.f, 0.f, 60.f, 0.f}} << "RGBY";
        QTest::newRow("unknown kind") << MotionKey{5, {180.f, 0.f, 0.f, 1.f}} << "RGBY";
    }

    void motionKinds()
    {
        QFETCH(MotionKey, key);
        QFETCH(QString, expected);
        Album album(QString{});
        album.settings.useDynamicEffect = true;
        ImageInfo photo = photoInfo(savePhoto(quadrantImage(), QStringLiteral("kinds.png")));
        photo.motionStart = photo.motionEnd = key;
        album.photos.append(photo);
        if (key.kind > 1)
            QTest::ignoreMessage(QtWarningMsg, "Don't know what kind FX it is!");
        const QImage frame = renderAlbum(album, 0);
        const QPoint points[4] = {{180, 135}, {540, 135}, {180, 405}, {540, 405}};
        const QString colours = QStringLiteral("RGBY");
        const QColor palette[4] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255),
                                   QColor(255, 255, 0)};
        for (int i = 0; i < 4; ++i) {
            const QColor want = palette[colours.indexOf(expected[i])];
            const QColor got = frame.pixelColor(points[i]);
            QVERIFY2(near(got, want, 8),
                     qPrintable(QStringLiteral("quadrant %1: got %2").arg(i).arg(got.name())));
        }
    }

    void dissolveHalfway()
    {
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.settings.dissolveOnly = true;
        album.setPhotoDurationExactMs(1000);
        album.setTransitionDurationExactMs(400);
        const QColor a(200, 40, 10), b(20, 100, 240);
        album.photos.append(photoInfo(savePhoto(solidImage(a), QStringLiteral("a.png"))));
        album.photos.append(photoInfo(savePhoto(solidImage(b), QStringLiteral("b.png"))));
        // P = 25 frames, span 10 frames: frame 30 is E = 0.5.
        const QImage frame = renderAlbum(album, 30);
        const QColor mid((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
        for (const QPoint &p : {QPoint(360, 270), QPoint(10, 10), QPoint(700, 530)})
            QVERIFY2(near(frame.pixelColor(p), mid, 3), qPrintable(frame.pixelColor(p).name()));
    }

    void maskedWipe_data()
    {
        QTest::addColumn<double>("progress");
        QTest::newRow("E=0") << 0.0;
        QTest::newRow("E=0.5") << 0.5;
        QTest::newRow("E=1") << 1.0;
    }

    void maskedWipe()
    {
        QFETCH(double, progress);
        OffscreenGLDrawer drawer;
        QVERIFY(drawer.initTextures(720, 540, 2, true));
        const QColor a(250, 0, 0), b(0, 0, 250);
        std::vector<uint8_t> pa(720 * 540 * 4), pb(720 * 540 * 4), mask(720 * 540);
        for (int i = 0; i < 720 * 540; ++i) {
            pa[4 * i + 0] = uint8_t(a.blue());
            pa[4 * i + 1] = uint8_t(a.green());
            pa[4 * i + 2] = uint8_t(a.red());
            pa[4 * i + 3] = 255;
            pb[4 * i + 0] = uint8_t(b.blue());
            pb[4 * i + 1] = uint8_t(b.green());
            pb[4 * i + 2] = uint8_t(b.red());
            pb[4 * i + 3] = 255;
        }
        // Mask level = column / 2 for the first 512 columns, 255 beyond.
        for (int y = 0; y < 540; ++y)
            for (int x = 0; x < 720; ++x)
                mask[size_t(y) * 720 + x] = uint8_t(std::min(255, x / 2));
        const std::vector<uint8_t> before = pb;
        drawer.beginFrame();
        drawer.uploadPicture(0, pa.data());
        drawer.uploadMasked(1, 1.0 - progress, 0.1, mask.data(), pb.data());
        drawer.drawLayer(0, 0, nullptr);
        drawer.drawLayer(1, 0, nullptr);
        QVERIFY(drawer.endFrame());
        QVERIFY(pb == before); // the caller's picture keeps its alpha
        std::vector<uint8_t> out(720 * 540 * 4);
        QVERIFY(drawer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.data()));
        auto at = [&](int level) { return pixelAt(out.data(), 720, level * 2 + 1, 270); };
        auto mix = [&](double t) {
            return QColor(int(a.red() * (1 - t) + b.red() * t), int(a.green() * (1 - t) + b.green() * t),
                          int(a.blue() * (1 - t) + b.blue() * t));
        };
        if (progress == 0.0) {
            // Only pure white shows the incoming photo.
            QVERIFY(near(at(50), a, 2));
            QVERIFY(near(at(254), a, 2));
            QVERIFY(near(pixelAt(out.data(), 720, 600, 270), b, 2));
        } else if (progress == 1.0) {
            QVERIFY(near(at(0), b, 2));
            QVERIFY(near(at(128), b, 2));
            QVERIFY(near(pixelAt(out.data(), 720, 600, 270), b, 2));
        } else {
            // Levels below 102 hide it, above 153 show it fully, linear between.
            QVERIFY(near(at(50), a, 2));
            QVERIFY(near(at(101), a, 2));
            QVERIFY(near(at(154), b, 2));
            QVERIFY(near(at(230), b, 2));
            const double t = (127 - 102) / 51.0; // ramp at level 127
            QVERIFY2(near(at(127), mix(t), 4), qPrintable(at(127).name()));
        }
    }

    void dynamicEffectMovesAndEnlarges()
    {
        // A black photo with a red square in the middle.
        QImage image = solidImage(Qt::black);
        QPainter(&image).fillRect(310, 220, 100, 100, QColor(255, 0, 0));
        Album album(QString{});
        album.settings.useDynamicEffect = true;
        album.setPhotoDurationExactMs(2000);
        album.setTransitionDurationExactMs(400);
        ImageInfo photo = photoInfo(savePhoto(image, QStringLiteral("square.png")));
        photo.motionStart = MotionKey{0, {-25.f, -12.5f, 50.f, 0.f}};
        photo.motionEnd = MotionKey{0, {25.f, 12.5f, 100.f, 0.f}};
        album.photos.append(photo);
        auto box = [](const QImage &frame) {
            QRect r;
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    if (qRed(frame.pixel(x, y)) > 128 && qGreen(frame.pixel(x, y)) < 64)
                        r = r.united(QRect(x, y, 1, 1));
            return r;
        };
        const QRect early = box(renderAlbum(album, 0));
        const QRect late = box(renderAlbum(album, 49));
        QVERIFY(early.isValid() && late.isValid());
        QVERIFY2(late.width() > early.width() + 2,
                 qPrintable(QStringLiteral("%1 -> %2").arg(early.width()).arg(late.width())));
        QVERIFY(late.center().x() > early.center().x() + 10);
        // A positive vertical offset moves the photo down in the written video.
        QVERIFY(late.center().y() > early.center().y() + 4);
        // Without the effect the square stays at 100 x 100 in the centre.
        album.settings.useDynamicEffect = false;
        const QRect still = box(renderAlbum(album, 0));
        QVERIFY(std::abs(still.width() - 100) <= 1);
        QVERIFY(std::abs(still.center().x() - 360) <= 1);
    }

    void pillarAndLetterBox()
    {
        OffscreenGLDrawer drawer;
        QVERIFY(drawer.initTextures(720, 540, 2, false));
        std::vector<uint8_t> white(720 * 540 * 4, 255);
        drawer.beginFrame();
        drawer.uploadPicture(0, white.data());
        drawer.drawLayer(0, 0, nullptr);
        // Wider than 4:3: bars left and right.
        QVERIFY(drawer.resizeSurface(960, 540));
        QVERIFY(drawer.endFrame());
        std::vector<uint8_t> out(960 * 720 * 4);
        QVERIFY(drawer.readSurface(GL_BGRA, GL_UNSIGNED_BYTE, out.data()));
        QVERIFY(near(pixelAt(out.data(), 960, 60, 270), Qt::black, 0));
        QVERIFY(near(pixelAt(out.data(), 960, 900, 270), Qt::black, 0));
        QVERIFY(near(pixelAt(out.data(), 960, 125, 270), Qt::white, 2));
        QVERIFY(near(pixelAt(out.data(), 960, 835, 270), Qt::white, 2));
        // Taller: bars above and below (720 x 720: picture rows 90..629).
        QVERIFY(drawer.resizeSurface(720, 720));
        drawer.beginFrame();
        drawer.drawLayer(0, 0, nullptr);
        QVERIFY(drawer.endFrame());
        QVERIFY(drawer.readSurface(GL_BGRA, GL_UNSIGNED_BYTE, out.data()));
        QVERIFY(near(pixelAt(out.data(), 720, 360, 40), Qt::black, 0));
        QVERIFY(near(pixelAt(out.data(), 720, 360, 680), Qt::black, 0));
        QVERIFY(near(pixelAt(out.data(), 720, 360, 95), Qt::white, 2));
        QVERIFY(near(pixelAt(out.data(), 720, 360, 624), Qt::white, 2));
    }

    void maskRamp()
    {
        GLDrawCore core;
        core.buildMaskRamp(0.5, 0.1);
        QCOMPARE(core.maskRamp()[101], 0.0);
        QCOMPARE(core.maskRamp()[153], 255.0);
        QVERIFY(core.maskRamp()[127] > 100 && core.maskRamp()[127] < 140);
        core.buildMaskRamp(1.0, 0.1);
        QCOMPARE(core.maskRamp()[254], 0.0);
        QCOMPARE(core.maskRamp()[255], 255.0);
    }

    void oneDrawerForTwoStoryboards()
    {
        // A drawer skips uploading a picture its slot already holds; the
        // photos of another storyboard must never pass for it.
        AVWriterManager writer;
        QVERIFY(writer.init(OutputFormat()));
        const QColor colours[2] = {QColor(220, 30, 30), QColor(30, 30, 220)};
        for (int i = 0; i < 2; ++i) {
            Album album(QString{});
            album.settings.useDynamicEffect = false;
            album.photos.append(
                photoInfo(savePhoto(solidImage(colours[i]), QStringLiteral("story%1.png").arg(i))));
            StoryBoardRender story;
            story.setAlbum(&album);
            story.setFormat(OutputFormat());
            story.renderFrame(0, false, &writer);
            std::vector<uint8_t> out(720 * 540 * 4);
            QVERIFY(writer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.data()));
            QVERIFY2(near(pixelAt(out.data(), 720, 360, 270), colours[i], 3), qPrintable(colours[i].name()));
        }
    }

    void undecodablePhotoIsBlack()
    {
        QFile f(m_dir + QStringLiteral("/broken.jpg"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.photos.append(photoInfo(f.fileName()));
        const QImage frame = renderAlbum(album, 0);
        QCOMPARE(frame.pixel(360, 270) & 0xFFFFFF, 0u);
        QCOMPARE(frame.pixel(5, 5) & 0xFFFFFF, 0u);
    }

    // A photo far larger than the frame is decoded at a reduced size (the
    // JPEG decoder's own scaling) and then scaled smoothly: the frame keeps
    // the look of a full decode, upright and turned a quarter.
    void largeJpegKeepsItsLook_data()
    {
        QTest::addColumn<int>("code");
        QTest::addRow("upright") << 0;
        QTest::addRow("turned") << 6;
    }

    void largeJpegKeepsItsLook()
    {
        QFETCH(int, code);
        const QString path = m_dir + QStringLiteral("/large.jpg");
        if (!QFileInfo::exists(path))
            QVERIFY(posterImage(3600, 2700, 9).save(path, "JPEG", 95));
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.photos.append(photoInfo(path, code));
        const QImage frame = renderAlbum(album, 10).convertToFormat(QImage::Format_RGB32);
        QImage full(path);
        QVERIFY(!full.isNull());
        if (code > 3)
            full = full.transformed(QTransform().rotate(90));
        full = full.scaled(720, 540, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QImage expected(720, 540, QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter(&expected).drawImage((720 - full.width()) / 2, (540 - full.height()) / 2, full);
        const double db = psnr(frame, expected);
        qInfo("PSNR %.1f dB against a full decode", db);
        QVERIFY2(db >= 40.0, qPrintable(QString::number(db)));
    }

    void photoCache()
    {
        StoryBoardRender story;
        Album album(QString{});
        story.setAlbum(&album);
        story.setFormat(OutputFormat());
        const QString path = savePhoto(quadrantImage(), QStringLiteral("cache.png"));
        const Picture *a = story.photoPicture(photoInfo(path, 2));
        const Picture *b = story.photoPicture(photoInfo(path, 0));
        QCOMPARE(a, b); // same key: path + "0"
        story.photoPicture(photoInfo(path, 5));
        QCOMPARE(story.photoCacheSize(), 2);
        QCOMPARE(story.photoDecodeCount(), 2);
        // 40 distinct keys (files that do not exist: black pictures): at
        // most 32 entries.
        QLoggingCategory::setFilterRules(QStringLiteral("sorvel.storyboard.warning=false"));
        for (int i = 0; i < 40; ++i)
            story.photoPicture(photoInfo(path + QStringLiteral("?%1").arg(i)));
        QCOMPARE(story.photoCacheSize(), 32);
        QLoggingCategory::setFilterRules(QString());
    }
};

ENGINE_DRAWING_TEST_MAIN(TestDrawer)

#include "test_drawer.moc"
