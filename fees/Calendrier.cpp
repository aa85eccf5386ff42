#include "fees/Calendrier.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// Commemoration of the abolition of slavery, a public holiday in each overseas department:
// loi n° 83-550 du 30 juin 1983, dates fixed by décret n° 83-1003 du 23 novembre 1983 as
// amended by décret n° 2012-553 du 23 avril 2012.
struct Abolition {
    Calendrier calendrier;
    int mois;
    int jour;
};
constexpr std::array<Abolition, 5> Abolitions{{
    {Calendrier::Guadeloupe, 5, 27},
    {Calendrier::Martinique, 5, 22},
    {Calendrier::Guyane, 6, 10},
    {Calendrier::Reunion, 12, 20},
    {Calendrier::Mayotte, 4, 27},
}};

} // namespace

QString NomCalendrier(Calendrier calendrier) {
    switch (calendrier) {
    case Calendrier::Metropole:
        return u"Métropole"_qs;
    case Calendrier::AlsaceMoselle:
        return u"Alsace-Moselle"_qs;
    case Calendrier::Guadeloupe:
        return u"Guadeloupe"_qs;
    case Calendrier::Martinique:
        return u"Martinique"_qs;
    case Calendrier::Guyane:
        return u"Guyane"_qs;
    case Calendrier::Reunion:
        return u"La Réunion"_qs;
    case Calendrier::Mayotte:
        return u"Mayotte"_qs;
    }
    return QString();
}

// The anonymous Gregorian algorithm (Meeus, Jones, Butcher).
QDate Paques(int annee) {
    const int a = annee % 19, b = annee / 100, c = annee % 100;
    const int h = (19 * a + b - b / 4 - (b - (b + 8) / 25 + 1) / 3 + 15) % 30;
    const int l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(annee, n / 31, n % 31 + 1);
}

QList<Ferie> Feries(int annee, Calendrier calendrier) {
    const QDate paques = Paques(annee);
    // Fêtes légales: Code du travail, article L3133-1.
    QList<Ferie> feries{
        {QDate(annee, 1, 1), u"Jour de l'an"_qs},    {paques.addDays(1), u"Lundi de Pâques"_qs},
        {QDate(annee, 5, 1), u"Fête du Travail"_qs}, {QDate(annee, 5, 8), u"Victoire 1945"_qs},
        {paques.addDays(39), u"Ascension"_qs},       {paques.addDays(50), u"Lundi de Pentecôte"_qs},
        {QDate(annee, 7, 14), u"Fête nationale"_qs}, {QDate(annee, 8, 15), u"Assomption"_qs},
        {QDate(annee, 11, 1), u"Toussaint"_qs},      {QDate(annee, 11, 11), u"Armistice 1918"_qs},
        {QDate(annee, 12, 25), u"Noël"_qs},
    };
    // Bas-Rhin, Haut-Rhin and Moselle: Code du travail, article L3134-13. Good Friday is a
    // holiday where the commune has a Protestant or mixed church; the commune is not asked, so it
    // counts throughout.
    if (calendrier == Calendrier::AlsaceMoselle) {
        feries.append({paques.addDays(-2), u"Vendredi saint"_qs});
        feries.append({QDate(annee, 12, 26), u"Saint-Étienne"_qs});
    }
    for (const Abolition& a : Abolitions)
        if (a.calendrier == calendrier)
            feries.append({QDate(annee, a.mois, a.jour), u"Abolition de l'esclavage"_qs});
    std::sort(feries.begin(), feries.end(),
              [](const Ferie& x, const Ferie& y) { return x.date < y.date; });
    return feries;
}

ComptesMois Compter(int annee, int mois, Calendrier calendrier, const std::array<bool, 7>& jours) {
    ComptesMois comptes;
    const QList<Ferie> feries = Feries(annee, calendrier);
    for (QDate d(annee, mois, 1); d.isValid() && d.month() == mois; d = d.addDays(1)) {
        const int jour = d.dayOfWeek() - 1;
        if (!jours[jour])
            continue;
        ++comptes.joursTraitement;
        // Two holidays may fall on one date (1 May and Ascension in 2008): one day, both names.
        QStringList noms;
        for (const Ferie& f : feries)
            if (f.date == d)
                noms << f.nom;
        if (!noms.isEmpty())
            comptes.feries.append({d, noms.join(QStringLiteral(", "))});
        if (jour == 6 || !noms.isEmpty())
            ++comptes.dimanchesFeries;
    }
    return comptes;
}

int Repartir(double parSemaine, int joursTraitementMois, int joursParSemaine) {
    if (joursParSemaine <= 0)
        return 0;
    return static_cast<int>(std::lround(parSemaine * joursTraitementMois / joursParSemaine));
}
