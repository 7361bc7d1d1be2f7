// ChildProcess: pausing, resuming, priority, affinity and killing a real child.
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <sched.h>
#include <sys/resource.h>

#include "authoring/childprocess.h"

namespace {
// The scheduler state letter of a process ('R', 'S', 'T' stopped, ...).
char procState(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return '?';
    const QByteArray stat = f.readAll();
    const int close = stat.lastIndexOf(')');
    return close > 0 && close + 2 < stat.size() ? stat.at(close + 2) : '?';
}

bool waitForState(qint64 pid, char want)
{
    for (int i = 0; i < 100; ++i) {
        if (procState(pid) == want)
            return true;
        QTest::qWait(10);
    }
    return false;
}
} // namespace

class TestChildProcess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pauseResumeTerminate();
    void notRunning();
    void priorityAndAffinity();
};

void TestChildProcess::pauseResumeTerminate()
{
    ChildProcess p;
    QSignalSpy paused(&p, &ChildProcess::paused);
    QSignalSpy resumed(&p, &ChildProcess::resumed);
    p.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(p.waitForStarted());
    const qint64 pid = p.processId();
    QVERIFY(!p.resume()); // not paused yet
    QVERIFY(p.pause());
    QVERIFY(!p.pause()); // second pause: false, no signal
    QCOMPARE(paused.count(), 1);
    QVERIFY(p.isPaused());
    QVERIFY(waitForState(pid, 'T'));
    QVERIFY(p.resume());
    QCOMPARE(resumed.count(), 1);
    QVERIFY(waitForState(pid, 'S'));
    // A paused child is still killed at once.
    QVERIFY(p.pause());
    QVERIFY(p.terminate());
    QVERIFY(p.property("killed").toBool());
    QVERIFY(p.waitForFinished(2000));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    // Terminating a finished process still marks it killed.
    p.setProperty("killed", false);
    QVERIFY(p.terminate());
    QVERIFY(p.property("killed").toBool());
}

void TestChildProcess::notRunning()
{
    ChildProcess p;
    QVERIFY(!p.isRunning());
    QVERIFY(!p.pause());
    QVERIFY(!p.resume());
    QVERIFY(!p.setPriority(KYPROCESS_PRIORITY_IDLE));
    QVERIFY(!p.setCpuAffinity(1));
    // The extra operations are slots, reachable through the meta-object system.
    bool ok = true;
    QVERIFY(QMetaObject::invokeMethod(&p, "pause", Q_RETURN_ARG(bool, ok)));
    QVERIFY(!ok);
}

void TestChildProcess::priorityAndAffinity()
{
    ChildProcess p;
    p.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(p.waitForStarted());
    QVERIFY(p.setPriority(KYPROCESS_PRIORITY_BELOW_NORMAL));
    errno = 0;
    QCOMPARE(getpriority(PRIO_PROCESS, id_t(p.processId())), 10);
    QVERIFY(p.setCpuAffinity(1));
    cpu_set_t set;
    QCOMPARE(sched_getaffinity(pid_t(p.processId()), sizeof set, &set), 0);
    QCOMPARE(CPU_COUNT(&set), 1);
    QVERIFY(CPU_ISSET(0, &set));
    QVERIFY(!p.setCpuAffinity(0));
    p.terminate();
    QVERIFY(p.waitForFinished(2000));
}

QTEST_GUILESS_MAIN(TestChildProcess)
#include "test_childprocess.moc"
