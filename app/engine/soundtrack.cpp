#include "engine/soundtrack.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <cstring>

Q_LOGGING_CATEGORY(lcSoundtrack, "sorvel.soundtrack")

namespace {
constexpr double kPi = 3.14159265358979323846;
// Half a cosine from 0 to 1: a fade that starts and ends without a corner.
double smoothRamp(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(kPi * x);
}
} // namespace

// One clip instance being decoded: its decoder and the float samples it
// gave that are not mixed yet.
struct Soundtrack::Stream {
    int64_t round = 0;
    int entry = 0;
    int64_t offset = 0; // sample frames of the entry handed out so far
    ClipDecoder decoder;
    AudioRing ring;
    std::vector<uint8_t> memory;
    bool opened = false;

    // Hands out count frames (floats, interleaved) into dst, silence once
    // the decoder has ended. Any count: the buffer is refilled as often as
    // it takes.
    void take(float *dst, int count, int channels)
    {
        const int frameBytes = channels * 4;
        auto *out = reinterpret_cast<uint8_t *>(dst);
        int64_t want = int64_t(count) * frameBytes;
        while (want > 0) {
            if (ring.filled < frameBytes) {
                if (!opened || decoder.endOfClip())
                    break;
                const int32_t before = ring.filled;
                decoder.decodeTo(ring, int32_t(std::min<int64_t>(ring.capacity, want + 16 * 1024)));
                // A decoder that neither gives samples nor ends is stuck:
                // the rest of the clip is silence.
                if (ring.filled == before && !decoder.endOfClip())
                    break;
                continue;
            }
            const int32_t usable = ring.filled - ring.filled % frameBytes;
            const int32_t have = int32_t(std::min<int64_t>(usable, want));
            std::memcpy(out, ring.data, size_t(have));
            std::memmove(ring.data, ring.data + have, size_t(ring.filled - have));
            ring.filled -= have;
            out += have;
            want -= have;
        }
        if (want > 0)
            std::memset(out, 0, size_t(want));
        offset += count;
    }
};

Soundtrack::Soundtrack() = default;
Soundtrack::~Soundtrack() = default;

void Soundtrack::setup(const Album *album, const OutputFormat &format, int64_t showSamples)
{
    m_album = album;
    m_format = format;
    m_streams.clear();
    m_entries.clear();
    m_position = 0;
    m_show = std::max<int64_t>(0, showSamples);
    m_round = 0;
    m_loop = false;
    m_fade = 0;
    m_musicEnd = 0;
    if (!album || format.audioSampleRate <= 0)
        return;
    const double rate = format.audioSampleRate;
    const SlideshowSettings &show = album->settings;
    const int64_t crossfade = int64_t(double(show.crossfadeMs) * rate / 1000.0 + 0.5);
    for (int k = 0; k < album->audios.size(); ++k) {
        const AudioInfo &clip = album->audios[k];
        Entry e;
        e.clip = k;
        e.length = std::max<int64_t>(0, int64_t(std::llround(clip.clipLength() * rate)));
        if (e.length == 0)
            continue;
        e.gain = show.evenLoudness ? float(std::pow(10.0, Loudness::gainDb(clip.loudness) / 20.0)) : 1.f;
        m_entries.push_back(e);
    }
    if (m_entries.empty())
        return;
    m_loop = show.loopAudio;
    // Each join overlaps by the crossfade, at most half of either clip.
    const size_t n = m_entries.size();
    auto overlap = [&](const Entry &a, const Entry &b) {
        return std::min({crossfade, a.length / 2, b.length / 2});
    };
    int64_t at = 0;
    for (size_t k = 0; k < n; ++k) {
        Entry &e = m_entries[k];
        e.start = at;
        const bool hasNext = k + 1 < n || m_loop;
        if (hasNext) {
            const Entry &next = m_entries[(k + 1) % n];
            e.fadeOut = overlap(e, next);
            if (k + 1 < n)
                m_entries[k + 1].fadeIn = e.fadeOut;
        }
        at = e.start + e.length - e.fadeOut;
    }
    if (m_loop) {
        // The first clip of a later round fades in over the last one; in
        // the first round nothing comes before it.
        m_entries.front().fadeIn = m_entries.back().fadeOut;
        m_round = at;
    } else {
        m_round = m_entries.back().start + m_entries.back().length;
    }
    m_musicEnd = m_loop ? m_show : std::min(m_show, m_round);
    if (show.fadeAudio && m_musicEnd > 0) {
        // A fade never takes more than a third of the music, so a short
        // show still has its full level in the middle.
        m_fade = std::min(int64_t(double(show.fadeMs) * rate / 1000.0 + 0.5), m_musicEnd / 3);
    }
}

double Soundtrack::fadeGainAt(int64_t p) const
{
    if (m_fade <= 0)
        return 1.0;
    double g = 1.0;
    if (p < m_fade)
        g *= smoothRamp((double(p) + 0.5) / double(m_fade));
    if (p >= m_musicEnd - m_fade)
        g *= smoothRamp((double(m_musicEnd - p) - 0.5) / double(m_fade));
    return p >= m_musicEnd ? 0.0 : g;
}

void Soundtrack::seek(int64_t position)
{
    m_position = std::max<int64_t>(0, position);
    // Streams that cannot continue from here are dropped by the next read.
}

Soundtrack::Stream *Soundtrack::streamFor(int64_t round, int entry, int64_t offset)
{
    for (auto &s : m_streams) {
        if (s->round == round && s->entry == entry) {
            if (s->offset == offset)
                return s.get();
            s.reset(); // not where it is needed: opened again below
        }
    }
    m_streams.erase(std::remove(m_streams.begin(), m_streams.end(), nullptr), m_streams.end());
    auto stream = std::make_unique<Stream>();
    stream->round = round;
    stream->entry = entry;
    stream->offset = offset;
    const int channels = m_format.audioChannels;
    stream->memory.assign(size_t(channels) * 4 * 16384 + kAudioRingSlack, 0);
    stream->ring.data = stream->memory.data();
    stream->ring.capacity = channels * 4 * 16384;
    const Entry &e = m_entries[size_t(entry)];
    const AudioInfo &clip = m_album->audios[e.clip];
    AudioInfo wanted;
    wanted.channels = channels;
    wanted.sampleRate = m_format.audioSampleRate;
    wanted.clipStart = clip.clipStart;
    wanted.clipEnd = clip.clipEnd;
    stream->decoder.setFloatOutput(true);
    if (stream->decoder.open(clip, wanted)) {
        stream->decoder.seek(clip.clipStart + double(offset) / m_format.audioSampleRate);
        stream->opened = true;
    } else {
        qCWarning(lcSoundtrack).noquote() << stream->decoder.errorString();
    }
    m_streams.push_back(std::move(stream));
    return m_streams.back().get();
}

void Soundtrack::mixInto(float *mix, int64_t from, int count)
{
    const int channels = m_format.audioChannels;
    std::memset(mix, 0, size_t(count) * channels * sizeof(float));
    if (m_entries.empty() || m_round <= 0)
        return;
    const int64_t to = from + count;
    const int64_t end = m_loop ? m_show : m_round;
    std::vector<float> clipBuffer;
    std::vector<std::pair<int64_t, int>> used;
    // A round's last clip may reach into the next round (its crossfade).
    const int64_t firstRound = m_loop ? std::max<int64_t>(0, from / m_round - 1) : 0;
    const int64_t lastRound = m_loop ? to / m_round : 0;
    for (int64_t r = firstRound; r <= lastRound; ++r) {
        for (int k = 0; k < int(m_entries.size()); ++k) {
            const Entry &e = m_entries[size_t(k)];
            const int64_t start = r * m_round + e.start;
            const int64_t stop = std::min(start + e.length, end);
            const int64_t a = std::max(start, from);
            const int64_t b = std::min(stop, to);
            if (a >= b)
                continue;
            Stream *s = streamFor(r, k, a - start);
            used.emplace_back(r, k);
            const int n = int(b - a);
            clipBuffer.resize(size_t(n) * channels);
            s->take(clipBuffer.data(), n, channels);
            const int64_t fadeIn = (r > 0 || k > 0) ? e.fadeIn : 0;
            for (int i = 0; i < n; ++i) {
                const int64_t p = a - start + i; // position in the clip
                float g = e.gain;
                if (p < fadeIn)
                    g *= float((double(p) + 0.5) / double(fadeIn));
                if (e.fadeOut > 0 && p >= e.length - e.fadeOut)
                    g *= float((double(e.length - p) - 0.5) / double(e.fadeOut));
                float *dst = mix + size_t(a - from + i) * channels;
                const float *src = clipBuffer.data() + size_t(i) * channels;
                for (int c = 0; c < channels; ++c)
                    dst[c] += g * src[c];
            }
        }
    }
    // Streams no longer playing are closed.
    m_streams.erase(std::remove_if(m_streams.begin(), m_streams.end(),
                                   [&](const std::unique_ptr<Stream> &s) {
                                       return std::find(used.begin(), used.end(),
                                                        std::make_pair(s->round, s->entry)) == used.end();
                                   }),
                    m_streams.end());
}

void Soundtrack::read(int16_t *out, int count)
{
    const int channels = m_format.audioChannels;
    if (count <= 0 || channels <= 0)
        return;
    m_mix.resize(size_t(count) * channels);
    mixInto(m_mix.data(), m_position, count);
    for (int i = 0; i < count; ++i) {
        const float fade = float(fadeGainAt(m_position + i));
        for (int c = 0; c < channels; ++c) {
            const float v = m_mix[size_t(i) * channels + c] * fade * 32767.f;
            out[size_t(i) * channels + c] = int16_t(std::lrint(std::clamp(v, -32768.f, 32767.f)));
        }
    }
    m_position += count;
}
