#include "app/App.h"

#include "app/MenuBar1.h"

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tarivane"));
    setApplicationDisplayName(QStringLiteral("Tarivane"));
    setApplicationVersion(QStringLiteral(TARIVANE_VERSION));
    setDesktopFileName(QStringLiteral("fr.tarivane.Tarivane"));
    MenuBar1::instance();
}
