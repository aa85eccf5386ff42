#include "fees/Annee.h"

#include "fees/Copie.h"
#include "fees/Euros.h"
#include "fees/Typographie.h"

#include <algorithm>

Proposition Proposer(const Choix& semaine, int annee, int mois, Calendrier calendrier,
                     const std::array<bool, 7>& jours) {
    const ComptesMois c = Compter(annee, mois, calendrier, jours);
    // The days ticked, not the window's count: she may have corrected them.
    const int parSemaine = int(std::count(jours.begin(), jours.end(), true));
    Choix m = semaine;
    m.jours = c.joursTraitement;
    // A week that bills no Sunday or holiday is treated on none: its month bills none either.
    m.dimanches = semaine.dimanches > 0 ? c.dimanchesFeries : 0;
    m.pansements = Repartir(semaine.pansements, c.joursTraitement, parSemaine);
    m.nuits = Repartir(semaine.nuits, c.joursTraitement, parSemaine);
    m.surveillances = Repartir(semaine.surveillances, c.joursTraitement, parSemaine);
    return {m, c.feries};
}

double& Compte(Choix& c, Estimation::Poste poste) {
    switch (poste) {
    case Estimation::Poste::Journee:
        return c.poches;
    case Estimation::Poste::Jours:
        return c.jours;
    case Estimation::Poste::Dimanches:
        return c.dimanches;
    case Estimation::Poste::Pansements:
        return c.pansements;
    case Estimation::Poste::Nuits:
        return c.nuits;
    case Estimation::Poste::Surveillance:
        break;
    }
    return c.surveillances;
}

std::array<bool, 7> ReglagesMois::joursPour(const Choix& semaine) const {
    if (pourJours == semaine.jours)
        return jours;
    std::array<bool, 7> premiers{};
    for (int i = 0; i < int(premiers.size()); ++i)
        premiers[i] = i < semaine.jours;
    return premiers;
}

namespace {
// The calendar's proposal with her corrections in place, each kept beside what it replaced.
Proposition Corriger(const Choix& semaine, int annee, int mois, const ReglagesMois& r,
                     QList<Estimation::Correction>* corrections) {
    Proposition p = Proposer(semaine, annee, mois, r.calendrier, r.joursPour(semaine));
    // The bags of a day are the week's.
    for (auto c = r.corrections.cbegin(); c != r.corrections.cend(); ++c) {
        if (c.key() == Estimation::Poste::Journee)
            continue;
        double& compte = Compte(p.choix, c.key());
        if (corrections)
            corrections->append({c.key(), int(compte), c.value()});
        compte = c.value();
    }
    return p;
}

Estimation::Mois MoisDe(const Estimation& semaine, int annee, int mois, Calendrier calendrier,
                        const std::array<bool, 7>& jours, const QList<Ferie>& feries) {
    return {annee,
            mois,
            calendrier,
            feries,
            semaine.moyenne().valeur,
            jours,
            semaine.choix().dimanches > 0,
            {}};
}
} // namespace

Choix ChoixDuMois(const Choix& semaine, int annee, int mois, const ReglagesMois& r,
                  QList<Ferie>* feries) {
    Proposition p = Corriger(semaine, annee, mois, r, nullptr);
    if (feries)
        *feries = p.feries;
    return p.choix;
}

Estimation EstimationDuMois(const Estimation& semaine, int annee, int mois, const ReglagesMois& r) {
    QList<Estimation::Correction> corrections;
    const Proposition p = Corriger(semaine.choix(), annee, mois, r, &corrections);
    Estimation::Mois m =
        MoisDe(semaine, annee, mois, r.calendrier, r.joursPour(semaine.choix()), p.feries);
    m.corrections = corrections;
    Estimation e(p.choix, semaine.valeurs(), semaine.rapport(), semaine.date(), semaine.locale(),
                 m);
    e.setPatient(semaine.patient());
    return e;
}

Annee::Annee(const Estimation& semaine, const std::array<bool, 7>& jours, int annee,
             Calendrier calendrier)
    : annee_(annee), calendrier_(calendrier) {
    double somme = 0;
    for (int m = 1; m <= 12; ++m) {
        const Proposition p = Proposer(semaine.choix(), annee, m, calendrier, jours);
        mois_.append(Estimation(p.choix, semaine.valeurs(), semaine.rapport(), semaine.date(),
                                semaine.locale(),
                                MoisDe(semaine, annee, m, calendrier, jours, p.feries)));
        mois_.back().setPatient(semaine.patient());
        somme += mois_.back().total().valeur;
    }
    const QLocale& locale = semaine.locale();
    total_ = {QStringLiteral("Facturation de l'année %1").arg(annee), somme, Euros(somme, locale),
              Typographie(QStringLiteral("Somme des douze mois, faite sur leurs montants non "
                                         "arrondis ; elle peut différer de quelques centimes de "
                                         "celle des mois arrondis."))};
    const double an = semaine.total().valeur * 52;
    semaines_ = {QStringLiteral("Semaine type × 52"), an, Euros(an, locale),
                 Typographie(QStringLiteral("%1 × 52 = %2, pour comparaison.")
                                 .arg(semaine.total().montant, Euros(an, locale)))};
}

QString Annee::titre() const {
    return QStringLiteral("Estimation de l'année %1 (%2)")
        .arg(annee_)
        .arg(NomCalendrier(calendrier_));
}

Copie Annee::copie() const {
    Copie c(titre(), mois_[0].nomModalite(), mois_[0].patient());
    c.tableau({{QStringLiteral("Mois")},
               {QStringLiteral("Jours de traitement"), true},
               {QStringLiteral("Dimanches et jours fériés"), true},
               {QStringLiteral("Montant"), true}});
    using Poste = Estimation::Poste;
    for (const Estimation& m : mois_) {
        const QString jours = m.nombre(Poste::Jours);
        const QString dimanches = m.nombre(Poste::Dimanches);
        c.rangee(QStringLiteral("%1 : %2 jours de traitement, %3 dimanches et jours fériés — %4")
                     .arg(m.total().libelle, jours, dimanches, m.total().montant),
                 {m.total().libelle, jours, dimanches, m.total().montant});
    }
    for (const Estimation::Total* t : {&total_, &semaines_})
        c.total(t->libelle, t->montant, t->formule);
    c.finTableau();
    mois_[0].ajouterTarifs(c);
    return c;
}

QString Annee::texte() const {
    return copie().texte();
}

QString Annee::html() const {
    return copie().html();
}
