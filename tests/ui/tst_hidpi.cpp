#include "support/Fenetre.h"

#include <QScreen>
#include <algorithm>

// The sheet at twice the pixels, in the same layout: run once with a scale factor of 2, and once
// on two screens of density 1 and 2.
class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void sheetIsDrawnAtTheScreensDensity();
    void sheetFollowsTheWindowToAnotherScreen();

private:
    // What the canvas shows, in device pixels; each red line fills exactly its logical row.
    static void verifierFeuille(const Fenetre& f, qreal ratio) {
        const QImage vue = f.w("Canvas1")->grab().toImage();
        QCOMPARE(vue.devicePixelRatio(), ratio);
        QCOMPARE(vue.size(), QSize(386, 85) * ratio);
        for (int y : {28, 54, 78}) {
            QCOMPARE(vue.pixelColor(0, qRound(y * ratio)), QColor(255, 0, 0));
            QCOMPARE(vue.pixelColor(vue.width() - 1, qRound((y + 1) * ratio) - 1),
                     QColor(255, 0, 0));
            QCOMPARE(vue.pixelColor(0, qRound(y * ratio) - 1), Window1::BackColor);
            QCOMPARE(vue.pixelColor(0, qRound((y + 1) * ratio)), Window1::BackColor);
        }
        // Drawn at that density, not a smaller picture scaled up: some pixels of a text's
        // edge differ from their neighbours within one logical pixel.
        int fins = 0;
        for (int y = 0; y + 1 < vue.height(); y += 2)
            for (int x = 0; x + 1 < vue.width(); x += 2)
                fins += vue.pixel(x, y) != vue.pixel(x + 1, y + 1);
        QVERIFY(ratio == 1 || fins > 50);
    }
};

void TestHiDpi::sheetIsDrawnAtTheScreensDensity() {
    const Fenetre f;
    QVERIFY(f.montrer());
    QCOMPARE(f->devicePixelRatioF(), 2.0);
    QCOMPARE(f->centralWidget()->size(), QSize(520, 308));
    QCOMPARE(f.w("Canvas1")->geometry(), QRect(67, 171, 386, 85));
    verifierFeuille(f, 2);
}

void TestHiDpi::sheetFollowsTheWindowToAnotherScreen() {
    QList<QScreen*> screens = QGuiApplication::screens();
    std::sort(screens.begin(), screens.end(),
              [](QScreen* a, QScreen* b) { return a->devicePixelRatio() < b->devicePixelRatio(); });
    if (screens.size() < 2 ||
        screens.first()->devicePixelRatio() == screens.last()->devicePixelRatio())
        QSKIP("needs two screens of different density");
    const Fenetre f;
    f->move(screens.first()->geometry().topLeft() + QPoint(10, 10));
    QVERIFY(f.montrer());
    QTRY_COMPARE(f->screen(), screens.first());
    verifierFeuille(f, screens.first()->devicePixelRatio());
    f->move(screens.last()->geometry().topLeft() + QPoint(10, 10));
    QTRY_COMPARE(f->screen(), screens.last());
    verifierFeuille(f, screens.last()->devicePixelRatio());
    QVERIFY(f.w("Canvas1")->accessibleDescription().contains("528.85"));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
