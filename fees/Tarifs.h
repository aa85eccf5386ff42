#pragma once

#include <QStringView>
#include <array>

// The five tariff values, with their built-in defaults.
struct Tarifs {
    double AMI = 3.0;          // value of one AMI unit, euros
    double Deplacements = 2.2; // travel allowance (IFD), euros
    double Dimanches = 7.8;    // Sunday and public-holiday surcharge, euros
    double Nuits = 9.15;       // night surcharge, euros
    double Poches = 4.0;       // AMI units billed for one bag change

    bool operator==(const Tarifs&) const = default;
};

// One tariff setting as the settings file, the panel and the estimate know it.
struct Tarif {
    double Tarifs::*valeur;
    QStringView libelle; // as the panel shows it
    // Far above any real tariff, low enough that every amount shows whole in its place.
    double plafond;
    // A value shows exactly in its field, in the amounts' formulas and in the act code, and an
    // amount is billed to the cent: no more decimals than that.
    int decimales;
};

// The five settings in the order of the settings file's lines and of the panel's fields.
inline constexpr std::array<Tarif, 5> ListeTarifs{{
    {&Tarifs::AMI, u"Valeur de l'AMI (€)", 20, 2},
    {&Tarifs::Deplacements, u"Indemnités de déplacements (€)", 20, 2},
    {&Tarifs::Dimanches, u"Majoration dimanches et fériés (€)", 50, 2},
    {&Tarifs::Nuits, u"Majoration de nuit (€)", 50, 2},
    {&Tarifs::Poches, u"Nombre d'AMI pour un chgt de poche", 9, 2},
}};
