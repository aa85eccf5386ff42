#include "ui/main/Window1.h"

#include "app/MenuBar1.h"
#include "fees/FeuilleResultat.h"
#include "fees/Lignes.h"
#include "fees/TarifsOfficiels.h"
#include "fees/Typographie.h"
#include "ui/Placement.h"
#include "ui/Style.h"
#include "ui/main/APropos.h"
#include "ui/main/Canvas.h"
#include "ui/main/Lien.h"
#include "ui/mois/WMois.h"
#include "ui/patients/WPatients.h"
#include "ui/settings/WPref.h"
#include "ui/sortie/Sortie.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QMoveEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>

namespace {

const QColor Noir(0, 0, 0);
const QColor Bleu(0, 0, 255);

struct Apparence {
    Qt::Alignment alignement;
    QColor couleur;
    bool gras = false;
    bool souligne = false;
};
const Apparence Courant{Qt::AlignLeft | Qt::AlignVCenter, Noir};
const Apparence Souligne{Qt::AlignCenter, Noir, true, true};
const Apparence Montant{Qt::AlignRight | Qt::AlignVCenter, Bleu, true};
const Apparence Titre{Qt::AlignCenter, Noir, true};
const Apparence Code{Qt::AlignCenter, Noir};

enum class Genre { Libelle, Lien, Menu, Canevas, Radio };

double valeur(const QComboBox* popup) {
    return popup->currentData().toDouble();
}

} // namespace

// One control of the window as it is made: its name, kind, place and first state.
struct Window1::Controle {
    const char* nom;
    Genre genre;
    QRect place;
    QStringView texte = {};
    Apparence apparence = Courant;
    int premier = 0; // a pop-up's items, from premier to dernier, and its first choice
    int dernier = 0;
    int choix = 0;
    const char* etiquette = nullptr; // the label that names a pop-up's row
    bool coche = false;              // a radio button chosen from the start
    bool visible = true;
    QLabel* Window1::*libelle = nullptr;
    QComboBox* Window1::*menu = nullptr;
};

Window1* Window1::instance() {
    static QPointer<Window1> shared;
    if (!shared)
        shared = new Window1;
    return shared;
}

Window1::Window1() {
    Layout();
    CreateControls();
    Canvas1_Open();
    Event_Open();
}

Window1::~Window1() = default;

void Window1::Layout() {
    setMenuBar(MenuBar1::instance());
    setObjectName(QStringLiteral("Window1"));
    setWindowTitle(QStringLiteral("Tarivane en Dialyse Péritonéale"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* contenu = new QWidget(this);
    contenu->setObjectName(QStringLiteral("contenu"));
    contenu->setFixedSize(520, 308);
    contenu->setAutoFillBackground(true);
    teinter(contenu, QPalette::Window, BackColor);
    // Text on the forced background is black whatever the desktop's theme.
    teinter(contenu, QPalette::WindowText, Noir);
    contenu->setFont(policeTimes(12));
    setCentralWidget(contenu);
    // Fixed size: the window is exactly its content and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // In the screen's top-left corner, so that the panel and the month have room beside it.
    move(screen()->availableGeometry().topLeft());
}

void Window1::CreateControls() {
    for (const Controle& c : controles())
        creer(c);

    Avertissement = new QLabel(centralWidget());
    Avertissement->setObjectName(QStringLiteral("Avertissement"));
    Avertissement->setGeometry(10, 288, 500, 18);
    Avertissement->setAlignment(Qt::AlignCenter);
    Avertissement->setTextFormat(Qt::PlainText);
    teinter(Avertissement, QPalette::WindowText, QColor(128, 0, 0));
    Avertissement->hide();

    StaticText7->setAccessibleDescription(
        QStringLiteral("Affiche ou masque les paramètres de tarification"));

    // Tab order follows the rows on screen, then the link under the sheet.
    QWidget* const ordre[] = {RB[0],      RB[1],      PopupMenu1, PopupMenu2, PopupMenu4,
                              PopupMenu3, PopupMenu5, PopupMenu6, StaticText7};
    for (std::size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    // Handlers only once every initial value is in place.
    relier();
}

std::span<const Window1::Controle> Window1::controles() {
    // In the order the controls are made; the numbers of the names do not follow the rows.
    // clang-format off
    static const Controle controles[] = {
        {.nom = "StaticText1", .genre = Genre::Libelle, .place = {20, 39, 270, 20},
         .texte = Lignes::Poches, .libelle = &Window1::StaticText1},
        {.nom = "PopupMenu1", .genre = Genre::Menu, .place = {395, 40, 45, 20},
         .dernier = 6, .choix = 4, .etiquette = "StaticText1", .menu = &Window1::PopupMenu1},
        {.nom = "StaticText2", .genre = Genre::Libelle, .place = {20, 59, 285, 20},
         .texte = Lignes::Jours},
        {.nom = "PopupMenu2", .genre = Genre::Menu, .place = {395, 59, 45, 20},
         .premier = 1, .dernier = 7, .choix = 6, .etiquette = "StaticText2",
         .menu = &Window1::PopupMenu2},
        {.nom = "StaticText3", .genre = Genre::Libelle, .place = {20, 99, 241, 20},
         .texte = Lignes::Dimanches},
        {.nom = "PopupMenu3", .genre = Genre::Menu, .place = {395, 99, 45, 20},
         .dernier = 7, .choix = 1, .etiquette = "StaticText3", .menu = &Window1::PopupMenu3},
        {.nom = "StaticText4", .genre = Genre::Libelle, .place = {20, 79, 285, 20},
         .texte = Lignes::Pansements},
        {.nom = "PopupMenu4", .genre = Genre::Menu, .place = {395, 79, 45, 20},
         .dernier = 7, .choix = 3, .etiquette = "StaticText4", .menu = &Window1::PopupMenu4},
        {.nom = "StaticText5", .genre = Genre::Libelle, .place = {20, 119, 195, 20},
         .texte = Lignes::Nuits},
        {.nom = "PopupMenu5", .genre = Genre::Menu, .place = {395, 119, 45, 20},
         .dernier = 14, .choix = 7, .etiquette = "StaticText5", .menu = &Window1::PopupMenu5},
        {.nom = "Canvas1", .genre = Genre::Canevas, .place = {67, 171, 386, 85}},
        {.nom = "RB(0)", .genre = Genre::Radio, .place = {20, 7, 70, 20}, .texte = u"DPCA",
         .coche = true},
        {.nom = "RB(1)", .genre = Genre::Radio, .place = {460, 7, 48, 20}, .texte = u"DPA"},
        {.nom = "StaticText6", .genre = Genre::Libelle, .place = {20, 139, 324, 20},
         .texte = u"Nombre d'organisations de la surveillance par semaine\r", .visible = false,
         .libelle = &Window1::StaticText6},
        {.nom = "PopupMenu6", .genre = Genre::Menu, .place = {395, 139, 45, 20},
         .dernier = 14, .choix = 7, .etiquette = "StaticText6", .visible = false,
         .menu = &Window1::PopupMenu6},
        {.nom = "StaticText7", .genre = Genre::Lien, .place = {210, 268, 100, 20},
         .texte = u"Paramétrage", .apparence = Souligne},
        {.nom = "StaticText8", .genre = Genre::Libelle, .place = {453, 39, 55, 20},
         .texte = u"Na", .apparence = Montant, .libelle = &Window1::StaticText8},
        {.nom = "StaticText9", .genre = Genre::Libelle, .place = {453, 59, 55, 20},
         .texte = u"Na", .apparence = Montant, .libelle = &Window1::StaticText9},
        {.nom = "StaticText10", .genre = Genre::Libelle, .place = {453, 79, 55, 20},
         .texte = u"Na", .apparence = Montant, .libelle = &Window1::StaticText10},
        {.nom = "StaticText11", .genre = Genre::Libelle, .place = {453, 99, 55, 20},
         .texte = u"Na", .apparence = Montant, .libelle = &Window1::StaticText11},
        {.nom = "StaticText12", .genre = Genre::Libelle, .place = {453, 119, 55, 20},
         .texte = u"Na", .apparence = Montant, .libelle = &Window1::StaticText12},
        {.nom = "StaticText13", .genre = Genre::Libelle, .place = {453, 139, 55, 20},
         .texte = u"Na", .apparence = Montant, .visible = false, .libelle = &Window1::StaticText13},
        {.nom = "StaticText14", .genre = Genre::Libelle, .place = {96, 7, 314, 20},
         .texte = u"Modalité de traitement", .apparence = Titre},
        {.nom = "StaticText15", .genre = Genre::Libelle, .place = {299, 39, 69, 20},
         .texte = u"Sans_titre", .apparence = Code, .libelle = &Window1::StaticText15},
        {.nom = "StaticText16", .genre = Genre::Libelle, .place = {299, 79, 69, 20},
         .texte = u"AMI 4", .apparence = Code},
        {.nom = "StaticText17", .genre = Genre::Libelle, .place = {299, 99, 69, 20},
         .texte = u"ISD", .apparence = Code},
        {.nom = "StaticText18", .genre = Genre::Libelle, .place = {299, 119, 69, 20},
         .texte = u"ISN", .apparence = Code},
    };
    // clang-format on
    return controles;
}

void Window1::creer(const Controle& c) {
    QWidget* contenu = centralWidget();
    const QString texte = c.texte.toString();
    QWidget* w = nullptr;
    switch (c.genre) {
    case Genre::Libelle: {
        auto* l = new QLabel(texte, contenu);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(c.apparence.alignement);
        if (c.libelle)
            this->*c.libelle = l;
        w = l;
        break;
    }
    case Genre::Lien:
        StaticText7 = new Lien(texte, c.apparence.alignement, contenu);
        w = StaticText7;
        break;
    case Genre::Menu: {
        auto* p = new QComboBox(contenu);
        for (int n = c.premier; n <= c.dernier; ++n)
            p->addItem(QString::number(n), n);
        p->setCurrentIndex(c.choix);
        // A pop-up is named by the label of its row.
        auto* etiquette = contenu->findChild<QLabel*>(QLatin1String(c.etiquette));
        etiquette->setBuddy(p);
        p->setAccessibleName(etiquette->text().trimmed());
        this->*c.menu = p;
        w = p;
        break;
    }
    case Genre::Canevas:
        Canvas1 = new Canvas(contenu);
        Canvas1->setFocusPolicy(Qt::NoFocus);
        Canvas1->setAccessibleName(QStringLiteral("Résultat"));
        w = Canvas1;
        break;
    case Genre::Radio: {
        auto* rb = new QRadioButton(texte, contenu);
        rb->setChecked(c.coche);
        *std::find(RB.begin(), RB.end(), nullptr) = rb;
        w = rb;
        break;
    }
    }
    if (c.genre == Genre::Libelle || c.genre == Genre::Lien) {
        if (c.apparence.gras || c.apparence.souligne)
            w->setFont(policeTimes(12, c.apparence.gras, c.apparence.souligne));
        teinter(w, QPalette::WindowText, c.apparence.couleur);
        // A label is read out with the text it shows at the time, but for a final return.
        if (texte != texte.trimmed())
            w->setAccessibleName(texte.trimmed());
    }
    w->setObjectName(QLatin1String(c.nom));
    w->setGeometry(c.place);
    if (!c.visible)
        w->hide();
}

void Window1::relier() {
    connect(StaticText7, &Lien::mouseDown, this, &Window1::StaticText7_MouseDown);
    connect(StaticText7, &Lien::activated, this, &Window1::basculerPanneau);
    connect(StaticText7, &Lien::mouseEntered, this, &Window1::StaticText7_MouseEnter);
    connect(StaticText7, &Lien::mouseExited, this, &Window1::StaticText7_MouseExit);
    const MenuBar1* menus = MenuBar1::instance();
    connect(menus->item(QStringLiteral("EditPreferences")), &QAction::triggered, this,
            &Window1::basculerPanneau);
    connect(menus->item(QStringLiteral("HelpAbout")), &QAction::triggered, this,
            [this] { montrerAPropos(this, estimation()); });

    // The estimate leaves the window from the menus and from the sheet's own menu; each amount
    // tells how it is made.
    auto* sortie = new Sortie(this, [this]() -> const Estimation& { return estimation(); });
    // The menus act on the month's estimate, or on her patients' month, when its window is the
    // active one.
    const auto actif = [this, sortie] {
        if (mois_ && mois_->isActiveWindow())
            return mois_->sortie();
        return wpatients_ && wpatients_->isActiveWindow() ? wpatients_->sortie() : sortie;
    };
    connect(menus, &MenuBar1::copierEstimation, this, [actif] { actif()->copier(); });
    connect(menus->item(QStringLiteral("FilePrint")), &QAction::triggered, this,
            [actif] { actif()->imprimer(); });
    connect(menus->item(QStringLiteral("FileExportPdf")), &QAction::triggered, this,
            [actif] { actif()->exporterPdf(); });
    connect(menus->item(QStringLiteral("FilePatients")), &QAction::triggered, this,
            [this] { fenetrePatients()->montrer(); });
    connect(menus->item(QStringLiteral("FileSauvegarderPatients")), &QAction::triggered, this,
            [this] { fenetrePatients()->sauvegarder(); });
    connect(menus->item(QStringLiteral("FileMois")), &QAction::triggered, this, [this] {
        if (!mois_) {
            mois_ = new WMois(this, estimation());
            MenuBar1::instance()->installerSur(mois_);
            mois_->setPatient(&patients_, patient_);
            connect(this, &Window1::recalcule, mois_, &WMois::suivre);
            connect(mois_, &WMois::echec, this, &Window1::signalerEchec);
        }
        mois_->montrer();
    });
    Canvas1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Canvas1, &QWidget::customContextMenuRequested, sortie,
            [sortie, this](const QPoint& p) { sortie->menuContextuel(Canvas1, p); });
    for (int i = 0; i < Estimation::NombrePostes; ++i)
        sortie->expliquer(montant(Estimation::Poste(i)), i);
    sortie->expliquer(Canvas1, -1);
    connect(Canvas1, &Canvas::paint, this, &Window1::Canvas1_Paint);
    for (QComboBox* p : {PopupMenu1, PopupMenu2, PopupMenu3, PopupMenu4, PopupMenu5, PopupMenu6})
        connect(p, &QComboBox::currentIndexChanged, this, &Window1::calcul);
    for (int i = 0; i < int(RB.size()); ++i)
        connect(RB[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                RB_Action(i);
        });
}

void Window1::Event_Open() {
    rapport_ = Defaut::Lecture();
    // The patient she had open last is open again.
    if (const auto p = patients_.patient(patients_.dernier()))
        appliquer(*p);
    calcul();
}

void Window1::appliquer(const Patients::Patient& p) {
    patient_ = p.id;
    nomPatient_ = p.nom;
    garde_ = p.choix;
    const bool dpa = p.choix.dpa();
    {
        const QSignalBlocker b0(RB[0]), b1(RB[1]);
        RB[dpa ? 1 : 0]->setChecked(true);
    }
    montrerModalite(dpa);
    const double valeurs[] = {p.choix.poches,     p.choix.jours, p.choix.dimanches,
                              p.choix.pansements, p.choix.nuits, p.choix.surveillances};
    QComboBox* const menus[] = {PopupMenu1, PopupMenu2, PopupMenu3,
                                PopupMenu4, PopupMenu5, PopupMenu6};
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker b(menus[i]);
        if (const int rang = menus[i]->findData(valeurs[i]); rang >= 0)
            menus[i]->setCurrentIndex(rang);
    }
    titrer();
}

void Window1::ouvrirPatient(qint64 id) {
    const auto p = patients_.patient(id);
    if (!p)
        return;
    appliquer(*p);
    calcul();
    if (mois_)
        mois_->setPatient(&patients_, patient_);
    if (wpatients_)
        wpatients_->setOuvert(patient_);
}

void Window1::fermerPatient() {
    patient_ = 0;
    nomPatient_.clear();
    garde_.reset();
    titrer();
    calcul();
    if (mois_)
        mois_->setPatient(nullptr, 0);
}

void Window1::titrer() {
    const QString titre = QStringLiteral("Tarivane en Dialyse Péritonéale");
    setWindowTitle(nomPatient_.isEmpty() ? titre : titre + QStringLiteral(" — ") + nomPatient_);
}

WPatients* Window1::fenetrePatients() {
    if (!wpatients_) {
        wpatients_ = new WPatients(this, patients_, estimation());
        MenuBar1::instance()->installerSur(wpatients_);
        wpatients_->setOuvert(patient_);
        connect(this, &Window1::recalcule, wpatients_, &WPatients::suivre);
        connect(wpatients_, &WPatients::patientOuvert, this, &Window1::ouvrirPatient);
        connect(wpatients_, &WPatients::patientRenomme, this,
                [this](qint64 id, const QString& nom) {
                    if (id != patient_)
                        return;
                    nomPatient_ = nom;
                    titrer();
                    calcul();
                });
        connect(wpatients_, &WPatients::patientSupprime, this, [this](qint64 id) {
            if (id == patient_)
                fermerPatient();
        });
    }
    return wpatients_;
}

void Window1::signalerEchec(const QString& raison) {
    // One notice at a time for a failure that lasts, however many changes fail meanwhile; told
    // again once she has closed it.
    const QString texte = Typographie(raison);
    for (const QMessageBox* ouvert : findChildren<QMessageBox*>(QStringLiteral("EchecPatients")))
        if (ouvert->isVisible() && ouvert->text() == texte)
            return;
    auto* avis = new QMessageBox(QMessageBox::Warning, QStringLiteral("Mes patients"), texte,
                                 QMessageBox::Ok, this);
    avis->setObjectName(QStringLiteral("EchecPatients"));
    avis->setAttribute(Qt::WA_DeleteOnClose);
    avis->setWindowModality(Qt::NonModal);
    avis->show();
}

void Window1::Canvas1_Open() {
    Image =
        framework::NewPicture(Canvas1->width(), Canvas1->height(), Canvas1->devicePixelRatioF());
    Image->graphics().SetTextFont(QStringLiteral("Times"));
    Image->graphics().SetTextSize(16);
}

void Window1::Canvas1_Paint(framework::Graphics& g) {
    g.DrawPicture(*Image, 0, 0);
}

void Window1::montrerModalite(bool dpa) {
    StaticText6->setVisible(dpa);
    PopupMenu6->setVisible(dpa);
    StaticText13->setVisible(dpa);
    StaticText1->setText((dpa ? Lignes::Branchements : Lignes::Poches).toString());
    PopupMenu1->setAccessibleName(StaticText1->text());
}

void Window1::RB_Action(int index) {
    const bool dpa = index == 1;
    montrerModalite(dpa);
    {
        // One recompute, at the end: a pop-up that already holds its new value raises no
        // change, and the switch must still show the new modality's amounts.
        const QSignalBlocker b1(PopupMenu1), b4(PopupMenu4), b6(PopupMenu6);
        if (dpa)
            PopupMenu6->setCurrentIndex(7);
        PopupMenu1->setCurrentIndex(dpa ? 2 : 4);
        PopupMenu4->setCurrentIndex(dpa ? 7 : 3);
    }
    calcul();
}

Choix Window1::choix() const {
    return {valeur(PopupMenu1),
            valeur(PopupMenu2),
            valeur(PopupMenu3),
            valeur(PopupMenu4),
            valeur(PopupMenu5),
            valeur(PopupMenu6),
            RB[1]->isChecked() ? Modalite::DPA : Modalite::DPCA};
}

QLabel* Window1::montant(Estimation::Poste poste) const {
    QLabel* const montants[] = {StaticText8,  StaticText9,  StaticText10,
                                StaticText11, StaticText12, StaticText13};
    return montants[int(poste)];
}

void Window1::calcul() {
    const Choix c = choix();
    estimation_.emplace(c, Defaut::Courants(), rapport_, QDate::currentDate());
    estimation_->setPatient(nomPatient_);
    const Estimation& e = *estimation_;
    // Every change of the open patient is kept at once; nothing is kept without one.
    if (patient_ && garde_ != c) {
        const QString raison = patients_.enregistrer(patient_, c);
        if (raison.isEmpty())
            garde_ = c;
        else
            signalerEchec(raison);
    }
    // Out of DPA the surveillance row is hidden and keeps its last amount.
    for (const Estimation::Ligne& l : e.lignes())
        montrerMontant(montant(l.poste), l);
    // A count with decimals makes the act code longer than its place.
    texteEntier(StaticText15, e.ligne(Estimation::Poste::Journee).code, 12);
    if (Avertissement->text() != e.avertissement()) {
        Avertissement->setText(e.avertissement());
        Avertissement->setVisible(!e.avertissement().isEmpty());
        if (Avertissement->isVisible()) {
            QAccessibleEvent alerte(Avertissement, QAccessible::Alert);
            QAccessible::updateAccessibility(&alerte);
        }
    }

    FeuilleResultat::Dessiner(Image->graphics(), BackColor, e);
    Canvas1->setAccessibleDescription(QStringLiteral("%1. %2 : %3. %4 : %5.")
                                          .arg(e.nomModalite(), e.total().libelle,
                                               e.total().montant, e.moyenne().libelle,
                                               e.moyenne().montant));
    Canvas1->update();
    emit recalcule(e);
}

WPref* Window1::panneau() {
    if (!panneau_) {
        panneau_ = new WPref(this);
        connect(panneau_, &WPref::enregistre, this, [this](const Defaut::RapportLecture& relu) {
            rapport_ = relu;
            // What the notice said is no longer so.
            if (auto* avis = findChild<QMessageBox*>(QStringLiteral("AvisLecture")))
                avis->close();
            calcul();
        });
    }
    return panneau_;
}

bool Window1::StaticText7_MouseDown(int, int) {
    basculerPanneau();
    return false;
}

void Window1::basculerPanneau() {
    WPref* pref = panneau();
    if (pref->isVisible()) {
        pref->hide();
    } else {
        pref->ShowWithin(this);
        pref->donnerFocus();
    }
}

void Window1::StaticText7_MouseEnter() {
    teinter(StaticText7, QPalette::WindowText, Bleu);
}

void Window1::StaticText7_MouseExit() {
    teinter(StaticText7, QPalette::WindowText, Noir);
}

void Window1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!suitEcran_ && windowHandle()) {
        suitEcran_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &Window1::changementEcran);
    }
    if (!avisDonne_ && (!rapport_.lu() || !rapport_.lignesIgnorees.isEmpty() ||
                        !ChoixEnVigueur(Defaut::Courants()).isEmpty())) {
        avisDonne_ = true;
        QMetaObject::invokeMethod(this, &Window1::avertirLecture, Qt::QueuedConnection);
    }
}

// The panel goes with the window, where she left it beside it.
void Window1::moveEvent(QMoveEvent* event) {
    if (panneau_ && panneau_->isVisible() && event->oldPos() != event->pos()) {
        panneau_->move(panneau_->pos() + event->pos() - event->oldPos());
        Placement::GarderDansEcran(panneau_);
    }
}

// On a screen of another pixel density the sheet is drawn again at that density, so it stays
// sharp instead of being scaled.
void Window1::changementEcran() {
    if (Image->image().devicePixelRatio() != Canvas1->devicePixelRatioF()) {
        Canvas1_Open();
        calcul();
    }
}

void Window1::avertirLecture() {
    const Tarifs& courants = Defaut::Courants();
    QString texte = rapport_.texte();
    if (rapport_.lu() && !ChoixEnVigueur(courants).isEmpty())
        texte += QStringLiteral(" Ce sont les %1.").arg(Provenance(courants));
    auto* avis = new QMessageBox(QMessageBox::Warning, QStringLiteral("Paramétrage"),
                                 Typographie(texte), QMessageBox::Close, this);
    avis->setObjectName(QStringLiteral("AvisLecture"));
    avis->setInformativeText(Typographie(
        rapport_.lignesIgnorees.isEmpty()
            ? QStringLiteral("Les tarifs en vigueur sont à un choix : ouvrez « Paramétrage », "
                             "%1.")
                  .arg(ChoixEnVigueur(courants))
            : QStringLiteral("Corrigez les valeurs dans « Paramétrage » puis cliquez sur "
                             "« Enregistrer ».")));
    QPushButton* ouvrir =
        avis->addButton(QStringLiteral("Ouvrir le paramétrage"), QMessageBox::AcceptRole);
    ouvrir->setObjectName(QStringLiteral("OuvrirParametrage"));
    avis->setDefaultButton(ouvrir);
    connect(ouvrir, &QPushButton::clicked, this, [this] {
        if (!panneau()->isVisible())
            basculerPanneau();
    });
    avis->setAttribute(Qt::WA_DeleteOnClose);
    avis->setWindowModality(Qt::NonModal);
    avis->show();
    // Beside the window, hiding none of its controls; in front, for the keyboard.
    Placement::Placer(avis, this);
    avis->activateWindow();
}
