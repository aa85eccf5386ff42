#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of the calculator opens: beside those already open, the main window first,
// covering none of them where the screen has room; where it has not, covering as little of the
// main window as it can and never its menu bar.
namespace Placement {

// The top-left corner for a frame of this size. The first of the open frames is the main
// window's; its title and menu bar lie within the protected rectangle.
QPoint Place(const QSize& taille, const QRect& ecran, const QList<QRect>& ouvertes,
             const QRect& menus);
// Moves the window's frame there, among the visible windows of the main window's family, on
// the main window's screen.
void Placer(QWidget* fenetre, const QWidget* principale);
// Shows the window in front and active, placed there the first time it is shown.
void Montrer(QWidget* fenetre, const QWidget* principale);
// Moves it back inside its screen, for one that has grown.
void GarderDansEcran(QWidget* fenetre);

} // namespace Placement
