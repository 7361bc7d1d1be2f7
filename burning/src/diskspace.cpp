#include "burning/diskspace.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <sys/stat.h>

namespace DiskSpace {

static Probe &probe()
{
    static Probe p;
    return p;
}

Probe setProbe(Probe newProbe)
{
    Probe old = probe();
    probe() = std::move(newProbe);
    return old;
}

static Info systemQuery(const QString &path)
{
    Info info;
    if (path.trimmed().isEmpty() || QDir::isRelativePath(path))
        return info;
    // The disk of a path that does not exist yet is the disk of its nearest
    // existing parent.
    QString existing = QDir::cleanPath(path);
    while (!QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing)
            return info;
        existing = parent;
    }
    struct stat st {
    };
    if (::stat(QFile::encodeName(existing).constData(), &st) != 0)
        return info;
    const QStorageInfo storage(existing);
    info.present = true;
    info.deviceId = quint64(st.st_dev);
    info.available = storage.isValid() ? quint64(qMax<qint64>(0, storage.bytesAvailable())) : 0;
    info.fsType = QString::fromLatin1(storage.fileSystemType());
    info.root = storage.isValid() ? storage.rootPath() : existing;
    return info;
}

Info query(const QString &path)
{
    if (probe())
        return probe()(path);
    return systemQuery(path);
}

bool sameDisk(const Info &a, const Info &b)
{
    return a.present && b.present && a.deviceId == b.deviceId;
}

bool isFat32(const Info &info)
{
    return info.fsType.compare(QLatin1String("vfat"), Qt::CaseInsensitive) == 0 ||
           info.fsType.compare(QLatin1String("FAT32"), Qt::CaseInsensitive) == 0;
}

} // namespace DiskSpace
