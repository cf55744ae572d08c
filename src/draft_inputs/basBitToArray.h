#pragma once
// Position masks: bit i (2 to the power i) stands for the position with ID i,
// for i = 0..30; the sign bit is never used.

#include <array>
#include <cstdint>

namespace basBitToArray {

inline constexpr int32_t kMaskBits = 31;
using PositionBits = std::array<uint8_t, kMaskBits>;

// bits(i) = 1 for every set bit i of the mask, 0 otherwise; a negative mask
// gives all 0. Always true.
bool BitMaskToArray(int32_t mask, PositionBits& bits);

// The sum of 2 to the power i over the i with bits(i) = 1.
int32_t ArrayToBitMask(const PositionBits& bits);

}  // namespace basBitToArray
