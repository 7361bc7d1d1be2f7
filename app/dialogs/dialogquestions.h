#pragma once

#include <burning/runquestions.h>

#include <QObject>
#include <QPointer>

class QWidget;
class WaitForDiscDialog;

// The questions of a run asked of the person at the window: confirmations
// and "try again?" as message boxes, a wait for a disc in a waiting dialog
// (with Ignore while the destination is checked) that closes by itself when
// the disc arrives in the recorder waited for.
class DialogQuestions : public QObject, public RunQuestions
{
    Q_OBJECT
public:
    // Questions go over checkParent while the destination is checked and
    // over runParent while the run shows its progress (setRunShowing).
    DialogQuestions(QWidget *checkParent, QWidget *runParent, QObject *parent = nullptr);
    ~DialogQuestions() override;

    void setRunShowing(bool showing) { m_runShowing = showing; }

    bool confirm(Confirmation what, const QString &text) override;
    bool retryFailedBurn(const QString &text) override;
    DiscWaitAnswer waitForDisc(const DiscWait &wait) override;

    // The dialogs of the two waits (for tests and screenshots).
    WaitForDiscDialog *checkWaitDialog() const;
    WaitForDiscDialog *burnWaitDialog() const;

public Q_SLOTS:
    // A disc arrived in a drive: ends a wait for that drive.
    void discArrived(const QString &drive);

private:
    bool ask(const QString &text);
    QWidget *parentWidget() const;

    QPointer<QWidget> m_checkParent;
    QPointer<QWidget> m_runParent;
    QPointer<WaitForDiscDialog> m_checkWait;
    QPointer<WaitForDiscDialog> m_burnWait;
    QPointer<WaitForDiscDialog> m_waiting; // the dialog of the wait under way
    QString m_waitedDevice;
    bool m_runShowing = false;
};
