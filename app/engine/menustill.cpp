#include "engine/menustill.h"

#include "engine/soundtrack.h"
#include "engine/streamwriter.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {
// A still needs few bits: the rate caps the first picture's size only.
constexpr int kMenuVideoBitRate = 6000000;
constexpr int kMenuAudioBitRate = 192000;
// The AC-3 encoder's frame: the sound is written in blocks of it.
constexpr int kAudioBlock = 1536;
} // namespace

namespace MenuStill {

std::vector<int16_t> music(const Album &album, int lengthMs, int fadeMs)
{
    const int clip = album.menuMusicClip();
    if (clip < 0 || lengthMs <= 0)
        return {};
    // The clip alone, as the show would play it if it were the whole
    // music: its in point, its gain, no loop, faded at both ends.
    Album alone = album;
    alone.photos.clear();
    alone.audios = {album.audios[clip]};
    alone.settings.loopAudio = false;
    alone.settings.crossfadeMs = 0;
    alone.settings.fadeAudio = fadeMs > 0;
    alone.settings.fadeMs = std::max(0, fadeMs);
    OutputFormat format;
    format.audioChannels = kChannels;
    format.audioSampleRate = kSampleRate;
    const int64_t clipSamples = int64_t(std::llround(alone.audios.first().clipLength() * kSampleRate));
    const int64_t samples = std::min<int64_t>(clipSamples, int64_t(lengthMs) * kSampleRate / 1000);
    if (samples <= 0)
        return {};
    Soundtrack soundtrack;
    soundtrack.setup(&alone, format, samples);
    std::vector<int16_t> out(size_t(samples) * kChannels);
    constexpr int kChunk = 4800;
    for (int64_t at = 0; at < samples; at += kChunk)
        soundtrack.read(out.data() + size_t(at) * kChannels, int(std::min<int64_t>(kChunk, samples - at)));
    // Nothing but silence: the clip did not decode.
    if (std::all_of(out.begin(), out.end(), [](int16_t v) { return v == 0; }))
        return {};
    return out;
}

bool encode(const QImage &picture, TvStandard standard, DvdAspect aspect, const QString &videoPath,
            const QString &audioPath, QString *error, const std::vector<int16_t> *music)
{
    const bool pal = standard == TvStandard::Pal;
    const VideoStreamParams params = VideoStreamParams::dvd(standard, kMenuVideoBitRate, aspect);
    QImage frame = picture.convertToFormat(QImage::Format_ARGB32);
    if (frame.width() != params.srcWidth || frame.height() != params.srcHeight)
        frame =
            frame.scaled(params.srcWidth, params.srcHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const bool withMusic = music && !music->empty();
    const int64_t musicSamples = withMusic ? int64_t(music->size() / kChannels) : 0;
    // NTSC's second holds 30000/1001 frames; with music the still lasts
    // as long as the music (its last frame ends with it).
    int frames = pal ? kFrames25 : 30;
    if (withMusic)
        frames = pal ? int((musicSamples * 25 + kSampleRate - 1) / kSampleRate)
                     : int((musicSamples * 30000 + int64_t(kSampleRate) * 1001 - 1) /
                           (int64_t(kSampleRate) * 1001));
    StreamWriter video;
    if (!video.open(videoPath, params, AudioStreamParams())) {
        *error = video.errorString();
        return false;
    }
    for (int i = 0; i < frames; ++i) {
        // Format_ARGB32 is B, G, R, A in memory on the little-endian
        // machines this runs on: the writer's BGRA.
        if (!video.writeVideo(frame.constBits(), int(frame.bytesPerLine()))) {
            *error = video.errorString();
            return false;
        }
    }
    if (!video.finish()) {
        *error = video.errorString();
        return false;
    }

    StreamWriter audio;
    if (!audio.open(audioPath, VideoStreamParams(), AudioStreamParams::ac3(kChannels, kMenuAudioBitRate))) {
        *error = audio.errorString();
        return false;
    }
    const int64_t samples =
        pal ? int64_t(kSampleRate) * frames / 25 : int64_t(kSampleRate) * frames * 1001 / 30000;
    // The sound as long as the video: the music, then silence to the
    // video's end.
    std::vector<int16_t> block(size_t(kAudioBlock) * kChannels);
    for (int64_t at = 0; at < samples; at += kAudioBlock) {
        const int count = int(std::min<int64_t>(kAudioBlock, samples - at));
        std::fill(block.begin(), block.end(), int16_t(0));
        if (at < musicSamples) {
            const int64_t from = at * kChannels;
            const int64_t to = std::min<int64_t>(musicSamples, at + count) * kChannels;
            std::copy(music->begin() + from, music->begin() + to, block.begin());
        }
        if (!audio.writeAudio(reinterpret_cast<const uint8_t *>(block.data()),
                              count * kChannels * int(sizeof(int16_t)))) {
            *error = audio.errorString();
            return false;
        }
    }
    if (!audio.finish()) {
        *error = audio.errorString();
        return false;
    }
    return true;
}

} // namespace MenuStill
