// Settings keys and their defaults, the TV standard, processor affinity,
// the preferences store and the framework's test hooks.
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <atomic>
#include <chrono>
#include <sched.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

#include "album/album.h"
#include "album/appsettings.h"
#include "kybase/ky.h"
#include "kybase/kyapplication.h"
#include "kybase/kymessagebox.h"
#include "kybase/kypowerstate.h"
#include "kybase/kypref.h"
#include "mainwindow/startup.h"
#include "testsupport.h"

using namespace AppSettings;

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void defaultsWhenAbsent();
    void malformedValuesConvert();
    void valuesPersistImmediately();
    void videoStandard_data();
    void videoStandard();
    void dvdChoices();
    void ntscListCarriedOver();
    void affinityMasks();
    void affinityAppliesToEveryThread();
    void messageBoxHook();
    void powerRequests();
    void folderWritable();
    void appDirFromEnvironment();

private:
    KyPref *m_pref = nullptr;
};

void TestSettings::init()
{
    m_pref = KyApplication::instance()->pref();
    for (const QString &key :
         {kFirstStart, kCPUType, kCPUInUse, kVideoStandard, kAfterBurnAction, kPhotoLastDir, kAudioLastDir,
          kTemporaryDir, kDeleteTemp, kAutoUpdateEnable, kUpdateInterval})
        m_pref->remove(key);
}

void TestSettings::defaultsWhenAbsent()
{
    QCOMPARE(firstStart(m_pref), true);
    QCOMPARE(cpuType(m_pref), 0);
    QCOMPARE(cpuInUse(m_pref, 6), 6);
    QCOMPARE(cpuInUse(m_pref, 0), 1);
    QCOMPARE(AppSettings::videoStandard(m_pref), std::nullopt);
    QCOMPARE(afterBurnAction(m_pref), AfterMakingAction::DoNothing);
    QCOMPARE(deleteTemp(m_pref), true);
    QCOMPARE(autoUpdateEnable(m_pref), true);
    QCOMPARE(updateInterval(m_pref), 1);
    QCOMPARE(temporaryDir(m_pref), Ky::tempPath());
    QVERIFY(Ky::tempPath().endsWith(QStringLiteral("/Sorvel")));
    QVERIFY(!photoLastDir(m_pref).isEmpty());
}

void TestSettings::malformedValuesConvert()
{
    m_pref->setValue(kCPUType, QStringLiteral("two"));
    m_pref->setValue(kUpdateInterval, QStringLiteral("x7"));
    m_pref->setValue(kPhotoLastDir, QStringLiteral("   "));
    m_pref->setValue(kAfterBurnAction, QStringLiteral("4"));
    QCOMPARE(cpuType(m_pref), 0);
    QCOMPARE(updateInterval(m_pref), 0);
    QCOMPARE(afterBurnAction(m_pref), AfterMakingAction::ShutDown);
    // Codes that name no action do nothing.
    for (const char *code : {"3", "7", "-1", "stand by"}) {
        m_pref->setValue(kAfterBurnAction, QString::fromLatin1(code));
        QCOMPARE(afterBurnAction(m_pref), AfterMakingAction::DoNothing);
    }
    m_pref->setValue(kAfterBurnAction, 1);
    QCOMPARE(afterBurnAction(m_pref), AfterMakingAction::StandBy);
    // White space only: the pictures folder instead.
    QCOMPARE(photoLastDir(m_pref), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    m_pref->setValue(kPhotoLastDir, QStringLiteral("  /data/photos \t"));
    QCOMPARE(photoLastDir(m_pref), QStringLiteral("/data/photos"));
}

void TestSettings::valuesPersistImmediately()
{
    m_pref->setValue(kTemporaryDir, QStringLiteral("/var/tmp/dvd work"));
    // Another reader of the same file sees the value at once.
    QSettings other(m_pref->fileName(), QSettings::IniFormat);
    QCOMPARE(other.value(kTemporaryDir).toString(), QStringLiteral("/var/tmp/dvd work"));
    QVERIFY(m_pref->fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    QVERIFY(m_pref->hasKey(kTemporaryDir));
}

void TestSettings::videoStandard_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("territory");
    QTest::addColumn<QString>("expected");
    QTest::newRow("US") << QString() << int(QLocale::UnitedStates) << "NTSC";
    QTest::newRow("Japan") << QString() << int(QLocale::Japan) << "NTSC";
    QTest::newRow("Germany") << QString() << int(QLocale::Germany) << "PAL";
    QTest::newRow("UK") << QString() << int(QLocale::UnitedKingdom) << "PAL";
    QTest::newRow("Korea") << QString() << int(QLocale::SouthKorea) << "NTSC";
    // A stored standard is read in any case: "pal" is PAL, in the frame rate
    // too (it once came back unchanged and then counted as NTSC).
    QTest::newRow("stored pal in the US") << "pal" << int(QLocale::UnitedStates) << "PAL";
    QTest::newRow("stored Pal with spaces") << " Pal " << int(QLocale::Japan) << "PAL";
    QTest::newRow("stored NTSC in Germany") << "NTSC" << int(QLocale::Germany) << "NTSC";
    QTest::newRow("stored ntsc in Germany") << "ntsc" << int(QLocale::Germany) << "NTSC";
    QTest::newRow("unrelated text") << "SECAM" << int(QLocale::Canada) << "NTSC";
}

void TestSettings::videoStandard()
{
    QFETCH(QString, stored);
    QFETCH(int, territory);
    QFETCH(QString, expected);
    if (!stored.isNull())
        m_pref->setValue(kVideoStandard, stored);
    const TvStandard standard = currentVideoStandard(m_pref, QLocale::Territory(territory));
    QCOMPARE(tvStandardName(standard), expected);
    const OutputFormat f = OutputFormat::forStandard(standard);
    QCOMPARE(f.frameRateNum, expected == QLatin1String("PAL") ? 25 : 30000);
    // Storing a standard writes its canonical name.
    setVideoStandard(m_pref, standard);
    QCOMPARE(m_pref->value(kVideoStandard).toString(), expected);
}

void TestSettings::dvdChoices()
{
    QCOMPARE(parseTvStandard(QStringLiteral("pAl")), TvStandard::Pal);
    QCOMPARE(parseTvStandard(QStringLiteral("NTSC")), TvStandard::Ntsc);
    QCOMPARE(parseTvStandard(QStringLiteral("SECAM")), std::nullopt);
    QCOMPARE(parseTvStandard(QString()), std::nullopt);

    for (OutputTarget t : {KymDestination::Folder, KymDestination::Iso, KymDestination::Burner})
        QCOMPARE(parseOutputTarget(outputTargetName(t)), t);
    QCOMPARE(outputTargetName(KymDestination::Iso), QStringLiteral("toiso"));
    QCOMPARE(parseOutputTarget(QStringLiteral("toburner")), KymDestination::Burner);
    QCOMPARE(parseOutputTarget(QStringLiteral("ToIso")), std::nullopt);
    QCOMPARE(parseOutputTarget(QString()), std::nullopt);

    QCOMPARE(afterMakingActionFromCode(2), AfterMakingAction::Hibernate);
    QCOMPARE(afterMakingActionFromCode(0), AfterMakingAction::ExitProgram);
    QCOMPARE(afterMakingActionFromCode(3), AfterMakingAction::DoNothing);
    QCOMPARE(afterMakingActionCode(AfterMakingAction::ShutDown), 4);

    // Video: Mbit/s from 2 to 9, decimals kept; quality names.
    QCOMPARE(parseVideoBitRate(QStringLiteral("9")), 9000000);
    QCOMPARE(parseVideoBitRate(QStringLiteral("6.125")), 6125000);
    QCOMPARE(parseVideoBitRate(QStringLiteral("2")), 2000000);
    for (const char *bad : {"1.99", "9.01", "nan", "inf", "-5", "", "fast"})
        QCOMPARE(parseVideoBitRate(QString::fromLatin1(bad)), std::nullopt);
    QCOMPARE(parseVideoQuality(QStringLiteral("High")), kHighVideoBitRate);
    QCOMPARE(parseVideoQuality(QStringLiteral("normal")), 5000000);
    QCOMPARE(parseVideoQuality(QStringLiteral("LOW")), 2000000);
    QCOMPARE(parseVideoQuality(QStringLiteral("6.5")), 6500000);
    QCOMPARE(formatVideoBitRate(9000000), QStringLiteral("9"));
    QCOMPARE(formatVideoBitRate(6500000), QStringLiteral("6.5"));
    QCOMPARE(formatVideoBitRate(6125000), QStringLiteral("6.125"));

    // Audio: whole kbit/s from 128 to 448; channels 1, 2 or 6.
    QCOMPARE(parseAudioBitRate(QStringLiteral("192")), 192000);
    QCOMPARE(parseAudioBitRate(QStringLiteral("448")), 448000);
    for (const char *bad : {"127", "449", "192.5", "x"})
        QCOMPARE(parseAudioBitRate(QString::fromLatin1(bad)), std::nullopt);
    QCOMPARE(formatAudioBitRate(320000), QStringLiteral("320"));
    QCOMPARE(parseAudioChannels(QStringLiteral("6")), 6);
    for (const char *bad : {"0", "3", "5.1", ""})
        QCOMPARE(parseAudioChannels(QString::fromLatin1(bad)), std::nullopt);
}

void TestSettings::ntscListCarriedOver()
{
    const auto &list = ntscTerritories();
    for (auto t :
         {QLocale::AmericanSamoa, QLocale::Taiwan, QLocale::Myanmar, QLocale::BritishIndianOceanTerritory,
          QLocale::Guam, QLocale::Mexico, QLocale::Canada, QLocale::UnitedStatesVirginIslands})
        QVERIFY(list.contains(t));
    for (auto t : {QLocale::France, QLocale::China, QLocale::Australia, QLocale::Brazil, QLocale::India})
        QVERIFY(!list.contains(t));
}

void TestSettings::affinityMasks()
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

void TestSettings::affinityAppliesToEveryThread()
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

void TestSettings::messageBoxHook()
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

void TestSettings::powerRequests()
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

void TestSettings::folderWritable()
{
    const QString dir = TestSupport::freshDir(QStringLiteral("writable"));
    QVERIFY(Ky::isFolderWritable(dir));
    QVERIFY(!Ky::isFolderWritable(dir + QStringLiteral("/absent")));
    QVERIFY(!Ky::isFolderWritable(QString()));
    QVERIFY(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestSettings::appDirFromEnvironment()
{
    QCOMPARE(m_pref->appDir(), QDir(qEnvironmentVariable("SORVEL_APPDIR")).absolutePath());
    QVERIFY(!KyApplication::findTool(QStringLiteral("dvdauthor")).isEmpty());
    QVERIFY(KyApplication::findTool(QStringLiteral("no-such-tool-here")).isEmpty());
}

int main(int argc, char **argv)
{
    KyApplication app(argc, argv);
    app.initCfg(nullptr, true);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings.moc"
