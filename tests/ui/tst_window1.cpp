#include "app/App.h"
#include "app/MenuBar1.h"
#include "support/Fenetre.h"
#include "ui/Style.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolTip>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <cmath>

namespace {

// Each control once opened with the built-in tariffs: name, geometry, shown, and how it reads
// (a label's text, alignment, colour and style; a pop-up's choice and item count).
const char* const Disposition =
    R"(StaticText1 20 39 270 20 1 Nombre de poches par jour de traitement/left black
PopupMenu1 395 40 45 20 1 4 of 7
StaticText2 20 59 285 20 1 Nombre de jours de traitement par semaine/left black
PopupMenu2 395 59 45 20 1 7 of 7
StaticText3 20 99 241 20 1 Nombre de dimanches et jour fériés par semaine/left black
PopupMenu3 395 99 45 20 1 1 of 8
StaticText4 20 79 285 20 1 Nombre de pansements par semaine/left black
PopupMenu4 395 79 45 20 1 3 of 8
StaticText5 20 119 195 20 1 Nombre d'actes de nuit par semaine/left black
PopupMenu5 395 119 45 20 1 7 of 15
Canvas1 67 171 386 85 1 
RB(0) 20 7 70 20 1 DPCA chosen
RB(1) 460 7 48 20 1 DPA
StaticText6 20 139 324 20 0 Nombre d'organisations de la surveillance par semaine\r/left black
PopupMenu6 395 139 45 20 0 7 of 15
StaticText7 210 268 100 20 1 Paramétrage/centre black bold underlined
StaticText8 453 39 55 20 1 56.80 €/right blue bold
StaticText9 453 59 55 20 1 397.60 €/right blue bold
StaticText10 453 79 55 20 1 36.00 €/right blue bold
StaticText11 453 99 55 20 1 31.20 €/right blue bold
StaticText12 453 119 55 20 1 64.05 €/right blue bold
StaticText13 453 139 55 20 0 Na/right blue bold
StaticText14 96 7 314 20 1 Modalité de traitement/centre black bold
StaticText15 299 39 69 20 1 AMI 4 + IFD/centre black
StaticText16 299 79 69 20 1 AMI 4/centre black
StaticText17 299 99 69 20 1 ISD/centre black
StaticText18 299 119 69 20 1 ISN/centre black)";

QString aspect(const QWidget* c) {
    if (c->font().family() != QLatin1String("Times") || c->font().pixelSize() != 12)
        return QStringLiteral("not Times 12");
    if (auto* p = qobject_cast<const QComboBox*>(c))
        return QStringLiteral("%1 of %2").arg(p->currentText()).arg(p->count());
    if (auto* r = qobject_cast<const QRadioButton*>(c))
        return r->text() + (r->isChecked() ? QStringLiteral(" chosen") : QString());
    auto* l = qobject_cast<const QLabel*>(c);
    if (!l)
        return {};
    const Qt::Alignment a = l->alignment() & Qt::AlignHorizontal_Mask;
    const QColor couleur = l->palette().color(QPalette::WindowText);
    return (l->text() + u'/' +
            QStringList{a == Qt::AlignLeft    ? "left"
                        : a == Qt::AlignRight ? "right"
                                              : "centre",
                        couleur == Qt::black  ? "black"
                        : couleur == Qt::blue ? "blue"
                                              : couleur.name(),
                        l->font().bold() ? "bold" : "", l->font().underline() ? "underlined" : ""}
                .join(u' '))
        .trimmed();
}

// The window as the user reads it: the six choices, the row amounts and the sheet.
QString lecture(const Fenetre& f) {
    QStringList choix, montants;
    for (int i = 1; i <= 6; ++i)
        choix << f.w<QComboBox>(QStringLiteral("PopupMenu%1").arg(i))->currentText();
    for (int i = 8; i <= 13; ++i)
        montants << f.texte(QStringLiteral("StaticText%1").arg(i));
    return choix.join(u' ') + QStringLiteral(" | ") + montants.join(QStringLiteral(", ")) +
           QStringLiteral(" | ") + f.w("Canvas1")->accessibleDescription();
}

} // namespace

class TestWindow1 : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void windowAndBackground();
    void choices_data();
    void choices();
    void readOutToScreenReaders();
    void settingsFileNotice_data();
    void settingsFileNotice();
    void linkHoverAndToggle();
    void amountsAtTheCeilingsShowWhole();
    void readableWithADarkTheme();
    void textsFitTheirControls();
    void estimateLeavesTheWindow();
    void about_data();
    void about();
};

void TestWindow1::layout() {
    const Fenetre f;
    QCOMPARE(f->centralWidget()->children().size(), 27);
    for (const QString& ligne : QString::fromUtf8(Disposition).split(u'\n')) {
        const QStringList c = ligne.section(u' ', 0, 5).split(u' ');
        const QWidget* w = f.w(c[0]);
        QCOMPARE(w->parentWidget(), f->centralWidget());
        QCOMPARE(w->geometry(), QRect(c[1].toInt(), c[2].toInt(), c[3].toInt(), c[4].toInt()));
        QCOMPARE(!w->isHidden(), c[5] == u'1');
        QCOMPARE(aspect(w), ligne.section(u' ', 6).replace(QStringLiteral("\\r"), "\r"));
    }
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
    // The program's icon on every window, even where no icon theme holds it.
    f.basculer();
    for (const QWidget* fenetre : std::initializer_list<const QWidget*>{f.fenetre(), f.panneau()})
        QVERIFY(!fenetre->windowIcon().pixmap(48).isNull());
    // The pale green the user sees, where no control is, and around the sheet.
    const QImage vue = f->centralWidget()->grab().toImage();
    for (QPoint p : {QPoint(5, 300), QPoint(515, 5), QPoint(60, 200), QPoint(200, 170)})
        QCOMPARE(vue.pixelColor(p), Window1::BackColor);
}

void TestWindow1::choices_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("gestes"); // a click on a radio button, or "pop-up=index"
    QTest::addColumn<QString>("vu");
    const auto row = [](const char* nom, const char* fichier, const char* gestes, const char* vu) {
        QTest::newRow(nom) << QByteArray(fichier) << QString(gestes) << QString::fromUtf8(vu);
    };
    row("opening", nullptr, "",
        "4 7 1 3 7 7 | 56.80 €, 397.60 €, 36.00 €, 31.20 €, 64.05 €, Na | DPCA. Facturation "
        "hebdomadaire : 528.85 €. Facturation mensuelle moyenne : 2,291.68 €.");
    row("five AMI per bag from the file", "3.00\n2.20\n7.80\n9.15\n5\n", "",
        "4 7 1 3 7 7 | 68.80 €, 481.60 €, 36.00 €, 31.20 €, 64.05 €, Na | DPCA. Facturation "
        "hebdomadaire : 612.85 €. Facturation mensuelle moyenne : 2,655.68 €.");
    row("six bags", nullptr, "PopupMenu1=6",
        "6 7 1 3 7 7 | 85.20 €, 596.40 €, 36.00 €, 46.80 €, 64.05 €, Na | DPCA. Facturation "
        "hebdomadaire : 743.25 €. Facturation mensuelle moyenne : 3,220.75 €.");
    row("one day", nullptr, "PopupMenu2=0",
        "4 1 1 3 7 7 | 56.80 €, 56.80 €, 36.00 €, 31.20 €, 64.05 €, Na | DPCA. Facturation "
        "hebdomadaire : 188.05 €. Facturation mensuelle moyenne : 814.88 €.");
    row("Sundays, dressings and nights", nullptr, "PopupMenu3=2 PopupMenu4=7 PopupMenu5=14",
        "4 7 2 7 14 7 | 56.80 €, 397.60 €, 84.00 €, 62.40 €, 128.10 €, Na | DPCA. Facturation "
        "hebdomadaire : 672.10 €. Facturation mensuelle moyenne : 2,912.43 €.");
    row("to DPA, keeping days, Sundays and nights", nullptr,
        "PopupMenu2=4 PopupMenu3=2 PopupMenu5=3 RB(1)",
        "2 5 2 7 3 7 | 28.40 €, 142.00 €, 84.00 €, 31.20 €, 27.45 €, 84.00 € | DPA. Facturation "
        "hebdomadaire : 368.65 €. Facturation mensuelle moyenne : 1,597.48 €.");
    row("and back to DPCA", nullptr, "PopupMenu2=4 PopupMenu3=2 PopupMenu5=3 RB(1) RB(0)",
        "4 5 2 3 3 7 | 56.80 €, 284.00 €, 36.00 €, 62.40 €, 27.45 €, 84.00 € | DPCA. Facturation "
        "hebdomadaire : 409.85 €. Facturation mensuelle moyenne : 1,776.02 €.");
    row("hidden surveillance keeps its last amount, never billed", nullptr,
        "RB(1) PopupMenu6=3 RB(0) PopupMenu5=0",
        "4 7 1 3 0 3 | 56.80 €, 397.60 €, 36.00 €, 31.20 €, 0.00 €, 36.00 € | DPCA. Facturation "
        "hebdomadaire : 464.80 €. Facturation mensuelle moyenne : 2,014.13 €.");
    row("DPA again: seven organisations", nullptr, "RB(1) PopupMenu6=3 RB(0) RB(1)",
        "2 7 1 7 7 7 | 28.40 €, 198.80 €, 84.00 €, 15.60 €, 64.05 €, 84.00 € | DPA. Facturation "
        "hebdomadaire : 446.45 €. Facturation mensuelle moyenne : 1,934.62 €.");
    row("the modality already chosen changes nothing", nullptr, "RB(1) PopupMenu1=5 RB(1)",
        "5 7 1 7 7 7 | 71.00 €, 497.00 €, 84.00 €, 39.00 €, 64.05 €, 84.00 € | DPA. Facturation "
        "hebdomadaire : 768.05 €. Facturation mensuelle moyenne : 3,328.22 €.");
}

void TestWindow1::choices() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, gestes);
    QFETCH(QString, vu);
    const Fenetre f(fichier);
    QVERIFY(f.montrer());
    const QImage avant = f.w("Canvas1")->grab().toImage();
    for (const QString& geste : gestes.split(u' ', Qt::SkipEmptyParts)) {
        if (geste.startsWith(u'R'))
            QTest::mouseClick(f.w(geste), Qt::LeftButton);
        else
            f.w<QComboBox>(geste.section(u'=', 0, 0))
                ->setCurrentIndex(geste.section(u'=', 1).toInt());
    }
    QCOMPARE(lecture(f), vu);
    const bool dpa = f.w<QRadioButton>("RB(1)")->isChecked();
    for (const char* ligne : {"StaticText6", "PopupMenu6", "StaticText13"})
        QCOMPARE(!f.w(ligne)->isHidden(), dpa);
    QCOMPARE(f.texte("StaticText1"), dpa ? "Nombre de branchements ou débranchements par jour"
                                         : "Nombre de poches par jour de traitement");
    QCOMPARE(f.texte("StaticText15"), fichier.isNull() ? "AMI 4 + IFD" : "AMI 5 + IFD");
    // The sheet on screen follows.
    QCOMPARE(f.w("Canvas1")->grab().toImage() == avant, gestes.isEmpty());
}

void TestWindow1::readOutToScreenReaders() {
    const Fenetre f;
    const auto nom = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(f.w(control))->text(QAccessible::Name);
    };
    // A pop-up is named by its row's label (on Linux, through the label relation).
    for (auto [menu, label] :
         {std::pair{"PopupMenu4", "StaticText4"}, {"PopupMenu6", "StaticText6"}}) {
        const auto relations =
            QAccessible::queryAccessibleInterface(f.w(menu))->relations(QAccessible::Label);
        QCOMPARE(relations.size(), 1);
        QCOMPARE(relations.first().first->object(), f.w(label));
        QCOMPARE(f.w(menu)->accessibleName(), f.texte(label).trimmed());
    }
    QCOMPARE(nom("StaticText6"),
             QStringLiteral("Nombre d'organisations de la surveillance par semaine"));
    QCOMPARE(nom("StaticText7"), QStringLiteral("Paramétrage"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.w("StaticText7"))->role(), QAccessible::Link);
    QCOMPARE(nom("RB(1)"), QStringLiteral("DPA"));
    // Amounts are read out with their row, as they are shown now.
    const auto description = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(f.w(control))->text(QAccessible::Description);
    };
    QCOMPARE(nom("StaticText8"), QStringLiteral("56.80 €"));
    QCOMPARE(description("StaticText10"),
             QStringLiteral("Nombre de pansements par semaine : 36.00 €"));
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(description("StaticText8"),
             QStringLiteral("Nombre de branchements ou débranchements par jour : 28.40 €"));
    QCOMPARE(description("StaticText13"),
             QStringLiteral("Nombre d'organisations de la surveillance par semaine : 84.00 €"));
    QCOMPARE(f.w("PopupMenu1")->accessibleName(), f.texte("StaticText1"));
    // Tab order follows the rows on screen, then the link; the sheet takes no focus.
    QStringList ordre;
    for (QWidget* c = f.w("RB(0)"); ordre.size() < 10; c = c->nextInFocusChain())
        if ((c->focusPolicy() & Qt::TabFocus) && !c->isHidden())
            ordre << c->objectName();
    QCOMPARE(ordre,
             (QStringList{"RB(0)", "RB(1)", "PopupMenu1", "PopupMenu2", "PopupMenu4", "PopupMenu3",
                          "PopupMenu5", "PopupMenu6", "StaticText7", "RB(0)"}));
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
    QTest::newRow("a good file") << QByteArray("3\n2.2\n7\n9\n4\n") << "";
}

void TestWindow1::settingsFileNotice() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, texte);
    const Dossier d;
    QVERIFY(fichier == "dossier" ? QDir().mkdir(d.chemin()) : d.ecrire(fichier));
    Defaut::Initialiser();
    const std::unique_ptr<Window1> w(Window1::instance());
    // The calculation does not wait for the user.
    QCOMPARE(w->findChild<QLabel*>("StaticText8")->text(), QStringLiteral("56.80 €"));
    w->show();
    QTest::qWait(20);
    auto* avis = w->findChild<QMessageBox*>("AvisLecture");
    QCOMPARE(avis ? avis->text() : QString(), texte.replace(QStringLiteral("%1"), d.chemin()));
    if (avis) {
        QVERIFY(!avis->isModal());
        // Over the window it speaks of.
        QVERIFY((avis->frameGeometry().center() - w->frameGeometry().center()).manhattanLength() <=
                2);
        avis->close();
        w->hide();
        w->show();
        QTest::qWait(20);
        QVERIFY(!w->findChild<QMessageBox*>("AvisLecture"));
    }
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
    // From the keyboard: focused, it shows a dotted frame; Return or Space acts as a click.
    f->activateWindow();
    lien->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(lien->hasFocus());
    const auto cadre = [&] {
        const QImage vue = lien->grab().toImage();
        int noirs = 0;
        for (int x = 0; x < vue.width(); ++x)
            noirs += vue.pixelColor(x, 0) != Window1::BackColor;
        return noirs;
    };
    QVERIFY(cadre() > 20);
    QTest::keyClick(lien, Qt::Key_Return);
    QVERIFY(f.panneau()->isVisible());
    QTest::keyClick(lien, Qt::Key_Space);
    QVERIFY(!f.panneau()->isVisible());
    QTest::keyClick(lien, Qt::Key_A);
    QVERIFY(!f.panneau()->isVisible());
    lien->clearFocus();
    QCOMPARE(cadre(), 0);
}

void TestWindow1::amountsAtTheCeilingsShowWhole() {
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        const Fenetre f("20\n20\n50\n50\n9\n");
        QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
        for (auto* p : f->findChildren<QComboBox*>())
            p->setCurrentIndex(p->count() - 1);
        for (int i : {8, 9, 10, 11, 12, 13, 15}) {
            const QLabel* l = f.w<QLabel>(QStringLiteral("StaticText%1").arg(i));
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                     qPrintable(l->text()));
        }
        QCOMPARE(f.texte("StaticText9"), locale == QLocale::c()
                                             ? QStringLiteral("8,400.00 €")
                                             : QStringLiteral("8\u202F400,00 €"));
    }
    QLocale::setDefault(QLocale::c());
}

namespace {

double luminance(QColor c) {
    const auto canal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

// The contrast (WCAG) between the colour a control writes its text in and the background it
// paints, its median colour inside its frame.
double contraste(QWidget* w) {
    const QImage vue = w->grab().toImage();
    std::array<QList<int>, 3> canaux;
    for (int y = 3; y < vue.height() - 3; ++y)
        for (int x = 3; x < vue.width() - 3; ++x) {
            const QRgb p = vue.pixel(x, y);
            canaux[0] << qRed(p);
            canaux[1] << qGreen(p);
            canaux[2] << qBlue(p);
        }
    for (auto& c : canaux)
        std::nth_element(c.begin(), c.begin() + c.size() / 2, c.end());
    const QColor fond(canaux[0][canaux[0].size() / 2], canaux[1][canaux[1].size() / 2],
                      canaux[2][canaux[2].size() / 2]);
    const QPalette::ColorRole role =
        qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ? QPalette::Text
        : qobject_cast<const QPushButton*>(w) ? QPalette::ButtonText
                                              : w->foregroundRole();
    const double a = luminance(fond);
    const double b = luminance(w->palette().color(role));
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace

void TestWindow1::readableWithADarkTheme() {
    const QPalette avant = qApp->palette();
    QPalette sombre(QColor(60, 60, 60), QColor(35, 35, 35));
    sombre.setColor(QPalette::WindowText, QColor(235, 235, 235));
    sombre.setColor(QPalette::Text, QColor(235, 235, 235));
    sombre.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    qApp->setPalette(sombre);
    {
        const Fenetre f;
        QVERIFY(f.montrer());
        f.basculer();
        QTest::mouseClick(f.panneau()->findChild<QWidget*>("BevelButton2"), Qt::LeftButton);
        QList<QWidget*> textes = f->centralWidget()->findChildren<QWidget*>();
        textes << f.panneau()->findChildren<QWidget*>();
        for (QWidget* w : textes) {
            // The blue amounts on the pale green are the window's own colours.
            if (w->isHidden() || w->width() == 0 || w->objectName() == "Canvas1" ||
                (qobject_cast<QLabel*>(w) && qobject_cast<QLabel*>(w)->text().endsWith("€")))
                continue;
            QVERIFY2(contraste(w) >= 4.5, qPrintable(w->objectName()));
        }
    }
    qApp->setPalette(avant);
}

void TestWindow1::textsFitTheirControls() {
    // "Times" itself, or the metric twin that takes its place.
    const QString face = QFontInfo(policeTimes(12)).family().section(" [", 0, 0);
    QVERIFY2(QStringList({"Nimbus Roman", "Liberation Serif", "TeX Gyre Termes", "Times"})
                 .contains(face),
             qPrintable(face));
    const Fenetre f("3.15\n2.75\n8.50\n18.30\n4\n");
    QVERIFY(f.montrer());
    f.basculer();
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QList<QWidget*> controles = f->centralWidget()->findChildren<QWidget*>();
    controles << f.panneau()->findChildren<QWidget*>();
    for (QWidget* w : controles) {
        QString texte = w->property("text").toString().trimmed();
        int largeur = w->width();
        if (auto* rb = qobject_cast<QRadioButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(rb);
            largeur =
                rb->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, rb).width();
        } else if (qobject_cast<QPushButton*>(w)) {
            largeur -= 6;
        } else if (!qobject_cast<QLabel*>(w) || w->objectName() == "Message") {
            continue;
        }
        QVERIFY2(w->fontMetrics().horizontalAdvance(texte) <= largeur,
                 qPrintable(QStringLiteral("%1 in %2").arg(texte, face)));
    }
    // On the sheet, each caption stays clear of its amount.
    QFont gras = policeTimes(16, true);
    for (auto [legende, montant] : {std::pair{"Facturation hebdomadaire", "8,400.00 €"},
                                    {"Facturation mensuelle moyenne", "61,880.00 €"}})
        QVERIFY(10 + QFontMetrics(gras).horizontalAdvance(legende) + 8 <
                386 - 10 - QFontMetrics(gras).horizontalAdvance(montant));
}

void TestWindow1::estimateLeavesTheWindow() {
    const Fenetre f;
    QVERIFY(f.montrer());
    QTemporaryDir dossier;
    // Ctrl+C out of a text field: the estimate, as text and as a table.
    f.w("PopupMenu1")->setFocus();
    QTRY_VERIFY(f.w("PopupMenu1")->hasFocus());
    MenuBar1::instance()->item("EditCopy")->trigger();
    const QMimeData* copie = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copie->text().contains("Facturation mensuelle moyenne : 2,291.68 €"));
    QVERIFY(copie->html().contains("<table"));
    // How each amount is made.
    const auto bulle = [&](const char* nom) {
        QWidget* w = f.w(nom);
        QHelpEvent aide(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(w, &aide);
        return QToolTip::text();
    };
    QCOMPARE(bulle("StaticText8"),
             "4 poches × (4 AMI × 3.00 € + 2.20 € IFD) = 56.80 € par jour de traitement");
    QVERIFY(bulle("Canvas1").contains("(56.80 €) n'en fait pas partie"));
    // The sheet's own menu.
    emit f.w("Canvas1")->customContextMenuRequested(QPoint(20, 20));
    QStringList choix;
    for (const QAction* a : f->findChild<QMenu*>("MenuFeuille")->actions())
        choix << a->text();
    QCOMPARE(choix, (QStringList{"Copier l'estimation", "Imprimer…", "Exporter en PDF…"}));
    // A PDF where the user says, by default in the Documents folder.
    MenuBar1::instance()->item("FileExportPdf")->trigger();
    auto* dialogue = f->findChild<QFileDialog*>("ExportPdf");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(dialogue->selectedFiles().value(0),
             QDir(QDir(documents).exists() ? documents : QDir::homePath())
                 .filePath("Estimation Tarivane " + QDate::currentDate().toString(Qt::ISODate) +
                           ".pdf"));
    dialogue->selectFile(dossier.filePath("estimation.pdf"));
    static_cast<QDialog*>(dialogue)->accept();
    QVERIFY(QFileInfo(dossier.filePath("estimation.pdf")).size() > 1000);
    // A failed write says why and leaves nothing.
    QVERIFY(QFile(dossier.filePath("fichier")).open(QIODevice::WriteOnly));
    MenuBar1::instance()->item("FileExportPdf")->trigger();
    dialogue = f->findChild<QFileDialog*>("ExportPdf");
    dialogue->selectFile(dossier.filePath("fichier/estimation.pdf"));
    static_cast<QDialog*>(dialogue)->accept();
    auto* echec = f->findChild<QMessageBox*>("EchecPdf");
    QVERIFY(echec && echec->text().endsWith(": un élément du chemin n'est pas un dossier."));
    echec->close();
    // Printed on one page, here into a file; the printer keeps its settings from one print to
    // the next.
    MenuBar1::instance()->item("FilePrint")->trigger();
    auto* impression = f->findChild<QPrintDialog*>("Impression");
    impression->printer()->setOutputFileName(dossier.filePath("imprime.pdf"));
    impression->reject();
    QTRY_VERIFY(!f->findChild<QPrintDialog*>("Impression"));
    MenuBar1::instance()->item("FilePrint")->trigger();
    f->findChild<QPrintDialog*>("Impression")->accept();
    QVERIFY(QFileInfo(dossier.filePath("imprime.pdf")).size() > 1000);
}

void TestWindow1::about_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("provenance");
    QTest::newRow("built-in defaults") << QByteArray() << "valeurs par défaut";
    QTest::newRow("a settings file") << QByteArray("3.15\n2.75\n8.5\n9.15\n4\n") << "%1";
}

void TestWindow1::about() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, provenance);
    const Fenetre f(fichier);
    QVERIFY(f.montrer());
    MenuBar1::instance()->item("HelpAbout")->trigger();
    auto* boite = f->findChild<QMessageBox*>("APropos");
    QVERIFY(boite && boite->isVisible() && !boite->isModal());
    QCOMPARE(boite->text(), "Tarivane " + QCoreApplication::applicationVersion() +
                                "\nHonoraires infirmiers en dialyse péritonéale (DPCA et DPA).");
    const QStringList lignes = boite->informativeText().split(u'\n');
    QCOMPARE(
        lignes.mid(0, 6),
        (QStringList{
            "Fichier de paramètres : " + provenance.arg(f.dossier().chemin()),
            "Valeur de l'AMI (€) : " + QString(fichier.isNull() ? "3.00" : "3.15"),
            "Indemnités de déplacements (€) : " + QString(fichier.isNull() ? "2.20" : "2.75"),
            "Majoration dimanches et fériés (€) : " + QString(fichier.isNull() ? "7.80" : "8.50"),
            "Majoration de nuit (€) : 9.15", "Nombre d'AMI pour un chgt de poche : 4.00"}));
    QVERIFY(lignes.last().contains("Assurance Maladie"));
    QVERIFY(lignes.join(u' ').contains("ancien tarif"));
}

int main(int argc, char* argv[]) {
    App app(argc, argv);
    TestWindow1 test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window1.moc"
