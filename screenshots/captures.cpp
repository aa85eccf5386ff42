// Renders the pictures of the README to PNG files, without a display.
#include "app/App.h"
#include "screenshots/Fenetres.h"
#include "screenshots/Pages.h"

#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    dossier.mkpath(QStringLiteral("."));
    // With --bureau, only the whole screen, named by its size.
    const bool bureau = argc > 2 && qstrcmp(argv[2], "--bureau") == 0;
    for (const auto& [nom, image] :
         bureau ? BureauxExemples() : FenetresExemples() + PagesExemples()) {
        const QString chemin = dossier.filePath(nom);
        if (!image.save(chemin)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return 1;
        }
        std::printf("%s\n", qPrintable(chemin));
    }
    return 0;
}
