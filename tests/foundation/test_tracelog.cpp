// The trace log: entry format, rotation and truncation.
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "framework/tracelog.h"

class TestTraceLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void traceLogRotates();
};

void TestTraceLog::traceLogRotates()
{
    const QString first = traceLogPath();
    QVERIFY(first.endsWith(QStringLiteral("/test_tracelog.1.log")));
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

QTEST_GUILESS_MAIN(TestTraceLog)
#include "test_tracelog.moc"
