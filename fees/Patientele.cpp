#include "fees/Patientele.h"

#include "fees/Copie.h"
#include "fees/Euros.h"
#include "fees/Francais.h"
#include "fees/Typographie.h"

Patientele::Patientele(const QList<Patients::Patient>& patients,
                       const QHash<qint64, Patients::Mois>& reglages, const Estimation& reference,
                       int annee, int mois)
    : reference_(reference), annee_(annee), mois_(mois) {
    // The amounts alone, as every estimate computes them: a month of two hundred patients is
    // shown at once, and the texts of each estimate are not needed for it.
    const QLocale& locale = reference.locale();
    const auto total = [&](double valeur) {
        return Estimation::Total{{}, valeur, Euros(valeur, locale), {}};
    };
    double somme = 0;
    for (const Patients::Patient& p : patients) {
        const Choix m = ChoixDuMois(p.choix, annee, mois, reglages.value(p.id));
        const double duMois = Calcul(m, reference.valeurs()).hebdomadaire;
        somme += duMois;
        lignes_.append(
            {p, m, total(Calcul(p.choix, reference.valeurs()).hebdomadaire), total(duMois)});
    }
    const QString n =
        patients.size() < 2 ? QStringLiteral("%1 patient") : QStringLiteral("%1 patients");
    total_ = {
        QStringLiteral("Total ") + Francais::De(Francais::Mois(annee, mois)), somme,
        Euros(somme, locale),
        Typographie(QStringLiteral("Somme des estimations %1 de %2, chacune avec ses "
                                   "jours de traitement, son calendrier et ses "
                                   "corrections, faite sur leurs montants non arrondis.")
                        .arg(Francais::De(Francais::Mois(annee, mois)), n.arg(patients.size())))};
}

QString Patientele::titre() const {
    return QStringLiteral("Mes patients en ") + Francais::Mois(annee_, mois_);
}

QString Patientele::modalites() const {
    QStringList modalites;
    for (const Ligne& l : lignes_) {
        const QString m = NomModalite(l.patient.choix.modalite).toString();
        if (!modalites.contains(m))
            modalites << m;
    }
    return Francais::Liste(modalites);
}

Copie Patientele::copie() const {
    Copie c(titre(), modalites());
    const QString mois = Francais::Mois(annee_, mois_);
    c.tableau({{QStringLiteral("Patient")},
               {QStringLiteral("Modalité")},
               {QStringLiteral("Par semaine"), true},
               {mois, true}});
    for (const Ligne& l : lignes_) {
        const QString modalite = NomModalite(l.patient.choix.modalite).toString();
        c.rangee(QStringLiteral("%1 (%2) : %3 par semaine, %4 en %5")
                     .arg(l.patient.nom, modalite, l.semaine.montant, l.total.montant, mois),
                 {l.patient.nom, modalite, l.semaine.montant, l.total.montant});
    }
    c.total(total_.libelle, total_.montant, total_.formule);
    c.finTableau();
    reference_.ajouterTarifs(c);
    return c;
}

QString Patientele::texte() const {
    return copie().texte();
}

QString Patientele::html() const {
    return copie().html();
}
