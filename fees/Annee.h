#pragma once

#include "fees/Estimation.h"

#include <QMap>

// A month's counts as its calendar proposes them from the week's choices: its treatment days,
// its Sundays and holidays, and each weekly act spread over the treatment days.
struct Proposition {
    Choix choix;
    QList<Ferie> feries; // those that fall on a treatment day
};
Proposition Proposer(const Choix& semaine, int annee, int mois, Calendrier calendrier,
                     const std::array<bool, 7>& jours);

// What she set for one calendar month: its weekdays of treatment, its calendar, and the counts
// she corrected; every other count is the calendar's proposal.
struct ReglagesMois {
    // The weekdays she ticked (0 = lundi), for a week of that many days; once the week's count
    // changes, its first days are proposed again.
    std::array<bool, 7> jours{};
    int pourJours = -1; // -1: none ticked yet
    Calendrier calendrier = Calendrier::Metropole;
    QMap<Estimation::Poste, int> corrections;

    // The weekdays of treatment for a week of these choices.
    std::array<bool, 7> joursPour(const Choix& semaine) const;
    bool operator==(const ReglagesMois&) const = default;
};

// The count of a month's row among the choices.
double& Compte(Choix& choix, Estimation::Poste poste);

// A month of the week's treatment: the calendar's proposal with her corrections in place, and
// the holidays that fall on its treatment days.
Choix ChoixDuMois(const Choix& semaine, int annee, int mois, const ReglagesMois& reglages,
                  QList<Ferie>* feries = nullptr);
Estimation EstimationDuMois(const Estimation& semaine, int annee, int mois,
                            const ReglagesMois& reglages);

// A calendar year month by month, each month with the counts its calendar proposes, beside 52
// weeks of the window's estimate.
class Annee {
public:
    // The week's choices, tariffs, their source, the date and the locale are the week's.
    Annee(const Estimation& semaine, const std::array<bool, 7>& jours, int annee,
          Calendrier calendrier);

    int annee() const { return annee_; }
    Calendrier calendrier() const { return calendrier_; }
    // "Estimation de l'année 2026 (Métropole)".
    QString titre() const;
    // Twelve, January first; the tariffs and what to check are theirs.
    const QList<Estimation>& mois() const { return mois_; }
    // The twelve months' unrounded totals summed, and the week's total × 52.
    const Estimation::Total& total() const { return total_; }
    const Estimation::Total& semaines() const { return semaines_; }

    QString texte() const;
    QString html() const;

private:
    Copie copie() const;

    int annee_;
    Calendrier calendrier_;
    QList<Estimation> mois_;
    Estimation::Total total_;
    Estimation::Total semaines_;
};
