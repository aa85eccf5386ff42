#include "fees/Estimation.h"

#include "fees/Lignes.h"
#include "fees/Motifs.h"
#include "framework/Number.h"

#include <QDir>
#include <QStringList>

Estimation::Estimation(const Choix& c, const Tarifs& t, const Defaut::RapportLecture& source,
                       QDate date, const QLocale& locale)
    : date_(date), locale_(locale),
      modalite_(c.dpca ? QStringLiteral("DPCA") : QStringLiteral("DPA")), dpa_(c.dpa),
      montants_(Calcul(c, t)) {
    const Montants& m = montants_;
    const auto euros = [&](double v) { return framework::Format(v, Motifs::Libelle, locale); };
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
    const QString ami = nombre(t.Poches) + QStringLiteral(" AMI");
    const auto ligne = [&](QStringView libelle, double n, const QString& code, double montant,
                           const QString& formule) {
        lignes_.append({libelle.toString(), n, code, euros(montant), formule});
    };

    ligne(c.dpa ? Lignes::Branchements : Lignes::Poches, c.poches,
          QStringLiteral("AMI ") + nombre(t.Poches) + QStringLiteral(" + IFD"), m.journee,
          QStringLiteral("%1 × (%2 × %3 + %4 IFD) = %5 par jour de traitement")
              .arg(poches(), ami, euros(t.AMI), euros(t.Deplacements), euros(m.journee)));
    ligne(Lignes::Jours, c.jours, {}, m.semainePoches,
          QStringLiteral("%1 × %2 = %3 par semaine")
              .arg(euros(m.journee), compte(c.jours, u"jour", u"jours"), euros(m.semainePoches)));
    ligne(Lignes::Pansements, c.pansements, QStringLiteral("AMI 4"), m.pansements,
          QStringLiteral("%1 × 4 AMI × %2 = %3 par semaine")
              .arg(compte(c.pansements, u"pansement", u"pansements"), euros(t.AMI),
                   euros(m.pansements)));
    ligne(Lignes::Dimanches, c.dimanches, QStringLiteral("ISD"), m.dimanches,
          QStringLiteral("%1 × %2 × %3 = %4 par semaine")
              .arg(compte(c.dimanches, u"dimanche", u"dimanches"), poches(), euros(t.Dimanches),
                   euros(m.dimanches)));
    ligne(Lignes::Nuits, c.nuits, QStringLiteral("ISN"), m.nuits,
          QStringLiteral("%1 × %2 = %3 par semaine")
              .arg(compte(c.nuits, u"acte de nuit", u"actes de nuit"), euros(t.Nuits),
                   euros(m.nuits)));
    if (c.dpa)
        ligne(Lignes::Surveillance, c.surveillances, {}, m.surveillance,
              QStringLiteral("%1 × %2 × %3 = %4 par semaine")
                  .arg(compte(c.surveillances, u"organisation", u"organisations"), ami,
                       euros(t.AMI), euros(m.surveillance)));

    hebdomadaire_ = framework::Format(m.hebdomadaire, Motifs::Feuille, locale);
    mensuelle_ = framework::Format(m.mensuelle, Motifs::Feuille, locale);

    QStringList termes{
        QStringLiteral("%1 (%2 de la semaine)")
            .arg(lignes_[1].montant, c.dpa ? QStringLiteral("branchements ou débranchements")
                                           : QStringLiteral("changements de poches")),
        lignes_[2].montant + QStringLiteral(" (pansements)"),
        lignes_[3].montant + QStringLiteral(" (dimanches et jours fériés)"),
        lignes_[4].montant + QStringLiteral(" (actes de nuit)")};
    if (c.dpa)
        termes << lignes_[5].montant + QStringLiteral(" (surveillance)");
    formuleHebdomadaire_ =
        QStringLiteral("Somme des montants de la semaine : %1 = %2. Le montant par jour de "
                       "traitement (%3) n'en fait pas partie : la semaine le compte déjà. La "
                       "somme est faite sur les montants non arrondis ; elle peut différer d'un "
                       "centime de celle des lignes arrondies.")
            .arg(termes.join(QStringLiteral(" + ")), hebdomadaire_, lignes_[0].montant);
    formuleMensuelle_ = QStringLiteral("%1 × 52 ÷ 12 = %2").arg(hebdomadaire_, mensuelle_);

    for (const Tarif& tarif : ListeTarifs)
        tarifs_.append(
            {tarif.libelle.toString(), framework::Format(t.*tarif.valeur, Motifs::Champ, locale)});
    provenance_ = source.texte();
}

QString Estimation::dateEnLettres() const {
    // Dates are written in French whatever the locale of the numbers.
    const QLocale francais(QLocale::French, QLocale::France);
    return francais.toString(date_, date_.day() == 1 ? QStringLiteral("d'er' MMMM yyyy")
                                                     : QStringLiteral("d MMMM yyyy"));
}

QString Estimation::nombre(const Ligne& ligne) const {
    return framework::Str(ligne.nombre, locale_);
}

QString Estimation::texte() const {
    QStringList l{QStringLiteral("Tarivane — Estimation du %1").arg(dateEnLettres()),
                  QStringLiteral("Modalité de traitement : %1").arg(modalite_), QString()};
    for (const Ligne& r : lignes_)
        l << QStringLiteral("%1 : %2 — %3")
                 .arg(r.libelle, nombre(r),
                      r.code.isEmpty() ? r.montant : r.code + QStringLiteral(" — ") + r.montant);
    l << QStringLiteral("Facturation hebdomadaire : %1").arg(hebdomadaire_)
      << QStringLiteral("Facturation mensuelle moyenne : %1").arg(mensuelle_) << QString()
      << QStringLiteral("Tarifs appliqués :");
    for (const Parametre& p : tarifs_)
        l << QStringLiteral("%1 : %2").arg(p.libelle, p.valeur);
    l << provenance_;
    return l.join(u'\n') + u'\n';
}

QString Estimation::html() const {
    const auto e = [](const QString& s) { return s.toHtmlEscaped(); };
    QString h = QStringLiteral("<p><b>Tarivane — Estimation du %1</b><br>Modalité de traitement "
                               ": %2</p>\n<table border=\"1\" cellspacing=\"0\" "
                               "cellpadding=\"4\">\n<tr><th>Soins</th><th>Nombre</th>"
                               "<th>Cotation</th><th>Montant</th></tr>\n")
                    .arg(e(dateEnLettres()), e(modalite_));
    for (const Ligne& r : lignes_)
        h += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td>%3</td>"
                            "<td align=\"right\">%4</td></tr>\n")
                 .arg(e(r.libelle), e(nombre(r)), e(r.code), e(r.montant));
    for (const auto& [libelle, montant] :
         {std::pair{QStringLiteral("Facturation hebdomadaire"), hebdomadaire_},
          std::pair{QStringLiteral("Facturation mensuelle moyenne"), mensuelle_}})
        h += QStringLiteral("<tr><th colspan=\"3\" align=\"left\">%1</th>"
                            "<td align=\"right\"><b>%2</b></td></tr>\n")
                 .arg(e(libelle), e(montant));
    h += QStringLiteral("</table>\n<p>Tarifs appliqués :</p>\n<table border=\"1\" "
                        "cellspacing=\"0\" cellpadding=\"4\">\n");
    for (const Parametre& p : tarifs_)
        h += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>\n")
                 .arg(e(p.libelle), e(p.valeur));
    return h + QStringLiteral("</table>\n<p>%1</p>\n").arg(e(provenance_));
}
