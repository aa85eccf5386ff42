#include "fees/FeuilleResultat.h"

#include "fees/Estimation.h"
#include "fees/Motifs.h"
#include "framework/Graphics.h"
#include "framework/Number.h"

namespace FeuilleResultat {

void Dessiner(framework::Graphics& g, QColor fond, const Estimation& e) {
    const QString& titre = e.modalite();
    g.SetForeColor(fond);
    g.FillRect(0, 0, g.Width(), g.Height());

    const int x = Marge;
    int y = 20;
    g.SetBold(true);
    g.SetUnderline(true);
    g.SetForeColor(Rouge);
    g.DrawString(titre,
                 static_cast<int>((static_cast<double>(g.Width()) - g.StringWidth(titre)) / 2), y);
    y += 8;
    g.DrawLine(0, y, g.Width(), y);
    g.SetUnderline(false);
    y += g.TextSize() + 2;

    g.SetForeColor(Rouge);
    g.DrawString(e.totaux()[0].libelle, x, y);
    MiseEnForme(g, e.totaux()[0].valeur, y, e.locale());
    y += 8;
    g.DrawLine(0, y, g.Width(), y);
    y += g.TextSize();
    g.DrawString(e.totaux()[1].libelle, x, y);
    MiseEnForme(g, e.totaux()[1].valeur, y, e.locale());
    y += 8;
    g.DrawLine(0, y, g.Width(), y);
    g.SetBold(false);
}

void MiseEnForme(framework::Graphics& g, double montant, int y, const QLocale& locale) {
    const QString texte = framework::Format(montant, Motifs::Feuille, locale);
    const int x = static_cast<int>((static_cast<double>(g.Width()) - g.StringWidth(texte)) - Marge);
    g.DrawString(texte, x, y);
}

} // namespace FeuilleResultat
