#include "calc/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

QString withoutBlanks(const QString &text) {
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            packed.append(c);
    }
    return packed;
}

// The value of an ASCII hexadecimal digit, or -1.
int hexDigitValue(QChar c) {
    const char16_t u = c.toLower().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// "&H1F" or "&O17": an unsigned integer in base 16 or 8.
double radixNumber(const QString &text, int base) {
    double value = 0;
    for (qsizetype pos = 2; pos < text.size(); ++pos) {
        const int digit = hexDigitValue(text[pos]);
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
    }
    return value;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The longest prefix of the form [sign] digits [. digits] [E [sign] digits],
// in ASCII, without a leading plus sign.
std::string decimalPrefix(const QString &text) {
    std::string prefix;
    qsizetype pos = 0;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-')
            prefix += '-';
        ++pos;
    }
    bool digits = false;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (isAsciiDigit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        prefix += char(c.unicode());
    }
    if (!digits)
        return {};
    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e')) {
        qsizetype end = pos + 1;
        std::string exponent = "e";
        if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
            exponent += char(text[end++].unicode());
        const qsizetype firstDigit = end;
        while (end < text.size() && isAsciiDigit(text[end]))
            exponent += char(text[end++].unicode());
        if (end > firstDigit)
            prefix += exponent;
    }
    return prefix;
}

double parseDecimal(const std::string &prefix) {
    double value = 0;
    const char *first = prefix.data();
    const char *last = first + prefix.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it does not fit: decide
        // between overflow and underflow from the exponent's sign.
        const bool negative = prefix.front() == '-';
        const bool tiny = prefix.find("e-") != std::string::npos;
        const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        return negative ? -magnitude : magnitude;
    }
    return error == std::errc() && end == last ? value : 0.0;
}

}  // namespace

double leadingNumber(const QString &text) {
    const QString packed = withoutBlanks(text);
    if (packed.size() >= 2 && packed[0] == u'&') {
        const QChar radix = packed[1].toUpper();
        if (radix == u'H')
            return radixNumber(packed, 16);
        if (radix == u'O')
            return radixNumber(packed, 8);
        return 0;
    }
    const std::string prefix = decimalPrefix(packed);
    return prefix.empty() ? 0.0 : parseDecimal(prefix);
}
