#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of the calculator opens beside another: against its right edge when it fits on
// the screen, else against its left edge, else as near as it fits, always inside the screen.
namespace Placement {

QPoint ACote(const QRect& fenetre, const QSize& taille, const QRect& ecran);
// Moves the window's frame there, beside the other's frame, on the other's screen.
void PlacerACote(QWidget* fenetre, const QWidget* voisine);

} // namespace Placement
