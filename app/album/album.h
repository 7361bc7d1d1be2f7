#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <cstdint>
#include <optional>

#include "album/caption.h"
#include "album/dvdchoices.h"
#include "album/loudness.h"
#include "album/videochoices.h"

// Dynamic-effect key: kind 0 animates three values (horizontal offset,
// vertical offset, offset toward the viewer = zoom, in frame pixels); kind 1
// animates four (rotation angle in degrees and the rotation axis).
struct MotionKey {
    int32_t kind = 0;
    std::array<float, 4> values{0.f, 0.f, 0.f, 0.f};
    bool operator==(const MotionKey &o) const { return kind == o.kind && values == o.values; }
};
// The interpolated key handed to the drawer; same shape as a key.
using MotionSample = MotionKey;

// Edit operations stored in ImageInfo::transformOps, newest first.
enum TransformOp : int32_t { OpMirror = 0, OpFlip = 1, OpTurnLeft = 2, OpTurnRight = 3 };

// How a photo appears on screen relative to the stored file. Codes 4..7
// exchange width and height.
enum OrientationCode : int32_t {
    OrientUnchanged = 0,
    OrientFlipped = 1,      // flipped top-bottom
    OrientMirrored = 2,     // mirrored left-right
    OrientRotated180 = 3,   // rotated 180 degrees
    OrientCwFlipped = 4,    // turned 90 clockwise, then flipped top-bottom
    OrientCwRotated180 = 5, // turned 90 clockwise, then rotated 180 (= turned left)
    OrientCw = 6,           // turned 90 clockwise
    OrientCwMirrored = 7    // turned 90 clockwise, then mirrored left-right
};

constexpr int kExifTextCount = 16;

// One photo of the album; a value type copied into lists. An item with a
// title card has no file (an empty path): it shows its card for the card's
// own duration, with no pan-and-zoom.
struct ImageInfo {
    QString path;
    Caption caption;
    std::optional<TitleCard> titleCard;
    int32_t width = 0;
    int32_t height = 0;
    int32_t depth = 0;
    QString format;
    int64_t fileSize = 0;
    QDateTime lastModified;
    bool exifMirror = false;
    bool exifFlip = false;
    int32_t exifRotation = 0;
    QVector<int32_t> transformOps;
    int32_t orientationCode = 0;
    MotionKey motionStart;
    MotionKey motionEnd;
    std::array<QString, kExifTextCount> exifText;
    QImage thumbnail;
    QImage thumbnailTurned;

    bool isTitleCard() const { return titleCard.has_value(); }
    // A new title card item (no file, still keys).
    static ImageInfo forTitleCard(const TitleCard &card);
    // The file was not there (or could not be read) when the project was
    // opened: the photo keeps its place, edits and motion in the album and
    // is saved back, but the preview and the DVD leave it out until it is
    // found again (relinked).
    bool missing = false;
};

// One audio clip of the soundtrack.
struct AudioInfo {
    QString path;
    int32_t channels = 0;
    int32_t sampleRate = 0;
    int32_t bitsPerSample = 0;
    double duration = 0.0;
    QString format;
    int64_t fileSize = 0;
    QDateTime lastModified;
    double clipStart = 0.0;
    double clipEnd = 0.0;
    // As ImageInfo::missing: kept with its in and out points, left out of
    // the soundtrack until found.
    bool missing = false;
    // Measured once (at import, or when a project without it opens) and
    // kept in the project.
    ClipLoudness loudness;

    double clipLength() const { return clipEnd - clipStart; }
};

// The render format: the frame as it is stored (width x height pixels), the
// shape it is shown in (aspectNum:aspectDen), the frame rate, and the audio
// format of the soundtrack. A DVD frame is 720 x 576 (PAL) or 720 x 480
// (NTSC) stored pixels shown as 4:3 or 16:9, so its pixels are not square;
// frames are composed for the display shape directly at the stored size
// (see GLDrawCore). The default is a square-pixel 4:3 frame of 720 x 540.
struct OutputFormat {
    int32_t width = 720;
    int32_t height = 540;
    int32_t frameRateNum = 25;
    int32_t frameRateDen = 1;
    int32_t aspectNum = 4;
    int32_t aspectDen = 3;
    int32_t audioChannels = 2;
    int32_t audioSampleRate = 48000;
    int32_t audioBitsPerSample = 16;

    // The DVD frame of a TV standard and aspect: 720 x 576 at 25/1 for PAL,
    // 720 x 480 at 30000/1001 for NTSC, shown as 4:3 or 16:9.
    static OutputFormat forStandard(TvStandard standard, DvdAspect aspect = DvdAspect::Standard);
    // The format of a video file: its frame in square pixels at its rate,
    // stereo sound. The one place the file's choices become a render format.
    static OutputFormat forVideo(const VideoChoices &choices);
    bool operator==(const OutputFormat &o) const;

    // The frame's width on screen in pixels as tall as a stored row: 768
    // for a PAL 4:3 frame, 1024 for PAL 16:9, the width itself for square
    // pixels.
    double displayWidth() const { return double(height) * aspectNum / aspectDen; }
    // Stored pixels per displayed pixel across a row (0.9375 for PAL 4:3,
    // 0.703125 for PAL 16:9, 1 for square pixels).
    double squeeze() const { return double(width) / displayWidth(); }
    // The pan-and-zoom keys are given in pixels of a 720 x 540 frame; one
    // such pixel is this many displayed pixels here: the keys scale with
    // the frame's height, or with its width where the frame is narrower
    // than 4:3, so a photo moves and zooms alike at every size and shape.
    double motionUnit() const;
};

// How a photo fills the frame when its shape differs from the frame's: the
// whole photo with black bars beside or above it (Fit, the default), the
// frame filled and the photo's overflow cut off round its centre (Fill),
// or the whole photo on a blurred, darkened copy of itself that fills the
// frame (Blur: how phone pictures are shown on wide screens).
enum class PhotoFraming { Fit, Fill, Blur };
// "fit", "fill" or "blur" in any case, with surrounding white space ignored.
std::optional<PhotoFraming> parsePhotoFraming(const QString &text);
// "fit", "fill" or "blur", the texts stored in projects and given to --framing.
QString photoFramingName(PhotoFraming framing);

// Seconds to frames, truncated toward zero.
int64_t secondsToFrames(double seconds, const OutputFormat &format);
double framesToSeconds(int64_t frames, const OutputFormat &format);
// Length of one frame in whole milliseconds: 40 for PAL, 33 for NTSC (a
// timer's period; durations are snapped by Timeline::snapDurationMs).
int framePeriodMs(const OutputFormat &format);

// Orientation code of a list of edit operations (list order).
int orientationCodeFor(const QVector<int32_t> &transformOps);
// The edit operations that undo nothing but show the photo as its EXIF
// orientation says ("Auto Rotate").
QVector<int32_t> transformOpsFromExif(const ImageInfo &info);
// Maps an EXIF orientation 1..8 onto the three EXIF fields; other values
// leave the fields unchanged.
void applyExifOrientation(ImageInfo &info, int exifOrientation);
// Whether a code shows the turned thumbnail (codes 4..7).
inline bool orientationTurns(int code)
{
    return code >= 4 && code <= 7;
}
// Whether a code shows the (turned) picture mirrored left-right or
// top-bottom; a rotation by 180 degrees is both.
inline bool orientationMirrorsX(int code)
{
    return code == OrientMirrored || code == OrientCwMirrored || code == OrientRotated180 ||
           code == OrientCwRotated180;
}
inline bool orientationMirrorsY(int code)
{
    return code == OrientFlipped || code == OrientCwFlipped || code == OrientRotated180 ||
           code == OrientCwRotated180;
}

// Gives a new photo its dynamic-effect keys from the program-wide counter;
// eight successive photos run through every pan and zoom direction.
void assignMotionKeys(ImageInfo &info);
// Restarts the program-wide counter (tests).
void resetMotionKeyCounter();
// The effect at progress x (0..1) of a photo's appearance.
MotionSample interpolateMotion(const ImageInfo &info, double x, bool useDynamicEffect);

// What happens to a photo when it is imported: the EXIF operations (when
// auto-rotation on import is on), the dynamic-effect keys and the
// orientation code.
void prepareImportedPhoto(ImageInfo &info, bool autoRotateOnImport);

// The menu's own choices: its title, its background and its music.
struct MenuChoices {
    // The words on the main page: any text, several lines too; empty (or
    // only white space): the volume label.
    QString title;
    MenuBackdrop backdrop = MenuBackdrop::FirstPhoto;
    // The chosen photo's file (MenuBackdrop::Photo); a photo no longer in
    // the album gives the first photo.
    QString photo;
    // A stretch of the album's first clip plays under the menu, looped; on
    // for new albums (an album without music has none to play), off for
    // projects saved before the choice existed.
    bool music = true;

    bool operator==(const MenuChoices &o) const
    {
        return title == o.title && backdrop == o.backdrop && photo == o.photo && music == o.music;
    }
    bool operator!=(const MenuChoices &o) const { return !(*this == o); }
};

// The DVD choices of an album: TV standard, quality, audio, the disc's
// volume label, the number of copies, what the disc does when the show
// ends, the picture's shape and the chapters. They are kept with the album
// (Album::dvd), the one place the main window owns: the DVD settings dialog
// reads and writes them there, a project file stores them, and
// `sorvel make-dvd PROJECT` starts from them.
struct DvdChoices {
    TvStandard tvStandard = TvStandard::Pal;
    int videoBitRate = kHighVideoBitRate;      // bit/s
    int audioBitRate = kDefaultAudioBitRate;   // bit/s
    int audioChannels = kDefaultAudioChannels; // 1, 2 or 6
    QString volumeLabel = defaultVolumeLabel();
    int copies = 1;
    ShowEnd atEnd = ShowEnd::Repeat;
    // New albums are widescreen with a chapter at every photo; a project
    // saved before these choices existed opens as 4:3 without chapters, so
    // it makes the DVD it made before.
    DvdAspect aspect = DvdAspect::Wide;
    ChapterMarks chapters = ChapterMarks::PerPhoto;
    // The disc opens on a menu (the title, Play, an index of the photos);
    // on for new albums, off for projects saved before the choice existed.
    // With the menu the title has a chapter at every photo, for the index.
    bool menu = true;
    MenuChoices menuChoices;

    bool operator==(const DvdChoices &o) const
    {
        return tvStandard == o.tvStandard && videoBitRate == o.videoBitRate &&
               audioBitRate == o.audioBitRate && audioChannels == o.audioChannels &&
               volumeLabel == o.volumeLabel && copies == o.copies && atEnd == o.atEnd && aspect == o.aspect &&
               chapters == o.chapters && menu == o.menu && menuChoices == o.menuChoices;
    }
    bool operator!=(const DvdChoices &o) const { return !(*this == o); }
};
Q_DECLARE_METATYPE(DvdChoices)

// The album-wide slideshow settings a person chooses (durations in ms,
// whole frame periods), as kept by a project file and an undo step.
struct SlideshowSettings {
    int32_t photoDurationMs = 5000;
    int32_t transitionDurationMs = 1500;
    bool useTransition = true;
    bool dissolveOnly = false;
    bool useDynamicEffect = true;
    bool loopAudio = false;
    // "Fade in and out": the music fades in at its start and out so that
    // it ends with the show, each fade fadeMs long.
    bool fadeAudio = false;
    PhotoFraming framing = PhotoFraming::Fit;
    int32_t fadeMs = 3000;
    // A crossfade between consecutive clips; 0 joins them end to start.
    int32_t crossfadeMs = 0;
    // "Even out the loudness": every clip is brought to one level. On for
    // a new album; a project written before the setting existed reads it
    // as off, so that it sounds as it did.
    bool evenLoudness = true;

    static constexpr int kMinFadeMs = 500;
    static constexpr int kMaxFadeMs = 10000;
    static constexpr int kMaxCrossfadeMs = 10000;

    bool operator==(const SlideshowSettings &o) const
    {
        return photoDurationMs == o.photoDurationMs && transitionDurationMs == o.transitionDurationMs &&
               useTransition == o.useTransition && dissolveOnly == o.dissolveOnly &&
               useDynamicEffect == o.useDynamicEffect && loopAudio == o.loopAudio &&
               fadeAudio == o.fadeAudio && fadeMs == o.fadeMs && crossfadeMs == o.crossfadeMs &&
               evenLoudness == o.evenLoudness && framing == o.framing;
    }
    bool operator!=(const SlideshowSettings &o) const { return !(*this == o); }
};

// The album: photos, clips, transition patterns, the slideshow settings and
// the DVD choices. A value; the editor keeps its one album in an AlbumModel,
// which records each change for undo and tells the views what changed.
class Album
{
public:
    // Lists the patterns of the running application's data folder.
    Album();
    // Lists the patterns of the given application data folder.
    explicit Album(const QString &appDir);

    void loadPatternFiles(const QString &appDir);

    // The durations in seconds, from the milliseconds of the settings.
    double photoDuration() const { return settings.photoDurationMs / 1000.0; }
    double transitionDuration() const { return settings.transitionDurationMs / 1000.0; }
    double transitionSpan() const { return settings.useTransition ? transitionDuration() : 0.0; }
    // How long item k is shown alone, in ms: a title card's own duration,
    // else the album's photo duration.
    int itemDurationMs(int k) const;
    // The lengths of what is shown and heard: missing photos and clips
    // count for nothing.
    double videoLength() const;
    double audioLength() const;
    bool isEmpty() const { return photos.isEmpty() && audios.isEmpty(); }
    // Photos and clips whose files are missing, and the album without them
    // (what the preview shows and a DVD holds).
    int missingCount() const;
    QStringList missingPaths() const;
    Album present() const;

    // The durations a person can choose, in ms (the window's duration
    // controls and make-dvd's options).
    static constexpr int kMinPhotoDurationMs = 1000;
    static constexpr int kMaxPhotoDurationMs = 999000;
    static constexpr int kMinTransitionDurationMs = 500;
    static constexpr int kMaxTransitionDurationMs = 5000;

    // Duration edits in ms, snapped to whole frames of the format's rate
    // (Timeline::snapDurationMs); return the new value.
    int setPhotoDurationMs(int requestedMs, const OutputFormat &format);
    int setTransitionDurationMs(int requestedMs, const OutputFormat &format);
    // Sets a duration exactly (a value already a whole number of periods).
    void setPhotoDurationExactMs(int ms) { settings.photoDurationMs = ms; }
    void setTransitionDurationExactMs(int ms) { settings.transitionDurationMs = ms; }
    // "Sync with Audio": fits the photo time to the soundtrack. True when
    // the photo duration changed (a per-photo time outside 1..999 s or an
    // album without photos or clips changes nothing).
    bool fitPhotoDurationToAudio(const OutputFormat &format);

    // The item the DVD menu's background comes from, by the menu choices:
    // the first title card (MenuBackdrop::TitleCard, when the album has
    // one), the chosen photo (while it is in the album and not missing),
    // else the first present photo; -1 when there is none.
    int menuBackdropItem(const MenuChoices &choices) const;
    // The first clip that is not missing, which the menu's music is made
    // of; -1 when there is none.
    int menuMusicClip() const;

    QList<ImageInfo> photos;
    QList<AudioInfo> audios;
    QStringList patternFiles;
    SlideshowSettings settings;
    DvdChoices dvd;
    VideoChoices video;
};
