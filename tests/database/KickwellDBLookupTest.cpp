#include <gtest/gtest.h>

#include "TemplateFixture.h"

namespace {

// The template with a few players: ids are given so that tests can name them.
class KickwellDBLookup : public kdtest::TemplateFixture {
 protected:
  void SetUp() override {
    Open(R"sql(
      INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
        (1, 1001, 'Allen, Josh', 0, 4, 2),
        (2, 1002, 'Robinson, Bijan', 0, 2, 3),
        (3, 1003, 'Cher', 0, 33, 4),
        (4, 1004, 'Roster, Whole', 0, 0, 1);
      INSERT INTO tblStat0 (PlayerID, Week, Points, TeamID, DNU, ADP, InjuryStatus, Year) VALUES
        (1, 250, 380.5, 4, 1, 21.5, 0, 2024),
        (2, 250, 300, 2, 0, 5, 2, 2024),
        (2, 5, 20, 2, -1, 0, 6, 2024),
        (3, 250, 0, 33, 0, 0, 9, 2024);
    )sql");
  }
};

}  // namespace

TEST_F(KickwellDBLookup, PlayerIdsNamesAndPlayerWeeks) {
  EXPECT_EQ(db_.pFnGetPlaIDwMasID(1002), 2);
  EXPECT_EQ(db_.pFnGetPlaIDwMasID(9999), 0);
  EXPECT_EQ(db_.pFnGetMasIDwPlaID(3), 1003);
  EXPECT_EQ(db_.pFnGetMasIDwPlaID(0), 0);
  EXPECT_EQ(db_.pFnGetPlayerName(1), "Allen, Josh");
  EXPECT_EQ(db_.pFnGetPlayerName(77), "");
  EXPECT_EQ(db_.pFnGetPlayerNamewMasID(1001), "Allen, Josh");
  EXPECT_EQ(db_.pFnGetPlayerNamewMasID(1), "");
  // Name styles of the stored name (the splitting itself is a display-row matter).
  EXPECT_EQ(db_.pFnGetPlayerNamewMasIDDisID(1001, 19), "J. Allen");
  EXPECT_EQ(db_.pFnGetPlayerNamewMasIDDisID(1001, 5), "");
  EXPECT_EQ(db_.pFnGetPlayerNamewMasIDDisID(1003, 20), "Cher");
  EXPECT_EQ(db_.pFnGetPlayerNamewMasIDDisID(5555, 13), "");
  // Player-week lookups answer 0 for a missing row.
  EXPECT_EQ(db_.pFnGetPlayerTeamID(1, 250, 2024), 4);
  EXPECT_EQ(db_.pFnGetPlayerTeamID(1, 250, 2023), 0);
  EXPECT_EQ(db_.pFnGetPlayerTeamID(1, 3, 2024), 0);
  EXPECT_TRUE(db_.pFnGetDNU(1, 250, 2024));
  EXPECT_FALSE(db_.pFnGetDNU(2, 250, 2024));
  // Any stored value other than 0 marks the row, also the -1 of a Boolean.
  EXPECT_TRUE(db_.pFnGetDNU(2, 5, 2024));
  EXPECT_FALSE(db_.pFnGetDNU(4, 250, 2024));
}

TEST_F(KickwellDBLookup, PositionTextsAndTheWholeRosterEntry) {
  EXPECT_EQ(db_.pFnGetPosAbrv(2, false), "QB");
  EXPECT_EQ(db_.pFnGetPosAbrv(1, true), "All");
  EXPECT_EQ(db_.pFnGetPosAbrv(1, false), "ROS");
  EXPECT_EQ(db_.pFnGetPosAbrv(99, true), "N/A");
  EXPECT_EQ(db_.pFnGetPosFull(17), "Team Defense");
  EXPECT_EQ(db_.pFnGetPosFull(0), "N/A");
  EXPECT_EQ(db_.pFnGetPosIDwPlaID(2), 3);
  EXPECT_EQ(db_.pFnGetPosIDwPlaID(9), 0);
  EXPECT_EQ(db_.pFnGetPosAbrvwPlaID(2), "RB");
  EXPECT_EQ(db_.pFnGetPosAbrvwPlaID(4), "ROS");  // never "All"
  EXPECT_EQ(db_.pFnGetPosAbrvwPlaID(9), "N/A");
  EXPECT_EQ(db_.pFnGetMaxPosID(), 17);
}

TEST_F(KickwellDBLookup, PositionsByDisplayOrder) {
  int32_t posID = 0;
  EXPECT_EQ(db_.pFnGetPosAbrvWDisOrder(7, posID), "DST");
  EXPECT_EQ(posID, 17);
  posID = 0;
  EXPECT_EQ(db_.pFnGetPosAbrvWDisOrder(1, posID), "All");
  EXPECT_EQ(posID, 1);
  posID = 0;
  EXPECT_EQ(db_.pFnGetPosAbrvWDisOrder(40, posID), "");
  EXPECT_EQ(posID, 0);
  posID = 3;  // kept and answered when no position has the display order
  EXPECT_EQ(db_.pFnGetPosAbrvWDisOrder(40, posID), "RB");
  EXPECT_EQ(posID, 3);
}

TEST_F(KickwellDBLookup, AllNeedsAPositionOneAndAnEmptyTableHasNoLargestId) {
  db_.pSbCloseKickwellDB();
  kdtest::ExecuteSql(path_, "DELETE FROM tblPositions WHERE ID = 1;");
  ASSERT_TRUE(db_.InitializeKickwellDB(path_));
  EXPECT_EQ(db_.pFnGetPosAbrv(1, true), "N/A");
  db_.pSbCloseKickwellDB();
  kdtest::ExecuteSql(path_, "DELETE FROM tblPositions;");
  ASSERT_TRUE(db_.InitializeKickwellDB(path_));
  EXPECT_EQ(db_.pFnGetMaxPosID(), 0);
  int32_t posID = 0;
  EXPECT_EQ(db_.pFnGetPosAbrvWDisOrder(1, posID), "");
}

TEST_F(KickwellDBLookup, TeamsInjuriesAndByeWeeks) {
  EXPECT_EQ(db_.pFnGetTeamAbrv(4), "BUF");
  EXPECT_EQ(db_.pFnGetTeamAbrv(0), "N/A");
  EXPECT_EQ(db_.pFnGetTeamAbrvwPlaID(2, 250, 2024), "ATL");
  EXPECT_EQ(db_.pFnGetTeamAbrvwPlaID(2, 250, 2022), "N/A");
  EXPECT_EQ(db_.pFnGetInjStatuswPlaID(2, 250, 2024), "QST");
  EXPECT_EQ(db_.pFnGetInjStatuswPlaID(2, 5, 2024), "IR");
  EXPECT_EQ(db_.pFnGetInjStatuswPlaID(3, 250, 2024), "");
  EXPECT_EQ(db_.pFnGetInjStatuswPlaID(9, 250, 2024), "");
  const char* texts[] = {"", "PRB", "QST", "DBT", "OUT", "PUP", "IR", "SUS"};
  for (int code = 0; code <= 7; ++code) EXPECT_EQ(clsKickwellDB::pFnGetInjStatus(code), texts[code]);
  EXPECT_EQ(clsKickwellDB::pFnGetInjStatus(8), "");
  EXPECT_EQ(clsKickwellDB::pFnGetInjStatus(-1), "");

  EXPECT_EQ(db_.pFnGetByeWeek(4, 2024), 12);
  EXPECT_EQ(db_.pFnGetByeWeek(4, 2023), 0);
  EXPECT_EQ(db_.pFnGetByeWeek(33, 2024), 0);
  EXPECT_EQ(db_.pFnGetByeWeekwPlaID(1, 250, 2024), 12);
  EXPECT_EQ(db_.pFnGetByeWeekwPlaID(1, 9, 2024), 0);  // no row: team 0, which has no bye
  EXPECT_EQ(db_.pFnGetByeWeekwMasID(1002, 250, 2024), 12);
  EXPECT_EQ(db_.pFnGetByeWeekwMasID(4242, 250, 2024), 0);
}

// A document asks for every player's bye week: while the week is held the
// answers are those of the lookup of one player, and a write through the
// program meanwhile is seen at the next question.
TEST_F(KickwellDBLookup, AHeldWeekAnswersByeWeeksAsTheLookupOfOnePlayer) {
  const clsKickwellDB::HeldWeekTeams held(db_);
  EXPECT_EQ(db_.pFnGetByeWeekwPlaID(1, 250, 2024), 12);
  EXPECT_EQ(db_.pFnGetByeWeekwPlaID(1, 9, 2024), 0);
  EXPECT_EQ(db_.pFnGetByeWeekwPlaID(3, 250, 2024), 0);  // team 33 has no bye
  EXPECT_EQ(db_.pFnGetByeWeekwPlaID(9, 250, 2024), 0);
  db_.Database().Execute("UPDATE tblStat0 SET TeamID = 33 WHERE PlayerID = 1 AND Week = 250;");
  EXPECT_EQ(db_.pFnGetByeWeekwPlaID(1, 250, 2024), 0);
}

TEST_F(KickwellDBLookup, ByeWeekWritesKeepOneRowPerTeamAndSeason) {
  db_.pSbSetByeWeek(4, 2024, 7);
  db_.pSbSetByeWeek(4, 2024, 9);
  EXPECT_EQ(db_.pFnGetByeWeek(4, 2024), 9);
  db_.pSbSetByeWeek(4, 2025, 6);
  db_.pSbSetByeWeek(4, 2025, 6);
  EXPECT_EQ(db_.pFnGetByeWeek(4, 2025), 6);
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT COUNT(*) FROM tblByeWeeks WHERE TeamID = 4;"), "2");
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT ByeWeek FROM tblByeWeeks WHERE TeamID = 4 AND Year = 2024;"),
            "9");
  EXPECT_EQ(kdtest::QueryText(path_, "SELECT COUNT(*) FROM tblByeWeeks;"), "33");
}

TEST_F(KickwellDBLookup, MergeConditionsSelectThePlayersOfMergedPositions) {
  EXPECT_EQ(db_.pFnGetSQLPosMerges(3), " tblPlayers.PosID = 3");
  db_.Database().Execute("UPDATE tblPositions SET MergeAsID = 3 WHERE ID = 9");
  db_.Database().Execute("UPDATE tblPositions SET MergeAsID = 4 WHERE ID = 5");
  EXPECT_EQ(db_.pFnGetSQLPosMerges(3), " tblPlayers.PosID = 3 OR tblPlayers.PosID = 9");
  // Nothing merges into 5 any more: the condition is valid SQL that selects no one.
  std::string none = db_.pFnGetSQLPosMerges(5);
  EXPECT_EQ(none, " 1 = 0");
  auto rs = db_.pSbKickwellSQL(
      "SELECT tblPlayers.MasterID, tblStat0.Points FROM tblStat0, tblPlayers WHERE "
      "tblStat0.Week = 250 AND tblPlayers.ID = tblStat0.PlayerID  AND (" +
      none + " )");
  EXPECT_TRUE(rs->Eof());
  auto four = db_.pSbKickwellSQL("SELECT tblPlayers.MasterID FROM tblPlayers WHERE" +
                                 db_.pFnGetSQLPosMerges(4) + " ORDER BY tblPlayers.MasterID");
  EXPECT_EQ(four->RecordCount(), 1);  // Cher, a WR; no TE players exist
}

TEST_F(KickwellDBLookup, LookupsOnAClosedObjectAnswerTheirMissValues) {
  db_.pSbCloseKickwellDB();
  EXPECT_EQ(db_.pFnGetPlaIDwMasID(1001), 0);
  EXPECT_EQ(db_.pFnGetPlayerName(1), "");
  EXPECT_EQ(db_.pFnGetTeamAbrv(4), "N/A");
  EXPECT_EQ(db_.pFnGetPosAbrv(2, false), "N/A");
  EXPECT_EQ(db_.pFnGetByeWeek(4, 2024), 0);
  EXPECT_FALSE(db_.pFnGetDNU(1, 250, 2024));
  EXPECT_EQ(db_.pFnGetMaxPosID(), 0);
}
