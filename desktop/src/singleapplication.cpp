#include "desktop/singleapplication.h"

#include "framework/apppaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <unistd.h>

namespace {
const char kActivate[] = "activate";
// sun_path holds 108 bytes with the terminating NUL.
constexpr int kMaxSocketPath = 107;

QString runtimeFolder()
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return runtime;
}
} // namespace

SingleApplication::SingleApplication(const QString &id, int &argc, char **argv)
    : Application(argc, argv), m_id(id)
{}

SingleApplication::~SingleApplication()
{
    if (m_server)
        m_server->close();
}

QString SingleApplication::serverName(const QString &id)
{
    QString name = QStringLiteral("%1-%2").arg(AppPaths::defaultProductKey()).arg(getuid());
    if (!id.isEmpty())
        name += QLatin1Char('-') + QString::fromLatin1(id.toUtf8().toHex());
    return name;
}

QString SingleApplication::socketPath(const QString &id)
{
    // The socket lives beside the lock in the user's runtime folder, so
    // that sessions with their own runtime folders (two users, parallel
    // tests) never meet. A runtime folder too long for a socket path gets a
    // short hashed name; a folder too long even for that falls back to the
    // bare name (a socket in the temporary folder).
    const QString folder = runtimeFolder() + QLatin1Char('/');
    const QString full = folder + serverName(id) + QStringLiteral(".socket");
    if (QFile::encodeName(full).size() <= kMaxSocketPath)
        return full;
    const QString hashed =
        folder + QStringLiteral("ky-") +
        QString::fromLatin1(
            QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    if (QFile::encodeName(hashed).size() <= kMaxSocketPath)
        return hashed;
    return serverName(id);
}

bool SingleApplication::isRunning(const QString &id)
{
    if (m_runningState >= 0)
        return m_runningState == 1;
    if (!id.isEmpty())
        m_id = id;
    m_lock = std::make_unique<QLockFile>(runtimeFolder() + QLatin1Char('/') + serverName(m_id) +
                                         QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // a lock whose process has died is stale at once
    if (m_lock->tryLock(0)) {
        m_runningState = 0;
        // Holding the lock makes this the only instance: a socket left by
        // one that died may go.
        QLocalServer::removeServer(socketPath(m_id));
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::onNewConnection);
        m_server->listen(socketPath(m_id));
        return false;
    }
    m_runningState = 1;
    // The first instance may still be starting: try for a few seconds.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (sendMessage(QString::fromLatin1(kActivate), 500))
            break;
        QThread::msleep(100);
    }
    return true;
}

bool SingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(m_id));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(message.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void SingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

void SingleApplication::activateWindow()
{
    if (!m_activationWindow)
        return;
    m_activationWindow->setWindowState(m_activationWindow->windowState() & ~Qt::WindowMinimized);
    m_activationWindow->show();
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
}

void SingleApplication::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QString message = QString::fromUtf8(socket->readLine()).trimmed();
                Q_EMIT messageReceived(message);
                if (message == QLatin1String(kActivate) && m_activateOnMessage)
                    activateWindow();
            }
        });
    }
}
