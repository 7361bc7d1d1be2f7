#include "engine/audiooutput.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <algorithm>
#include <cstring>

Q_LOGGING_CATEGORY(lcAudioOut, "sorvel.audiooutput")

namespace al {

void ContextDestroyer::operator()(ALCcontext *context) const
{
    if (alcGetCurrentContext() == context)
        alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
}

std::shared_ptr<SharedDevice> SharedDevice::acquire(QString *error)
{
    static std::weak_ptr<SharedDevice> shared;
    if (auto existing = shared.lock())
        return existing;
    std::shared_ptr<SharedDevice> opened(new SharedDevice);
    opened->m_device.reset(alcOpenDevice(nullptr));
    if (!opened->m_device) {
        if (error)
            *error = QCoreApplication::translate("AudioOutput", "No sound output device could be opened.");
        qCInfo(lcAudioOut) << "no OpenAL output device";
        return nullptr;
    }
    opened->m_context.reset(alcCreateContext(opened->m_device.get(), nullptr));
    if (!opened->m_context || !alcMakeContextCurrent(opened->m_context.get())) {
        if (error)
            *error =
                QCoreApplication::translate("AudioOutput", "The sound output device could not be set up.");
        qCWarning(lcAudioOut) << "cannot create an OpenAL context";
        return nullptr;
    }
    const ALCchar *name = alcGetString(opened->m_device.get(), ALC_DEVICE_SPECIFIER);
    opened->m_name = name ? QString::fromUtf8(name) : QString();
    qCDebug(lcAudioOut) << "opened sound device" << opened->m_name;
    shared = opened;
    return opened;
}

SharedDevice::~SharedDevice() = default;

bool SharedDevice::makeCurrent() const
{
    if (!m_context)
        return false;
    return alcGetCurrentContext() == m_context.get() || alcMakeContextCurrent(m_context.get());
}

bool SharedDevice::connected() const
{
    if (!m_device)
        return false;
    if (!alcIsExtensionPresent(m_device.get(), "ALC_EXT_disconnect"))
        return true;
    const ALCenum connectedEnum = alcGetEnumValue(m_device.get(), "ALC_CONNECTED");
    ALCint value = 1;
    alcGetIntegerv(m_device.get(), connectedEnum, 1, &value);
    return value != 0;
}

} // namespace al

AudioOutput::AudioOutput() = default;

AudioOutput::~AudioOutput()
{
    close();
}

bool AudioOutput::open(int bufferCount)
{
    close();
    m_error.clear();
    m_device = al::SharedDevice::acquire(&m_error);
    if (!m_device)
        return false;
    if (!current()) {
        m_error = QCoreApplication::translate("AudioOutput", "The sound output device could not be set up.");
        m_device.reset();
        return false;
    }
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR || source == 0) {
        m_error = QCoreApplication::translate("AudioOutput", "The sound output device has no free voice.");
        m_device.reset();
        return false;
    }
    m_source = source;
    m_buffers.assign(size_t(std::max(1, bufferCount)), 0);
    alGenBuffers(ALsizei(m_buffers.size()), m_buffers.data());
    if (alGetError() != AL_NO_ERROR) {
        m_buffers.clear();
        close();
        m_error = QCoreApplication::translate("AudioOutput",
                                              "The sound output device has no room for the sound buffers.");
        return false;
    }
    m_free.assign(m_buffers.rbegin(), m_buffers.rend());
    alSource3f(m_source, AL_POSITION, 0.f, 0.f, 0.f);
    alSource3f(m_source, AL_VELOCITY, 0.f, 0.f, 0.f);
    alSource3f(m_source, AL_DIRECTION, 0.f, 0.f, 0.f);
    alSourcef(m_source, AL_ROLLOFF_FACTOR, 0.f);
    alSourcei(m_source, AL_SOURCE_RELATIVE, AL_TRUE);
    return true;
}

void AudioOutput::close()
{
    if (m_source && current()) {
        alSourceStop(m_source);
        alSourcei(m_source, AL_BUFFER, 0);
        alDeleteSources(1, &m_source);
        if (!m_buffers.empty())
            alDeleteBuffers(ALsizei(m_buffers.size()), m_buffers.data());
    }
    m_source = 0;
    m_buffers.clear();
    m_free.clear();
    m_queuedSizes.clear();
    m_device.reset();
}

QString AudioOutput::deviceName() const
{
    return m_device ? m_device->name() : QString();
}

bool AudioOutput::deviceConnected() const
{
    return m_device && m_device->connected();
}

bool AudioOutput::setFormat(int channels, int sampleRate)
{
    ALenum format = AL_NONE;
    if (channels == 1) {
        format = AL_FORMAT_MONO16;
    } else if (channels == 2) {
        format = AL_FORMAT_STEREO16;
    } else if (channels == 6 && current() && alIsExtensionPresent("AL_EXT_MCFORMATS")) {
        format = alGetEnumValue("AL_FORMAT_51CHN16");
    }
    if (format == AL_NONE || format == 0 || sampleRate <= 0)
        return false;
    m_alFormat = format;
    m_channels = channels;
    m_sampleRate = sampleRate;
    return true;
}

void AudioOutput::setGain(double gain)
{
    if (m_source && current())
        alSourcef(m_source, AL_GAIN, float(std::clamp(gain, 0.0, 1.0)));
}

bool AudioOutput::enqueue(const void *pcm, int bytes)
{
    if (!m_source || m_free.empty() || bytes <= 0 || !current())
        return false;
    const ALuint buffer = m_free.back();
    alGetError();
    alBufferData(buffer, m_alFormat, pcm, bytes, m_sampleRate);
    if (alGetError() != AL_NO_ERROR)
        return false;
    alSourceQueueBuffers(m_source, 1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        return false;
    m_free.pop_back();
    m_queuedSizes.push_back(bytes);
    return true;
}

int AudioOutput::reclaimProcessed(int64_t *bytes)
{
    if (!m_source || m_queuedSizes.empty() || !current())
        return 0;
    ALint processed = 0;
    alGetSourcei(m_source, AL_BUFFERS_PROCESSED, &processed);
    processed = std::min<ALint>(processed, ALint(m_queuedSizes.size()));
    if (processed <= 0)
        return 0;
    // The names go straight onto the free list, which has room for every
    // buffer: nothing is allocated per refill. Names OpenAL did not hand
    // back are not put there.
    const size_t at = m_free.size();
    m_free.resize(at + size_t(processed), 0);
    alGetError();
    alSourceUnqueueBuffers(m_source, processed, m_free.data() + at);
    if (alGetError() != AL_NO_ERROR) {
        m_free.resize(at);
        return 0;
    }
    for (int i = 0; i < processed; ++i) {
        if (bytes)
            *bytes += m_queuedSizes.front();
        m_queuedSizes.pop_front();
    }
    if (m_queuedSizes.empty())
        rewind();
    return processed;
}

void AudioOutput::play()
{
    if (!m_source || m_queuedSizes.empty() || !current())
        return;
    ALint state = AL_INITIAL;
    alGetSourcei(m_source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING)
        return;
    if (state == AL_STOPPED) {
        // A source that ran dry would replay its finished buffers: they
        // must have been taken back first.
        ALint processed = 0;
        alGetSourcei(m_source, AL_BUFFERS_PROCESSED, &processed);
        if (processed > 0)
            return;
    }
    alSourcePlay(m_source);
}

void AudioOutput::rewind()
{
    // A stopped source counts every buffer queued on it as processed, even
    // one queued after it stopped; back in its initial state the next
    // buffers wait to be played.
    ALint state = AL_INITIAL;
    alGetSourcei(m_source, AL_SOURCE_STATE, &state);
    if (state == AL_STOPPED)
        alSourceRewind(m_source);
}

void AudioOutput::pause()
{
    if (m_source && current() && isPlaying())
        alSourcePause(m_source);
}

void AudioOutput::stop()
{
    if (!m_source || !current())
        return;
    alSourceStop(m_source);
    alSourceRewind(m_source);
    alSourcei(m_source, AL_BUFFER, 0);
    m_free.assign(m_buffers.rbegin(), m_buffers.rend());
    m_queuedSizes.clear();
}

bool AudioOutput::isPlaying() const
{
    if (!m_source || !current())
        return false;
    ALint state = AL_INITIAL;
    alGetSourcei(m_source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

int AudioOutput::playedBytesOfFront() const
{
    if (!m_source || m_queuedSizes.empty() || !current())
        return 0;
    ALint offset = 0;
    alGetSourcei(m_source, AL_BYTE_OFFSET, &offset);
    return std::clamp(int(offset), 0, m_queuedSizes.front());
}

// ---------------------------------------------------------------------------

void PcmSlicer::reset(int chunkBytes, int channels)
{
    m_chunk = std::max(0, chunkBytes);
    // Whole sample frames, and at least whole 4-byte units.
    m_align = std::max(4, std::max(1, channels) * 2);
    m_carry = 0;
}

int PcmSlicer::nextSize() const
{
    const int d = m_chunk + m_carry;
    return d - d % m_align;
}

int PcmSlicer::take(AudioRing &ring, const uint8_t **data, bool endOfStream, int64_t limitBytes)
{
    if (!ring.data || m_chunk <= 0)
        return 0;
    int size = nextSize();
    bool whole = true;
    if (limitBytes >= 0 && limitBytes < size) {
        size = int(limitBytes - limitBytes % m_align);
        whole = false;
    }
    if (size <= 0)
        return 0;
    int available = ring.filled - ring.read;
    if (available < size && ring.read > 0) {
        // Move the unread rest to the front: the producer appends behind it.
        if (available > 0)
            std::memmove(ring.data, ring.data + ring.read, size_t(available));
        ring.filled = std::max(0, available);
        ring.read = 0;
        available = ring.filled;
    }
    if (available < size) {
        if (!endOfStream)
            return 0;
        size = available - available % m_align;
        whole = false;
        if (size <= 0)
            return 0;
    }
    *data = ring.data + ring.read;
    ring.read += size;
    if (whole)
        m_carry = m_chunk + m_carry - size;
    if (ring.read >= ring.filled)
        ring.filled = ring.read = 0;
    return size;
}
