#include "toolkit/ui/clsHiResIcon.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>
#include <vector>

namespace {

// The image of the icon file nearest in size to `size` (the larger one on a
// tie), scaled to exactly size x size; null when the file holds no icon.
QImage IconAtSize(const std::string& path, int size) {
  QImageReader reader(QString::fromStdString(path), "ico");
  if (!reader.canRead()) return {};
  std::vector<QImage> images;
  const int count = std::min(reader.imageCount(), 64);
  for (int i = 0; i < std::max(count, 1); ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    QImage img;
    if (reader.read(&img) && !img.isNull()) images.push_back(img);
  }
  if (images.empty()) return {};
  const QImage* best = &images.front();
  auto distance = [size](const QImage& img) { return std::abs(img.width() - size); };
  for (const QImage& img : images) {
    if (distance(img) < distance(*best) ||
        (distance(img) == distance(*best) && img.width() > best->width())) {
      best = &img;
    }
  }
  QImage out = best->convertToFormat(QImage::Format_ARGB32);
  if (out.width() != size || out.height() != size) {
    out = out.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return out;
}

}  // namespace

void clsHiResIcon::CreateHiResIcon(QWidget* form, const std::string& iconFile) {
  small_ = IconAtSize(iconFile, kSmallSize);
  big_ = IconAtSize(iconFile, kDefaultSize);
  if (form == nullptr || (small_.isNull() && big_.isNull())) return;
  QIcon icon;
  if (!big_.isNull()) icon.addPixmap(QPixmap::fromImage(big_));
  if (!small_.isNull()) icon.addPixmap(QPixmap::fromImage(small_));
  form->setWindowIcon(icon);
}
