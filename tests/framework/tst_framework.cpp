#include "fees/Motifs.h"
#include "framework/FolderItem.h"
#include "framework/Number.h"
#include "framework/Raison.h"
#include "framework/TextOutputStream.h"
#include "support/Dossier.h"

#include <QCoreApplication>
#include <QTest>

using framework::CDbl;
using framework::FolderItem;
using framework::Format;
using framework::Str;

namespace {

const QLocale C = QLocale::c();
const QLocale Francais(QLocale::French, QLocale::France);

// The same text with French separators: a narrow no-break space groups, a comma decimals.
QString enFrancais(QString texte) {
    return texte.replace(u',', QChar(0x202F)).replace(u'.', u',');
}

} // namespace

class TestFramework : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void cdbl_data();
    void cdbl();
    void whatTheFieldsShowReadsBackInEveryLocale();
    void anUnknownCauseIsNumbered();
    void neverResolvesOntoTheProgram();
};

void TestFramework::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("inC");
    const QString l = Motifs::Libelle.toString();
    const QString f = Motifs::Champ.toString();
    QTest::newRow("monthly average grouped") << 528.85 * 52 / 12 << l << "2,291.68 €";
    QTest::newRow("negative") << -3.5 << l << "-3.50 €";
    QTest::newRow("negative rounding to zero has no sign") << -0.001 << l << "0.00 €";
    QTest::newRow("half away from zero") << 0.125 << f << "0.13";
    QTest::newRow("decimal half of a binary-inexact value") << 2.675 << f << "2.68";
    QTest::newRow("just below a half stays") << 2.674999 << f << "2.67";
    QTest::newRow("carry into a new group") << 999.995 << l << "1,000.00 €";
    QTest::newRow("field pattern never groups") << 1234.5 << f << "1234.50";
    // The shortest text that reads back, as the act code shows a count of AMI.
    QTest::newRow("shortest: whole") << 4.0 << ""
                                     << "4";
    QTest::newRow("shortest: negative") << -1.5 << ""
                                        << "-1.5";
    QTest::newRow("shortest: round trip") << 0.1 + 0.2 << ""
                                          << "0.30000000000000004";
}

void TestFramework::format() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, inC);
    const auto ecrit = [&](const QLocale& l) {
        return pattern.isEmpty() ? Str(value, l) : Format(value, pattern, l);
    };
    QCOMPARE(ecrit(C), inC);
    QCOMPARE(ecrit(Francais), enFrancais(inC));
}

void TestFramework::cdbl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("expected"); // NaN: not a number
    const double non = qQNaN();
    QTest::newRow("whole number") << "14" << C << 14.0;
    QTest::newRow("comma whatever the locale") << " \t7,8 " << C << 7.8;
    QTest::newRow("point in French") << "9.15" << Francais << 9.15;
    QTest::newRow("signs") << "-2.5" << C << -2.5;
    QTest::newRow("another locale's digits and separator") << "٣٫٥" << C << 3.5;
    QTest::newRow("the Arabic separator in French") << "3٫00" << Francais << 3.0;
    QTest::newRow("the locale's minus sign") << "\u200E−2" << QLocale("fa_IR") << -2.0;
    QTest::newRow("empty") << " " << C << non;
    QTest::newRow("French grouping") << "1\u202F234" << Francais << non;
    QTest::newRow("two separators") << "1.2,3" << C << non;
    QTest::newRow("trailing junk, or an amount") << "3,00 €" << C << non;
    QTest::newRow("beyond the doubles") << "1" + QString(400, u'0') << C << non;
}

void TestFramework::cdbl() {
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(double, expected);
    bool ok = std::isnan(expected);
    QCOMPARE(CDbl(text, &ok, locale), std::isnan(expected) ? 0.0 : expected);
    QCOMPARE(ok, !std::isnan(expected));
}

void TestFramework::whatTheFieldsShowReadsBackInEveryLocale() {
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    for (const QLocale& locale : locales) {
        for (double v : {0.0, 0.5, 2.2, 9.15, 12.34, 20.0}) {
            const QString shown = Format(v, Motifs::Champ, locale);
            for (const QLocale& lecteur : {locale, C, Francais}) {
                bool ok = false;
                QVERIFY2(CDbl(shown, &ok, lecteur) == v && ok,
                         qPrintable(locale.name() + QStringLiteral(": ") + shown));
            }
        }
    }
}

void TestFramework::anUnknownCauseIsNumbered() {
    QCOMPARE(framework::Raison(4242), QStringLiteral("erreur du système n° 4242"));
}

void TestFramework::neverResolvesOntoTheProgram() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    QVERIFY(FolderItem::GetFolderItem(program.absolutePath(), program.fileName()).isNil());
#ifdef Q_OS_UNIX
    // Nor through another name for the same file.
    const Dossier d;
    QVERIFY(QFile::link(program.absoluteFilePath(), d.chemin()));
    QVERIFY(FolderItem::GetFolderItem("Tarivane").isNil());
    QString erreur;
    QVERIFY(!FolderItem::GetFolderItem("Tarivane").CreateTextFile(erreur));
    QVERIFY(!erreur.isEmpty());
#endif
    // The real folder of a test program is a portable copy's.
    FolderItem::SetApplicationFolder({});
    QCOMPARE(FolderItem::SorteDeCopie(), FolderItem::Copie::Portable);
}

QTEST_GUILESS_MAIN(TestFramework)
#include "tst_framework.moc"
