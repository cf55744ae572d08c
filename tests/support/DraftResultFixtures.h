#pragma once
// Results of a draft for the tests of the result grids and documents: a
// projected-stats database of the template with players whose season rows
// are given here, a work tree whose display-grid and defaults folders the
// file-type table points at, the cheat sheet's league template ranked from
// the database by the engine's own stack query, and draft boards built pick
// by pick.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "TempDir.h"
#include "database/clsKickwellDB.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"

namespace kdtest {

// Position ids of the template.
inline constexpr int32_t kPosAll = 1, kPosQB = 2, kPosRB = 3, kPosWR = 4, kPosTE = 5, kPosK = 6;

struct FixturePlayer {
  int32_t masterID = 0;
  std::string name;  // as stored, "Last, First"
  int32_t teamID = 0;
  int32_t posID = 0;
  double points = 0;  // season (week 250) points
};

// QB 101..104, RB 201..208, WR 301..308, K 601..603: names "QBn, Test" and
// so on, points falling by 20 (QB from 300, RB from 250, WR from 240) and by
// 10 for kickers (from 130); teams Baltimore (3, bye 14), Buffalo (4, bye 12)
// and Chicago (6, bye 7) in turn.
std::vector<FixturePlayer> StandardPlayers();

// `count` players of each of QB, RB, WR, TE and K (MasterIDs posID x 1000 +
// n), points falling from 400 in steps that keep them distinct.
std::vector<FixturePlayer> ManyPlayers(int32_t count);

// One display-grid column.
struct GridColumn {
  int32_t catID = 0;
  int16_t width = 0;  // pixels
  std::string title1;
  std::string title2;
  uint8_t format = 0;  // display-format id (0: the category's default)
  uint8_t align = 1;
};
void SaveDisplayGrid(const std::string& path, const std::vector<GridColumn>& columns);

// The columns of the bundled "Cheat Sheet - Default", "Mock Draft - Default"
// and "UserMock - Small Roster" grids.
std::vector<GridColumn> CheatSheetColumns();
std::vector<GridColumn> MockDraftColumns();
std::vector<GridColumn> SmallRosterColumns();

// A position's limits in a league.
struct LeagueSize {
  int32_t posID = 0;
  int32_t rosterMax = 0;
  int32_t starterMax = 0;
};

class DraftResultFixture {
 public:
  // Builds the work tree under a temporary folder (file-type table and
  // defaults folder pointed into it; the three grids above saved in dis/ and
  // def/ under their bundled names) and the database with these players, and
  // opens it.
  explicit DraftResultFixture(const std::vector<FixturePlayer>& players = StandardPlayers());

  clsKickwellDB& Database() { return db_; }
  const std::string& DatabasePath() const { return databasePath_; }
  std::string DisplayGridFolder() const;
  std::string DefaultsFolder() const;
  const TempDir& Dir() const { return dir_; }

  // The league template of a cheat sheet: sizes (the whole roster first),
  // `teams` owners, stacks of RosterMax x teams + buffer players from the
  // database, baselines.
  clsMockRoster CheatSheetRoster(const std::vector<LeagueSize>& sizes, int32_t teams, int32_t buffer = 10);

  // A board of `teams` teams named "Team 1".. with strategy "KD-RBL
  // Default.stg", the sizes as roster records, and teams x rounds picks in
  // serpentine order; pick k drafts masterIDs[k] (0 or beyond the list: an
  // open pick) with his points and position. Baselines are those given.
  clsMockDraft Board(int32_t teams, int32_t rounds, const std::vector<LeagueSize>& sizes,
                     const std::vector<int32_t>& masterIDs,
                     const std::map<int32_t, double>& starterBaselines = {},
                     const std::map<int32_t, double>& rosterBaselines = {}) const;

  const FixturePlayer* Player(int32_t masterID) const;

  // Makes the work tree the open project's (GlobalProject, released again
  // with the fixture): the league "Fixture.lgp" (teams "Team 1".., serpentine,
  // these sizes, every team drafting by the strategy "Points.stg", one rule
  // of full points over the open roster), the scoring system "Yards.sco" (a
  // point per rushing yard; every player's rushing yards are his points) and
  // the database, named in the project with these additional players. The
  // fixture's own database connection is closed, so that the jobs open the
  // file alone.
  void WriteProject(const std::vector<LeagueSize>& sizes, int32_t teams, int32_t rounds,
                    int32_t additionalPlayers);

  ~DraftResultFixture();
  DraftResultFixture(const DraftResultFixture&) = delete;
  DraftResultFixture& operator=(const DraftResultFixture&) = delete;

 private:
  TempDir dir_;
  std::string databasePath_;
  std::vector<FixturePlayer> players_;
  clsKickwellDB db_;
  bool projectWritten_ = false;
};

}  // namespace kdtest
