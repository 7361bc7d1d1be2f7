#include "album/mediatypes.h"

#include <QCoreApplication>
#include <QDir>

namespace {

struct Kind {
    const char *label; // the dialog's name of the kind of file
    QStringList patterns;
};

QString tr(const char *text)
{
    return QCoreApplication::translate("MediaTypes", text);
}

// The kinds of file, in the order the dialogs list them. Photos: what Qt's
// image readers take (with the image-format plugins for TIFF and WebP) and
// HEIF/AVIF through libheif. Audio: what FFmpeg decodes; .webm and .mka
// are read for their first audio stream.
const QList<Kind> &photoKinds()
{
    static const QList<Kind> kinds = {
        {QT_TRANSLATE_NOOP("MediaTypes", "JPEG Files"),
         {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.jpe")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "HEIF Files"),
         {QStringLiteral("*.heic"), QStringLiteral("*.heif"), QStringLiteral("*.hif")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "AVIF Files"), {QStringLiteral("*.avif")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "WebP Files"), {QStringLiteral("*.webp")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "PNG Files"), {QStringLiteral("*.png")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "TIFF Files"), {QStringLiteral("*.tif"), QStringLiteral("*.tiff")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "BMP Files"), {QStringLiteral("*.bmp")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "GIF Files"), {QStringLiteral("*.gif")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "XBM Files"), {QStringLiteral("*.xbm")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "XPM Files"), {QStringLiteral("*.xpm")}},
    };
    return kinds;
}

const QList<Kind> &audioKinds()
{
    static const QList<Kind> kinds = {
        {QT_TRANSLATE_NOOP("MediaTypes", "MP3 Files"), {QStringLiteral("*.mp3")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "AAC and M4A Files"),
         {QStringLiteral("*.m4a"), QStringLiteral("*.aac")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "Ogg Files"),
         {QStringLiteral("*.ogg"), QStringLiteral("*.oga"), QStringLiteral("*.opus")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "FLAC Files"), {QStringLiteral("*.flac")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "WAV Files"), {QStringLiteral("*.wav")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "WebM and Matroska Files"),
         {QStringLiteral("*.webm"), QStringLiteral("*.mka")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "AIFF Files"), {QStringLiteral("*.aif"), QStringLiteral("*.aiff")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "AC3 Files"), {QStringLiteral("*.ac3")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "WMA Files"), {QStringLiteral("*.wma")}},
        {QT_TRANSLATE_NOOP("MediaTypes", "Other Audio Files"),
         {QStringLiteral("*.ape"), QStringLiteral("*.au"), QStringLiteral("*.mpa"), QStringLiteral("*.mp2"),
          QStringLiteral("*.ra")}},
    };
    return kinds;
}

QStringList allPatterns(const QList<Kind> &kinds)
{
    QStringList out;
    for (const Kind &kind : kinds)
        out += kind.patterns;
    return out;
}

QString dialogFilter(const QList<Kind> &kinds, const QStringList &all)
{
    QStringList entries;
    entries << tr("All Supported Files (%1)").arg(all.join(QLatin1Char(' ')));
    for (const Kind &kind : kinds)
        entries << QStringLiteral("%1 (%2)").arg(tr(kind.label), kind.patterns.join(QLatin1Char(' ')));
    entries << tr("All Files (*)");
    return entries.join(QStringLiteral(";;"));
}

} // namespace

namespace MediaTypes {

const QStringList &photoPatterns()
{
    static const QStringList patterns = allPatterns(photoKinds());
    return patterns;
}

const QStringList &audioPatterns()
{
    static const QStringList patterns = allPatterns(audioKinds());
    return patterns;
}

bool isPhotoName(const QString &fileName)
{
    return QDir::match(photoPatterns(), fileName);
}

bool isAudioName(const QString &fileName)
{
    return QDir::match(audioPatterns(), fileName);
}

QString photoDialogFilter()
{
    return dialogFilter(photoKinds(), photoPatterns());
}

QString audioDialogFilter()
{
    return dialogFilter(audioKinds(), audioPatterns());
}

} // namespace MediaTypes
