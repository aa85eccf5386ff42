#pragma once

#include "fees/Estimation.h"

#include <QObject>
#include <QPageLayout>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <functional>
#include <optional>

class Annee;
class Patientele;
class PatienteleAnnee;
class QPagedPaintDevice;

// The estimate of a week or a month, or a year, as printed or kept as a PDF: a header with the
// date, everything the copy holds, the result sheet drawn by the window's own code, and a
// footer saying the amounts are an indicative estimate. Qt's text document lays it out on the
// printable area of any page, breaking where a page is full; "page 1 / 2" when there are several.
class Page : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit Page(const Estimation& estimation);
    explicit Page(const Annee& annee);
    explicit Page(const Patientele& patients);
    explicit Page(const PatienteleAnnee& patients);

    // A4 upright, with margins any printer can print.
    static QPageLayout miseEnPage();
    // "Estimation Tarivane 2026-12-06.pdf", "Estimation Tarivane 2026-05.pdf" for a month,
    // "Estimation Tarivane 2026.pdf" for a year; the patient's name in place of "Tarivane"
    // ("Estimation M. D. 2026-05.pdf").
    static QString nomFichier(const QString& patient, const QString& quand);
    static QString nomFichier(const Estimation& estimation);
    static QString nomFichier(const Annee& annee);
    // "Mes patients 2026-05.pdf", "Mes patients 2026.pdf".
    static QString nomFichier(const Patientele& patients);
    static QString nomFichier(const PatienteleAnnee& patients);

    // The document's title.
    const QString& titre() const { return titre_; }

    // Draws the pages through a painter whose origin is the top left of the printable area of
    // `mise`, laid out at the painter's device's resolution; `tourner` starts the next page and
    // may refuse it.
    void dessiner(QPainter& peintre, const QPageLayout& mise, const std::function<bool()>& tourner);
    // On a printer or a PDF writer, on its page. False when it would not start.
    bool imprimer(QPagedPaintDevice& appareil);
    // Writes the pages as a PDF, replacing the file only once it is complete. False, with the
    // reason in French, when it could not be written.
    bool ecrirePdf(const QString& chemin, QString& erreur, const QPageLayout& mise = miseEnPage(),
                   int resolution = 1200);

    // The result sheet, inline in the text.
    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* peintre, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    void composer(const QString& corps, const Estimation& date);

    QString titre_;
    // The estimate whose sheet is drawn; none for a year.
    std::optional<Estimation> feuille_;
    QTextDocument document_;
};
