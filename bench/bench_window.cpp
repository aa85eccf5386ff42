// A full recompute through a pop-up change in the real window, beside drawing the same sheet
// straight into a QImage.
#include "RatioReporter.h"
#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QTemporaryDir>

namespace {

void BM_RecalculParMenu(benchmark::State& state) {
    auto* menu = Window1::instance()->findChild<QComboBox*>("PopupMenu5");
    int i = 0;
    for (auto _ : state)
        menu->setCurrentIndex(6 + (++i & 1));
}

void BM_FeuilleQPainter(benchmark::State& state) {
    QImage image(386, 85, QImage::Format_ARGB32_Premultiplied);
    QFont titre(QStringLiteral("Times"));
    titre.setPixelSize(16);
    titre.setBold(true);
    titre.setUnderline(true);
    QFont gras = titre;
    gras.setUnderline(false);
    const QPen rouge(QColor(255, 0, 0));
    int i = 0;
    for (auto _ : state) {
        const bool pair = (++i & 1) != 0;
        QPainter p(&image);
        p.fillRect(image.rect(), QColor(216, 253, 244));
        p.setPen(rouge);
        p.setFont(titre);
        p.drawText(QPoint(170, 20), QStringLiteral("DPCA"));
        p.drawLine(0, 28, 386, 28);
        p.setFont(gras);
        p.drawText(QPoint(10, 46), QStringLiteral("Facturation hebdomadaire"));
        p.drawText(QPoint(300, 46), pair ? QStringLiteral("519.70 €") : QStringLiteral("528.85 €"));
        p.drawLine(0, 54, 386, 54);
        p.drawText(QPoint(10, 70), QStringLiteral("Facturation mensuelle moyenne"));
        p.drawText(QPoint(290, 70),
                   pair ? QStringLiteral("2,252.03 €") : QStringLiteral("2,291.68 €"));
        p.drawLine(0, 78, 386, 78);
    }
}

} // namespace

BENCHMARK(BM_RecalculParMenu);
BENCHMARK(BM_FeuilleQPainter);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir vide;
    framework::FolderItem::SetApplicationFolder(vide.path());
    Window1::instance()->show();
    QCoreApplication::processEvents();
    const int status = runWithRatios(argc, argv,
                                     {{"2. recompute through a pop-up change", "BM_RecalculParMenu",
                                       "BM_FeuilleQPainter", 1.5}});
    delete Window1::instance();
    return status;
}
