#include "window/previewplayer.h"

#include <QGuiApplication>

#include "engine/storyboardrender.h"

#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QThread>
#include <QTimer>

Q_LOGGING_CATEGORY(lcPlayer, "sorvel.player")

namespace {
// Refill period while the sound card is the clock.
constexpr int kRefillMs = 10;
// Time the start of playback may spend queueing what the ring holds.
constexpr int kPrimeBudgetMs = 5;
// Frames of sound queued before the source starts, and starts again after
// the audio thread fell behind and the queue ran dry: a lagging decoder
// then gives one short pause rather than a stutter of one-frame bursts.
constexpr int kStartLead = 3;
} // namespace

PreviewPlayer::PreviewPlayer(QWidget *parent) : QOpenGLWidget(parent)
{
    setAccessibleName(tr("Preview"));
    m_soundAvailable = m_output.open(AudioOutput::kBufferCount);
    if (!m_soundAvailable) {
        m_soundError = m_output.errorString();
        qCInfo(lcPlayer).noquote() << "preview without sound:" << m_soundError;
    }
    m_refill = new QTimer(this);
    m_refill->setTimerType(Qt::PreciseTimer);
    connect(m_refill, &QTimer::timeout, this, &PreviewPlayer::updateVABuffer);
}

PreviewPlayer::~PreviewPlayer()
{
    stopPlayback();
    // The widget's base destroys the context after this: its
    // aboutToBeDestroyed must not reach this part of the object then.
    if (QOpenGLContext *glContext = context())
        disconnect(glContext, nullptr, this, nullptr);
    releaseContextObjects();
}

bool PreviewPlayer::platformShowsOpenGL()
{
    static const QStringList without = {QStringLiteral("offscreen"), QStringLiteral("minimal"),
                                        QStringLiteral("vnc"), QStringLiteral("linuxfb"),
                                        QStringLiteral("vkkhrdisplay")};
    return !without.contains(QGuiApplication::platformName());
}

bool PreviewPlayer::init(const OutputFormat &format)
{
    stopPlayback();
    m_format = format;
    m_formatSet = true;
    setupTextures();
    if (!m_output.isOpen())
        return true; // no sound device: the timer clock
    // A format the sound card refuses silences only that format: the device
    // stays open, so the next format (two channels again after "Create
    // DVD" with 5.1) plays with sound.
    if (m_output.setFormat(format.audioChannels, format.audioSampleRate)) {
        m_soundAvailable = true;
        m_soundError.clear();
        return true;
    }
    m_soundAvailable = false;
    m_soundError = tr("The sound card cannot play %1 channels.").arg(format.audioChannels);
    qCWarning(lcPlayer).noquote() << m_soundError << "The preview goes on without sound.";
    Q_EMIT soundUnavailable(m_soundError);
    return false;
}

void PreviewPlayer::setupTextures()
{
    if (!m_formatSet || !context())
        return;
    initTextures(m_format, StoryBoardRender::kSlotCount, false);
    setClearColor(float(m_backdrop.redF()), float(m_backdrop.greenF()), float(m_backdrop.blueF()), 1.0f);
}

void PreviewPlayer::setBackdrop(const QColor &color)
{
    m_backdrop = color;
    setClearColor(float(color.redF()), float(color.greenF()), float(color.blueF()), 1.0f);
    update();
}

void PreviewPlayer::releaseContextObjects()
{
    if (!context())
        return;
    makeCurrent();
    core().releaseGL();
    doneCurrent();
}

// ---------------------------------------------------------------------------
// The widget side of the drawer

bool PreviewPlayer::makeCurrentGL()
{
    if (!context() || !isValid())
        return false;
    makeCurrent();
    return true;
}

void PreviewPlayer::presentFrame()
{
    repaint();
}

void PreviewPlayer::resizeHost(int, int)
{
    // The window's layout gives the preview its size.
}

void PreviewPlayer::initializeGL()
{
    core().initializeGL();
    // A new top-level window brings a new context: the objects of the old
    // one go with it and are made again here.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &PreviewPlayer::releaseContextObjects,
            Qt::UniqueConnection);
    setupTextures();
    // The frame shown before the widget had a context is drawn now.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const int total = m_storyboard ? m_storyboard->totalFrames() : 0;
            if (!m_playing && m_position < total)
                draw(m_position);
        },
        Qt::QueuedConnection);
}

void PreviewPlayer::resizeGL(int, int)
{
    // The frame's viewport (the largest rectangle of its display shape)
    // is set on every paint: the widget resets the
    // viewport to its whole size before it calls paintGL.
}

void PreviewPlayer::paintGL()
{
    const qreal ratio = devicePixelRatioF();
    core().resizeGL(int(width() * ratio), int(height() * ratio));
    core().paintGL();
}

// ---------------------------------------------------------------------------
// Frames

void PreviewPlayer::draw(int frame)
{
    if (!m_storyboard)
        return;
    m_storyboard->renderFrame(frame, false, this);
    ++m_framesDrawn;
    Q_EMIT frameShown(frame);
}

void PreviewPlayer::showFrame(int frame)
{
    const int total = m_storyboard ? m_storyboard->totalFrames() : 0;
    if (!m_storyboard || frame < 0 || frame >= total) {
        // Nothing of the timeline there: an empty picture, no decoding.
        m_position = std::clamp(frame, 0, total);
        beginFrame();
        endFrame();
        return;
    }
    m_position = frame;
    // The sound is positioned only while the audio thread is stopped.
    m_storyboard->renderFrame(frame, !m_playing && !m_storyboard->isRunning(), this);
    ++m_framesDrawn;
    Q_EMIT frameShown(frame);
}

void PreviewPlayer::clearView()
{
    stopPlayback();
    m_position = 0;
    beginFrame();
    endFrame();
}

void PreviewPlayer::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 100);
    m_output.setGain(m_volume / 100.0);
}

// ---------------------------------------------------------------------------
// Playback

void PreviewPlayer::startPlayback()
{
    if (m_playing || !m_storyboard)
        return;
    // The PCM in the ring is in the storyboard's format; a player left at
    // another one (the window changed the render format and not yet the
    // player's) takes it, so the sound is never misread.
    if (!(m_storyboard->format() == m_format))
        init(m_storyboard->format());
    m_playing = true;
    if (!m_soundAvailable) {
        m_clock.start();
        m_clockStart = m_position;
        m_refill->start(framePeriodMs(m_format));
        return;
    }
    m_output.stop();
    m_output.setGain(m_volume / 100.0);
    m_slicer.reset(m_storyboard->bytesPerFrame(), m_format.audioChannels);
    // What the audio thread has ready goes in at once; the ticks queue the
    // rest, so a slow decoder never holds the window.
    QElapsedTimer budget;
    budget.start();
    for (;;) {
        refill();
        if (m_output.freeBuffers() == 0 || budget.elapsed() >= kPrimeBudgetMs)
            break;
        QThread::usleep(500);
    }
    startSound();
    m_refill->start(kRefillMs);
}

void PreviewPlayer::startSound()
{
    if (m_output.queuedBuffers() >= kStartLead && !m_output.isPlaying())
        m_output.play();
}

void PreviewPlayer::stopPlayback()
{
    if (m_playing) {
        // The frames heard since the last tick count too (the one playing
        // counts when more than half of it was heard), so playing on
        // resumes where the sound stopped.
        int advance = 0;
        if (m_soundAvailable) {
            m_output.pause();
            advance = m_output.reclaimProcessed();
            if (m_output.frontBufferBytes() > 0 &&
                2 * m_output.playedBytesOfFront() >= m_output.frontBufferBytes())
                ++advance;
        } else {
            advance = timerClockFrame() - m_position;
        }
        const int total = m_storyboard ? m_storyboard->totalFrames() : 0;
        if (advance > 0) {
            m_position += advance;
            if (m_position < total)
                draw(m_position);
        }
    }
    m_refill->stop();
    m_output.stop();
    m_slicer.clearCarry();
    m_playing = false;
}

void PreviewPlayer::refill()
{
    if (!m_storyboard || m_output.freeBuffers() == 0)
        return;
    QMutex &lock = m_storyboard->ringLock();
    if (!lock.tryLock())
        return; // the audio thread is filling: next tick
    AudioRing &ring = m_storyboard->audioRing();
    while (m_output.freeBuffers() > 0) {
        const uint8_t *data = nullptr;
        const int bytes = m_slicer.take(ring, &data);
        if (bytes == 0 || !m_output.enqueue(data, bytes))
            break;
    }
    lock.unlock();
}

void PreviewPlayer::updateVABuffer()
{
    if (!m_playing)
        return;
    const int total = m_storyboard ? m_storyboard->totalFrames() : 0;
    if (!m_soundAvailable) {
        const int due = timerClockFrame();
        if (due != m_position) {
            m_position = due;
            if (m_position < total)
                draw(m_position);
        }
        return;
    }
    const int processed = m_output.reclaimProcessed();
    if (processed > 10)
        qCDebug(lcPlayer, "Notice: Processed %d buffers!", processed);
    if (processed > 0) {
        m_position += processed;
        // Past the end the window stops playback; nothing is drawn there.
        if (m_position < total)
            draw(m_position);
    }
    refill();
    // Starts the source once the first PCM is queued, and again should it
    // have run dry while the audio thread lagged.
    startSound();
    if (!m_output.deviceConnected())
        switchToTimerClock(tr("The sound device is no longer available."));
}

int PreviewPlayer::timerClockFrame() const
{
    return m_clockStart + int(m_clock.elapsed() * m_format.frameRateNum /
                              (int64_t(1000) * std::max(1, m_format.frameRateDen)));
}

void PreviewPlayer::switchToTimerClock(const QString &reason)
{
    if (!m_soundAvailable)
        return;
    qCWarning(lcPlayer).noquote() << reason << "The preview goes on without sound.";
    m_output.stop();
    m_output.close();
    m_soundAvailable = false;
    m_soundError = reason;
    if (m_playing) {
        m_clock.start();
        m_clockStart = m_position;
        m_refill->start(framePeriodMs(m_format));
    }
    Q_EMIT soundUnavailable(reason);
}
