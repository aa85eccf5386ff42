#include "ui/patients/WPatients.h"

#include "fees/Francais.h"
#include "fees/Typographie.h"
#include "ui/Placement.h"
#include "ui/Style.h"
#include "ui/sortie/Sortie.h"

#include <QAccessible>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

QLabel* libelle(const QString& texte, QWidget* parent, const char* nom = nullptr) {
    auto* l = new QLabel(texte, parent);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    if (nom)
        l->setObjectName(QLatin1String(nom));
    return l;
}

QPushButton* bouton(const QString& texte, QWidget* parent, const char* nom) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QLatin1String(nom));
    b->setAutoDefault(false);
    return b;
}

} // namespace

WPatients::WPatients(QWidget* fenetre, Patients& patients, const Estimation& semaine)
    : QWidget(fenetre, Qt::Window), fenetre_(fenetre), patients_(patients), semaine_(semaine) {
    setObjectName(QStringLiteral("WPatients"));
    setWindowTitle(QStringLiteral("Mes patients"));
    setAutoFillBackground(true);
    teinter(this, QPalette::Window, FondCalculatrice);
    // Text on the forced background is black whatever the desktop's theme.
    teinter(this, QPalette::WindowText, Qt::black);
    setFont(policeTimes(12));
    CreateControls();
    // A change saved from elsewhere: the main window's choices, a month's corrections.
    connect(&patients_, &Patients::modifie, this, &WPatients::planifier);
    actualiser();
}

void WPatients::CreateControls() {
    NomPatient = new QLineEdit(this);
    NomPatient->setObjectName(QStringLiteral("NomPatient"));
    NomPatient->setPlaceholderText(QStringLiteral("Initiales ou pseudonyme"));
    NomPatient->setAccessibleName(QStringLiteral("Nom du patient"));
    NouveauPatient = bouton(QStringLiteral("Nouveau patient"), this, "NouveauPatient");
    NouveauPatient->setAccessibleDescription(
        QStringLiteral("Enregistre, sous ce nom, la modalité et les nombres de la fenêtre "
                       "principale, et ouvre ce patient"));
    RenommerPatient = bouton(QStringLiteral("Renommer"), this, "RenommerPatient");
    RenommerPatient->setAccessibleDescription(
        QStringLiteral("Donne ce nom au patient choisi dans la liste"));
    auto* nom = new QHBoxLayout;
    nom->addWidget(NomPatient, 1);
    nom->addWidget(NouveauPatient);
    nom->addWidget(RenommerPatient);

    MoisPatients = choixDuMois(this, QStringLiteral("MoisPatients"));
    AnneePatients = choixDeLAnnee(this, QStringLiteral("AnneePatients"));
    auto* moisLibelle = libelle(QStringLiteral("Mois :"), this);
    moisLibelle->setWordWrap(false);
    moisLibelle->setBuddy(MoisPatients);
    auto* periode = new QHBoxLayout;
    periode->addWidget(moisLibelle);
    periode->addWidget(MoisPatients);
    periode->addWidget(AnneePatients);
    periode->addStretch();

    ListePatients = new QTableWidget(0, 4, this);
    ListePatients->setObjectName(QStringLiteral("ListePatients"));
    ListePatients->setAccessibleName(QStringLiteral("Mes patients"));
    ListePatients->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListePatients->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListePatients->setSelectionMode(QAbstractItemView::SingleSelection);
    ListePatients->verticalHeader()->hide();
    // Columns sized once the rows are in: sized to their contents, each new row would measure
    // all the others again.
    ListePatients->horizontalHeader()->setStretchLastSection(true);
    ListePatients->setMinimumSize(460, 200);
    ListePatients->installEventFilter(this);

    OuvrirPatient = bouton(QStringLiteral("Ouvrir"), this, "OuvrirPatient");
    OuvrirPatient->setAccessibleDescription(
        QStringLiteral("Montre le patient choisi dans la fenêtre principale"));
    SupprimerPatient = bouton(QStringLiteral("Supprimer"), this, "SupprimerPatient");
    auto* actions = new QHBoxLayout;
    actions->addWidget(OuvrirPatient);
    actions->addWidget(SupprimerPatient);
    actions->addStretch();

    LibelleTotal = libelle({}, this, "LibelleTotal");
    LibelleTotal->setFont(policeTimes(12, true));
    TotalPatients = libelle({}, this, "TotalPatients");
    TotalPatients->setWordWrap(false);
    TotalPatients->setFont(policeTimes(12, true));
    TotalPatients->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    teinter(TotalPatients, QPalette::WindowText, QColor(0, 0, 255));
    auto* total = new QHBoxLayout;
    total->addWidget(LibelleTotal, 1);
    total->addWidget(TotalPatients);

    Message = libelle({}, this, "MessagePatients");
    teinter(Message, QPalette::WindowText, QColor(128, 0, 0));
    Fichier = libelle({}, this, "FichierPatients");

    auto* ensemble = new QVBoxLayout(this);
    ensemble->addLayout(nom);
    ensemble->addWidget(Message);
    ensemble->addLayout(periode);
    ensemble->addWidget(ListePatients, 1);
    ensemble->addLayout(actions);
    ensemble->addLayout(total);
    ensemble->addWidget(Fichier);

    // The month of all of them, and their year, leave the window on a right-click, and by the
    // menus while the window is the active one.
    sortie_ = new Sortie(this, std::function<const Patientele&()>(
                                   [this]() -> const Patientele& { return patientele(); }));
    auto* sortieAnnee =
        new Sortie(this, std::function<const PatienteleAnnee&()>(
                             [this]() -> const PatienteleAnnee& { return annee(); }));
    for (auto [zone, sortie] :
         {std::pair<QWidget*, Sortie*>{ListePatients, sortie_}, {TotalPatients, sortieAnnee}}) {
        zone->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(zone, &QWidget::customContextMenuRequested, sortie,
                [zone, sortie](const QPoint& p) { sortie->menuContextuel(zone, p); });
    }
    connect(NouveauPatient, &QPushButton::clicked, this, &WPatients::nouveau);
    connect(NomPatient, &QLineEdit::returnPressed, this, &WPatients::nouveau);
    connect(RenommerPatient, &QPushButton::clicked, this, &WPatients::renommer);
    connect(OuvrirPatient, &QPushButton::clicked, this, &WPatients::ouvrir);
    connect(ListePatients, &QTableWidget::cellDoubleClicked, this, &WPatients::ouvrir);
    connect(SupprimerPatient, &QPushButton::clicked, this, &WPatients::supprimer);
    connect(ListePatients, &QTableWidget::itemSelectionChanged, this, &WPatients::majBoutons);
    connect(MoisPatients, &QComboBox::currentIndexChanged, this, &WPatients::actualiser);
    connect(AnneePatients, &QSpinBox::valueChanged, this, &WPatients::actualiser);
}

void WPatients::planifier() {
    aJour_ = false;
    if (prevu_ || !isVisible())
        return;
    prevu_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            prevu_ = false;
            actualiser();
        },
        Qt::QueuedConnection);
}

void WPatients::suivre(const Estimation& semaine) {
    semaine_.emplace(semaine);
    planifier();
}

void WPatients::setOuvert(qint64 id) {
    ouvert_ = id;
    planifier();
}

QList<Patients::Patient> WPatients::liste() const {
    QList<Patients::Patient> liste = patients_.liste();
    // The open patient as the main window shows it, whether or not its last change is saved.
    for (Patients::Patient& p : liste)
        if (p.id == ouvert_)
            p.choix = semaine_->choix();
    return liste;
}

const PatienteleAnnee& WPatients::annee() {
    std::array<QHash<qint64, Patients::Mois>, 12> reglages;
    for (int m = 0; m < 12; ++m)
        reglages[m] = patients_.moisDeTous(AnneePatients->value(), m + 1);
    annee_.emplace(liste(), reglages, *semaine_, AnneePatients->value());
    return *annee_;
}

void WPatients::actualiser() {
    aJour_ = true;
    const int annee = AnneePatients->value();
    const int mois = MoisPatients->currentIndex() + 1;
    patientele_.emplace(liste(), patients_.moisDeTous(annee, mois), *semaine_, annee, mois);

    const qint64 selection = choisi();
    ListePatients->clearSelection();
    ListePatients->setHorizontalHeaderLabels({QStringLiteral("Patient"), QStringLiteral("Modalité"),
                                              QStringLiteral("Par semaine"),
                                              Francais::Mois(annee, mois)});
    ListePatients->setRowCount(int(patientele_->lignes().size()));
    int rangee = 0;
    for (const Patientele::Ligne& l : patientele_->lignes()) {
        const QString cellules[] = {l.patient.nom, NomModalite(l.patient.choix.modalite).toString(),
                                    l.semaine.montant, l.total.montant};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cellules[c]);
            item->setData(Qt::UserRole, l.patient.id);
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The patient the main window shows stands out.
            if (l.patient.id == ouvert_) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            ListePatients->setItem(rangee, c, item);
        }
        if (l.patient.id == selection)
            ListePatients->selectRow(rangee);
        ++rangee;
    }
    ListePatients->resizeColumnsToContents();
    majBoutons();

    const Estimation::Total& t = patientele_->total();
    const int n = int(patientele_->lignes().size());
    LibelleTotal->setText(n < 2 ? QStringLiteral("%1 (%2 patient)").arg(t.libelle).arg(n)
                                : QStringLiteral("%1 (%2 patients)").arg(t.libelle).arg(n));
    TotalPatients->setText(t.montant);
    TotalPatients->setToolTip(t.formule);
    TotalPatients->setAccessibleName(t.libelle);
    TotalPatients->setAccessibleDescription(QStringLiteral("%1 : %2").arg(t.libelle, t.montant));

    NouveauPatient->setEnabled(patients_.utilisable());
    Fichier->setText(
        Typographie(patients_.utilisable()
                        ? Patients::Avis(patients_.chemin())
                        : patients_.erreur() +
                              QStringLiteral(" Le calculateur fonctionne sans vos patients.")));
}

void WPatients::majBoutons() {
    for (QPushButton* b : {OuvrirPatient, RenommerPatient, SupprimerPatient})
        b->setEnabled(choisi() != 0);
}

qint64 WPatients::choisi() const {
    const QList<QTableWidgetItem*> items = ListePatients->selectedItems();
    return items.isEmpty() ? 0 : items.first()->data(Qt::UserRole).toLongLong();
}

void WPatients::dire(const QString& texte) {
    Message->setText(Typographie(texte));
    if (!texte.isEmpty()) {
        QAccessibleEvent alerte(Message, QAccessible::Alert);
        QAccessible::updateAccessibility(&alerte);
    }
}

void WPatients::nouveau() {
    qint64 id = 0;
    const QString raison = patients_.creer(NomPatient->text(), semaine_->choix(), &id);
    dire(raison);
    if (!raison.isEmpty())
        return;
    NomPatient->clear();
    ouvrirPatient(id);
}

void WPatients::ouvrir() {
    const qint64 id = choisi();
    if (id == 0)
        return;
    dire({});
    ouvrirPatient(id);
}

void WPatients::ouvrirPatient(qint64 id) {
    ouvert_ = id;
    patients_.retenirDernier(id);
    actualiser();
    emit patientOuvert(id);
}

void WPatients::renommer() {
    const qint64 id = choisi();
    if (id == 0)
        return;
    const QString raison = patients_.renommer(id, NomPatient->text());
    dire(raison);
    if (!raison.isEmpty())
        return;
    NomPatient->clear();
    actualiser();
    if (const auto p = patients_.patient(id))
        emit patientRenomme(id, p->nom);
}

void WPatients::supprimer() {
    const qint64 id = choisi();
    const auto p = patients_.patient(id);
    if (!p)
        return;
    auto* question = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Supprimer un patient"),
        Typographie(QStringLiteral("Supprimer « %1 », son traitement et tous ses mois ? Cela ne "
                                   "peut pas être défait.")
                        .arg(p->nom)),
        QMessageBox::NoButton, this);
    question->setObjectName(QStringLiteral("ConfirmerSuppression"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* oui =
        question->addButton(QStringLiteral("Supprimer"), QMessageBox::DestructiveRole);
    question->setDefaultButton(
        question->addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole));
    connect(oui, &QPushButton::clicked, this, [this, id] {
        const QString raison = patients_.supprimer(id);
        dire(raison);
        if (!raison.isEmpty())
            return;
        if (ouvert_ == id)
            ouvert_ = 0;
        actualiser();
        emit patientSupprime(id);
    });
    question->open();
}

void WPatients::sauvegarder() {
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(dossier).exists())
        dossier = QDir::homePath();
    QWidget* parent = isVisible() ? this : fenetre_;
    auto* dialogue = new QFileDialog(
        parent, QStringLiteral("Sauvegarder mes patients"),
        QDir(dossier).filePath(QStringLiteral("Patients Tarivane %1.sqlite")
                                   .arg(QDate::currentDate().toString(Qt::ISODate))),
        QStringLiteral("Base SQLite (*.sqlite)"));
    dialogue->setObjectName(QStringLiteral("SauvegardePatients"));
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setDefaultSuffix(QStringLiteral("sqlite"));
    // The dialogue has asked before an existing file is replaced.
    connect(dialogue, &QFileDialog::fileSelected, this, [this, parent](const QString& chemin) {
        const QString raison = patients_.sauvegarder(chemin, true);
        auto* avis = new QMessageBox(
            raison.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
            QStringLiteral("Sauvegarder mes patients"),
            Typographie(raison.isEmpty() ? QStringLiteral("Vos patients sont copiés dans « %1 ».")
                                               .arg(QDir::toNativeSeparators(chemin))
                                         : raison),
            QMessageBox::Ok, parent);
        avis->setObjectName(QStringLiteral("AvisSauvegarde"));
        avis->setAttribute(Qt::WA_DeleteOnClose);
        avis->open();
    });
    dialogue->open();
}

void WPatients::montrer() {
    Placement::Montrer(this, fenetre_);
}

void WPatients::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Hidden, it followed nothing.
    if (!aJour_)
        actualiser();
}

bool WPatients::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListePatients && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            ouvrir();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WPatients::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape)
        return QWidget::keyPressEvent(event);
    close();
    fenetre_->activateWindow();
}
