#pragma once

#include <QString>

#include <functional>

// Free space and file system of the disk a path lives on (the path itself
// or its nearest existing parent).
namespace DiskSpace {

struct Info {
    bool present = false;  // an existing parent folder was found
    quint64 available = 0; // bytes available to this user
    quint64 deviceId = 0;  // file system identity: equal on the same disk
    QString fsType;        // "vfat" for FAT32, "ext4", ...
    QString root;          // mount point, shown to the user as the disk
};

Info query(const QString &path);
bool sameDisk(const Info &a, const Info &b);
bool isFat32(const Info &info);

// Replaces the system query (tests inject figures that cannot be arranged
// for real). An empty function restores the system query. Returns the
// previous probe.
using Probe = std::function<Info(const QString &path)>;
Probe setProbe(Probe probe);

} // namespace DiskSpace
