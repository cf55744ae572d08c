#include "toolkit/ui/basBitmapResource.h"

#include <QFile>
#include <map>

ResourceError::ResourceError(int32_t id)
    : std::runtime_error("Resource with identifier '" + std::to_string(id) + "' not found"), id_(id) {}

namespace basBitmapResource {

namespace {

QString PathOf(int32_t id) { return QStringLiteral(":/kd/bitmaps/%1.png").arg(id); }

}  // namespace

bool Exists(int32_t id) { return id > 0 && QFile::exists(PathOf(id)); }

QImage Load(int32_t id) {
  // Decoded once: the widgets draw their images again on every state change.
  static std::map<int32_t, QImage> cache;
  const auto it = cache.find(id);
  if (it != cache.end()) return it->second;
  if (!Exists(id)) throw ResourceError(id);
  QImage img(PathOf(id));
  if (img.isNull()) throw ResourceError(id);
  img = img.convertToFormat(QImage::Format_RGB32);
  cache.emplace(id, img);
  return img;
}

QImage WithoutKey(const QImage& image, uint32_t key) {
  QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb match = qRgb(static_cast<int>(key & 0xFFu), static_cast<int>((key >> 8) & 0xFFu),
                          static_cast<int>((key >> 16) & 0xFFu)) &
                     0xFFFFFFu;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if ((line[x] & 0xFFFFFFu) == match) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return keyed;
}

}  // namespace basBitmapResource
