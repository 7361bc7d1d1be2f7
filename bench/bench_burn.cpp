// Throughput of the disc-recording engine: imaging a folder with
// genisoimage and writing the image to a pseudo-drive at full speed.
// Usage: bench_burn [megabytes]   (default 256)
#include <recording/recording.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <functional>

namespace {

// Runs one job to its end; the time it took, ok when it succeeded.
double run(const std::function<bool(DiscJob &)> &start, bool &ok)
{
    DiscJob job;
    job.setCloseDisc(true);
    // The pseudo-disc written by the step before is written over.
    job.setDiscQuestion([](DiscProblem) { return DiscDecision::UseDisc; });
    // The job reports on its thread; its end comes after it stops running.
    std::atomic<int> ended{0}; // 1 succeeded, 2 failed or aborted
    QObject::connect(
        &job, &DiscJob::succeeded, &job, [&] { ended = 1; }, Qt::DirectConnection);
    QObject::connect(
        &job, &DiscJob::failed, &job, [&](BurnError, const QString &) { ended = 2; }, Qt::DirectConnection);
    QObject::connect(
        &job, &DiscJob::aborted, &job, [&] { ended = 2; }, Qt::DirectConnection);
    QElapsedTimer timer;
    timer.start();
    if (!start(job)) {
        ok = false;
        return 0;
    }
    while (ended == 0)
        QThread::msleep(5);
    const double seconds = timer.nsecsElapsed() / 1e9;
    ok = ended == 1;
    if (!ok)
        std::fprintf(stderr, "failed: %s\n", qPrintable(job.errorText()));
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int megabytes = argc > 1 ? qMax(1, atoi(argv[1])) : 256;
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/content");
    QDir().mkpath(folder);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < megabytes; ++i) {
        QFile f(folder + QStringLiteral("/part%1.bin").arg(i / 64));
        f.open(QIODevice::Append);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(chunk.data()), chunk.size() / 4);
        f.write(chunk);
    }
    const QString iso = dir.path() + QStringLiteral("/image.iso");
    bool ok = false;
    const double imaging =
        run([&](DiscJob &job) { return job.makeImage(iso, folder, QStringLiteral("BENCH")); }, ok);
    if (!ok)
        return 1;
    const double mb = QFile(iso).size() / 1048576.0;
    std::printf("make ISO      %8.1f MB  %6.2f s  %8.1f MB/s\n", mb, imaging, mb / imaging);
    const QString device = QStringLiteral("stdio:") + dir.path() + QStringLiteral("/disc.img");
    const double writing = run([&](DiscJob &job) { return job.burnImage(device, iso); }, ok);
    if (!ok)
        return 1;
    std::printf("burn ISO      %8.1f MB  %6.2f s  %8.1f MB/s\n", mb, writing, mb / writing);
    const double folderBurn = run(
        [&](DiscJob &job) {
            job.setStagingFolder(dir.path());
            return job.burnFolder(device, folder, QStringLiteral("BENCH"));
        },
        ok);
    if (!ok)
        return 1;
    std::printf("burn folder   %8.1f MB  %6.2f s  %8.1f MB/s\n", mb, folderBurn, mb / folderBurn);
    return 0;
}
