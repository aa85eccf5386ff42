#include "ui/mois/WMois.h"

#include "fees/Lignes.h"
#include "fees/Typographie.h"
#include "ui/Style.h"
#include "ui/main/Window1.h"
#include "ui/settings/WPref.h"
#include "ui/sortie/Partage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

const QLocale Francais(QLocale::French, QLocale::France);
const QColor Bleu(0, 0, 255);

// The fields in the order they stand, each with its row of the estimate.
struct Rangee {
    const char* nom;
    QStringView libelle;
    int ligne;
};
constexpr Rangee Rangees[] = {
    {"JoursTraitement", LignesMois::Jours, 1},     {"DimanchesFeries", LignesMois::Dimanches, 3},
    {"Pansements", LignesMois::Pansements, 2},     {"Nuits", LignesMois::Nuits, 4},
    {"Surveillance", LignesMois::Surveillance, 5},
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

} // namespace

WMois::WMois(Window1* fenetre) : QWidget(fenetre, Qt::Window), fenetre_(fenetre) {
    setObjectName(QStringLiteral("WMois"));
    setWindowTitle(QStringLiteral("Estimation d'un mois"));
    setAutoFillBackground(true);
    teinter(this, QPalette::Window, Window1::BackColor);
    // Text on the forced background is black whatever the desktop's theme.
    teinter(this, QPalette::WindowText, Qt::black);
    setFont(policeTimes(12));
    CreateControls();
    suivreFenetre();
    connect(fenetre_, &Window1::Recalcule, this, &WMois::suivreFenetre);
}

void WMois::CreateControls() {
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(10);
    grille->setVerticalSpacing(4);
    auto* periode = new QHBoxLayout;
    Mois = new QComboBox(this);
    Mois->setObjectName(QStringLiteral("Mois"));
    Mois->setAccessibleName(QStringLiteral("Mois"));
    for (int m = 1; m <= 12; ++m)
        Mois->addItem(Francais.standaloneMonthName(m));
    AnneeChoisie = new QSpinBox(this);
    AnneeChoisie->setObjectName(QStringLiteral("Annee"));
    AnneeChoisie->setAccessibleName(QStringLiteral("Année"));
    AnneeChoisie->setRange(2000, 2100);
    const QDate aujourdhui = QDate::currentDate();
    Mois->setCurrentIndex(aujourdhui.month() - 1);
    AnneeChoisie->setValue(aujourdhui.year());
    Region = new QComboBox(this);
    Region->setObjectName(QStringLiteral("Calendrier"));
    Region->setAccessibleName(QStringLiteral("Calendrier des jours fériés"));
    for (int i = 0; i < NombreCalendriers; ++i)
        Region->addItem(NomCalendrier(Calendrier(i)));
    auto* moisLibelle = libelle(QStringLiteral("Mois :"), this);
    moisLibelle->setBuddy(Mois);
    auto* regionLibelle = libelle(QStringLiteral("Jours fériés :"), this);
    regionLibelle->setBuddy(Region);
    periode->addWidget(moisLibelle);
    periode->addWidget(Mois);
    periode->addWidget(AnneeChoisie);
    periode->addStretch();
    periode->addWidget(regionLibelle);
    periode->addWidget(Region);
    grille->addLayout(periode, 0, 0, 1, 3);

    auto* semaine = new QHBoxLayout;
    semaine->addWidget(libelle(QStringLiteral("Jours de traitement :"), this));
    for (int i = 0; i < 7; ++i) {
        Jour[i] = new QCheckBox(Francais.standaloneDayName(i + 1), this);
        Jour[i]->setObjectName(QStringLiteral("Jour(%1)").arg(i));
        semaine->addWidget(Jour[i]);
    }
    grille->addLayout(semaine, 1, 0, 1, 3);
    // Room left over goes to the captions, not to the fields.
    grille->setColumnStretch(0, 1);

    LibellePoches = libelle({}, this);
    Poches = libelle({}, this, "Poches");
    Poches->setAlignment(Qt::AlignCenter);
    grille->addWidget(LibellePoches, 2, 0);
    grille->addWidget(Poches, 2, 1);
    for (int i = 0; i < 6; ++i)
        Montant[i] = montant(this, QStringLiteral("Montant(%1)").arg(i));
    grille->addWidget(Montant[0], 2, 2);
    for (int i = 0; i < int(Champ.size()); ++i) {
        const Rangee& r = Rangees[i];
        Libelle[i] = libelle(r.libelle.toString(), this);
        Champ[i] = new QSpinBox(this);
        Champ[i]->setObjectName(QLatin1String(r.nom));
        // No more days than a month has; acts may be several a day.
        Champ[i]->setRange(0, i < 2 ? 31 : 99);
        Champ[i]->setAlignment(Qt::AlignRight);
        // A field is named by its row.
        Champ[i]->setAccessibleName(Libelle[i]->text());
        Libelle[i]->setBuddy(Champ[i]);
        grille->addWidget(Libelle[i], 3 + i, 0);
        grille->addWidget(Champ[i], 3 + i, 1);
        grille->addWidget(Montant[r.ligne], 3 + i, 2);
    }

    LibelleTotal = libelle({}, this);
    LibelleTotal->setFont(policeTimes(12, true));
    TotalMois = libelle({}, this, "TotalMois");
    TotalMois->setFont(policeTimes(12, true));
    TotalMois->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MoyenneFenetre = libelle({}, this, "MoyenneFenetre");
    MoyenneFenetre->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grille->addWidget(LibelleTotal, 8, 0, 1, 2);
    grille->addWidget(TotalMois, 8, 2);
    grille->addWidget(libelle(QStringLiteral("Facturation mensuelle moyenne de la fenêtre"), this),
                      9, 0, 1, 2);
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
    grille->addWidget(LAnnee, 12, 0, Qt::AlignLeft);

    SectionAnnee = new QWidget(this);
    SectionAnnee->setObjectName(QStringLiteral("SectionAnnee"));
    auto* an = new QGridLayout(SectionAnnee);
    an->setContentsMargins(10, 0, 0, 0);
    an->setVerticalSpacing(2);
    TitreAnnee = libelle({}, SectionAnnee, "TitreAnnee");
    TitreAnnee->setFont(policeTimes(12, true));
    an->addWidget(TitreAnnee, 0, 0, 1, 2);
    for (int m = 0; m < 12; ++m) {
        an->addWidget(libelle(Francais.standaloneMonthName(m + 1), SectionAnnee), m + 1, 0);
        MoisAnnee[m] = montant(SectionAnnee, QStringLiteral("MoisAnnee(%1)").arg(m));
        an->addWidget(MoisAnnee[m], m + 1, 1);
    }
    for (int i = 0; i < 2; ++i) {
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

    auto* ensemble = new QHBoxLayout(this);
    ensemble->addLayout(grille);
    ensemble->addWidget(SectionAnnee);
    ensemble->setSizeConstraint(QLayout::SetFixedSize);

    // Each amount tells how it is made; the totals and the year leave the window on a
    // right-click.
    partage_ = new Partage(this, [this]() -> const Estimation& { return estimation(); });
    for (int i = 0; i < 6; ++i)
        partage_->expliquer(Montant[i], i);
    partage_->expliquer(TotalMois, -1);
    auto* partageAnnee = new Partage(this, [this]() -> const Annee& { return annee(); });
    for (auto [zone, partage] :
         {std::pair<QWidget*, Partage*>{TotalMois, partage_}, {SectionAnnee, partageAnnee}}) {
        zone->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(zone, &QWidget::customContextMenuRequested, partage,
                [zone, partage](const QPoint& p) { partage->menuContextuel(zone, p); });
    }

    connect(Mois, &QComboBox::currentIndexChanged, this, &WMois::proposer);
    connect(AnneeChoisie, &QSpinBox::valueChanged, this, &WMois::proposer);
    connect(Region, &QComboBox::currentIndexChanged, this, &WMois::proposer);
    for (QCheckBox* j : Jour)
        connect(j, &QCheckBox::toggled, this, &WMois::proposer);
    for (QSpinBox* c : Champ)
        connect(c, &QSpinBox::valueChanged, this, &WMois::calculer);
    connect(LAnnee, &QPushButton::toggled, this, [this](bool montree) {
        SectionAnnee->setVisible(montree);
        placer();
    });
}

std::array<bool, 7> WMois::jours() const {
    std::array<bool, 7> j{};
    for (int i = 0; i < 7; ++i)
        j[i] = Jour[i]->isChecked();
    return j;
}

void WMois::suivreFenetre() {
    const Choix c = fenetre_->choix();
    if (semaine_ == c) {
        calculer();
        calculerAnnee();
        return;
    }
    // The weekdays start again from the window's count of days: the first ones, all for 7.
    if (!semaine_ || semaine_->jours != c.jours)
        for (int i = 0; i < 7; ++i) {
            const QSignalBlocker b(Jour[i]);
            Jour[i]->setChecked(i < c.jours);
        }
    semaine_ = c;
    proposer();
}

void WMois::proposer() {
    const Proposition p = Proposer(*semaine_, AnneeChoisie->value(), Mois->currentIndex() + 1,
                                   Calendrier(Region->currentIndex()), jours());
    feries_ = p.feries;
    const double valeurs[] = {p.choix.jours, p.choix.dimanches, p.choix.pansements, p.choix.nuits,
                              p.choix.surveillances};
    for (int i = 0; i < int(Champ.size()); ++i) {
        const QSignalBlocker b(Champ[i]);
        Champ[i]->setValue(int(valeurs[i]));
    }
    calculer();
    calculerAnnee();
}

void WMois::calculer() {
    Choix c = *semaine_;
    c.jours = Champ[0]->value();
    c.dimanches = Champ[1]->value();
    c.pansements = Champ[2]->value();
    c.nuits = Champ[3]->value();
    c.surveillances = Champ[4]->value();
    const Calendrier region = Calendrier(Region->currentIndex());
    estimation_.emplace(c, Defaut::Courants(), fenetre_->rapport(), QDate::currentDate(), QLocale(),
                        Estimation::Mois{AnneeChoisie->value(), Mois->currentIndex() + 1, region,
                                         feries_, fenetre_->estimation().montants().mensuelle});
    const Estimation& e = *estimation_;
    LibellePoches->setText(e.lignes()[0].libelle);
    Poches->setText(e.nombre(e.lignes()[0]));
    // Out of DPA the surveillance row is hidden and keeps its last amount.
    for (qsizetype i = 0; i < e.lignes().size(); ++i) {
        const Estimation::Ligne& l = e.lignes()[i];
        Montant[i]->setText(l.montant);
        Montant[i]->setAccessibleDescription(QStringLiteral("%1 : %2").arg(l.libelle, l.montant));
    }
    for (QWidget* w : {static_cast<QWidget*>(Libelle[4]), static_cast<QWidget*>(Champ[4]),
                       static_cast<QWidget*>(Montant[5])})
        w->setVisible(e.dpa());
    const auto& [mois, moyenne] = e.totaux();
    LibelleTotal->setText(mois.libelle);
    TotalMois->setText(mois.montant);
    MoyenneFenetre->setText(moyenne.montant);
    TotalMois->setAccessibleName(mois.libelle);
    TotalMois->setAccessibleDescription(
        QStringLiteral("%1 : %2. %3 : %4.")
            .arg(mois.libelle, mois.montant, moyenne.libelle, moyenne.montant));
    QStringList feries;
    for (const Ferie& f : feries_)
        feries << QStringLiteral("%1 (%2)").arg(Francais.toString(f.date, u"dddd d MMMM"), f.nom);
    Feries->setText(
        Typographie(QStringLiteral("Jours fériés de traitement (%1) : %2.")
                        .arg(NomCalendrier(region),
                             feries.isEmpty() ? QStringLiteral("aucun") : feries.join(u", "))));
}

void WMois::calculerAnnee() {
    annee_.emplace(*semaine_, jours(), AnneeChoisie->value(), Calendrier(Region->currentIndex()),
                   Defaut::Courants(), fenetre_->rapport(), QDate::currentDate());
    const Annee& a = *annee_;
    TitreAnnee->setText(QStringLiteral("%1 (%2)").arg(
        a.total().libelle, NomCalendrier(Calendrier(Region->currentIndex()))));
    for (int m = 0; m < 12; ++m) {
        const Estimation::Total& t = a.mois()[m].totaux()[0];
        MoisAnnee[m]->setText(t.montant);
        MoisAnnee[m]->setAccessibleDescription(QStringLiteral("%1 : %2").arg(t.libelle, t.montant));
    }
    for (int i = 0; i < 2; ++i) {
        const Estimation::Total& t = i ? a.semaines() : a.total();
        LibelleAnnee[i]->setText(i ? t.libelle : QStringLiteral("Total"));
        TotalAnnee[i]->setText(t.montant);
        TotalAnnee[i]->setToolTip(t.formule);
        TotalAnnee[i]->setAccessibleDescription(
            QStringLiteral("%1 : %2").arg(t.libelle, t.montant));
    }
}

void WMois::placer() {
    layout()->activate();
    const QRect cadre = frameGeometry();
    const QPoint coin = WPref::place(fenetre_->frameGeometry(), cadre.size(),
                                     fenetre_->screen()->availableGeometry());
    // The frame goes there; the window's own position is its content's.
    move(coin + (pos() - cadre.topLeft()));
}

void WMois::montrer() {
    if (!isVisible())
        placer();
    show();
    raise();
    activateWindow();
}

void WMois::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape)
        return QWidget::keyPressEvent(event);
    close();
    fenetre_->activateWindow();
}
