#include "recording/recording.h"

#include "enginejobs.h"
#include "libburnsupport.h"

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

KyDiscInfo engineDiscInfo(const DiscFacts &facts)
{
    KyDiscInfo info;
    info.typeCode = facts.typeCode;
    info.typeName = facts.typeName;
    info.capacity = facts.capacity;
    info.freeSpace = facts.blank ? facts.freeSpace : (facts.erasable ? facts.capacity : facts.freeSpace);
    info.usedSpace = facts.usedSpace;
    info.blank = facts.blank ? 1 : 0;
    info.writable = facts.dvdWritable && (facts.blank || facts.erasable) ? 1 : 0;
    info.erasable = facts.erasable ? 1 : 0;
    return info;
}

QVector<BurnDiscSpeed> driveSpeeds(burn_drive *drive)
{
    QVector<BurnDiscSpeed> result;
    if (!drive)
        return result;
    std::lock_guard<std::recursive_mutex> guard(libburnLock());
    burn_speed_descriptor *list = nullptr;
    if (burn_drive_get_speedlist(drive, &list) == 1 && list) {
        for (burn_speed_descriptor *s = list; s; s = s->next) {
            if (s->write_speed <= 0)
                continue;
            BurnDiscSpeed speed;
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
enum class StepOutcome { Done, Failed, Stopped };

QString findProgram(const QString &name)
{
    QString found = QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(name);
    return found;
}

} // namespace

struct IBurnerJob::Private {
    IDeviceManager *manager = nullptr;
    LibburnSession session;
    QThread *thread = nullptr;

    std::atomic<bool> started{false};
    std::atomic<bool> running{false};
    std::atomic<bool> stop{false};
    std::atomic<bool> stopCheck{false};
    std::atomic<int> answer{-1};
    std::atomic<int> ignore{0};
    std::atomic<int> continueWork{0};
    std::atomic<int> checkMode{0};
    std::atomic<IBurnerJobCallBack *> callback{nullptr};
    std::atomic<burn_drive *> busyDrive{nullptr};

    // Options and arguments, fixed before the job starts.
    QString speed;
    int underrunProof = 0;
    int closeDisc = 0;
    int dvdVideo = 0;
    int eraseNonBlank = 0;
    int stageInWorkFolder = 0;
    int onlyCheck = 0;
    QString stagingFolder;
    JobKind kind = JobKind::None;
    QString device, folder, label, isoPath, targetFolder;
    quint64 requiredSize = 0;
    int eraseMode = 0;

    // Results, read from other threads.
    mutable QMutex mutex;
    KyDiscInfo disc;
    bool hasDisc = false;
    QString errorText;
    qint64 isoSize = 0;

    int notify(int what, int value, bool send)
    {
        IBurnerJobCallBack *cb = callback.load();
        if (!cb)
            return 0;
        return send ? cb->sendMessage(kBurnMessage, what, value) : cb->postMessage(kBurnMessage, what, value);
    }
    void setError(const QString &text)
    {
        QMutexLocker locker(&mutex);
        errorText = text;
        qCWarning(lcRecording).noquote() << text;
    }
    // The job's last notification; sent by run() once the job no longer
    // counts as running, so the receiver may start the next job at once.
    int finalWhat = -1;
    int finalValue = 0;
    void finish(int what, int value)
    {
        finalWhat = what;
        finalValue = value;
    }
    // Ends the job unless the step completed: a stopped step as aborted, a
    // failed one with the given notification. True when the job goes on.
    bool completed(StepOutcome outcome, int failWhat, int failValue)
    {
        if (outcome == StepOutcome::Stopped)
            finish(NotifyAborted, 0);
        else if (outcome == StepOutcome::Failed)
            finish(failWhat, failValue);
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
        int eraseMode;
        QString targetFolder = QString();
    };
    // Starts the job's thread once; -1 when the job already ran.
    int start(const JobArgs &args);
    void run();
    void runKind();
    CheckOutcome checkDisc(std::unique_ptr<GrabbedDrive> &drive, quint64 required, bool checkOnly,
                           bool &needErase);
    StepOutcome eraseDisc(GrabbedDrive &drive, bool fast);
    StepOutcome makeImage(const QString &out, int from, int to, int &error);
    StepOutcome writeImage(GrabbedDrive &drive, const QString &image, int from, int to, int &error);
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
std::set<IBurnerJob::Private *> g_jobs;
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

CheckOutcome IBurnerJob::Private::checkDisc(std::unique_ptr<GrabbedDrive> &drive, quint64 required,
                                            bool checkOnly, bool &needErase)
{
    needErase = false;
    bool eraseAccepted = eraseNonBlank != 0;
    for (;;) {
        if (stop || stopCheck)
            return CheckOutcome::Stopped;
        if (checkOnly && ignore)
            return CheckOutcome::Ready;
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
        notify(NotifyDiscChanged, 0, false);

        int status = DiscUsable;
        needErase = false;
        if (!facts.present) {
            status = DiscNone;
        } else if (!facts.dvdWritable) {
            // CDs and BDs are not DVD-Video media; pressed discs cannot be written.
            const bool otherFamily = (facts.typeCode > 0 && facts.typeCode <= 0x0a) || facts.typeCode >= 0x40;
            status = otherFamily && facts.typeCode != 0x08 ? DiscUnsupported : DiscNotRecordable;
        } else if (!facts.blank) {
            if (!facts.erasable)
                status = DiscClosed;
            else if (!eraseAccepted)
                status = DiscNotBlank;
            else
                needErase = true;
        }
        if (status == DiscUsable) {
            const quint64 space = needErase ? facts.capacity : facts.freeSpace;
            if (space <= required)
                status = DiscTooSmall;
        }
        if (status == DiscUsable)
            return CheckOutcome::Ready;

        // Let the callback eject or inspect the drive while it decides.
        drive.reset();
        answer = -1;
        continueWork = 0;
        notify(NotifyDiscProblem, status, true);
        if (stop || stopCheck)
            return CheckOutcome::Stopped;
        if (checkOnly && ignore)
            return CheckOutcome::Ready;
        const int reply = answer.load();
        if (status == DiscNotBlank) {
            if (reply == 1) {
                eraseAccepted = true;
                continue;
            }
            if (!continueWork)
                return CheckOutcome::Cancelled;
        } else if (reply != 1) {
            return CheckOutcome::Cancelled;
        }
        // A new disc was reported; give the drive a moment to load it.
        sleepUnlessStopped(300);
    }
}

StepOutcome IBurnerJob::Private::eraseDisc(GrabbedDrive &drive, bool fast)
{
    notify(NotifyEraseProgress, 0, false);
    if (drive.isPseudo()) {
        // Erasing the image file of a pseudo-drive empties it.
        QFile file(drive.pseudoFile());
        const bool ok = !file.exists() || file.resize(0);
        if (!ok)
            setError(QStringLiteral("Cannot empty %1: %2").arg(file.fileName(), file.errorString()));
        notify(NotifyEraseProgress, 100, false);
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
            notify(NotifyEraseProgress, pct, false);
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
        notify(NotifyEraseProgress, 100, false);
    else
        setError(QStringLiteral("Erasing the disc in %1 failed").arg(drive.address()));
    return ok ? StepOutcome::Done : StepOutcome::Failed;
}

StepOutcome IBurnerJob::Private::makeImage(const QString &out, int from, int to, int &error)
{
    if (!QFileInfo(folder).isDir()) {
        setError(QStringLiteral("The DVD folder %1 does not exist").arg(folder));
        error = BurnErrorReadDvdData;
        return StepOutcome::Failed;
    }
    {
        QFile probe(out);
        if (!probe.open(QIODevice::WriteOnly)) {
            setError(QStringLiteral("Cannot create %1: %2").arg(out, probe.errorString()));
            error = BurnErrorMakeIsoOutput;
            return StepOutcome::Failed;
        }
    }
    const QString program = findProgram(QStringLiteral("genisoimage"));
    if (program.isEmpty()) {
        setError(QStringLiteral("genisoimage was not found"));
        error = BurnErrorMakeIsoOutput;
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
        setError(QStringLiteral("genisoimage could not be started: %1").arg(process.errorString()));
        error = BurnErrorMakeIsoOutput;
        return StepOutcome::Failed;
    }
    static const QRegularExpression percentRe(QStringLiteral("([0-9]+(?:\\.[0-9]+)?)% done"));
    QByteArray diagnostics;
    int last = -1;
    notify(NotifyBurnProgress, from, false);
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
                notify(NotifyBurnProgress, mapped, false);
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
            setError(QStringLiteral("%1: No space left on device").arg(QFileInfo(out).absolutePath()));
            error = BurnErrorMakeIsoOutput;
        } else {
            const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            setError(
                process.exitStatus() != QProcess::NormalExit
                    ? QStringLiteral("genisoimage crashed")
                    : QStringLiteral("genisoimage failed: %1").arg(lines.value(lines.size() - 1).trimmed()));
            error = BurnErrorReadDvdData;
        }
        return StepOutcome::Failed;
    }
    {
        QMutexLocker locker(&mutex);
        isoSize = QFileInfo(out).size();
    }
    notify(NotifyBurnProgress, to, false);
    return StepOutcome::Done;
}

StepOutcome IBurnerJob::Private::writeImage(GrabbedDrive &drive, const QString &image, int from, int to,
                                            int &error)
{
    const qint64 imageSize = QFileInfo(image).size();
    if (drive.isPseudo()) {
        // libburn is not asked to write a file it cannot open: a refused
        // write leaves its pseudo-drive busy for every later job.
        QFile target(drive.pseudoFile());
        if (!target.open(QIODevice::ReadWrite)) {
            error = BurnErrorWrite;
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
            error = BurnErrorOpenIso;
            setError(QStringLiteral("Cannot open the image %1").arg(image));
            return StepOutcome::Failed;
        }
        // A 4 MB buffer between the file and the drive evens out reads.
        fifo = SourcePtr(burn_fifo_source_new(file.get(), 2048, 2048, 0));
        disc = DiscPtr(burn_disc_create());
        session = SessionPtr(burn_session_create());
        track = TrackPtr(burn_track_create());
        if (!fifo || !disc || !session || !track) {
            error = BurnErrorGeneric;
            setError(QStringLiteral("Out of memory preparing the write"));
            return StepOutcome::Failed;
        }
        burn_track_define_data(track.get(), 0, 0, 1, BURN_MODE1);
        if (burn_track_set_source(track.get(), fifo.get()) != BURN_SOURCE_OK ||
            burn_session_add_track(session.get(), track.get(), BURN_POS_END) != 1 ||
            burn_disc_add_session(disc.get(), session.get(), BURN_POS_END) != 1) {
            error = BurnErrorOpenIso;
            setError(QStringLiteral("Cannot prepare the image %1 for writing").arg(image));
            return StepOutcome::Failed;
        }
        opts = WriteOptsPtr(burn_write_opts_new(d));
        if (!opts) {
            error = BurnErrorOpenDisc;
            setError(QStringLiteral("Cannot open the disc in %1").arg(drive.address()));
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
            error = BurnErrorWrite;
            setError(QStringLiteral("The disc in %1 cannot be written: %2")
                         .arg(drive.address(), QString::fromLocal8Bit(reasons)));
            takeLibburnMessages();
            return StepOutcome::Failed;
        }
        burn_drive_set_speed(d, 0, KyBurnerInfo::speedFromText(speed));
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
                notify(NotifyFinalizing, 0, false);
            }
            continue;
        }
        const int pct = progress.sectors > 0 ? int(qint64(progress.sector) * 100 / progress.sectors) : 0;
        const int mapped = from + (to - from) * qBound(0, pct, 100) / 100;
        if (mapped != last) {
            last = mapped;
            notify(NotifyBurnProgress, mapped, false);
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
        error = BurnErrorWrite;
        setError(QStringLiteral("Writing to %1 failed: %2")
                     .arg(drive.address(), problems.join(QLatin1Char('\n'))));
        return StepOutcome::Failed;
    }
    if (drive.isPseudo()) {
        // Rewriting an older, larger image file must not leave its tail behind.
        QFile target(drive.pseudoFile());
        if (target.size() > imageSize && !target.resize(imageSize)) {
            error = BurnErrorWrite;
            setError(QStringLiteral("Cannot truncate %1").arg(target.fileName()));
            return StepOutcome::Failed;
        }
    }
    if (!finalizing)
        notify(NotifyFinalizing, 0, false);
    return StepOutcome::Done;
}

void IBurnerJob::Private::runBurn()
{
    std::unique_ptr<GrabbedDrive> drive;
    bool needErase = false;
    const CheckOutcome check = checkDisc(drive, requiredSize, false, needErase);
    if (check != CheckOutcome::Ready) {
        finish(NotifyAborted, 0);
        return;
    }
    if (needErase) {
        if (!completed(eraseDisc(*drive, true), NotifyEraseEnded, 0))
            return;
        notify(NotifyEraseEnded, 1, false);
    }

    QString image = isoPath;
    std::unique_ptr<QTemporaryFile> staged;
    int error = BurnErrorGeneric;
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
            setError(QStringLiteral("Cannot stage the disc image in %1: %2").arg(dir, staged->errorString()));
            finish(NotifyFailed, BurnErrorMakeIsoOutput);
            return;
        }
        staged->close();
        image = staged->fileName();
        writeFrom = 30;
        const StepOutcome made = makeImage(image, 0, writeFrom, error);
        if (!completed(made, NotifyFailed, error))
            return;
    } else if (!QFileInfo(image).isFile()) {
        setError(QStringLiteral("The image %1 does not exist").arg(image));
        finish(NotifyFailed, BurnErrorOpenIso);
        return;
    }
    const StepOutcome written = writeImage(*drive, image, writeFrom, 99, error);
    if (!completed(written, NotifyFailed, error))
        return;
    drive.reset();
    finish(NotifySucceeded, 0);
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

void IBurnerJob::Private::runMakeIso()
{
    const QFileInfo target(isoPath);
    QDir().mkpath(target.absolutePath());
    // The image is written under a temporary name next to the target and
    // renamed only when complete, so no half-written file ever carries the
    // chosen name.
    QTemporaryFile part(target.absolutePath() + QLatin1Char('/') + target.fileName() +
                        QStringLiteral(".XXXXXX.part"));
    if (!part.open()) {
        setError(QStringLiteral("Cannot create %1: %2").arg(isoPath, part.errorString()));
        finish(NotifyFailed, BurnErrorMakeIsoOutput);
        return;
    }
    part.close();
    // A temporary file is private to its owner; the finished image gets the
    // permissions of any file the user creates.
    QFile::setPermissions(part.fileName(), defaultFilePermissions());
    int error = BurnErrorGeneric;
    const StepOutcome made = makeImage(part.fileName(), 0, 99, error);
    if (!completed(made, NotifyFailed, error))
        return;
    // rename() replaces an earlier image in one step: until the new one is
    // in place the old one stays, also when the rename fails.
    if (::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(isoPath).constData()) !=
        0) {
        setError(QStringLiteral("Cannot rename the image to %1: %2").arg(isoPath, systemError()));
        finish(NotifyFailed, BurnErrorMakeIsoOutput);
        return;
    }
    part.setAutoRemove(false);
    finish(NotifySucceeded, 0);
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

StepOutcome IBurnerJob::Private::copyTree(const QString &from, const QString &to, qint64 total, qint64 &done,
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
                notify(NotifyBurnProgress, pct, false);
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

void IBurnerJob::Private::runMakeFolder()
{
    const QString source = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString target = QDir::cleanPath(QFileInfo(targetFolder).absoluteFilePath());
    if (!QFileInfo(source).isDir()) {
        setError(QStringLiteral("The DVD folder %1 does not exist").arg(source));
        finish(NotifyFailed, BurnErrorReadDvdData);
        return;
    }
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        // The DVD was authored in its place already.
        finish(NotifySucceeded, 0);
        return;
    }
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent)) {
        setError(QStringLiteral("%1: %2").arg(parent, systemError()));
        finish(NotifyFailed, BurnErrorWriteFolder);
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
            finish(NotifyFailed, BurnErrorWriteFolder);
            return;
        }
        staged = staging->path();
        qint64 done = 0;
        int last = -1;
        notify(NotifyBurnProgress, 0, false);
        QString reason;
        const StepOutcome copied = copyTree(source, staged, treeBytes(source), done, last, reason);
        if (copied == StepOutcome::Failed)
            setError(QStringLiteral("%1: %2").arg(target, reason));
        if (!completed(copied, NotifyFailed, BurnErrorWriteFolder))
            return; // the staging folder goes with its owner
    }
    if (stop) {
        finish(NotifyAborted, 0);
        return;
    }
    // From here on the new DVD replaces the old one.
    if (!QFileInfo::exists(target)) {
        if (::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0) {
            setError(QStringLiteral("%1: %2").arg(target, systemError()));
            finish(NotifyFailed, BurnErrorWriteFolder);
            return;
        }
        if (staging)
            staging->setAutoRemove(false);
    } else {
        for (const QString &sub : {QStringLiteral("VIDEO_TS"), QStringLiteral("AUDIO_TS")}) {
            QDir old(target + QLatin1Char('/') + sub);
            if (old.exists() && !old.removeRecursively()) {
                setError(QStringLiteral("Cannot remove %1").arg(old.path()));
                finish(NotifyFailed, BurnErrorWriteFolder);
                return;
            }
            const QString from = staged + QLatin1Char('/') + sub;
            if (QFileInfo::exists(from) && ::rename(QFile::encodeName(from).constData(),
                                                    QFile::encodeName(old.path()).constData()) != 0) {
                setError(QStringLiteral("%1: %2").arg(old.path(), systemError()));
                finish(NotifyFailed, BurnErrorWriteFolder);
                return;
            }
        }
    }
    notify(NotifyBurnProgress, 100, false);
    finish(NotifySucceeded, 0);
}

void IBurnerJob::Private::runCheck()
{
    std::unique_ptr<GrabbedDrive> drive;
    bool needErase = false;
    const CheckOutcome check = checkDisc(drive, requiredSize, true, needErase);
    drive.reset();
    finish(NotifyCheckEnded, check == CheckOutcome::Ready ? 0 : 1);
}

void IBurnerJob::Private::runErase()
{
    GrabbedDrive drive(device);
    if (!drive.drive()) {
        setError(QStringLiteral("Cannot open the drive %1").arg(device));
        finish(NotifyEraseEnded, 0);
        return;
    }
    finish(NotifyEraseEnded, eraseDisc(drive, eraseMode == 0) == StepOutcome::Done ? 1 : 0);
}

void IBurnerJob::Private::run()
{
    if (!session.ok()) {
        setError(QStringLiteral("The disc-recording library is not available"));
        finish(kind == JobKind::Check ? NotifyCheckEnded : NotifyFailed, 1);
    } else {
        runKind();
    }
    running = false;
    if (finalWhat >= 0)
        notify(finalWhat, finalValue, false);
}

void IBurnerJob::Private::runKind()
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

// ---------------------------------------------------------------- IBurnerJob

IBurnerJob::IBurnerJob(IDeviceManager *manager) : d(std::make_unique<Private>())
{
    d->manager = manager;
    QMutexLocker locker(&g_jobsMutex);
    g_jobs.insert(d.get());
}

IBurnerJob::~IBurnerJob()
{
    Stop();
    if (d->thread) {
        d->thread->wait();
        delete d->thread;
    }
    QMutexLocker locker(&g_jobsMutex);
    g_jobs.erase(d.get());
}

IBurnerJob *IBurnerJob::Create(IDeviceManager *manager)
{
    return new IBurnerJob(manager);
}

void IBurnerJob::Release()
{
    delete this;
}

bool IBurnerJob::IsRunning() const
{
    return d->running;
}

void IBurnerJob::SetCallback(IBurnerJobCallBack *callback)
{
    d->callback = callback;
}

void IBurnerJob::SetSpeed(const QString &speedText)
{
    if (!d->started)
        d->speed = speedText;
}

void IBurnerJob::SetReturn(int value)
{
    d->answer = value;
}

void IBurnerJob::SetIgnore(int value)
{
    d->ignore = value;
}

void IBurnerJob::SetContinueWork(int value)
{
    d->continueWork = value;
}

void IBurnerJob::SetCheck(int mode)
{
    d->checkMode = mode;
}

void IBurnerJob::StopCheck()
{
    d->stopCheck = true;
}

void IBurnerJob::Stop()
{
    d->stop = true;
    if (burn_drive *drive = d->busyDrive.load()) {
        std::lock_guard<std::recursive_mutex> guard(libburnLock());
        burn_drive_cancel(drive);
    }
}

qint64 IBurnerJob::GetRealISOSize() const
{
    QMutexLocker locker(&d->mutex);
    return d->isoSize;
}

std::optional<KyDiscInfo> IBurnerJob::GetDiscInfo() const
{
    QMutexLocker locker(&d->mutex);
    if (!d->hasDisc)
        return std::nullopt;
    return d->disc;
}

QString IBurnerJob::GetErrorFile() const
{
    QMutexLocker locker(&d->mutex);
    return d->errorText;
}

void IBurnerJob::SetUnderrunProof(int on)
{
    d->underrunProof = on;
}
void IBurnerJob::SetCloseDisc(int on)
{
    d->closeDisc = on;
}
void IBurnerJob::SetDvdVideoImage(int on)
{
    d->dvdVideo = on;
}
void IBurnerJob::SetEraseNonBlank(int on)
{
    d->eraseNonBlank = on;
}
void IBurnerJob::SetStageInWorkFolder(int on)
{
    d->stageInWorkFolder = on;
}
void IBurnerJob::SetOnlyCheck(int on)
{
    d->onlyCheck = on;
}
void IBurnerJob::setStagingFolder(const QString &folder)
{
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

int IBurnerJob::Private::start(const JobArgs &args)
{
    bool expected = false;
    if (!started.compare_exchange_strong(expected, true))
        return -1;
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
    return 0;
}

int IBurnerJob::BurnFolder(const QString &device, const QString &folder, const QString &volumeLabel, int, int)
{
    // The check needs the image's size; the folder's is close to it.
    return d->start({JobKind::BurnFolder, device, folder, volumeLabel, QString(), folderBytes(folder), 0});
}

int IBurnerJob::BurnISO(const QString &device, const QString &isoPath, int, int)
{
    const quint64 size = quint64(qMax<qint64>(0, QFileInfo(isoPath).size()));
    return d->start({JobKind::BurnIso, device, QString(), QString(), isoPath, size, 0});
}

int IBurnerJob::MakeISO(const QString &isoPath, const QString &folder, const QString &volumeLabel, int)
{
    return d->start({JobKind::MakeIso, QString(), folder, volumeLabel, isoPath, 0, 0});
}

int IBurnerJob::MakeFolder(const QString &targetFolder, const QString &folder)
{
    return d->start({JobKind::MakeFolder, QString(), folder, QString(), QString(), 0, 0, targetFolder});
}

int IBurnerJob::CheckDisc(const QString &device, quint64 requiredSize, int, int)
{
    return d->start({JobKind::Check, device, QString(), QString(), QString(), requiredSize, 0});
}

int IBurnerJob::Erase(const QString &device, int mode, int)
{
    return d->start({JobKind::Erase, device, QString(), QString(), QString(), 0, mode});
}
