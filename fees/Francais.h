#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

// Dates are written in French whatever the locale of the numbers, and the first of a month is
// "1er", as French writes it.
namespace Francais {

const QLocale& Locale();
// "6 décembre 2026", "1er mars 2027".
QString Date(QDate date);
// "lundi 6 avril", "vendredi 1er mai".
QString Jour(QDate date);
// "mai 2026".
QString Mois(int annee, int mois);
// "de mai 2026", "d'avril 2026": "de" elided before a vowel.
QString De(const QString& mot);
// A list as French writes it: "A", "A et B", "A, B et C".
QString Liste(const QStringList& termes);

} // namespace Francais
