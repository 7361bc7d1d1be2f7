// The preferences dialog, used as a person would: the values it shows for
// stored settings, what OK, Apply and Cancel store, the folder checks and
// their alerts, Browse and Open, and the processor choice taking effect.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <sched.h>

#include "album/appsettings.h"
#include "album/cpuaffinity.h"
#include "dialogtestutil.h"
#include "framework/apppaths.h"
#include "desktop/widgetsupport.h"
#include "desktop/application.h"
#include "framework/settingsstore.h"
#include "dialogs/preferencesdialog.h"

class TestPreferences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanupTestCase();
    void showsStoredSettings();
    void okStoresEverything();
    void cancelStoresNothing();
    void applyEnablesAndStores();
    void folderRules_data();
    void folderRules();
    void refusedFolderKeepsTheDialogOpen();
    void resetToDefault();
    void browseAndOpen();
    void processorChoiceAppliesAtOnce();
    void controlsHaveNames();

private:
    struct Form {
        Form()
        {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        }
        template <typename T> T *get(const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }
        QPushButton *button(QDialogButtonBox::StandardButton which)
        {
            return get<QDialogButtonBox>("buttonBox")->button(which);
        }
        void click(QDialogButtonBox::StandardButton which)
        {
            QTest::mouseClick(button(which), Qt::LeftButton);
        }
        // Clicks a check box or radio button on its indicator, where a
        // person clicks (the middle of a stretched one is empty space).
        void tick(const char *name)
        {
            auto *button = get<QAbstractButton>(name);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        }
        void setFolder(const QString &path)
        {
            auto *edit = get<QLineEdit>("temporaryFolder");
            edit->selectAll();
            QTest::keyClicks(edit, path);
        }
        PreferencesDialog dialog;
    };
    SettingsStore *pref() { return Application::instance()->pref(); }
    QByteArray settingsFile() const
    {
        QFile f(Application::instance()->pref()->fileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

void TestPreferences::init()
{
    for (const QString &key : {AppSettings::kTemporaryDir, AppSettings::kDeleteTemp,
                               AppSettings::kCPUType, AppSettings::kCPUInUse, AppSettings::kAfterBurnAction})
        pref()->remove(key);
}

void TestPreferences::cleanupTestCase()
{
    QBitArray all(CpuAffinity::processorCount(), true);
    CpuAffinity::applyToProcess(all);
}

void TestPreferences::showsStoredSettings()
{
    {
        // Nothing stored: the folder generation uses and the defaults.
        Form f;
        QCOMPARE(f.get<QLineEdit>("temporaryFolder")->text(), AppPaths::tempPath());
        QVERIFY(f.get<QCheckBox>("deleteTemporaryFiles")->isChecked());
        QVERIFY(f.get<QRadioButton>("allCores")->isChecked());
        QVERIFY(!f.get<QComboBox>("coreCount")->isEnabled());
        QCOMPARE(f.get<QComboBox>("coreCount")->count(), CpuAffinity::processorCount());
        QCOMPARE(f.get<QComboBox>("coreCount")->currentText(),
                 QString::number(CpuAffinity::processorCount()));
        QCOMPARE(f.get<QComboBox>("afterMakingAction")->currentText(), QStringLiteral("Do Nothing"));
        QVERIFY(!f.button(QDialogButtonBox::Apply)->isEnabled());
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Preferences"));
        saveShot(&f.dialog, QStringLiteral("preferences-general"));
        f.get<QTabWidget>("tabWidget")->setCurrentIndex(1);
        saveShot(&f.dialog, QStringLiteral("preferences-burn"));
    }
    // Out-of-range values are brought into range; unknown actions show
    // their fallback.
    pref()->setValue(AppSettings::kCPUType, 7);
    pref()->setValue(AppSettings::kCPUInUse, 99);
    pref()->setValue(AppSettings::kAfterBurnAction, 3);
    {
        Form f;
        auto *set = f.get<QRadioButton>("chosenCores");
        QVERIFY(set->isChecked());
        QCOMPARE(set->text(), QStringLiteral("Set Core Number:"));
        QVERIFY(f.get<QComboBox>("coreCount")->isEnabled());
        QCOMPARE(f.get<QComboBox>("coreCount")->currentText(),
                 QString::number(CpuAffinity::processorCount()));
        QCOMPARE(f.get<QComboBox>("afterMakingAction")->currentText(), QStringLiteral("Do Nothing"));
    }
    // Each stored action after making shows its entry.
    const QList<QPair<int, QString>> actions = {{0, QStringLiteral("Exit Program")},
                                                {4, QStringLiteral("Shut Down")},
                                                {2, QStringLiteral("Hibernate")},
                                                {1, QStringLiteral("Stand By")},
                                                {5, QStringLiteral("Do Nothing")}};
    for (const auto &a : actions) {
        pref()->setValue(AppSettings::kAfterBurnAction, a.first);
        Form f;
        QCOMPARE(f.get<QComboBox>("afterMakingAction")->currentText(), a.second);
    }
}

void TestPreferences::okStoresEverything()
{
    const QString folder = TestSupport::freshDir(QStringLiteral("prefs-ok")) + QStringLiteral("/work/dvd");
    Form f;
    f.setFolder(folder);
    f.tick("deleteTemporaryFiles");
    f.get<QTabWidget>("tabWidget")->setCurrentIndex(1);
    f.tick("fewestCores");
    auto *action = f.get<QComboBox>("afterMakingAction");
    action->setFocus();
    QTest::keyClick(action, Qt::Key_Down); // Exit Program
    QTest::keyClick(action, Qt::Key_Down); // Shut Down
    QCOMPARE(action->currentText(), QStringLiteral("Shut Down"));
    f.click(QDialogButtonBox::Ok);

    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(pref()->value(AppSettings::kTemporaryDir).toString(), folder);
    QVERIFY(QFileInfo(folder).isDir()); // created on OK
    QCOMPARE(pref()->value(AppSettings::kDeleteTemp).toBool(), false);
    QCOMPARE(pref()->value(AppSettings::kCPUType).toInt(), 1);
    QCOMPARE(pref()->value(AppSettings::kCPUInUse).toInt(), CpuAffinity::processorCount());
    QCOMPARE(pref()->value(AppSettings::kAfterBurnAction).toInt(),
             afterMakingActionCode(AfterMakingAction::ShutDown));
}

void TestPreferences::cancelStoresNothing()
{
    const QByteArray before = settingsFile();
    Form f;
    f.setFolder(QStringLiteral("/somewhere/else"));
    QVERIFY(f.button(QDialogButtonBox::Apply)->isEnabled());
    f.click(QDialogButtonBox::Cancel);
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settingsFile(), before);
    QVERIFY(!pref()->hasKey(AppSettings::kTemporaryDir));
}

void TestPreferences::applyEnablesAndStores()
{
    Form f;
    QPushButton *apply = f.button(QDialogButtonBox::Apply);
    QVERIFY(!apply->isEnabled());
    f.get<QTabWidget>("tabWidget")->setCurrentIndex(1);
    f.tick("chosenCores");
    QVERIFY(f.get<QComboBox>("coreCount")->isEnabled());
    QVERIFY(apply->isEnabled());
    QTest::mouseClick(apply, Qt::LeftButton);
    QVERIFY(f.dialog.isVisible()); // Apply keeps the dialog open
    QVERIFY(!apply->isEnabled());
    QCOMPARE(pref()->value(AppSettings::kCPUType).toInt(), 2);
    QCOMPARE(pref()->value(AppSettings::kTemporaryDir).toString(), AppPaths::tempPath());

    // Typing in the folder field is a change at once.
    f.get<QTabWidget>("tabWidget")->setCurrentIndex(0);
    QTest::keyClicks(f.get<QLineEdit>("temporaryFolder"), QStringLiteral("x"));
    QVERIFY(apply->isEnabled());
}

void TestPreferences::folderRules_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("absolute") << "/var/tmp/sorvel" << true;
    QTest::newRow("trailing slash") << "/var/tmp/sorvel/" << true;
    QTest::newRow("root") << "/" << true;
    QTest::newRow("spaces and unicode") << "/home/me/Vidéos DVD" << true;
    QTest::newRow("relative") << "work/dvd" << false;
    QTest::newRow("dot relative") << "./dvd" << false;
    QTest::newRow("home shorthand") << "~/dvd" << false;
    QTest::newRow("empty") << "" << false;
    for (const char c : QByteArray("\"*:<>`!#?|"))
        QTest::newRow(qPrintable(QStringLiteral("character %1").arg(QLatin1Char(c))))
            << QStringLiteral("/tmp/a%1b").arg(QLatin1Char(c)) << false;
}

void TestPreferences::folderRules()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(PreferencesDialog::isAcceptableFolderPath(path), accepted);
}

void TestPreferences::refusedFolderKeepsTheDialogOpen()
{
    MessageRecorder boxes;
    const QByteArray before = settingsFile();
    Form f;
    // A change on the other tab is not stored either.
    f.get<QTabWidget>("tabWidget")->setCurrentIndex(1);
    f.tick("fewestCores");

    struct Case {
        QString path;
        QString alert;
    };
    const QString incorrect = QStringLiteral("The selected path is incorrect, please select again.");
    const QString readOnly = QStringLiteral("The selected folder is read-only, please select other folder.");
    // /proc takes no new files, even from the superuser.
    const QList<Case> cases = {{QStringLiteral("relative/folder"), incorrect},
                               {QStringLiteral("/tmp/what?"), incorrect},
                               {QStringLiteral("/proc/sorvel-cannot-exist"), incorrect},
                               {QStringLiteral("/proc"), readOnly}};
    for (const Case &c : cases) {
        f.get<QTabWidget>("tabWidget")->setCurrentIndex(1);
        f.get<QLineEdit>("temporaryFolder")->setText(c.path);
        boxes.requests.clear();
        f.click(QDialogButtonBox::Ok);
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(boxes.texts(), QStringList{c.alert});
        QCOMPARE(boxes.requests.first().kind, MessageBox::Alert);
        QCOMPARE(f.get<QTabWidget>("tabWidget")->currentIndex(), 0);
        auto *edit = f.get<QLineEdit>("temporaryFolder");
        QCOMPARE(f.dialog.focusWidget(), edit);
        QCOMPARE(edit->selectedText(), c.path);
    }
    QVERIFY(!QFileInfo::exists(QStringLiteral("relative")));
    QCOMPARE(settingsFile(), before);
}

void TestPreferences::resetToDefault()
{
    pref()->setValue(AppSettings::kTemporaryDir, QStringLiteral("/var/tmp"));
    pref()->setValue(AppSettings::kDeleteTemp, false);
    pref()->setValue(AppSettings::kCPUType, 2);
    pref()->setValue(AppSettings::kCPUInUse, 1);
    pref()->setValue(AppSettings::kAfterBurnAction, 2);
    Form f;
    QCOMPARE(f.get<QLineEdit>("temporaryFolder")->text(), QStringLiteral("/var/tmp"));
    QTest::mouseClick(f.get<QPushButton>("resetGeneral"), Qt::LeftButton);
    QCOMPARE(f.get<QLineEdit>("temporaryFolder")->text(), AppPaths::tempPath());
    QVERIFY(f.get<QCheckBox>("deleteTemporaryFiles")->isChecked());
    // The other tab is untouched by this tab's reset.
    QVERIFY(f.get<QRadioButton>("chosenCores")->isChecked());
    QVERIFY(f.button(QDialogButtonBox::Apply)->isEnabled());
    // Nothing is stored before OK or Apply.
    QCOMPARE(pref()->value(AppSettings::kTemporaryDir).toString(), QStringLiteral("/var/tmp"));

    f.get<QTabWidget>("tabWidget")->setCurrentIndex(1);
    QTest::mouseClick(f.get<QPushButton>("resetMaking"), Qt::LeftButton);
    QVERIFY(f.get<QRadioButton>("allCores")->isChecked());
    QVERIFY(!f.get<QComboBox>("coreCount")->isEnabled());
    QCOMPARE(f.get<QComboBox>("coreCount")->currentText(), QString::number(CpuAffinity::processorCount()));
    QCOMPARE(f.get<QComboBox>("afterMakingAction")->currentText(), QStringLiteral("Do Nothing"));
    QCOMPARE(pref()->value(AppSettings::kAfterBurnAction).toInt(), 2);
}

void TestPreferences::browseAndOpen()
{
    ChooserRecorder chooser;
    FileManagerRecorder fileManager;
    MessageRecorder boxes;
    const QString chosen = TestSupport::freshDir(QStringLiteral("prefs-browse"));
    pref()->setValue(AppSettings::kTemporaryDir, QStringLiteral("/var/tmp"));
    Form f;

    // Cancelling the folder dialog changes nothing.
    QTest::mouseClick(f.get<QPushButton>("browseTemporaryFolder"), Qt::LeftButton);
    QCOMPARE(chooser.requests.size(), 1);
    QCOMPARE(chooser.requests.first().mode, FileChooser::ExistingDirectory);
    QCOMPARE(chooser.requests.first().caption, QStringLiteral("Select one folder"));
    QCOMPARE(chooser.requests.first().directory, QStringLiteral("/var/tmp"));
    QCOMPARE(f.get<QLineEdit>("temporaryFolder")->text(), QStringLiteral("/var/tmp"));
    QVERIFY(!f.button(QDialogButtonBox::Apply)->isEnabled());

    chooser.answers << chosen;
    QTest::mouseClick(f.get<QPushButton>("browseTemporaryFolder"), Qt::LeftButton);
    QCOMPARE(f.get<QLineEdit>("temporaryFolder")->text(), chosen);
    QVERIFY(f.button(QDialogButtonBox::Apply)->isEnabled());

    // Open shows the folder in the file manager, creating it when missing.
    const QString missing = chosen + QStringLiteral("/not/yet");
    f.get<QLineEdit>("temporaryFolder")->setText(missing);
    QTest::mouseClick(f.get<QPushButton>("openTemporaryFolder"), Qt::LeftButton);
    QCOMPARE(fileManager.opened, QList<QUrl>{QUrl::fromLocalFile(missing)});
    QVERIFY(QFileInfo(missing).isDir());
    QVERIFY(boxes.requests.isEmpty());

    // A folder that cannot be made is reported, and nothing is opened.
    f.get<QLineEdit>("temporaryFolder")->setText(QStringLiteral("no/relative"));
    QTest::mouseClick(f.get<QPushButton>("openTemporaryFolder"), Qt::LeftButton);
    QCOMPARE(fileManager.opened.size(), 1);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Failed to open folder \"no/relative\".")});
    QVERIFY(!QFileInfo::exists(QStringLiteral("no")));
}

void TestPreferences::processorChoiceAppliesAtOnce()
{
    if (CpuAffinity::processorCount() < 2)
        QSKIP("needs two processors");
    Form f;
    f.get<QTabWidget>("tabWidget")->setCurrentIndex(1);
    f.tick("chosenCores");
    auto *cores = f.get<QComboBox>("coreCount");
    cores->setFocus();
    QTest::keyClick(cores, Qt::Key_Home);
    QCOMPARE(cores->currentText(), QStringLiteral("1"));
    QTest::mouseClick(f.button(QDialogButtonBox::Apply), Qt::LeftButton);
    cpu_set_t set;
    QCOMPARE(sched_getaffinity(0, sizeof set, &set), 0);
    QCOMPARE(CPU_COUNT(&set), 1);

    f.tick("allCores");
    f.click(QDialogButtonBox::Ok);
    QCOMPARE(sched_getaffinity(0, sizeof set, &set), 0);
    QCOMPARE(CPU_COUNT(&set), CpuAffinity::processorCount());
}

void TestPreferences::controlsHaveNames()
{
    Form f;
    const QStringList unnamed = unnamedControls(&f.dialog);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

int main(int argc, char **argv)
{
    return runDialogTest<TestPreferences>(argc, argv);
}

#include "test_preferences.moc"
