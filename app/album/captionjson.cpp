#include "album/captionjson.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonValue>

#include <cmath>

#include "album/project.h"

namespace CaptionJson {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Project", text);
}

QString colourName(const QColor &c)
{
    return c.name(c.alpha() < 255 ? QColor::HexArgb : QColor::HexRgb);
}

void styleToJson(const CaptionStyle &s, QJsonObject &o)
{
    o.insert(QStringLiteral("font"), s.fontFamily);
    o.insert(QStringLiteral("size"), s.sizePerMille);
    o.insert(QStringLiteral("colour"), colourName(s.colour));
    o.insert(QStringLiteral("bold"), s.bold);
    o.insert(QStringLiteral("italic"), s.italic);
    o.insert(QStringLiteral("position"), captionPlaceName(s.place));
    o.insert(QStringLiteral("align"), captionAlignName(s.align));
    o.insert(QStringLiteral("backdrop"), captionBackdropName(s.backdrop));
}

// Reads members of one object, naming the first one that is wrong.
class Members
{
public:
    Members(const QJsonObject &o, const QString &member, QString *error)
        : m_o(o), m_member(member), m_error(error)
    {}

    bool fail(const char *name, const QString &reason)
    {
        *m_error = QStringLiteral("%1.%2: %3").arg(m_member, QLatin1String(name), reason);
        return false;
    }

    bool text(const char *name, bool required, QString *out)
    {
        const QJsonValue v = m_o.value(QLatin1String(name));
        if (v.isUndefined())
            return required ? fail(name, tr("missing")) : true;
        if (!v.isString())
            return fail(name, tr("not a text"));
        *out = v.toString();
        return true;
    }

    bool boolean(const char *name, bool *out)
    {
        const QJsonValue v = m_o.value(QLatin1String(name));
        if (v.isUndefined())
            return true;
        if (!v.isBool())
            return fail(name, tr("not true or false"));
        *out = v.toBool();
        return true;
    }

    bool integer(const char *name, bool required, int minimum, int maximum, int *out)
    {
        const QJsonValue v = m_o.value(QLatin1String(name));
        if (v.isUndefined())
            return required ? fail(name, tr("missing")) : true;
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return fail(name, tr("not a number"));
        const double d = v.toDouble();
        if (d != std::floor(d))
            return fail(name, tr("not a whole number"));
        if (d < minimum || d > maximum)
            return fail(name, tr("%1 is outside %2 to %3").arg(d).arg(minimum).arg(maximum));
        *out = int(d);
        return true;
    }

    bool colour(const char *name, QColor *out)
    {
        const QJsonValue v = m_o.value(QLatin1String(name));
        if (v.isUndefined())
            return true;
        // Names ("white") and #rgb, #rrggbb, #aarrggbb.
        const QColor c = QColor::fromString(v.toString());
        if (!v.isString() || !c.isValid())
            return fail(name, tr("not a colour (#rrggbb)"));
        *out = c;
        return true;
    }

    template <typename E>
    bool choice(const char *name, std::optional<E> (*parse)(const QString &), const char *choices, E *out)
    {
        const QJsonValue v = m_o.value(QLatin1String(name));
        if (v.isUndefined())
            return true;
        const std::optional<E> parsed = v.isString() ? parse(v.toString()) : std::nullopt;
        if (!parsed)
            return fail(name, tr("not one of %1").arg(QLatin1String(choices)));
        *out = *parsed;
        return true;
    }

    bool style(CaptionStyle *s)
    {
        return text("font", false, &s->fontFamily) &&
               integer("size", false, CaptionStyle::kMinSizePerMille, CaptionStyle::kMaxSizePerMille,
                       &s->sizePerMille) &&
               colour("colour", &s->colour) && boolean("bold", &s->bold) && boolean("italic", &s->italic) &&
               choice("position", parseCaptionPlace, "bottom, top, centre", &s->place) &&
               choice("align", parseCaptionAlign, "left, centre, right", &s->align) &&
               choice("backdrop", parseCaptionBackdrop, "shadow, band, none", &s->backdrop);
    }

private:
    const QJsonObject &m_o;
    const QString &m_member;
    QString *m_error;
};

} // namespace

QJsonObject toJson(const Caption &caption)
{
    QJsonObject o{{QStringLiteral("text"), caption.text}};
    styleToJson(caption.style, o);
    return o;
}

QJsonObject toJson(const TitleCard &card, const QDir &projectDir)
{
    QJsonObject o{{QStringLiteral("text"), card.text}, {QStringLiteral("durationMs"), card.durationMs}};
    styleToJson(card.style, o);
    o.insert(QStringLiteral("background"), cardBackgroundName(card.background));
    o.insert(QStringLiteral("backgroundColour"), colourName(card.colour));
    o.insert(QStringLiteral("gradientColour"), colourName(card.colour2));
    if (!card.photoPath.isEmpty())
        o.insert(QStringLiteral("photo"), Project::storedPath(card.photoPath, projectDir));
    return o;
}

bool captionFromJson(const QJsonValue &value, const QString &member, Caption *caption, QString *error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("%1: %2").arg(member, tr("not an object"));
        return false;
    }
    const QJsonObject o = value.toObject();
    Caption c;
    Members m(o, member, error);
    if (!m.text("text", true, &c.text) || !m.style(&c.style))
        return false;
    *caption = c;
    return true;
}

bool titleCardFromJson(const QJsonValue &value, const QString &member, const QDir &projectDir,
                       TitleCard *card, QString *error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("%1: %2").arg(member, tr("not an object"));
        return false;
    }
    const QJsonObject o = value.toObject();
    TitleCard c;
    QString photo;
    Members m(o, member, error);
    if (!m.text("text", true, &c.text) ||
        !m.integer("durationMs", true, TitleCard::kMinDurationMs, TitleCard::kMaxDurationMs, &c.durationMs) ||
        !m.style(&c.style) ||
        !m.choice("background", parseCardBackground, "colour, gradient, photo", &c.background) ||
        !m.colour("backgroundColour", &c.colour) || !m.colour("gradientColour", &c.colour2) ||
        !m.text("photo", false, &photo))
        return false;
    if (!photo.isEmpty())
        c.photoPath = Project::resolvedPath(photo, projectDir);
    *card = c;
    return true;
}

} // namespace CaptionJson
