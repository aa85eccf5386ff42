#include "app/App.h"
#include "app/MenuBar1.h"
#include "support/Fenetre.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
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
    void qtSpeaksFrench();
    void withoutADisplay();
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
    QCOMPARE(qApp->findChildren<MenuBar1*>().size() + (*fenetre_)->findChildren<MenuBar1*>().size(),
             1);
    fenetre_->basculer();
}

void TestMenuBar::items_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts"); // a separator has none, shown or read out
    QTest::addColumn<QList<QKeySequence>>("shortcuts");
    QTest::newRow("File") << "&File"
                          << QStringList{"FilePrint", "FileExportPdf", "UntitledMenu3", "FileQuit"}
                          << QStringList{"&Imprimer…", "E&xporter en PDF…", "", "&Quit"}
                          << QList<QKeySequence>{
                                 QKeySequence::Print, {}, {}, QKeySequence(Qt::CTRL | Qt::Key_Q)};
    QTest::newRow("Edit") << "&Edit"
                          << QStringList{"EditUndo",       "UntitledMenu1", "EditCut",
                                         "EditCopy",       "EditPaste",     "EditClear",
                                         "UntitledMenu0",  "EditSelectAll", "UntitledMenu2",
                                         "EditPreferences"}
                          << QStringList{"&Undo",   "", "Cu&t",        "&Copy", "&Paste",
                                         "&Delete", "", "Select &All", "",      "Pa&ramétrage…"}
                          << QList<QKeySequence>{QKeySequence::Undo,
                                                 {},
                                                 QKeySequence::Cut,
                                                 QKeySequence::Copy,
                                                 QKeySequence::Paste,
                                                 {},
                                                 {},
                                                 QKeySequence::SelectAll,
                                                 {},
                                                 QKeySequence(Qt::CTRL | Qt::Key_Comma)};
    QTest::newRow("?") << "?" << QStringList{"HelpAbout"} << QStringList{"À &propos de Tarivane"}
                       << QList<QKeySequence>{{}};
}

void TestMenuBar::items() {
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, texts);
    QFETCH(QList<QKeySequence>, shortcuts);
    const QList<QAction*> bar = MenuBar1::instance()->actions();
    const auto titre =
        std::find_if(bar.begin(), bar.end(), [&](QAction* a) { return a->text() == menu; });
    QVERIFY(titre != bar.end());
    QStringList n, t;
    QList<QKeySequence> s;
    QMenu* m = (*titre)->menu();
    for (QAction* a : m->actions()) {
        n << a->objectName();
        t << a->text();
        s << a->shortcut();
        QCOMPARE(a->isSeparator(), a->text().isEmpty());
    }
    QCOMPARE(n, names);
    QCOMPARE(t, texts);
    QCOMPARE(s, shortcuts);
    QCOMPARE(item("FileQuit")->menuRole(), QAction::QuitRole);
    QCOMPARE(item("EditPreferences")->menuRole(), QAction::PreferencesRole);
    QCOMPARE(item("HelpAbout")->menuRole(), QAction::AboutRole);
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
    // Out of a text field, Copy copies the estimate.
    QVERIFY(item("EditCopy")->isEnabled());
}

void TestMenuBar::qtSpeaksFrench() {
    std::unique_ptr<QMenu> menu(champ(0)->createStandardContextMenu());
    QStringList textes;
    for (const QAction* a : menu->actions())
        textes << a->text().section(u'\t', 0, 0).remove(u'&');
    QVERIFY2(textes.contains("Copier") && textes.contains("Tout sélectionner"),
             qPrintable(textes.join(u',')));
}

void TestMenuBar::withoutADisplay() {
    QProcess programme;
    programme.setProcessEnvironment(QProcessEnvironment());
    programme.start(QStringLiteral(TARIVANE_PROGRAMME), {});
    QVERIFY(programme.waitForFinished(10000));
    QCOMPARE(programme.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programme.exitCode(), 1);
    const QString erreur = QString::fromUtf8(programme.readAllStandardError());
    QVERIFY2(erreur.startsWith("Tarivane a besoin d'une session graphique") &&
                 erreur.contains("xvfb-run"),
             qPrintable(erreur));
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
