#pragma once

#include <QWidget>

namespace framework {
class Graphics;
}

// A plain drawing surface: it asks its owner to paint it.
class Canvas : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void paint(framework::Graphics& g);

protected:
    void paintEvent(QPaintEvent* event) override;
};
