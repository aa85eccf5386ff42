// The floor for start-up: an empty window of the calculator's size, with a menu bar.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

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
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"), &app, &QCoreApplication::quit);
    QMenu* edit = window.menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Undo"));
    auto* content = new QWidget;
    content->setFixedSize(520, 308);
    window.setCentralWidget(content);
    FinApresPeinture fin;
    content->installEventFilter(&fin);
    window.show();
    return app.exec();
}
