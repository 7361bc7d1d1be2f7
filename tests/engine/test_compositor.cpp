// The frames composed on the processor against the same frames drawn by
// OpenGL (Mesa on this machine): layers zoomed in and out, moved partly
// off the frame, mirrored, dissolving and wiped with a mask; the vector
// loop against the portable one; frames that need OpenGL after all.

#include <QGuiApplication>
#include <QtTest>

#include "engine/avwritermanager.h"
#include "enginetestutil.h"
#include "testsupport.h"

#include <cmath>

using namespace EngineTest;

namespace {

// A PAL 16:9 frame: 720 x 576 stored pixels shown 1024 wide, so the moves
// across are squeezed and the pictures are not square.
constexpr int kW = 720;
constexpr int kH = 576;

// PSNR of two BGRA frames over the colour channels (infinite when equal).
double psnr(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b)
{
    return EngineTest::psnr(QImage(a.data(), kW, kH, QImage::Format_RGB32),
                            QImage(b.data(), kW, kH, QImage::Format_RGB32));
}

MotionSample moved(float x, float y, float z)
{
    MotionSample s;
    s.kind = 0;
    s.values = {x, y, z, 0.f};
    return s;
}

// A mask with a diagonal ramp and a hard-edged disc (a pattern wipe's).
QImage maskImage()
{
    QImage mask(kW, kH, QImage::Format_Grayscale8);
    for (int y = 0; y < kH; ++y) {
        uchar *row = mask.scanLine(y);
        for (int x = 0; x < kW; ++x) {
            const int dx = x - 500, dy = y - 200;
            row[x] = dx * dx + dy * dy < 90 * 90 ? 255 : uchar((x + y) * 255 / (kW + kH));
        }
    }
    return mask;
}

struct Frame {
    int code0 = 0;
    MotionSample first;
    enum Second { None, Dissolve, Masked } second = None;
    int code1 = 0;
    MotionSample incoming;
    double amount = 0.5;
};

} // namespace

class TestCompositor : public QObject
{
    Q_OBJECT
private:
    QImage m_photo0;
    QImage m_photo1;
    QImage m_mask;
    std::unique_ptr<AVWriterManager> m_processor;
    std::unique_ptr<AVWriterManager> m_opengl;

    std::vector<uint8_t> draw(AVWriterManager &w, const Frame &f)
    {
        w.beginFrame();
        w.uploadPicture(0, m_photo0.constBits(), int(m_photo0.bytesPerLine()), 1, true);
        if (f.second == Frame::Dissolve)
            w.uploadDissolve(1, f.amount, m_photo1.constBits(), int(m_photo1.bytesPerLine()), 2);
        else if (f.second == Frame::Masked)
            w.uploadMasked(1, f.amount, 0.1, m_mask.constBits(), m_photo1.constBits(),
                           int(m_mask.bytesPerLine()), int(m_photo1.bytesPerLine()));
        w.drawLayer(0, f.code0, &f.first);
        if (f.second != Frame::None)
            w.drawLayer(1, f.code1, &f.incoming);
        std::vector<uint8_t> out(size_t(kW) * kH * 4, 0x55);
        if (!w.endFrame() || !w.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.data()))
            return {};
        return out;
    }

private slots:
    void initTestCase()
    {
        m_photo0 = posterImage(kW, kH, 5).convertToFormat(QImage::Format_RGB32);
        m_photo1 = posterImage(kW, kH, 11).convertToFormat(QImage::Format_RGB32);
        m_mask = maskImage();
        const OutputFormat pal = OutputFormat::forStandard(TvStandard::Pal, DvdAspect::Wide);
        TestSupport::ScopedEnv cpu("SORVEL_COMPOSITOR", QStringLiteral("cpu"));
        m_processor = std::make_unique<AVWriterManager>();
        QVERIFY2(m_processor->init(pal), qPrintable(m_processor->errorString()));
        QVERIFY(m_processor->core().softwareCompositing());
        TestSupport::ScopedEnv gl("SORVEL_COMPOSITOR", QStringLiteral("gl"));
        m_opengl = std::make_unique<AVWriterManager>();
        QVERIFY2(m_opengl->init(pal), qPrintable(m_opengl->errorString()));
        QVERIFY(!m_opengl->core().softwareCompositing());
    }

    void cleanupTestCase()
    {
        m_processor.reset();
        m_opengl.reset();
    }

    // Without a choice in the environment, a software OpenGL gets the
    // processor's composing, a hardware one keeps drawing.
    void chosenByRenderer()
    {
        TestSupport::ScopedEnv unset("SORVEL_COMPOSITOR", QString());
        AVWriterManager w;
        QVERIFY2(w.init(OutputFormat::forStandard(TvStandard::Pal)), qPrintable(w.errorString()));
        QCOMPARE(w.core().softwareCompositing(), OffscreenGLDrawer::isSoftwareRenderer(w.rendererName()));
        QVERIFY(OffscreenGLDrawer::isSoftwareRenderer(QStringLiteral("llvmpipe (LLVM 15.0.6, 256 bits)")));
        QVERIFY(
            !OffscreenGLDrawer::isSoftwareRenderer(QStringLiteral("AMD Radeon RX 6600 (radeonsi, navi23)")));
    }

    void matchesOpenGL_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<float>("z");
        QTest::addColumn<int>("second");
        QTest::addColumn<double>("amount");
        // Still, zoomed in (a pan and zoom), zoomed out (black round the
        // picture), half off the frame, every orientation, each blend.
        QTest::addRow("still") << 0 << 0.f << 0.f << 0.f << int(Frame::None) << 0.0;
        QTest::addRow("zoomed-in") << 0 << 13.3f << -7.7f << 57.1f << int(Frame::None) << 0.0;
        QTest::addRow("zoomed-out") << 0 << -3.1f << 2.2f << -140.f << int(Frame::None) << 0.0;
        QTest::addRow("half-off") << 0 << 370.f << -300.5f << 10.f << int(Frame::None) << 0.0;
        QTest::addRow("whole-pixels") << 0 << 25.f << -40.f << 0.f << int(Frame::None) << 0.0;
        for (int code = 1; code < 8; ++code)
            QTest::addRow("orientation-%d", code) << code << 9.6f << 4.1f << 33.f << int(Frame::None) << 0.0;
        QTest::addRow("dissolve") << 3 << 5.5f << 1.5f << 20.f << int(Frame::Dissolve) << 0.37;
        QTest::addRow("dissolve-start") << 0 << 0.f << 0.f << 0.f << int(Frame::Dissolve) << 0.002;
        QTest::addRow("wipe") << 6 << -8.f << 3.f << 45.f << int(Frame::Masked) << 0.55;
        QTest::addRow("wipe-zoomed-out") << 2 << 0.f << 0.f << -90.f << int(Frame::Masked) << 0.3;
    }

    // The same frame both ways: PSNR >= 50 dB (a level of rounding here and
    // there; a misplaced row or column would be below 30 dB).
    void matchesOpenGL()
    {
        QFETCH(int, code);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(float, z);
        QFETCH(int, second);
        QFETCH(double, amount);
        Frame f;
        f.code0 = code;
        f.first = moved(x, y, z);
        f.second = Frame::Second(second);
        f.code1 = (code + 5) % 8;
        f.incoming = moved(-y * 0.5f, x * 0.7f, z * 0.5f + 12.f);
        f.amount = amount;
        const std::vector<uint8_t> gl = draw(*m_opengl, f);
        const std::vector<uint8_t> cpu = draw(*m_processor, f);
        QVERIFY(!gl.empty() && !cpu.empty());
        QVERIFY(m_processor->core().composedInSoftware());
        const double db = psnr(gl, cpu);
        qInfo("PSNR %.1f dB", db);
        if (db < 50.0) {
            const QString dir =
                TestSupport::freshDir(QStringLiteral("compositor-%1").arg(QTest::currentDataTag()));
            QImage(gl.data(), kW, kH, QImage::Format_RGB32).save(dir + QStringLiteral("/gl.png"));
            QImage(cpu.data(), kW, kH, QImage::Format_RGB32).save(dir + QStringLiteral("/cpu.png"));
        }
        QVERIFY2(db >= 50.0, qPrintable(QStringLiteral("PSNR %1 dB").arg(db)));
    }

    // The vector loops give the very bytes of the portable ones.
    void vectorMatchesPortable()
    {
        SoftCompositor &compositor = m_processor->core().compositor();
        if (!compositor.vectorised())
            QSKIP("no AVX2 on this processor");
        const Frame frames[] = {
            {1, moved(3.3f, -2.1f, 40.f), Frame::Dissolve, 4, moved(-5.f, 7.f, -30.f), 0.61},
            {5, moved(-1.f, 0.5f, 80.f), Frame::Masked, 7, moved(2.f, 1.f, 15.f), 0.42},
            {0, moved(0.f, 0.f, 0.f), Frame::Masked, 0, moved(0.f, 0.f, 0.f), 0.5},
        };
        for (const Frame &f : frames) {
            const std::vector<uint8_t> vector = draw(*m_processor, f);
            compositor.setVectorised(false);
            const std::vector<uint8_t> portable = draw(*m_processor, f);
            compositor.setVectorised(true);
            QVERIFY(!vector.empty());
            QVERIFY(vector == portable);
        }
    }

    // A frame composed a band of rows at a time (as the writer converts it
    // for a single video file) is the frame composed whole, for every band
    // height; the bands come in order and cover the frame once.
    void bandsGiveTheWholeFrame()
    {
        const Frame frames[] = {
            {0, moved(-3.1f, 2.2f, -140.f), Frame::None, 0, moved(0.f, 0.f, 0.f), 0.0},
            {0, moved(370.f, -300.5f, 10.f), Frame::None, 0, moved(0.f, 0.f, 0.f), 0.0},
            {1, moved(3.3f, -2.1f, 40.f), Frame::Dissolve, 4, moved(-5.f, 7.f, -30.f), 0.61},
            {5, moved(-1.f, 0.5f, 80.f), Frame::Masked, 7, moved(2.f, 1.f, 15.f), 0.42},
            {0, moved(25.f, -40.f, 0.f), Frame::None, 0, moved(0.f, 0.f, 0.f), 0.0},
        };
        for (const Frame &f : frames) {
            const std::vector<uint8_t> whole = draw(*m_processor, f);
            QVERIFY(!whole.empty());
            for (int bandRows : {1, 16, 50, kH}) {
                std::vector<uint8_t> band(size_t(kW) * 4 * size_t(bandRows), 0x55);
                std::vector<uint8_t> frame(whole.size(), 0x33);
                int next = 0;
                bool inOrder = true;
                QVERIFY(m_processor->readComposedInBands(band.data(), kW * 4, bandRows, [&](int y, int rows) {
                    inOrder = inOrder && y == next && rows > 0 && rows <= bandRows;
                    next = y + rows;
                    std::copy(band.begin(), band.begin() + ptrdiff_t(kW) * 4 * rows,
                              frame.begin() + ptrdiff_t(kW) * 4 * y);
                }));
                QVERIFY(inOrder);
                QCOMPARE(next, kH);
                QVERIFY2(frame == whole, qPrintable(QStringLiteral("bands of %1 rows").arg(bandRows)));
            }
        }
        // A frame OpenGL draws is not composed in bands.
        QVERIFY(!draw(*m_opengl, frames[0]).empty());
        uint8_t row[kW * 4];
        QVERIFY(!m_opengl->readComposedInBands(row, kW * 4, 1, [](int, int) {}));
    }

    // Two consecutive frames composed together, band by band: each gets the
    // pixels it gets alone, its bands in order, the two frames' bands taking
    // turns. A frame held from before a wipe or with a dissolve keeps its
    // pictures while the next one is recorded. When the next frame needs
    // OpenGL (a turned layer), nothing is composed together and the held
    // frame is composed alone.
    void framesComposedTogether()
    {
        const Frame frames[] = {
            {0, moved(-3.1f, 2.2f, -140.f), Frame::None, 0, moved(0.f, 0.f, 0.f), 0.0},
            {0, moved(-3.0f, 2.25f, -139.5f), Frame::None, 0, moved(0.f, 0.f, 0.f), 0.0},
            {1, moved(3.3f, -2.1f, 40.f), Frame::Dissolve, 4, moved(-5.f, 7.f, -30.f), 0.61},
            {1, moved(3.4f, -2.f, 40.5f), Frame::Dissolve, 4, moved(-5.1f, 7.1f, -30.2f), 0.63},
            {5, moved(-1.f, 0.5f, 80.f), Frame::Masked, 7, moved(2.f, 1.f, 15.f), 0.42},
            {0, moved(370.f, -300.5f, 10.f), Frame::None, 0, moved(0.f, 0.f, 0.f), 0.0},
        };
        constexpr int kFrames = int(sizeof frames / sizeof frames[0]);
        std::vector<std::vector<uint8_t>> whole;
        for (const Frame &f : frames) {
            whole.push_back(draw(*m_processor, f));
            QVERIFY(!whole.back().empty());
        }
        GLDrawCore &core = m_processor->core();
        for (int i = 0; i + 1 < kFrames; ++i) {
            for (int bandRows : {1, 16, 50, kH}) {
                QVERIFY(!draw(*m_processor, frames[i]).empty());
                GLDrawCore::HeldFrame held;
                QVERIFY(core.holdComposed(&held));
                QVERIFY(!draw(*m_processor, frames[i + 1]).empty());
                std::vector<uint8_t> bands[2];
                std::vector<uint8_t> out[2];
                int next[2] = {0, 0};
                int turn = 0;
                bool inOrder = true;
                for (int k = 0; k < 2; ++k) {
                    bands[k].assign(size_t(kW) * 4 * size_t(bandRows), 0x55);
                    out[k].assign(whole[0].size(), 0x33);
                }
                auto done = [&](int k) {
                    return [&, k](int y, int rows) {
                        inOrder = inOrder && k == turn && y == next[k] && rows > 0 && rows <= bandRows;
                        turn = 1 - k;
                        next[k] = y + rows;
                        std::copy(bands[k].begin(), bands[k].begin() + ptrdiff_t(kW) * 4 * rows,
                                  out[k].begin() + ptrdiff_t(kW) * 4 * y);
                    };
                };
                QVERIFY(core.readComposedInBands(held, bands[0].data(), done(0), bands[1].data(), kW * 4,
                                                 bandRows, done(1)));
                const QString what =
                    QStringLiteral("frames %1 and %2, bands of %3 rows").arg(i).arg(i + 1).arg(bandRows);
                QVERIFY2(inOrder, qPrintable(what));
                QCOMPARE(next[0], kH);
                QCOMPARE(next[1], kH);
                QVERIFY2(out[0] == whole[size_t(i)], qPrintable(what));
                QVERIFY2(out[1] == whole[size_t(i + 1)], qPrintable(what));
            }
        }

        // The next frame turned: drawn by OpenGL, the held one alone.
        MotionSample turned;
        turned.kind = 1;
        turned.values = {20.f, 0.f, 1.f, 0.f};
        QVERIFY(!draw(*m_processor, frames[2]).empty());
        GLDrawCore::HeldFrame held;
        QVERIFY(core.holdComposed(&held));
        const Frame byOpenGL{0, turned, Frame::None, 0, moved(0.f, 0.f, 0.f), 0.0};
        QVERIFY(!draw(*m_processor, byOpenGL).empty());
        std::vector<uint8_t> band(size_t(kW) * 4 * 16), other(band.size()), out(whole[0].size(), 0x33);
        QVERIFY(!core.readComposedInBands(
            held, band.data(), [](int, int) {}, other.data(), kW * 4, 16, [](int, int) {}));
        QVERIFY(!core.holdComposed(&held)); // an OpenGL frame is not held
        core.readHeldInBands(held, band.data(), kW * 4, 16, [&](int y, int rows) {
            std::copy(band.begin(), band.begin() + ptrdiff_t(kW) * 4 * rows,
                      out.begin() + ptrdiff_t(kW) * 4 * y);
        });
        QVERIFY(out == whole[2]);
    }

    // A pattern wipe's picture takes, for every mask byte, the ramp's own
    // alpha, computed or looked up, through the whole wipe and for soft
    // and hard edges (ramps that start below 0 or end above 255 included).
    void maskMergeFollowsRamp()
    {
        GLDrawCore &core = m_processor->core();
        SoftCompositor &compositor = core.compositor();
        const int n = 256 + 23; // every byte, and a tail that no vector step takes
        std::vector<uint8_t> mask(n), bgra(size_t(n) * 4), merged(bgra.size());
        for (int i = 0; i < n; ++i) {
            mask[size_t(i)] = uint8_t(i * 7 % 256);
            for (int c = 0; c < 4; ++c)
                bgra[size_t(4 * i + c)] = uint8_t(i * 13 + c * 50);
        }
        for (const double softness : {0.02, 0.1, 0.3, 0.5}) {
            for (int step = 0; step <= 1000; ++step) {
                core.buildMaskRamp(step / 1000.0, softness);
                const uint8_t *ramp = core.maskRampBytes();
                compositor.mergeMaskRow(bgra.data(), mask.data(), merged.data(), n, ramp, core.maskRampLow(),
                                        core.maskRampHigh());
                for (int i = 0; i < n; ++i) {
                    const uint8_t *p = merged.data() + 4 * i;
                    const uint8_t *q = bgra.data() + 4 * i;
                    if (p[0] != q[0] || p[1] != q[1] || p[2] != q[2] || p[3] != ramp[mask[size_t(i)]])
                        QFAIL(
                            qPrintable(QStringLiteral("progress %1, softness %2, mask %3: alpha %4, ramp %5")
                                           .arg(step / 1000.0)
                                           .arg(softness)
                                           .arg(mask[size_t(i)])
                                           .arg(p[3])
                                           .arg(ramp[mask[size_t(i)]])));
                }
            }
        }
    }

    // A turned layer (kind 1) is drawn by OpenGL, from textures that the
    // frames composed before never filled (an unfilled one is black); the
    // frames after it are composed again. Each is the frame that OpenGL
    // alone draws.
    void turnedLayerDrawnByOpenGL()
    {
        MotionSample turned;
        turned.kind = 1;
        turned.values = {20.f, 0.f, 1.f, 0.f};
        const Frame frames[] = {
            {0, moved(4.f, 2.f, 30.f), Frame::Dissolve, 0, moved(0.f, 0.f, 0.f), 0.5},
            {0, turned, Frame::Dissolve, 2, moved(1.f, 1.f, 10.f), 0.5},
            {0, moved(4.f, 2.f, 31.f), Frame::None, 0, MotionSample(), 0.0},
        };
        const bool composed[] = {true, false, true};
        for (int i = 0; i < 3; ++i) {
            const std::vector<uint8_t> gl = draw(*m_opengl, frames[i]);
            const std::vector<uint8_t> cpu = draw(*m_processor, frames[i]);
            QCOMPARE(m_processor->core().composedInSoftware(), composed[i]);
            // (llvmpipe itself varies by a level here and there between
            // two draws of one turned frame.)
            QVERIFY2(psnr(gl, cpu) >= 50.0, qPrintable(QStringLiteral("PSNR %1 dB").arg(psnr(gl, cpu))));
        }
    }

    // Reading the surface itself (not the frame) draws the composed frame
    // with OpenGL first.
    void surfaceReadDrawsWithOpenGL()
    {
        const Frame f{0, moved(-6.f, 3.f, 25.f), Frame::Masked, 1, moved(2.f, -2.f, 5.f), 0.5};
        const std::vector<uint8_t> cpu = draw(*m_processor, f);
        QVERIFY(m_processor->core().composedInSoftware());
        std::vector<uint8_t> surface(cpu.size(), 0x55);
        QVERIFY(m_processor->readSurface(GL_BGRA, GL_UNSIGNED_BYTE, surface.data()));
        QVERIFY(!m_processor->core().composedInSoftware());
        QVERIFY(psnr(cpu, surface) >= 50.0);
        // Another format is read from OpenGL's drawing too.
        draw(*m_processor, f);
        std::vector<uint8_t> rgba(cpu.size(), 0x55);
        QVERIFY(m_processor->readPixels(GL_RGBA, GL_UNSIGNED_BYTE, rgba.data()));
        for (size_t i = 0; i < rgba.size(); i += 4)
            std::swap(rgba[i], rgba[i + 2]);
        QVERIFY(psnr(cpu, rgba) >= 50.0);
    }
};

ENGINE_DRAWING_TEST_MAIN(TestCompositor)

#include "test_compositor.moc"
