#pragma once

#include <desktop/dialogbase.h>

#include <memory>

class QAbstractButton;
namespace Ui {
class BitRateDialog;
}

// Asks for a user-defined bit rate: type 0 a video bit rate in Mbit/s (2 to
// 9), type 1 an audio bit rate in kbit/s (128 to 448). OK reports the typed
// text through the signal of the type; Cancel reports an empty text, which
// receivers take as "keep the previous rate".
class BitRateDialog : public DialogBase
{
    Q_OBJECT
public:
    enum Type { VideoBitRate = 0, AudioBitRate = 1 };

    BitRateDialog(QWidget *parent, int type);
    ~BitRateDialog() override;

    int type() const { return m_type; }

Q_SIGNALS:
    void customizedVideoBitRate(QString rate);
    void customizedAudioBitRate(QString rate);

public Q_SLOTS:
    void on_buttonBox_clicked(QAbstractButton *button);
    void accept() override;
    void reject() override;
    void retranslate() override;

private:
    void refuse();
    void applyType();

    std::unique_ptr<Ui::BitRateDialog> m_ui;
    int m_type;
};
