#pragma once

// A DVD menu page's streams: its still as MPEG-2 video with the title's
// encoder settings (TV standard, aspect, the DVD's rate control) and a
// silent AC-3 sound track of the same length (players expect sound in a
// menu's program stream).

#include "album/dvdchoices.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace MenuStill {
// The still's length: one second, enough for a player to show it and hold
// it (the menu's cell pauses on its last picture).
constexpr int kFrames25 = 25;

// Writes videoPath (MPEG-2 elementary stream) and audioPath (AC-3) for a
// picture of the DVD's stored size (720 x 576 or 720 x 480; another size
// is scaled). False with the reason in *error.
// A photo for a menu: decoded at about size (a JPEG at a reduced size),
// upright by its EXIF orientation; null when it cannot be decoded.
QImage photo(const QString &path, QSize size);

bool encode(const QImage &picture, TvStandard standard, DvdAspect aspect, const QString &videoPath,
            const QString &audioPath, QString *error);
} // namespace MenuStill
