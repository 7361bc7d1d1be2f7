#include "kybase/kyskinitemmodel.h"

KySkinItemModel::KySkinItemModel(const QString &skinDir, QObject *parent)
    : QStandardItemModel(parent), m_skinDir(skinDir)
{
    auto *item = new QStandardItem(tr("Default"));
    item->setData(QUrl::fromLocalFile(skinDir), Qt::UserRole);
    appendRow(item);
}

QUrl KySkinItemModel::currentAppSkinUrl() const
{
    return QUrl::fromLocalFile(m_skinDir);
}
