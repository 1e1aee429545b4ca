#include "calc/DecimalNumber.h"

#include <charconv>
#include <string>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Moves pos past a run of ASCII digits; returns how many there were.
qsizetype skipDigits(QStringView text, qsizetype &pos) {
    const qsizetype start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos - start;
}

void skipSign(QStringView text, qsizetype &pos) {
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        ++pos;
}

bool hasDecimalForm(QStringView text) {
    qsizetype pos = 0;
    skipSign(text, pos);
    qsizetype digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == u'.')
        digits += skipDigits(text, ++pos);
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        skipSign(text, ++pos);
        if (skipDigits(text, pos) == 0)
            return false;
    }
    return pos == text.size();
}

}  // namespace

DecimalNumber readDecimalNumber(QStringView text) {
    if (!hasDecimalForm(text))
        return {};
    // from_chars takes no "+" and, unlike strtod, ignores the C locale.
    const std::string ascii = text.mid(text.startsWith(u'+') ? 1 : 0).toLatin1().toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range)
        return {DecimalNumber::Reading::outOfRange, 0};
    return {DecimalNumber::Reading::number, value};
}
