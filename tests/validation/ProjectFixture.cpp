#include "ProjectFixture.h"

#include <filesystem>

#include "DatabaseFixtures.h"
#include "core/basColourScheme.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "user_mock/clsUserMockIsolate.h"

namespace kdtest {

void ValidationLines::Attach(clsProjectValidation& validation) {
  validation.SetListValid([this](const std::string& line) { valid.push_back(line); });
  validation.SetListWarning([this](const std::string& line) { warning.push_back(line); });
  validation.SetListError([this](const std::string& line) { error.push_back(line); });
}

void ProjectTest::SetUp() {
  basColourScheme::SetColourScheme();
  basMockDraftSettings::TerminateSettings();
  basMockItUp::InitFileTypeTable(work.Path());
  for (const std::string& folder : basMockItUp::WorkSubFolderNames())
    std::filesystem::create_directories(work.File(folder));
  ReleaseGlobalProject();
  GlobalProject().SetFileName("Spring.kdp");
  lines.Attach(validation);
}

void ProjectTest::TearDown() {
  ReleaseGlobalProject();
  basMockDraftSettings::TerminateSettings();
}

void ProjectTest::Name(int32_t key, const std::string& name) { GlobalProject().SetValue(key, name); }

void ProjectTest::WriteDefaultDatabase() { WriteTemplateDatabase(Work("def/Default.pro")); }

void ProjectTest::WriteProjectedStats(const std::string& name, int32_t players) {
  const std::string path = Work("pro/" + name);
  WriteTemplateDatabase(path);
  for (int32_t i = 1; i <= players; ++i) {
    const int id = AddTestPlayer(path, 1000 + i, "Player, No" + std::to_string(i), 1, 2 + i % 4);
    AddTestStat0(path, id, 250, 2024, 100.0 + i, 1);
  }
}

void ProjectTest::WriteStrategy(const std::string& name, const std::vector<RulePlan>& rules) {
  clsDraftStrategy strategy;
  strategy.SetFilePath(Work("stg/"));
  strategy.SetFileName(name);
  strategy.SetDescription("test");
  strategy.SetCount(static_cast<int32_t>(rules.size()));
  for (std::size_t k = 0; k < rules.size(); ++k) {
    const auto r = static_cast<int32_t>(k);
    strategy.SetBegPick(r, rules[k].begPick);
    strategy.SetEndPick(r, rules[k].endPick);
    strategy.SetMethod(r, rules[k].method);
    strategy.SetCompare(r, rules[k].compare);
    for (int32_t id : rules[k].positions) strategy.AddPositionID(r, id);
  }
  ASSERT_TRUE(strategy.SaveDraftStrategy());
}

void ProjectTest::WriteLeague(const std::string& name, const std::vector<TeamPlan>& teams, int32_t rounds,
                              const std::vector<int32_t>& order, const std::vector<RosterPlan>& rosters,
                              int32_t createdTeamCount, int32_t createdRounds) {
  clsLeagueIsolate league;
  league.SetFilePath(Work("lgp/"));
  league.SetFileName(name);
  league.SetTeamCount(static_cast<int32_t>(teams.size()));
  for (std::size_t k = 0; k < teams.size(); ++k) {
    league.SetTeamName(static_cast<int32_t>(k) + 1, teams[k].name);
    league.SetStrategy(static_cast<int32_t>(k) + 1, teams[k].strategy);
  }
  league.SetDraftRounds(rounds);
  league.SetPickCount(static_cast<int32_t>(order.size()));
  for (std::size_t k = 0; k < order.size(); ++k) league.SetPick(static_cast<int32_t>(k), order[k]);
  if (!order.empty()) {
    league.SetCreatedDraftRounds(createdRounds >= 0 ? createdRounds : rounds);
    league.SetCreatedTeamCount(createdTeamCount >= 0 ? createdTeamCount : static_cast<int32_t>(teams.size()));
  }
  for (const RosterPlan& r : rosters)
    league.AddRosterPositionSize(r.mergeAsID, r.posID, r.rosterMax, r.rosterMin, r.starterMax, r.starterMin);
  ASSERT_TRUE(league.SaveLeagueProps());
}

void ProjectTest::WriteUserMock(const std::string& name, const std::vector<TeamPlan>& owners, int32_t rounds,
                                const std::vector<int32_t>& board) {
  clsUserMockIsolate ugm;
  ugm.SetFilePath(Work("ugm/"));
  ugm.SetFileName(name);
  ugm.SetDraftRounds(rounds);
  ugm.SetOwnerCount(static_cast<int32_t>(owners.size()));
  for (std::size_t k = 0; k < owners.size(); ++k) {
    ugm.SetOwnerID(static_cast<int32_t>(k), static_cast<int32_t>(k) + 1);
    ugm.SetOwnerName(static_cast<int32_t>(k), owners[k].name);
    ugm.SetOwnerStrategy(static_cast<int32_t>(k), owners[k].strategy);
  }
  ugm.SetBoardCount(static_cast<int32_t>(board.size()));
  for (std::size_t k = 0; k < board.size(); ++k) ugm.SetBoardOwnerID(static_cast<int32_t>(k), board[k]);
  ASSERT_TRUE(ugm.SaveUserMock());
}

}  // namespace kdtest
