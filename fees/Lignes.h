#pragma once

#include <QStringView>

// The rows of the calculator as the nurse reads them, in the order they stand on screen.
namespace Lignes {
inline constexpr QStringView Poches = u"Nombre de poches par jour de traitement";
inline constexpr QStringView Branchements = u"Nombre de branchements ou débranchements par jour";
inline constexpr QStringView Jours = u"Nombre de jours de traitement par semaine";
inline constexpr QStringView Pansements = u"Nombre de pansements par semaine";
inline constexpr QStringView Dimanches = u"Nombre de dimanches et jour fériés par semaine";
inline constexpr QStringView Nuits = u"Nombre d'actes de nuit par semaine";
inline constexpr QStringView Surveillance =
    u"Nombre d'organisations de la surveillance par semaine";
} // namespace Lignes

// The same rows for a calendar month.
namespace LignesMois {
inline constexpr QStringView Jours = u"Jours de traitement dans le mois";
inline constexpr QStringView Pansements = u"Pansements dans le mois";
inline constexpr QStringView Dimanches = u"Dimanches et jours fériés de traitement dans le mois";
inline constexpr QStringView Nuits = u"Actes de nuit dans le mois";
inline constexpr QStringView Surveillance = u"Organisations de la surveillance dans le mois";
} // namespace LignesMois
