#include "burning/burnworkflow.h"

#include "burnerlog.h"
#include "burning/diskspace.h"
#include "burning/kytargetcombobox.h"
#include "burning/waitingdiskdialog.h"

#include <desktop/messagebox.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <memory>

namespace {

const quint64 kFat32Limit = quint64(4294967296ULL);

// Failure codes of afterBurn beside the engine's BurnError codes.
enum WorkflowFailure {
    FailureWithText = -997,
    FailureCheckStopped = -998,
    FailureAborted = -996,
    FailureErase = -999,
    FailureCreate = -1
};

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

BurnWorkflow::BurnWorkflow(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<generateWorkingState>("generateWorkingState");
}

BurnWorkflow::~BurnWorkflow()
{
    // From here on the engine gets no more answers from this object; a job
    // waiting for one is released at once.
    m_detached = true;
    DVDBurner::Instance()->StopBeforeExit();
    m_devThread.stop(5000);
}

Destination BurnWorkflow::destination() const
{
    return m_view ? m_view->destination() : m_destination;
}

void BurnWorkflow::setDestination(const Destination &destination)
{
    m_destination = destination.normalized();
}

void BurnWorkflow::setDestinationView(KyTargetComboBox *view)
{
    m_view = view;
}

KyTargetComboBox *BurnWorkflow::destinationView() const
{
    return m_view;
}

WaitingDiskDialog *BurnWorkflow::burnWaitDialog() const
{
    return m_burnWait;
}

WaitingDiskDialog *BurnWorkflow::checkWaitDialog() const
{
    return m_checkWait;
}

void BurnWorkflow::setMessageParents(QWidget *messageParent, QWidget *burnQuestionParent)
{
    m_messageParent = messageParent;
    m_burnQuestionParent = burnQuestionParent;
}

void BurnWorkflow::setWaitingDialogs(WaitingDiskDialog *burnWait, WaitingDiskDialog *checkWait)
{
    m_burnWait = burnWait;
    m_checkWait = checkWait;
}

Destination::Type BurnWorkflow::workingType() const
{
    // Once generation began the run keeps its type, whatever the box shows.
    return m_startedType != Destination::None ? m_startedType : destination().type;
}

void BurnWorkflow::alert(const QString &text)
{
    MessageBox::alert(text, QString(), m_messageParent);
}

bool BurnWorkflow::ask(const QString &text, QWidget *parent)
{
    return MessageBox::question(text, QString(), QDialogButtonBox::Yes | QDialogButtonBox::No, parent,
                                QDialogButtonBox::No) == QDialogButtonBox::Yes;
}

void BurnWorkflow::deviceChanged(const QString &drive, int arrive)
{
    DVDBurner *burner = DVDBurner::Instance();
    if (!burner->IsRunning() && m_devThread.isRunning())
        m_devThread.queueRefresh();
    const Destination target = destination();
    if (target.type != Destination::Burner || !KyBurnerInfo::isSameDVDDevice(target.path, drive) || !arrive)
        return;
    const bool waiting = (m_burnWait && m_burnWait->isVisible()) || (m_checkWait && m_checkWait->isVisible());
    if (!waiting)
        return;
    burner->SetReturn(1);
    if (m_burnWait)
        m_burnWait->closeWithResult(1);
    if (m_checkWait)
        m_checkWait->closeWithResult(1);
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

QString BurnWorkflow::fillDVDFolderFullPath() const
{
    const Destination target = destination();
    if (target.type != Destination::Folder)
        return QString();
    QString name = target.label();
    if (!isValidVolumeLabel(name)) {
        const QDate today = QDate::currentDate();
        name = QStringLiteral("%1%2%3")
                   .arg(today.year())
                   .arg(today.month(), 2, 10, QLatin1Char('0'))
                   .arg(today.day(), 2, 10, QLatin1Char('0'));
    }
    return QDir::cleanPath(target.path + QLatin1Char('/') + name);
}

QString BurnWorkflow::convertSizeToStr(quint64 bytes, const QString &unit)
{
    double value = double(bytes);
    const QString u = unit.toUpper();
    if (u == QLatin1String("G"))
        value /= double(quint64(1) << 30);
    else if (u == QLatin1String("M"))
        value /= double(quint64(1) << 20);
    else if (u == QLatin1String("K"))
        value /= double(quint64(1) << 10);
    return QStringLiteral("%1 %2%3").arg(value, 0, 'f', 2).arg(u, QStringLiteral("B"));
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

bool BurnWorkflow::checkHardDiskCapacity(const QString &path, quint64 needed)
{
    const DiskSpace::Info info = DiskSpace::query(path);
    return info.present && info.available > needed;
}

bool BurnWorkflow::checkDVDCapacity(const QString &device, quint64 size)
{
    const std::optional<BSDiscInfo> disc = DVDBurner::Instance()->GetDiscInfo(device);
    return disc && disc->writable && disc->freeSize > size;
}

bool BurnWorkflow::checkSpaceRule(const QString &destination)
{
    const DiskSpace::Info tmp = DiskSpace::query(m_tempPath);
    const DiskSpace::Info dst = DiskSpace::query(destination);
    const QString tempMessage =
        tr("Not enough free space available in the disk which the temporary folder is "
           "located in. At least %1 disk space is needed in disk %2.");
    if (DiskSpace::sameDisk(tmp, dst)) {
        if (!checkHardDiskCapacity(m_tempPath, 2 * m_dvdSize)) {
            alert(tempMessage.arg(convertSizeToStr(2 * m_dvdSize, QStringLiteral("M")), tmp.root));
            return false;
        }
        return true;
    }
    if (!checkHardDiskCapacity(m_tempPath, m_dvdSize)) {
        alert(tempMessage.arg(convertSizeToStr(m_dvdSize, QStringLiteral("M")), tmp.root));
        return false;
    }
    if (!checkHardDiskCapacity(destination, m_dvdSize)) {
        alert(tr("Not enough space available in the target disk. At least %1 of disk space is needed in %2 "
                 "disk.")
                  .arg(convertSizeToStr(m_dvdSize, QStringLiteral("M")), dst.root));
        return false;
    }
    return true;
}

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
} // namespace

bool BurnWorkflow::checkFolderTarget(const Destination &target)
{
    if (!DiskSpace::query(target.path).present) {
        alert(outputMissingText());
        return false;
    }
    if (!DiskSpace::query(m_tempPath).present) {
        alert(tempMissingText());
        return false;
    }
    const QString folder = fillDVDFolderFullPath();
    const QString problem = writeProblem(folder + QStringLiteral("/VIDEO_TS"));
    if (!problem.isEmpty()) {
        alert(tr("Cannot write to %1: %2.")
                  .arg(QDir::toNativeSeparators(nearestExistingFolder(folder)), problem));
        return false;
    }
    // The folder is changed only once the new DVD is complete; then only the
    // DVD this program writes there is replaced and any other file the user
    // keeps in the folder stays.
    if (QFileInfo::exists(folder) &&
        !ask(tr("The folder %1 will be cleared. Do you want to continue?").arg(quotedNative(folder)),
             m_messageParent))
        return false;
    return checkSpaceRule(folder);
}

bool BurnWorkflow::checkIsoTarget(const Destination &target)
{
    const DiskSpace::Info dst = DiskSpace::query(target.path);
    if (DiskSpace::isFat32(dst) && m_dvdSize > kFat32Limit) {
        alert(tr("The file system of destination disk (%s) does not support files larger than 4GB, please "
                 "select again.")
                  .replace(QLatin1String("%s"), dst.root));
        return false;
    }
    if (!dst.present) {
        alert(outputMissingText());
        return false;
    }
    if (!DiskSpace::query(m_tempPath).present) {
        alert(tempMissingText());
        return false;
    }
    // The image is written beside its final name and renamed into place.
    QString problem = writeProblem(target.path + QStringLiteral(".part"));
    if (problem.isEmpty() && QFileInfo::exists(target.path))
        problem = writeProblem(target.path);
    if (!problem.isEmpty()) {
        alert(tr("Cannot write to %1: %2.").arg(QDir::toNativeSeparators(target.path), problem));
        return false;
    }
    if (QFileInfo::exists(target.path)) {
        if (!ask(tr("The file %1 will be overwritten. Do you want to continue?")
                     .arg(quotedNative(target.path)),
                 m_messageParent))
            return false;
    }
    return checkSpaceRule(target.path);
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
    QStringList recorders;
    for (const BSBurnerInfo &info : DVDBurner::Instance()->GetBurnerInfos())
        recorders.append(info.deviceName);
    if (recorders.isEmpty())
        return text + QLatin1Char('\n') + tr("No recorder was found.");
    return text + QLatin1Char('\n') + tr("Recorders found: %1").arg(recorders.join(QStringLiteral(", ")));
}

bool BurnWorkflow::checkRecorderTarget(const Destination &target)
{
    const DiskSpace::Info tmp = DiskSpace::query(m_tempPath);
    if (!tmp.present) {
        alert(tempMissingText());
        return false;
    }
    if (!checkHardDiskCapacity(m_tempPath, 2 * m_dvdSize)) {
        alert(tr("Not enough free space available in the disk which the temporary folder is located in. At "
                 "least %1 disk space is needed in disk %2.")
                  .arg(convertSizeToStr(2 * m_dvdSize, QStringLiteral("M")), tmp.root));
        return false;
    }
    DVDBurner *burner = DVDBurner::Instance();
    const QString device = DVDBurner::deviceKey(target.path);
    const bool pseudo = device.startsWith(QLatin1String("stdio:"));
    if (pseudo) {
        // A disc image file: it must be a file that can be written.
        const QString file = device.mid(6);
        if (QFileInfo(file).isDir()) {
            alert(tr("%1 is a folder; a disc image needs a file name.").arg(QDir::toNativeSeparators(file)));
            return false;
        }
        const QString problem = writeProblem(file);
        if (!problem.isEmpty()) {
            alert(tr("Cannot write to %1: %2.").arg(QDir::toNativeSeparators(file), problem));
            return false;
        }
    }
    if (!burner->GetBurnerInfo(device)) {
        // A pseudo-drive named here joins the recorders; the list may also
        // not have been read yet.
        if (pseudo && !burner->pseudoDrives().contains(device))
            burner->setPseudoDrives(burner->pseudoDrives() << device);
        burner->UpdateDevices();
    }
    if (!burner->GetBurnerInfo(device)) {
        alert(notARecorderText(device));
        return false;
    }
    if (burner->IsRunning()) {
        qCWarning(lcBurner) << "the disc check waits: the engine is still busy with an earlier job";
        return false;
    }
    burner->SetXSpeed(m_burnSpeed);
    burner->StartCheckBurnDVDFirst(this, m_dvdSize, device, 5000);
    return true;
}

bool BurnWorkflow::checkBurnerCondition()
{
    m_unansweredWait.clear();
    m_retryPending = false;
    const Destination target = destination();
    if (target.path.isEmpty()) {
        alert(tr("Please select the destination."));
        return false;
    }
    switch (target.type) {
    case Destination::Folder:
        if (!checkFolderTarget(target))
            return false;
        break;
    case Destination::Iso:
        if (!checkIsoTarget(target))
            return false;
        break;
    case Destination::Burner:
        // Generation begins when the engine's disc check reports the disc ready.
        return checkRecorderTarget(target);
    case Destination::None:
        alert(tr("Please select the destination."));
        return false;
    }
    m_startedType = target.type;
    emit beginGenerate();
    return true;
}

void BurnWorkflow::phaseUpdate(generateWorkingState state, const QString &text)
{
    emit setDlgStatus(QString(), state, text, QString(), false, tr("Abort"), m_canAbort);
}

void BurnWorkflow::startBurnWork()
{
    m_retryPending = false;
    DVDBurner *burner = DVDBurner::Instance();
    if (burner->IsRunning()) {
        // The engine runs one job at a time and would ignore this one; the
        // burn would wait for a report that never comes.
        afterBurn(false, FailureWithText, tr("Another disc job is still running; please try again later."));
        return;
    }
    m_aborted = false;
    emit setIsAbort(false);
    m_canAbort = true;
    emit setCanAbort(true);
    m_phase = PhaseNone;
    m_erased = false;
    const Destination target = destination();
    switch (workingType()) {
    case Destination::Folder: {
        phaseUpdate(CreatingFolder, tr("Creating DVD Folder"));
        const QString folder = fillDVDFolderFullPath();
        if (QFileInfo(m_dvdSource).canonicalFilePath() == QFileInfo(folder).canonicalFilePath()) {
            // The author wrote the DVD folder in its place already.
            afterBurn(true, 0, QString());
            break;
        }
        // The finished DVD moves into place only now, complete.
        burner->MakeFolderFromFolder(this, m_dvdSource, folder);
        break;
    }
    case Destination::Iso:
        phaseUpdate(CreatingISO, tr("Creating ISO"));
        burner->MakeISOFromFolder(this, m_dvdSource, target.label(), target.path, 5000);
        break;
    case Destination::Burner:
        m_canAbort = false;
        emit setCanAbort(false);
        phaseUpdate(CheckingDisc, tr("Checking disc"));
        burner->BurnDiscFromFolder(this, m_dvdSource, target.path, target.label(), 5000);
        break;
    case Destination::None:
        qCDebug(lcBurner) << "startBurnWork without a destination";
        break;
    }
}

int BurnWorkflow::postMessage(int message, int wParam, int lParam)
{
    if (m_detached)
        return 0;
    QMetaObject::invokeMethod(
        this, [this, message, wParam, lParam] { PostOrSendMessage(message, wParam, lParam, 1); },
        Qt::QueuedConnection);
    return 0;
}

int BurnWorkflow::sendMessage(int message, int wParam, int lParam)
{
    if (m_detached)
        return 0;
    if (QThread::currentThread() == thread())
        return PostOrSendMessage(message, wParam, lParam, 0);
    // The answer is handed over with standard primitives, which the thread
    // sanitizer sees.
    auto answer = std::make_shared<std::promise<int>>();
    std::future<int> result = answer->get_future();
    QMetaObject::invokeMethod(
        this,
        [this, answer, message, wParam, lParam] {
            answer->set_value(PostOrSendMessage(message, wParam, lParam, 0));
        },
        Qt::QueuedConnection);
    // Wait for the GUI thread's answer, but never past this object's end.
    while (result.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        if (m_detached)
            return 0;
    }
    return result.get();
}

void BurnWorkflow::startPhase(int phase)
{
    m_phase = phase;
    if (phase == PhaseErasing) {
        m_canAbort = false;
        emit setCanAbort(false);
        phaseUpdate(ErasingDisc, tr("Erasing"));
        m_erased = true;
        emit setProcess(51, 0);
        return;
    }
    switch (workingType()) {
    case Destination::Burner:
        m_canAbort = true;
        emit setCanAbort(true);
        phaseUpdate(BurningDisc, tr("Burning disc"));
        m_progressStart = m_erased ? 61 : 51;
        m_progressEnd = 90;
        break;
    case Destination::Folder:
        phaseUpdate(CreatingFolder, tr("Creating DVD Folder"));
        m_progressStart = 51;
        m_progressEnd = 100;
        break;
    default:
        phaseUpdate(CreatingISO, tr("Creating ISO"));
        m_progressStart = 51;
        m_progressEnd = 100;
        break;
    }
    emit setProcess(m_progressStart, 0);
}

void BurnWorkflow::retryOrFail(int code)
{
    DVDBurner *burner = DVDBurner::Instance();
    qCWarning(lcBurner).noquote() << "the engine failed with code" << code << burner->GetErrorFile();
    // A stop that came while the question was open ends the burn too.
    if (workingType() == Destination::Burner && !m_aborted && ask(retryQuestion(), m_messageParent) &&
        !m_aborted) {
        burner->SetDirectErase(0);
        burner->SetOnlyCheck(0);
        m_retryPending = true;
        emit doBurnNext();
    } else {
        afterBurn(false, code, QString());
    }
}

int BurnWorkflow::PostOrSendMessage(int, int wParam, int lParam, int)
{
    if (m_detached)
        return 0;
    DVDBurner *burner = DVDBurner::Instance();
    switch (wParam) {
    case NotifyBurnProgress: {
        if (m_phase != PhaseWriting)
            startPhase(PhaseWriting);
        const int p = qMin(lParam, 99);
        emit setProcess(m_progressStart + (m_progressEnd - m_progressStart) * p / 100, p);
        break;
    }
    case NotifySucceeded:
        afterBurn(true, 0, QString());
        break;
    case NotifyFailed:
        retryOrFail(lParam);
        break;
    case NotifyFinalizing:
        if (lParam == 0) {
            m_canAbort = false;
            emit setCanAbort(false);
            phaseUpdate(BurningDisc, tr("Finalizing disc"));
            emit setProcess(99, 99);
        }
        break;
    case NotifyDiscProblem:
        return show_ob_burn_notified_check(lParam);
    case NotifyEraseEnded:
        if (lParam == 0)
            afterBurn(false, FailureErase, QString());
        break;
    case NotifyEraseProgress:
        if (m_phase != PhaseErasing)
            startPhase(PhaseErasing);
        emit setProcess(lParam * 9 / 100 + 51, lParam);
        if (lParam >= 100)
            phaseUpdate(ErasingDisc, tr("Checking disc"));
        break;
    case NotifyDiscChanged:
        burner->UpdateDiscInfo(destination().path);
        break;
    case NotifyCheckEnded:
        burner->SetOnlyCheck(0);
        if (lParam != 0) {
            afterBurn(false, FailureCheckStopped, QString());
        } else {
            m_startedType = destination().type;
            emit beginGenerate();
        }
        break;
    case NotifyAborted:
        afterBurn(false, FailureAborted, QString());
        break;
    default:
        qCDebug(lcBurner) << "notification" << wParam << "ignored";
        break;
    }
    return 0;
}

int BurnWorkflow::show_ob_burn_notified_check(int status)
{
    DVDBurner *burner = DVDBurner::Instance();
    const bool checking = burner->IsOnlyCheck() != 0;
    QString reason;
    switch (status) {
    case DiscNotBlank:
        if (ask(tr("The disc in the drive is not blank. Writing to this disc will erase all the data on the "
                   "disc. \nDo you want to continue?"),
                checking ? m_messageParent : m_burnQuestionParent)) {
            burner->SetReturn(1);
            if (checking)
                burner->SetDirectErase(1);
        } else {
            // Ejected before the engine looks again, so that it waits for
            // another disc instead of asking about the same one.
            burner->VestraDriveEject(destination().path);
            burner->SetReturn(0);
            burner->SetContinueWork(1);
        }
        return 0;
    case DiscNone:
        reason = tr("Please insert a blank disc.");
        break;
    case DiscTooSmall:
        reason = tr("Not enough free space in the disc, please insert another disc.");
        break;
    case DiscNotRecordable:
    case DiscClosed:
    case DiscUnsupported:
        reason = tr("Please insert a blank and recordable disc.");
        break;
    default:
        return 0;
    }
    if (m_burnWait)
        m_burnWait->setReason(reason);
    if (m_checkWait)
        m_checkWait->setReason(reason);
    showWaitDlg(reason, checking);
    return 0;
}

void BurnWorkflow::showWaitDlg(const QString &reason, bool checking)
{
    DVDBurner *burner = DVDBurner::Instance();
    const QString device = destination().path;
    WaitingDiskDialog *dialog = checking ? m_checkWait : m_burnWait;
    if (!dialog) {
        // Nobody can insert a disc: the wait counts as cancelled, and the
        // reason is told when the run ends.
        m_unansweredWait = reason;
        burner->SetReturn(0);
        return;
    }
    QString displayName;
    if (const std::optional<BSBurnerInfo> info = burner->GetBurnerInfo(device))
        displayName = info->displayName;
    QString discType = QStringLiteral("Empty");
    QString discFree = QStringLiteral("N/A");
    if (const std::optional<BSDiscInfo> disc = burner->GetDiscInfo(device)) {
        if (!disc->discTypeName.trimmed().isEmpty())
            discType = disc->discTypeName.trimmed().toUpper();
        discFree = convertSizeToStr(disc->freeSize, QStringLiteral("G"));
    }
    dialog->setTitleText(QStringLiteral("[") + device + QStringLiteral("] ") + displayName +
                         QStringLiteral(": ") + tr("Waiting for Disc"));
    dialog->setReason(reason);
    const QString note = checking ? tr("To skip disc checking, please click \"Ignore\", but it will show "
                                       "again when starting burning.")
                                  : QString();
    dialog->setValues(QStringLiteral("DVD-R/RW,DVD+R/RW"), discType,
                      convertSizeToStr(m_dvdSize, QStringLiteral("G")), discFree, note);
    dialog->setIgnoreVisible(checking);
    if (!checking)
        burner->VestraDriveEject(device);
    m_waitedForDisc = true;
    const int result = dialog->runModal();
    if (result == 1) {
        // A disc arrived; the engine looks at it again.
        burner->SetReturn(1);
        return;
    }
    if (checking) {
        if (dialog->isIgnore()) {
            burner->SetIgnore(1);
            burner->SetReturn(1);
            burner->SetOnlyCheck(0);
            burner->SetDirectErase(0);
        } else {
            burner->SetReturn(0);
        }
    } else {
        m_aborted = true;
        emit setIsAbort(true);
        burner->SetReturn(0);
        m_waitedForDisc = false;
    }
}

QString BurnWorkflow::retryQuestion()
{
    return tr("Burn process failed. Do you want to try again.");
}

void BurnWorkflow::stop()
{
    m_aborted = true;
    if (m_retryPending) {
        // No job runs that could report its end.
        m_retryPending = false;
        afterBurn(false, FailureAborted, QString());
        return;
    }
    DVDBurner::Instance()->Stop();
}

QString BurnWorkflow::failureText(int code)
{
    switch (code) {
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

void BurnWorkflow::afterBurn(bool ok, int code, const QString &text)
{
    m_retryPending = false;
    DVDBurner *burner = DVDBurner::Instance();
    if (ok)
        emit setProcess(100, 100);
    emit timeStop();
    burner->SetDirectErase(0);
    burner->SetOnlyCheck(0);
    const bool recorder = workingType() == Destination::Burner;
    if (ok) {
        if (recorder) {
            ejectLater(destination().path);
            --m_copiesLeft;
            if (m_copiesLeft > 0) {
                emit doBurnNext();
                emit burnFinished(true, true);
                return;
            }
        }
        m_canAbort = true;
        emit setCanAbort(true);
        emit setDlgStatus(tr("Created Successfully!"), GenerateSucceeded, tr("Finished"), QString(), true,
                          tr("Finished"), true);
        emit burnFinished(true, true);
        return;
    }
    QString message;
    switch (code) {
    case FailureWithText:
        message = text;
        break;
    case FailureCheckStopped:
        message = tr("Disc checking stopped");
        break;
    case FailureAborted:
        message = tr("Burning aborted!");
        break;
    case FailureErase:
        message = tr("Failed to erase!");
        break;
    case FailureCreate:
        message = tr("Failed to create DVD!");
        break;
    default:
        message = failureText(code);
        break;
    }
    // The cause as the engine or the system gave it.
    const QString reason = code == FailureCheckStopped ? m_unansweredWait
                           : code > 0                  ? burner->GetErrorFile()
                                                       : QString();
    if (!reason.isEmpty())
        message = message.isEmpty() ? reason : message + QLatin1Char('\n') + reason;
    if (recorder && code != FailureWithText && code != FailureCheckStopped && m_waitedForDisc)
        ejectLater(destination().path);
    m_canAbort = true;
    emit setCanAbort(true);
    emit setDlgStatus(message, GenerateEnded, tr("Finished"), QString(), false, tr("Close"), true);
    emit burnFinished(false, code != FailureCheckStopped && code != FailureAborted);
}

void BurnWorkflow::ejectLater(const QString &device)
{
    // Ejecting takes a while; the device thread does it.
    if (!m_devThread.isRunning())
        m_devThread.start();
    m_devThread.queueEject(device);
}

void BurnWorkflow::makeTempFolderClean()
{
    if (m_tempPath.isEmpty())
        return;
    // Only what this program put there goes: the DVD-Video folders of the
    // authored DVD and the engine's staged images. Anything else in the
    // user's temporary folder is left alone.
    removeOwnContent(m_tempPath + QStringLiteral("/dvd"));
    removeOwnContent(m_tempPath + QStringLiteral("/temp"));
}
