#pragma once

#include <QDoubleValidator>
#include <QIntValidator>

// Bit rate validators of the custom bit rate dialog. Numbers are read in the
// C locale ("6.5"), the form the encoder settings are stored in.

// Video bit rate in Mbit/s, 2 to 9 with up to three decimals. A number
// outside the range cannot be typed at all, not even on the way to a valid
// one: "9.5" and "1" are refused, "6.125" is accepted.
class DecimalValidator : public QDoubleValidator
{
    Q_OBJECT
public:
    static constexpr double kBottom = 2.0;
    static constexpr double kTop = 9.0;

    explicit DecimalValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};

// Audio bit rate in kbit/s, 128 to 448. Partial numbers on the way to a
// valid one ("1", "12") may be typed, leading zeros may not; the range is
// checked when the dialog is confirmed.
class IntegerValidator : public QIntValidator
{
    Q_OBJECT
public:
    static constexpr int kBottom = 128;
    static constexpr int kTop = 448;

    explicit IntegerValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};
