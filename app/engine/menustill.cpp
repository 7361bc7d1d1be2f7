#include "engine/menustill.h"

#include "engine/soundtrack.h"
#include "engine/streamwriter.h"

#include <QByteArray>
#include <QFile>
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
// The encoder's group of pictures: I P P ... P, every group closed.
constexpr int kGroup = 12;

// count pictures of frame encoded into path.
bool encodePictures(const QImage &frame, const VideoStreamParams &params, int count, const QString &path,
                    QString *error)
{
    StreamWriter video;
    if (!video.open(path, params, AudioStreamParams())) {
        *error = video.errorString();
        return false;
    }
    for (int i = 0; i < count; ++i) {
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
    return true;
}

// An encoded still's bytes without the sequence end code, when it is what
// writeStill() repeats: a sequence header first and a single group of
// pictures (whose header offset is *group). Empty otherwise.
QByteArray groupOf(const QString &path, int *group)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray bytes = file.readAll();
    file.close();
    QFile::remove(path);
    static const QByteArray sequenceHeader("\x00\x00\x01\xB3", 4);
    static const QByteArray groupHeader("\x00\x00\x01\xB8", 4);
    static const QByteArray sequenceEnd("\x00\x00\x01\xB7", 4);
    if (bytes.endsWith(sequenceEnd))
        bytes.chop(sequenceEnd.size());
    *group = int(bytes.indexOf(groupHeader));
    if (!bytes.startsWith(sequenceHeader) || *group < 0 || bytes.indexOf(groupHeader, *group + 4) >= 0 ||
        bytes.size() < *group + 8)
        return QByteArray();
    return bytes;
}

// Sets a group header's time code (hours, minutes, seconds, pictures at the
// nominal rate) to the group's first picture; the drop-frame flag, the
// closed and broken-link flags stay.
void setTimeCode(QByteArray &bytes, int group, int64_t picture, int rate)
{
    auto *at = reinterpret_cast<uint8_t *>(bytes.data()) + group + 4;
    uint32_t word = uint32_t(at[0]) << 24 | uint32_t(at[1]) << 16 | uint32_t(at[2]) << 8 | at[3];
    const int64_t second = picture / rate;
    const uint32_t keep = (1u << 31) | (1u << 6) | (1u << 5) | 0x1Fu;
    word = (word & keep) | uint32_t(second / 3600 % 24) << 26 | uint32_t(second / 60 % 60) << 20 | 1u << 19 |
           uint32_t(second % 60) << 13 | uint32_t(picture % rate) << 7;
    for (int i = 0; i < 4; ++i)
        at[i] = uint8_t(word >> (24 - 8 * i));
}

// Writes a still of frames pictures into path. A still's groups of
// pictures are alike to the bit (the same picture, coded the same way in
// closed groups), so a long still is one group encoded and written again
// and again, each with its own time code, and a shorter group for the
// rest: a 30-second page costs the encoding of 24 pictures instead of 750.
// Anything unexpected in the encoder's output: every picture encoded.
bool writeStill(const QImage &frame, const VideoStreamParams &params, int frames, int rate,
                const QString &path, QString *error)
{
    if (frames <= 2 * kGroup)
        return encodePictures(frame, params, frames, path, error);
    const int rest = frames % kGroup;
    const QString groupPath = path + QStringLiteral(".group.m2v");
    const QString restPath = path + QStringLiteral(".rest.m2v");
    if (!encodePictures(frame, params, kGroup, groupPath, error) ||
        (rest > 0 && !encodePictures(frame, params, rest, restPath, error)))
        return false;
    int groupAt = 0;
    int restAt = 0;
    QByteArray group = groupOf(groupPath, &groupAt);
    QByteArray tail = rest > 0 ? groupOf(restPath, &restAt) : QByteArray();
    if (group.isEmpty() || (rest > 0 && tail.isEmpty()))
        return encodePictures(frame, params, frames, path, error);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = out.errorString();
        return false;
    }
    const int groups = frames / kGroup;
    for (int g = 0; g < groups; ++g) {
        setTimeCode(group, groupAt, int64_t(g) * kGroup, rate);
        if (out.write(group) != group.size()) {
            *error = out.errorString();
            return false;
        }
    }
    if (rest > 0) {
        setTimeCode(tail, restAt, int64_t(groups) * kGroup, rate);
        if (out.write(tail) != tail.size()) {
            *error = out.errorString();
            return false;
        }
    }
    if (out.write(QByteArray("\x00\x00\x01\xB7", 4)) != 4 || !out.flush()) {
        *error = out.errorString();
        return false;
    }
    return true;
}
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
    if (!writeStill(frame, params, frames, pal ? 25 : 30, videoPath, error))
        return false;

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
