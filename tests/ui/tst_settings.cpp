#include "support/Fenetre.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

// The panel's controls: name, geometry, text with the built-in tariffs.
const char* const Disposition = R"(EF(0) 243 12 37 12 3.00
EF(1) 243 34 37 12 2.20
EF(2) 243 56 37 12 7.80
EF(3) 243 78 37 12 9.15
EF(4) 243 100 37 12 4.00
ST(0) 20 12 191 20 Valeur de l'AMI (€)
ST(1) 20 34 191 20 Indemnités de déplacements (€)
ST(2) 20 56 191 20 Majoration dimanches et fériés (€)
ST(3) 20 78 191 20 Majoration de nuit (€)
ST(4) 20 100 220 20 Nombre d'AMI pour un chgt de poche
BevelButton2 118 132 64 22 Enregistrer
EditField1 21 130 0 22 )";

QStringList alertes;
void noterAlerte(QAccessibleEvent* e) {
    if (e->type() == QAccessible::Alert)
        alertes << static_cast<QLabel*>(e->object())->text();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void panelLayout();
    void saveRoundTrip();
    void editsLiveUntilThePanelIsClosed();
    void refusedValues_data();
    void refusedValues();
    void failedSaveIsReportedAndChangesNothing();
    void keyboardOnly();
    void placeBesideTheWindow_data();
    void placeBesideTheWindow();
    void panelStaysOnScreen();

private:
    // The window with its panel shown.
    static std::unique_ptr<Fenetre> ouvrir(const QByteArray& fichier = {}) {
        auto f = std::make_unique<Fenetre>(fichier);
        if (f->montrer())
            f->basculer();
        return f;
    }
    static QLineEdit* EF(const Fenetre& f, int i) {
        return f.panneau()->findChild<QLineEdit*>(QStringLiteral("EF(%1)").arg(i));
    }
    static QLabel* message(const Fenetre& f) { return f.panneau()->findChild<QLabel*>("Message"); }
    static void enregistrer(const Fenetre& f) {
        QTest::mouseClick(f.panneau()->findChild<QPushButton*>("BevelButton2"), Qt::LeftButton);
    }
    // The colour painted in a field, away from its text.
    static QColor fond(const Fenetre& f, int i) {
        return EF(f, i)->grab().toImage().pixelColor(1, 1);
    }
};

void TestSettings::panelLayout() {
    const auto f = ouvrir();
    WPref* p = f->panneau();
    QCOMPARE(p->windowTitle(), QStringLiteral("Paramétrage"));
    QCOMPARE(p->size(), QSize(300, 174));
    QVERIFY(p->windowFlags() & Qt::Tool);
    QCOMPARE(p->grab().toImage().pixelColor(5, 5), WPref::BackColor);
    for (const QString& ligne : QString::fromUtf8(Disposition).split(u'\n')) {
        const QStringList c = ligne.section(u' ', 0, 4).split(u' ');
        const QWidget* w = p->findChild<QWidget*>(c[0]);
        QCOMPARE(w->geometry(), QRect(c[1].toInt(), c[2].toInt(), c[3].toInt(), c[4].toInt()));
        QCOMPARE(w->property("text").toString(), ligne.section(u' ', 5));
        QCOMPARE(w->font().family() + QString::number(w->font().pixelSize()), "Times12");
    }
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!EF(*f, i)->hasFrame());
        QCOMPARE(EF(*f, i)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(fond(*f, i), QColor(255, 255, 102));
    }
    QCOMPARE(p->findChild<QPushButton*>()->focusPolicy(), Qt::NoFocus);
    QVERIFY(!message(*f)->isVisible());
    // A field taking the focus has its value selected, so that typing replaces it.
    EF(*f, 3)->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(EF(*f, 3)->selectedText(), QStringLiteral("9.15"));
}

void TestSettings::saveRoundTrip() {
    // Shown rounded to two places; saved as shown, or as typed.
    const auto f = ouvrir("3.14159\n2,5\n7.8\n9.155\n4\n");
    QCOMPARE(EF(*f, 3)->text(), QStringLiteral("9.16"));
    EF(*f, 0)->setText("3,5");
    enregistrer(*f);
    QCOMPARE(f->dossier().contenu(), QByteArray("3,5\n2.50\n7.80\n9.16\n4.00\n"));
    QCOMPARE(Defaut::AMI, 3.5);
    QCOMPARE(EF(*f, 0)->text(), QStringLiteral("3,5"));
    QCOMPARE(f->texte("StaticText8"), QStringLiteral("66.00 €"));
    QVERIFY(f->panneau()->isVisible());
    // Twice in a row: the same file, the same amounts.
    enregistrer(*f);
    QCOMPARE(f->dossier().contenu(), QByteArray("3,5\n2.50\n7.80\n9.16\n4.00\n"));
    QCOMPARE(f->texte("StaticText8"), QStringLiteral("66.00 €"));
}

void TestSettings::editsLiveUntilThePanelIsClosed() {
    const auto f = ouvrir();
    EF(*f, 3)->setText("10");
    f->basculer();
    QVERIFY(!f->panneau()->isVisible());
    f->basculer();
    QCOMPARE(EF(*f, 3)->text(), QStringLiteral("10"));
    QCOMPARE(Defaut::Nuits, 9.15);
    QCOMPARE(f->texte("StaticText12"), QStringLiteral("64.05 €"));
    // Closed, it is remade from the values in use.
    f->panneau()->close();
    QTRY_VERIFY(!f->panneau());
    f->basculer();
    QCOMPARE(EF(*f, 3)->text(), QStringLiteral("9.15"));
}

void TestSettings::refusedValues_data() {
    QTest::addColumn<int>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("a word") << 1 << "abc"
                            << "« abc » n'est pas un nombre valide pour « Indemnités de "
                               "déplacements (€) ».";
    QTest::newRow("empty") << 0 << " "
                           << "« Valeur de l'AMI (€) » ne peut pas être vide.";
    QTest::newRow("negative") << 3 << "-9.15"
                              << "« -9.15 » n'est pas un nombre valide pour « Majoration de "
                                 "nuit (€) » : il ne peut pas être négatif.";
    QTest::newRow("grouped") << 4 << "1 000"
                             << "« 1 000 » n'est pas un nombre valide pour « Nombre d'AMI pour "
                                "un chgt de poche ».";
    QTest::newRow("above the ceiling")
        << 4 << "9,01"
        << "« 9,01 » est trop grand pour « Nombre d'AMI pour un chgt de poche » : au plus 9.";
    QTest::newRow("three hundred digits")
        << 2 << QString(300, u'9')
        << "« 9999999999999999999… » est trop grand pour « Majoration dimanches et fériés (€) » : "
           "au plus 50.";
}

void TestSettings::refusedValues() {
    QFETCH(int, champ);
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    const auto f = ouvrir("3\n2.2\n7.8\n9.15\n4\n");
    EF(*f, 2)->setText("8");
    EF(*f, champ)->setText(texte);
    enregistrer(*f);
    QCOMPARE(f->dossier().contenu(), QByteArray("3\n2.2\n7.8\n9.15\n4\n"));
    QCOMPARE(Defaut::Dimanches, 7.8);
    QCOMPARE(message(*f)->text(), attendu);
    QVERIFY(message(*f)->isVisible());
    // Whole, inside the panel.
    const QRect place = message(*f)->geometry();
    QVERIFY(f->panneau()->rect().contains(place));
    QCOMPARE(place.topLeft(), QPoint(10, 155));
    QVERIFY(message(*f)->heightForWidth(place.width()) <= place.height());
    QCOMPARE(fond(*f, champ), QColor(255, 190, 190));
    QCOMPARE(fond(*f, champ == 2 ? 1 : 2), QColor(255, 255, 102));
    QTRY_COMPARE(QApplication::focusWidget(), EF(*f, champ));

    EF(*f, champ)->setText("1");
    enregistrer(*f);
    QCOMPARE(message(*f)->text(), QStringLiteral("Tarifs enregistrés."));
    QCOMPARE(fond(*f, champ), QColor(255, 255, 102));
    QCOMPARE(f->panneau()->size(), QSize(300, 174));
    QCOMPARE(Defaut::Dimanches, champ == 2 ? 1.0 : 8.0);
}

void TestSettings::failedSaveIsReportedAndChangesNothing() {
    const auto f = ouvrir();
    QVERIFY(f->dossier().ecrire("x", "plain"));
    framework::FolderItem::SetApplicationFolder(f->dossier().chemin("plain"));
    EF(*f, 0)->setText("5");
    enregistrer(*f);
    QCOMPARE(message(*f)->text(),
             QStringLiteral("Les paramètres n'ont pas pu être enregistrés dans « %1 » : un "
                            "élément du chemin n'est pas un dossier. Rien n'a été modifié.")
                 .arg(f->dossier().chemin("plain/Tarivane")));
    QCOMPARE(Defaut::AMI, 3.0);
    QCOMPARE(f->texte("StaticText8"), QStringLiteral("56.80 €"));
}

void TestSettings::keyboardOnly() {
    const Fenetre f;
    QVERIFY(f.montrer());
    QAccessible::installUpdateHandler(noterAlerte);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    // Ctrl+, opens the panel; the first key changes nothing, the panel is announced.
    QTest::keyClick(f.fenetre(), Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(f.panneau() && f.panneau()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("EditField1"));
    QCOMPARE(QApplication::focusWidget()->accessibleName(),
             QStringLiteral("Paramétrage des tarifs"));
    QTest::keyClicks(QApplication::focusWidget(), "12");
    QCOMPARE(EF(f, 0)->text() + EF(f, 4)->text(), QStringLiteral("3.004.00"));
    // Tab goes to the first field, then round the five, never back to the empty one.
    QStringList tour;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tour << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(tour, (QStringList{"EF(0)", "EF(1)", "EF(2)", "EF(3)", "EF(4)", "EF(0)"}));
    // Typed over the selected value, saved with Return, confirmed in place and read out.
    QTest::keyClicks(EF(f, 0), "3,5");
    QTest::keyClick(EF(f, 0), Qt::Key_Return);
    QCOMPARE(f.dossier().contenu(), QByteArray("3,5\n2.20\n7.80\n9.15\n4.00\n"));
    QCOMPARE(f.texte("StaticText8"), QStringLiteral("64.80 €"));
    QCOMPARE(message(f)->text(), QStringLiteral("Tarifs enregistrés."));
    QCOMPARE(alertes, QStringList{"Tarifs enregistrés."});
    QCOMPARE(f.panneau()->size(), QSize(300, 174));
    // Gone at the next edit; Ctrl+S saves as well.
    QTest::keyClicks(EF(f, 0), "7");
    QVERIFY(!message(f)->isVisible());
    QTest::keyClick(EF(f, 0), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Defaut::AMI, 3.57);
    // Escape closes the panel and gives the focus back to the main window.
    QTest::keyClick(EF(f, 0), Qt::Key_Escape);
    QVERIFY(!f.panneau()->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), f.fenetre());
    QAccessible::installUpdateHandler(nullptr);
}

void TestSettings::placeBesideTheWindow_data() {
    QTest::addColumn<QRect>("fenetre");
    QTest::addColumn<QRect>("ecran");
    QTest::addColumn<QPoint>("place");
    const QRect grand(0, 0, 1920, 1080);
    QTest::newRow("room on the right") << QRect(100, 100, 520, 350) << grand << QPoint(620, 100);
    QTest::newRow("at the right edge: on the left")
        << QRect(1400, 100, 520, 350) << grand << QPoint(1100, 100);
    QTest::newRow("no room either side: as near as it fits")
        << QRect(100, 30, 520, 350) << QRect(0, 0, 800, 600) << QPoint(0, 30);
    QTest::newRow("low on the screen: raised to fit, still on the right")
        << QRect(100, 950, 520, 100) << grand << QPoint(620, 880);
    QTest::newRow("a second screen")
        << QRect(2800, 100, 520, 350) << QRect(1920, 0, 1280, 1024) << QPoint(2500, 100);
}

void TestSettings::placeBesideTheWindow() {
    QFETCH(QRect, fenetre);
    QFETCH(QRect, ecran);
    QFETCH(QPoint, place);
    QCOMPARE(WPref::place(fenetre, QSize(300, 200), ecran), place);
}

void TestSettings::panelStaysOnScreen() {
    const auto f = ouvrir();
    const QRect ecran = (*f)->screen()->availableGeometry();
    for (int x : {0, ecran.right() - (*f)->frameGeometry().width(), ecran.width() / 3}) {
        (*f)->move(x, 40);
        QVERIFY(ecran.contains(f->panneau()->frameGeometry()));
        QCOMPARE(f->panneau()->frameGeometry().topLeft(),
                 WPref::place((*f)->frameGeometry(), f->panneau()->frameGeometry().size(), ecran));
    }
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
