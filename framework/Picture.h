#pragma once

#include "framework/Graphics.h"

#include <QImage>
#include <memory>

namespace framework {

// An off-screen picture of a logical size. Its pixels are pixelRatio times denser, so what is
// drawn stays sharp on high-density screens while every coordinate stays logical.
class Picture {
public:
    Picture(int width, int height, qreal pixelRatio);
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    Graphics& graphics() { return graphics_; }
    // The pixels, with every drawing call made so far completed.
    const QImage& image() const {
        graphics_.End();
        return image_;
    }

private:
    QImage image_;
    // Reading the picture completes pending drawing, which changes no visible state.
    mutable Graphics graphics_;
};

std::unique_ptr<Picture> NewPicture(int width, int height, qreal pixelRatio = 1.0);

} // namespace framework
