#include "kybase/kymessagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QMutex>

#include "kybase/kyapplication.h"
#include "kybase/kypref.h"

namespace {
QMutex g_hookLock;
KyMessageBox::AnswerHook &hookStore()
{
    static KyMessageBox::AnswerHook hook;
    return hook;
}

QString defaultTitle(KyMessageBox::Kind kind)
{
    if (auto *app = KyApplication::instance(); app && app->pref())
        return app->pref()->product_name();
    switch (kind) {
    case KyMessageBox::Alert:
        return QObject::tr("Error");
    case KyMessageBox::Question:
        return QObject::tr("Question");
    case KyMessageBox::Info:
        break;
    }
    return QObject::tr("Information");
}
} // namespace

KyMessageBox::AnswerHook KyMessageBox::setAnswerHook(AnswerHook hook)
{
    QMutexLocker locker(&g_hookLock);
    AnswerHook old = std::move(hookStore());
    hookStore() = std::move(hook);
    return old;
}

bool KyMessageBox::hasAnswerHook()
{
    QMutexLocker locker(&g_hookLock);
    return bool(hookStore());
}

void KyMessageBox::alert(const QString &text, const QString &title, QWidget *parent, bool)
{
    show({Alert, text, title, QDialogButtonBox::Ok, QDialogButtonBox::Ok}, parent);
}

void KyMessageBox::info(const QString &text, const QString &title, QWidget *parent, bool)
{
    show({Info, text, title, QDialogButtonBox::Ok, QDialogButtonBox::Ok}, parent);
}

QDialogButtonBox::StandardButton KyMessageBox::question(const QString &text, const QString &title,
                                                        QDialogButtonBox::StandardButtons buttons,
                                                        QWidget *parent,
                                                        QDialogButtonBox::StandardButton defaultButton, bool)
{
    return show({Question, text, title, buttons, defaultButton}, parent);
}

QDialogButtonBox::StandardButton KyMessageBox::show(const Request &request, QWidget *parent)
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
