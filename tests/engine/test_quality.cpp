// Quality guard of the drawing: renders a set of frames (a still, a
// pan-and-zoom, a dissolve and a pattern wipe, for every orientation code)
// through the storyboard and the writer's off-screen drawer, and compares
// each with a reference picture kept under tests/engine/quality/. Faster
// drawing must keep every frame's look: PSNR >= 35 dB against the reference,
// for the writer's default drawing (composed on the processor when OpenGL
// is a software one), OpenGL's shader program and the fixed-function
// pipeline that drivers without GLSL get.
//
// SORVEL_UPDATE_REFERENCES=1 writes the references into the source tree
// instead of comparing (only when the drawing is meant to change).

#include <QGuiApplication>
#include <QtTest>

#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "enginetestutil.h"
#include "testsupport.h"

#include <cmath>

using namespace EngineTest;

namespace {

constexpr double kMinPsnr = 35.0;
// The DVD's default frame: PAL 16:9, 720 x 576 stored pixels shown 1024 wide.
const OutputFormat kFormat = OutputFormat::forStandard(TvStandard::Pal, DvdAspect::Wide);

} // namespace

class TestQuality : public QObject
{
    Q_OBJECT
private:
    QString m_dir;
    QString m_referenceDir;
    QStringList m_photos;
    bool m_update = false;
    std::unique_ptr<AVWriterManager> m_writer;
    std::unique_ptr<AVWriterManager> m_shaderWriter;
    std::unique_ptr<AVWriterManager> m_fixedFunctionWriter;

    QImage render(Album &album, int frame, AVWriterManager *writer)
    {
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(kFormat);
        story.renderFrame(frame, false, writer);
        QImage out(kFormat.width, kFormat.height, QImage::Format_RGB32);
        if (!writer->readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.bits()))
            return QImage();
        return out;
    }

private slots:
    void initTestCase()
    {
        m_dir = TestSupport::freshDir(QStringLiteral("quality"));
        m_referenceDir = qEnvironmentVariable("SORVEL_SOURCE_DIR") + QStringLiteral("/tests/engine/quality");
        m_update = qEnvironmentVariableIntValue("SORVEL_UPDATE_REFERENCES") == 1;
        // A landscape and a portrait photo, larger than the frame (the
        // scaling is part of the look).
        const QSize sizes[2] = {{1600, 1200}, {1200, 1600}};
        for (int i = 0; i < 2; ++i) {
            const QString path = m_dir + QStringLiteral("/photo%1.png").arg(i);
            QVERIFY(posterImage(sizes[i].width(), sizes[i].height(), i + 3).save(path, "PNG", 100));
            m_photos.append(path);
        }
        m_writer = std::make_unique<AVWriterManager>();
        QVERIFY2(m_writer->init(kFormat), qPrintable(m_writer->errorString()));
        qInfo() << "drawing with"
                << (m_writer->core().softwareCompositing() ? "the processor"
                    : m_writer->core().usesShaders()       ? "the shader program"
                                                           : "fixed function");
        TestSupport::ScopedEnv gl("SORVEL_COMPOSITOR", QStringLiteral("gl"));
        m_shaderWriter = std::make_unique<AVWriterManager>();
        QVERIFY(m_shaderWriter->init(kFormat));
        QVERIFY(!m_shaderWriter->core().softwareCompositing());
        TestSupport::ScopedEnv fixedFunction("SORVEL_FIXED_FUNCTION", QStringLiteral("1"));
        m_fixedFunctionWriter = std::make_unique<AVWriterManager>();
        QVERIFY(m_fixedFunctionWriter->init(kFormat));
        QVERIFY(!m_fixedFunctionWriter->core().usesShaders());
    }

    void cleanupTestCase()
    {
        m_writer.reset();
        m_shaderWriter.reset();
        m_fixedFunctionWriter.reset();
    }

    void frames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("drawing");
        for (const char *drawing : {"", "-shader", "-fixed"}) {
            for (int code = 0; code < 8; ++code) {
                for (const char *kind : {"still", "panzoom", "dissolve", "wipe"})
                    QTest::addRow("%s-%d%s", kind, code, drawing)
                        << code << QString::fromLatin1(kind) << QString::fromLatin1(drawing);
            }
        }
    }

    void frames()
    {
        QFETCH(int, code);
        QFETCH(QString, kind);
        QFETCH(QString, drawing);
        if (m_update && !drawing.isEmpty())
            return; // the references come from the default drawing
        Album album(qEnvironmentVariable("SORVEL_APPDIR"));
        QVERIFY(album.patternFiles.size() >= 12);
        // Each code takes another pattern and other pan-and-zoom directions.
        const QString pattern = album.patternFiles[(code * 5 + 8) % album.patternFiles.size()];
        album.patternFiles = QStringList{pattern};
        album.setPhotoDurationExactMs(5000);
        album.setTransitionDurationExactMs(1500);
        album.settings.useTransition = true;
        album.settings.useDynamicEffect = kind != QLatin1String("still");
        album.settings.dissolveOnly = kind == QLatin1String("dissolve");
        resetMotionKeyCounter();
        for (int i = 0; i < code; ++i) {
            ImageInfo skipped;
            assignMotionKeys(skipped);
        }
        for (int i = 0; i < 2; ++i) {
            ImageInfo info = photoInfo(m_photos[(code + i) % 2], code);
            assignMotionKeys(info);
            album.photos.append(info);
        }
        // PAL, 5 s + 1.5 s: 162 frames a cycle, the transition from frame
        // 125; frame 144 is half-way through it.
        const int frame = kind == QLatin1String("still") ? 60 : kind == QLatin1String("panzoom") ? 100 : 144;
        AVWriterManager *writer = drawing == QLatin1String("-fixed")    ? m_fixedFunctionWriter.get()
                                  : drawing == QLatin1String("-shader") ? m_shaderWriter.get()
                                                                        : m_writer.get();
        const QImage got = render(album, frame, writer);
        QVERIFY(!got.isNull());
        const QString name = QStringLiteral("%1/%2-%3.png").arg(m_referenceDir, kind).arg(code);
        if (m_update) {
            QVERIFY(QDir().mkpath(m_referenceDir));
            QVERIFY(got.save(name, "PNG", 0));
            return;
        }
        QImage reference(name);
        QVERIFY2(!reference.isNull(), qPrintable(QStringLiteral("no reference picture %1").arg(name)));
        reference = reference.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(reference.size(), got.size());
        const double db = psnr(reference, got);
        qInfo("PSNR %.1f dB", db);
        if (db < kMinPsnr)
            got.save(m_dir + QStringLiteral("/%1-%2%3-got.png").arg(kind).arg(code).arg(drawing));
        QVERIFY2(db >= kMinPsnr, qPrintable(QStringLiteral("PSNR %1 dB").arg(db)));
    }
};

ENGINE_DRAWING_TEST_MAIN(TestQuality)

#include "test_quality.moc"
