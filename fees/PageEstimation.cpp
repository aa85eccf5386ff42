#include "fees/PageEstimation.h"

#include "fees/Francais.h"

#include "fees/Annee.h"
#include "fees/FeuilleResultat.h"
#include "fees/Typographie.h"
#include "framework/FolderItem.h"
#include "framework/Graphics.h"
#include "framework/TextOutputStream.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QList>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <span>
#include <utility>

namespace PageEstimation {

namespace {

// The page is laid out in tenths of a millimetre on an A4 sheet.
constexpr double LargeurPage = 2100;
constexpr double HauteurPage = 2970;
constexpr double Gauche = 200;
constexpr double Droite = LargeurPage - 200;
constexpr double Largeur = Droite - Gauche;
constexpr double Retrait = 10; // between a cell's edge and its text

const QColor Noir(Qt::black);
const QColor Gris(90, 90, 90);
const QColor Filet(190, 190, 190);
const QColor Bleu(Qt::blue);         // the amounts' colour in the window
const QColor Bandeau(216, 253, 244); // the window's background

QFont police(double points, bool gras = false, bool italique = false) {
    QFont f(QStringLiteral("Times"));
    f.setPixelSize(qRound(points * 254.0 / 72.0));
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

// Lays text out in lines of the given width, breaking inside a word only when it is longer
// than a line (a long path); draws it with its top at y. Its height.
double paragraphe(QPainter& p, const QString& texte, const QFont& f, double x, double y,
                  double largeur) {
    QTextLayout layout(Typographie(texte), f);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double hauteur = 0;
    for (QTextLine ligne = layout.createLine(); ligne.isValid(); ligne = layout.createLine()) {
        ligne.setLineWidth(largeur);
        ligne.setPosition(QPointF(0, hauteur));
        hauteur += ligne.height();
    }
    layout.endLayout();
    p.setFont(f);
    layout.draw(&p, QPointF(x, y));
    return hauteur;
}

enum class Cote { Gauche, Centre, Droite };

// One line of text in [x, x + largeur], its top at y.
void texte(QPainter& p, const QString& t, const QFont& f, QColor couleur, double x, double y,
           double largeur, Cote cote = Cote::Gauche) {
    const QFontMetricsF m(f);
    const double l = m.horizontalAdvance(t);
    const double debut = cote == Cote::Gauche   ? x
                         : cote == Cote::Droite ? x + largeur - l
                                                : x + (largeur - l) / 2;
    p.setFont(f);
    p.setPen(couleur);
    p.drawText(QPointF(debut, y + m.ascent()), t);
}

void filet(QPainter& p, double y, QColor couleur, double epaisseur = 2) {
    p.setPen(QPen(couleur, epaisseur, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(Gauche, y), QPointF(Droite, y));
}

// From the painter's origin to the page's tenths of a millimetre.
void placer(QPainter& p) {
    QPaintDevice* d = p.device();
    QRectF page(0, 0, d->width(), d->height());
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(d)) {
        const QPageLayout mise = paged->pageLayout();
        const int dpi = d->logicalDpiX();
        // A printer's painter starts at its margins: the page starts above and left of them.
        page = QRectF(mise.fullRectPixels(dpi).translated(-mise.paintRectPixels(dpi).topLeft()));
    }
    const double echelle = std::min(page.width() / LargeurPage, page.height() / HauteurPage);
    p.translate(page.left() + (page.width() - LargeurPage * echelle) / 2, page.top());
    p.scale(echelle, echelle);
}

// The columns of the rows' table: label, count, code, amount.
struct Colonne {
    const char16_t* titre;
    double x;
    double largeur;
    Cote cote;
};
constexpr Colonne Colonnes[] = {
    {u"Soins", Gauche, 1000, Cote::Gauche},
    {u"Nombre", Gauche + 1000, 150, Cote::Centre},
    {u"Cotation", Gauche + 1150, 280, Cote::Centre},
    {u"Montant", Gauche + 1430, 270, Cote::Droite},
};

// A table's header: its columns' titles on the window's colour, of that height, and a rule
// under them. Where the rows start.
double titresDeColonnes(QPainter& p, std::span<const Colonne> colonnes, double y, double hauteur) {
    const QFont f = police(10.5, true);
    p.fillRect(QRectF(Gauche, y, Largeur, hauteur), Bandeau);
    for (const Colonne& c : colonnes)
        texte(p, QString::fromUtf16(c.titre), f, Noir, c.x + Retrait, y + Retrait,
              c.largeur - 2 * Retrait, c.cote);
    filet(p, y + hauteur, Noir);
    return y + hauteur;
}

double tableau(QPainter& p, const Estimation& e, double y) {
    const QFont titres = police(10.5, true);
    const QFont normal = police(11);
    const QFont montant = police(11, true);
    const QFont formule = police(9.5);
    y = titresDeColonnes(p, Colonnes, y, QFontMetricsF(titres).height() + 2 * Retrait);

    for (const Estimation::Ligne& l : e.lignes()) {
        const double haut = y + Retrait;
        const Colonne& c0 = Colonnes[0];
        p.setPen(Noir);
        double h = paragraphe(p, l.libelle, normal, c0.x + Retrait, haut, c0.largeur - 2 * Retrait);
        const QString cellules[] = {e.nombre(l.nombre), l.code, l.montant};
        for (int i = 1; i < 4; ++i)
            texte(p, cellules[i - 1], i == 3 ? montant : normal, i == 3 ? Bleu : Noir,
                  Colonnes[i].x + Retrait, haut, Colonnes[i].largeur - 2 * Retrait,
                  Colonnes[i].cote);
        p.setPen(Gris);
        h += 4 + paragraphe(p, l.formule, formule, c0.x + 3 * Retrait, haut + h + 4,
                            Largeur - 4 * Retrait);
        y = haut + h + Retrait;
        filet(p, y, Filet);
    }
    filet(p, y, Noir);
    return y;
}

// The window's sheet, vector and larger: 386 logical pixels over 13 cm.
double feuille(QPainter& p, const Estimation& e, double y) {
    constexpr double largeur = 1050;
    constexpr double echelle = largeur / FeuilleResultat::Largeur;
    const QRect cadre(0, 0, FeuilleResultat::Largeur, FeuilleResultat::Hauteur);
    p.save();
    p.translate((LargeurPage - largeur) / 2, y);
    p.scale(echelle, echelle);
    p.setClipRect(cadre);
    framework::Graphics g(p, cadre.size());
    g.SetTextFont(QStringLiteral("Times"));
    g.SetTextSize(16);
    // White on paper: the same drawing, without a tint to print.
    FeuilleResultat::Dessiner(g, Qt::white, e);
    p.restore();
    return y + FeuilleResultat::Hauteur * echelle;
}

// Captions in bold on the left, each with its text beside it.
double definitions(QPainter& p, const QList<std::pair<QString, QString>>& termes, double y) {
    const QFont gras = police(10, true);
    double colonne = 0;
    for (const auto& t : termes)
        colonne = std::max(colonne, QFontMetricsF(gras).horizontalAdvance(t.first) + 40);
    for (const auto& [terme, sens] : termes) {
        texte(p, terme, gras, Noir, Gauche, y, colonne);
        y += 12 + paragraphe(p, sens, police(10), Gauche + colonne, y, Largeur - colonne);
    }
    return y;
}

double tarifs(QPainter& p, const Estimation& e, double y) {
    texte(p, QStringLiteral("Tarifs appliqués : ") + e.jeuTarifs(), police(12, true), Noir, Gauche,
          y, Largeur);
    y += QFontMetricsF(police(12, true)).height() + 15;
    const QFont f = police(10);
    const double pas = QFontMetricsF(f).height() + 6;
    constexpr double largeur = 1000;
    filet(p, y, Noir);
    // Where they come from, beside them: a long path takes width, not the footer's place.
    constexpr double source = Gauche + largeur + 60;
    p.setPen(Gris);
    QString origine = e.provenance();
    if (!e.sourceTarifs().isEmpty())
        origine = e.sourceTarifs() + QStringLiteral(". ") + origine;
    const double bas =
        y + 8 + paragraphe(p, origine, police(9.5, false, true), source, y + 8, Droite - source);
    for (const Estimation::Parametre& t : e.tarifs()) {
        texte(p, t.libelle, f, Noir, Gauche + Retrait, y + 8, largeur);
        texte(p, t.valeur, f, Noir, Gauche, y + 8, largeur - Retrait, Cote::Droite);
        y += pas;
        p.setPen(QPen(Filet, 2));
        p.drawLine(QPointF(Gauche, y), QPointF(Gauche + largeur, y));
    }
    return std::max(y, bas);
}

// A heading, then one short paragraph per item.
double liste(QPainter& p, const QString& titre, const QStringList& items, double y) {
    texte(p, titre, police(12, true), Noir, Gauche, y, Largeur);
    y += QFontMetricsF(police(12, true)).height() + 8;
    p.setPen(Noir);
    for (const QString& item : items) {
        texte(p, QStringLiteral("–"), police(9.5), Noir, Gauche + Retrait, y, 40);
        y += 4 + paragraphe(p, item, police(9.5), Gauche + 60, y, Largeur - 60);
    }
    return y;
}

// The header, with what the page estimates on the right, and the modality. Where the body starts.
double entete(QPainter& p, const QString& objet, const QString& modalite) {
    placer(p);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    double y = 130;
    texte(p, QStringLiteral("Tarivane"), police(24, true), Noir, Gauche, y, Largeur);
    texte(p, QStringLiteral("Honoraires infirmiers en dialyse péritonéale"),
          police(11, false, true), Gris, Gauche, y + 105, Largeur);
    texte(p, QStringLiteral("Estimation"), police(18, true), Noir, Gauche, y + 10, Largeur,
          Cote::Droite);
    texte(p, objet, police(11), Noir, Gauche, y + 105, Largeur, Cote::Droite);
    y += 175;
    filet(p, y, Noir, 5);

    y += 50;
    const QString long_ = modalite == u"DPCA"
                              ? QStringLiteral("dialyse péritonéale continue ambulatoire")
                              : QStringLiteral("dialyse péritonéale automatisée");
    const QFont normal = police(12);
    const QFont gras = police(12, true);
    const QString debut = QStringLiteral("Modalité de traitement : ");
    texte(p, debut, normal, Noir, Gauche, y, Largeur);
    double x = Gauche + QFontMetricsF(normal).horizontalAdvance(debut);
    texte(p, modalite, gras, Noir, x, y, Largeur);
    x += QFontMetricsF(gras).horizontalAdvance(modalite);
    texte(p, QStringLiteral(" (%1)").arg(long_), normal, Noir, x, y, Largeur);
    return y + 60;
}

// The tariffs, what to check, and the footer at the foot of the page unless the content reaches it.
void fin(QPainter& p, const Estimation& e, double y) {
    y = tarifs(p, e, y + 30);
    y = liste(p, QStringLiteral("À vérifier"), e.aVerifier(), y + 40);
    const double pied = std::max(HauteurPage - 190, y + 40);
    filet(p, pied, Filet);
    p.setPen(Gris);
    paragraphe(p,
               QStringLiteral("Estimation indicative : les montants sont calculés à partir des "
                              "tarifs indiqués ci-dessus. Tarivane, estimation du %1.")
                   .arg(Francais::Date(e.date())),
               police(9, false, true), Gauche, pied + 20, Largeur);
}

// The twelve months, one line each, then the year's total and 52 weeks.
double mois(QPainter& p, const Annee& a, double y) {
    const QFont normal = police(11);
    const QFont gras = police(11, true);
    const double pas = QFontMetricsF(normal).height() + 2 * Retrait;
    constexpr Colonne colonnes[] = {
        {u"Mois", Gauche, 700, Cote::Gauche},
        {u"Jours de traitement", Gauche + 700, 350, Cote::Centre},
        {u"Dimanches et fériés", Gauche + 1050, 350, Cote::Centre},
        {u"Montant", Gauche + 1400, 300, Cote::Droite},
    };
    y = titresDeColonnes(p, colonnes, y, pas);
    for (const Estimation& m : a.mois()) {
        const QString cellules[] = {m.totaux()[0].libelle.section(u' ', 2), m.nombre(Estimation::Poste::Jours),
                                    m.nombre(Estimation::Poste::Dimanches), m.totaux()[0].montant};
        for (int i = 0; i < 4; ++i)
            texte(p, cellules[i], i == 3 ? gras : normal, i == 3 ? Bleu : Noir,
                  colonnes[i].x + Retrait, y + Retrait, colonnes[i].largeur - 2 * Retrait,
                  colonnes[i].cote);
        y += pas;
        filet(p, y, Filet);
    }
    filet(p, y, Noir);
    QList<std::pair<QString, QString>> termes;
    for (const Estimation::Total* t : {&a.total(), &a.semaines()}) {
        texte(p, t->libelle, gras, Noir, Gauche + Retrait, y + Retrait, Largeur);
        texte(p, t->montant, gras, Noir, Gauche, y + Retrait, Largeur - Retrait, Cote::Droite);
        y += pas;
        termes.append({t->libelle, t->formule});
    }
    return definitions(p, termes, y + 30);
}

} // namespace

void Dessiner(QPainter& p, const Estimation& e) {
    p.save();
    double y = entete(p,
                      e.mois() ? e.titre().section(u' ', 2) + QStringLiteral(", établie le ") +
                                     Francais::Date(e.date())
                               : Francais::Date(e.date()),
                      e.nomModalite());
    y = tableau(p, e, y);
    y = feuille(p, e, y + 40);
    QList<std::pair<QString, QString>> termes;
    for (const Estimation::Total& t : e.totaux())
        termes.append({t.libelle, t.formule});
    y = definitions(p, termes, y + 30);
    if (const auto& mois = e.mois()) {
        QStringList feries;
        for (const Ferie& f : mois->feries)
            feries << QStringLiteral("%1 (%2)").arg(
                Francais::Jour(f.date), f.nom);
        y = definitions(p,
                        {{QStringLiteral("Jours fériés (%1)").arg(NomCalendrier(mois->calendrier)),
                          feries.isEmpty() ? QStringLiteral("aucun jour de traitement")
                                           : feries.join(QStringLiteral(", ")) + u'.'}},
                        y);
    }
    fin(p, e, y);
    p.restore();
}

void Dessiner(QPainter& p, const Annee& a) {
    p.save();
    const Estimation& janvier = a.mois().front();
    const double y = entete(
        p, a.titre().section(u' ', 2) + QStringLiteral(", établie le ") + Francais::Date(janvier.date()),
        janvier.nomModalite());
    fin(p, janvier, mois(p, a, y));
    p.restore();
}

bool EcrirePdf(const Estimation& e, const QString& chemin, QString& erreur) {
    return EcrirePdf([&e](QPainter& p) { Dessiner(p, e); },
                     e.mois() ? e.titre() : QStringLiteral("Estimation Tarivane"), chemin, erreur);
}

bool EcrirePdf(const std::function<void(QPainter&)>& dessiner, const QString& titre,
               const QString& chemin, QString& erreur, const QPageLayout& mise, int resolution) {
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Tarivane"));
        pdf.setResolution(resolution);
        pdf.setPageLayout(mise);
        QPainter p;
        if (!p.begin(&pdf)) {
            erreur = QStringLiteral("le document n'a pas pu être composé");
            return false;
        }
        dessiner(p);
        p.end();
    }
    // Composed in memory first: the file is only ever replaced by a whole document.
    auto flux = framework::FolderItem(chemin).CreateTextFile(
        erreur, framework::FolderItem::Nouveau::Document);
    if (!flux)
        return false;
    flux->Write(octets);
    return flux->Close(erreur);
}

QString NomFichier(QDate date) {
    return QStringLiteral("Estimation Tarivane %1.pdf").arg(date.toString(Qt::ISODate));
}

QString NomFichier(const Estimation& e) {
    if (!e.mois())
        return NomFichier(e.date());
    return QStringLiteral("Estimation Tarivane %1-%2.pdf")
        .arg(e.mois()->annee)
        .arg(e.mois()->mois, 2, 10, QLatin1Char('0'));
}

QString NomFichier(const Annee& a) {
    return QStringLiteral("Estimation Tarivane %1.pdf").arg(a.mois().front().mois()->annee);
}

} // namespace PageEstimation
