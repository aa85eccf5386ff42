#include "ui/settings/WPref.h"

#include "fees/Motifs.h"
#include "framework/Number.h"
#include "ui/Style.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Largeur = 300;
constexpr int Hauteur = 174;
const QColor Jaune(255, 255, 102);
const QColor Rose(255, 190, 190);
const QColor Erreur(170, 0, 0);

// A refused text is quoted whole when short; a long one would not fit in the panel.
QString cite(const QString& texte) {
    return texte.size() <= 20 ? texte : texte.left(19) + u'…';
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
        ef->setTextMargins(0, 0, 0, 0);
        ef->setAccessibleName(libelle);
        ef->installEventFilter(this);
        EF[i] = ef;
        marquer(i, false);
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
    BevelButton2->setGeometry(118, 132, 64, 22);
    BevelButton2->setFocusPolicy(Qt::NoFocus);

    EditField1 = new QLineEdit(this);
    EditField1->setObjectName(QStringLiteral("EditField1"));
    EditField1->setGeometry(21, 130, 0, 22);
    EditField1->setAccessibleName(QStringLiteral("Aucun champ"));

    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("Message"));
    Message->setWordWrap(true);
    Message->setTextFormat(Qt::PlainText);
    Message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    teinter(Message, QPalette::WindowText, Erreur);
    Message->hide();

    connect(BevelButton2, &QPushButton::clicked, this, &WPref::BevelButton2_Action);
}

void WPref::Event_Open() {
    for (int i = 0; i < int(EF.size()); ++i)
        EF[i]->setText(framework::Format(Defaut::Courants().*ListeTarifs[i].valeur, Motifs::Champ));
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
    // The value's first ten characters are selected, so typing replaces them.
    EF[index]->setSelection(0, 10);
}

void WPref::placer(const QWidget* parent) {
    const QRect cadre = parent->frameGeometry();
    move(cadre.right() + 1, cadre.top());
}

void WPref::ShowWithin(QWidget* parent) {
    placer(parent);
    show();
    raise();
}

void WPref::donnerFocus() {
    activateWindow();
    EditField1->setFocus(Qt::OtherFocusReason);
}

void WPref::marquer(int index, bool refuse) {
    teinter(EF[index], QPalette::Base, refuse ? Rose : Jaune);
    teinter(EF[index], QPalette::Text, Qt::black);
}

void WPref::montrerMessage(const QString& texte) {
    Message->setText(texte);
    Message->setVisible(!texte.isEmpty());
    int hauteur = Hauteur;
    if (!texte.isEmpty()) {
        const int h = Message->heightForWidth(Largeur - 20);
        Message->setGeometry(10, 158, Largeur - 20, h);
        hauteur = std::max(Hauteur, 158 + h + 8);
    }
    setFixedSize(Largeur, hauteur);
}

void WPref::BevelButton2_Action() {
    std::array<QString, ListeTarifs.size()> textes;
    for (int i = 0; i < int(EF.size()); ++i) {
        textes[i] = EF[i]->text();
        marquer(i, false);
    }
    for (int i = 0; i < int(EF.size()); ++i) {
        const Defaut::Refus refus = Defaut::Lire(ListeTarifs[i], textes[i]).refus;
        if (refus == Defaut::Refus::Aucun)
            continue;
        marquer(i, true);
        EF[i]->setFocus(Qt::OtherFocusReason);
        const QString texte = cite(textes[i].trimmed());
        const QString libelle = ST[i]->text();
        switch (refus) {
        case Defaut::Refus::Vide:
            montrerMessage(QStringLiteral("« %1 » ne peut pas être vide.").arg(libelle));
            break;
        case Defaut::Refus::Negatif:
            montrerMessage(QStringLiteral("« %1 » n'est pas un nombre valide pour « %2 » : il ne "
                                          "peut pas être négatif.")
                               .arg(texte, libelle));
            break;
        case Defaut::Refus::TropGrand:
            montrerMessage(QStringLiteral("« %1 » est trop grand pour « %2 » : au plus %3.")
                               .arg(texte, libelle, framework::Str(ListeTarifs[i].plafond)));
            break;
        default:
            montrerMessage(
                QStringLiteral("« %1 » n'est pas un nombre valide pour « %2 ».").arg(texte, libelle));
            break;
        }
        return;
    }
    const Defaut::ResultatEcriture r = Defaut::Ecriture(textes);
    if (!r.erreur.isEmpty()) {
        montrerMessage(QStringLiteral("Les paramètres n'ont pas pu être enregistrés dans « %1 » : "
                                      "%2. Rien n'a été modifié.")
                           .arg(QDir::toNativeSeparators(r.chemin), r.erreur));
        return;
    }
    montrerMessage({});
    emit Enregistre(r.relu);
}
