#pragma once

#include <QQueue>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <mutex>

// Background thread that refreshes the recorder and disc caches of
// DVDBurner and ejects trays, so that the GUI never waits for a drive.
class DeviceThread : public QThread
{
    Q_OBJECT
public:
    explicit DeviceThread(QObject *parent = nullptr);
    ~DeviceThread() override;

    // Rescans the recorders and reads their discs (one pending refresh is
    // as good as several).
    void queueRefresh();
    void queueEject(const QString &device);
    bool isBusy() const;
    // Ends the thread: pending tasks are dropped; waits up to timeoutMs while
    // still delivering the thread's blocking signals.
    void stop(int timeoutMs = 5000);

Q_SIGNALS:
    // Emitted on this thread after a refresh, recorders first: connect with
    // Qt::BlockingQueuedConnection to read the caches before the next task.
    void devicesUpdated();
    void discsUpdated();

protected:
    void run() override;

private:
    enum class TaskKind { Refresh, Eject };
    struct Task {
        TaskKind kind = TaskKind::Refresh;
        QString device;
    };
    void addTask(const Task &task);

    // Standard locks, so that the thread sanitizer sees every hand-over.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    QQueue<Task> m_tasks;
    bool m_stop = false;
    bool m_busy = false;
};
