#include "desktop/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QMutex>

#include "desktop/application.h"
#include "framework/settingsstore.h"

namespace {
QMutex g_hookLock;
MessageBox::AnswerHook &hookStore()
{
    static MessageBox::AnswerHook hook;
    return hook;
}

QString defaultTitle(MessageBox::Kind kind)
{
    if (auto *app = Application::instance(); app && app->pref())
        return app->pref()->productName();
    switch (kind) {
    case MessageBox::Alert:
        return QObject::tr("Error");
    case MessageBox::Question:
        return QObject::tr("Question");
    case MessageBox::Info:
        break;
    }
    return QObject::tr("Information");
}
} // namespace

MessageBox::AnswerHook MessageBox::setAnswerHook(AnswerHook hook)
{
    QMutexLocker locker(&g_hookLock);
    AnswerHook old = std::move(hookStore());
    hookStore() = std::move(hook);
    return old;
}

bool MessageBox::hasAnswerHook()
{
    QMutexLocker locker(&g_hookLock);
    return bool(hookStore());
}

void MessageBox::alert(const QString &text, const QString &title, QWidget *parent, bool)
{
    show({Alert, text, title, QDialogButtonBox::Ok, QDialogButtonBox::Ok}, parent);
}

void MessageBox::info(const QString &text, const QString &title, QWidget *parent, bool)
{
    show({Info, text, title, QDialogButtonBox::Ok, QDialogButtonBox::Ok}, parent);
}

QDialogButtonBox::StandardButton MessageBox::question(const QString &text, const QString &title,
                                                      QDialogButtonBox::StandardButtons buttons,
                                                      QWidget *parent,
                                                      QDialogButtonBox::StandardButton defaultButton, bool)
{
    return show({Question, text, title, buttons, defaultButton}, parent);
}

QDialogButtonBox::StandardButton MessageBox::show(const Request &request, QWidget *parent)
{
    AnswerHook hook;
    {
        QMutexLocker locker(&g_hookLock);
        hook = hookStore();
    }
    if (hook)
        return hook(request);

    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return request.defaultButton; // no GUI: nobody can answer

    const QString title = request.title.isEmpty() ? defaultTitle(request.kind) : request.title;
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(request.text);
    box.setIcon(request.kind == Alert      ? QMessageBox::Critical
                : request.kind == Question ? QMessageBox::Question
                                           : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::StandardButtons(int(request.buttons)));
    box.setDefaultButton(QMessageBox::StandardButton(int(request.defaultButton)));
    return QDialogButtonBox::StandardButton(box.exec());
}
