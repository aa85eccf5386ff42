#include "app/MenuBar1.h"
#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"
#include "ui/settings/WPref.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor Noir(0, 0, 0);
const QColor Bleu(0, 0, 255);

QString texte(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    if (auto* r = qobject_cast<const QRadioButton*>(w))
        return r->text();
    return {};
}

} // namespace

class TestWindow1 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowProperties();
    void layout_data();
    void layout();
    void initialAmounts_data();
    void initialAmounts();
    void eachPopupRecomputes_data();
    void eachPopupRecomputes();
    void modalitySwitchBothWays();
    void staleSurveillanceInDpca();
    void switchToDpaResetsSurveillance();
    void sheetAccessibleDescription();
    void ignoredLinesAreToldOnce();
    void linkHoverAndToggle();

private:
    Window1* ouvrir(const QByteArray& fichier = {});
    template <typename T = QWidget> T* w(const char* name) const {
        T* found = window_->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString label(const char* name) const { return w<QLabel>(name)->text(); }

    std::unique_ptr<QTemporaryDir> dir_;
    QPointer<Window1> window_;
};

void TestWindow1::init() {
    Defaut::Initialiser();
    dir_ = std::make_unique<QTemporaryDir>();
    framework::FolderItem::SetApplicationFolder(dir_->path());
}

void TestWindow1::cleanup() {
    delete window_;
    framework::FolderItem::SetApplicationFolder({});
}

Window1* TestWindow1::ouvrir(const QByteArray& fichier) {
    if (!fichier.isNull()) {
        QFile f(dir_->filePath("Tarivane"));
        if (!f.open(QIODevice::WriteOnly) || f.write(fichier) != fichier.size())
            qFatal("cannot write the settings file");
    }
    window_ = Window1::instance();
    return window_;
}

void TestWindow1::windowProperties() {
    ouvrir();
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tarivane en Dialyse Péritonéale"));
    QCOMPARE(window_->centralWidget()->size(), QSize(520, 308));
    QCOMPARE(window_->centralWidget()->palette().color(QPalette::Window), QColor(216, 253, 244));
    QCOMPARE(window_->menuBar(), MenuBar1::instance());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(Window1::instance(), window_.data());
}

void TestWindow1::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("align"); // 0 left, 1 centre, 2 right; -1 not a label
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    const auto row = [](const char* name, const char* cls, QRect g, const QString& text,
                        bool visible, int align = -1, QColor color = Noir, bool bold = false,
                        bool underline = false) {
        QTest::newRow(name) << QString(name) << QString(cls) << g << text << visible << align
                            << color << bold << underline;
    };
    // Texts are those shown once the window has opened and computed with the defaults.
    row("StaticText1", "QLabel", {20, 39, 270, 20}, "Nombre de poches par jour de traitement", true,
        0);
    row("PopupMenu1", "QComboBox", {395, 40, 45, 20}, "4", true);
    row("StaticText2", "QLabel", {20, 59, 285, 20}, "Nombre de jours de traitement par semaine",
        true, 0);
    row("PopupMenu2", "QComboBox", {395, 59, 45, 20}, "7", true);
    row("StaticText3", "QLabel", {20, 99, 241, 20},
        "Nombre de dimanches et jour fériés par semaine", true, 0);
    row("PopupMenu3", "QComboBox", {395, 99, 45, 20}, "1", true);
    row("StaticText4", "QLabel", {20, 79, 285, 20}, "Nombre de pansements par semaine", true, 0);
    row("PopupMenu4", "QComboBox", {395, 79, 45, 20}, "3", true);
    row("StaticText5", "QLabel", {20, 119, 195, 20}, "Nombre d'actes de nuit par semaine", true, 0);
    row("PopupMenu5", "QComboBox", {395, 119, 45, 20}, "7", true);
    row("Canvas1", "Canvas", {67, 171, 386, 85}, "", true);
    row("RB(0)", "QRadioButton", {20, 7, 70, 20}, "DPCA", true);
    row("RB(1)", "QRadioButton", {460, 7, 48, 20}, "DPA", true);
    row("StaticText6", "QLabel", {20, 139, 324, 20},
        "Nombre d'organisations de la surveillance par semaine\r", false, 0);
    row("PopupMenu6", "QComboBox", {395, 139, 45, 20}, "7", false);
    row("StaticText7", "QLabel", {210, 268, 100, 20}, "Paramétrage", true, 1, Noir, true, true);
    row("StaticText8", "QLabel", {453, 39, 55, 20}, "56.80 €", true, 2, Bleu, true);
    row("StaticText9", "QLabel", {453, 59, 55, 20}, "397.60 €", true, 2, Bleu, true);
    row("StaticText10", "QLabel", {453, 79, 55, 20}, "36.00 €", true, 2, Bleu, true);
    row("StaticText11", "QLabel", {453, 99, 55, 20}, "31.20 €", true, 2, Bleu, true);
    row("StaticText12", "QLabel", {453, 119, 55, 20}, "64.05 €", true, 2, Bleu, true);
    row("StaticText13", "QLabel", {453, 139, 55, 20}, "Na", false, 2, Bleu, true);
    row("StaticText14", "QLabel", {96, 7, 314, 20}, "Modalité de traitement", true, 1, Noir, true);
    row("StaticText15", "QLabel", {299, 39, 69, 20}, "AMI 4 + IFD", true, 1);
    row("StaticText16", "QLabel", {299, 79, 69, 20}, "AMI 4", true, 1);
    row("StaticText17", "QLabel", {299, 99, 69, 20}, "ISD", true, 1);
    row("StaticText18", "QLabel", {299, 119, 69, 20}, "ISN", true, 1);
}

void TestWindow1::layout() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, visible);
    QFETCH(int, align);
    QFETCH(QColor, color);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    ouvrir();
    const QWidget* c = w(name.toLatin1().constData());
    QCOMPARE(c->metaObject()->className(), className);
    QCOMPARE(c->parentWidget(), window_->centralWidget());
    QCOMPARE(c->geometry(), geometry);
    QCOMPARE(texte(c), text);
    QCOMPARE(!c->isHidden(), visible);
    QCOMPARE(c->font().family(), QStringLiteral("Times"));
    QCOMPARE(c->font().pixelSize(), 12);
    QCOMPARE(c->font().bold(), bold);
    QCOMPARE(c->font().underline(), underline);
    if (align >= 0) {
        const auto* l = qobject_cast<const QLabel*>(c);
        const Qt::Alignment h = l->alignment() & Qt::AlignHorizontal_Mask;
        QCOMPARE(h, (std::array{Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight})[align]);
        QCOMPARE(l->palette().color(QPalette::WindowText), color);
    }
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
    ouvrir(fichier);
    QCOMPARE((QStringList{label("StaticText8"), label("StaticText9"), label("StaticText10"),
                          label("StaticText11"), label("StaticText12"), label("StaticText15")}),
             lignes);
}

void TestWindow1::eachPopupRecomputes_data() {
    QTest::addColumn<QString>("popup");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("bags per day") << "PopupMenu1" << 6 << "StaticText8"
                                  << "85.20 €";
    QTest::newRow("days per week") << "PopupMenu2" << 0 << "StaticText9"
                                   << "56.80 €";
    QTest::newRow("Sundays") << "PopupMenu3" << 2 << "StaticText11"
                             << "62.40 €";
    QTest::newRow("dressings") << "PopupMenu4" << 7 << "StaticText10"
                               << "84.00 €";
    QTest::newRow("nights") << "PopupMenu5" << 14 << "StaticText12"
                            << "128.10 €";
}

void TestWindow1::eachPopupRecomputes() {
    QFETCH(QString, popup);
    QFETCH(int, index);
    QFETCH(QString, label);
    QFETCH(QString, text);
    ouvrir();
    const QImage sheetBefore = window_->image()->image().copy();
    w<QComboBox>(popup.toLatin1().constData())->setCurrentIndex(index);
    QCOMPARE(this->label(label.toLatin1().constData()), text);
    QVERIFY(window_->image()->image() != sheetBefore);
}

void TestWindow1::modalitySwitchBothWays() {
    ouvrir();
    w<QComboBox>("PopupMenu2")->setCurrentIndex(4);
    w<QComboBox>("PopupMenu3")->setCurrentIndex(2);
    w<QComboBox>("PopupMenu5")->setCurrentIndex(3);
    w<QComboBox>("PopupMenu2")->setCurrentIndex(6);
    w<QComboBox>("PopupMenu3")->setCurrentIndex(1);
    w<QComboBox>("PopupMenu5")->setCurrentIndex(7);

    QTest::mouseClick(w("RB(1)"), Qt::LeftButton);
    QVERIFY(w<QRadioButton>("RB(1)")->isChecked());
    QCOMPARE(w<QComboBox>("PopupMenu1")->currentText(), QStringLiteral("2"));
    QCOMPARE(w<QComboBox>("PopupMenu4")->currentText(), QStringLiteral("7"));
    QCOMPARE(w<QComboBox>("PopupMenu6")->currentText(), QStringLiteral("7"));
    QVERIFY(!w("StaticText6")->isHidden() && !w("PopupMenu6")->isHidden() &&
            !w("StaticText13")->isHidden());
    QCOMPARE(label("StaticText1"),
             QStringLiteral("Nombre de branchements ou débranchements par jour"));
    QCOMPARE((QStringList{label("StaticText8"), label("StaticText9"), label("StaticText10"),
                          label("StaticText11"), label("StaticText12"), label("StaticText13")}),
             (QStringList{"28.40 €", "198.80 €", "84.00 €", "15.60 €", "64.05 €", "84.00 €"}));
    QVERIFY(w("Canvas1")->accessibleDescription().startsWith("DPA."));
    QVERIFY(w("Canvas1")->accessibleDescription().contains("446.45 €"));
    QVERIFY(w("Canvas1")->accessibleDescription().contains("1,934.62 €"));

    QTest::mouseClick(w("RB(0)"), Qt::LeftButton);
    QCOMPARE(w<QComboBox>("PopupMenu1")->currentText(), QStringLiteral("4"));
    QCOMPARE(w<QComboBox>("PopupMenu4")->currentText(), QStringLiteral("3"));
    QVERIFY(w("StaticText6")->isHidden() && w("PopupMenu6")->isHidden() &&
            w("StaticText13")->isHidden());
    QCOMPARE(label("StaticText1"), QStringLiteral("Nombre de poches par jour de traitement"));
    QCOMPARE(w<QComboBox>("PopupMenu2")->currentText(), QStringLiteral("7"));
    QCOMPARE(w<QComboBox>("PopupMenu3")->currentText(), QStringLiteral("1"));
    QCOMPARE(w<QComboBox>("PopupMenu5")->currentText(), QStringLiteral("7"));
    QVERIFY(w("Canvas1")->accessibleDescription().contains("528.85 €"));
}

void TestWindow1::staleSurveillanceInDpca() {
    ouvrir();
    QCOMPARE(label("StaticText13"), QStringLiteral("Na"));
    QTest::mouseClick(w("RB(1)"), Qt::LeftButton);
    w<QComboBox>("PopupMenu6")->setCurrentIndex(3);
    QCOMPARE(label("StaticText13"), QStringLiteral("36.00 €"));
    QTest::mouseClick(w("RB(0)"), Qt::LeftButton);
    w<QComboBox>("PopupMenu5")->setCurrentIndex(0);
    // Hidden, it keeps the last DPA amount; the DPCA total never includes it.
    QCOMPARE(label("StaticText13"), QStringLiteral("36.00 €"));
    QVERIFY(w("Canvas1")->accessibleDescription().contains("464.80 €"));
}

void TestWindow1::switchToDpaResetsSurveillance() {
    ouvrir();
    QTest::mouseClick(w("RB(1)"), Qt::LeftButton);
    w<QComboBox>("PopupMenu6")->setCurrentIndex(2);
    QTest::mouseClick(w("RB(0)"), Qt::LeftButton);
    QCOMPARE(w<QComboBox>("PopupMenu6")->currentText(), QStringLiteral("2"));
    QTest::mouseClick(w("RB(1)"), Qt::LeftButton);
    QCOMPARE(w<QComboBox>("PopupMenu6")->currentText(), QStringLiteral("7"));
    // Clicking the modality already chosen changes nothing.
    w<QComboBox>("PopupMenu1")->setCurrentIndex(5);
    QTest::mouseClick(w("RB(1)"), Qt::LeftButton);
    QCOMPARE(w<QComboBox>("PopupMenu1")->currentText(), QStringLiteral("5"));
}

void TestWindow1::sheetAccessibleDescription() {
    ouvrir();
    QCOMPARE(w("Canvas1")->accessibleDescription(),
             QStringLiteral("DPCA. Facturation hebdomadaire : 528.85 €. "
                            "Facturation mensuelle moyenne : 2,291.68 €."));
    const auto nom = [this](const char* control) {
        return QAccessible::queryAccessibleInterface(w(control))->text(QAccessible::Name);
    };
    // A pop-up is named by its row (on Linux, read out through its label's buddy relation).
    QCOMPARE(w("PopupMenu4")->accessibleName(), QStringLiteral("Nombre de pansements par semaine"));
    QCOMPARE(nom("StaticText7"), QStringLiteral("Paramétrage"));
    QCOMPARE(nom("RB(1)"), QStringLiteral("DPA"));
    QCOMPARE(nom("StaticText6"),
             QStringLiteral("Nombre d'organisations de la surveillance par semaine"));
    // Amounts are read out as they are shown now, not as the window opened.
    QCOMPARE(nom("StaticText8"), QStringLiteral("56.80 €"));
    QTest::mouseClick(w("RB(1)"), Qt::LeftButton);
    QCOMPARE(nom("StaticText8"), QStringLiteral("28.40 €"));
    QCOMPARE(w("PopupMenu1")->accessibleName(),
             QStringLiteral("Nombre de branchements ou débranchements par jour"));
}

void TestWindow1::ignoredLinesAreToldOnce() {
    ouvrir("3.00\nabc\n7.80\n\n4\n");
    QCOMPARE(window_->rapportLecture().lignesIgnorees, (QList<int>{2, 4}));
    // The calculation does not wait for the user: defaults are in use already.
    QCOMPARE(label("StaticText8"), QStringLiteral("56.80 €"));
    window_->show();
    QTRY_VERIFY(window_->findChild<QMessageBox*>("AvisLecture"));
    auto* avis = window_->findChild<QMessageBox*>("AvisLecture");
    QVERIFY(!avis->isModal());
    QVERIFY(avis->text().contains(dir_->filePath("Tarivane")));
    QVERIFY(avis->text().contains("les lignes 2 et 4"));
    avis->close();
    window_->hide();
    window_->show();
    QTest::qWait(20);
    QVERIFY(!window_->findChild<QMessageBox*>("AvisLecture"));
}

void TestWindow1::linkHoverAndToggle() {
    ouvrir();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    auto* lien = w<QLabel>("StaticText7");
    QCOMPARE(lien->cursor().shape(), Qt::PointingHandCursor);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(lien, &enter);
    QCOMPARE(lien->palette().color(QPalette::WindowText), Bleu);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(lien, &leave);
    QCOMPARE(lien->palette().color(QPalette::WindowText), Noir);
    QVERIFY(lien->font().bold() && lien->font().underline());

    QVERIFY(!WPref::existant());
    QTest::mouseClick(lien, Qt::LeftButton, {}, QPoint(95, 18));
    QVERIFY(WPref::existant() && WPref::existant()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), WPref::existant()->findChild<QWidget*>("EditField1"));
    // The main window stays usable while the panel is shown.
    w<QComboBox>("PopupMenu5")->setCurrentIndex(0);
    QCOMPARE(label("StaticText12"), QStringLiteral("0.00 €"));
    QCoreApplication::sendEvent(lien, &enter);
    QCOMPARE(lien->palette().color(QPalette::WindowText), Bleu);
    QTest::mouseClick(lien, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!WPref::existant()->isVisible());
    QTest::mouseClick(lien, Qt::LeftButton);
    QVERIFY(WPref::existant()->isVisible());
}

QTEST_MAIN(TestWindow1)
#include "tst_window1.moc"
