#include "burning/drivewatch.h"

#include "burning/dvdburner.h"

DriveWatch::DriveWatch(DeviceThread *thread, QObject *parent) : QObject(parent), m_thread(thread) {}

DriveWatch::~DriveWatch() = default;

void DriveWatch::start()
{
    if (m_thread) {
        if (!m_thread->isRunning())
            m_thread->start();
        m_thread->queueRefresh();
    }
    if (m_monitor)
        return;
    m_monitor = new MediumMonitor(DVDBurner::instance()->pseudoDrives(), this);
    connect(m_monitor, &MediumMonitor::mediumChanged, this, &DriveWatch::mediumChanged);
    m_monitor->start();
}

void DriveWatch::mediumChanged(const QString &drive, bool present)
{
    // A job holds its drive; the caches are read again after it.
    if (m_thread && m_thread->isRunning() && !DVDBurner::instance()->isRunning())
        m_thread->queueRefresh();
    if (present)
        Q_EMIT discArrived(drive);
}
