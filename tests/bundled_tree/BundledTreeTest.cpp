// The all-users tree the build made: every file is there, and what it holds
// agrees with the 2024 source files it came from (values below were read
// off the CSV files by hand).

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "TempDir.h"
#include "core/basMockDraftSettings.h"
#include "core/clsINIFile.h"
#include "core/clsSettingsKD.h"
#include "database/clsDisplayGridIsolate.h"
#include "documents/basGridValidation.h"
#include "draft_inputs/ScoringRuleRecord.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsFreqDistribution.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "platform/jet/Database.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "player_data/basKWRFileControl.h"
#include "tools/DistributionMaps.h"

namespace fs = std::filesystem;

namespace {

const std::string kDat = std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/";
const std::string kSource = KD_SOURCE_DIR;
const std::string kMaster = kDat + "mas/2024 Master 0001.kwr";

// The stems of a recipe folder of data/ ("KD-RBL Default" for KD-RBL Default.txt).
std::vector<std::string> RecipeNames(const std::string& kind) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kSource + "/data/" + kind)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// ---------------------------------------------------------------- the tree

TEST(BundledTree, HoldsTheElevenWorkFoldersAndEveryFileBuiltFromData) {
  for (const char* folder : {"sco", "pro", "lgp", "stg", "dis", "kdp", "ugm", "def", "str", "mas", "adp"}) {
    EXPECT_TRUE(fs::is_directory(kDat + folder)) << folder;
  }
  std::vector<std::string> files = {"def/Default.pro",        "mas/2024 Master 0001.kwr",
                                    "stg/KD-RBL Default.stg", "sco/KD-Standard.sco",
                                    "sco/KD-Half PPR.sco",    "sco/KD-PPR.sco"};
  for (const std::string& name : RecipeNames("sco")) files.push_back("sco/" + name + ".sco");
  for (const std::string& name : RecipeNames("stg")) files.push_back("stg/" + name + ".stg");
  for (const std::string& name : RecipeNames("lgp")) files.push_back("lgp/" + name + ".lgp");
  files.push_back("lgp/KD-10 Team League.lgp");
  files.push_back("lgp/KD-12 Team League.lgp");
  for (const std::string& name : RecipeNames("kdp")) files.push_back("kdp/" + name + ".kdp");
  for (const std::string& name : RecipeNames("dis")) {
    files.push_back("dis/" + name + ".dis");
    files.push_back("def/" + name + ".dis");
  }
  for (const bundle::DistributionMapPlan& plan : bundle::DistributionMapPlans()) {
    files.push_back("def/" + std::to_string(plan.catID) + "-FDM.txt");
  }
  for (const std::string& file : files) EXPECT_TRUE(fs::is_regular_file(kDat + file)) << file;
  EXPECT_GE(RecipeNames("stg").size(), 5u);
}

// ---------------------------------------------------------------- master file

class MasterFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::vector<KWRIndexEntry> index;
    std::string text;
    // Weeks 0 to 17 and the season totals.
    ASSERT_EQ(basKWRFileControl::ReadKwrHeader(kMaster, index, text), 18);
    ASSERT_EQ(index.back().Week, 250);
    text_ = text;
    for (const KWRIndexEntry& entry : index) {
      int32_t position = entry.Position;
      KWRBlock block;
      ASSERT_TRUE(basKWRFileControl::ReadKwrBlock(kMaster, block, position)) << entry.Week;
      weeks_.push_back(entry.Week);
      blocks_[entry.Week] = std::move(block);
    }
  }

  static const KWRBioRecord* Bio(const std::string& backName) {
    for (const KWRBioRecord& bio : blocks_.at(0).Bios) {
      if (bio.BackName.substr(0, bio.BackName.find_last_not_of(' ') + 1) == backName) return &bio;
    }
    return nullptr;
  }
  // The player's stats of a week as category -> record.
  static std::map<int, KWRStatRecord> Stats(int32_t masID, int32_t week) {
    std::map<int, KWRStatRecord> stats;
    for (const KWRStatRecord& r : blocks_.at(week).Stats) {
      if (r.MasID == masID) stats[r.Field] = r;
    }
    return stats;
  }

  static inline std::string text_;
  static inline std::vector<int32_t> weeks_;
  static inline std::map<int32_t, KWRBlock> blocks_;
};

TEST_F(MasterFile, IndexesTheRegistrationBlockTheSeventeenWeeksAndTheSeasonTotals) {
  std::vector<int32_t> expected;
  for (int32_t w = 0; w <= 17; ++w) expected.push_back(w);
  expected.push_back(250);
  EXPECT_EQ(weeks_, expected);
  EXPECT_EQ(text_, std::string(60, ' '));
  for (int32_t w : expected) {
    if (w == 0) continue;
    EXPECT_TRUE(blocks_[w].Bios.empty()) << w;
    EXPECT_TRUE(blocks_[w].Modifications.empty()) << w;
    EXPECT_FALSE(blocks_[w].Stats.empty()) << w;
  }
}

// The counts per position are the sample database's test (it holds the
// same players); here the numbering and the order.
TEST_F(MasterFile, RegistersEveryPlayerOnceNumberedByPositionAndName) {
  const auto& bios = blocks_[0].Bios;
  ASSERT_EQ(bios.size(), 1078u);
  for (std::size_t i = 0; i < bios.size(); ++i) {
    EXPECT_EQ(bios[i].MasID, static_cast<int32_t>(i + 1));
    EXPECT_EQ(bios[i].DOB, 0);
    // By position, then by name regardless of case ("Moore, David" before "Moore, DJ").
    if (i > 0 && bios[i - 1].PosID == bios[i].PosID) {
      EXPECT_LE(runtime::CompareNoCase(bios[i - 1].BackName, bios[i].BackName), 0) << i;
    } else if (i > 0) {
      EXPECT_LT(bios[i - 1].PosID, bios[i].PosID) << i;
    }
  }
  EXPECT_EQ(bios.front().BackName.substr(0, 15), "Allen, Brandon ");
  EXPECT_EQ(bios.front().PosID, 2);
  EXPECT_EQ(bios.back().PosID, 6);
}

TEST_F(MasterFile, BiographiesCarryLastNameFirstAndTheLatestTeam) {
  struct Case {
    const char* backName;
    int32_t team;
    int32_t pos;
  };
  const Case cases[] = {
      {"Mahomes, Patrick", 16, 2}, {"Harrison Jr., Marvin", 1, 4},    {"St. Brown, Amon-Ra", 11, 4},
      {"Estimé, Audric", 10, 3},   {"Oginni Hassan, Kehinde", 33, 5}, {"Cooper, Amari", 4, 4},
      {"Boswell, Chris", 27, 6},
  };
  for (const Case& c : cases) {
    const KWRBioRecord* bio = Bio(c.backName);
    ASSERT_NE(bio, nullptr) << c.backName;
    EXPECT_EQ(bio->TeaID, c.team) << c.backName;
    EXPECT_EQ(bio->PosID, c.pos) << c.backName;
  }
  EXPECT_EQ(Bio("Eskridge, D'Wayne"), nullptr);  // renamed during the season
  EXPECT_NE(Bio("Eskridge, Dee"), nullptr);
}

TEST_F(MasterFile, WeeklyStatsAreTheProjectedValuesOfTheirCategories) {
  const struct {
    const char* player;
    int32_t week;
    int32_t team;
    std::map<int, float> stats;
  } cases[] = {
      // projected/1/QB.csv: Patrick Mahomes,2558125,QB,KC,BAL,283.29,2,0.73,22.11,0.12,,,,,,,0.49
      {"Mahomes, Patrick", 1, 16, {{3, 283.29f}, {4, 2.0f}, {5, 0.73f}, {14, 22.11f}, {15, 0.12f}, {71, 0.49f}}},
      // Week 6 is Kansas City's bye: nothing projected.
      {"Mahomes, Patrick", 6, 16, {}},
      // projected/3/WR.csv: Marvin Harrison Jr.,...,ARI,DET,,,,0.43,,4.94,69.53,0.43,,,,0.06
      {"Harrison Jr., Marvin", 3, 1, {{14, 0.43f}, {20, 4.94f}, {21, 69.53f}, {22, 0.43f}, {71, 0.06f}}},
      // projected/1/K.csv: Chris Boswell,...,PIT,@ATL,1.96,0.11,,0.39,0.5,0.39,0.28,,,,
      {"Boswell, Chris", 1, 27, {{31, 1.96f}, {32, 0.11f}, {35, 0.39f}, {37, 0.5f}, {39, 0.39f}, {41, 0.28f}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.player) + " week " + std::to_string(c.week));
    const KWRBioRecord* bio = Bio(c.player);
    ASSERT_NE(bio, nullptr);
    const auto stats = Stats(bio->MasID, c.week);
    ASSERT_EQ(stats.size(), c.stats.size());
    for (const auto& [cat, value] : c.stats) {
      EXPECT_EQ(stats.at(cat).NewValue, value) << cat;
      EXPECT_EQ(stats.at(cat).TeaID, c.team);
      EXPECT_EQ(stats.at(cat).Week, c.week);
    }
  }
}

TEST_F(MasterFile, NegativeMissedKickProjectionsAreLeftOut) {
  // projected/2/K.csv: Joey Slye, NE: PatMade 1.9, PatMissed -1.49, FgMade_50 0.25.
  const auto slye = Stats(Bio("Slye, Joey")->MasID, 2);
  EXPECT_EQ(slye.at(31).NewValue, 1.9f);
  EXPECT_EQ(slye.count(32), 0u);
  EXPECT_EQ(slye.at(41).NewValue, 0.25f);
  for (const auto& [week, block] : blocks_) {
    for (const KWRStatRecord& r : block.Stats) EXPECT_GT(r.NewValue, 0.0f);
  }
}

TEST_F(MasterFile, StatsOfAWeekCarryTheTeamOfThatWeekAndTheSeasonTotalsTheLatestTeam) {
  // Mike Williams is projected for NYJ (25) in weeks 1-9 and for PIT (27)
  // from week 10; his biography names the latest team.
  const KWRBioRecord* williams = Bio("Williams, Mike");
  ASSERT_NE(williams, nullptr);
  EXPECT_EQ(williams->TeaID, 27);
  for (int32_t w : weeks_) {
    if (w == 0) continue;
    const auto stats = Stats(williams->MasID, w);
    EXPECT_FALSE(stats.empty()) << w;
    for (const auto& [cat, r] : stats) EXPECT_EQ(r.TeaID, w <= 9 ? 25 : 27) << w;
  }
}

TEST_F(MasterFile, RegistrationBlockSetsEveryTeamsByeWeek) {
  const auto& mods = blocks_[0].Modifications;
  ASSERT_EQ(mods.size(), 32u);
  for (std::size_t i = 0; i < mods.size(); ++i) {
    EXPECT_EQ(mods[i].MasID, kKwrByeWeekMasID);
    EXPECT_EQ(mods[i].TeaID, i + 1);
    int16_t year = 0;
    EXPECT_TRUE(basKWRFileControl::KwrByeWeekYear(mods[i], year));
    EXPECT_EQ(year, 2024);
  }
  // byes-2024.csv
  EXPECT_EQ(mods[15].Week, 6);  // KC
  EXPECT_EQ(mods[3].Week, 12);  // BUF
  EXPECT_EQ(mods[10].Week, 5);  // DET
}

// Points of the half-PPR system for one player-week, units counted in
// fractions as the cheat-sheet scoring does. The source's projected points
// use the same half-PPR rules, so they are an independent check of the
// mapping of columns onto categories.
double HalfPprPoints(const std::vector<ScoringRuleRecord>& rules, const std::map<int, KWRStatRecord>& stats) {
  double total = 0;
  for (const ScoringRuleRecord& rule : rules) {
    auto it = stats.find(rule.CatID);
    if (it == stats.end() || rule.FieldVal == kThresholdRule) continue;
    const double v = it->second.NewValue;
    if (v < rule.RangeMin || v > rule.RangeMax) continue;
    total += (v - rule.RangeMin) / rule.FieldVal * rule.Points;
  }
  return total;
}

TEST_F(MasterFile, HalfPprPointsOfAPlayerWeekMatchTheSourcesProjection) {
  std::vector<ScoringRuleRecord> rules;
  ASSERT_GT(basSCOFileControl::ReadScoRecords(kDat + "sco/KD-Half PPR.sco", rules), 0);
  // PlayerWeekProjectedPts: Josh Allen week 1 21.14, Marvin Harrison Jr. week 3 11.93.
  EXPECT_NEAR(HalfPprPoints(rules, Stats(Bio("Allen, Josh")->MasID, 1)), 21.14, 0.005);
  EXPECT_NEAR(HalfPprPoints(rules, Stats(Bio("Harrison Jr., Marvin")->MasID, 3)), 11.93, 0.005);
}

// ---------------------------------------------------------------- scoring systems

std::vector<ScoringRuleRecord> ReadRules(const std::string& name) {
  std::vector<ScoringRuleRecord> rules;
  EXPECT_GT(basSCOFileControl::ReadScoRecords(kDat + "sco/" + name, rules), 0) << name;
  return rules;
}

bool SameRule(const ScoringRuleRecord& a, const ScoringRuleRecord& b) {
  return a.Points == b.Points && a.CatID == b.CatID && a.FieldVal == b.FieldVal && a.RangeMin == b.RangeMin &&
         a.RangeMax == b.RangeMax && a.RangeRestrict == b.RangeRestrict && a.ApplyToPos == b.ApplyToPos &&
         a.FDM == b.FDM;
}

TEST(ScoringSystems, StandardIsTheTemplatesOwnScoringSystem) {
  const auto standard = ReadRules("KD-Standard.sco");
  auto db = jet::Database::Open(kDat + "def/Default.pro", jet::Database::Access::kReadOnly);
  auto rs = db->OpenSnapshot(
      "SELECT Points, CatID, FieldVal, RangeMin, RangeMax, RangeRestrict, ApplyToPos FROM tblScoringSystem "
      "ORDER BY ID");
  std::size_t i = 0;
  for (; !rs->Eof(); rs->MoveNext(), ++i) {
    ASSERT_LT(i, standard.size());
    ScoringRuleRecord row;
    row.Points = rs->Field(0).AsSingle();
    row.CatID = rs->Field(1).AsLong();
    row.FieldVal = rs->Field(2).AsSingle();
    row.RangeMin = rs->Field(3).AsSingle();
    row.RangeMax = rs->Field(4).AsSingle();
    row.RangeRestrict = static_cast<int16_t>(rs->Field(5).AsLong());
    row.ApplyToPos = rs->Field(6).AsLong();
    EXPECT_TRUE(SameRule(standard[i], row)) << "rule " << i;
  }
  EXPECT_EQ(i, standard.size());
  EXPECT_EQ(i, 29u);
}

TEST(ScoringSystems, ReceptionSystemsAddOnlyTheirPointsPerReception) {
  const auto standard = ReadRules("KD-Standard.sco");
  for (const auto& [file, points] :
       std::vector<std::pair<std::string, float>>{{"KD-Half PPR.sco", 0.5f}, {"KD-PPR.sco", 1.0f}}) {
    auto rules = ReadRules(file);
    ASSERT_EQ(rules.size(), standard.size() + 1) << file;
    auto reception =
        std::find_if(rules.begin(), rules.end(), [](const ScoringRuleRecord& r) { return r.CatID == 20; });
    ASSERT_NE(reception, rules.end()) << file;
    EXPECT_EQ(reception->Points, points);
    EXPECT_EQ(reception->FieldVal, 1.0f);
    EXPECT_EQ(reception->RangeMin, 0.0f);
    EXPECT_EQ(reception->RangeMax, 99999.0f);
    EXPECT_EQ(reception->ApplyToPos, 2);  // all positions
    EXPECT_EQ(reception->FDM, 0);
    rules.erase(reception);
    for (std::size_t i = 0; i < rules.size(); ++i)
      EXPECT_TRUE(SameRule(rules[i], standard[i])) << file << " " << i;
  }
}

// ---------------------------------------------------------------- strategies

clsDraftStrategy LoadStrategy(const std::string& name) {
  clsDraftStrategy strategy;
  strategy.SetFilePath(kDat + "stg/");
  strategy.SetFileName(name + ".stg");
  std::string error;
  EXPECT_TRUE(strategy.LoadDraftStrategy(&error)) << name << ": " << error;
  return strategy;
}

TEST(DraftStrategies, DefaultFillsItsLineUpByStarterValueThenTheBenchByRosterValue) {
  const clsDraftStrategy s = LoadStrategy("KD-RBL Default");
  EXPECT_EQ(fs::file_size(kDat + "stg/KD-RBL Default.stg"), 40u + s.Description().size() + 3 * 192u);
  ASSERT_EQ(s.Count(), 3);
  const int32_t kicker = 6;
  struct Rule {
    int32_t beg, end, method, compare, inclusion, position;
  };
  const Rule rules[] = {{1, 8, 1, 2, 1, kicker},   // Starters Only, Starter Value, no kicker
                        {9, 13, 0, 1, 1, kicker},  // Open Roster, Roster Value, no kicker
                        {14, clsDraftStrategy::kLastPick, 0, 1, 0, clsDraftStrategy::kAnyPositionID}};
  for (int32_t r = 0; r < 3; ++r) {
    EXPECT_EQ(s.BegPick(r), rules[r].beg) << r;
    EXPECT_EQ(s.EndPick(r), rules[r].end) << r;
    EXPECT_EQ(s.Method(r), rules[r].method) << r;
    EXPECT_EQ(s.Compare(r), rules[r].compare) << r;
    EXPECT_EQ(s.Inclusion(r), rules[r].inclusion) << r;
    EXPECT_EQ(s.PosInclusionIDs(r)[0], rules[r].position) << r;
    EXPECT_EQ(s.PosInclusionIDs(r)[1], 0) << r;
    EXPECT_FALSE(s.NoByeConflict(r)) << r;
    for (int32_t flag = 0; flag <= 2; ++flag) EXPECT_FALSE(s.UsingFactor(r, flag)) << r;
  }
}

TEST(DraftStrategies, TogetherTheyUseEveryPickMethodAndEachEndsOnAPlainRule) {
  std::set<int32_t> methods;
  for (const std::string& name : RecipeNames("stg")) {
    const clsDraftStrategy s = LoadStrategy(name);
    ASSERT_GT(s.Count(), 0) << name;
    EXPECT_FALSE(s.Description().empty()) << name;
    for (int32_t r = 0; r < s.Count(); ++r) {
      methods.insert(s.Method(r));
      std::string message;
      EXPECT_TRUE(s.IsPositionValid(r, message)) << name << " rule " << r << message;
      // Only the positions every bundled league has a place for: the pick
      // filter cannot look up others.
      for (int32_t id : s.PosInclusionIDs(r)) EXPECT_TRUE(id >= 0 && id <= 6) << name << " " << id;
      if (r > 0) {
        EXPECT_EQ(s.BegPick(r), s.EndPick(r - 1) + 1) << name << " rule " << r;
      }
    }
    // A look-ahead that finds nothing moves on to the next rule, so the last
    // rule must pick by itself and cover every later pick.
    const int32_t last = s.Count() - 1;
    EXPECT_TRUE(s.Method(last) != 3 && s.Method(last) != 4 && s.Method(last) != 7) << name;
    EXPECT_EQ(s.EndPick(last), clsDraftStrategy::kLastPick) << name;
  }
  EXPECT_EQ(methods, (std::set<int32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
}

// ---------------------------------------------------------------- leagues

clsLeagueIsolate LoadLeague(const std::string& name) {
  clsLeagueIsolate league;
  league.SetFilePath(kDat + "lgp/");
  league.SetFileName(name);
  EXPECT_TRUE(league.LoadLeagueProps()) << name;
  return league;
}

TEST(Leagues, TenAndTwelveTeamsDraftSerpentineWithACreatedOrder) {
  struct Case {
    const char* file;
    int32_t teams;
    int32_t rounds;
  };
  for (const Case& c : {Case{"KD-10 Team League.lgp", 10, 16}, Case{"KD-12 Team League.lgp", 12, 15}}) {
    const clsLeagueIsolate league = LoadLeague(c.file);
    EXPECT_EQ(league.TeamCount(), c.teams) << c.file;
    EXPECT_EQ(league.DraftRounds(), c.rounds) << c.file;
    EXPECT_EQ(league.DraftStyle(), 0) << c.file;
    EXPECT_EQ(league.CreatedTeamCount(), c.teams) << c.file;
    EXPECT_EQ(league.CreatedDraftRounds(), c.rounds) << c.file;
    ASSERT_EQ(league.PickCount(), c.teams * c.rounds) << c.file;
    // Round 1 runs 1..n, round 2 back from n, so the ends pick twice in a row.
    EXPECT_EQ(league.Pick(0), 1);
    EXPECT_EQ(league.Pick(c.teams - 1), c.teams);
    EXPECT_EQ(league.Pick(c.teams), c.teams);
    EXPECT_EQ(league.Pick(2 * c.teams - 1), 1);
    EXPECT_EQ(league.Pick(2 * c.teams), 1);
    for (int32_t team = 1; team <= c.teams; ++team) {
      EXPECT_EQ(league.TeamName(team).substr(0, 8),
                "Team " + std::to_string(team) + std::string(team < 10 ? 2 : 1, ' '));
      const std::string strategy =
          league.Strategy(team).substr(0, league.Strategy(team).find_last_not_of(' ') + 1);
      EXPECT_TRUE(fs::is_regular_file(kDat + "stg/" + strategy)) << c.file << " " << strategy;
    }
  }
}

TEST(Leagues, RosterLimitsCoverTheFiveOffensivePositionsWithBenchPlaces) {
  for (const auto& [file, roster] : std::vector<std::pair<std::string, int32_t>>{
           {"KD-10 Team League.lgp", 16}, {"KD-12 Team League.lgp", 15}}) {
    SCOPED_TRACE(file);
    const clsLeagueIsolate league = LoadLeague(file);
    // As the league editor saves: an empty record, then every template
    // position in display order.
    ASSERT_EQ(league.RosterSizeCount(), 18);
    EXPECT_EQ(league.RosterPosID(0), 0);
    EXPECT_EQ(league.RosterPosID(1), 1);
    EXPECT_EQ(league.RosterPosID(6), 6);
    EXPECT_EQ(league.RosterPosID(7), 17);  // DST comes seventh in display order
    EXPECT_EQ(league.RosterMax(1), roster);
    // A flex place lets a running back or a receiver start: the line-up holds
    // more than the sum of the starter minimums and less than that of the maximums.
    int32_t starterMins = 0, starterMaxes = 0, minimums = 0;
    for (int32_t pos = 2; pos <= 6; ++pos) {
      EXPECT_GE(league.RosterMin(pos), 1) << pos;
      EXPECT_EQ(league.RosterMin(pos), league.StarterMin(pos)) << pos;
      EXPECT_LE(league.StarterMin(pos), league.StarterMax(pos)) << pos;
      EXPECT_LE(league.StarterMax(pos), league.RosterMax(pos)) << pos;
      EXPECT_EQ(league.MergeAsID(pos), pos);
      starterMins += league.StarterMin(pos);
      starterMaxes += league.StarterMax(pos);
      minimums += league.RosterMin(pos);
    }
    EXPECT_LT(starterMins, league.StarterMax(1));
    EXPECT_LT(league.StarterMax(1), starterMaxes);
    EXPECT_LT(league.StarterMax(1), roster);  // bench places
    EXPECT_LE(minimums, roster);
    for (int32_t pos = 7; pos <= 17; ++pos) {
      EXPECT_EQ(league.RosterMax(pos), 0) << pos;
      EXPECT_EQ(league.MergeAsID(pos), pos);
    }
    std::vector<LGPRosterSizeRecord> records;
    for (int32_t i = 0; i < league.RosterSizeCount(); ++i) {
      const int32_t pos = league.RosterPosID(i);
      records.push_back({pos, league.MergeAsID(pos), league.RosterMin(pos), league.RosterMax(pos),
                         league.StarterMin(pos), league.StarterMax(pos)});
    }
    EXPECT_TRUE(basLGPFileControl::HasAllRosterMax(records));
  }
}

// ---------------------------------------------------------------- display grids

// Every grid the program opens by name: the defaults of each grid kind, the
// projected-stats page's grids per position (settings 5 to 25) and the grid
// that page opens with.
std::set<std::string> GridsLookedUpByName() {
  std::set<std::string> names = {"Offensive - Full Stats.dis"};
  for (int32_t kind = 1; kind <= 10; ++kind) names.insert(basGridValidation::DefaultDisplayGridFile(kind));
  for (int32_t setting = 5; setting <= 25; ++setting) {
    names.insert(basMockDraftSettings::DefaultSettings()[static_cast<std::size_t>(setting)]);
  }
  return names;
}

TEST(DisplayGrids, EveryGridLookedUpByNamePassesTheGridCheckInBothFolders) {
  auto db = jet::Database::Open(kDat + "def/Default.pro", jet::Database::Access::kReadOnly);
  std::map<int32_t, int32_t> formatTypeOfCategory, displayTypeOfFormat;
  for (auto rs = db->OpenSnapshot("SELECT ID, FormatType FROM tblStatCategories"); !rs->Eof();
       rs->MoveNext()) {
    formatTypeOfCategory[rs->Field(0).AsLong()] = rs->Field(1).AsLong();
  }
  for (auto rs = db->OpenSnapshot("SELECT ID, DisplayType FROM tblDisplayFormat"); !rs->Eof();
       rs->MoveNext()) {
    displayTypeOfFormat[rs->Field(0).AsLong()] = rs->Field(1).AsLong();
  }
  const std::set<std::string> names = GridsLookedUpByName();
  EXPECT_EQ(names.size(), 14u);
  for (const std::string& name : names) {
    for (const char* folder : {"dis/", "def/"}) {
      clsDisplayGridIsolate grid;
      ASSERT_TRUE(grid.OpenFile(kDat + folder + name)) << folder << name;
      std::vector<basGridValidation::DisplayGridColumn> columns;
      for (int32_t c = 0; c <= grid.ColumnMax(); ++c) {
        columns.push_back({grid.TableFieldID(c), grid.ColumnWidth(c)});
        EXPECT_EQ(grid.OrderNumber(c), c + 1) << name;
        ASSERT_EQ(formatTypeOfCategory.count(grid.TableFieldID(c)), 1u) << name << " column " << c;
        EXPECT_EQ(displayTypeOfFormat[grid.Decimals(c)], formatTypeOfCategory[grid.TableFieldID(c)])
            << name << " column " << c;
        EXPECT_TRUE(grid.Align(c) == 1 || grid.Align(c) == 4 || grid.Align(c) == 7) << name;
      }
      std::string message;
      EXPECT_TRUE(basGridValidation::CheckDisplayGridColumns(columns, message)) << name << ": " << message;
    }
    EXPECT_EQ(kdtest::ReadFile(kDat + "dis/" + name), kdtest::ReadFile(kDat + "def/" + name)) << name;
  }
}

TEST(DisplayGrids, UserMockPageGridsStartWithTheHiddenPlayerKey) {
  for (int32_t kind : {7, 8, 9}) {
    clsDisplayGridIsolate grid;
    ASSERT_TRUE(grid.OpenFile(kDat + "def/" + basGridValidation::DefaultDisplayGridFile(kind)));
    EXPECT_EQ(grid.TableFieldID(0), 118) << kind;
    EXPECT_EQ(grid.ColumnWidth(0), 0) << kind;
  }
  // The available players sort by roster value: the first column of category 86.
  clsDisplayGridIsolate available;
  ASSERT_TRUE(available.OpenFile(kDat + "def/UserMock - Available.dis"));
  EXPECT_NE(available.OrderNumberWTableFieldID(86), 0);
}

TEST(DisplayGrids, TheSmallRosterHasTheExactHeaderAndColumnsOfItsRecipe) {
  const std::string bytes = kdtest::ReadFile(kDat + "def/UserMock - Small Roster.dis");
  ASSERT_EQ(bytes.size(), 92u + 6 * 109);
  EXPECT_EQ(bytes.substr(0, 30), "Vellacorn Display Grid        ");
  EXPECT_EQ(bytes.substr(30, 12), std::string("\x01\0\0\0\x06\0\0\0\0\0\0\0", 12));
  EXPECT_EQ(bytes.substr(42, 50), "UserMock - Small Roster.dis" + std::string(23, ' '));
  // Column 1: category 51, order 2, 160 pixels, "[MockTeam]" / "Player",
  // format 13 (Last, First), left.
  const std::string col = bytes.substr(92 + 109, 109);
  EXPECT_EQ(col.substr(0, 7), std::string("\x33\0\0\0\x02\xA0\0", 7));
  EXPECT_EQ(col.substr(7, 50), "[MockTeam]" + std::string(40, ' '));
  EXPECT_EQ(col.substr(57, 50), "Player" + std::string(44, ' '));
  EXPECT_EQ(col.substr(107, 2), std::string("\x0D\x01", 2));
}

// ---------------------------------------------------------------- sample project

TEST(SampleProject, NamesTheTwelveTeamLeagueHalfPprAndTheDefaultProjectedStatsFile) {
  clsINIFile ini;
  ini.SetFilePath(kDat + "kdp/");
  ini.SetFileName("KD-Sample 2024.kdp");
  ini.SetHeader("Kickwell Draftyard Project");
  EXPECT_EQ(ini.Value("League Properties File", "?"), "KD-12 Team League.lgp");
  EXPECT_EQ(ini.Value("Scoring System File", "?"), "KD-Half PPR.sco");
  EXPECT_TRUE(fs::is_regular_file(kDat + "lgp/KD-12 Team League.lgp"));
  EXPECT_TRUE(fs::is_regular_file(kDat + "sco/KD-Half PPR.sco"));
  EXPECT_EQ(ini.Value("Projected Stats File", "?"),
            basMockDraftSettings::DefaultSettings()[kSetDefaultProjectedStats]);
  EXPECT_TRUE(fs::is_regular_file(kDat + "pro/" + ini.Value("Projected Stats File", "?")));
  // No output target of the build machine: the user's own defaults apply.
  for (const char* key : {"Cheat Sheet Target", "Mock Draft Targer", "Export File Target"}) {
    EXPECT_EQ(ini.Value(key, "(default)"), "(default)") << key;
  }
}

// ---------------------------------------------------------------- distribution maps

TEST(DistributionMaps, PassingYardsCountTheQuarterbackGamesOfWeeksOneToSixteen) {
  // 573 QB rows of actual/1..16 have a stat; the longest game is 509 yards;
  // the lower and upper quartiles are 137 and 264 yards.
  clsFreqDistribution map;
  ASSERT_TRUE(map.LoadDistribution(kDat + "def/3-FDM.txt"));
  EXPECT_EQ(map.Count(), 510);
  EXPECT_EQ(map.AvgRange(), 127.0);
  double total = 0;
  for (int32_t i = 0; i < map.Count(); ++i) total += map.Frequency(i);
  EXPECT_EQ(total, 573.0);
  EXPECT_EQ(map.Frequency(509), 1.0);
}

TEST(DistributionMaps, EveryMapSpreadsASeasonTotalOverSixteenGamesThatAddUpToIt) {
  const std::map<int32_t, double> seasons = {{3, 4183.0}, {4, 31.0},  {5, 11.0},    {14, 1204.0},
                                             {15, 9.0},   {20, 84.0}, {21, 1290.0}, {22, 8.0},
                                             {31, 40.0},  {43, 31.0}, {71, 3.0}};
  for (const bundle::DistributionMapPlan& plan : bundle::DistributionMapPlans()) {
    ASSERT_EQ(seasons.count(plan.catID), 1u) << plan.catID;
    const double season = seasons.at(plan.catID);
    clsFreqDistribution map;
    ASSERT_TRUE(map.LoadDistribution(kDat + "def/" + std::to_string(plan.catID) + "-FDM.txt")) << plan.catID;
    map.CreateBaseMap(16.0, 1.0);
    ASSERT_TRUE(map.MapDistribution(season)) << plan.catID;
    double sum = 0;
    for (int32_t i = 0; i < 16; ++i) {
      EXPECT_GE(map.MapValue(i), 0.0) << plan.catID;
      sum += runtime::RoundHalfEven(map.MapValue(i));
    }
    EXPECT_EQ(sum, season) << plan.catID;
  }
}

}  // namespace
