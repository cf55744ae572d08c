#pragma once
// A draft ready to run in a scratch work folder: settings with bye-week
// checks off, the strategies "points.stg" (points), "value.stg" (roster
// value) and "receiver.stg" (a receiver first, then points), rosters built
// from season rows, and everything the draft loop reads and writes.

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "LeagueBuilder.h"
#include "TempDir.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "engine/clsMockDraft.h"
#include "engine/clsPossiblePicks.h"

namespace kdtest {

struct BoardPick {
  int32_t masterID;
  int32_t owner;
  int32_t posID;
  double points;
  double baseline;
  bool operator==(const BoardPick&) const = default;
};

std::ostream& operator<<(std::ostream& out, const BoardPick& p);

class DraftHarness : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static clsSettingsKD& Settings();
  void WriteStrategy(const std::string& name, const std::vector<RulePlan>& rules);
  // Team t plays files[t - 1], blank-padded as the league file holds it.
  void League(const std::vector<std::string>& files, const RowsByPosition& rows,
              const std::vector<LGPRosterSizeRecord>& records, int32_t style = 0);
  bool Run(const std::vector<int32_t>& order);
  std::vector<BoardPick> Board() const;
  std::vector<std::pair<int32_t, int32_t>> PlayersAndOwners() const;
  int CaptionCount(const std::string& text) const;

  TempDir work;
  ScopedFakeSeams seams;
  std::string strategies;
  clsStatusPlain status;
  clsMockDraft mock;
  std::vector<clsMockRoster> rosters;
  std::array<clsPossiblePicks, 2> lists;
  TableNames names;
  std::vector<int32_t> boardIndex;
};

}  // namespace kdtest
