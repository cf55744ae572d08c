#pragma once
// Whether one scoring rule applies to a position: one flag per position ID
// 0..30, refreshed from the rule's position mask. Position ID 1 ("All")
// switches every flag on.

#include <cstdint>

#include "draft_inputs/basBitToArray.h"

class clsScoringPosApply {
 public:
  // False for IDs outside 0..30: such a position cannot be in any mask.
  bool UsePos(int32_t PosID) const;
  void Refresh(int32_t mask);

 private:
  basBitToArray::PositionBits bits_{};
};
