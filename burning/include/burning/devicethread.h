#pragma once

#include <QQueue>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <mutex>

// Background thread that refreshes the recorder and disc caches and ejects
// trays so that the GUI never waits for a drive.
class DeviceThread : public QThread
{
    Q_OBJECT
public:
    enum TaskKind { TaskRefresh = 1, TaskEject = 3 };
    struct Task {
        int kind = TaskRefresh;
        QString device;
        int arg1 = 0;
        int arg2 = 0;
    };

    explicit DeviceThread(QObject *parent = nullptr);
    ~DeviceThread() override;

    void addTask(int kind, const QString &device = QString(), int arg1 = 0, int arg2 = 0);
    void queueRefresh() { addTask(TaskRefresh); }
    void queueEject(const QString &device) { addTask(TaskEject, device); }
    bool isBusy() const;
    // Ends the thread: pending tasks are dropped; waits up to timeoutMs while
    // still delivering the thread's blocking signals.
    void stop(int timeoutMs = 5000);

Q_SIGNALS:
    void renderedUpdateDevice();
    void renderedUpdateDiscs();
    void audoCloseCDROMAfter(int seconds);
    void renderdEnableEjectButton(int enable);
    void startDeviceTask();
    void endDeviceTask();

protected:
    void run() override;

private:
    // Standard locks, so that the thread sanitizer sees every hand-over.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    QQueue<Task> m_tasks;
    bool m_stop = false;
    bool m_busy = false;
};
