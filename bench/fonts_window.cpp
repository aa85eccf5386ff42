// The second floor for start-up: the empty window, drawing at its first paint one line in
// "Times" 12 px and one in bold 16 px, the faces the calculator's window loads.
#include "QuitAfterPaint.h"

#include <QApplication>
#include <QLabel>
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

    QFont times(QStringLiteral("Times"));
    times.setPixelSize(12);
    auto* ligne = new QLabel(QStringLiteral("Nombre de poches par jour de traitement"), content);
    ligne->setFont(times);
    ligne->setGeometry(20, 39, 270, 20);
    QFont gras = times;
    gras.setPixelSize(16);
    gras.setBold(true);
    auto* titre = new QLabel(QStringLiteral("Facturation hebdomadaire"), content);
    titre->setFont(gras);
    titre->setGeometry(77, 200, 300, 20);

    // The labels are painted in the same pass as their parent, before the queued quit.
    QuitAfterPaint fin;
    content->installEventFilter(&fin);
    window.show();
    return app.exec();
}
