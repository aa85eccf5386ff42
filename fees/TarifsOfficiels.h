#pragma once

#include "fees/Tarifs.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

enum class Region { Metropole, OutreMer }; // "Métropole", "Outre-mer et Mayotte"

// One set of conventional tariffs, as the caisses publish it.
struct TarifOfficiel {
    QDate depuis;
    Region region;
    Tarifs valeurs;      // Poches: AMI 4 in every set
    double nuitProfonde; // 23h-5h surcharge, shown in the rule text only
    QStringView source;  // the text that set these values
};

// Newest first; within a date, Métropole before Outre-mer.
const QList<TarifOfficiel>& TarifsOfficiels();

// The date a later set of its region took its place; null for the newest of each region.
QDate Remplacement(const TarifOfficiel& tarif);

// As the chooser lists it: "Métropole — depuis le 28 janvier 2024" for a set in force,
// "Métropole — 1er août 2018, remplacés" for one that is no longer.
QString Libelle(const TarifOfficiel& tarif);

// The set whose five values are exactly these, or nullptr.
const TarifOfficiel* Reconnaitre(const Tarifs& tarifs);

// How the values in use are named wherever the tariffs are shown: "en vigueur" only for the
// newest set, with the month its list was last checked; a replaced set says so.
QString Provenance(const Tarifs& tarifs);
// For values that are a replaced official set, how to get today's, one choice away: "choisissez
// « Métropole — depuis le 28 janvier 2024 » sous « Tarifs officiels », puis « Enregistrer »";
// else empty.
QString ChoixEnVigueur(const Tarifs& tarifs);
