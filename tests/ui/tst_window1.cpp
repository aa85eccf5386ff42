#include "app/App.h"
#include "app/MenuBar1.h"
#include "support/Fenetre.h"
#include "ui/Style.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QToolTip>
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

// What the user does (Pn=i chooses item i of PopupMenun, Rn clicks RB(n)), then reads: the six
// choices, the row amounts, the sheet.
const char* const Gestes =
    R"(opening: => 4 7 1 3 7 7 | 56.80 397.60 36.00 31.20 64.05 Na | DPCA 528.85 2,291.68
six bags: P1=6 => 6 7 1 3 7 7 | 85.20 596.40 36.00 46.80 64.05 Na | DPCA 743.25 3,220.75
one day: P2=0 => 4 1 1 3 7 7 | 56.80 56.80 36.00 31.20 64.05 Na | DPCA 188.05 814.88
the rest: P3=2 P4=7 P5=14 => 4 7 2 7 14 7 | 56.80 397.60 84.00 62.40 128.10 Na | DPCA 672.10 2,912.43
to DPA: P2=4 P3=2 P5=3 R1 => 2 5 2 7 3 7 | 28.40 142.00 84.00 31.20 27.45 84.00 | DPA 368.65 1,597.48
and back: P2=4 P3=2 P5=3 R1 R0 => 4 5 2 3 3 7 | 56.80 284.00 36.00 62.40 27.45 84.00 | DPCA 409.85 1,776.02
surveillance kept, not billed: R1 P6=3 R0 P5=0 => 4 7 1 3 0 3 | 56.80 397.60 36.00 31.20 0.00 36.00 | DPCA 464.80 2,014.13
DPA again: R1 P6=3 R0 R1 => 2 7 1 7 7 7 | 28.40 198.80 84.00 15.60 64.05 84.00 | DPA 446.45 1,934.62
same modality: R1 P1=5 R1 => 5 7 1 7 7 7 | 71.00 497.00 84.00 39.00 64.05 84.00 | DPA 768.05 3,328.22)";

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
    return QStringList{l->text() + u'/' +
                           (a == Qt::AlignLeft    ? "left"
                            : a == Qt::AlignRight ? "right"
                                                  : "centre"),
                       couleur == Qt::black  ? "black"
                       : couleur == Qt::blue ? "blue"
                                             : "other",
                       l->font().bold() ? "bold" : "", l->font().underline() ? "underlined" : ""}
        .join(u' ')
        .trimmed();
}

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
        for (int x = 3; x < vue.width() - 3; ++x)
            for (int i = 0; i < 3; ++i)
                canaux[i] << (vue.pixel(x, y) >> (16 - 8 * i) & 0xFF);
    for (auto& c : canaux)
        std::nth_element(c.begin(), c.begin() + c.size() / 2, c.end());
    const QColor fond(canaux[0][canaux[0].size() / 2], canaux[1][canaux[1].size() / 2],
                      canaux[2][canaux[2].size() / 2]);
    const bool champ = qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w);
    const double a = luminance(fond);
    const double b =
        luminance(w->palette().color(champ                                 ? QPalette::Text
                                     : qobject_cast<const QPushButton*>(w) ? QPalette::ButtonText
                                                                           : w->foregroundRole()));
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
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
    void linkByMouseAndKeyboard();
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
    // The program's icon on every window, even where no icon theme holds it.
    f.basculer();
    QVERIFY(!f->windowIcon().pixmap(48).isNull() && !f.panneau()->windowIcon().isNull());
    // The pale green the user sees, where no control is, and around the sheet.
    const QImage vue = f->centralWidget()->grab().toImage();
    for (QPoint p : {QPoint(5, 300), QPoint(515, 5), QPoint(60, 200), QPoint(200, 170)})
        QCOMPARE(vue.pixelColor(p), Window1::BackColor);
}

void TestWindow1::choices_data() {
    QTest::addColumn<QString>("gestes");
    QTest::addColumn<QString>("vu");
    for (const QString& ligne : QString::fromUtf8(Gestes).split(u'\n'))
        QTest::newRow(qPrintable(ligne.section(u':', 0, 0)))
            << ligne.section(u':', 1).section(QStringLiteral("=>"), 0, 0)
            << ligne.section(QStringLiteral("=> "), 1);
}

void TestWindow1::choices() {
    QFETCH(QString, gestes);
    QFETCH(QString, vu);
    const Fenetre f;
    QVERIFY(f.montrer());
    const QImage avant = f.w("Canvas1")->grab().toImage();
    for (const QString& g : gestes.split(u' ', Qt::SkipEmptyParts)) {
        if (g.startsWith(u'R'))
            QTest::mouseClick(f.w(QStringLiteral("RB(%1)").arg(g[1])), Qt::LeftButton);
        else
            f.w<QComboBox>(QStringLiteral("PopupMenu%1").arg(g[1]))
                ->setCurrentIndex(g.section(u'=', 1).toInt());
    }
    QStringList lu;
    for (int i = 1; i <= 6; ++i)
        lu << f.w<QComboBox>(QStringLiteral("PopupMenu%1").arg(i))->currentText();
    lu << "|";
    for (int i = 8; i <= 13; ++i)
        lu << f.texte(QStringLiteral("StaticText%1").arg(i)).remove(QStringLiteral(" €"));
    const auto feuille =
        QRegularExpression("^(\\w+)\\. Facturation hebdomadaire : (.+) €\\. Facturation "
                           "mensuelle moyenne : (.+) €\\.$")
            .match(f.w("Canvas1")->accessibleDescription());
    lu << "|" << feuille.captured(1) << feuille.captured(2) << feuille.captured(3);
    QCOMPARE(lu.join(u' '), vu);
    const bool dpa = f.w<QRadioButton>("RB(1)")->isChecked();
    for (const char* ligne : {"StaticText6", "PopupMenu6", "StaticText13"})
        QCOMPARE(!f.w(ligne)->isHidden(), dpa);
    QCOMPARE(f.texte("StaticText1"), dpa ? "Nombre de branchements ou débranchements par jour"
                                         : "Nombre de poches par jour de traitement");
    QCOMPARE(f.w("Canvas1")->grab().toImage() == avant, gestes.trimmed().isEmpty());
}

void TestWindow1::readOutToScreenReaders() {
    const Fenetre f;
    const auto lu = [&](const char* control, QAccessible::Text t = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(f.w(control))->text(t);
    };
    // A pop-up is named by its row's label (on Linux, through the label relation).
    for (auto [menu, label] :
         {std::pair{"PopupMenu4", "StaticText4"}, {"PopupMenu6", "StaticText6"}}) {
        const auto relations =
            QAccessible::queryAccessibleInterface(f.w(menu))->relations(QAccessible::Label);
        QCOMPARE(relations.value(0).first->object(), f.w(label));
        QCOMPARE(f.w(menu)->accessibleName(), f.texte(label).trimmed());
    }
    QCOMPARE(lu("StaticText6"), "Nombre d'organisations de la surveillance par semaine");
    QCOMPARE(lu("StaticText7"), "Paramétrage");
    QCOMPARE(QAccessible::queryAccessibleInterface(f.w("StaticText7"))->role(), QAccessible::Link);
    // Amounts are read out with their row, as they are shown now.
    QCOMPARE(lu("StaticText10", QAccessible::Description),
             "Nombre de pansements par semaine : 36.00 €");
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(lu("StaticText8"), "28.40 €");
    QCOMPARE(lu("StaticText8", QAccessible::Description),
             "Nombre de branchements ou débranchements par jour : 28.40 €");
    QCOMPARE(lu("StaticText13", QAccessible::Description),
             "Nombre d'organisations de la surveillance par semaine : 84.00 €");
    QCOMPARE(f.w("PopupMenu1")->accessibleName(), f.texte("StaticText1"));
    QCOMPARE(f.w("Canvas1")->accessibleDescription(),
             "DPA. Facturation hebdomadaire : 446.45 €. Facturation mensuelle moyenne : "
             "1,934.62 €.");
    // Tab order follows the rows on screen, then the link; the sheet takes no focus.
    QStringList ordre;
    for (QWidget* c = f.w("RB(0)"); ordre.size() < 10; c = c->nextInFocusChain())
        if ((c->focusPolicy() & Qt::TabFocus) && !c->isHidden())
            ordre << c->objectName();
    QCOMPARE(ordre.join(u' '), "RB(0) RB(1) PopupMenu1 PopupMenu2 PopupMenu4 PopupMenu3 "
                               "PopupMenu5 PopupMenu6 StaticText7 RB(0)");
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
    if (!avis)
        return;
    // Over the window it speaks of, not in its way, and only once.
    QVERIFY(!avis->isModal());
    QVERIFY((avis->frameGeometry().center() - w->frameGeometry().center()).manhattanLength() < 3);
    avis->close();
    w->hide();
    w->show();
    QTest::qWait(20);
    QVERIFY(!w->findChild<QMessageBox*>("AvisLecture"));
}

void TestWindow1::linkByMouseAndKeyboard() {
    const Fenetre f;
    QVERIFY(f.montrer());
    auto* lien = f.w<QLabel>("StaticText7");
    const auto couleur = [&] { return lien->palette().color(QPalette::WindowText); };
    QCOMPARE(lien->cursor().shape(), Qt::PointingHandCursor);
    QEvent entree(QEvent::Enter);
    QEvent sortie(QEvent::Leave);
    QCoreApplication::sendEvent(lien, &entree);
    QCOMPARE(couleur(), QColor(Qt::blue));
    QCoreApplication::sendEvent(lien, &sortie);
    QCOMPARE(couleur(), QColor(Qt::black));
    // A click anywhere on it shows the panel, the next hides it; the window stays usable.
    QVERIFY(!f.panneau());
    QTest::mouseClick(lien, Qt::LeftButton, {}, QPoint(95, 18));
    QVERIFY(f.panneau() && f.panneau()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), "EditField1");
    f.w<QComboBox>("PopupMenu5")->setCurrentIndex(0);
    QCOMPARE(f.texte("StaticText12"), QStringLiteral("0.00 €"));
    QTest::mouseClick(lien, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!f.panneau()->isVisible());
    // Focused, it shows a dotted frame; Return or Space acts as a click.
    f->activateWindow();
    lien->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(lien->hasFocus());
    const auto cadre = [&] {
        const QImage vue = lien->grab().toImage();
        int traits = 0;
        for (int x = 0; x < vue.width(); ++x)
            traits += (vue.pixelColor(x, 0) != Window1::BackColor) +
                      (vue.pixelColor(x, vue.height() - 1) != Window1::BackColor);
        return traits;
    };
    QVERIFY(cadre() > 40);
    QTest::keyClick(lien, Qt::Key_Return);
    QVERIFY(f.panneau()->isVisible());
    QTest::keyClick(lien, Qt::Key_Space);
    QTest::keyClick(lien, Qt::Key_A);
    QVERIFY(!f.panneau()->isVisible());
    lien->clearFocus();
    QCOMPARE(cadre(), 0);
}

void TestWindow1::readableWithADarkTheme() {
    const QPalette avant = qApp->palette();
    QPalette sombre(QColor(60, 60, 60), QColor(35, 35, 35));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        sombre.setColor(role, QColor(235, 235, 235));
    qApp->setPalette(sombre);
    {
        const Fenetre f;
        QVERIFY(f.montrer());
        f.basculer();
        QTest::mouseClick(f.panneau()->findChild<QWidget*>("BevelButton2"), Qt::LeftButton);
        QList<QWidget*> textes = f->centralWidget()->findChildren<QWidget*>();
        for (QWidget* w : textes << f.panneau()->findChildren<QWidget*>()) {
            // The blue amounts on the pale green are the window's own colours.
            const auto* l = qobject_cast<QLabel*>(w);
            if (w->isVisible() && w->width() > 0 && w->objectName() != "Canvas1" &&
                !(l && l->text().endsWith("€")))
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
    // Every tariff at its ceiling, every count at its largest, in both locales.
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        const Fenetre f("20\n20\n50\n50\n9\n");
        QVERIFY(f.montrer());
        f.basculer();
        QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
        for (auto* p : f->findChildren<QComboBox*>())
            p->setCurrentIndex(p->count() - 1);
        QCOMPARE(f.texte("StaticText9"), locale == QLocale::c() ? "8,400.00 €" : "8\u202F400,00 €");
        QList<QWidget*> controles = f->centralWidget()->findChildren<QWidget*>();
        for (QWidget* w : controles << f.panneau()->findChildren<QWidget*>()) {
            int largeur = w->width();
            if (auto* rb = qobject_cast<QRadioButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(rb);
                largeur = rb->style()
                              ->subElementRect(QStyle::SE_RadioButtonContents, &option, rb)
                              .width();
            } else if (qobject_cast<QPushButton*>(w)) {
                largeur -= 6;
            } else if (!qobject_cast<QLabel*>(w) || w->objectName() == "Message") {
                continue;
            }
            const QString texte = w->property("text").toString().trimmed();
            QVERIFY2(w->fontMetrics().horizontalAdvance(texte) <= largeur,
                     qPrintable(QStringLiteral("%1 in %2").arg(texte, face)));
        }
        // On the sheet, each caption stays clear of its amount.
        const QFontMetrics gras(policeTimes(16, true));
        const QStringList montants = f.w("Canvas1")->accessibleDescription().split(" : ");
        for (int i : {1, 2})
            QVERIFY(10 +
                        gras.horizontalAdvance(i == 1 ? "Facturation hebdomadaire"
                                                      : "Facturation mensuelle moyenne") +
                        8 <
                    386 - 10 - gras.horizontalAdvance(montants[i].section(". ", 0, 0)));
    }
    QLocale::setDefault(QLocale::c());
}

void TestWindow1::estimateLeavesTheWindow() {
    const Fenetre f;
    QVERIFY(f.montrer());
    QTemporaryDir dossier;
    MenuBar1* menus = MenuBar1::instance();
    // Ctrl+C out of a text field: the estimate, as text and as a table.
    f.w("PopupMenu1")->setFocus();
    QTRY_VERIFY(f.w("PopupMenu1")->hasFocus());
    menus->item("EditCopy")->trigger();
    const QMimeData* copie = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copie->text().contains("Facturation mensuelle moyenne : 2,291.68 €"));
    QVERIFY(copie->html().contains("<table"));
    // How each amount is made.
    const auto bulle = [&](const char* nom) {
        QHelpEvent aide(QEvent::ToolTip, QPoint(5, 5), f.w(nom)->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(f.w(nom), &aide);
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
    QCOMPARE(choix.join(u'|'), "Copier l'estimation|Imprimer…|Exporter en PDF…");
    // A PDF where the user says, by default in the Documents folder; a failure says why.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (const char* nom : {"estimation.pdf", "fichier/estimation.pdf"}) {
        QTRY_VERIFY(!f->findChild<QFileDialog*>("ExportPdf"));
        menus->item("FileExportPdf")->trigger();
        auto* dialogue = f->findChild<QFileDialog*>("ExportPdf");
        QCOMPARE(dialogue->selectedFiles().value(0),
                 QDir(QDir(documents).exists() ? documents : QDir::homePath())
                     .filePath("Estimation Tarivane " + QDate::currentDate().toString(Qt::ISODate) +
                               ".pdf"));
        QVERIFY(QFile(dossier.filePath("fichier")).open(QIODevice::WriteOnly));
        dialogue->selectFile(dossier.filePath(nom));
        static_cast<QDialog*>(dialogue)->accept();
    }
    QVERIFY(QFileInfo(dossier.filePath("estimation.pdf")).size() > 1000);
    auto* echec = f->findChild<QMessageBox*>("EchecPdf");
    QVERIFY(echec && echec->text().endsWith(": un élément du chemin n'est pas un dossier."));
    echec->close();
    QTRY_VERIFY(!f->findChild<QMessageBox*>("EchecPdf"));
    // Printed on one page, here into a file; the printer keeps its settings between prints.
    menus->item("FilePrint")->trigger();
    auto* impression = f->findChild<QPrintDialog*>("Impression");
    impression->printer()->setOutputFileName(dossier.filePath("imprime.pdf"));
    impression->reject();
    QTRY_VERIFY(!f->findChild<QPrintDialog*>("Impression"));
    menus->item("FilePrint")->trigger();
    f->findChild<QPrintDialog*>("Impression")->accept();
    QVERIFY(QFileInfo(dossier.filePath("imprime.pdf")).size() > 1000);
}

void TestWindow1::about_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("attendu"); // %1: the settings file
    QTest::newRow("built-in defaults")
        << QByteArray() << "Fichier de paramètres : valeurs par défaut|Valeur de l'AMI (€) : 3.00";
    QTest::newRow("a settings file") << QByteArray("3.15\n2.75\n8.5\n9.15\n4\n")
                                     << "Fichier de paramètres : %1|Valeur de l'AMI (€) : 3.15";
}

void TestWindow1::about() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, attendu);
    const Fenetre f(fichier);
    QVERIFY(f.montrer());
    MenuBar1::instance()->item("HelpAbout")->trigger();
    auto* boite = f->findChild<QMessageBox*>("APropos");
    QVERIFY(boite && boite->isVisible() && !boite->isModal());
    QCOMPARE(boite->text(), "Tarivane " + QCoreApplication::applicationVersion() +
                                "\nHonoraires infirmiers en dialyse péritonéale (DPCA et DPA).");
    const QStringList lignes = boite->informativeText().split(u'\n');
    QCOMPARE(lignes.mid(0, 2).join(u'|'), attendu.replace("%1", f.dossier().chemin()));
    QCOMPARE(lignes[5], "Nombre d'AMI pour un chgt de poche : 4.00");
    QVERIFY(lignes.last().contains("Assurance Maladie") && lignes.join(u' ').contains("ancien"));
}

int main(int argc, char* argv[]) {
    App app(argc, argv);
    TestWindow1 test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window1.moc"
