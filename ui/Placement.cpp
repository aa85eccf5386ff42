#include "ui/Placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace Placement {

namespace {

// Within the screen, the start kept when the frame is larger than the screen.
QPoint dansEcran(QPoint p, const QSize& taille, const QRect& ecran) {
    const auto borne = [](int v, int debut, int fin) { return std::max(debut, std::min(v, fin)); };
    p.setX(borne(p.x(), ecran.left(), ecran.right() + 1 - taille.width()));
    p.setY(borne(p.y(), ecran.top(), ecran.bottom() + 1 - taille.height()));
    return p;
}

qint64 aire(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

void deplacerCadre(QWidget* fenetre, const QPoint& coin) {
    // The frame goes there; the window's own position is its content's.
    fenetre->move(coin + (fenetre->pos() - fenetre->frameGeometry().topLeft()));
}

} // namespace

QPoint Place(const QSize& taille, const QRect& ecran, const QList<QRect>& ouvertes,
             const QRect& menus) {
    // Against each open frame, right, left, below then above, pulled inside the screen.
    QList<QPoint> candidats;
    for (const QRect& o : ouvertes)
        candidats << QPoint(o.right() + 1, o.top()) << QPoint(o.left() - taille.width(), o.top())
                  << QPoint(o.left(), o.bottom() + 1)
                  << QPoint(o.left(), o.top() - taille.height());
    QPoint meilleur = dansEcran(ecran.topLeft(), taille, ecran);
    qint64 moindre = std::numeric_limits<qint64>::max();
    for (const QPoint& c : std::as_const(candidats)) {
        const QRect r(dansEcran(c, taille, ecran), taille);
        // Covering the menu bar is worse than anything else; the main window counts double.
        qint64 couvert = r.intersects(menus) ? std::numeric_limits<qint64>::max() / 2 : 0;
        for (int i = 0; i < ouvertes.size(); ++i)
            couvert += aire(r & ouvertes[i]) * (i == 0 ? 2 : 1);
        if (couvert < moindre) {
            moindre = couvert;
            meilleur = r.topLeft();
        }
    }
    return meilleur;
}

void Placer(QWidget* fenetre, const QWidget* principale) {
    QList<QRect> ouvertes{principale->frameGeometry()};
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != fenetre && w != principale && w->isVisible() && w->windowType() != Qt::Popup &&
            w->windowType() != Qt::ToolTip)
            ouvertes << w->frameGeometry();
    // Its title, and its menu bar when it has one.
    const QRect cadre = principale->frameGeometry();
    int bas = principale->mapToGlobal(QPoint(0, 0)).y() - 1;
    if (const auto* m = qobject_cast<const QMainWindow*>(principale); m && m->menuWidget())
        bas = principale->mapToGlobal(m->menuWidget()->geometry().bottomLeft()).y();
    const QRect menus(cadre.left(), cadre.top(), cadre.width(), bas - cadre.top() + 1);
    // A window the window manager has not framed yet is taken with the main window's borders.
    QSize taille = fenetre->frameGeometry().size();
    if (taille == fenetre->size())
        taille += cadre.size() - principale->size();
    deplacerCadre(fenetre,
                  Place(taille, principale->screen()->availableGeometry(), ouvertes, menus));
}

void Montrer(QWidget* fenetre, const QWidget* principale) {
    const bool nouvelle = !fenetre->isVisible();
    fenetre->show();
    // Placed once shown: a menu bar of its own takes its size only then.
    if (nouvelle)
        Placer(fenetre, principale);
    fenetre->raise();
    fenetre->activateWindow();
}

void GarderDansEcran(QWidget* fenetre) {
    const QRect cadre = fenetre->frameGeometry();
    deplacerCadre(fenetre,
                  dansEcran(cadre.topLeft(), cadre.size(), fenetre->screen()->availableGeometry()));
}

} // namespace Placement
