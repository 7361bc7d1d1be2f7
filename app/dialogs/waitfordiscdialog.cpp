#include "dialogs/waitfordiscdialog.h"

#include "ui_waitfordiscdialog.h"

#include <desktop/widgetsupport.h>
#include <desktop/application.h>
#include <desktop/messagebox.h>
#include <framework/settingsstore.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QStyle>
#include "framework/apppaths.h"

namespace {
WaitForDiscDialog::AnswerHook &answerHook()
{
    static WaitForDiscDialog::AnswerHook hook;
    return hook;
}
} // namespace

WaitForDiscDialog::AnswerHook WaitForDiscDialog::setAnswerHook(AnswerHook hook)
{
    AnswerHook old = answerHook();
    answerHook() = std::move(hook);
    return old;
}

WaitForDiscDialog::WaitForDiscDialog(QWidget *parent)
    : DialogBase(parent), ui(std::make_unique<Ui::WaitForDiscDialog>())
{
    ui->setupUi(this);
    QString product = AppPaths::productName();
    if (Application *app = Application::instance()) {
        if (SettingsStore *pref = app->pref())
            product = pref->productName();
    }
    setWindowTitle(product);
    ui->labelimage->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    setModal(true);
}

WaitForDiscDialog::~WaitForDiscDialog() = default;

void WaitForDiscDialog::setReason(const QString &text)
{
    ui->reason->setText(text);
}

QString WaitForDiscDialog::reason() const
{
    return ui->reason->text();
}

void WaitForDiscDialog::setValues(const QString &requiredType, const QString &typeInRecorder,
                                  const QString &neededSize, const QString &discFree, const QString &note)
{
    ui->labelneeddisctypevalue->setText(requiredType);
    ui->labeldisctypevalue->setText(typeInRecorder);
    ui->labelneedsizevalue->setText(neededSize);
    ui->labeldiscfreevalue->setText(discFree);
    ui->alerm->setText(note);
    ui->labelalerm->setVisible(!note.isEmpty());
    ui->alerm->setVisible(!note.isEmpty());
}

QString WaitForDiscDialog::valueText(const QString &objectName) const
{
    if (objectName == QLatin1String("title"))
        return ui->labelreason->text();
    const QLabel *label = findChild<QLabel *>(objectName);
    return label ? label->text() : QString();
}

void WaitForDiscDialog::setTitleText(const QString &title)
{
    ui->labelreason->setText(title);
}

void WaitForDiscDialog::setIgnoreVisible(bool visible)
{
    m_ignoreVisible = visible;
    ui->ignoreButton->setVisible(visible);
}

WaitForDiscDialog::Answer WaitForDiscDialog::runModal()
{
    m_closed = false;
    m_ignore = false;
    m_forced = false;
    // Without a person (message boxes answered by a hook, or no screen) a
    // disc will never be inserted: waiting would block forever, so the wait
    // is cancelled unless a hook of this dialog decides otherwise.
    const bool nobody = MessageBox::hasAnswerHook() ||
                        QGuiApplication::platformName() == QLatin1String("offscreen") ||
                        QGuiApplication::platformName() == QLatin1String("minimal");
    if (answerHook() || nobody) {
        // Cancel still needs the confirmation that a person would give,
        // which the message box hook answers.
        for (int round = 0; round < 100; ++round) {
            const Answer answer = answerHook() ? answerHook()(this) : AnswerCancel;
            if (answer == AnswerDiscArrived) {
                m_closed = true;
                return AnswerDiscArrived;
            }
            m_ignore = answer == AnswerIgnore && m_ignoreVisible;
            if (mayClose()) {
                m_closed = true;
                return m_ignore ? AnswerIgnore : AnswerCancel;
            }
        }
        m_closed = true;
        return AnswerCancel;
    }
    adjustSize();
    Desktop::moveCenter(this);
    if (exec() == 1)
        return AnswerDiscArrived;
    return m_ignore ? AnswerIgnore : AnswerCancel;
}

void WaitForDiscDialog::closeForDisc()
{
    m_forced = true;
    m_closed = true;
    if (isVisible())
        done(1);
}

bool WaitForDiscDialog::mayClose()
{
    if (m_noConfirm || m_ignore || m_forced)
        return true;
    return MessageBox::question(tr("Are you sure you want to abort?"), QString(),
                                QDialogButtonBox::Yes | QDialogButtonBox::No, this,
                                QDialogButtonBox::No) == QDialogButtonBox::Yes;
}

void WaitForDiscDialog::on_ignoreButton_clicked()
{
    m_ignore = true;
    close();
}

void WaitForDiscDialog::on_cancelButton_clicked()
{
    m_ignore = false;
    close();
}

void WaitForDiscDialog::reject()
{
    if (!mayClose())
        return;
    m_closed = true;
    DialogBase::reject();
}

void WaitForDiscDialog::closeEvent(QCloseEvent *event)
{
    if (!isVisible()) {
        event->accept();
        return;
    }
    reject();
    if (isVisible())
        event->ignore();
    else
        event->accept();
}
