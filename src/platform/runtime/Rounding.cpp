#include "platform/runtime/Rounding.h"

#include <cmath>
#include <limits>
#include <string>

#include "platform/runtime/Format.h"

namespace runtime {

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  double floor = std::floor(value);
  double diff = value - floor;
  if (diff < 0.5) return floor;
  if (diff > 0.5) return floor + 1.0;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {
template <typename T>
bool TryConvert(double value, T& out) {
  double r = RoundHalfEven(value);
  if (std::isnan(r) || r < static_cast<double>(std::numeric_limits<T>::min()) ||
      r > static_cast<double>(std::numeric_limits<T>::max())) {
    return false;
  }
  out = static_cast<T>(r);
  return true;
}

template <typename T>
T Convert(double value, const char* name) {
  T out{};
  if (!TryConvert(value, out)) {
    throw OverflowError("Overflow converting " + ShortNumber(value) + " to " + name);
  }
  return out;
}
}  // namespace

int32_t CLng(double value) { return Convert<int32_t>(value, "Long"); }
int16_t CInt(double value) { return Convert<int16_t>(value, "Integer"); }
uint8_t CByte(double value) { return Convert<uint8_t>(value, "Byte"); }
bool TryCLng(double value, int32_t& out) { return TryConvert(value, out); }
bool TryCInt(double value, int16_t& out) { return TryConvert(value, out); }

int32_t TwipsToPixels(int32_t twips) {
  return static_cast<int32_t>(RoundHalfEven(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace runtime
