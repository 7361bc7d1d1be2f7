// The framework's helpers: the message box and power-action hooks, folder
// checks and the application folder.
#include <QDir>
#include <QTest>

#include "framework/apppaths.h"
#include "desktop/widgetsupport.h"
#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "framework/poweraction.h"
#include "framework/settingsstore.h"
#include "testsupport.h"

class TestFramework : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void messageBoxHook();
    void powerRequests();
    void folderWritable();
    void appDirFromEnvironment();
};

void TestFramework::messageBoxHook()
{
    QList<MessageBox::Request> seen;
    MessageBox::setAnswerHook([&](const MessageBox::Request &r) {
        seen.append(r);
        return QDialogButtonBox::Yes;
    });
    MessageBox::alert(QStringLiteral("Failed to create DVD!"));
    QCOMPARE(MessageBox::question(QStringLiteral("Continue?")), QDialogButtonBox::Yes);
    MessageBox::setAnswerHook({});
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].kind, MessageBox::Alert);
    QCOMPARE(seen[0].text, QStringLiteral("Failed to create DVD!"));
    QCOMPARE(seen[1].kind, MessageBox::Question);
    QCOMPARE(seen[1].defaultButton, QDialogButtonBox::No);
    QVERIFY(!MessageBox::hasAnswerHook());
}

void TestFramework::powerRequests()
{
    QList<PowerAction::Request> seen;
    PowerAction::setRequestHandler([&](const PowerAction::Request &r) {
        seen.append(r);
        return true;
    });
    for (int code : {0, 1, 2, 4, 5, 3})
        QVERIFY(PowerAction(code).exec());
    PowerAction::setRequestHandler({});
    QCOMPARE(seen.size(), 6);
    QVERIFY(seen[0].quitApplication);
    QCOMPARE(seen[1].method, QStringLiteral("Suspend"));
    QCOMPARE(seen[2].method, QStringLiteral("Hibernate"));
    QCOMPARE(seen[3].method, QStringLiteral("PowerOff"));
    QCOMPARE(seen[3].service, QStringLiteral("org.freedesktop.login1"));
    QCOMPARE(seen[3].interface, QStringLiteral("org.freedesktop.login1.Manager"));
    QVERIFY(seen[4].isNone());
    QVERIFY(seen[5].isNone());
}

void TestFramework::folderWritable()
{
    const QString dir = TestSupport::freshDir(QStringLiteral("writable"));
    QVERIFY(AppPaths::isFolderWritable(dir));
    QVERIFY(!AppPaths::isFolderWritable(dir + QStringLiteral("/absent")));
    QVERIFY(!AppPaths::isFolderWritable(QString()));
    QVERIFY(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestFramework::appDirFromEnvironment()
{
    QCOMPARE(Application::instance()->pref()->appDir(),
             QDir(qEnvironmentVariable("SORVEL_APPDIR")).absolutePath());
    QVERIFY(!AppPaths::findTool(QStringLiteral("dvdauthor")).isEmpty());
    QVERIFY(AppPaths::findTool(QStringLiteral("no-such-tool-here")).isEmpty());
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.initSettings();
    TestFramework test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_framework.moc"
