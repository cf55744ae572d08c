#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseFixtures.h"
#include "FakeSeams.h"
#include "TempDir.h"
#include "database/clsKickwellDB.h"
#include "engine/KickwellDBPickLogNames.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraftPositionStack.h"

namespace {

namespace calc = basMockDraftCalculation;

constexpr int kQB = 2, kRB = 3, kFB = 9;
constexpr int kARI = 1, kATL = 2;

// Season rows of 2024 (the template's year) and rows that must stay out.
class PositionStackQuery : public ::testing::Test {
 protected:
  void SetUp() override {
    path = kdtest::MakeTemplateDatabase(dir, "Stacks.pro");
    const int a = kdtest::AddTestPlayer(path, 11, "Able", kARI, kQB);
    const int b = kdtest::AddTestPlayer(path, 12, "Baker", kATL, kQB);
    const int c = kdtest::AddTestPlayer(path, 13, "Cole", kARI, kQB);
    const int d = kdtest::AddTestPlayer(path, 14, "Dunn", kATL, kQB);
    const int e = kdtest::AddTestPlayer(path, 21, "Ellis", kARI, kRB);
    const int f = kdtest::AddTestPlayer(path, 91, "Ford", kATL, kFB);
    kdtest::AddTestStat0(path, a, 250, 2024, 250, kARI, 0, 30);
    kdtest::AddTestStat0(path, b, 250, 2024, 300, kATL, 0, 12);
    kdtest::AddTestStat0(path, c, 250, 2024, 250, kARI);  // ties Able, listed after him
    kdtest::AddTestStat0(path, d, 250, 2023, 400, kATL);  // another season
    kdtest::AddTestStat0(path, d, 1, 2024, 500, kATL);    // a week, not the season
    kdtest::AddTestStat0(path, e, 250, 2024, 200, kARI);
    kdtest::AddTestStat0(path, f, 250, 2024, 150, kATL);
    kdtest::ExecuteSql(path,
                       "DELETE FROM tblByeWeeks WHERE Year = 2024 AND TeamID IN (1, 2);"
                       "INSERT INTO tblByeWeeks (TeamID, Year, ByeWeek) VALUES (1, 2024, 11);"
                       "INSERT INTO tblByeWeeks (TeamID, Year, ByeWeek) VALUES (2, 2024, 12);");
    ASSERT_TRUE(db.InitializeKickwellDB(path)) << db.LastError();
  }

  static std::vector<int32_t> IDs(const clsMockDraftPositionStack& stack) {
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < stack.Count(); ++i) ids.push_back(stack.MasterID(i));
    return ids;
  }

  kdtest::TempDir dir;
  kdtest::ScopedFakeSeams seams;
  std::string path;
  clsKickwellDB db;
};

TEST_F(PositionStackQuery, SeasonRowsOfThePositionBestFirstUpToTheMaximum) {
  clsMockDraftPositionStack stack;
  calc::FillPositionStack(stack, db, kQB, 250, -1);
  EXPECT_EQ(IDs(stack), (std::vector<int32_t>{12, 11, 13}));
  EXPECT_EQ(stack.Points(0), 300);
  EXPECT_EQ(stack.ByeWeek(0), 12);
  EXPECT_EQ(stack.ByeWeek(1), 11);
  EXPECT_EQ(stack.ADP(0), 12);
  EXPECT_EQ(stack.ADP(2), 99999.0);  // stored 0: no ADP
  EXPECT_FALSE(stack.Drafted(2));

  calc::FillPositionStack(stack, db, kQB, 250, 2);
  EXPECT_EQ(IDs(stack), (std::vector<int32_t>{12, 11}));
  calc::FillPositionStack(stack, db, 6, 250, 5);  // no kickers: the stack stays
  EXPECT_EQ(IDs(stack), (std::vector<int32_t>{12, 11}));
  clsMockDraftPositionStack none;
  calc::FillPositionStack(none, db, kQB, 250, 0);
  EXPECT_EQ(none.Count(), 0);
}

TEST_F(PositionStackQuery, MergedPositionsJoinTheirStack) {
  db.Database().Execute("UPDATE tblPositions SET MergeAsID = 3 WHERE ID = 9;");
  clsMockDraftPositionStack stack;
  calc::DatabaseStackFiller(db, 250)(stack, kRB, -1);
  EXPECT_EQ(IDs(stack), (std::vector<int32_t>{21, 91}));
  clsMockDraftPositionStack fullbacks;
  calc::FillPositionStack(fullbacks, db, kFB, 250, -1);  // merged away: nothing left
  EXPECT_EQ(fullbacks.Count(), 0);
}

TEST_F(PositionStackQuery, PickLogNamesComeFromTheDatabase) {
  KickwellDBPickLogNames names(db);
  EXPECT_EQ(names.pFnGetPosAbrv(kQB, false), "QB");
  EXPECT_EQ(names.pFnGetPlayerNamewMasID(12), db.pFnGetPlayerNamewMasID(12));
  EXPECT_EQ(names.pFnGetYear(), 2024);
  const int32_t playerID = names.pFnGetPlaIDwMasID(12);
  EXPECT_GT(playerID, 0);
  EXPECT_EQ(names.pFnGetTeamAbrvwPlaID(playerID, 250, 2024), "ATL");
}

}  // namespace
