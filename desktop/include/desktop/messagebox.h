#pragma once

#include <QDialogButtonBox>
#include <QMap>
#include <QString>
#include <QStringList>

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
        // Lines shown in a scrollable list under the text (one file a
        // line), however many: the box never grows past the screen.
        QStringList items = {};
        // Texts that replace the standard buttons' own ("Recover" for Yes).
        QMap<QDialogButtonBox::StandardButton, QString> buttonTexts = {};
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

    // A box with a scrollable list of lines under its text (files left out
    // and why). Returns the button pressed.
    static QDialogButtonBox::StandardButton
    list(Kind kind, const QString &text, const QStringList &items, QWidget *parent = nullptr,
         QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
         QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::Ok,
         const QMap<QDialogButtonBox::StandardButton, QString> &buttonTexts = {});
    // Any request, as built by the caller.
    static QDialogButtonBox::StandardButton ask(const Request &request, QWidget *parent = nullptr);

    // Closes the boxes open with this text as if answer had been pressed
    // (a question that the course of events has answered: "Abort?" when
    // the run has ended by itself). Returns how many were closed.
    static int withdraw(const QString &text, QDialogButtonBox::StandardButton answer);

    // Installs (or, with an empty function, removes) the answer hook.
    // Returns the previous hook.
    static AnswerHook setAnswerHook(AnswerHook hook);
    static bool hasAnswerHook();

private:
    static QDialogButtonBox::StandardButton show(const Request &request, QWidget *parent);
    static QDialogButtonBox::StandardButton showList(const Request &request, const QString &title, int icon,
                                                     QWidget *parent);
};
