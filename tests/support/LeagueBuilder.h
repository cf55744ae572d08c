#pragma once
// Small leagues for the engine's tests: team rosters built in the order the
// draft builds them, strategies written through their own file, and a table
// of names for the pick log.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/PickLogNames.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockRoster.h"

namespace kdtest {

// Position ids of the test leagues; 1 is the whole roster.
constexpr int32_t kAll = 1, kQB = 2, kRB = 3, kWR = 4, kTE = 5, kK = 6;

struct PositionSize {
  int32_t posID = 0;
  int32_t rosterMin = 0;
  int32_t rosterMax = 0;
  int32_t starterMin = 0;
  int32_t starterMax = 0;
};

// Season rows per position, best first.
using RowsByPosition = std::map<int32_t, std::vector<basMockDraftCalculation::StackRow>>;

// Every position and depth a filler was asked for, in order.
using FillLog = std::vector<std::pair<int32_t, int32_t>>;

clsMockRoster::StackFiller FillFromRows(RowsByPosition rows, FillLog* log = nullptr);

// Sizes (the whole roster first), clear, owners, buffer, stacks, teams,
// baselines; positions with RosterMax 0 get no slot.
clsMockRoster BuildTeamRoster(const std::vector<PositionSize>& sizes, int32_t teams,
                              const RowsByPosition& rows,
                              int32_t buffer = clsMockRoster::kDefaultPlayerBuffer, FillLog* log = nullptr);

// A stack as text: position, factor, mode, baseline pointers and every
// player with his points, ADP, bye week and drafted mark.
std::string StackText(const clsMockDraftPositionStack& stack);

struct RulePlan {
  int32_t beg = 1;
  int32_t end = 999;
  int32_t method = clsMockRoster::kOpenRoster;
  int32_t compare = clsMockRoster::kFullPoints;
  bool lrtr = false;
  bool injury = false;
  bool x = false;
  int32_t inclusion = 0;  // 0 Include, 1 Exclude
  std::vector<int32_t> ids{kAll};
  bool noByeConflict = false;
};

struct FactorPlan {
  int32_t kind = 0;  // 0 LR-TR, 1 INJURY, 2 X
  int32_t posID = 0;
  double factor = 1.0;
};

// Saves the strategy as `path` and loads it into the roster.
void GiveStrategy(clsMockRoster& roster, const std::string& path, const std::vector<RulePlan>& rules,
                  const std::vector<FactorPlan>& factors = {});

// Names from tables: positions by id, players by MasterID ("P<id>" when not
// listed); short names are the first 18 characters; the player id is the
// MasterID + 5000 and his team "T" & MasterID.
class TableNames final : public PickLogNames {
 public:
  std::string pFnGetPosAbrv(int32_t posID, bool allFlag) override;
  std::string pFnGetPlayerNamewMasID(int32_t masterID) override;
  std::string pFnGetPlayerNamewMasIDDisID(int32_t masterID, int32_t displayID) override;
  int32_t pFnGetPlaIDwMasID(int32_t masterID) override { return masterID + 5000; }
  int16_t pFnGetYear() override { return 2024; }
  std::string pFnGetTeamAbrvwPlaID(int32_t playerID, uint8_t week, int16_t year) override;

  std::map<int32_t, std::string> players;
  std::vector<int32_t> displayIDs;  // every display format asked for
  std::vector<int32_t> teamWeeks;   // every week the team lookup was asked for
};

}  // namespace kdtest
