#pragma once

#include <QDialogButtonBox>
#include <QString>

#include <functional>

class QWidget;

// Modal message boxes of the framework. Tests (and the command-line mode)
// install an answer hook so that no person is needed: while a hook is set,
// no box is shown and the hook's answer is returned instead.
class MessageBox
{
public:
    enum Kind { Alert, Info, Question };

    struct Request {
        Kind kind;
        QString text;
        QString title;
        QDialogButtonBox::StandardButtons buttons;
        QDialogButtonBox::StandardButton defaultButton;
    };
    using AnswerHook = std::function<QDialogButtonBox::StandardButton(const Request &)>;

    static void alert(const QString &text, const QString &title = QString(), QWidget *parent = nullptr,
                      bool modal = true);
    static void info(const QString &text, const QString &title = QString(), QWidget *parent = nullptr,
                     bool modal = true);
    static QDialogButtonBox::StandardButton
    question(const QString &text, const QString &title = QString(),
             QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes | QDialogButtonBox::No,
             QWidget *parent = nullptr, QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::No,
             bool modal = true);

    // Installs (or, with an empty function, removes) the answer hook.
    // Returns the previous hook.
    static AnswerHook setAnswerHook(AnswerHook hook);
    static bool hasAnswerHook();

private:
    static QDialogButtonBox::StandardButton show(const Request &request, QWidget *parent);
};
