#include "kybase/kyfilechooser.h"

#include <QFileDialog>
#include <QMutex>

namespace {
QMutex g_hookLock;
KyFileChooser::Hook &hookStore()
{
    static KyFileChooser::Hook hook;
    return hook;
}
} // namespace

KyFileChooser::Hook KyFileChooser::setHook(Hook hook)
{
    QMutexLocker locker(&g_hookLock);
    Hook old = std::move(hookStore());
    hookStore() = std::move(hook);
    return old;
}

bool KyFileChooser::hasHook()
{
    QMutexLocker locker(&g_hookLock);
    return bool(hookStore());
}

QStringList KyFileChooser::choose(QWidget *parent, const Request &request)
{
    Hook hook;
    {
        QMutexLocker locker(&g_hookLock);
        hook = hookStore();
    }
    if (hook)
        return hook(request);

    switch (request.mode) {
    case OpenFile: {
        const QString path =
            QFileDialog::getOpenFileName(parent, request.caption, request.directory, request.filter);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    case OpenFiles:
        return QFileDialog::getOpenFileNames(parent, request.caption, request.directory, request.filter);
    case SaveFile: {
        const QString path =
            QFileDialog::getSaveFileName(parent, request.caption, request.directory, request.filter);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    case ExistingDirectory: {
        const QString path = QFileDialog::getExistingDirectory(parent, request.caption, request.directory);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    }
    return {};
}

QString KyFileChooser::getOpenFileName(QWidget *parent, const QString &caption, const QString &directory,
                                       const QString &filter)
{
    return choose(parent, {OpenFile, caption, directory, filter}).value(0);
}

QStringList KyFileChooser::getOpenFileNames(QWidget *parent, const QString &caption, const QString &directory,
                                            const QString &filter)
{
    return choose(parent, {OpenFiles, caption, directory, filter});
}

QString KyFileChooser::getSaveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                       const QString &filter)
{
    return choose(parent, {SaveFile, caption, directory, filter}).value(0);
}

QString KyFileChooser::getExistingDirectory(QWidget *parent, const QString &caption, const QString &directory)
{
    return choose(parent, {ExistingDirectory, caption, directory, QString()}).value(0);
}
