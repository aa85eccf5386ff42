#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "support/Fichiers.h"
#include "ui/main/Window1.h"
#include "ui/settings/WPref.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void panelLayout_data();
    void panelLayout();
    void fieldsShowValuesInUse_data();
    void fieldsShowValuesInUse();
    void panelSitsAgainstTheMainWindow();
    void keysAfterShowingChangeNoValue();
    void focusSelectsTheValue();
    void saveRoundTrip();
    void savingUneditedRoundedValue();
    void hiddenEditsAreKeptButNotUsed();
    void closedPanelIsRemadeFromValuesInUse();
    void invalidTextIsRefused_data();
    void invalidTextIsRefused();
    void failedSaveIsReportedAndChangesNothing();

private:
    void ouvrir(const QByteArray& fichier = {});
    void basculer() {
        QTest::mouseClick(window_->findChild<QLabel*>("StaticText7"), Qt::LeftButton);
    }
    WPref* panneau() const { return WPref::existant(); }
    QLineEdit* EF(int i) const {
        return panneau()->findChild<QLineEdit*>(QStringLiteral("EF(%1)").arg(i));
    }
    QString label(const char* name) const { return window_->findChild<QLabel*>(name)->text(); }
    QLabel* message() const { return panneau()->findChild<QLabel*>("Message"); }
    void enregistrer() {
        QTest::mouseClick(panneau()->findChild<QPushButton*>("BevelButton2"), Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QPointer<Window1> window_;
};

void TestSettings::init() {
    Defaut::Initialiser();
    dir_ = std::make_unique<QTemporaryDir>();
    framework::FolderItem::SetApplicationFolder(dir_->path());
}

void TestSettings::cleanup() {
    delete window_;
    framework::FolderItem::SetApplicationFolder({});
    framework::FolderItem::SetApplicationFolderWritable(std::nullopt);
}

void TestSettings::ouvrir(const QByteArray& fichier) {
    if (!fichier.isNull()) {
        QVERIFY(put(dir_->filePath("Tarivane"), fichier));
    }
    window_ = Window1::instance();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    basculer();
    QVERIFY(panneau() && panneau()->isVisible());
}

void TestSettings::panelLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    const QStringList labels{"Valeur de l'AMI (€)", "Indemnités de déplacements (€)",
                             "Majoration dimanches et fériés (€)", "Majoration de nuit (€)",
                             "Nombre d'AMI pour un chgt de poche"};
    const QStringList values{"3.00", "2.20", "7.80", "9.15", "4.00"};
    for (int i = 0; i < 5; ++i) {
        const QString ef = QStringLiteral("EF(%1)").arg(i);
        QTest::newRow(qPrintable(ef)) << ef << QRect(243, 12 + 22 * i, 37, 12) << values[i];
    }
    for (int i = 0; i < 5; ++i) {
        const QString st = QStringLiteral("ST(%1)").arg(i);
        QTest::newRow(qPrintable(st))
            << st << QRect(20, 12 + 22 * i, i == 4 ? 220 : 191, 20) << labels[i];
    }
    QTest::newRow("BevelButton2") << "BevelButton2" << QRect(118, 132, 64, 22) << "Enregistrer";
    QTest::newRow("EditField1") << "EditField1" << QRect(21, 130, 0, 22) << "";
}

void TestSettings::panelLayout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    ouvrir();
    QCOMPARE(panneau()->windowTitle(), QStringLiteral("Paramétrage"));
    QCOMPARE(panneau()->size(), QSize(300, 174));
    QCOMPARE(panneau()->palette().color(QPalette::Window), QColor(254, 251, 215));
    QVERIFY(panneau()->windowFlags() & Qt::Tool);
    const QWidget* c = panneau()->findChild<QWidget*>(name);
    QVERIFY(c);
    QCOMPARE(c->geometry(), geometry);
    QCOMPARE(c->font().family(), QStringLiteral("Times"));
    QCOMPARE(c->font().pixelSize(), 12);
    if (auto* e = qobject_cast<const QLineEdit*>(c)) {
        QCOMPARE(e->text(), text);
        if (name.startsWith("EF")) {
            QVERIFY(!e->hasFrame());
            QCOMPARE(e->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            QCOMPARE(e->palette().color(QPalette::Base), QColor(255, 255, 102));
        }
    } else if (auto* l = qobject_cast<const QLabel*>(c)) {
        QCOMPARE(l->text(), text);
    } else {
        auto* b = qobject_cast<const QPushButton*>(c);
        QCOMPARE(b->text(), text);
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }
}

void TestSettings::fieldsShowValuesInUse_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QStringList>("champs");
    QTest::newRow("no file: the defaults")
        << QByteArray() << QStringList{"3.00", "2.20", "7.80", "9.15", "4.00"};
    QTest::newRow("more decimals are shown rounded")
        << QByteArray("3.14159\n2.2\n7,8\n9.155\n5\n")
        << QStringList{"3.14", "2.20", "7.80", "9.16", "5.00"};
}

void TestSettings::fieldsShowValuesInUse() {
    QFETCH(QByteArray, fichier);
    QFETCH(QStringList, champs);
    ouvrir(fichier);
    QCOMPARE(
        (QStringList{EF(0)->text(), EF(1)->text(), EF(2)->text(), EF(3)->text(), EF(4)->text()}),
        champs);
}

void TestSettings::panelSitsAgainstTheMainWindow() {
    ouvrir();
    // Placement is the platform's where windows cannot be placed.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QSKIP("the compositor places tool windows");
    QCOMPARE(panneau()->frameGeometry().left(), window_->frameGeometry().right() + 1);
    QCOMPARE(panneau()->frameGeometry().top(), window_->frameGeometry().top());
    window_->move(window_->pos() + QPoint(40, 30));
    QCOMPARE(panneau()->frameGeometry().left(), window_->frameGeometry().right() + 1);
    QCOMPARE(panneau()->frameGeometry().top(), window_->frameGeometry().top());
}

void TestSettings::keysAfterShowingChangeNoValue() {
    ouvrir();
    QTRY_COMPARE(QApplication::focusWidget(), panneau()->findChild<QWidget*>("EditField1"));
    QTest::keyClicks(QApplication::focusWidget(), "12");
    for (int i = 0; i < 5; ++i)
        QVERIFY(!EF(i)->hasSelectedText());
    QCOMPARE(EF(0)->text(), QStringLiteral("3.00"));
}

void TestSettings::focusSelectsTheValue() {
    ouvrir();
    EF(3)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(EF(3)->selectedText(), QStringLiteral("9.15"));
}

void TestSettings::saveRoundTrip() {
    ouvrir();
    EF(0)->setText("3,5");
    enregistrer();
    QCOMPARE(contents(dir_->filePath("Tarivane")), QByteArray("3,5\n2.20\n7.80\n9.15\n4.00\n"));
    QCOMPARE(Defaut::AMI, 3.5);
    QCOMPARE(EF(0)->text(), QStringLiteral("3,5"));
    QCOMPARE(label("StaticText8"), QStringLiteral("64.80 €"));
    QVERIFY(panneau()->isVisible());
    // Twice in a row: the same file, the same amounts.
    enregistrer();
    QCOMPARE(contents(dir_->filePath("Tarivane")), QByteArray("3,5\n2.20\n7.80\n9.15\n4.00\n"));
    QCOMPARE(label("StaticText8"), QStringLiteral("64.80 €"));
}

void TestSettings::savingUneditedRoundedValue() {
    ouvrir("3.14159\n2.2\n7.8\n9.15\n4\n");
    QCOMPARE(Defaut::AMI, 3.14159);
    enregistrer();
    QCOMPARE(contents(dir_->filePath("Tarivane")), QByteArray("3.14\n2.20\n7.80\n9.15\n4.00\n"));
    QCOMPARE(Defaut::AMI, 3.14);
}

void TestSettings::hiddenEditsAreKeptButNotUsed() {
    ouvrir();
    EF(3)->setText("10");
    basculer();
    QVERIFY(!panneau()->isVisible());
    basculer();
    QCOMPARE(EF(3)->text(), QStringLiteral("10"));
    QCOMPARE(Defaut::Nuits, 9.15);
    QCOMPARE(label("StaticText12"), QStringLiteral("64.05 €"));
}

void TestSettings::closedPanelIsRemadeFromValuesInUse() {
    ouvrir();
    EF(3)->setText("10");
    panneau()->close();
    QTRY_VERIFY(!panneau());
    basculer();
    QVERIFY(panneau());
    QCOMPARE(EF(3)->text(), QStringLiteral("9.15"));
}

void TestSettings::invalidTextIsRefused_data() {
    QTest::addColumn<int>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("a word") << 1 << "abc"
                            << "« abc » n'est pas un nombre valide pour « Indemnités de "
                               "déplacements (€) ».";
    QTest::newRow("empty") << 0 << ""
                           << "« Valeur de l'AMI (€) » ne peut pas être vide.";
    QTest::newRow("negative") << 3 << "-9.15"
                              << "« -9.15 » n'est pas un nombre valide pour « Majoration de "
                                 "nuit (€) » : il ne peut pas être négatif.";
    QTest::newRow("grouped") << 4 << "1 000"
                             << "« 1 000 » n'est pas un nombre valide pour « Nombre d'AMI pour "
                                "un chgt de poche ».";
}

void TestSettings::invalidTextIsRefused() {
    QFETCH(int, champ);
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    ouvrir("3\n2.2\n7.8\n9.15\n4\n");
    EF(2)->setText("8");
    EF(champ)->setText(texte);
    enregistrer();
    QCOMPARE(contents(dir_->filePath("Tarivane")), QByteArray("3\n2.2\n7.8\n9.15\n4\n"));
    QCOMPARE(Defaut::Dimanches, 7.8);
    QVERIFY(message()->isVisible());
    QCOMPARE(message()->text(), attendu);
    QVERIFY(panneau()->height() >= 174);
    QVERIFY(message()->geometry().bottom() < panneau()->height());
    QVERIFY(EF(champ)->property("invalide").toBool());
    QTRY_COMPARE(QApplication::focusWidget(), EF(champ));

    EF(champ)->setText("1");
    enregistrer();
    QVERIFY(!message()->isVisible());
    QVERIFY(!EF(champ)->property("invalide").toBool());
    QCOMPARE(panneau()->size(), QSize(300, 174));
    QCOMPARE(Defaut::Dimanches, 8.0);
}

void TestSettings::failedSaveIsReportedAndChangesNothing() {
    ouvrir();
    const QString plain = dir_->filePath("plain");
    QFile f(plain);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    framework::FolderItem::SetApplicationFolder(plain);
    framework::FolderItem::SetApplicationFolderWritable(true);
    EF(0)->setText("5");
    enregistrer();
    QVERIFY(message()->isVisible());
    QVERIFY(message()->text().contains(QDir::toNativeSeparators(plain + "/Tarivane")));
    QVERIFY(message()->text().contains("n'ont pas pu être enregistrés"));
    QCOMPARE(Defaut::AMI, 3.0);
    QCOMPARE(label("StaticText8"), QStringLiteral("56.80 €"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
