#include "systemfixtures.h"

#include "testsupport.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace TestSupport {

TmpfsMount::TmpfsMount(const QString &name, qint64 bytes) : m_path(freshDir(name))
{
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, options.constData()) == 0)
        m_mounted = true;
    else
        m_error = QString::fromLocal8Bit(std::strerror(errno));
}

TmpfsMount::~TmpfsMount()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}

bool TmpfsMount::makeReadOnly()
{
    if (!m_mounted)
        return false;
    if (::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
        0)
        return true;
    m_error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

namespace {
const unsigned kFileAccessCaps = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool capabilities(__user_cap_data_struct data[2], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}
} // namespace

FilePermissionsEnforced::FilePermissionsEnforced()
{
    __user_cap_data_struct data[2] = {};
    if (!capabilities(data, false))
        return;
    m_saved[0] = data[0].effective;
    m_saved[1] = data[1].effective;
    data[0].effective &= ~kFileAccessCaps;
    m_ok = capabilities(data, true);
}

FilePermissionsEnforced::~FilePermissionsEnforced()
{
    if (!m_ok)
        return;
    __user_cap_data_struct data[2] = {};
    if (capabilities(data, false)) {
        data[0].effective = m_saved[0];
        data[1].effective = m_saved[1];
        capabilities(data, true);
    }
}

void enforceFilePermissionsInChild()
{
    // A program that root starts gets every capability of the bounding set.
    ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
    ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
}

} // namespace TestSupport
