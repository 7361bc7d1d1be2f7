#include "album/dvdchoices.h"

#include <QtGlobal>

#include <cmath>

std::optional<TvStandard> parseTvStandard(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("PAL"), Qt::CaseInsensitive) == 0)
        return TvStandard::Pal;
    if (t.compare(QLatin1String("NTSC"), Qt::CaseInsensitive) == 0)
        return TvStandard::Ntsc;
    return std::nullopt;
}

QString tvStandardName(TvStandard standard)
{
    return standard == TvStandard::Pal ? QStringLiteral("PAL") : QStringLiteral("NTSC");
}

std::optional<ShowEnd> parseShowEnd(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("repeat"), Qt::CaseInsensitive) == 0)
        return ShowEnd::Repeat;
    if (t.compare(QLatin1String("stop"), Qt::CaseInsensitive) == 0)
        return ShowEnd::Stop;
    return std::nullopt;
}

QString showEndName(ShowEnd end)
{
    return end == ShowEnd::Stop ? QStringLiteral("stop") : QStringLiteral("repeat");
}

std::optional<DvdAspect> parseDvdAspect(const QString &text)
{
    const QString t = text.trimmed();
    if (t == QLatin1String("4:3"))
        return DvdAspect::Standard;
    if (t == QLatin1String("16:9"))
        return DvdAspect::Wide;
    return std::nullopt;
}

QString dvdAspectName(DvdAspect aspect)
{
    return aspect == DvdAspect::Wide ? QStringLiteral("16:9") : QStringLiteral("4:3");
}

std::optional<ChapterMarks> parseChapterMarks(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("photo"), Qt::CaseInsensitive) == 0)
        return ChapterMarks::PerPhoto;
    if (t.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return ChapterMarks::None;
    return std::nullopt;
}

QString chapterMarksName(ChapterMarks marks)
{
    return marks == ChapterMarks::None ? QStringLiteral("none") : QStringLiteral("photo");
}

std::optional<MenuBackdrop> parseMenuBackdrop(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("first"), Qt::CaseInsensitive) == 0)
        return MenuBackdrop::FirstPhoto;
    if (t.compare(QLatin1String("photo"), Qt::CaseInsensitive) == 0)
        return MenuBackdrop::Photo;
    if (t.compare(QLatin1String("titleCard"), Qt::CaseInsensitive) == 0)
        return MenuBackdrop::TitleCard;
    return std::nullopt;
}

QString menuBackdropName(MenuBackdrop backdrop)
{
    switch (backdrop) {
    case MenuBackdrop::Photo:
        return QStringLiteral("photo");
    case MenuBackdrop::TitleCard:
        return QStringLiteral("titleCard");
    case MenuBackdrop::FirstPhoto:
        break;
    }
    return QStringLiteral("first");
}

AfterMakingAction afterMakingActionFromCode(int code)
{
    switch (code) {
    case int(AfterMakingAction::ExitProgram):
    case int(AfterMakingAction::StandBy):
    case int(AfterMakingAction::Hibernate):
    case int(AfterMakingAction::ShutDown):
        return AfterMakingAction(code);
    default:
        return AfterMakingAction::DoNothing;
    }
}

std::optional<int> parseVideoBitRate(const QString &mbps)
{
    bool ok = false;
    const double value = mbps.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The same tolerance as the custom rate's input check.
    if (value < kMinVideoBitRate / 1e6 - 1e-7 || value > kMaxVideoBitRate / 1e6 + 1e-7)
        return std::nullopt;
    return qBound(kMinVideoBitRate, int(std::llround(value * 1e6)), kMaxVideoBitRate);
}

std::optional<int> parseVideoQuality(const QString &text)
{
    const QString name = text.trimmed().toLower();
    if (name == QLatin1String("high"))
        return kHighVideoBitRate;
    if (name == QLatin1String("normal"))
        return kNormalVideoBitRate;
    if (name == QLatin1String("low"))
        return kLowVideoBitRate;
    return parseVideoBitRate(text);
}

QString formatVideoBitRate(int bitsPerSecond)
{
    return QString::number(bitsPerSecond / 1e6, 'g', 9);
}

std::optional<int> parseAudioBitRate(const QString &kbps)
{
    bool ok = false;
    const int value = kbps.trimmed().toInt(&ok);
    if (!ok || value < kMinAudioBitRate / 1000 || value > kMaxAudioBitRate / 1000)
        return std::nullopt;
    return value * 1000;
}

QString formatAudioBitRate(int bitsPerSecond)
{
    return QString::number(bitsPerSecond / 1000);
}

bool isAudioChannelCount(int channels)
{
    return channels == 1 || channels == 2 || channels == 6;
}

std::optional<int> parseAudioChannels(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || !isAudioChannelCount(value))
        return std::nullopt;
    return value;
}

namespace {
const AfterMakingAction kAfterMakingList[] = {AfterMakingAction::DoNothing, AfterMakingAction::ExitProgram,
                                              AfterMakingAction::ShutDown, AfterMakingAction::Hibernate,
                                              AfterMakingAction::StandBy};
}

AfterMakingAction afterMakingActionAtListIndex(int index)
{
    if (index < 0 || index >= int(std::size(kAfterMakingList)))
        return AfterMakingAction::DoNothing;
    return kAfterMakingList[index];
}

int afterMakingListIndex(AfterMakingAction action)
{
    for (int i = 0; i < int(std::size(kAfterMakingList)); ++i) {
        if (kAfterMakingList[i] == action)
            return i;
    }
    return 0;
}
