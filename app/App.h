#pragma once

#include <QApplication>

class MenuBar1;

// The application object: names the program and owns nothing else than Qt's own state.
class App : public QApplication {
    Q_OBJECT
public:
    App(int& argc, char** argv);
    // The application's menu bar, the same one the main window shows.
    MenuBar1* MenuBar() const;
};
