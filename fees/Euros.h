#pragma once

#include "framework/Number.h"

#include <QLocale>
#include <QString>

// An amount as every view shows it: grouped by thousands, two decimals, a space and the euro.
inline QString Euros(double valeur, const QLocale& locale = QLocale()) {
    return framework::Format(valeur, u"###,###.00\\ \\€", locale);
}

// A tariff as its field shows it: two decimals, no unit.
inline QString EnChamp(double valeur, const QLocale& locale = QLocale()) {
    return framework::Format(valeur, u"##.00", locale);
}
