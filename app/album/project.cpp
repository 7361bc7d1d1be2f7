#include "album/project.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMultiHash>
#include <QSaveFile>

#include <cmath>

#include "album/captionjson.h"
#include "album/loudness.h"
#include "album/probe.h"
#include "framework/filecheck.h"

namespace Project {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Project", text);
}

// Reads a project's members, naming the first one that is wrong
// ("photos[3].clipEnd: not a number") and noting values it had to bring
// into the editor's ranges.
class Reader
{
public:
    QString error;
    QStringList notes;

    bool fail(const QString &member, const QString &reason)
    {
        if (error.isEmpty())
            error = QStringLiteral("%1: %2").arg(member, reason);
        return false;
    }

    // A member of the expected type into out; a missing member keeps the
    // default.
    bool readBool(const QJsonObject &o, const QString &prefix, const char *name, bool *out)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (v.isUndefined())
            return true;
        if (!v.isBool())
            return fail(prefix + QLatin1String(name), tr("not true or false"));
        *out = v.toBool();
        return true;
    }

    // An integer within minimum..maximum; refused outside.
    bool readInt(const QJsonObject &o, const QString &prefix, const char *name, int minimum, int maximum,
                 int *out)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (v.isUndefined())
            return true;
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return fail(prefix + QLatin1String(name), tr("not a number"));
        const double d = v.toDouble();
        if (d != std::floor(d))
            return fail(prefix + QLatin1String(name), tr("not a whole number"));
        if (d < minimum || d > maximum)
            return fail(prefix + QLatin1String(name), tr("%1 is outside %2 to %3").arg(d).arg(minimum).arg(maximum));
        *out = int(d);
        return true;
    }

    // An integer brought into minimum..maximum with a note: a duration
    // the editor would never have offered (a hand-written 1 ms) becomes the
    // nearest it offers, and the project still opens.
    // A value within slack of the range is kept as it is.
    bool readClampedInt(const QJsonObject &o, const QString &prefix, const char *name, int minimum, int maximum,
                        int *out, int slack = 0)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (v.isUndefined())
            return true;
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return fail(prefix + QLatin1String(name), tr("not a number"));
        const double d = std::floor(v.toDouble());
        const bool near = d >= minimum - slack && d <= maximum + slack;
        const int clamped = near ? int(d) : int(qBound(double(minimum), d, double(maximum)));
        if (clamped != v.toDouble())
            notes << tr("%1 was %2; the editor takes %3 to %4, so it is now %5.")
                         .arg(prefix + QLatin1String(name))
                         .arg(v.toDouble())
                         .arg(minimum)
                         .arg(maximum)
                         .arg(clamped);
        *out = clamped;
        return true;
    }

    // An optional member holding one of a choice's texts: absent keeps
    // *out; anything but one of the texts is refused.
    template <typename T>
    bool readChoice(const QJsonObject &o, const QString &prefix, const char *name,
                    std::optional<T> (*parse)(const QString &), T *out)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (v.isUndefined())
            return true;
        const std::optional<T> parsed = v.isString() ? parse(v.toString()) : std::nullopt;
        if (!parsed)
            return fail(prefix + QLatin1String(name), tr("not one of the choices"));
        *out = *parsed;
        return true;
    }

    bool readSeconds(const QJsonObject &o, const QString &prefix, const char *name, double *out)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (v.isUndefined())
            return fail(prefix + QLatin1String(name), tr("missing"));
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return fail(prefix + QLatin1String(name), tr("not a number"));
        if (v.toDouble() < 0)
            return fail(prefix + QLatin1String(name), tr("negative"));
        *out = v.toDouble();
        return true;
    }

    bool readPath(const QJsonObject &o, const QString &prefix, const QDir &projectDir, QString *out)
    {
        const QJsonValue v = o.value(QStringLiteral("path"));
        if (v.isUndefined())
            return fail(prefix + QStringLiteral("path"), tr("missing"));
        if (!v.isString())
            return fail(prefix + QStringLiteral("path"), tr("not a text"));
        if (v.toString().isEmpty())
            return fail(prefix + QStringLiteral("path"), tr("empty"));
        *out = resolvedPath(v.toString(), projectDir);
        return true;
    }

    bool readMotion(const QJsonValue &value, const QString &member, MotionKey *key)
    {
        if (!value.isObject())
            return fail(member, tr("not an object"));
        const QJsonObject o = value.toObject();
        const QJsonValue kindValue = o.value(QStringLiteral("kind"));
        const int kind = kindValue.toInt(-1);
        if (!kindValue.isDouble() || (kind != 0 && kind != 1) || kindValue.toDouble() != kind)
            return fail(member + QStringLiteral(".kind"), tr("not 0 or 1"));
        const QJsonValue valuesValue = o.value(QStringLiteral("values"));
        const QJsonArray values = valuesValue.toArray();
        if (!valuesValue.isArray() || values.size() != 4)
            return fail(member + QStringLiteral(".values"), tr("not a list of four numbers"));
        key->kind = kind;
        for (int i = 0; i < 4; ++i) {
            if (!values.at(i).isDouble() || !std::isfinite(values.at(i).toDouble()))
                return fail(member + QStringLiteral(".values[%1]").arg(i), tr("not a number"));
            key->values[size_t(i)] = float(values.at(i).toDouble());
        }
        return true;
    }
};

QJsonObject motionToJson(const MotionKey &key)
{
    QJsonArray values;
    for (float v : key.values)
        values.append(double(v));
    return QJsonObject{{QStringLiteral("kind"), key.kind}, {QStringLiteral("values"), values}};
}

} // namespace

QString storedPath(const QString &absolutePath, const QDir &projectDir)
{
    const QString clean = QDir::cleanPath(QFileInfo(absolutePath).absoluteFilePath());
    const QString folder = QDir::cleanPath(projectDir.absolutePath());
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (clean.startsWith(prefix))
        return clean.mid(prefix.size());
    return clean;
}

QString resolvedPath(const QString &stored, const QDir &projectDir)
{
    if (QDir::isAbsolutePath(stored))
        return QDir::cleanPath(stored);
    return QDir::cleanPath(projectDir.absoluteFilePath(stored));
}

bool isProjectFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String(kSuffix), Qt::CaseInsensitive) == 0;
}

QByteArray toJson(const Album &album, const QDir &projectDir)
{
    const SlideshowSettings &show = album.settings;
    QJsonObject settings{{QStringLiteral("photoDurationMs"), show.photoDurationMs},
                         {QStringLiteral("transitionDurationMs"), show.transitionDurationMs},
                         {QStringLiteral("useTransition"), show.useTransition},
                         {QStringLiteral("dissolveOnly"), show.dissolveOnly},
                         {QStringLiteral("useDynamicEffect"), show.useDynamicEffect},
                         {QStringLiteral("loopAudio"), show.loopAudio},
                         {QStringLiteral("fadeAudio"), show.fadeAudio},
                         {QStringLiteral("fadeMs"), show.fadeMs},
                         {QStringLiteral("crossfadeMs"), show.crossfadeMs},
                         {QStringLiteral("evenLoudness"), show.evenLoudness},
                         {QStringLiteral("framing"), photoFramingName(show.framing)}};
    QJsonArray photos;
    for (const ImageInfo &photo : album.photos) {
        if (photo.isTitleCard()) {
            // A title card has no file: its place in the order and its card.
            photos.append(QJsonObject{
                {QStringLiteral("titleCard"), CaptionJson::toJson(*photo.titleCard, projectDir)}});
            continue;
        }
        QJsonArray ops;
        for (int32_t op : photo.transformOps)
            ops.append(op);
        QJsonObject entry{{QStringLiteral("path"), storedPath(photo.path, projectDir)},
                          {QStringLiteral("transformOps"), ops},
                          {QStringLiteral("motionStart"), motionToJson(photo.motionStart)},
                          {QStringLiteral("motionEnd"), motionToJson(photo.motionEnd)}};
        if (!photo.caption.text.isEmpty())
            entry.insert(QStringLiteral("caption"), CaptionJson::toJson(photo.caption));
        photos.append(entry);
    }
    QJsonArray clips;
    for (const AudioInfo &clip : album.audios) {
        QJsonObject o{{QStringLiteral("path"), storedPath(clip.path, projectDir)},
                      {QStringLiteral("clipStart"), clip.clipStart},
                      {QStringLiteral("clipEnd"), clip.clipEnd}};
        if (clip.loudness.measured) {
            // The file's size and time tell a later load whether the
            // measurement still belongs to the file.
            o.insert(QStringLiteral("loudness"),
                     QJsonObject{{QStringLiteral("integratedLufs"), clip.loudness.integratedLufs},
                                 {QStringLiteral("truePeakDb"), clip.loudness.truePeakDb},
                                 {QStringLiteral("fileSize"), double(clip.fileSize)},
                                 {QStringLiteral("lastModified"),
                                  clip.lastModified.toUTC().toString(Qt::ISODateWithMs)}});
        }
        clips.append(o);
    }
    const DvdChoices &d = album.dvd;
    QJsonObject dvd{{QStringLiteral("standard"), tvStandardName(d.tvStandard)},
                    {QStringLiteral("videoBitRate"), d.videoBitRate},
                    {QStringLiteral("audioBitRate"), d.audioBitRate},
                    {QStringLiteral("audioChannels"), d.audioChannels},
                    {QStringLiteral("volumeLabel"), d.volumeLabel},
                    {QStringLiteral("copies"), d.copies},
                    {QStringLiteral("atEnd"), showEndName(d.atEnd)},
                    {QStringLiteral("aspect"), dvdAspectName(d.aspect)},
                    {QStringLiteral("chapters"), chapterMarksName(d.chapters)},
                    {QStringLiteral("menu"), d.menu},
                    {QStringLiteral("menuTitle"), d.menuChoices.title},
                    {QStringLiteral("menuMusic"), d.menuChoices.music}};
    if (d.menuChoices.backdrop != MenuBackdrop::FirstPhoto) {
        QJsonObject backdrop{{QStringLiteral("kind"), menuBackdropName(d.menuChoices.backdrop)}};
        if (d.menuChoices.backdrop == MenuBackdrop::Photo)
            backdrop.insert(QStringLiteral("path"), storedPath(d.menuChoices.photo, projectDir));
        dvd.insert(QStringLiteral("menuBackground"), backdrop);
    }
    const VideoChoices &v = album.video;
    QJsonObject video{{QStringLiteral("size"), videoSizeName(v.size)},
                      {QStringLiteral("shape"), videoShapeName(v.shape)},
                      {QStringLiteral("frameRate"), v.frameRate},
                      {QStringLiteral("quality"), videoFileQualityName(v.quality)}};
    if (!v.file.isEmpty())
        video.insert(QStringLiteral("file"), storedPath(v.file, projectDir));
    QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormatName)},
                     {QStringLiteral("version"), kFormatVersion},
                     {QStringLiteral("settings"), settings},
                     {QStringLiteral("photos"), photos},
                     {QStringLiteral("clips"), clips},
                     {QStringLiteral("dvd"), dvd},
                     {QStringLiteral("video"), video}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool fromJson(const QByteArray &json, const QDir &projectDir, Data *data, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    const QString damaged = tr("The file is damaged.");
    if (doc.isNull()) {
        if (json.trimmed().startsWith('{'))
            *error = damaged + QLatin1Char(' ') +
                     tr("It is not valid JSON at byte %1: %2.")
                         .arg(parseError.offset)
                         .arg(parseError.errorString());
        else
            *error = tr("The file is not a Sorvel project.");
        return false;
    }
    const QJsonObject root = doc.object();
    if (!doc.isObject() || root.value(QStringLiteral("format")).toString() != QLatin1String(kFormatName)) {
        *error = tr("The file is not a Sorvel project.");
        return false;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != std::floor(version.toDouble())) {
        *error = damaged + QLatin1Char(' ') + tr("version: not a format version.");
        return false;
    }
    if (version.toDouble() > kFormatVersion) {
        *error = tr("It was saved by a newer version of Sorvel (project format %1; this version reads "
                    "format %2). Please update Sorvel to open it.")
                     .arg(version.toInt())
                     .arg(kFormatVersion);
        return false;
    }

    Reader r;
    Data out;
    const auto refused = [&] {
        *error = damaged + QLatin1Char(' ') + r.error + QLatin1Char('.');
        return false;
    };
    const QJsonValue settingsValue = root.value(QStringLiteral("settings"));
    if (!settingsValue.isObject()) {
        r.fail(QStringLiteral("settings"), settingsValue.isUndefined() ? tr("missing") : tr("not an object"));
        return refused();
    }
    const QJsonObject settings = settingsValue.toObject();
    SlideshowSettings &show = out.settings;
    const QString sp = QStringLiteral("settings.");
    // Durations outside what the window and make-dvd offer are brought
    // into their ranges with a note rather than refused: the rest of the
    // project is worth opening, and the next save writes sound values.
    // Projects written before "evenLoudness" existed keep their sound.
    show.evenLoudness = false;
    // The duration controls snap to whole frames in the direction of the
    // change, which may leave a value up to one frame (40 ms at the
    // slowest rate) beyond their range (500 ms typed over a longer
    // transition is 480 ms on PAL): the window's own values, read back as
    // they were written so that a saved show keeps its frames.
    constexpr int kFrameSlackMs = 40;
    const bool settingsOk =
        r.readClampedInt(settings, sp, "photoDurationMs", Album::kMinPhotoDurationMs, Album::kMaxPhotoDurationMs,
                         &show.photoDurationMs, kFrameSlackMs) &&
        r.readClampedInt(settings, sp, "transitionDurationMs", Album::kMinTransitionDurationMs,
                         Album::kMaxTransitionDurationMs, &show.transitionDurationMs, kFrameSlackMs) &&
        r.readBool(settings, sp, "useTransition", &show.useTransition) &&
        r.readBool(settings, sp, "dissolveOnly", &show.dissolveOnly) &&
        r.readBool(settings, sp, "useDynamicEffect", &show.useDynamicEffect) &&
        r.readBool(settings, sp, "loopAudio", &show.loopAudio) &&
        r.readBool(settings, sp, "fadeAudio", &show.fadeAudio) &&
        r.readClampedInt(settings, sp, "fadeMs", SlideshowSettings::kMinFadeMs, SlideshowSettings::kMaxFadeMs,
                         &show.fadeMs) &&
        r.readClampedInt(settings, sp, "crossfadeMs", 0, SlideshowSettings::kMaxCrossfadeMs, &show.crossfadeMs) &&
        r.readBool(settings, sp, "evenLoudness", &show.evenLoudness) &&
        r.readChoice(settings, sp, "framing", parsePhotoFraming, &show.framing);
    if (!settingsOk)
        return refused();

    const QJsonValue photos = root.value(QStringLiteral("photos"));
    if (!photos.isArray()) {
        r.fail(QStringLiteral("photos"), photos.isUndefined() ? tr("missing") : tr("not a list"));
        return refused();
    }
    const QJsonArray photoList = photos.toArray();
    for (int i = 0; i < photoList.size(); ++i) {
        const QJsonValue value = photoList.at(i);
        const QString pp = QStringLiteral("photos[%1].").arg(i);
        if (!value.isObject()) {
            r.fail(QStringLiteral("photos[%1]").arg(i), tr("not an object"));
            return refused();
        }
        const QJsonObject o = value.toObject();
        Data::Photo photo;
        const QString member = QStringLiteral("photos[%1]").arg(i);
        const QJsonValue card = o.value(QStringLiteral("titleCard"));
        if (!card.isUndefined() && !o.contains(QStringLiteral("path"))) {
            TitleCard read;
            if (!CaptionJson::titleCardFromJson(card, member + QStringLiteral(".titleCard"), projectDir, &read,
                                                &r.error))
                return refused();
            photo.titleCard = read;
            out.photos.append(photo);
            continue;
        }
        const QJsonValue caption = o.value(QStringLiteral("caption"));
        if (!caption.isUndefined() &&
            !CaptionJson::captionFromJson(caption, member + QStringLiteral(".caption"), &photo.caption, &r.error))
            return refused();
        const QJsonValue start = o.value(QStringLiteral("motionStart"));
        const QJsonValue end = o.value(QStringLiteral("motionEnd"));
        photo.hasMotion = !start.isUndefined() || !end.isUndefined();
        if (!r.readPath(o, pp, projectDir, &photo.path) ||
            (photo.hasMotion && (!r.readMotion(start, pp + QStringLiteral("motionStart"), &photo.motionStart) ||
                                 !r.readMotion(end, pp + QStringLiteral("motionEnd"), &photo.motionEnd))))
            return refused();
        const QJsonValue ops = o.value(QStringLiteral("transformOps"));
        if (!ops.isUndefined() && !ops.isArray()) {
            r.fail(pp + QStringLiteral("transformOps"), tr("not a list"));
            return refused();
        }
        const QJsonArray opList = ops.toArray();
        for (int k = 0; k < opList.size(); ++k) {
            const double d = opList.at(k).toDouble(-1);
            if (!opList.at(k).isDouble() || (d != 0 && d != 1 && d != 2 && d != 3)) {
                r.fail(pp + QStringLiteral("transformOps[%1]").arg(k), tr("not 0, 1, 2 or 3"));
                return refused();
            }
            photo.transformOps.append(int32_t(d));
        }
        out.photos.append(photo);
    }

    const QJsonValue clips = root.value(QStringLiteral("clips"));
    if (!clips.isArray()) {
        r.fail(QStringLiteral("clips"), clips.isUndefined() ? tr("missing") : tr("not a list"));
        return refused();
    }
    const QJsonArray clipList = clips.toArray();
    for (int i = 0; i < clipList.size(); ++i) {
        const QJsonValue value = clipList.at(i);
        const QString cp = QStringLiteral("clips[%1].").arg(i);
        if (!value.isObject()) {
            r.fail(QStringLiteral("clips[%1]").arg(i), tr("not an object"));
            return refused();
        }
        const QJsonObject o = value.toObject();
        Data::Clip clip;
        if (!r.readPath(o, cp, projectDir, &clip.path) || !r.readSeconds(o, cp, "clipStart", &clip.clipStart) ||
            !r.readSeconds(o, cp, "clipEnd", &clip.clipEnd))
            return refused();
        if (clip.clipStart > clip.clipEnd) {
            r.fail(cp + QStringLiteral("clipEnd"), tr("before clipStart"));
            return refused();
        }
        const QJsonValue loudness = o.value(QStringLiteral("loudness"));
        if (!loudness.isUndefined()) {
            const QString lp = cp + QStringLiteral("loudness");
            if (!loudness.isObject()) {
                r.fail(lp, tr("not an object"));
                return refused();
            }
            const QJsonObject l = loudness.toObject();
            const QJsonValue i = l.value(QStringLiteral("integratedLufs"));
            const QJsonValue tp = l.value(QStringLiteral("truePeakDb"));
            const QJsonValue size = l.value(QStringLiteral("fileSize"));
            const QJsonValue time = l.value(QStringLiteral("lastModified"));
            if (!i.isDouble() || !std::isfinite(i.toDouble()) || i.toDouble() > 10) {
                r.fail(lp + QStringLiteral(".integratedLufs"), tr("not a loudness"));
                return refused();
            }
            if (!tp.isDouble() || !std::isfinite(tp.toDouble()) || tp.toDouble() > 40) {
                r.fail(lp + QStringLiteral(".truePeakDb"), tr("not a peak level"));
                return refused();
            }
            if (!size.isUndefined() && !size.isDouble()) {
                r.fail(lp + QStringLiteral(".fileSize"), tr("not a number"));
                return refused();
            }
            if (!time.isUndefined() && !time.isString()) {
                r.fail(lp + QStringLiteral(".lastModified"), tr("not a text"));
                return refused();
            }
            clip.loudness.measured = true;
            clip.loudness.integratedLufs = i.toDouble();
            clip.loudness.truePeakDb = tp.toDouble();
            clip.measuredFileSize = qint64(size.toDouble(-1));
            clip.measuredLastModified = QDateTime::fromString(time.toString(), Qt::ISODateWithMs);
        }
        out.clips.append(clip);
    }

    // Projects written before these choices existed (with or without a
    // "dvd" member) make the DVD they made then: 4:3, one chapter.
    out.dvd.aspect = DvdAspect::Standard;
    out.dvd.chapters = ChapterMarks::None;
    out.dvd.menu = false;
    out.dvd.menuChoices.music = false;
    const QJsonValue dvdValue = root.value(QStringLiteral("dvd"));
    if (!dvdValue.isUndefined() && !dvdValue.isObject()) {
        r.fail(QStringLiteral("dvd"), tr("not an object"));
        return refused();
    }
    if (dvdValue.isObject()) {
        const QJsonObject dvd = dvdValue.toObject();
        const QString dp = QStringLiteral("dvd.");
        const QJsonValue standard = dvd.value(QStringLiteral("standard"));
        if (!standard.isUndefined()) {
            const std::optional<TvStandard> parsed = parseTvStandard(standard.toString());
            if (!standard.isString() || !parsed) {
                r.fail(dp + QStringLiteral("standard"), tr("not \"PAL\" or \"NTSC\""));
                return refused();
            }
            out.dvd.tvStandard = *parsed;
        }
        if (!r.readInt(dvd, dp, "videoBitRate", kMinVideoBitRate, kMaxVideoBitRate, &out.dvd.videoBitRate) ||
            !r.readInt(dvd, dp, "audioBitRate", kMinAudioBitRate, kMaxAudioBitRate, &out.dvd.audioBitRate) ||
            !r.readInt(dvd, dp, "audioChannels", 1, 6, &out.dvd.audioChannels) ||
            !r.readInt(dvd, dp, "copies", 1, 99, &out.dvd.copies))
            return refused();
        if (!isAudioChannelCount(out.dvd.audioChannels)) {
            r.fail(dp + QStringLiteral("audioChannels"), tr("not 1, 2 or 6"));
            return refused();
        }
        const QJsonValue label = dvd.value(QStringLiteral("volumeLabel"));
        if (!label.isUndefined() && !label.isString()) {
            r.fail(dp + QStringLiteral("volumeLabel"), tr("not a text"));
            return refused();
        }
        if (label.isString())
            out.dvd.volumeLabel = label.toString();
        // Projects written before the choice existed play again, as their
        // discs did.
        const QJsonValue atEnd = dvd.value(QStringLiteral("atEnd"));
        if (!atEnd.isUndefined()) {
            const std::optional<ShowEnd> parsed = parseShowEnd(atEnd.toString());
            if (!atEnd.isString() || !parsed) {
                r.fail(dp + QStringLiteral("atEnd"), tr("not \"repeat\" or \"stop\""));
                return refused();
            }
            out.dvd.atEnd = *parsed;
        }
        if (!r.readChoice(dvd, dp, "aspect", parseDvdAspect, &out.dvd.aspect) ||
            !r.readChoice(dvd, dp, "chapters", parseChapterMarks, &out.dvd.chapters) ||
            !r.readBool(dvd, dp, "menu", &out.dvd.menu) ||
            !r.readBool(dvd, dp, "menuMusic", &out.dvd.menuChoices.music))
            return refused();
        const QJsonValue menuTitle = dvd.value(QStringLiteral("menuTitle"));
        if (!menuTitle.isUndefined() && !menuTitle.isString()) {
            r.fail(dp + QStringLiteral("menuTitle"), tr("not a text"));
            return refused();
        }
        out.dvd.menuChoices.title = menuTitle.toString();
        const QJsonValue backdrop = dvd.value(QStringLiteral("menuBackground"));
        if (!backdrop.isUndefined()) {
            const QString bp = dp + QStringLiteral("menuBackground.");
            if (!backdrop.isObject()) {
                r.fail(dp + QStringLiteral("menuBackground"), tr("not an object"));
                return refused();
            }
            const QJsonObject b = backdrop.toObject();
            if (!r.readChoice(b, bp, "kind", parseMenuBackdrop, &out.dvd.menuChoices.backdrop))
                return refused();
            // A photo that is no longer in the album gives the first photo
            // when the menu is made; the choice stays as it was saved.
            if (out.dvd.menuChoices.backdrop == MenuBackdrop::Photo &&
                !r.readPath(b, bp, projectDir, &out.dvd.menuChoices.photo))
                return refused();
        }
    }

    // The video file's choices; a project written before they existed
    // gets the defaults.
    const QJsonValue videoValue = root.value(QStringLiteral("video"));
    if (!videoValue.isUndefined() && !videoValue.isObject()) {
        r.fail(QStringLiteral("video"), tr("not an object"));
        return refused();
    }
    if (videoValue.isObject()) {
        const QJsonObject video = videoValue.toObject();
        const QString vp = QStringLiteral("video.");
        if (!r.readChoice(video, vp, "size", parseVideoSize, &out.video.size) ||
            !r.readChoice(video, vp, "shape", parseVideoShape, &out.video.shape) ||
            !r.readChoice(video, vp, "quality", parseVideoFileQuality, &out.video.quality) ||
            !r.readInt(video, vp, "frameRate", 1, 1000, &out.video.frameRate))
            return refused();
        if (!isVideoFrameRate(out.video.frameRate)) {
            r.fail(vp + QStringLiteral("frameRate"), tr("not 25, 30, 50 or 60"));
            return refused();
        }
        const QJsonValue file = video.value(QStringLiteral("file"));
        if (!file.isUndefined() && !file.isString()) {
            r.fail(vp + QStringLiteral("file"), tr("not a text"));
            return refused();
        }
        if (!file.toString().isEmpty())
            out.video.file = resolvedPath(file.toString(), projectDir);
    }
    out.notes = r.notes;
    *data = out;
    return true;
}

bool save(const Album &album, const QString &path, QString *error)
{
    const QString native = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    // Unbuffered: a full disk shows in write() itself. A buffered write whose
    // flush fails inside commit() is not reported, and would replace the
    // previous project with a cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = tr("The project cannot be saved to %1: %2").arg(native, file.errorString());
        return false;
    }
    const QByteArray json = toJson(album, QFileInfo(path).absoluteDir());
    if (file.write(json) != json.size() || !file.flush()) {
        *error = tr("The project cannot be saved to %1: %2").arg(native, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = tr("The project cannot be saved to %1: %2").arg(native, file.errorString());
        return false;
    }
    return true;
}

bool read(const QString &path, Data *data, QString *error)
{
    const QString native = QDir::toNativeSeparators(path);
    // Nothing but a regular file is opened: a named pipe would block for
    // ever, a device (a link to /dev/zero) would never end.
    const QString refusal = FileCheck::refusal(path);
    if (!refusal.isEmpty()) {
        *error = tr("The project %1 cannot be opened: %2.").arg(native, refusal);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("The project %1 cannot be opened: %2").arg(native, file.errorString());
        return false;
    }
    // A project lists files, not their contents: anything this large is not
    // one. Refused before reading, and the read is bounded too, in case the
    // file grows meanwhile.
    if (file.size() > kMaxProjectSize) {
        *error = tr("The project %1 cannot be opened: it is too large (%2 MB; a project is at most %3 MB).")
                     .arg(native)
                     .arg(file.size() / (1024 * 1024))
                     .arg(kMaxProjectSize / (1024 * 1024));
        return false;
    }
    const QByteArray bytes = file.read(kMaxProjectSize + 1);
    if (bytes.size() > kMaxProjectSize) {
        *error = tr("The project %1 cannot be opened: it is too large (a project is at most %2 MB).")
                     .arg(native)
                     .arg(kMaxProjectSize / (1024 * 1024));
        return false;
    }
    if (!fromJson(bytes, QFileInfo(path).absoluteDir(), data, error)) {
        // Say which file: the message may come from a double click or a
        // second start, long after the person chose the file.
        *error = tr("The project %1 cannot be opened.\n%2").arg(native, *error);
        return false;
    }
    return true;
}

bool load(const Data &data, Album *album, QStringList *missing, const std::function<bool(int, int)> &progress,
          bool thumbnails)
{
    const int total = int(data.photos.size() + data.clips.size());
    int done = 0;
    QList<ImageInfo> photos;
    QList<AudioInfo> audios;
    QStringList left;
    for (const Data::Photo &saved : data.photos) {
        if (progress && !progress(done, total))
            return false;
        ++done;
        if (saved.titleCard) {
            photos.append(ImageInfo::forTitleCard(*saved.titleCard));
            continue;
        }
        ImageInfo info;
        info.path = saved.path;
        // Nothing but a regular file is opened: a named pipe would block.
        const bool read = FileCheck::refusal(saved.path).isEmpty() &&
                          (thumbnails ? probeImage(info, saved.path) : probeImageHeader(info, saved.path));
        if (!read) {
            // Kept in its place with its edits, marked missing: saved back
            // as it was, and shown again once the file is found.
            info = ImageInfo();
            info.path = saved.path;
            info.missing = true;
            left << saved.path;
        }
        info.caption = saved.caption;
        info.transformOps = saved.transformOps;
        info.orientationCode = orientationCodeFor(info.transformOps);
        if (saved.hasMotion) {
            info.motionStart = saved.motionStart;
            info.motionEnd = saved.motionEnd;
        } else {
            assignMotionKeys(info);
        }
        photos.append(info);
    }
    for (const Data::Clip &saved : data.clips) {
        if (progress && !progress(done, total))
            return false;
        ++done;
        AudioInfo info;
        info.path = saved.path;
        if (!FileCheck::refusal(saved.path).isEmpty() || !probeAudio(info, saved.path)) {
            info = AudioInfo();
            info.path = saved.path;
            info.missing = true;
            info.clipStart = saved.clipStart;
            info.clipEnd = saved.clipEnd;
            info.duration = saved.clipEnd;
            info.loudness = saved.loudness;
            left << saved.path;
            audios.append(info);
            continue;
        }
        // In and out points within the clip as it is now.
        info.clipEnd = qBound(0.0, saved.clipEnd, info.duration);
        info.clipStart = qBound(0.0, saved.clipStart, info.clipEnd);
        // The stored loudness while the file is the one measured; measured
        // again otherwise (also for a project written before loudness was
        // kept), so that "Even out the loudness" works as soon as it is
        // turned on. A clip that does not decode is reported.
        const bool sameFile =
            saved.measuredFileSize == info.fileSize && saved.measuredLastModified.isValid() &&
            saved.measuredLastModified.toMSecsSinceEpoch() == info.lastModified.toMSecsSinceEpoch();
        if (saved.loudness.measured && sameFile) {
            info.loudness = saved.loudness;
        } else {
            QString error;
            if (!Loudness::measure(saved.path, &info.loudness, &error)) {
                // Kept in its place like a missing file: saved back as it
                // was, left out of the soundtrack.
                const AudioInfo probed = info;
                info = AudioInfo();
                info.path = saved.path;
                info.missing = true;
                info.clipStart = saved.clipStart;
                info.clipEnd = saved.clipEnd;
                info.duration = probed.duration;
                info.loudness = saved.loudness;
                left << saved.path;
            }
        }
        audios.append(info);
    }
    if (progress && !progress(done, total))
        return false;

    album->photos = photos;
    album->audios = audios;
    album->settings = data.settings;
    album->dvd = data.dvd;
    album->video = data.video;
    if (missing)
        *missing = left;
    return true;
}

int relink(Album *album, const QString &folder, const std::function<bool()> &keepGoing)
{
    // The missing files by name; several may share one.
    QMultiHash<QString, int> photosByName;
    QMultiHash<QString, int> clipsByName;
    for (int i = 0; i < album->photos.size(); ++i) {
        if (album->photos.at(i).missing)
            photosByName.insert(QFileInfo(album->photos.at(i).path).fileName(), i);
    }
    for (int i = 0; i < album->audios.size(); ++i) {
        if (album->audios.at(i).missing)
            clipsByName.insert(QFileInfo(album->audios.at(i).path).fileName(), i);
    }
    if (photosByName.isEmpty() && clipsByName.isEmpty())
        return 0;
    int found = 0;
    // The folder and every folder below it, links not followed (a loop of
    // links would never end), the first match of a name winning.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext() && (!photosByName.isEmpty() || !clipsByName.isEmpty())) {
        if (keepGoing && !keepGoing())
            break;
        const QString path = it.next();
        const QString name = it.fileName();
        const QList<int> photoRows = photosByName.values(name);
        for (int row : photoRows) {
            ImageInfo &photo = album->photos[row];
            ImageInfo info;
            info.path = path;
            if (!probeImage(info, path))
                break;
            info.transformOps = photo.transformOps;
            info.orientationCode = orientationCodeFor(info.transformOps);
            info.motionStart = photo.motionStart;
            info.motionEnd = photo.motionEnd;
            // The person's own words on it and the menu chosen to lie on
            // it go with the photo to its new place.
            info.caption = photo.caption;
            MenuChoices &menu = album->dvd.menuChoices;
            if (menu.backdrop == MenuBackdrop::Photo && menu.photo == photo.path)
                menu.photo = path;
            photo = info;
            photosByName.remove(name, row);
            ++found;
        }
        const QList<int> clipRows = clipsByName.values(name);
        for (int row : clipRows) {
            AudioInfo &clip = album->audios[row];
            AudioInfo info;
            info.path = path;
            if (!probeAudio(info, path))
                break;
            info.clipEnd = qBound(0.0, clip.clipEnd, info.duration);
            info.clipStart = qBound(0.0, clip.clipStart, info.clipEnd);
            clip = info;
            clipsByName.remove(name, row);
            ++found;
        }
    }
    return found;
}

} // namespace Project
