#include "framework/Number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

namespace framework {

namespace {

struct Pattern {
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

Pattern parsePattern(QStringView pattern) {
    Pattern p;
    bool inNumber = false;
    bool afterNumber = false;
    bool inDecimals = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        const bool placeholder = c == u'#' || c == u'0' || c == u'.' || c == u',';
        if (placeholder && !afterNumber) {
            inNumber = true;
            if (c == u'.') {
                inDecimals = true;
            } else if (c == u',') {
                p.grouping = p.grouping || !inDecimals;
            } else if (inDecimals) {
                ++p.maxDecimals;
                if (c == u'0')
                    p.minDecimals = p.maxDecimals;
            } else if (c == u'0') {
                ++p.minIntegerDigits;
            }
            continue;
        }
        QChar literal = c;
        if (c == u'\\' && i + 1 < pattern.size())
            literal = pattern[++i];
        if (inNumber)
            afterNumber = true;
        (afterNumber ? p.suffix : p.prefix).append(literal);
    }
    return p;
}

// Adds one unit in the last place of a string of decimal digits; may grow it by one digit.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

QString Format(double value, QStringView pattern, const QLocale& locale) {
    if (!std::isfinite(value))
        return locale.toString(value);

    const Pattern p = parsePattern(pattern);

    std::array<char, 400> buffer{};
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::fixed);
    const std::string shortest(buffer.data(), res.ptr);
    const auto point = shortest.find('.');
    std::string integer = shortest.substr(0, point);
    std::string decimals = point == std::string::npos ? std::string() : shortest.substr(point + 1);

    if (std::cmp_greater(decimals.size(), p.maxDecimals)) {
        const bool roundUp = decimals[static_cast<std::size_t>(p.maxDecimals)] >= '5';
        decimals.resize(static_cast<std::size_t>(p.maxDecimals));
        if (roundUp) {
            std::string all = integer + decimals;
            incrementDigits(all);
            integer = all.substr(0, all.size() - decimals.size());
            decimals = all.substr(all.size() - decimals.size());
        }
    }
    while (std::cmp_less(decimals.size(), p.minDecimals))
        decimals.push_back('0');
    while (std::cmp_greater(decimals.size(), p.minDecimals) && decimals.back() == '0')
        decimals.pop_back();

    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
    const auto minInteger = static_cast<std::size_t>(std::max(p.minIntegerDigits, 1));
    if (integer.size() < minInteger)
        integer.insert(0, minInteger - integer.size(), '0');

    const bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                        decimals.find_first_not_of('0') == std::string::npos;

    QString out = p.prefix;
    if (value < 0 && !isZero)
        out += locale.negativeSign();
    const QString group = locale.groupSeparator();
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (p.grouping && i > 0 && (integer.size() - i) % 3 == 0)
            out += group;
        out += QLatin1Char(integer[i]);
    }
    if (!decimals.empty()) {
        out += locale.decimalPoint();
        out += QLatin1StringView(decimals.data(), static_cast<qsizetype>(decimals.size()));
    }
    out += p.suffix;
    return out;
}

double CDbl(QStringView text, bool* ok) {
    if (ok)
        *ok = false;
    const QStringView t = text.trimmed();
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(t.size()));
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        if (t[i] == u'-')
            ascii.push_back('-');
        ++i;
    }
    bool sawDigit = false;
    bool sawSeparator = false;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= u'0' && c <= u'9') {
            ascii.push_back(static_cast<char>(c));
            sawDigit = true;
        } else if ((c == u'.' || c == u',') && !sawSeparator) {
            ascii.push_back('.');
            sawSeparator = true;
        } else {
            return 0.0;
        }
    }
    if (!sawDigit)
        return 0.0;
    double value = 0.0;
    const auto res =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(value))
        return 0.0;
    if (ok)
        *ok = true;
    return value;
}

QString Str(double value, const QLocale& locale) {
    std::array<char, 64> buffer{};
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    QString out = QString::fromLatin1(buffer.data(), res.ptr - buffer.data());
    out.replace(u'.', locale.decimalPoint());
    if (value < 0)
        out.replace(0, 1, locale.negativeSign());
    return out;
}

} // namespace framework
