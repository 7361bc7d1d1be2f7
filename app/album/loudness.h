#pragma once

// The loudness of a clip (EBU R128 / ITU-R BS.1770: integrated loudness
// with its gating, and the true peak), measured once with FFmpeg's ebur128
// filter and kept with the clip, and the gain that brings a clip to the
// show's level when the album evens out the loudness.

#include <QString>

#include <atomic>

struct ClipLoudness {
    bool measured = false;
    double integratedLufs = 0.0; // LUFS; -70 or lower for silence
    double truePeakDb = 0.0;     // dBTP (dB of full scale, oversampled)

    bool operator==(const ClipLoudness &o) const
    {
        return measured == o.measured && integratedLufs == o.integratedLufs && truePeakDb == o.truePeakDb;
    }
    bool operator!=(const ClipLoudness &o) const { return !(*this == o); }
};

namespace Loudness {

// The level the show plays at, and the highest true peak a gain may give.
constexpr double kTargetLufs = -16.0;
constexpr double kMaxTruePeakDb = -1.0;
// A clip quieter than this (silence, or nearly) gets no gain at all.
constexpr double kSilenceLufs = -60.0;

// Measures the whole file's first audio stream. A mono stream counts as
// played on both loudspeakers (as the DVD plays it). False with *error
// when the file does not decode. A set cancel flag stops the measurement
// (false, no error).
bool measure(const QString &path, ClipLoudness *out, QString *error, const std::atomic<bool> *cancel = nullptr);

// The gain in dB that brings the clip to kTargetLufs, lowered where its
// true peak would pass kMaxTruePeakDb (never clips); 0 for an unmeasured
// or silent clip.
double gainDb(const ClipLoudness &loudness);

} // namespace Loudness
