#pragma once

// The preview player: an OpenGL widget that shows the slideshow through the
// same drawing core as the writer and plays its soundtrack.
//
// The sound card is the clock. The player keeps up to 256 buffers queued
// on its OpenAL source, each holding the PCM of exactly one video frame
// taken from the storyboard's audio ring; every buffer the device has
// finished advances the shown frame by one. A 10 ms timer takes the
// finished buffers back, draws the new position and refills the queue.
//
// The GUI thread never waits for the audio thread: the ring is only
// try-locked, once per tick; a tick that finds too little PCM queues what
// whole frames there are and tries again on the next one (the picture
// waits with the sound, so they stay together, and no PCM is dropped or
// reordered). Starting playback queues what the ring holds within a few
// milliseconds and lets the ticks fill the rest.
//
// Without any sound device the player still previews: a timer at the
// frame rate moves the position by the time that has passed.
//
// Use (the main window's transport):
//   player->init(format);                      // again whenever the format changes
//   player->setStoryboard(&story);
//   story.renderFrame(player->position(), true, player);  // positions the sound
//   story.startPrefetch();
//   player->startPlayback();
//   ...
//   player->stopPlayback();
//   story.stopPrefetch();
//   story.wait();

#include "engine/audiooutput.h"
#include "engine/gldrawer.h"

#include <QColor>
#include <QElapsedTimer>
#include <QOpenGLWidget>

class QTimer;
class StoryBoardRender;

class PreviewPlayer : public QOpenGLWidget, public GLDrawer
{
    Q_OBJECT
public:
    explicit PreviewPlayer(QWidget *parent = nullptr);
    ~PreviewPlayer() override;

    // Whether the running platform can show an OpenGL widget in a window
    // (xcb, Wayland, eglfs can; offscreen, minimal, vnc, linuxfb cannot,
    // and Qt would crash flushing the window).
    static bool platformShowsOpenGL();

    // Takes the render format: the frame size of the textures and the PCM
    // of one video frame. Call it again whenever the format changes; after
    // "Create DVD" the window calls it with the preview's two channels.
    // Stops playback first. False when the sound format cannot be played
    // (the preview then runs on the timer clock).
    bool init(const OutputFormat &format);
    const OutputFormat &format() const { return m_format; }

    void setStoryboard(StoryBoardRender *storyboard) { m_storyboard = storyboard; }
    // The colour of the bars beside the picture (mid grey unless set).
    void setBackdrop(const QColor &color);
    StoryBoardRender *storyboard() const { return m_storyboard; }

    // The frame shown.
    int position() const { return m_position; }
    // Shows frame f with the sound positioned there (playback stopped). A
    // frame outside the timeline (an empty album asks for -1) shows an
    // empty picture and reads nothing.
    void showFrame(int frame);
    // Starts playing from the shown frame: the storyboard's decoder must be
    // positioned there and its prefetch thread running.
    void startPlayback();
    void stopPlayback();
    bool isPlaying() const { return m_playing; }
    // Back to frame 0 with an empty picture (an empty album).
    void clearView();

    // False when no sound device could be opened, the device went away or
    // the sound card refuses the format's channels: the preview then runs
    // without sound on a timer.
    bool soundAvailable() const { return m_soundAvailable; }
    QString soundError() const { return m_soundError; }
    // Frames drawn since construction (the benchmark's count).
    int framesDrawn() const { return m_framesDrawn; }

public Q_SLOTS:
    // 0 (silent, the position still advances) to 100.
    void setVolume(int volume);

Q_SIGNALS:
    // A frame was drawn on screen.
    void frameShown(int frame);
    // The sound device went away while playing (emitted once), or init()
    // was given a format the sound card cannot play; the preview goes on
    // silently.
    void soundUnavailable(const QString &message);

private Q_SLOTS:
    void updateVABuffer();

protected:
    bool makeCurrentGL() override;
    void presentFrame() override;
    void resizeHost(int width, int height) override;
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    // Queues whole frames of PCM from the ring while buffers are free,
    // without waiting for the ring's lock.
    void refill();
    // Starts (or restarts) the source once a few frames are queued.
    void startSound();
    void draw(int frame);
    void setupTextures();
    void releaseContextObjects();
    void switchToTimerClock(const QString &reason);
    // The frame the timer clock has reached.
    int timerClockFrame() const;

    OutputFormat m_format;
    bool m_formatSet = false;
    StoryBoardRender *m_storyboard = nullptr;
    int m_position = 0;
    QTimer *m_refill = nullptr;
    AudioOutput m_output;
    PcmSlicer m_slicer;
    bool m_soundAvailable = false;
    QString m_soundError;
    bool m_playing = false;
    int m_volume = 100;
    // The timer clock: the frame and time playback started from.
    QElapsedTimer m_clock;
    int m_clockStart = 0;
    int m_framesDrawn = 0;
    QColor m_backdrop{128, 128, 128};
};
