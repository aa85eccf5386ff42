#pragma once

#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace framework {

class Picture;

// A drawing context on a paint device, in logical pixels. Its colour, style, font and size
// last from one drawing call to the next.
class Graphics {
public:
    Graphics(QPaintDevice* device, QSize logicalSize);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(QColor color) { foreColor_ = color; }
    bool Bold() const { return bold_; }
    void SetBold(bool bold);
    bool Underline() const { return underline_; }
    void SetUnderline(bool underline);
    QString TextFont() const { return textFont_; }
    void SetTextFont(const QString& family);
    int TextSize() const { return textSize_; }
    void SetTextSize(int pixels);

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }

    void FillRect(int x, int y, int width, int height);
    void DrawLine(int x1, int y1, int x2, int y2);
    // One line of text starting at x, with its baseline at y.
    void DrawString(const QString& text, int x, int y);
    double StringWidth(const QString& text) const;
    void DrawPicture(const Picture& picture, int x, int y);

    // The font that the current style gives.
    const QFont& font() const;
    // Completes what has been drawn, so the device can be read or copied.
    void End();

private:
    // One painter for a run of drawing calls: opening one per call would cost more than the
    // drawing itself.
    QPainter& painter();

    QPaintDevice* device_;
    QSize size_;
    QColor foreColor_{Qt::black};
    bool bold_ = false;
    bool underline_ = false;
    QString textFont_{QStringLiteral("Times")};
    int textSize_ = 12;
    mutable std::optional<QFont> font_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace framework
