#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// Reads a DVD-Video folder or ISO image the way players do (libdvdread) and
// decodes its video with FFmpeg, for end-to-end tests.
namespace DvdCheck {

struct AudioStream {
    int format = -1;  // 0 = AC-3
    int channels = 0; // 1..8
    QString language; // two lower-case letters, empty when unset
};

// A chapter (part of title) as a player finds it: the program it plays and
// that program's first cell.
struct Chapter {
    int64_t startFrame = -1;  // frames of the cells before it in the title's program chain
    uint32_t firstSector = 0; // the first cell's first sector in the title set's VOBs
    uint32_t lastSector = 0;  // the last sector of that cell
};

struct Title {
    int titleSet = 0;
    int pal = -1;    // 1 PAL, 0 NTSC
    int height = 0;  // 576 or 480 (picture size 720 x H)
    int aspect = -1; // 0 = 4:3, 3 = 16:9
    // The display modes a 16:9 title allows on a 4:3 set: 0 pan-scan and
    // letterbox, 1 pan-scan only, 2 letterbox only.
    int permittedDisplay = -1;
    int menuAspect = -1;  // the title set's menus (VTSM)
    double seconds = 0.0; // playing time of the title's program chain
    QList<AudioStream> audio;
    int partCount = 0; // chapters in the title table (VMG)
    QList<Chapter> chapters;
};

struct Disc {
    bool ok = false;
    QString error;
    QList<Title> titles;
    // The video attributes of the video manager's menus (VIDEO_TS.IFO):
    // format 0 NTSC, 1 PAL, anything else invalid; picture size 0 is full
    // size (720 x 576 or 480).
    int menuFormat = -1;
    int menuPictureSize = -1;
    int menuAspect = -1; // 0 = 4:3, 3 = 16:9
    // What libdvdread reported while reading.
    QStringList messages;
};

// Opens a DVD folder (the folder holding VIDEO_TS), a VIDEO_TS folder or an
// ISO image.
Disc read(const QString &path);

struct DecodeResult {
    bool ok = false;
    int videoFrames = 0;
    int audioFrames = 0;
    int errors = 0;
    // Where the last decoded picture and the last decoded audio frame end,
    // in seconds on the stream's clock.
    double videoEnd = 0.0;
    double audioEnd = 0.0;
    QString error;
};
// Demuxes and decodes every video and audio packet of an MPEG program
// stream (a VOB), counting frames and decoder errors.
DecodeResult decodeAll(const QString &vobPath);
// Copies the title VOBs of a title set out of a DVD folder or ISO image
// through libdvdread (as a player reads them) into one file.
bool extractTitleVobs(const QString &dvdPath, int titleSet, const QString &outFile);
// A title set as a player reads it (extracted through libdvdread into
// scratchFile), decoded completely; not ok, with the reason, when it cannot
// be read.
DecodeResult decodeTitle(const QString &dvdPath, int titleSet, const QString &scratchFile);
// Copies the sectors [first, last] of a title set's VOBs (as libdvdread
// reads them) into outFile.
bool extractSectors(const QString &dvdPath, int titleSet, uint32_t first, uint32_t last,
                    const QString &outFile);
// Concatenated VOBs of one title set (VTS_nn_1.VOB ...) in a DVD folder.
QList<QString> titleVobs(const QString &dvdFolder, int titleSet);

} // namespace DvdCheck
