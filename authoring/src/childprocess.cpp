#include "authoring/childprocess.h"

#include <QVariant>

#include <cerrno>
#include <sched.h>
#include <signal.h>
#include <sys/resource.h>

ChildProcess::ChildProcess(QObject *parent) : QProcess(parent) {}

ChildProcess::~ChildProcess()
{
    // A stopped child cannot handle the kill QProcess sends on destruction
    // until it runs again.
    if (m_paused && state() == QProcess::Running)
        ::kill(pid_t(processId()), SIGCONT);
}

bool ChildProcess::isRunning() const
{
    return state() == QProcess::Running;
}

bool ChildProcess::pause()
{
    if (m_paused || !isRunning())
        return false;
    const qint64 pid = processId();
    if (pid <= 0 || ::kill(pid_t(pid), SIGSTOP) != 0)
        return false;
    m_paused = true;
    Q_EMIT paused();
    return true;
}

bool ChildProcess::resume()
{
    if (!m_paused || !isRunning())
        return false;
    const qint64 pid = processId();
    if (pid <= 0 || ::kill(pid_t(pid), SIGCONT) != 0)
        return false;
    m_paused = false;
    Q_EMIT resumed();
    return true;
}

bool ChildProcess::setPriority(KYPROCESS_PRIORITY priority)
{
    const qint64 pid = processId();
    if (pid <= 0)
        return false;
    errno = 0;
    return setpriority(PRIO_PROCESS, id_t(pid), int(priority)) == 0;
}

bool ChildProcess::terminate()
{
    setProperty("killed", true);
    if (state() != QProcess::NotRunning) {
        if (m_paused) {
            ::kill(pid_t(processId()), SIGCONT);
            m_paused = false;
        }
        kill();
    }
    return true;
}

bool ChildProcess::setCpuAffinity(int mask)
{
    const qint64 pid = processId();
    if (pid <= 0 || mask == 0)
        return false;
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int i = 0; i < int(sizeof(int) * 8); ++i) {
        if (mask & (1 << i))
            CPU_SET(i, &set);
    }
    return sched_setaffinity(pid_t(pid), sizeof set, &set) == 0;
}
