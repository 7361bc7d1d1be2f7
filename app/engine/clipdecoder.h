#pragma once

// Audio clip decoding with FFmpeg 5.1 (send/receive API) and
// libswresample: any input rate, layout and sample format becomes
// interleaved signed 16-bit (or float) PCM at the wanted rate and channel
// count. Rates are converted with a long windowed-sinc filter (64 taps,
// passband to 97 % of the lower Nyquist frequency), so a 44.1 or 96 kHz
// clip keeps its treble and adds no audible aliasing.
//
// Channel conversions (no channel is lost):
//  - mono -> stereo: the mono signal at full level on left and right.
//  - mono -> 5.1: the same as mono -> stereo (front left and front right at
//    full level, a phantom centre), so a 5.1 disc played on a stereo set
//    sounds as the stereo disc would; the other four channels are silent.
//  - stereo -> 5.1: left and right go to front left and front right, the
//    other channels are silent (no invented surround).
//  - 5.1 -> stereo (and any layout with more channels -> fewer):
//    libswresample's standard downmix (centre and surrounds at -3 dB into
//    both sides) with the LFE channel mixed in at -6 dB instead of being
//    dropped (libswresample's default drops it); the matrix is normalised
//    so that nothing clips.
//  - 5.1 -> mono: every channel, LFE included, into the one channel.
//  - A layout whose channel order is unknown is taken as the standard
//    layout of its channel count. Should libswresample still refuse a
//    conversion, a plain matrix folds input channel i onto output channel
//    i mod (output channels), normalised, so every channel is still heard.

#include "album/album.h"
#include "album/avhandles.h"

#include <QString>

#include <vector>

struct AudioRing {
    uint8_t *data = nullptr;
    int32_t capacity = 0; // bytesPerFrame x 256: the fill target
    int32_t filled = 0;   // bytes written
    int32_t read = 0;     // bytes taken by the player
};

// Room that the ring keeps beyond its capacity (one decode may overshoot).
constexpr int32_t kAudioRingSlack = 192000;

class ClipDecoder
{
public:
    ClipDecoder();
    ~ClipDecoder();
    ClipDecoder(const ClipDecoder &) = delete;
    ClipDecoder &operator=(const ClipDecoder &) = delete;

    void close();
    // Opens the clip file for decoding into the wanted format (channels,
    // sampleRate; clipStart and clipEnd of the clip). False when the file
    // cannot be opened or has no decodable audio stream.
    bool open(const AudioInfo &clip, const AudioInfo &wanted);
    // Interleaved 32-bit float samples instead of signed 16-bit from the
    // next open() on (the soundtrack mixes in float).
    void setFloatOutput(bool on) { m_floatOutput = on; }
    int bytesPerSampleFrame() const { return m_info.channels * (m_floatOutput ? 4 : 2); }
    // Positions at a time (seconds) in the file.
    bool seek(double seconds);
    // Appends PCM to the ring until its filled bytes reach bytesPerFrame x
    // 256 or the clip ends (endOfClip()). Always returns true.
    bool decodeInto(AudioRing &ring, int32_t bytesPerFrame);
    // The same with any fill target: decodes until the ring's filled bytes
    // reach targetBytes or the clip ends. A small target keeps each call
    // short (the audio edit dialog decodes a little on every timer tick).
    bool decodeTo(AudioRing &ring, int32_t targetBytes);
    bool endOfClip() const { return m_endOfClip; }
    bool isOpen() const { return bool(m_container); }
    int streamIndex() const { return m_streamIndex; }
    bool usesResampler() const { return bool(m_resampler); }
    QString errorString() const { return m_error; }

private:
    bool setupResampler();
    // Converts (or flushes, frame null) into the ring; false when out of room.
    bool convertInto(AudioRing &ring, const AVFrame *frame);
    int32_t roomFor(const AudioRing &ring) const;
    // Drops what is left of the lead-in's output from the start of count
    // converted samples; returns the samples kept.
    int dropLeadIn(uint8_t *out, int count, int frameBytes);

    AudioInfo m_info;
    int m_streamIndex = -1;
    av::InputFormat m_container;
    av::CodecContext m_codec;
    av::Packet m_packet;
    av::Frame m_frame;
    av::Swr m_resampler;
    // With a change of rate: the channel and format step before it, its
    // output, and the lead-in of the rate filter (convertInto).
    av::Swr m_mixer;
    std::vector<float> m_mixed;
    static constexpr int kLeadInSamples = 512;
    int m_leadInStep = 0;    // input samples of a whole period of both rates (0: no lead-in)
    int m_leadInOutStep = 0; // the output samples of that period
    bool m_needLeadIn = true;
    int64_t m_dropOutput = 0; // output samples of the lead-in not yet dropped
    bool m_frameHeld = false; // m_frame decoded but not yet written (no room)
    bool m_decoderDrained = false;
    bool m_inputEnded = false;
    bool m_endOfClip = false;
    int64_t m_seekTargetSamples = -1; // decoded samples before this are skipped
    bool m_floatOutput = false;
    QString m_error;
};
