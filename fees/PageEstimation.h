#pragma once

#include <QDate>
#include <QPageLayout>
#include <QString>
#include <functional>

class Annee;
class Estimation;
class QPainter;

// The estimate as one A4 page in French, to print or to keep as a PDF: a header with the date,
// the rows and how each amount is made, the result sheet drawn as in the window, the tariffs
// in use and their source.
namespace PageEstimation {

// Draws the page through a painter that is active on a printer, a PDF writer or any device: on
// a paged device it fills the page whatever its margins, elsewhere the whole device. Sizes are
// those of paper, whatever the device's resolution; a page of another size is scaled to fit.
void Dessiner(QPainter& painter, const Estimation& estimation);
// A year the same way: its twelve months, its total beside 52 weeks, the tariffs, what to check.
void Dessiner(QPainter& painter, const Annee& annee);

// Writes the page as a one-page PDF, replacing the file only once it is complete. False, with
// the reason in French, when it could not be written.
bool EcrirePdf(const Estimation& estimation, const QString& chemin, QString& erreur);
// Any page, under the document's title, by default on A4 at 1200 dpi.
bool EcrirePdf(const std::function<void(QPainter&)>& dessiner, const QString& titre,
               const QString& chemin, QString& erreur,
               const QPageLayout& mise = QPageLayout(QPageSize(QPageSize::A4),
                                                     QPageLayout::Portrait, QMarginsF()),
               int resolution = 1200);

// "Estimation Tarivane 2026-12-06.pdf".
QString NomFichier(QDate date);
// "Estimation Tarivane 2026-05.pdf" for a month, "Estimation Tarivane 2026.pdf" for a year.
QString NomFichier(const Estimation& estimation);
QString NomFichier(const Annee& annee);

} // namespace PageEstimation
