// Whole drafts over the bundled 2024 sample database, pick for pick: leagues
// and strategies built here (every pick method, compare value and factor,
// both draft styles, bye-week checks on and off, the look-aheads) are drafted
// by the automatic mock draft, and the cheat sheet is ranked, and each result
// is compared with the fingerprint recorded in SampleBoards.txt. A change
// meant to leave the engine's results as they are must leave every line as
// it is.
//
// KD_RECORD_BOARDS=<file> writes the fingerprints of the current code to
// that file instead of comparing.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "LeagueBuilder.h"
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

namespace fs = std::filesystem;
using kdtest::RulePlan;
using kdtest::kAll, kdtest::kQB, kdtest::kRB, kdtest::kWR, kdtest::kTE, kdtest::kK;

namespace {

const std::string kDat = std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat/";
const std::string kExpected = std::string(KD_SOURCE_DIR) + "/tests/bundled_tree/SampleBoards.txt";

using M = clsMockRoster;

// Strategies by name; teams cycle through a scenario's list.
const std::map<std::string, std::vector<RulePlan>>& Strategies() {
  static const std::map<std::string, std::vector<RulePlan>> strategies{
      {"points", {{}}},
      {"value", {{.compare = M::kRosterValue, .lrtr = true}}},
      {"starters", {{.end = 6, .method = M::kStartersOnly, .compare = M::kStarterValue}, {.compare = M::kRosterValue}}},
      {"ratio", {{.method = M::kMatchPosRatio, .compare = M::kRosterValue, .lrtr = true, .injury = true, .x = true}}},
      {"minimums",
       {{.end = 5, .method = M::kStarterMinPlus1, .compare = M::kRosterValue},
        {.end = 9, .method = M::kStarterMinPlus2, .compare = M::kStarterValue},
        {.compare = M::kRosterValue}}},
      {"receivers",
       {{.end = 3, .compare = M::kRosterValue, .ids = {kWR, kTE}},
        {.end = 12, .compare = M::kRosterValue, .inclusion = 1, .ids = {kK}, .noByeConflict = true},
        {.compare = M::kFullPoints}}},
      {"adp", {{.end = 8, .compare = M::kADP}, {.compare = M::kADP}}},
      {"rosterGL", {{.end = 4, .method = M::kRosterPotGL, .compare = M::kRosterValue}, {.compare = M::kRosterValue}}},
      {"starterGL",
       {{.end = 3, .method = M::kStarterPotGL, .compare = M::kStarterValue}, {.compare = M::kRosterValue}}},
      {"equilibrium",
       {{.end = 2, .method = M::kEquilibrium, .compare = M::kRosterValue}, {.compare = M::kRosterValue}}},
  };
  return strategies;
}

// Factor tables every strategy carries (used only by rules that ask).
const std::vector<kdtest::FactorPlan> kFactors{{2, kQB, 0.8}, {2, kRB, 1.15}, {1, kWR, 0.9}, {1, kK, 0.5}};

struct Scenario {
  std::string name;
  int32_t teams = 12;
  int32_t rounds = 16;
  int32_t style = 0;
  // Team 1's strategy when it looks ahead; the others draft by kPlain in turn.
  std::string lookAhead;
  bool byeChecks = false;
  int32_t depth = 2;
  std::string scoring = "KD-Half PPR.sco";
};

const std::vector<std::string> kPlain{"points", "value", "starters", "ratio", "minimums", "receivers", "adp"};

const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> scenarios{
      {.name = "twelve-serpentine"},
      {.name = "twelve-cyclic-byes", .style = 1, .byeChecks = true, .scoring = "KD-PPR.sco"},
      {.name = "eight-by-thirty", .teams = 8, .rounds = 30, .scoring = "KD-Standard.sco"},
      {.name = "twenty-by-sixteen-byes", .teams = 20, .byeChecks = true},
      {.name = "roster-gain-loss", .lookAhead = "rosterGL", .byeChecks = true},
      {.name = "starter-gain-loss", .teams = 10, .style = 1, .lookAhead = "starterGL"},
      {.name = "equilibrium-depth-2", .teams = 8, .lookAhead = "equilibrium"},
      {.name = "equilibrium-depth-3", .teams = 6, .rounds = 12, .lookAhead = "equilibrium",
       .byeChecks = true, .depth = 3},
  };
  return scenarios;
}

// FNV-1a over the text: the fingerprint of a result.
std::string Fingerprint(const std::string& text) {
  uint64_t hash = 1469598103934665603ULL;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  char out[17];
  std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(hash));
  return out;
}

std::string Exact(double value) {
  char out[32];
  std::snprintf(out, sizeof out, "%.17g", value);
  return out;
}

std::string BoardText(const clsMockDraft& mock) {
  std::ostringstream text;
  for (int32_t k = 0; k <= mock.Count(); ++k)
    text << mock.MasterID(k) << ' ' << mock.DraftOwner(k) << ' ' << mock.Position(k) << ' '
         << Exact(mock.Points(k)) << ' ' << Exact(mock.BaseLine(k)) << ' ' << mock.PlayerName(k) << ' '
         << mock.DraftPosition(k) << '\n';
  return text.str();
}

std::string RosterText(const clsMockRoster& roster) {
  std::string text;
  for (int32_t slot = 1; slot <= roster.StackMax(); ++slot) text += kdtest::StackText(roster.Stack(slot));
  return text;
}

class SampleBoards : public ::testing::Test {
 protected:
  static void TearDownTestSuite() {
    if (const char* path = std::getenv("KD_RECORD_BOARDS")) {
      std::ofstream out(path);
      for (const auto& [name, line] : Recorded()) out << name << ' ' << line << '\n';
    }
  }

  static std::map<std::string, std::string>& Recorded() {
    static std::map<std::string, std::string> recorded;
    return recorded;
  }

  void SetUp() override {
    for (const char* folder : {"kdp", "sco", "pro", "def"})
      fs::copy(kDat + folder, work_.File(folder), fs::copy_options::recursive);
    basMockDraftSettings::TerminateSettings();
    basMockItUp::InitFileTypeTable(work_.Path());
    ReleaseGlobalProject();
    ASSERT_TRUE(GlobalProject().OpenFile("KD-Sample 2024.kdp"));
    for (const char* folder : {"lgp", "stg"}) fs::create_directories(work_.File(folder));
    for (const auto& [name, rules] : Strategies()) {
      clsMockRoster scratch;
      kdtest::GiveStrategy(scratch, FileTypeFolder.at(kPageDraftStrategies) + name + ".stg", rules, kFactors);
    }
    for (int32_t id : {1, 2, 3, 4, 5, 7, 8}) status_.AddSegment(id, 10.0f);
  }
  void TearDown() override {
    db_.pSbCloseKickwellDB();
    ReleaseGlobalProject();
    basMockDraftSettings::TerminateSettings();
  }

  void WriteLeague(const Scenario& s) {
    clsLeagueIsolate league;
    league.SetFilePath(FileTypeFolder.at(kPageLeagueProperties));
    league.SetFileName(s.name + ".lgp");
    league.SetTeamCount(s.teams);
    for (int32_t t = 1; t <= s.teams; ++t) {
      league.SetTeamName(t, "Team " + std::to_string(t));
      const std::string& plain = kPlain[static_cast<std::size_t>(t - 1) % kPlain.size()];
      league.SetStrategy(t, (t == 1 && !s.lookAhead.empty() ? s.lookAhead : plain) + ".stg");
    }
    league.SetDraftRounds(s.rounds);
    league.SetDraftStyle(s.style);
    // MergeAsID, PosID, RosterMax, RosterMin, StarterMax, StarterMin.
    league.AddRosterPositionSize(kAll, kAll, s.rounds, 0, 0, 0);
    league.AddRosterPositionSize(kQB, kQB, 3, 1, 1, 1);
    league.AddRosterPositionSize(kRB, kRB, s.rounds / 3, 2, 2, 2);
    league.AddRosterPositionSize(kWR, kWR, s.rounds / 3, 2, 3, 3);
    league.AddRosterPositionSize(kTE, kTE, 2, 1, 1, 1);
    league.AddRosterPositionSize(kK, kK, 2, 1, 1, 1);
    ASSERT_TRUE(league.SaveLeagueProps());
    GlobalProject().SetValue(kProjLeaguePropertiesFile, league.FileName());
    GlobalProject().SetValue(kProjScoringSystemFile, s.scoring);
    clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
    settings.SetBoolVal(kSetCheckByeConflicts, s.byeChecks);
    settings.SetLongVal(kSetEquilibriumDepth, s.depth);
  }

  // Compares the result with its recorded fingerprint (or records it).
  void Check(const std::string& name, bool ok, const std::string& text) {
    const std::string line = (ok ? "ok " : "failed ") + Fingerprint(text);
    if (std::getenv("KD_RECORD_BOARDS")) {
      Recorded()[name] = line;
      return;
    }
    std::ifstream in(kExpected);
    std::string key, expected;
    for (std::string rest; in >> key && std::getline(in, rest);)
      if (key == name) expected = rest.substr(1);
    EXPECT_EQ(line, expected) << name << " drafted differently:\n" << text;
  }

  kdtest::TempDir work_;
  kdtest::ScopedFakeSeams seams_;
  clsStatusPlain status_;
  clsMockDraft mock_;
  clsKickwellDB db_;
};

class SampleBoardsDraft : public SampleBoards, public ::testing::WithParamInterface<Scenario> {};

TEST_P(SampleBoardsDraft, DraftsEveryPickAsRecorded) {
  const Scenario& s = GetParam();
  WriteLeague(s);
  const bool ok = basMockDraftCalculation::CalculateMockDraft(status_, mock_, db_);
  EXPECT_TRUE(seams_.messages.messages.empty()) << seams_.messages.messages.front().text;
  Check(s.name, ok, BoardText(mock_));
}

INSTANTIATE_TEST_SUITE_P(Leagues, SampleBoardsDraft, ::testing::ValuesIn(Scenarios()),
                         [](const auto& param) {
                           std::string name = param.param.name;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

TEST_F(SampleBoards, CheatSheetStacksAsRecorded) {
  WriteLeague(Scenarios().front());
  clsMockRoster roster;
  const bool ok = basMockDraftCalculation::CalculateCheatSheet(status_, mock_, roster, db_);
  Check("cheat-sheet", ok, RosterText(roster));
}

}  // namespace
