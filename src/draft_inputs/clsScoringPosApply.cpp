#include "draft_inputs/clsScoringPosApply.h"

bool clsScoringPosApply::UsePos(int32_t PosID) const {
  if (PosID < 0 || PosID >= basBitToArray::kMaskBits) return false;
  return bits_[static_cast<std::size_t>(PosID)] != 0;
}

void clsScoringPosApply::Refresh(int32_t mask) {
  basBitToArray::BitMaskToArray(mask, bits_);
  if (bits_[1] == 1) bits_.fill(1);
}
