#include "fees/FeuilleResultat.h"
#include "framework/Picture.h"

#include <QTest>

namespace {

const QColor Fond(216, 253, 244);

bool rouge(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
}

// The red rows, and the red ink's leftmost and rightmost columns within rows [haut, bas).
QString lignesRouges(const QImage& image) {
    QStringList out;
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width() && rouge(image, x, y))
            ++x;
        if (x == image.width())
            out << QString::number(y);
    }
    return out.join(u' ');
}

QPair<int, int> encre(const QImage& image, int haut, int bas) {
    int gauche = image.width();
    int droite = -1;
    for (int y = haut; y < bas; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (rouge(image, x, y)) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    return {gauche, droite};
}

QImage feuille(const QString& titre, double hebdomadaire, double mensuelle, int taille = 16) {
    auto picture = framework::NewPicture(386, 85 + (taille - 16) * 2);
    picture->graphics().SetTextFont("Times");
    picture->graphics().SetTextSize(taille);
    FeuilleResultat::Dessiner(picture->graphics(), Fond, titre, hebdomadaire, mensuelle);
    return picture->image();
}

} // namespace

class TestFeuille : public QObject {
    Q_OBJECT
private slots:
    void sheet();
    void rowsFollowTheTextSize();
    void redrawLeavesNothingOfThePreviousSheet();
};

void TestFeuille::sheet() {
    const QImage img = feuille("DPCA", 528.85, 2291.6833333333335);
    QCOMPARE(lignesRouges(img), "28 54 78");
    QCOMPARE(img.pixelColor(0, 0), Fond);
    QCOMPARE(img.pixelColor(385, 84), Fond);
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
    QCOMPARE(lignesRouges(feuille("DPA", 12, 52, 24)), QString("28 62 94"));
}

void TestFeuille::redrawLeavesNothingOfThePreviousSheet() {
    auto a = framework::NewPicture(386, 85);
    FeuilleResultat::Dessiner(a->graphics(), Fond, "DPCA", 65520, 65520);
    FeuilleResultat::Dessiner(a->graphics(), Fond, "DPA", 1, 2);
    auto b = framework::NewPicture(386, 85);
    FeuilleResultat::Dessiner(b->graphics(), Fond, "DPA", 1, 2);
    QCOMPARE(a->image(), b->image());
}

QTEST_MAIN(TestFeuille)
#include "tst_feuille.moc"
