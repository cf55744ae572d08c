#pragma once
// A whole project on disk for the engine's jobs: a work folder with a
// projected-stats database of a dozen players, a scoring system, a league
// and three strategies, named in the project as the jobs read them.
//
// The scoring system gives one point per rushing yard, so every player's
// season points are the rushing yards the fixture gives him; tblStat0 starts
// with other (stale) points, which only a scoring run replaces.
//
// The league (three teams, two rounds) rosters two players from one QB, one
// RB, one WR and one K place; tight ends have no place, fullbacks are merged
// into the running backs. By points, with roster baselines at the third
// player of each stack:
//   QB 101 300, 102 290, 103 200 (RBL), 104 100 (stale 999)
//   RB 201 260, 202 250, 203 150 (RBL, a fullback), 204 140
//   WR 301 240, 302 230, 303 220 (RBL), 304 100
//   K  601 120 (the only kicker: RBL 120)      TE 501 400 (no place)

#include <cstdint>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/clsStatusPlain.h"
#include "draft_inputs/clsLeagueIsolate.h"

namespace kdtest {

struct LeaguePlan {
  std::vector<std::string> teams{"Alpha", "Bravo", "Charlie"};
  std::vector<std::string> strategies{"points.stg", "value.stg", "receiver.stg"};
  int32_t rounds = 2;
  int32_t style = 0;
  // A created order is stored when not empty, for createdTeams x rounds.
  std::vector<int32_t> createdOrder;
  int32_t createdTeams = 0;
  // PosID, MergeAsID, RosterMin, RosterMax, StarterMin, StarterMax.
  std::vector<LGPRosterSizeRecord> sizes{{1, 1, 0, 2, 0, 2}, {2, 2, 0, 1, 1, 1}, {3, 3, 0, 1, 1, 1},
                                         {4, 4, 0, 1, 1, 1}, {5, 5, 0, 0, 0, 0}, {6, 6, 0, 1, 0, 0},
                                         {9, 3, 0, 0, 0, 0}};
};

class JobProject {
 public:
  // Sets up the work folder, settings (bye-week checks off) and project.
  JobProject();
  ~JobProject();
  JobProject(const JobProject&) = delete;
  JobProject& operator=(const JobProject&) = delete;

  // Writes the league file the project names.
  void WriteLeague(const LeaguePlan& plan);
  // Writes the scoring system the project names: one rule, `perYards`
  // rushing yards for a point.
  void WriteScoring(float perYards = 1.0f);

  // Season points of the player as stored now.
  double StoredPoints(int32_t masterID) const;

  // Status with every segment the jobs use and the list shown.
  clsStatusPlain& Status() { return status_; }

  TempDir work;
  ScopedFakeSeams seams;
  std::string databasePath;
  std::string scoringPath;
  std::string leaguePath;

 private:
  clsStatusPlain status_;
};

}  // namespace kdtest
