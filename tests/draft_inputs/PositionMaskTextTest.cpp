#include <gtest/gtest.h>

#include <string>

#include "draft_inputs/basSCOFileControl.h"

namespace {

std::string Abrv(int32_t posID) { return "P" + std::to_string(posID); }

TEST(PositionMaskText, AllFirstThenEachFurtherBitInOrder) {
  struct Case {
    int32_t mask;
    const char* text;
  };
  const Case cases[] = {
      {0, ""},
      {1, ""},  // bit 0 is never listed
      {(1 << 1) | (1 << 3), " All P3"},
      {(1 << 30) | (1 << 2), " P2 P30"},
      {(1 << 1), " All"},
      {-8, ""},  // a negative mask holds no position
  };
  for (const Case& c : cases) EXPECT_EQ(basSCOFileControl::PositionMaskText(c.mask, Abrv), c.text) << c.mask;
}

}  // namespace
