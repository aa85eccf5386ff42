#include "fees/Annee.h"

#include "fees/Motifs.h"
#include "fees/Typographie.h"
#include "framework/Number.h"

#include <algorithm>

Proposition Proposer(const Choix& semaine, int annee, int mois, Calendrier calendrier,
                     const std::array<bool, 7>& jours) {
    const ComptesMois c = Compter(annee, mois, calendrier, jours);
    // The days ticked, not the window's count: she may have corrected them.
    const int parSemaine = int(std::count(jours.begin(), jours.end(), true));
    Choix m = semaine;
    m.jours = c.joursTraitement;
    m.dimanches = c.dimanchesFeries;
    m.pansements = Repartir(semaine.pansements, c.joursTraitement, parSemaine);
    m.nuits = Repartir(semaine.nuits, c.joursTraitement, parSemaine);
    m.surveillances = Repartir(semaine.surveillances, c.joursTraitement, parSemaine);
    return {m, c.feries};
}

Annee::Annee(const Choix& semaine, const std::array<bool, 7>& jours, int annee,
             Calendrier calendrier, const Tarifs& tarifs, const Defaut::RapportLecture& provenance,
             QDate date, const QLocale& locale)
    : annee_(annee), calendrier_(calendrier) {
    const Montants hebdo = Calcul(semaine, tarifs);
    double somme = 0;
    for (int m = 1; m <= 12; ++m) {
        const Proposition p = Proposer(semaine, annee, m, calendrier, jours);
        mois_.append(Estimation(p.choix, tarifs, provenance, date, locale,
                                Estimation::Mois{annee, m, calendrier, p.feries, hebdo.mensuelle}));
        somme += mois_.back().montants().hebdomadaire;
    }
    const auto montant = [&](double v) { return framework::Format(v, Motifs::Feuille, locale); };
    total_ = {QStringLiteral("Facturation de l'année %1").arg(annee), somme, montant(somme),
              Typographie(QStringLiteral("Somme des douze mois, faite sur leurs montants non "
                                         "arrondis ; elle peut différer de quelques centimes de "
                                         "celle des mois arrondis."))};
    const double an = hebdo.hebdomadaire * 52;
    semaines_ = {QStringLiteral("52 semaines de la fenêtre"), an, montant(an),
                 Typographie(QStringLiteral("%1 × 52 = %2, pour comparaison.")
                                 .arg(montant(hebdo.hebdomadaire), montant(an)))};
}

QString Annee::titre() const {
    return QStringLiteral("Estimation de l'année %1 (%2)")
        .arg(annee_)
        .arg(NomCalendrier(calendrier_));
}

QString Annee::texte() const {
    QStringList l{QStringLiteral("Tarivane — %1").arg(titre()),
                  QStringLiteral("Modalité de traitement : %1").arg(mois_[0].modalite()),
                  QString()};
    for (const Estimation& m : mois_)
        l << QStringLiteral("%1 : %2 jours de traitement, %3 dimanches et jours fériés — %4")
                 .arg(m.totaux()[0].libelle, m.nombre(m.lignes()[1]), m.nombre(m.lignes()[3]),
                      m.totaux()[0].montant);
    for (const Estimation::Total* t : {&total_, &semaines_})
        l << QStringLiteral("%1 : %2").arg(t->libelle, t->montant)
          << QStringLiteral("    ") + t->formule;
    return Typographie(l.join(u'\n') + u'\n' + mois_[0].texteTarifs());
}

QString Annee::html() const {
    const auto e = Html;
    QString h = QStringLiteral("<p><b>Tarivane — %1</b><br>Modalité de traitement : %2</p>\n"
                               "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
                               "<tr><th>Mois</th><th>Jours de traitement</th><th>Dimanches et "
                               "jours fériés</th><th>Montant</th></tr>\n")
                    .arg(e(titre()), e(mois_[0].modalite()));
    for (const Estimation& m : mois_)
        h += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td>"
                            "<td align=\"right\">%4</td></tr>\n")
                 .arg(e(m.totaux()[0].libelle), e(m.nombre(m.lignes()[1])),
                      e(m.nombre(m.lignes()[3])), e(m.totaux()[0].montant));
    for (const Estimation::Total* t : {&total_, &semaines_})
        h += QStringLiteral("<tr><th colspan=\"3\" align=\"left\">%1<br><small>%3</small></th>"
                            "<td align=\"right\"><b>%2</b></td></tr>\n")
                 .arg(e(t->libelle), e(t->montant), e(t->formule));
    return Typographie(h + QStringLiteral("</table>\n") + mois_[0].htmlTarifs());
}
