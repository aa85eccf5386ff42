#pragma once

#include <QStringView>

// Format patterns: amounts are grouped by thousands, with two decimals, a space and the euro.
namespace Motifs {
inline constexpr QStringView Libelle = u"#,###.00\\ \\€";
inline constexpr QStringView Feuille = u"###,###.00\\ \\€";
inline constexpr QStringView Champ = u"##.00";
} // namespace Motifs
