#pragma once

// The slideshow's time in whole frames.
//
// A person chooses durations in milliseconds; the output is made of frames
// at a rate that rarely divides them (a 1500 ms transition is 37.5 PAL
// frames, a 4800 ms photo 143.86 NTSC frames). The timeline turns the album
// into frames once, for one frame rate, and everything that shows or
// writes frames asks it: the preview, the window's lengths and time code,
// the DVD and the video export.
//
// The rule: every boundary of the album is placed at its exact time in
// milliseconds, summed over the whole show, and rounded to the nearest
// frame (halves up):
//
//     photo k starts at    frameAt(k * (photo + transition))
//     its transition at    frameAt(k * (photo + transition) + photo)
//     the show ends at     frameAt(n * photo + (n - 1) * transition)
//
// so rounding never accumulates: each cut lands within half a frame of the
// time the album states, however long the show. Photo and transition
// lengths in frames may therefore differ by one from item to item (a
// 1500 ms transition takes 37 and 38 PAL frames in turn). Durations snapped
// to whole frames by snapDurationMs (what the duration controls do) give
// every item the same length wherever the rate allows it: always for PAL
// and the video export's 25 and 50 fps; for NTSC and 30 or 60 fps a whole
// number of frames is a fraction of a millisecond off a whole millisecond,
// and the show keeps the album's milliseconds.
//
// An item may have a duration of its own (a title card): the boundaries are
// then the sums of the items' own durations, by the same rule.

#include <cstddef>
#include <cstdint>
#include <vector>

struct OutputFormat;
class Album;

class Timeline
{
public:
    // An empty timeline (no photos, no frames) at 25 fps.
    Timeline() = default;
    // photoMs and transitionMs are the album's durations; transitionMs is 0
    // without transitions. The frame rate is rateNum / rateDen frames per
    // second (25/1 PAL, 30000/1001 NTSC, 50/1 ...).
    Timeline(int photoCount, int photoMs, int transitionMs, int rateNum, int rateDen);
    // Items with durations of their own (itemMs[k] for item k), in ms.
    Timeline(const std::vector<int> &itemMs, int transitionMs, int rateNum, int rateDen);
    // The album's timeline at the format's frame rate.
    static Timeline of(const Album &album, const OutputFormat &format);

    int photoCount() const { return m_photos; }
    int rateNum() const { return int(m_num); }
    int rateDen() const { return int(m_den); }
    // The photos' common duration (the first item's, for items of their
    // own durations).
    int photoMs() const { return int(m_photoMs); }
    // How long item k is shown alone, in ms.
    int itemMs(int k) const;
    int transitionMs() const { return int(m_transitionMs); }

    // Frames of the whole show; its length in seconds (whole frames).
    int64_t totalFrames() const { return m_total; }
    double seconds() const { return frameSeconds(m_total); }

    // The first frame that shows photo k alone (the transition into it,
    // if any, lies before); k == photoCount() gives totalFrames().
    int64_t photoStart(int k) const;
    // The first frame of the transition from photo k to k + 1; for the last
    // photo, totalFrames(). Without transitions it is photoStart(k + 1).
    int64_t transitionStart(int k) const;

    // What frame f shows: photo k alone, or the transition from k to k + 1.
    struct Position {
        int photo = -1; // -1 outside the show
        bool inTransition = false;
        // Of the transition: 0 on its first frame, (N - 1) / N on its last.
        double progress = 0.0;
    };
    Position at(int64_t frame) const;
    // Where photo k stands in its appearance at frame f, 0..1: its
    // appearance runs from the start of the transition into it to the end
    // of the transition out of it (photo + 2 transitions long, measured at
    // the middle of the frame in exact time; the first photo starts a
    // transition's length into it, as if one had led in).
    double appearance(int k, int64_t frame) const;

    // The frame that starts at time ms, rounded to the nearest (halves up).
    int64_t frameAt(int64_t ms) const;
    // Time of frame f's start, in seconds.
    double frameSeconds(int64_t frame) const;

    // Duration arithmetic for the duration controls (whole frames):
    // frames of a duration in ms, the ms of a number of frames (rounded),
    // and whether ms is such a value.
    int64_t framesOf(int64_t ms) const { return frameAt(ms); }
    int msOf(int64_t frames) const;
    bool isWholeFrames(int ms) const { return msOf(framesOf(ms)) == ms; }
    // Snaps an edited duration (ms) to whole frames in the direction of the
    // change: down to the longest whole-frame duration not above the
    // request when it is below the current value, else up to the shortest
    // one above it (a spin box's step of 1 ms then moves a whole frame).
    int snapDurationMs(int requestedMs, int currentMs) const;

    bool operator==(const Timeline &o) const;
    bool operator!=(const Timeline &o) const { return !(*this == o); }

private:
    // The time item k starts alone, in ms.
    int64_t boundaryMs(int k) const
    {
        return m_startMs.empty() ? int64_t(k) * (m_photoMs + m_transitionMs) : m_startMs[size_t(k)];
    }
    void finish();

    // Items of their own durations: each one's start in ms (one more entry
    // than items: where the next would start). Empty when all share m_photoMs.
    std::vector<int64_t> m_startMs;

    int m_photos = 0;
    int64_t m_photoMs = 0;
    int64_t m_transitionMs = 0;
    int64_t m_num = 25;
    int64_t m_den = 1;
    int64_t m_total = 0;
};
