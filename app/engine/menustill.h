#pragma once

// A DVD menu page's streams: its still as MPEG-2 video with the title's
// encoder settings (TV standard, aspect, the DVD's rate control) and an
// AC-3 sound track of the same length (players expect sound in a menu's
// program stream): silence under a short still, or the menu's music under
// a still as long as the music.

#include "album/album.h"
#include "album/dvdchoices.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace MenuStill {
// The silent still's length: one second, enough for a player to show it
// and hold it (the menu's cell pauses on its last picture).
constexpr int kFrames25 = 25;
// The menu's sound: 48 kHz stereo.
constexpr int kSampleRate = 48000;
constexpr int kChannels = 2;

// The menu's music (interleaved 16-bit stereo at 48 kHz): the album's first
// clip from its in point, at most lengthMs of it (the clip's own span when
// shorter), at the clip's loudness gain as in the show, faded in and out
// over fadeMs (at most a third of it). Empty when the album has no clip
// to play or it cannot be decoded.
std::vector<int16_t> music(const Album &album, int lengthMs = kMenuMusicMs, int fadeMs = kMenuMusicFadeMs);

// Writes videoPath (MPEG-2 elementary stream) and audioPath (AC-3) for a
// picture of the DVD's stored size (720 x 576 or 720 x 480; another size
// is scaled): a one-second still with silence, or, with music (samples as
// music() gives them), a still as long as the music with the music under
// it. False with the reason in *error.
bool encode(const QImage &picture, TvStandard standard, DvdAspect aspect, const QString &videoPath,
            const QString &audioPath, QString *error, const std::vector<int16_t> *music = nullptr);
} // namespace MenuStill
