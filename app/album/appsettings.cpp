#include "album/appsettings.h"

#include "album/mediatypes.h"

#include <QStandardPaths>

#include "framework/apppaths.h"
#include "framework/settingsstore.h"

namespace AppSettings {

namespace {
QVariant read(const SettingsStore *pref, const QString &key, const QVariant &def)
{
    return pref ? pref->value(key, def) : def;
}
} // namespace

SettingsStore *pref()
{
    return SettingsStore::current();
}

bool firstStart(const SettingsStore *pref)
{
    return read(pref, kFirstStart, true).toBool();
}

int cpuType(const SettingsStore *pref)
{
    return read(pref, kCPUType, 0).toInt();
}

int cpuInUse(const SettingsStore *pref, int processorCount)
{
    return read(pref, kCPUInUse, qMax(1, processorCount)).toInt();
}

std::optional<TvStandard> videoStandard(const SettingsStore *pref)
{
    return parseTvStandard(read(pref, kVideoStandard, QString()).toString());
}

void setVideoStandard(SettingsStore *pref, TvStandard standard)
{
    if (pref)
        pref->setValue(kVideoStandard, tvStandardName(standard));
}

AfterMakingAction afterBurnAction(const SettingsStore *pref)
{
    const QVariant stored = read(pref, kAfterBurnAction, afterMakingActionCode(AfterMakingAction::DoNothing));
    bool ok = false;
    const int code = stored.toInt(&ok);
    return ok ? afterMakingActionFromCode(code) : AfterMakingAction::DoNothing;
}

QString photoLastDir(const SettingsStore *pref)
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString stored = read(pref, kPhotoLastDir, pictures).toString().trimmed();
    return stored.isEmpty() ? pictures : stored;
}

QString audioLastDir(const SettingsStore *pref)
{
    return read(pref, kAudioLastDir, QStandardPaths::writableLocation(QStandardPaths::MusicLocation))
        .toString();
}

QString temporaryDir(const SettingsStore *pref)
{
    return read(pref, kTemporaryDir, AppPaths::tempPath()).toString();
}

bool deleteTemp(const SettingsStore *pref)
{
    return read(pref, kDeleteTemp, true).toBool();
}

const QList<QLocale::Territory> &ntscTerritories()
{
    // The NTSC countries of the former country numbering, each carried over
    // to the territory it named. The Netherlands Antilles became Curacao,
    // Sint Maarten and the Caribbean Netherlands.
    static const QList<QLocale::Territory> list = {
        QLocale::AmericanSamoa,
        QLocale::AntiguaAndBarbuda,
        QLocale::Aruba,
        QLocale::Bahamas,
        QLocale::Barbados,
        QLocale::Belize,
        QLocale::Bermuda,
        QLocale::Bolivia,
        QLocale::BritishIndianOceanTerritory,
        QLocale::Canada,
        QLocale::CaymanIslands,
        QLocale::Colombia,
        QLocale::CostaRica,
        QLocale::Cuba,
        QLocale::Dominica,
        QLocale::DominicanRepublic,
        QLocale::Ecuador,
        QLocale::ElSalvador,
        QLocale::Grenada,
        QLocale::Guam,
        QLocale::Guatemala,
        QLocale::Guyana,
        QLocale::Haiti,
        QLocale::Honduras,
        QLocale::Jamaica,
        QLocale::Japan,
        QLocale::SouthKorea,
        QLocale::MarshallIslands,
        QLocale::Mexico,
        QLocale::Micronesia,
        QLocale::Montserrat,
        QLocale::Myanmar,
        QLocale::Curacao,
        QLocale::SintMaarten,
        QLocale::CaribbeanNetherlands,
        QLocale::Nicaragua,
        QLocale::NorthernMarianaIslands,
        QLocale::Palau,
        QLocale::Panama,
        QLocale::Peru,
        QLocale::PuertoRico,
        QLocale::SaintKittsAndNevis,
        QLocale::SaintLucia,
        QLocale::SaintVincentAndGrenadines,
        QLocale::Samoa,
        QLocale::Suriname,
        QLocale::Taiwan,
        QLocale::Tonga,
        QLocale::TrinidadAndTobago,
        QLocale::UnitedStates,
        QLocale::Venezuela,
        QLocale::BritishVirginIslands,
        QLocale::UnitedStatesVirginIslands,
    };
    return list;
}

TvStandard currentVideoStandard(const SettingsStore *pref, QLocale::Territory territory)
{
    if (const std::optional<TvStandard> stored = videoStandard(pref))
        return *stored;
    return ntscTerritories().contains(territory) ? TvStandard::Ntsc : TvStandard::Pal;
}

TvStandard currentVideoStandard()
{
    return currentVideoStandard(pref(), QLocale::system().territory());
}

const QStringList &photoNameFilters()
{
    return MediaTypes::photoPatterns();
}

const QStringList &audioNameFilters()
{
    return MediaTypes::audioPatterns();
}

} // namespace AppSettings
