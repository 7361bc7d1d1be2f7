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

namespace {

class Waiter : public IBurnerJobCallBack
{
public:
    std::atomic<int> last{-1};
    int postMessage(int, int wParam, int) override
    {
        if (wParam == NotifySucceeded || wParam == NotifyFailed || wParam == NotifyAborted)
            last = wParam;
        return 0;
    }
    int sendMessage(int m, int w, int l) override { return postMessage(m, w, l); }
};

double run(IDeviceManager *manager, const std::function<int(IBurnerJob *)> &start, bool &ok)
{
    Waiter waiter;
    IBurnerJob *job = IBurnerJob::Create(manager);
    job->SetCallback(&waiter);
    job->SetCloseDisc(1);
    QElapsedTimer timer;
    timer.start();
    start(job);
    while (waiter.last < 0)
        QThread::msleep(5);
    const double seconds = timer.nsecsElapsed() / 1e9;
    ok = waiter.last == NotifySucceeded;
    if (!ok)
        std::fprintf(stderr, "failed: %s\n", qPrintable(job->GetErrorFile()));
    job->Release();
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
    IDeviceManager *manager = IDeviceManager::Create();
    const QString iso = dir.path() + QStringLiteral("/image.iso");
    bool ok = false;
    const double imaging = run(
        manager, [&](IBurnerJob *job) { return job->MakeISO(iso, folder, QStringLiteral("BENCH"), 5000); },
        ok);
    if (!ok)
        return 1;
    const double mb = QFile(iso).size() / 1048576.0;
    std::printf("make ISO      %8.1f MB  %6.2f s  %8.1f MB/s\n", mb, imaging, mb / imaging);
    const QString device = QStringLiteral("stdio:") + dir.path() + QStringLiteral("/disc.img");
    const double writing = run(
        manager, [&](IBurnerJob *job) { return job->BurnISO(device, iso, 5000, 0); }, ok);
    if (!ok)
        return 1;
    std::printf("burn ISO      %8.1f MB  %6.2f s  %8.1f MB/s\n", mb, writing, mb / writing);
    const double folderBurn = run(
        manager,
        [&](IBurnerJob *job) {
            job->setStagingFolder(dir.path());
            return job->BurnFolder(device, folder, QStringLiteral("BENCH"), 5000, 0);
        },
        ok);
    if (!ok)
        return 1;
    std::printf("burn folder   %8.1f MB  %6.2f s  %8.1f MB/s\n", mb, folderBurn, mb / folderBurn);
    manager->Release();
    return 0;
}
