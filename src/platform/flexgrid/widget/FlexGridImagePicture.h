#pragma once
// A cell picture the grid widget can paint: an image kept by value.

#include <QImage>

#include "platform/flexgrid/FlexGridModel.h"

class FlexGridImagePicture final : public FlexGridPicture {
 public:
  explicit FlexGridImagePicture(QImage image) : image_(std::move(image)) {}
  int32_t WidthPixels() const override { return image_.width(); }
  int32_t HeightPixels() const override { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};
