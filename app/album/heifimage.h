#pragma once

// HEIF photos (HEIC from phones, AVIF) through libheif.
//
// The album treats a HEIF photo as it treats a JPEG: the picture as
// stored, with its orientation as an EXIF orientation (1..8) that the
// auto-rotate rules apply. A HEIF file carries its orientation as
// transform properties of the image (irot: a turn, imir: a mirror); they
// are read from the file's boxes and expressed as that EXIF value. (The
// orientation tag inside a HEIF file's own EXIF block is not used: the
// transform properties are what every reader applies.) The crop (clap)
// stays applied, as it is part of what the picture is.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace Heif {

// Whether the file starts like a HEIF or AVIF file (its 'ftyp' brands).
bool isHeifFile(const QString &path);

struct Header {
    QSize size;          // as stored (before the orientation), after the crop
    int depth = 0;       // bits per pixel of the picture handed out: 24, or 32 with alpha
    int bitsPerChannel = 8;
    int orientation = 1; // EXIF orientation of the transform properties
    QByteArray exif;     // the TIFF-structured EXIF block, empty when none
};

// Reads the header of the primary image. False with *error when the file
// is no HEIF image libheif reads, is larger than maxPixels, or is cut
// short in its header.
bool readHeader(const QString &path, Header *header, QString *error, qint64 maxPixels);

// Decodes the primary image as stored (the orientation not applied), 8 bits
// a channel (ARGB32 with alpha, RGB32 without); when box is valid, scaled
// smoothly to fit in box (taken in stored orientation). A null image with
// *error when it cannot be decoded (a file cut short is one).
QImage decode(const QString &path, QString *error, qint64 maxPixels, const QSize &box = QSize());

// The EXIF orientation (1..8) that the transform properties irot and imir
// of the primary item give, applied in the order the file lists them; 1
// when there are none or the boxes cannot be read. bytes holds the file's
// top-level boxes (at least its 'meta' box).
int orientationFromBoxes(const QByteArray &bytes);

} // namespace Heif
