// Benchmark of the whole chain: `sorvel make-dvd` against the same
// slideshow made by a well-written ffmpeg script (bench/makedvd_ffmpeg.sh).
//
// The album: 12 generated photos of 4000 x 3000 (12 Mpixel JPEGs with EXIF)
// and 60 s of music (MP3); 5 s a photo, 1.5 s transitions, pan-and-zoom,
// PAL up to 9 Mbit/s, AC-3 stereo at 192 kbit/s: 76.5 s of video, to an ISO
// image. Both tools run alternately in one run, at least 3 times each, so
// that they share the machine's conditions; both ISO images are read with
// libdvdread and must hold a title of the same length (within one second).
//
// usage: bench_makedvd [RUNS]   (RUNS per tool, default 3)
// Last line: sorvel_s=<median> ffmpeg_s=<median> ratio=<ffmpeg_s / sorvel_s>
//
// bench_makedvd --ten-minute-show [RUNS]: `sorvel make-dvd` alone on a long
// show, 120 photos of 1600 x 1200 with the music looped, 778.5 s of video.
// Last line: show_s=<median> video_s=<title length>

#include "benchstats.h"
#include "dvdcheck.h"
#include "testmedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef SORVEL_BENCH_SCRIPT
#define SORVEL_BENCH_SCRIPT "makedvd_ffmpeg.sh"
#endif

namespace {

constexpr int kPhotos = 12;
constexpr int kShowPhotos = 120;

bool writeExif(const QString &path, int index)
{
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        Exiv2::ExifData &exif = image->exifData();
        exif["Exif.Image.Orientation"] = uint16_t(1);
        exif["Exif.Image.Make"] = "Sorvel Optics";
        exif["Exif.Image.Model"] = "Bench Camera 12";
        exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
        exif["Exif.Photo.FNumber"] = Exiv2::URational(56, 10);
        exif["Exif.Photo.ISOSpeedRatings"] = uint16_t(200);
        exif["Exif.Photo.DateTimeOriginal"] =
            QStringLiteral("2026:06:%1 12:00:00").arg(index + 1, 2, 10, QLatin1Char('0')).toStdString();
        image->writeMetadata();
        return true;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "exif of %s: %s\n", qPrintable(path), e.what());
        return false;
    }
}

struct Run {
    bool ok = false;
    double seconds = 0.0;
    double cpuSeconds = 0.0; // user and system time of every process of the run
    long peakKb = 0;
};

// Runs a program with its output in a log file; wall time and the peak
// resident memory of its largest process (children included).
Run runProgram(const QStringList &command, const QString &log, const QStringList &environment = {})
{
    std::vector<QByteArray> storage;
    for (const QString &a : command)
        storage.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &a : storage)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> envStorage;
    for (const QString &e : environment)
        envStorage.push_back(e.toLocal8Bit());
    const QByteArray logPath = QFile::encodeName(log);

    Run run;
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid < 0)
        return run;
    if (pid == 0) {
        const int fd = ::open(logPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            ::close(fd);
        }
        for (QByteArray &e : envStorage)
            putenv(e.data());
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.peakKb = usage.ru_maxrss;
    run.cpuSeconds = processorSeconds(usage);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// Generated photos with EXIF, made once and kept: prefix01.jpg ...
bool makePhotos(const QString &dir, const QString &prefix, int count, QSize size, QStringList *paths)
{
    for (int i = 0; i < count; ++i) {
        const QString path =
            dir +
            QStringLiteral("/%1%2.jpg").arg(prefix).arg(i + 1, count > 99 ? 3 : 2, 10, QLatin1Char('0'));
        if (!QFile::exists(path)) {
            const QString part = path + QStringLiteral(".part.jpg");
            if (!TestMedia::scenicImage(size.width(), size.height(), i + 1).save(part, "JPEG", 90) ||
                !writeExif(part, i) || !QFile::rename(part, path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return false;
            }
        }
        paths->append(path);
    }
    return true;
}

// The playing time of the ISO image's first title, as a player reads it.
double titleSeconds(const QString &iso, QString *error)
{
    // libdvdread prints a banner about encrypted discs.
    std::fflush(stdout);
    std::fflush(stderr);
    const int saved[2] = {dup(STDOUT_FILENO), dup(STDERR_FILENO)};
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        ::close(devNull);
    }
    const DvdCheck::Disc disc = DvdCheck::read(iso);
    std::fflush(stdout);
    std::fflush(stderr);
    for (int fd = 0; fd < 2; ++fd) {
        if (saved[fd] >= 0) {
            dup2(saved[fd], fd + 1);
            ::close(saved[fd]);
        }
    }
    if (!disc.ok || disc.titles.isEmpty()) {
        *error = disc.ok ? QStringLiteral("no title") : disc.error;
        return -1.0;
    }
    return disc.titles.first().seconds;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/sorvel-bench-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool tenMinuteShow = args.removeAll(QStringLiteral("--ten-minute-show")) > 0;
    const int runs = !args.isEmpty() ? std::max(1, args.first().toInt()) : (tenMinuteShow ? 1 : 3);
    const QString dir = QDir::tempPath() + QStringLiteral("/sorvel-bench-makedvd");
    QDir().mkpath(dir + QStringLiteral("/config"));
    const QString binDir = QCoreApplication::applicationDirPath();
    const QString sorvel = binDir + QStringLiteral("/sorvel");

    // The album, made once and kept.
    QStringList photos;
    if (tenMinuteShow ? !makePhotos(dir, QStringLiteral("show"), kShowPhotos, QSize(1600, 1200), &photos)
                      : !makePhotos(dir, QStringLiteral("photo"), kPhotos, QSize(4000, 3000), &photos))
        return 1;
    const QString music = dir + QStringLiteral("/music.mp3");
    if (!QFile::exists(music)) {
        const QString wav = dir + QStringLiteral("/music.wav");
        if (!TestMedia::writeChordWav(wav, 60.0) ||
            QProcess::execute(QStringLiteral("ffmpeg"),
                              {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                               QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"), wav,
                               QStringLiteral("-b:a"), QStringLiteral("192k"), music}) != 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(music));
            return 1;
        }
        QFile::remove(wav);
    }

    const QString sorvelIso = dir + QStringLiteral("/sorvel.iso");
    const QString ffmpegIso = dir + QStringLiteral("/ffmpeg.iso");
    QStringList sorvelCommand{sorvel,
                              QStringLiteral("make-dvd"),
                              QStringLiteral("--to-iso"),
                              sorvelIso,
                              QStringLiteral("--standard"),
                              QStringLiteral("PAL"),
                              QStringLiteral("--quality"),
                              QStringLiteral("9"),
                              QStringLiteral("--audio-bitrate"),
                              QStringLiteral("192"),
                              QStringLiteral("--channels"),
                              QStringLiteral("2"),
                              QStringLiteral("--photo-duration"),
                              QStringLiteral("5000"),
                              QStringLiteral("--transition-duration"),
                              QStringLiteral("1500"),
                              QStringLiteral("--temp-dir"),
                              dir + QStringLiteral("/sorvel-work"),
                              QStringLiteral("--yes")};
    if (tenMinuteShow)
        sorvelCommand.append(QStringLiteral("--loop-audio"));
    sorvelCommand += photos;
    sorvelCommand.append(music);
    QStringList ffmpegCommand{QStringLiteral("bash"), QStringLiteral(SORVEL_BENCH_SCRIPT), ffmpegIso,
                              dir + QStringLiteral("/ffmpeg-work"), music};
    ffmpegCommand += photos;
    // Our own settings folder: no user setting changes the run.
    const QStringList sorvelEnvironment{QStringLiteral("XDG_CONFIG_HOME=") + dir + QStringLiteral("/config"),
                                        QStringLiteral("QT_QPA_PLATFORM=offscreen")};

    if (tenMinuteShow) {
        std::printf("show: %d photos of 1600 x 1200, 60 s of music looped, 778.5 s of PAL video; %d runs\n",
                    kShowPhotos, runs);
        std::fflush(stdout);
        std::vector<double> times;
        double title = -1;
        for (int i = 0; i < runs; ++i) {
            QFile::remove(sorvelIso);
            const QString log = dir + QStringLiteral("/show.log");
            const Run r = runProgram(sorvelCommand, log, sorvelEnvironment);
            QString error;
            if (!r.ok || (title = titleSeconds(sorvelIso, &error)) < 0) {
                std::fprintf(stderr, "sorvel make-dvd failed (%s), see %s\n", qPrintable(error),
                             qPrintable(log));
                return 1;
            }
            times.push_back(r.seconds);
            std::printf("sorvel  run %d: %6.2f s (cpu %6.2f s), peak %4ld MB, title %.2f s\n", i + 1,
                        r.seconds, r.cpuSeconds, r.peakKb / 1024, title);
            std::fflush(stdout);
        }
        QFile::remove(sorvelIso);
        std::printf("show_s=%.2f video_s=%.2f\n", median(times), title);
        return 0;
    }
    std::printf("album: %d photos of 4000 x 3000, 60 s of music, 76.5 s of PAL video; %d runs each\n",
                kPhotos, runs);
    std::fflush(stdout);
    std::vector<double> sorvelTimes, ffmpegTimes;
    double sorvelTitle = -1, ffmpegTitle = -1;
    for (int i = 0; i < 2 * runs; ++i) {
        // Alternating, each tool first every other time.
        const bool sorvelTurn = (i % 2 == 0) == ((i / 2) % 2 == 0);
        QFile::remove(sorvelTurn ? sorvelIso : ffmpegIso);
        const QString log =
            dir + (sorvelTurn ? QStringLiteral("/sorvel.log") : QStringLiteral("/ffmpeg.log"));
        const Run r =
            sorvelTurn ? runProgram(sorvelCommand, log, sorvelEnvironment) : runProgram(ffmpegCommand, log);
        if (!r.ok) {
            std::fprintf(stderr, "%s failed, see %s\n", sorvelTurn ? "sorvel make-dvd" : "the ffmpeg script",
                         qPrintable(log));
            return 1;
        }
        QString error;
        const double title = titleSeconds(sorvelTurn ? sorvelIso : ffmpegIso, &error);
        if (title < 0) {
            std::fprintf(stderr, "%s: the ISO image does not read: %s\n", sorvelTurn ? "sorvel" : "ffmpeg",
                         qPrintable(error));
            return 1;
        }
        (sorvelTurn ? sorvelTimes : ffmpegTimes).push_back(r.seconds);
        (sorvelTurn ? sorvelTitle : ffmpegTitle) = title;
        std::printf("%-7s run %d: %6.2f s (cpu %6.2f s), peak %4ld MB, title %.2f s\n",
                    sorvelTurn ? "sorvel" : "ffmpeg", int((sorvelTurn ? sorvelTimes : ffmpegTimes).size()),
                    r.seconds, r.cpuSeconds, r.peakKb / 1024, title);
        std::fflush(stdout);
    }
    if (std::abs(sorvelTitle - ffmpegTitle) > 1.0) {
        std::fprintf(stderr, "the titles differ in length: sorvel %.2f s, ffmpeg %.2f s\n", sorvelTitle,
                     ffmpegTitle);
        return 1;
    }
    const double s = median(sorvelTimes);
    const double f = median(ffmpegTimes);
    std::printf("sorvel: min %.2f / median %.2f / max %.2f s; ffmpeg: min %.2f / median %.2f / max %.2f s\n",
                *std::min_element(sorvelTimes.begin(), sorvelTimes.end()), s,
                *std::max_element(sorvelTimes.begin(), sorvelTimes.end()),
                *std::min_element(ffmpegTimes.begin(), ffmpegTimes.end()), f,
                *std::max_element(ffmpegTimes.begin(), ffmpegTimes.end()));
    std::printf("sorvel_s=%.2f ffmpeg_s=%.2f ratio=%.2f\n", s, f, f / s);
    return 0;
}
