#include "fees/Estimation.h"

#include "fees/Lignes.h"
#include "fees/Motifs.h"
#include "fees/TarifsOfficiels.h"
#include "fees/Typographie.h"
#include "framework/Number.h"

namespace {

const QLocale Francais(QLocale::French, QLocale::France);

// The billing rules the amounts cannot check, as the nomenclature sets them.
const QString QuatrePoches =
    QStringLiteral("En DPCA, au plus 4 changements de poche par jour sont facturés.");
const QString UneIfd = QStringLiteral("Une seule IFD par passage : l'estimation en compte une "
                                      "par changement de poche (en DPA, par branchement ou "
                                      "débranchement).");
const QString PansementPendantPoche =
    QStringLiteral("Un pansement fait au cours du passage d'un changement de poche peut relever "
                   "de la règle des actes multiples au cours d'un même passage (article 11 B de "
                   "la NGAP).");
const QString PasDeCumul = QStringLiteral("Les majorations de nuit et de dimanche ou jour férié "
                                          "ne se cumulent pas sur un même passage.");
const QString Prescription = QStringLiteral("Les majorations de nuit et de dimanche ou jour "
                                            "férié demandent une prescription précisant que les "
                                            "soins doivent être faits la nuit ou tous les jours.");
const QString NuitProfonde = QStringLiteral("Entre 23 h et 5 h, la majoration de nuit est de "
                                            "%1 ; l'estimation compte %2 par acte de nuit.");
const QString ForfaitCentre =
    QStringLiteral("Si le centre de dialyse du patient facture un forfait hebdomadaire de "
                   "dialyse péritonéale, la facturation à part des soins infirmiers à domicile "
                   "dépend de ce centre : vérifiez auprès de l'Assurance Maladie.");

QString moisEnLettres(int annee, int mois) {
    return Francais.standaloneMonthName(mois) + u' ' + QString::number(annee);
}

} // namespace

Estimation::Estimation(const Choix& c, const Tarifs& t, const Defaut::RapportLecture& source,
                       QDate date, const QLocale& locale, const std::optional<Mois>& mois)
    : date_(date), locale_(locale), mois_(mois),
      modalite_(c.dpca ? QStringLiteral("DPCA") : QStringLiteral("DPA")), dpa_(c.dpa),
      montants_(Calcul(c, t)) {
    const Montants& m = montants_;
    const auto euros = [&](double v) { return framework::Format(v, Motifs::Libelle, locale); };
    const auto total = [&](double v) { return framework::Format(v, Motifs::Feuille, locale); };
    const auto nombre = [&](double v) { return framework::Str(v, locale); };
    // French puts the singular below two.
    const auto compte = [&](double n, const char16_t* un, const char16_t* plusieurs) {
        return nombre(n) + u' ' + QString::fromUtf16(n < 2 ? un : plusieurs);
    };
    const auto poches = [&] {
        return c.dpa ? compte(c.poches, u"branchement ou débranchement",
                              u"branchements ou débranchements")
                     : compte(c.poches, u"poche", u"poches");
    };
    const QString periode = mois ? QStringLiteral("par mois") : QStringLiteral("par semaine");
    const QString ami = nombre(t.Poches) + QStringLiteral(" AMI");
    const TarifOfficiel* officiel = Reconnaitre(t);
    const double profonde = (officiel ? *officiel : TarifsOfficiels().front()).nuitProfonde;
    const QString nuitProfonde = NuitProfonde.arg(euros(profonde), euros(t.Nuits));
    const auto ligne = [&](QStringView semaine, QStringView duMois, double n, const QString& code,
                           double montant, const QString& par, const QString& formule,
                           const QStringList& regles = {}) {
        QStringList r;
        for (const QString& regle : regles)
            r << Typographie(regle);
        lignes_.append({(mois ? duMois : semaine).toString(), n, code, euros(montant), par,
                        Typographie(formule + u' ' + par), r});
    };

    const QString parJour = QStringLiteral("par jour de traitement");
    ligne(c.dpa ? Lignes::Branchements : Lignes::Poches,
          c.dpa ? Lignes::Branchements : Lignes::Poches, c.poches,
          QStringLiteral("AMI ") + nombre(t.Poches) + QStringLiteral(" + IFD"), m.journee, parJour,
          QStringLiteral("%1 × (%2 × %3 + %4 IFD) = %5")
              .arg(poches(), ami, euros(t.AMI), euros(t.Deplacements), euros(m.journee)),
          c.dpca ? QStringList{QuatrePoches, UneIfd} : QStringList{UneIfd});
    ligne(Lignes::Jours, LignesMois::Jours, c.jours, {}, m.semainePoches, periode,
          QStringLiteral("%1 × %2 = %3")
              .arg(euros(m.journee), compte(c.jours, u"jour", u"jours"), euros(m.semainePoches)));
    ligne(Lignes::Pansements, LignesMois::Pansements, c.pansements, QStringLiteral("AMI 4"),
          m.pansements, periode,
          QStringLiteral("%1 × 4 AMI × %2 = %3")
              .arg(compte(c.pansements, u"pansement", u"pansements"), euros(t.AMI),
                   euros(m.pansements)),
          {PansementPendantPoche});
    ligne(Lignes::Dimanches, LignesMois::Dimanches, c.dimanches, QStringLiteral("ISD"), m.dimanches,
          periode,
          QStringLiteral("%1 × %2 × %3 = %4")
              .arg(compte(c.dimanches, u"dimanche ou jour férié", u"dimanches et jours fériés"),
                   poches(), euros(t.Dimanches), euros(m.dimanches)),
          {PasDeCumul, Prescription});
    ligne(Lignes::Nuits, LignesMois::Nuits, c.nuits, QStringLiteral("ISN"), m.nuits, periode,
          QStringLiteral("%1 × %2 = %3")
              .arg(compte(c.nuits, u"acte de nuit", u"actes de nuit"), euros(t.Nuits),
                   euros(m.nuits)),
          {nuitProfonde, PasDeCumul, Prescription});
    if (c.dpa)
        ligne(Lignes::Surveillance, LignesMois::Surveillance, c.surveillances, {}, m.surveillance,
              periode,
              QStringLiteral("%1 × %2 × %3 = %4")
                  .arg(compte(c.surveillances, u"organisation", u"organisations"), ami,
                       euros(t.AMI), euros(m.surveillance)));

    // The per-day first row is not one of the terms: the week, or the month, counts it.
    QStringList termes{
        QStringLiteral("%1 (%2)").arg(lignes_[1].montant,
                                      c.dpa ? QStringLiteral("branchements ou débranchements")
                                            : QStringLiteral("changements de poches")),
        lignes_[2].montant + QStringLiteral(" (pansements)"),
        lignes_[3].montant + QStringLiteral(" (dimanches et jours fériés)"),
        lignes_[4].montant + QStringLiteral(" (actes de nuit)")};
    if (c.dpa)
        termes << lignes_[5].montant + QStringLiteral(" (surveillance)");
    const QString duree = mois ? QStringLiteral("du mois") : QStringLiteral("de la semaine");
    const QString somme =
        QStringLiteral("Somme des montants %1 : %2 = %3. Le montant par jour de traitement (%4) "
                       "n'en fait pas partie : %5 le compte déjà. La somme est faite sur les "
                       "montants non arrondis ; elle peut différer d'un centime de celle des "
                       "lignes arrondies.")
            .arg(duree, termes.join(QStringLiteral(" + ")), total(m.hebdomadaire),
                 lignes_[0].montant,
                 mois ? QStringLiteral("le mois") : QStringLiteral("la semaine"));
    if (mois)
        totaux_ = {Total{QStringLiteral("Facturation de ") + moisEnLettres(mois->annee, mois->mois),
                         m.hebdomadaire, total(m.hebdomadaire), Typographie(somme)},
                   Total{QStringLiteral("Facturation mensuelle moyenne"), mois->moyenne,
                         total(mois->moyenne),
                         Typographie(QStringLiteral("La semaine de la fenêtre × 52 ÷ 12 = %1, "
                                                    "pour comparaison.")
                                         .arg(total(mois->moyenne)))}};
    else
        totaux_ = {Total{QStringLiteral("Facturation hebdomadaire"), m.hebdomadaire,
                         total(m.hebdomadaire), Typographie(somme)},
                   Total{QStringLiteral("Facturation mensuelle moyenne"), m.mensuelle,
                         total(m.mensuelle),
                         Typographie(QStringLiteral("%1 × 52 ÷ 12 = %2")
                                         .arg(total(m.hebdomadaire), total(m.mensuelle)))}};

    for (const Tarif& tarif : ListeTarifs)
        tarifs_.append(
            {tarif.libelle.toString(), framework::Format(t.*tarif.valeur, Motifs::Champ, locale)});
    jeuTarifs_ = Provenance(t);
    if (officiel)
        sourceTarifs_ = officiel->source.toString();
    provenance_ = Typographie(source.texte());

    if (c.dpca && c.poches > 4)
        avertissement_ = Typographie(
            QStringLiteral("Au plus 4 changements de poche par jour sont facturés en DPCA : "
                           "l'estimation en compte %1.")
                .arg(nombre(c.poches)));
    QStringList verifier;
    if (!avertissement_.isEmpty())
        verifier << avertissement_;
    if (c.nuits > 0 && c.dimanches > 0)
        verifier << QStringLiteral("Majorations de nuit et de dimanche comptées toutes deux : "
                                   "elles ne se cumulent pas sur un même passage.");
    if (c.nuits > 0)
        verifier << nuitProfonde;
    if (c.nuits > 0 || c.dimanches > 0)
        verifier << Prescription;
    if (c.pansements > 0)
        verifier << PansementPendantPoche;
    verifier << ForfaitCentre;
    for (const QString& v : verifier)
        aVerifier_ << Typographie(v);
}

QString Estimation::dateEnLettres() const {
    // Dates are written in French whatever the locale of the numbers.
    return Francais.toString(date_, date_.day() == 1 ? QStringLiteral("d'er' MMMM yyyy")
                                                     : QStringLiteral("d MMMM yyyy"));
}

QString Estimation::titre() const {
    if (mois_)
        return QStringLiteral("Estimation de %1 (%2)")
            .arg(moisEnLettres(mois_->annee, mois_->mois), NomCalendrier(mois_->calendrier));
    return QStringLiteral("Estimation du %1").arg(dateEnLettres());
}

QString Estimation::nombre(const Ligne& ligne) const {
    return framework::Str(ligne.nombre, locale_);
}

QString Estimation::texte() const {
    QStringList l{QStringLiteral("Tarivane — %1").arg(titre()),
                  QStringLiteral("Modalité de traitement : %1").arg(modalite_), QString()};
    for (const Ligne& r : lignes_) {
        l << QStringLiteral("%1 : %2 — %3%4 %5")
                 .arg(r.libelle, nombre(r),
                      r.code.isEmpty() ? QString() : r.code + QStringLiteral(" — "), r.montant,
                      r.par);
        l << QStringLiteral("    ") + r.formule;
    }
    for (const Total& t : totaux_)
        l << QStringLiteral("%1 : %2").arg(t.libelle, t.montant)
          << QStringLiteral("    ") + t.formule;
    if (mois_) {
        l << QString()
          << QStringLiteral("Jours fériés de traitement (%1) :")
                 .arg(NomCalendrier(mois_->calendrier));
        for (const Ferie& f : mois_->feries)
            l << QStringLiteral("%1 : %2").arg(Francais.toString(f.date, u"dddd d MMMM"), f.nom);
        if (mois_->feries.isEmpty())
            l << QStringLiteral("aucun");
    }
    return Typographie(l.join(u'\n') + u'\n' + texteTarifs());
}

QString Estimation::texteTarifs() const {
    QStringList l{QString(), QStringLiteral("Tarifs appliqués (%1) :").arg(jeuTarifs_)};
    for (const Parametre& p : tarifs_)
        l << QStringLiteral("%1 : %2").arg(p.libelle, p.valeur);
    if (!sourceTarifs_.isEmpty())
        l << QStringLiteral("Source : %1.").arg(sourceTarifs_);
    l << provenance_ << QString() << QStringLiteral("À vérifier :");
    for (const QString& v : aVerifier_)
        l << QStringLiteral("– ") + v;
    return Typographie(l.join(u'\n') + u'\n');
}

QString Estimation::html() const {
    const auto e = Html;
    QString h = QStringLiteral("<p><b>Tarivane — %1</b><br>Modalité de traitement : %2</p>\n"
                               "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
                               "<tr><th>Soins</th><th>Nombre</th><th>Cotation</th>"
                               "<th>Montant</th></tr>\n")
                    .arg(e(titre()), e(modalite_));
    for (const Ligne& r : lignes_)
        h += QStringLiteral("<tr><td>%1<br><small>%5</small></td><td align=\"right\">%2</td>"
                            "<td>%3</td><td align=\"right\">%4</td></tr>\n")
                 .arg(e(r.libelle), e(nombre(r)), e(r.code), e(r.montant + u' ' + r.par),
                      e(r.formule));
    for (const Total& t : totaux_)
        h += QStringLiteral("<tr><th colspan=\"3\" align=\"left\">%1<br><small>%3</small></th>"
                            "<td align=\"right\"><b>%2</b></td></tr>\n")
                 .arg(e(t.libelle), e(t.montant), e(t.formule));
    h += QStringLiteral("</table>\n");
    if (mois_) {
        QStringList feries;
        for (const Ferie& f : mois_->feries)
            feries << e(
                QStringLiteral("%1 : %2").arg(Francais.toString(f.date, u"dddd d MMMM"), f.nom));
        h += QStringLiteral("<p>Jours fériés de traitement (%1) : %2</p>\n")
                 .arg(e(NomCalendrier(mois_->calendrier)),
                      feries.isEmpty() ? QStringLiteral("aucun") : feries.join(u", "));
    }
    return Typographie(h + htmlTarifs());
}

QString Estimation::htmlTarifs() const {
    const auto e = Html;
    QString h = QStringLiteral("<p>Tarifs appliqués (%1) :</p>\n<table border=\"1\" "
                               "cellspacing=\"0\" cellpadding=\"4\">\n")
                    .arg(e(jeuTarifs_));
    for (const Parametre& p : tarifs_)
        h += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>\n")
                 .arg(e(p.libelle), e(p.valeur));
    h += QStringLiteral("</table>\n");
    if (!sourceTarifs_.isEmpty())
        h += QStringLiteral("<p>Source : %1.</p>\n").arg(e(sourceTarifs_));
    h += QStringLiteral("<p>%1</p>\n<p><b>À vérifier :</b></p>\n<ul>\n").arg(e(provenance_));
    for (const QString& v : aVerifier_)
        h += QStringLiteral("<li>%1</li>\n").arg(e(v));
    return Typographie(h + QStringLiteral("</ul>\n"));
}
