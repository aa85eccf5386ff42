#include "app/App.h"
#include "app/MenuBar1.h"
#include "support/Attendu.h"
#include "support/Fenetre.h"

#include <QtWidgets>

class TestMenuBar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { fenetre_.reset(); }
    void items();
    void editItemsActOnTheFocusedField();

private:
    static QAction* item(const char* name) { return MenuBar1::instance()->item(name); }
    // Which of Undo, Cut, Copy, Paste, Delete and Select All can act.
    static QString actifs() {
        QString s;
        for (const char* nom :
             {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
            s += item(nom)->isEnabled() ? u'1' : u'0';
        return s;
    }
    std::unique_ptr<Fenetre> fenetre_;
};

void TestMenuBar::initTestCase() {
    // Before any focus: out of a text field, only Copy can act.
    QCOMPARE(actifs(), "001000");
    // The window belongs to its launcher.
    QCOMPARE(QGuiApplication::desktopFileName(), "fr.tarivane.Tarivane");
    fenetre_ = std::make_unique<Fenetre>(QByteArray(), Fenetre::AvecPanneau);
}

// Each menu, then its items: name, text and shortcut; a separator has no text, shown or read.
void TestMenuBar::items() {
    QStringList lignes;
    for (const QAction* menu : MenuBar1::instance()->actions()) {
        lignes << menu->text();
        for (const QAction* a : menu->menu()->actions()) {
            QCOMPARE(a->isSeparator(), a->text().isEmpty());
            lignes << QStringList{a->objectName(), a->text(), a->shortcut().toString()}
                          .join(u' ')
                          .trimmed();
        }
    }
    COMPARER_AU_TEXTE(lignes.join(u'\n'), "menus");
}

void TestMenuBar::editItemsActOnTheFocusedField() {
    QLineEdit* c = fenetre_->champ(1);
    c->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), c);
    c->deselect();
    QGuiApplication::clipboard()->clear();
    QCOMPARE(actifs(), "000101");
    item("EditSelectAll")->trigger();
    QCOMPARE(c->selectedText(), QStringLiteral("2.20"));
    QCOMPARE(actifs(), "011111");
    item("EditCut")->trigger();
    QCOMPARE(c->text() + QGuiApplication::clipboard()->text(), QStringLiteral("2.20"));
    QCOMPARE(actifs(), "100100");
    item("EditPaste")->trigger();
    item("EditPaste")->trigger();
    item("EditSelectAll")->trigger();
    item("EditCopy")->trigger();
    item("EditClear")->trigger();
    QCOMPARE(c->text() + QGuiApplication::clipboard()->text(), QStringLiteral("2.202.20"));
}

int main(int argc, char* argv[]) {
    App app(argc, argv);
    TestMenuBar test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menubar.moc"
