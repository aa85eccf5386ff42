#include "app/App.h"

#include "app/MenuBar1.h"
#include "app/TraductionQt.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <algorithm>
#include <array>

namespace {

// Where "Times" itself is missing, its closest installed metric twin takes its place, so that
// every text keeps the widths the layout was made for.
void substituerTimes() {
    constexpr std::array jumelles = {"Nimbus Roman",    "Nimbus Roman No9 L", "Liberation Serif",
                                     "TeX Gyre Termes", "Times New Roman",    "FreeSerif"};
    // What the system gives for the window's text, as the window asks for it: where that is
    // already a twin, a substitution would only slow every font lookup, and the face it has
    // opened serves the window.
    QFont texte(QStringLiteral("Times"));
    texte.setStyleHint(QFont::Serif);
    texte.setPixelSize(12);
    // Families come as "Nimbus Roman [urw]" where a foundry is named.
    const QString donnee = QFontInfo(texte).family().section(QStringLiteral(" ["), 0, 0);
    if (donnee == QLatin1String("Times") ||
        std::find(jumelles.begin(), jumelles.end(), donnee) != jumelles.end())
        return;
    QStringList installees;
    for (const QString& famille : QFontDatabase::families())
        installees << famille.section(QStringLiteral(" ["), 0, 0);
    for (const char* jumelle : jumelles) {
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

    // The program is French: so are Qt's menus and dialogs.
    installTranslator(new TraductionQt(this));

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
