#include "kybase/qtsingleapplication.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <unistd.h>

namespace {
const char kActivate[] = "activate";
}

QtSingleApplication::QtSingleApplication(const QString &id, int &argc, char **argv)
    : KyApplication(argc, argv), m_id(id)
{}

QtSingleApplication::~QtSingleApplication()
{
    if (m_server)
        m_server->close();
}

QString QtSingleApplication::serverName(const QString &id)
{
    QString name = QStringLiteral("%1-%2").arg(defaultProductKey()).arg(getuid());
    if (!id.isEmpty())
        name += QLatin1Char('-') + QString::fromLatin1(id.toUtf8().toHex());
    return name;
}

bool QtSingleApplication::isRunning(const QString &id)
{
    if (m_runningState >= 0)
        return m_runningState == 1;
    if (!id.isEmpty())
        m_id = id;
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    m_lock =
        std::make_unique<QLockFile>(runtime + QLatin1Char('/') + serverName(m_id) + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // a lock whose process has died is stale at once
    if (m_lock->tryLock(0)) {
        m_runningState = 0;
        QLocalServer::removeServer(serverName(m_id));
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &QtSingleApplication::onNewConnection);
        m_server->listen(serverName(m_id));
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

bool QtSingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(m_id));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(message.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

void QtSingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

void QtSingleApplication::activateWindow()
{
    if (!m_activationWindow)
        return;
    m_activationWindow->setWindowState(m_activationWindow->windowState() & ~Qt::WindowMinimized);
    m_activationWindow->show();
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
}

void QtSingleApplication::onNewConnection()
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
