#include "app/App.h"

#include "app/MenuBar1.h"
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Where "Times" itself is missing, its closest installed metric twin takes its place, so that
// every text keeps the widths the layout was made for.
void substituerTimes() {
    // Families come as "Nimbus Roman [urw]" where a foundry is named.
    QStringList installees;
    for (const QString& famille : QFontDatabase::families())
        installees << famille.section(QStringLiteral(" ["), 0, 0);
    if (installees.contains(QLatin1String("Times")))
        return;
    for (const char* jumelle : {"Nimbus Roman", "Nimbus Roman No9 L", "Liberation Serif",
                                "TeX Gyre Termes", "Times New Roman", "FreeSerif"}) {
        if (installees.contains(QLatin1String(jumelle))) {
            QFont::insertSubstitution(QStringLiteral("Times"), QLatin1String(jumelle));
            return;
        }
    }
}

} // namespace

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

    substituerTimes();
    MenuBar1::instance();
}
