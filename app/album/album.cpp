#include "album/album.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTransform>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "album/timeline.h"
#include "framework/apppaths.h"
#include "framework/settingsstore.h"

Q_LOGGING_CATEGORY(lcAlbum, "sorvel.album")

OutputFormat OutputFormat::forStandard(TvStandard standard, DvdAspect aspect)
{
    OutputFormat f;
    f.width = 720;
    if (standard == TvStandard::Pal) {
        f.height = 576;
        f.frameRateNum = 25;
        f.frameRateDen = 1;
    } else {
        f.height = 480;
        f.frameRateNum = 30000;
        f.frameRateDen = 1001;
    }
    f.aspectNum = aspect == DvdAspect::Wide ? 16 : 4;
    f.aspectDen = aspect == DvdAspect::Wide ? 9 : 3;
    return f;
}

OutputFormat OutputFormat::forVideo(const VideoChoices &choices)
{
    OutputFormat f;
    const QSize size = choices.frameSize();
    f.width = size.width();
    f.height = size.height();
    f.frameRateNum = choices.frameRate;
    f.frameRateDen = 1;
    f.aspectNum = videoShapeNum(choices.shape);
    f.aspectDen = videoShapeDen(choices.shape);
    f.audioChannels = 2;
    return f;
}

double OutputFormat::motionUnit() const
{
    return std::min(double(height) / 540.0, displayWidth() / 720.0);
}

std::optional<PhotoFraming> parsePhotoFraming(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("fit"), Qt::CaseInsensitive) == 0)
        return PhotoFraming::Fit;
    if (t.compare(QLatin1String("fill"), Qt::CaseInsensitive) == 0)
        return PhotoFraming::Fill;
    if (t.compare(QLatin1String("blur"), Qt::CaseInsensitive) == 0)
        return PhotoFraming::Blur;
    return std::nullopt;
}

QString photoFramingName(PhotoFraming framing)
{
    switch (framing) {
    case PhotoFraming::Fill:
        return QStringLiteral("fill");
    case PhotoFraming::Blur:
        return QStringLiteral("blur");
    case PhotoFraming::Fit:
        break;
    }
    return QStringLiteral("fit");
}

bool OutputFormat::operator==(const OutputFormat &o) const
{
    return width == o.width && height == o.height && frameRateNum == o.frameRateNum &&
           frameRateDen == o.frameRateDen && aspectNum == o.aspectNum && aspectDen == o.aspectDen &&
           audioChannels == o.audioChannels && audioSampleRate == o.audioSampleRate &&
           audioBitsPerSample == o.audioBitsPerSample;
}

int64_t secondsToFrames(double seconds, const OutputFormat &format)
{
    // A tiny tolerance keeps values such as 10.4 s x 25 (= 259.99999...)
    // from losing a whole frame to binary rounding.
    const double frames = double(format.frameRateNum) * seconds / double(format.frameRateDen);
    return int64_t(std::trunc(frames + (frames >= 0 ? 1e-9 : -1e-9)));
}

double framesToSeconds(int64_t frames, const OutputFormat &format)
{
    return double(format.frameRateDen) * double(frames) / double(format.frameRateNum);
}

int framePeriodMs(const OutputFormat &format)
{
    return int(int64_t(format.frameRateDen) * 1000 / format.frameRateNum);
}

int orientationCodeFor(const QVector<int32_t> &transformOps)
{
    QTransform t;
    for (int32_t op : transformOps) {
        switch (op) {
        case OpMirror:
            t.rotate(180, Qt::YAxis);
            break;
        case OpFlip:
            t.rotate(180, Qt::XAxis);
            break;
        case OpTurnLeft:
            t.rotate(90, Qt::ZAxis);
            break;
        case OpTurnRight:
            t.rotate(-90, Qt::ZAxis);
            break;
        default:
            break;
        }
    }
    auto is = [](qreal v, qreal target) { return std::abs(v - target) < 0.0001; };
    const qreal m11 = t.m11(), m12 = t.m12(), m21 = t.m21(), m22 = t.m22();
    if (is(m11, 1) && is(m22, 1))
        return 0;
    if (is(m11, 1) && is(m22, -1))
        return 1;
    if (is(m11, -1) && is(m22, 1))
        return 2;
    if (is(m11, -1) && is(m22, -1))
        return 3;
    if (is(m12, 1) && is(m21, 1))
        return 4;
    if (is(m12, 1) && is(m21, -1))
        return 5;
    if (is(m12, -1) && is(m21, 1))
        return 6;
    if (is(m12, -1) && is(m21, -1))
        return 7;
    // Only the eight turns and mirrors above can be built from the edits.
    qCWarning(lcAlbum) << "orientation code of a transform that is no turn or mirror:" << t;
    return 0;
}

QVector<int32_t> transformOpsFromExif(const ImageInfo &info)
{
    QVector<int32_t> ops;
    if (info.exifMirror)
        ops.append(OpMirror);
    if (info.exifFlip)
        ops.append(OpFlip);
    if (info.exifRotation == -90)
        ops.append(OpTurnLeft);
    else if (info.exifRotation == 90)
        ops.append(OpTurnRight);
    return ops;
}

void applyExifOrientation(ImageInfo &info, int exifOrientation)
{
    struct Row {
        int rotation;
        bool mirror;
        bool flip;
    };
    static const Row table[8] = {
        {0, false, false}, {0, true, false},   {0, true, true},    {0, false, true},
        {90, true, false}, {90, false, false}, {-90, true, false}, {-90, false, false},
    };
    if (exifOrientation < 1 || exifOrientation > 8)
        return;
    const Row &r = table[exifOrientation - 1];
    info.exifRotation = r.rotation;
    info.exifMirror = r.mirror;
    info.exifFlip = r.flip;
}

namespace {
std::atomic<uint32_t> g_motionCounter{0};
}

void assignMotionKeys(ImageInfo &info)
{
    const uint32_t k = g_motionCounter.fetch_add(1);
    MotionKey start{0, {-25.f, -12.5f, 50.f, 0.f}};
    MotionKey end{0, {25.f, 12.5f, 100.f, 0.f}};
    for (int bit = 0; bit < 3; ++bit) {
        if (k & (1u << bit))
            std::swap(start.values[bit], end.values[bit]);
    }
    info.motionStart = start;
    info.motionEnd = end;
}

void resetMotionKeyCounter()
{
    g_motionCounter = 0;
}

MotionSample interpolateMotion(const ImageInfo &info, double x, bool useDynamicEffect)
{
    MotionSample s;
    // A title card stands still, whatever its keys say.
    if (!useDynamicEffect || info.isTitleCard())
        return s;
    s.kind = info.motionStart.kind;
    const int animated = s.kind == 1 ? 4 : 3;
    for (int i = 0; i < animated; ++i) {
        const double a = info.motionStart.values[i];
        const double b = info.motionEnd.values[i];
        s.values[i] = float(a + x * (b - a));
    }
    return s;
}

ImageInfo ImageInfo::forTitleCard(const TitleCard &card)
{
    ImageInfo info;
    info.titleCard = card;
    info.format = QStringLiteral("Title card");
    return info;
}

void prepareImportedPhoto(ImageInfo &info, bool autoRotateOnImport)
{
    if (autoRotateOnImport)
        info.transformOps = transformOpsFromExif(info);
    assignMotionKeys(info);
    info.orientationCode = orientationCodeFor(info.transformOps);
}

Album::Album()
{
    const SettingsStore *store = SettingsStore::current();
    loadPatternFiles(store ? store->appDir() : AppPaths::appDir());
}

Album::Album(const QString &appDir)
{
    loadPatternFiles(appDir);
}

void Album::loadPatternFiles(const QString &appDir)
{
    QString dir = appDir;
    if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QLatin1Char('\\')))
        dir += QLatin1Char('/');
    dir += QStringLiteral("pattern/");
    patternFiles.clear();
    const QDir folder(dir);
    const QStringList names =
        folder.entryList({QStringLiteral("*.wpt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        patternFiles.append(folder.absoluteFilePath(name));
}

int Album::itemDurationMs(int k) const
{
    if (k >= 0 && k < photos.size() && photos.at(k).isTitleCard())
        return photos.at(k).titleCard->durationMs;
    return settings.photoDurationMs;
}

int Album::missingCount() const
{
    int n = 0;
    for (const ImageInfo &photo : photos)
        n += photo.missing ? 1 : 0;
    for (const AudioInfo &clip : audios)
        n += clip.missing ? 1 : 0;
    return n;
}

QStringList Album::missingPaths() const
{
    QStringList paths;
    for (const ImageInfo &photo : photos) {
        if (photo.missing)
            paths << photo.path;
    }
    for (const AudioInfo &clip : audios) {
        if (clip.missing)
            paths << clip.path;
    }
    return paths;
}

int Album::menuBackdropItem(const MenuChoices &choices) const
{
    if (choices.backdrop == MenuBackdrop::TitleCard) {
        for (int k = 0; k < photos.size(); ++k) {
            if (photos[k].isTitleCard())
                return k;
        }
    }
    if (choices.backdrop == MenuBackdrop::Photo && !choices.photo.isEmpty()) {
        for (int k = 0; k < photos.size(); ++k) {
            const ImageInfo &item = photos[k];
            if (!item.isTitleCard() && !item.missing && item.path == choices.photo)
                return k;
        }
    }
    for (int k = 0; k < photos.size(); ++k) {
        if (!photos[k].isTitleCard() && !photos[k].missing)
            return k;
    }
    return -1;
}

int Album::menuMusicClip() const
{
    for (int k = 0; k < audios.size(); ++k) {
        if (!audios[k].missing && audios[k].clipLength() > 0)
            return k;
    }
    return -1;
}

Album Album::present() const
{
    Album out(*this);
    if (missingCount() == 0)
        return out;
    out.photos.clear();
    out.audios.clear();
    for (const ImageInfo &photo : photos) {
        if (!photo.missing)
            out.photos.append(photo);
    }
    for (const AudioInfo &clip : audios) {
        if (!clip.missing)
            out.audios.append(clip);
    }
    return out;
}

double Album::videoLength() const
{
    int n = 0;
    for (const ImageInfo &photo : photos)
        n += photo.missing ? 0 : 1;
    if (n == 0)
        return 0.0;
    int64_t ms = 0;
    for (int k = 0; k < photos.size(); ++k) {
        if (!photos.at(k).missing)
            ms += itemDurationMs(k);
    }
    return ms / 1000.0 + (settings.useTransition ? (n - 1) * transitionDuration() : 0.0);
}

double Album::audioLength() const
{
    double total = 0.0;
    for (const AudioInfo &a : audios) {
        if (!a.missing)
            total += a.clipEnd - a.clipStart;
    }
    return total;
}

int Album::setPhotoDurationMs(int requestedMs, const OutputFormat &format)
{
    const Timeline frames(0, 0, 0, format.frameRateNum, format.frameRateDen);
    setPhotoDurationExactMs(frames.snapDurationMs(requestedMs, settings.photoDurationMs));
    return settings.photoDurationMs;
}

int Album::setTransitionDurationMs(int requestedMs, const OutputFormat &format)
{
    const Timeline frames(0, 0, 0, format.frameRateNum, format.frameRateDen);
    setTransitionDurationExactMs(frames.snapDurationMs(requestedMs, settings.transitionDurationMs));
    return settings.transitionDurationMs;
}

bool Album::fitPhotoDurationToAudio(const OutputFormat &format)
{
    int n = 0;
    for (const ImageInfo &photo : photos)
        n += photo.missing ? 0 : 1;
    if (n == 0 || audios.isEmpty())
        return false;
    // Title cards keep their own time; the photos share what is left.
    int photoCount = 0;
    double cardSeconds = 0.0;
    for (const ImageInfo &item : photos) {
        if (item.missing)
            continue;
        if (item.isTitleCard())
            cardSeconds += item.titleCard->durationMs / 1000.0;
        else
            ++photoCount;
    }
    if (photoCount == 0)
        return false;
    const double a = (audioLength() - cardSeconds -
                      (settings.useTransition && n > 0 ? (n - 1) * transitionDuration() : 0.0)) /
                     photoCount;
    if (a < 1.0 || a > 999.0)
        return false;
    // The whole-frame duration just above the fit, so that the photos
    // outlast the music rather than stop short of it.
    const int wholeMs = int(std::floor(1000.0 * a + 1e-6));
    const Timeline frames(0, 0, 0, format.frameRateNum, format.frameRateDen);
    setPhotoDurationExactMs(frames.snapDurationMs(wholeMs, wholeMs));
    return true;
}
