#include "job/generationcontroller.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>

#include "album/appsettings.h"
#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "engine/streamwriter.h"
#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "framework/poweraction.h"
#include "burning/dvdburner.h"
#include "burning/burnworkflow.h"
#include "authoring/dvdauthoring.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcGeneration, "sorvel.generation")

namespace {
// Share of "Creating video..." given to the soundtrack pass that comes
// before the frames when the video is streamed.
constexpr int kAudioPassPercent = 5;
// How long the author may take to open the video pipe (mplex starting).
constexpr qint64 kReaderWaitMs = 30000;
// The video pipe's buffer (the unprivileged maximum by default).
constexpr int kVideoPipeBytes = 1 << 20;
// How long a failed video pass waits for the author to tell its own cause
// (a broken pipe means mplex has gone) before the author is stopped.
constexpr int kWriterFailGraceMs = 2000;

// Owns a file descriptor.
class UniqueFd
{
public:
    explicit UniqueFd(int fd = -1) : m_fd(fd) {}
    ~UniqueFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// A reader that went away makes a write into a pipe fail with EPIPE instead
// of ending the program.
void ignoreBrokenPipes()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

const char *const kStatusTexts[] = {
    "Title %1 mplexing.",  "Title %1 mplex failed.",  "Title %1 mplex ok.",  "Title %1 mplex abort.",
    "Title %1 spumuxing.", "Title %1 spumux failed.", "Title %1 spumux ok.", "Title %1 spumux abort.",
    "Author started.",     "Author failed.",          "Author success.",     "Author abort.",
};
} // namespace

GenerationController::GenerationController(QObject *parent) : QObject(parent) {}

GenerationController::~GenerationController()
{
    if (m_writer)
        m_writer->stop();
    // The author goes first: it must not take a video pipe that closes
    // early for a finished video.
    if (m_author) {
        m_author->abort();
        m_author.reset(); // joins the worker and ends its children
    }
    if (m_writer)
        m_writer->clearWriters();
    // A run cut short by the controller's end still ends its burn job and
    // leaves no working folder behind.
    if (m_running)
        DVDBurner::instance()->stop();
    m_ownBurner.reset();
    if (m_running || m_resultHeld)
        cleanUp();
}

quint64 GenerationController::estimateDvdSize(int videoBitRate, int audioBitRate, double seconds)
{
    const qint64 v = videoBitRate;
    const qint64 a = audioBitRate;
    const qint64 bytes = qint64(double(v + a) * seconds * 0.125);
    return quint64(double(quint64(bytes)) * 1.05);
}

bool GenerationController::createWorkFolder(QString *error)
{
    QString base = m_request.tempBase;
    if (base.isEmpty())
        base = AppSettings::temporaryDir(AppSettings::pref());
    if (!QDir().mkpath(base)) {
        *error = tr("The temporary folder %1 does not exist and cannot be created.")
                     .arg(QDir::toNativeSeparators(base));
        return false;
    }
    // Each run works in a folder of its own, so that clean-up never touches
    // anything else in the temporary folder.
    QTemporaryDir dir(QDir(base).absoluteFilePath(QStringLiteral("sorvel-run-XXXXXX")));
    if (!dir.isValid()) {
        *error = tr("Cannot create a working folder in %1: %2")
                     .arg(QDir::toNativeSeparators(base), dir.errorString());
        return false;
    }
    dir.setAutoRemove(false);
    m_workFolder = QDir(dir.path()).absolutePath();
    return true;
}

bool GenerationController::start(const Album *album, const GenerationRequest &request)
{
    if (m_running || !album)
        return false;
    releaseResult();
    m_album = album;
    m_request = request;
    m_running = true;
    ++m_runId;
    m_abortRequested = false;
    m_waitingForNextBurn = false;
    m_compileHandled = false;
    m_outputPath.clear();
    m_burnMessage.clear();
    m_workFolder.clear(); // clean-up must never reach an earlier run's folder
    m_format = OutputFormat::forStandard(request.tvStandard);
    m_format.audioChannels = request.audioChannels;

    if (album->photos.isEmpty()) {
        fail(tr("The album has no photos."));
        return true;
    }
    QString error;
    if (!createWorkFolder(&error)) {
        fail(error);
        return true;
    }
    qCInfo(lcGeneration) << "working folder" << m_workFolder;

    // The burn workflow checks the destination and answers beginGenerate().
    m_phase = Checking;
    Q_EMIT stepChanged(NoStepChange, tr("Checking the destination..."));
    // One burn workflow serves every run of this controller.
    if (!m_burner) {
        m_ownBurner = std::make_unique<BurnWorkflow>();
        m_burner = m_ownBurner.get();
        m_burner->setQuestions(m_questions);
        connectWorkflow();
    }
    // The workflow says what is wrong with the destination; the run ends
    // with its words.
    m_burner->setDestination(request.destination);
    m_burner->setSpeed(request.speed);
    m_burner->setCopies(qMax(1, request.copies));
    m_burner->setWorkFolder(m_workFolder);
    m_burner->setDvdFolder(m_workFolder + QStringLiteral("/dvd"));
    m_burner->setDvdSize(estimateDvdSize(request.videoBitRate, request.audioBitRate, album->videoLength()));
    const CheckOutcome check = m_burner->checkDestination();
    if (check.verdict == CheckOutcome::Refused && m_phase == Checking) {
        // Nothing starts.
        fail(check.message);
    }
    return true;
}

void GenerationController::setBurnWorkflow(BurnWorkflow *workflow)
{
    if (m_burner || !workflow)
        return;
    m_burner = workflow;
    connectWorkflow();
}

void GenerationController::setQuestions(RunQuestions *questions)
{
    m_questions = questions;
    if (m_burner)
        m_burner->setQuestions(questions);
}

void GenerationController::connectWorkflow()
{
    BurnWorkflow *burner = m_burner;
    connect(burner, &BurnWorkflow::ready, this, &GenerationController::onBeginGenerate);
    connect(burner, &BurnWorkflow::progressChanged, this,
            [this](int percent) { Q_EMIT progressChanged(percent); });
    connect(burner, &BurnWorkflow::stageChanged, this,
            [this](BurnStage stage) { Q_EMIT stepChanged(workingStateOf(stage), burnStageText(stage)); });
    connect(burner, &BurnWorkflow::nextDiscNeeded, this, [this] {
        // No burn job runs until burnNext().
        m_waitingForNextBurn = true;
        Q_EMIT nextDiscNeeded();
    });
    connect(burner, &BurnWorkflow::finished, this, &GenerationController::onBurnFinished);
}

void GenerationController::deferStep(void (GenerationController::*step)())
{
    // The next step starts outside the signal that ended the previous one,
    // and only if the run it belongs to is still going.
    const int run = m_runId;
    QTimer::singleShot(0, this, [this, run, step] {
        if (run == m_runId && m_running)
            (this->*step)();
    });
}

void GenerationController::onBeginGenerate()
{
    if (m_phase != Checking)
        return;
    if (m_request.destination.type == Destination::Folder)
        m_outputPath = m_burner->dvdFolderPath();
    else
        m_outputPath = m_burner->destination().path;
    // Start outside the burner's signal.
    deferStep(&GenerationController::startEncoding);
    m_phase = Encoding;
}

void GenerationController::startEncoding()
{
    if (m_abortRequested) {
        finish(false, tr("Aborted"));
        return;
    }
    m_phase = Encoding;
    m_videoComplete = false;
    m_authorSucceeded = false;
    m_authorPercent = 0;
    m_writerError.clear();
    Q_EMIT stepChanged(CreatingTitle, tr("Creating video..."));
    Q_EMIT progressChanged(0);

    // The old writer refers to the old storyboard: it goes first.
    m_writer.reset();
    m_storyboard = std::make_unique<StoryBoardRender>();
    m_writer = std::make_unique<AVWriterManager>();
    m_storyboard->setAlbum(m_album);
    m_storyboard->setFormat(m_format);
    if (!m_writer->init(m_format)) {
        fail(tr("Cannot render the slideshow: %1").arg(m_writer->errorString()));
        return;
    }
    m_writer->setStoryboard(m_storyboard.get());
    m_writer->setRenderPriority(m_request.endsWithProcess
                                    ? AVWriterManager::RenderPriority::Lower
                                    : AVWriterManager::RenderPriority::LowerIfRestorable);
    // Queued signals of a writer from an earlier run must not reach this one.
    const int run = m_runId;
    connect(m_writer.get(), &AVWriterManager::progressChanged, this, &GenerationController::onWriterProgress);
    connect(
        m_writer.get(), &AVWriterManager::compileEnd, this,
        [this, run] {
            if (run == m_runId)
                onCompileEnd();
        },
        Qt::QueuedConnection);
    connect(
        m_writer.get(), &AVWriterManager::failed, this,
        [this, run](const QString &message) {
            if (run == m_runId)
                onWriterFailed(message);
        },
        Qt::QueuedConnection);

    const QString videoPath = m_workFolder + QStringLiteral("/video.m2v");
    const QString audioPath = m_workFolder + QStringLiteral("/audio.ac3");
    QFile::remove(videoPath);
    QFile::remove(audioPath);
    QString pipeError;
    m_streaming = DvdAuthoring::createPipe(videoPath, &pipeError);
    if (!m_streaming)
        qCInfo(lcGeneration).noquote() << "no named pipe in the working folder (" + pipeError +
                                              "): the video is encoded into a file and authored afterwards";
    if (!m_streaming && !addVideoWriter(videoPath))
        return;
    auto audio = std::make_unique<StreamWriter>();
    if (!audio->open(audioPath, VideoStreamParams(),
                     AudioStreamParams::ac3(m_format.audioChannels, m_request.audioBitRate))) {
        fail(tr("Cannot create the audio stream: %1").arg(audio->errorString()));
        return;
    }
    if (!m_writer->addWriter(std::move(audio))) {
        fail(m_writer->errorString());
        return;
    }
    // A streamed run encodes the soundtrack alone first: mplex needs the
    // whole of it while it multiplexes the video as it comes. The first two
    // photos decode meanwhile on the other core, so the frames do not wait
    // for them.
    m_storyboard->decodeFirstPhotosAhead();
    m_pass = AudioPass;
    m_compileHandled = false;
    m_passClock.start();
    if (!m_writer->start())
        fail(tr("Cannot start encoding: %1").arg(m_writer->errorString()));
}

void GenerationController::onWriterProgress(int percent)
{
    if (m_phase != Encoding)
        return;
    if (!m_streaming)
        Q_EMIT progressChanged(percent);
    else if (m_pass == AudioPass)
        Q_EMIT progressChanged(percent * kAudioPassPercent / 100);
    else if (m_pass == VideoPass)
        Q_EMIT progressChanged(kAudioPassPercent + percent * (100 - kAudioPassPercent) / 100);
}

void GenerationController::onWriterFailed(const QString &message)
{
    if (m_phase != Encoding)
        return;
    if (m_streaming && m_pass == VideoPass) {
        writerFailedWhileStreaming(message);
        return;
    }
    fail(tr("Encoding failed: %1").arg(message));
}

void GenerationController::writerFailedWhileStreaming(const QString &message)
{
    // The pipe stays open until the author has ended: closing it would hand
    // mplex a short stream that it would take for the whole video. When
    // mplex went away first (the write failed with a broken pipe), the
    // author reports why within moments; otherwise it is stopped.
    if (!m_writerError.isEmpty())
        return;
    m_writerError = message;
    if (!m_author || !m_author->isRunning()) {
        const QString cause = authorFailureText();
        fail(cause.isEmpty() ? tr("Encoding failed: %1").arg(message) : cause);
        return;
    }
    if (!m_writerFailGrace) {
        m_writerFailGrace = std::make_unique<QTimer>();
        m_writerFailGrace->setSingleShot(true);
        connect(m_writerFailGrace.get(), &QTimer::timeout, this, [this] {
            if (m_running && !m_writerError.isEmpty() && m_author)
                m_author->abort(); // its aborted status ends the run
        });
    }
    m_writerFailGrace->start(kWriterFailGraceMs);
}

void GenerationController::onCompileEnd()
{
    if (m_compileHandled || m_phase != Encoding)
        return;
    m_compileHandled = true;
    m_writer->stop();
    m_writer->clearWriters();
    if (m_writer->hasFailed()) {
        fail(tr("Encoding failed: %1").arg(m_writer->errorString()));
        return;
    }
    if (!m_streaming) {
        deferStep(&GenerationController::startAuthoring);
        return;
    }
    if (m_pass == AudioPass) {
        qCInfo(lcGeneration) << "soundtrack encoded in" << m_passClock.restart() << "ms";
        deferStep(&GenerationController::startStreamingAuthor);
        return;
    }
    qCInfo(lcGeneration) << "video encoded in" << m_passClock.restart() << "ms";
    // The last frame is in the pipe and the pipe is closed: what is left
    // of authoring is mplex's and dvdauthor's tail.
    m_videoComplete = true;
    m_phase = Authoring;
    Q_EMIT stepChanged(CreatingDVD, tr("Creating DVD..."));
    Q_EMIT progressChanged(m_authorPercent);
    if (m_authorSucceeded)
        deferStep(&GenerationController::startDelivery);
}

void GenerationController::addAuthorStreams()
{
    m_author = std::make_unique<DvdAuthoring>();
    // The queued reports of an author from an earlier run must not reach
    // this one.
    const int run = m_runId;
    connect(m_author.get(), &DvdAuthoring::progressChanged, this, [this, run](int p) {
        if (run != m_runId)
            return;
        m_authorPercent = p;
        if (m_phase == Authoring)
            Q_EMIT progressChanged(p);
    });
    connect(m_author.get(), &DvdAuthoring::statusChanged, this,
            [this, run](DvdAuthoring::AuthorStatus status, int title) {
                if (run == m_runId)
                    onAuthorStatus(int(status), title);
            });
}

void GenerationController::startAuthoring()
{
    if (m_abortRequested) {
        finish(false, tr("Aborted"));
        return;
    }
    m_phase = Authoring;
    Q_EMIT stepChanged(CreatingDVD, tr("Creating DVD..."));
    Q_EMIT progressChanged(0);
    addAuthorStreams();
    const QString videoPath = QDir::toNativeSeparators(m_workFolder + QStringLiteral("/video.m2v"));
    const QString audioPath = QDir::toNativeSeparators(m_workFolder + QStringLiteral("/audio.ac3"));
    if (!m_author->addVideo(videoPath, 0)) {
        fail(tr("The encoded video is missing."));
        return;
    }
    m_author->addAudio(audioPath, QStringLiteral("English"), 0);
    m_author->setAspectRatio(DvdAuthoring::Ratio4x3);
    m_author->setTempPath(m_workFolder);
    m_author->setTVStandard(m_request.tvStandard == TvStandard::Pal ? DvdAuthoring::PAL : DvdAuthoring::NTSC);
    m_author->setEndOfShow(m_request.atEnd == ShowEnd::Stop ? DvdAuthoring::Stop : DvdAuthoring::PlayAgain);
    // The DVD is authored in the working folder; the burn workflow moves it
    // into place only once it is complete.
    m_author->start();
}

void GenerationController::startStreamingAuthor()
{
    if (m_abortRequested) {
        finish(false, tr("Aborted"));
        return;
    }
    ignoreBrokenPipes();
    addAuthorStreams();
    const QString videoPath = m_workFolder + QStringLiteral("/video.m2v");
    if (!m_author->addVideo(videoPath, 0) ||
        !m_author->addAudio(m_workFolder + QStringLiteral("/audio.ac3"), QStringLiteral("English"), 0)) {
        fail(tr("The encoded streams are missing."));
        return;
    }
    m_author->setAspectRatio(DvdAuthoring::Ratio4x3);
    m_author->setTempPath(m_workFolder);
    m_author->setTVStandard(m_request.tvStandard == TvStandard::Pal ? DvdAuthoring::PAL : DvdAuthoring::NTSC);
    m_author->setEndOfShow(m_request.atEnd == ShowEnd::Stop ? DvdAuthoring::Stop : DvdAuthoring::PlayAgain);
    m_author->setExpectedSize(
        qint64(estimateDvdSize(m_request.videoBitRate, m_request.audioBitRate, m_album->videoLength())));
    m_author->start();

    // The video pass starts once mplex reads the pipe; opening it before
    // would block until it does, or for ever if mplex never comes.
    m_pass = WaitingForReader;
    m_passClock.start();
    if (!m_pipeWait) {
        m_pipeWait = std::make_unique<QTimer>();
        m_pipeWait->setInterval(5);
        connect(m_pipeWait.get(), &QTimer::timeout, this, &GenerationController::openVideoPipe);
    }
    m_pipeWait->start();
}

void GenerationController::openVideoPipe()
{
    if (!m_running || m_phase != Encoding || m_pass != WaitingForReader) {
        m_pipeWait->stop();
        return;
    }
    const QByteArray path = QFile::encodeName(m_workFolder + QStringLiteral("/video.m2v"));
    // Succeeds only once a reader has the pipe open.
    const UniqueFd probe(::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (probe.get() < 0) {
        if (errno == ENXIO && m_passClock.elapsed() < kReaderWaitMs)
            return; // not yet; a failing author ends the run through its status
        m_pipeWait->stop();
        const QString reason = errno == ENXIO ? tr("mplex did not start reading the video")
                                              : QString::fromLocal8Bit(::strerror(errno));
        fail(tr("Failed to create DVD!") + QLatin1Char('\n') + reason);
        return;
    }
    m_pipeWait->stop();
    // A deeper pipe (about a second of video instead of 64 KiB) lets the
    // encoder go on while mplex waits for a core, and the other way round.
    if (::fcntl(probe.get(), F_SETPIPE_SZ, kVideoPipeBytes) < 0)
        qCDebug(lcGeneration) << "the video pipe keeps its size:" << ::strerror(errno);
    // A reader of our own, held while the stream opens, so that the open
    // cannot block even if mplex went away in between (the first write then
    // fails instead).
    const UniqueFd keeper(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (addVideoWriter(QFile::decodeName(path)))
        startVideoPass();
}

bool GenerationController::addVideoWriter(const QString &path)
{
    auto video = std::make_unique<StreamWriter>();
    if (!video->open(path, VideoStreamParams::dvd(m_request.tvStandard, m_request.videoBitRate),
                     AudioStreamParams())) {
        fail(tr("Cannot create the video stream: %1").arg(video->errorString()));
        return false;
    }
    if (!m_writer->addWriter(std::move(video))) {
        fail(m_writer->errorString());
        return false;
    }
    return true;
}

void GenerationController::startVideoPass()
{
    qCInfo(lcGeneration) << "mplex read the video pipe after" << m_passClock.restart() << "ms";
    m_pass = VideoPass;
    m_compileHandled = false;
    if (!m_writer->start())
        fail(tr("Cannot start encoding: %1").arg(m_writer->errorString()));
}

QString GenerationController::authorFailureText() const
{
    if (!m_author)
        return QString();
    const int status = m_author->processStatus();
    if (status != DvdAuthoring::MplexFailed && status != DvdAuthoring::SpumuxFailed &&
        status != DvdAuthoring::AuthorFailed)
        return QString();
    // The cause as the authoring tools gave it.
    const QString reason = m_author->errorString();
    return reason.isEmpty() ? tr("Failed to create DVD!")
                            : tr("Failed to create DVD!") + QLatin1Char('\n') + reason;
}

void GenerationController::onAuthorStatus(int status, int title)
{
    if (status >= 0 && status < int(sizeof kStatusTexts / sizeof *kStatusTexts)) {
        QString text = QString::fromLatin1(kStatusTexts[status]);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(title);
        qCDebug(lcGeneration).noquote() << "authoring:" << text;
    }
    // A streamed run authors while it encodes.
    if (m_phase != Authoring && !(m_streaming && m_phase == Encoding))
        return;
    switch (status) {
    case DvdAuthoring::AuthorSucceeded:
        if (m_streaming)
            qCInfo(lcGeneration) << "authoring ended" << m_passClock.elapsed() << "ms after the video";
        if (m_videoComplete || !m_streaming) {
            deferStep(&GenerationController::startDelivery);
        } else if (m_writerError.isEmpty() && m_phase == Encoding && m_pass == VideoPass) {
            // The video pass has handed over every frame and closed the
            // pipe; its end is on its way.
            m_authorSucceeded = true;
        } else {
            // A DVD made from less than the whole video is no result.
            fail(m_writerError.isEmpty()
                     ? tr("Failed to create DVD!") + QLatin1Char('\n') + tr("The video ended early.")
                     : tr("Encoding failed: %1").arg(m_writerError));
        }
        break;
    case DvdAuthoring::MplexFailed:
    case DvdAuthoring::SpumuxFailed:
    case DvdAuthoring::AuthorFailed:
        fail(m_abortRequested ? tr("Aborted") : authorFailureText());
        break;
    case DvdAuthoring::MplexAborted:
    case DvdAuthoring::SpumuxAborted:
    case DvdAuthoring::AuthorAborted:
        fail(!m_writerError.isEmpty() && !m_abortRequested ? tr("Encoding failed: %1").arg(m_writerError)
                                                           : tr("Aborted"));
        break;
    default:
        break;
    }
}

void GenerationController::startDelivery()
{
    if (m_abortRequested) {
        finish(false, tr("Aborted"));
        return;
    }
    m_phase = Delivering;
    m_burnSucceeded = false;
    m_burner->startDelivery();
}

void GenerationController::burnNext()
{
    if (!m_running && m_resultHeld) {
        // One more copy of the finished DVD: a run of its own.
        m_resultHeld = false;
        m_running = true;
        ++m_runId;
        m_abortRequested = false;
        m_waitingForNextBurn = false;
        m_phase = Delivering;
        m_burnMessage.clear();
        m_burnSucceeded = false;
        m_burner->setCopies(1);
        m_burner->startDelivery();
        return;
    }
    if (m_phase != Delivering)
        return;
    m_waitingForNextBurn = false;
    if (m_abortRequested) {
        fail(tr("Aborted"));
        return;
    }
    m_burnSucceeded = false;
    m_burner->startDelivery();
}

void GenerationController::releaseResult()
{
    if (m_running || !m_resultHeld)
        return;
    m_resultHeld = false;
    cleanUp();
}

void GenerationController::onBurnFinished(const BurnResult &result)
{
    m_burnMessage = result.message;
    m_burnSucceeded = result.outcome == BurnResult::Done;
    const bool ok = m_burnSucceeded;
    const bool afterDone = result.runAfterMaking;
    if (m_phase == Checking) {
        // A disc check that ended without ready() (cancelled or failed).
        fail(m_burnMessage.isEmpty() ? tr("Disc checking stopped") : m_burnMessage);
        return;
    }
    if (m_phase != Delivering)
        return;
    if (!ok) {
        fail(m_abortRequested ? tr("Aborted") : m_burnMessage);
        return;
    }
    finish(true, QString());
    if (afterDone && m_request.afterMaking != AfterMakingAction::DoNothing) {
        PowerAction power(afterMakingActionCode(m_request.afterMaking));
        power.exec();
    }
}

void GenerationController::abort()
{
    if (!m_running || m_abortRequested)
        return;
    m_abortRequested = true;
    switch (m_phase) {
    case Checking:
        m_burner->stop();
        fail(tr("Aborted"));
        break;
    case Encoding:
        fail(tr("Aborted")); // stops the writer and removes its files
        break;
    case Authoring:
        // The author reports its aborted status; that ends the run.
        m_author->abort();
        break;
    case Delivering:
        // A running job reports its end, and a failure then ends the burn
        // instead of offering another try. Between a failed burn and the
        // next try no job runs that could report: the run ends here.
        m_burner->stop();
        if (m_waitingForNextBurn)
            fail(tr("Aborted"));
        break;
    default:
        break;
    }
}

void GenerationController::fail(const QString &message)
{
    finish(false, message);
}

void GenerationController::finish(bool ok, const QString &message)
{
    if (!m_running)
        return;
    if (m_pipeWait)
        m_pipeWait->stop();
    if (m_writerFailGrace)
        m_writerFailGrace->stop();
    if (m_writer)
        m_writer->stop();
    // The author goes before the writer closes the video pipe: mplex must
    // never see the end of a stream that was cut short.
    if (m_author && m_author->isRunning()) {
        m_author->abort();
        m_author->wait();
    }
    if (m_writer)
        m_writer->clearWriters();
    if (m_streaming) {
        // The video pipe holds nothing; left in a kept working folder it
        // would keep whatever opens it waiting.
        const QByteArray pipe = QFile::encodeName(m_workFolder + QStringLiteral("/video.m2v"));
        struct stat st = {};
        if (::lstat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode))
            ::unlink(pipe.constData());
    }
    // A burnt DVD's folder may serve further copies.
    if (ok && m_request.holdResult && m_request.destination.type == Destination::Burner)
        m_resultHeld = true;
    else
        cleanUp();
    m_phase = Idle;
    m_running = false;
    Q_EMIT finished(ok, message);
}

void GenerationController::cleanUp()
{
    if (m_workFolder.isEmpty() || !m_request.deleteTemp)
        return;
    QDir dir(m_workFolder);
    // Only the run's own folder, which the run created.
    if (QFileInfo(m_workFolder).fileName().startsWith(QLatin1String("sorvel-run-")))
        dir.removeRecursively();
}
