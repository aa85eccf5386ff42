#include "framework/Picture.h"

#include <cmath>

namespace framework {

namespace {

QImage makeImage(int width, int height, qreal ratio) {
    QImage image(static_cast<int>(std::ceil(width * ratio)),
                 static_cast<int>(std::ceil(height * ratio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

Picture::Picture(int width, int height, qreal pixelRatio)
    : image_(makeImage(width, height, pixelRatio)), graphics_(&image_, QSize(width, height)) {}

std::unique_ptr<Picture> NewPicture(int width, int height, qreal pixelRatio) {
    return std::make_unique<Picture>(width, height, pixelRatio);
}

} // namespace framework
