#include "app/App.h"

#include "app/MenuBar1.h"
#include "framework/Raison.h"

#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    framework::IgnorerSignalDeTaille();
    setApplicationName(QStringLiteral("Tarivane"));
    setApplicationVersion(QStringLiteral(TARIVANE_VERSION));
    setDesktopFileName(QStringLiteral("fr.tarivane.Tarivane"));

    // The program is French: so are Qt's menus and dialogs, in the user's French if any.
    const QLocale systeme = QLocale::system();
    const QLocale francais =
        systeme.language() == QLocale::French ? systeme : QLocale(QLocale::French, QLocale::France);
    auto* qt = new QTranslator(this);
    // The system's, else the copy inside the program where it ships one (on Windows).
    for (const QString& dossier :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/traductions")}) {
        if (qt->load(francais, QStringLiteral("qtbase"), QStringLiteral("_"), dossier)) {
            installTranslator(qt);
            break;
        }
    }
#ifdef Q_OS_WIN
    // Windows names the face of "Times"'s widths otherwise; where it lacks it, a metric twin.
    QFont::insertSubstitutions(QStringLiteral("Times"), {QStringLiteral("Times New Roman"),
                                                         QStringLiteral("Liberation Serif"),
                                                         QStringLiteral("Nimbus Roman")});
#endif

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
