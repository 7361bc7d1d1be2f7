#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

// The preferences store of the application: a QSettings INI file in the
// user's XDG configuration folder (organisation = company key, application =
// product key). Every setValue is written to disk at once.
class SettingsStore
{
public:
    SettingsStore(const QString &companyKey, const QString &productKey, const QString &productName);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    // Stores the value and syncs the file.
    void setValue(const QString &key, const QVariant &value);
    bool hasKey(const QString &key) const;
    void remove(const QString &key);

    // Folder with the application's data files (pattern/, silence.ac3, skins).
    QString appDir() const;
    QString skinDir() const;
    QString productName() const { return m_productName; }
    QString companyKey() const { return m_companyKey; }
    QString productKey() const { return m_productKey; }
    QString fileName() const;

    // The store of the running program (set by the application object, or
    // by whoever creates the program's store); null when there is none.
    static SettingsStore *current();
    static void setCurrent(SettingsStore *store);

private:
    QString m_companyKey;
    QString m_productKey;
    QString m_productName;
    std::unique_ptr<QSettings> m_settings;
};
