#include "framework/settingsstore.h"

#include "framework/apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

SettingsStore::SettingsStore(const QString &companyKey, const QString &productKey, const QString &productName)
    : m_companyKey(companyKey), m_productKey(productKey), m_productName(productName),
      m_settings(
          std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, companyKey, productKey))
{}

SettingsStore::~SettingsStore() = default;

QVariant SettingsStore::value(const QString &key, const QVariant &defaultValue) const
{
    return m_settings->value(key, defaultValue);
}

void SettingsStore::setValue(const QString &key, const QVariant &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

bool SettingsStore::hasKey(const QString &key) const
{
    return m_settings->contains(key);
}

void SettingsStore::remove(const QString &key)
{
    m_settings->remove(key);
    m_settings->sync();
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString SettingsStore::appDir() const
{
    return AppPaths::resolveAppDir(m_productKey);
}

QString SettingsStore::skinDir() const
{
    return appDir() + QStringLiteral("/skin/default");
}

namespace {
SettingsStore *g_current = nullptr;
}

SettingsStore *SettingsStore::current()
{
    return g_current;
}

void SettingsStore::setCurrent(SettingsStore *store)
{
    g_current = store;
}
