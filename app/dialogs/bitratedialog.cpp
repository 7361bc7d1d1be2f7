#include "dialogs/bitratedialog.h"

#include <QPushButton>
#include <QToolTip>

#include "ui_bitratedialog.h"
#include "dialogs/validators.h"
#include "framework/tracelog.h"

namespace {
const char *const kSourceName = "customizedbitratedialog";
} // namespace

BitRateDialog::BitRateDialog(QWidget *parent, int type)
    : DialogBase(parent), m_ui(std::make_unique<Ui::BitRateDialog>()), m_type(type)
{
    m_ui->setupUi(this);
    helper()->setAllWindowTitle(tr("Customize Bitrate"));
    setSizingEnabled(true);

    QValidator *validator = nullptr;
    if (m_type == VideoBitRate)
        validator = new DecimalValidator(this);
    else if (m_type == AudioBitRate)
        validator = new IntegerValidator(this);
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

BitRateDialog::~BitRateDialog() = default;

void BitRateDialog::applyType()
{
    if (m_type == VideoBitRate) {
        m_ui->labelUnit->setText(tr("Mbps"));
        m_ui->labelRange->setText(
            QStringLiteral("%1 - %2").arg(DecimalValidator::kBottom).arg(DecimalValidator::kTop));
    } else if (m_type == AudioBitRate) {
        m_ui->labelUnit->setText(tr("kbit/s"));
        m_ui->labelRange->setText(
            QStringLiteral("%1 - %2").arg(IntegerValidator::kBottom).arg(IntegerValidator::kTop));
    }
    m_ui->lineEditBitRate->setAccessibleName(m_ui->label->text());
}

void BitRateDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    if (m_ui->buttonBox->standardButton(button) == QDialogButtonBox::Ok)
        accept();
    else
        reject();
}

void BitRateDialog::refuse()
{
    QToolTip::showText(m_ui->lineEditBitRate->mapToGlobal(QPoint(0, 0)), tr("Please input a valid value"),
                       m_ui->lineEditBitRate);
    m_ui->lineEditBitRate->setFocus();
}

void BitRateDialog::accept()
{
    QString text = m_ui->lineEditBitRate->text().trimmed();
    if (m_type != VideoBitRate && m_type != AudioBitRate) {
        SORVEL_TRACE(kSourceName);
        DialogBase::accept();
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
    DialogBase::accept();
}

void BitRateDialog::reject()
{
    if (m_type == VideoBitRate)
        Q_EMIT customizedVideoBitRate(QString());
    else if (m_type == AudioBitRate)
        Q_EMIT customizedAudioBitRate(QString());
    else
        SORVEL_TRACE(kSourceName);
    DialogBase::reject();
}

void BitRateDialog::retranslate()
{
    m_ui->retranslateUi(this);
    helper()->setAllWindowTitle(tr("Customize Bitrate"));
    applyType();
}
