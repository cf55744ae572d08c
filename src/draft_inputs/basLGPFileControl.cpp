#include "draft_inputs/basLGPFileControl.h"

namespace basLGPFileControl {

int32_t BuildDraftOrder(std::vector<int32_t>& order, int32_t teams, int32_t rounds, int32_t style) {
  if (teams < 1 || rounds < 1) return -1;
  const int64_t picks = static_cast<int64_t>(teams) * rounds;
  if (picks > kMaxDraftOrderPicks) return -1;

  order.assign(static_cast<std::size_t>(picks), 0);
  int32_t team = 1;
  int32_t step = 1;
  for (auto& owner : order) {
    owner = team;
    team += step;
    if (team > teams) {
      if (style == 0) {
        step = -1;
        team = teams;
      } else {
        // Every style but serpentine runs cyclic, so no pick ever names a
        // team the league does not have.
        step = 1;
        team = 1;
      }
    } else if (team < 1) {
      step = 1;
      team = 1;
    }
  }
  return static_cast<int32_t>(picks - 1);
}

bool HasAllRosterMax(const std::vector<LGPRosterSizeRecord>& records) {
  for (const LGPRosterSizeRecord& r : records) {
    if (r.PosID == kWholeRosterPosID && r.RosterMax > 0) return true;
  }
  return false;
}

}  // namespace basLGPFileControl
