#include "ui/sortie/Imprimante.h"

#include "fees/PageEstimation.h"
#include "framework/FolderItem.h"
#include "framework/TextOutputStream.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>

Imprimante::Imprimante() : imprimante_(QPrinter::HighResolution) {
    imprimante_.setPageSize(QPageSize(QPageSize::A4));
    imprimante_.setDocName(QStringLiteral("Estimation Tarivane"));
}

void Imprimante::imprimer(QWidget* fenetre, std::function<void(QPainter&)> page,
                          std::function<void(const QString&, const QString&)> echec) {
    auto* dialogue = new QPrintDialog(&imprimante_, fenetre);
    dialogue->setObjectName(QStringLiteral("Impression"));
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->setOptions(QAbstractPrintDialog::PrintToFile);
    QObject::connect(dialogue, &QDialog::accepted, dialogue, [this, page, echec] {
        const QString fichier = imprimante_.outputFileName();
        if (!fichier.isEmpty()) {
            QString erreur;
            // Written as the export writes it: whole or not at all, in a folder that is there.
            if (!PageEstimation::EcrirePdf(page, imprimante_.docName(), fichier, erreur,
                                           imprimante_.pageLayout(), imprimante_.resolution()))
                echec(QDir::toNativeSeparators(fichier), erreur);
            return;
        }
        QPainter peintre;
        if (peintre.begin(&imprimante_)) {
            page(peintre);
            return;
        }
        echec(imprimante_.printerName(), {});
    });
    dialogue->open();
}
