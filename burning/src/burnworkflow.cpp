#include "burning/burnworkflow.h"

#include "burnerlog.h"
#include "burning/diskspace.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

namespace {

const quint64 kFat32Limit = quint64(4294967296ULL);

// The phases whose title is set once, on their first progress report.
enum Phase { PhaseNone = 0, PhaseWriting = 2, PhaseErasing = 3 };

QString quotedNative(const QString &path)
{
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

// The nearest folder of a path that exists (the path itself if it does);
// empty when the nearest existing part is no folder.
QString nearestExistingFolder(QString path)
{
    path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(path)) {
        const QString parent = QFileInfo(path).absolutePath();
        if (parent == path)
            return QString();
        path = parent;
    }
    return QFileInfo(path).isDir() ? path : QString();
}

// Why something cannot be written at a path: an existing file is opened
// for writing (nothing is changed); in an existing folder, or for a path
// still to be created in the nearest existing folder, a file is created
// and removed again. Empty when writing works.
QString writeProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return QString();
    }
    const QString folder = nearestExistingFolder(path);
    if (folder.isEmpty())
        return QString::fromLocal8Bit(std::strerror(ENOTDIR));
    QByteArray pattern = QFile::encodeName(folder + QStringLiteral("/.sorvel-write-check-XXXXXX"));
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    ::unlink(pattern.constData());
    return QString();
}

} // namespace

namespace {
QString outputMissingText()
{
    return BurnWorkflow::tr("The output folder does not exist, please set the output folder and try again.");
}
QString tempMissingText()
{
    return BurnWorkflow::tr(
        "The temporary folder does not exist, please set the temporary folder and try again.");
}
QString busyText()
{
    return BurnWorkflow::tr("Another disc job is still running; please try again later.");
}
QString retryQuestion()
{
    return BurnWorkflow::tr("Burn process failed. Do you want to try again.");
}
CheckOutcome refused(const QString &message)
{
    return {CheckOutcome::Refused, message};
}
const CheckOutcome kReady{CheckOutcome::Ready, QString()};

// An answer handed from the workflow's thread to a job waiting for it, with
// standard primitives, which the thread sanitizer sees.
struct PendingDecision {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<DiscDecision> decision;
};
} // namespace

BurnWorkflow::BurnWorkflow(QObject *parent)
    : QObject(parent), m_detached(std::make_shared<std::atomic<bool>>(false))
{
    qRegisterMetaType<BurnStage>("BurnStage");
    qRegisterMetaType<BurnResult>("BurnResult");
    qRegisterMetaType<BurnError>("BurnError");
}

BurnWorkflow::~BurnWorkflow()
{
    // From here on the engine gets no more answers from this object; a job
    // waiting for one is released at once.
    *m_detached = true;
    DVDBurner::instance()->stopAllJobs();
    m_deviceThread.stop(5000);
}

void BurnWorkflow::setDestination(const Destination &destination)
{
    m_destination = destination.normalized();
}

Destination::Type BurnWorkflow::workingType() const
{
    // Once generation began the run keeps its type.
    return m_startedType != Destination::None ? m_startedType : m_destination.type;
}

bool BurnWorkflow::confirm(RunQuestions::Confirmation what, const QString &text)
{
    return m_questions && m_questions->confirm(what, text);
}

void BurnWorkflow::setCanAbort(bool canAbort)
{
    Q_EMIT canAbortChanged(canAbort);
}

bool BurnWorkflow::isValidVolumeLabel(const QString &label)
{
    if (label.isEmpty())
        return false;
    static const QString edges = QStringLiteral(". \t");
    if (edges.contains(label.front()) || edges.contains(label.back()))
        return false;
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    for (const QChar c : label) {
        if (forbidden.contains(c))
            return false;
    }
    return true;
}

QString BurnWorkflow::dvdFolderPath() const
{
    if (m_destination.type != Destination::Folder)
        return QString();
    QString name = m_destination.label();
    if (!isValidVolumeLabel(name)) {
        const QDate today = QDate::currentDate();
        name = QStringLiteral("%1%2%3")
                   .arg(today.year())
                   .arg(today.month(), 2, 10, QLatin1Char('0'))
                   .arg(today.day(), 2, 10, QLatin1Char('0'));
    }
    return QDir::cleanPath(m_destination.path + QLatin1Char('/') + name);
}

QString BurnWorkflow::sizeText(quint64 bytes, const QString &unit)
{
    double value = double(bytes);
    const QString u = unit.toUpper();
    if (u == QLatin1String("G"))
        value /= double(quint64(1) << 30);
    else if (u == QLatin1String("M"))
        value /= double(quint64(1) << 20);
    else if (u == QLatin1String("K"))
        value /= double(quint64(1) << 10);
    // The number in the language's own way ("1,50" in German); the unit's
    // abbreviation is translated too (French writes "Go").
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString number = locale.toString(value, 'f', 2);
    if (u == QLatin1String("G"))
        return tr("%1 GB").arg(number);
    if (u == QLatin1String("M"))
        return tr("%1 MB").arg(number);
    if (u == QLatin1String("K"))
        return tr("%1 KB").arg(number);
    return tr("%1 B", "bytes").arg(number);
}

bool BurnWorkflow::removeOwnContent(const QString &folder)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return true;
    bool ok = true;
    for (const QString &sub : {QStringLiteral("VIDEO_TS"), QStringLiteral("AUDIO_TS")}) {
        QDir own(dir.filePath(sub));
        if (own.exists() && !own.removeRecursively())
            ok = false;
    }
    const QStringList staged =
        dir.entryList({QStringLiteral("sorvel-burn-*.iso")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &file : staged)
        ok = dir.remove(file) && ok;
    return ok;
}

bool BurnWorkflow::hasFreeSpace(const QString &path, quint64 needed)
{
    const DiskSpace::Info info = DiskSpace::query(path);
    return info.present && info.available > needed;
}

QString BurnWorkflow::spaceProblem(const QString &destination) const
{
    const DiskSpace::Info tmp = DiskSpace::query(m_workFolder);
    const DiskSpace::Info dst = DiskSpace::query(destination);
    const QString tempMessage =
        tr("Not enough free space available in the disk which the temporary folder is "
           "located in. At least %1 disk space is needed in disk %2.");
    if (DiskSpace::sameDisk(tmp, dst)) {
        if (!hasFreeSpace(m_workFolder, 2 * m_dvdSize))
            return tempMessage.arg(sizeText(2 * m_dvdSize, QStringLiteral("M")), tmp.root);
        return QString();
    }
    if (!hasFreeSpace(m_workFolder, m_dvdSize))
        return tempMessage.arg(sizeText(m_dvdSize, QStringLiteral("M")), tmp.root);
    if (!hasFreeSpace(destination, m_dvdSize)) {
        return tr("Not enough space available in the target disk. At least %1 of disk space is needed in %2 "
                  "disk.")
            .arg(sizeText(m_dvdSize, QStringLiteral("M")), dst.root);
    }
    return QString();
}

CheckOutcome BurnWorkflow::checkFolderTarget(const Destination &target)
{
    if (!DiskSpace::query(target.path).present)
        return refused(outputMissingText());
    if (!DiskSpace::query(m_workFolder).present)
        return refused(tempMissingText());
    const QString folder = dvdFolderPath();
    const QString problem = writeProblem(folder + QStringLiteral("/VIDEO_TS"));
    if (!problem.isEmpty()) {
        return refused(tr("Cannot write to %1: %2.")
                           .arg(QDir::toNativeSeparators(nearestExistingFolder(folder)), problem));
    }
    // The folder is changed only once the new DVD is complete; then only the
    // DVD this program writes there is replaced and any other file the user
    // keeps in the folder stays.
    if (QFileInfo::exists(folder) &&
        !confirm(RunQuestions::Confirmation::ClearFolder,
                 tr("The folder %1 will be cleared. Do you want to continue?").arg(quotedNative(folder))))
        return refused(QString());
    const QString space = spaceProblem(folder);
    return space.isEmpty() ? kReady : refused(space);
}

CheckOutcome BurnWorkflow::checkIsoTarget(const Destination &target)
{
    const DiskSpace::Info dst = DiskSpace::query(target.path);
    if (DiskSpace::isFat32(dst) && m_dvdSize > kFat32Limit) {
        return refused(tr("The file system of destination disk (%1) does not support files larger than 4GB, "
                          "please select again.")
                           .arg(dst.root));
    }
    if (!dst.present)
        return refused(outputMissingText());
    if (!DiskSpace::query(m_workFolder).present)
        return refused(tempMissingText());
    // The image is written beside its final name and renamed into place.
    QString problem = writeProblem(target.path + QStringLiteral(".part"));
    if (problem.isEmpty() && QFileInfo::exists(target.path))
        problem = writeProblem(target.path);
    if (!problem.isEmpty())
        return refused(tr("Cannot write to %1: %2.").arg(QDir::toNativeSeparators(target.path), problem));
    if (QFileInfo::exists(target.path) &&
        !confirm(
            RunQuestions::Confirmation::OverwriteFile,
            tr("The file %1 will be overwritten. Do you want to continue?").arg(quotedNative(target.path))))
        return refused(QString());
    const QString space = spaceProblem(target.path);
    return space.isEmpty() ? kReady : refused(space);
}

QString BurnWorkflow::notARecorderText(const QString &device)
{
    const QFileInfo info(device);
    QString text;
    if (!info.exists())
        text = tr("%1: no such recorder.").arg(device);
    else if (info.isDir())
        text = tr("%1 is a folder, not an optical drive.").arg(device);
    else if (info.isFile())
        text = tr("%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.")
                   .arg(device);
    else
        text = tr("%1 is not an optical drive.").arg(device);
    QStringList names;
    for (const RecorderInfo &recorder : DVDBurner::instance()->recorders())
        names.append(recorder.deviceName);
    if (names.isEmpty())
        return text + QLatin1Char('\n') + tr("No recorder was found.");
    return text + QLatin1Char('\n') + tr("Recorders found: %1").arg(names.join(QStringLiteral(", ")));
}

CheckOutcome BurnWorkflow::checkRecorderTarget(const Destination &target)
{
    const DiskSpace::Info tmp = DiskSpace::query(m_workFolder);
    if (!tmp.present)
        return refused(tempMissingText());
    if (!hasFreeSpace(m_workFolder, 2 * m_dvdSize)) {
        return refused(tr("Not enough free space available in the disk which the temporary folder is located "
                          "in. At least %1 disk space is needed in disk %2.")
                           .arg(sizeText(2 * m_dvdSize, QStringLiteral("M")), tmp.root));
    }
    DVDBurner *burner = DVDBurner::instance();
    const QString device = DVDBurner::deviceKey(target.path);
    const bool pseudo = device.startsWith(QLatin1String("stdio:"));
    if (pseudo) {
        // A disc image file: it must be a file that can be written.
        const QString file = device.mid(6);
        if (QFileInfo(file).isDir())
            return refused(
                tr("%1 is a folder; a disc image needs a file name.").arg(QDir::toNativeSeparators(file)));
        const QString problem = writeProblem(file);
        if (!problem.isEmpty())
            return refused(tr("Cannot write to %1: %2.").arg(QDir::toNativeSeparators(file), problem));
    }
    if (!burner->isRecorder(device)) {
        // A pseudo-drive named here joins the recorders; the list may also
        // not have been read yet.
        if (pseudo && !burner->pseudoDrives().contains(device))
            burner->setPseudoDrives(burner->pseudoDrives() << device);
        burner->updateDevices();
    }
    if (!burner->isRecorder(device))
        return refused(notARecorderText(device));
    if (burner->isRunning()) {
        qCWarning(lcBurner) << "the disc check cannot start: the engine is still busy with an earlier job";
        return refused(busyText());
    }
    burner->setSpeed(m_speed);
    m_checking = true;
    if (!burner->checkDisc(jobSetup(), m_dvdSize, device)) {
        m_checking = false;
        return refused(busyText());
    }
    return {CheckOutcome::Pending, QString()};
}

CheckOutcome BurnWorkflow::checkDestination()
{
    m_unansweredWait.clear();
    m_retryPending = false;
    const Destination target = m_destination;
    if (target.path.isEmpty())
        return refused(tr("Please select the destination."));
    CheckOutcome outcome;
    switch (target.type) {
    case Destination::Folder:
        outcome = checkFolderTarget(target);
        break;
    case Destination::Iso:
        outcome = checkIsoTarget(target);
        break;
    case Destination::Burner:
        // Generation begins when the engine's disc check reports the disc ready.
        return checkRecorderTarget(target);
    case Destination::None:
        return refused(tr("Please select the destination."));
    }
    if (outcome.verdict != CheckOutcome::Ready)
        return outcome;
    m_startedType = target.type;
    Q_EMIT ready();
    return outcome;
}

DVDBurner::JobSetup BurnWorkflow::jobSetup()
{
    return [this](DiscJob &job) {
        // The job reports from its own thread: these arrive queued.
        connect(&job, &DiscJob::progress, this, &BurnWorkflow::jobProgress);
        connect(&job, &DiscJob::succeeded, this, &BurnWorkflow::jobSucceeded);
        connect(&job, &DiscJob::failed, this, &BurnWorkflow::jobFailed);
        connect(&job, &DiscJob::finalizing, this, &BurnWorkflow::jobFinalizing);
        connect(&job, &DiscJob::eraseProgress, this, &BurnWorkflow::jobEraseProgress);
        connect(&job, &DiscJob::eraseEnded, this, &BurnWorkflow::jobEraseEnded);
        connect(&job, &DiscJob::discChanged, this, &BurnWorkflow::jobDiscChanged);
        connect(&job, &DiscJob::checkEnded, this, &BurnWorkflow::jobCheckEnded);
        connect(&job, &DiscJob::aborted, this, &BurnWorkflow::jobAborted);
        // The question is asked on the job's thread, which waits for this
        // object's thread to answer, but never past this object's end.
        const std::shared_ptr<std::atomic<bool>> detached = m_detached;
        job.setDiscQuestion([this, detached](DiscProblem problem) {
            if (*detached)
                return DiscDecision::Cancel;
            auto pending = std::make_shared<PendingDecision>();
            QMetaObject::invokeMethod(
                this,
                [this, pending, problem] {
                    const DiscDecision decision = discProblem(problem);
                    std::lock_guard<std::mutex> lock(pending->mutex);
                    pending->decision = decision;
                    pending->answered.notify_all();
                },
                Qt::QueuedConnection);
            std::unique_lock<std::mutex> lock(pending->mutex);
            while (!pending->decision) {
                if (*detached)
                    return DiscDecision::Cancel;
                pending->answered.wait_for(lock, std::chrono::milliseconds(50));
            }
            return *pending->decision;
        });
    };
}

void BurnWorkflow::startDelivery()
{
    m_retryPending = false;
    DVDBurner *burner = DVDBurner::instance();
    if (burner->isRunning()) {
        // The engine runs one job at a time and would ignore this one; the
        // burn would wait for a report that never comes.
        fail(Failure::WithText, BurnError::Generic, busyText());
        return;
    }
    m_aborted = false;
    setCanAbort(true);
    m_phase = PhaseNone;
    m_erased = false;
    const Destination target = m_destination;
    bool started = true;
    switch (workingType()) {
    case Destination::Folder: {
        Q_EMIT stageChanged(BurnStage::CreatingFolder);
        const QString folder = dvdFolderPath();
        if (QFileInfo(m_dvdFolder).canonicalFilePath() == QFileInfo(folder).canonicalFilePath()) {
            // The author wrote the DVD folder in its place already.
            succeed();
            break;
        }
        // The finished DVD moves into place only now, complete.
        started = burner->makeFolder(jobSetup(), m_dvdFolder, folder);
        break;
    }
    case Destination::Iso:
        Q_EMIT stageChanged(BurnStage::CreatingIso);
        started = burner->makeImage(jobSetup(), m_dvdFolder, target.label(), target.path);
        break;
    case Destination::Burner:
        setCanAbort(false);
        Q_EMIT stageChanged(BurnStage::CheckingDisc);
        started = burner->burnFolder(jobSetup(), m_dvdFolder, target.path, target.label());
        break;
    case Destination::None:
        qCDebug(lcBurner) << "startDelivery without a destination";
        break;
    }
    if (!started)
        fail(Failure::WithText, BurnError::Generic, busyText());
}

void BurnWorkflow::startPhase(int phase)
{
    m_phase = phase;
    if (phase == PhaseErasing) {
        setCanAbort(false);
        Q_EMIT stageChanged(BurnStage::ErasingDisc);
        m_erased = true;
        Q_EMIT progressChanged(0);
        return;
    }
    switch (workingType()) {
    case Destination::Burner:
        setCanAbort(true);
        Q_EMIT stageChanged(BurnStage::BurningDisc);
        break;
    case Destination::Folder:
        Q_EMIT stageChanged(BurnStage::CreatingFolder);
        break;
    default:
        Q_EMIT stageChanged(BurnStage::CreatingIso);
        break;
    }
    Q_EMIT progressChanged(0);
}

void BurnWorkflow::jobProgress(int percent)
{
    if (m_phase != PhaseWriting)
        startPhase(PhaseWriting);
    Q_EMIT progressChanged(qMin(percent, 99));
}

void BurnWorkflow::jobSucceeded()
{
    succeed();
}

void BurnWorkflow::jobFailed(BurnError error, const QString &detail)
{
    m_jobError = detail;
    retryOrFail(error);
}

void BurnWorkflow::jobFinalizing()
{
    setCanAbort(false);
    Q_EMIT stageChanged(BurnStage::FinalizingDisc);
    Q_EMIT progressChanged(99);
}

void BurnWorkflow::jobEraseProgress(int percent)
{
    if (m_phase != PhaseErasing)
        startPhase(PhaseErasing);
    Q_EMIT progressChanged(percent);
    if (percent >= 100)
        Q_EMIT stageChanged(BurnStage::CheckingDisc);
}

void BurnWorkflow::jobEraseEnded(bool ok)
{
    if (!ok)
        fail(Failure::Erase);
}

void BurnWorkflow::jobDiscChanged()
{
    DVDBurner::instance()->updateDiscFromJob(m_destination.path);
}

void BurnWorkflow::jobCheckEnded(bool ready)
{
    m_checking = false;
    if (!ready) {
        fail(Failure::CheckStopped);
        return;
    }
    m_startedType = m_destination.type;
    Q_EMIT this->ready();
}

void BurnWorkflow::jobAborted()
{
    fail(Failure::Aborted);
}

void BurnWorkflow::retryOrFail(BurnError error)
{
    qCWarning(lcBurner).noquote() << "the engine failed with code" << int(error) << m_jobError;
    // A stop that came while the question was open ends the burn too.
    if (workingType() == Destination::Burner && !m_aborted && m_questions &&
        m_questions->retryFailedBurn(retryQuestion()) && !m_aborted) {
        DVDBurner::instance()->setDirectErase(false);
        m_checking = false;
        m_retryPending = true;
        Q_EMIT nextDiscNeeded();
    } else {
        fail(Failure::Engine, error);
    }
}

DiscDecision BurnWorkflow::discProblem(DiscProblem problem)
{
    if (m_detached && *m_detached)
        return DiscDecision::Cancel;
    DVDBurner *burner = DVDBurner::instance();
    const bool checking = m_checking;
    QString reason;
    switch (problem) {
    case DiscProblem::NotBlank:
        if (confirm(
                RunQuestions::Confirmation::EraseDisc,
                tr("The disc in the drive is not blank. Writing to this disc will erase all the data on the "
                   "disc. \nDo you want to continue?"))) {
            if (checking)
                burner->setDirectErase(true);
            return DiscDecision::UseDisc;
        }
        // Ejected before the engine looks again, so that it waits for
        // another disc instead of asking about the same one.
        burner->eject(m_destination.path);
        return DiscDecision::WaitForAnother;
    case DiscProblem::NoDisc:
        reason = tr("Please insert a blank disc.");
        break;
    case DiscProblem::TooSmall:
        reason = tr("Not enough free space in the disc, please insert another disc.");
        break;
    case DiscProblem::NotRecordable:
    case DiscProblem::Closed:
    case DiscProblem::Unsupported:
        reason = tr("Please insert a blank and recordable disc.");
        break;
    }
    return waitForDisc(reason, checking);
}

DiscDecision BurnWorkflow::waitForDisc(const QString &reason, bool checking)
{
    DVDBurner *burner = DVDBurner::instance();
    const QString device = m_destination.path;
    if (!m_questions) {
        // Nobody can insert a disc: the wait counts as cancelled, and the
        // reason is told when the run ends.
        m_unansweredWait = reason;
        return DiscDecision::Cancel;
    }
    DiscWait wait;
    wait.device = device;
    if (const std::optional<RecorderInfo> info = burner->recorder(device))
        wait.displayName = info->displayName;
    wait.reason = reason;
    wait.checking = checking;
    wait.requiredType = QStringLiteral("DVD-R/RW,DVD+R/RW");
    wait.discType = QStringLiteral("Empty");
    wait.discFree = QStringLiteral("N/A");
    if (const std::optional<DiscInfo> disc = burner->disc(device)) {
        if (!disc->typeName.trimmed().isEmpty())
            wait.discType = disc->typeName.trimmed().toUpper();
        wait.discFree = sizeText(disc->freeSpace, QStringLiteral("G"));
    }
    wait.neededSize = sizeText(m_dvdSize, QStringLiteral("G"));
    if (!checking)
        burner->eject(device);
    m_waitedForDisc = true;
    const RunQuestions::DiscWaitAnswer answer = m_questions->waitForDisc(wait);
    if (answer == RunQuestions::DiscWaitAnswer::Inserted) {
        // A disc arrived; the engine looks at it again.
        return DiscDecision::UseDisc;
    }
    if (checking) {
        if (answer == RunQuestions::DiscWaitAnswer::Ignored) {
            m_checking = false;
            burner->setDirectErase(false);
            return DiscDecision::Ignore;
        }
        return DiscDecision::Cancel;
    }
    m_aborted = true;
    m_waitedForDisc = false;
    return DiscDecision::Cancel;
}

void BurnWorkflow::stop()
{
    m_aborted = true;
    if (m_retryPending) {
        // No job runs that could report its end.
        m_retryPending = false;
        fail(Failure::Aborted);
        return;
    }
    DVDBurner::instance()->stop();
}

QString BurnWorkflow::failureText(BurnError error)
{
    switch (int(error)) {
    case -1:
        return QString();
    case 1:
    case 9:
        return tr("Burning failed! %1We recommend you burn again.").arg(QString());
    case 2:
        return tr("Burn failed! Open ISO failed, we suggest you burn again.");
    case 3:
        return tr("Failed to open disc, please retry.");
    case 4:
        return tr("Failed to write to disc, please retry.");
    case 14:
        return QStringLiteral("failed! open file failed(mkiso).");
    case 15:
        return tr("Failed to read DVD data.");
    case 16:
        return tr("Failed to create the DVD folder.");
    default:
        return tr("Burning failed!");
    }
}

void BurnWorkflow::succeed()
{
    m_retryPending = false;
    DVDBurner *burner = DVDBurner::instance();
    Q_EMIT progressChanged(100);
    burner->setDirectErase(false);
    m_checking = false;
    if (workingType() == Destination::Burner) {
        ejectLater(m_destination.path);
        --m_copiesLeft;
        if (m_copiesLeft > 0) {
            Q_EMIT nextDiscNeeded();
            return;
        }
    }
    setCanAbort(true);
    Q_EMIT finished({BurnResult::Done, QString(), true});
}

void BurnWorkflow::fail(Failure failure, BurnError error, const QString &text)
{
    m_retryPending = false;
    DVDBurner *burner = DVDBurner::instance();
    burner->setDirectErase(false);
    m_checking = false;
    const bool recorder = workingType() == Destination::Burner;
    BurnResult result;
    result.outcome = BurnResult::Failed;
    QString reason; // the cause as the engine or the system gave it
    switch (failure) {
    case Failure::WithText:
        result.message = text;
        break;
    case Failure::CheckStopped:
        result.outcome = BurnResult::CheckStopped;
        result.message = tr("Disc checking stopped");
        reason = m_unansweredWait;
        break;
    case Failure::Aborted:
        result.outcome = BurnResult::Aborted;
        result.message = tr("Burning aborted!");
        break;
    case Failure::Erase:
        result.message = tr("Failed to erase!");
        break;
    case Failure::Engine:
        result.message = failureText(error);
        reason = m_jobError;
        break;
    }
    if (!reason.isEmpty())
        result.message = result.message.isEmpty() ? reason : result.message + QLatin1Char('\n') + reason;
    if (recorder && failure != Failure::WithText && failure != Failure::CheckStopped && m_waitedForDisc)
        ejectLater(m_destination.path);
    result.runAfterMaking = failure != Failure::CheckStopped && failure != Failure::Aborted;
    setCanAbort(true);
    Q_EMIT finished(result);
}

void BurnWorkflow::ejectLater(const QString &device)
{
    // Ejecting takes a while; the device thread does it.
    if (!m_deviceThread.isRunning())
        m_deviceThread.start();
    m_deviceThread.queueEject(device);
}

void BurnWorkflow::cleanWorkFolder()
{
    if (m_workFolder.isEmpty())
        return;
    // Only what this program put there goes: the DVD-Video folders of the
    // authored DVD and the engine's staged images. Anything else in the
    // user's temporary folder is left alone.
    removeOwnContent(m_workFolder + QStringLiteral("/dvd"));
    removeOwnContent(m_workFolder + QStringLiteral("/temp"));
}
