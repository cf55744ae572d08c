// The sample projected-stats database the build made from the 2024 master
// file: it opens for its season, holds every projected player, and its
// season rows, imported from the file's season totals, add up the weekly
// projections (sums worked out from data/nfl-2024/projected/<week>/<POS>.csv,
// weeks 1-17).

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "database/clsKickwellDB.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Value.h"

namespace {

const std::string kSample =
    std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/pro/2010 Default Stats.pro";

class SampleDatabase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(db_.InitializeKickwellDB(kSample)) << db_.LastError(); }
  static void TearDownTestSuite() { db_.pSbCloseKickwellDB(); }

  // One value of the player's season row (week 250) in a stat table.
  static double Season(const std::string& backName, int table, const std::string& field) {
    auto rows = db_.pSbKickwellSQL("SELECT s." + field + " FROM tblStat" + std::to_string(table) +
                                       " s JOIN tblPlayers p ON p.ID = s.PlayerID"
                                       " WHERE p.BackName = ? AND s.Week = 250 AND s.Year = 2024;",
                                   {jet::Value(backName)});
    EXPECT_FALSE(rows->Eof()) << backName;
    return rows->Eof() ? -1 : rows->Field(0).AsDouble();
  }

  static inline clsKickwellDB db_;
};

TEST_F(SampleDatabase, OpensForThe2024SeasonAndHoldsEveryProjectedPlayerWithASeasonRow) {
  EXPECT_EQ(db_.pFnGetYear(), 2024);
  EXPECT_EQ(db_.MasterVersion(), 1);
  EXPECT_EQ(db_.StrainName(), "None");
  EXPECT_EQ(db_.StrainVersion(), 0);
  std::map<int, int> perPosition;
  auto rows = db_.pSbKickwellSQL("SELECT PosID, COUNT(*) FROM tblPlayers GROUP BY PosID ORDER BY PosID;");
  for (; !rows->Eof(); rows->MoveNext()) perPosition[rows->Field(0).AsLong()] = rows->Field(1).AsLong();
  // As the master file's tool counted them: QB, RB, WR, TE, K.
  EXPECT_EQ(perPosition, (std::map<int, int>{{2, 139}, {3, 237}, {4, 434}, {5, 215}, {6, 53}}));
  EXPECT_EQ(db_.pSbKickwellSQL("SELECT COUNT(*) FROM tblStat0 WHERE Week = 250 AND Year = 2024;")
                ->Field(0)
                .AsLong(),
            1078);
  EXPECT_EQ(db_.pSbKickwellSQL("SELECT COUNT(*) FROM tblByeWeeks WHERE Year = 2024;")->Field(0).AsLong(), 32);
}

TEST_F(SampleDatabase, SeasonRowsAreTheSumsOfTheWeeklyProjections) {
  struct Case {
    const char* player;
    int table;
    const char* field;
    double sum;
  };
  const Case cases[] = {
      // Mahomes: no projection in week 6, KC's bye.
      {"Mahomes, Patrick", 2, "Fld5", 4106.82},  // PassingYDS
      {"Mahomes, Patrick", 2, "Fld6", 26.67},    // PassingTD
      {"Mahomes, Patrick", 2, "Fld7", 12.24},    // PassingInt
      {"Mahomes, Patrick", 3, "Fld4", 337.82},   // RushingYDS
      {"Barkley, Saquon", 3, "Fld4", 1420.44},   // RushingYDS
      {"Barkley, Saquon", 3, "Fld5", 8.92},      // RushingTD
      {"Barkley, Saquon", 4, "Fld4", 44.02},     // ReceivingRec
      {"Chase, Ja'Marr", 4, "Fld4", 101.87},     // ReceivingRec
      {"Chase, Ja'Marr", 4, "Fld5", 1329.38},    // ReceivingYDS
      {"Chase, Ja'Marr", 4, "Fld6", 8.58},       // ReceivingTD
      {"Boswell, Chris", 6, "Fld3", 32.21},      // PatMade
      {"Boswell, Chris", 6, "Fld9", 8.54},       // FgMade_30-39
      {"Boswell, Chris", 6, "Fld13", 3.95},      // FgMade_50
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(Season(c.player, c.table, c.field), c.sum, 0.005) << c.player << " " << c.field;
  }
}

}  // namespace
