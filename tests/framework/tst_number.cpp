#include "framework/Number.h"

#include <QTest>
#include <cmath>
#include <limits>

using framework::CDbl;
using framework::Format;
using framework::Str;

namespace {
const QLocale C = QLocale::c();
const QLocale French(QLocale::French, QLocale::France);
const QString Libelle = QStringLiteral("#,###.00\\ \\€");
const QString Feuille = QStringLiteral("###,###.00\\ \\€");
const QString Champ = QStringLiteral("##.00");
} // namespace

class TestNumber : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void frenchGroupSeparatorIsNarrowNoBreakSpace();
    void cdblAccepts_data();
    void cdblAccepts();
    void cdblRejects_data();
    void cdblRejects();
    void str_data();
    void str();
    void formatThenReadBack();
};

void TestNumber::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("inC");
    QTest::addColumn<QString>("inFrench");

    const QString nb = QString(QChar(0x202F));
    QTest::newRow("monthly average grouped") << 528.85 * 52.0 / 12.0 << Feuille << "2,291.68 €"
                                             << "2" + nb + "291,68 €";
    QTest::newRow("row label, no group needed") << 64.05 << Libelle << "64.05 €"
                                                << "64,05 €";
    QTest::newRow("millions") << 1234567.891 << Libelle << "1,234,567.89 €"
                              << "1" + nb + "234" + nb + "567,89 €";
    QTest::newRow("zero") << 0.0 << Libelle << "0.00 €"
                          << "0,00 €";
    QTest::newRow("zero before separator below one") << 0.5 << Libelle << "0.50 €"
                                                     << "0,50 €";
    QTest::newRow("negative") << -3.5 << Libelle << "-3.50 €"
                              << "-3,50 €";
    QTest::newRow("negative rounding to zero has no sign") << -0.001 << Libelle << "0.00 €"
                                                           << "0,00 €";
    QTest::newRow("half away from zero") << 0.125 << Champ << "0.13"
                                         << "0,13";
    QTest::newRow("negative half away from zero") << -0.125 << Champ << "-0.13"
                                                  << "-0,13";
    QTest::newRow("decimal half of a binary-inexact value") << 2.675 << Champ << "2.68"
                                                            << "2,68";
    QTest::newRow("carry into a new group") << 999.995 << Libelle << "1,000.00 €"
                                            << "1" + nb + "000,00 €";
    QTest::newRow("field pattern never groups") << 1234.5 << Champ << "1234.50"
                                                << "1234,50";
    QTest::newRow("field default AMI") << 3.0 << Champ << "3.00"
                                       << "3,00";
    QTest::newRow("field default nights") << 9.15 << Champ << "9.15"
                                          << "9,15";
    QTest::newRow("field rounds to two places") << 3.14159 << Champ << "3.14"
                                                << "3,14";
}

void TestNumber::format() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, inC);
    QFETCH(QString, inFrench);
    QCOMPARE(Format(value, pattern, C), inC);
    QCOMPARE(Format(value, pattern, French), inFrench);
}

void TestNumber::frenchGroupSeparatorIsNarrowNoBreakSpace() {
    QLocale::setDefault(French);
    const QString text = Format(2291.68, Feuille);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(text.at(1), QChar(0x202F));
    QCOMPARE(text.at(text.size() - 2), QChar(u' '));
}

void TestNumber::cdblAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole number") << "14" << 14.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("point") << "9.15" << 9.15;
    QTest::newRow("comma") << "7,8" << 7.8;
    QTest::newRow("blanks around") << " \t2.20  " << 2.2;
    QTest::newRow("negative") << "-2.5" << -2.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("leading separator") << ".5" << 0.5;
    QTest::newRow("trailing separator") << "5." << 5.0;
    QTest::newRow("many decimals kept") << "3.14159265" << 3.14159265;
}

void TestNumber::cdblAccepts() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    bool ok = false;
    QCOMPARE(CDbl(text, &ok), expected);
    QVERIFY(ok);
}

void TestNumber::cdblRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("word") << "abc";
    QTest::newRow("group separator") << "1,234.5";
    QTest::newRow("space grouping") << "1 234";
    QTest::newRow("narrow space grouping") << QString("1") + QChar(0x202F) + "234";
    QTest::newRow("exponent") << "1e3";
    QTest::newRow("nan") << "nan";
    QTest::newRow("inf") << "inf";
    QTest::newRow("trailing junk") << "3.0x";
    QTest::newRow("two separators") << "1.2.3";
    QTest::newRow("sign only") << "-";
    QTest::newRow("double sign") << "--1";
    QTest::newRow("hex") << "0x10";
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0663");
    QTest::newRow("beyond double range") << "1" + QString(400, u'0');
    QTest::newRow("amount with euro") << "3,00 €";
}

void TestNumber::cdblRejects() {
    QFETCH(QString, text);
    bool ok = true;
    QCOMPARE(CDbl(text, &ok), 0.0);
    QVERIFY(!ok);
}

void TestNumber::str_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("inC");
    QTest::addColumn<QString>("inFrench");
    QTest::newRow("whole") << 4.0 << "4"
                           << "4";
    QTest::newRow("half") << 4.5 << "4.5"
                          << "4,5";
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
    QCOMPARE(Str(value, French), inFrench);
}

void TestNumber::formatThenReadBack() {
    // What the settings fields show must read back, whatever the locale.
    for (const QLocale& locale : {C, French}) {
        for (double v : {0.0, 0.5, 2.2, 9.15, 1234.56}) {
            bool ok = false;
            QCOMPARE(CDbl(Format(v, Champ, locale), &ok), v);
            QVERIFY(ok);
            QCOMPARE(CDbl(Str(v, locale), &ok), v);
            QVERIFY(ok);
        }
    }
}

QTEST_GUILESS_MAIN(TestNumber)
#include "tst_number.moc"
