#include "job/makedvdoptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <dirent.h>

#include <algorithm>
#include <iterator>

#include "album/album.h"
#include "album/appsettings.h"
#include "framework/filecheck.h"
#include "album/probe.h"

namespace {

bool parseInt(const QString &text, int low, int high, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    *out = v;
    return true;
}

// QDir lists an unreadable folder as empty; opening it tells.
bool canListFolder(const QString &path)
{
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

} // namespace

namespace {

// One option of a usage text: its syntax (not translated) and its
// description (translated when the text is made).
struct UsageOption {
    const char *syntax;
    const char *description;
};
struct UsageSection {
    const char *heading;
    QVector<UsageOption> options;
};

const char *const kFramingHelp = QT_TRANSLATE_NOOP(
    "MakeDvd", "photos of another shape than the picture: whole with black bars (default), "
               "filling it (the centre kept), or whole on a blurred, darkened copy of themselves");

// The paragraphs, the option table in two columns and the closing lines,
// wrapped at 79 characters.
QString usageText(const QStringList &paragraphs, const QVector<UsageSection> &sections,
                  const QString &abortNote)
{
    constexpr int kColumn = 27;
    constexpr int kWidth = 79;
    QString text;
    for (const QString &paragraph : paragraphs)
        text += wrapText(paragraph, 0, kWidth);
    for (const UsageSection &section : sections) {
        text += QLatin1Char('\n') + MakeDvd::tr(section.heading) + QLatin1Char('\n');
        for (const UsageOption &option : section.options) {
            QString line = QStringLiteral("  ") + QLatin1String(option.syntax);
            line += line.size() < kColumn ? QString(kColumn - line.size(), QLatin1Char(' '))
                                          : QLatin1Char('\n') + QString(kColumn, QLatin1Char(' '));
            text += line + wrapText(MakeDvd::tr(option.description), kColumn, kWidth).mid(kColumn);
        }
    }
    text += QLatin1Char('\n');
    text +=
        wrapText(MakeDvd::tr("Exit codes: 0 the output is complete, 1 failure, 2 usage error."), 0, kWidth);
    text += wrapText(abortNote, 0, kWidth);
    return text;
}

} // namespace

QString makeDvdUsage()
{
    // Each option's description is translated on its own; the columns and
    // the line breaks are made here (usageText), so a translation needs no
    // padding.
    const QVector<UsageSection> sections = {
        {QT_TRANSLATE_NOOP("MakeDvd", "Output (exactly one is required):"),
         {{"--to-folder DIR", QT_TRANSLATE_NOOP("MakeDvd", "write the DVD folder into DIR/<volume label>")},
          {"--to-iso FILE",
           QT_TRANSLATE_NOOP("MakeDvd", "write an ISO image (\".iso\" is appended if missing)")},
          {"--to-drive DEVICE",
           QT_TRANSLATE_NOOP("MakeDvd", "burn to a recorder (/dev/sr0, or stdio:/path/disc.img)")}}},
        {QT_TRANSLATE_NOOP("MakeDvd", "DVD:"),
         {{"--volume-label TEXT", QT_TRANSLATE_NOOP("MakeDvd", "disc label (default \"My DVD\")")},
          {"--standard PAL|NTSC",
           QT_TRANSLATE_NOOP("MakeDvd", "TV standard (default: from the settings or the locale)")},
          {"--quality Q",
           QT_TRANSLATE_NOOP("MakeDvd", "high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: "
                                        "the most the video may take; stills take less")},
          {"--audio-bitrate KBPS", QT_TRANSLATE_NOOP("MakeDvd", "AC-3 bit rate, 128..448 (default 192)")},
          {"--channels 1|2|6", QT_TRANSLATE_NOOP("MakeDvd", "audio channels (default 2)")},
          {"--at-end repeat|stop",
           QT_TRANSLATE_NOOP("MakeDvd", "when the show ends, play it again (default) or stop")},
          {"--aspect 16:9|4:3",
           QT_TRANSLATE_NOOP("MakeDvd", "the picture's shape: widescreen (default) or 4:3; a 4:3 television "
                                        "shows 16:9 letterboxed")},
          {"--chapters photo|none",
           QT_TRANSLATE_NOOP("MakeDvd", "a chapter at every photo (default), so a remote's Next and Previous "
                                        "step through them, or none")},
          {"--menu, --no-menu",
           QT_TRANSLATE_NOOP("MakeDvd",
                             "the disc opens on a menu with Play and an index of the photos "
                             "(default; with chapters at the photos), or starts the show at once")},
          {"--menu-title TEXT",
           QT_TRANSLATE_NOOP("MakeDvd", "the words on the menu's main page, any text (default: the volume "
                                        "label)")},
          {"--menu-background FILE",
           QT_TRANSLATE_NOOP("MakeDvd", "the photo of the show behind the menu (default: the first photo)")},
          {"--menu-music, --no-menu-music",
           QT_TRANSLATE_NOOP("MakeDvd", "the first music clip plays under the menu, faded, again and again "
                                        "(default when there is music), or the menu is silent")}}},
        {QT_TRANSLATE_NOOP("MakeDvd", "Slideshow:"),
         {{"--photo-duration MS",
           QT_TRANSLATE_NOOP("MakeDvd", "time each photo is shown, 1000..999000 (default 5000)")},
          {"--transition-duration MS",
           QT_TRANSLATE_NOOP("MakeDvd",
                             "time of each transition, 500..5000 (default 1500); both durations are "
                             "snapped to whole video frames")},
          {"--no-transition", QT_TRANSLATE_NOOP("MakeDvd", "cut from photo to photo")},
          {"--dissolve-only", QT_TRANSLATE_NOOP("MakeDvd", "dissolves instead of pattern wipes")},
          {"--no-dynamic-effect", QT_TRANSLATE_NOOP("MakeDvd", "no pan-and-zoom")},
          {"--framing fit|fill|blur", kFramingHelp},
          {"--loop-audio", QT_TRANSLATE_NOOP("MakeDvd", "restart the music when it ends before the photos")},
          {"--sync-with-audio",
           QT_TRANSLATE_NOOP("MakeDvd", "fit the photo time to the length of the music")},
          {"--loudness even|keep",
           QT_TRANSLATE_NOOP("MakeDvd",
                             "bring every clip to one loudness (-16 LUFS; the default) or play the "
                             "clips at their own levels")},
          {"--fade MS",
           QT_TRANSLATE_NOOP("MakeDvd", "fade the music in at its start and out at the end of the "
                                        "show, 500..10000 ms (0: no fade, the default)")},
          {"--crossfade MS",
           QT_TRANSLATE_NOOP("MakeDvd", "overlap consecutive clips, 0..10000 ms (default 0)")},
          {"--no-auto-rotate", QT_TRANSLATE_NOOP("MakeDvd", "ignore the photos' EXIF orientation")}}},
        {QT_TRANSLATE_NOOP("MakeDvd", "Run:"),
         {{"--temp-dir DIR",
           QT_TRANSLATE_NOOP("MakeDvd", "working folder (default: the TemporaryDir setting); "
                                        "each run works in its own new subfolder of it")},
          {"--keep-temp", QT_TRANSLATE_NOOP("MakeDvd", "keep the run's working subfolder")},
          {"--copies N", QT_TRANSLATE_NOOP("MakeDvd", "discs to burn with --to-drive (default 1)")},
          {"--speed TEXT", QT_TRANSLATE_NOOP("MakeDvd", "burn speed, \"Max\" or e.g. 8X (default Max)")},
          {"--yes",
           QT_TRANSLATE_NOOP("MakeDvd", "answer Yes to questions (overwrite, clear, non-blank disc); "
                                        "without it a question ends the run with exit code 1")},
          {"--quiet", QT_TRANSLATE_NOOP("MakeDvd", "print only errors and the result")},
          {"--verbose",
           QT_TRANSLATE_NOOP("MakeDvd", "print the diagnostic messages of the program and of the "
                                        "libraries it uses (FFmpeg, Qt) too; they always go to the "
                                        "diagnostic log, make-dvd.log in the cache folder")},
          {"-h, --help", QT_TRANSLATE_NOOP("MakeDvd", "show this help")}}},
    };

    return MakeDvd::tr("Usage: sorvel make-dvd [OPTIONS] PATH...\n"
                       "       sorvel make-dvd [OPTIONS] PROJECT.sorvel\n") +
           QLatin1Char('\n') +
           usageText(
               {MakeDvd::tr("Makes a DVD-Video slideshow from photos and music without opening a window."),
                MakeDvd::tr("PATH: photo files, audio files or folders. A folder adds its photos and audio "
                            "files (one level, in name order). Photos and clips keep the order given."),
                MakeDvd::tr("PROJECT.sorvel: a saved project with its photos, clips, settings and DVD "
                            "choices; the options given here override the project's.")},
               sections,
               MakeDvd::tr(
                   "Ctrl-C aborts cleanly: child programs end and the working subfolder is removed."));
}

QString makeVideoUsage()
{
    const QVector<UsageSection> sections = {
        {QT_TRANSLATE_NOOP("MakeDvd", "Output (required):"),
         {{"--to FILE", QT_TRANSLATE_NOOP("MakeDvd", "the video file (\".mp4\" is appended if missing)")}}},
        {QT_TRANSLATE_NOOP("MakeDvd", "Video:"),
         {{"--size 720p|1080p|2160p",
           QT_TRANSLATE_NOOP("MakeDvd", "the picture's short side (default 1080p)")},
          {"--shape 16:9|4:3|9:16|1:1",
           QT_TRANSLATE_NOOP("MakeDvd",
                             "the picture's shape; 9:16 stands upright for phones (default 16:9)")},
          {"--fps 25|30|50|60", QT_TRANSLATE_NOOP("MakeDvd", "frames a second (default 30)")},
          {"--quality Q",
           QT_TRANSLATE_NOOP("MakeDvd",
                             "high (CRF 18), normal (CRF 21, default) or small (CRF 26): lower CRF "
                             "is sharper and larger")}}},
        {QT_TRANSLATE_NOOP("MakeDvd", "Slideshow:"),
         {{"--photo-duration MS",
           QT_TRANSLATE_NOOP("MakeDvd", "time each photo is shown, 1000..999000 (default 5000)")},
          {"--transition-duration MS",
           QT_TRANSLATE_NOOP("MakeDvd",
                             "time of each transition, 500..5000 (default 1500); both durations are "
                             "snapped to whole video frames")},
          {"--no-transition", QT_TRANSLATE_NOOP("MakeDvd", "cut from photo to photo")},
          {"--dissolve-only", QT_TRANSLATE_NOOP("MakeDvd", "dissolves instead of pattern wipes")},
          {"--no-dynamic-effect", QT_TRANSLATE_NOOP("MakeDvd", "no pan-and-zoom")},
          {"--framing fit|fill|blur", kFramingHelp},
          {"--loop-audio", QT_TRANSLATE_NOOP("MakeDvd", "restart the music when it ends before the photos")},
          {"--sync-with-audio",
           QT_TRANSLATE_NOOP("MakeDvd", "fit the photo time to the length of the music")},
          {"--no-auto-rotate", QT_TRANSLATE_NOOP("MakeDvd", "ignore the photos' EXIF orientation")}}},
        {QT_TRANSLATE_NOOP("MakeDvd", "Run:"),
         {{"--yes",
           QT_TRANSLATE_NOOP("MakeDvd", "overwrite an existing file; without it an existing file ends "
                                        "the run with exit code 1")},
          {"--quiet", QT_TRANSLATE_NOOP("MakeDvd", "print only errors and the result")},
          {"--verbose",
           QT_TRANSLATE_NOOP("MakeDvd", "print the diagnostic messages of the program and of the "
                                        "libraries it uses (FFmpeg, Qt) too; they always go to the "
                                        "diagnostic log, make-video.log in the cache folder")},
          {"-h, --help", QT_TRANSLATE_NOOP("MakeDvd", "show this help")}}},
    };
    return MakeDvd::tr("Usage: sorvel make-video [OPTIONS] --to FILE.mp4 PATH...\n"
                       "       sorvel make-video [OPTIONS] --to FILE.mp4 PROJECT.sorvel\n") +
           QLatin1Char('\n') +
           usageText(
               {MakeDvd::tr("Makes an MP4 video file (H.264 and AAC, a chapter at every photo) of a "
                            "slideshow from photos and music without opening a window."),
                MakeDvd::tr("PATH: photo files, audio files or folders. A folder adds its photos and audio "
                            "files (one level, in name order). Photos and clips keep the order given."),
                MakeDvd::tr("PROJECT.sorvel: a saved project with its photos, clips, settings and video "
                            "choices; the options given here override the project's.")},
               sections, MakeDvd::tr("Ctrl-C aborts cleanly: nothing of the file is left."));
}

QString makeUsage(MakeCommand command)
{
    return command == MakeCommand::Video ? makeVideoUsage() : makeDvdUsage();
}

QString makeCommandName(MakeCommand command)
{
    return command == MakeCommand::Video ? QStringLiteral("make-video") : QStringLiteral("make-dvd");
}

QString videoPathWithExtension(const QString &path)
{
    if (path.endsWith(QLatin1String(".mp4"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".mp4");
}

MakeDvdParse parseMakeArguments(MakeCommand command, const QStringList &arguments)
{
    MakeDvdParse result;
    MakeDvdOptions o;
    o.command = command;
    const bool video = command == MakeCommand::Video;
    // The options only a DVD has.
    static const char *const dvdOnly[] = {
        "--to-folder", "--to-iso",   "--to-drive",   "--volume-label",    "--standard",   "--audio-bitrate",
        "--channels",  "--at-end",   "--copies",     "--speed",           "--temp-dir",   "--keep-temp",
        "--aspect",    "--chapters", "--menu-title", "--menu-background", "--menu-music", "--no-menu-music"};
    int outputs = 0;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString arg = arguments.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            o.inputs.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = arg;
        QString value;
        bool hasInlineValue = false;
        const int eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            hasInlineValue = true;
        }
        auto takeValue = [&](QString *out) {
            if (hasInlineValue) {
                *out = value;
                return true;
            }
            if (i + 1 >= arguments.size()) {
                result.error = MakeDvd::tr("option %1 needs a value").arg(name);
                return false;
            }
            *out = arguments.at(++i);
            return true;
        };
        auto flag = [&](bool *out) {
            if (hasInlineValue) {
                result.error = MakeDvd::tr("option %1 takes no value").arg(name);
                return false;
            }
            *out = true;
            return true;
        };
        QString v;
        o.given.append(name);
        const bool forDvdOnly = std::any_of(std::begin(dvdOnly), std::end(dvdOnly),
                                            [&](const char *n) { return name == QLatin1String(n); });
        if (video && forDvdOnly) {
            result.error = MakeDvd::tr("option %1 is for make-dvd").arg(name);
            return result;
        }
        if (!video && (name == QLatin1String("--to") || name == QLatin1String("--size") ||
                       name == QLatin1String("--shape") || name == QLatin1String("--fps"))) {
            result.error = MakeDvd::tr("option %1 is for make-video").arg(name);
            return result;
        }
        if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            o.help = true;
        } else if (name == QLatin1String("--to")) {
            if (!takeValue(&v))
                return result;
            if (v.trimmed().isEmpty()) {
                result.error = MakeDvd::tr("option --to needs a non-empty value");
                return result;
            }
            ++outputs;
            o.videoFile = videoPathWithExtension(v);
        } else if (name == QLatin1String("--size")) {
            if (!takeValue(&v))
                return result;
            o.videoSize = parseVideoSize(v);
            if (!o.videoSize) {
                result.error = MakeDvd::tr("--size must be 720p, 1080p or 2160p");
                return result;
            }
        } else if (name == QLatin1String("--shape")) {
            if (!takeValue(&v))
                return result;
            o.videoShape = parseVideoShape(v);
            if (!o.videoShape) {
                result.error = MakeDvd::tr("--shape must be 16:9, 4:3, 9:16 or 1:1");
                return result;
            }
        } else if (name == QLatin1String("--fps")) {
            if (!takeValue(&v))
                return result;
            o.videoFrameRate = parseVideoFrameRate(v);
            if (!o.videoFrameRate) {
                result.error = MakeDvd::tr("--fps must be 25, 30, 50 or 60");
                return result;
            }
        } else if (video && name == QLatin1String("--quality")) {
            if (!takeValue(&v))
                return result;
            o.videoQuality = parseVideoFileQuality(v);
            if (!o.videoQuality) {
                result.error = MakeDvd::tr("--quality must be high, normal or small");
                return result;
            }
        } else if (name == QLatin1String("--to-folder") || name == QLatin1String("--to-iso") ||
                   name == QLatin1String("--to-drive")) {
            if (!takeValue(&v))
                return result;
            if (v.isEmpty()) {
                result.error = MakeDvd::tr("option %1 needs a non-empty value").arg(name);
                return result;
            }
            ++outputs;
            o.destination.type = name == QLatin1String("--to-folder") ? Destination::Folder
                                 : name == QLatin1String("--to-iso")  ? Destination::Iso
                                                                      : Destination::Burner;
            o.destination.path = v;
        } else if (name == QLatin1String("--volume-label")) {
            if (!takeValue(&v))
                return result;
            o.destination.volumeLabel =
                v.trimmed().isEmpty() ? Destination::defaultVolumeLabel() : v.trimmed();
        } else if (name == QLatin1String("--standard")) {
            if (!takeValue(&v))
                return result;
            o.standard = parseTvStandard(v);
            if (!o.standard) {
                result.error = MakeDvd::tr("--standard must be PAL or NTSC");
                return result;
            }
        } else if (name == QLatin1String("--quality")) {
            if (!takeValue(&v))
                return result;
            const std::optional<int> rate = parseVideoQuality(v);
            if (!rate) {
                result.error = MakeDvd::tr("--quality must be high, normal, low or a number from 2 to 9");
                return result;
            }
            o.videoBitRate = *rate;
        } else if (name == QLatin1String("--audio-bitrate")) {
            if (!takeValue(&v))
                return result;
            const std::optional<int> rate = parseAudioBitRate(v);
            if (!rate) {
                result.error = MakeDvd::tr("--audio-bitrate must be a number from 128 to 448");
                return result;
            }
            o.audioBitRate = *rate;
        } else if (name == QLatin1String("--channels")) {
            if (!takeValue(&v))
                return result;
            const std::optional<int> channels = parseAudioChannels(v);
            if (!channels) {
                result.error = MakeDvd::tr("--channels must be 1, 2 or 6");
                return result;
            }
            o.channels = *channels;
        } else if (name == QLatin1String("--at-end")) {
            if (!takeValue(&v))
                return result;
            const std::optional<ShowEnd> end = parseShowEnd(v);
            if (!end) {
                result.error = MakeDvd::tr("--at-end must be repeat or stop");
                return result;
            }
            o.atEnd = *end;
        } else if (name == QLatin1String("--aspect")) {
            if (!takeValue(&v))
                return result;
            const std::optional<DvdAspect> aspect = parseDvdAspect(v);
            if (!aspect) {
                result.error = MakeDvd::tr("--aspect must be 16:9 or 4:3");
                return result;
            }
            o.aspect = *aspect;
        } else if (name == QLatin1String("--chapters")) {
            if (!takeValue(&v))
                return result;
            const std::optional<ChapterMarks> chapters = parseChapterMarks(v);
            if (!chapters) {
                result.error = MakeDvd::tr("--chapters must be photo or none");
                return result;
            }
            o.chapters = *chapters;
        } else if (name == QLatin1String("--framing")) {
            if (!takeValue(&v))
                return result;
            const std::optional<PhotoFraming> framing = parsePhotoFraming(v);
            if (!framing) {
                result.error = MakeDvd::tr("--framing must be fit, fill or blur");
                return result;
            }
            o.framing = *framing;
        } else if (name == QLatin1String("--photo-duration") ||
                   name == QLatin1String("--transition-duration")) {
            if (!takeValue(&v))
                return result;
            const bool photo = name == QLatin1String("--photo-duration");
            const int low = photo ? Album::kMinPhotoDurationMs : Album::kMinTransitionDurationMs;
            const int high = photo ? Album::kMaxPhotoDurationMs : Album::kMaxTransitionDurationMs;
            if (!parseInt(v, low, high, photo ? &o.photoDurationMs : &o.transitionDurationMs)) {
                result.error = MakeDvd::tr("%1 must be a number of milliseconds from %2 to %3")
                                   .arg(name)
                                   .arg(low)
                                   .arg(high);
                return result;
            }
        } else if (name == QLatin1String("--loudness")) {
            if (!takeValue(&v))
                return result;
            if (v == QLatin1String("even") || v == QLatin1String("keep")) {
                o.evenLoudness = v == QLatin1String("even");
            } else {
                result.error = MakeDvd::tr("--loudness must be even or keep");
                return result;
            }
        } else if (name == QLatin1String("--fade")) {
            if (!takeValue(&v))
                return result;
            int ms = 0;
            if (parseInt(v, 0, 0, &ms)) {
                o.fadeAudio = false;
            } else if (parseInt(v, SlideshowSettings::kMinFadeMs, SlideshowSettings::kMaxFadeMs, &ms)) {
                o.fadeAudio = true;
                o.fadeMs = ms;
            } else {
                result.error = MakeDvd::tr("--fade must be 0 or a number of milliseconds from %1 to %2")
                                   .arg(SlideshowSettings::kMinFadeMs)
                                   .arg(SlideshowSettings::kMaxFadeMs);
                return result;
            }
        } else if (name == QLatin1String("--crossfade")) {
            if (!takeValue(&v))
                return result;
            if (!parseInt(v, 0, SlideshowSettings::kMaxCrossfadeMs, &o.crossfadeMs)) {
                result.error = MakeDvd::tr("--crossfade must be a number of milliseconds from 0 to %1")
                                   .arg(SlideshowSettings::kMaxCrossfadeMs);
                return result;
            }
        } else if (name == QLatin1String("--temp-dir")) {
            if (!takeValue(&o.tempDir))
                return result;
        } else if (name == QLatin1String("--copies")) {
            if (!takeValue(&v))
                return result;
            if (!parseInt(v, 1, 99, &o.copies)) {
                result.error = MakeDvd::tr("--copies must be a number from 1 to 99");
                return result;
            }
        } else if (name == QLatin1String("--speed")) {
            if (!takeValue(&o.speed))
                return result;
        } else if (name == QLatin1String("--no-transition")) {
            if (!flag(&o.noTransition))
                return result;
        } else if (name == QLatin1String("--dissolve-only")) {
            if (!flag(&o.dissolveOnly))
                return result;
        } else if (name == QLatin1String("--no-dynamic-effect")) {
            if (!flag(&o.noDynamicEffect))
                return result;
        } else if (name == QLatin1String("--loop-audio")) {
            if (!flag(&o.loopAudio))
                return result;
        } else if (name == QLatin1String("--sync-with-audio")) {
            if (!flag(&o.syncWithAudio))
                return result;
        } else if (name == QLatin1String("--no-auto-rotate")) {
            if (!flag(&o.noAutoRotate))
                return result;
        } else if (name == QLatin1String("--menu") || name == QLatin1String("--no-menu")) {
            bool on = false;
            if (!flag(&on))
                return result;
            o.menu = name == QLatin1String("--menu");
        } else if (name == QLatin1String("--menu-title")) {
            if (!takeValue(&v))
                return result;
            o.menuTitle = v;
        } else if (name == QLatin1String("--menu-background")) {
            if (!takeValue(&v))
                return result;
            if (v.isEmpty()) {
                result.error = MakeDvd::tr("option %1 needs a non-empty value").arg(name);
                return result;
            }
            o.menuBackground = v;
        } else if (name == QLatin1String("--menu-music") || name == QLatin1String("--no-menu-music")) {
            bool on = false;
            if (!flag(&on))
                return result;
            o.menuMusic = name == QLatin1String("--menu-music");
        } else if (name == QLatin1String("--keep-temp")) {
            if (!flag(&o.keepTemp))
                return result;
        } else if (name == QLatin1String("--yes")) {
            if (!flag(&o.yes))
                return result;
        } else if (name == QLatin1String("--quiet")) {
            if (!flag(&o.quiet))
                return result;
        } else if (name == QLatin1String("--verbose")) {
            if (!flag(&o.verbose))
                return result;
        } else {
            result.error = MakeDvd::tr("unknown option %1").arg(arg);
            return result;
        }
    }
    if (o.help) {
        result.options = o;
        return result;
    }
    if (video && outputs != 1) {
        result.error = outputs == 0 ? MakeDvd::tr("the output is required: --to FILE.mp4")
                                    : MakeDvd::tr("give --to only once");
        return result;
    }
    if (!video && outputs != 1) {
        result.error = outputs == 0
                           ? MakeDvd::tr("one output is required: --to-folder, --to-iso or --to-drive")
                           : MakeDvd::tr("give only one of --to-folder, --to-iso and --to-drive");
        return result;
    }
    if (o.inputs.isEmpty()) {
        result.error = MakeDvd::tr("no photos or folders given");
        return result;
    }
    if (!video && o.destination.type != Destination::Burner && o.copies != 1) {
        result.error = MakeDvd::tr("--copies is only for --to-drive");
        return result;
    }
    result.options = o;
    return result;
}

ExpandedInputs expandInputs(const QStringList &inputs)
{
    ExpandedInputs out;
    const QStringList &photoPatterns = AppSettings::photoNameFilters();
    const QStringList &audioPatterns = AppSettings::audioNameFilters();
    auto reject = [&out](const QString &path, const QString &reason) {
        out.rejected.append(path);
        out.reasons.append(reason);
    };
    auto classify = [&](const QFileInfo &fi, bool probeUnknown) {
        const QString path = fi.absoluteFilePath();
        const QString name = fi.fileName();
        if (QDir::match(photoPatterns, name)) {
            out.photos.append(path);
        } else if (QDir::match(audioPatterns, name)) {
            out.audios.append(path);
        } else if (probeUnknown) {
            // The content decides; the import probes the file fully later.
            AudioInfo audio;
            if (QImageReader(path).canRead())
                out.photos.append(path);
            else if (probeAudio(audio, path))
                out.audios.append(path);
            else
                reject(path, QCoreApplication::translate("MakeDvd", "neither a picture nor a sound file"));
        }
    };
    for (const QString &input : inputs) {
        const QFileInfo fi(input);
        if (fi.isDir()) {
            if (!canListFolder(fi.absoluteFilePath())) {
                reject(input, QCoreApplication::translate("MakeDvd", "the folder cannot be read"));
                continue;
            }
            const QDir dir(fi.absoluteFilePath());
            // Every file is looked at, so that what the folder holds and
            // the show will not is said (a text file, a video).
            const QFileInfoList entries = dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
            for (const QFileInfo &entry : entries) {
                if (QDir::match(photoPatterns, entry.fileName()) ||
                    QDir::match(audioPatterns, entry.fileName()))
                    classify(entry, false);
                else
                    out.notTaken.append(entry.absoluteFilePath());
            }
            // Names no QString can hold are told, not passed over.
            for (const QString &name :
                 FileCheck::undecodableNames(dir.absolutePath(), photoPatterns + audioPatterns))
                reject(name,
                       QCoreApplication::translate("MakeDvd", "the name is not valid text; rename the file"));
        } else if (const QString refusal = FileCheck::refusal(input); refusal.isEmpty()) {
            classify(fi, true);
        } else {
            reject(input, refusal);
        }
    }
    return out;
}

QString wrapText(const QString &text, int indent, int width)
{
    const QString margin(indent, QLatin1Char(' '));
    QString out;
    QString line = margin;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (line.size() > indent && line.size() + 1 + word.size() > width) {
            out += line + QLatin1Char('\n');
            line = margin;
        }
        if (line.size() > indent)
            line += QLatin1Char(' ');
        line += word;
    }
    return out + line + QLatin1Char('\n');
}
