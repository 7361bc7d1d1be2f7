// Authoring throughput: multiplexes and authors a PAL stream of a given
// length (default 20 s at a constant 9 Mbit/s) as one and as three titles with the real
// mplex and dvdauthor, through pipes (both tools at once) and through files
// (one after the other), and prints when the last title was multiplexed, the
// whole time, the output rate and how many progress steps the user saw.
#include "authoring/dvdauthoring.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {
bool ffmpeg(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                                                  QStringLiteral("error"), QStringLiteral("-y")} +
                                          arguments);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

qint64 folderSize(const QString &path)
{
    qint64 size = 0;
    const QFileInfoList files = QDir(path).entryInfoList(QDir::Files);
    for (const QFileInfo &f : files)
        size += f.size();
    return size;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    QTemporaryDir dir;
    const QString video = dir.filePath(QStringLiteral("video.m2v"));
    const QString audio = dir.filePath(QStringLiteral("audio.ac3"));
    std::printf("generating %d s of PAL MPEG-2 and AC-3 ...\n", seconds);
    const QString length = QString::number(seconds);
    const QStringList videoArgs =
        QStringLiteral("-f lavfi -i testsrc=size=720x576:rate=25 -t %1 -c:v mpeg2video -b:v 9M -maxrate 9M "
                       "-minrate 9M -bufsize 1835008 -g 12 -aspect 4:3 -f mpeg2video")
            .arg(length)
            .split(QLatin1Char(' '));
    const QStringList audioArgs =
        QStringLiteral("-f lavfi -i sine=frequency=440:sample_rate=48000 -t %1 -ac 2 "
                       "-c:a ac3 -b:a 448k -f ac3")
            .arg(length)
            .split(QLatin1Char(' '));
    if (!ffmpeg(videoArgs + QStringList{video}) || !ffmpeg(audioArgs + QStringList{audio})) {
        std::fprintf(stderr, "ffmpeg could not generate the input\n");
        return 1;
    }

    // Each case runs with the titles piped into dvdauthor while mplex
    // writes them, and the files-first way (SORVEL_NO_PIPES=1).
    for (bool pipes : {true, false}) {
        if (pipes)
            qunsetenv("SORVEL_NO_PIPES");
        else
            qputenv("SORVEL_NO_PIPES", "1");
        for (int titles : {1, 3}) {
            const QString temp = dir.filePath(QStringLiteral("run%1%2").arg(titles).arg(pipes ? "p" : "f"));
            QDir().mkpath(temp);
            DvdAuthoring author;
            for (int i = 0; i < titles; ++i) {
                author.addVideo(video, i);
                author.addAudio(audio, QStringLiteral("English"), i);
            }
            author.setTempPath(temp);
            author.setTVStandard(DvdAuthoring::PAL);
            QElapsedTimer timer;
            qint64 muxEnd = 0;
            int steps = 0;
            QObject::connect(
                &author, &DvdAuthoring::progressChanged, &author, [&](int) { ++steps; },
                Qt::DirectConnection);
            QObject::connect(
                &author, &DvdAuthoring::statusChanged, &author,
                [&](DvdAuthoring::AuthorStatus s, int index) {
                    if (s == DvdAuthoring::MplexOk && index == titles - 1)
                        muxEnd = timer.elapsed();
                },
                Qt::DirectConnection);
            timer.start();
            author.start();
            author.wait();
            const qint64 total = timer.elapsed();
            const double mib = folderSize(temp + QStringLiteral("/dvd/VIDEO_TS")) / 1048576.0;
            std::printf("%s, %d title(s): %s, multiplexed after %lld ms, authored after %lld ms, %.1f MiB, "
                        "%.1f MiB/s, %d progress steps\n",
                        pipes ? "pipes" : "files", titles,
                        author.processStatus() == DvdAuthoring::AuthorSucceeded ? "ok" : "FAILED",
                        static_cast<long long>(muxEnd), static_cast<long long>(total), mib,
                        total > 0 ? mib * 1000.0 / total : 0.0, steps);
        }
    }
    return 0;
}
