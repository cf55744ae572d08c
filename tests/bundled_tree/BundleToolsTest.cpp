// The bundle tools on small hand-made inputs: names, the master file's
// records, the game counts of a distribution map, and the recipes.

#include <gtest/gtest.h>

#include <filesystem>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "database/clsDisplayGridIsolate.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "player_data/basKWRFileControl.h"
#include "tools/DistributionMaps.h"
#include "tools/DocumentRecipes.h"
#include "tools/MasterFile.h"
#include "tools/TemplateLookups.h"
#include "tools/WeeklyStatFiles.h"

namespace {

TEST(BackName, PutsTheFamilyNameFirst) {
  const std::pair<const char*, const char*> cases[] = {
      {"Patrick Mahomes", "Mahomes, Patrick"},
      {"A.J. Brown", "Brown, A.J."},
      {"Marvin Harrison Jr.", "Harrison Jr., Marvin"},
      {"Kenneth Walker III", "Walker III, Kenneth"},
      {"Amon-Ra St. Brown", "St. Brown, Amon-Ra"},
      {"John Parker Romo", "Romo, John Parker"},
      {"Kehinde Oginni Hassan", "Oginni Hassan, Kehinde"},
      {"Audric Estimé", "Estimé, Audric"},
      {"Prince", "Prince"},
  };
  for (const auto& [display, back] : cases) EXPECT_EQ(bundle::BackName(display), back) << display;
}

TEST(WeeklyStatFiles, CellsAreEmptyForZeroOrPlainDecimals) {
  double v = -1;
  EXPECT_TRUE(bundle::ParseStatCell("", v));
  EXPECT_EQ(v, 0.0);
  EXPECT_TRUE(bundle::ParseStatCell("-1.99", v));
  EXPECT_EQ(v, -1.99);
  for (const char* bad : {"1e3", " 2", "Bye", "1,5", "."}) EXPECT_FALSE(bundle::ParseStatCell(bad, v)) << bad;
}

TEST(WeeklyStatFiles, ARaggedOrQuotedFileIsRefusedNamingTheLine) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("ragged.csv"), "a,b,c\r\n1,2,3\r\n4,5\r\n");
  kdtest::WriteFile(dir.File("quoted.csv"), "a,b\n\"x\",2\n");
  bundle::CsvTable table;
  std::string error;
  EXPECT_FALSE(bundle::ReadCsvTable(dir.File("ragged.csv"), table, &error));
  EXPECT_NE(error.find("line 3 has 2 cells"), std::string::npos) << error;
  EXPECT_FALSE(bundle::ReadCsvTable(dir.File("quoted.csv"), table, &error));
  EXPECT_FALSE(bundle::ReadCsvTable(dir.File("missing.csv"), table, &error));
}

const std::string kQbHead =
    "PlayerName,PlayerId,Pos,Team,PlayerOpponent,PassingYDS,PassingTD,PassingInt,RushingYDS,RushingTD,"
    "ReceivingRec,ReceivingYDS,ReceivingTD,RetTD,FumTD,2PT,Fum,PlayerWeekProjectedPts,ProjectedRank,Rank,"
    "TotalPoints,ProjectionDiff\n";
const std::string kKickerHead =
    "PlayerName,PlayerId,Pos,Team,PlayerOpponent,PatMade,PatMissed,FgMade_0-19,FgMade_20-29,FgMade_30-39,"
    "FgMade_40-49,FgMade_50,FgMiss_0-19,FgMiss_20-29,FgMiss_30-39,PlayerWeekProjectedPts,ProjectedRank,Rank,"
    "TotalPoints,ProjectionDiff\n";

// A data folder of two projected weeks, written by hand.
class SmallSeason : public ::testing::Test {
 protected:
  void SetUp() override {
    templatePath_ = kdtest::MakeTemplateDatabase(dir_);
    std::string error;
    ASSERT_TRUE(bundle::LoadTemplateLookups(templatePath_, 2024, lookups_, &error)) << error;
    Write("projected/1/QB.csv", kQbHead + "Zed Young,7,QB,KC,BAL,250.5,2,1,,,,,,,,,0.5,1,1,1,1,1\n" +
                                    "Al Brown,9,QB,FA,Bye,,,,,,,,,,,,,,2,2,0,\n");
    Write("projected/2/QB.csv", kQbHead + "Zed Young,7,QB,KC,Bye,,,,,,,,,,,,,,1,1,0,\n" +
                                    "Al Brown Jr.,9,QB,BUF,MIA,10,0,0,3,,,,,,,1,,1,2,2,0,1\n");
    for (const char* week : {"1", "2"}) {
      for (const char* pos : {"RB", "WR", "TE"})
        Write(std::string("projected/") + week + "/" + pos + ".csv", kQbHead);
    }
    Write("projected/1/K.csv", kKickerHead + "Kay Kicker,5,K,DAL,NYG,2,-0.5,,1,,,0.25,,,,8,1,1,1,1\n");
    Write("projected/2/K.csv", kKickerHead);
    Write("byes-2024.csv", "team,bye_week\nKC,6\nARI,11\n");
  }
  void Write(const std::string& name, const std::string& text) { kdtest::WriteFile(dir_.File(name), text); }

  kdtest::TempDir dir_;
  std::string templatePath_;
  bundle::TemplateLookups lookups_;
};

TEST_F(SmallSeason, MasterFileHoldsBiographiesByesEachWeeksProjectionsAndTheSeasonTotals) {
  const std::string out = dir_.File("2024 Master 0001.kwr");
  std::string error;
  ASSERT_TRUE(bundle::WriteMasterFile(dir_.Path(), lookups_, 2024, out, &error)) << error;

  std::vector<KWRIndexEntry> index;
  std::string text;
  ASSERT_EQ(basKWRFileControl::ReadKwrHeader(out, index, text), 3);
  std::vector<KWRBlock> blocks(4);
  for (int w = 0; w <= 3; ++w) {
    EXPECT_EQ(index[static_cast<std::size_t>(w)].Week, w == 3 ? 250 : w);
    int32_t position = index[static_cast<std::size_t>(w)].Position;
    ASSERT_TRUE(basKWRFileControl::ReadKwrBlock(out, blocks[static_cast<std::size_t>(w)], position));
  }

  // QBs before kickers, each by name; the latest week's name and team.
  const auto& bios = blocks[0].Bios;
  ASSERT_EQ(bios.size(), 3u);
  EXPECT_EQ(bios[0].MasID, 1);
  EXPECT_EQ(bios[0].BackName.substr(0, 14), "Brown Jr., Al ");
  EXPECT_EQ(bios[0].TeaID, 4);  // BUF
  EXPECT_EQ(bios[0].PosID, 2);
  EXPECT_EQ(bios[1].BackName.substr(0, 11), "Young, Zed ");
  EXPECT_EQ(bios[1].TeaID, 16);  // KC
  EXPECT_EQ(bios[2].BackName.substr(0, 13), "Kicker, Kay  ");
  EXPECT_EQ(bios[2].PosID, 6);
  ASSERT_EQ(blocks[0].Modifications.size(), 2u);  // in team order
  EXPECT_EQ(blocks[0].Modifications[0].TeaID, 1);
  EXPECT_EQ(blocks[0].Modifications[0].Week, 11);
  EXPECT_EQ(blocks[0].Modifications[1].TeaID, 16);
  EXPECT_EQ(blocks[0].Modifications[1].Week, 6);
  EXPECT_EQ(blocks[0].Modifications[1].NewValue, 2024.0f);
  EXPECT_TRUE(blocks[0].Stats.empty());

  auto Record = [](const KWRStatRecord& r) {
    return std::to_string(r.MasID) + "/" + std::to_string(r.TeaID) + "/" + std::to_string(r.Week) + "/" +
           std::to_string(r.Field) + "=" + std::to_string(r.NewValue);
  };
  std::vector<std::string> week1, week2, season;
  for (const auto& r : blocks[1].Stats) week1.push_back(Record(r));
  for (const auto& r : blocks[2].Stats) week2.push_back(Record(r));
  for (const auto& r : blocks[3].Stats) season.push_back(Record(r));
  // Zeros, empty cells and the negative missed extra point are not written.
  EXPECT_EQ(week1, (std::vector<std::string>{"2/16/1/3=250.500000", "2/16/1/4=2.000000", "2/16/1/5=1.000000",
                                             "2/16/1/71=0.500000", "3/9/1/31=2.000000", "3/9/1/35=1.000000",
                                             "3/9/1/41=0.250000"}));
  EXPECT_EQ(week2, (std::vector<std::string>{"1/4/2/3=10.000000", "1/4/2/14=3.000000", "1/4/2/75=1.000000"}));
  // By player and category, under the team of week 0.
  EXPECT_EQ(season, (std::vector<std::string>{
                        "1/4/250/3=10.000000", "1/4/250/14=3.000000", "1/4/250/75=1.000000",
                        "2/16/250/3=250.500000", "2/16/250/4=2.000000", "2/16/250/5=1.000000",
                        "2/16/250/71=0.500000", "3/9/250/31=2.000000", "3/9/250/35=1.000000",
                        "3/9/250/41=0.250000"}));
}

TEST_F(SmallSeason, AnUnknownTeamOrAStatThatIsNoNumberStopsTheMasterFileAndKeepsTheOldOne) {
  const struct {
    const char* file;
    const char* row;
    std::vector<const char*> why;
  } cases[] = {
      {"projected/2/K.csv", "Kay Kicker,5,K,XYZ,NYG,2,,,,,,,,,,8,1,1,1,1\n", {"projected/2/K.csv line 2", "XYZ"}},
      {"projected/1/K.csv", "Kay Kicker,5,K,DAL,NYG,two,,,,,,,,,,8,1,1,1,1\n", {"PatMade is not a number"}},
  };
  const std::string out = dir_.File("master.kwr");
  kdtest::WriteFile(out, "old");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    Write("projected/2/K.csv", kKickerHead);
    Write(c.file, kKickerHead + c.row);
    std::string error;
    EXPECT_FALSE(bundle::WriteMasterFile(dir_.Path(), lookups_, 2024, out, &error));
    for (const char* why : c.why) EXPECT_NE(error.find(why), std::string::npos) << error;
    EXPECT_EQ(kdtest::ReadFile(out), "old");
  }
}

TEST(DistributionMaps, CountsPlayedGamesByWholeValueWithTheInterquartileRangeFirst) {
  kdtest::TempDir dir;
  const std::string head =
      "PlayerName,PlayerId,Pos,Team,PlayerOpponent,PassingYDS,PassingTD,FanPtsAgainst-pts,Rank,TotalPoints\n";
  // A: 3 yards; B: -2 yards counts as 0; C: did not play (team figure only);
  // D: 0 yards but a touchdown, so he played.
  kdtest::WriteFile(dir.File("actual/1/QB.csv"),
                    head +
                        "A,1,QB,KC,BAL,3,,12.5,1,1\nB,2,QB,KC,BAL,-2,,12.5,2,0\nC,3,QB,KC,BAL,,,12.5,3,0\n"
                        "D,4,QB,KC,BAL,,1,12.5,4,4\n");
  kdtest::WriteFile(dir.File("actual/2/QB.csv"), head + "A,1,QB,KC,@DEN,2,,3,1,1\n");
  const bundle::DistributionMapPlan* plan = bundle::FindDistributionMapPlan(3);
  ASSERT_NE(plan, nullptr);
  std::vector<int64_t> frequency;
  std::string error;
  ASSERT_TRUE(bundle::CountGames(dir.Path(), *plan, frequency, &error)) << error;
  EXPECT_EQ(frequency, (std::vector<int64_t>{2, 0, 1, 1}));
  // Games 0, 0, 2, 3: Q1 is 0, Q3 is 2.
  EXPECT_EQ(bundle::DistributionMapText(frequency), "2\r\n0,2\r\n1,0\r\n2,1\r\n3,1\r\n");
  EXPECT_EQ(bundle::FindDistributionMapPlan(44), nullptr);

  // A value no game reaches is refused rather than counted into a class.
  kdtest::WriteFile(dir.File("actual/2/QB.csv"), head + "A,1,QB,KC,@DEN,2000000000,,3,1,1\n");
  EXPECT_FALSE(bundle::CountGames(dir.Path(), *plan, frequency, &error));
  EXPECT_NE(error.find("actual/2/QB.csv line 2"), std::string::npos) << error;
}

// Lookups of the template database, for recipes written by hand.
class DocumentRecipes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bundle::LoadTemplateLookups(kdtest::MakeTemplateDatabase(dir), 0, lookups, &error)) << error;
  }
  kdtest::TempDir dir;
  bundle::TemplateLookups lookups;
  std::string error;
};

TEST_F(DocumentRecipes, ScoringRecipeRulesBecomeScoringRules) {
  kdtest::WriteFile(dir.File("r.txt"),
                    "# comment\n\n 0.5 , 20, 1, 0, 99999, QB RB, No\r\n3, 41, Threshold, 50, 99, All, Yes\n");
  clsScoringIsolate scoring;
  ASSERT_TRUE(bundle::ReadScoringRecipe(dir.File("r.txt"), lookups, scoring, &error)) << error;
  ASSERT_EQ(scoring.RecordCount(), 2);
  scoring.MoveFirst();
  EXPECT_EQ(scoring.Points(), 0.5f);
  EXPECT_EQ(scoring.CatID(), 20);
  EXPECT_EQ(scoring.ApplyToPos(), 4 + 8);
  EXPECT_EQ(scoring.FDM(), 0);
  scoring.MoveNext();
  EXPECT_EQ(scoring.FieldVal(), -99999.0f);
  EXPECT_EQ(scoring.RangeMin(), 50.0f);
  EXPECT_EQ(scoring.ApplyToPos(), 2);
  EXPECT_EQ(scoring.FDM(), -1);
}

TEST_F(DocumentRecipes, ARecipeFaultNamesItsLine) {
  const std::pair<const char*, const char*> scoring[] = {
      {"1, 9999, 1, 0, 9, All, No\n", "line 1: '9999' is not a stat category"},
      {"1, 3, 1, 0, 9, QB XX, No\n", "unknown position XX"},
      {"1, 3, 1, 0, 9, All\n", "a rule has 7 fields"},
  };
  clsScoringIsolate sco;
  for (const auto& [text, why] : scoring) {
    kdtest::WriteFile(dir.File("s.txt"), text);
    EXPECT_FALSE(bundle::ReadScoringRecipe(dir.File("s.txt"), lookups, sco, &error)) << text;
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }
  const std::pair<const char*, const char*> strategy[] = {
      {"Rule: 1, Last, Best Guess, Roster Value, None, Include, Any, No\n", "line 1: method 'Best Guess'"},
      {"Description: x\nRule: 1, Last, Open Roster, Roster Value, None, Exclude, Any, No\n",
       "line 2: positions: = No position."},
      {"Rule: 5, 2, Open Roster, Roster Value, None, Include, Any, No\n", "last pick '2'"},
      {"Factor: X, QB\n", "'QB' is not a position and a factor"},
      {"Description: only\n", "no rules"},
  };
  clsDraftStrategy stg;
  for (const auto& [text, why] : strategy) {
    kdtest::WriteFile(dir.File("g.txt"), text);
    EXPECT_FALSE(bundle::ReadStrategyRecipe(dir.File("g.txt"), lookups, stg, &error)) << text;
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }
}

TEST_F(DocumentRecipes, StrategyRecipeRulesAndFactorsBecomeTheStrategy) {
  kdtest::WriteFile(dir.File("g.txt"),
                    "Description: Two rules, one factor.\n"
                    "Rule: 1, 6, Start Pot G-L, Starter Value, LR-TR INJURY, Exclude, K TE, Yes\n"
                    "Rule: 7, Last, Open Roster, ADP, None, Include, Any, No\n"
                    "Factor: INJURY, RB 0.9\n");
  const std::string out = dir.File("stg/Two.stg");
  ASSERT_TRUE(bundle::WriteDraftStrategy(dir.File("g.txt"), lookups, out, &error)) << error;
  clsDraftStrategy s;
  s.SetFilePath(dir.File("stg/"));
  s.SetFileName("Two.stg");
  ASSERT_TRUE(s.LoadDraftStrategy(&error)) << error;
  EXPECT_EQ(s.Description(), "Two rules, one factor.");
  ASSERT_EQ(s.Count(), 2);
  EXPECT_EQ(s.EndPick(0), 6);
  EXPECT_EQ(s.Method(0), 7);
  EXPECT_EQ(s.Compare(0), 2);
  EXPECT_TRUE(s.UsingFactor(0, 0));
  EXPECT_TRUE(s.UsingFactor(0, 1));
  EXPECT_FALSE(s.UsingFactor(0, 2));
  EXPECT_EQ(s.Inclusion(0), 1);
  EXPECT_EQ(s.PosInclusionIDs(0)[0], 6);
  EXPECT_EQ(s.PosInclusionIDs(0)[1], 5);
  EXPECT_TRUE(s.NoByeConflict(0));
  EXPECT_EQ(s.BegPick(1), 7);
  EXPECT_EQ(s.EndPick(1), 999);
  EXPECT_EQ(s.Compare(1), 3);
  EXPECT_EQ(s.Factor(1, 3), 0.9);
  EXPECT_EQ(s.Factor(1, 4), 1.0);
}

TEST_F(DocumentRecipes, LeagueRecipeCreatesTheOrderAndTheEditorsRosterRecords) {
  kdtest::WriteFile(dir.File("l.txt"),
                    "Rounds: 3\nStyle: Serpentine\nRoster: ROS, ROS, 0, 3, 2, 2\nRoster: RB, WR, 1, 2, 1, 1\n"
                    "Team: Alpha, A.stg\nTeam: Beta, B.stg\n");
  const std::string out = dir.File("lgp/Two.lgp");
  ASSERT_TRUE(bundle::WriteLeagueProperties(dir.File("l.txt"), lookups, out, &error)) << error;
  clsLeagueIsolate league;
  league.SetFilePath(dir.File("lgp/"));
  league.SetFileName("Two.lgp");
  ASSERT_TRUE(league.LoadLeagueProps());
  EXPECT_EQ(league.TeamCount(), 2);
  EXPECT_EQ(league.TeamName(2).substr(0, 5), "Beta ");
  EXPECT_EQ(league.Strategy(1).substr(0, 6), "A.stg ");
  std::vector<int32_t> picks;
  for (int32_t p = 0; p < league.PickCount(); ++p) picks.push_back(league.Pick(p));
  EXPECT_EQ(picks, (std::vector<int32_t>{1, 2, 2, 1, 1, 2}));
  EXPECT_EQ(league.CreatedTeamCount(), 2);
  EXPECT_EQ(league.CreatedDraftRounds(), 3);
  ASSERT_EQ(league.RosterSizeCount(), 18);
  EXPECT_EQ(league.RosterPosID(0), 0);
  EXPECT_EQ(league.RosterPosID(3), 3);
  EXPECT_EQ(league.MergeAsID(3), 4);
  EXPECT_EQ(league.RosterMin(3), 1);
  EXPECT_EQ(league.RosterMax(3), 2);
  EXPECT_EQ(league.StarterMax(1), 2);
  EXPECT_EQ(league.RosterMax(2), 0);
  EXPECT_EQ(league.MergeAsID(2), 2);
  // 63 header bytes, 2 teams, 6 picks, 18 roster records.
  EXPECT_EQ(std::filesystem::file_size(out), 63u + 2 * 104 + 6 * 12 + 18 * 24);

  const std::pair<const char*, const char*> faults[] = {
      {"Rounds: 3\nStyle: Serpentine\nRoster: ROS, ROS, 0, 3, 2, 2\nRoster: QB, QB, 2, 1, 0, 0\nTeam: A, "
       "A.stg\n",
       "line 4: the limits of QB contradict each other"},
      {"Rounds: 3\nStyle: Snake\n", "line 2: style 'Snake'"},
      {"Rounds: 3\nStyle: Cyclic\nRoster: QB, QB, 1, 2, 1, 1\nTeam: A, A.stg\n", "the whole roster (ROS)"},
      {"Rounds: 3\nRoster: XX, QB, 1, 2, 1, 1\n", "line 2: unknown position XX"},
  };
  for (const auto& [text, why] : faults) {
    kdtest::WriteFile(dir.File("bad.txt"), text);
    EXPECT_FALSE(bundle::ReadLeagueRecipe(dir.File("bad.txt"), lookups, league, &error)) << text;
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }
}

TEST_F(DocumentRecipes, DisplayGridRecipeWritesTheSameGridToEveryFolder) {
  kdtest::WriteFile(dir.File("g.txt"),
                    "Column: 51, 160, Player, Name, Default, Left\n"
                    "Column: 44, 60, , Points, 3, Right\n");
  ASSERT_TRUE(bundle::WriteDisplayGrid(dir.File("g.txt"), lookups,
                                       {dir.File("dis/G.dis"), dir.File("def/G.dis")}, &error))
      << error;
  EXPECT_EQ(kdtest::ReadFile(dir.File("dis/G.dis")), kdtest::ReadFile(dir.File("def/G.dis")));
  clsDisplayGridIsolate grid;
  ASSERT_TRUE(grid.OpenFile(dir.File("def/G.dis")));
  ASSERT_EQ(grid.ColumnMax(), 1);
  EXPECT_EQ(grid.Decimals(0), 13);  // the name's own format
  EXPECT_EQ(grid.Align(0), 1);
  EXPECT_EQ(grid.Title1(1), "");
  EXPECT_EQ(grid.Title2(1), "Points");
  EXPECT_EQ(grid.Decimals(1), 3);
  EXPECT_EQ(grid.Align(1), 7);
  EXPECT_EQ(grid.OrderNumber(1), 2);

  const std::pair<const char*, const char*> faults[] = {
      {"Column: 51, 160, A, B, Default, Left\nColumn: 51, 60, C, D, Default, Left\n",
       "Category ID [51] found multiple times."},
      {"Column: 51, 1601, A, B, Default, Left\n", "Column [1] width exceeds limit."},
      {"Column: 51, 160, A, B, 2, Left\n", "format 2 is not one category 51 can be shown in"},
      {"Column: 51, 160, A, B, Default, Middle\n", "line 1: align 'Middle'"},
      {"# nothing\n", "Display grid contains no columns."},
  };
  for (const auto& [text, why] : faults) {
    kdtest::WriteFile(dir.File("bad.txt"), text);
    EXPECT_FALSE(bundle::ReadDisplayGridRecipe(dir.File("bad.txt"), lookups, grid, &error)) << text;
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }
}

TEST(ProjectRecipe, KeepsTheProjectsKeyOrderAndOnlyItsKeys) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("p.txt"), "Scoring System File: A.sco\nUse Color: 0\nMock Draft Type:\n");
  std::string error;
  ASSERT_TRUE(bundle::WriteProjectFile(dir.File("p.txt"), dir.File("kdp/P.kdp"), &error)) << error;
  EXPECT_EQ(
      kdtest::ReadFile(dir.File("kdp/P.kdp")),
      "[Kickwell Draftyard Project]\r\nUse Color=0\r\nScoring System File=A.sco\r\nMock Draft Type=\r\n");

  std::vector<std::pair<std::string, std::string>> entries;
  for (const auto& [text, why] : std::vector<std::pair<std::string, std::string>>{
           {"Scoring File: A.sco\n", "line 1: 'Scoring File' is not a key"},
           {"Use Color: 0\nUse Color: 1\n", "line 2: Use Color is given twice"}}) {
    kdtest::WriteFile(dir.File("bad.txt"), text);
    EXPECT_FALSE(bundle::ReadProjectRecipe(dir.File("bad.txt"), entries, &error)) << text;
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }
}

}  // namespace
