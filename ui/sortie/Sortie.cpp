#include "ui/sortie/Sortie.h"

#include "fees/Annee.h"
#include "ui/sortie/Imprimante.h"
#include "ui/sortie/Page.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QToolTip>

Sortie::Sortie(QWidget* fenetre, std::function<const Estimation&()> estimation)
    : QObject(fenetre), fenetre_(fenetre), estimation_(std::move(estimation)) {
    document_ = [this] {
        const Estimation& e = estimation_();
        return Document{e.texte(), e.html(), Page::nomFichier(e),
                        [&e] { return std::make_unique<Page>(e); }};
    };
}

Sortie::~Sortie() = default;

void Sortie::expliquer(QWidget* montant, int ligne) {
    montant->setProperty("ligne", ligne);
    montant->installEventFilter(this);
}

bool Sortie::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return false;
    const Estimation& e = estimation_();
    const int ligne = watched->property("ligne").toInt();
    const QString texte =
        ligne < 0 ? e.totaux()[0].formule + u'\n' + e.totaux()[1].formule
        : ligne < e.lignes().size()
            ? (QStringList{e.lignes()[ligne].formule} + e.lignes()[ligne].regles).join(u'\n')
            : QString();
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), texte,
                       static_cast<QWidget*>(watched));
    return true;
}

void Sortie::copier() {
    const Document d = document_();
    auto* donnees = new QMimeData;
    donnees->setText(d.texte);
    donnees->setHtml(d.html);
    QGuiApplication::clipboard()->setMimeData(donnees);
}

void Sortie::imprimer() {
    if (!imprimante_)
        imprimante_ = std::make_unique<Imprimante>();
    imprimante_->imprimer(
        fenetre_, [this] { return document_().page(); },
        // A printer that will not start is told, not passed over.
        [this](const QString& imprimante, const QString& raison) {
            avertir(QStringLiteral("Imprimer"),
                    raison.isEmpty()
                        ? QStringLiteral("L'impression n'a pas pu commencer sur « %1 ».")
                              .arg(imprimante)
                        : QStringLiteral("L'estimation n'a pas pu être imprimée dans « %1 » : %2. "
                                         "Aucun fichier n'a été modifié.")
                              .arg(imprimante, raison));
        });
}

void Sortie::exporterPdf() {
    // In the user's Documents folder, or at home where there is none.
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(dossier).exists())
        dossier = QDir::homePath();
    auto* dialogue = new QFileDialog(fenetre_, QStringLiteral("Exporter l'estimation en PDF"),
                                     QDir(dossier).filePath(document_().fichier),
                                     QStringLiteral("Document PDF (*.pdf)"));
    dialogue->setObjectName(QStringLiteral("ExportPdf"));
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setDefaultSuffix(QStringLiteral("pdf"));
    connect(dialogue, &QFileDialog::fileSelected, this, &Sortie::enregistrerPdf);
    dialogue->open();
}

void Sortie::enregistrerPdf(const QString& chemin) {
    QString erreur;
    if (!document_().page()->ecrirePdf(chemin, erreur))
        avertir(QStringLiteral("Exporter en PDF"),
                QStringLiteral("L'estimation n'a pas pu être enregistrée dans « %1 » : %2.")
                    .arg(QDir::toNativeSeparators(chemin), erreur));
}

void Sortie::avertir(const QString& titre, const QString& texte) {
    auto* avis = new QMessageBox(QMessageBox::Warning, titre, texte, QMessageBox::Ok, fenetre_);
    avis->setObjectName(QStringLiteral("EchecSortie"));
    avis->setAttribute(Qt::WA_DeleteOnClose);
    avis->open();
}

void Sortie::menuContextuel(QWidget* feuille, const QPoint& position) {
    auto* menu = new QMenu(feuille);
    menu->setObjectName(QStringLiteral("MenuFeuille"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Copier l'estimation"), this, &Sortie::copier);
    menu->addAction(QStringLiteral("Imprimer…"), this, &Sortie::imprimer);
    menu->addAction(QStringLiteral("Exporter en PDF…"), this, &Sortie::exporterPdf);
    menu->popup(feuille->mapToGlobal(position));
}
