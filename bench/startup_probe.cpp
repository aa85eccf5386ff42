// Starts exactly as the program does, and ends once the main window has first been painted.
#include "QuitAfterPaint.h"
#include "app/App.h"
#include "fees/Defaut.h"
#include "ui/main/Window1.h"

int main(int argc, char* argv[]) {
    Defaut::Initialiser();
    App app(argc, argv);
    QuitAfterPaint fin;
    Window1::instance()->findChild<QWidget*>("Canvas1")->installEventFilter(&fin);
    Window1::instance()->show();
    return app.exec();
}
