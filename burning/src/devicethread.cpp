#include "burning/devicethread.h"

#include "burning/dvdburner.h"

#include <QCoreApplication>
#include <QElapsedTimer>

DeviceThread::DeviceThread(QObject *parent) : QThread(parent) {}

DeviceThread::~DeviceThread()
{
    stop();
}

void DeviceThread::queueRefresh()
{
    addTask({TaskKind::Refresh, QString()});
}

void DeviceThread::queueEject(const QString &device)
{
    addTask({TaskKind::Eject, device});
}

void DeviceThread::addTask(const Task &task)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    if (m_stop)
        return;
    // One pending refresh is as good as several.
    if (task.kind == TaskKind::Refresh) {
        for (const Task &t : qAsConst(m_tasks)) {
            if (t.kind == TaskKind::Refresh)
                return;
        }
    }
    m_tasks.enqueue(task);
    m_wake.notify_one();
}

bool DeviceThread::isBusy() const
{
    std::lock_guard<std::mutex> locker(m_mutex);
    return m_busy || !m_tasks.isEmpty();
}

void DeviceThread::stop(int timeoutMs)
{
    {
        std::lock_guard<std::mutex> locker(m_mutex);
        m_stop = true;
        m_tasks.clear();
        m_wake.notify_all();
    }
    if (!isRunning())
        return;
    // The thread may be waiting for the GUI thread to take a blocking
    // signal; keep delivering events while it finishes.
    QElapsedTimer timer;
    timer.start();
    while (!wait(20) && timer.elapsed() < timeoutMs) {
        const QCoreApplication *app = QCoreApplication::instance();
        if (app && QThread::currentThread() == app->thread())
            QCoreApplication::processEvents();
    }
    if (isRunning())
        wait();
}

void DeviceThread::run()
{
    for (;;) {
        Task task;
        {
            std::unique_lock<std::mutex> locker(m_mutex);
            m_wake.wait(locker, [this] { return !m_tasks.isEmpty() || m_stop; });
            if (m_stop)
                return;
            task = m_tasks.dequeue();
            m_busy = true;
        }
        DVDBurner *burner = DVDBurner::instance();
        if (task.kind == TaskKind::Refresh) {
            burner->updateDevices();
            burner->updateDiscs();
            bool stopping;
            {
                std::lock_guard<std::mutex> locker(m_mutex);
                stopping = m_stop;
            }
            if (!stopping) {
                Q_EMIT devicesUpdated();
                Q_EMIT discsUpdated();
            }
        } else {
            burner->eject(task.device);
        }
        std::lock_guard<std::mutex> locker(m_mutex);
        m_busy = false;
    }
}
