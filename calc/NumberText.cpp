#include "calc/NumberText.h"

#include <QLocale>

namespace {

constexpr int kSignificantDigits = 15;

// The magnitude's digits with a period, e.g. "2.42", "0.25", "1E+20".
QString magnitudeDigits(double value) {
    // 'G' keeps 15 significant digits, drops trailing zeros and uses the
    // exponent form outside 1E-4 .. 1E15, independently of the locale.
    return QString::number(qAbs(value), 'G', kSignificantDigits);
}

bool isNegative(double value) {
    return value < 0;  // -0 is shown as 0
}

}  // namespace

QString plainNumberText(double value, const QString &decimalSeparator) {
    QString text = magnitudeDigits(value);
    text.replace(u'.', decimalSeparator);
    return isNegative(value) ? u'-' + text : text;
}

QString plainNumberText(double value) {
    return plainNumberText(value, QLocale().decimalPoint());
}

QString signedNumberText(double value) {
    QString digits = magnitudeDigits(value);
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (isNegative(value) ? u'-' : u' ') + digits;
}

QString shortNumberText(double value) {
    constexpr qsizetype width = 6;
    const QString text = signedNumberText(value);
    const qsizetype exponentStart = text.indexOf(u'E');
    if (exponentStart < 0)
        return text.left(width);
    // Cut to six characters, " 2.726E-06" would lose its exponent and read
    // as 2.726: keep the exponent whole after the sign and the first digit.
    const QString exponent = text.mid(exponentStart);
    return text.left(qMax<qsizetype>(2, width - exponent.size())) + exponent;
}

QString printedNumber(double value) {
    return signedNumberText(value) + u' ';
}
