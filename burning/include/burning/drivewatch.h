#pragma once

#include <burning/devicethread.h>

#include <QObject>
#include <QPointer>
#include <QString>

class MediumMonitor;

// Keeps the recorder and disc caches of DVDBurner fresh for a view of them:
// starts a device thread's first refresh and watches for discs arriving in
// or leaving the recorders (and pseudo-drive files changing), refreshing
// the caches after each change while no disc job runs. The view connects
// to the thread's devicesUpdated() and discsUpdated().
class DriveWatch : public QObject
{
    Q_OBJECT
public:
    // The thread (not owned) does the refreshes; it must outlive this object.
    explicit DriveWatch(DeviceThread *thread, QObject *parent = nullptr);
    ~DriveWatch() override;

    // Starts the thread if needed, queues a refresh and starts watching.
    void start();
    // A medium change as the monitor reports it (public so that a test can
    // stand in for the monitor).
    void mediumChanged(const QString &drive, bool present);

Q_SIGNALS:
    // A disc arrived in a drive (or a pseudo-drive's file changed).
    void discArrived(const QString &drive);

private:
    QPointer<DeviceThread> m_thread;
    MediumMonitor *m_monitor = nullptr;
};
