#pragma once

#include "fees/Annee.h"
#include "fees/Francais.h"
#include "fees/PageEstimation.h"

#include <QImage>
#include <QPainter>
#include <utility>

// The pages of the README as printed, at about the screen's resolution, in French, from the
// built-in tariffs and on a fixed day, so that a picture changes only when its page does: the
// week's estimate, May 2026's and the year's.
inline QList<std::pair<QString, QImage>> PagesExemples() {
    const QLocale& francais = Francais::Locale();
    const QDate jour(2026, 12, 6);
    const Choix semaine{4, 7, 1, 3, 7, 7, Modalite::DPCA};
    const std::array<bool, 7> tous{true, true, true, true, true, true, true};
    const auto page = [](const auto& document) {
        QImage image(579, 819, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter peintre(&image);
        PageEstimation::Dessiner(peintre, document);
        return image;
    };
    const Estimation hebdomadaire(semaine, Tarifs{}, {}, jour, francais);
    const Proposition mai = Proposer(semaine, 2026, 5, Calendrier::Metropole, tous);
    const Estimation::Mois mois{2026, 5, Calendrier::Metropole, mai.feries,
                                hebdomadaire.moyenne().valeur};
    return {{QStringLiteral("estimation.png"), page(hebdomadaire)},
            {QStringLiteral("estimation-mois.png"),
             page(Estimation(mai.choix, Tarifs{}, {}, jour, francais, mois))},
            {QStringLiteral("estimation-annee.png"),
             page(Annee(hebdomadaire, tous, 2026, Calendrier::Metropole))}};
}
