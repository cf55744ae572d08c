#include "DraftHarness.h"

#include <algorithm>
#include <filesystem>

#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "engine/basMockDraftCalculation.h"

namespace kdtest {

std::ostream& operator<<(std::ostream& out, const BoardPick& p) {
  return out << "{" << p.masterID << ", team " << p.owner << ", pos " << p.posID << ", " << p.points << ", "
             << p.baseline << "}";
}

void DraftHarness::SetUp() {
  basMockDraftSettings::TerminateSettings();
  Settings().SetBoolVal(kSetCheckByeConflicts, false);
  basMockItUp::InitFileTypeTable(work.Path());
  ReleaseGlobalProject();
  GlobalProject().SetValue(kProjAdditionalPlayers, "1");
  strategies = FileTypeFolder.at(static_cast<std::size_t>(kPageDraftStrategies));
  std::filesystem::create_directories(strategies);
  WriteStrategy("points.stg", {{}});
  WriteStrategy("value.stg", {{.compare = clsMockRoster::kRosterValue}});
  WriteStrategy("receiver.stg", {{.beg = 1, .end = 1, .ids = {kWR}}, {.beg = 2}});
  for (int32_t id : {1, 2, 3, 4, 5, 6, 8, 10}) status.AddSegment(id, 10.0f);
}

void DraftHarness::TearDown() {
  ReleaseGlobalProject();
  basMockDraftSettings::TerminateSettings();
}

clsSettingsKD& DraftHarness::Settings() { return basMockDraftSettings::GlobalSettings(); }

void DraftHarness::WriteStrategy(const std::string& name, const std::vector<RulePlan>& rules) {
  clsMockRoster scratch;
  GiveStrategy(scratch, strategies + name, rules);
}

void DraftHarness::League(const std::vector<std::string>& files, const RowsByPosition& rows,
                          const std::vector<LGPRosterSizeRecord>& records, int32_t style) {
  mock.SetOwnerCount(static_cast<int32_t>(files.size()));
  mock.SetDraftRounds(2);
  mock.SetDraftStyle(style);
  for (std::size_t t = 0; t < files.size(); ++t)
    mock.SetDraftStrategyFile(static_cast<int32_t>(t) + 1, FixedLengthText(files[t], 50));
  ASSERT_TRUE(basMockDraftCalculation::BuildTeamRosters(status, FillFromRows(rows), mock, rosters, records));
}

bool DraftHarness::Run(const std::vector<int32_t>& order) {
  return basMockDraftCalculation::RunMockDraftPicks(status, mock, order, rosters, lists, names, boardIndex);
}

std::vector<BoardPick> DraftHarness::Board() const {
  std::vector<BoardPick> out;
  for (int32_t k = 0; k <= mock.Count(); ++k)
    out.push_back({mock.MasterID(k), mock.DraftOwner(k), mock.Position(k), mock.Points(k), mock.BaseLine(k)});
  return out;
}

std::vector<std::pair<int32_t, int32_t>> DraftHarness::PlayersAndOwners() const {
  std::vector<std::pair<int32_t, int32_t>> out;
  for (int32_t k = 0; k <= mock.Count(); ++k) out.emplace_back(mock.MasterID(k), mock.DraftOwner(k));
  return out;
}

int DraftHarness::CaptionCount(const std::string& text) const {
  return static_cast<int>(
      std::count(seams.progress.log.begin(), seams.progress.log.end(), "BottomText " + text));
}

}  // namespace kdtest
