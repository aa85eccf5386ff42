// Renders the pictures of the README to PNG files, without a display.
#include "app/App.h"
#include "app/MenuBar1.h"
#include "screenshots/Exemples.h"
#include "screenshots/PaletteSombre.h"
#include "fees/Estimation.h"
#include "fees/PageEstimation.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"
#include "ui/mois/WMois.h"
#include "ui/settings/WPref.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The window and, on its right, its settings panel as shown, on one picture.
QImage avecPanneau(Window1* fenetre, bool enregistrer) {
    if (!fenetre->findChild<WPref*>() || !fenetre->findChild<WPref*>()->isVisible())
        MenuBar1::instance()->item(QStringLiteral("EditPreferences"))->trigger();
    auto* panneau = fenetre->findChild<WPref*>();
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
    return ensemble.toImage();
}

// The pictures of the README, drawn from the built-in tariffs: the window, with its settings
// panel, the same on a dark desktop theme just after a save, the estimate's printed page and
// the month window.
QList<std::pair<QString, QImage>> Captures() {
    // An empty application folder: the pictures show the built-in tariffs.
    QTemporaryDir vide;
    framework::FolderItem::SetApplicationFolder(vide.path());
    Defaut::Initialiser();
    const std::unique_ptr<Window1> fenetre(Window1::instance());
    fenetre->show();
    QCoreApplication::processEvents();
    QList<std::pair<QString, QImage>> images{
        {QStringLiteral("main-window.png"), fenetre->grab().toImage()},
        {QStringLiteral("main-window-with-settings.png"), avecPanneau(fenetre.get(), false)}};

    // On a dark desktop theme, just after a save.
    const QPalette avant = QApplication::palette();
    QApplication::setPalette(PaletteSombre());
    images.append({QStringLiteral("main-window-dark.png"), avecPanneau(fenetre.get(), true)});
    QApplication::setPalette(avant);

    images += PagesExemples();

    // The month window for May 2026, mainland calendar, with its year.
    MenuBar1::instance()->item(QStringLiteral("FileMois"))->trigger();
    auto* mois = fenetre->findChild<WMois*>();
    mois->findChild<QSpinBox*>(QStringLiteral("Annee"))->setValue(2026);
    mois->findChild<QComboBox*>(QStringLiteral("Mois"))->setCurrentIndex(4);
    mois->findChild<QComboBox*>(QStringLiteral("Calendrier"))->setCurrentIndex(0);
    mois->findChild<QPushButton*>(QStringLiteral("LAnnee"))->setChecked(true);
    QCoreApplication::processEvents();
    images.append({QStringLiteral("month-window.png"), mois->grab().toImage()});
    framework::FolderItem::SetApplicationFolder({});
    return images;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    dossier.mkpath(QStringLiteral("."));
    for (const auto& [nom, image] : Captures()) {
        const QString chemin = dossier.filePath(nom);
        if (!image.save(chemin)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return 1;
        }
        std::printf("%s\n", qPrintable(chemin));
    }
    return 0;
}
