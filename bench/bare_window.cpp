// The floor for start-up: an empty window of the calculator's size, with a menu bar.
#include "QuitAfterPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

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
    QuitAfterPaint fin;
    content->installEventFilter(&fin);
    window.show();
    return app.exec();
}
