#include "app/App.h"
#include "app/MenuBar1.h"
#include "support/Fenetre.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

class TestMenuBar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { fenetre_.reset(); }
    void items_data();
    void items();
    void editItemsActOnTheFocusedField();
    void pasteFollowsTheClipboard();
    void editItemsDisabledWithoutAField();
    void quitEndsTheEventLoop();

private:
    static QAction* item(const char* name) { return MenuBar1::instance()->item(name); }
    QLineEdit* champ(int i) const {
        return fenetre_->panneau()->findChild<QLineEdit*>(QStringLiteral("EF(%1)").arg(i));
    }
    std::unique_ptr<Fenetre> fenetre_;
};

void TestMenuBar::initTestCase() {
    fenetre_ = std::make_unique<Fenetre>();
    QVERIFY(fenetre_->montrer());
    // One menu bar, the window's, built once.
    QCOMPARE((*fenetre_)->menuBar(), MenuBar1::instance());
    QCOMPARE(qApp->findChildren<MenuBar1*>().size() +
                 (*fenetre_)->findChildren<MenuBar1*>().size(),
             1);
    fenetre_->basculer();
}

void TestMenuBar::items_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QKeySequence>>("shortcuts");
    QTest::newRow("File") << "&File" << QStringList{"FileQuit"} << QStringList{"&Quit"}
                          << QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)};
    QTest::newRow("Edit") << "&Edit"
                          << QStringList{"EditUndo",  "UntitledMenu1", "EditCut",
                                         "EditCopy",  "EditPaste",     "EditClear",
                                         "UntitledMenu0", "EditSelectAll"}
                          << QStringList{"&Undo",  "",        "Cu&t", "&Copy",
                                         "&Paste", "&Delete", "",     "Select &All"}
                          << QList<QKeySequence>{QKeySequence::Undo,  {}, QKeySequence::Cut,
                                                 QKeySequence::Copy,  QKeySequence::Paste,
                                                 {},                  {}, QKeySequence::SelectAll};
}

void TestMenuBar::items() {
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, texts);
    QFETCH(QList<QKeySequence>, shortcuts);
    const QList<QAction*> bar = MenuBar1::instance()->actions();
    const auto titre = std::find_if(bar.begin(), bar.end(),
                                    [&](QAction* a) { return a->text() == menu; });
    QVERIFY(titre != bar.end());
    QCOMPARE((*titre)->objectName(), QString(menu).remove(u'&') + QStringLiteral("Menu"));
    QStringList n, t;
    QList<QKeySequence> s;
    for (QAction* a : (*titre)->menu()->actions()) {
        n << a->objectName();
        t << (a->isSeparator() ? QString() : a->text());
        s << a->shortcut();
    }
    QCOMPARE(n, names);
    QCOMPARE(t, texts);
    QCOMPARE(s, shortcuts);
    QCOMPARE(item("FileQuit")->menuRole(), QAction::QuitRole);
}

void TestMenuBar::editItemsActOnTheFocusedField() {
    QLineEdit* c = champ(1);
    c->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), c);
    c->deselect();
    QVERIFY(!item("EditCopy")->isEnabled() && !item("EditCut")->isEnabled() &&
            !item("EditClear")->isEnabled());
    QVERIFY(item("EditSelectAll")->isEnabled());

    item("EditSelectAll")->trigger();
    QCOMPARE(c->selectedText(), QStringLiteral("2.20"));
    QVERIFY(item("EditCopy")->isEnabled() && item("EditCut")->isEnabled() &&
            item("EditClear")->isEnabled());
    item("EditCut")->trigger();
    QCOMPARE(c->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2.20"));
    QVERIFY(item("EditUndo")->isEnabled() && item("EditPaste")->isEnabled());
    QVERIFY(!item("EditSelectAll")->isEnabled());
    item("EditPaste")->trigger();
    item("EditPaste")->trigger();
    QCOMPARE(c->text(), QStringLiteral("2.202.20"));
    item("EditSelectAll")->trigger();
    item("EditClear")->trigger();
    QCOMPARE(c->text(), QString());
    item("EditUndo")->trigger();
    QCOMPARE(c->text(), QStringLiteral("2.202.20"));
    // Editing changes nothing in use until saved.
    QCOMPARE(Defaut::Deplacements, 2.2);
}

void TestMenuBar::pasteFollowsTheClipboard() {
    QLineEdit* c = champ(2);
    c->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), c);
    QGuiApplication::clipboard()->clear();
    QTRY_VERIFY(!item("EditPaste")->isEnabled());
    QGuiApplication::clipboard()->setText("7,8");
    QTRY_VERIFY(item("EditPaste")->isEnabled());
}

void TestMenuBar::editItemsDisabledWithoutAField() {
    fenetre_->panneau()->hide();
    (*fenetre_)->activateWindow();
    fenetre_->w("PopupMenu1")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), fenetre_->w("PopupMenu1"));
    for (const char* name : {"EditUndo", "EditCut", "EditPaste", "EditClear", "EditSelectAll"})
        QVERIFY2(!item(name)->isEnabled(), name);
}

void TestMenuBar::quitEndsTheEventLoop() {
    QTimer::singleShot(0, item("FileQuit"), &QAction::trigger);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

int main(int argc, char* argv[]) {
    App app(argc, argv);
    TestMenuBar test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menubar.moc"
