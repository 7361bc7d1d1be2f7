#pragma once

// The albums of the benchmark programs: generated scenic photos, made once
// and kept in the benchmark's folder, added to an album as an import adds
// them.

#include "album/album.h"
#include "testmedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSize>
#include <QStringList>

#include <cstdio>

// The benchmark's own folder under the temporary folder (created), where
// its generated media are kept between runs.
inline QString benchFolder(const QString &name)
{
    const QString dir = QDir::tempPath() + QStringLiteral("/sorvel-bench-") + name;
    QDir().mkpath(dir);
    return dir;
}

// The application folder (transition patterns, silence.ac3): SORVEL_APPDIR,
// else the folder of the benchmark program (the build's bin folder).
inline QString benchAppFolder()
{
    return qEnvironmentVariableIsSet("SORVEL_APPDIR") ? qEnvironmentVariable("SORVEL_APPDIR")
                                                      : QCoreApplication::applicationDirPath();
}

// dir/photo00.jpg, photo01.jpg, ... of the given size, written unless they
// exist; empty (with the reason on stderr) when one cannot be written.
inline QStringList scenicPhotos(const QString &dir, int count, QSize size)
{
    QStringList photos;
    for (int i = 0; i < count; ++i) {
        const QString path = dir + QStringLiteral("/photo%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        if (!QFile::exists(path) &&
            !TestMedia::scenicImage(size.width(), size.height(), i + 1).save(path, "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return QStringList();
        }
        photos.append(path);
    }
    return photos;
}

// Appends the photos (all of one size) to the album with the orientation
// and motion keys an import gives them; the motion keys start afresh, so
// every run draws the same pan-and-zoom.
inline void appendPhotos(Album &album, const QStringList &paths, QSize size)
{
    resetMotionKeyCounter();
    for (const QString &path : paths) {
        ImageInfo info;
        info.path = path;
        info.width = size.width();
        info.height = size.height();
        prepareImportedPhoto(info, false);
        album.photos.append(info);
    }
}
