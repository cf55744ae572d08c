#pragma once
// The application's bitmap resources, by id: the tab pieces, button and
// mini-bar images, title pictures, check boxes and side bars, kept as PNG
// files in the Qt resource system.

#include <QImage>
#include <cstdint>
#include <stdexcept>
#include <string>

// Raised for an id that has no bitmap: a caller's error, never a blank picture.
class ResourceError : public std::runtime_error {
 public:
  explicit ResourceError(int32_t id);
  int32_t Id() const { return id_; }

 private:
  int32_t id_;
};

namespace basBitmapResource {

// The key colours that mark transparent pixels in the resources.
inline constexpr uint32_t kKeyMagenta = 0x00D70FE3u;  // RGB(227,15,215)
inline constexpr uint32_t kKeyWhite = 0x00FFFFFFu;

bool Exists(int32_t id);
// The bitmap, 32-bit colour; throws ResourceError when there is none.
QImage Load(int32_t id);
// A copy of the image in which the pixels of a key colour (0x00BBGGRR) are
// transparent, for Qt's own buttons and cells to show over their background.
QImage WithoutKey(const QImage& image, uint32_t key);

}  // namespace basBitmapResource
