#pragma once

// Helpers of the dialog tests: answering message boxes and file choosers
// like a person would, catching folders sent to the file manager, and
// keeping a picture of each dialog for a look.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QList>
#include <QObject>
#include <QUrl>
#include <QWidget>

#include <QTest>

#include "desktop/application.h"
#include "desktop/filechooser.h"
#include "desktop/messagebox.h"
#include "testsupport.h"

// Records every message box and answers it with the next queued answer
// (No when the queue is empty, the safe answer of every question).
class MessageRecorder
{
public:
    MessageRecorder()
    {
        m_previous = MessageBox::setAnswerHook([this](const MessageBox::Request &request) {
            requests.append(request);
            if (onRequest)
                onRequest(request);
            return answers.isEmpty() ? QDialogButtonBox::No : answers.takeFirst();
        });
    }
    ~MessageRecorder() { MessageBox::setAnswerHook(m_previous); }
    QStringList texts() const
    {
        QStringList out;
        for (const auto &r : requests)
            out << r.text;
        return out;
    }

    QList<MessageBox::Request> requests;
    QList<QDialogButtonBox::StandardButton> answers;
    std::function<void(const MessageBox::Request &)> onRequest;

private:
    MessageBox::AnswerHook m_previous;
};

// Answers file and folder dialogs with queued paths (cancel when empty).
class ChooserRecorder
{
public:
    ChooserRecorder()
    {
        m_previous = FileChooser::setHook([this](const FileChooser::Request &request) {
            requests.append(request);
            return answers.isEmpty() ? QStringList() : QStringList{answers.takeFirst()};
        });
    }
    ~ChooserRecorder() { FileChooser::setHook(m_previous); }

    QList<FileChooser::Request> requests;
    QStringList answers;

private:
    FileChooser::Hook m_previous;
};

// Stands in for the desktop's file manager: records the local folders the
// program asks to open.
class FileManagerRecorder : public QObject
{
    Q_OBJECT
public:
    FileManagerRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~FileManagerRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

// Saves a picture of the widget under the test's temporary folder
// (shots/NAME.png) and returns its path.
inline QString saveShot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("SORVEL_TEST_TMP", QDir::tempPath()) + QStringLiteral("/shots");
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

// The controls of a dialog (buttons, boxes, line edits) that have neither
// an accessible name nor a text of their own, as "class objectName": a
// screen reader could not say what they are. The line edit inside a spin or
// combo box is a part of that box and not counted.
inline QStringList unnamedControls(QWidget *dialog)
{
    QStringList out;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        const auto *button = qobject_cast<QAbstractButton *>(w);
        const bool boxPart = qobject_cast<QAbstractSpinBox *>(w->parentWidget()) ||
                             qobject_cast<QComboBox *>(w->parentWidget());
        const bool control = button || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
                             (qobject_cast<QLineEdit *>(w) && !boxPart);
        if (!control)
            continue;
        const QString text = button ? button->text() : QString();
        if (w->accessibleName().trimmed().isEmpty() && text.trimmed().isEmpty())
            out << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    }
    return out;
}

// Chooses an entry of a combo box as a person does: opens its list, moves
// to the entry and presses Return (the box reports it as activated). False
// when the box has no such entry.
inline bool chooseEntry(QComboBox *box, const QString &text)
{
    const int target = box->findText(text);
    if (target < 0)
        return false;
    box->setFocus();
    box->showPopup();
    if (!QTest::qWaitFor([box] { return box->view()->isVisible(); }))
        return false;
    box->view()->setCurrentIndex(box->model()->index(target, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
    return QTest::qWaitFor([box] { return !box->view()->isVisible(); });
}

// Prepends a folder to PATH for as long as it lives.
class PathPrefix : public TestSupport::ScopedEnv
{
public:
    explicit PathPrefix(const QString &folder)
        : ScopedEnv("PATH", folder + QLatin1Char(':') + qEnvironmentVariable("PATH"))
    {}
};

// The main function of a dialog test: runs the test object inside the
// program's application object, with settings of the test's own.
template <typename T> int runDialogTest(int argc, char **argv)
{
    Application app(argc, argv);
    app.initSettings();
    T test;
    return QTest::qExec(&test, argc, argv);
}
