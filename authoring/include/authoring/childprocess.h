#pragma once

#include "authoring/authoring_global.h"

#include <QProcess>

// Process priority classes, mapped to nice values of the child.
enum KYPROCESS_PRIORITY {
    KYPROCESS_PRIORITY_IDLE = 19,
    KYPROCESS_PRIORITY_BELOW_NORMAL = 10,
    KYPROCESS_PRIORITY_NORMAL = 0,
    KYPROCESS_PRIORITY_ABOVE_NORMAL = -5,
    KYPROCESS_PRIORITY_HIGH = -10,
    KYPROCESS_PRIORITY_REALTIME = -20
};

// A child process that can also be suspended and resumed as a whole
// (SIGSTOP / SIGCONT), given a priority class or a processor mask, and
// killed so that its owner can tell a kill from a failure: terminate() sets
// the dynamic property "killed" to true first.
class AUTHORING_EXPORT ChildProcess : public QProcess
{
    Q_OBJECT
public:
    explicit ChildProcess(QObject *parent = nullptr);
    ~ChildProcess() override;

public Q_SLOTS:
    bool pause();
    bool resume();
    bool isRunning() const;
    bool isPaused() const { return m_paused; }
    // Sets the child's nice value to the class's value; false when the
    // system refuses (raising the priority needs privileges).
    bool setPriority(KYPROCESS_PRIORITY priority);
    bool terminate();
    bool setCpuAffinity(int mask);

Q_SIGNALS:
    void paused();
    void resumed();
    void stopped();

private:
    bool m_paused = false;
};
