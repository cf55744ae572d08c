#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "HostileFiles.h"
#include "TemplateFixture.h"
#include "database/clsKWRData.h"
#include "database/clsPlayerDataWriters.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Transaction.h"

namespace {

// Template categories written by the tests: table and field in the comment.
constexpr uint8_t kPassAtt = 1;     // tblStat2 Fld3
constexpr uint8_t kPassCmp = 2;     // Fld4
constexpr uint8_t kPassYds = 3;     // Fld5
constexpr uint8_t kPassTD = 4;      // Fld6
constexpr uint8_t kPassInt = 5;     // Fld7
constexpr uint8_t kRushAtt = 13;    // tblStat3 Fld3
constexpr uint8_t kRushYds = 14;    // tblStat3 Fld4
constexpr uint8_t kRec = 20;        // tblStat4 Fld4
constexpr uint8_t kADP = 88;        // tblStat0 ADP
constexpr uint8_t kIncomplete = 9;  // computed from two fields
constexpr uint8_t kPassTDLng = 12;  // a scoring-play category (tblStat1)

struct Stat {
  int32_t masterID;
  uint8_t team;
  uint8_t week;
  uint8_t category;
  float value;
};

// The log's lines, without their line feeds; the stamp of each stamped
// line "yyyy/mm/dd HH:MM:SS " replaced by "@ ".
std::vector<std::string> LogLines(const std::string& log) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = log.substr(start, end - start);
    const std::string shape = "dddd/dd/dd dd:dd:dd ";
    bool stamped = line.size() > shape.size();
    for (std::size_t i = 0; stamped && i < shape.size(); ++i) {
      stamped =
          shape[i] == 'd' ? std::isdigit(static_cast<unsigned char>(line[i])) != 0 : line[i] == shape[i];
    }
    lines.push_back(stamped ? "@ " + line.substr(shape.size()) : line);
  }
  EXPECT_EQ(start, log.size()) << "the log ends with a line feed";
  return lines;
}

clsKWRData StatData(const std::vector<Stat>& stats) {
  clsKWRData data;
  data.SetStatMax(static_cast<int32_t>(stats.size()));
  for (std::size_t i = 0; i < stats.size(); ++i) {
    const Stat& s = stats[i];
    data.SetStat(static_cast<int32_t>(i + 1), s.masterID, s.team, s.week, s.category, s.value);
  }
  return data;
}

// The template with two players (Allen 1001 and Henry 1002) and the work
// folder pointed at the test's folder, where ProError.txt goes.
class PlayerDataWriters : public kdtest::TemplateFixture {
 protected:
  void SetUp() override {
    Open(R"sql(
      INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES
        (1, 1001, 'Allen, Josh', 19960521, 4, 2), (2, 1002, 'Henry, Derrick', 19940104, 3, 3);
      -- The template's points-allowed tiers apply to every position and would
      -- give each player-week without team-defence rows 10 points.
      DELETE FROM tblScoringSystem WHERE CatID = 99;
    )sql");
  }
  // Every row of a stat table for the player as "week:values" in id order.
  std::string Rows(int table, const std::string& columns, int playerID = 1) {
    return Query("SELECT group_concat(r, ' ') FROM (SELECT Week || ':' || " + columns + " AS r FROM tblStat" +
                 std::to_string(table) + " WHERE PlayerID = " + std::to_string(playerID) + " ORDER BY ID);");
  }
  std::string Log() {
    db_.pSbFlushProError();
    return kdtest::ReadFile(dir_.File("ProError.txt"));
  }
};

}  // namespace

TEST_F(PlayerDataWriters, AddPlaAddsAPlayerThenRewritesItKeepingItsId) {
  db_.pSbAddPla(2024, 1003, "  Chase, Ja'Marr  ", 20000301, 7, 4, 250);
  EXPECT_EQ(Query("SELECT ID || '|' || BackName || '|' || DOB || '|' || TeamID || '|' || PosID "
                  "FROM tblPlayers WHERE MasterID = 1003;"),
            "3|Chase, Ja'Marr|20000301|7|4");
  db_.pSbAddPla(2024, 1003, "Chase, Ja'Marr", 20000301, 8, 5, 250);
  EXPECT_EQ(Query("SELECT ID || '|' || TeamID || '|' || PosID FROM tblPlayers WHERE MasterID = 1003;"),
            "3|8|5");
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "3");
}

TEST_F(PlayerDataWriters, AddPlaManualFindsThePlayerByNameAndBirthDateFirst) {
  // The name is a bound value: a quote in it is just a character.
  db_.pSbAddPlaManual(0, 0, "Henry, Derrick", 19940104, 9, 3);
  EXPECT_EQ(Query("SELECT TeamID || '|' || MasterID FROM tblPlayers WHERE ID = 2;"), "9|0");
  db_.pSbAddPlaManual(0, 1001, "Allen, J\"osh", 1, 5, 2);
  EXPECT_EQ(Query("SELECT BackName || '|' || DOB FROM tblPlayers WHERE ID = 1;"), "Allen, J\"osh|1");
  db_.pSbAddPlaManual(0, 0, "O'Neil, New", 2, 1, 3);
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "3");
}

TEST_F(PlayerDataWriters, AddStatZeroYearAddsTheSeasonRowAndKeepsThePointsOfAnExistingOne) {
  db_.pSbAddStatZeroYear(1001, 4, 250, 2024);
  EXPECT_EQ(Rows(0, "Points || ',' || TeamID || ',' || Year"), "250:0.0,4,2024");
  kdtest::ExecuteSql(path_, "UPDATE tblStat0 SET Points = 312.5;");
  db_.pSbAddStatZeroYear(1001, 5, 250, 2024);
  EXPECT_EQ(Rows(0, "Points || ',' || TeamID || ',' || Year"), "250:312.5,5,2024");
}

TEST_F(PlayerDataWriters, ARunOutsideTblStat0ReplacesThePlayerWeeksRows) {
  clsKWRData first =
      StatData({{1001, 4, 3, kPassAtt, 30}, {1001, 4, 3, kPassYds, 250}, {1001, 4, 3, kRushYds, 40}});
  db_.pSbAddPSt(first, 2024, 1, 3, false);
  // Rescored with the file's standard scoring: 250 / 25 + 40 / 10.
  EXPECT_EQ(Rows(0, "TeamID || ',' || Year || ',' || Points"), "3:4,2024,14.0");
  EXPECT_EQ(Rows(2, "Fld3 || ',' || Fld4 || ',' || Fld5"), "3:30.0,0.0,250.0");
  EXPECT_EQ(Rows(3, "Fld3 || ',' || Fld4"), "3:0.0,40.0");

  // Importing the same run again leaves the same rows.
  const std::string before = Rows(2, "ID || Fld3 || Fld5") + Rows(3, "ID || Fld4");
  db_.pSbAddPSt(first, 2024, 1, 3, false);
  EXPECT_EQ(Rows(2, "ID || Fld3 || Fld5") + Rows(3, "ID || Fld4"), before);

  // A later run that writes only rushing clears the fields it does not name
  // and removes the passing row it did not write.
  clsKWRData second = StatData({{1001, 4, 3, kRushAtt, 9}});
  db_.pSbAddPSt(second, 2024, 1, 1, false);
  EXPECT_EQ(Rows(2, "Fld3"), "");
  EXPECT_EQ(Rows(3, "Fld3 || ',' || Fld4"), "3:9.0,0.0");
  EXPECT_EQ(Rows(0, "Points"), "3:0.0");
  // Other weeks and players are untouched.
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblStat0;"), "1");
}

TEST_F(PlayerDataWriters, ARunOfTblStat0ValuesLeavesTheOtherTablesAlone) {
  db_.pSbAddPSt(StatData({{1001, 4, 250, kRushYds, 800}}), 2024, 1, 1, false);
  db_.pSbAddPSt(StatData({{1001, 6, 250, kADP, 14.5f}}), 2024, 1, 1, false);
  EXPECT_EQ(Rows(0, "TeamID || ',' || ADP"), "250:6,14.5");
  EXPECT_EQ(Rows(3, "Fld4"), "250:800.0");
}

TEST_F(PlayerDataWriters, ThePasserRatingIsComputedFromTheWrittenCounts) {
  // a = (25/40 - 0.3) x 5 = 1.625, b = (300/40 - 3) x 0.25 = 1.125,
  // c = 2/40 x 20 = 1, d = 2.375 - 2/40 x 25 = 1.125: 4.875 / 6 x 100 = 81.25.
  db_.pSbAddPSt(StatData({{1001, 4, 250, kPassAtt, 40},
                          {1001, 4, 250, kPassCmp, 25},
                          {1001, 4, 250, kPassYds, 300},
                          {1001, 4, 250, kPassTD, 2},
                          {1001, 4, 250, kPassInt, 2}}),
                2024, 1, 5, false);
  EXPECT_EQ(Rows(2, "Fld9"), "250:81.25");
  // 300 / 25 + 2 x 4 - 2 x 2.
  EXPECT_EQ(Rows(0, "Points"), "250:16.0");
}

TEST_F(PlayerDataWriters, AnEditedPlayerWeekKeepsItsValuesWhenKeepModifiedIsSet) {
  db_.pSbAddPSt(StatData({{1001, 4, 250, kPassYds, 4000}, {1001, 4, 250, kADP, 20}}), 2024, 1, 2, false);
  kdtest::ExecuteSql(path_, "UPDATE tblStat0 SET DNU = 1;");
  db_.InitializeKickwellDB(path_);

  // Values outside tblStat0: only the row's team is written, and the kept
  // values are scored again (4000 / 25), not left at 0 points.
  db_.pSbAddPSt(StatData({{1001, 9, 250, kPassYds, 3000}, {1001, 9, 250, kRushYds, 200}}), 2024, 1, 2, true);
  EXPECT_EQ(Rows(0, "TeamID || ',' || ADP || ',' || DNU || ',' || Points"), "250:9,20,1,160.0");
  EXPECT_EQ(Rows(2, "Fld5"), "250:4000.0");
  EXPECT_EQ(Rows(3, "Fld4"), "");

  // Values that all live in tblStat0 are written all the same.
  db_.pSbAddPSt(StatData({{1001, 9, 250, kADP, 31}}), 2024, 1, 1, true);
  EXPECT_EQ(Rows(0, "ADP || ',' || Points"), "250:31,160.0");

  // Without keepModified the edited week is replaced like any other.
  db_.pSbAddPSt(StatData({{1001, 9, 250, kPassYds, 3000}}), 2024, 1, 1, false);
  EXPECT_EQ(Rows(2, "Fld5"), "250:3000.0");
  EXPECT_EQ(Rows(0, "Points"), "250:120.0");
}

TEST_F(PlayerDataWriters, UnknownPlayersAreLoggedOnceEachUnderOneHeaderLine) {
  kdtest::ScopedFakeSeams fakes;
  db_.pSbAddPSt(StatData({{77, 4, 1, kPassYds, 300}}), 2024, 1, 1, false);
  clsKWRData plays;
  plays.SetScoYMax(1);
  plays.SetScoY(1, 78, 4, 1, 1, 25);
  db_.pSbAddScY(plays, 2024, 1, 1);
  db_.pSbAddStatZeroYear(79, 4, 250, 2024);
  EXPECT_EQ(Query("SELECT (SELECT COUNT(*) FROM tblStat0) + (SELECT COUNT(*) FROM tblStat1) + "
                  "(SELECT COUNT(*) FROM tblStat2);"),
            "0");

  EXPECT_EQ(LogLines(Log()), (std::vector<std::string>{path_, "@ pSbAddPSt - MasterID 77 not found.",
                                                       "@ pSbAddScY - MasterID 78 not found.",
                                                       "@ pSbAddStatZeroYear - MasterID 79 not found."}));

  // A second database object heads its own lines with the path again.
  clsKickwellDB other;
  ASSERT_TRUE(other.InitializeKickwellDB(path_));
  other.pSbAddPSt(StatData({{80, 4, 1, kPassYds, 300}}), 2024, 1, 1, false);
  other.pSbCloseKickwellDB();
  db_.pSbAddPSt(StatData({{81, 4, 1, kPassYds, 300}}), 2024, 1, 1, false);
  const std::vector<std::string> lines = LogLines(Log());
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()),
            (std::vector<std::string>{path_, "@ pSbAddPSt - MasterID 80 not found.",
                                      "@ pSbAddPSt - MasterID 81 not found."}));
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST_F(PlayerDataWriters, RecordsWithoutAStoredFieldAreSkippedAndLogged) {
  db_.pSbAddPSt(StatData({{1001, 4, 2, 200, 5},
                          {1001, 4, 2, kIncomplete, 10},
                          {1001, 4, 2, kPassTDLng, 45},
                          {1001, 4, 2, kRec, 6}}),
                2024, 1, 4, false);
  EXPECT_EQ(Rows(4, "Fld4"), "2:6.0");
  EXPECT_EQ(Rows(2, "Fld3"), "");
  EXPECT_EQ(Rows(1, "Fld4"), "");
  const std::string log = Log();
  EXPECT_NE(log.find(" pSbAddPSt - MasterID 1001: category 200 not found.\n"), std::string::npos) << log;
  EXPECT_NE(log.find(" pSbAddPSt - MasterID 1001: category 9 is not a stored value.\n"), std::string::npos);
  EXPECT_NE(log.find(" pSbAddPSt - MasterID 1001: category 12 is not a stored value.\n"), std::string::npos);

  // Nothing is left pending on tblStat1: the next write of it stands alone.
  clsKWRData plays;
  plays.SetScoYMax(1);
  plays.SetScoY(1, 1001, 4, 2, 3, 12);
  db_.pSbAddScY(plays, 2024, 1, 1);
  EXPECT_EQ(Rows(1, "Fld3 || ',' || Fld4"), "2:3,12");
}

TEST_F(PlayerDataWriters, ScoringPlaysOfAPlayerWeekAreReplacedAndAWeekIsClearedWhole) {
  kdtest::ExecuteSql(path_, R"sql(
    INSERT INTO tblStat1 (PlayerID, Week, Fld3, Fld4, Year) VALUES
      (1, 3, 1, 80, 2024), (1, 3, 1, 5, 2024), (2, 3, 2, 12, 2024), (1, 3, 1, 9, 2023), (1, 4, 1, 33, 2024);
  )sql");
  db_.InitializeKickwellDB(path_);
  clsKWRData plays;
  plays.SetScoYMax(2);
  plays.SetScoY(1, 1001, 4, 3, 1, 44);
  plays.SetScoY(2, 1001, 4, 3, 2, 7);
  db_.pSbAddScY(plays, 2024, 1, 2);
  EXPECT_EQ(
      Query("SELECT group_concat(PlayerID || ':' || Week || ':' || Fld3 || ':' || Fld4 || ':' || Year, ' ') "
            "FROM (SELECT * FROM tblStat1 ORDER BY ID);"),
      "2:3:2:12:2024 1:3:1:9:2023 1:4:1:33:2024 1:3:1:44:2024 1:3:2:7:2024");

  db_.pSbClearWeekScoringYardage(2024, 3);
  EXPECT_EQ(Query("SELECT group_concat(PlayerID || ':' || Week || ':' || Year, ' ') FROM "
                  "(SELECT * FROM tblStat1 ORDER BY ID);"),
            "1:3:2023 1:4:2024");
  db_.pSbClearYearWeekScoringYardage(2023, 3);
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblStat1;"), "1");
}

TEST_F(PlayerDataWriters, AnEditedValueMakesThePlayerWeekAndKeepsPointsAndDNU) {
  db_.pSbAddPStwPlaID(2, 250, 2024, kRushYds, 1250.5, false);
  EXPECT_EQ(Rows(0, "Points || ',' || TeamID || ',' || DNU || ',' || ADP || ',' || InjuryStatus", 2),
            "250:0.0,0,0,0,0");
  EXPECT_EQ(Rows(3, "Fld4 || ',' || Fld5", 2), "250:1250.5,0.0");
  db_.pSbAddPStwPlaID(2, 250, 2024, kRushAtt, 300, false);
  EXPECT_EQ(Rows(3, "Fld3 || ',' || Fld4", 2), "250:300.0,1250.5");

  // The edited mark itself lives in tblStat0.
  db_.pSbAddPStwPlaID(2, 250, 2024, 67, 1, true);
  EXPECT_TRUE(db_.pFnGetDNU(2, 250, 2024));

  // The rating follows a passing value only when asked to.
  db_.pSbAddPStwPlaID(1, 250, 2024, kPassAtt, 40, false);
  db_.pSbAddPStwPlaID(1, 250, 2024, kPassCmp, 25, false);
  db_.pSbAddPStwPlaID(1, 250, 2024, kPassYds, 300, false);
  db_.pSbAddPStwPlaID(1, 250, 2024, kPassTD, 2, false);
  EXPECT_EQ(Rows(2, "Fld9"), "250:0.0");
  db_.pSbAddPStwPlaID(1, 250, 2024, kPassInt, 2, true);
  EXPECT_EQ(Rows(2, "Fld9"), "250:81.25");

  // A category that is not one stored field writes nothing.
  db_.pSbAddPStwPlaID(1, 250, 2024, kIncomplete, 15, true);
  db_.pSbAddPStwPlaID(1, 250, 2024, 999, 15, true);
  EXPECT_EQ(Rows(2, "Fld3 || ',' || Fld4"), "250:40.0,25.0");
}

TEST_F(PlayerDataWriters, AFailedWriteLeavesNothingBehind) {
  // Fifty characters fit the name field; the fifty-first is refused.
  EXPECT_THROW(db_.pSbAddPla(2024, 1009, std::string(51, 'x'), 0, 1, 2, 250), jet::JetError);
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "2");
  db_.pSbAddPla(2024, 1009, std::string(50, 'x'), 0, 1, 2, 250);
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "3");

  // A run that fails part-way (the receiving table refuses 100 receptions)
  // rolls back the rows it had written and deleted before.
  std::string fields;
  for (int k = 3; k <= 11; ++k) {
    fields +=
        ", Fld" + std::to_string(k) + " DOUBLE NOT NULL DEFAULT 0" + (k == 4 ? " CHECK (Fld4 < 100)" : "");
  }
  kdtest::ExecuteSql(
      path_,
      "DROP TABLE tblStat4; CREATE TABLE tblStat4 (ID INTEGER PRIMARY KEY, PlayerID LONG, "
      "Week BYTE" +
          fields +
          ", Year SHORT);"
          "CREATE INDEX tblStat4_IDNdx ON tblStat4 (ID);"
          "CREATE UNIQUE INDEX tblStat4_PlayerIDWeekYearNdx ON tblStat4 (PlayerID, Week, Year);"
          "INSERT INTO tblStat2 (PlayerID, Week, Fld3, Year) VALUES (1, 5, 3, 2024);");
  ASSERT_TRUE(db_.InitializeKickwellDB(path_)) << db_.LastError();
  EXPECT_THROW(
      db_.pSbAddPSt(StatData({{1001, 4, 5, kRushYds, 40}, {1001, 4, 5, kRec, 100}}), 2024, 1, 2, false),
      jet::JetError);
  EXPECT_EQ(Rows(0, "TeamID"), "");
  EXPECT_EQ(Rows(2, "Fld3"), "5:3.0");
  EXPECT_EQ(Rows(3, "Fld4"), "");

  db_.pSbAddPSt(StatData({{1001, 4, 5, kRushYds, 40}, {1001, 4, 5, kRec, 9}}), 2024, 1, 2, false);
  EXPECT_EQ(Rows(0, "TeamID") + " " + Rows(2, "Fld3") + Rows(3, "Fld4") + " " + Rows(4, "Fld4"),
            "5:4 5:40.0 5:9.0");

  // Inside the importer's transaction a failed run leaves no edit pending;
  // the importer's rollback takes back the runs before it.
  {
    jet::Transaction block(db_.Database());
    db_.pSbAddPSt(StatData({{1001, 4, 6, kRushYds, 12}}), 2024, 1, 1, false);
    EXPECT_THROW(db_.pSbAddPSt(StatData({{1001, 4, 7, kRec, 200}}), 2024, 1, 1, false), jet::JetError);
    db_.pSbAddPSt(StatData({{1001, 4, 8, kRushYds, 13}}), 2024, 1, 1, false);
    EXPECT_EQ(db_.pFnGetPlayerTeamID(1, 8, 2024), 4);
  }
  EXPECT_EQ(Query("SELECT group_concat(Week) FROM tblStat0;"), "5");
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblStat4 WHERE Week = 7;"), "0");
}

// A FIFO named ProError.txt held the import for ever (the append waited for
// a reader), and a link to a device swallowed the lines without a word.
TEST_F(PlayerDataWriters, ALogThatCannotBeOpenedLosesTheLineAfterSayingSo) {
  const std::optional<kdtest::NotAFile> cases[] = {std::nullopt, kdtest::NotAFile::kFolder,
                                                   kdtest::NotAFile::kFifo, kdtest::NotAFile::kDevZero};
  for (const auto& kind : cases) {
    SCOPED_TRACE(kind ? kdtest::NotAFileName(*kind) : "no such folder");
    kdtest::ScopedFakeSeams fakes;
    const std::string folder = dir_.Path() + (kind ? kdtest::NotAFileName(*kind) : "no such folder") + "/";
    if (kind) {
      std::filesystem::create_directory(folder);
      kdtest::MakeNotAFile(folder + "ProError.txt", *kind);
    }
    clsKickwellDB db;  // a log error is said once for each file's writers
    ASSERT_TRUE(db.InitializeKickwellDB(path_));
    WorkFolder = folder;
    db.pSbAddPSt(StatData({{77, 4, 1, kPassYds, 300}}), 2024, 1, 1, false);
    db.pSbFlushProError();
    ASSERT_EQ(fakes.messages.plain.size(), 1u);
    EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
    // The header was not written either, so it heads the first line that is.
    std::filesystem::remove_all(folder + "ProError.txt");
    std::filesystem::create_directory(folder);
    db.pSbAddPSt(StatData({{78, 4, 1, kPassYds, 300}}), 2024, 1, 1, false);
    db.pSbCloseKickwellDB();
    EXPECT_EQ(LogLines(kdtest::ReadFile(folder + "ProError.txt")),
              (std::vector<std::string>{path_, "@ pSbAddPSt - MasterID 78 not found."}));
  }
}

// One master file of unknown players added 180 MB to the log: it only grew.
TEST_F(PlayerDataWriters, TheLogStaysWithinItsCeilingAndSaysWhenItWasCut) {
  const std::size_t ceiling = clsPlayerDataWriters::kMaxProErrorBytes;
  const std::string older = "an older line .\n";  // 16 bytes
  const struct {
    std::size_t olderLines;  // already in the log
    int newLines;            // logged by one import
    bool cut;
  } cases[] = {{60, 10, false}, {ceiling / 16 - 60, 1000, true}, {0, 200000, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.newLines);
    std::string log;
    for (std::size_t i = 0; i < c.olderLines; ++i) log += older;
    kdtest::WriteFile(dir_.File("ProError.txt"), log);
    {
      clsPlayerDataWriters writers(db_);  // writes its lines when it goes
      for (int i = 0; i < c.newLines; ++i) writers.pSbWriteProError("MasterID " + std::to_string(i));
    }
    log = kdtest::ReadFile(dir_.File("ProError.txt"));
    const std::vector<std::string> lines = LogLines(log);
    EXPECT_LE(log.size(), ceiling);
    EXPECT_EQ(lines.front() == "@ The log was cut to its newest 2 MB; older lines were dropped.", c.cut);
    EXPECT_EQ(lines.back(), "@ MasterID " + std::to_string(c.newLines - 1));
    // The lines kept of the import are headed by its file's path, whatever was cut.
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& l) { return l.starts_with("@ MasterID"); });
    ASSERT_NE(first, lines.begin());
    EXPECT_EQ(*(first - 1), path_);
    // Whole lines only; nothing of a log within the ceiling is lost.
    for (const std::string& line : lines) EXPECT_TRUE(line[0] == '@' || line == path_ || line + "\n" == older);
    EXPECT_TRUE(c.cut || lines.size() == c.olderLines + 1 + 10);
  }
}

TEST_F(PlayerDataWriters, WritersNeedAnOpenFile) {
  clsKickwellDB closed;
  EXPECT_THROW(closed.pSbAddPla(2024, 1, "A, B", 0, 1, 2, 250), jet::JetError);
  EXPECT_THROW(closed.pSbAddPSt(StatData({{1001, 4, 1, kPassYds, 1}}), 2024, 1, 1, false), jet::JetError);
  EXPECT_THROW(closed.pFnGetTeamIDwAbrv("BUF", 2024), jet::JetError);
  EXPECT_EQ(Log(), "");
}
