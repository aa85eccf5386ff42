#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSize>
#include <QString>
#include <memory>

class QPaintDevice;

namespace framework {

class Picture;

// A drawing context on a paint device, in logical pixels. Its colour, style, font and size
// last from one drawing call to the next.
class Graphics {
public:
    Graphics(QPaintDevice* device, QSize logicalSize);
    // Draws through a painter that stays its owner's, in that painter's coordinates: its
    // transform decides where the drawing stands and how large it is, as on a printed page.
    Graphics(QPainter& painter, QSize logicalSize);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    void SetForeColor(QColor color) { foreColor_ = color; }
    void SetBold(bool bold) { font_.setBold(bold); }
    void SetUnderline(bool underline) { font_.setUnderline(underline); }
    void SetTextFont(const QString& family) { font_.setFamily(family); }
    int TextSize() const { return font_.pixelSize(); }
    void SetTextSize(int pixels) { font_.setPixelSize(pixels); }

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }

    void FillRect(int x, int y, int width, int height);
    void DrawLine(int x1, int y1, int x2, int y2);
    // One line of text starting at x, with its baseline at y.
    void DrawString(const QString& text, int x, int y);
    double StringWidth(const QString& text) const;
    void DrawPicture(const Picture& picture, int x, int y);

    // Completes what has been drawn, so the device can be read or copied. A borrowed painter is
    // left to its owner.
    void End() { painter_.reset(); }

private:
    // One painter for a run of drawing calls: opening one per call would cost more than the
    // drawing itself.
    QPainter& painter();

    QPaintDevice* device_ = nullptr;
    QPainter* borrowed_ = nullptr;
    QSize size_;
    QColor foreColor_{Qt::black};
    QFont font_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace framework
