// Renders the pictures of the README without a display: the calculator alone, with its settings
// panel, the same on a dark desktop theme, and the estimate's printed page.
#include "app/App.h"
#include "app/MenuBar1.h"
#include "fees/Defaut.h"
#include "fees/Estimation.h"
#include "fees/PageEstimation.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"
#include "ui/settings/WPref.h"

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The window and, on its right, its settings panel as shown, on one picture.
QPixmap avecPanneau(Window1* fenetre, bool enregistrer) {
    auto* panneau = fenetre->findChild<WPref*>();
    if (!panneau || !panneau->isVisible())
        MenuBar1::instance()->item(QStringLiteral("EditPreferences"))->trigger();
    panneau = fenetre->findChild<WPref*>();
    if (enregistrer)
        panneau->findChild<QPushButton*>()->click();
    QCoreApplication::processEvents();
    const QPixmap principale = fenetre->grab();
    const QPixmap reglages = panneau->grab();
    const qreal ratio = principale.devicePixelRatio();
    QPixmap ensemble(QSize(principale.width() + reglages.width(),
                           std::max(principale.height(), reglages.height())));
    ensemble.setDevicePixelRatio(ratio);
    ensemble.fill(Qt::white);
    QPainter p(&ensemble);
    p.drawPixmap(0, 0, principale);
    p.drawPixmap(QPointF(principale.width() / ratio, 0), reglages);
    return ensemble;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Defaut::Initialiser();
    App app(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    dossier.mkpath(QStringLiteral("."));

    // An empty application folder: the pictures show the built-in tariffs.
    QTemporaryDir vide;
    framework::FolderItem::SetApplicationFolder(vide.path());

    Window1* fenetre = Window1::instance();
    fenetre->show();
    QCoreApplication::processEvents();
    const QPixmap principale = fenetre->grab();
    const QPixmap reglages = avecPanneau(fenetre, false);

    // The page as printed, in French, at about the screen's resolution, on a fixed day so that
    // the picture changes only when the page does.
    QImage page(579, 819, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter peintre(&page);
        PageEstimation::Dessiner(peintre, Estimation({4, 7, 1, 3, 7, 7, true, false},
                                                     Defaut::Courants(), {}, QDate(2026, 12, 6),
                                                     QLocale(QLocale::French, QLocale::France)));
    }

    // On a dark desktop theme, just after a save.
    QPalette sombre(QColor(u"#3c3c3c"), QColor(u"#232323"));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        sombre.setColor(role, QColor(u"#ebebeb"));
    QApplication::setPalette(sombre);
    const QPixmap sombres = avecPanneau(fenetre, true);

    const std::pair<const char*, QImage> images[] = {
        {"main-window.png", principale.toImage()},
        {"main-window-with-settings.png", reglages.toImage()},
        {"main-window-dark.png", sombres.toImage()},
        {"estimation.png", page}};
    for (const auto& [nom, image] : images) {
        const QString chemin = dossier.filePath(QLatin1String(nom));
        if (!image.save(chemin)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return 1;
        }
        std::printf("%s\n", qPrintable(chemin));
    }
    return 0;
}
