#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draft_inputs/basLGPFileControl.h"

namespace {

using Order = std::vector<int32_t>;

TEST(DraftOrder, FollowsTheStyle) {
  const struct {
    int32_t teams, rounds, style;
    Order expected;
  } cases[] = {
      {3, 3, 0, {1, 2, 3, 3, 2, 1, 1, 2, 3}}, {3, 3, 1, {1, 2, 3, 1, 2, 3, 1, 2, 3}},
      {2, 3, 0, {1, 2, 2, 1, 1, 2}},          {1, 3, 0, {1, 1, 1}},
      {1, 3, 1, {1, 1, 1}},                   {4, 1, 0, {1, 2, 3, 4}},
      // A style no editor writes must not hand out team numbers past the last team.
      {2, 2, 7, {1, 2, 1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.teams << "x" << c.rounds << " style " << c.style);
    Order order{99};
    EXPECT_EQ(basLGPFileControl::BuildDraftOrder(order, c.teams, c.rounds, c.style),
              static_cast<int32_t>(c.expected.size()) - 1);
    EXPECT_EQ(order, c.expected);
  }
}

TEST(DraftOrder, RefusedSizesLeaveTheOrderUntouched) {
  const struct {
    int32_t teams, rounds;
  } refused[] = {{0, 5}, {5, 0}, {-2, -3}, {-1, 4}, {101, 100}, {INT32_MAX, INT32_MAX}};
  for (const auto& r : refused) {
    Order order{7, 8};
    EXPECT_EQ(basLGPFileControl::BuildDraftOrder(order, r.teams, r.rounds, 0), -1)
        << r.teams << "x" << r.rounds;
    EXPECT_EQ(order, (Order{7, 8}));
  }
  Order order;
  EXPECT_EQ(basLGPFileControl::BuildDraftOrder(order, 100, 100, 1), 9999);
}

TEST(HasAllRosterMax, NeedsAWholeRosterMaximumAboveZero) {
  using R = LGPRosterSizeRecord;
  EXPECT_FALSE(basLGPFileControl::HasAllRosterMax({}));
  EXPECT_FALSE(basLGPFileControl::HasAllRosterMax({R{}, R{1, 1, 0, 0, 0, 0}, R{2, 2, 1, 3, 1, 1}}));
  EXPECT_TRUE(basLGPFileControl::HasAllRosterMax({R{}, R{2, 2, 1, 3, 1, 1}, R{1, 1, 0, 15, 0, 9}}));
}

}  // namespace
