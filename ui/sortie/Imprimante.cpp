#include "ui/sortie/Imprimante.h"

#include "ui/sortie/Page.h"

#include <QDir>
#include <QPrintDialog>

Imprimante::Imprimante() : imprimante_(QPrinter::HighResolution) {
    // The page's margins where the printer can print so near the edge; else they stay its own
    // (in Qt's QPageLayout documentation, a printer's margins keep within its minimum ones).
    imprimante_.setPageLayout(Page::miseEnPage());
}

void Imprimante::imprimer(QWidget* fenetre, std::function<std::unique_ptr<Page>()> page,
                          std::function<void(const QString&, const QString&)> echec) {
    auto* dialogue = new QPrintDialog(&imprimante_, fenetre);
    dialogue->setObjectName(QStringLiteral("Impression"));
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->setOptions(QAbstractPrintDialog::PrintToFile);
    QObject::connect(dialogue, &QDialog::accepted, dialogue, [this, page, echec] {
        const std::unique_ptr<Page> feuilles = page();
        imprimante_.setDocName(feuilles->titre());
        const QString fichier = imprimante_.outputFileName();
        if (!fichier.isEmpty()) {
            QString erreur;
            // Written as the export writes it: whole or not at all, in a folder that is there.
            if (!feuilles->ecrirePdf(fichier, erreur, imprimante_.pageLayout(),
                                     imprimante_.resolution()))
                echec(QDir::toNativeSeparators(fichier), erreur);
            return;
        }
        if (!feuilles->imprimer(imprimante_))
            echec(imprimante_.printerName(), {});
    });
    dialogue->open();
}
