// The framework's helpers: the message box and power-action hooks, folder
// checks and the application folder.
#include <QDir>
#include <QTest>

#include "kybase/ky.h"
#include "kybase/kyapplication.h"
#include "kybase/kymessagebox.h"
#include "kybase/kypowerstate.h"
#include "kybase/kypref.h"
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
    QList<KyMessageBox::Request> seen;
    KyMessageBox::setAnswerHook([&](const KyMessageBox::Request &r) {
        seen.append(r);
        return QDialogButtonBox::Yes;
    });
    KyMessageBox::alert(QStringLiteral("Failed to create DVD!"));
    QCOMPARE(KyMessageBox::question(QStringLiteral("Continue?")), QDialogButtonBox::Yes);
    KyMessageBox::setAnswerHook({});
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].kind, KyMessageBox::Alert);
    QCOMPARE(seen[0].text, QStringLiteral("Failed to create DVD!"));
    QCOMPARE(seen[1].kind, KyMessageBox::Question);
    QCOMPARE(seen[1].defaultButton, QDialogButtonBox::No);
    QVERIFY(!KyMessageBox::hasAnswerHook());
}

void TestFramework::powerRequests()
{
    QList<KyPowerState::Request> seen;
    KyPowerState::setRequestHandler([&](const KyPowerState::Request &r) {
        seen.append(r);
        return true;
    });
    for (int code : {0, 1, 2, 4, 5, 3})
        QVERIFY(KyPowerState(code).exec());
    KyPowerState::setRequestHandler({});
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
    QVERIFY(Ky::isFolderWritable(dir));
    QVERIFY(!Ky::isFolderWritable(dir + QStringLiteral("/absent")));
    QVERIFY(!Ky::isFolderWritable(QString()));
    QVERIFY(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestFramework::appDirFromEnvironment()
{
    QCOMPARE(KyApplication::instance()->pref()->appDir(),
             QDir(qEnvironmentVariable("SORVEL_APPDIR")).absolutePath());
    QVERIFY(!KyApplication::findTool(QStringLiteral("dvdauthor")).isEmpty());
    QVERIFY(KyApplication::findTool(QStringLiteral("no-such-tool-here")).isEmpty());
}

int main(int argc, char **argv)
{
    KyApplication app(argc, argv);
    app.initCfg(nullptr, true);
    TestFramework test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_framework.moc"
