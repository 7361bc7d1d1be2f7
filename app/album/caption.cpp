#include "album/caption.h"

#include <array>
#include <utility>

namespace {

template <typename E, size_t N>
std::optional<E> parseName(const std::array<std::pair<E, const char *>, N> &names, const QString &text)
{
    const QString t = text.trimmed();
    for (const auto &entry : names) {
        if (t.compare(QLatin1String(entry.second), Qt::CaseInsensitive) == 0)
            return entry.first;
    }
    return std::nullopt;
}

template <typename E, size_t N>
QString nameOf(const std::array<std::pair<E, const char *>, N> &names, E value)
{
    for (const auto &entry : names) {
        if (entry.first == value)
            return QLatin1String(entry.second);
    }
    return QLatin1String(names[0].second);
}

const std::array<std::pair<CaptionPlace, const char *>, 3> kPlaces{
    {{CaptionPlace::Bottom, "bottom"}, {CaptionPlace::Top, "top"}, {CaptionPlace::Centre, "centre"}}};
const std::array<std::pair<CaptionAlign, const char *>, 3> kAligns{
    {{CaptionAlign::Left, "left"}, {CaptionAlign::Centre, "centre"}, {CaptionAlign::Right, "right"}}};
const std::array<std::pair<CaptionBackdrop, const char *>, 3> kBackdrops{
    {{CaptionBackdrop::Shadow, "shadow"}, {CaptionBackdrop::Band, "band"}, {CaptionBackdrop::None, "none"}}};
const std::array<std::pair<CardBackground, const char *>, 3> kBackgrounds{
    {{CardBackground::Colour, "colour"},
     {CardBackground::Gradient, "gradient"},
     {CardBackground::BlurredPhoto, "photo"}}};

} // namespace

CaptionStyle CaptionStyle::titleCardDefault()
{
    CaptionStyle s;
    s.sizePerMille = 90;
    s.bold = true;
    s.place = CaptionPlace::Centre;
    s.backdrop = CaptionBackdrop::None;
    return s;
}

QString captionPlaceName(CaptionPlace place)
{
    return nameOf(kPlaces, place);
}

QString captionAlignName(CaptionAlign align)
{
    return nameOf(kAligns, align);
}

QString captionBackdropName(CaptionBackdrop backdrop)
{
    return nameOf(kBackdrops, backdrop);
}

QString cardBackgroundName(CardBackground background)
{
    return nameOf(kBackgrounds, background);
}

std::optional<CaptionPlace> parseCaptionPlace(const QString &text)
{
    // "center" is what an American hand writes.
    if (text.trimmed().compare(QLatin1String("center"), Qt::CaseInsensitive) == 0)
        return CaptionPlace::Centre;
    return parseName(kPlaces, text);
}

std::optional<CaptionAlign> parseCaptionAlign(const QString &text)
{
    if (text.trimmed().compare(QLatin1String("center"), Qt::CaseInsensitive) == 0)
        return CaptionAlign::Centre;
    return parseName(kAligns, text);
}

std::optional<CaptionBackdrop> parseCaptionBackdrop(const QString &text)
{
    return parseName(kBackdrops, text);
}

std::optional<CardBackground> parseCardBackground(const QString &text)
{
    if (text.trimmed().compare(QLatin1String("color"), Qt::CaseInsensitive) == 0)
        return CardBackground::Colour;
    return parseName(kBackgrounds, text);
}
