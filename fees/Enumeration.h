#pragma once

#include <QStringList>

// A list as French writes it: "A", "A et B", "A, B et C".
inline QString Enumeration(const QStringList& termes) {
    if (termes.size() < 2)
        return termes.join(QString());
    return termes.mid(0, termes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") +
           termes.last();
}
