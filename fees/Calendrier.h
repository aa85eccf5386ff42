#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <array>

// The calendars of public holidays that differ in France.
enum class Calendrier {
    Metropole,
    AlsaceMoselle,
    Guadeloupe,
    Martinique,
    Guyane,
    Reunion,
    Mayotte
};
inline constexpr int NombreCalendriers = 7;

// "Métropole", "Alsace-Moselle", ..., "La Réunion", "Mayotte".
QString NomCalendrier(Calendrier calendrier);

struct Ferie {
    QDate date;
    QString nom; // "Lundi de Pâques"
};

// Easter Sunday in the Gregorian calendar.
QDate Paques(int annee);

// The year's public holidays, sorted by date.
QList<Ferie> Feries(int annee, Calendrier calendrier);

// A month seen from the weekdays of treatment (index 0 = lundi ... 6 = dimanche).
struct ComptesMois {
    int joursTraitement = 0; // days of the month that are treatment weekdays
    int dimanchesFeries = 0; // among them, Sundays and holidays; a holiday on a Sunday counts once
    QList<Ferie> feries;     // the month's holidays that fall on a treatment day, one per date
};
ComptesMois Compter(int annee, int mois, Calendrier calendrier, const std::array<bool, 7>& jours);

// A weekly count spread over a month: weekly x the month's treatment days / treatment days per
// week, to the nearest whole act, halves away from zero; 0 when no day of the week is treated.
int Repartir(double parSemaine, int joursTraitementMois, int joursParSemaine);
