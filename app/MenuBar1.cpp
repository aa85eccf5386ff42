#include "app/MenuBar1.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>

MenuBar1* MenuBar1::instance() {
    static QPointer<MenuBar1> shared;
    if (!shared)
        shared = new MenuBar1;
    return shared;
}

MenuBar1::MenuBar1() {
    setObjectName(QStringLiteral("MenuBar1"));

    Untitled0();
    Untitled1();
    Untitled2();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { suivreFocus(now); });
    suivreFocus(QApplication::focusWidget());
}

// A text of "-" makes a separator: a line, with no text to show or read out.
QAction* MenuBar1::ajouter(QMenu* menu, const char* name, const QString& text,
                           const QKeySequence& shortcut) {
    QAction* action = text == QLatin1String("-") ? menu->addSeparator() : menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void MenuBar1::Untitled0() {
    QMenu* file = addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    ajouter(file, "FilePatients", QStringLiteral("Mes &patients…"), QKeySequence::Open);
    ajouter(file, "FileSauvegarderPatients", QStringLiteral("&Sauvegarder mes patients…"));
    ajouter(file, "UntitledMenu4", QStringLiteral("-"));
    ajouter(file, "FilePrint", QStringLiteral("&Imprimer…"), QKeySequence::Print);
    ajouter(file, "FileExportPdf", QStringLiteral("E&xporter en PDF…"));
    ajouter(file, "FileMois", QStringLiteral("Estimation d'un &mois…"));
    ajouter(file, "UntitledMenu3", QStringLiteral("-"));
    // Some platforms have no standard Quit key; Ctrl+Q (Cmd+Q on macOS) is the convention.
    QAction* quit = ajouter(file, "FileQuit", QStringLiteral("&Quit"), Qt::CTRL | Qt::Key_Q);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MenuBar1::Untitled1() {
    QMenu* edit = addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    edit->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    // The field's own signals bring the items' states up to date afterwards.
    const auto surChamp = [this](auto op) {
        return [this, op] {
            if (champ_)
                (champ_->*op)();
        };
    };
    connect(ajouter(edit, "EditUndo", QStringLiteral("&Undo"), QKeySequence::Undo),
            &QAction::triggered, this, surChamp(&QLineEdit::undo));
    ajouter(edit, "UntitledMenu1", QStringLiteral("-"));
    connect(ajouter(edit, "EditCut", QStringLiteral("Cu&t"), QKeySequence::Cut),
            &QAction::triggered, this, surChamp(&QLineEdit::cut));
    connect(ajouter(edit, "EditCopy", QStringLiteral("&Copy"), QKeySequence::Copy),
            &QAction::triggered, this, [this] {
                if (champ_)
                    champ_->copy();
                else
                    emit copierEstimation();
            });
    connect(ajouter(edit, "EditPaste", QStringLiteral("&Paste"), QKeySequence::Paste),
            &QAction::triggered, this, surChamp(&QLineEdit::paste));
    connect(ajouter(edit, "EditClear", QStringLiteral("&Delete")), &QAction::triggered, this,
            surChamp(&QLineEdit::del));
    ajouter(edit, "UntitledMenu0", QStringLiteral("-"));
    connect(ajouter(edit, "EditSelectAll", QStringLiteral("Select &All"), QKeySequence::SelectAll),
            &QAction::triggered, this, surChamp(&QLineEdit::selectAll));
    ajouter(edit, "UntitledMenu2", QStringLiteral("-"));
    QAction* preferences =
        ajouter(edit, "EditPreferences", QStringLiteral("Pa&ramétrage…"), Qt::CTRL | Qt::Key_Comma);
    preferences->setMenuRole(QAction::PreferencesRole);
    // From the settings panel too, to close it again.
    preferences->setShortcutContext(Qt::ApplicationShortcut);
}

void MenuBar1::Untitled2() {
    QMenu* help = addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->menuAction()->setObjectName(QStringLiteral("HelpMenu"));
    ajouter(help, "HelpAbout", QStringLiteral("À &propos de Tarivane"))
        ->setMenuRole(QAction::AboutRole);
}

void MenuBar1::installerSur(QWidget* fenetre) {
    auto* barre = new QMenuBar(fenetre);
    barre->setObjectName(QStringLiteral("Menus"));
    // In the window itself: a system's menu bar holds a menu once.
    barre->setNativeMenuBar(false);
    barre->addActions(actions());
    fenetre->layout()->setMenuBar(barre);
}

QAction* MenuBar1::item(const QString& name) const {
    return findChild<QAction*>(name);
}

void MenuBar1::suivreFocus(QWidget* now) {
    for (const auto& lien : std::as_const(liens_))
        disconnect(lien);
    liens_.clear();
    champ_ = qobject_cast<QLineEdit*>(now);
    if (champ_) {
        liens_ << connect(champ_, &QLineEdit::textChanged, this, &MenuBar1::majEdition)
               << connect(champ_, &QLineEdit::selectionChanged, this, &MenuBar1::majEdition);
    }
    majEdition();
}

void MenuBar1::majEdition() {
    const QLineEdit* e = champ_;
    const bool modifiable = e && !e->isReadOnly() && e->isEnabled();
    const bool selection = e && e->hasSelectedText();
    const bool visible = e && e->echoMode() == QLineEdit::Normal;
    item(QStringLiteral("EditUndo"))->setEnabled(modifiable && e->isUndoAvailable());
    item(QStringLiteral("EditCut"))->setEnabled(modifiable && selection && visible);
    item(QStringLiteral("EditCopy"))->setEnabled(!e || (selection && visible));
    // Whether the clipboard holds text is only asked when she pastes: asking is reading it, and
    // a program that holds it without answering would hold this window up.
    item(QStringLiteral("EditPaste"))->setEnabled(modifiable);
    item(QStringLiteral("EditClear"))->setEnabled(modifiable && selection);
    item(QStringLiteral("EditSelectAll"))->setEnabled(e && !e->text().isEmpty());
}
