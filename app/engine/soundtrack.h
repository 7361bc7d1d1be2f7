#pragma once

// The show's soundtrack as one stream of samples at the output format:
// the album's clips one after the other (or overlapping by the crossfade),
// each converted to the output rate and channels by its own decoder, each
// at its loudness gain when the album evens out the loudness, looped when
// the album loops its audio, faded in at the start and out so that the
// fade ends with the show. The preview and the DVD read the same stream.
//
// Positions are in sample frames of the output rate. Clip k starts where
// clip k - 1 ends less the crossfade; its length is its in-to-out span at
// the output rate, exactly (a decoder that gives more is cut there, one
// that gives less is filled with silence), so every position of the stream
// is known without decoding what comes before.

#include "album/album.h"
#include "engine/clipdecoder.h"

#include <memory>
#include <vector>

class Soundtrack
{
public:
    Soundtrack();
    ~Soundtrack();
    Soundtrack(const Soundtrack &) = delete;
    Soundtrack &operator=(const Soundtrack &) = delete;

    // Plans the soundtrack of the album (not owned; read while reading) at
    // the format's rate and channels; showSamples is the show's length,
    // where the fade-out ends. Drops the open decoders; the position is 0.
    void setup(const Album *album, const OutputFormat &format, int64_t showSamples);
    // Moves to a position (sample frames from the start of the show).
    void seek(int64_t position);
    int64_t position() const { return m_position; }
    // Writes count sample frames of interleaved signed 16-bit PCM from the
    // position on and advances; silence where no clip plays.
    void read(int16_t *out, int count);

    // One clip in the plan.
    struct Entry {
        int clip = 0;
        int64_t start = 0;   // in the first round
        int64_t length = 0;  // sample frames
        int64_t fadeIn = 0;  // crossfade from the clip before
        int64_t fadeOut = 0; // crossfade into the clip after
        float gain = 1.f;
    };
    const std::vector<Entry> &entries() const { return m_entries; }
    // Sample frames from one round's start to the next (looping), or the
    // end of the music (0 when no clip plays).
    int64_t roundLength() const { return m_round; }
    // The fade length in sample frames (0 when the album does not fade).
    int64_t fadeLength() const { return m_fade; }
    // Where the music ends: the show's end, or the last clip's end when the
    // music is shorter and does not loop.
    int64_t musicEnd() const { return m_musicEnd; }
    // The envelope of the fades at a position (1 outside them).
    double fadeGainAt(int64_t position) const;

private:
    struct Stream;
    Stream *streamFor(int64_t round, int entry, int64_t offset);
    void mixInto(float *mix, int64_t from, int count);

    const Album *m_album = nullptr;
    OutputFormat m_format;
    std::vector<Entry> m_entries;
    int64_t m_round = 0;
    bool m_loop = false;
    int64_t m_show = 0;
    int64_t m_musicEnd = 0;
    int64_t m_fade = 0;
    int64_t m_position = 0;
    std::vector<std::unique_ptr<Stream>> m_streams;
    std::vector<float> m_mix;
};
