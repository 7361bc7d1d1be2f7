// What the DVD menu adds to making a disc: `sorvel make-dvd` of one album
// made without a menu (the baseline), with a silent menu, and with music
// under the menu (every page then as long as the music, 30 s), the three
// runs taking turns so that they share the machine's conditions.
//
// The album: N generated photos (default 24) of 1600 x 1200, 2 s each with
// 0.5 s transitions, and 60 s of music (WAV); PAL 16:9, low quality, into a
// DVD folder. With 8 thumbnails a page the menu has 1 + N/8 pages.
//
// Besides the wall times, each run's diagnostic log says how long the
// menu's own thread took (drawing, encoding, multiplexing: beside the
// show's encoding) and how long the author waited for the menu before it
// started on the title; that wait is what the menu costs the run.
//
// usage: bench_menu [PHOTOS] [RUNS]       (defaults 24 and 3)
// Last line: plain_s=<median> menu_s=<median> music_s=<median>
//            menu_ratio=<menu_s/plain_s> music_ratio=<music_s/plain_s>
//            menu_thread_ms=<median> music_thread_ms=<median>
//            menu_wait_ms=<median> music_wait_ms=<median>

#include "benchalbum.h"
#include "benchstats.h"
#include "testmedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    bool ok = false;
    double seconds = 0.0;
    double threadMs = -1.0; // the menu's thread, from the log
    double waitMs = -1.0;   // the author's wait for the menu, from the log
};

// A number from the first line of the log that matches pattern (its first
// capture); -1 when none does.
double fromLog(const QString &log, const QString &pattern)
{
    const QRegularExpressionMatch m = QRegularExpression(pattern).match(log);
    return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
}

Run makeDvd(const QString &sorvel, const QStringList &arguments, const QString &cache)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    p.start(sorvel, QStringList{QStringLiteral("make-dvd")} + arguments);
    Run run;
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "make-dvd failed:\n%s\n", p.readAll().constData());
        return run;
    }
    run.seconds = clock.nsecsElapsed() / 1e9;
    QFile file(cache + QStringLiteral("/Sorvel/Sorvel/make-dvd.log"));
    const QString log = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    run.threadMs =
        fromLog(log, QStringLiteral("menu: \\d+ pages drawn, encoded and multiplexed in (\\d+) ms"));
    run.waitMs = fromLog(log, QStringLiteral("menu: \\d+ pages; waited (\\d+) ms"));
    run.ok = true;
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int photos = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 24;
    const int runs = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 3;
    const QString dir = benchFolder(QStringLiteral("menu"));
    const QString sorvel = QCoreApplication::applicationDirPath() + QStringLiteral("/sorvel");
    const QStringList paths = scenicPhotos(dir, photos, QSize(1600, 1200));
    const QString music = dir + QStringLiteral("/music.wav");
    if (paths.isEmpty() || (!QFile::exists(music) && !TestMedia::writeChordWav(music, 60.0)))
        return 1;

    const QStringList common{QStringLiteral("--photo-duration"),
                             QStringLiteral("2000"),
                             QStringLiteral("--transition-duration"),
                             QStringLiteral("500"),
                             QStringLiteral("--quality"),
                             QStringLiteral("low"),
                             QStringLiteral("--standard"),
                             QStringLiteral("PAL"),
                             QStringLiteral("--yes"),
                             QStringLiteral("--quiet")};
    struct Kind {
        const char *name;
        QStringList options;
        std::vector<double> seconds, threadMs, waitMs;
    };
    Kind kinds[] = {{"plain", {QStringLiteral("--no-menu")}, {}, {}, {}},
                    {"menu", {QStringLiteral("--menu"), QStringLiteral("--no-menu-music")}, {}, {}, {}},
                    {"music", {QStringLiteral("--menu"), QStringLiteral("--menu-music")}, {}, {}, {}}};
    std::printf("album: %d photos (%d menu pages), 60 s of music; %d runs each\n", photos,
                1 + (photos + 7) / 8, runs);
    for (int r = 0; r < runs; ++r) {
        for (Kind &kind : kinds) {
            const QString out = dir + QStringLiteral("/out-%1").arg(QLatin1String(kind.name));
            QDir(out).removeRecursively();
            QDir().mkpath(out);
            const Run run = makeDvd(
                sorvel,
                common + kind.options +
                    QStringList{QStringLiteral("--to-folder"), out, QStringLiteral("--temp-dir"), dir} +
                    paths + QStringList{music},
                dir + QStringLiteral("/cache-%1").arg(QLatin1String(kind.name)));
            if (!run.ok)
                return 1;
            kind.seconds.push_back(run.seconds);
            if (run.threadMs >= 0)
                kind.threadMs.push_back(run.threadMs);
            if (run.waitMs >= 0)
                kind.waitMs.push_back(run.waitMs);
            std::printf("%-6s run %d: %.2f s; menu thread %.0f ms, author waited %.0f ms\n", kind.name, r + 1,
                        run.seconds, run.threadMs, run.waitMs);
            std::fflush(stdout);
        }
    }
    const double plain = median(kinds[0].seconds);
    const double menu = median(kinds[1].seconds);
    const double withMusic = median(kinds[2].seconds);
    std::printf("plain_s=%.2f menu_s=%.2f music_s=%.2f menu_ratio=%.3f music_ratio=%.3f menu_thread_ms=%.0f "
                "music_thread_ms=%.0f menu_wait_ms=%.0f music_wait_ms=%.0f\n",
                plain, menu, withMusic, menu / plain, withMusic / plain, median(kinds[1].threadMs),
                median(kinds[2].threadMs), median(kinds[1].waitMs), median(kinds[2].waitMs));
    return 0;
}
