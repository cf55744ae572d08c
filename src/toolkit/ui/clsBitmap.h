#pragma once
// An image held in its own memory device context. Each Load, Transfer or
// Create replaces the image the object held before.

#include <cstdint>
#include <string>

#include "platform/gdi/MemoryDC.h"

class clsBitmap {
 public:
  gdi::MemoryDC& hDC() { return dc_; }
  const gdi::MemoryDC& hDC() const { return dc_; }
  int32_t Width() const { return dc_.Width(); }
  int32_t Height() const { return dc_.Height(); }

  // The bitmap resource of that id, as a private copy; throws ResourceError
  // for an id without one. True otherwise.
  bool LoadResImage(int32_t resourceId);
  // A bitmap file; false (and the object emptied) when it does not load.
  bool LoadFileImage(const std::string& path);
  // A copy of the source's image.
  bool TransferImage(const clsBitmap& source);
  // An image of the source's size filled with `colour`, transparent text
  // background.
  void CreateBlankImage(const clsBitmap& source, gdi::COLORREF colour);
  // An image of width x height filled with `colour`, opaque text background.
  void CreateBlankBitmap(int32_t width, int32_t height, gdi::COLORREF colour);
  // The bitmap resource composed over `backColour`: its pixels in the
  // resources' magenta key colour show the back colour. Throws ResourceError
  // like LoadResImage, before anything is replaced.
  void LoadKeyedResImage(int32_t resourceId, gdi::COLORREF backColour);

 private:
  gdi::MemoryDC dc_;
};
