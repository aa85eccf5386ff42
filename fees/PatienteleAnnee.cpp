#include "fees/PatienteleAnnee.h"

#include "fees/Copie.h"
#include "fees/Euros.h"
#include "fees/Typographie.h"

PatienteleAnnee::PatienteleAnnee(const QList<Patients::Patient>& patients,
                                 const std::array<QHash<qint64, Patients::Mois>, 12>& reglages,
                                 const Estimation& reference, int annee)
    : annee_(annee) {
    double somme = 0;
    for (int m = 1; m <= 12; ++m) {
        mois_.append(Patientele(patients, reglages[m - 1], reference, annee, m));
        somme += mois_.back().total().valeur;
    }
    total_ = {QStringLiteral("Total de l'année %1").arg(annee), somme,
              Euros(somme, reference.locale()),
              Typographie(QStringLiteral("Somme des douze mois, faite sur leurs montants non "
                                         "arrondis."))};
}

QString PatienteleAnnee::titre() const {
    return QStringLiteral("Mes patients en %1").arg(annee_);
}

Copie PatienteleAnnee::copie() const {
    Copie c(titre(), mois_.front().modalites());
    c.tableau({{QStringLiteral("Mois")}, {QStringLiteral("Montant"), true}});
    for (const Patientele& m : mois_)
        c.rangee(QStringLiteral("%1 : %2").arg(m.total().libelle, m.total().montant),
                 {m.total().libelle, m.total().montant});
    c.total(total_.libelle, total_.montant, total_.formule);
    c.finTableau();
    reference().ajouterTarifs(c);
    return c;
}

QString PatienteleAnnee::texte() const {
    return copie().texte();
}

QString PatienteleAnnee::html() const {
    return copie().html();
}
