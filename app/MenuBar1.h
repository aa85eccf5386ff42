#pragma once

#include <QMenuBar>
#include <QPointer>

class QAction;
class QLineEdit;
class QMenu;

// The one menu bar, shared by the application and the main window. Its Edit items act on the
// focused text field and are enabled only when they can act there.
class MenuBar1 : public QMenuBar {
    Q_OBJECT
public:
    // The shared instance, built on the first request.
    static MenuBar1* instance();

    QAction* item(const QString& name) const;

private:
    MenuBar1();
    void Untitled0(); // File menu
    void Untitled1(); // Edit menu
    QAction* ajouter(QMenu* menu, const char* name, const QString& text,
                     QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey);

    void suivreFocus(QWidget* now);
    void majEdition();
    void lirePressePapiers();

    QPointer<QLineEdit> champ_;
    QList<QMetaObject::Connection> liens_;
    // Reading the clipboard may wait on another program: done only when it changes or the
    // Edit menu opens, never on each keystroke.
    bool texteAColler_ = false;
};
