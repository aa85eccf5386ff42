#include "fees/Motifs.h"
#include "framework/Number.h"

#include <QTest>

using framework::CDbl;
using framework::Format;
using framework::Str;

namespace {
const QLocale C = QLocale::c();
const QLocale Francais(QLocale::French, QLocale::France);
const QLocale Arabe(QLocale::Arabic, QLocale::Egypt);
const QString Fine(QChar(0x202F)); // the French group separator
} // namespace

class TestNumber : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void cdbl_data();
    void cdbl();
    void str_data();
    void str();
    void whatTheFieldsShowReadsBackInEveryLocale();
};

void TestNumber::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("inC");
    QTest::addColumn<QString>("inFrench");
    const QString l = Motifs::Libelle.toString();
    const QString f = Motifs::Champ.toString();
    QTest::newRow("monthly average grouped")
        << 528.85 * 52.0 / 12.0 << Motifs::Feuille.toString() << "2,291.68 €"
        << "2" + Fine + "291,68 €";
    QTest::newRow("millions") << 1234567.891 << l << "1,234,567.89 €"
                              << "1" + Fine + "234" + Fine + "567,89 €";
    QTest::newRow("zero") << 0.0 << l << "0.00 €"
                          << "0,00 €";
    QTest::newRow("below one keeps its zero") << 0.5 << l << "0.50 €"
                                              << "0,50 €";
    QTest::newRow("negative") << -3.5 << l << "-3.50 €"
                              << "-3,50 €";
    QTest::newRow("negative rounding to zero has no sign") << -0.001 << l << "0.00 €"
                                                           << "0,00 €";
    QTest::newRow("half away from zero") << 0.125 << f << "0.13"
                                         << "0,13";
    QTest::newRow("decimal half of a binary-inexact value") << 2.675 << f << "2.68"
                                                            << "2,68";
    QTest::newRow("half below stays") << 2.674999 << f << "2.67"
                                      << "2,67";
    QTest::newRow("carry into a new group") << 999.995 << l << "1,000.00 €"
                                            << "1" + Fine + "000,00 €";
    QTest::newRow("field pattern never groups") << 1234.5 << f << "1234.50"
                                                << "1234,50";
    QTest::newRow("field shows two places") << 9.1 << f << "9.10"
                                            << "9,10";
}

void TestNumber::format() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, inC);
    QFETCH(QString, inFrench);
    QCOMPARE(Format(value, pattern, C), inC);
    QCOMPARE(Format(value, pattern, Francais), inFrench);
}

void TestNumber::cdbl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole number") << "14" << C << true << 14.0;
    QTest::newRow("point") << "9.15" << C << true << 9.15;
    QTest::newRow("comma whatever the locale") << "7,8" << C << true << 7.8;
    QTest::newRow("blanks around") << " \t2.20  " << Francais << true << 2.2;
    QTest::newRow("negative") << "-2.5" << C << true << -2.5;
    QTest::newRow("plus sign") << "+3" << C << true << 3.0;
    QTest::newRow("trailing separator") << "5." << C << true << 5.0;
    QTest::newRow("many decimals kept") << "3.14159265" << C << true << 3.14159265;
    QTest::newRow("the locale's digits and separator")
        << QString::fromUtf8("٣٫٥") << Arabe << true << 3.5;
    QTest::newRow("the locale's minus sign")
        << QString::fromUtf8("\u200E−2") << QLocale(QLocale::Persian) << true << -2.0;
    QTest::newRow("empty") << "" << C << false << 0.0;
    QTest::newRow("word") << "abc" << C << false << 0.0;
    QTest::newRow("group separator") << "1,234.5" << C << false << 0.0;
    QTest::newRow("French grouping") << "1" + Fine + "234" << Francais << false << 0.0;
    QTest::newRow("exponent") << "1e3" << C << false << 0.0;
    QTest::newRow("nan") << "nan" << C << false << 0.0;
    QTest::newRow("trailing junk") << "3.0x" << C << false << 0.0;
    QTest::newRow("sign only") << "-" << C << false << 0.0;
    QTest::newRow("double sign") << "--1" << C << false << 0.0;
    QTest::newRow("other script's digits") << QString::fromUtf8("٣") << C << false << 0.0;
    QTest::newRow("beyond double range") << "1" + QString(400, u'0') << C << false << 0.0;
    QTest::newRow("amount with euro") << "3,00 €" << Francais << false << 0.0;
}

void TestNumber::cdbl() {
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    bool read = !ok;
    QCOMPARE(CDbl(text, &read, locale), expected);
    QCOMPARE(read, ok);
}

void TestNumber::str_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("inC");
    QTest::addColumn<QString>("inFrench");
    QTest::newRow("whole") << 4.0 << "4"
                           << "4";
    QTest::newRow("tariff") << 9.15 << "9.15"
                            << "9,15";
    QTest::newRow("negative") << -1.5 << "-1.5"
                              << "-1,5";
    QTest::newRow("shortest round trip") << 0.1 + 0.2 << "0.30000000000000004"
                                         << "0,30000000000000004";
}

void TestNumber::str() {
    QFETCH(double, value);
    QFETCH(QString, inC);
    QFETCH(QString, inFrench);
    QCOMPARE(Str(value, C), inC);
    QCOMPARE(Str(value, Francais), inFrench);
}

void TestNumber::whatTheFieldsShowReadsBackInEveryLocale() {
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    for (const QLocale& locale : locales) {
        for (double v : {0.0, 0.5, 2.2, 9.15, 12.34, 20.0}) {
            const QString shown = Format(v, Motifs::Champ, locale);
            bool ok = false;
            QVERIFY2(CDbl(shown, &ok, locale) == v && ok,
                     qPrintable(locale.name() + QStringLiteral(": ") + shown));
        }
    }
}

QTEST_GUILESS_MAIN(TestNumber)
#include "tst_number.moc"
