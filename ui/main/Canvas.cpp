#include "ui/main/Canvas.h"

#include "framework/Graphics.h"

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::paintEvent(QPaintEvent*) {
    framework::Graphics g(this, size());
    emit Paint(g);
}
