#include "fees/Calcul.h"
#include "fees/Motifs.h"
#include "framework/Number.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(Choix)
Q_DECLARE_METATYPE(Tarifs)

namespace {

// The window's opening choices, and the same after a switch to DPA.
constexpr Choix Ouverture{4, 7, 1, 3, 7, 7, true, false};
constexpr Choix OuvertureDpa{2, 7, 1, 7, 7, 7, false, true};

QString euros(double montant) {
    return framework::Format(montant, Motifs::Libelle, QLocale::c());
}

} // namespace

class TestCalcul : public QObject {
    Q_OBJECT
private slots:
    void montants_data();
    void montants();
    void totalIsMadeFromUnroundedTerms();
    void exactDoublesOfTheStatedOrder();
};

void TestCalcul::montants_data() {
    QTest::addColumn<Choix>("choix");
    QTest::addColumn<Tarifs>("tarifs");
    QTest::addColumn<QStringList>("lignes"); // day, week of bags, dressings, Sundays, nights
    QTest::addColumn<QString>("surveillance");
    QTest::addColumn<QString>("hebdomadaire");
    QTest::addColumn<QString>("mensuelle");

    QTest::newRow("opening choices, default tariffs")
        << Ouverture << Tarifs{}
        << QStringList{"56.80 €", "397.60 €", "36.00 €", "31.20 €", "64.05 €"} << "0.00 €"
        << "528.85 €"
        << "2,291.68 €";
    QTest::newRow("after switching to DPA")
        << OuvertureDpa << Tarifs{}
        << QStringList{"28.40 €", "198.80 €", "84.00 €", "15.60 €", "64.05 €"} << "84.00 €"
        << "446.45 €"
        << "1,934.62 €";
    Tarifs cinq;
    cinq.Poches = 5;
    QTest::newRow("five AMI per bag; dressings stay four AMI")
        << Ouverture << cinq << QStringList{"68.80 €", "481.60 €", "36.00 €", "31.20 €", "64.05 €"}
        << "0.00 €"
        << "612.85 €"
        << "2,655.68 €";
    QTest::newRow("every count zero")
        << Choix{0, 1, 0, 0, 0, 0, true, false} << Tarifs{}
        << QStringList{"0.00 €", "0.00 €", "0.00 €", "0.00 €", "0.00 €"} << "0.00 €"
        << "0.00 €"
        << "0.00 €";
    QTest::newRow("weekly twelve gives monthly fifty-two")
        << Choix{1, 1, 0, 0, 0, 0, true, false} << Tarifs{3, 0, 0, 0, 4}
        << QStringList{"12.00 €", "12.00 €", "0.00 €", "0.00 €", "0.00 €"} << "0.00 €"
        << "12.00 €"
        << "52.00 €";
    QTest::newRow("negative tariff gives negative amounts")
        << Choix{0, 1, 0, 0, 2, 0, true, false} << Tarifs{3, 2.2, 7.8, -1.5, 4}
        << QStringList{"0.00 €", "0.00 €", "0.00 €", "0.00 €", "-3.00 €"} << "0.00 €"
        << "-3.00 €"
        << "-13.00 €";
}

void TestCalcul::montants() {
    QFETCH(Choix, choix);
    QFETCH(Tarifs, tarifs);
    QFETCH(QStringList, lignes);
    QFETCH(QString, surveillance);
    QFETCH(QString, hebdomadaire);
    QFETCH(QString, mensuelle);
    const Montants m = Calcul(choix, tarifs);
    QCOMPARE((QStringList{euros(m.journee), euros(m.semainePoches), euros(m.pansements),
                          euros(m.dimanches), euros(m.nuits)}),
             lignes);
    QCOMPARE(euros(m.surveillance), surveillance);
    QCOMPARE(euros(m.hebdomadaire), hebdomadaire);
    QCOMPARE(euros(m.mensuelle), mensuelle);
}

void TestCalcul::totalIsMadeFromUnroundedTerms() {
    // Surcharges with a half cent: each row rounds up, their true sum does not.
    const Choix choix{1, 1, 1, 0, 1, 0, true, false};
    const Tarifs tarifs{0, 0, 7.805, 9.155, 4};
    const Montants m = Calcul(choix, tarifs);
    QCOMPARE(euros(m.dimanches), QStringLiteral("7.81 €"));
    QCOMPARE(euros(m.nuits), QStringLiteral("9.16 €"));
    QCOMPARE(euros(m.hebdomadaire), QStringLiteral("16.96 €"));
}

void TestCalcul::exactDoublesOfTheStatedOrder() {
    // Bits pinned from the stated groupings; a reordered sum or a fused multiply-add moves them.
    const Montants m = Calcul(Ouverture, Tarifs{});
    QCOMPARE(m.hebdomadaire, 0x1.086cccccccccdp+9);
    QCOMPARE(m.mensuelle, 0x1.1e75ddddddddep+11);
    const Montants dpa = Calcul(OuvertureDpa, Tarifs{});
    QCOMPARE(dpa.hebdomadaire, 0x1.be73333333334p+8);
    QCOMPARE(dpa.mensuelle, 0x1.e3a7777777778p+10);
}

QTEST_GUILESS_MAIN(TestCalcul)
#include "tst_calcul.moc"
