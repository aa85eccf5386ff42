#include "app/App.h"

#include "app/MenuBar1.h"

#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tarivane"));
    setApplicationVersion(QStringLiteral(TARIVANE_VERSION));
    setDesktopFileName(QStringLiteral("fr.tarivane.Tarivane"));

    // The program is French: so are Qt's menus and dialogs, in the user's French if any.
    const QLocale systeme = QLocale::system();
    auto* qt = new QTranslator(this);
    if (qt->load(systeme.language() == QLocale::French ? systeme
                                                       : QLocale(QLocale::French, QLocale::France),
                 QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qt);

    // The installed theme's icon, read when the window system asks; else the copy built into
    // the program, whose images are decoded here, so it is built only when needed.
    QIcon icone = QIcon::fromTheme(QStringLiteral("fr.tarivane.Tarivane"));
    if (icone.availableSizes().isEmpty()) {
        icone = QIcon();
        for (const QFileInfo& image : QDir(QStringLiteral(":/icones")).entryInfoList())
            icone.addFile(image.filePath());
    }
    setWindowIcon(icone);

    MenuBar1::instance();
}
