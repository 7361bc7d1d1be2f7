#include "engine/avwritermanager.h"

#include <QPointer>

#include "engine/storyboardrender.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcManager, "sorvel.writer")

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif

namespace {
// Frames converted and waiting for the encoder, at most: enough for the
// renderer to run ahead during still frames and fall behind during a
// transition without stopping the encoder, and, at a lowered priority, to
// fall behind while the encoder has the cores.
// Once full, the queue is refilled when half of it is left.
constexpr int kFramesQueued = 48;
constexpr int kAudioBuffers = 2;
// Rows of a frame composed and converted at a time (even: the conversion
// takes rows in pairs); 16 rows of 1080p are 120 KB.
constexpr int kBandRows = 16;
// With pictures to encode, the sound is taken at most this far ahead of
// them (in seconds), in pieces of about this length: taken as fast as the
// soundtrack decodes, the whole soundtrack's encoding sat on the encoding
// thread in front of the first pictures, and the video encoder waited for
// it with a core idle (1.7 s of a 76 s HD export).
constexpr double kAudioLeadSeconds = 0.5;
// Longest wait of one tick for room in the queue.
constexpr std::chrono::milliseconds kQueueWait{100};
// How much the rendering thread's priority is lowered during a run.
constexpr int kRenderNiceSteps = 10;

// Whether this thread could set its nice value back to `nice` after raising
// it: root may, others as far as RLIMIT_NICE allows (its ceiling is
// 20 - limit; most desktops set the limit to 0, which allows no raise at
// all).
bool mayRestoreNice(int nice)
{
    if (::geteuid() == 0)
        return true;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NICE, &limit) != 0)
        return false;
    return limit.rlim_cur == RLIM_INFINITY || rlim_t(20 - nice) <= limit.rlim_cur;
}
} // namespace

AVWriterManager::AVWriterManager(QObject *parent) : QObject(parent)
{
    m_tick.setInterval(0);
    connect(&m_tick, &QTimer::timeout, this, &AVWriterManager::writeVideoAudio);
}

AVWriterManager::~AVWriterManager()
{
    m_tick.stop();
    if (m_storyboard && m_storyboard->isRunning())
        m_storyboard->stopPrefetch();
    clearWriters();
    restoreRenderPriority();
    AVWriterManager::releaseGL();
}

void AVWriterManager::releaseGL()
{
    OffscreenGLDrawer::releaseGL();
}

void AVWriterManager::fail(const QString &message)
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_error.isEmpty())
        m_error = message;
    qCWarning(lcManager).noquote() << "writing failed:" << m_error;
    m_tick.stop();
    restoreRenderPriority();
    m_finishing = false;
    if (m_storyboard)
        m_storyboard->stopPrefetch();
    emit failed(m_error);
}

bool AVWriterManager::init(const OutputFormat &format)
{
    m_initialised = false;
    m_error.clear();
    OffscreenGLDrawer::releaseGL();
    m_format = format;
    if (!createContext()) {
        m_error = glError();
        return false;
    }
    // With a software OpenGL the processor composes the frames itself, the
    // same pixels in a fraction of the time; SORVEL_COMPOSITOR=gl or =cpu
    // chooses either way. Chosen before the textures are made: composing on
    // the processor, they get their storage only when needed.
    const QByteArray compositor = qgetenv("SORVEL_COMPOSITOR");
    const bool software = isSoftwareRenderer(rendererName());
    core().setSoftwareCompositing(compositor == "cpu" || (compositor != "gl" && software));
    if (!initTextures(format, StoryBoardRender::kSlotCount, true)) {
        m_error = glError().isEmpty() ? QStringLiteral("Cannot create the OpenGL textures") : glError();
        return false;
    }
    setClearColor(0.5f, 0.5f, 0.5f, 0.f);
    qCDebug(lcManager) << "renderer" << rendererName() << "composing on the"
                       << (core().softwareCompositing() ? "processor" : "OpenGL side");
    doneCurrentGL(); // until the first frame
    m_initialised = true;
    return true;
}

bool AVWriterManager::addWriter(std::unique_ptr<StreamWriter> writer)
{
    if (!writer)
        return false;
    if (!writer->isOpen() || writer->failed()) {
        m_error = writer->errorString().isEmpty()
                      ? QStringLiteral("The output file %1 is not open").arg(writer->path())
                      : writer->errorString();
        return false;
    }
    m_streams.push_back(std::move(writer));
    return true;
}

bool AVWriterManager::start()
{
    m_framesWritten = 0;
    m_audioFramesWritten = 0;
    m_audioBytesTaken = 0;
    m_finishing = false;
    m_ended = false;
    if (!m_initialised) {
        fail(m_error.isEmpty() ? QStringLiteral("The writer was not initialised") : m_error);
        return false;
    }
    if (!m_error.isEmpty()) { // a refused writer
        fail(m_error);
        return false;
    }
    if (!m_storyboard || m_storyboard->totalFrames() <= 0) {
        fail(QStringLiteral("Nothing to write: the slideshow has no frames"));
        return false;
    }
    if (m_streams.empty()) {
        fail(QStringLiteral("No output file to write"));
        return false;
    }
    m_hasAudioWriter =
        std::any_of(m_streams.begin(), m_streams.end(), [](const auto &w) { return w->hasAudio(); });
    m_hasVideoWriter =
        std::any_of(m_streams.begin(), m_streams.end(), [](const auto &w) { return w->hasVideo(); });
    const OutputFormat &f = m_storyboard->format();
    const int64_t samples =
        int64_t(m_storyboard->totalFrames()) * f.audioSampleRate * f.frameRateDen / f.frameRateNum;
    m_audioBytesTotal = m_hasAudioWriter ? samples * f.audioChannels * (f.audioBitsPerSample / 8) : 0;

    // The read-back frame and the PCM buffers, allocated once per run.
    // (Made on the first frame that needs it: frames converted in bands do
    // not.)
    std::vector<uint8_t>().swap(m_readBack);
    std::vector<uint8_t>().swap(m_band);
    m_framesQueued = 0;
    // A large frame queues fewer pictures: about 16 MiB of them (5 at
    // 1080p, 4 at 2160p), where a DVD's 48 are 30 MB. The H.264 encoder
    // holds its own frames ahead, so a few queued ones keep it busy.
    const int64_t pictureBytes = int64_t(frameWidth()) * frameHeight() * 3 / 2;
    const int64_t queueBytes = int64_t(frameWidth()) * frameHeight() > StoryBoardRender::kLargeFramePixels
                                   ? int64_t(16) << 20
                                   : int64_t(32) << 20;
    m_queueLimit = int(
        std::clamp<int64_t>(pictureBytes > 0 ? queueBytes / pictureBytes : kFramesQueued, 4, kFramesQueued));
    m_wakeBelow = m_queueLimit - 1;
    m_framesRendered = 0;
    m_framesTogether = 0;
    m_lastFrames.clear();
    const size_t audioBytes = size_t(m_storyboard->audioRing().capacity) + kAudioRingSlack;
    m_audioBuffers.assign(kAudioBuffers, std::vector<uint8_t>(m_hasAudioWriter ? audioBytes : 0));
    m_freeAudio.clear();
    for (int i = 0; i < kAudioBuffers; ++i)
        m_freeAudio.push_back(i);
    m_workerFailed = false;
    startWorker();

    if (m_storyboard->isRunning()) {
        m_storyboard->stopPrefetch();
        m_storyboard->wait();
    }
    m_storyboard->seekAudio(0);
    m_storyboard->startPrefetch();
    // An audio-only run only waits for the soundtrack's decoding thread: a
    // short period keeps it from spinning on the ring's lock.
    m_tick.setInterval(m_hasVideoWriter ? 0 : 1);
    m_tick.start();
    // After the encoding and audio threads exist, which keep the priority
    // they were created with. Threads this one starts during the run (the
    // photos decoded ahead) inherit the lower one, as they should: they
    // work for the renderer.
    if (m_hasVideoWriter)
        lowerRenderPriority();
    return true;
}

void AVWriterManager::stop()
{
    if (m_storyboard)
        m_storyboard->stopPrefetch();
    m_tick.stop();
    m_finishing = false;
    restoreRenderPriority();
}

void AVWriterManager::lowerRenderPriority()
{
    if (m_renderPriority == RenderPriority::Normal || m_loweredThread != 0)
        return;
    // Linux keeps a nice value per thread, addressed by its thread id.
    const long thread = ::syscall(SYS_gettid);
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, id_t(thread));
    if (errno != 0)
        return;
    if (m_renderPriority == RenderPriority::LowerIfRestorable && !mayRestoreNice(nice)) {
        qCDebug(lcManager) << "the renderer keeps its priority: it could not be raised again";
        return;
    }
    if (::setpriority(PRIO_PROCESS, id_t(thread), std::min(nice + kRenderNiceSteps, 19)) != 0)
        return;
    m_loweredThread = thread;
    m_savedNice = nice;
}

void AVWriterManager::restoreRenderPriority()
{
    if (m_loweredThread == 0)
        return;
    if (::setpriority(PRIO_PROCESS, id_t(m_loweredThread), m_savedNice) != 0)
        qCDebug(lcManager) << "the renderer's priority stays lowered:" << std::strerror(errno);
    m_loweredThread = 0;
}

void AVWriterManager::clearWriters()
{
    stopWorker();
    for (auto &w : m_streams)
        w->close();
    m_streams.clear();
    std::vector<uint8_t>().swap(m_readBack);
    std::vector<uint8_t>().swap(m_band);
    m_lastFrames.clear();
    m_audioBuffers.clear();
}

void AVWriterManager::startWorker()
{
    stopWorker();
    m_jobs.clear();
    m_worker = std::thread([this] { workerLoop(); });
}

void AVWriterManager::stopWorker()
{
    if (!m_worker.joinable())
        return;
    push(Job(Job::Quit));
    m_worker.join();
    m_jobs.clear();
}

void AVWriterManager::push(Job job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_jobsReady.notify_one();
}

void AVWriterManager::workerLoop()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_jobsReady.wait(lock, [this] { return !m_jobs.empty(); });
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        if (job.kind == Job::Quit)
            return;
        QString error;
        bool failedNow = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            failedNow = m_workerFailed;
        }
        QElapsedTimer t;
        t.start();
        if (!failedNow) {
            size_t nextFrame = 0;
            for (auto &w : m_streams) {
                bool ok = true;
                if (job.kind == Job::Video && w->hasVideo())
                    ok = w->encodeVideo(std::move(job.frames[nextFrame++]));
                else if (job.kind == Job::Audio && w->hasAudio())
                    ok = w->writeAudio(m_audioBuffers[size_t(job.buffer)].data(), job.bytes);
                else if (job.kind == Job::Finish)
                    ok = w->finish();
                if (!ok) {
                    error = w->errorString();
                    break;
                }
            }
        }
        job.frames.clear(); // back to the writers' pools
        // The renderer waits for room, or for half the queue once it was
        // full: it is woken only when that is there.
        bool wake = true;
        m_profEncode += t.nsecsElapsed();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (job.kind == Job::Video)
                --m_framesQueued;
            else if (job.kind == Job::Audio)
                m_freeAudio.push_back(job.buffer);
            if (!error.isEmpty())
                m_workerFailed = true;
            wake = job.kind != Job::Video || m_framesQueued <= m_wakeBelow || m_workerFailed;
        }
        if (wake)
            m_bufferFree.notify_all();
        if (!error.isEmpty()) {
            QMetaObject::invokeMethod(
                this, [this, error] { workerDone(false, error); }, Qt::QueuedConnection);
        } else if (job.kind == Job::Finish && !failedNow) {
            QMetaObject::invokeMethod(
                this, [this] { workerDone(true, QString()); }, Qt::QueuedConnection);
        }
    }
}

void AVWriterManager::workerDone(bool ok, const QString &message)
{
    if (!ok) {
        fail(message);
        return;
    }
    if (m_ended)
        return;
    m_ended = true;
    m_finishing = false;
    restoreRenderPriority();
    if (qEnvironmentVariableIsSet("SORVEL_WRITER_PROFILE"))
        qInfo("writer profile: wait %.0f ms, render %.0f ms, read %.0f ms, convert %.0f ms, encode %.0f ms",
              m_profWait / 1e6, m_profRender / 1e6, m_profRead / 1e6, m_profConvert / 1e6,
              m_profEncode / 1e6);
    emit compileEnd();
}

void AVWriterManager::writeVideoAudio()
{
    if (m_ended || !m_storyboard)
        return;
    const int total = m_storyboard->totalFrames();
    if (!m_hasVideoWriter) {
        // An audio-only run renders nothing; its frames are those whose PCM
        // was taken.
        queueAvailableAudio(total);
        m_framesWritten = std::min(total, m_audioFramesWritten);
        if (emitProgress(total))
            finishWhenComplete(total);
        return;
    }
    const bool queued = m_framesWritten >= total || queueNextFrame();
    // The event loop runs between frames, and the window may draw its
    // preview with Qt's own OpenGL context meanwhile.
    doneCurrentGL();
    if (!queued)
        return;
    queueAvailableAudio(total);
    if (emitProgress(total))
        finishWhenComplete(total);
}

bool AVWriterManager::emitProgress(int total)
{
    // A receiver may end the run at once (an abort on some progress) and
    // delete this writer with it: nothing of it is touched after that.
    const QPointer<AVWriterManager> alive(this);
    emit progressChanged(int(int64_t(m_framesWritten) * 100 / total));
    return alive && !m_ended;
}

void AVWriterManager::rememberFrames(const std::vector<av::Frame> &frames)
{
    m_lastFrames.clear();
    for (const av::Frame &f : frames)
        m_lastFrames.emplace_back(f ? av_frame_clone(f.get()) : nullptr);
}

bool AVWriterManager::queueNextFrame()
{
    // Rendered, read back and converted here; encoded on the encoding
    // thread.
    QElapsedTimer t;
    t.start();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        // Once the queue is full, the renderer waits until the encoder has
        // taken half of it and then renders that half in one go: woken for
        // every frame, it took a core from the encoder's slices for each
        // one, and the wake-ups cost as much again (make-dvd 5.30 against
        // 5.50 s, medians of five alternating runs).
        // A full queue may stay full (the encoder's output can block, a
        // named pipe whose reader stalls): the event loop must run, so that
        // the run can still be stopped. The next tick tries again.
        if (m_framesQueued >= m_queueLimit)
            m_wakeBelow = m_queueLimit / 2;
        if (!m_bufferFree.wait_for(lock, kQueueWait,
                                   [this] { return m_framesQueued <= m_wakeBelow || m_workerFailed; }))
            return false;
        m_wakeBelow = m_queueLimit - 1;
        if (m_workerFailed)
            return false; // the failure arrives as a queued call
    }
    m_profWait += t.nsecsElapsed();
    t.restart();
    // A frame that shows what the previous one showed is that frame again
    // (the pictures are shared, the encoder only reads them).
    if (m_framesWritten > 0 && !m_lastFrames.empty() &&
        m_storyboard->sameFrame(m_framesWritten - 1, m_framesWritten)) {
        Job job(Job::Video);
        for (const av::Frame &f : m_lastFrames)
            job.frames.emplace_back(f ? av_frame_clone(f.get()) : nullptr);
        ++m_framesWritten;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_framesQueued;
        }
        push(std::move(job));
        return true;
    }
    const int frame = m_framesWritten;
    m_storyboard->renderFrame(frame, false, this);
    m_profRender += t.nsecsElapsed();
    t.restart();
    const int stride = frameWidth() * 4;
    // A frame composed on the processor for a single video writer is
    // converted band by band as it is composed: the band stays in the
    // processor's cache, where a whole frame (8 MB at 1080p) went out to
    // memory and was read back in for the conversion.
    StreamWriter *banded = nullptr;
    int videoWriters = 0;
    for (auto &w : m_streams) {
        if (w->hasVideo()) {
            ++videoWriters;
            banded = w.get();
        }
    }
    if (videoWriters != 1 || !banded->convertsInBands())
        banded = nullptr;
    if (banded && core().composedInSoftware()) {
        // The next frame, when it shows the same pictures, is rendered now
        // and composed with this one: each picture row read from memory
        // then serves both frames.
        const int next = frame + 1;
        GLDrawCore::HeldFrame held;
        if (m_composeTogether && next < m_storyboard->totalFrames() &&
            !m_storyboard->sameFrame(frame, next) && m_storyboard->keepsPictures(frame, next) &&
            core().holdComposed(&held)) {
            av::Frame first = banded->newVideoFrame();
            av::Frame second = first ? banded->newVideoFrame() : av::Frame();
            if (first && second) {
                m_storyboard->renderFrame(next, false, this);
                m_band.resize(size_t(stride) * kBandRows * 2);
                uint8_t *firstBand = m_band.data();
                uint8_t *secondBand = firstBand + size_t(stride) * kBandRows;
                AVFrame *a = first.get();
                AVFrame *b = second.get();
                auto convertFirst = [banded, a, firstBand, stride](int y, int rows) {
                    banded->convertBand(a, firstBand, stride, y, rows);
                };
                const bool together =
                    core().readComposedInBands(held, firstBand, convertFirst, secondBand, stride, kBandRows,
                                               [banded, b, secondBand, stride](int y, int rows) {
                                                   banded->convertBand(b, secondBand, stride, y, rows);
                                               });
                if (!together)
                    core().readHeldInBands(held, firstBand, stride, kBandRows, convertFirst);
                m_profConvert += t.nsecsElapsed();
                t.restart();
                std::vector<av::Frame> frames;
                frames.push_back(std::move(first));
                queueRendered(std::move(frames));
                if (!together) // the next frame is drawn by OpenGL: read back
                    return queueRenderedFrame(banded, t);
                frames.clear();
                frames.push_back(std::move(second));
                queueRendered(std::move(frames));
                ++m_framesTogether;
                return true;
            }
        }
    }
    return queueRenderedFrame(banded, t);
}

bool AVWriterManager::queueRenderedFrame(StreamWriter *banded, QElapsedTimer &t)
{
    const int stride = frameWidth() * 4;
    std::vector<av::Frame> frames;
    if (banded && core().composedInSoftware()) {
        av::Frame frame = banded->newVideoFrame();
        if (frame) {
            m_band.resize(size_t(stride) * kBandRows);
            AVFrame *f = frame.get();
            readComposedInBands(m_band.data(), stride, kBandRows, [this, banded, f, stride](int y, int rows) {
                banded->convertBand(f, m_band.data(), stride, y, rows);
            });
            frames.push_back(std::move(frame));
        }
    }
    if (frames.empty()) {
        m_readBack.resize(size_t(stride) * size_t(frameHeight()));
        if (!readPixels(GL_BGRA, GL_UNSIGNED_BYTE, m_readBack.data())) {
            fail(QStringLiteral("Cannot read the rendered frame back from OpenGL"));
            return false;
        }
        m_profRead += t.nsecsElapsed();
        t.restart();
        for (auto &w : m_streams) {
            if (w->hasVideo())
                frames.push_back(w->convertVideo(m_readBack.data(), stride));
        }
    }
    m_profConvert += t.nsecsElapsed();
    queueRendered(std::move(frames));
    return true;
}

void AVWriterManager::queueRendered(std::vector<av::Frame> frames)
{
    ++m_framesRendered;
    rememberFrames(frames);
    ++m_framesWritten;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_framesQueued;
    }
    Job job(Job::Video);
    job.frames = std::move(frames);
    push(std::move(job));
}

void AVWriterManager::queueAvailableAudio(int total)
{
    // Exactly the PCM of the video's frames, no more.
    if (m_audioBytesTaken >= m_audioBytesTotal) {
        m_audioFramesWritten = total;
        return;
    }
    const int32_t bpf = m_storyboard->bytesPerFrame();
    int64_t limit = m_audioBytesTotal - m_audioBytesTaken;
    if (m_hasVideoWriter && bpf > 0 && m_framesWritten < total) {
        const OutputFormat &f = m_storyboard->format();
        const int64_t lead =
            std::max<int64_t>(1, int64_t(kAudioLeadSeconds * f.frameRateNum / std::max(1, f.frameRateDen)));
        limit = std::min(limit, (int64_t(m_framesWritten) + lead) * bpf - m_audioBytesTaken);
        if (limit <= 0)
            return;
    }
    int buffer = -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_freeAudio.empty()) {
            buffer = m_freeAudio.back();
            m_freeAudio.pop_back();
        }
    }
    bool used = false;
    if (buffer >= 0 && m_storyboard->ringLock().tryLock()) {
        AudioRing &ring = m_storyboard->audioRing();
        const OutputFormat &f = m_storyboard->format();
        const int sampleBytes = std::max(1, f.audioChannels * (f.audioBitsPerSample / 8));
        int64_t n = std::min<int64_t>(ring.filled - ring.read, limit);
        n -= n % sampleBytes; // whole samples (the total is whole samples too)
        if (n > 0) {
            std::memcpy(m_audioBuffers[size_t(buffer)].data(), ring.data + ring.read, size_t(n));
            m_audioBytesTaken += n;
            m_audioFramesWritten = bpf > 0 ? int(m_audioBytesTaken / bpf) : total;
            // The soundtrack fills the ring again once it was read whole.
            ring.read += int32_t(n);
            if (ring.read >= ring.filled)
                ring.filled = ring.read = 0;
            push(Job(Job::Audio, buffer, int(n)));
            used = true;
        }
        m_storyboard->ringLock().unlock();
    }
    if (buffer >= 0 && !used) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_freeAudio.push_back(buffer);
    }
}

void AVWriterManager::finishWhenComplete(int total)
{
    // The encoding thread finishes every file, then compileEnd follows.
    if (m_framesWritten >= total) {
        if (m_audioBytesTaken >= m_audioBytesTotal) {
            m_tick.stop();
            m_finishing = true;
            m_storyboard->stopPrefetch();
            push(Job(Job::Finish));
        } else if (m_tick.interval() == 0) {
            m_tick.setInterval(2); // only audio left: do not spin
        }
    }
}
