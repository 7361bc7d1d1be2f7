// Settings keys and their defaults, the preferences store, the TV standard
// and the typed DVD choices.
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "album/album.h"
#include "album/appsettings.h"
#include "burning/destination.h"
#include "framework/apppaths.h"
#include "desktop/widgetsupport.h"
#include "desktop/application.h"
#include "framework/settingsstore.h"

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

private:
    SettingsStore *m_pref = nullptr;
};

void TestSettings::init()
{
    m_pref = Application::instance()->pref();
    for (const QString &key :
         {kFirstStart, kCPUType, kCPUInUse, kVideoStandard, kAfterBurnAction, kPhotoLastDir, kAudioLastDir,
          kTemporaryDir, kDeleteTemp})
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
    QCOMPARE(temporaryDir(m_pref), AppPaths::tempPath());
    QVERIFY(AppPaths::tempPath().endsWith(QStringLiteral("/Sorvel-") + AppPaths::userName()));
    QVERIFY(!photoLastDir(m_pref).isEmpty());
}

void TestSettings::malformedValuesConvert()
{
    m_pref->setValue(kCPUType, QStringLiteral("two"));
    m_pref->setValue(kCPUInUse, QStringLiteral("x7"));
    m_pref->setValue(kPhotoLastDir, QStringLiteral("   "));
    m_pref->setValue(kAfterBurnAction, QStringLiteral("4"));
    QCOMPARE(cpuType(m_pref), 0);
    QCOMPARE(cpuInUse(m_pref, 6), 0);
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

    for (Destination::Type t : {Destination::Folder, Destination::Iso, Destination::Burner})
        QCOMPARE(Destination::typeFromName(Destination::typeName(t)), t);
    QCOMPARE(Destination::typeName(Destination::Iso), QStringLiteral("toiso"));
    QCOMPARE(Destination::typeFromName(QStringLiteral("toburner")), Destination::Burner);
    QCOMPARE(Destination::typeFromName(QStringLiteral("ToIso")), Destination::None);
    QCOMPARE(Destination::typeFromName(QString()), Destination::None);

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

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.initSettings();
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings.moc"
