#include "fees/Defaut.h"

#include "fees/Francais.h"
#include "framework/Number.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace Defaut {

namespace {

Tarifs valeurs;

} // namespace

double& AMI = valeurs.AMI;
double& Deplacements = valeurs.Deplacements;
double& Dimanches = valeurs.Dimanches;
double& Nuits = valeurs.Nuits;
double& Poches = valeurs.Poches;

void Initialiser() {
    valeurs = Tarifs{};
}

const Tarifs& Courants() {
    return valeurs;
}

QString Nettoyer(QStringView texte) {
    texte = texte.trimmed();
    return (texte.endsWith(u'€') ? texte.chopped(1).trimmed() : texte).toString();
}

Valeur Lire(const Tarif& tarif, QStringView texte) {
    const QString t = Nettoyer(texte);
    if (t.isEmpty())
        return {.refus = Refus::Vide};
    if (texte.toUtf8().size() > framework::TextInputStream::MaxLineBytes)
        return {.refus = Refus::TropLong};
    bool ok = false;
    const double v = framework::CDbl(t, &ok);
    if (!ok)
        return {.refus = Refus::PasUnNombre};
    if (v < 0)
        return {.refus = Refus::Negatif};
    if (v > tarif.plafond)
        return {.refus = Refus::TropGrand};
    const double echelle = std::pow(10, tarif.decimales);
    if (std::abs(v * echelle - std::round(v * echelle)) > 1e-6)
        return {.refus = Refus::TropDeDecimales};
    // The value is the one its decimals write, so that what is shown is what is billed; adding
    // zero turns -0 into 0, so that nothing ever shows a minus sign before a zero.
    return {.valeur = std::round(v * echelle) / echelle + 0.0};
}

QList<int> LireFlux(framework::TextInputStream& flux) {
    QList<int> ignorees;
    for (int i = 0; i < int(ListeTarifs.size()); ++i) {
        const bool manquante = flux.EndOfFile();
        const QString ligne = flux.ReadLine();
        const Valeur v = Lire(ListeTarifs[i], ligne);
        if (manquante || flux.LineTooLong() || v.refus != Refus::Aucun)
            ignorees.append(i + 1);
        else
            valeurs.*ListeTarifs[i].valeur = v.valeur;
    }
    return ignorees;
}

namespace {

framework::FolderItem fichierConfig() {
    return framework::FolderItem::GetConfigItem(NomFichier.toString());
}

framework::FolderItem fichierACote() {
    return framework::FolderItem::GetFolderItem(framework::FolderItem::ApplicationFolder(),
                                                NomFichier.toString());
}

// A portable copy keeps its file beside the program; an installed copy in the user's
// configuration folder, always. A copy in another folder it may not write keeps its file in the
// configuration folder too, and reads one left beside the program only until it has saved its
// own (else its saves would never be read back).
framework::FolderItem fichierLecture() {
    switch (framework::FolderItem::SorteDeCopie()) {
    case framework::FolderItem::Copie::Portable:
        return fichierACote();
    case framework::FolderItem::Copie::Installee:
        return fichierConfig();
    case framework::FolderItem::Copie::Protegee:
        break;
    }
    const framework::FolderItem config = fichierConfig();
    return config.Exists() || !fichierACote().Exists() ? config : fichierACote();
}

} // namespace

framework::FolderItem Voisin(const QString& nom) {
    return framework::FolderItem::SorteDeCopie() == framework::FolderItem::Copie::Portable
               ? framework::FolderItem::GetFolderItem(framework::FolderItem::ApplicationFolder(),
                                                      nom)
               : framework::FolderItem::GetConfigItem(nom);
}

namespace {

framework::FolderItem fichierEcriture() {
    return Voisin(NomFichier.toString());
}

} // namespace

QString RapportLecture::texte() const {
    const QString fichier = QDir::toNativeSeparators(chemin);
    if (chemin.isEmpty())
        return QStringLiteral("Tarifs par défaut du programme, ceux de juillet 2007 : aucun "
                              "fichier de paramètres n'a été trouvé.");
    if (!erreur.isEmpty())
        return QStringLiteral("Tarifs par défaut du programme, ceux de juillet 2007 : le fichier "
                              "de paramètres « %1 » n'a pas pu être lu (%2).")
            .arg(fichier, erreur);
    QStringList lignes;
    for (int l : lignesIgnorees) {
        const QStringView nom = ListeTarifs[l - 1].libelle;
        lignes << QStringLiteral("%1 (%2)").arg(l).arg(nom.endsWith(u" (€)") ? nom.chopped(4)
                                                                             : nom);
    }
    QString texte = QStringLiteral("Tarifs lus dans le fichier de paramètres « %1 ».").arg(fichier);
    if (lignes.size() == 1)
        texte += QStringLiteral(" La ligne %1 n'est pas une valeur admise : elle garde sa valeur "
                                "par défaut.")
                     .arg(lignes[0]);
    else if (lignes.size() > 1)
        texte += QStringLiteral(" Les lignes %1 ne sont pas des valeurs admises : elles gardent "
                                "leur valeur par défaut.")
                     .arg(Francais::Liste(lignes));
    return texte;
}

RapportLecture Lecture() {
    RapportLecture rapport;
    const framework::FolderItem item = fichierLecture();
    if (!item.Exists())
        return rapport;
    rapport.chemin = item.path();
    if (auto flux = item.OpenAsTextFile(rapport.erreur))
        rapport.lignesIgnorees = LireFlux(*flux);
    return rapport;
}

ResultatEcriture Ecriture(const std::array<QString, ListeTarifs.size()>& textes) {
    ResultatEcriture resultat;
    const framework::FolderItem item = fichierEcriture();
    resultat.chemin = item.path();
    const bool ligneSimple = std::none_of(textes.begin(), textes.end(), [](const QString& t) {
        return t.contains(u'\n') || t.contains(u'\r');
    });
    if (!ligneSimple) {
        // A line break inside a value would shift every later line of the file.
        resultat.erreur = QStringLiteral("une valeur contient un saut de ligne");
    } else if (auto flux = item.CreateTextFile(resultat.erreur)) {
        for (const QString& t : textes)
            flux->WriteLine(t);
        flux->Close(resultat.erreur);
    }
    resultat.relu = Lecture();
    return resultat;
}

} // namespace Defaut
