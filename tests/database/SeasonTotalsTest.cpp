#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "TemplateFixture.h"
#include "core/basStatusControl.h"
#include "core/clsStatusPlain.h"
#include "platform/jet/JetError.h"

namespace {

// Player 1 (1001) has weekly passing rows and tblStat0 rows of weeks 1, 2
// and 10, the last for another team; player 2 (1002) has rushing rows but
// no tblStat0 row at all; player 3 (1003) already has a season row.
const char* const kWeeklyRows = R"sql(
  INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
    (1, 1001, 'Allen, Josh', 0, 4, 2), (2, 1002, 'Henry, Derrick', 0, 3, 3), (3, 1003, 'Kelce, Travis', 0, 16, 5);
  INSERT INTO tblStat0 (PlayerID, Week, Points, TeamID, DNU, ADP, InjuryStatus, Year) VALUES
    (1, 1, 20.5, 4, 0, 0, 0, 2024), (1, 2, 10, 4, 0, 0, 0, 2024), (1, 10, 7, 5, 0, 0, 0, 2024),
    (1, 1, 99, 9, 0, 0, 0, 2023),
    (3, 250, 999, 7, 0, 12, 0, 2024), (3, 3, 4.5, 8, 0, 0, 0, 2024);
  INSERT INTO tblStat2 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Fld8, Fld9, Fld10, Fld11, Year) VALUES
    (1, 1, 30, 20, 250, 2, 1, 2, 100.69, 10, 40, 2024),
    (1, 2, 10, 5, 50, 0, 1, 1, 25, 5, 30, 2024),
    (1, 1, 500, 500, 500, 500, 500, 500, 500, 500, 500, 2023),
    (1, 250, 999, 999, 999, 999, 999, 999, 999, 111, 222, 2024);
  INSERT INTO tblStat3 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Year) VALUES
    (2, 1, 20, 100, 1, 1, 2024), (2, 2, 15, 60.5, 0, 0, 2024), (2, 18, 9, 9, 9, 9, 2024);
  INSERT INTO tblStat4 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Fld8, Fld9, Fld10, Fld11, Year) VALUES
    (3, 3, 9, 7, 80, 1, 30, 2, 1, 0, 4, 2024);
)sql";

class SeasonTotals : public kdtest::TemplateFixture {
 protected:
  // A player's row of a week as "v1,v2,...", "" when there is none.
  std::string Row(int table, int playerID, int week, const std::string& columns, int year = 2024) {
    return Query("SELECT " + columns + " FROM tblStat" + std::to_string(table) +
                 " WHERE PlayerID = " + std::to_string(playerID) + " AND Week = " + std::to_string(week) +
                 " AND Year = " + std::to_string(year) + ";");
  }
};

}  // namespace

TEST_F(SeasonTotals, SeasonRowsSumTheWeeksOfTheYear) {
  kdtest::ScopedFakeSeams fakes;
  Open(kWeeklyRows);
  auto status = basStatusControl::CreateStatusWindow("Totals", true);
  db_.pSbSumPlayerStatsForYear(2024, *status);

  // The rating is that of the summed counts 40, 25, 300, 2, 2 (81.25), not
  // the sum of the weekly ratings; fields past it keep what they held.
  EXPECT_EQ(
      Row(2, 1, 250,
          "Fld3||','||Fld4||','||Fld5||','||Fld6||','||Fld7||','||Fld8||','||Fld9||','||Fld10||','||Fld11"),
      "40.0,25.0,300.0,2.0,2.0,3.0,81.25,111.0,222.0");
  // A new season row takes the team of the latest week and the summed points.
  EXPECT_EQ(Row(0, 1, 250, "Points||','||TeamID"), "37.5,5");
  // Weekly rows of another year stay out.
  EXPECT_EQ(Row(2, 1, 250, "Fld3", 2023), "");

  // Rushing rows but no tblStat0 rows: a season row with team 0 and 0 points.
  EXPECT_EQ(Row(3, 2, 250, "Fld3||','||Fld4||','||Fld5||','||Fld6"), "35.0,160.5,1.0,1.0");
  EXPECT_EQ(Row(0, 2, 250, "Points||','||TeamID"), "0.0,0");

  // An existing season row keeps its team and its other fields.
  EXPECT_EQ(Row(0, 3, 250, "Points||','||TeamID||','||ADP"), "4.5,7,12");
  EXPECT_EQ(Row(4, 3, 250, "Fld3||','||Fld7||','||Fld11"), "9.0,30.0,4.0");

  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblStat0 WHERE Week = 250;"), "3");
  EXPECT_EQ(fakes.progress.listItems,
            (std::vector<std::string>{"Calculating 2024 Player Stat Totals / 5 Records",
                                      "Calculating 2024 Player Point Totals / 2 Records"}));
  EXPECT_EQ(fakes.progress.bottomText, "Calculating Player Point Totals");
  EXPECT_EQ(status->Value(0), 12);

  // Running it again changes nothing.
  const std::string all =
      "SELECT group_concat(r, ' ') FROM (SELECT ID||':'||Points||':'||TeamID AS r FROM tblStat0 ORDER BY "
      "ID);";
  const std::string before = Query(all);
  db_.pSbSumPlayerStatsForYear(2024, *status);
  EXPECT_EQ(Query(all), before);
}

TEST_F(SeasonTotals, ClearingADPTouchesOnlyThatYearAndWeek) {
  Open(R"sql(
    INSERT INTO tblStat0 (PlayerID, Week, ADP, Year) VALUES (1, 250, 5, 2012), (1, 250, 6, 2013), (1, 1, 7, 2012);
  )sql");
  db_.pSbClearADPValues(2012, 250);
  EXPECT_EQ(Query("SELECT group_concat(ADP, ',') FROM (SELECT ADP FROM tblStat0 ORDER BY ID);"), "0,6,7");
}

TEST_F(SeasonTotals, AYearChangeMovesEveryRowOrNone) {
  Open(R"sql(
    INSERT INTO tblStat0 (PlayerID, Week, Year) VALUES (1, 250, 2024), (1, 1, 2024);
    INSERT INTO tblStat1 (PlayerID, Week, Fld3, Fld4, Year) VALUES (1, 1, 1, 20, 2024);
    INSERT INTO tblStat11 (PlayerID, Week, Year) VALUES (40, 250, 2024);
  )sql");
  db_.FullStatYearChange(2025);
  EXPECT_EQ(db_.pFnGetYear(), 2025);
  EXPECT_EQ(
      Query(
          "SELECT (SELECT group_concat(Year) FROM tblStat0) || ' ' || (SELECT Year FROM tblStat1) || ' ' || "
          "(SELECT Year FROM tblStat11) || ' ' || (SELECT Year FROM tblSettings);"),
      "2025,2025 2025 2025 2025");
  EXPECT_EQ(db_.pFnGetTeamAbrvwPlaID(1, 250, 2025), "N/A");

  // Two seasons of one player-week would collide: nothing moves.
  kdtest::ExecuteSql(path_, "INSERT INTO tblStat3 (PlayerID, Week, Year) VALUES (1, 1, 2025), (1, 1, 2030);");
  ASSERT_TRUE(db_.InitializeKickwellDB(path_));
  EXPECT_THROW(db_.FullStatYearChange(2026), jet::JetError);
  EXPECT_EQ(db_.pFnGetYear(), 2025);
  EXPECT_EQ(Query("SELECT group_concat(DISTINCT Year) FROM tblStat0;"), "2025");
  EXPECT_EQ(Query("SELECT group_concat(Year) FROM (SELECT Year FROM tblStat3 ORDER BY ID);"), "2025,2030");
}

TEST_F(SeasonTotals, PlayerStatusIsWrittenOnlyToAnExistingPlayerWeek) {
  Open(R"sql(
    INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES (5, 1005, 'A, B', 0, 4, 2);
    INSERT INTO tblStat0 (PlayerID, Week, TeamID, InjuryStatus, Year) VALUES (5, 3, 4, 0, 2024);
  )sql");
  db_.pSbUpdatePlayerStatus(2024, 3, 1005, 12, 4);
  db_.pSbUpdatePlayerStatus(2024, 4, 1005, 13, 5);
  db_.pSbUpdatePlayerStatus(2024, 3, 9999, 14, 6);
  EXPECT_EQ(Query("SELECT group_concat(Week||':'||TeamID||':'||InjuryStatus) FROM tblStat0;"), "3:12:4");
}

TEST_F(SeasonTotals, TeamsAreFoundByAnyAbbreviationInTheirYears) {
  Open("");
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("BUF", 2024), 4);
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("buf", 2024), 0);
  // OAK played 1995-2019; Las Vegas (19, also "LVR") from 2020.
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("OAK", 2019), 34);
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("OAK", 2020), 0);
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("LVR", 2024), 19);
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("LVR", 2019), 0);
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("", 2024), 0);

  kdtest::ExecuteSql(path_, "DELETE FROM tblTeams;");
  ASSERT_TRUE(db_.InitializeKickwellDB(path_));
  EXPECT_EQ(db_.pFnGetTeamIDwAbrv("BUF", 2024), 0);
}

TEST_F(SeasonTotals, AMergeMatchesTheOtherFilesPlayersByMasterID) {
  Open(R"sql(
    INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
      (1, 1001, 'Allen, Josh', 0, 4, 2), (2, 1002, 'Henry, Derrick', 0, 3, 3);
    INSERT INTO tblStat0 (PlayerID, Week, Points, TeamID, Year) VALUES (2, 250, 210, 3, 2024), (1, 17, 5, 4, 2024);
    INSERT INTO tblStat3 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Year) VALUES (2, 250, 1, 1, 1, 1, 2024);
  )sql");
  // The other file numbers the same players the other way round, and has one more.
  const std::string otherPath = dir_.File("Other.pro");
  kdtest::WriteTemplateDatabase(otherPath);
  kdtest::ExecuteSql(otherPath, R"sql(
    INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
      (1, 1002, 'Henry, Derrick', 0, 3, 3), (2, 1001, 'Allen, Josh', 0, 4, 2), (3, 1077, 'New, Guy', 0, 1, 4);
    INSERT INTO tblStat2 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Fld8, Fld9, Fld10, Fld11, Year) VALUES
      (2, 250, 500, 320, 4100, 30, 9, 25, 101.5, 150, 70, 2023), (2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2023);
    INSERT INTO tblStat3 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Year) VALUES
      (1, 250, 300, 1500, 14, 8, 2023), (3, 250, 50, 200, 1, 0, 2023);
    INSERT INTO tblStat4 (PlayerID, Week, Fld3, Fld4, Fld5, Fld6, Fld7, Fld8, Fld9, Fld10, Fld11, Year) VALUES
      (1, 250, 40, 30, 250, 2, 100, 5, 3, 1, 12, 2023);
  )sql");

  EXPECT_TRUE(db_.pSbAddSumPStFromAlternateDb(otherPath, 2024));
  // Allen: every passing field copied, the rating as stored there.
  EXPECT_EQ(Row(2, 1, 250, "Fld3||','||Fld9||','||Fld11"), "500.0,101.5,70.0");
  EXPECT_EQ(Row(0, 1, 250, "Points||','||TeamID"), "0.0,4");
  // Henry: rushing copied over his row; receiving only up to the touchdowns.
  EXPECT_EQ(Row(3, 2, 250, "Fld3||','||Fld4||','||Fld5||','||Fld6"), "300.0,1500.0,14.0,8.0");
  EXPECT_EQ(Row(4, 2, 250, "Fld3||','||Fld6||','||Fld7||','||Fld11"), "40.0,2.0,0.0,0.0");
  EXPECT_EQ(Row(0, 2, 250, "Points||','||TeamID"), "0.0,3");
  // The player this file does not have is logged, not invented.
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "2");
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblStat3 WHERE PlayerID = 3;"), "0");
  const std::string log = kdtest::ReadFile(dir_.File("ProError.txt"));
  EXPECT_NE(log.find(" pSbAddSumPStFromAlternateDb - MasterID 1077 not found.\n"), std::string::npos) << log;
}

TEST_F(SeasonTotals, AMergeFromAMissingFileCreatesNothing) {
  kdtest::ScopedFakeSeams fakes;
  Open("");
  const std::string missing = dir_.File("Missing.pro");
  EXPECT_FALSE(db_.pSbAddSumPStFromAlternateDb(missing, 2024));
  EXPECT_FALSE(std::filesystem::exists(missing));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].text, "File Not Found:  '" + missing + "'");
  EXPECT_EQ(fakes.messages.plain[0].caption, "File Error");
}
