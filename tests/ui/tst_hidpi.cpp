#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

// The sheet at twice the pixels, in the same layout: run once with a scale factor of 2, and once
// on two screens of density 1 and 2.
class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void sheetIsDrawnAtTheScreensDensity();
    void sheetFollowsTheWindowToAnotherScreen();
};

void TestHiDpi::sheetIsDrawnAtTheScreensDensity() {
    QTemporaryDir dir;
    framework::FolderItem::SetApplicationFolder(dir.path());
    Window1* w = Window1::instance();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->devicePixelRatioF(), 2.0);

    const QImage& sheet = w->image()->image();
    QCOMPARE(sheet.size(), QSize(772, 170));
    QCOMPARE(sheet.devicePixelRatio(), 2.0);
    QCOMPARE(w->centralWidget()->size(), QSize(520, 308));
    QCOMPARE(w->findChild<QWidget*>("Canvas1")->geometry(), QRect(67, 171, 386, 85));
    // Each red line fills exactly the two device rows of its logical row.
    for (int y : {28, 54, 78}) {
        QCOMPARE(sheet.pixelColor(0, 2 * y), QColor(255, 0, 0));
        QCOMPARE(sheet.pixelColor(771, 2 * y + 1), QColor(255, 0, 0));
        QCOMPARE(sheet.pixelColor(0, 2 * y - 1), QColor(216, 253, 244));
        QCOMPARE(sheet.pixelColor(0, 2 * y + 2), QColor(216, 253, 244));
    }
    // What the canvas shows is the sheet, pixel for pixel.
    const QImage shown = w->findChild<QWidget*>("Canvas1")->grab().toImage();
    QCOMPARE(shown.size(), sheet.size());
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             sheet.convertToFormat(QImage::Format_RGB32));
    delete w;
}

void TestHiDpi::sheetFollowsTheWindowToAnotherScreen() {
    QList<QScreen*> screens = QGuiApplication::screens();
    std::sort(screens.begin(), screens.end(),
              [](QScreen* a, QScreen* b) { return a->devicePixelRatio() < b->devicePixelRatio(); });
    if (screens.size() < 2 ||
        screens.first()->devicePixelRatio() == screens.last()->devicePixelRatio())
        QSKIP("needs two screens of different density");
    screens = {screens.first(), screens.last()};
    QTemporaryDir dir;
    framework::FolderItem::SetApplicationFolder(dir.path());
    Window1* w = Window1::instance();
    w->move(screens[0]->geometry().topLeft() + QPoint(10, 10));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_COMPARE(w->screen(), screens[0]);
    QCOMPARE(w->image()->image().devicePixelRatio(), screens[0]->devicePixelRatio());

    w->move(screens[1]->geometry().topLeft() + QPoint(10, 10));
    QTRY_COMPARE(w->screen(), screens[1]);
    const QImage& sheet = w->image()->image();
    QCOMPARE(sheet.devicePixelRatio(), screens[1]->devicePixelRatio());
    QCOMPARE(sheet.size(), QSize(386, 85) * screens[1]->devicePixelRatio());
    QCOMPARE(sheet.pixelColor(0, qRound(28 * sheet.devicePixelRatio())), QColor(255, 0, 0));
    QVERIFY(w->findChild<QWidget*>("Canvas1")->accessibleDescription().contains("528.85"));
    delete w;
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
