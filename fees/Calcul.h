#pragma once

#include "fees/Tarifs.h"

#include <QStringView>

enum class Modalite { DPCA, DPA };

// "DPCA", "DPA".
QStringView NomModalite(Modalite modalite);

// The treatment as the nurse describes it: six weekly counts and the modality.
struct Choix {
    double poches = 0;        // bags (DPA: connections or disconnections) per treatment day
    double jours = 0;         // treatment days per week
    double dimanches = 0;     // Sundays and public holidays per week
    double pansements = 0;    // dressings per week
    double nuits = 0;         // night acts per week
    double surveillances = 0; // surveillance organisations per week, billed in DPA only
    Modalite modalite = Modalite::DPCA; // in DPA only, surveillance is billed

    bool dpa() const { return modalite == Modalite::DPA; }

    bool operator==(const Choix&) const = default;
};

// Every amount, unrounded, in euros.
struct Montants {
    double journee = 0;       // one treatment day of bag changes and travel
    double semainePoches = 0; // a week of them
    double pansements = 0;
    double dimanches = 0;
    double nuits = 0;
    double surveillance = 0; // computed in DPA only
    double hebdomadaire = 0; // the weekly total, summed from unrounded terms
    double mensuelle = 0;    // the monthly average: weekly total x 52 / 12
};

// Groupings and order of the sums are those of the tariff rules, so each amount is the exact
// double that this order of operations gives.
Montants Calcul(const Choix& choix, const Tarifs& tarifs);
