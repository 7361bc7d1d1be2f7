#include "album/project.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>

#include "album/captionjson.h"
#include "album/loudness.h"
#include "album/probe.h"

namespace Project {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Project", text);
}

QJsonObject motionToJson(const MotionKey &key)
{
    QJsonArray values;
    for (float v : key.values)
        values.append(double(v));
    return QJsonObject{{QStringLiteral("kind"), key.kind}, {QStringLiteral("values"), values}};
}

bool motionFromJson(const QJsonValue &value, MotionKey *key)
{
    if (!value.isObject())
        return false;
    const QJsonObject o = value.toObject();
    const QJsonArray values = o.value(QStringLiteral("values")).toArray();
    const int kind = o.value(QStringLiteral("kind")).toInt(-1);
    if ((kind != 0 && kind != 1) || values.size() != 4)
        return false;
    key->kind = kind;
    for (int i = 0; i < 4; ++i) {
        if (!values.at(i).isDouble() || !std::isfinite(values.at(i).toDouble()))
            return false;
        key->values[size_t(i)] = float(values.at(i).toDouble());
    }
    return true;
}

// Reads a member of the expected type into out; a missing member keeps the
// default. False when it is there with another type.
bool readBool(const QJsonObject &o, const char *name, bool *out)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (v.isUndefined())
        return true;
    if (!v.isBool())
        return false;
    *out = v.toBool();
    return true;
}

bool readInt(const QJsonObject &o, const char *name, int minimum, int maximum, int *out)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (v.isUndefined())
        return true;
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < minimum || d > maximum)
        return false;
    *out = int(d);
    return true;
}

// An optional member holding one of a choice's texts: absent leaves *out
// as it is; anything but one of the texts is damage.
template <typename T>
bool readChoice(const QJsonObject &o, const char *name, std::optional<T> (*parse)(const QString &), T *out)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (v.isUndefined())
        return true;
    const std::optional<T> parsed = v.isString() ? parse(v.toString()) : std::nullopt;
    if (parsed)
        *out = *parsed;
    return parsed.has_value();
}

bool readSeconds(const QJsonObject &o, const char *name, double *out)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isDouble() || !std::isfinite(v.toDouble()) || v.toDouble() < 0)
        return false;
    *out = v.toDouble();
    return true;
}

bool readPath(const QJsonObject &o, const QDir &projectDir, QString *out)
{
    const QJsonValue v = o.value(QStringLiteral("path"));
    if (!v.isString() || v.toString().isEmpty())
        return false;
    *out = resolvedPath(v.toString(), projectDir);
    return true;
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
                    {QStringLiteral("menu"), d.menu}};
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
        *error = doc.isNull() && json.trimmed().startsWith('{') ? damaged
                                                                : tr("The file is not a Sorvel project.");
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
        *error = damaged;
        return false;
    }
    if (version.toDouble() > kFormatVersion) {
        *error = tr("It was saved by a newer version of Sorvel (project format %1; this version reads "
                    "format %2). Please update Sorvel to open it.")
                     .arg(version.toInt())
                     .arg(kFormatVersion);
        return false;
    }

    Data out;
    const QJsonObject settings = root.value(QStringLiteral("settings")).toObject();
    SlideshowSettings &show = out.settings;
    bool ok = root.value(QStringLiteral("settings")).isObject() &&
              readInt(settings, "photoDurationMs", 1, 1000000, &show.photoDurationMs) &&
              readInt(settings, "transitionDurationMs", 1, 10000, &show.transitionDurationMs) &&
              readBool(settings, "useTransition", &show.useTransition) &&
              readBool(settings, "dissolveOnly", &show.dissolveOnly) &&
              readBool(settings, "useDynamicEffect", &show.useDynamicEffect) &&
              readBool(settings, "loopAudio", &show.loopAudio) &&
              readBool(settings, "fadeAudio", &show.fadeAudio) &&
              readInt(settings, "fadeMs", SlideshowSettings::kMinFadeMs, SlideshowSettings::kMaxFadeMs,
                      &show.fadeMs) &&
              readInt(settings, "crossfadeMs", 0, SlideshowSettings::kMaxCrossfadeMs, &show.crossfadeMs) &&
              readChoice(settings, "framing", parsePhotoFraming, &show.framing);
    // Projects written before the setting existed keep their sound.
    show.evenLoudness = false;
    ok = ok && readBool(settings, "evenLoudness", &show.evenLoudness);

    const QJsonValue photos = root.value(QStringLiteral("photos"));
    ok = ok && photos.isArray();
    // What is wrong in a caption or a title card, by member.
    QString memberError;
    int index = -1;
    for (const QJsonValue &value : photos.toArray()) {
        ++index;
        const QJsonObject o = value.toObject();
        Data::Photo photo;
        const QString member = QStringLiteral("photos[%1]").arg(index);
        const QJsonValue card = o.value(QStringLiteral("titleCard"));
        if (ok && value.isObject() && !card.isUndefined() && !o.contains(QStringLiteral("path"))) {
            TitleCard read;
            ok = CaptionJson::titleCardFromJson(card, member + QStringLiteral(".titleCard"), projectDir,
                                                &read, &memberError);
            if (!ok)
                break;
            photo.titleCard = read;
            out.photos.append(photo);
            continue;
        }
        const QJsonValue caption = o.value(QStringLiteral("caption"));
        if (ok && !caption.isUndefined()) {
            ok = CaptionJson::captionFromJson(caption, member + QStringLiteral(".caption"), &photo.caption,
                                              &memberError);
            if (!ok)
                break;
        }
        const QJsonValue start = o.value(QStringLiteral("motionStart"));
        const QJsonValue end = o.value(QStringLiteral("motionEnd"));
        photo.hasMotion = !start.isUndefined() || !end.isUndefined();
        ok = ok && value.isObject() && readPath(o, projectDir, &photo.path) &&
             (!photo.hasMotion ||
              (motionFromJson(start, &photo.motionStart) && motionFromJson(end, &photo.motionEnd)));
        const QJsonValue ops = o.value(QStringLiteral("transformOps"));
        ok = ok && (ops.isUndefined() || ops.isArray());
        for (const QJsonValue &op : ops.toArray()) {
            const double d = op.toDouble(-1);
            ok = ok && op.isDouble() && (d == 0 || d == 1 || d == 2 || d == 3);
            photo.transformOps.append(int32_t(d));
        }
        if (!ok)
            break;
        out.photos.append(photo);
    }

    const QJsonValue clips = root.value(QStringLiteral("clips"));
    ok = ok && clips.isArray();
    for (const QJsonValue &value : clips.toArray()) {
        const QJsonObject o = value.toObject();
        Data::Clip clip;
        ok = ok && value.isObject() && readPath(o, projectDir, &clip.path) &&
             readSeconds(o, "clipStart", &clip.clipStart) && readSeconds(o, "clipEnd", &clip.clipEnd) &&
             clip.clipStart <= clip.clipEnd;
        const QJsonValue loudness = o.value(QStringLiteral("loudness"));
        if (ok && !loudness.isUndefined()) {
            const QJsonObject l = loudness.toObject();
            const QJsonValue i = l.value(QStringLiteral("integratedLufs"));
            const QJsonValue tp = l.value(QStringLiteral("truePeakDb"));
            const QJsonValue size = l.value(QStringLiteral("fileSize"));
            const QJsonValue time = l.value(QStringLiteral("lastModified"));
            ok = loudness.isObject() && i.isDouble() && tp.isDouble() && std::isfinite(i.toDouble()) &&
                 std::isfinite(tp.toDouble()) && i.toDouble() <= 10 && tp.toDouble() <= 40 &&
                 (size.isUndefined() || size.isDouble()) && (time.isUndefined() || time.isString());
            clip.loudness.measured = ok;
            clip.loudness.integratedLufs = i.toDouble();
            clip.loudness.truePeakDb = tp.toDouble();
            clip.measuredFileSize = qint64(size.toDouble(-1));
            clip.measuredLastModified = QDateTime::fromString(time.toString(), Qt::ISODateWithMs);
        }
        if (!ok)
            break;
        out.clips.append(clip);
    }

    // Projects written before these choices existed (with or without a
    // "dvd" member) make the DVD they made then: 4:3, one chapter.
    out.dvd.aspect = DvdAspect::Standard;
    out.dvd.chapters = ChapterMarks::None;
    out.dvd.menu = false;
    const QJsonValue dvdValue = root.value(QStringLiteral("dvd"));
    const QJsonObject dvd = dvdValue.toObject();
    ok = ok && (dvdValue.isUndefined() || dvdValue.isObject());
    if (ok && dvdValue.isObject()) {
        const QJsonValue standard = dvd.value(QStringLiteral("standard"));
        if (!standard.isUndefined()) {
            const std::optional<TvStandard> parsed = parseTvStandard(standard.toString());
            ok = parsed.has_value();
            if (parsed)
                out.dvd.tvStandard = *parsed;
        }
        ok = ok && readInt(dvd, "videoBitRate", kMinVideoBitRate, kMaxVideoBitRate, &out.dvd.videoBitRate) &&
             readInt(dvd, "audioBitRate", kMinAudioBitRate, kMaxAudioBitRate, &out.dvd.audioBitRate) &&
             readInt(dvd, "audioChannels", 1, 6, &out.dvd.audioChannels) &&
             readInt(dvd, "copies", 1, 99, &out.dvd.copies) && isAudioChannelCount(out.dvd.audioChannels);
        const QJsonValue label = dvd.value(QStringLiteral("volumeLabel"));
        ok = ok && (label.isUndefined() || label.isString());
        out.dvd.volumeLabel = label.toString();
        // Projects written before the choice existed play again, as their
        // discs did.
        const QJsonValue atEnd = dvd.value(QStringLiteral("atEnd"));
        if (ok && !atEnd.isUndefined()) {
            const std::optional<ShowEnd> parsed = parseShowEnd(atEnd.toString());
            ok = atEnd.isString() && parsed.has_value();
            if (parsed)
                out.dvd.atEnd = *parsed;
        }
        ok = ok && readChoice(dvd, "aspect", parseDvdAspect, &out.dvd.aspect) &&
             readChoice(dvd, "chapters", parseChapterMarks, &out.dvd.chapters);
        const QJsonValue menu = dvd.value(QStringLiteral("menu"));
        ok = ok && (menu.isUndefined() || menu.isBool());
        out.dvd.menu = menu.toBool(false);
    }

    // The video file's choices; a project written before they existed
    // gets the defaults.
    const QJsonValue videoValue = root.value(QStringLiteral("video"));
    const QJsonObject video = videoValue.toObject();
    ok = ok && (videoValue.isUndefined() || videoValue.isObject());
    if (ok && videoValue.isObject()) {
        ok = readChoice(video, "size", parseVideoSize, &out.video.size) &&
             readChoice(video, "shape", parseVideoShape, &out.video.shape) &&
             readChoice(video, "quality", parseVideoFileQuality, &out.video.quality) &&
             readInt(video, "frameRate", 1, 1000, &out.video.frameRate) && isVideoFrameRate(out.video.frameRate);
        const QJsonValue file = video.value(QStringLiteral("file"));
        ok = ok && (file.isUndefined() || file.isString());
        if (ok && !file.toString().isEmpty())
            out.video.file = resolvedPath(file.toString(), projectDir);
    }
    if (!ok) {
        *error = memberError.isEmpty() ? damaged : damaged + QLatin1Char('\n') + memberError;
        return false;
    }
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            tr("The project %1 cannot be opened: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    // A project lists files, not their contents: anything this large is not
    // one.
    constexpr qint64 kMaxProjectSize = 64 * 1024 * 1024;
    if (file.size() > kMaxProjectSize) {
        *error = tr("The project %1 cannot be opened.\n%2")
                     .arg(QDir::toNativeSeparators(path), tr("The file is not a Sorvel project."));
        return false;
    }
    if (!fromJson(file.readAll(), QFileInfo(path).absoluteDir(), data, error)) {
        // Say which file: the message may come from a double click or a
        // second start, long after the person chose the file.
        *error = tr("The project %1 cannot be opened.\n%2").arg(QDir::toNativeSeparators(path), *error);
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
        info.caption = saved.caption;
        const bool read = thumbnails ? probeImage(info, saved.path) : probeImageHeader(info, saved.path);
        if (!QFileInfo::exists(saved.path) || !read) {
            left << saved.path;
            continue;
        }
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
        if (!QFileInfo::exists(saved.path) || !probeAudio(info, saved.path)) {
            left << saved.path;
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
                left << saved.path;
                continue;
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

} // namespace Project
