#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "album/album.h"

class QDir;

// A saved album: the ".sorvel" project file, JSON with a format version
// (docs/project-format.md). It holds the slideshow settings, every photo
// (file, edit operations, motion keys), every clip (file, in and out
// points) and the DVD choices. Paths under the project file's folder are
// stored relative to it, so a folder with its project can be moved or
// copied; other paths are stored absolute.
namespace Project {

inline constexpr int kFormatVersion = 1;
inline constexpr char kFormatName[] = "sorvel-project";
inline constexpr char kSuffix[] = "sorvel";

// A project file as read, before its photos and clips are opened.
struct Data {
    struct Photo {
        QString path; // absolute
        QVector<int32_t> transformOps;
        // A file written by hand may leave the motion keys out: the photo
        // then gets fresh ones, as an imported photo does.
        bool hasMotion = false;
        MotionKey motionStart;
        MotionKey motionEnd;
        Caption caption;
        // An item without a file: a title card.
        std::optional<TitleCard> titleCard;
    };
    struct Clip {
        QString path; // absolute
        double clipStart = 0.0;
        double clipEnd = 0.0;
        // The measured loudness, with the size and time of the file then.
        ClipLoudness loudness;
        qint64 measuredFileSize = -1;
        QDateTime measuredLastModified;
    };
    SlideshowSettings settings;
    QList<Photo> photos;
    QList<Clip> clips;
    DvdChoices dvd;
    VideoChoices video;
    // Values brought into the editor's ranges while reading, one sentence
    // each ("settings.photoDurationMs was 1; ... it is now 1000.").
    QStringList notes;
};

// The largest project file read; anything bigger is refused unread.
inline constexpr qint64 kMaxProjectSize = 64 * 1024 * 1024;

// The project document of an album saved in projectDir.
QByteArray toJson(const Album &album, const QDir &projectDir);
// Parses a project document; false with a message in *error when it is not
// JSON, not a project, damaged (the message names the member and what is
// wrong: "photos[3].clipEnd: not a number"), or of a newer format version.
// Durations outside the editor's ranges are brought into them, with a note
// in data->notes.
bool fromJson(const QByteArray &json, const QDir &projectDir, Data *data, QString *error);

// Writes the album to path at once or not at all (QSaveFile): on any
// failure the previous file stays as it was and *error says why.
bool save(const Album &album, const QString &path, QString *error);
// Reads and checks a project file: only a regular file of at most
// kMaxProjectSize bytes is read.
bool read(const QString &path, Data *data, QString *error);

// Opens the project's photos and clips into the album: settings, lists and
// DVD choices replace the album's. Files that are missing or cannot be read
// stay in the album as placeholders (ImageInfo::missing, AudioInfo::missing)
// and are listed in *missing. progress(done, total) is called
// before each file; when it returns false the load stops, the album is left
// unchanged and false is returned. Without thumbnails, photos are read from
// their headers only (for making a DVD, where nothing shows them).
bool load(const Data &data, Album *album, QStringList *missing,
          const std::function<bool(int done, int total)> &progress = {}, bool thumbnails = true);

// Looks for the album's missing photos and clips by file name in folder
// and every folder below it, and takes each one found back into the album
// with its edits, motion keys and in and out points. Returns how many were
// found. keepGoing is asked between files; false stops the search.
int relink(Album *album, const QString &folder, const std::function<bool()> &keepGoing = {});

// A path as stored in the project: relative when it lies under the folder.
QString storedPath(const QString &absolutePath, const QDir &projectDir);
// A stored path made absolute again.
QString resolvedPath(const QString &storedPath, const QDir &projectDir);
// Whether a file name names a project (by its suffix).
bool isProjectFile(const QString &path);

} // namespace Project
