#include "kybase/kypref.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

KyPref::KyPref(const QString &companyKey, const QString &productKey, const QString &productName)
    : m_companyKey(companyKey), m_productKey(productKey), m_productName(productName),
      m_settings(
          std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, companyKey, productKey))
{}

KyPref::~KyPref() = default;

QVariant KyPref::value(const QString &key, const QVariant &defaultValue) const
{
    return m_settings->value(key, defaultValue);
}

void KyPref::setValue(const QString &key, const QVariant &value, bool)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

bool KyPref::hasKey(const QString &key) const
{
    return m_settings->contains(key);
}

void KyPref::remove(const QString &key)
{
    m_settings->remove(key);
    m_settings->sync();
}

QString KyPref::fileName() const
{
    return m_settings->fileName();
}

QString KyPref::appDir() const
{
    return resolveAppDir(m_productKey);
}

QString KyPref::skinDir() const
{
    return appDir() + QStringLiteral("/skin/default");
}

QString KyPref::resolveAppDir(const QString &productKey)
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
