#include "ui/sortie/Imprimante.h"

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
            if (!dansUnFichier(fichier, page, erreur))
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

// Composed in memory with the printer's page, then written as the export writes: whole or
// not at all, in a folder that is there.
bool Imprimante::dansUnFichier(const QString& fichier, const std::function<void(QPainter&)>& page,
                               QString& erreur) {
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setTitle(imprimante_.docName());
        pdf.setCreator(QStringLiteral("Tarivane"));
        pdf.setResolution(imprimante_.resolution());
        pdf.setPageLayout(imprimante_.pageLayout());
        QPainter peintre;
        if (!peintre.begin(&pdf)) {
            erreur = QStringLiteral("le document n'a pas pu être composé");
            return false;
        }
        page(peintre);
    }
    auto flux = framework::FolderItem(fichier).CreateTextFile(
        erreur, framework::FolderItem::Nouveau::Document);
    if (!flux)
        return false;
    flux->Write(octets);
    return flux->Close(erreur);
}
