#include "fees/Calcul.h"
#include "fees/FeuilleResultat.h"
#include "fees/Motifs.h"
#include "framework/Number.h"
#include "framework/Picture.h"

#include <QFontMetricsF>
#include <QTest>

namespace {

const QColor Fond(216, 253, 244);

// A logical pixel is red when any of its device pixels is.
bool rouge(const QImage& image, int x, int y) {
    const int r = qRound(image.devicePixelRatio());
    for (int dy = 0; dy < r; ++dy)
        for (int dx = 0; dx < r; ++dx) {
            const QRgb p = image.pixel(x * r + dx, y * r + dy);
            if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80)
                return true;
        }
    return false;
}

bool ligneRouge(const QImage& image, int y) {
    for (int x = 0; x < 386; ++x)
        if (!rouge(image, x, y))
            return false;
    return true;
}

// Leftmost and rightmost red columns within rows [haut, bas).
QPair<int, int> encre(const QImage& image, int haut, int bas) {
    int gauche = 386;
    int droite = -1;
    for (int y = haut; y < bas; ++y)
        for (int x = 0; x < 386; ++x)
            if (rouge(image, x, y)) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    return {gauche, droite};
}

std::unique_ptr<framework::Picture> feuille(qreal ratio, int taille = 16) {
    auto picture = framework::NewPicture(386, 85 + (taille - 16) * 2, ratio);
    picture->graphics().SetTextFont("Times");
    picture->graphics().SetTextSize(taille);
    return picture;
}

} // namespace

class TestFeuille : public QObject {
    Q_OBJECT
private slots:
    void sheet_data();
    void sheet();
    void rowsFollowTheTextSize();
    void redrawLeavesNothingOfThePreviousSheet();
    void amountsAtTheCeilingsFit_data();
    void amountsAtTheCeilingsFit();
};

void TestFeuille::sheet_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("standard screen") << qreal(1);
    QTest::newRow("high-density screen") << qreal(2);
}

void TestFeuille::sheet() {
    QFETCH(qreal, ratio);
    auto picture = feuille(ratio);
    FeuilleResultat::Dessiner(picture->graphics(), Fond, "DPCA", 528.85, 2291.6833333333335);
    const QImage& img = picture->image();
    QCOMPARE(img.size(), QSize(386, 85) * ratio);

    for (int y : {28, 54, 78})
        QVERIFY2(ligneRouge(img, y), qPrintable(QString("line at %1").arg(y)));
    for (int y : {27, 29, 53, 55, 77, 79})
        QVERIFY(!rouge(img, 0, y) && !rouge(img, 385, y));
    QCOMPARE(img.pixelColor(0, 0), Fond);
    QCOMPARE(img.pixelColor(img.width() - 1, img.height() - 1), Fond);

    // Title: centred, between the top and the first line.
    const auto titre = encre(img, 0, 28);
    QVERIFY(titre.second - titre.first > 30);
    QVERIFY2(std::abs(titre.first - (385 - titre.second)) <= 2,
             qPrintable(QString("title %1..%2").arg(titre.first).arg(titre.second)));

    // Captions from x 10, amounts ending 10 pixels short of the right edge (the euro sign's
    // right bearing leaves a few pixels before its advance).
    for (auto [haut, bas] : {QPair<int, int>{30, 52}, QPair<int, int>{56, 76}}) {
        const auto rang = encre(img, haut, bas);
        QVERIFY2(rang.first >= 10 && rang.first <= 12, qPrintable(QString::number(rang.first)));
        QVERIFY2(rang.second >= 386 - 10 - 5 && rang.second <= 386 - 10,
                 qPrintable(QString::number(rang.second)));
    }
}

void TestFeuille::rowsFollowTheTextSize() {
    auto picture = feuille(1, 24);
    FeuilleResultat::Dessiner(picture->graphics(), Fond, "DPA", 12, 52);
    for (int y : {28, 38 + 24, 46 + 48})
        QVERIFY2(ligneRouge(picture->image(), y), qPrintable(QString::number(y)));
    QVERIFY(!ligneRouge(picture->image(), 38 + 16));
}

void TestFeuille::redrawLeavesNothingOfThePreviousSheet() {
    auto a = feuille(1);
    auto b = feuille(1);
    FeuilleResultat::Dessiner(a->graphics(), Fond, "DPCA", 65520, 65520);
    FeuilleResultat::Dessiner(a->graphics(), Fond, "DPA", 1, 2);
    FeuilleResultat::Dessiner(b->graphics(), Fond, "DPA", 1, 2);
    QCOMPARE(a->image(), b->image());
}

void TestFeuille::amountsAtTheCeilingsFit_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
}

void TestFeuille::amountsAtTheCeilingsFit() {
    QFETCH(QLocale, locale);
    Tarifs plafonds;
    for (const Tarif& t : ListeTarifs)
        plafonds.*t.valeur = t.plafond;
    const Montants m = Calcul({6, 7, 7, 7, 14, 14, false, true}, plafonds);
    QFont gras(QStringLiteral("Times"));
    gras.setPixelSize(16);
    gras.setBold(true);
    const QFontMetricsF mesure(gras);
    for (auto [libelle, montant] : {std::pair{"Facturation hebdomadaire", m.hebdomadaire},
                                    std::pair{"Facturation mensuelle moyenne", m.mensuelle}}) {
        const QString texte = framework::Format(montant, Motifs::Feuille, locale);
        const qreal finLibelle = FeuilleResultat::Marge + mesure.horizontalAdvance(libelle);
        const qreal debutMontant = 386 - FeuilleResultat::Marge - mesure.horizontalAdvance(texte);
        QVERIFY2(finLibelle + 8 < debutMontant, qPrintable(texte));
    }
}

QTEST_MAIN(TestFeuille)
#include "tst_feuille.moc"
