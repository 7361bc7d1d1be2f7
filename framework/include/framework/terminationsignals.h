#pragma once

#include <QObject>

// Turns SIGTERM, SIGINT and SIGHUP (Ctrl-C, a session logout, a kill
// request) into requested() on the thread that first asked for the
// instance (the main thread). The signal handler only writes to a pipe.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers on first use; the object lives as long as the
    // application object (or the process, without one).
    static TerminationSignals *instance();

Q_SIGNALS:
    void requested();

private:
    explicit TerminationSignals(QObject *parent);
};
