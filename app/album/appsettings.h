#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

#include "album/dvdchoices.h"

class SettingsStore;

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

// The preferences of the running application (null without one).
SettingsStore *pref();

bool firstStart(const SettingsStore *pref);
int cpuType(const SettingsStore *pref);
int cpuInUse(const SettingsStore *pref, int processorCount);
// The stored "VideoStandard" ("PAL" or "NTSC" in any case); nothing when
// absent or anything else.
std::optional<TvStandard> videoStandard(const SettingsStore *pref);
void setVideoStandard(SettingsStore *pref, TvStandard standard);
AfterMakingAction afterBurnAction(const SettingsStore *pref);
QString photoLastDir(const SettingsStore *pref);
QString audioLastDir(const SettingsStore *pref);
// The generation working folder: the stored "TemporaryDir", or else the
// framework temporary path.
QString temporaryDir(const SettingsStore *pref);
bool deleteTemp(const SettingsStore *pref);

// Territories whose default TV standard is NTSC: the Americas and the
// Caribbean, Japan, South Korea, Taiwan, Myanmar, the British Indian Ocean
// Territory and the Pacific territories.
const QList<QLocale::Territory> &ntscTerritories();
// The TV standard to use: the stored one, else NTSC for an NTSC territory
// of the locale and PAL otherwise.
TvStandard currentVideoStandard(const SettingsStore *pref, QLocale::Territory territory);
TvStandard currentVideoStandard();

// Import name patterns: the shared list of album/mediatypes.h.
const QStringList &photoNameFilters();
const QStringList &audioNameFilters();

} // namespace AppSettings
