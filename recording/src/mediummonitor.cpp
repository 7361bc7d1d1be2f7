#include "recording/recording.h"

#include "libburnsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSocketNotifier>
#include <QTimer>

#include <libudev.h>

namespace {

struct UdevDeleter {
    void operator()(udev *u) const { udev_unref(u); }
};
struct UdevMonitorDeleter {
    void operator()(udev_monitor *m) const { udev_monitor_unref(m); }
};
struct UdevDeviceDeleter {
    void operator()(udev_device *dev) const { udev_device_unref(dev); }
};
using UdevPtr = std::unique_ptr<udev, UdevDeleter>;
using UdevMonitorPtr = std::unique_ptr<udev_monitor, UdevMonitorDeleter>;
using UdevDevicePtr = std::unique_ptr<udev_device, UdevDeviceDeleter>;

QString udevProperty(udev_device *dev, const char *name)
{
    const char *value = udev_device_get_property_value(dev, name);
    return value ? QString::fromLocal8Bit(value) : QString();
}

// What a pseudo-drive's file looks like now: "none" when its folder is gone
// (no medium), "blank" when the file is absent, else size and time.
QString pseudoSignature(const QString &device)
{
    const QFileInfo fi(recording::pseudoPath(device));
    if (!fi.absoluteDir().exists())
        return QString();
    if (!fi.exists())
        return QStringLiteral("blank");
    return QStringLiteral("%1:%2").arg(fi.size()).arg(fi.lastModified().toMSecsSinceEpoch());
}

} // namespace

struct MediumMonitor::Private {
    UdevPtr udev;
    UdevMonitorPtr monitor;
    QSocketNotifier *notifier = nullptr;
    QTimer *poll = nullptr;
    QStringList pseudo;
    QHash<QString, QString> signatures;
};

MediumMonitor::MediumMonitor(const QStringList &pseudoDrives, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    for (const QString &entry : pseudoDrives)
        d->pseudo.append(DriveList::pseudoDriveName(entry));
    d->poll = new QTimer(this);
    d->poll->setInterval(500);
    connect(d->poll, &QTimer::timeout, this, &MediumMonitor::pollPseudoDrives);
}

MediumMonitor::~MediumMonitor() = default;

void MediumMonitor::setPollInterval(int ms)
{
    d->poll->setInterval(qMax(20, ms));
}

bool MediumMonitor::start()
{
    for (const QString &device : qAsConst(d->pseudo))
        d->signatures.insert(device, pseudoSignature(device));
    if (!d->pseudo.isEmpty())
        d->poll->start();
    if (d->monitor)
        return true;
    d->udev.reset(udev_new());
    if (!d->udev) {
        qCWarning(lcRecording) << "udev is not available; disc changes are not watched";
        return !d->pseudo.isEmpty();
    }
    d->monitor.reset(udev_monitor_new_from_netlink(d->udev.get(), "udev"));
    if (!d->monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(d->monitor.get(), "block", "disk") < 0 ||
        udev_monitor_enable_receiving(d->monitor.get()) < 0) {
        qCWarning(lcRecording) << "cannot listen to udev events; disc changes are not watched";
        d->monitor.reset();
        return !d->pseudo.isEmpty();
    }
    d->notifier = new QSocketNotifier(udev_monitor_get_fd(d->monitor.get()), QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, &MediumMonitor::readUdev);
    return true;
}

void MediumMonitor::readUdev()
{
    UdevDevicePtr dev(udev_monitor_receive_device(d->monitor.get()));
    if (!dev)
        return;
    if (udevProperty(dev.get(), "ID_CDROM") != QLatin1String("1"))
        return;
    const QString action = QString::fromLatin1(udev_device_get_action(dev.get()));
    const QString node = QString::fromLocal8Bit(udev_device_get_devnode(dev.get()));
    if (node.isEmpty())
        return;
    if (action == QLatin1String("change") || action == QLatin1String("add"))
        Q_EMIT mediumChanged(node, udevProperty(dev.get(), "ID_CDROM_MEDIA") == QLatin1String("1"));
    else if (action == QLatin1String("remove"))
        Q_EMIT mediumChanged(node, false);
}

void MediumMonitor::pollPseudoDrives()
{
    for (const QString &device : qAsConst(d->pseudo)) {
        const QString now = pseudoSignature(device);
        if (now == d->signatures.value(device))
            continue;
        d->signatures.insert(device, now);
        Q_EMIT mediumChanged(device, !now.isEmpty());
    }
}
