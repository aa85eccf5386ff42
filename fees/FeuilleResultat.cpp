#include "fees/FeuilleResultat.h"

#include "fees/Estimation.h"
#include "framework/Graphics.h"

namespace FeuilleResultat {

void Dessiner(framework::Graphics& g, QColor fond, const Estimation& e) {
    const QString titre = e.nomModalite();
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
    g.DrawString(e.total().libelle, x, y);
    MiseEnForme(g, e.total().montant, y);
    y += 8;
    g.DrawLine(0, y, g.Width(), y);
    y += g.TextSize();
    g.DrawString(e.moyenne().libelle, x, y);
    MiseEnForme(g, e.moyenne().montant, y);
    y += 8;
    g.DrawLine(0, y, g.Width(), y);
    g.SetBold(false);
}

void MiseEnForme(framework::Graphics& g, const QString& montant, int y) {
    const int x =
        static_cast<int>((static_cast<double>(g.Width()) - g.StringWidth(montant)) - Marge);
    g.DrawString(montant, x, y);
}

} // namespace FeuilleResultat
