#include "ui/main/APropos.h"

#include "fees/Estimation.h"
#include "fees/Patients.h"
#include "fees/Typographie.h"

#include <QCoreApplication>
#include <QMessageBox>

void montrerAPropos(QWidget* fenetre, const Estimation& estimation) {
    QStringList lignes{estimation.provenance(),
                       QStringLiteral("Tarifs appliqués : %1.").arg(estimation.jeuTarifs())};
    for (const Estimation::Parametre& t : estimation.tarifs())
        lignes << QStringLiteral("%1 : %2").arg(t.libelle, t.valeur);
    if (!estimation.sourceTarifs().isEmpty())
        lignes << QStringLiteral("Source : %1.").arg(estimation.sourceTarifs());
    lignes << QString()
           << QStringLiteral("Les tarifs officiels se choisissent dans « Paramétrage » ; ceux du "
                             "programme ont été vérifiés en décembre 2026.")
           << QStringLiteral("Les tarifs conventionnels des infirmiers sont publiés par "
                             "l'Assurance Maladie, sur ameli.fr (« Tarifs conventionnels des "
                             "infirmiers »).")
           << QString() << Patients::Avis();
    auto* boite = new QMessageBox(fenetre);
    boite->setObjectName(QStringLiteral("APropos"));
    boite->setWindowTitle(QStringLiteral("À propos de Tarivane"));
    // One plain label: a folder's name is shown as it is, never read as markup.
    boite->setTextFormat(Qt::PlainText);
    boite->setText(
        Typographie(QStringLiteral("Tarivane %1\nHonoraires infirmiers en dialyse péritonéale "
                                   "(DPCA et DPA).\n\n%2")
                        .arg(QCoreApplication::applicationVersion(), lignes.join(u'\n'))));
    boite->setAttribute(Qt::WA_DeleteOnClose);
    // It may stay open beside the calculator while the values are checked.
    boite->setWindowModality(Qt::NonModal);
    boite->show();
}
