#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraftPositionStack.h"

namespace {

using basMockDraftCalculation::FillPositionStackFromRows;
using basMockDraftCalculation::StackRow;

// Five running backs, best first; the third has no ADP.
clsMockDraftPositionStack FiveBacks() {
  clsMockDraftPositionStack stack;
  const std::vector<StackRow> rows{{201, 220.0, 14.0, 7},
                                   {202, 200.0, 9.5, 9},
                                   {203, 180.0, 0.0, 7},
                                   {204, 150.0, 30.0, 11},
                                   {205, 120.0, 9.5, 5}};
  FillPositionStackFromRows(stack, rows, -1);
  return stack;
}

TEST(PositionStack, CountAndAddPlayerKeepPlayersInOrder) {
  clsMockDraftPositionStack stack;
  stack.AddPlayer(7, 10.0, 4, true);
  stack.AddPlayer(2, 90.0, 6, false);
  EXPECT_EQ(stack.MasterID(1), 2);
  EXPECT_EQ(stack.Points(1), 90.0);
  EXPECT_EQ(stack.ByeWeek(1), 6);
  EXPECT_FALSE(stack.Drafted(1));
  EXPECT_EQ(stack.ADP(1), 99999.0);
  stack.SetCount(9);  // the highest index
  EXPECT_EQ(stack.Count(), 10);
  EXPECT_EQ(stack.MasterID(0), 7);
  EXPECT_TRUE(stack.Drafted(0));
  EXPECT_EQ(stack.ByeWeek(0), 4);
  stack.SetCount(-1);
  EXPECT_EQ(stack.Count(), 0);
  EXPECT_THROW(stack.SetCount(-2), std::out_of_range);
}

TEST(PositionStack, CopiesKeepTheirOwnPlayersAndMarks) {
  const clsMockDraftPositionStack original = FiveBacks();
  clsMockDraftPositionStack copy = original;
  EXPECT_TRUE(copy.MarkDrafted(203, true, 1));  // a wrong hint: found by id
  copy.SetPoints(0, 1.0);
  copy.SetMasterID(4, 299);
  copy.AddPlayer(206, 100.0, 8, false);
  EXPECT_FALSE(copy.MarkDrafted(205, true, 4));
  EXPECT_TRUE(copy.Drafted(2));
  EXPECT_EQ(copy.Count(), 6);
  EXPECT_FALSE(original.Drafted(2));
  EXPECT_EQ(original.Points(0), 220.0);
  EXPECT_EQ(original.IndexOfMasterID(205), 4);
  EXPECT_EQ(original.Count(), 5);
}

TEST(PositionStack, AnIdLookedUpBeforeItsPlayerChangedIsNotFoundAfter) {
  clsMockDraftPositionStack stack = FiveBacks();
  EXPECT_EQ(stack.IndexOfMasterID(203), 2);
  stack.SetMasterID(2, 299);
  EXPECT_EQ(stack.IndexOfMasterID(203), -1);
  EXPECT_EQ(stack.IndexOfMasterID(299), 2);
  stack.SetCount(1);  // players 0 and 1 stay
  EXPECT_EQ(stack.IndexOfMasterID(299), -1);
}

TEST(PositionStack, LinkedStacksShareMarksUntilTheirPlayersChange) {
  clsMockDraftPositionStack a = FiveBacks();
  clsMockDraftPositionStack b = a;
  EXPECT_FALSE(FiveBacks().ShareMarks(a));  // other players
  ASSERT_TRUE(b.ShareMarks(a));
  a.MarkDrafted(201, true, 0);
  EXPECT_TRUE(b.Drafted(0));
  EXPECT_EQ(b.FirstUndrafted(), 1);
  b.SetDrafted(0, false);
  EXPECT_EQ(a.FirstUndrafted(), 0);
  b.SetPoints(4, 1.0);  // b's own players: its own marks too
  a.SetDrafted(2, true);
  EXPECT_FALSE(b.Drafted(2));
}

TEST(PositionStack, ReadsOutsideTheListAnswerZeroOrNoADPOtherAccessThrows) {
  clsMockDraftPositionStack stack = FiveBacks();
  for (int32_t i : {5, 6, -1, -7}) {
    EXPECT_EQ(stack.Points(i), 0.0) << i;
    EXPECT_EQ(stack.MasterID(i), 0) << i;
    EXPECT_EQ(stack.ADP(i), 99999.0) << i;
  }
  EXPECT_THROW(stack.Drafted(5), std::out_of_range);
  EXPECT_THROW(stack.ByeWeek(-1), std::out_of_range);
  EXPECT_THROW(stack.SetPoints(5, 1.0), std::out_of_range);
  EXPECT_THROW(stack.SetDrafted(-1, true), std::out_of_range);
  EXPECT_THROW(stack.SetADP(9, 1.0), std::out_of_range);
}

TEST(PositionStack, BestADPAvailableIsTheLowestAboveTheMinimumFirstOnTies) {
  clsMockDraftPositionStack stack = FiveBacks();
  EXPECT_EQ(stack.ADP(0), 14.0);
  EXPECT_EQ(stack.ADP(2), 99999.0);
  EXPECT_EQ(stack.GetBestADPAvailable(0.0), 1);  // 9.5, ahead of 205's equal 9.5
  EXPECT_EQ(stack.GetBestADPAvailable(9.5), 0);  // a minimum equal to an ADP skips it
  EXPECT_EQ(stack.GetBestADPAvailable(14.0), 3);
  EXPECT_EQ(stack.GetBestADPAvailable(30.0), 2);  // no ADP comes after every real one
  EXPECT_EQ(stack.GetBestADPAvailable(99999.0), -1);
  stack.SetDrafted(1, true);
  EXPECT_EQ(stack.GetBestADPAvailable(0.0), 4);
  for (int32_t i = 0; i < stack.Count(); ++i) stack.SetDrafted(i, true);
  EXPECT_EQ(stack.GetBestADPAvailable(0.0), -1);
}

TEST(PositionStack, PointersAreLoweredToTheLastPlayer) {
  clsMockDraftPositionStack stack = FiveBacks();
  stack.SetRosterBaselinePointer(3);
  stack.SetStarterBaselinePointer(8);
  EXPECT_EQ(stack.RosterBaselinePointer(), 3);
  EXPECT_EQ(stack.StarterBaselinePointer(), 4);
  EXPECT_EQ(stack.RosterBaseLine(0), 70.0);  // 220 - 150
  EXPECT_EQ(stack.RosterBaseLine(3), 0.0);
  EXPECT_EQ(stack.RosterBaseLine(4), -30.0);  // below the baseline player
  EXPECT_EQ(stack.StarterBaseLine(1), 80.0);  // 200 - 120

  clsMockDraftPositionStack empty;  // its baseline is at zero points
  empty.SetRosterBaselinePointer(11);
  EXPECT_EQ(empty.RosterBaselinePointer(), -1);
  EXPECT_EQ(empty.RosterBaseLine(-1), 0.0);
}

TEST(PositionStack, BaseLineFollowsTheMode) {
  clsMockDraftPositionStack stack = FiveBacks();
  stack.SetRosterBaselinePointer(2);
  stack.SetStarterBaselinePointer(1);
  for (const auto& [mode, expected] : {std::pair{0, 220.0}, {1, 40.0}, {2, 20.0}, {3, 0.0}, {5, 0.0}}) {
    stack.SetBaselineMode(mode);
    EXPECT_EQ(stack.BaseLine(0), expected) << "mode " << mode;
  }
}

TEST(PositionStack, ByeWeekByMasterIDTakesTheFirstMatch) {
  clsMockDraftPositionStack stack = FiveBacks();
  stack.AddPlayer(203, 10.0, 12, false);
  EXPECT_EQ(stack.GetByeWeekwMasID(203), 7);
  EXPECT_EQ(stack.GetByeWeekwMasID(204), 11);
  EXPECT_EQ(stack.GetByeWeekwMasID(999), 0);
}

TEST(FillPositionStack, TakesAtMostTheMaximumBestFirstAndReplacesTheStack) {
  clsMockDraftPositionStack stack = FiveBacks();
  EXPECT_EQ(stack.Count(), 5);
  EXPECT_EQ(stack.MasterID(0), 201);
  EXPECT_EQ(stack.MasterID(4), 205);
  EXPECT_EQ(stack.ByeWeek(3), 11);
  EXPECT_FALSE(stack.Drafted(0));

  stack.SetDrafted(0, true);
  const std::vector<StackRow> rows{{9, 99.0, 3.0, 4}, {8, 88.0, 0, 6}, {7, 77.0, 0, 6}};
  FillPositionStackFromRows(stack, rows, 2);
  ASSERT_EQ(stack.Count(), 2);
  EXPECT_EQ(stack.MasterID(0), 9);
  EXPECT_EQ(stack.MasterID(1), 8);
  EXPECT_FALSE(stack.Drafted(0));
  EXPECT_EQ(stack.ADP(0), 3.0);

  // No rows or a zero maximum leave the stack as it was.
  FillPositionStackFromRows(stack, {}, 10);
  FillPositionStackFromRows(stack, rows, 0);
  EXPECT_EQ(stack.Count(), 2);
}

}  // namespace
