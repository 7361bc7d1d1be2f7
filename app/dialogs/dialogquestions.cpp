#include "dialogs/dialogquestions.h"

#include "dialogs/waitfordiscdialog.h"

#include <burning/dvdburner.h>
#include <desktop/messagebox.h>

DialogQuestions::DialogQuestions(QWidget *checkParent, QWidget *runParent, QObject *parent)
    : QObject(parent), m_checkParent(checkParent), m_runParent(runParent)
{
    // The burn phase's wait asks before it gives up (the run ends); the
    // check phase's wait may simply be closed or ignored.
    m_burnWait = new WaitForDiscDialog(runParent ? runParent : checkParent);
    m_burnWait->setNoConfirm(false);
    m_burnWait->setIgnoreVisible(false);
    m_checkWait = new WaitForDiscDialog(checkParent ? checkParent : runParent);
    m_checkWait->setNoConfirm(true);
}

DialogQuestions::~DialogQuestions()
{
    // Without a parent widget the dialogs are this object's to remove.
    if (m_burnWait && !m_burnWait->parent())
        delete m_burnWait;
    if (m_checkWait && !m_checkWait->parent())
        delete m_checkWait;
}

WaitForDiscDialog *DialogQuestions::checkWaitDialog() const
{
    return m_checkWait;
}

WaitForDiscDialog *DialogQuestions::burnWaitDialog() const
{
    return m_burnWait;
}

QWidget *DialogQuestions::parentWidget() const
{
    return m_runShowing && m_runParent ? m_runParent : m_checkParent;
}

bool DialogQuestions::ask(const QString &text)
{
    return MessageBox::question(text, QString(), QDialogButtonBox::Yes | QDialogButtonBox::No, parentWidget(),
                                QDialogButtonBox::No) == QDialogButtonBox::Yes;
}

bool DialogQuestions::confirm(Confirmation, const QString &text)
{
    return ask(text);
}

bool DialogQuestions::retryFailedBurn(const QString &text)
{
    return ask(text);
}

RunQuestions::DiscWaitAnswer DialogQuestions::waitForDisc(const DiscWait &wait)
{
    WaitForDiscDialog *dialog = wait.checking ? m_checkWait : m_burnWait;
    if (!dialog)
        return DiscWaitAnswer::Cancelled;
    dialog->setTitleText(QStringLiteral("[") + wait.device + QStringLiteral("] ") + wait.displayName +
                         QStringLiteral(": ") + tr("Waiting for Disc"));
    dialog->setReason(wait.reason);
    const QString note = wait.checking
                             ? tr("To skip disc checking, please click \"Ignore\", but it will show "
                                  "again when starting burning.")
                             : QString();
    dialog->setValues(wait.requiredType, wait.discType, wait.neededSize, wait.discFree, note);
    dialog->setIgnoreVisible(wait.checking);
    m_waiting = dialog;
    m_waitedDevice = wait.device;
    const WaitForDiscDialog::Answer answer = dialog->runModal();
    m_waiting = nullptr;
    m_waitedDevice.clear();
    switch (answer) {
    case WaitForDiscDialog::AnswerDiscArrived:
        return DiscWaitAnswer::Inserted;
    case WaitForDiscDialog::AnswerIgnore:
        return DiscWaitAnswer::Ignored;
    case WaitForDiscDialog::AnswerCancel:
        break;
    }
    return DiscWaitAnswer::Cancelled;
}

void DialogQuestions::discArrived(const QString &drive)
{
    if (!m_waiting || !m_waiting->isVisible() || !DriveList::isSameDevice(m_waitedDevice, drive))
        return;
    m_waiting->closeForDisc();
}
