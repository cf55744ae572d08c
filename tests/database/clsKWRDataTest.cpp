#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "database/clsKWRData.h"

TEST(KWRData, RecordsAreNumberedFromOneAndResizingEmptiesTheList) {
  clsKWRData data;
  EXPECT_EQ(data.StatMax(), -1);
  EXPECT_EQ(data.ScoYMax(), -1);
  EXPECT_THROW(data.StatMasID(0), std::out_of_range);
  EXPECT_THROW(data.ScoYYards(0), std::out_of_range);
  data.SetStatMax(2);
  data.SetStat(1, 1234, 12, 250, 7, 1250.5f);
  data.SetStat(2, 1234, 12, 250, 9, 8.0f);
  EXPECT_EQ((std::vector<int32_t>{data.StatMasID(1), data.StatTeaID(1), data.StatWeek(1), data.StatField(1)}),
            (std::vector<int32_t>{1234, 12, 250, 7}));
  EXPECT_EQ(data.StatNewValue(1), 1250.5f);
  EXPECT_EQ(data.StatField(2), 9);
  EXPECT_EQ(data.StatNewValue(2), 8.0f);
  EXPECT_EQ(data.StatMasID(0), 0);  // entry 0 exists but holds nothing
  data.SetScoYMax(1);
  data.SetScoY(1, 77, 4, 3, 2, 47.0f);
  EXPECT_EQ((std::vector<int32_t>{data.ScoYMasID(1), data.ScoYWeek(1), data.ScoYType(1)}),
            (std::vector<int32_t>{77, 3, 2}));
  EXPECT_EQ(data.ScoYYards(1), 47.0f);

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
