#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "album/dvdchoices.h"
#include "burning/destination.h"

// The options of `sorvel make-dvd`, parsed from its arguments.
struct MakeDvdOptions {
    QStringList inputs;                      // photo and audio files or folders, in order
    Destination destination;                 // folder, ISO file or device as given, and the volume label
    std::optional<TvStandard> standard;      // none: the current standard
    int videoBitRate = kHighVideoBitRate;    // bit/s
    int audioBitRate = kDefaultAudioBitRate; // bit/s
    int channels = kDefaultAudioChannels;
    ShowEnd atEnd = ShowEnd::Repeat; // what the disc does after the show
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

// Parses the arguments that follow "make-dvd".
MakeDvdParse parseMakeDvdArguments(const QStringList &arguments);
// The usage text of the command.
QString makeDvdUsage();

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
