#include "fees/Defaut.h"

#include "framework/Number.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <QFileInfo>
#include <cmath>

namespace Defaut {

double AMI = Tarifs{}.AMI;
double Deplacements = Tarifs{}.Deplacements;
double Dimanches = Tarifs{}.Dimanches;
double Nuits = Tarifs{}.Nuits;
double Poches = Tarifs{}.Poches;

namespace {

std::array<double*, Tarifs::Nombre> valeurs() {
    return {&AMI, &Deplacements, &Dimanches, &Nuits, &Poches};
}

} // namespace

void Initialiser() {
    const Tarifs d;
    AMI = d.AMI;
    Deplacements = d.Deplacements;
    Dimanches = d.Dimanches;
    Nuits = d.Nuits;
    Poches = d.Poches;
}

Tarifs Courants() {
    return Tarifs{AMI, Deplacements, Dimanches, Nuits, Poches};
}

std::optional<double> ValeurAdmise(const QString& texte) {
    bool ok = false;
    const double v = framework::CDbl(texte, &ok);
    if (!ok || !std::isfinite(v) || v < 0)
        return std::nullopt;
    return v;
}

QList<int> LireFlux(framework::TextInputStream& flux) {
    QList<int> ignorees;
    const auto cibles = valeurs();
    for (int i = 0; i < Tarifs::Nombre; ++i) {
        const bool manquante = flux.EndOfFile();
        const QString ligne = flux.ReadLine();
        const auto v = (manquante || flux.LineTooLong()) ? std::nullopt : ValeurAdmise(ligne);
        if (v)
            *cibles[static_cast<std::size_t>(i)] = *v;
        else
            ignorees.append(i + 1);
    }
    return ignorees;
}

// A portable copy keeps its file beside the program. An installed copy cannot write there: it
// keeps the file in the user's configuration folder, and reads one left beside the program only
// until it has saved its own (else its saves would never be read back).
framework::FolderItem FichierLecture() {
    const QString nom = QString::fromLatin1(NomFichier);
    const framework::FolderItem aCote = framework::FolderItem::GetFolderItem(nom);
    if (framework::FolderItem::ApplicationFolderWritable())
        return aCote;
    const framework::FolderItem config = framework::FolderItem::GetConfigItem(nom);
    return !config.Exists() && QFileInfo(aCote.path()).isReadable() ? aCote : config;
}

framework::FolderItem FichierEcriture() {
    const QString nom = QString::fromLatin1(NomFichier);
    return framework::FolderItem::ApplicationFolderWritable()
               ? framework::FolderItem::GetFolderItem(nom)
               : framework::FolderItem::GetConfigItem(nom);
}

RapportLecture Lecture() {
    RapportLecture rapport;
    const framework::FolderItem item = FichierLecture();
    if (item.isNil() || !item.Exists())
        return rapport;
    rapport.chemin = item.path();
    auto flux = item.OpenAsTextFile();
    if (!flux)
        return rapport;
    rapport.lignesIgnorees = LireFlux(*flux);
    rapport.lu = true;
    flux->Close();
    return rapport;
}

ResultatEcriture Ecriture(const std::array<QString, Tarifs::Nombre>& textes) {
    ResultatEcriture resultat;
    const framework::FolderItem item = FichierEcriture();
    resultat.chemin = item.path();
    bool ligneSimple = true;
    for (const QString& t : textes)
        ligneSimple = ligneSimple && !t.contains(u'\n') && !t.contains(u'\r');

    if (item.isNil()) {
        resultat.erreur = QStringLiteral("aucun emplacement pour le fichier de paramètres");
    } else if (!ligneSimple) {
        // A line break inside a value would shift every later line of the file.
        resultat.erreur = QStringLiteral("une valeur contient un saut de ligne");
    } else if (auto flux = item.CreateTextFile(&resultat.erreur)) {
        for (const QString& t : textes)
            flux->WriteLine(t);
        resultat.ecrit = flux->Close();
        if (!resultat.ecrit)
            resultat.erreur = flux->errorString();
        else
            item.SetVisible(true);
    }
    resultat.lecture = Lecture();
    return resultat;
}

} // namespace Defaut
