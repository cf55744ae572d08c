// The sample project's cheat sheet, worked on a copy of the bundled tree:
// the stacks rank players by their half-PPR season points, and those points
// agree with the raw 2024 projections (data/nfl-2024/projected, weeks 1-17)
// scored by hand here under the half-PPR rules of data/sco.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Value.h"
#include "platform/runtime/Text.h"
#include "tools/MasterFile.h"
#include "tools/WeeklyStatFiles.h"

namespace fs = std::filesystem;

namespace {

const std::string kDat = std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/";
const std::string kProjected = std::string(KD_SOURCE_DIR) + "/data/nfl-2024/projected/";

// Half-PPR points of one raw weekly row, by the file's column names.
double HalfPprPoints(const bundle::CsvTable& table, const std::vector<std::string>& row) {
  auto Cell = [&](const char* name) {
    const int column = table.Column(name);
    double value = 0;
    if (column < 0 || !bundle::ParseStatCell(row[static_cast<std::size_t>(column)], value)) {
      ADD_FAILURE() << "bad cell " << name;
    }
    return value;
  };
  if (table.Column("PatMade") >= 0) {
    return Cell("PatMade") + 3 * (Cell("FgMade_0-19") + Cell("FgMade_20-29") + Cell("FgMade_30-39")) +
           4 * Cell("FgMade_40-49") + 5 * Cell("FgMade_50");
  }
  return Cell("PassingYDS") / 25 + 4 * Cell("PassingTD") - 2 * Cell("PassingInt") + Cell("RushingYDS") / 10 +
         6 * Cell("RushingTD") + 0.5 * Cell("ReceivingRec") + Cell("ReceivingYDS") / 10 +
         6 * Cell("ReceivingTD") + 6 * Cell("RetTD") + 6 * Cell("FumTD") + 2 * Cell("2PT") - 2 * Cell("Fum");
}

// The player's season points summed over weeks 1-17 of his position's files.
double PointsFromCsv(const std::string& backName, const std::string& pos) {
  double total = 0;
  int weeks = 0;
  for (int week = 1; week <= 17; ++week) {
    bundle::CsvTable table;
    std::string error;
    const std::string path = kProjected + std::to_string(week) + "/" + pos + ".csv";
    if (!bundle::ReadCsvTable(path, table, &error)) {
      ADD_FAILURE() << error;
      continue;
    }
    const int name = table.Column("PlayerName");
    for (const auto& row : table.rows) {
      if (bundle::BackName(row[static_cast<std::size_t>(name)]) != backName) continue;
      total += HalfPprPoints(table, row);
      ++weeks;
    }
  }
  EXPECT_GE(weeks, 15) << backName;
  return total;
}

class SampleCheatSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"kdp", "lgp", "sco", "pro", "stg"}) {
      fs::copy(kDat + folder, work_.File(folder), fs::copy_options::recursive);
    }
    basMockDraftSettings::TerminateSettings();
    basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckByeConflicts, false);
    basMockItUp::InitFileTypeTable(work_.Path());
    ReleaseGlobalProject();
    ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
    for (int32_t id : {1, 2, 3, 4, 5, 7, 8}) status_.AddSegment(id, 10.0f);
    status_.SetStatusList(seams_.progress);
  }
  void TearDown() override {
    db_.pSbCloseKickwellDB();
    ReleaseGlobalProject();
    basMockDraftSettings::TerminateSettings();
  }

  // BackName and position (as the weekly files name it) of a player in the
  // worked database.
  std::pair<std::string, std::string> Player(int32_t masterID) {
    static const std::map<int32_t, std::string> kFilePos = {
        {2, "QB"}, {3, "RB"}, {4, "WR"}, {5, "TE"}, {6, "K"}};
    auto rows = db_.pSbKickwellSQL("SELECT BackName, PosID FROM tblPlayers WHERE MasterID = ?;",
                                   {jet::Value(masterID)});
    if (rows->Eof() || !kFilePos.contains(rows->Field(1).AsLong())) return {};
    return {runtime::Trim(rows->Field(0).AsText()), kFilePos.at(rows->Field(1).AsLong())};
  }

  kdtest::TempDir work_;
  kdtest::ScopedFakeSeams seams_;
  clsStatusPlain status_;
  clsMockDraft mock_;
  clsMockRoster roster_;
  clsKickwellDB db_;
};

TEST_F(SampleCheatSheet, RanksPlayersByHalfPprPointsOfTheRawProjections) {
  ASSERT_TRUE(basMockDraftCalculation::CalculateCheatSheet(status_, mock_, roster_, db_));
  EXPECT_TRUE(seams_.messages.messages.empty());
  EXPECT_EQ(mock_.OwnerCount(), 12);
  ASSERT_EQ(roster_.StackMax(), 5);  // QB, RB, WR, TE, K

  std::map<std::string, int> tops;
  for (int32_t slot = 1; slot <= roster_.StackMax(); ++slot) {
    // At least one player a team (the roster maximum of QB and K) and the 10 of the buffer.
    ASSERT_GE(roster_.StackPlayerCount(slot), 12 + 10) << slot;
    for (int32_t i = 1; i < roster_.StackPlayerCount(slot); ++i) {
      EXPECT_GE(roster_.StackPlayerPoints(slot, i - 1), roster_.StackPlayerPoints(slot, i))
          << slot << "/" << i;
    }
    // The first two of every stack, scored again from the raw rows.
    for (int32_t i = 0; i < 2; ++i) {
      const auto [backName, pos] = Player(roster_.StackPlayerMasterID(slot, i));
      ASSERT_FALSE(backName.empty());
      ++tops[pos];
      EXPECT_NEAR(roster_.StackPlayerPoints(slot, i), PointsFromCsv(backName, pos), 0.01) << backName;
    }
  }
  EXPECT_EQ(tops, (std::map<std::string, int>{{"QB", 2}, {"RB", 2}, {"WR", 2}, {"TE", 2}, {"K", 2}}));
}

TEST_F(SampleCheatSheet, NoPlayerGetsPointsAllowedTierPoints) {
  ASSERT_TRUE(basMockDraftCalculation::CalculateCheatSheet(status_, mock_, roster_, db_));
  // Every season row's points are the half-PPR of its own stats: none holds
  // a defense's tier points (a player with nothing at all allowed 0 points
  // and would otherwise get 10).
  std::map<int32_t, double> expected;
  auto Add = [&](int table, const std::string& terms) {
    auto rows = db_.pSbKickwellSQL("SELECT PlayerID, " + terms + " FROM tblStat" + std::to_string(table) +
                                   " WHERE Week = 250 AND Year = 2024;");
    for (; !rows->Eof(); rows->MoveNext()) expected[rows->Field(0).AsLong()] += rows->Field(1).AsDouble();
  };
  Add(2, "Fld5 / 25 + 4 * Fld6 - 2 * Fld7");
  Add(3, "Fld4 / 10 + 6 * Fld5");
  Add(4, "0.5 * Fld4 + Fld5 / 10 + 6 * Fld6");
  Add(5, "6 * Fld6 - 2 * Fld4");
  Add(6, "Fld3 + 3 * (Fld5 + Fld7 + Fld9) + 4 * Fld11 + 5 * Fld13");
  Add(8, "6 * Fld4");
  Add(10, "2 * Fld3");

  auto rows = db_.pSbKickwellSQL("SELECT PlayerID, Points FROM tblStat0 WHERE Week = 250 AND Year = 2024;");
  int checked = 0, scoreless = 0;
  for (; !rows->Eof(); rows->MoveNext(), ++checked) {
    const int32_t id = rows->Field(0).AsLong();
    const double points = rows->Field(1).AsDouble();
    EXPECT_NEAR(points, expected[id], 0.01) << "PlayerID " << id;
    if (points == 0) ++scoreless;
  }
  EXPECT_EQ(checked, 1078);
  EXPECT_GT(scoreless, 0);
}

// The automatic draft of each sample league, read by a football fan: it runs
// to its last pick (two teams that look ahead around each other's picks would
// stop it with a conflict), round 1 takes at most one quarterback and no
// tight end but the two best, no kicker comes before the last three rounds,
// and every team ends with its line-up filled and no position over its
// maximum.
struct SampleLeague {
  const char* file;
  int32_t teams;
  int32_t rounds;
  friend void PrintTo(const SampleLeague& league, std::ostream* out) { *out << league.file; }
};

class SampleLeagueDraft : public SampleCheatSheet, public ::testing::WithParamInterface<SampleLeague> {};

TEST_P(SampleLeagueDraft, DraftsTheWayRealLeaguesDraft) {
  const SampleLeague& sample = GetParam();
  constexpr int32_t kQB = 2, kTE = 5, kK = 6;
  GlobalProject().SetValue(kProjLeaguePropertiesFile, sample.file);
  ASSERT_TRUE(basMockDraftCalculation::CalculateMockDraft(status_, mock_, db_));
  EXPECT_TRUE(seams_.messages.messages.empty());
  ASSERT_EQ(mock_.Count() + 1, sample.teams * sample.rounds);

  std::set<int32_t> eliteTightEnds;
  auto rows = db_.pSbKickwellSQL(
      "SELECT tblPlayers.MasterID FROM tblStat0, tblPlayers WHERE tblStat0.Week = 250 AND "
      "tblPlayers.ID = tblStat0.PlayerID AND tblPlayers.PosID = ? ORDER BY tblStat0.Points DESC LIMIT 2;",
      {jet::Value(kTE)});
  for (; !rows->Eof(); rows->MoveNext()) eliteTightEnds.insert(rows->Field(0).AsLong());
  ASSERT_EQ(eliteTightEnds.size(), 2u);

  std::set<int32_t> taken;
  std::map<int32_t, std::map<int32_t, int32_t>> perTeam;  // team -> PosID -> players
  int32_t roundOneQuarterbacks = 0;
  for (int32_t k = 0; k <= mock_.Count(); ++k) {
    const int32_t round = k / sample.teams + 1, pos = mock_.Position(k);
    const std::string pick = "pick " + std::to_string(k + 1) + " " + runtime::Trim(mock_.PlayerName(k));
    EXPECT_GT(mock_.MasterID(k), 0) << pick;
    EXPECT_TRUE(taken.insert(mock_.MasterID(k)).second) << pick << " drafted twice";
    ++perTeam[mock_.DraftOwner(k)][pos];
    if (round == 1 && pos == kQB) ++roundOneQuarterbacks;
    if (round == 1 && pos == kTE) {
      EXPECT_TRUE(eliteTightEnds.contains(mock_.MasterID(k))) << pick;
    }
    if (pos == kK) {
      EXPECT_GT(round, sample.rounds - 3) << pick;
    }
  }
  EXPECT_LE(roundOneQuarterbacks, 1);

  clsLeagueIsolate league;
  league.SetFilePath(kDat + "lgp/");
  league.SetFileName(sample.file);
  ASSERT_TRUE(league.LoadLeagueProps());
  for (int32_t team = 1; team <= sample.teams; ++team) {
    int32_t starters = 0;
    for (int32_t pos = kQB; pos <= kK; ++pos) {
      const int32_t players = perTeam[team][pos];
      EXPECT_GE(players, league.StarterMin(pos)) << "team " << team << " position " << pos;
      EXPECT_LE(players, league.RosterMax(pos)) << "team " << team << " position " << pos;
      starters += std::min(players, league.StarterMax(pos));
    }
    EXPECT_GE(starters, league.StarterMax(1)) << "team " << team;
  }
}

INSTANTIATE_TEST_SUITE_P(BothSampleLeagues, SampleLeagueDraft,
                         ::testing::Values(SampleLeague{"KD-12 Team League.lgp", 12, 15},
                                           SampleLeague{"KD-10 Team League.lgp", 10, 16}),
                         [](const ::testing::TestParamInfo<SampleLeague>& league) {
                           return std::to_string(league.param.teams) + "Teams";
                         });

}  // namespace
