// Processor affinity: the masks of each policy, applied to every thread.
#include <QBitArray>
#include <QTest>

#include <atomic>
#include <chrono>
#include <sched.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

#include "album/cpuaffinity.h"

class TestAffinity : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void affinityMasks();
    void affinityAppliesToEveryThread();
};

void TestAffinity::affinityMasks()
{
    int next = 0;
    QList<int> sequence;
    auto scripted = [&] { return sequence.value(next++ % qMax(1, int(sequence.size())), 0); };
    auto bits = [](const QBitArray &mask) {
        QList<int> on;
        for (int i = 0; i < mask.size(); ++i)
            if (mask.testBit(i))
                on.append(i);
        return on;
    };
    QCOMPARE(bits(CpuAffinity::computeMask(0, 0, 4, scripted)), (QList<int>{0, 1, 2, 3}));
    sequence = {7};
    next = 0;
    QCOMPARE(bits(CpuAffinity::computeMask(1, 0, 4, scripted)), (QList<int>{3}));
    // Policy 2 with all cores equals policy 0.
    sequence = {5, 0, 9, 3};
    next = 0;
    QCOMPARE(bits(CpuAffinity::computeMask(2, 4, 4, scripted)), (QList<int>{0, 1, 2, 3}));
    // Picks distinct processors: positions 1 of [0,1,2,3] then 1 of [0,2,3].
    sequence = {1, 1};
    next = 0;
    QCOMPARE(bits(CpuAffinity::computeMask(2, 2, 4, scripted)), (QList<int>{1, 2}));
    QCOMPARE(bits(CpuAffinity::computeMask(2, 0, 4, scripted)), (QList<int>{0}));
    QCOMPARE(bits(CpuAffinity::computeMask(2, -3, 4, scripted)), (QList<int>{0}));
    QCOMPARE(bits(CpuAffinity::computeMask(2, 99, 3, scripted)), (QList<int>{0, 1, 2}));
    QCOMPARE(bits(CpuAffinity::computeMask(7, 0, 4, scripted)), (QList<int>{0}));
}

void TestAffinity::affinityAppliesToEveryThread()
{
    const int n = CpuAffinity::processorCount();
    QVERIFY(n >= 1);
    // A thread that already runs must follow the mask too (on Linux the
    // affinity belongs to each thread).
    std::atomic<pid_t> workerTid{0};
    std::atomic<bool> release{false};
    std::thread worker([&] {
        workerTid = pid_t(syscall(SYS_gettid));
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    while (workerTid == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    QBitArray one(n);
    one.setBit(0);
    const bool applied = CpuAffinity::applyToProcess(one);
    cpu_set_t set, workerSet;
    const int mine = sched_getaffinity(0, sizeof set, &set);
    const int theirs = sched_getaffinity(workerTid, sizeof workerSet, &workerSet);
    release = true;
    worker.join();
    QVERIFY(applied);
    QCOMPARE(mine, 0);
    QCOMPARE(theirs, 0);
    QCOMPARE(CPU_COUNT(&set), 1);
    QVERIFY(CPU_ISSET(0, &set));
    QCOMPARE(CPU_COUNT(&workerSet), 1);
    QVERIFY(CPU_ISSET(0, &workerSet));
    QBitArray all(n, true);
    QVERIFY(CpuAffinity::applyToProcess(all));
    QCOMPARE(sched_getaffinity(0, sizeof set, &set), 0);
    QCOMPARE(CPU_COUNT(&set), n);
}

QTEST_GUILESS_MAIN(TestAffinity)
#include "test_affinity.moc"
