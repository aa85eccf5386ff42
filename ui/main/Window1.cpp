#include "ui/main/Window1.h"

#include "app/MenuBar1.h"
#include "fees/Calcul.h"
#include "fees/FeuilleResultat.h"
#include "fees/Motifs.h"
#include "framework/Number.h"
#include "ui/Style.h"
#include "ui/main/Canvas.h"
#include "ui/settings/WPref.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

namespace {

const QColor Noir(0, 0, 0);
const QColor Bleu(0, 0, 255);

const QString TextePochesDpca = QStringLiteral("Nombre de poches par jour de traitement");
const QString TexteBranchementsDpa =
    QStringLiteral("Nombre de branchements ou débranchements par jour");

Qt::Alignment alignement(int textAlign) {
    switch (textAlign) {
    case 1:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 2:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

double valeur(const QComboBox* popup) {
    return framework::CDbl(popup->currentText());
}

} // namespace

Window1* Window1::instance() {
    static QPointer<Window1> shared;
    if (!shared)
        shared = new Window1;
    return shared;
}

Window1::Window1() {
    Layout();
    CreateControls();
    Canvas1->open();
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
    contenu->setFont(policeTimes(12));
    setCentralWidget(contenu);
    // Fixed size: the window is exactly its content and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* Window1::label(const char* name, const QRect& geometry, const QString& text, int align,
                       QColor color, bool bold, bool underline) {
    auto* l = new QLabel(text, centralWidget());
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(alignement(align));
    if (bold || underline)
        l->setFont(policeTimes(12, bold, underline));
    teinter(l, QPalette::WindowText, color);
    l->setTextFormat(Qt::PlainText);
    // No fixed accessible name: a label is read out with the text it shows at the time.
    return l;
}

QComboBox* Window1::popup(const char* name, const QRect& geometry, int first, int last, int index) {
    auto* p = new QComboBox(centralWidget());
    p->setObjectName(QLatin1String(name));
    p->setGeometry(geometry);
    for (int n = first; n <= last; ++n)
        p->addItem(QString::number(n));
    p->setCurrentIndex(index);
    return p;
}

void Window1::CreateControls() {
    // In the order the controls are made; the row numbers of the names do not follow the rows.
    StaticText1 = label("StaticText1", {20, 39, 270, 20}, TextePochesDpca, 0, Noir, false, false);
    PopupMenu1 = popup("PopupMenu1", {395, 40, 45, 20}, 0, 6, 4);
    StaticText2 =
        label("StaticText2", {20, 59, 285, 20},
              QStringLiteral("Nombre de jours de traitement par semaine"), 0, Noir, false, false);
    PopupMenu2 = popup("PopupMenu2", {395, 59, 45, 20}, 1, 7, 6);
    StaticText3 = label("StaticText3", {20, 99, 241, 20},
                        QStringLiteral("Nombre de dimanches et jour fériés par semaine"), 0, Noir,
                        false, false);
    PopupMenu3 = popup("PopupMenu3", {395, 99, 45, 20}, 0, 7, 1);
    StaticText4 = label("StaticText4", {20, 79, 285, 20},
                        QStringLiteral("Nombre de pansements par semaine"), 0, Noir, false, false);
    PopupMenu4 = popup("PopupMenu4", {395, 79, 45, 20}, 0, 7, 3);
    StaticText5 =
        label("StaticText5", {20, 119, 195, 20},
              QStringLiteral("Nombre d'actes de nuit par semaine"), 0, Noir, false, false);
    PopupMenu5 = popup("PopupMenu5", {395, 119, 45, 20}, 0, 14, 7);

    Canvas1 = new Canvas(centralWidget());
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setGeometry(67, 171, 386, 85);
    Canvas1->setFocusPolicy(Qt::NoFocus);
    Canvas1->setAccessibleName(QStringLiteral("Résultat"));
    connect(Canvas1, &Canvas::Open, this, &Window1::Canvas1_Open);
    connect(Canvas1, &Canvas::Paint, this, &Window1::Canvas1_Paint);

    const std::array<QRect, 2> placesRB{QRect(20, 7, 70, 20), QRect(460, 7, 48, 20)};
    const std::array<QString, 2> textesRB{QStringLiteral("DPCA"), QStringLiteral("DPA")};
    for (int i = 0; i < 2; ++i) {
        auto* rb = new QRadioButton(textesRB[i], centralWidget());
        rb->setObjectName(QStringLiteral("RB(%1)").arg(i));
        rb->setProperty("Index", i);
        rb->setGeometry(placesRB[i]);
        rb->setChecked(i == 0);
        RB[i] = rb;
    }

    StaticText6 = label("StaticText6", {20, 139, 324, 20},
                        QStringLiteral("Nombre d'organisations de la surveillance par semaine\r"),
                        0, Noir, false, false);
    StaticText6->setVisible(false);
    PopupMenu6 = popup("PopupMenu6", {395, 139, 45, 20}, 0, 14, 7);
    PopupMenu6->setVisible(false);

    StaticText7 = label("StaticText7", {210, 268, 100, 20}, QStringLiteral("Paramétrage"), 1, Noir,
                        true, true);
    StaticText7->setCursor(Qt::PointingHandCursor);
    StaticText7->setAccessibleDescription(
        QStringLiteral("Affiche ou masque les paramètres de tarification"));
    StaticText7->installEventFilter(this);

    const std::array<QLabel**, 6> resultats{&StaticText8,  &StaticText9,  &StaticText10,
                                            &StaticText11, &StaticText12, &StaticText13};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "StaticText" + QByteArray::number(8 + i);
        *resultats[i] = label(name.constData(), {453, 39 + 20 * i, 55, 20}, QStringLiteral("Na"), 2,
                              Bleu, true, false);
    }
    StaticText13->setVisible(false);

    StaticText14 = label("StaticText14", {96, 7, 314, 20}, QStringLiteral("Modalité de traitement"),
                         1, Noir, true, false);
    StaticText15 = label("StaticText15", {299, 39, 69, 20}, QStringLiteral("Sans_titre"), 1, Noir,
                         false, false);
    StaticText16 =
        label("StaticText16", {299, 79, 69, 20}, QStringLiteral("AMI 4"), 1, Noir, false, false);
    StaticText17 =
        label("StaticText17", {299, 99, 69, 20}, QStringLiteral("ISD"), 1, Noir, false, false);
    StaticText18 =
        label("StaticText18", {299, 119, 69, 20}, QStringLiteral("ISN"), 1, Noir, false, false);

    // A pop-up is named by the label of its row.
    const std::array<std::pair<QComboBox*, QLabel*>, 6> rangs{
        std::pair{PopupMenu1, StaticText1}, {PopupMenu2, StaticText2}, {PopupMenu3, StaticText3},
        {PopupMenu4, StaticText4},          {PopupMenu5, StaticText5}, {PopupMenu6, StaticText6}};
    for (auto [p, l] : rangs) {
        p->setAccessibleName(l->text().trimmed());
        l->setBuddy(p);
    }
    // The surveillance label ends with a carriage return that is not to be read out.
    StaticText6->setAccessibleName(StaticText6->text().trimmed());

    // Tab order follows the rows on screen.
    setTabOrder(RB[0], RB[1]);
    setTabOrder(RB[1], PopupMenu1);
    setTabOrder(PopupMenu1, PopupMenu2);
    setTabOrder(PopupMenu2, PopupMenu4);
    setTabOrder(PopupMenu4, PopupMenu3);
    setTabOrder(PopupMenu3, PopupMenu5);
    setTabOrder(PopupMenu5, PopupMenu6);

    // Handlers only once every initial value is in place.
    for (QComboBox* p : {PopupMenu1, PopupMenu2, PopupMenu3, PopupMenu4, PopupMenu5, PopupMenu6})
        connect(p, &QComboBox::currentIndexChanged, this, &Window1::calcul);
    for (int i = 0; i < 2; ++i)
        connect(RB[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                RB_Action(i);
        });
}

void Window1::Event_Open() {
    rapport_ = Defaut::Lecture();
    calcul();
}

void Window1::Canvas1_Open() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    Image = framework::NewPicture(Canvas1->width(), Canvas1->height(),
                                  screen ? screen->depth() : 32, Canvas1->devicePixelRatioF());
    Image->graphics().SetTextFont(QStringLiteral("Times"));
    Image->graphics().SetTextSize(16);
}

void Window1::Canvas1_Paint(framework::Graphics& g) {
    if (Image)
        g.DrawPicture(*Image, 0, 0);
}

void Window1::RB_Action(int index) {
    if (index == 0) {
        StaticText6->setVisible(false);
        PopupMenu6->setVisible(false);
        StaticText13->setVisible(false);
        StaticText1->setText(TextePochesDpca);
        PopupMenu1->setCurrentIndex(4);
        PopupMenu4->setCurrentIndex(3);
    } else {
        StaticText6->setVisible(true);
        PopupMenu6->setVisible(true);
        PopupMenu6->setCurrentIndex(7);
        StaticText13->setVisible(true);
        StaticText1->setText(TexteBranchementsDpa);
        PopupMenu1->setCurrentIndex(2);
        PopupMenu4->setCurrentIndex(7);
    }
    PopupMenu1->setAccessibleName(StaticText1->text());
}

void Window1::calcul() {
    if (!Image)
        return;
    const Choix choix{valeur(PopupMenu1), valeur(PopupMenu2), valeur(PopupMenu3),
                      valeur(PopupMenu4), valeur(PopupMenu5), valeur(PopupMenu6),
                      RB[0]->isChecked(), RB[1]->isChecked()};
    const Montants m = Calcul(choix, Defaut::Courants());

    StaticText8->setText(framework::Format(m.journee, Motifs::Libelle));
    StaticText9->setText(framework::Format(m.semainePoches, Motifs::Libelle));
    StaticText10->setText(framework::Format(m.pansements, Motifs::Libelle));
    StaticText11->setText(framework::Format(m.dimanches, Motifs::Libelle));
    StaticText12->setText(framework::Format(m.nuits, Motifs::Libelle));
    // Out of DPA the surveillance row is hidden and keeps its last amount.
    if (choix.dpa)
        StaticText13->setText(framework::Format(m.surveillance, Motifs::Libelle));
    StaticText15->setText(QStringLiteral("AMI ") + framework::Str(Defaut::Poches) +
                          QStringLiteral(" + IFD"));

    const QString titre = choix.dpca ? QStringLiteral("DPCA") : QStringLiteral("DPA");
    FeuilleResultat::Dessiner(Image->graphics(), BackColor, titre, m.hebdomadaire, m.mensuelle);
    Canvas1->setAccessibleDescription(
        QStringLiteral("%1. Facturation hebdomadaire : %2. Facturation mensuelle moyenne : %3.")
            .arg(titre, framework::Format(m.hebdomadaire, Motifs::Feuille),
                 framework::Format(m.mensuelle, Motifs::Feuille)));
    Canvas1->update();
}

bool Window1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StaticText7) {
        switch (event->type()) {
        case QEvent::Enter:
            StaticText7_MouseEnter();
            break;
        case QEvent::Leave:
            StaticText7_MouseExit();
            break;
        case QEvent::MouseButtonPress: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            return StaticText7_MouseDown(p.x(), p.y());
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Window1::StaticText7_MouseDown(int, int) {
    WPref* pref = WPref::instance();
    if (pref->isVisible()) {
        pref->hide();
    } else {
        pref->ShowWithin(this);
        pref->donnerFocus();
    }
    return false;
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
    if (!avisDonne_ && !rapport_.lignesIgnorees.isEmpty()) {
        avisDonne_ = true;
        QMetaObject::invokeMethod(this, &Window1::avertirLignesIgnorees, Qt::QueuedConnection);
    }
}

void Window1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (WPref* pref = WPref::existant(); pref && pref->isVisible())
        pref->placer(this);
}

// On a screen of another pixel density the sheet is drawn again at that density, so it stays
// sharp instead of being scaled.
void Window1::changementEcran() {
    if (Image && Image->image().devicePixelRatio() != Canvas1->devicePixelRatioF()) {
        Canvas1_Open();
        calcul();
    }
}

void Window1::avertirLignesIgnorees() {
    QStringList lignes;
    for (int l : rapport_.lignesIgnorees)
        lignes << QString::number(l);
    const bool une = lignes.size() == 1;
    const QString liste = une ? lignes.first()
                              : lignes.mid(0, lignes.size() - 1).join(QStringLiteral(", ")) +
                                    QStringLiteral(" et ") + lignes.last();
    auto* avis = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Paramétrage"),
        QStringLiteral("Dans le fichier de paramètres « %1 », %2 %3 %4 pas un nombre valide : "
                       "%5 la valeur par défaut.")
            .arg(QDir::toNativeSeparators(rapport_.chemin),
                 une ? QStringLiteral("la ligne") : QStringLiteral("les lignes"), liste,
                 une ? QStringLiteral("n'est") : QStringLiteral("ne sont"),
                 une ? QStringLiteral("elle garde") : QStringLiteral("elles gardent")),
        QMessageBox::Ok, this);
    avis->setObjectName(QStringLiteral("AvisLecture"));
    avis->setInformativeText(QStringLiteral(
        "Corrigez les valeurs dans « Paramétrage » puis cliquez sur « Enregistrer »."));
    avis->setAttribute(Qt::WA_DeleteOnClose);
    avis->setWindowModality(Qt::NonModal);
    avis->show();
}
