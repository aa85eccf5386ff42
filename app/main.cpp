#include "app/App.h"
#include "fees/Defaut.h"
#include "ui/main/Window1.h"

#include <cstdio>
#include <cstdlib>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Where no window can be shown, Qt gives up with a message in English and a core dump: the
// program says what is missing, in French, and stops cleanly.
void sansAffichage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg)
        return;
#ifdef Q_OS_WIN
    // No console to read: a message box says it.
    const QString texte =
        QStringLiteral("Tarivane n'a pas pu démarrer : aucun écran n'est disponible.\n\n"
                       "(Détail : %1)")
            .arg(message);
    ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(texte.utf16()), L"Tarivane",
                  MB_OK | MB_ICONERROR);
    std::_Exit(1);
#endif
    std::fprintf(stderr,
                 "Tarivane a besoin d'une session graphique, et aucun écran n'est disponible.\n"
                 "Pour le voir quand même : xvfb-run -s '-screen 0 1024x768x24' tarivane\n"
                 "(Détail : %s)\n",
                 qPrintable(message));
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    Defaut::Initialiser();
    const QtMessageHandler avant = qInstallMessageHandler(sansAffichage);
    App app(argc, argv);
    qInstallMessageHandler(avant);
    Window1::instance()->show();
    return app.exec();
}
