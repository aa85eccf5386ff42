#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace framework {

// Formats a number by a pattern: "#" optional digit, "0" digit always shown, "." decimal
// separator, "," in the integer part turns on grouping by threes, "\x" shows x literally.
// Rounds half away from zero on the number's shortest decimal form, so 2.675 shows as 2.68.
// Separators come from the locale; below 1 a zero stays before the separator.
QString Format(double value, QStringView pattern, const QLocale& locale = QLocale());

// Reads a plain decimal number: optional sign, digits, at most one "," or "." as separator,
// blanks around. Anything else (grouping, exponents, "nan", junk) is not a number: the result
// is then 0 and *ok false. Out-of-range values are not numbers either.
double CDbl(QStringView text, bool* ok = nullptr);

// The shortest text that reads back to the same double, with the locale's decimal point.
QString Str(double value, const QLocale& locale = QLocale());

} // namespace framework
