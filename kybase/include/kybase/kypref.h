#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

// The preferences store of the application: a QSettings INI file in the
// user's XDG configuration folder (organisation = company key, application =
// product key). Every setValue is written to disk at once.
class KyPref
{
public:
    KyPref(const QString &companyKey, const QString &productKey, const QString &productName);
    ~KyPref();
    KyPref(const KyPref &) = delete;
    KyPref &operator=(const KyPref &) = delete;

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    // Stores the value and syncs the file. The flag is accepted for callers
    // that pass it; every value is persisted immediately.
    void setValue(const QString &key, const QVariant &value, bool deferred = false);
    bool hasKey(const QString &key) const;
    void remove(const QString &key);

    // Folder with the application's data files (pattern/, silence.ac3, skins).
    QString appDir() const;
    QString skinDir() const;
    QString product_name() const { return m_productName; }
    QString company_root_key() const { return m_companyKey; }
    QString product_key() const { return m_productKey; }
    QString fileName() const;

    void setTanslucentWhenSkin(bool on) { m_translucentWhenSkin = on; }
    bool tanslucentWhenSkin() const { return m_translucentWhenSkin; }

    // Resolves the application data folder: $SORVEL_APPDIR when set, the
    // executable's folder when it holds the data (build tree), else
    // <prefix>/share/<product key in lower case>.
    static QString resolveAppDir(const QString &productKey);

private:
    QString m_companyKey;
    QString m_productKey;
    QString m_productName;
    bool m_translucentWhenSkin = true;
    std::unique_ptr<QSettings> m_settings;
};
