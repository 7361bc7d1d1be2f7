#pragma once

#include <desktop/dialogbase.h>

#include <functional>
#include <memory>

namespace Ui {
class WaitForDiscDialog;
}

// Shown while the engine waits for a suitable disc: why the disc cannot be
// used, what is needed, and Cancel / Ignore.
class WaitForDiscDialog : public DialogBase
{
    Q_OBJECT
public:
    // How a run ended when no person answers (command line, tests).
    enum Answer { AnswerCancel, AnswerIgnore, AnswerDiscArrived };
    using AnswerHook = std::function<Answer(WaitForDiscDialog *dialog)>;
    // Installs (or, with an empty function, removes) the hook; while set,
    // runModal() asks it instead of showing the dialog. Returns the previous.
    // Without a hook and without a person (a message box hook is set, or the
    // platform is "offscreen"), runModal() answers Cancel.
    static AnswerHook setAnswerHook(AnswerHook hook);

    explicit WaitForDiscDialog(QWidget *parent = nullptr);
    ~WaitForDiscDialog() override;

    void setReason(const QString &text);
    QString reason() const;
    void setValues(const QString &requiredType, const QString &typeInRecorder, const QString &neededSize,
                   const QString &discFree, const QString &note);
    QString valueText(const QString &objectName) const;
    void setTitleText(const QString &title);
    void setIgnoreVisible(bool visible);
    bool isIgnoreVisible() const { return m_ignoreVisible; }
    // Without confirmation, Cancel closes at once; with it, the user is
    // asked "Are you sure you want to abort?" first.
    void setNoConfirm(bool noConfirm) { m_noConfirm = noConfirm; }
    bool noConfirm() const { return m_noConfirm; }

    // Runs modally, centred, until a disc arrives (closeForDisc()) or the
    // person cancels or ignores the wait.
    Answer runModal();
    bool isIgnore() const { return m_ignore; }
    bool isClosed() const { return m_closed; }
    // Closes without any question: a disc arrived. exec() returns 1.
    void closeForDisc();

public Q_SLOTS:
    void on_ignoreButton_clicked();
    void on_cancelButton_clicked();
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool mayClose();

    std::unique_ptr<Ui::WaitForDiscDialog> ui;
    bool m_closed = false;
    bool m_ignore = false;
    bool m_noConfirm = true;
    bool m_forced = false;
    bool m_ignoreVisible = true;
};
