// Starts exactly as the program does, and ends once the main window has first been painted.
#include "app/App.h"
#include "fees/Defaut.h"
#include "ui/main/Window1.h"

#include <QEvent>

namespace {

class FinApresPeinture : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    Defaut::Initialiser();
    App app(argc, argv);
    FinApresPeinture fin;
    Window1::instance()->findChild<QWidget*>("Canvas1")->installEventFilter(&fin);
    Window1::instance()->show();
    return app.exec();
}
