#include "framework/poweraction.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMutex>

namespace {
QMutex g_handlerLock;
PowerAction::RequestHandler &handlerStore()
{
    static PowerAction::RequestHandler handler;
    return handler;
}
} // namespace

PowerAction::PowerAction(int state, QObject *parent) : QObject(parent), m_state(state) {}

PowerAction::Request PowerAction::requestFor(int state)
{
    Request r;
    const char *method = nullptr;
    switch (state) {
    case ExitProgram:
        r.quitApplication = true;
        return r;
    case StandBy:
        method = "Suspend";
        break;
    case Hibernate:
        method = "Hibernate";
        break;
    case ShutDown:
        method = "PowerOff";
        break;
    default:
        return r;
    }
    r.service = QStringLiteral("org.freedesktop.login1");
    r.path = QStringLiteral("/org/freedesktop/login1");
    r.interface = QStringLiteral("org.freedesktop.login1.Manager");
    r.method = QString::fromLatin1(method);
    return r;
}

PowerAction::RequestHandler PowerAction::setRequestHandler(RequestHandler handler)
{
    QMutexLocker locker(&g_handlerLock);
    RequestHandler old = std::move(handlerStore());
    handlerStore() = std::move(handler);
    return old;
}

bool PowerAction::exec()
{
    const Request request = requestFor(m_state);
    RequestHandler handler;
    {
        QMutexLocker locker(&g_handlerLock);
        handler = handlerStore();
    }
    if (handler)
        return handler(request);
    if (request.isNone())
        return true;
    if (request.quitApplication) {
        QCoreApplication::quit();
        return true;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(request.service, request.path, request.interface, request.method);
    call << request.interactive;
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        m_error = reply.errorMessage();
        return false;
    }
    return true;
}
