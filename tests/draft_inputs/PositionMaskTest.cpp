#include <gtest/gtest.h>

#include "draft_inputs/basBitToArray.h"
#include "draft_inputs/clsScoringPosApply.h"

using basBitToArray::PositionBits;

TEST(PositionMask, ExpandsEveryBitAndPacksBack) {
  PositionBits bits{};
  const int32_t mask = (1 << 0) | (1 << 3) | (1 << 17) | (1 << 30);
  EXPECT_TRUE(basBitToArray::BitMaskToArray(mask, bits));
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(bits[i], (i == 0 || i == 3 || i == 17 || i == 30) ? 1 : 0) << "bit " << i;
  }
  EXPECT_EQ(basBitToArray::ArrayToBitMask(bits), mask);
}

TEST(PositionMask, NegativeMaskExpandsToNothing) {
  PositionBits bits;
  bits.fill(1);
  EXPECT_TRUE(basBitToArray::BitMaskToArray(-1, bits));
  for (uint8_t b : bits) EXPECT_EQ(b, 0);
  EXPECT_EQ(basBitToArray::ArrayToBitMask(bits), 0);
}

TEST(PositionMask, PackingCountsOnlyFlagsEqualToOne) {
  PositionBits bits{};
  bits[2] = 1;
  bits[4] = 2;  // not a set flag
  EXPECT_EQ(basBitToArray::ArrayToBitMask(bits), 4);
}

TEST(ScoringPosApply, NewObjectAppliesToNothing) {
  clsScoringPosApply apply;
  for (int id = 0; id <= 30; ++id) EXPECT_FALSE(apply.UsePos(id));
}

TEST(ScoringPosApply, AllBitAppliesToEveryPosition) {
  clsScoringPosApply apply;
  apply.Refresh(1 << 1);
  for (int id = 0; id <= 30; ++id) EXPECT_TRUE(apply.UsePos(id)) << id;
  apply.Refresh(0);
  for (int id = 0; id <= 30; ++id) EXPECT_FALSE(apply.UsePos(id)) << id;
}

TEST(ScoringPosApply, SelectedPositionsOnly) {
  clsScoringPosApply apply;
  apply.Refresh((1 << 2) | (1 << 6));
  EXPECT_TRUE(apply.UsePos(2));
  EXPECT_TRUE(apply.UsePos(6));
  EXPECT_FALSE(apply.UsePos(1));
  EXPECT_FALSE(apply.UsePos(3));
}

TEST(ScoringPosApply, PositionOutsideTheMaskRangeIsNeverIncluded) {
  clsScoringPosApply apply;
  apply.Refresh(1 << 1);
  EXPECT_FALSE(apply.UsePos(-1));
  EXPECT_FALSE(apply.UsePos(31));
  EXPECT_FALSE(apply.UsePos(1000));
}
