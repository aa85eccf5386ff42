#include "framework/Graphics.h"

#include "framework/Picture.h"

#include <QFontMetricsF>

namespace framework {

Graphics::Graphics(QPaintDevice* device, QSize logicalSize) : device_(device), size_(logicalSize) {}

Graphics::Graphics(QPainter& painter, QSize logicalSize) : Graphics(nullptr, logicalSize) {
    borrowed_ = &painter;
}

Graphics::~Graphics() = default;

QPainter& Graphics::painter() {
    if (borrowed_)
        return *borrowed_;
    if (!painter_)
        painter_ = std::make_unique<QPainter>(device_);
    return *painter_;
}

void Graphics::FillRect(int x, int y, int width, int height) {
    painter().fillRect(QRect(x, y, width, height), foreColor_);
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
    QPainter& p = painter();
    p.setPen(QPen(foreColor_, 1.0, Qt::SolidLine, Qt::SquareCap));
    // Through the pixel centres, so a line covers exactly its row or column at any pixel ratio.
    p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

void Graphics::DrawString(const QString& text, int x, int y) {
    QPainter& p = painter();
    p.setPen(foreColor_);
    p.setFont(font_);
    p.drawText(QPoint(x, y), text);
}

double Graphics::StringWidth(const QString& text) const {
    return QFontMetricsF(font_).horizontalAdvance(text);
}

void Graphics::DrawPicture(const Picture& picture, int x, int y) {
    painter().drawImage(QPoint(x, y), picture.image());
}

} // namespace framework
