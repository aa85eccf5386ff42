#include "app/App.h"
#include "fees/Defaut.h"
#include "ui/main/Window1.h"

int main(int argc, char* argv[]) {
    Defaut::Initialiser();
    App app(argc, argv);
    Window1::instance()->show();
    return app.exec();
}
