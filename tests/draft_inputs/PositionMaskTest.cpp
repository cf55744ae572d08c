#include <gtest/gtest.h>

#include <string>

#include "draft_inputs/basBitToArray.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringPosApply.h"

using basBitToArray::PositionBits;

TEST(PositionMask, ExpandsEveryBitAndPacksOnlyFlagsEqualToOne) {
  PositionBits bits{};
  const int32_t mask = (1 << 0) | (1 << 3) | (1 << 17) | (1 << 30);
  EXPECT_TRUE(basBitToArray::BitMaskToArray(mask, bits));
  for (int i = 0; i < 31; ++i) EXPECT_EQ(bits[i], (i == 0 || i == 3 || i == 17 || i == 30) ? 1 : 0) << "bit " << i;
  EXPECT_EQ(basBitToArray::ArrayToBitMask(bits), mask);
  bits[4] = 2;  // not a set flag
  EXPECT_EQ(basBitToArray::ArrayToBitMask(bits), mask);
  // A negative mask expands to nothing.
  EXPECT_TRUE(basBitToArray::BitMaskToArray(-1, bits));
  for (uint8_t b : bits) EXPECT_EQ(b, 0);
}

TEST(ScoringPosApply, AllBitAppliesToEveryPositionOtherwiseOnlyTheSelectedOnes) {
  clsScoringPosApply apply;
  for (int id = 0; id <= 30; ++id) EXPECT_FALSE(apply.UsePos(id)) << id;
  apply.Refresh(1 << 1);
  for (int id = 0; id <= 30; ++id) EXPECT_TRUE(apply.UsePos(id)) << id;
  for (int id : {-1, 31, 1000}) EXPECT_FALSE(apply.UsePos(id)) << id;
  apply.Refresh((1 << 2) | (1 << 6));
  for (int id = 0; id <= 30; ++id) EXPECT_EQ(apply.UsePos(id), id == 2 || id == 6) << id;
  apply.Refresh(0);
  for (int id = 0; id <= 30; ++id) EXPECT_FALSE(apply.UsePos(id)) << id;
}

TEST(PositionMaskText, AllFirstThenEachFurtherBitInOrder) {
  const auto abbreviation = [](int32_t posID) { return "P" + std::to_string(posID); };
  const struct {
    int32_t mask;
    const char* text;
  } cases[] = {
      {0, ""},
      {1, ""},  // bit 0 is never listed
      {(1 << 1) | (1 << 3), " All P3"},
      {(1 << 30) | (1 << 2), " P2 P30"},
      {(1 << 1), " All"},
      {-8, ""},  // a negative mask holds no position
  };
  for (const auto& c : cases)
    EXPECT_EQ(basSCOFileControl::PositionMaskText(c.mask, abbreviation), c.text) << c.mask;
}
