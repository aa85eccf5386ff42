#pragma once

#include "fees/Estimation.h"
#include "ui/sortie/Imprimante.h"
#include "ui/sortie/Page.h"

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

// What leaves a window: its estimate copied, printed or kept as a PDF, and how each amount is
// made, told when the pointer rests on it. Every one of them shows the window's own estimate.
class Sortie : public QObject {
    Q_OBJECT
public:
    Sortie(QWidget* fenetre, std::function<const Estimation&()> estimation);
    // A year, or her patients' month or year, which tell no amount's making.
    template <typename Tableau>
    Sortie(QWidget* fenetre, std::function<const Tableau&()> tableau)
        : QObject(fenetre), fenetre_(fenetre) {
        document_ = [tableau = std::move(tableau)] {
            const Tableau& t = tableau();
            return Document{t.texte(), t.html(), Page::nomFichier(t),
                            [&t] { return std::make_unique<Page>(t); }};
        };
    }
    ~Sortie() override;

    // The amount's tooltip tells how it is made: a row (0 to 5) or, for -1, the sheet's totals.
    void expliquer(QWidget* montant, int ligne);

    // Plain text and a table in one clipboard item: a mail pastes text, a word processor a table.
    void copier();
    void imprimer();
    void exporterPdf();
    void menuContextuel(QWidget* feuille, const QPoint& position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enregistrerPdf(const QString& chemin);
    // Says, over the window, why the estimate could not leave it.
    void avertir(const QString& titre, const QString& texte);

    // What leaves, as it is at the time.
    struct Document {
        QString texte, html, fichier;
        std::function<std::unique_ptr<Page>()> page;
    };

    QWidget* fenetre_;
    std::function<const Estimation&()> estimation_;
    std::function<Document()> document_;
    // Made at the first print: asking for the printers may take a while.
    std::unique_ptr<Imprimante> imprimante_;
};
