#include "app/App.h"
#include "app/MenuBar1.h"
#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"
#include "ui/settings/WPref.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestMenuBar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void sharedByApplicationAndWindow();
    void items_data();
    void items();
    void menusInOrder();
    void editItemsActOnTheFocusedField();
    void pasteFollowsTheClipboard();
    void editItemsDisabledWithoutAField();
    void quitEndsTheEventLoop();

private:
    QAction* item(const char* name) const { return MenuBar1::instance()->item(name); }
    QTemporaryDir dir_;
};

void TestMenuBar::initTestCase() {
    framework::FolderItem::SetApplicationFolder(dir_.path());
    Window1::instance()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Window1::instance()));
}

void TestMenuBar::cleanupTestCase() {
    framework::FolderItem::SetApplicationFolder({});
}

void TestMenuBar::sharedByApplicationAndWindow() {
    auto* app = qobject_cast<App*>(qApp);
    QVERIFY(app);
    QCOMPARE(app->MenuBar(), MenuBar1::instance());
    QCOMPARE(Window1::instance()->menuBar(), MenuBar1::instance());
    QCOMPARE(MenuBar1::instance()->objectName(), QStringLiteral("MenuBar1"));
    QCOMPARE(qApp->findChildren<MenuBar1*>().size() +
                 Window1::instance()->findChildren<MenuBar1*>().size(),
             1);
}

void TestMenuBar::items_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("separator");
    QTest::newRow("FileQuit") << "FileQuit"
                              << "&Quit" << QKeySequence(QKeySequence::Quit) << false;
    QTest::newRow("EditUndo") << "EditUndo"
                              << "&Undo" << QKeySequence(QKeySequence::Undo) << false;
    QTest::newRow("UntitledMenu1") << "UntitledMenu1"
                                   << "-" << QKeySequence() << true;
    QTest::newRow("EditCut") << "EditCut"
                             << "Cu&t" << QKeySequence(QKeySequence::Cut) << false;
    QTest::newRow("EditCopy") << "EditCopy"
                              << "&Copy" << QKeySequence(QKeySequence::Copy) << false;
    QTest::newRow("EditPaste") << "EditPaste"
                               << "&Paste" << QKeySequence(QKeySequence::Paste) << false;
    QTest::newRow("EditClear") << "EditClear"
                               << "&Delete" << QKeySequence() << false;
    QTest::newRow("UntitledMenu0") << "UntitledMenu0"
                                   << "-" << QKeySequence() << true;
    QTest::newRow("EditSelectAll")
        << "EditSelectAll"
        << "Select &All" << QKeySequence(QKeySequence::SelectAll) << false;
}

void TestMenuBar::items() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, separator);
    const QAction* a = MenuBar1::instance()->item(name);
    QVERIFY(a);
    QCOMPARE(a->isSeparator(), separator);
    if (!separator)
        QCOMPARE(a->text(), text);
    if (!shortcut.isEmpty())
        QCOMPARE(a->shortcut(), shortcut);
    else if (name != QLatin1String("FileQuit"))
        QVERIFY(a->shortcut().isEmpty());
}

void TestMenuBar::menusInOrder() {
    const QList<QAction*> bar = MenuBar1::instance()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(bar[0]->objectName(), QStringLiteral("FileMenu"));
    QCOMPARE(bar[1]->text(), QStringLiteral("&Edit"));
    QCOMPARE(bar[1]->objectName(), QStringLiteral("EditMenu"));
    QStringList file, edit;
    for (QAction* a : bar[0]->menu()->actions())
        file << a->objectName();
    for (QAction* a : bar[1]->menu()->actions())
        edit << a->objectName();
    QCOMPARE(file, QStringList{"FileQuit"});
    QCOMPARE(edit, (QStringList{"EditUndo", "UntitledMenu1", "EditCut", "EditCopy", "EditPaste",
                                "EditClear", "UntitledMenu0", "EditSelectAll"}));
    QCOMPARE(item("FileQuit")->menuRole(), QAction::QuitRole);
    QVERIFY(!item("FileQuit")->shortcut().isEmpty());
}

void TestMenuBar::editItemsActOnTheFocusedField() {
    QTest::mouseClick(Window1::instance()->findChild<QLabel*>("StaticText7"), Qt::LeftButton);
    auto* champ = WPref::instance()->findChild<QLineEdit*>("EF(1)");
    champ->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), champ);
    champ->deselect();
    QVERIFY(!item("EditCopy")->isEnabled());
    QVERIFY(!item("EditCut")->isEnabled());
    QVERIFY(item("EditSelectAll")->isEnabled());

    item("EditSelectAll")->trigger();
    QCOMPARE(champ->selectedText(), QStringLiteral("2.20"));
    QVERIFY(item("EditCopy")->isEnabled() && item("EditCut")->isEnabled() &&
            item("EditClear")->isEnabled());
    item("EditCut")->trigger();
    QCOMPARE(champ->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2.20"));
    QVERIFY(item("EditUndo")->isEnabled());
    QVERIFY(item("EditPaste")->isEnabled());
    item("EditPaste")->trigger();
    item("EditPaste")->trigger();
    QCOMPARE(champ->text(), QStringLiteral("2.202.20"));
    item("EditSelectAll")->trigger();
    item("EditClear")->trigger();
    QCOMPARE(champ->text(), QString());
    item("EditUndo")->trigger();
    QCOMPARE(champ->text(), QStringLiteral("2.202.20"));
    // Editing changes nothing in use until saved.
    QCOMPARE(Defaut::Deplacements, 2.2);
}

void TestMenuBar::pasteFollowsTheClipboard() {
    auto* champ = WPref::instance()->findChild<QLineEdit*>("EF(2)");
    champ->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), champ);
    QGuiApplication::clipboard()->clear();
    QTRY_VERIFY(!item("EditPaste")->isEnabled());
    QGuiApplication::clipboard()->setText("7,8");
    QTRY_VERIFY(item("EditPaste")->isEnabled());
}

void TestMenuBar::editItemsDisabledWithoutAField() {
    WPref::instance()->hide();
    Window1::instance()->activateWindow();
    Window1::instance()->findChild<QWidget*>("PopupMenu1")->setFocus();
    QTRY_VERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    for (const char* name :
         {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
        QVERIFY2(!item(name)->isEnabled(), name);
}

void TestMenuBar::quitEndsTheEventLoop() {
    QTimer::singleShot(0, item("FileQuit"), &QAction::trigger);
    QTimer failsafe;
    failsafe.setSingleShot(true);
    bool timedOut = false;
    connect(&failsafe, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    failsafe.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timedOut);
}

int main(int argc, char* argv[]) {
    Defaut::Initialiser();
    App app(argc, argv);
    TestMenuBar test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menubar.moc"
