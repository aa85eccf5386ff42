#include "fees/Copie.h"

#include "fees/Typographie.h"

namespace {

const auto e = Html;

} // namespace

Copie::Copie(const QString& titre, const QString& modalite, const QString& patient) {
    const QString tete = QStringLiteral("Tarivane — ") + titre;
    QStringList sous;
    if (!patient.isEmpty())
        sous << QStringLiteral("Patient : ") + patient;
    // Her patients' copy names no modality when she has no patient.
    if (!modalite.isEmpty())
        sous << QStringLiteral("Modalité de traitement : ") + modalite;
    texte_ << tete << sous << QString();
    html_ = QStringLiteral("<p><b>%1</b>").arg(e(tete));
    for (const QString& ligne : sous)
        html_ += QStringLiteral("<br>") + e(ligne);
    html_ += QStringLiteral("</p>\n");
}

void Copie::tableau(const QList<Colonne>& colonnes) {
    colonnes_ = int(colonnes.size());
    aDroite_.clear();
    html_ += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n");
    QString tete;
    bool titres = false;
    for (const Colonne& c : colonnes) {
        aDroite_ << c.aDroite;
        titres = titres || !c.titre.isEmpty();
        tete += QStringLiteral("<th>%1</th>").arg(e(c.titre));
    }
    if (titres)
        html_ += QStringLiteral("<tr>%1</tr>\n").arg(tete);
}

void Copie::rangee(const QString& ligne, const QStringList& cellules, const QString& detail) {
    texte_ << ligne;
    if (!detail.isEmpty())
        texte_ << QStringLiteral("    ") + detail;
    QString h;
    for (int i = 0; i < cellules.size(); ++i) {
        const bool droite = i < aDroite_.size() && aDroite_[i];
        const QString sous = i == 0 && !detail.isEmpty()
                                 ? QStringLiteral("<br><small>%1</small>").arg(e(detail))
                                 : QString();
        h +=
            QStringLiteral("<td%1>%2%3</td>")
                .arg(droite ? QStringLiteral(" align=\"right\"") : QString(), e(cellules[i]), sous);
    }
    html_ += QStringLiteral("<tr>%1</tr>\n").arg(h);
}

void Copie::total(const QString& libelle, const QString& montant, const QString& formule) {
    texte_ << QStringLiteral("%1 : %2").arg(libelle, montant) << QStringLiteral("    ") + formule;
    html_ +=
        QStringLiteral("<tr><th colspan=\"%1\" align=\"left\">%2<br><small>%3</small></th>"
                       "<td align=\"right\"><b>%4</b></td></tr>\n")
            .arg(QString::number(std::max(1, colonnes_ - 1)), e(libelle), e(formule), e(montant));
}

void Copie::finTableau() {
    html_ += QStringLiteral("</table>\n");
}

void Copie::paragraphe(const QString& texte, bool gras) {
    texte_ << texte;
    html_ += gras ? QStringLiteral("<p><b>%1</b></p>\n").arg(e(texte))
                  : QStringLiteral("<p>%1</p>\n").arg(e(texte));
}

void Copie::liste(const QStringList& elements) {
    html_ += QStringLiteral("<ul>\n");
    for (const QString& element : elements) {
        texte_ << QStringLiteral("– ") + element;
        html_ += QStringLiteral("<li>%1</li>\n").arg(e(element));
    }
    html_ += QStringLiteral("</ul>\n");
}

void Copie::espace() {
    texte_ << QString();
}

QString Copie::texte() const {
    return Typographie(texte_.join(u'\n') + u'\n');
}

QString Copie::html() const {
    return html_;
}
