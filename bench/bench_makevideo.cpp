// Benchmark of a video file: `sorvel make-video` against the same slideshow
// made by a well-written ffmpeg script (bench/makevideo_ffmpeg.sh) and
// against libx264 alone encoding sorvel's own frames.
//
// The album: 12 generated photos of 4000 x 3000 (12 Mpixel JPEGs with EXIF)
// and 60 s of music (MP3); 5 s a photo, 1.5 s transitions, pan-and-zoom:
// 76.5 s of 1080p at 30 frames a second, H.264 at sorvel's default preset
// and quality (CRF), AAC. The three runs alternate, at least 3 times each,
// so that they share the machine's conditions.
//
// The encoder alone: a first, untimed run of sorvel writes every picture it
// hands to its encoder into a raw yuv420p file as well
// (SORVEL_ENCODER_INPUT_COPY); ffmpeg then reads that file (a plain read,
// next to nothing of the processor) and encodes it with libx264 at the same
// preset, CRF, profile, level and threads into an MP4 file, without sound.
// That is the time the encoder itself needs for exactly these pictures.
//
// usage: bench_makevideo [RUNS]            (RUNS per tool, default 3)
// Last line: sorvel_s=<median> ffmpeg_s=<median> encoder_s=<median>
//            ratio=<ffmpeg_s/sorvel_s> limit_ratio=<encoder_s/sorvel_s> peak_mb=<sorvel's>
//
// bench_makevideo --presets: the choice of the default preset; the first
// 20 s of sorvel's frames encoded at CRF 21 with several presets: size,
// time and PSNR against the frames.

#include "benchstats.h"
#include "testmedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "album/videochoices.h"
#include "job/videogeneration.h"

#ifndef SORVEL_BENCH_VIDEO_SCRIPT
#define SORVEL_BENCH_VIDEO_SCRIPT "makevideo_ffmpeg.sh"
#endif

namespace {

constexpr int kPhotos = 12;

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

// The seconds a media file plays (FFmpeg's reading); -1 when it does not read.
double mediaSeconds(const QString &path)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                 QStringLiteral("format=duration"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        return -1.0;
    bool ok = false;
    const double s = QString::fromLatin1(probe.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? s : -1.0;
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
    const bool presets = args.removeAll(QStringLiteral("--presets")) > 0;
    const int runs = !args.isEmpty() ? std::max(1, args.first().toInt()) : 3;
    const QString dir = QDir::tempPath() + QStringLiteral("/sorvel-bench-makevideo");
    QDir().mkpath(dir + QStringLiteral("/config"));
    const QString sorvel = QCoreApplication::applicationDirPath() + QStringLiteral("/sorvel");

    QStringList photos;
    if (!makePhotos(dir, QStringLiteral("photo"), kPhotos, QSize(4000, 3000), &photos))
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
    const QString preset = QString::fromLatin1(kVideoFilePreset);
    const QString crf = QString::number(videoQualityCrf(VideoChoices().quality));
    const QString sorvelFile = dir + QStringLiteral("/sorvel.mp4");
    const QString ffmpegFile = dir + QStringLiteral("/ffmpeg.mp4");
    const QString encoderFile = dir + QStringLiteral("/encoder.mp4");
    const QString raw = dir + QStringLiteral("/frames.yuv");
    QStringList sorvelCommand{sorvel,
                              QStringLiteral("make-video"),
                              QStringLiteral("--to"),
                              sorvelFile,
                              QStringLiteral("--size"),
                              QStringLiteral("1080p"),
                              QStringLiteral("--fps"),
                              QStringLiteral("30"),
                              QStringLiteral("--photo-duration"),
                              QStringLiteral("5000"),
                              QStringLiteral("--transition-duration"),
                              QStringLiteral("1500"),
                              QStringLiteral("--yes")};
    sorvelCommand += photos;
    sorvelCommand.append(music);
    QStringList ffmpegCommand{
        QStringLiteral("bash"), QStringLiteral(SORVEL_BENCH_VIDEO_SCRIPT), ffmpegFile, preset, crf, music};
    ffmpegCommand += photos;
    // sorvel's own key frames: a group at most every 5 s and an IDR picture
    // at every chapter, given to the encoder alone too (filled in below).
    QString keyFrames;
    auto encoderCommand = [&](const QString &p, const QString &out, int frames) {
        QStringList c{QStringLiteral("ffmpeg"),   QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                      QStringLiteral("error"),    QStringLiteral("-y"),           QStringLiteral("-f"),
                      QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"),     QStringLiteral("yuv420p"),
                      QStringLiteral("-s"),       QStringLiteral("1920x1080"),    QStringLiteral("-r"),
                      QStringLiteral("30"),       QStringLiteral("-i"),           raw};
        if (frames > 0)
            c << QStringLiteral("-frames:v") << QString::number(frames);
        c << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset") << p
          << QStringLiteral("-crf") << crf << QStringLiteral("-profile:v") << QStringLiteral("high")
          << QStringLiteral("-threads") << QString::number(QThread::idealThreadCount())
          << QStringLiteral("-g") << QStringLiteral("150") << QStringLiteral("-forced-idr")
          << QStringLiteral("1");
        if (!keyFrames.isEmpty())
            c << QStringLiteral("-force_key_frames") << keyFrames;
        c << QStringLiteral("-level") << QStringLiteral("4.0") << QStringLiteral("-maxrate")
          << QStringLiteral("25M") << QStringLiteral("-bufsize") << QStringLiteral("31250k")
          << QStringLiteral("-colorspace") << QStringLiteral("bt709") << QStringLiteral("-color_primaries")
          << QStringLiteral("bt709") << QStringLiteral("-color_trc") << QStringLiteral("bt709")
          << QStringLiteral("-movflags") << QStringLiteral("+faststart") << out;
        return c;
    };
    const QStringList sorvelEnvironment{QStringLiteral("XDG_CONFIG_HOME=") + dir + QStringLiteral("/config"),
                                        QStringLiteral("QT_QPA_PLATFORM=offscreen")};

    // sorvel's encoder input, written once (untimed) for the encoder-only
    // runs; made again for every timing (it follows the build measured), for
    // the preset table only when it is missing.
    if (!presets || !QFile::exists(raw)) {
        const Run first =
            runProgram(sorvelCommand, dir + QStringLiteral("/sorvel.log"),
                       sorvelEnvironment + QStringList{QStringLiteral("SORVEL_ENCODER_INPUT_COPY=") + raw});
        if (!first.ok || QFileInfo(raw).size() != qint64(1920) * 1080 * 3 / 2 * 2295) {
            std::fprintf(stderr, "cannot make sorvel's encoder input; see %s/sorvel.log\n", qPrintable(dir));
            return 1;
        }
    }

    {
        QProcess probe;
        probe.start(QStringLiteral("ffprobe"),
                    {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                     QStringLiteral("chapter=start_time"), QStringLiteral("-of"), QStringLiteral("csv=p=0"),
                     sorvelFile});
        probe.waitForFinished(60000);
        keyFrames = QString::fromLatin1(probe.readAllStandardOutput())
                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                        .join(QLatin1Char(','));
    }

    if (presets) {
        // 20 s of the frames at CRF 21 with each preset.
        std::printf("preset     size_mb  time_s  psnr_db (first 20 s of 1080p30, CRF %s)\n", qPrintable(crf));
        for (const char *p : {"ultrafast", "superfast", "veryfast", "faster", "fast", "medium"}) {
            const QString out = dir + QStringLiteral("/preset-%1.mp4").arg(QLatin1String(p));
            const Run r =
                runProgram(encoderCommand(QLatin1String(p), out, 600), dir + QStringLiteral("/preset.log"));
            if (!r.ok)
                return 1;
            QProcess psnr;
            psnr.start(QStringLiteral("ffmpeg"), {QStringLiteral("-hide_banner"),
                                                  QStringLiteral("-i"),
                                                  out,
                                                  QStringLiteral("-f"),
                                                  QStringLiteral("rawvideo"),
                                                  QStringLiteral("-pix_fmt"),
                                                  QStringLiteral("yuv420p"),
                                                  QStringLiteral("-s"),
                                                  QStringLiteral("1920x1080"),
                                                  QStringLiteral("-r"),
                                                  QStringLiteral("30"),
                                                  QStringLiteral("-i"),
                                                  raw,
                                                  QStringLiteral("-frames:v"),
                                                  QStringLiteral("600"),
                                                  QStringLiteral("-lavfi"),
                                                  QStringLiteral("psnr"),
                                                  QStringLiteral("-f"),
                                                  QStringLiteral("null"),
                                                  QStringLiteral("-")});
            psnr.waitForFinished(-1);
            const QString text = QString::fromLatin1(psnr.readAllStandardError());
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("average:([0-9.]+)")).match(text);
            std::printf("%-10s %7.1f %7.2f %8s\n", p, QFileInfo(out).size() / 1048576.0, r.seconds,
                        m.hasMatch() ? qPrintable(m.captured(1)) : "?");
            std::fflush(stdout);
            QFile::remove(out);
        }
        return 0;
    }

    std::printf("album: %d photos of 4000 x 3000, 60 s of music, 76.5 s of 1080p30; preset %s, CRF %s; %d "
                "runs each\n",
                kPhotos, qPrintable(preset), qPrintable(crf), runs);
    std::fflush(stdout);
    std::vector<double> times[3];
    long sorvelPeakKb = 0;
    const char *names[3] = {"sorvel", "ffmpeg", "encoder"};
    for (int i = 0; i < 3 * runs; ++i) {
        // Alternating, the order turning each round.
        const int tool = (i + i / 3) % 3;
        const QString out = tool == 0 ? sorvelFile : tool == 1 ? ffmpegFile : encoderFile;
        QFile::remove(out);
        const QString log = dir + QStringLiteral("/%1.log").arg(QLatin1String(names[tool]));
        const Run r = tool == 0   ? runProgram(sorvelCommand, log, sorvelEnvironment)
                      : tool == 1 ? runProgram(ffmpegCommand, log)
                                  : runProgram(encoderCommand(preset, out, 0), log);
        const double seconds = r.ok ? mediaSeconds(out) : -1.0;
        if (!r.ok || seconds < 76.0 || seconds > 77.0) {
            std::fprintf(stderr, "%s failed or made %.2f s, see %s\n", names[tool], seconds, qPrintable(log));
            return 1;
        }
        times[tool].push_back(r.seconds);
        if (tool == 0)
            sorvelPeakKb = std::max(sorvelPeakKb, r.peakKb);
        std::printf("%-7s run %d: %6.2f s (cpu %6.2f s), peak %4ld MB, %.2f s, %.1f MB\n", names[tool],
                    int(times[tool].size()), r.seconds, r.cpuSeconds, r.peakKb / 1024, seconds,
                    QFileInfo(out).size() / 1048576.0);
        std::fflush(stdout);
    }
    const double s = median(times[0]), f = median(times[1]), e = median(times[2]);
    std::printf("sorvel_s=%.2f ffmpeg_s=%.2f encoder_s=%.2f ratio=%.2f limit_ratio=%.2f peak_mb=%ld\n", s, f,
                e, f / s, e / s, sorvelPeakKb / 1024);
    return 0;
}
