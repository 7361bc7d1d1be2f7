#include "burning/waitingdiskdialog.h"

#include "ui_waitingdiskdialog.h"

#include <desktop/widgetsupport.h>
#include <desktop/application.h>
#include <desktop/messagebox.h>
#include <framework/settingsstore.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QStyle>
#include "framework/apppaths.h"

namespace {
WaitingDiskDialog::AnswerHook &answerHook()
{
    static WaitingDiskDialog::AnswerHook hook;
    return hook;
}
} // namespace

WaitingDiskDialog::AnswerHook WaitingDiskDialog::setAnswerHook(AnswerHook hook)
{
    AnswerHook old = answerHook();
    answerHook() = std::move(hook);
    return old;
}

WaitingDiskDialog::WaitingDiskDialog(QWidget *parent)
    : DialogBase(parent), ui(std::make_unique<Ui::WaitingDiskDialogClass>())
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

WaitingDiskDialog::~WaitingDiskDialog() = default;

void WaitingDiskDialog::setReason(const QString &text)
{
    ui->reason->setText(text);
}

QString WaitingDiskDialog::reason() const
{
    return ui->reason->text();
}

void WaitingDiskDialog::setValues(const QString &requiredType, const QString &typeInRecorder,
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

QString WaitingDiskDialog::valueText(const QString &objectName) const
{
    if (objectName == QLatin1String("title"))
        return ui->labelreason->text();
    const QLabel *label = findChild<QLabel *>(objectName);
    return label ? label->text() : QString();
}

void WaitingDiskDialog::setTitleText(const QString &title)
{
    ui->labelreason->setText(title);
}

void WaitingDiskDialog::setIgnoreVisible(bool visible)
{
    m_ignoreVisible = visible;
    ui->ignoreButton->setVisible(visible);
}

int WaitingDiskDialog::runModal()
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
                return 1;
            }
            m_ignore = answer == AnswerIgnore && m_ignoreVisible;
            if (mayClose()) {
                m_closed = true;
                return 0;
            }
        }
        m_closed = true;
        return 0;
    }
    adjustSize();
    Desktop::moveCenter(this);
    return exec() == 1 ? 1 : 0;
}

void WaitingDiskDialog::closeWithResult(int result)
{
    m_forced = true;
    m_closed = true;
    if (isVisible())
        done(result);
}

bool WaitingDiskDialog::mayClose()
{
    if (m_noConfirm || m_ignore || m_forced)
        return true;
    return MessageBox::question(tr("Are you sure you want to abort?"), QString(),
                                QDialogButtonBox::Yes | QDialogButtonBox::No, this,
                                QDialogButtonBox::No) == QDialogButtonBox::Yes;
}

void WaitingDiskDialog::on_ignoreButton_clicked()
{
    m_ignore = true;
    close();
}

void WaitingDiskDialog::on_cancelButton_clicked()
{
    m_ignore = false;
    close();
}

void WaitingDiskDialog::reject()
{
    if (!mayClose())
        return;
    m_closed = true;
    DialogBase::reject();
}

void WaitingDiskDialog::closeEvent(QCloseEvent *event)
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
