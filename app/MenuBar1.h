#pragma once

#include <QMenuBar>
#include <QPointer>

class QAction;
class QLineEdit;
class QMenu;

// The one menu bar, shared by the application and the main window. Its Edit items act on the
// focused text field and are enabled only when they can act there; out of a text field, Copy
// asks for the estimate to be copied. The items that act on the window are connected by it.
class MenuBar1 : public QMenuBar {
    Q_OBJECT
public:
    // The shared instance, built on the first request.
    static MenuBar1* instance();

    QAction* item(const QString& name) const;
    // Gives a window of its own the same menus, so that their keys and clicks act on it while
    // it is in front.
    void installerSur(QWidget* fenetre);

signals:
    // Copy was chosen with no text field to copy from.
    void copierEstimation();

private:
    MenuBar1();
    void Untitled0(); // File menu
    void Untitled1(); // Edit menu
    void Untitled2(); // "?" menu
    QAction* ajouter(QMenu* menu, const char* name, const QString& text,
                     const QKeySequence& shortcut = {});

    void suivreFocus(QWidget* now);
    void majEdition();

    QPointer<QLineEdit> champ_;
    QList<QMetaObject::Connection> liens_;
};
