#pragma once
// A cell picture the grid widget can paint: an image kept by value. An
// image drawn at a scaled screen's device pixel ratio keeps that ratio, and
// its size is the size it shows at (logical pixels).

#include <QImage>

#include "platform/flexgrid/FlexGridModel.h"

class FlexGridImagePicture final : public FlexGridPicture {
 public:
  explicit FlexGridImagePicture(QImage image) : image_(std::move(image)) {}
  int32_t WidthPixels() const override { return Size().width(); }
  int32_t HeightPixels() const override { return Size().height(); }
  QSize Size() const { return image_.deviceIndependentSize().toSize(); }
  const QImage& Image() const { return image_; }

  // A transparent image `size` logical pixels large at device pixel ratio
  // `ratio`, to paint a picture on in logical pixels: on a scaled screen
  // it holds the full resolution, rather than being enlarged blurred.
  static QImage Canvas(QSize size, double ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
  }

 private:
  QImage image_;
};
