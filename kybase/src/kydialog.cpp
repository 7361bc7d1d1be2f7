#include "kybase/kydialog.h"

#include <QEvent>
#include <QLayout>
#include <QSizeGrip>

#include "kybase/kyapplication.h"
#include "kybase/kypref.h"

void KyWidgetHelper::setAllWindowTitle(const QString &title)
{
    for (QWidget *w = m_widget; w; w = w->parentWidget()) {
        w->setWindowTitle(title);
        if (w->isWindow())
            break;
    }
}

void KyWidgetHelper::enableRestoreFrameGeometry(bool position, bool size, bool state)
{
    m_restorePos = position;
    m_restoreSize = size;
    m_restoreState = state;
    restoreGeometry();
}

void KyWidgetHelper::saveGeometry()
{
    auto *app = KyApplication::instance();
    if (!app || !app->pref() || !(m_restorePos || m_restoreSize || m_restoreState))
        return;
    app->pref()->setValue(QStringLiteral("Geometry/") + m_widget->objectName(), m_widget->saveGeometry(),
                          false);
}

void KyWidgetHelper::restoreGeometry()
{
    auto *app = KyApplication::instance();
    if (!app || !app->pref() || !(m_restorePos || m_restoreSize || m_restoreState))
        return;
    const QByteArray g =
        app->pref()->value(QStringLiteral("Geometry/") + m_widget->objectName()).toByteArray();
    if (!g.isEmpty())
        m_widget->restoreGeometry(g);
}

KyDialog::KyDialog(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags), m_helper(this) {}

KyDialog::~KyDialog() = default;

void KyDialog::adjustSizeV2()
{
    if (layout())
        layout()->activate();
    adjustSize();
}

void KyDialog::setSizingEnabled(bool on)
{
    setSizeGripEnabled(on);
}

void KyDialog::done(int result)
{
    m_helper.saveGeometry();
    QDialog::done(result);
}

void KyDialog::retranslate() {}

bool KyDialog::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QDialog::event(event);
}
