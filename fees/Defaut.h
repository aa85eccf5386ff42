#pragma once

#include "fees/Tarifs.h"
#include "framework/FolderItem.h"

#include <QList>
#include <QString>
#include <array>

namespace framework {
class TextInputStream;
}

// The tariff settings in use, and the five-line settings file "Tarivane" that keeps them.
namespace Defaut {

inline constexpr QStringView NomFichier = u"Tarivane";

extern double& AMI;
extern double& Deplacements;
extern double& Dimanches;
extern double& Nuits;
extern double& Poches;

// Puts the built-in defaults back.
void Initialiser();
const Tarifs& Courants();

// Why a text cannot be a tariff's value.
enum class Refus { Aucun, Vide, PasUnNombre, Negatif, TropGrand, TropLong, TropDeDecimales };
struct Valeur {
    double valeur = 0;
    Refus refus = Refus::Aucun;
};
// The one rule for a value, in the file and in the panel: a number, any locale's decimal
// separator, blanks and a euro sign after it allowed, not negative, not above the tariff's
// ceiling, on a line the reader reads whole. -0 is 0.
Valeur Lire(const Tarif& tarif, QStringView texte);
// The text a value is kept as: without the blanks, line breaks and euro sign around it.
QString Nettoyer(QStringView texte);

struct RapportLecture {
    QString chemin;            // the file found, empty when there is none
    QString erreur;            // why it could not be read, in French
    QList<int> lignesIgnorees; // 1-based lines that left their value as it was
    bool lu() const { return !chemin.isEmpty() && erreur.isEmpty(); }
    // Where the tariffs in use come from, in French, naming each line that was ignored.
    QString texte() const;
};

struct ResultatEcriture {
    QString chemin;
    QString erreur; // why the file could not be written, in French; empty when it was
    RapportLecture relu;
};

// Reads the settings file into the five values. A line that cannot be used leaves its value
// as it was and is listed in the report; the others are still used.
RapportLecture Lecture();
// Reads five lines from a stream into the values, as Lecture does from the file.
QList<int> LireFlux(framework::TextInputStream& flux);

// A file of hers kept in the folder the settings file is saved in: beside the program for a
// portable copy, else in the user's configuration folder.
framework::FolderItem Voisin(const QString& nom);

// Writes the five texts exactly as given, replacing the file only once it is complete, then
// reads the file back so that the values in use are what the file holds.
ResultatEcriture Ecriture(const std::array<QString, ListeTarifs.size()>& textes);

} // namespace Defaut
