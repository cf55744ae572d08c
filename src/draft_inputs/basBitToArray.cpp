#include "draft_inputs/basBitToArray.h"

namespace basBitToArray {

bool BitMaskToArray(int32_t mask, PositionBits& bits) {
  for (int32_t i = 0; i < kMaskBits; ++i) {
    bits[static_cast<std::size_t>(i)] = (mask >= 0 && (mask & (int32_t{1} << i)) != 0) ? 1 : 0;
  }
  return true;
}

int32_t ArrayToBitMask(const PositionBits& bits) {
  int32_t mask = 0;
  for (int32_t i = 0; i < kMaskBits; ++i) {
    if (bits[static_cast<std::size_t>(i)] == 1) mask |= int32_t{1} << i;
  }
  return mask;
}

}  // namespace basBitToArray
