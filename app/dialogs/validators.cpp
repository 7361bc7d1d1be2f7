#include "dialogs/validators.h"

namespace {
// Tolerance for the decimal limits, so that "9.000" and "2" stay valid.
constexpr double kEpsilon = 1e-7;
} // namespace

DecimalValidator::DecimalValidator(QObject *parent) : QDoubleValidator(kBottom, kTop, 3, parent)
{
    setNotation(QDoubleValidator::StandardNotation);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    setLocale(c);
}

QValidator::State DecimalValidator::validate(QString &input, int &pos) const
{
    const State state = QDoubleValidator::validate(input, pos);
    if (state == Intermediate && !input.isEmpty()) {
        bool ok = false;
        const double x = locale().toDouble(input, &ok);
        if (ok && (x > top() + kEpsilon || x < bottom() - kEpsilon))
            return Invalid;
    }
    return state;
}

IntegerValidator::IntegerValidator(QObject *parent) : QIntValidator(kBottom, kTop, parent)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    setLocale(c);
}

QValidator::State IntegerValidator::validate(QString &input, int &pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state == Intermediate && !input.isEmpty() && input.at(0) == QLatin1Char('0'))
        return Invalid;
    return state;
}
