#include "fees/Calcul.h"
#include "framework/Number.h"

#include <QTest>
#include <bit>

Q_DECLARE_METATYPE(Choix)
Q_DECLARE_METATYPE(Tarifs)
Q_DECLARE_METATYPE(Montants)

namespace {

QList<double> tous(const Montants& m) {
    return {m.journee, m.semainePoches, m.pansements,   m.dimanches,
            m.nuits,   m.surveillance,  m.hebdomadaire, m.mensuelle};
}

} // namespace

class TestCalcul : public QObject {
    Q_OBJECT
private slots:
    void montants_data();
    void montants();
    void exactDoublesOfTheStatedOrder_data();
    void exactDoublesOfTheStatedOrder();
};

void TestCalcul::montants_data() {
    QTest::addColumn<Choix>("choix");
    QTest::addColumn<Tarifs>("tarifs");
    // day, week of bags, dressings, Sundays, nights, surveillance, weekly, monthly
    QTest::addColumn<QString>("attendus");
    QTest::newRow("five AMI per bag; dressings stay four AMI")
        << Choix{4, 7, 1, 3, 7, 7, true, false} << Tarifs{3.0, 2.2, 7.8, 9.15, 5}
        << "68.80 481.60 36.00 31.20 64.05 0.00 612.85 2,655.68";
    QTest::newRow("every count zero") << Choix{0, 1, 0, 0, 0, 0, true, false} << Tarifs{}
                                      << "0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00";
    QTest::newRow("DPCA never bills surveillance")
        << Choix{0, 1, 0, 0, 0, 14, true, false} << Tarifs{}
        << "0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00";
    QTest::newRow("weekly twelve gives monthly fifty-two")
        << Choix{0, 1, 0, 1, 0, 0, true, false} << Tarifs{3, 0, 0, 0, 0}
        << "0.00 0.00 12.00 0.00 0.00 0.00 12.00 52.00";
    QTest::newRow("half cents: the total is made from unrounded terms")
        << Choix{1, 1, 1, 0, 1, 0, true, false} << Tarifs{0, 0, 7.805, 9.155, 4}
        << "0.00 0.00 0.00 7.81 9.16 0.00 16.96 73.49";
}

void TestCalcul::montants() {
    QFETCH(Choix, choix);
    QFETCH(Tarifs, tarifs);
    QFETCH(QString, attendus);
    QStringList groupes;
    for (double v : tous(Calcul(choix, tarifs)))
        groupes << framework::Format(v, u"#,###.00", QLocale::c());
    QCOMPARE(groupes.join(u' '), attendus);
}

void TestCalcul::exactDoublesOfTheStatedOrder_data() {
    QTest::addColumn<Choix>("choix");
    QTest::addColumn<Tarifs>("tarifs");
    QTest::addColumn<Montants>("attendus");
    // Inputs where another grouping of a product, another order of the weekly sum, 52/12 taken
    // at once or a fused multiply-add would each change at least one bit of one amount.
    QTest::newRow("six bags, three days")
        << Choix{6, 3, 4, 5, 6, 3, false, true} << Tarifs{3.81, 3.62, 10.56, 5.65, 5.0}
        << Montants{0x1.100a3d70a3d70p+7, 0x1.980f5c28f5c28p+8, 0x1.30ccccccccccdp+6,
                    0x1.fae147ae147aep+7, 0x1.0f33333333334p+5, 0x1.c933333333333p+5,
                    0x1.9e5ffffffffffp+9, 0x1.c0e7fffffffffp+11};
    QTest::newRow("three bags, thirteen nights")
        << Choix{3, 3, 6, 1, 13, 3, false, true} << Tarifs{3.52, 2.0, 11.28, 16.42, 3.75}
        << Montants{0x1.6cccccccccccdp+5, 0x1.119999999999ap+7, 0x1.c28f5c28f5c29p+3,
                    0x1.96147ae147ae1p+7, 0x1.aaeb851eb8520p+7, 0x1.3cccccccccccdp+5,
                    0x1.2f7d70a3d70a5p+9, 0x1.48c7e4b17e4b3p+11};
}

void TestCalcul::exactDoublesOfTheStatedOrder() {
    QFETCH(Choix, choix);
    QFETCH(Tarifs, tarifs);
    QFETCH(Montants, attendus);
    QList<quint64> vus, bits;
    for (double v : tous(Calcul(choix, tarifs)))
        vus << std::bit_cast<quint64>(v);
    for (double v : tous(attendus))
        bits << std::bit_cast<quint64>(v);
    QCOMPARE(vus, bits);
}

QTEST_GUILESS_MAIN(TestCalcul)
#include "tst_calcul.moc"
