#pragma once

// Words on the show: a caption over a photo, and a title card (an album
// item of its own: text on a plain colour, a gradient or a blurred copy of
// a photo). Values kept in ImageInfo; the engine's CaptionPainter draws them
// at the output size.

#include <QColor>
#include <QMetaType>
#include <QString>

#include <optional>

// Where the text block stands: its vertical place and how its lines align.
enum class CaptionPlace { Bottom, Top, Centre };
enum class CaptionAlign { Left, Centre, Right };
// What keeps the text readable over any photo.
enum class CaptionBackdrop { Shadow, Band, None };

struct CaptionStyle {
    // An installed family; empty for the default family. A family that is
    // not installed falls back to the default (with a note in the log).
    QString fontFamily;
    // The text's size as a share of the frame's height, in per mille: the
    // same look at DVD and 4K sizes.
    int sizePerMille = 50;
    QColor colour = QColor(255, 255, 255);
    bool bold = false;
    bool italic = false;
    CaptionPlace place = CaptionPlace::Bottom;
    CaptionAlign align = CaptionAlign::Centre;
    CaptionBackdrop backdrop = CaptionBackdrop::Shadow;

    static constexpr int kMinSizePerMille = 20;
    static constexpr int kMaxSizePerMille = 200;

    // The style a title card starts with: large, in the middle, no shadow.
    static CaptionStyle titleCardDefault();

    bool operator==(const CaptionStyle &o) const
    {
        return fontFamily == o.fontFamily && sizePerMille == o.sizePerMille && colour == o.colour &&
               bold == o.bold && italic == o.italic && place == o.place && align == o.align &&
               backdrop == o.backdrop;
    }
    bool operator!=(const CaptionStyle &o) const { return !(*this == o); }
};

// A photo's caption: no text (or only white space) means none.
struct Caption {
    QString text;
    CaptionStyle style;

    bool isEmpty() const { return text.trimmed().isEmpty(); }
    bool operator==(const Caption &o) const { return text == o.text && style == o.style; }
    bool operator!=(const Caption &o) const { return !(*this == o); }
};

enum class CardBackground { Colour, Gradient, BlurredPhoto };

struct TitleCard {
    QString text;
    int durationMs = 4000;
    CaptionStyle style = CaptionStyle::titleCardDefault();
    CardBackground background = CardBackground::Colour;
    // The plain colour, or the gradient's top colour.
    QColor colour = QColor(20, 24, 36);
    // The gradient's bottom colour.
    QColor colour2 = QColor(70, 90, 130);
    // The photo whose blurred, darkened copy fills the card.
    QString photoPath;

    static constexpr int kMinDurationMs = 1000;
    static constexpr int kMaxDurationMs = 999000;

    bool operator==(const TitleCard &o) const
    {
        return text == o.text && durationMs == o.durationMs && style == o.style &&
               background == o.background && colour == o.colour && colour2 == o.colour2 &&
               photoPath == o.photoPath;
    }
    bool operator!=(const TitleCard &o) const { return !(*this == o); }
};

// The names stored in projects ("bottom", "top", "centre"; "left",
// "centre", "right"; "shadow", "band", "none"; "colour", "gradient",
// "photo"), and their parsing (any case, white space ignored).
QString captionPlaceName(CaptionPlace place);
QString captionAlignName(CaptionAlign align);
QString captionBackdropName(CaptionBackdrop backdrop);
QString cardBackgroundName(CardBackground background);
std::optional<CaptionPlace> parseCaptionPlace(const QString &text);
std::optional<CaptionAlign> parseCaptionAlign(const QString &text);
std::optional<CaptionBackdrop> parseCaptionBackdrop(const QString &text);
std::optional<CardBackground> parseCardBackground(const QString &text);

Q_DECLARE_METATYPE(Caption)
Q_DECLARE_METATYPE(TitleCard)
