#include "desktop/dialogbase.h"

#include <QEvent>
#include <QLayout>
#include <QSizeGrip>

#include "desktop/application.h"
#include "framework/settingsstore.h"

void WindowHelper::setAllWindowTitle(const QString &title)
{
    for (QWidget *w = m_widget; w; w = w->parentWidget()) {
        w->setWindowTitle(title);
        if (w->isWindow())
            break;
    }
}

void WindowHelper::enableRestoreFrameGeometry(bool position, bool size, bool state)
{
    m_restorePos = position;
    m_restoreSize = size;
    m_restoreState = state;
    restoreGeometry();
}

void WindowHelper::saveGeometry()
{
    auto *app = Application::instance();
    if (!app || !app->pref() || !(m_restorePos || m_restoreSize || m_restoreState))
        return;
    app->pref()->setValue(QStringLiteral("Geometry/") + m_widget->objectName(), m_widget->saveGeometry());
}

void WindowHelper::restoreGeometry()
{
    auto *app = Application::instance();
    if (!app || !app->pref() || !(m_restorePos || m_restoreSize || m_restoreState))
        return;
    const QByteArray g =
        app->pref()->value(QStringLiteral("Geometry/") + m_widget->objectName()).toByteArray();
    if (!g.isEmpty())
        m_widget->restoreGeometry(g);
}

DialogBase::DialogBase(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags), m_helper(this) {}

DialogBase::~DialogBase() = default;

void DialogBase::adjustSizeV2()
{
    if (layout())
        layout()->activate();
    adjustSize();
}

void DialogBase::setSizingEnabled(bool on)
{
    setSizeGripEnabled(on);
}

void DialogBase::done(int result)
{
    m_helper.saveGeometry();
    QDialog::done(result);
}

void DialogBase::retranslate() {}

bool DialogBase::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QDialog::event(event);
}
