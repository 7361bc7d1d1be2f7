#include "desktop/skinmodel.h"

SkinModel::SkinModel(const QString &skinDir, QObject *parent) : QStandardItemModel(parent), m_skinDir(skinDir)
{
    auto *item = new QStandardItem(tr("Default"));
    item->setData(QUrl::fromLocalFile(skinDir), Qt::UserRole);
    appendRow(item);
}

QUrl SkinModel::currentAppSkinUrl() const
{
    return QUrl::fromLocalFile(m_skinDir);
}
