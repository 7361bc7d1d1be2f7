// Benchmark of the drawing alone: the writer's off-screen renderer draws
// each kind of frame of a two-photo PAL album (a still, a pan-and-zoom, a
// dissolve, a pattern wipe) three ways: composed on the processor (the
// writer's choice with a software OpenGL), with OpenGL's shader program and
// with its fixed-function pipeline; each frame is read back as the writer
// reads it.
// Photos are decoded before the timing starts.
//
// usage: bench_render [FRAMES]   (frames per kind, default 300)
// Prints one line per kind and way: milliseconds per frame (render and
// read-back), the median of three rounds.

#include "benchalbum.h"
#include "benchstats.h"
#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "testmedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = benchFolder(QStringLiteral("render"));
    const QString appDir = benchAppFolder();
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 300;

    const QStringList photos = scenicPhotos(dir, 2, QSize(1600, 1200));
    if (photos.isEmpty())
        return 1;

    const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal);
    struct Kind {
        const char *name;
        bool motion;
        bool dissolve;
        int first; // PAL, 5 s + 1.5 s: the transition runs from frame 125 to 161
        int last;
    };
    const Kind kinds[] = {{"still", false, true, 0, 124},
                          {"panzoom", true, true, 0, 124},
                          {"dissolve", true, true, 125, 161},
                          {"wipe", true, false, 125, 161}};

    for (const char *way : {"processor", "shader", "fixed-function"}) {
        const QByteArray name(way);
        qputenv("SORVEL_COMPOSITOR", name == "processor" ? "cpu" : "gl");
        if (name == "fixed-function")
            qputenv("SORVEL_FIXED_FUNCTION", "1");
        AVWriterManager writer;
        if (!writer.init(format)) {
            std::fprintf(stderr, "writer: %s\n", qPrintable(writer.errorString()));
            return 1;
        }
        qunsetenv("SORVEL_FIXED_FUNCTION");
        qunsetenv("SORVEL_COMPOSITOR");
        std::vector<uint8_t> readBack(size_t(format.width) * size_t(format.height) * 4);
        for (const Kind &kind : kinds) {
            Album album(appDir);
            if (album.patternFiles.isEmpty()) {
                std::fprintf(stderr, "no transition patterns in %s/pattern\n", qPrintable(appDir));
                return 1;
            }
            album.setPhotoDurationExactMs(5000);
            album.setTransitionDurationExactMs(1500);
            album.settings.useTransition = true;
            album.settings.useDynamicEffect = kind.motion;
            album.settings.dissolveOnly = kind.dissolve;
            appendPhotos(album, photos, QSize(1600, 1200));
            StoryBoardRender story;
            story.setAlbum(&album);
            story.setFormat(format);
            story.renderFrame(kind.first, false, &writer); // decodes the photos
            story.renderFrame(kind.last, false, &writer);
            std::vector<double> rounds;
            for (int round = 0; round < 3; ++round) {
                QElapsedTimer timer;
                timer.start();
                for (int i = 0; i < count; ++i) {
                    const int frame = kind.first + i % (kind.last - kind.first + 1);
                    story.renderFrame(frame, false, &writer);
                    writer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, readBack.data());
                }
                rounds.push_back(timer.nsecsElapsed() / 1e6 / count);
            }
            std::printf("%s %s: %.3f ms per frame\n", way, kind.name, median(rounds));
            std::fflush(stdout);
        }
    }
    return 0;
}
