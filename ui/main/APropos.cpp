#include "ui/main/APropos.h"

#include "fees/Motifs.h"
#include "framework/Number.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

void montrerAPropos(QWidget* fenetre, const Defaut::RapportLecture& provenance) {
    QStringList lignes{QStringLiteral("Fichier de paramètres : %1")
                           .arg(provenance.lu() ? QDir::toNativeSeparators(provenance.chemin)
                                                : QStringLiteral("valeurs par défaut"))};
    for (const Tarif& t : ListeTarifs)
        lignes << QStringLiteral("%1 : %2").arg(
            t.libelle, framework::Format(Defaut::Courants().*t.valeur, Motifs::Champ));
    lignes << QString()
           << QStringLiteral("Les valeurs par défaut sont celles d'un ancien tarif : vérifiez "
                             "chaque valeur avant de facturer.")
           << QStringLiteral("Les tarifs conventionnels des infirmiers sont publiés par "
                             "l'Assurance Maladie, sur ameli.fr (« Tarifs conventionnels des "
                             "infirmiers »).");
    auto* boite = new QMessageBox(fenetre);
    boite->setObjectName(QStringLiteral("APropos"));
    boite->setWindowTitle(QStringLiteral("À propos de Tarivane"));
    // One plain label: a folder's name is shown as it is, never read as markup.
    boite->setTextFormat(Qt::PlainText);
    boite->setText(QStringLiteral("Tarivane %1\nHonoraires infirmiers en dialyse péritonéale "
                                  "(DPCA et DPA).\n\n%2")
                       .arg(QCoreApplication::applicationVersion(), lignes.join(u'\n')));
    boite->setAttribute(Qt::WA_DeleteOnClose);
    // It may stay open beside the calculator while the values are checked.
    boite->setWindowModality(Qt::NonModal);
    boite->show();
}
