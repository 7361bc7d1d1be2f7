#include "workflow/customizebitratedialog.h"

#include <QPushButton>
#include <QToolTip>

#include "ui_customizebitratedialog.h"
#include "workflow/kxvalidators.h"
#include "workflow/tracelog.h"

namespace {
const char *const kSourceName = "customizedbitratedialog";
} // namespace

CustomizeBitRateDialog::CustomizeBitRateDialog(QWidget *parent, int type)
    : KyDialog(parent), m_ui(std::make_unique<Ui::CustomizeBitRateDialogClass>()), m_type(type)
{
    m_ui->setupUi(this);
    helper()->setAllWindowTitle(tr("Customize Bitrate"));
    setSizingEnabled(true);

    QValidator *validator = nullptr;
    if (m_type == VideoBitRate)
        validator = new KxDoubleValidator(this);
    else if (m_type == AudioBitRate)
        validator = new KxIntValidator(this);
    else
        SORVEL_TRACE(kSourceName);
    if (validator) {
        m_ui->lineEditBitRate->setValidator(validator);
        QPalette red = m_ui->labelRange->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            red.setColor(group, QPalette::WindowText, Qt::red);
        m_ui->labelPreRange->setPalette(red);
        m_ui->labelRange->setPalette(red);
    }
    applyType();
    // The buttons are handled by on_buttonBox_clicked; the box's own
    // accepted()/rejected() are not connected by the form.
    m_ui->lineEditBitRate->setFocus();
}

CustomizeBitRateDialog::~CustomizeBitRateDialog() = default;

void CustomizeBitRateDialog::applyType()
{
    if (m_type == VideoBitRate) {
        m_ui->labelUnit->setText(tr("Mbps"));
        m_ui->labelRange->setText(
            QStringLiteral("%1 - %2").arg(KxDoubleValidator::kBottom).arg(KxDoubleValidator::kTop));
    } else if (m_type == AudioBitRate) {
        m_ui->labelUnit->setText(tr("kbit/s"));
        m_ui->labelRange->setText(
            QStringLiteral("%1 - %2").arg(KxIntValidator::kBottom).arg(KxIntValidator::kTop));
    }
    m_ui->lineEditBitRate->setAccessibleName(m_ui->label->text());
}

void CustomizeBitRateDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    if (m_ui->buttonBox->standardButton(button) == QDialogButtonBox::Ok)
        accept();
    else
        reject();
}

void CustomizeBitRateDialog::refuse()
{
    QToolTip::showText(m_ui->lineEditBitRate->mapToGlobal(QPoint(0, 0)), tr("Please input a valid value"),
                       m_ui->lineEditBitRate);
    m_ui->lineEditBitRate->setFocus();
}

void CustomizeBitRateDialog::accept()
{
    QString text = m_ui->lineEditBitRate->text().trimmed();
    if (m_type != VideoBitRate && m_type != AudioBitRate) {
        SORVEL_TRACE(kSourceName);
        KyDialog::accept();
        return;
    }
    // Only a complete number inside the range is taken: a half-typed "." or
    // "100" on the way to "128" would otherwise become the encoder's rate.
    int pos = 0;
    const QValidator *validator = m_ui->lineEditBitRate->validator();
    if (text.isEmpty() || validator->validate(text, pos) != QValidator::Acceptable) {
        refuse();
        return;
    }
    if (m_type == VideoBitRate)
        Q_EMIT customizedVideoBitRate(text);
    else
        Q_EMIT customizedAudioBitRate(text);
    KyDialog::accept();
}

void CustomizeBitRateDialog::reject()
{
    if (m_type == VideoBitRate)
        Q_EMIT customizedVideoBitRate(QString());
    else if (m_type == AudioBitRate)
        Q_EMIT customizedAudioBitRate(QString());
    else
        SORVEL_TRACE(kSourceName);
    KyDialog::reject();
}

void CustomizeBitRateDialog::retranslate()
{
    m_ui->retranslateUi(this);
    helper()->setAllWindowTitle(tr("Customize Bitrate"));
    applyType();
}
