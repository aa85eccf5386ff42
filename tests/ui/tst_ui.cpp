#include "app/App.h"
#include "app/MenuBar1.h"
#include "screenshots/Fenetres.h"
#include "screenshots/Pages.h"
#include "support/Attendu.h"
#include "support/Fenetre.h"
#include "ui/Placement.h"
#include "ui/Style.h"
#include "ui/mois/WMois.h"
#include "ui/patients/WPatients.h"
#include "ui/sortie/Sortie.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

// The README's pictures are drawn with URW's metric twin of "Times", on a screen of one device
// pixel per pixel: elsewhere another face or density draws other pixels.
bool commeLesImages() {
    return QFontInfo(QFont(QStringLiteral("Times"))).family().startsWith(u"Nimbus Roman");
}

// The pictures that differ from the README's by more than a few pixels, named, or nothing.
QString ecarts(const QList<std::pair<QString, QImage>>& images, const QString& dossier) {
    QStringList differentes;
    for (const auto& [nom, vu] : images) {
        const QImage montre(dossier + u'/' + nom);
        const bool taille = vu.size() == montre.size();
        int n = taille ? 0 : vu.width() * vu.height();
        for (int y = 0; taille && y < vu.height(); ++y)
            for (int x = 0; x < vu.width(); ++x) {
                const QColor a = vu.pixelColor(x, y), b = montre.pixelColor(x, y);
                n += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                         std::abs(a.blue() - b.blue()) >
                     48;
            }
        if (n > 4)
            differentes << QStringLiteral("%1 (%2 pixels)").arg(nom).arg(n);
    }
    return differentes.join(u", ");
}

QStringList alertes;
void noterAlerte(QAccessibleEvent* e) {
    if (e->type() == QAccessible::Alert)
        alertes << static_cast<QLabel*>(e->object())->text();
}

// A message as it reads, the kinds of space French typography puts aside, paths with "/".
QString lu(const QLabel* message) {
    return message->text()
        .replace(QChar(0xA0), u' ')
        .replace(QChar(0x202F), u' ')
        .replace(u'\\', u'/');
}

WMois* ouvrirMois() {
    MenuBar1::instance()->item("FileMois")->trigger();
    return Window1::instance()->findChild<WMois*>();
}

QString bulle(QWidget* w) {
    QHelpEvent aide(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w, &aide);
    return QToolTip::text();
}

} // namespace

class TestUi : public QObject {
    Q_OBJECT
private slots:
    // The calculator window.
    void picturesOfTheReadme();
    void sheetAtTheScreensDensity();
    void choices_data();
    void choices();
    void readOutToScreenReaders();
    void settingsFileNotice_data();
    void settingsFileNotice();
    void everyTextWholeAndReadable();
    void estimateLeavesTheWindow();
    void wholeOnPagesOfThePrintableArea_data();
    void wholeOnPagesOfThePrintableArea();
    // The month window.
    void month_data();
    void month();
    void monthWindowAndWhatLeavesIt();
    void herPatientsKeptAndReopened();
    // The settings panel.
    void officialTariffs();
    void commaDrawnWhole();
    void keyboardOnly();
    void whatThePanelSays_data();
    void whatThePanelSays();
    void placeBesideTheWindow_data();
    void placeBesideTheWindow();
    void windowsSideBySide();
};

void TestUi::picturesOfTheReadme() {
    // Layout, fonts, colours and texts of the windows and the pages as the README shows them.
    if (!commeLesImages() || qApp->devicePixelRatio() != 1)
        QSKIP("the README's pictures are drawn with Nimbus Roman, one pixel per pixel");
    const QString ecart = ecarts(FenetresExemples() + PagesExemples(),
                                 QStringLiteral(TARIVANE_SOURCES "/screenshots"));
    QVERIFY2(ecart.isEmpty(), qPrintable(ecart + " (make screenshot draws them again)"));
}

void TestUi::sheetAtTheScreensDensity() {
    // Drawn in device pixels: the first red line fills exactly its row, to the sheet's end.
    const Fenetre f({}, Fenetre::Montree);
    const QImage vue = f.w("Canvas1")->grab().toImage();
    for (int y : {27, 28, 29})
        QCOMPARE(vue.pixelColor(vue.width() - 1, int((y + 0.5) * f->devicePixelRatioF())),
                 y == 28 ? QColor(255, 0, 0) : Window1::BackColor);
}

// What the user does (Pn=i chooses item i of PopupMenun, Rn clicks RB(n)), then reads: the six
// choices, the row amounts, the sheet.
void TestUi::choices_data() {
    lignesDeTable("gestes");
}

void TestUi::choices() {
    QFETCH(QString, gestes);
    QFETCH(QString, vu);
    const Fenetre f({}, Fenetre::Montree);
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
    const auto feuille = QRegularExpression("^(\\w+)\\. Facturation hebdomadaire : (.+) €\\. "
                                            "Facturation mensuelle moyenne : (.+) €\\.$")
                             .match(f.w("Canvas1")->accessibleDescription());
    lu << "|" << feuille.captured(1) << feuille.captured(2) << feuille.captured(3) << "|"
       << f.texte("StaticText1");
    QCOMPARE(lu.join(u' '), vu);
    const bool dpa = f.w<QRadioButton>("RB(1)")->isChecked();
    // More than 4 bag changes a day in DPCA: the rule, under the link.
    QCOMPARE(f.w("Avertissement")->isVisible(), !dpa && lu[0].toInt() > 4);
    for (const char* ligne : {"StaticText6", "PopupMenu6", "StaticText13"})
        QCOMPARE(!f.w(ligne)->isHidden(), dpa);
    QCOMPARE(f.w("Canvas1")->grab().toImage() == avant, vu.contains("DPCA 528.85 2,291.68"));
}

void TestUi::readOutToScreenReaders() {
    const Fenetre f;
    const auto lu = [&](const char* control, QAccessible::Text t = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(f.w(control))->text(t);
    };
    // A label is read without the return that ends its text.
    QCOMPARE(lu("StaticText6"), "Nombre d'organisations de la surveillance par semaine");
    QCOMPARE(lu("StaticText7"), "Paramétrage");
    QCOMPARE(QAccessible::queryAccessibleInterface(f.w("StaticText7"))->role(), QAccessible::Link);
    // It looks like one too: blue under the mouse.
    QEnterEvent entree({}, {}, {});
    QCoreApplication::sendEvent(f.w("StaticText7"), &entree);
    QCOMPARE(f.w("StaticText7")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    // Amounts are read out with their row, as they are shown now.
    QCOMPARE(lu("StaticText10", QAccessible::Description),
             "Nombre de pansements par semaine : 36.00 €");
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(lu("StaticText8") + u'|' + lu("StaticText8", QAccessible::Description),
             "28.40 €|Nombre de branchements ou débranchements par jour : 28.40 €");
    // Tab order follows the rows on screen, then the link; the sheet takes no focus.
    QStringList ordre;
    for (QWidget* c = f.w("RB(0)"); ordre.size() < 10; c = c->nextInFocusChain())
        if ((c->focusPolicy() & Qt::TabFocus) && !c->isHidden())
            ordre << c->objectName();
    QCOMPARE(ordre.join(u' '), "RB(0) RB(1) PopupMenu1 PopupMenu2 PopupMenu4 PopupMenu3 "
                               "PopupMenu5 PopupMenu6 StaticText7 RB(0)");
}

void TestUi::settingsFileNotice_data() {
    QTest::addColumn<QByteArray>("fichier"); // null: none
    QTest::newRow("no file: the 2007 defaults") << QByteArray();
    QTest::newRow("two lines ignored") << QByteArray("3.00\nabc\n7.80\n\n4\n");
    QTest::newRow("a replaced set") << QByteArray("3.15\n2.50\n8.50\n9.15\n4\n");
    QTest::newRow("a line ignored among her own values") << QByteArray("3.5\nabc\n7\n9\n4\n");
    QTest::newRow("today's set") << QByteArray("3.15\n2.75\n8.50\n9.15\n4\n");
    QTest::newRow("her own values") << QByteArray("3\n2\n7\n9\n4\n");
}

// What the notice says, once, beside the window, hiding none of it; Return opens the panel.
void TestUi::settingsFileNotice() {
    QFETCH(QByteArray, fichier);
    const Fenetre f(fichier);
    QStringList vu;
    for (int fois = 0; fois < 2; ++fois) {
        f.montrer();
        auto* avis = f->findChild<QMessageBox*>("AvisLecture");
        vu << (avis ? avis->text() + u'\n' + avis->informativeText() : "<no notice>");
        if (avis) {
            QVERIFY(!avis->isModal() && !avis->frameGeometry().intersects(f->frameGeometry()));
            QTest::keyClick(avis, Qt::Key_Return);
            QTRY_VERIFY(f.panneau() && f.panneau()->isVisible());
            f.panneau()->hide();
        }
        f->hide();
    }
    COMPARER_AU_TEXTE(vu.join(u'\n').replace(QDir::toNativeSeparators(f.dossier().chemin("")), "…"),
                      "notice");
}

void TestUi::everyTextWholeAndReadable() {
    // "Times" itself, or a metric twin.
    const QString face = QFontInfo(policeTimes(12)).family().section(" [", 0, 0);
    if (!QString("Nimbus Roman|Liberation Serif|TeX Gyre Termes|Times New Roman").contains(face))
        QSKIP(qPrintable("no metric twin of Times is installed (" + face +
                         "): the layout is made for its widths"));
    // The numbers' locale is the C one again however this test ends.
    const auto retour = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    // Every tariff at its ceiling, every count at its largest, in both locales.
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        const Fenetre f("20\n20\n50\n50\n9\n", Fenetre::AvecPanneau);
        f.enregistrer();
        QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
        for (auto* p : f->findChildren<QComboBox*>())
            p->setCurrentIndex(p->count() - 1);
        QTest::mouseClick(ouvrirMois()->findChild<QWidget*>("LAnnee"), Qt::LeftButton);
        MenuBar1::instance()->item("FilePatients")->trigger();
        QCOMPARE(f.texte("StaticText9"), locale == QLocale::c() ? "8,400.00 €" : "8\u202F400,00 €");
        for (QWidget* w : f->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->width() == 0 || w->objectName() == "Canvas1")
                continue;
            int largeur = w->width() - (qobject_cast<QPushButton*>(w) ? 6 : 0);
            if (auto* rb = qobject_cast<QRadioButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(rb);
                largeur = rb->style()
                              ->subElementRect(QStyle::SE_RadioButtonContents, &option, rb)
                              .width();
            }
            const QString texte = w->property("text").toString().trimmed();
            // A text that wraps has the height of its lines.
            if (auto* l = qobject_cast<QLabel*>(w); l && l->wordWrap()) {
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(texte));
                continue;
            }
            QVERIFY2(w->objectName() == "Message" || qobject_cast<QLineEdit*>(w) ||
                         w->fontMetrics().horizontalAdvance(texte) <= largeur,
                     qPrintable(QStringLiteral("%1 in %2").arg(texte, face)));
        }
    }
}

void TestUi::estimateLeavesTheWindow() {
    const Fenetre f({}, Fenetre::Montree);
    QTemporaryDir dossier;
    MenuBar1* menus = MenuBar1::instance();
    // Ctrl+C out of a text field: the estimate, as text and as a table.
    f.w("PopupMenu1")->setFocus();
    QTRY_VERIFY(f.w("PopupMenu1")->hasFocus());
    menus->item("EditCopy")->trigger();
    const QMimeData* copie = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copie->text(), f->estimation().texte());
    QCOMPARE(copie->html(), f->estimation().html());
    // How each amount is made.
    QCOMPARE(bulle(f.w("StaticText8")).section(u'\n', 0, 1),
             "4 poches × (4 AMI × 3.00\u202F€ + 2.20\u202F€ IFD) = 56.80\u202F€ par jour de "
             "traitement\nEn DPCA, au plus 4 changements de poche par jour sont facturés.");
    QCOMPARE(bulle(f.w("Canvas1")),
             f->estimation().totaux()[0].formule + '\n' + f->estimation().totaux()[1].formule);
    // The sheet's own menu, gone once closed: one more at each right-click would pile up.
    emit f.w("Canvas1")->customContextMenuRequested(QPoint(20, 20));
    auto* menu = f->findChild<QMenu*>("MenuFeuille");
    QCOMPARE(menu->actions().size(), 3);
    menu->close();
    QTRY_VERIFY(!f->findChild<QMenu*>("MenuFeuille"));
    // A PDF where the user says, by default in the Documents folder, named .pdf even when the
    // user does not type it, with the permissions of any new document; a failure says why.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(QFile(dossier.filePath("fichier")).open(QIODevice::WriteOnly));
    for (const char* nom : {"estimation", "fichier/estimation.pdf"}) {
        QTRY_VERIFY(!f->findChild<QFileDialog*>("ExportPdf"));
        menus->item("FileExportPdf")->trigger();
        auto* dialogue = f->findChild<QFileDialog*>("ExportPdf");
        QCOMPARE(dialogue->selectedFiles().value(0),
                 QDir(QDir(documents).exists() ? documents : QDir::homePath())
                     .filePath("Estimation Tarivane " + QDate::currentDate().toString(Qt::ISODate) +
                               ".pdf"));
        dialogue->selectFile(dossier.filePath(nom));
        static_cast<QDialog*>(dialogue)->accept();
    }
    QVERIFY(QFileInfo(dossier.filePath("estimation.pdf")).size() > 1000);
#ifdef Q_OS_UNIX
    const mode_t masque = ::umask(0);
    ::umask(masque);
    // Qt writes the user's, group's and others' permissions as hexadecimal digits.
    QCOMPARE(
        QString::number(QFileInfo(dossier.filePath("estimation.pdf")).permissions() & 0xFFF, 16),
        QString::number(0666 & ~masque, 8));
#endif
    auto* echec = f->findChild<QMessageBox*>("EchecSortie");
    // Windows says of a file on the path that the folder is not there.
    QVERIFY(echec && (echec->text().endsWith(": un élément du chemin n'est pas un dossier.") ||
                      (QSysInfo::productType() == "windows" &&
                       echec->text().endsWith("fichier » n'existe pas."))));
    echec->close();
    QTRY_VERIFY(!f->findChild<QMessageBox*>("EchecSortie"));
#ifndef Q_OS_UNIX
    QSKIP("the print dialog is the system's own, and a size limit is POSIX's");
#else
    // Printed, here into a file: the printer keeps its settings from one print to
    // the next; a file is written whole or not at all, an old one kept beyond the size limit,
    // which ends no more than the write.
    QVERIFY(QFile(dossier.filePath("ancien.pdf")).open(QIODevice::WriteOnly));
    for (const auto& [nom, raison] : std::initializer_list<std::pair<QString, QString>>{
             {"fichier/imprime.pdf",
              "un élément du chemin n'est pas un dossier. Aucun fichier n'a été modifié."},
             {"ancien.pdf", "le fichier dépasse la taille permise. Aucun fichier n'a été modifié."},
             {"imprime.pdf", ""}}) {
        rlimit limite{nom == "ancien.pdf" ? 100u : RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limite);
        for (bool imprimer : {false, true}) {
            QTRY_VERIFY(!f->findChild<QPrintDialog*>("Impression"));
            menus->item("FilePrint")->trigger();
            auto* impression = f->findChild<QPrintDialog*>("Impression");
            // The paper and margins the pages are laid out for.
            QVERIFY(impression->printer()->pageLayout().isEquivalentTo(Page::miseEnPage()));
            impression->printer()->setOutputFileName(dossier.filePath(nom));
            imprimer ? impression->accept() : impression->reject();
        }
        echec = f->findChild<QMessageBox*>("EchecSortie");
        QCOMPARE(echec ? echec->text().right(raison.size()) : "", raison);
        delete echec;
    }
    QVERIFY(QFileInfo(dossier.filePath("imprime.pdf")).size() > 1000);
    QCOMPARE(QFileInfo(dossier.filePath("ancien.pdf")).size(), 0);
#endif
}

void TestUi::wholeOnPagesOfThePrintableArea_data() {
    QTest::addColumn<QString>("document"); // the week, April 2026 or the year 2026, on A4 or A6
    QTest::addColumn<bool>("pire");        // the longest path, every line ignored, every rule
    QTest::newRow("the week in DPA, no settings file") << "semaine" << false;
    QTest::newRow("the week, the longest path") << "semaine" << true;
    QTest::newRow("the week on A6, narrower than the sheet") << "semaine A6" << false;
    QTest::newRow("April, the longest path") << "mois" << true;
    QTest::newRow("the year, the longest path") << "annee" << true;
}

void TestUi::wholeOnPagesOfThePrintableArea() {
    QFETCH(QString, document);
    QFETCH(bool, pire);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("poppler-utils' pdftotext and pdftoppm are missing: the PDF cannot be read back");
    // Six bags, nights, a Sunday and dressings: every rule to check. PATH_MAX, its end included.
    const Defaut::RapportLecture plusLong{
        ("/" + QString(226, u'd')).repeated(18) + "/Tarivane", {}, {1, 2, 3, 4, 5}};
    const Exemples x = pire ? exemples({6, 7, 1, 3, 7, 7, Modalite::DPCA}, plusLong, 4)
                            : exemples({2, 7, 1, 7, 7, 7, Modalite::DPA}, {}, 4);
    const Estimation& e = document == "mois" ? x.mois : x.semaine;
    const QTemporaryDir dossier;
    const QString pdf = dossier.filePath("page.pdf");
    QString erreur;
    Page page = document == "annee" ? Page(x.annee) : Page(e);
    QPageLayout mise = Page::miseEnPage();
    mise.setPageSize(QPageSize(document.endsWith("A6") ? QPageSize::A6 : QPageSize::A4));
    QVERIFY(page.ecrirePdf(pdf, erreur, mise));
    // A PDF reader shows its title.
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished());
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(page.titre()));
    // What the printable area shows, page after page, as drawn; without spaces, as it wraps.
    const QRect z = mise.paintRect(QPageLayout::Point).toAlignedRect();
    QProcess texte;
    texte.start("pdftotext",
                {"-raw", "-x", QString::number(z.x()), "-y", QString::number(z.y()), "-W",
                 QString::number(z.width()), "-H", QString::number(z.height()), pdf, "-"});
    QVERIFY(texte.waitForFinished());
    const auto serre = [](QString t) { return t.removeIf([](QChar c) { return c.isSpace(); }); };
    const QStringList pages = QString::fromUtf8(texte.readAllStandardOutput()).split(u'\f');
    const qsizetype n = pages.size() - 1;
    QVERIFY(n > 0 && serre(pages[n - 1]).contains(u"Estimationindicative"));
    // Each page numbered when there are several; the text runs on from one page to the next.
    QString lu;
    for (qsizetype i = 0; i < n; ++i) {
        const QString numero = QStringLiteral("page%1/%2").arg(i + 1).arg(n);
        QCOMPARE(serre(pages[i]).contains(numero), n > 1);
        lu += serre(pages[i]).remove(numero);
    }
    // Each paragraph and cell of what the copy holds, whole, down to the last thing to check (on
    // A6 the narrow cells' lines are read back interleaved).
    const QString html = document == "annee" ? x.annee.html() : e.html();
    for (const QString& morceau : QTextDocumentFragment::fromHtml(html).toPlainText().split(u'\n'))
        QVERIFY2(lu.contains(serre(morceau)) || document.endsWith("A6"), qPrintable(morceau));
    // No ink outside the printable area, a pixel of anti-aliasing aside.
    QCOMPARE(QProcess::execute("pdftoppm", {"-r", "30", "-gray", pdf, dossier.filePath("p")}), 0);
    for (const QString& nom : QDir(dossier.path()).entryList({"p*.pgm"})) {
        QImage image = QImage(dossier.filePath(nom)).convertToFormat(QImage::Format_RGB32);
        QImage blanche(image.size(), image.format());
        blanche.fill(Qt::white);
        QPainter(&image).fillRect(mise.paintRectPixels(30).adjusted(-1, -1, 1, 1), Qt::white);
        QVERIFY2(image == blanche, qPrintable(nom));
    }
    QCOMPARE(QDir(dossier.path()).entryList({"p*.pgm"}).size(), n);
}

// What she does in both windows (name=n picks item n or value n, a name alone clicks), then
// reads in the month window: the weekdays ticked, the five counts ("-" hidden, "*" said
// corrected, "o" in the orange of a corrected count), the totals.
void TestUi::month_data() {
    lignesDeTable("mois");
}

void TestUi::month() {
    QFETCH(QString, gestes);
    const Fenetre f({}, Fenetre::Montree);
    ouvrirMois();
    for (const QString& g : gestes.split(u' ', Qt::SkipEmptyParts)) {
        QWidget* w = f.w(g.section(u'=', 0, 0));
        const int n = g.section(u'=', 1).toInt();
        if (auto* c = qobject_cast<QComboBox*>(w))
            c->setCurrentIndex(n);
        else if (auto* s = qobject_cast<QSpinBox*>(w))
            s->setValue(n);
        else
            QTest::mouseClick(w, Qt::LeftButton);
    }
    QString lu;
    for (int i = 0; i < 7; ++i)
        lu += f.w<QCheckBox>(QStringLiteral("Jour(%1)").arg(i))->isChecked() ? u'1' : u'0';
    for (const char* nom :
         {"JoursTraitement", "DimanchesFeries", "Pansements", "Nuits", "Surveillance"})
        lu += u' ' + (f.w(nom)->isVisible() ? f.w<QSpinBox>(nom)->text() : QStringLiteral("-")) +
              (f.w(nom)->accessibleDescription() == "corrigé" ? "*" : "") +
              (f.w(nom)->palette().color(QPalette::Base).name() == "#ffd699" ? "o" : "");
    // Each amount shown tells how it is made, its own way.
    QSet<QString> bulles;
    for (int i = 0; i < 6; ++i)
        if (QWidget* m = f.w(QStringLiteral("Montant(%1)").arg(i)); m->isVisible())
            bulles << bulle(m);
    QCOMPARE(bulles.size(), f.w("Surveillance")->isVisible() ? 6 : 5);
    // Why none is proposed, when none is.
    QCOMPARE(f.texte("Feries").endsWith("la semaine type n'en facture aucun."),
             f.w<QComboBox>("PopupMenu3")->currentData().toDouble() == 0);
    QTEST(lu + " | " + f.texte("TotalMois") + " | " + f.texte("MoyenneFenetre"), "vu");
}

void TestUi::monthWindowAndWhatLeavesIt() {
    const Fenetre f({}, Fenetre::Montree);
    MenuBar1* menus = MenuBar1::instance();
    WMois* mois = ouvrirMois();
    QTRY_COMPARE(QApplication::activeWindow(), mois);
    // It opens on the current month.
    QCOMPARE(QDate(f.w<QSpinBox>("Annee")->value(), f.w<QComboBox>("Mois")->currentIndex() + 1, 1),
             QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1));
    f.w<QSpinBox>("Annee")->setValue(2026);
    f.w<QComboBox>("Mois")->setCurrentIndex(4);
    // Clear of the main window's menu bar; a second choice brings the same window.
    QVERIFY(!mois->frameGeometry().intersects(f.w("MenuBar1")->geometry().translated(f->pos())));
    QCOMPARE(ouvrirMois(), mois);
    // Tab runs through every control; fields are named by their rows, the total reads both.
    f.w("Mois")->setFocus();
    QStringList tour;
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tour << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(tour.join(u' '),
             "Annee Calendrier Jour(0) Jour(1) Jour(2) Jour(3) Jour(4) Jour(5) "
             "Jour(6) JoursTraitement DimanchesFeries Pansements Nuits LAnnee Mois");
    QCOMPARE(f.w("Pansements")->accessibleName() + " | " + f.w("Calendrier")->accessibleName(),
             "Pansements dans le mois | Calendrier des jours fériés");
    QCOMPARE(f.w("TotalMois")->accessibleDescription(),
             "Facturation de mai 2026 : 2,481.25 €. Moyenne mensuelle de la semaine type : "
             "2,291.68 €.");
    QCOMPARE(bulle(f.w("Montant(2)")).section(u'\n', 0, 0),
             "13 pansements × 4 AMI × 3.00\u202F€ = 156.00\u202F€ par mois");
    // The month window carries the menus: their keys copy the month, not the week, even from a
    // count whose field would take the key.
    f.w("Pansements")->setFocus();
    QTest::keySequence(f.w("Pansements"), QKeySequence::Copy);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        "Tarivane — Estimation de mai 2026 (Métropole)\n"));
    menus->item("FileExportPdf")->trigger();
    auto* dialogue = mois->findChild<QFileDialog*>("ExportPdf");
    QVERIFY(dialogue->selectedFiles().value(0).endsWith("/Estimation Tarivane 2026-05.pdf"));
    dialogue->reject();
    // The year, hidden until asked for: its months in place, beside 52 weeks, inside the screen.
    QVERIFY(!f.w("TotalAnnee")->isVisible());
    QTest::mouseClick(f.w("LAnnee"), Qt::LeftButton);
    QCOMPARE(f.texte("MoisAnnee(1)") + f.w("MoisAnnee(4)")->accessibleDescription() +
                 f.texte("TotalAnnee") + f.texte("Semaines"),
             "2,115.40 €Facturation de mai 2026 : 2,481.25 €27,866.15 €27,500.20 €");
    QVERIFY(mois->screen()->availableGeometry().contains(mois->frameGeometry()));
    // Shown, the year is what the menus carry.
    QTest::keySequence(f.w("Jour(0)"), QKeySequence::Copy);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        "Tarivane — Estimation de l'année 2026 (Métropole)\n"));
    // New tariffs: new amounts, her correction kept.
    f.w<QSpinBox>("Pansements")->setValue(10);
    f.basculer();
    f.champ(0)->setText("3.15");
    f.enregistrer();
    QCOMPARE(f.texte("TotalMois"), "2,525.65 €");
    // Escape closes it; Copy copies the week again.
    QTest::keyClick(f.w("Pansements"), Qt::Key_Escape);
    QVERIFY(!mois->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), f.fenetre());
    menus->item("EditCopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), f->estimation().texte());
}

void TestUi::herPatientsKeptAndReopened() {
    Fenetre f({}, Fenetre::Montree);
    const auto patients = [&] {
        MenuBar1::instance()->item("FilePatients")->trigger();
        return f->findChild<WPatients*>();
    };
    const auto bouton = [&](const char* nom, const QString& texte = {}) {
        patients()->findChild<QLineEdit*>("NomPatient")->setText(texte);
        QTest::mouseClick(patients()->findChild<QPushButton*>(nom), Qt::LeftButton);
    };
    const auto choisir = [&](const QString& nom) {
        auto* liste = patients()->findChild<QTableWidget*>("ListePatients");
        liste->selectRow(liste->findItems(nom, Qt::MatchExactly).value(0)->row());
    };
    const auto choix = [&] {
        return f.w<QComboBox>("PopupMenu1")->currentText() +
               f.w<QComboBox>("PopupMenu5")->currentText() + f.texte("StaticText1");
    };
    const auto mai = [&] {
        ouvrirMois();
        f.w<QSpinBox>("Annee")->setValue(2026);
        f.w<QComboBox>("Mois")->setCurrentIndex(4);
        return f.w<QSpinBox>("Pansements");
    };
    // Nothing is kept without a patient; a new one is the window's treatment, open at once.
    QCOMPARE(f->windowTitle(), "Tarivane en Dialyse Péritonéale");
    bouton("NouveauPatient", "M. D.");
    QCOMPARE(f->windowTitle(), "Tarivane en Dialyse Péritonéale — M. D.");
    f.w<QComboBox>("PopupMenu5")->setCurrentIndex(3);
    mai()->setValue(10);
    // What leaves the windows names her patient.
    QCOMPARE(Page::nomFichier(f->findChild<WMois*>()->estimation()),
             "Estimation M. D. 2026-05.pdf");
    // A second patient from the same treatment, then changed: each keeps its own.
    bouton("NouveauPatient", "B");
    QTest::mouseClick(f.w("RB(1)"), Qt::LeftButton);
    QCOMPARE(f.w<QSpinBox>("Pansements")->value(), 31);
    // Started again: the patient open last, then the other as she left it, month included.
    f.redemarrer();
    QCOMPARE(f->windowTitle(), "Tarivane en Dialyse Péritonéale — B");
    QCOMPARE(choix(), "23Nombre de branchements ou débranchements par jour");
    // A name taken is told; Return in the list opens the one chosen, amounts too; the reason goes.
    bouton("NouveauPatient", "b");
    QVERIFY(!patients()->findChild<QLabel*>("MessagePatients")->text().isEmpty());
    choisir("M. D.");
    QTest::keyClick(patients()->findChild<QTableWidget*>("ListePatients"), Qt::Key_Return);
    QCOMPARE(patients()->findChild<QLabel*>("MessagePatients")->text(), "");
    QCOMPARE(choix(), "43Nombre de poches par jour de traitement");
    QVERIFY(f->estimation().texte().contains("\nPatient\u00A0: M. D.\n"));
    QCOMPARE(mai()->value(), 10);
    QCOMPARE(f.w("Pansements")->accessibleDescription(), "corrigé");
    // Renamed, the window's title follows. The month of all of them, each with its own month, and
    // their year leave the window.
    bouton("RenommerPatient", "M. D.-K.");
    QCOMPARE(f->windowTitle(), "Tarivane en Dialyse Péritonéale — M. D.-K.");
    patients()->findChild<QComboBox*>("MoisPatients")->setCurrentIndex(4);
    patients()->findChild<QSpinBox*>("AnneePatients")->setValue(2026);
    QCoreApplication::processEvents();
    // Escape closes it; shown again, it has followed what changed meanwhile.
    auto* wp = patients();
    QTest::keyClick(wp, Qt::Key_Escape);
    QVERIFY(!wp->isVisible());
    mai()->setValue(12);
    auto* liste = patients()->findChild<QTableWidget*>("ListePatients");
    QTRY_COMPARE(
        liste->findItems(f->findChild<WMois*>()->estimation().total().montant, Qt::MatchExactly)
            .size(),
        1);
    patients()->sortie()->copier();
    QCOMPARE(QGuiApplication::clipboard()->text(), patients()->patientele().texte());
    QCOMPARE(liste->rowCount(), 2);
#ifdef Q_OS_UNIX
    {
        // A change that cannot be kept is told, from either window: once while its notice is open,
        // again once she has closed it.
        const auto echecs = [&] {
            QStringList vus;
            for (const QMessageBox* b : f->findChildren<QMessageBox*>("EchecPatients"))
                vus << lu(b->findChild<QLabel*>("qt_msgbox_label"));
            return vus;
        };
        // Closed as she closes it, and gone.
        const auto fermer = [&] {
            f->findChild<QMessageBox*>("EchecPatients")->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        const QStringList plein{"Le fichier des patients « " + Patients::Chemin() +
                                " » n'a pas pu être utilisé : le disque est plein, ou le fichier "
                                "dépasse la taille permise."};
        rlimit limite{0, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limite);
        const auto retablir = qScopeGuard([&] {
            limite.rlim_cur = RLIM_INFINITY;
            setrlimit(RLIMIT_FSIZE, &limite);
        });
        f.w<QComboBox>("PopupMenu2")->setCurrentIndex(3);
        QCOMPARE(echecs(), plein);
        mai()->setValue(9);
        QCOMPARE(echecs(), plein);
        fermer();
        mai()->setValue(8);
        QCOMPARE(echecs(), plein);
        fermer();
    }
#endif
    // Deleting the open patient leaves the windows with none.
    choisir("B");
    QTest::keyClick(liste, Qt::Key_Return);
    bouton("SupprimerPatient");
    for (QAbstractButton* b :
         patients()->findChild<QMessageBox*>("ConfirmerSuppression")->buttons())
        if (b->text() == "Supprimer")
            b->click();
    QCOMPARE(f->windowTitle(), "Tarivane en Dialyse Péritonéale");
    QVERIFY(!f->estimation().texte().contains("Patient") && !liste->item(0, 0)->font().bold());
    // Its month is no longer hers: a correction there goes nowhere and fails nothing.
    mai()->setValue(11);
    QVERIFY(!f->findChild<QMessageBox*>("EchecPatients"));
    // Her year leaves the window from the total's own menu.
    emit wp->findChild<QLabel*>("TotalPatients")->customContextMenuRequested({});
    QVERIFY(wp->findChild<QMenu*>("MenuFeuille"));
    delete wp->findChild<QMenu*>("MenuFeuille");
}

// What the panel, the window and the About box say of the sets, step by step.
void TestUi::officialTariffs() {
    const Fenetre f({}, Fenetre::AvecPanneau);
    auto* choix = f.w<QComboBox>("TarifsOfficiels");
    // The built-in values are the set of July 2007, named as replaced.
    QStringList vu{choix->currentText()};
    // Labelled as the notice names it, above the button she presses after it; every set's
    // name shows whole in the closed chooser.
    const auto etiquettes = f.w("WPref")->findChildren<QLabel*>();
    const auto etiquette = std::find_if(etiquettes.begin(), etiquettes.end(),
                                        [&](QLabel* l) { return l->buddy() == choix; });
    QVERIFY(etiquette != etiquettes.end() && (*etiquette)->isVisible());
    vu << (*etiquette)->text();
    QVERIFY(choix->geometry().bottom() < f.w("BevelButton2")->geometry().top());
    QStyleOptionComboBox option;
    option.initFrom(choix);
    const QRect texte = choix->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, choix);
    for (int i = 0; i < choix->count(); ++i)
        QVERIFY2(choix->fontMetrics().horizontalAdvance(choix->itemText(i)) <= texte.width(),
                 qPrintable(choix->itemText(i)));
    // Chosen, it fills the fields as if typed: nothing is kept until saved.
    choix->setCurrentIndex(0);
    emit choix->activated(0);
    for (int i = 0; i < 5; ++i)
        vu << f.champ(i)->text();
    vu << f.dossier().contenu() << f.texte("JeuTarifs");
    f.enregistrer();
    vu << f.w("Canvas1")->accessibleDescription() << f.texte("JeuTarifs");
    // The About box names them too, beside the window, with where her patients are kept.
    MenuBar1::instance()->item("HelpAbout")->trigger();
    auto* boite = f->findChild<QMessageBox*>("APropos");
    QVERIFY(boite && boite->isVisible() && !boite->isModal());
    vu << boite->text().replace(QDir::toNativeSeparators(f.dossier().chemin("")), "…");
    // Closed, it is gone: each About would pile up otherwise.
    boite->close();
    QTRY_VERIFY(!f->findChild<QMessageBox*>("APropos"));
    // One value typed away from the set: her own values.
    f.champ(0)->selectAll();
    QTest::keyClicks(f.champ(0), "3.2");
    vu << (choix->currentIndex() < 0 ? choix->placeholderText() : "");
    // A replaced set, saved: said as such, with today's one choice away.
    choix->setCurrentIndex(2);
    emit choix->activated(2);
    f.enregistrer();
    vu << f.texte("Message");
    // Gone once she takes today's set.
    emit choix->activated(0);
    QVERIFY(f.message()->isHidden());
    COMPARER_AU_TEXTE(vu.join(u'\n'), "official tariffs");
}

// In the low tariff fields the comma keeps its tail below the line, where a point has none.
void TestUi::commaDrawnWhole() {
    const Fenetre f({}, Fenetre::AvecPanneau);
    QLineEdit* champ = f.champ(0);
    // The lowest row of ink, however light: a tail is drawn in grey.
    const auto bas = [&](const char* texte) {
        champ->setText(texte);
        const QImage image = champ->grab().toImage();
        const int fond = qGray(image.pixel(0, 0));
        for (int y = image.height() - 1; y >= 0; --y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < fond - 48)
                    return y;
        return -1;
    };
    QCOMPARE_GT(bas("3,5"), bas("3.5"));
    QCOMPARE_GT(bas("3,00"), bas("3.00"));
}

void TestUi::keyboardOnly() {
    const Fenetre f({}, Fenetre::Montree);
    QAccessible::installUpdateHandler(noterAlerte);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    // Ctrl+, opens the panel, announced, with no field selected.
    QTest::keyClick(f.fenetre(), Qt::Key_Comma, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), "EditField1");
    QCOMPARE(QApplication::focusWidget()->accessibleName(), "Paramétrage des tarifs");
    // Tab goes to the first field, then round the five, never back to the empty one.
    QStringList tour;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tour << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(tour.join(u' '), "EF(0) EF(1) EF(2) EF(3) EF(4) TarifsOfficiels EF(0)");
    // Typed over the selected value, saved with Return, confirmed in place and read out.
    QTest::keyClicks(f.champ(0), "3,5");
    QTest::keyClick(f.champ(0), Qt::Key_Return);
    QCOMPARE(f.texte("StaticText8") + lu(f.message()), "64.80 €Tarifs enregistrés.");
    QCOMPARE(alertes, QStringList{"Tarifs enregistrés."});
    // The start-up notice, no longer so, is closed.
    QVERIFY(!f->findChild<QMessageBox*>("AvisLecture")->isVisible());
    // Gone at the next edit; Ctrl+S saves as well.
    QTest::keyClicks(f.champ(0), "7");
    QVERIFY(!f.message()->isVisible());
    QTRY_VERIFY(f.panneau()->isActiveWindow());
    QTest::keySequence(f.panneau()->windowHandle(), QKeySequence::Save);
    QCOMPARE(Defaut::AMI, 3.57);
    // Escape closes the panel and gives the focus back to the main window.
    QTest::keyClick(f.champ(0), Qt::Key_Escape);
    QVERIFY(!f.panneau()->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), f.fenetre());
    QAccessible::installUpdateHandler(nullptr);
}

// After her keys: the panel's message, the AMI and count in use, the fields marked, the act code.
void TestUi::whatThePanelSays_data() {
    QTest::addColumn<QStringList>("gestes"); // after Ctrl+,: keys ("k:" typed), "EFi=" text, "save"
    QTest::newRow("keys into no field") << QStringList{"k:3,25", "Return"};
    QTest::newRow("keys into no field, told at once") << QStringList{"k:3"};
    QTest::newRow("a value and 5000 blanks") << QStringList{"EF0=5" + QString(5000, ' '), "save"};
    // Refused: what and why, the field marked.
    QTest::newRow("5000 leading zeros") << QStringList{"EF0=" + QString(5000, '0') + "5", "save"};
    QTest::newRow("a word") << QStringList{"EF4=abcdefghijklmnopqrstu", "save"};
    QTest::newRow("a count with three decimals") << QStringList{"EF4=2,255", "save"};
    QTest::newRow("a negative with a typographic minus") << QStringList{"EF1=\u22122", "save"};
    QTest::newRow("fractions of a cent") << QStringList{"EF0=3,154", "save"};
    QTest::newRow("one refusal mended, another made")
        << QStringList{"EF0=abc", "save", "EF0=3,5", "EF4=x", "save"};
    // Nothing typed, nothing marked: the file's value it could not keep is the notice's to say.
    QTest::newRow("a file's tariff with fractions of a cent")
        << QStringList{"fichier:3.154\n2.75\n8.50\n9.15\n4\n"};
    QTest::newRow("unsaved typing, hidden and shown again")
        << QStringList{"EF0=3,30", "Escape", "Ctrl+,"};
    QTest::newRow("a count with two decimals") << QStringList{"EF4=8,88", "save"};
    QTest::newRow("a refusal, read as she mends it") << QStringList{"EF0=abc", "save", "k:3,5"};
    QTest::newRow("a long path wraps, the panel within the screen")
        << QStringList{"bas", "dossier=fichier/" + QString(3500, 'a'), "EF0=5", "save"};
}

void TestUi::whatThePanelSays() {
    QFETCH(QStringList, gestes);
    const QString fichier = gestes.first().startsWith("fichier:") ? gestes.takeFirst() : QString();
    const Fenetre f(fichier.isEmpty() ? QByteArray() : fichier.mid(8).toUtf8(), Fenetre::Montree);
    for (const QString& g : QStringList{"Ctrl+,"} + gestes) {
        QWidget* ici = QApplication::focusWidget() ? QApplication::focusWidget() : f.fenetre();
        if (g.startsWith("k:"))
            QTest::keyClicks(ici, g.mid(2));
        else if (g.startsWith("EF"))
            f.champ(g[2].digitValue())->setText(g.mid(4));
        else if (g.startsWith("dossier=") && f.dossier().ecrire("x", "fichier"))
            framework::FolderItem::SetApplicationFolder(f.dossier().chemin(g.mid(8)));
        else if (g == "save")
            f.enregistrer();
        else if (g == "bas") // dragged down to the screen's bottom
            f.panneau()->move(f.panneau()->x(), f->screen()->availableGeometry().bottom() -
                                                    f.panneau()->frameGeometry().height());
        else
            QTest::keySequence(ici, QKeySequence(g));
        // The focus settled: in the panel while it is shown.
        QTRY_VERIFY(QApplication::focusWidget() &&
                    f.panneau()->isVisible() ==
                        f.panneau()->isAncestorOf(QApplication::focusWidget()));
    }
    // A field marked as refused, or as typed and not saved.
    const QHash<QString, QString> couleurs{{"#ffbebe", "rose"}, {"#ffd699", "orange"}};
    QStringList marques;
    for (int i = 0; i < 5; ++i)
        if (!f.champ(i)->accessibleDescription().isEmpty())
            marques << QString::number(i) + ' ' +
                           couleurs.value(f.champ(i)->palette().color(QPalette::Base).name());
    QLabel* code = f.w<QLabel>("StaticText15");
    const QString vu =
        QStringList{
            f.message()->isVisible() ? lu(f.message()).remove(QChar(0x200B)) : "<no message>",
            QString::number(Defaut::AMI) + ' ' + QString::number(Defaut::Poches),
            marques.isEmpty() ? "aucun" : marques.join(' '),
            code->fontMetrics().horizontalAdvance(code->text()) <= code->width() ? code->text()
                                                                                 : "clipped"}
            .join(" | ");
    // The folder the system could not write in, and why, as each system says it.
    const QString dit =
        QString(vu).replace(QRegularExpression("dans « .* » : .*\\. Rien"), "dans « … » : …. Rien");
    COMPARER_AU_TEXTE(dit, "panel");
    QVERIFY(f.panneau()->screen()->availableGeometry().contains(f.panneau()->frameGeometry()));
}

void TestUi::placeBesideTheWindow_data() {
    QTest::addColumn<QRect>("ecran");
    QTest::addColumn<QList<QRect>>("ouvertes"); // the main window first
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QPoint>("place");
    const QRect grand(0, 0, 1920, 1080);
    const QSize panneau(300, 200);
    const QRect principale(0, 0, 524, 331);
    QTest::newRow("room on the right")
        << grand << QList<QRect>{{100, 100, 520, 350}} << panneau << QPoint(620, 100);
    QTest::newRow("at the right edge: on the left")
        << grand << QList<QRect>{{1400, 100, 520, 350}} << panneau << QPoint(1100, 100);
    QTest::newRow("no room either side: below")
        << QRect(0, 0, 800, 600) << QList<QRect>{{100, 30, 520, 350}} << panneau
        << QPoint(100, 380);
    QTest::newRow("low on the screen: raised to fit, still on the right")
        << grand << QList<QRect>{{100, 950, 520, 100}} << panneau << QPoint(620, 880);
    QTest::newRow("beyond the screen's right edge: against it")
        << QRect(0, 0, 800, 600) << QList<QRect>{{2000, 30, 520, 350}} << panneau
        << QPoint(500, 30);
    QTest::newRow("the month beside the main window and the panel, on 1366×768")
        << QRect(0, 0, 1366, 768) << QList<QRect>{principale, {524, 0, 304, 256}} << QSize(549, 335)
        << QPoint(0, 331);
    QTest::newRow("no room on 1024×600: over the main window's foot, not its menu bar")
        << QRect(0, 0, 1024, 600) << QList<QRect>{principale} << QSize(549, 335) << QPoint(0, 265);
}

void TestUi::placeBesideTheWindow() {
    QFETCH(QRect, ecran);
    QFETCH(QList<QRect>, ouvertes);
    QFETCH(QSize, taille);
    QFETCH(QPoint, place);
    const QRect menus(ouvertes[0].topLeft(), QSize(ouvertes[0].width(), 45));
    QCOMPARE(Placement::Place(taille, ecran, ouvertes, menus), place);
}

// The main window, the panel, the month and her patients as she opens them, on the screen the
// test is given: side by side where it has room, else never over the main window's menu bar.
void TestUi::windowsSideBySide() {
    const Fenetre f({}, Fenetre::Montree);
    const QRect ecran = f->screen()->availableGeometry();
    const bool place = ecran.width() >= 1366 && ecran.height() >= 768;
    // The notice of the first start hides none of the main window.
    auto* avis = f->findChild<QMessageBox*>("AvisLecture");
    QTRY_VERIFY(avis && avis->isVisible());
    QVERIFY(!avis->frameGeometry().intersects(f->frameGeometry()));
    avis->close();
    MenuBar1* menus = MenuBar1::instance();
    menus->item("EditPreferences")->trigger();
    menus->item("FileMois")->trigger();
    QList<QWidget*> fenetres{f.fenetre(), f.panneau(), f->findChild<WMois*>()};
    const QRect barre = f.w("MenuBar1")->geometry().translated(f->pos());
    // The panel goes with the main window.
    const QPoint panneau = f.panneau()->pos();
    f->move(f->pos() + QPoint(8, 4));
    QTRY_COMPARE(f.panneau()->pos(), panneau + QPoint(8, 4));
    f->move(f->pos() - QPoint(8, 4));
    QTRY_COMPARE(f.panneau()->pos(), panneau);
    for (int i = 1; i < fenetres.size(); ++i) {
        const QRect cadre = fenetres[i]->frameGeometry();
        QVERIFY2(ecran.contains(cadre), qPrintable(fenetres[i]->objectName()));
        QVERIFY2(!cadre.intersects(barre), qPrintable(fenetres[i]->objectName()));
        for (int j = 0; place && j < i; ++j)
            QVERIFY2(!cadre.intersects(fenetres[j]->frameGeometry()),
                     qPrintable(fenetres[i]->objectName() + " / " + fenetres[j]->objectName()));
    }
}

int main(int argc, char* argv[]) {
    // Dialogs that the tests can drive, on every platform.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    App app(argc, argv);
    TestUi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui.moc"
