#include "platform/gdi/SysColor.h"

namespace gdi {

COLORREF GetSysColor(int32_t index) {
  switch (index) {
    case COLOR_WINDOW:
      return Rgb(255, 255, 255);
    case COLOR_WINDOWTEXT:
      return Rgb(0, 0, 0);
    case COLOR_HIGHLIGHT:
      return Rgb(49, 106, 197);
    case COLOR_HIGHLIGHTTEXT:
      return Rgb(255, 255, 255);
    case COLOR_BTNFACE:
      return Rgb(236, 233, 216);
    case COLOR_BTNSHADOW:
      return Rgb(172, 168, 153);
    case COLOR_GRAYTEXT:
      return Rgb(172, 168, 153);
    case COLOR_BTNTEXT:
      return Rgb(0, 0, 0);
    case COLOR_BTNHIGHLIGHT:
      return Rgb(255, 255, 255);
    default:
      return 0;
  }
}

}  // namespace gdi
