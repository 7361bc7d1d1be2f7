#pragma once

// Photos laid into frame-size pictures: the work done once per photo (on
// the storyboard's decode thread) so that a frame only places pictures.
//
// A picture is the whole frame in its stored shape (a DVD frame's pixels are
// not square: 720 stored pixels a row shown 768 or 1024 wide), so the photo
// is fitted or filled in displayed pixels, where a circle is round, and
// scaled once, straight from the decoded photo to its stored size with a
// Lanczos filter: nothing is resampled again, across or down.

#include "album/album.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace Framing {

// Where a photo of photoSize (as shown: turns applied) goes in a frame:
// source, the part of the photo shown (all of it, or the centre that fills
// the frame); target, where that part lands in stored pixels.
struct Placement {
    QRect source;
    QRect target;
};
Placement place(QSize photoSize, const OutputFormat &frame, PhotoFraming framing);

// The size the whole photo is drawn at in stored pixels (larger than the
// frame when it fills it): what a decoder that can decode at a reduced size
// must not go far below.
QSize drawnSize(QSize photoSize, const OutputFormat &frame, PhotoFraming framing);

// The frame-size picture (frame.width x frame.height, opaque RGB32, rows
// top-down) of a photo as shown (turns applied), in the framing: the
// photo's placed part scaled with a Lanczos filter; black bars (Fit), or a
// blurred, darkened copy of the photo behind it (Blur). A null photo gives
// a black picture.
QImage compose(const QImage &photo, const OutputFormat &frame, PhotoFraming framing);

// A decoded photo (as stored in its file) as the show presents it for an
// album orientation code: turned a quarter clockwise for codes 4..7 (as
// the storyboard turns it before composing), then mirrored as the drawing
// core mirrors its texture.
QImage oriented(const QImage &stored, int orientationCode);

// A photo as the show presents it, for pictures made beside the frames (a
// DVD menu's background and thumbnails): decoded at about size or more
// (either way round; a JPEG at a reduced size, HEIF through libheif), the
// file's own orientation left aside as the show leaves it (the album's
// code holds it since the import), then oriented(). Null when it cannot be
// decoded.
QImage shownPhoto(const QString &path, int orientationCode, QSize size);

} // namespace Framing
