#pragma once

// The MPEG-2/AC-3 writer engine.
//
// Rendering stays on the GUI thread (a zero-interval timer, one frame per
// tick: the storyboard's renderFrame on the off-screen GL context, the
// read-back and the conversion into the encoder's picture format); the
// converted frames and the PCM go through a bounded queue (48 frames)
// to one encoding thread that encodes and writes from start() until the
// end, so rendering and encoding overlap. Every failure (GL context, encoder open, encode, write, trailer)
// ends the run with failed(message); compileEnd() comes only after every
// stream writer finished its file without error.

#include "engine/offscreengl.h"
#include "engine/streamwriter.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QElapsedTimer;
class StoryBoardRender;

class AVWriterManager : public QObject, public OffscreenGLDrawer
{
    Q_OBJECT
public:
    explicit AVWriterManager(QObject *parent = nullptr);
    ~AVWriterManager() override;

    // Creates the off-screen context (on first use), the 2 slot textures
    // (flipRows set) for the format's frame size. False, with errorString(),
    // when no GL context can be made.
    bool init(const OutputFormat &format);
    void setStoryboard(StoryBoardRender *storyboard) { m_storyboard = storyboard; }
    StoryBoardRender *storyboard() const { return m_storyboard; }

    // Takes the writer. One that is not open (its open() failed) is refused
    // (and deleted): false, and errorString() tells why; the caller turns
    // that into a failed run.
    bool addWriter(std::unique_ptr<StreamWriter> writer);
    int writerCount() const { return int(m_streams.size()); }

    // Positions the soundtrack at its start, starts the storyboard's audio
    // thread and the timer. With only audio writers nothing is rendered:
    // the run encodes the soundtrack alone. False (and failed()) when init() did not succeed,
    // no storyboard, no writer or an empty timeline.
    bool start();
    // Stops the timer and asks the audio thread to end (without waiting).
    void stop();
    // Waits for the encoding thread, closes and deletes every writer.
    void clearWriters();

    // The rendering thread's scheduling priority during a run. Lowered (nice
    // +10 from start() to the end), the encoder's threads get the cores
    // first and the renderer fills the moments they wait for each other:
    // the encoder's slices of a frame all wait for the last one, and a
    // renderer that took a core at such a moment left the other one idle.
    // An unprivileged thread cannot raise its priority again (RLIMIT_NICE),
    // so LowerIfRestorable (the default) lowers it only where it can be
    // restored at the end; Lower also where it cannot, for a process that
    // ends with the run (the command line); Normal leaves it.
    enum class RenderPriority { Normal, LowerIfRestorable, Lower };
    void setRenderPriority(RenderPriority priority) { m_renderPriority = priority; }
    // Consecutive frames that show the same pictures and are composed on
    // the processor for one video writer are composed two at a time, band
    // by band (each picture row read from memory serves both). On by
    // default; the frames are the same either way (tests compare the two).
    void setComposeFramesTogether(bool on) { m_composeTogether = on; }

    bool isWriting() const { return m_tick.isActive() || m_finishing; }
    bool hasFailed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    int framesWritten() const { return m_framesWritten; }
    // Frames rendered and converted; the others repeat the frame before.
    int framesRendered() const { return m_framesRendered; }
    // Of those, the frames composed together with the one before them.
    int framesComposedTogether() const { return m_framesTogether; }
    int audioFramesWritten() const { return m_audioFramesWritten; }
    // PCM bytes handed to the audio writers (exactly the PCM of
    // totalFrames video frames).
    int64_t audioBytesWritten() const { return m_audioBytesTaken; }

    void releaseGL() override;

signals:
    void progressChanged(int percent);
    void compileEnd();
    void failed(const QString &message);

private slots:
    void writeVideoAudio();

private:
    struct Job {
        enum Kind { Video, Audio, Finish, Quit };
        explicit Job(Kind k = Quit, int pcmBuffer = -1, int pcmBytes = 0)
            : kind(k), buffer(pcmBuffer), bytes(pcmBytes)
        {}
        Kind kind;
        std::vector<av::Frame> frames; // Video: one per video writer, in order
        int buffer;                    // Audio: the PCM buffer and its bytes
        int bytes;
    };
    void fail(const QString &message);
    // One tick of writeVideoAudio: render and queue the next frame (false
    // when the run failed), queue the PCM the ring holds, finish at the end.
    bool queueNextFrame();
    // The frame rendered last, read (composed in bands for `banded`, else
    // read back) and queued; false when the run failed. t: the profile's
    // clock, running since the frame was rendered.
    bool queueRenderedFrame(StreamWriter *banded, QElapsedTimer &t);
    // Queues one frame's pictures (one per video writer) for the encoder.
    void queueRendered(std::vector<av::Frame> frames);
    void queueAvailableAudio(int total);
    // Emits progressChanged; false when a receiver ended the run (this
    // writer may be gone then).
    bool emitProgress(int total);
    void finishWhenComplete(int total);
    void startWorker();
    void stopWorker();
    void workerLoop();
    void push(Job job);
    void rememberFrames(const std::vector<av::Frame> &frames);
    void workerDone(bool ok, const QString &message);
    void lowerRenderPriority();
    void restoreRenderPriority();

    StoryBoardRender *m_storyboard = nullptr;
    OutputFormat m_format;
    bool m_initialised = false;
    std::vector<std::unique_ptr<StreamWriter>> m_streams;
    int m_framesWritten = 0;
    int m_audioFramesWritten = 0;
    int64_t m_audioBytesTaken = 0;
    int64_t m_audioBytesTotal = 0;
    bool m_hasAudioWriter = false;
    bool m_hasVideoWriter = false; // without one, no frame is rendered
    bool m_finishing = false;
    bool m_ended = false;
    QTimer m_tick;
    QString m_error;

    // Hand-off to the encoding thread.
    std::thread m_worker;
    std::mutex m_mutex;
    std::condition_variable m_jobsReady;
    std::condition_variable m_bufferFree;
    std::deque<Job> m_jobs;
    std::vector<uint8_t> m_readBack;
    std::vector<uint8_t> m_band;         // the rows of a frame composed in bands
    std::vector<av::Frame> m_lastFrames; // the last converted frames, shared
    int m_framesQueued = 0;
    // The most frames queued for the encoder (fewer for large frames).
    int m_queueLimit = 48;
    // The renderer goes on once the queue holds at most this many frames
    // (under m_mutex).
    int m_wakeBelow = 0;
    int m_framesRendered = 0;
    int m_framesTogether = 0;
    bool m_composeTogether = true;
    std::vector<std::vector<uint8_t>> m_audioBuffers;
    std::vector<int> m_freeAudio;
    bool m_workerFailed = false;
    RenderPriority m_renderPriority = RenderPriority::LowerIfRestorable;
    // The thread whose priority was lowered (0: none) and its nice value
    // before.
    long m_loweredThread = 0;
    int m_savedNice = 0;
    // Time spent per phase (SORVEL_WRITER_PROFILE prints it at the end).
    int64_t m_profWait = 0, m_profRender = 0, m_profRead = 0, m_profConvert = 0;
    std::atomic<int64_t> m_profEncode{0};
};
