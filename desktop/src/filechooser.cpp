#include "desktop/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMutex>

namespace {
QMutex g_hookLock;
FileChooser::Hook &hookStore()
{
    static FileChooser::Hook hook;
    return hook;
}

// The dialog's start: the nearest folder of the given path that exists (a
// remembered folder may have been removed or unmounted; the dialog would
// otherwise open somewhere else with the missing name typed in as a file
// name). A file name given for saving is kept.
QString existingStart(const QString &directory, bool keepFileName)
{
    if (directory.isEmpty())
        return directory;
    const QFileInfo given(directory);
    if (given.isDir())
        return directory;
    QString fileName;
    QDir dir = given.absoluteDir();
    if (keepFileName)
        fileName = given.fileName();
    while (!dir.exists() && !dir.isRoot())
        dir.setPath(QFileInfo(dir.absolutePath()).absolutePath());
    if (!dir.exists())
        dir = QDir::home();
    return fileName.isEmpty() ? dir.absolutePath() : dir.absoluteFilePath(fileName);
}
} // namespace

FileChooser::Hook FileChooser::setHook(Hook hook)
{
    QMutexLocker locker(&g_hookLock);
    Hook old = std::move(hookStore());
    hookStore() = std::move(hook);
    return old;
}

bool FileChooser::hasHook()
{
    QMutexLocker locker(&g_hookLock);
    return bool(hookStore());
}

QStringList FileChooser::choose(QWidget *parent, const Request &request)
{
    Hook hook;
    {
        QMutexLocker locker(&g_hookLock);
        hook = hookStore();
    }
    if (hook)
        return hook(request);
    const QString start = existingStart(request.directory, request.mode == SaveFile);

    switch (request.mode) {
    case OpenFile: {
        const QString path = QFileDialog::getOpenFileName(parent, request.caption, start, request.filter);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    case OpenFiles:
        return QFileDialog::getOpenFileNames(parent, request.caption, start, request.filter);
    case SaveFile: {
        const QString path = QFileDialog::getSaveFileName(parent, request.caption, start, request.filter);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    case ExistingDirectory: {
        const QString path = QFileDialog::getExistingDirectory(parent, request.caption, start);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    }
    return {};
}

QString FileChooser::getOpenFileName(QWidget *parent, const QString &caption, const QString &directory,
                                     const QString &filter)
{
    return choose(parent, {OpenFile, caption, directory, filter}).value(0);
}

QStringList FileChooser::getOpenFileNames(QWidget *parent, const QString &caption, const QString &directory,
                                          const QString &filter)
{
    return choose(parent, {OpenFiles, caption, directory, filter});
}

QString FileChooser::getSaveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                     const QString &filter)
{
    return choose(parent, {SaveFile, caption, directory, filter}).value(0);
}

QString FileChooser::getExistingDirectory(QWidget *parent, const QString &caption, const QString &directory)
{
    return choose(parent, {ExistingDirectory, caption, directory, QString()}).value(0);
}
