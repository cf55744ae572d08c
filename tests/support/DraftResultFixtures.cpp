#include "DraftResultFixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "DatabaseFixtures.h"
#include "core/PageCode.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "database/clsDisplayGridIsolate.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "engine/basMockDraftCalculation.h"

namespace kdtest {

namespace {

constexpr int32_t kTeams[] = {3, 4, 6};  // BAL, BUF, CHI

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

}  // namespace

std::vector<FixturePlayer> StandardPlayers() {
  std::vector<FixturePlayer> players;
  int32_t k = 0;
  auto add = [&](int32_t posID, const char* abbreviation, int32_t count, int32_t firstMaster, double top,
                 double step) {
    for (int32_t n = 0; n < count; ++n) {
      players.push_back({firstMaster + n, std::string(abbreviation) + std::to_string(n + 1) + ", Test",
                         kTeams[k++ % 3], posID, top - step * n});
    }
  };
  add(kPosQB, "QB", 4, 101, 300, 20);
  add(kPosRB, "RB", 8, 201, 250, 20);
  add(kPosWR, "WR", 8, 301, 240, 20);
  add(kPosK, "K", 3, 601, 130, 10);
  return players;
}

std::vector<FixturePlayer> ManyPlayers(int32_t count) {
  std::vector<FixturePlayer> players;
  const std::pair<int32_t, const char*> positions[] = {
      {kPosQB, "QB"}, {kPosRB, "RB"}, {kPosWR, "WR"}, {kPosTE, "TE"}, {kPosK, "K"}};
  int32_t k = 0;
  for (auto [posID, abbreviation] : positions) {
    for (int32_t n = 0; n < count; ++n) {
      players.push_back({posID * 1000 + n + 1, std::string(abbreviation) + std::to_string(n + 1) + ", Player",
                         1 + k++ % 32, posID, 400.0 - n * 0.75 - posID * 0.01});
    }
  }
  return players;
}

void SaveDisplayGrid(const std::string& path, const std::vector<GridColumn>& columns) {
  clsDisplayGridIsolate grid;
  grid.SetColumnMax(static_cast<int32_t>(columns.size()) - 1);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int32_t c = static_cast<int32_t>(i);
    grid.SetTableFieldID(c, columns[i].catID);
    grid.SetOrderNumber(c, static_cast<uint8_t>(c + 1));
    grid.SetColumnWidth(c, columns[i].width);
    grid.SetTitle1(c, columns[i].title1);
    grid.SetTitle2(c, columns[i].title2);
    grid.SetDecimals(c, columns[i].format);
    grid.SetAlign(c, columns[i].align);
  }
  grid.SetFilePath(path);
  ASSERT_TRUE(grid.SaveFile()) << path;
}

std::vector<GridColumn> CheatSheetColumns() {
  return {{93, 35, "[Position]", "Rank", 1, 4},  {51, 160, "[Position]", "Player", 13, 1},
          {116, 45, "[Position]", "Team", 9, 4}, {84, 35, "[Position]", "Bye", 14, 4},
          {44, 60, "Value", "Points", 2, 7},     {86, 55, "Value", "Roster", 2, 7},
          {85, 55, "Value", "Starter", 2, 7}};
}

std::vector<GridColumn> MockDraftColumns() {
  return {{89, 35, "Draft", "Rnd", 1, 4},    {90, 40, "Draft", "Pick", 1, 4},
          {92, 120, "Draft", "Team", 15, 1}, {51, 160, "Player", "Name", 13, 1},
          {50, 40, "Player", "Pos", 10, 4},  {116, 45, "Player", "Team", 9, 4},
          {84, 35, "Player", "Bye", 14, 4},  {44, 60, "Value", "Points", 2, 7},
          {86, 55, "Value", "Roster", 2, 7}, {85, 55, "Value", "Starter", 2, 7}};
}

std::vector<GridColumn> SmallRosterColumns() {
  return {{50, 40, "[MockTeam]", "Pos", 10, 4},  {51, 160, "[MockTeam]", "Player", 13, 1},
          {116, 45, "[MockTeam]", "Team", 9, 4}, {84, 35, "[MockTeam]", "Bye", 14, 4},
          {89, 35, "[MockTeam]", "Rnd", 1, 4},   {44, 60, "[MockTeam]", "Points", 2, 7}};
}

DraftResultFixture::DraftResultFixture(const std::vector<FixturePlayer>& players) : players_(players) {
  basMockItUp::InitFileTypeTable(dir_.Path());
  std::filesystem::create_directories(DisplayGridFolder());
  std::filesystem::create_directories(DefaultsFolder());
  for (const auto& [name, columns] : std::vector<std::pair<std::string, std::vector<GridColumn>>>{
           {"Cheat Sheet - Default.dis", CheatSheetColumns()},
           {"Mock Draft - Default.dis", MockDraftColumns()},
           {"UserMock - Small Roster.dis", SmallRosterColumns()}}) {
    SaveDisplayGrid(DisplayGridFolder() + name, columns);
    SaveDisplayGrid(DefaultsFolder() + name, columns);
  }

  databasePath_ = dir_.File("pro/Fixture.pro");
  WriteTemplateDatabase(databasePath_);
  std::string sql = "BEGIN;\n";
  int32_t id = 1;
  for (const FixturePlayer& p : players_) {
    sql += "INSERT INTO tblPlayers (ID, MasterID, BackName, DOB, TeamID, PosID) VALUES (" +
           std::to_string(id) + ", " + std::to_string(p.masterID) + ", " + Quoted(p.name) + ", 0, " +
           std::to_string(p.teamID) + ", " + std::to_string(p.posID) + ");\n";
    sql += "INSERT INTO tblStat0 (PlayerID, Week, Points, TeamID, DNU, ADP, InjuryStatus, Year) VALUES (" +
           std::to_string(id) + ", 250, " + Number(p.points) + ", " + std::to_string(p.teamID) +
           ", 0, 0, 0, 2024);\n";
    // Rushing yards (tblStat3.Fld4) equal to the points, for a project's
    // scoring system of a point per yard.
    sql += "INSERT INTO tblStat3 (PlayerID, Week, Fld4, Year) VALUES (" + std::to_string(id) + ", 250, " +
           Number(p.points) + ", 2024);\n";
    ++id;
  }
  sql += "COMMIT;\n";
  ExecuteSql(databasePath_, sql);
  EXPECT_TRUE(db_.InitializeKickwellDB(databasePath_)) << db_.LastError();
}

std::string DraftResultFixture::DisplayGridFolder() const { return FileTypeFolder[7]; }
std::string DraftResultFixture::DefaultsFolder() const { return ::DefaultsFolder; }

clsMockRoster DraftResultFixture::CheatSheetRoster(const std::vector<LeagueSize>& sizes, int32_t teams,
                                                   int32_t buffer) {
  clsMockRoster roster;
  for (const LeagueSize& s : sizes)
    if (s.rosterMax > 0) roster.AddRosterPositionSize(s.posID, s.posID, s.rosterMax, 0, s.starterMax, 0);
  roster.ClearRoster();
  roster.SetOwnerCount(teams);
  roster.SetPlayerBuffer(buffer);
  roster.FillPositionStacks(basMockDraftCalculation::DatabaseStackFiller(db_, 250));
  roster.SetTeams(teams);
  roster.AssignBaselinePointers();
  return roster;
}

clsMockDraft DraftResultFixture::Board(int32_t teams, int32_t rounds, const std::vector<LeagueSize>& sizes,
                                       const std::vector<int32_t>& masterIDs,
                                       const std::map<int32_t, double>& starterBaselines,
                                       const std::map<int32_t, double>& rosterBaselines) const {
  clsMockDraft board;
  board.SetOwnerCount(teams);
  for (int32_t t = 1; t <= teams; ++t) {
    board.SetOwnerName(t, "Team " + std::to_string(t));
    board.SetDraftStrategyFile(t, "KD-RBL Default.stg");
  }
  board.SetDraftRounds(rounds);
  for (const LeagueSize& s : sizes)
    board.AddRosterPositionSize(s.posID, s.posID, s.rosterMax, 0, s.starterMax, 0);
  for (const auto& [posID, value] : starterBaselines) board.SetSBL(posID, value);
  for (const auto& [posID, value] : rosterBaselines) board.SetRBL(posID, value);
  board.SetCount(teams * rounds - 1);
  for (int32_t p = 0; p < teams * rounds; ++p) {
    const int32_t round = p / teams;
    const int32_t slot = p % teams;
    board.SetDraftOwner(p, round % 2 == 0 ? slot + 1 : teams - slot);
    board.SetDraftPosition(p, p);
    const std::size_t k = static_cast<std::size_t>(p);
    const FixturePlayer* player = k < masterIDs.size() ? Player(masterIDs[k]) : nullptr;
    if (!player) continue;
    board.SetMasterID(p, player->masterID);
    board.SetPoints(p, player->points);
    board.SetPosition(p, player->posID);
    board.SetPlayerName(p, player->name);
  }
  return board;
}

const FixturePlayer* DraftResultFixture::Player(int32_t masterID) const {
  for (const FixturePlayer& p : players_)
    if (p.masterID == masterID) return &p;
  return nullptr;
}

DraftResultFixture::~DraftResultFixture() {
  if (projectWritten_) ReleaseGlobalProject();
}

void DraftResultFixture::WriteProject(const std::vector<LeagueSize>& sizes, int32_t teams, int32_t rounds,
                                      int32_t additionalPlayers) {
  auto folder = [](int32_t pageCode) {
    const std::string path = FileTypeFolder.at(static_cast<std::size_t>(pageCode));
    std::filesystem::create_directories(path);
    return path;
  };
  db_.Terminate();
  ReleaseGlobalProject();
  projectWritten_ = true;

  clsDraftStrategy strategy;
  strategy.SetFilePath(folder(kPageDraftStrategies));
  strategy.SetFileName("Points.stg");
  strategy.SetStrategyMax(0);
  strategy.SetBegPick(0, 1);
  strategy.SetEndPick(0, clsDraftStrategy::kLastPick);
  strategy.AddPositionID(0, clsDraftStrategy::kAnyPositionID);
  ASSERT_TRUE(strategy.SaveDraftStrategy());

  clsScoringIsolate scoring;
  scoring.AddNew();
  scoring.SetPoints(1);
  scoring.SetCatID(14);  // rushing yards
  scoring.SetFieldVal(1);
  scoring.SetRangeMin(0);
  scoring.SetRangeMax(99999);
  scoring.SetApplyToPos(1 << 1);  // every position
  ASSERT_TRUE(basSCOFileControl::WriteScoFile(folder(kPageScoringSystem) + "Yards.sco", scoring));

  clsLeagueIsolate league;
  league.SetFilePath(folder(kPageLeagueProperties));
  league.SetFileName("Fixture.lgp");
  league.SetTeamCount(teams);
  for (int32_t t = 1; t <= teams; ++t) {
    league.SetTeamName(t, "Team " + std::to_string(t));
    league.SetStrategy(t, "Points.stg");
  }
  league.SetDraftRounds(rounds);
  league.SetDraftStyle(0);
  for (const LeagueSize& s : sizes)
    league.AddRosterPositionSize(s.posID, s.posID, s.rosterMax, 0, s.starterMax, 0);
  ASSERT_TRUE(league.SaveLeagueProps());

  GlobalProject().SetValue(kProjLeaguePropertiesFile, "Fixture.lgp");
  GlobalProject().SetValue(kProjScoringSystemFile, "Yards.sco");
  GlobalProject().SetValue(kProjProjectedStatsFile, "Fixture.pro");
  GlobalProject().SetValue(kProjAdditionalPlayers, std::to_string(additionalPlayers));
}

}  // namespace kdtest
