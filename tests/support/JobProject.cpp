#include "JobProject.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "DatabaseFixtures.h"
#include "LeagueBuilder.h"
#include "core/PageCode.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "engine/clsMockRoster.h"

namespace kdtest {

namespace {

std::string Folder(int32_t pageCode) {
  const std::string folder = FileTypeFolder.at(static_cast<std::size_t>(pageCode));
  std::filesystem::create_directories(folder);
  return folder;
}

struct SeasonRow {
  int32_t masterID;
  const char* name;
  int32_t posID;
  int32_t teamID;
  int32_t rushingYards;
  double stalePoints;
};

// Teams 1 ARI, 2 ATL, 3 BAL (bye weeks 11, 12, 14).
const SeasonRow kSeason[] = {
    {101, "Able, Al", kQB, 1, 300, 1},  {102, "Baker, Bo", kQB, 2, 290, 1},
    {103, "Cole, Cy", kQB, 3, 200, 1},  {104, "Dunn, Di", kQB, 1, 100, 999},
    {201, "Ellis, Ed", kRB, 2, 260, 1}, {202, "Ford, Fay", kRB, 3, 250, 1},
    {203, "Gray, Gus", 9, 1, 150, 1},   {204, "Hill, Hal", kRB, 2, 140, 1},
    {301, "Ives, Ike", kWR, 3, 240, 1}, {302, "Jones, Jo", kWR, 1, 230, 1},
    {303, "King, Kit", kWR, 2, 220, 1}, {304, "Lowe, Lu", kWR, 3, 100, 1},
    {501, "Moss, Max", kTE, 1, 400, 1}, {601, "Nash, Ned", kK, 2, 120, 1},
};

}  // namespace

JobProject::JobProject() {
  basMockDraftSettings::TerminateSettings();
  basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckByeConflicts, false);
  basMockItUp::InitFileTypeTable(work.Path());
  ReleaseGlobalProject();

  databasePath = Folder(kPageProjectedStats) + "Season.pro";
  scoringPath = Folder(kPageScoringSystem) + "Rushing.sco";
  leaguePath = Folder(kPageLeagueProperties) + "Three.lgp";
  GlobalProject().SetValue(kProjProjectedStatsFile, "Season.pro");
  GlobalProject().SetValue(kProjScoringSystemFile, "Rushing.sco");
  GlobalProject().SetValue(kProjLeaguePropertiesFile, "Three.lgp");
  GlobalProject().SetValue(kProjAdditionalPlayers, "1");

  WriteTemplateDatabase(databasePath);
  for (const SeasonRow& row : kSeason) {
    const int id = AddTestPlayer(databasePath, row.masterID, row.name, row.teamID, row.posID);
    AddTestStat0(databasePath, id, 250, 2024, row.stalePoints, row.teamID);
    ExecuteSql(databasePath, "INSERT INTO tblStat3 (PlayerID, Week, Fld4, Year) VALUES (" +
                                 std::to_string(id) + ", 250, " + std::to_string(row.rushingYards) +
                                 ", 2024);");
  }

  // Team 1 by points, team 2 by roster value, team 3 a receiver first.
  const std::string strategies = Folder(kPageDraftStrategies);
  clsMockRoster scratch;
  GiveStrategy(scratch, strategies + "points.stg", {{}});
  GiveStrategy(scratch, strategies + "value.stg", {{.compare = clsMockRoster::kRosterValue}});
  GiveStrategy(scratch, strategies + "receiver.stg", {{.beg = 1, .end = 1, .ids = {kWR}}, {.beg = 2}});

  WriteScoring();
  WriteLeague(LeaguePlan{});

  for (int32_t id : {1, 2, 3, 4, 5, 7, 8}) status_.AddSegment(id, 10.0f);
  status_.SetStatusList(seams.progress);
  status_.SetListVisible(true);
}

JobProject::~JobProject() {
  ReleaseGlobalProject();
  basMockDraftSettings::TerminateSettings();
}

void JobProject::WriteLeague(const LeaguePlan& plan) {
  clsLeagueIsolate league;
  league.SetFilePath(FileTypeFolder.at(static_cast<std::size_t>(kPageLeagueProperties)));
  league.SetFileName("Three.lgp");
  league.SetTeamCount(static_cast<int32_t>(plan.teams.size()));
  for (std::size_t t = 0; t < plan.teams.size(); ++t) {
    league.SetTeamName(static_cast<int32_t>(t) + 1, plan.teams[t]);
    league.SetStrategy(static_cast<int32_t>(t) + 1, plan.strategies.at(t));
  }
  league.SetDraftRounds(plan.rounds);
  league.SetDraftStyle(plan.style);
  if (!plan.createdOrder.empty()) {
    league.SetCreatedTeamCount(plan.createdTeams);
    league.SetCreatedDraftRounds(plan.rounds);
    league.SetPickCount(static_cast<int32_t>(plan.createdOrder.size()));
    for (std::size_t k = 0; k < plan.createdOrder.size(); ++k)
      league.SetPick(static_cast<int32_t>(k), plan.createdOrder[k]);
  }
  for (const LGPRosterSizeRecord& r : plan.sizes)
    league.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
  ASSERT_TRUE(league.SaveLeagueProps());
}

void JobProject::WriteScoring(float perYards) {
  clsScoringIsolate scoring;
  scoring.AddNew();
  scoring.SetPoints(1);
  scoring.SetCatID(14);  // rushing yards
  scoring.SetFieldVal(perYards);
  scoring.SetRangeMin(0);
  scoring.SetRangeMax(99999);
  scoring.SetApplyToPos(1 << 1);  // every position
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(scoringPath, scoring));
}

double JobProject::StoredPoints(int32_t masterID) const {
  return std::stod(QueryText(databasePath,
                             "SELECT tblStat0.Points FROM tblStat0, tblPlayers WHERE tblPlayers.ID = "
                             "tblStat0.PlayerID AND tblStat0.Week = 250 AND tblPlayers.MasterID = " +
                                 std::to_string(masterID) + ";"));
}

}  // namespace kdtest
