#include "ui/sortie/Imprimante.h"

#include <QDir>
#include <QPainter>
#include <QPrintDialog>

Imprimante::Imprimante() : imprimante_(QPrinter::HighResolution) {
    imprimante_.setPageSize(QPageSize(QPageSize::A4));
    imprimante_.setDocName(QStringLiteral("Estimation Tarivane"));
}

void Imprimante::imprimer(QWidget* fenetre, std::function<void(QPainter&)> page,
                          std::function<void(const QString& imprimante)> echec) {
    auto* dialogue = new QPrintDialog(&imprimante_, fenetre);
    dialogue->setObjectName(QStringLiteral("Impression"));
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->setOptions(QAbstractPrintDialog::PrintToFile);
    QObject::connect(dialogue, &QDialog::accepted, dialogue, [this, page, echec] {
        QPainter peintre;
        if (peintre.begin(&imprimante_)) {
            page(peintre);
            return;
        }
        echec(imprimante_.outputFileName().isEmpty()
                  ? imprimante_.printerName()
                  : QDir::toNativeSeparators(imprimante_.outputFileName()));
    });
    dialogue->open();
}
