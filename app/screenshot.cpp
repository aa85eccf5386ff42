// Renders the calculator, alone and with its settings panel, to PNG files without a display.
#include "app/App.h"
#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "ui/main/Window1.h"
#include "ui/settings/WPref.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Defaut::Initialiser();
    App app(argc, argv);
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dossier);

    // An empty application folder: the pictures show the built-in tariffs.
    QTemporaryDir vide;
    framework::FolderItem::SetApplicationFolder(vide.path());

    Window1* fenetre = Window1::instance();
    fenetre->show();
    QCoreApplication::processEvents();
    const QPixmap principale = fenetre->grab();

    // Opened as a click on the link opens it.
    QWidget* lien = fenetre->findChild<QWidget*>(QStringLiteral("StaticText7"));
    QMouseEvent clic(QEvent::MouseButtonPress, QPointF(50, 10), lien->mapToGlobal(QPointF(50, 10)),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(lien, &clic);
    QCoreApplication::processEvents();
    WPref* panneau = fenetre->findChild<WPref*>();
    const QPixmap reglages = panneau->grab();

    const qreal ratio = principale.devicePixelRatio();
    QPixmap ensemble(QSize(principale.width() + reglages.width(),
                           std::max(principale.height(), reglages.height())));
    ensemble.setDevicePixelRatio(ratio);
    ensemble.fill(Qt::white);
    {
        QPainter p(&ensemble);
        p.drawPixmap(0, 0, principale);
        p.drawPixmap(QPointF(principale.width() / ratio, 0), reglages);
    }
    const QString a = QDir(dossier).filePath(QStringLiteral("main-window.png"));
    const QString b = QDir(dossier).filePath(QStringLiteral("main-window-with-settings.png"));
    if (!principale.save(a) || !ensemble.save(b)) {
        std::fprintf(stderr, "cannot write the pictures in %s\n", qPrintable(dossier));
        return 1;
    }
    std::printf("%s\n%s\n", qPrintable(a), qPrintable(b));
    return 0;
}
