#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

class KyPref;

// The persistent settings keys of the program and their typed readers. A
// missing or malformed value gives the default (a variant that does not
// convert gives 0, false or an empty string).
namespace AppSettings {

inline const QString kFirstStart = QStringLiteral("FirstStart");
inline const QString kCPUType = QStringLiteral("CPUType");
inline const QString kCPUInUse = QStringLiteral("CPUInUse");
inline const QString kVideoStandard = QStringLiteral("VideoStandard");
inline const QString kAfterBurnAction = QStringLiteral("AfterBurnAction");
inline const QString kPhotoLastDir = QStringLiteral("PhotoLastDir");
inline const QString kAudioLastDir = QStringLiteral("AudioLastDir");
inline const QString kTemporaryDir = QStringLiteral("TemporaryDir");
inline const QString kDeleteTemp = QStringLiteral("DeleteTemp");
inline const QString kAutoUpdateEnable = QStringLiteral("AutoUpdateEnable");
inline const QString kUpdateInterval = QStringLiteral("UpdateInterval");

// "AfterBurnAction" codes, the same in every menu, list and dialog.
enum AfterBurnAction { ExitProgram = 0, StandBy = 1, Hibernate = 2, ShutDown = 4, DoNothing = 5 };

// The preferences of the running application (null without one).
KyPref *pref();

bool firstStart(const KyPref *pref);
int cpuType(const KyPref *pref);
int cpuInUse(const KyPref *pref, int processorCount);
QString videoStandard(const KyPref *pref);
int afterBurnAction(const KyPref *pref);
QString photoLastDir(const KyPref *pref);
QString audioLastDir(const KyPref *pref);
// The generation working folder: the stored "TemporaryDir", or else the
// framework temporary path.
QString temporaryDir(const KyPref *pref);
bool deleteTemp(const KyPref *pref);
bool autoUpdateEnable(const KyPref *pref);
int updateInterval(const KyPref *pref);

// Territories whose default TV standard is NTSC: the Americas and the
// Caribbean, Japan, South Korea, Taiwan, Myanmar, the British Indian Ocean
// Territory and the Pacific territories.
const QList<QLocale::Territory> &ntscTerritories();
// The TV standard to use: a stored "PAL" or "NTSC" (any case, returned as
// stored), else NTSC for an NTSC territory of the locale and PAL otherwise.
QString currentVideoStandard(const KyPref *pref, QLocale::Territory territory);
QString currentVideoStandard();

// Import name patterns.
const QStringList &photoNameFilters();
const QStringList &audioNameFilters();

} // namespace AppSettings
