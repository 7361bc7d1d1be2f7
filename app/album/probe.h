#pragma once

#include "album/album.h"

class QString;

// The largest image probeImage accepts, in megabytes of decoded pixels.
// A bigger (or hostile) image is rejected like an undecodable one.
constexpr int kImageAllocationLimitMb = 512;

// Fills a photo record from a file: size, depth, EXIF orientation and
// texts, file information and both 80 x 60 thumbnails. False when the file
// cannot be decoded (or exceeds the allocation limit). A JPEG is decoded at a
// reduced size (its dimensions and depth come from the header), never at
// full size just for the thumbnails.
bool probeImage(ImageInfo &info, const QString &path);
// The record without the thumbnails (a DVD made straight from files shows
// none): the size, depth, EXIF and file information come from the file's
// header, its pixels are not decoded when the header tells the size. False
// when the file is no image the program reads (or exceeds the limit).
bool probeImageHeader(ImageInfo &info, const QString &path);
// Fills a clip record from the first decodable audio stream of a file.
// False when the file has none.
bool probeAudio(AudioInfo &info, const QString &path);
// Why a file failed probeImage or probeAudio, in a few words for a report:
// "missing", "a named pipe (FIFO)", "cannot be read: Permission denied",
// "not a picture", "cut short", "not a sound file"...
QString probeFailureReason(const QString &path, bool isImage);
// An 80 x 60 thumbnail: the image scaled to fit with its aspect kept, centred
// on an opaque grey canvas.
QImage makeThumbnail(const QImage &image);
