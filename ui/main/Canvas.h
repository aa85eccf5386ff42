#pragma once

#include <QWidget>

namespace framework {
class Graphics;
}

// A plain drawing surface: it asks its owner to open and to paint.
class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget* parent = nullptr);
    void open() { emit Open(); }

signals:
    void Open();
    void Paint(framework::Graphics& g);

protected:
    void paintEvent(QPaintEvent* event) override;
};
