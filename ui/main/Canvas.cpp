#include "ui/main/Canvas.h"

#include "framework/Graphics.h"

void Canvas::paintEvent(QPaintEvent*) {
    framework::Graphics g(this, size());
    emit paint(g);
}
