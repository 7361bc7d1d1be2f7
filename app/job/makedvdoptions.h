#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

#include "album/album.h"
#include "album/dvdchoices.h"
#include "album/videochoices.h"
#include "burning/destination.h"

// The context of the command's texts in the catalogues (MakeDvd::tr).
class MakeDvd
{
    Q_DECLARE_TR_FUNCTIONS(MakeDvd)
};

// The two commands that make something from an album: a DVD, or a video
// file. They share the inputs and the slideshow and run options.
enum class MakeCommand { Dvd, Video };

// The options of `sorvel make-dvd` and `sorvel make-video`, parsed from
// their arguments.
struct MakeDvdOptions {
    MakeCommand command = MakeCommand::Dvd;
    // make-video: the MP4 file (".mp4" appended if missing) and its choices;
    // those not given come from the project or the defaults.
    QString videoFile;
    std::optional<VideoSize> videoSize;
    std::optional<VideoShape> videoShape;
    std::optional<int> videoFrameRate;
    std::optional<VideoQuality> videoQuality;
    QStringList inputs;                      // photo and audio files or folders, in order
    Destination destination;                 // folder, ISO file or device as given, and the volume label
    std::optional<TvStandard> standard;      // none: the current standard
    int videoBitRate = kHighVideoBitRate;    // bit/s
    int audioBitRate = kDefaultAudioBitRate; // bit/s
    int channels = kDefaultAudioChannels;
    ShowEnd atEnd = ShowEnd::Repeat; // what the disc does after the show
    DvdAspect aspect = DvdAspect::Wide;
    bool menu = true;       // --menu / --no-menu
    QString menuTitle;      // --menu-title TEXT; empty: the volume label
    QString menuBackground; // --menu-background FILE: a photo of the show
    bool menuMusic = true;  // --menu-music / --no-menu-music
    ChapterMarks chapters = ChapterMarks::PerPhoto;
    PhotoFraming framing = PhotoFraming::Fit;
    int photoDurationMs = 5000;
    int transitionDurationMs = 1500;
    bool noTransition = false;
    bool dissolveOnly = false;
    bool noDynamicEffect = false;
    bool loopAudio = false;
    bool evenLoudness = true; // --loudness even|keep
    bool fadeAudio = false;   // --fade MS
    int fadeMs = 3000;
    int crossfadeMs = 0; // --crossfade MS
    bool syncWithAudio = false;
    bool noAutoRotate = false;
    QString tempDir; // empty: the "TemporaryDir" setting
    bool keepTemp = false;
    int copies = 1;
    QString speed = QStringLiteral("Max");
    bool yes = false;
    bool quiet = false;
    bool verbose = false; // the diagnostic messages on the terminal too
    bool help = false;
    QStringList given; // the options named on the command line ("--quality"), in order
};

struct MakeDvdParse {
    std::optional<MakeDvdOptions> options; // empty on a usage error
    QString error;                         // what was wrong
};

// Parses the arguments that follow "make-dvd" or "make-video".
MakeDvdParse parseMakeArguments(MakeCommand command, const QStringList &arguments);
inline MakeDvdParse parseMakeDvdArguments(const QStringList &arguments)
{
    return parseMakeArguments(MakeCommand::Dvd, arguments);
}
// The usage texts of the commands, in the language the program speaks.
QString makeDvdUsage();
QString makeVideoUsage();
QString makeUsage(MakeCommand command);
// The name of the command ("make-dvd", "make-video").
QString makeCommandName(MakeCommand command);
// A video file name with ".mp4" at its end (appended when it has another
// ending or none).
QString videoPathWithExtension(const QString &path);
// text broken into lines of at most width characters (a longer word
// stands alone), each line after indent spaces and ending in a newline.
QString wrapText(const QString &text, int indent, int width);

// The files that the inputs name: a folder gives its entries matching the
// photo and audio name patterns (one level, name order); a file goes by
// its name pattern, or is probed as a photo and then as audio when it
// matches neither.
struct ExpandedInputs {
    QStringList photos;
    QStringList audios;
    QStringList rejected; // missing paths, unreadable folders and files that are neither
    QStringList reasons;  // why, one for each rejected path
    QStringList notTaken; // files in a given folder whose names are neither photos nor audio
};
ExpandedInputs expandInputs(const QStringList &inputs);
