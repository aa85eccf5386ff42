#include "framework/Number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace framework {

namespace {

struct Pattern {
    int decimals = 0;
    bool grouping = false;
    QString suffix;
};

Pattern parsePattern(QStringView pattern) {
    Pattern p;
    bool inDecimals = false;
    qsizetype i = 0;
    for (; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'.')
            inDecimals = true;
        else if (c == u',')
            p.grouping = true;
        else if (c == u'0' && inDecimals)
            ++p.decimals;
        else if (c != u'#')
            break;
    }
    for (; i < pattern.size(); ++i) {
        if (pattern[i] == u'\\' && i + 1 < pattern.size())
            ++i;
        p.suffix += pattern[i];
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

// Marks such as U+200E that some locales put around their signs are not read.
QString withoutFormatMarks(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c.category() != QChar::Other_Format)
            out += c;
    return out;
}

} // namespace

QString Format(double value, QStringView pattern, const QLocale& locale) {
    const Pattern p = parsePattern(pattern);

    std::array<char, 400> buffer{};
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::fixed);
    const std::string shortest(buffer.data(), res.ptr);
    const auto point = shortest.find('.');
    const std::string integer = shortest.substr(0, point);
    std::string decimals = point == std::string::npos ? std::string() : shortest.substr(point + 1);
    const auto places = static_cast<std::size_t>(p.decimals);

    std::string digits = integer + decimals.substr(0, std::min(places, decimals.size()));
    digits.append(places - std::min(places, decimals.size()), '0');
    if (decimals.size() > places && decimals[places] >= '5')
        incrementDigits(digits);
    const std::string whole = digits.substr(0, digits.size() - places);

    QString out;
    if (value < 0 && digits.find_first_not_of('0') != std::string::npos)
        out += locale.negativeSign();
    const QString group = locale.groupSeparator();
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (p.grouping && i > 0 && (whole.size() - i) % 3 == 0)
            out += group;
        out += QLatin1Char(whole[i]);
    }
    if (places > 0) {
        out += locale.decimalPoint();
        out += QLatin1StringView(digits.data() + whole.size(), p.decimals);
    }
    return out + p.suffix;
}

double CDbl(QStringView text, bool* ok, const QLocale& locale) {
    if (ok)
        *ok = false;
    const std::u32string t = withoutFormatMarks(text).trimmed().toStdU32String();
    const std::u32string minus = withoutFormatMarks(locale.negativeSign()).toStdU32String();
    const std::u32string point = locale.decimalPoint().toStdU32String();
    std::size_t i = 0;
    const auto at = [&](std::u32string_view s) { return t.compare(i, s.size(), s) == 0; };

    std::string ascii;
    if (at(minus) || at(U"-") || at(U"\u2212")) {
        ascii.push_back('-');
        i += at(minus) ? minus.size() : 1;
    } else if (at(U"+")) {
        i = 1;
    }
    while (i < t.size()) {
        // Any script's digits and any locale's decimal separator: a file written under one
        // locale is read under every other.
        const int chiffre =
            QChar::category(t[i]) == QChar::Number_DecimalDigit ? QChar::digitValue(t[i]) : -1;
        if (chiffre >= 0) {
            ascii.push_back(static_cast<char>('0' + chiffre));
            ++i;
            continue;
        }
        const std::size_t length = t[i] == U'.' || t[i] == U',' || t[i] == U'\u066B' ? 1
                                   : at(point)                                       ? point.size()
                                                                                     : 0;
        if (length == 0)
            return 0.0;
        ascii.push_back('.');
        i += length;
    }
    // No digit, or a second separator, and the reading stops short of the end: not a number.
    double value = 0.0;
    const auto res =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size())
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
