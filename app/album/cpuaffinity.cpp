#include "album/cpuaffinity.h"

#include <QDir>
#include <QLoggingCategory>

#include <cstdlib>
#include <sched.h>
#include <unistd.h>

#include "album/appsettings.h"

Q_LOGGING_CATEGORY(lcAffinity, "sorvel.affinity")

namespace CpuAffinity {

int processorCount()
{
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? int(n) : 1;
}

QBitArray computeMask(int cpuType, int cpuInUse, int processorCount, const std::function<int()> &random)
{
    const int n = qMax(1, processorCount);
    QBitArray mask(n);
    switch (cpuType) {
    case 0:
        mask.fill(true);
        break;
    case 1:
        mask.setBit(random() % n);
        break;
    case 2: {
        QList<int> candidates;
        for (int i = 0; i < n; ++i)
            candidates.append(i);
        for (int k = 0; k < cpuInUse && !candidates.isEmpty(); ++k) {
            const int pos = random() % int(candidates.size());
            mask.setBit(candidates.takeAt(pos));
        }
        break;
    }
    default:
        mask.setBit(0);
        break;
    }
    if (mask.count(true) == 0)
        mask.setBit(0);
    return mask;
}

QBitArray maskFromSettings(const SettingsStore *pref)
{
    const int n = processorCount();
    return computeMask(AppSettings::cpuType(pref), AppSettings::cpuInUse(pref, n), n,
                       [] { return std::rand(); });
}

bool applyToProcess(const QBitArray &mask)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int i = 0; i < mask.size() && i < CPU_SETSIZE; ++i) {
        if (mask.testBit(i))
            CPU_SET(i, &set);
    }
    bool ok = true;
    const QStringList tasks =
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (tasks.isEmpty())
        return sched_setaffinity(0, sizeof set, &set) == 0;
    for (const QString &task : tasks) {
        if (sched_setaffinity(pid_t(task.toInt()), sizeof set, &set) != 0) {
            qCDebug(lcAffinity) << "affinity refused for thread" << task;
            ok = false;
        }
    }
    return ok;
}

} // namespace CpuAffinity
