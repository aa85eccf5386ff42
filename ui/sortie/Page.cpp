#include "ui/sortie/Page.h"

#include "fees/Annee.h"
#include "fees/FeuilleResultat.h"
#include "fees/Francais.h"
#include "fees/PatienteleAnnee.h"
#include "fees/Typographie.h"
#include "framework/FolderItem.h"
#include "framework/Graphics.h"
#include "framework/TextOutputStream.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>

namespace {

const QColor Gris(90, 90, 90);
const QColor Filet(190, 190, 190);
const QColor Bandeau(216, 253, 244); // the window's background
constexpr int Feuille = QTextFormat::UserObject + 1;
// The sheet on paper, vector: 386 logical pixels over 10.5 cm.
constexpr double LargeurFeuille = 105 / 25.4; // inches

QFont police(double points) {
    QFont f(QStringLiteral("Times"));
    f.setPointSizeF(points);
    return f;
}

} // namespace

Page::Page(const Estimation& e)
    : titre_(e.mois() ? e.titre() : QStringLiteral("Estimation Tarivane")), feuille_(e) {
    composer(e.html(), e);
}

Page::Page(const Annee& a) : titre_(a.titre()) {
    composer(a.html(), a.mois().front());
}

Page::Page(const Patientele& p) : titre_(p.titre()) {
    composer(p.html(), p.reference());
}

Page::Page(const PatienteleAnnee& p) : titre_(p.titre()) {
    composer(p.html(), p.reference());
}

void Page::composer(const QString& corps, const Estimation& e) {
    document_.setDocumentMargin(0);
    document_.setDefaultFont(police(10));
    // A word longer than a line, a path, breaks anywhere rather than leave the page.
    QTextOption option = document_.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document_.setDefaultTextOption(option);
    document_.setDefaultStyleSheet(
        QStringLiteral("p { margin-top: 4px; margin-bottom: 4px } p b { font-size: 13pt }"
                       " small { color: #5a5a5a } th { background-color: %1 }"
                       " th small { font-weight: normal }")
            .arg(Bandeau.name()));
    document_.setHtml(
        QStringLiteral("<p style=\"color: #5a5a5a\"><i>%1</i></p><hr>")
            .arg(Html(QStringLiteral("Honoraires infirmiers en dialyse péritonéale — estimation "
                                     "établie le ") +
                      Francais::Date(e.date()))) +
        corps +
        QStringLiteral("<hr><p style=\"color: #5a5a5a; font-size: 9pt\"><i>%1</i></p>")
            .arg(Html(QStringLiteral("Estimation indicative : les montants sont calculés à partir "
                                     "des tarifs indiqués ci-dessus. Tarivane, estimation du ") +
                      Francais::Date(e.date()) + u'.')));

    // Thin grey rules. The first table, the rows or the months, as wide as the page, its titles
    // on every page it spans, its first column the widest; the tariffs' narrower.
    const auto pourcents = [](std::initializer_list<double> colonnes) {
        QList<QTextLength> l;
        for (double c : colonnes)
            l << QTextLength(QTextLength::PercentageLength, c);
        return l;
    };
    bool premiere = true;
    for (QTextFrame* cadre : document_.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(cadre)) {
            QTextTableFormat format = table->format();
            format.setBorderCollapse(true);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(Filet);
            format.setHeaderRowCount(premiere ? 1 : 0);
            format.setWidth(QTextLength(QTextLength::PercentageLength, premiere ? 100 : 60));
            format.setCellPadding(premiere ? 3 : 2);
            if (premiere && table->columns() == 4)
                format.setColumnWidthConstraints(feuille_ ? pourcents({54, 9, 14, 23})
                                                          : pourcents({40, 20, 20, 20}));
            table->setFormat(format);
            // The result sheet follows the rows, in a paragraph of its own.
            if (premiere && feuille_) {
                QTextCursor c = table->lastCursorPosition();
                c.movePosition(QTextCursor::NextBlock);
                if (!c.block().text().isEmpty()) {
                    c.insertBlock();
                    c.movePosition(QTextCursor::PreviousBlock);
                }
                QTextBlockFormat centre;
                centre.setAlignment(Qt::AlignHCenter);
                centre.setTopMargin(8);
                centre.setBottomMargin(4);
                c.setBlockFormat(centre);
                QTextCharFormat objet;
                objet.setObjectType(Feuille);
                c.insertText(QString(QChar::ObjectReplacementCharacter), objet);
            }
            premiere = false;
        }
    document_.documentLayout()->registerHandler(Feuille, this);
}

QPageLayout Page::miseEnPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 10, 20, 10),
                       QPageLayout::Millimeter);
}

void Page::dessiner(QPainter& p, const QPageLayout& mise, const std::function<bool()>& tourner) {
    QPaintDevice* appareil = p.device();
    const QSizeF zone = mise.paintRectPixels(appareil->logicalDpiY()).size();
    const QFont numero = police(9);
    // The foot of each page keeps room for its number.
    const double pied = 1.5 * QFontMetricsF(numero, appareil).height();
    QAbstractTextDocumentLayout* layout = document_.documentLayout();
    layout->setPaintDevice(appareil);
    document_.setPageSize(QSizeF(zone.width(), zone.height() - pied));
    const double hauteur = document_.pageSize().height();
    const int pages = document_.pageCount();
    QAbstractTextDocumentLayout::PaintContext contexte;
    // Black on paper whatever the desktop's palette.
    contexte.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < pages && (i == 0 || tourner()); ++i) {
        p.save();
        // Only what falls on this page; nothing is cut at the sides, so a layout too wide shows.
        p.setClipRect(QRectF(-zone.width(), 0, 3 * zone.width(), hauteur));
        p.translate(0, -i * hauteur);
        // A line that only touches the page's edge is the next page's, or the one before's.
        contexte.clip = QRectF(-zone.width(), i * hauteur + 1, 3 * zone.width(), hauteur - 2);
        layout->draw(&p, contexte);
        p.restore();
        if (pages > 1) {
            p.setFont(numero);
            p.setPen(Gris);
            p.drawText(QRectF(0, hauteur, zone.width(), pied), Qt::AlignRight | Qt::AlignBottom,
                       QStringLiteral("page %1 / %2").arg(i + 1).arg(pages));
        }
    }
}

bool Page::imprimer(QPagedPaintDevice& appareil) {
    QPainter p;
    if (!p.begin(&appareil))
        return false;
    dessiner(p, appareil.pageLayout(), [&appareil] { return appareil.newPage(); });
    return p.end();
}

bool Page::ecrirePdf(const QString& chemin, QString& erreur, const QPageLayout& mise,
                     int resolution) {
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre_);
        pdf.setCreator(QStringLiteral("Tarivane"));
        pdf.setResolution(resolution);
        pdf.setPageLayout(mise);
        if (!imprimer(pdf)) {
            erreur = QStringLiteral("le document n'a pas pu être composé");
            return false;
        }
    }
    // Composed in memory first: the file is only ever replaced by a whole document.
    auto flux = framework::FolderItem(chemin).CreateTextFile(
        erreur, framework::FolderItem::Nouveau::Document);
    if (!flux)
        return false;
    flux->Write(octets);
    return flux->Close(erreur);
}

QSizeF Page::intrinsicSize(QTextDocument* document, int, const QTextFormat&) {
    const QPaintDevice* appareil = document->documentLayout()->paintDevice();
    double largeur = LargeurFeuille * (appareil ? appareil->logicalDpiX() : 96);
    if (document->pageSize().width() > 0)
        largeur = std::min(largeur, document->pageSize().width());
    return {largeur, largeur * FeuilleResultat::Hauteur / FeuilleResultat::Largeur};
}

void Page::drawObject(QPainter* p, const QRectF& rect, QTextDocument*, int, const QTextFormat&) {
    const QRect cadre(0, 0, FeuilleResultat::Largeur, FeuilleResultat::Hauteur);
    p->save();
    p->translate(rect.topLeft());
    p->scale(rect.width() / cadre.width(), rect.height() / cadre.height());
    p->setClipRect(cadre, Qt::IntersectClip);
    framework::Graphics g(*p, cadre.size());
    g.SetTextFont(QStringLiteral("Times"));
    g.SetTextSize(16);
    // White on paper: the window's drawing, without a tint to print.
    FeuilleResultat::Dessiner(g, Qt::white, *feuille_);
    p->restore();
}

QString Page::nomFichier(const QString& patient, const QString& quand) {
    return QStringLiteral("Estimation %1 %2.pdf")
        .arg(patient.isEmpty() ? QStringLiteral("Tarivane") : patient, quand);
}

QString Page::nomFichier(const Estimation& e) {
    if (!e.mois())
        return nomFichier(e.patient(), e.date().toString(Qt::ISODate));
    return nomFichier(
        e.patient(),
        QStringLiteral("%1-%2").arg(e.mois()->annee).arg(e.mois()->mois, 2, 10, QLatin1Char('0')));
}

QString Page::nomFichier(const Patientele& p) {
    return QStringLiteral("Mes patients %1-%2.pdf")
        .arg(p.annee())
        .arg(p.mois(), 2, 10, QLatin1Char('0'));
}

QString Page::nomFichier(const PatienteleAnnee& p) {
    return QStringLiteral("Mes patients %1.pdf").arg(p.annee());
}

QString Page::nomFichier(const Annee& a) {
    return nomFichier(a.mois().front().patient(), QString::number(a.annee()));
}
