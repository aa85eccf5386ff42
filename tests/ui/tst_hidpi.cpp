#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"

#include <QTemporaryDir>
#include <QTest>

// Run with a scale factor of 2: the sheet is drawn at twice the pixels, in the same layout.
class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void sheetIsDrawnAtTheScreensDensity();
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

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
