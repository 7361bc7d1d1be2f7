#include "recording/recording.h"

#include "enginejobs.h"
#include "libburnsupport.h"

#include <QCoreApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace recording;

namespace recording {

DiscInfo engineDiscInfo(const DiscFacts &facts)
{
    DiscInfo info;
    info.typeCode = facts.typeCode;
    info.typeName = facts.typeName;
    info.capacity = facts.capacity;
    info.freeSpace = facts.blank ? facts.freeSpace : (facts.erasable ? facts.capacity : facts.freeSpace);
    info.usedSpace = facts.usedSpace;
    info.blank = facts.blank;
    info.writable = facts.dvdWritable && (facts.blank || facts.erasable);
    info.erasable = facts.erasable;
    return info;
}

QVector<WriteSpeed> driveSpeeds(burn_drive *drive)
{
    QVector<WriteSpeed> result;
    if (!drive)
        return result;
    std::lock_guard<std::recursive_mutex> guard(libburnLock());
    burn_speed_descriptor *list = nullptr;
    if (burn_drive_get_speedlist(drive, &list) == 1 && list) {
        for (burn_speed_descriptor *s = list; s; s = s->next) {
            if (s->write_speed <= 0)
                continue;
            WriteSpeed speed;
            speed.kbPerSecond = s->write_speed;
            speed.text = QStringLiteral("%1X").arg(qMax(1, (s->write_speed + 692) / 1385));
            if (!result.contains(speed))
                result.append(speed);
        }
        burn_drive_free_speedlist(&list);
    }
    return result;
}

} // namespace recording

namespace {

enum class JobKind { None, BurnFolder, BurnIso, MakeIso, MakeFolder, Check, Erase };
enum class CheckOutcome { Ready, Cancelled, Stopped };
// How a job ends: the last signal it emits.
enum class Ending { None, Succeeded, Failed, Aborted, CheckReady, CheckStopped, EraseDone, EraseFailed };
enum class StepOutcome { Done, Failed, Stopped };

QString findProgram(const QString &name)
{
    QString found = QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(name);
    return found;
}

} // namespace

struct DiscJob::Private {
    DiscJob *q = nullptr;
    LibburnSession session;
    QThread *thread = nullptr;

    std::atomic<bool> started{false};
    std::atomic<bool> running{false};
    std::atomic<bool> stop{false};
    std::atomic<burn_drive *> busyDrive{nullptr};

    // Options and arguments, fixed before the job starts.
    QString speed;
    bool underrunProof = false;
    bool closeDisc = false;
    bool dvdVideo = false;
    bool eraseNonBlank = false;
    bool stageInWorkFolder = false;
    QString stagingFolder;
    DiscQuestion question;
    JobKind kind = JobKind::None;
    QString device, folder, label, isoPath, targetFolder;
    quint64 requiredSize = 0;
    EraseMode eraseMode = EraseMode::Fast;

    // Results, read from other threads.
    mutable QMutex mutex;
    DiscInfo disc;
    bool hasDisc = false;
    QString errorText;
    qint64 isoSize = 0;

    void emitProgress(int percent) { Q_EMIT q->progress(percent); }
    void emitEraseProgress(int percent) { Q_EMIT q->eraseProgress(percent); }
    DiscDecision ask(DiscProblem problem) { return question ? question(problem) : DiscDecision::Cancel; }
    void setError(const QString &text)
    {
        QMutexLocker locker(&mutex);
        errorText = text;
        qCWarning(lcRecording).noquote() << text;
    }
    QString lastError() const
    {
        QMutexLocker locker(&mutex);
        return errorText;
    }
    // The job's last signal; emitted by run() once the job no longer counts
    // as running, so the receiver may start the next job at once.
    Ending ending = Ending::None;
    BurnError endError = BurnError::Generic;
    void finish(Ending how, BurnError error = BurnError::Generic)
    {
        ending = how;
        endError = error;
    }
    // Ends the job unless the step completed: a stopped step as aborted, a
    // failed one as given. True when the job goes on.
    bool completed(StepOutcome outcome, Ending failure, BurnError error = BurnError::Generic)
    {
        if (outcome == StepOutcome::Stopped)
            finish(Ending::Aborted);
        else if (outcome == StepOutcome::Failed)
            finish(failure, error);
        return outcome == StepOutcome::Done;
    }
    void sleepUnlessStopped(int ms)
    {
        for (int left = ms; left > 0 && !stop; left -= 50)
            QThread::msleep(50);
    }

    // What a starter asks for.
    struct JobArgs {
        JobKind kind;
        QString device, folder, label, isoPath;
        quint64 requiredSize;
        EraseMode eraseMode;
        QString targetFolder = QString();
    };
    // Starts the job's thread once; false when the job already ran.
    bool start(const JobArgs &args);
    void run();
    void runKind();
    CheckOutcome checkDisc(std::unique_ptr<GrabbedDrive> &drive, quint64 required, bool checkOnly,
                           bool &needErase);
    StepOutcome eraseDisc(GrabbedDrive &drive, bool fast);
    StepOutcome makeImage(const QString &out, int from, int to, BurnError &error);
    StepOutcome writeImage(GrabbedDrive &drive, const QString &image, int from, int to, BurnError &error);
    void runBurn();
    void runMakeIso();
    void runMakeFolder();
    // Copies a folder tree; on failure reason holds the system's words.
    StepOutcome copyTree(const QString &from, const QString &to, qint64 total, qint64 &done, int &last,
                         QString &reason);
    void runCheck();
    void runErase();
};

// ---------------------------------------------------------------- job registry

namespace {
QMutex g_jobsMutex;
std::set<DiscJob::Private *> g_jobs;
} // namespace

int recording::activeJobCount()
{
    QMutexLocker locker(&g_jobsMutex);
    int n = 0;
    for (auto *job : g_jobs)
        n += job->running ? 1 : 0;
    return n;
}

void recording::stopAllJobs()
{
    {
        QMutexLocker locker(&g_jobsMutex);
        for (auto *job : g_jobs) {
            job->stop = true;
            if (burn_drive *drive = job->busyDrive.load()) {
                std::lock_guard<std::recursive_mutex> guard(libburnLock());
                burn_drive_cancel(drive);
            }
        }
    }
    for (int waited = 0; waited < 30000 && activeJobCount() > 0; waited += 20)
        QThread::msleep(20);
}

// ---------------------------------------------------------------- the job's work

CheckOutcome DiscJob::Private::checkDisc(std::unique_ptr<GrabbedDrive> &drive, quint64 required,
                                         bool checkOnly, bool &needErase)
{
    needErase = false;
    bool eraseAccepted = eraseNonBlank;
    for (;;) {
        if (stop)
            return CheckOutcome::Stopped;
        if (!drive) {
            drive = std::make_unique<GrabbedDrive>(device);
            if (!drive->drive())
                drive.reset();
        }
        DiscFacts facts = drive ? readDisc(drive->drive()) : DiscFacts();
        if (drive && drive->isPseudo() && facts.present) {
            // An image file that already holds data (an earlier disc image)
            // is a written disc: writing over it erases it, so it is asked
            // about like a non-blank rewritable disc.
            const qint64 size = QFileInfo(drive->pseudoFile()).size();
            facts.blank = size <= 0;
            facts.erasable = true;
            facts.dvdWritable = true;
        }
        {
            QMutexLocker locker(&mutex);
            hasDisc = facts.present;
            disc = engineDiscInfo(facts);
        }
        Q_EMIT q->discChanged();

        std::optional<DiscProblem> problem;
        needErase = false;
        if (!facts.present) {
            problem = DiscProblem::NoDisc;
        } else if (!facts.dvdWritable) {
            // CDs and BDs are not DVD-Video media; pressed discs cannot be written.
            const bool otherFamily = (facts.typeCode > 0 && facts.typeCode <= 0x0a) || facts.typeCode >= 0x40;
            problem =
                otherFamily && facts.typeCode != 0x08 ? DiscProblem::Unsupported : DiscProblem::NotRecordable;
        } else if (!facts.blank) {
            if (!facts.erasable)
                problem = DiscProblem::Closed;
            else if (!eraseAccepted)
                problem = DiscProblem::NotBlank;
            else
                needErase = true;
        }
        if (!problem) {
            const quint64 space = needErase ? facts.capacity : facts.freeSpace;
            if (space <= required)
                problem = DiscProblem::TooSmall;
        }
        if (!problem)
            return CheckOutcome::Ready;

        // Let the one who answers eject or inspect the drive while it decides.
        drive.reset();
        const DiscDecision decision = ask(*problem);
        if (stop)
            return CheckOutcome::Stopped;
        switch (decision) {
        case DiscDecision::UseDisc:
            if (*problem == DiscProblem::NotBlank) {
                eraseAccepted = true;
                continue;
            }
            break; // a disc was inserted
        case DiscDecision::WaitForAnother:
            break;
        case DiscDecision::Ignore:
            if (checkOnly)
                return CheckOutcome::Ready;
            return CheckOutcome::Cancelled;
        case DiscDecision::Cancel:
            return CheckOutcome::Cancelled;
        }
        // Give the drive a moment to load a new disc.
        sleepUnlessStopped(300);
    }
}

StepOutcome DiscJob::Private::eraseDisc(GrabbedDrive &drive, bool fast)
{
    emitEraseProgress(0);
    if (drive.isPseudo()) {
        // Erasing the image file of a pseudo-drive empties it.
        QFile file(drive.pseudoFile());
        const bool ok = !file.exists() || file.resize(0);
        if (!ok)
            setError(QCoreApplication::translate("DiscJob", "Cannot empty %1: %2")
                         .arg(file.fileName(), file.errorString()));
        emitEraseProgress(100);
        return ok ? StepOutcome::Done : StepOutcome::Failed;
    }
    burn_drive *d = drive.drive();
    {
        std::lock_guard<std::recursive_mutex> guard(libburnLock());
        burn_disc_erase(d, fast ? 1 : 0);
    }
    busyDrive = d;
    int last = -1;
    for (;;) {
        QThread::msleep(200);
        burn_progress progress{};
        burn_drive_status st;
        {
            std::lock_guard<std::recursive_mutex> guard(libburnLock());
            st = burn_drive_get_status(d, &progress);
        }
        if (st == BURN_DRIVE_IDLE)
            break;
        if (st == BURN_DRIVE_SPAWNING)
            continue;
        const int pct =
            progress.sectors > 0 ? qBound(0, int(qint64(progress.sector) * 100 / progress.sectors), 99) : 0;
        if (pct != last) {
            last = pct;
            emitEraseProgress(pct);
        }
    }
    busyDrive = nullptr;
    bool ok;
    {
        std::lock_guard<std::recursive_mutex> guard(libburnLock());
        ok = burn_drive_wrote_well(d) == 1;
    }
    if (stop)
        return StepOutcome::Stopped;
    if (ok)
        emitEraseProgress(100);
    else
        setError(
            QCoreApplication::translate("DiscJob", "Erasing the disc in %1 failed").arg(drive.address()));
    return ok ? StepOutcome::Done : StepOutcome::Failed;
}

StepOutcome DiscJob::Private::makeImage(const QString &out, int from, int to, BurnError &error)
{
    if (!QFileInfo(folder).isDir()) {
        setError(QCoreApplication::translate("DiscJob", "The DVD folder %1 does not exist").arg(folder));
        error = BurnError::ReadDvdData;
        return StepOutcome::Failed;
    }
    {
        QFile probe(out);
        if (!probe.open(QIODevice::WriteOnly)) {
            setError(
                QCoreApplication::translate("DiscJob", "Cannot create %1: %2").arg(out, probe.errorString()));
            error = BurnError::MakeImageOutput;
            return StepOutcome::Failed;
        }
    }
    const QString program = findProgram(QStringLiteral("genisoimage"));
    if (program.isEmpty()) {
        setError(QCoreApplication::translate("DiscJob", "genisoimage was not found"));
        error = BurnError::MakeImageOutput;
        return StepOutcome::Failed;
    }
    // ISO 9660 volume identifiers hold at most 32 characters.
    QString volume = label.trimmed().left(32);
    if (volume.isEmpty())
        volume = QStringLiteral("DVD");
    QStringList args;
    if (dvdVideo)
        args << QStringLiteral("-dvd-video");
    args << QStringLiteral("-V") << volume << QStringLiteral("-o") << out << folder;
    qCDebug(lcRecording).noquote() << program << args.join(QLatin1Char(' '));

    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, args);
    if (!process.waitForStarted(10000)) {
        setError(QCoreApplication::translate("DiscJob", "genisoimage could not be started: %1")
                     .arg(process.errorString()));
        error = BurnError::MakeImageOutput;
        return StepOutcome::Failed;
    }
    static const QRegularExpression percentRe(QStringLiteral("([0-9]+(?:\\.[0-9]+)?)% done"));
    QByteArray diagnostics;
    int last = -1;
    emitProgress(from);
    while (!process.waitForFinished(100)) {
        if (stop) {
            process.kill();
            process.waitForFinished(5000);
            return StepOutcome::Stopped;
        }
        const QByteArray chunk = process.readAllStandardError();
        diagnostics += chunk;
        auto it = percentRe.globalMatch(QString::fromLocal8Bit(chunk));
        while (it.hasNext()) {
            const double pct = it.next().captured(1).toDouble();
            const int mapped = from + int((to - from) * pct / 100.0);
            if (mapped != last) {
                last = mapped;
                emitProgress(mapped);
            }
        }
    }
    diagnostics += process.readAllStandardError();
    if (stop)
        return StepOutcome::Stopped;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString output = QString::fromLocal8Bit(diagnostics);
        qCWarning(lcRecording).noquote() << "genisoimage:" << output.right(2000);
        if (output.contains(QLatin1String("No space left on device"))) {
            // The image did not fit where it is written.
            setError(QCoreApplication::translate("DiscJob", "%1: No space left on device")
                         .arg(QFileInfo(out).absolutePath()));
            error = BurnError::MakeImageOutput;
        } else {
            const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            setError(
                process.exitStatus() != QProcess::NormalExit
                    ? QStringLiteral("genisoimage crashed")
                    : QStringLiteral("genisoimage failed: %1").arg(lines.value(lines.size() - 1).trimmed()));
            error = BurnError::ReadDvdData;
        }
        return StepOutcome::Failed;
    }
    {
        QMutexLocker locker(&mutex);
        isoSize = QFileInfo(out).size();
    }
    emitProgress(to);
    return StepOutcome::Done;
}

StepOutcome DiscJob::Private::writeImage(GrabbedDrive &drive, const QString &image, int from, int to,
                                         BurnError &error)
{
    const qint64 imageSize = QFileInfo(image).size();
    if (drive.isPseudo()) {
        // libburn is not asked to write a file it cannot open: a refused
        // write leaves its pseudo-drive busy for every later job.
        QFile target(drive.pseudoFile());
        if (!target.open(QIODevice::ReadWrite)) {
            error = BurnError::Write;
            setError(QStringLiteral("%1: %2").arg(target.fileName(), target.errorString()));
            return StepOutcome::Failed;
        }
    }
    burn_drive *d = drive.drive();
    QByteArray path = QFile::encodeName(image);
    SourcePtr file;
    SourcePtr fifo;
    DiscPtr disc;
    SessionPtr session;
    TrackPtr track;
    WriteOptsPtr opts;
    {
        std::lock_guard<std::recursive_mutex> guard(libburnLock());
        if (imageSize <= 0 || !(file = SourcePtr(burn_file_source_new(path.constData(), nullptr)))) {
            error = BurnError::OpenImage;
            setError(QCoreApplication::translate("DiscJob", "Cannot open the image %1").arg(image));
            return StepOutcome::Failed;
        }
        // A 4 MB buffer between the file and the drive evens out reads.
        fifo = SourcePtr(burn_fifo_source_new(file.get(), 2048, 2048, 0));
        disc = DiscPtr(burn_disc_create());
        session = SessionPtr(burn_session_create());
        track = TrackPtr(burn_track_create());
        if (!fifo || !disc || !session || !track) {
            error = BurnError::Generic;
            setError(QCoreApplication::translate("DiscJob", "Out of memory preparing the write"));
            return StepOutcome::Failed;
        }
        burn_track_define_data(track.get(), 0, 0, 1, BURN_MODE1);
        if (burn_track_set_source(track.get(), fifo.get()) != BURN_SOURCE_OK ||
            burn_session_add_track(session.get(), track.get(), BURN_POS_END) != 1 ||
            burn_disc_add_session(disc.get(), session.get(), BURN_POS_END) != 1) {
            error = BurnError::OpenImage;
            setError(
                QCoreApplication::translate("DiscJob", "Cannot prepare the image %1 for writing").arg(image));
            return StepOutcome::Failed;
        }
        opts = WriteOptsPtr(burn_write_opts_new(d));
        if (!opts) {
            error = BurnError::OpenDisc;
            setError(
                QCoreApplication::translate("DiscJob", "Cannot open the disc in %1").arg(drive.address()));
            return StepOutcome::Failed;
        }
        burn_write_opts_set_perform_opc(opts.get(), 0);
        // A pseudo-drive's file has no sessions to keep open.
        burn_write_opts_set_multi(opts.get(), closeDisc || drive.isPseudo() ? 0 : 1);
        burn_write_opts_set_underrun_proof(opts.get(), underrunProof ? 1 : 0);
        burn_write_opts_set_simulate(opts.get(), 0);
        // An image file is flushed to its disk once at the end instead of
        // every 16 MB: the same safety, without stalling the write.
        if (drive.isPseudo())
            burn_write_opts_set_stdio_fsync(opts.get(), 1);
        char reasons[BURN_REASONS_LEN] = {0};
        if (burn_write_opts_auto_write_type(opts.get(), disc.get(), reasons, 0) == BURN_WRITE_NONE) {
            error = BurnError::Write;
            setError(QCoreApplication::translate("DiscJob", "The disc in %1 cannot be written: %2")
                         .arg(drive.address(), QString::fromLocal8Bit(reasons)));
            takeLibburnMessages();
            return StepOutcome::Failed;
        }
        burn_drive_set_speed(d, 0, WriteSpeed::kbPerSecondFromText(speed));
        const QStringList earlier = takeLibburnMessages();
        if (!earlier.isEmpty())
            qCDebug(lcRecording) << "libburn reported before writing:" << earlier;
        burn_disc_write(opts.get(), disc.get());
    }
    busyDrive = d;
    bool cancelled = false;
    bool finalizing = false;
    int last = -1;
    for (;;) {
        QThread::msleep(100);
        burn_progress progress{};
        burn_drive_status st;
        {
            std::lock_guard<std::recursive_mutex> guard(libburnLock());
            if (stop && !cancelled) {
                burn_drive_cancel(d);
                cancelled = true;
            }
            st = burn_drive_get_status(d, &progress);
        }
        if (st == BURN_DRIVE_IDLE)
            break;
        if (st == BURN_DRIVE_SPAWNING || cancelled)
            continue;
        if (st == BURN_DRIVE_CLOSING_TRACK || st == BURN_DRIVE_CLOSING_SESSION ||
            st == BURN_DRIVE_WRITING_LEADOUT) {
            if (!finalizing) {
                finalizing = true;
                Q_EMIT q->finalizing();
            }
            continue;
        }
        const int pct = progress.sectors > 0 ? int(qint64(progress.sector) * 100 / progress.sectors) : 0;
        const int mapped = from + (to - from) * qBound(0, pct, 100) / 100;
        if (mapped != last) {
            last = mapped;
            emitProgress(mapped);
        }
    }
    busyDrive = nullptr;
    bool wroteWell;
    {
        std::lock_guard<std::recursive_mutex> guard(libburnLock());
        wroteWell = burn_drive_wrote_well(d) == 1;
    }
    // libburn refuses some writes without starting them and still calls the
    // drive's last job good: its problem reports decide too.
    const QStringList problems = takeLibburnMessages();
    // A cancelled write is never a success, whatever the drive says.
    if (stop || cancelled)
        return StepOutcome::Stopped;
    if (!wroteWell || !problems.isEmpty()) {
        error = BurnError::Write;
        setError(QCoreApplication::translate("DiscJob", "Writing to %1 failed: %2")
                     .arg(drive.address(), problems.join(QLatin1Char('\n'))));
        return StepOutcome::Failed;
    }
    if (drive.isPseudo()) {
        // Rewriting an older, larger image file must not leave its tail behind.
        QFile target(drive.pseudoFile());
        if (target.size() > imageSize && !target.resize(imageSize)) {
            error = BurnError::Write;
            setError(QCoreApplication::translate("DiscJob", "Cannot truncate %1").arg(target.fileName()));
            return StepOutcome::Failed;
        }
    }
    if (!finalizing)
        Q_EMIT q->finalizing();
    return StepOutcome::Done;
}

void DiscJob::Private::runBurn()
{
    std::unique_ptr<GrabbedDrive> drive;
    bool needErase = false;
    const CheckOutcome check = checkDisc(drive, requiredSize, false, needErase);
    if (check != CheckOutcome::Ready) {
        finish(Ending::Aborted);
        return;
    }
    if (needErase) {
        if (!completed(eraseDisc(*drive, true), Ending::EraseFailed))
            return;
        Q_EMIT q->eraseEnded(true);
    }

    QString image = isoPath;
    std::unique_ptr<QTemporaryFile> staged;
    BurnError error = BurnError::Generic;
    int writeFrom = 0;
    if (kind == JobKind::BurnFolder) {
        // The folder is imaged into a staged file that the drive then writes.
        QString dir = stagingFolder;
        if (dir.isEmpty() && stageInWorkFolder) {
            dir = QFileInfo(folder).absolutePath() + QStringLiteral("/temp");
            QDir().mkpath(dir);
        }
        if (dir.isEmpty())
            dir = QDir::tempPath();
        staged = std::make_unique<QTemporaryFile>(dir + QStringLiteral("/sorvel-burn-XXXXXX.iso"));
        if (!staged->open()) {
            setError(QCoreApplication::translate("DiscJob", "Cannot stage the disc image in %1: %2")
                         .arg(dir, staged->errorString()));
            finish(Ending::Failed, BurnError::MakeImageOutput);
            return;
        }
        staged->close();
        image = staged->fileName();
        writeFrom = 30;
        const StepOutcome made = makeImage(image, 0, writeFrom, error);
        if (!completed(made, Ending::Failed, error))
            return;
    } else if (!QFileInfo(image).isFile()) {
        setError(QCoreApplication::translate("DiscJob", "The image %1 does not exist").arg(image));
        finish(Ending::Failed, BurnError::OpenImage);
        return;
    }
    const StepOutcome written = writeImage(*drive, image, writeFrom, 99, error);
    if (!completed(written, Ending::Failed, error))
        return;
    drive.reset();
    finish(Ending::Succeeded);
}

namespace {
// The system's reason for the last failed call ("No space left on
// device", "Permission denied").
QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// 0666 less the process's umask, read without changing it (umask() would
// race with other threads creating files).
QFileDevice::Permissions defaultFilePermissions()
{
    unsigned mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const unsigned value = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    mask = value;
                break;
            }
        }
    }
    const unsigned mode = 0666u & ~mask;
    QFileDevice::Permissions p;
    if (mode & 0400)
        p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & 0200)
        p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & 0040)
        p |= QFileDevice::ReadGroup;
    if (mode & 0020)
        p |= QFileDevice::WriteGroup;
    if (mode & 0004)
        p |= QFileDevice::ReadOther;
    if (mode & 0002)
        p |= QFileDevice::WriteOther;
    return p;
}
} // namespace

void DiscJob::Private::runMakeIso()
{
    const QFileInfo target(isoPath);
    QDir().mkpath(target.absolutePath());
    // The image is written under a temporary name next to the target and
    // renamed only when complete, so no half-written file ever carries the
    // chosen name.
    QTemporaryFile part(target.absolutePath() + QLatin1Char('/') + target.fileName() +
                        QStringLiteral(".XXXXXX.part"));
    if (!part.open()) {
        setError(
            QCoreApplication::translate("DiscJob", "Cannot create %1: %2").arg(isoPath, part.errorString()));
        finish(Ending::Failed, BurnError::MakeImageOutput);
        return;
    }
    part.close();
    // A temporary file is private to its owner; the finished image gets the
    // permissions of any file the user creates.
    QFile::setPermissions(part.fileName(), defaultFilePermissions());
    BurnError error = BurnError::Generic;
    const StepOutcome made = makeImage(part.fileName(), 0, 99, error);
    if (!completed(made, Ending::Failed, error))
        return;
    // rename() replaces an earlier image in one step: until the new one is
    // in place the old one stays, also when the rename fails.
    if (::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(isoPath).constData()) !=
        0) {
        setError(QCoreApplication::translate("DiscJob", "Cannot rename the image to %1: %2")
                     .arg(isoPath, systemError()));
        finish(Ending::Failed, BurnError::MakeImageOutput);
        return;
    }
    part.setAutoRemove(false);
    finish(Ending::Succeeded);
}

namespace {
qint64 treeBytes(const QString &folder)
{
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}
} // namespace

StepOutcome DiscJob::Private::copyTree(const QString &from, const QString &to, qint64 total, qint64 &done,
                                       int &last, QString &reason)
{
    if (!QDir().mkpath(to)) {
        reason = systemError();
        return StepOutcome::Failed;
    }
    const QFileInfoList entries =
        QDir(from).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    std::vector<char> buffer(1 << 20);
    for (const QFileInfo &entry : entries) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            const StepOutcome inner = copyTree(entry.absoluteFilePath(), target, total, done, last, reason);
            if (inner != StepOutcome::Done)
                return inner;
            continue;
        }
        QFile in(entry.absoluteFilePath());
        QFile out(target);
        if (!in.open(QIODevice::ReadOnly)) {
            reason = in.errorString();
            return StepOutcome::Failed;
        }
        // Unbuffered: a failed write leaves the system's reason in errno.
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            reason = out.errorString();
            return StepOutcome::Failed;
        }
        for (;;) {
            if (stop)
                return StepOutcome::Stopped;
            const qint64 n = in.read(buffer.data(), qint64(buffer.size()));
            if (n < 0) {
                reason = in.errorString();
                return StepOutcome::Failed;
            }
            if (n == 0)
                break;
            errno = 0;
            if (out.write(buffer.data(), n) != n) {
                reason = errno ? systemError() : out.errorString();
                return StepOutcome::Failed;
            }
            done += n;
            const int pct = total > 0 ? int(qMin<qint64>(99, done * 100 / total)) : 0;
            if (pct != last) {
                last = pct;
                emitProgress(pct);
            }
        }
        // A full disk may only show when the data reaches it.
        if (!out.flush() || ::fsync(out.handle()) != 0) {
            reason = systemError();
            return StepOutcome::Failed;
        }
    }
    return StepOutcome::Done;
}

void DiscJob::Private::runMakeFolder()
{
    const QString source = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString target = QDir::cleanPath(QFileInfo(targetFolder).absoluteFilePath());
    if (!QFileInfo(source).isDir()) {
        setError(QCoreApplication::translate("DiscJob", "The DVD folder %1 does not exist").arg(source));
        finish(Ending::Failed, BurnError::ReadDvdData);
        return;
    }
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        // The DVD was authored in its place already.
        finish(Ending::Succeeded);
        return;
    }
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent)) {
        setError(QStringLiteral("%1: %2").arg(parent, systemError()));
        finish(Ending::Failed, BurnError::WriteFolder);
        return;
    }
    // The finished DVD moves into place only when it is complete: on the
    // same file system by renaming it, otherwise through a copy into a
    // hidden folder beside the destination, renamed in turn.
    struct stat sourceStat {
    };
    struct stat parentStat {
    };
    const bool sameDisk = ::stat(QFile::encodeName(source).constData(), &sourceStat) == 0 &&
                          ::stat(QFile::encodeName(parent).constData(), &parentStat) == 0 &&
                          sourceStat.st_dev == parentStat.st_dev;
    QString staged = source;
    std::unique_ptr<QTemporaryDir> staging;
    if (!sameDisk) {
        staging = std::make_unique<QTemporaryDir>(parent + QStringLiteral("/.sorvel-staging-XXXXXX"));
        if (!staging->isValid()) {
            setError(QStringLiteral("%1: %2").arg(parent, staging->errorString()));
            finish(Ending::Failed, BurnError::WriteFolder);
            return;
        }
        staged = staging->path();
        qint64 done = 0;
        int last = -1;
        emitProgress(0);
        QString reason;
        const StepOutcome copied = copyTree(source, staged, treeBytes(source), done, last, reason);
        if (copied == StepOutcome::Failed)
            setError(QStringLiteral("%1: %2").arg(target, reason));
        if (!completed(copied, Ending::Failed, BurnError::WriteFolder))
            return; // the staging folder goes with its owner
    }
    if (stop) {
        finish(Ending::Aborted);
        return;
    }
    // From here on the new DVD replaces the old one.
    if (!QFileInfo::exists(target)) {
        if (::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0) {
            setError(QStringLiteral("%1: %2").arg(target, systemError()));
            finish(Ending::Failed, BurnError::WriteFolder);
            return;
        }
        if (staging)
            staging->setAutoRemove(false);
    } else {
        for (const QString &sub : {QStringLiteral("VIDEO_TS"), QStringLiteral("AUDIO_TS")}) {
            QDir old(target + QLatin1Char('/') + sub);
            if (old.exists() && !old.removeRecursively()) {
                setError(QCoreApplication::translate("DiscJob", "Cannot remove %1").arg(old.path()));
                finish(Ending::Failed, BurnError::WriteFolder);
                return;
            }
            const QString from = staged + QLatin1Char('/') + sub;
            if (QFileInfo::exists(from) && ::rename(QFile::encodeName(from).constData(),
                                                    QFile::encodeName(old.path()).constData()) != 0) {
                setError(QStringLiteral("%1: %2").arg(old.path(), systemError()));
                finish(Ending::Failed, BurnError::WriteFolder);
                return;
            }
        }
    }
    emitProgress(100);
    finish(Ending::Succeeded);
}

void DiscJob::Private::runCheck()
{
    std::unique_ptr<GrabbedDrive> drive;
    bool needErase = false;
    const CheckOutcome check = checkDisc(drive, requiredSize, true, needErase);
    drive.reset();
    finish(check == CheckOutcome::Ready ? Ending::CheckReady : Ending::CheckStopped);
}

void DiscJob::Private::runErase()
{
    GrabbedDrive drive(device);
    if (!drive.drive()) {
        setError(QCoreApplication::translate("DiscJob", "Cannot open the drive %1").arg(device));
        finish(Ending::EraseFailed);
        return;
    }
    finish(eraseDisc(drive, eraseMode == EraseMode::Fast) == StepOutcome::Done ? Ending::EraseDone
                                                                               : Ending::EraseFailed);
}

void DiscJob::Private::run()
{
    if (!session.ok()) {
        setError(QCoreApplication::translate("DiscJob", "The disc-recording library is not available"));
        finish(kind == JobKind::Check ? Ending::CheckStopped : Ending::Failed);
    } else {
        runKind();
    }
    running = false;
    switch (ending) {
    case Ending::None:
        break;
    case Ending::Succeeded:
        Q_EMIT q->succeeded();
        break;
    case Ending::Failed:
        Q_EMIT q->failed(endError, lastError());
        break;
    case Ending::Aborted:
        Q_EMIT q->aborted();
        break;
    case Ending::CheckReady:
    case Ending::CheckStopped:
        Q_EMIT q->checkEnded(ending == Ending::CheckReady);
        break;
    case Ending::EraseDone:
    case Ending::EraseFailed:
        Q_EMIT q->eraseEnded(ending == Ending::EraseDone);
        break;
    }
}

void DiscJob::Private::runKind()
{
    switch (kind) {
    case JobKind::BurnFolder:
    case JobKind::BurnIso:
        runBurn();
        break;
    case JobKind::MakeIso:
        runMakeIso();
        break;
    case JobKind::MakeFolder:
        runMakeFolder();
        break;
    case JobKind::Check:
        runCheck();
        break;
    case JobKind::Erase:
        runErase();
        break;
    case JobKind::None:
        break;
    }
}

// ---------------------------------------------------------------- DiscJob

DiscJob::DiscJob(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->q = this;
    QMutexLocker locker(&g_jobsMutex);
    g_jobs.insert(d.get());
}

DiscJob::~DiscJob()
{
    stop();
    if (d->thread) {
        d->thread->wait();
        delete d->thread;
    }
    QMutexLocker locker(&g_jobsMutex);
    g_jobs.erase(d.get());
}

bool DiscJob::isRunning() const
{
    return d->running;
}

void DiscJob::setSpeed(const QString &speedText)
{
    if (!d->started)
        d->speed = speedText;
}

void DiscJob::setDiscQuestion(DiscQuestion question)
{
    if (!d->started)
        d->question = std::move(question);
}

void DiscJob::stop()
{
    d->stop = true;
    if (burn_drive *drive = d->busyDrive.load()) {
        std::lock_guard<std::recursive_mutex> guard(libburnLock());
        burn_drive_cancel(drive);
    }
}

qint64 DiscJob::imageSize() const
{
    QMutexLocker locker(&d->mutex);
    return d->isoSize;
}

std::optional<DiscInfo> DiscJob::disc() const
{
    QMutexLocker locker(&d->mutex);
    if (!d->hasDisc)
        return std::nullopt;
    return d->disc;
}

QString DiscJob::errorText() const
{
    return d->lastError();
}

void DiscJob::setUnderrunProof(bool on)
{
    if (!d->started)
        d->underrunProof = on;
}
void DiscJob::setCloseDisc(bool on)
{
    if (!d->started)
        d->closeDisc = on;
}
void DiscJob::setDvdVideoImage(bool on)
{
    if (!d->started)
        d->dvdVideo = on;
}
void DiscJob::setEraseNonBlank(bool on)
{
    if (!d->started)
        d->eraseNonBlank = on;
}
void DiscJob::setStageInWorkFolder(bool on)
{
    if (!d->started)
        d->stageInWorkFolder = on;
}
void DiscJob::setStagingFolder(const QString &folder)
{
    if (!d->started)
        d->stagingFolder = folder;
}

namespace {
// Bytes of the files of a DVD folder, one level of subfolders deep: about
// the size of its image.
quint64 folderBytes(const QString &folder)
{
    quint64 bytes = 0;
    const auto entries = QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &fi : entries) {
        if (fi.isDir()) {
            for (const QFileInfo &inner : QDir(fi.absoluteFilePath()).entryInfoList(QDir::Files))
                bytes += quint64(inner.size());
        } else {
            bytes += quint64(fi.size());
        }
    }
    return bytes;
}
} // namespace

bool DiscJob::Private::start(const JobArgs &args)
{
    bool expected = false;
    if (!started.compare_exchange_strong(expected, true))
        return false;
    kind = args.kind;
    device = args.device;
    folder = args.folder;
    label = args.label;
    isoPath = args.isoPath;
    requiredSize = args.requiredSize;
    eraseMode = args.eraseMode;
    targetFolder = args.targetFolder;
    running = true;
    thread = QThread::create([this] { run(); });
    thread->start();
    return true;
}

bool DiscJob::burnFolder(const QString &device, const QString &folder, const QString &volumeLabel)
{
    // The check needs the image's size; the folder's is close to it.
    return d->start(
        {JobKind::BurnFolder, device, folder, volumeLabel, QString(), folderBytes(folder), EraseMode::Fast});
}

bool DiscJob::burnImage(const QString &device, const QString &isoPath)
{
    const quint64 size = quint64(qMax<qint64>(0, QFileInfo(isoPath).size()));
    return d->start({JobKind::BurnIso, device, QString(), QString(), isoPath, size, EraseMode::Fast});
}

bool DiscJob::makeImage(const QString &isoPath, const QString &folder, const QString &volumeLabel)
{
    return d->start({JobKind::MakeIso, QString(), folder, volumeLabel, isoPath, 0, EraseMode::Fast});
}

bool DiscJob::makeFolder(const QString &targetFolder, const QString &folder)
{
    return d->start(
        {JobKind::MakeFolder, QString(), folder, QString(), QString(), 0, EraseMode::Fast, targetFolder});
}

bool DiscJob::checkDisc(const QString &device, quint64 requiredSize)
{
    return d->start({JobKind::Check, device, QString(), QString(), QString(), requiredSize, EraseMode::Fast});
}

bool DiscJob::erase(const QString &device, EraseMode mode)
{
    return d->start({JobKind::Erase, device, QString(), QString(), QString(), 0, mode});
}
