#pragma once

#include "desktop/application.h"

#include <QPointer>

#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

// An application of which one instance runs per user and identifier. The
// first instance holds a lock file and listens on a local socket, both in
// the user's runtime folder; a later start finds the lock taken, sends an
// activation message to the first one and reports isRunning() == true.
// Further messages (one line of text each) reach the first instance as
// messageReceived().
class SingleApplication : public Application
{
    Q_OBJECT
public:
    SingleApplication(const QString &id, int &argc, char **argv);
    ~SingleApplication() override;

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
    // Absolute path of the instance's socket: in the user's runtime folder,
    // beside the lock file. Without a runtime folder of the user's (mode
    // 0700, the user's own) a private "sorvel-runtime-<uid>" folder in the
    // temporary folder serves; when even that belongs to someone else the
    // path is empty and there is no channel (each start is its own editor).
    static QString socketPath(const QString &id);

    // What one client may send: a message (one line) of at most
    // kMaxMessageBytes, kMaxMessages a connection, kMaxConnections at once,
    // each closed after kIdleTimeoutMs without a word.
    static constexpr qint64 kMaxMessageBytes = 1024 * 1024;
    static constexpr int kMaxMessages = 16;
    static constexpr int kMaxConnections = 32;
    static constexpr int kIdleTimeoutMs = 10000;

public Q_SLOTS:
    void activateWindow();

Q_SIGNALS:
    void messageReceived(const QString &message);

private:
    void onNewConnection();
    bool listen();

    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = true;
    int m_runningState = -1; // -1 unknown, 0 primary, 1 another instance runs
    int m_connections = 0;
};
