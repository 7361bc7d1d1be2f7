#include "job/makejob.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>

#include "album/appsettings.h"
#include "burning/burnworkflow.h"
#include "burning/dvdburner.h"
#include "burning/runquestions.h"
#include "burning/diskspace.h"
#include "framework/poweraction.h"
#include "job/dvdgeneration.h"
#include "job/videogeneration.h"

Q_LOGGING_CATEGORY(lcJob, "sorvel.job")

MakeJob::MakeJob(QObject *parent) : QObject(parent), m_burner(std::make_unique<BurnWorkflow>())
{
    qRegisterMetaType<JobResult>();
    connectWorkflow();
}

MakeJob::~MakeJob()
{
    // A run cut short by the job's end still ends its parts and leaves no
    // working folder behind.
    m_generation.reset();
    m_videoGeneration.reset();
    if (m_running && m_request.output == MakeRequest::Output::Dvd)
        DVDBurner::instance()->stop();
    m_burner.reset();
    if (m_running || m_resultHeld)
        cleanUp();
}

quint64 MakeJob::estimateDvdSize(int videoBitRate, int audioBitRate, double seconds)
{
    return DvdGeneration::estimateDvdSize(videoBitRate, audioBitRate, seconds);
}

void MakeJob::setQuestions(RunQuestions *questions)
{
    m_questions = questions;
    m_burner->setQuestions(questions);
}

BurnWorkflow *MakeJob::burnWorkflow() const
{
    return m_burner.get();
}

void MakeJob::setStage(JobStage stage)
{
    if (stage == m_stage)
        return;
    m_stage = stage;
    Q_EMIT stageChanged(stage);
}

void MakeJob::setCanAbort(bool canAbort)
{
    if (canAbort == m_canAbort)
        return;
    m_canAbort = canAbort;
    Q_EMIT canAbortChanged(canAbort);
}

void MakeJob::deferStep(void (MakeJob::*step)())
{
    // The next step starts outside the signal that ended the previous one,
    // and only if the run it belongs to is still going.
    const int run = m_runId;
    QTimer::singleShot(0, this, [this, run, step] {
        if (run == m_runId && m_running)
            (this->*step)();
    });
}

bool MakeJob::createWorkFolder(QString *error)
{
    QString base = m_request.tempBase;
    if (base.isEmpty())
        base = AppSettings::temporaryDir(AppSettings::pref());
    if (!QDir().mkpath(base)) {
        *error = tr("The temporary folder %1 does not exist and cannot be created.")
                     .arg(QDir::toNativeSeparators(base));
        return false;
    }
    // What a killed run left behind goes first: its folder may hold
    // gigabytes of video.
    removeStaleWorkFolders(base);
    // Each run works in a folder of its own, so that clean-up never touches
    // anything else in the temporary folder.
    QTemporaryDir dir(QDir(base).absoluteFilePath(QStringLiteral("sorvel-run-XXXXXX")));
    if (!dir.isValid()) {
        *error = tr("Cannot create a working folder in %1: %2")
                     .arg(QDir::toNativeSeparators(base), dir.errorString());
        return false;
    }
    // The folder's owner: a lock file naming this process, held for the
    // run. A later run removes the folder once the process is gone.
    auto lock = std::make_unique<QLockFile>(dir.path() + QLatin1Char('/') + QLatin1String(kWorkFolderLock));
    if (!lock->tryLock(0)) {
        *error = tr("Cannot create a working folder in %1: %2")
                     .arg(QDir::toNativeSeparators(base), tr("the folder cannot be marked as in use"));
        return false; // the QTemporaryDir removes the folder
    }
    dir.setAutoRemove(false);
    m_workLock = std::move(lock);
    m_workFolder = QDir(dir.path()).absolutePath();
    return true;
}

QString MakeJob::sizeText(quint64 bytes)
{
    return tr("%1 GB").arg(double(bytes) / 1e9, 0, 'f', 1);
}

bool MakeJob::checkCapacity()
{
    const quint64 estimate =
        estimateDvdSize(m_request.videoBitRate, m_request.audioBitRate, m_request.album.videoLength());
    if (estimate <= kLargestDiscBytes)
        return true;
    const QString needs = tr("The show needs about %1, more than the largest DVD holds (%2 on a double-layer "
                             "disc).")
                              .arg(sizeText(estimate), sizeText(kLargestDiscBytes));
    if (m_request.destination.type == Destination::Iso) {
        // An image may serve elsewhere than on a disc: made only when the
        // person says so.
        RunQuestions *questions = m_burner->questions();
        const QString text = needs + QLatin1Char(' ') + tr("No DVD can hold the image. Make it anyway?");
        if (questions && questions->confirm(RunQuestions::Confirmation::OversizedImage, text))
            return true;
        if (m_running)
            finish(JobResult::Aborted, needs);
        return false;
    }
    finish(JobResult::Failed,
           needs + QLatin1Char(' ') + tr("Choose a lower quality, or make the show shorter (fewer photos or a "
                                         "shorter time for each)."));
    return false;
}

int MakeJob::removeStaleWorkFolders(const QString &base)
{
    int removed = 0;
    const QFileInfoList entries = QDir(base).entryInfoList(
        {QStringLiteral("sorvel-run-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        // Only a run's folder: one with the owner's lock file in it, whose
        // owner has died. A folder without one (a run just starting, one
        // kept on purpose, anything of the user's) stays.
        const QString lockPath = entry.absoluteFilePath() + QLatin1Char('/') + QLatin1String(kWorkFolderLock);
        if (entry.isSymLink() || !QFileInfo(lockPath).isFile())
            continue;
        QLockFile lock(lockPath);
        lock.setStaleLockTime(0); // stale as soon as its process is gone
        if (!lock.tryLock(0))
            continue; // a live run owns it
        lock.unlock();
        if (QDir(entry.absoluteFilePath()).removeRecursively()) {
            qCInfo(lcJob) << "removed the working folder of a run that ended abnormally"
                          << entry.absoluteFilePath();
            ++removed;
        }
    }
    return removed;
}

bool MakeJob::start(const MakeRequest &request)
{
    if (m_running)
        return false;
    releaseResult();
    m_request = request;
    m_running = true;
    ++m_runId;
    m_abortRequested = false;
    m_delivering = false;
    m_waitingForNextBurn = false;
    m_outputPath.clear();
    m_workFolder.clear(); // clean-up must never reach an earlier run's folder
    m_stage = JobStage::Idle;
    setCanAbort(true);
    Q_EMIT started();

    setStage(JobStage::CheckingDestination);
    // Missing photos and clips are not made (the caller has said so).
    m_request.album = request.album.present();
    if (m_request.album.photos.isEmpty()) {
        finish(JobResult::Failed, tr("The album has no photos."));
        return true;
    }
    if (request.output == MakeRequest::Output::VideoFile) {
        startVideoFile();
        return true;
    }
    if (!checkCapacity())
        return true;
    QString error;
    if (!createWorkFolder(&error)) {
        finish(JobResult::Failed, error);
        return true;
    }
    qCInfo(lcJob) << "working folder" << m_workFolder;

    // The workflow checks the destination (it may ask) and answers ready()
    // when the run may go on, or says why it cannot.
    m_burner->setDestination(request.destination);
    m_burner->setSpeed(request.speed);
    m_burner->setCopies(qMax(1, request.copies));
    m_burner->setWorkFolder(m_workFolder);
    m_burner->setDvdFolder(m_workFolder + QStringLiteral("/dvd"));
    m_burner->setDvdSize(
        estimateDvdSize(request.videoBitRate, request.audioBitRate, m_request.album.videoLength()));
    const CheckOutcome check = m_burner->checkDestination();
    if (check.verdict == CheckOutcome::Refused && m_running && m_stage == JobStage::CheckingDestination)
        finish(JobResult::Failed, check.message);
    return true;
}

void MakeJob::connectWorkflow()
{
    BurnWorkflow *burner = m_burner.get();
    connect(burner, &BurnWorkflow::ready, this, &MakeJob::onDestinationReady);
    connect(burner, &BurnWorkflow::progressChanged, this, [this](int percent) {
        if (m_delivering)
            Q_EMIT progressChanged(percent);
    });
    connect(burner, &BurnWorkflow::canAbortChanged, this, [this](bool on) {
        if (m_running)
            setCanAbort(on);
    });
    connect(burner, &BurnWorkflow::stageChanged, this, &MakeJob::onBurnStage);
    connect(burner, &BurnWorkflow::nextDiscNeeded, this, [this] {
        // The next copy (or another try of a failed one) follows once the
        // workflow's own report has returned; no burn job runs until then.
        if (!m_delivering)
            return;
        m_waitingForNextBurn = true;
        Q_EMIT nextCopyStarting();
        deferStep(&MakeJob::burnNextCopy);
    });
    connect(burner, &BurnWorkflow::finished, this, &MakeJob::onBurnFinished);
}

void MakeJob::onDestinationReady()
{
    if (!m_running || m_stage != JobStage::CheckingDestination)
        return;
    if (m_request.destination.type == Destination::Folder)
        m_outputPath = m_burner->dvdFolderPath();
    else
        m_outputPath = m_burner->destination().path;
    // Start outside the burner's signal.
    deferStep(&MakeJob::startGeneration);
}

void MakeJob::startGeneration()
{
    if (m_abortRequested) {
        finish(JobResult::Aborted, tr("Aborted"));
        return;
    }
    setCanAbort(true);
    m_generation = std::make_unique<DvdGeneration>();
    connect(m_generation.get(), &DvdGeneration::videoStarted, this, [this] {
        setStage(JobStage::CreatingVideo);
        Q_EMIT progressChanged(0);
    });
    connect(m_generation.get(), &DvdGeneration::authoringTail, this,
            [this] { setStage(JobStage::CreatingDvd); });
    connect(m_generation.get(), &DvdGeneration::progressChanged, this, &MakeJob::progressChanged);
    connect(m_generation.get(), &DvdGeneration::finished, this, &MakeJob::onGenerationFinished);
    DvdGenerationSettings settings;
    settings.tvStandard = m_request.tvStandard;
    settings.videoBitRate = m_request.videoBitRate;
    settings.audioBitRate = m_request.audioBitRate;
    settings.audioChannels = m_request.audioChannels;
    settings.atEnd = m_request.atEnd;
    settings.audioLanguage = m_request.audioLanguage;
    settings.aspect = m_request.aspect;
    settings.chapters = m_request.chapters;
    settings.menu = m_request.menu;
    settings.menuTitle = m_request.menuChoices.title.trimmed().isEmpty() ? m_request.destination.volumeLabel
                                                                         : m_request.menuChoices.title;
    settings.menuChoices = m_request.menuChoices;
    settings.endsWithProcess = m_request.endsWithProcess;
    m_generation->start(m_request.album, settings, m_workFolder);
}

QString MakeJob::videoFileProblem(bool *declined)
{
    *declined = false;
    const QString file = m_request.videoFile;
    const QString native = QDir::toNativeSeparators(file);
    if (file.isEmpty() || !QFileInfo(file).isAbsolute())
        return tr("Please choose the video file.");
    const QFileInfo info(file);
    if (info.isDir())
        return tr("%1 is a folder; please choose a file name.").arg(native);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isWritable())
        return tr("Cannot write to the folder %1.").arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (info.exists() && !info.isWritable())
        return tr("Cannot write to %1.").arg(native);
    const quint64 estimate =
        estimateVideoFileSize(m_request.album.video, m_request.album.videoLength());
    const DiskSpace::Info disk = DiskSpace::query(folder.absoluteFilePath());
    if (DiskSpace::isFat32(disk) && estimate >= (quint64(4) << 30))
        return tr("The file system of %1 does not support files larger than 4 GB; please choose another "
                  "place.")
            .arg(disk.root);
    if (info.exists()) {
        const bool yes = m_questions &&
                         m_questions->confirm(RunQuestions::Confirmation::OverwriteFile,
                                              tr("The file \"%1\" will be overwritten. Do you want to continue?")
                                                  .arg(native));
        if (!yes) {
            *declined = true;
            return QString();
        }
    }
    // The old file stays until the new one is complete: both need room.
    if (disk.present && disk.available < estimate)
        return tr("Not enough space available on %1: the video needs about %2 MB.")
            .arg(disk.root)
            .arg((estimate + (1 << 20) - 1) >> 20);
    return QString();
}

void MakeJob::startVideoFile()
{
    m_outputPath = m_request.videoFile;
    bool declined = false;
    const QString problem = videoFileProblem(&declined);
    if (declined) {
        finish(JobResult::Failed, QString());
        return;
    }
    if (!problem.isEmpty()) {
        finish(JobResult::Failed, problem);
        return;
    }
    deferStep(&MakeJob::startVideoGeneration);
}

void MakeJob::startVideoGeneration()
{
    if (m_abortRequested) {
        finish(JobResult::Aborted, tr("Aborted"));
        return;
    }
    setStage(JobStage::CreatingVideo);
    Q_EMIT progressChanged(0);
    m_videoGeneration = std::make_unique<VideoGeneration>();
    connect(m_videoGeneration.get(), &VideoGeneration::progressChanged, this, &MakeJob::progressChanged);
    connect(m_videoGeneration.get(), &VideoGeneration::finished, this, [this](bool ok, const QString &message) {
        if (!m_running)
            return;
        if (!ok)
            finish(m_abortRequested ? JobResult::Aborted : JobResult::Failed, message);
        else
            finish(JobResult::Succeeded, QString());
    });
    m_videoGeneration->start(m_request.album, m_request.videoFile, m_request.endsWithProcess);
}

void MakeJob::onGenerationFinished(bool ok, const QString &message)
{
    if (!m_running)
        return;
    if (!ok) {
        finish(m_abortRequested ? JobResult::Aborted : JobResult::Failed, message);
        return;
    }
    deferStep(&MakeJob::startDelivery);
}

void MakeJob::startDelivery()
{
    if (m_abortRequested) {
        finish(JobResult::Aborted, tr("Aborted"));
        return;
    }
    m_delivering = true;
    m_burner->startDelivery();
}

void MakeJob::burnNext()
{
    if (!m_running && m_resultHeld) {
        // One more copy of the finished DVD: a run of its own.
        m_resultHeld = false;
        m_running = true;
        ++m_runId;
        m_abortRequested = false;
        m_waitingForNextBurn = false;
        m_stage = JobStage::Idle;
        m_delivering = true;
        m_burner->setCopies(1);
        m_burner->startDelivery();
        return;
    }
}

void MakeJob::burnNextCopy()
{
    if (!m_running || !m_waitingForNextBurn)
        return;
    m_waitingForNextBurn = false;
    if (m_abortRequested) {
        finish(JobResult::Aborted, tr("Aborted"));
        return;
    }
    m_burner->startDelivery();
}

void MakeJob::releaseResult()
{
    if (m_running || !m_resultHeld)
        return;
    m_resultHeld = false;
    cleanUp();
}

void MakeJob::onBurnStage(BurnStage stage)
{
    if (!m_running)
        return;
    switch (stage) {
    case BurnStage::CreatingFolder:
        setStage(JobStage::CreatingFolder);
        break;
    case BurnStage::CreatingIso:
        setStage(JobStage::CreatingIso);
        break;
    case BurnStage::CheckingDisc:
        // The check before the run's encoding is part of checking the
        // destination.
        if (m_stage != JobStage::CheckingDestination)
            setStage(JobStage::CheckingDisc);
        break;
    case BurnStage::ErasingDisc:
        setStage(JobStage::ErasingDisc);
        break;
    case BurnStage::BurningDisc:
        setStage(JobStage::BurningDisc);
        break;
    case BurnStage::FinalizingDisc:
        setStage(JobStage::FinalizingDisc);
        break;
    }
}

void MakeJob::onBurnFinished(const BurnResult &result)
{
    if (!m_running)
        return;
    const bool aborted = m_abortRequested || result.outcome == BurnResult::Aborted;
    if (m_stage == JobStage::CheckingDestination) {
        // A disc check that ended without the destination being ready
        // (cancelled or failed).
        finish(aborted ? JobResult::Aborted : JobResult::Failed,
               result.message.isEmpty() ? tr("Disc checking stopped") : result.message);
        return;
    }
    if (!m_delivering)
        return;
    if (result.outcome != BurnResult::Done) {
        finish(aborted ? JobResult::Aborted : JobResult::Failed, aborted ? tr("Aborted") : result.message);
        return;
    }
    finish(JobResult::Succeeded, QString());
    if (result.runAfterMaking)
        runAfterMakingAction();
}

void MakeJob::runAfterMakingAction()
{
    if (m_request.afterMaking == AfterMakingAction::DoNothing)
        return;
    PowerAction power(afterMakingActionCode(m_request.afterMaking));
    if (!power.exec())
        qCWarning(lcJob) << "the action after making failed:" << power.lastError();
}

void MakeJob::abort()
{
    if (!m_running || m_abortRequested || !m_canAbort)
        return;
    m_abortRequested = true;
    if (m_request.output == MakeRequest::Output::VideoFile) {
        // The generation reports its end (the part file removed); before
        // it started there is nothing to stop.
        if (m_videoGeneration && m_videoGeneration->isRunning())
            m_videoGeneration->abort();
        else
            finish(JobResult::Aborted, tr("Aborted"));
        return;
    }
    switch (m_stage) {
    case JobStage::CheckingDestination:
        m_burner->stop();
        finish(JobResult::Aborted, tr("Aborted"));
        break;
    case JobStage::CreatingVideo:
    case JobStage::CreatingDvd:
        // The generation reports its end; that ends the run.
        if (m_generation && m_generation->isRunning())
            m_generation->abort();
        else
            finish(JobResult::Aborted, tr("Aborted"));
        break;
    default:
        // A running burn job reports its end, and a failure then ends the
        // run instead of offering another try. Between a failed burn and the
        // next try no job runs that could report: the run ends here.
        m_burner->stop();
        if (m_waitingForNextBurn)
            finish(JobResult::Aborted, tr("Aborted"));
        break;
    }
}

void MakeJob::finish(JobResult::Outcome outcome, const QString &message)
{
    if (!m_running)
        return;
    if (m_generation && m_generation->isRunning()) {
        // Stopped at once; its own end is not reported.
        disconnect(m_generation.get(), nullptr, this, nullptr);
        m_generation.reset();
    }
    if (m_videoGeneration && m_videoGeneration->isRunning()) {
        disconnect(m_videoGeneration.get(), nullptr, this, nullptr);
        m_videoGeneration.reset(); // removes its part file
    }
    JobResult result;
    result.outcome = outcome;
    result.message = outcome == JobResult::Succeeded ? QString() : message;
    result.lastStage = m_stage;
    result.outputPath = m_outputPath;
    result.videoFile = m_request.output == MakeRequest::Output::VideoFile;
    result.target = result.videoFile ? Destination::None : m_request.destination.type;
    // A burnt DVD's folder may serve further copies.
    if (outcome == JobResult::Succeeded && m_request.holdResult && !result.videoFile &&
        m_request.destination.type == Destination::Burner)
        m_resultHeld = true;
    else
        cleanUp();
    m_running = false;
    m_delivering = false;
    m_waitingForNextBurn = false;
    setCanAbort(true);
    Q_EMIT finished(result);
}

void MakeJob::cleanUp()
{
    // The lock goes first: a folder kept on purpose (Preferences) has no
    // owner, and a later run never takes it for a killed run's folder.
    if (m_workLock) {
        m_workLock->unlock();
        m_workLock.reset();
    }
    if (m_workFolder.isEmpty() || !m_request.deleteTemp)
        return;
    QDir dir(m_workFolder);
    // Only the run's own folder, which the run created.
    if (QFileInfo(m_workFolder).fileName().startsWith(QLatin1String("sorvel-run-")))
        dir.removeRecursively();
}
