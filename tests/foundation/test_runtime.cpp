// Child processes, the DVD language table and the trace log.
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <sched.h>
#include <sys/resource.h>

#include "kymdvdauthor/dvdsupportlanguages.h"
#include "kymdvdauthor/kyprocess.h"
#include "testsupport.h"
#include "workflow/tracelog.h"

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

class TestRuntime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pauseResumeTerminate();
    void notRunning();
    void priorityAndAffinity();
    void languageTable();
    void traceLogRotates();
};

void TestRuntime::pauseResumeTerminate()
{
    KyProcess p;
    QSignalSpy paused(&p, &KyProcess::paused);
    QSignalSpy resumed(&p, &KyProcess::resumed);
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

void TestRuntime::notRunning()
{
    KyProcess p;
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

void TestRuntime::priorityAndAffinity()
{
    KyProcess p;
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

void TestRuntime::languageTable()
{
    const QStringList names = g_DVDLanguages.languageList();
    QCOMPARE(names.size(), 136);
    QCOMPARE(names.first(), QStringLiteral("Abkhazian"));
    QCOMPARE(names.last(), QStringLiteral("Zulu"));
    QCOMPARE(names.indexOf(QStringLiteral("Xhosa")), names.indexOf(QStringLiteral("Yoruba")) + 1);
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("English")), QStringLiteral("EN"));
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("english")), QString());
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("Deutsch (German)")), QStringLiteral("DE"));
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("German")), QString());
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("Hebrew")), QStringLiteral("IW"));
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("Serbo-Crotain")), QStringLiteral("SH"));
    const DVDSupportLanguages copy = g_DVDLanguages;
    QCOMPARE(copy.languageList(), names);
    QCOMPARE(DVDSupportLanguages().languageCode(QStringLiteral("Zulu")), QStringLiteral("ZU"));
}

void TestRuntime::traceLogRotates()
{
    const QString first = traceLogPath();
    QVERIFY(first.endsWith(QStringLiteral("/test_runtime.1.log")));
    QString second = first;
    second.replace(second.size() - 5, 1, QLatin1Char('2'));
    QFile::remove(first);
    QFile::remove(second);
    SORVEL_TRACE("customizedbitratedialog");
    QFile log(first);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray entry = log.readAll();
    log.close();
    QVERIFY(entry.startsWith("customizedbitratedialog("));
    QVERIFY(entry.contains(": in "));
    QVERIFY(entry.endsWith("\n\n")); // the entry and its empty line
    const QByteArray line(99, 'x');
    for (int i = 0; i < 400; ++i)
        traceLog("%s %03d", line.constData(), i);
    // Bounded: the current file stays below 8 KiB and the older one exists.
    QVERIFY(QFileInfo(first).size() < 8192);
    QVERIFY(QFileInfo::exists(second));
    QVERIFY(QFileInfo(second).size() >= 8192);
    QVERIFY(QFileInfo(second).size() < 8192 + 200);
    // Entries longer than 1023 characters are truncated.
    QFile::remove(first);
    QFile::remove(second);
    const QByteArray longLine(5000, 'y');
    traceLog("%s", longLine.constData());
    QFile cut(first);
    QVERIFY(cut.open(QIODevice::ReadOnly));
    QCOMPARE(cut.readAll(), QByteArray(1023, 'y') + '\n');
    cut.close();
    QFile::remove(first);
    QFile::remove(second);
}

QTEST_GUILESS_MAIN(TestRuntime)
#include "test_runtime.moc"
