#include "fees/FeuilleResultat.h"
#include "framework/Picture.h"

#include <QTest>

namespace {

const QColor Fond(216, 253, 244);

bool isRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
}

// Tests a logical pixel: red when any of its device pixels is.
bool redAt(const QImage& image, int x, int y) {
    const int r = qRound(image.devicePixelRatio());
    for (int dy = 0; dy < r; ++dy)
        for (int dx = 0; dx < r; ++dx)
            if (isRed(image.pixel(x * r + dx, y * r + dy)))
                return true;
    return false;
}

bool rowAllRed(const QImage& image, int y, int width) {
    for (int x = 0; x < width; ++x)
        if (!redAt(image, x, y))
            return false;
    return true;
}

// Leftmost and rightmost red logical columns within rows [top, bottom).
QPair<int, int> redSpan(const QImage& image, int top, int bottom, int fromX, int width) {
    int left = width;
    int right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = fromX; x < width; ++x)
            if (redAt(image, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

} // namespace

class TestFeuille : public QObject {
    Q_OBJECT
private slots:
    void sheet_data();
    void sheet();
    void rowsFollowTheTextSize();
    void redrawLeavesNothingOfThePreviousSheet();
};

void TestFeuille::sheet_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("standard screen") << qreal(1);
    QTest::newRow("high-density screen") << qreal(2);
}

void TestFeuille::sheet() {
    QFETCH(qreal, ratio);
    framework::Picture picture(386, 85, 32, ratio);
    auto& g = picture.graphics();
    g.SetTextFont("Times");
    g.SetTextSize(16);
    FeuilleResultat::Dessiner(g, Fond, "DPCA", 528.85, 2291.6833333333335);
    const QImage& img = picture.image();
    QCOMPARE(img.width(), qRound(386 * ratio));

    for (int y : {28, 54, 78})
        QVERIFY2(rowAllRed(img, y, 386), qPrintable(QString("line at %1").arg(y)));
    for (int y : {27, 29, 53, 55, 77, 79})
        QVERIFY(!redAt(img, 0, y) && !redAt(img, 385, y));
    QCOMPARE(img.pixel(0, 0), Fond.rgb());

    // Title: centred, between the top and the first line.
    const auto title = redSpan(img, 0, 28, 0, 386);
    QVERIFY(title.second > title.first);
    QVERIFY2(std::abs(title.first - (385 - title.second)) <= 2,
             qPrintable(QString("title %1..%2").arg(title.first).arg(title.second)));

    // Captions from x 10, amounts ending 10 pixels short of the right edge.
    for (auto [top, bottom] : {QPair<int, int>{30, 52}, QPair<int, int>{56, 76}}) {
        const auto row = redSpan(img, top, bottom, 0, 386);
        QVERIFY2(row.first >= 10 && row.first <= 12, qPrintable(QString::number(row.first)));
        // The euro sign has a little right bearing: ink ends a few pixels before its advance.
        QVERIFY2(row.second >= 386 - 10 - 5 && row.second <= 386 - 10,
                 qPrintable(QString::number(row.second)));
    }
    // Left in the state the next drawing expects.
    QVERIFY(!g.Bold() && !g.Underline());
    QCOMPARE(g.ForeColor(), FeuilleResultat::Rouge);
}

void TestFeuille::rowsFollowTheTextSize() {
    framework::Picture picture(386, 100, 32);
    picture.graphics().SetTextSize(24);
    FeuilleResultat::Dessiner(picture.graphics(), Fond, "DPA", 12, 52);
    for (int y : {28, 38 + 24, 46 + 48})
        QVERIFY2(rowAllRed(picture.image(), y, 386), qPrintable(QString::number(y)));
}

void TestFeuille::redrawLeavesNothingOfThePreviousSheet() {
    framework::Picture a(386, 85, 32);
    framework::Picture b(386, 85, 32);
    FeuilleResultat::Dessiner(a.graphics(), Fond, "DPCA", 999999.99, 999999.99);
    FeuilleResultat::Dessiner(a.graphics(), Fond, "DPA", 1, 2);
    FeuilleResultat::Dessiner(b.graphics(), Fond, "DPA", 1, 2);
    QCOMPARE(a.image(), b.image());
}

QTEST_MAIN(TestFeuille)
#include "tst_feuille.moc"
