#include "ui/settings/WPref.h"

#include "fees/Defaut.h"
#include "fees/Motifs.h"
#include "framework/Number.h"
#include "ui/Style.h"
#include "ui/main/Window1.h"

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

QPointer<WPref>& partage() {
    static QPointer<WPref> shared;
    return shared;
}

} // namespace

WPref* WPref::instance() {
    if (!partage())
        partage() = new WPref(Window1::instance());
    return partage();
}

WPref* WPref::existant() {
    return partage();
}

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
    const std::array<QString, Tarifs::Nombre> libelles{
        QStringLiteral("Valeur de l'AMI (€)"), QStringLiteral("Indemnités de déplacements (€)"),
        QStringLiteral("Majoration dimanches et fériés (€)"),
        QStringLiteral("Majoration de nuit (€)"),
        QStringLiteral("Nombre d'AMI pour un chgt de poche")};
    for (int i = 0; i < Tarifs::Nombre; ++i) {
        auto* ef = new QLineEdit(this);
        ef->setObjectName(QStringLiteral("EF(%1)").arg(i));
        ef->setProperty("Index", i);
        ef->setGeometry(243, 12 + 22 * i, 37, 12);
        ef->setFrame(false);
        ef->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ef->setTextMargins(0, 0, 0, 0);
        ef->setContentsMargins(0, 0, 0, 0);
        ef->setFont(policeTimes(12));
        ef->setAccessibleName(libelles[i]);
        EF[i] = ef;
        marquer(i, false);
    }
    for (int i = 0; i < Tarifs::Nombre; ++i) {
        auto* st = new QLabel(libelles[i], this);
        st->setObjectName(QStringLiteral("ST(%1)").arg(i));
        st->setProperty("Index", i);
        st->setGeometry(20, 12 + 22 * i, i == 4 ? 220 : 191, 20);
        st->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        st->setBuddy(EF[i]);
        ST[i] = st;
    }
    BevelButton2 = new QPushButton(QStringLiteral("Enregistrer"), this);
    BevelButton2->setObjectName(QStringLiteral("BevelButton2"));
    BevelButton2->setGeometry(118, 132, 64, 22);
    BevelButton2->setFocusPolicy(Qt::NoFocus);
    BevelButton2->setAccessibleName(BevelButton2->text());

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

    for (QLineEdit* ef : EF)
        ef->installEventFilter(this);
    connect(BevelButton2, &QPushButton::clicked, this, &WPref::BevelButton2_Action);
}

void WPref::Event_Open() {
    const Tarifs t = Defaut::Courants();
    const std::array<double, Tarifs::Nombre> valeurs{t.AMI, t.Deplacements, t.Dimanches, t.Nuits,
                                                     t.Poches};
    for (int i = 0; i < Tarifs::Nombre; ++i)
        EF[i]->setText(framework::Format(valeurs[i], Motifs::Champ));
}

bool WPref::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const QVariant index = watched->property("Index");
        if (index.isValid())
            EF_GotFocus(index.toInt());
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

void WPref::marquer(int index, bool faux) {
    teinter(EF[index], QPalette::Base, faux ? Rose : Jaune);
    teinter(EF[index], QPalette::Text, Qt::black);
    EF[index]->setProperty("invalide", faux);
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
    std::array<QString, Tarifs::Nombre> textes;
    for (int i = 0; i < Tarifs::Nombre; ++i) {
        textes[i] = EF[i]->text();
        marquer(i, false);
    }
    for (int i = 0; i < Tarifs::Nombre; ++i) {
        if (Defaut::ValeurAdmise(textes[i]))
            continue;
        bool nombre = false;
        framework::CDbl(textes[i], &nombre);
        marquer(i, true);
        EF[i]->setFocus(Qt::OtherFocusReason);
        const QString texte = textes[i].trimmed();
        if (texte.isEmpty())
            montrerMessage(QStringLiteral("« %1 » ne peut pas être vide.").arg(ST[i]->text()));
        else
            montrerMessage(QStringLiteral("« %1 » n'est pas un nombre valide pour « %2 »%3")
                               .arg(texte, ST[i]->text(),
                                    nombre ? QStringLiteral(" : il ne peut pas être négatif.")
                                           : QStringLiteral(".")));
        return;
    }
    const Defaut::ResultatEcriture r = Defaut::Ecriture(textes);
    if (!r.ecrit) {
        montrerMessage(QStringLiteral("Les paramètres n'ont pas pu être enregistrés dans « %1 » : "
                                      "%2. Rien n'a été modifié.")
                           .arg(QDir::toNativeSeparators(r.chemin), r.erreur));
        return;
    }
    montrerMessage({});
    Window1::instance()->calcul();
}
