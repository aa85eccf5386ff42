#include "ui/Placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace Placement {

QPoint ACote(const QRect& fenetre, const QSize& taille, const QRect& ecran) {
    // Within [debut, fin], the start kept when the window is larger than the screen.
    const auto borne = [](int v, int debut, int fin) { return std::max(debut, std::min(v, fin)); };
    QRect p(QPoint(fenetre.right() + 1, fenetre.top()), taille);
    p.moveTop(borne(p.top(), ecran.top(), ecran.bottom() + 1 - taille.height()));
    if (!ecran.contains(p))
        p.moveRight(fenetre.left() - 1);
    if (!ecran.contains(p))
        p.moveLeft(borne(p.left(), ecran.left(), ecran.right() + 1 - taille.width()));
    return p.topLeft();
}

void PlacerACote(QWidget* fenetre, const QWidget* voisine) {
    const QRect cadre = fenetre->frameGeometry();
    const QPoint coin =
        ACote(voisine->frameGeometry(), cadre.size(), voisine->screen()->availableGeometry());
    // The frame goes there; the window's own position is its content's.
    fenetre->move(coin + (fenetre->pos() - cadre.topLeft()));
}

} // namespace Placement
