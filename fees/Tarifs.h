#pragma once

// The five tariff values, in the order of the settings file's lines.
struct Tarifs {
    double AMI = 3.0;          // value of one AMI unit, euros
    double Deplacements = 2.2; // travel allowance (IFD), euros
    double Dimanches = 7.8;    // Sunday and public-holiday surcharge, euros
    double Nuits = 9.15;       // night surcharge, euros
    double Poches = 4.0;       // AMI units billed for one bag change

    static constexpr int Nombre = 5;
};
