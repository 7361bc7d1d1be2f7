#pragma once

#include "kybase/kyapplication.h"

#include <QPointer>

#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

// An application of which one instance runs per user and identifier. The
// first instance holds a lock file and listens on a local socket; a later
// start finds the lock taken, sends an activation message to the first one
// and reports isRunning() == true.
class QtSingleApplication : public KyApplication
{
    Q_OBJECT
public:
    QtSingleApplication(const QString &id, int &argc, char **argv);
    ~QtSingleApplication() override;

    // True when another instance with this identifier runs; that instance
    // has then been asked to activate its window. Otherwise this process
    // becomes the running instance.
    bool isRunning(const QString &id = QString());
    // Sends a message to the running instance. True when it was delivered.
    bool sendMessage(const QString &message, int timeoutMs = 3000);
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const { return m_activationWindow; }

    // Name of the local socket / lock for an identifier (per user).
    static QString serverName(const QString &id);

public Q_SLOTS:
    void activateWindow();

Q_SIGNALS:
    void messageReceived(const QString &message);

private:
    void onNewConnection();

    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = true;
    int m_runningState = -1; // -1 unknown, 0 primary, 1 another instance runs
};
