#include "app/MenuBar1.h"
#include "support/Fenetre.h"

#include <QAccessible>
#include <QComboBox>
#include <QMessageBox>
#include <QRadioButton>

namespace {

// How a control reads: its text, then for a label its alignment, colour and style.
QString aspect(const QWidget* c) {
    const QFont f = c->font();
    if (f.family() != QLatin1String("Times") || f.pixelSize() != 12)
        return QStringLiteral("not Times 12");
    if (auto* p = qobject_cast<const QComboBox*>(c))
        return p->currentText() + QStringLiteral(" of ") + QString::number(p->count());
    if (auto* r = qobject_cast<const QRadioButton*>(c))
        return r->text() + (r->isChecked() ? QStringLiteral(" chosen") : QString());
    auto* l = qobject_cast<const QLabel*>(c);
    if (!l)
        return {};
    const Qt::Alignment a = l->alignment() & Qt::AlignHorizontal_Mask;
    const QColor couleur = l->palette().color(QPalette::WindowText);
    return QStringList{l->text(),
                       a == Qt::AlignLeft      ? "left"
                       : a == Qt::AlignHCenter ? "centre"
                                               : "right",
                       couleur == Qt::black  ? "black"
                       : couleur == Qt::blue ? "blue"
                                             : couleur.name(),
                       f.bold() ? "bold" : "", f.underline() ? "underlined" : ""}
        .join(u' ')
        .trimmed();
}

} // namespace

class TestWindow1 : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void windowAndBackground();
    void initialAmounts_data();
    void initialAmounts();
    void eachPopupRecomputes_data();
    void eachPopupRecomputes();
    void modalitySwitchBothWays();
    void surveillanceRowOnlyInDpa();
    void readOutToScreenReaders();
    void settingsFileNotice_data();
    void settingsFileNotice();
    void linkHoverAndToggle();
    void amountsAtTheCeilingsShowWhole();
};

void TestWindow1::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("aspect"); // once opened with the built-in tariffs
    const auto row = [](const char* name, QRect g, bool visible, const QString& aspect) {
        QTest::newRow(name) << QString(name) << g << visible << aspect;
    };
    row("StaticText1", {20, 39, 270, 20}, true,
        "Nombre de poches par jour de traitement left black");
    row("PopupMenu1", {395, 40, 45, 20}, true, "4 of 7");
    row("StaticText2", {20, 59, 285, 20}, true,
        "Nombre de jours de traitement par semaine left black");
    row("PopupMenu2", {395, 59, 45, 20}, true, "7 of 7");
    row("StaticText3", {20, 99, 241, 20}, true,
        "Nombre de dimanches et jour fériés par semaine left black");
    row("PopupMenu3", {395, 99, 45, 20}, true, "1 of 8");
    row("StaticText4", {20, 79, 285, 20}, true, "Nombre de pansements par semaine left black");
    row("PopupMenu4", {395, 79, 45, 20}, true, "3 of 8");
    row("StaticText5", {20, 119, 195, 20}, true, "Nombre d'actes de nuit par semaine left black");
    row("PopupMenu5", {395, 119, 45, 20}, true, "7 of 15");
    row("Canvas1", {67, 171, 386, 85}, true, "");
    row("RB(0)", {20, 7, 70, 20}, true, "DPCA chosen");
    row("RB(1)", {460, 7, 48, 20}, true, "DPA");
    row("StaticText6", {20, 139, 324, 20}, false,
        "Nombre d'organisations de la surveillance par semaine\r left black");
    row("PopupMenu6", {395, 139, 45, 20}, false, "7 of 15");
    row("StaticText7", {210, 268, 100, 20}, true, "Paramétrage centre black bold underlined");
    row("StaticText8", {453, 39, 55, 20}, true, "56.80 € right blue bold");
    row("StaticText9", {453, 59, 55, 20}, true, "397.60 € right blue bold");
    row("StaticText10", {453, 79, 55, 20}, true, "36.00 € right blue bold");
    row("StaticText11", {453, 99, 55, 20}, true, "31.20 € right blue bold");
    row("StaticText12", {453, 119, 55, 20}, true, "64.05 € right blue bold");
    row("StaticText13", {453, 139, 55, 20}, false, "Na right blue bold");
    row("StaticText14", {96, 7, 314, 20}, true, "Modalité de traitement centre black bold");
    row("StaticText15", {299, 39, 69, 20}, true, "AMI 4 + IFD centre black");
    row("StaticText16", {299, 79, 69, 20}, true, "AMI 4 centre black");
    row("StaticText17", {299, 99, 69, 20}, true, "ISD centre black");
    row("StaticText18", {299, 119, 69, 20}, true, "ISN centre black");
}

void TestWindow1::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(QString, aspect);
    const Fenetre f;
    const QWidget* c = f.w(name);
    QCOMPARE(c->parentWidget(), f->centralWidget());
    QCOMPARE(c->geometry(), geometry);
    QCOMPARE(!c->isHidden(), visible);
    QCOMPARE(::aspect(c), aspect);
    QCOMPARE(f->centralWidget()->children().size(), 27);
}

void TestWindow1::windowAndBackground() {
    const Fenetre f;
    QVERIFY(f.montrer());
    QCOMPARE(f->windowTitle(), QStringLiteral("Tarivane en Dialyse Péritonéale"));
    QCOMPARE(f->menuBar(), MenuBar1::instance());
    QCOMPARE(f->centralWidget()->size(), QSize(520, 308));
    QCOMPARE(f->minimumSize(), f->maximumSize());
    QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(Window1::instance(), f.fenetre());
    // The pale green the user sees, where no control is, and around the sheet.
    const QImage vue = f->centralWidget()->grab().toImage();
    for (QPoint p : {QPoint(5, 300), QPoint(515, 5), QPoint(60, 200), QPoint(200, 170)})
        QCOMPARE(vue.pixelColor(p), Window1::BackColor);
}

void TestWindow1::initialAmounts_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QStringList>("lignes"); // StaticText8..12 then StaticText15
    QTest::newRow("no settings file")
        << QByteArray()
        << QStringList{"56.80 €", "397.60 €", "36.00 €", "31.20 €", "64.05 €", "AMI 4 + IFD"};
    QTest::newRow("settings file with five AMI per bag")
        << QByteArray("3.00\n2.20\n7.80\n9.15\n5\n")
        << QStringList{"68.80 €", "481.60 €", "36.00 €", "31.20 €", "64.05 €", "AMI 5 + IFD"};
    QTest::newRow("settings file with a fractional count of AMI")
        << QByteArray("3.00\n2.20\n7.80\n9.15\n4,5\n")
        << QStringList{"62.80 €", "439.60 €", "36.00 €", "31.20 €", "64.05 €", "AMI 4.5 + IFD"};
}

void TestWindow1::initialAmounts() {
    QFETCH(QByteArray, fichier);
    QFETCH(QStringList, lignes);
    const Fenetre f(fichier);
    QStringList vus;
    for (const char* nom : {"StaticText8", "StaticText9", "StaticText10", "StaticText11",
                            "StaticText12", "StaticText15"})
        vus << f.texte(nom);
    QCOMPARE(vus, lignes);
}

void TestWindow1::eachPopupRecomputes_data() {
    QTest::addColumn<QString>("popup");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sheet"); // the weekly total read out with the sheet
    QTest::newRow("bags") << "PopupMenu1" << 6 << "StaticText8" << "85.20 €" << "743.25 €";
    QTest::newRow("days") << "PopupMenu2" << 0 << "StaticText9" << "56.80 €" << "188.05 €";
    QTest::newRow("Sundays") << "PopupMenu3" << 2 << "StaticText11" << "62.40 €" << "560.05 €";
    QTest::newRow("dressings") << "PopupMenu4" << 7 << "StaticText10" << "84.00 €"
                               << "576.85 €";
    QTest::newRow("nights") << "PopupMenu5" << 14 << "StaticText12" << "128.10 €" << "592.90 €";
}

void TestWindow1::eachPopupRecomputes() {
    QFETCH(QString, popup);
    QFETCH(int, index);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QString, sheet);
    const Fenetre f;
    QVERIFY(f.montrer());
    const QImage avant = f.w("Canvas1")->grab().toImage();
    f.w<QComboBox>(popup)->setCurrentIndex(index);
    QCOMPARE(f.texte(label), text);
    QVERIFY(f.w("Canvas1")->accessibleDescription().contains(sheet));
    QVERIFY(f.w("Canvas1")->grab().toImage() != avant);
}

void TestWindow1::modalitySwitchBothWays() {
    const Fenetre f;
    f.w<QComboBox>("PopupMenu2")->setCurrentIndex(4);
    f.w<QComboBox>("PopupMenu3")->setCurrentIndex(2);
    f.w<QComboBox>("PopupMenu5")->setCurrentIndex(3);
    const auto etat = [&] {
        QStringList s;
        for (int i = 1; i <= 6; ++i)
            s << f.w<QComboBox>(QStringLiteral("PopupMenu%1").arg(i))->currentText();
        s << f.texte("StaticText1") << QString::number(f.w("StaticText6")->isHidden());
        for (int i = 8; i <= 13; ++i)
            s << f.texte(QStringLiteral("StaticText%1").arg(i));
        return s;
    };
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(etat(), (QStringList{"2", "5", "2", "7", "3", "7",
                                  "Nombre de branchements ou débranchements par jour", "0",
                                  "28.40 €", "142.00 €", "84.00 €", "31.20 €", "27.45 €",
                                  "84.00 €"}));
    QVERIFY(!f.w("PopupMenu6")->isHidden() && !f.w("StaticText13")->isHidden());
    QVERIFY(f.w("Canvas1")->accessibleDescription().startsWith("DPA."));
    QCOMPARE(f.w("PopupMenu1")->accessibleName(), f.texte("StaticText1"));

    QTest::mouseClick(f.w("RB(0)"), Qt::LeftButton);
    QCOMPARE(etat(), (QStringList{"4", "5", "2", "3", "3", "7",
                                  "Nombre de poches par jour de traitement", "1", "56.80 €",
                                  "284.00 €", "36.00 €", "62.40 €", "27.45 €", "84.00 €"}));
    QVERIFY(f.w("PopupMenu6")->isHidden() && f.w("StaticText13")->isHidden());
    QCOMPARE(f.w("Canvas1")->accessibleDescription(),
             QStringLiteral("DPCA. Facturation hebdomadaire : 409.85 €. "
                            "Facturation mensuelle moyenne : 1,776.02 €."));
}

void TestWindow1::surveillanceRowOnlyInDpa() {
    const Fenetre f;
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    f.w<QComboBox>("PopupMenu6")->setCurrentIndex(3);
    QCOMPARE(f.texte("StaticText13"), QStringLiteral("36.00 €"));
    QTest::mouseClick(f.w("RB(0)"), Qt::LeftButton);
    f.w<QComboBox>("PopupMenu5")->setCurrentIndex(0);
    // Hidden, it keeps the last DPA amount; the DPCA total never includes it.
    QCOMPARE(f.texte("StaticText13"), QStringLiteral("36.00 €"));
    QVERIFY(f.w("Canvas1")->accessibleDescription().contains("464.80 €"));
    QCOMPARE(f.w<QComboBox>("PopupMenu6")->currentText(), QStringLiteral("3"));
    // Back in DPA, seven organisations again.
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(f.w<QComboBox>("PopupMenu6")->currentText(), QStringLiteral("7"));
    // Clicking the modality already chosen changes nothing.
    f.w<QComboBox>("PopupMenu1")->setCurrentIndex(5);
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(f.w<QComboBox>("PopupMenu1")->currentText(), QStringLiteral("5"));
}

void TestWindow1::readOutToScreenReaders() {
    const Fenetre f;
    const auto nom = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(f.w(control))->text(QAccessible::Name);
    };
    // A pop-up is named by its row's label (on Linux, through the label relation).
    for (auto [menu, label] : {std::pair{"PopupMenu4", "StaticText4"}, {"PopupMenu6", "StaticText6"}}) {
        const auto relations =
            QAccessible::queryAccessibleInterface(f.w(menu))->relations(QAccessible::Label);
        QCOMPARE(relations.size(), 1);
        QCOMPARE(relations.first().first->object(), f.w(label));
        QCOMPARE(f.w(menu)->accessibleName(), f.texte(label).trimmed());
    }
    QCOMPARE(nom("StaticText6"),
             QStringLiteral("Nombre d'organisations de la surveillance par semaine"));
    QCOMPARE(nom("StaticText7"), QStringLiteral("Paramétrage"));
    QCOMPARE(nom("RB(1)"), QStringLiteral("DPA"));
    // Amounts are read out as they are shown now, not as the window opened.
    QCOMPARE(nom("StaticText8"), QStringLiteral("56.80 €"));
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(nom("StaticText8"), QStringLiteral("28.40 €"));
    // Tab order follows the rows on screen.
    QStringList ordre;
    QWidget* c = f.w("RB(0)");
    for (int i = 0; i < 8; ++i) {
        ordre << c->objectName();
        do
            c = c->nextInFocusChain();
        while (!(c->focusPolicy() & Qt::TabFocus) || c->isHidden());
    }
    QCOMPARE(ordre, (QStringList{"RB(0)", "RB(1)", "PopupMenu1", "PopupMenu2", "PopupMenu4",
                                 "PopupMenu3", "PopupMenu5", "PopupMenu6"}));
}

void TestWindow1::settingsFileNotice_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("texte"); // %1: the file
    QTest::newRow("two lines ignored")
        << QByteArray("3.00\nabc\n7.80\n\n4\n")
        << "Dans le fichier de paramètres « %1 », les lignes 2 et 4 ne sont pas des valeurs "
           "admises : elles gardent la valeur par défaut.";
    QTest::newRow("one line above its ceiling")
        << QByteArray("3.00\n2.20\n7.80\n9.15\n10\n")
        << "Dans le fichier de paramètres « %1 », la ligne 5 n'est pas une valeur admise : elle "
           "garde la valeur par défaut.";
    QTest::newRow("a folder in its place")
        << QByteArray("dossier")
        << "Le fichier de paramètres « %1 » n'a pas pu être lu : ce n'est pas un fichier "
           "ordinaire mais un dossier. Les tarifs par défaut sont utilisés.";
    QTest::newRow("a good file") << QByteArray("3\n2\n7\n9\n4\n") << "";
}

void TestWindow1::settingsFileNotice() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, texte);
    Dossier place;
    if (fichier == "dossier")
        QVERIFY(QDir().mkdir(place.chemin()));
    else
        QVERIFY(place.ecrire(fichier));
    // The calculation does not wait for the user: the defaults are in use already.
    Window1* w = Window1::instance();
    QCOMPARE(w->findChild<QLabel*>("StaticText8")->text().isEmpty(), false);
    w->show();
    QTRY_VERIFY(texte.isEmpty() || w->findChild<QMessageBox*>("AvisLecture"));
    QTest::qWait(10);
    auto* avis = w->findChild<QMessageBox*>("AvisLecture");
    QCOMPARE(avis ? avis->text() : QString(),
             QString(texte).replace(QStringLiteral("%1"), place.chemin()));
    if (avis) {
        QVERIFY(!avis->isModal());
        avis->close();
        w->hide();
        w->show();
        QTest::qWait(10);
        QVERIFY(!w->findChild<QMessageBox*>("AvisLecture"));
    }
    delete w;
}

void TestWindow1::linkHoverAndToggle() {
    const Fenetre f;
    QVERIFY(f.montrer());
    auto* lien = f.w<QLabel>("StaticText7");
    QCOMPARE(lien->cursor().shape(), Qt::PointingHandCursor);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(lien, &enter);
    QCOMPARE(lien->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCoreApplication::sendEvent(lien, &leave);
    QCOMPARE(lien->palette().color(QPalette::WindowText), QColor(Qt::black));

    QVERIFY(!f.panneau());
    QTest::mouseClick(lien, Qt::LeftButton, {}, QPoint(95, 18));
    QVERIFY(f.panneau() && f.panneau()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), f.panneau()->findChild<QWidget*>("EditField1"));
    // The main window stays usable while the panel is shown.
    f.w<QComboBox>("PopupMenu5")->setCurrentIndex(0);
    QCOMPARE(f.texte("StaticText12"), QStringLiteral("0.00 €"));
    QCoreApplication::sendEvent(lien, &enter);
    QCOMPARE(lien->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QTest::mouseClick(lien, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!f.panneau()->isVisible());
    QTest::mouseClick(lien, Qt::LeftButton);
    QVERIFY(f.panneau()->isVisible());
}

void TestWindow1::amountsAtTheCeilingsShowWhole() {
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        const Fenetre f("20\n20\n50\n50\n9\n");
        QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
        for (const char* menu : {"PopupMenu1", "PopupMenu2", "PopupMenu3", "PopupMenu4",
                                 "PopupMenu5", "PopupMenu6"}) {
            auto* p = f.w<QComboBox>(menu);
            p->setCurrentIndex(p->count() - 1);
        }
        for (int i = 8; i <= 15; ++i) {
            if (i == 14)
                continue;
            const QLabel* l = f.w<QLabel>(QStringLiteral("StaticText%1").arg(i));
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                     qPrintable(l->text()));
        }
        QCOMPARE(f.texte("StaticText9"),
                 locale == QLocale::c() ? QStringLiteral("8,400.00 €") : QStringLiteral("8\u202F400,00 €"));
    }
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestWindow1)
#include "tst_window1.moc"
