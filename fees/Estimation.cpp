#include "fees/Estimation.h"

#include "fees/Copie.h"
#include "fees/Euros.h"
#include "fees/Francais.h"
#include "fees/Lignes.h"
#include "fees/TarifsOfficiels.h"
#include "fees/Typographie.h"
#include "framework/Number.h"

namespace {

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

} // namespace

Estimation::Estimation(const Choix& c, const Tarifs& t, const Defaut::RapportLecture& rapport,
                       QDate date, const QLocale& locale, const std::optional<Mois>& mois)
    : date_(date), locale_(locale), mois_(mois), choix_(c), valeurs_(t), rapport_(rapport) {
    const TarifOfficiel* officiel = Reconnaitre(t);
    const double profonde = (officiel ? *officiel : TarifsOfficiels().front()).nuitProfonde;
    nuitProfonde_ = NuitProfonde.arg(Euros(profonde, locale), Euros(t.Nuits, locale));
    const Montants m = Calcul(c, t);
    ajouterLignes(m);
    ajouterTotaux(m);
    for (const Tarif& tarif : ListeTarifs)
        tarifs_.append({tarif.libelle.toString(), EnChamp(t.*tarif.valeur, locale)});
    jeuTarifs_ = Provenance(t);
    if (officiel)
        sourceTarifs_ = officiel->source.toString();
    provenance_ = Typographie(rapport.texte());
    if (c.modalite == Modalite::DPCA && c.poches > 4)
        avertissement_ = Typographie(
            QStringLiteral("Au plus 4 changements de poche par jour sont facturés en DPCA : "
                           "l'estimation en compte %1.")
                .arg(nombre(c.poches)));
    ajouterVerifications();
}

QString Estimation::nombre(double n) const {
    return framework::Str(n, locale_);
}

void Estimation::ajouterLignes(const Montants& m) {
    const Choix& c = choix_;
    const Tarifs& t = valeurs_;
    const auto euros = [&](double v) { return Euros(v, locale_); };
    // French puts the singular below two.
    const auto compte = [&](double n, const char16_t* un, const char16_t* plusieurs) {
        return nombre(n) + u' ' + QString::fromUtf16(n < 2 ? un : plusieurs);
    };
    const QString poches = c.dpa() ? compte(c.poches, u"branchement ou débranchement",
                                            u"branchements ou débranchements")
                                   : compte(c.poches, u"poche", u"poches");
    const QString periode = mois_ ? QStringLiteral("par mois") : QStringLiteral("par semaine");
    const QString ami = nombre(t.Poches) + QStringLiteral(" AMI");
    const auto ligne = [&](Poste poste, QStringView semaine, QStringView duMois, double n,
                           const QString& code, double montant, const QString& par,
                           const QString& formule, const QStringList& regles = {}) {
        QStringList r;
        for (const QString& regle : regles)
            r << Typographie(regle);
        lignes_.append({poste, (mois_ ? duMois : semaine).toString(), n, code, montant,
                        euros(montant), par, Typographie(formule + u' ' + par), r});
    };

    const QStringView premiere = c.dpa() ? Lignes::Branchements : Lignes::Poches;
    ligne(Poste::Journee, premiere, premiere, c.poches,
          QStringLiteral("AMI ") + nombre(t.Poches) + QStringLiteral(" + IFD"), m.journee,
          QStringLiteral("par jour de traitement"),
          QStringLiteral("%1 × (%2 × %3 + %4 IFD) = %5")
              .arg(poches, ami, euros(t.AMI), euros(t.Deplacements), euros(m.journee)),
          c.dpa() ? QStringList{UneIfd} : QStringList{QuatrePoches, UneIfd});
    ligne(Poste::Jours, Lignes::Jours, LignesMois::Jours, c.jours, {}, m.semainePoches, periode,
          QStringLiteral("%1 × %2 = %3")
              .arg(euros(m.journee), compte(c.jours, u"jour", u"jours"), euros(m.semainePoches)));
    ligne(Poste::Pansements, Lignes::Pansements, LignesMois::Pansements, c.pansements,
          QStringLiteral("AMI 4"), m.pansements, periode,
          QStringLiteral("%1 × 4 AMI × %2 = %3")
              .arg(compte(c.pansements, u"pansement", u"pansements"), euros(t.AMI),
                   euros(m.pansements)),
          {PansementPendantPoche});
    ligne(Poste::Dimanches, Lignes::Dimanches, LignesMois::Dimanches, c.dimanches,
          QStringLiteral("ISD"), m.dimanches, periode,
          QStringLiteral("%1 × %2 × %3 = %4")
              .arg(compte(c.dimanches, u"dimanche ou jour férié", u"dimanches et jours fériés"),
                   poches, euros(t.Dimanches), euros(m.dimanches)),
          {PasDeCumul, Prescription});
    ligne(Poste::Nuits, Lignes::Nuits, LignesMois::Nuits, c.nuits, QStringLiteral("ISN"), m.nuits,
          periode,
          QStringLiteral("%1 × %2 = %3")
              .arg(compte(c.nuits, u"acte de nuit", u"actes de nuit"), euros(t.Nuits),
                   euros(m.nuits)),
          {nuitProfonde_, PasDeCumul, Prescription});
    if (c.dpa())
        ligne(Poste::Surveillance, Lignes::Surveillance, LignesMois::Surveillance, c.surveillances,
              {}, m.surveillance, periode,
              QStringLiteral("%1 × %2 × %3 = %4")
                  .arg(compte(c.surveillances, u"organisation", u"organisations"), ami,
                       euros(t.AMI), euros(m.surveillance)));
}

void Estimation::ajouterTotaux(const Montants& m) {
    // The per-day first row is not one of the terms: the week, or the month, counts it.
    QStringList termes;
    const std::pair<Poste, const char16_t*> nommes[] = {
        {Poste::Jours, choix_.dpa() ? u"branchements ou débranchements" : u"changements de poches"},
        {Poste::Pansements, u"pansements"},
        {Poste::Dimanches, u"dimanches et jours fériés"},
        {Poste::Nuits, u"actes de nuit"},
        {Poste::Surveillance, u"surveillance"}};
    for (const auto& [poste, nom] : nommes)
        if (a(poste))
            termes << QStringLiteral("%1 (%2)").arg(ligne(poste).montant, QString::fromUtf16(nom));
    const QString somme =
        QStringLiteral("Somme des montants %1 : %2 = %3. Le montant par jour de traitement (%4) "
                       "n'en fait pas partie : %5 le compte déjà. La somme est faite sur les "
                       "montants non arrondis ; elle peut différer d'un centime de celle des "
                       "lignes arrondies.")
            .arg(mois_ ? QStringLiteral("du mois") : QStringLiteral("de la semaine"),
                 termes.join(QStringLiteral(" + ")), Euros(m.hebdomadaire, locale_),
                 ligne(Poste::Journee).montant,
                 mois_ ? QStringLiteral("le mois") : QStringLiteral("la semaine"));
    const auto totalDe = [&](const QString& libelle, double valeur, const QString& formule) {
        return Total{libelle, valeur, Euros(valeur, locale_), Typographie(formule)};
    };
    if (mois_)
        totaux_ = {totalDe(QStringLiteral("Facturation ") +
                               Francais::De(Francais::Mois(mois_->annee, mois_->mois)),
                           m.hebdomadaire, somme),
                   totalDe(QStringLiteral("Moyenne mensuelle de la semaine type"), mois_->moyenne,
                           QStringLiteral("La semaine type, celle de la fenêtre principale, "
                                          "× 52 ÷ 12 = %1, pour comparaison.")
                               .arg(Euros(mois_->moyenne, locale_)))};
    else
        totaux_ = {totalDe(QStringLiteral("Facturation hebdomadaire"), m.hebdomadaire, somme),
                   totalDe(QStringLiteral("Facturation mensuelle moyenne"), m.mensuelle,
                           QStringLiteral("%1 × 52 ÷ 12 = %2")
                               .arg(Euros(m.hebdomadaire, locale_), Euros(m.mensuelle, locale_)))};
}

void Estimation::ajouterVerifications() {
    const Choix& c = choix_;
    QStringList verifier;
    if (!avertissement_.isEmpty())
        verifier << avertissement_;
    if (c.nuits > 0 && c.dimanches > 0)
        verifier << QStringLiteral("Majorations de nuit et de dimanche comptées toutes deux : "
                                   "elles ne se cumulent pas sur un même passage.");
    if (c.nuits > 0)
        verifier << nuitProfonde_;
    if (c.nuits > 0 || c.dimanches > 0)
        verifier << Prescription;
    if (c.pansements > 0)
        verifier << PansementPendantPoche;
    verifier << ForfaitCentre;
    for (const QString& v : verifier)
        aVerifier_ << Typographie(v);
}

QString Estimation::titre() const {
    if (mois_)
        return QStringLiteral("Estimation %1 (%2)")
            .arg(Francais::De(Francais::Mois(mois_->annee, mois_->mois)),
                 NomCalendrier(mois_->calendrier));
    return QStringLiteral("Estimation du %1").arg(Francais::Date(date_));
}

QString Estimation::sansDimanches() const {
    if (!mois_ || mois_->dimanchesSemaine)
        return {};
    return Typographie(QStringLiteral("Aucun dimanche ni jour férié n'est proposé : la semaine "
                                      "type n'en facture aucun."));
}

QStringList Estimation::hypotheses() const {
    if (!mois_)
        return {};
    QStringList jours;
    for (int i = 0; i < int(mois_->jours.size()); ++i)
        if (mois_->jours[i])
            jours << Francais::Locale().dayName(i + 1);
    QStringList h{
        QStringLiteral("Jours de traitement : %1.")
            .arg(jours.isEmpty() ? QStringLiteral("aucun") : Francais::Liste(jours)),
        QStringLiteral("Calendrier des jours fériés : %1.").arg(NomCalendrier(mois_->calendrier))};
    if (!sansDimanches().isEmpty())
        h << sansDimanches();
    const qsizetype avant = h.size();
    // A count kept from the other modality is not billed here.
    for (const Correction& c : mois_->corrections)
        if (a(c.poste))
            h << QStringLiteral("%1 : %2, corrigé ; le calendrier propose %3.")
                     .arg(ligne(c.poste).libelle, nombre(c.corrige), nombre(c.propose));
    if (h.size() == avant)
        h << QStringLiteral("Nombres proposés par le calendrier, sans correction.");
    for (QString& t : h)
        t = Typographie(t);
    return h;
}

Copie Estimation::copie() const {
    Copie c(titre(), nomModalite(), patient_);
    c.tableau({{QStringLiteral("Soins")},
               {QStringLiteral("Nombre"), true},
               {QStringLiteral("Cotation")},
               {QStringLiteral("Montant"), true}});
    for (const Ligne& r : lignes_) {
        const QString code = r.code.isEmpty() ? QString() : r.code + QStringLiteral(" — ");
        c.rangee(QStringLiteral("%1 : %2 — %3%4 %5")
                     .arg(r.libelle, nombre(r.nombre), code, r.montant, r.par),
                 {r.libelle, nombre(r.nombre), r.code, r.montant + u' ' + r.par}, r.formule);
    }
    for (const Total& t : totaux_)
        c.total(t.libelle, t.montant, t.formule);
    c.finTableau();
    if (mois_) {
        c.espace();
        c.paragraphe(QStringLiteral("Ce que supposent ces nombres :"));
        c.liste(hypotheses());
        c.paragraphe(QStringLiteral("Jours fériés de traitement (%1) :")
                         .arg(NomCalendrier(mois_->calendrier)));
        QStringList feries;
        for (const Ferie& f : mois_->feries)
            feries << QStringLiteral("%1 : %2").arg(Francais::Jour(f.date), f.nom);
        if (feries.isEmpty())
            c.paragraphe(QStringLiteral("aucun"));
        else
            c.liste(feries);
    }
    ajouterTarifs(c);
    return c;
}

void Estimation::ajouterTarifs(Copie& c) const {
    c.espace();
    c.paragraphe(QStringLiteral("Tarifs appliqués (%1) :").arg(jeuTarifs_));
    c.tableau({{}, {QString(), true}});
    for (const Parametre& p : tarifs_)
        c.rangee(QStringLiteral("%1 : %2").arg(p.libelle, p.valeur), {p.libelle, p.valeur});
    c.finTableau();
    if (!sourceTarifs_.isEmpty())
        c.paragraphe(QStringLiteral("Source : %1.").arg(sourceTarifs_));
    c.paragraphe(provenance_);
    c.espace();
    c.paragraphe(QStringLiteral("À vérifier :"), true);
    c.liste(aVerifier_);
}

QString Estimation::texte() const {
    return copie().texte();
}

QString Estimation::html() const {
    return copie().html();
}
