#include <gtest/gtest.h>

#include <stdexcept>

#include "player_data/clsKWRData.h"

TEST(KWRData, ListsStartWithoutEntries) {
  clsKWRData data;
  EXPECT_EQ(data.StatMax(), -1);
  EXPECT_EQ(data.ScoYMax(), -1);
  EXPECT_THROW(data.StatMasID(0), std::out_of_range);
  EXPECT_THROW(data.ScoYYards(0), std::out_of_range);
}

TEST(KWRData, StatRecordsAreNumberedFromOne) {
  clsKWRData data;
  data.SetStatMax(2);
  EXPECT_EQ(data.StatMax(), 2);
  data.SetStat(1, 1234, 12, 250, 7, 1250.5f);
  data.SetStat(2, 1234, 12, 250, 9, 8.0f);
  EXPECT_EQ(data.StatMasID(1), 1234);
  EXPECT_EQ(data.StatTeaID(1), 12);
  EXPECT_EQ(data.StatWeek(1), 250);
  EXPECT_EQ(data.StatField(1), 7);
  EXPECT_EQ(data.StatNewValue(1), 1250.5f);
  EXPECT_EQ(data.StatField(2), 9);
  EXPECT_EQ(data.StatNewValue(2), 8.0f);
  // Entry 0 exists but holds nothing.
  EXPECT_EQ(data.StatMasID(0), 0);
  EXPECT_EQ(data.ScoYMax(), -1);
}

TEST(KWRData, YardageRecordsKeepTypeAndYards) {
  clsKWRData data;
  data.SetScoYMax(1);
  data.SetScoY(1, 77, 4, 3, 2, 47.0f);
  EXPECT_EQ(data.ScoYMasID(1), 77);
  EXPECT_EQ(data.ScoYWeek(1), 3);
  EXPECT_EQ(data.ScoYType(1), 2);
  EXPECT_EQ(data.ScoYYards(1), 47.0f);
}

TEST(KWRData, ResizingEmptiesTheList) {
  clsKWRData data;
  data.SetStatMax(1);
  data.SetStat(1, 5, 1, 1, 1, 1.0f);
  data.SetStatMax(3);
  EXPECT_EQ(data.StatMasID(1), 0);
  data.SetStatMax(-1);
  EXPECT_EQ(data.StatMax(), -1);
}

TEST(KWRData, RecordOutsideTheListIsTheCallersFault) {
  clsKWRData data;
  data.SetStatMax(2);
  data.SetScoYMax(0);
  EXPECT_THROW(data.StatWeek(3), std::out_of_range);
  EXPECT_THROW(data.StatNewValue(-1), std::out_of_range);
  EXPECT_THROW(data.SetStat(3, 1, 1, 1, 1, 1.0f), std::out_of_range);
  EXPECT_THROW(data.SetScoY(1, 1, 1, 1, 1, 1.0f), std::out_of_range);
  EXPECT_THROW(data.ScoYType(1), std::out_of_range);
  EXPECT_THROW(data.SetStatMax(-2), std::out_of_range);
  EXPECT_EQ(data.StatMax(), 2);
}
