#pragma once

#include <QApplication>

// The application object: names the program, speaks French down to Qt's own texts, gives every
// window the program's icon, and builds the one menu bar.
class App : public QApplication {
    Q_OBJECT
public:
    App(int& argc, char** argv);
};
