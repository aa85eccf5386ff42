#include "ui/mois/WMois.h"

#include "fees/Francais.h"
#include "fees/Lignes.h"
#include "fees/Typographie.h"
#include "ui/Placement.h"
#include "ui/Style.h"
#include "ui/sortie/Sortie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

const QColor Bleu(0, 0, 255);
using Poste = Estimation::Poste;

// The fields in the order they stand, each with its row of the estimate.
struct Rangee {
    const char* nom;
    QStringView libelle;
    Poste poste;
};
constexpr Rangee Rangees[] = {
    {"JoursTraitement", LignesMois::Jours, Poste::Jours},
    {"DimanchesFeries", LignesMois::Dimanches, Poste::Dimanches},
    {"Pansements", LignesMois::Pansements, Poste::Pansements},
    {"Nuits", LignesMois::Nuits, Poste::Nuits},
    {"Surveillance", LignesMois::Surveillance, Poste::Surveillance},
};

QLabel* libelle(const QString& texte, QWidget* parent, const char* nom = nullptr) {
    auto* l = new QLabel(texte, parent);
    l->setTextFormat(Qt::PlainText);
    if (nom)
        l->setObjectName(QLatin1String(nom));
    return l;
}

// An amount as the main window shows it: bold blue, on the right.
QLabel* montant(QWidget* parent, const QString& nom) {
    auto* l = libelle({}, parent);
    l->setObjectName(nom);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFont(policeTimes(12, true));
    teinter(l, QPalette::WindowText, Bleu);
    return l;
}

// A count she corrected: its own colour, and said.
const QColor Corrige(255, 214, 153);

} // namespace

WMois::WMois(QWidget* fenetre, const Estimation& semaine)
    : QWidget(fenetre, Qt::Window), fenetre_(fenetre) {
    setObjectName(QStringLiteral("WMois"));
    setWindowTitle(QStringLiteral("Estimation d'un mois"));
    setAutoFillBackground(true);
    teinter(this, QPalette::Window, FondCalculatrice);
    // Text on the forced background is black whatever the desktop's theme.
    teinter(this, QPalette::WindowText, Qt::black);
    setFont(policeTimes(12));
    CreateControls();
    suivre(semaine);
}

void WMois::CreateControls() {
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(10);
    grille->setVerticalSpacing(4);
    grille->addLayout(creerPeriode(), 0, 0, 1, 3);
    grille->addLayout(creerSemaine(), 1, 0, 1, 3);
    // Room left over goes to the captions, not to the fields.
    grille->setColumnStretch(0, 1);
    creerRangees(grille);
    creerTotaux(grille);

    auto* ensemble = new QHBoxLayout(this);
    ensemble->addLayout(grille);
    ensemble->addWidget(creerAnnee());
    ensemble->setSizeConstraint(QLayout::SetFixedSize);
    relier();
}

QLayout* WMois::creerPeriode() {
    Mois = choixDuMois(this, QStringLiteral("Mois"));
    AnneeChoisie = choixDeLAnnee(this, QStringLiteral("Annee"));
    AnneeChoisie->installEventFilter(this);
    Region = new QComboBox(this);
    Region->setObjectName(QStringLiteral("Calendrier"));
    Region->setAccessibleName(QStringLiteral("Calendrier des jours fériés"));
    for (int i = 0; i < NombreCalendriers; ++i)
        Region->addItem(NomCalendrier(Calendrier(i)));
    auto* moisLibelle = libelle(QStringLiteral("Mois :"), this);
    moisLibelle->setBuddy(Mois);
    auto* regionLibelle = libelle(QStringLiteral("Jours fériés :"), this);
    regionLibelle->setBuddy(Region);
    auto* periode = new QHBoxLayout;
    periode->addWidget(moisLibelle);
    periode->addWidget(Mois);
    periode->addWidget(AnneeChoisie);
    periode->addStretch();
    periode->addWidget(regionLibelle);
    periode->addWidget(Region);
    return periode;
}

QLayout* WMois::creerSemaine() {
    auto* semaine = new QHBoxLayout;
    semaine->addWidget(libelle(QStringLiteral("Jours de traitement :"), this));
    for (int i = 0; i < int(Jour.size()); ++i) {
        Jour[i] = new QCheckBox(Francais::Locale().standaloneDayName(i + 1), this);
        Jour[i]->setObjectName(QStringLiteral("Jour(%1)").arg(i));
        semaine->addWidget(Jour[i]);
    }
    return semaine;
}

void WMois::creerRangees(QGridLayout* grille) {
    LibellePoches = libelle({}, this);
    Poches = libelle({}, this, "Poches");
    Poches->setAlignment(Qt::AlignCenter);
    grille->addWidget(LibellePoches, 2, 0);
    grille->addWidget(Poches, 2, 1);
    for (int i = 0; i < Estimation::NombrePostes; ++i)
        Montant[i] = montant(this, QStringLiteral("Montant(%1)").arg(i));
    grille->addWidget(Montant[int(Poste::Journee)], 2, 2);
    for (int i = 0; i < int(Champ.size()); ++i) {
        const Rangee& r = Rangees[i];
        Libelle[i] = libelle(r.libelle.toString(), this);
        Champ[i] = new QSpinBox(this);
        Champ[i]->setObjectName(QLatin1String(r.nom));
        // No more days than a month has; acts may be several a day.
        Champ[i]->setRange(0, i < 2 ? 31 : 99);
        Champ[i]->setAlignment(Qt::AlignRight);
        Champ[i]->installEventFilter(this);
        // A field is named by its row.
        Champ[i]->setAccessibleName(Libelle[i]->text());
        Libelle[i]->setBuddy(Champ[i]);
        grille->addWidget(Libelle[i], 3 + i, 0);
        grille->addWidget(Champ[i], 3 + i, 1);
        grille->addWidget(Montant[int(r.poste)], 3 + i, 2);
    }
}

void WMois::creerTotaux(QGridLayout* grille) {
    LibelleTotal = libelle({}, this);
    LibelleTotal->setFont(policeTimes(12, true));
    TotalMois = libelle({}, this, "TotalMois");
    TotalMois->setFont(policeTimes(12, true));
    TotalMois->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MoyenneFenetre = libelle({}, this, "MoyenneFenetre");
    MoyenneFenetre->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grille->addWidget(LibelleTotal, 8, 0, 1, 2);
    grille->addWidget(TotalMois, 8, 2);
    LibelleMoyenne = libelle({}, this);
    grille->addWidget(LibelleMoyenne, 9, 0, 1, 2);
    grille->addWidget(MoyenneFenetre, 9, 2);
    Feries = libelle({}, this, "Feries");
    Feries->setWordWrap(true);
    grille->addWidget(Feries, 10, 0, 1, 3);
    grille->addWidget(libelle(Typographie(QStringLiteral("Les nombres proposés suivent le "
                                                         "calendrier ; corrigez-les au besoin.")),
                              this),
                      11, 0, 1, 3);
    LAnnee = new QPushButton(QStringLiteral("L'année"), this);
    LAnnee->setObjectName(QStringLiteral("LAnnee"));
    LAnnee->setCheckable(true);
    LAnnee->setAccessibleDescription(QStringLiteral("Affiche ou masque les douze mois de l'année"));
    Retablir = new QPushButton(QStringLiteral("Revenir aux nombres proposés"), this);
    Retablir->setObjectName(QStringLiteral("Retablir"));
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(LAnnee);
    boutons->addStretch();
    boutons->addWidget(Retablir);
    grille->addLayout(boutons, 12, 0, 1, 3);
}

QWidget* WMois::creerAnnee() {
    SectionAnnee = new QWidget(this);
    SectionAnnee->setObjectName(QStringLiteral("SectionAnnee"));
    auto* an = new QGridLayout(SectionAnnee);
    an->setContentsMargins(10, 0, 0, 0);
    an->setVerticalSpacing(2);
    TitreAnnee = libelle({}, SectionAnnee, "TitreAnnee");
    TitreAnnee->setFont(policeTimes(12, true));
    an->addWidget(TitreAnnee, 0, 0, 1, 2);
    for (int m = 0; m < 12; ++m) {
        an->addWidget(libelle(Francais::Locale().standaloneMonthName(m + 1), SectionAnnee), m + 1,
                      0);
        MoisAnnee[m] = montant(SectionAnnee, QStringLiteral("MoisAnnee(%1)").arg(m));
        an->addWidget(MoisAnnee[m], m + 1, 1);
    }
    for (int i = 0; i < int(TotalAnnee.size()); ++i) {
        LibelleAnnee[i] = libelle({}, SectionAnnee);
        TotalAnnee[i] = libelle({}, SectionAnnee, i ? "Semaines" : "TotalAnnee");
        TotalAnnee[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        an->addWidget(LibelleAnnee[i], 13 + i, 0);
        an->addWidget(TotalAnnee[i], 13 + i, 1);
    }
    TotalAnnee[0]->setFont(policeTimes(12, true));
    LibelleAnnee[0]->setFont(policeTimes(12, true));
    an->setRowStretch(15, 1);
    SectionAnnee->hide();
    return SectionAnnee;
}

void WMois::relier() {
    // Each amount tells how it is made; the totals and the year leave the window on a
    // right-click.
    sortie_ = new Sortie(this, [this]() -> const Estimation& { return estimation(); });
    for (int i = 0; i < Estimation::NombrePostes; ++i)
        sortie_->expliquer(Montant[i], i);
    sortie_->expliquer(TotalMois, -1);
    sortieAnnee_ = new Sortie(
        this, std::function<const Annee&()>([this]() -> const Annee& { return annee(); }));
    for (auto [zone, sortie] :
         {std::pair<QWidget*, Sortie*>{TotalMois, sortie_}, {SectionAnnee, sortieAnnee_}}) {
        zone->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(zone, &QWidget::customContextMenuRequested, sortie,
                [zone, sortie](const QPoint& p) { sortie->menuContextuel(zone, p); });
    }

    connect(Mois, &QComboBox::currentIndexChanged, this, &WMois::montrerReglages);
    connect(AnneeChoisie, &QSpinBox::valueChanged, this, &WMois::montrerReglages);
    connect(Region, &QComboBox::currentIndexChanged, this, &WMois::noterReglages);
    for (QCheckBox* j : Jour)
        connect(j, &QCheckBox::toggled, this, &WMois::noterReglages);
    for (int i = 0; i < int(Champ.size()); ++i)
        connect(Champ[i], &QSpinBox::valueChanged, this, [this, i] { corriger(i); });
    connect(Retablir, &QPushButton::clicked, this, &WMois::retablir);
    connect(LAnnee, &QPushButton::toggled, this, [this](bool montree) {
        SectionAnnee->setVisible(montree);
        adjustSize();
        Placement::Placer(this, fenetre_);
    });
}

Sortie* WMois::sortie() const {
    return LAnnee->isChecked() ? sortieAnnee_ : sortie_;
}

std::array<bool, 7> WMois::jours() const {
    std::array<bool, 7> j{};
    for (int i = 0; i < int(j.size()); ++i)
        j[i] = Jour[i]->isChecked();
    return j;
}

Calendrier WMois::calendrier() const {
    return Calendrier(Region->currentIndex());
}

int WMois::cle() const {
    return AnneeChoisie->value() * 100 + Mois->currentIndex() + 1;
}

ReglagesMois WMois::reglagesDuMois() const {
    if (patients_ && patient_)
        return patients_->mois(patient_, AnneeChoisie->value(), Mois->currentIndex() + 1);
    return reglages_.value(cle());
}

void WMois::garder(const ReglagesMois& reglages) {
    if (!patients_ || !patient_) {
        reglages_.insert(cle(), reglages);
        return;
    }
    const QString raison =
        patients_->enregistrer(patient_, AnneeChoisie->value(), Mois->currentIndex() + 1, reglages);
    if (!raison.isEmpty())
        emit echec(raison);
}

void WMois::setPatient(Patients* patients, qint64 id) {
    patients_ = patients;
    patient_ = id;
    montrerReglages();
}

void WMois::suivre(const Estimation& semaine) {
    const bool memesChoix = semaine_ && semaine_->choix() == semaine.choix();
    semaine_.emplace(semaine);
    if (memesChoix) {
        calculer();
        calculerAnnee();
        return;
    }
    montrerReglages();
}

void WMois::montrerReglages() {
    const ReglagesMois r = reglagesDuMois();
    const std::array<bool, 7> jours = r.joursPour(semaine_->choix());
    for (int i = 0; i < int(jours.size()); ++i) {
        const QSignalBlocker b(Jour[i]);
        Jour[i]->setChecked(jours[i]);
    }
    const QSignalBlocker b(Region);
    Region->setCurrentIndex(int(r.calendrier));
    proposer();
}

void WMois::noterReglages() {
    ReglagesMois r = reglagesDuMois();
    r.jours = jours();
    r.pourJours = int(semaine_->choix().jours);
    r.calendrier = calendrier();
    garder(r);
    proposer();
}

void WMois::corriger(int champ) {
    ReglagesMois r = reglagesDuMois();
    const Poste poste = Rangees[champ].poste;
    // The proposal typed again is no correction.
    if (Champ[champ]->value() == int(Compte(propose_.choix, poste)))
        r.corrections.remove(poste);
    else
        r.corrections.insert(poste, Champ[champ]->value());
    garder(r);
    proposer();
}

void WMois::retablir() {
    ReglagesMois r = reglagesDuMois();
    r.corrections.clear();
    garder(r);
    proposer();
}

void WMois::proposer() {
    const ReglagesMois r = reglagesDuMois();
    propose_ = Proposer(semaine_->choix(), AnneeChoisie->value(), Mois->currentIndex() + 1,
                        r.calendrier, r.joursPour(semaine_->choix()));
    for (int i = 0; i < int(Champ.size()); ++i) {
        const Poste poste = Rangees[i].poste;
        const bool corrige = r.corrections.contains(poste);
        const QSignalBlocker b(Champ[i]);
        Champ[i]->setValue(corrige ? r.corrections.value(poste)
                                   : int(Compte(propose_.choix, poste)));
        teinter(Champ[i], QPalette::Base, corrige ? Corrige : palette().color(QPalette::Base));
        Champ[i]->setAccessibleDescription(corrige ? QStringLiteral("corrigé") : QString());
    }
    Retablir->setEnabled(!r.corrections.isEmpty());
    calculer();
    calculerAnnee();
}

void WMois::calculer() {
    estimation_.emplace(EstimationDuMois(*semaine_, AnneeChoisie->value(), Mois->currentIndex() + 1,
                                         reglagesDuMois()));
    const Estimation& e = *estimation_;
    LibellePoches->setText(e.ligne(Poste::Journee).libelle);
    Poches->setText(e.nombre(Poste::Journee));
    // Out of DPA the surveillance row is hidden and keeps its last amount.
    for (const Estimation::Ligne& l : e.lignes())
        montrerMontant(Montant[int(l.poste)], l);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Libelle[4], Champ[4], Montant[int(Poste::Surveillance)]})
        w->setVisible(e.a(Poste::Surveillance));
    const Estimation::Total& mois = e.total();
    const Estimation::Total& moyenne = e.moyenne();
    LibelleTotal->setText(mois.libelle);
    TotalMois->setText(mois.montant);
    MoyenneFenetre->setText(moyenne.montant);
    LibelleMoyenne->setText(moyenne.libelle + QStringLiteral(" (× 52 ÷ 12)"));
    TotalMois->setAccessibleName(mois.libelle);
    TotalMois->setAccessibleDescription(
        QStringLiteral("%1 : %2. %3 : %4.")
            .arg(mois.libelle, mois.montant, moyenne.libelle, moyenne.montant));
    QStringList feries;
    for (const Ferie& f : e.mois()->feries)
        feries << QStringLiteral("%1 (%2)").arg(Francais::Jour(f.date), f.nom);
    const QString texte =
        Typographie(QStringLiteral("Jours fériés de traitement (%1) : %2.")
                        .arg(NomCalendrier(calendrier()),
                             feries.isEmpty() ? QStringLiteral("aucun") : feries.join(u", ")));
    Feries->setText(e.sansDimanches().isEmpty() ? texte : texte + u' ' + e.sansDimanches());
}

void WMois::calculerAnnee() {
    annee_.emplace(*semaine_, jours(), AnneeChoisie->value(), calendrier());
    const Annee& a = *annee_;
    TitreAnnee->setText(
        QStringLiteral("%1 (%2)").arg(a.total().libelle, NomCalendrier(a.calendrier())));
    for (int m = 0; m < 12; ++m) {
        const Estimation::Total& t = a.mois()[m].total();
        MoisAnnee[m]->setText(t.montant);
        MoisAnnee[m]->setAccessibleDescription(QStringLiteral("%1 : %2").arg(t.libelle, t.montant));
    }
    for (int i = 0; i < int(TotalAnnee.size()); ++i) {
        const Estimation::Total& t = i ? a.semaines() : a.total();
        LibelleAnnee[i]->setText(i ? t.libelle : QStringLiteral("Total"));
        TotalAnnee[i]->setText(t.montant);
        TotalAnnee[i]->setToolTip(t.formule);
        TotalAnnee[i]->setAccessibleDescription(
            QStringLiteral("%1 : %2").arg(t.libelle, t.montant));
    }
}

void WMois::montrer() {
    Placement::Montrer(this, fenetre_);
}

// Ctrl+C in a count copies the month, as Edit > Copy does: the number field would take the key.
bool WMois::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return true;
    return QWidget::eventFilter(watched, event);
}

void WMois::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape)
        return QWidget::keyPressEvent(event);
    close();
    fenetre_->activateWindow();
}
