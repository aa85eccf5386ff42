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

// "Métropole — depuis le 28 janvier 2024".
QString Libelle(const TarifOfficiel& tarif);

// The set whose five values are exactly these, or nullptr.
const TarifOfficiel* Reconnaitre(const Tarifs& tarifs);

// How the values in use are named wherever the tariffs are shown.
QString Provenance(const Tarifs& tarifs);
