#include "libburnsupport.h"

#include <csignal>

#include <QDir>
#include <QFileInfo>
#include <QStringList>

Q_LOGGING_CATEGORY(lcRecording, "sorvel.recording")

namespace recording {

namespace {
std::mutex g_initMutex;
int g_sessions = 0;
bool g_initialised = false;
} // namespace

std::recursive_mutex &libburnLock()
{
    static std::recursive_mutex lock;
    return lock;
}

LibburnSession::LibburnSession()
{
    std::lock_guard<std::mutex> guard(g_initMutex);
    if (g_sessions == 0) {
        // libburn installs signal handlers of its own (which print and exit
        // or ignore further signals). The application handles its signals
        // itself, so every disposition is saved here and put back after.
        struct sigaction saved[NSIG];
        for (int sig = 1; sig < NSIG; ++sig)
            sigaction(sig, nullptr, &saved[sig]);
        g_initialised = burn_initialize() == 1;
        if (g_initialised) {
            // Problems are queued, not printed: the engine reads them to tell
            // a refused or failed operation from a good one and logs them.
            burn_msgs_set_severities(const_cast<char *>("SORRY"), const_cast<char *>("NEVER"),
                                     const_cast<char *>("sorvel: "));
            // The application handles signals; libburn must not install its
            // own handler that would exit the process.
            burn_set_signal_handling(const_cast<char *>("sorvel: "), nullptr, 0x30);
        } else {
            qCWarning(lcRecording) << "libburn could not be initialised";
        }
        for (int sig = 1; sig < NSIG; ++sig) {
            if (sig != SIGKILL && sig != SIGSTOP)
                sigaction(sig, &saved[sig], nullptr);
        }
    }
    ++g_sessions;
    m_ok = g_initialised;
}

LibburnSession::~LibburnSession()
{
    std::lock_guard<std::mutex> guard(g_initMutex);
    if (--g_sessions == 0 && g_initialised) {
        burn_finish();
        g_initialised = false;
    }
}

QStringList takeLibburnMessages()
{
    std::lock_guard<std::recursive_mutex> guard(libburnLock());
    QStringList messages;
    char text[BURN_MSGS_MESSAGE_LEN] = {0};
    char severity[80] = {0};
    int code = 0;
    int osErrno = 0;
    while (burn_msgs_obtain(const_cast<char *>("SORRY"), &code, text, &osErrno, severity) == 1)
        messages.append(
            QStringLiteral("%1: %2").arg(QString::fromLatin1(severity), QString::fromLocal8Bit(text)));
    return messages;
}

QString pseudoPath(const QString &device)
{
    return device.startsWith(QLatin1String("stdio:")) ? device.mid(6) : device;
}

bool isPseudoAddress(const QString &device)
{
    return device.startsWith(QLatin1String("stdio:"));
}

GrabbedDrive::GrabbedDrive(const QString &address, bool loadTray) : m_address(address)
{
    std::lock_guard<std::recursive_mutex> guard(libburnLock());
    // A pseudo-drive whose folder is missing holds no medium. libburn is not
    // asked: a refused grab of such a path leaves its drive table unable to
    // write until the process ends.
    if (isPseudoAddress(address)) {
        const QFileInfo file(pseudoPath(address));
        if (file.isRelative() || !file.absoluteDir().exists())
            return;
    }
    QByteArray adr = address.toLocal8Bit();
    burn_drive_info *info = nullptr;
    if (burn_drive_scan_and_grab(&info, adr.data(), loadTray ? 1 : 0) == 1 && info) {
        m_info = info;
    } else {
        const QStringList problems = takeLibburnMessages();
        qCDebug(lcRecording) << "cannot open drive" << address << problems;
    }
}

GrabbedDrive::~GrabbedDrive()
{
    if (!m_info)
        return;
    std::lock_guard<std::recursive_mutex> guard(libburnLock());
    burn_drive_release(m_info[0].drive, m_eject && !isPseudo() ? 1 : 0);
    burn_drive_info_free(m_info);
}

bool GrabbedDrive::isPseudo() const
{
    return isPseudoAddress(m_address);
}

QString GrabbedDrive::pseudoFile() const
{
    return isPseudo() ? pseudoPath(m_address) : QString();
}

DiscFacts readDisc(burn_drive *drive)
{
    DiscFacts facts;
    if (!drive)
        return facts;
    std::lock_guard<std::recursive_mutex> guard(libburnLock());
    const burn_disc_status status = burn_disc_get_status(drive);
    if (status == BURN_DISC_EMPTY || status == BURN_DISC_UNREADY || status == BURN_DISC_UNSUITABLE) {
        facts.present = status == BURN_DISC_UNSUITABLE;
        return facts;
    }
    facts.present = true;
    int profile = 0;
    char name[80] = {0};
    if (burn_disc_get_profile(drive, &profile, name) == 1) {
        facts.typeCode = profile;
        facts.typeName = QString::fromLatin1(name).trimmed();
    }
    facts.blank = status == BURN_DISC_BLANK;
    facts.appendable = status == BURN_DISC_APPENDABLE;
    facts.erasable = burn_disc_erasable(drive) == 1;
    // DVD-R, DVD-RAM, DVD-RW, DVD+RW, DVD+R, DVD+R DL, DVD-R DL, and files.
    static const int dvdProfiles[] = {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x1a, 0x1b, 0x2b, 0xffff};
    for (int p : dvdProfiles)
        facts.dvdWritable = facts.dvdWritable || p == profile;
    const off_t avail = burn_disc_available_space(drive, nullptr);
    facts.freeSpace = avail > 0 ? quint64(avail) : 0;
    int startLba = 0, endLba = 0;
    if (burn_drive_get_start_end_lba(drive, &startLba, &endLba, 0) == 1 && endLba > startLba)
        facts.capacity = quint64(endLba - startLba) * 2048;
    if (facts.capacity < facts.freeSpace)
        facts.capacity = facts.freeSpace;
    if (!facts.blank)
        facts.usedSpace = facts.capacity - facts.freeSpace;
    return facts;
}

} // namespace recording
