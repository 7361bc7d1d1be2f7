#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Carries out the action after making a DVD. Codes (the "AfterBurnAction"
// setting): 0 exit the program, 1 stand by, 2 hibernate, 4 shut down;
// anything else does nothing. Power actions are requests to systemd-logind
// (org.freedesktop.login1.Manager Suspend / Hibernate / PowerOff).
class PowerAction : public QObject
{
    Q_OBJECT
public:
    enum State { ExitProgram = 0, StandBy = 1, Hibernate = 2, ShutDown = 4, DoNothing = 5 };

    // What exec() asks for: a logind method (empty for none) or quitting.
    struct Request {
        bool quitApplication = false;
        QString service;   // org.freedesktop.login1
        QString path;      // /org/freedesktop/login1
        QString interface; // org.freedesktop.login1.Manager
        QString method;    // Suspend, Hibernate or PowerOff
        bool interactive = true;
        bool isNone() const { return !quitApplication && method.isEmpty(); }
    };
    // Receives the request instead of the system; tests install one so that
    // the machine is never suspended. Returns what exec() should return.
    using RequestHandler = std::function<bool(const Request &)>;

    explicit PowerAction(int state, QObject *parent = nullptr);

    static Request requestFor(int state);
    static RequestHandler setRequestHandler(RequestHandler handler);

    // Carries out the action; true when it was requested successfully.
    bool exec();
    QString lastError() const { return m_error; }

private:
    int m_state;
    QString m_error;
};
