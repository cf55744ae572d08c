#pragma once
// A small project in a temporary work folder for the validation tests: the
// file-type table points into the folder, the global project and settings
// start fresh, and the documents are written through the program's own
// writers into their sub-folders.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "TempDir.h"
#include "validation/clsProjectValidation.h"

namespace kdtest {

// The three lists of a validation object, collected.
struct ValidationLines {
  std::vector<std::string> valid;
  std::vector<std::string> warning;
  std::vector<std::string> error;
  void Attach(clsProjectValidation& validation);
};

struct TeamPlan {
  std::string name;
  std::string strategy;
};

// One rule of a strategy: picks, method, and the positions it includes.
struct RulePlan {
  int32_t begPick = 1;
  int32_t endPick = 999;
  int32_t method = 0;
  int32_t compare = 0;
  std::vector<int32_t> positions = {1};
};

// One roster-size record of a league.
struct RosterPlan {
  int32_t posID = 0;
  int32_t mergeAsID = 0;
  int32_t rosterMin = 0;
  int32_t rosterMax = 0;
  int32_t starterMin = 0;
  int32_t starterMax = 0;
};

class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string Work(const std::string& relative) const { return work.File(relative); }
  void Name(int32_t key, const std::string& name);

  // def/Default.pro from the template.
  void WriteDefaultDatabase();
  // pro/<name> from the template with `players` players (season rows).
  void WriteProjectedStats(const std::string& name, int32_t players);
  void WriteStrategy(const std::string& name, const std::vector<RulePlan>& rules);
  // A league of the given teams, rounds and stored draft order; created
  // counts follow the order unless given.
  void WriteLeague(const std::string& name, const std::vector<TeamPlan>& teams, int32_t rounds,
                   const std::vector<int32_t>& order, const std::vector<RosterPlan>& rosters,
                   int32_t createdTeamCount = -1, int32_t createdRounds = -1);
  void WriteUserMock(const std::string& name, const std::vector<TeamPlan>& owners, int32_t rounds,
                     const std::vector<int32_t>& board);

  TempDir work;
  ScopedFakeSeams fakes;
  clsProjectValidation validation;
  ValidationLines lines;
};

}  // namespace kdtest
