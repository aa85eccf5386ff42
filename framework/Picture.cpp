#include "framework/Picture.h"

#include <cmath>

namespace framework {

namespace {

QImage makeImage(int width, int height, int depth, qreal ratio) {
    const QImage::Format format =
        depth <= 16 ? QImage::Format_RGB16 : QImage::Format_ARGB32_Premultiplied;
    QImage image(static_cast<int>(std::ceil(width * ratio)),
                 static_cast<int>(std::ceil(height * ratio)), format);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

} // namespace

Picture::Picture(int width, int height, int depth, qreal pixelRatio)
    : width_(width), height_(height),
      image_(makeImage(width, height, depth, pixelRatio > 0 ? pixelRatio : 1.0)),
      graphics_(&image_, QSize(width, height)) {}

std::unique_ptr<Picture> NewPicture(int width, int height, int depth, qreal pixelRatio) {
    if (width <= 0 || height <= 0)
        return nullptr;
    return std::make_unique<Picture>(width, height, depth, pixelRatio);
}

} // namespace framework
