#include "ui/settings/WPref.h"

#include "fees/Euros.h"
#include "fees/TarifsOfficiels.h"
#include "fees/Typographie.h"
#include "framework/FolderItem.h"
#include "framework/Number.h"
#include "ui/Placement.h"
#include "ui/Style.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {

constexpr int Largeur = 300;
// The fields, the official sets' chooser she uses first, the button, then the set in use.
constexpr int Hauteur = 252;
constexpr int HautMessage = 232;
const QColor Jaune(255, 255, 102);
const QColor Rose(255, 190, 190);
const QColor Orange(255, 214, 153);
const QColor Erreur(Qt::darkRed);
const QColor Confirmation(Qt::darkGreen);

// A refused text is quoted whole when short; a long one would not fit in the panel.
QString cite(const QString& texte) {
    return texte.size() <= 20 ? texte : texte.left(19) + u'…';
}

// A path breaks after each separator; a very long one loses its middle, so that the panel
// stays within the screen.
QString cheminCite(const QString& chemin) {
    QString c = QDir::toNativeSeparators(chemin);
    if (c.size() > 240)
        c = c.left(120) + u'…' + c.right(119);
    return c.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B));
}

// The field is lower than a line of its font: its text is raised until the digits and the
// comma's tail both fit. QLineEdit centres a line in the height its margins leave and clips to
// it, so a negative top margin raises the line without cutting the tail off.
void leverTexte(QLineEdit* ef) {
    const QFontMetrics fm(ef->font());
    const QRect encre = fm.tightBoundingRect(QStringLiteral("0123456789,"));
    const int h = ef->height();
    for (int haut = 0; haut > -h; --haut) {
        const int ligne = haut + (h - haut - fm.height() + 1) / 2 + fm.ascent();
        if (ligne + encre.bottom() < h || ligne + encre.top() <= 0) {
            ef->setTextMargins(0, haut, 0, 0);
            return;
        }
    }
}

} // namespace

WPref::WPref(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("WPref"));
    setWindowTitle(QStringLiteral("Paramétrage"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // Closed, it is gone: the next request makes a new one from the values in use.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Largeur, Hauteur);
    setAutoFillBackground(true);
    teinter(this, QPalette::Window, BackColor);
    teinter(this, QPalette::WindowText, Qt::black);
    setFont(policeTimes(12));
    CreateControls();
    Event_Open();
}

void WPref::CreateControls() {
    for (int i = 0; i < int(EF.size()); ++i) {
        const QString libelle = ListeTarifs[i].libelle.toString();
        auto* ef = new QLineEdit(this);
        ef->setObjectName(QStringLiteral("EF(%1)").arg(i));
        ef->setGeometry(243, 12 + 22 * i, 37, 12);
        ef->setFrame(false);
        ef->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        leverTexte(ef);
        ef->setAccessibleName(libelle);
        ef->installEventFilter(this);
        connect(ef, &QLineEdit::textEdited, this, [this] {
            if (provisoire_)
                montrerMessage({});
            suivreChamps();
        });
        connect(ef, &QLineEdit::textChanged, this, [this, i] { marquer(i); });
        EF[i] = ef;
    }
    for (int i = 0; i < int(ST.size()); ++i) {
        auto* st = new QLabel(ListeTarifs[i].libelle.toString(), this);
        st->setObjectName(QStringLiteral("ST(%1)").arg(i));
        st->setGeometry(20, 12 + 22 * i, i == 4 ? 220 : 191, 20);
        st->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        st->setBuddy(EF[i]);
        ST[i] = st;
    }
    BevelButton2 = new QPushButton(QStringLiteral("Enregistrer"), this);
    BevelButton2->setObjectName(QStringLiteral("BevelButton2"));
    BevelButton2->setGeometry(118, 170, 64, 22);
    BevelButton2->setFocusPolicy(Qt::NoFocus);

    EditField1 = new QLineEdit(this);
    EditField1->setObjectName(QStringLiteral("EditField1"));
    EditField1->setGeometry(21, 130, 0, 22);
    teinter(EditField1, QPalette::Base, Qt::white);
    teinter(EditField1, QPalette::Text, Qt::black);
    // It holds the focus when the panel comes up and announces it; Tab leaves it for the first
    // field, and the fields' cycle never comes back to it.
    EditField1->setAccessibleName(QStringLiteral("Paramétrage des tarifs"));
    EditField1->setFocusPolicy(Qt::ClickFocus);
    setTabOrder(EditField1, EF[0]);
    // What is typed there would vanish: it is told, at once.
    connect(EditField1, &QLineEdit::textEdited, this, [this] {
        EditField1->clear();
        touchesPerdues_ = true;
        montrerMessage(QStringLiteral("Aucun champ n'a le focus : ce qui vient d'être tapé n'a été "
                                      "gardé nulle part. Appuyez sur Tab pour aller au premier "
                                      "champ."));
    });
    for (int i = 1; i < int(EF.size()); ++i)
        setTabOrder(EF[i - 1], EF[i]);

    TarifsOfficiels = new QComboBox(this);
    TarifsOfficiels->setObjectName(QStringLiteral("TarifsOfficiels"));
    // The whole width: the longest set's name shows whole once chosen.
    TarifsOfficiels->setGeometry(10, 142, 280, 20);
    auto* officiels = new QLabel(QStringLiteral("Tarifs officiels :"), this);
    officiels->setGeometry(20, 124, 260, 16);
    officiels->setBuddy(TarifsOfficiels);
    TarifsOfficiels->setAccessibleName(QStringLiteral("Tarifs officiels"));
    TarifsOfficiels->setPlaceholderText(QStringLiteral("Choisir des tarifs officiels…"));
    for (const TarifOfficiel& t : ::TarifsOfficiels())
        TarifsOfficiels->addItem(Libelle(t));
    setTabOrder(EF[4], TarifsOfficiels);
    JeuTarifs = new QLabel(this);
    JeuTarifs->setObjectName(QStringLiteral("JeuTarifs"));
    JeuTarifs->setGeometry(20, 198, 260, 32);
    JeuTarifs->setWordWrap(true);
    JeuTarifs->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    JeuTarifs->setTextFormat(Qt::PlainText);

    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("Message"));
    Message->setWordWrap(true);
    Message->setTextFormat(Qt::PlainText);
    Message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Message->hide();

    connect(BevelButton2, &QPushButton::clicked, this, &WPref::BevelButton2_Action);
    connect(TarifsOfficiels, &QComboBox::activated, this, &WPref::TarifsOfficiels_Change);
    auto* enregistrer = new QShortcut(QKeySequence::Save, this);
    connect(enregistrer, &QShortcut::activated, this, &WPref::enregistrerAuClavier);
    // The confirmation goes after a few seconds, or at the next edit.
    effacement_.setSingleShot(true);
    effacement_.setInterval(4000);
    connect(&effacement_, &QTimer::timeout, this, [this] { montrerMessage({}); });
}

void WPref::Event_Open() {
    for (int i = 0; i < int(EF.size()); ++i)
        EF[i]->setText(EnChamp(Defaut::Courants().*ListeTarifs[i].valeur));
    suivreChamps();
}

void WPref::suivreChamps() {
    Tarifs affiches;
    bool nombres = true;
    for (int i = 0; i < int(EF.size()); ++i) {
        const Defaut::Valeur v = Defaut::Lire(ListeTarifs[i], EF[i]->text());
        nombres = nombres && v.refus == Defaut::Refus::Aucun;
        affiches.*ListeTarifs[i].valeur = v.valeur;
    }
    const TarifOfficiel* officiel = nombres ? Reconnaitre(affiches) : nullptr;
    TarifsOfficiels->setCurrentIndex(officiel ? int(officiel - &::TarifsOfficiels().front()) : -1);
    JeuTarifs->setText(QStringLiteral("En usage : %1.").arg(Provenance(Defaut::Courants())));
}

// As if she had typed them: nothing is kept until "Enregistrer".
void WPref::TarifsOfficiels_Change(int index) {
    const Tarifs& t = ::TarifsOfficiels().at(index).valeurs;
    for (int i = 0; i < int(EF.size()); ++i)
        EF[i]->setText(EnChamp(t.*ListeTarifs[i].valeur));
    if (provisoire_)
        montrerMessage({});
    suivreChamps();
}

bool WPref::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const auto champ = std::find(EF.begin(), EF.end(), watched);
        if (champ != EF.end())
            EF_GotFocus(int(champ - EF.begin()));
    }
    return QWidget::eventFilter(watched, event);
}

void WPref::EF_GotFocus(int index) {
    touchesPerdues_ = false;
    // The value's first ten characters, all of any value the panel shows, are selected, so
    // typing replaces them.
    EF[index]->setSelection(0, 10);
}

void WPref::ShowWithin(QWidget* parent) {
    Placement::Placer(this, parent);
    show();
    raise();
}

void WPref::donnerFocus() {
    activateWindow();
    EditField1->setFocus(Qt::OtherFocusReason);
}

bool WPref::modifie(int index) const {
    const Defaut::Valeur v = Defaut::Lire(ListeTarifs[index], Defaut::Nettoyer(EF[index]->text()));
    return v.refus != Defaut::Refus::Aucun ||
           v.valeur != Defaut::Courants().*ListeTarifs[index].valeur;
}

void WPref::marquer(int index) {
    const bool change = modifie(index);
    teinter(EF[index], QPalette::Base, refuse_[index] ? Rose : change ? Orange : Jaune);
    teinter(EF[index], QPalette::Text, Qt::black);
    EF[index]->setAccessibleDescription(change ? QStringLiteral("modifié, non enregistré")
                                               : QString());
}

void WPref::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    touchesPerdues_ = false;
    bool change = false;
    for (int i = 0; i < int(EF.size()); ++i) {
        marquer(i);
        change = change || modifie(i);
    }
    if (change)
        montrerMessage(QStringLiteral("Modifications non enregistrées : les champs marqués ne sont "
                                      "pas les tarifs en usage. « Enregistrer » les applique."));
}

// Under the button, in the panel's own height when one line is enough; read out at once.
void WPref::montrerMessage(const QString& texte, const QColor& couleur) {
    effacement_.stop();
    provisoire_ = false;
    Message->setText(Typographie(texte));
    Message->setVisible(!texte.isEmpty());
    int hauteur = Hauteur;
    if (!texte.isEmpty()) {
        teinter(Message, QPalette::WindowText, couleur.isValid() ? couleur : Erreur);
        const int h = Message->heightForWidth(Largeur - 20);
        Message->setGeometry(10, HautMessage, Largeur - 20, h);
        hauteur = std::max(Hauteur, HautMessage + h + 2);
        QAccessibleEvent alerte(Message, QAccessible::Alert);
        QAccessible::updateAccessibility(&alerte);
    }
    setFixedSize(Largeur, hauteur);
    if (isVisible())
        Placement::GarderDansEcran(this);
}

void WPref::enregistrerAuClavier() {
    if (touchesPerdues_ && EditField1->hasFocus())
        montrerMessage(QStringLiteral("Rien n'a été enregistré : aucun champ n'avait le focus. "
                                      "Appuyez sur Tab pour aller au premier champ."));
    else
        BevelButton2_Action();
}

void WPref::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enregistrerAuClavier();
        break;
    case Qt::Key_Escape:
        hide();
        parentWidget()->activateWindow();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WPref::BevelButton2_Action() {
    std::array<QString, ListeTarifs.size()> textes;
    for (int i = 0; i < int(EF.size()); ++i) {
        textes[i] = Defaut::Nettoyer(EF[i]->text());
        refuse_[i] = false;
        marquer(i);
    }
    for (int i = 0; i < int(EF.size()); ++i) {
        const Defaut::Refus pourquoi = Defaut::Lire(ListeTarifs[i], textes[i]).refus;
        if (pourquoi == Defaut::Refus::Aucun)
            continue;
        refuse_[i] = true;
        marquer(i);
        EF[i]->setFocus(Qt::OtherFocusReason);
        montrerMessage(refus(i, pourquoi, cite(textes[i].trimmed())));
        return;
    }
    const Defaut::ResultatEcriture r = Defaut::Ecriture(textes);
    if (!r.erreur.isEmpty()) {
        montrerMessage(QStringLiteral("Les paramètres n'ont pas pu être enregistrés dans « %1 » : "
                                      "%2. Rien n'a été modifié.")
                           .arg(cheminCite(r.chemin), r.erreur));
        return;
    }
    emit enregistre(r.relu);
    suivreChamps();
    for (int i = 0; i < int(EF.size()); ++i)
        marquer(i);
    const QString perdu = nonGarde(r, textes);
    if (!perdu.isEmpty()) {
        montrerMessage(perdu);
        return;
    }
    // Saved, but not today's: said until she acts, with the way to today's set.
    const QString enVigueur = ChoixEnVigueur(Defaut::Courants());
    if (!enVigueur.isEmpty()) {
        montrerMessage(QStringLiteral("Tarifs enregistrés, mais ce sont les %1. Ceux en vigueur "
                                      "sont à un choix : %2.")
                           .arg(Provenance(Defaut::Courants()), enVigueur));
        provisoire_ = true;
        return;
    }
    montrerMessage(QStringLiteral("Tarifs enregistrés."), Confirmation);
    provisoire_ = true;
    effacement_.start();
}

QString WPref::refus(int i, Defaut::Refus refus, const QString& texte) const {
    const QString libelle = ST[i]->text();
    switch (refus) {
    case Defaut::Refus::Vide:
        return QStringLiteral("« %1 » ne peut pas être vide.").arg(libelle);
    case Defaut::Refus::Negatif:
        return QStringLiteral("« %1 » n'est pas un nombre valide pour « %2 » : il ne peut pas être "
                              "négatif.")
            .arg(texte, libelle);
    case Defaut::Refus::TropLong:
        return QStringLiteral("« %1 » est trop long pour « %2 ».").arg(texte, libelle);
    case Defaut::Refus::TropDeDecimales:
        return QStringLiteral("« %1 » a trop de décimales pour « %2 » : au plus %3.")
            .arg(texte, libelle)
            .arg(ListeTarifs[i].decimales);
    case Defaut::Refus::TropGrand:
        return QStringLiteral("« %1 » est trop grand pour « %2 » : au plus %3.")
            .arg(texte, libelle, framework::Str(ListeTarifs[i].plafond));
    default:
        return QStringLiteral("« %1 » n'est pas un nombre valide pour « %2 ».").arg(texte, libelle);
    }
}

QString WPref::nonGarde(const Defaut::ResultatEcriture& r,
                        const std::array<QString, ListeTarifs.size()>& textes) const {
    if (r.relu.chemin != r.chemin)
        return QStringLiteral("Les tarifs ont été écrits dans « %1 », mais le programme lit les "
                              "siens dans « %2 » : ils ne seraient pas repris au prochain "
                              "démarrage.")
            .arg(cheminCite(r.chemin), cheminCite(r.relu.chemin));
    if (!r.relu.erreur.isEmpty())
        return QStringLiteral("Le fichier « %1 » n'a pas pu être relu : %2.")
            .arg(cheminCite(r.chemin), r.relu.erreur);
    for (int i = 0; i < int(EF.size()); ++i)
        if (Defaut::Lire(ListeTarifs[i], textes[i]).valeur !=
                Defaut::Courants().*ListeTarifs[i].valeur ||
            r.relu.lignesIgnorees.contains(i + 1))
            return QStringLiteral("« %1 » n'a pas été gardé : le fichier relu « %2 » ne donne "
                                  "pas « %3 ».")
                .arg(ST[i]->text(), cheminCite(r.chemin), cite(textes[i]));
    return {};
}
