#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace framework {

// Formats a number by a pattern: "#" a digit, "." the decimal separator followed by one "0" per
// decimal shown, "," before the "." groups the digits by threes, "\x" shows x literally after the
// number. Rounds half away from zero on the number's shortest decimal form, so 2.675 shows as
// 2.68. Separators and the minus sign come from the locale; below 1 a zero stays before the
// separator.
QString Format(double value, QStringView pattern, const QLocale& locale = QLocale());

// Reads a plain decimal number: an optional sign, digits, at most one decimal separator, blanks
// around. Digits may be of any script; the separator that of any locale ("," "." "٫"). Anything
// else (grouping, exponents, "nan", junk, a value out of range) is not a number: the result is
// then 0 and *ok false.
double CDbl(QStringView text, bool* ok = nullptr, const QLocale& locale = QLocale());

// The shortest text that reads back to the same double, with the locale's decimal separator.
QString Str(double value, const QLocale& locale = QLocale());

} // namespace framework
