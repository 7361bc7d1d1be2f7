#include "desktop/singleapplication.h"

#include "framework/apppaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QLoggingCategory>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcInstance, "sorvel.instance")

namespace {
const char kActivate[] = "activate";
// sun_path holds 108 bytes with the terminating NUL.
constexpr int kMaxSocketPath = 107;

// Whether a folder is the user's own and closed to everyone else: only
// then may the channel's socket and lock live in it (in a folder another
// user made, that user would receive every path sent, and the editor
// would never hear of them).
bool isPrivateFolder(const QString &path)
{
    struct stat st = {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 0077) == 0;
}

QString runtimeFolder()
{
    // XDG_RUNTIME_DIR as it is: Qt's own fallback for a runtime folder that
    // is not private would move the channel without a word.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return runtime;
    // No runtime folder of the user's: a private one of the program's in
    // the temporary folder, used only when it is the user's own with mode
    // 0700; otherwise no channel at all.
    const QString fallback = QDir::tempPath() + QStringLiteral("/sorvel-runtime-") + QString::number(::getuid());
    if (AppPaths::ensurePrivateFolder(fallback) && isPrivateFolder(fallback))
        return fallback;
    qCWarning(lcInstance) << "no private folder for the single-instance channel (" << fallback
                          << "belongs to someone else); every start opens its own editor";
    return QString();
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
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty())
        return QString();
    const QString folder = runtime + QLatin1Char('/');
    const QString full = folder + serverName(id) + QStringLiteral(".socket");
    if (QFile::encodeName(full).size() <= kMaxSocketPath)
        return full;
    const QString hashed =
        folder + QStringLiteral("ky-") +
        QString::fromLatin1(
            QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    if (QFile::encodeName(hashed).size() <= kMaxSocketPath)
        return hashed;
    // A bare name would put the socket in the shared temporary folder.
    return QString();
}

bool SingleApplication::isRunning(const QString &id)
{
    if (m_runningState >= 0)
        return m_runningState == 1;
    if (!id.isEmpty())
        m_id = id;
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty() || socketPath(m_id).isEmpty()) {
        // Without a private place there is no channel: this start is an
        // editor of its own.
        m_runningState = 0;
        return false;
    }
    m_lock = std::make_unique<QLockFile>(runtime + QLatin1Char('/') + serverName(m_id) + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // a lock whose process has died is stale at once
    if (m_lock->tryLock(0)) {
        m_runningState = 0;
        // Holding the lock makes this the only instance: a socket left by
        // one that died may go.
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        m_server->setMaxPendingConnections(kMaxConnections);
        connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::onNewConnection);
        listen();
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

bool SingleApplication::listen()
{
    QLocalServer::removeServer(socketPath(m_id));
    if (!m_server->listen(socketPath(m_id))) {
        qCWarning(lcInstance) << "cannot listen on" << socketPath(m_id) << m_server->errorString();
        return false;
    }
    return true;
}

bool SingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    if (socketPath(m_id).isEmpty())
        return false;
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
        // Bounds on what one client may cost: connections held at once,
        // bytes a message, messages a connection, time without a word.
        if (m_connections >= kMaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_connections;
        socket->setReadBufferSize(kMaxMessageBytes + 1);
        auto *idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(kIdleTimeoutMs);
        connect(idle, &QTimer::timeout, socket, &QLocalSocket::abort);
        idle->start();
        auto messages = std::make_shared<int>(0);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            --m_connections;
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle, messages] {
            idle->start();
            while (socket->canReadLine()) {
                if (++*messages > kMaxMessages) {
                    qCWarning(lcInstance) << "a client sent too many messages; disconnected";
                    socket->abort();
                    return;
                }
                const QString message = QString::fromUtf8(socket->readLine(kMaxMessageBytes + 1)).trimmed();
                Q_EMIT messageReceived(message);
                if (message == QLatin1String(kActivate) && m_activateOnMessage)
                    activateWindow();
            }
            if (socket->bytesAvailable() > kMaxMessageBytes) {
                qCWarning(lcInstance) << "a client sent a message over" << kMaxMessageBytes << "bytes; disconnected";
                socket->abort();
            }
        });
    }
    // A failed accept (no descriptor left) makes the server close, and
    // with it its socket file: the instance holds the lock, so it listens
    // again rather than leave every later start without a channel.
    if (!m_server->isListening())
        listen();
}
