#pragma once

#include "fees/Annee.h"
#include "fees/Francais.h"
#include "ui/sortie/Page.h"

#include <QImage>
#include <QPainter>
#include <utility>

// A week's estimate, one month's of 2026 and the year's, in French, from the built-in tariffs
// and on a fixed day.
struct Exemples {
    Estimation semaine;
    Estimation mois;
    Annee annee;
};
inline Exemples exemples(const Choix& choix, const Defaut::RapportLecture& rapport, int mois) {
    const QLocale& francais = Francais::Locale();
    const QDate jour(2026, 12, 6);
    const std::array<bool, 7> tous{true, true, true, true, true, true, true};
    const Estimation semaine(choix, Tarifs{}, rapport, jour, francais);
    // The month of a nurse who comes from Monday to Friday and corrected the dressings.
    const std::array<bool, 7> semaineOuvree{true, true, true, true, true, false, false};
    const ReglagesMois reglages{semaineOuvree,
                                int(choix.jours),
                                Calendrier::Metropole,
                                {{Estimation::Poste::Pansements, 12}}};
    return {semaine, EstimationDuMois(semaine, 2026, mois, reglages),
            Annee(semaine, tous, 2026, Calendrier::Metropole)};
}

// The first pages of the README as printed, so that a picture changes only when its page does:
// the week's estimate, May 2026's and the year's.
inline QList<std::pair<QString, QImage>> PagesExemples() {
    // Laid out at 300 dpi as on paper, shown at 70 dpi.
    const auto page = [](const auto& document) {
        QImage image(2481, 3508, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(300 / 0.0254));
        image.setDotsPerMeterY(qRound(300 / 0.0254));
        image.fill(Qt::white);
        QPainter peintre(&image);
        const QPageLayout mise = Page::miseEnPage();
        peintre.translate(mise.paintRectPixels(300).topLeft());
        Page(document).dessiner(peintre, mise, [] { return false; });
        peintre.end();
        return image.scaled(579, 819, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const Exemples e = exemples({4, 7, 1, 3, 7, 7, Modalite::DPCA}, {}, 5);
    return {{QStringLiteral("estimation.png"), page(e.semaine)},
            {QStringLiteral("estimation-mois.png"), page(e.mois)},
            {QStringLiteral("estimation-annee.png"), page(e.annee)}};
}
