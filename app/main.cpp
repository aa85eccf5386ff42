#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Le calculateur n'est pas encore assemblé."));
    label.resize(520, 308);
    label.show();
    return app.exec();
}
