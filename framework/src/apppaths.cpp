#include "framework/apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString &productKeyStore()
{
    static QString key = AppPaths::defaultProductKey();
    return key;
}
} // namespace

namespace AppPaths {

QString companyKey()
{
    return QStringLiteral("Sorvel");
}

QString defaultProductKey()
{
    return QStringLiteral("Sorvel");
}

QString productKey()
{
    return productKeyStore();
}

void setProductKey(const QString &key)
{
    productKeyStore() = key;
}

QString productName()
{
    return QStringLiteral("Sorvel DVD Slideshow");
}

QString appDir()
{
    return resolveAppDir(defaultProductKey());
}

QString resolveAppDir(const QString &productKey)
{
    const QByteArray env = qgetenv("SORVEL_APPDIR");
    if (!env.isEmpty())
        return QDir(QString::fromLocal8Bit(env)).absolutePath();
    QString exeDir = QCoreApplication::applicationDirPath();
    if (exeDir.isEmpty()) {
        // No application object yet: read the executable link directly.
        exeDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        exeDir = QFileInfo(exeDir).absolutePath();
    }
    const QDir here(exeDir);
    if (here.exists(QStringLiteral("pattern")) || here.exists(QStringLiteral("silence.ac3")) ||
        here.exists(QStringLiteral(".sorvel-appdir")))
        return here.absolutePath();
    QDir prefix(exeDir);
    prefix.cdUp();
    return prefix.absoluteFilePath(QStringLiteral("share/") + productKey.toLower());
}

QString findTool(const QString &program)
{
    const QFileInfo local(appDir() + QLatin1Char('/') + program);
    if (local.isFile() && local.isExecutable())
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(program);
}

QString userName()
{
    // The login name when the password database has one; the number
    // otherwise (a container's user without an entry).
    if (const passwd *entry = ::getpwuid(::getuid()); entry && entry->pw_name && *entry->pw_name)
        return QFile::decodeName(entry->pw_name);
    return QString::number(::getuid());
}

bool ensurePrivateFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        // A missing parent: made the ordinary way, the folder itself private.
        if (errno != ENOENT || !QDir().mkpath(QFileInfo(path).absolutePath()) ||
            (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST))
            return false;
    }
    // lstat: a link planted under the name is never followed.
    struct stat st = {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 0077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return false;
    return true;
}

QString tempPath()
{
    // One folder per user: a folder shared by the users of a machine would
    // belong to whoever made it first, and every other user's run would
    // fail in it (or read the first user's files).
    const QString path = QDir::tempPath() + QLatin1Char('/') + productKeyStore() + QLatin1Char('-') + userName();
    if (ensurePrivateFolder(path))
        return path;
    // The name is taken by someone else: a private folder in the user's
    // cache instead.
    const QString fallback =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QLatin1Char('/') +
        productKeyStore() + QStringLiteral("/tmp");
    if (!ensurePrivateFolder(fallback))
        qWarning("The temporary folders %s and %s cannot be made private.", qPrintable(path),
                 qPrintable(fallback));
    return fallback;
}

bool isFolderWritable(const QString &path)
{
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists())
        return false;
    QTemporaryFile probe(dir.absoluteFilePath(QStringLiteral(".sorvel-writable-XXXXXX")));
    return probe.open();
}

} // namespace AppPaths
