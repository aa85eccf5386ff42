#pragma once

#include <QColor>
#include <QString>

class Estimation;
namespace framework {
class Graphics;
}

// The result sheet: the modality as an underlined title, the two totals (the weekly and the
// monthly billing) with their captions, between red lines. Rows are spaced by the context's text
// size.
namespace FeuilleResultat {

inline constexpr QColor Rouge{255, 0, 0};
inline constexpr int Marge = 10;
// Its size in the window, in logical pixels.
inline constexpr int Largeur = 386;
inline constexpr int Hauteur = 85;

// The estimate's modality and its two totals, with the estimate's separators.
void Dessiner(framework::Graphics& g, QColor fond, const Estimation& estimation);

// Draws an amount's text on the row whose baseline is y, ending Marge pixels short of the right
// edge, in the colour and style in force.
void MiseEnForme(framework::Graphics& g, const QString& montant, int y);

} // namespace FeuilleResultat
