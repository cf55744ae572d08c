#pragma once
// Whole-number conversions: halves go to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2), as the stored files and bundled data expect, and a
// value outside the target type is an error, never a silent wrap.

#include <cstdint>
#include <stdexcept>

namespace runtime {

class OverflowError : public std::range_error {
 public:
  using std::range_error::range_error;
};

// The nearest whole number, halves to even. NaN and infinities stay as they are.
double RoundHalfEven(double value);

// CLng / CInt / CByte: RoundHalfEven, then a range check that throws OverflowError.
int32_t CLng(double value);
int16_t CInt(double value);
uint8_t CByte(double value);

// The same conversions for callers that must not throw: false when out of range
// (or NaN); `out` is left untouched then.
bool TryCLng(double value, int32_t& out);
bool TryCInt(double value, int16_t& out);

// Whole pixels <-> twips; the screen is fixed at 15 twips per pixel.
constexpr int32_t kTwipsPerPixel = 15;
constexpr int32_t PixelsToTwips(int32_t pixels) { return pixels * kTwipsPerPixel; }
int32_t TwipsToPixels(int32_t twips);  // rounds half to even

}  // namespace runtime
