#pragma once

// Sound output through OpenAL Soft: one source fed by a queue of buffers.
//
// Every owner of an AudioOutput (the preview player, the audio edit dialog)
// gets its own source and buffers on one shared device and context, opened
// by the first owner and closed with the last. Opening fails cleanly: with
// no sound card and no sound server open() returns false with a message,
// and the owner carries on without sound.
//
// PcmSlicer cuts the PCM of an AudioRing into buffers of one chunk each
// (one video frame of PCM for the player, 1/25 s for the dialog), rounded
// to whole sample frames with the remainder carried to the next buffer.
//
// Everything here runs on the GUI thread.

#include "engine/clipdecoder.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace al {

struct DeviceCloser {
    void operator()(ALCdevice *device) const { alcCloseDevice(device); }
};
struct ContextDestroyer {
    void operator()(ALCcontext *context) const;
};
using Device = std::unique_ptr<ALCdevice, DeviceCloser>;
using Context = std::unique_ptr<ALCcontext, ContextDestroyer>;

// The default output device and its context, shared by every AudioOutput
// of the process.
class SharedDevice
{
public:
    // The open device, opening it when no one holds it; null (and *error
    // set) when no output device can be opened.
    static std::shared_ptr<SharedDevice> acquire(QString *error);
    ~SharedDevice();
    SharedDevice(const SharedDevice &) = delete;
    SharedDevice &operator=(const SharedDevice &) = delete;

    // Makes the context current (cheap when it already is).
    bool makeCurrent() const;
    ALCdevice *device() const { return m_device.get(); }
    // False once the device has gone away (a USB card pulled out, the
    // sound server ended).
    bool connected() const;
    QString name() const { return m_name; }

private:
    SharedDevice() = default;
    Device m_device;
    Context m_context;
    QString m_name;
};

} // namespace al

class AudioOutput
{
public:
    static constexpr int kBufferCount = 256;

    AudioOutput();
    ~AudioOutput();
    AudioOutput(const AudioOutput &) = delete;
    AudioOutput &operator=(const AudioOutput &) = delete;

    // Takes the shared device and creates the source (at the listener,
    // without distance attenuation) and bufferCount buffers. False, with
    // errorString(), when there is no device or the names cannot be made.
    bool open(int bufferCount = kBufferCount);
    void close();
    bool isOpen() const { return m_source != 0; }
    QString errorString() const { return m_error; }
    QString deviceName() const;
    bool deviceConnected() const;

    // Format of the PCM handed to enqueue: signed 16-bit, 1 or 2 channels
    // (6 where the device has the multichannel formats). False for any
    // other channel count.
    bool setFormat(int channels, int sampleRate);
    int channels() const { return m_channels; }
    int sampleRate() const { return m_sampleRate; }
    int bytesPerSampleFrame() const { return m_channels * 2; }

    // Source gain, 0 (silent) to 1.
    void setGain(double gain);

    int bufferCount() const { return int(m_buffers.size()); }
    int freeBuffers() const { return int(m_free.size()); }
    int queuedBuffers() const { return int(m_queuedSizes.size()); }

    // Loads bytes into a free buffer and appends it to the queue. False
    // when no buffer is free or the data is refused.
    bool enqueue(const void *pcm, int bytes);
    // Takes back every buffer the device has finished. Returns how many;
    // their byte sizes are added to *bytes.
    int reclaimProcessed(int64_t *bytes = nullptr);
    // Starts the source when buffers are queued and it is not playing:
    // the first start, and a restart after the queue ran dry.
    void play();
    // Holds the source where it is: what has been played stays counted
    // (processed buffers, the offset into the front one) while nothing more
    // is mixed, so the position taken afterwards is exactly what was heard.
    void pause();
    // Stops at once and takes every buffer back.
    void stop();
    bool isPlaying() const;
    // Bytes of the front buffer already played, and its size.
    int playedBytesOfFront() const;
    int frontBufferBytes() const { return m_queuedSizes.empty() ? 0 : m_queuedSizes.front(); }

private:
    bool current() const { return m_device && m_device->makeCurrent(); }
    void rewind();

    std::shared_ptr<al::SharedDevice> m_device;
    ALuint m_source = 0;
    std::vector<ALuint> m_buffers;
    std::vector<ALuint> m_free;
    std::deque<int> m_queuedSizes;
    ALenum m_alFormat = AL_FORMAT_STEREO16;
    int m_channels = 2;
    int m_sampleRate = 44100;
    QString m_error;
};

// Cuts PCM into buffers of one chunk each. Every buffer holds chunkBytes
// plus the carry of the previous one, rounded down to whole sample frames;
// the remainder becomes the new carry, so over time exactly chunkBytes per
// buffer are played (30000/1001 fps at 48 kHz stereo: 6404, 6408, 6404,
// 6408 ... for a chunk of 6406 bytes).
class PcmSlicer
{
public:
    PcmSlicer() = default;
    PcmSlicer(int chunkBytes, int channels) { reset(chunkBytes, channels); }

    void reset(int chunkBytes, int channels);
    void clearCarry() { m_carry = 0; }
    int chunkBytes() const { return m_chunk; }
    int carry() const { return m_carry; }
    // Size of the next buffer.
    int nextSize() const;

    // Takes the next buffer from the ring (its lock held by the caller):
    // returns its size and points *data at its bytes, valid while the lock
    // is held; 0 when the ring holds less than that. The unread rest is
    // moved to the front of the ring when it is shorter than a chunk, so
    // the producer always has room behind it. At the end of the stream
    // (endOfStream) the last, shorter buffer takes what is left; limitBytes
    // >= 0 caps the buffer (the end of a segment).
    int take(AudioRing &ring, const uint8_t **data, bool endOfStream = false, int64_t limitBytes = -1);

private:
    int m_chunk = 0;
    int m_align = 4;
    int m_carry = 0;
};
