#pragma once

#include <QStandardItemModel>
#include <QString>
#include <QUrl>

// The skins the program offers. There is one built-in skin; its folder
// holds the pictures the forms use.
class SkinModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit SkinModel(const QString &skinDir, QObject *parent = nullptr);
    QUrl currentAppSkinUrl() const;
    QString currentSkinDir() const { return m_skinDir; }

private:
    QString m_skinDir;
};
