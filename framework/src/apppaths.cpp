#include "framework/apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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

QString tempPath()
{
    const QString path = QDir::tempPath() + QLatin1Char('/') + productKeyStore();
    QDir().mkpath(path);
    return path;
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
