#pragma once

#include <QApplication>

// The application object: names the program and builds the one menu bar.
class App : public QApplication {
    Q_OBJECT
public:
    App(int& argc, char** argv);
};
