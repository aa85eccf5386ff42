#pragma once

#include "fees/Tarifs.h"
#include "framework/FolderItem.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace framework {
class TextInputStream;
}

// The tariff settings in use, and the five-line settings file "Tarivane" that keeps them.
namespace Defaut {

inline constexpr const char* NomFichier = "Tarivane";

extern double AMI;
extern double Deplacements;
extern double Dimanches;
extern double Nuits;
extern double Poches;

// Puts the built-in defaults back.
void Initialiser();
Tarifs Courants();

// What a line must hold to be used: a number, finite and not negative, with "," or "." as
// the decimal separator.
std::optional<double> ValeurAdmise(const QString& texte);

struct RapportLecture {
    QString chemin;            // the file read, empty when there was none
    bool lu = false;           // true when the file was opened and read
    QList<int> lignesIgnorees; // 1-based lines that left their value as it was
};

struct ResultatEcriture {
    bool ecrit = false;
    QString chemin;
    QString erreur; // the system's reason when the file could not be written
    RapportLecture lecture;
};

// Reads the settings file into the five values. A line that cannot be used leaves its value
// as it was and is listed in the report; the others are still used.
RapportLecture Lecture();
// Reads five lines from a stream into the values, as Lecture does from the file.
QList<int> LireFlux(framework::TextInputStream& flux);

// Writes the five texts exactly as given, replacing the file only once it is complete, then
// reads the file back so that the values in use are what the file holds.
ResultatEcriture Ecriture(const std::array<QString, Tarifs::Nombre>& textes);

// Where the settings are read from and written to.
framework::FolderItem FichierLecture();
framework::FolderItem FichierEcriture();

} // namespace Defaut
