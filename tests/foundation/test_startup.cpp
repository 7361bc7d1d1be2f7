// The program's start-up as a user meets it: real processes of `sorvel`
// under the test's X server, the splash line, the single-instance rule,
// "FirstStart", the integrity failure and the command line without display.
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include "testsupport.h"

namespace {
const QByteArray kSplash = "command:close splash screen\n";

QProcessEnvironment environment(const QString &configHome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return env;
}

bool waitForOutput(QProcess &p, const QByteArray &text, QByteArray &seen, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!seen.contains(text) && timer.elapsed() < timeoutMs) {
        p.waitForReadyRead(100);
        seen += p.readAllStandardOutput();
        if (p.state() == QProcess::NotRunning)
            break;
    }
    return seen.contains(text);
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void singleInstanceAndSplash();
    void integrityFailureWithArguments();
    void helpNeedsNoDisplay();
    void editorWithoutDisplay();
};

void TestStartup::singleInstanceAndSplash()
{
    const QString config = TestSupport::freshDir(QStringLiteral("startup-config"));
    const QString program = TestSupport::builtProgram(QStringLiteral("sorvel"));

    QProcess first;
    first.setProcessEnvironment(environment(config));
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QByteArray out;
    QVERIFY2(waitForOutput(first, kSplash, out), first.readAllStandardError().constData());
    QCOMPARE(out.count(kSplash), 1);

    // First start: FirstStart is stored false.
    const QString ini = config + QStringLiteral("/Sorvel/Sorvel.ini");
    {
        QSettings settings(ini, QSettings::IniFormat);
        QVERIFY(settings.contains(QStringLiteral("FirstStart")));
        QCOMPARE(settings.value(QStringLiteral("FirstStart")).toBool(), false);
    }

    // A second start finds the first, asks it to come forward and ends
    // without a window (no splash line).
    QProcess second;
    second.setProcessEnvironment(environment(config));
    second.start(program, {});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAllStandardOutput().contains("command:close"));
    QCOMPARE(first.state(), QProcess::Running);

    // A termination request ends the event loop cleanly: the second splash line.
    first.terminate();
    QVERIFY(first.waitForFinished(15000));
    out += first.readAllStandardOutput();
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(out.count(kSplash), 2);
}

void TestStartup::integrityFailureWithArguments()
{
    QProcess p;
    QProcessEnvironment env = environment(TestSupport::freshDir(QStringLiteral("integrity")));
    env.insert(QStringLiteral("SORVEL_APPDIR"), QStringLiteral("/nonexistent/sorvel"));
    p.setProcessEnvironment(env);
    p.start(TestSupport::builtProgram(QStringLiteral("sorvel")), {QStringLiteral("--version")});
    QVERIFY(p.waitForFinished(15000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(p.readAllStandardError().contains("installation is incomplete"));
    QVERIFY(!p.readAllStandardOutput().contains("command:close"));
}

void TestStartup::helpNeedsNoDisplay()
{
    QProcess p;
    QProcessEnvironment env = environment(TestSupport::freshDir(QStringLiteral("help")));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(TestSupport::builtProgram(QStringLiteral("sorvel")), {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(15000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().contains("Usage: sorvel"));

    QProcess bad;
    bad.setProcessEnvironment(env);
    bad.start(TestSupport::builtProgram(QStringLiteral("sorvel")), {QStringLiteral("--bogus")});
    QVERIFY(bad.waitForFinished(15000));
    QCOMPARE(bad.exitCode(), 2);
    QVERIFY(bad.readAllStandardError().contains("unknown option"));
}

void TestStartup::editorWithoutDisplay()
{
    // No display server named, or one that cannot be reached: the editor
    // says what it needs and where to turn, instead of aborting inside Qt.
    QProcessEnvironment env = environment(TestSupport::freshDir(QStringLiteral("nodisplay")));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString &display : {QString(), QStringLiteral(":4711")}) {
        if (display.isEmpty())
            env.remove(QStringLiteral("DISPLAY"));
        else
            env.insert(QStringLiteral("DISPLAY"), display);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(TestSupport::builtProgram(QStringLiteral("sorvel")), {});
        QVERIFY(p.waitForFinished(15000));
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(err.contains("the editor needs a display server"), err.constData());
        QVERIFY(err.contains("sorvel make-dvd --help"));
        QVERIFY(!p.readAllStandardOutput().contains("command:close"));
    }
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
