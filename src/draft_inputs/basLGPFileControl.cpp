#include "draft_inputs/basLGPFileControl.h"

#include <string>

#include "core/Seams.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/clsMockDraft.h"
#include "user_mock/clsUserMockIsolate.h"

namespace basLGPFileControl {

namespace {

// A created order is used only when it covers teams x rounds picks and every
// pick belongs to one of the league's teams: a damaged file must not hand
// picks to teams that do not exist.
bool IsCreatedOrderUsable(const clsLeagueIsolate& league, int32_t teams, int32_t rounds) {
  if (teams < 1 || rounds < 1) return false;
  const int64_t picks = static_cast<int64_t>(teams) * rounds;
  if (picks > league.PickCount()) return false;
  for (int32_t k = 0; k < picks; ++k) {
    const int32_t owner = league.Pick(k);
    if (owner < 1 || owner > league.TeamCount()) return false;
  }
  return true;
}

}  // namespace

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

void ApplyLeagueToMockDraft(clsMockDraft& mock, std::vector<int32_t>& order, const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  const int32_t rounds = league.DraftRounds();
  mock.SetDraftRounds(rounds);
  mock.SetDraftStyle(league.DraftStyle());
  mock.SetOwnerCount(teams);
  for (int32_t team = 1; team <= teams; ++team) {
    mock.SetOwnerName(team, league.TeamName(team));
    mock.SetDraftStrategyFile(team, league.Strategy(team));
  }
  if (league.CreatedTeamCount() == teams && league.CreatedDraftRounds() == rounds &&
      IsCreatedOrderUsable(league, teams, rounds)) {
    mock.SetCreateDraftOrder(false);
    order.assign(static_cast<std::size_t>(teams) * static_cast<std::size_t>(rounds), 0);
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = league.Pick(static_cast<int32_t>(k));
  }
}

void ApplyDraftOrderToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  const int32_t createdTeams = league.CreatedTeamCount();
  const int32_t createdRounds = league.CreatedDraftRounds();
  const int32_t rounds = league.DraftRounds();
  if (createdRounds < 1 || rounds != createdRounds) return;
  if (teams != createdTeams) {
    seams::MessageBox().ShowMessage(
        "LGP Conflict",
        "The created draft order in " + league.FileName() + " is not " +
            "compatible with the current Team Count.  A new draft order will be created using " +
            "the selected LGP draft style inside of the UGM.  No changes will be made to the LGP.",
        seams::kOk, true);
    return;
  }
  if (!IsCreatedOrderUsable(league, createdTeams, createdRounds)) return;
  const int32_t picks = createdTeams * createdRounds;
  ugm.SetBoardCount(picks);
  ugm.SetDraftRounds(rounds);
  for (int32_t k = 0; k < picks; ++k) ugm.SetBoardOwnerID(k, league.Pick(k));
}

void CopyTeamsToUserMock(clsUserMockIsolate& ugm, const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  ugm.SetOwnerCount(teams);
  ugm.SetDraftRounds(league.DraftRounds());
  for (int32_t team = 1; team <= teams; ++team) {
    ugm.SetOwnerID(team - 1, team);
    ugm.SetOwnerName(team - 1, league.TeamName(team));
    ugm.SetOwnerStrategy(team - 1, league.Strategy(team));
  }
}

void CopyRosterSizesToUserMock(const std::vector<LGPRosterSizeRecord>& records, clsUserMockIsolate& ugm) {
  ugm.ClearRosterPositions();
  for (const LGPRosterSizeRecord& r : records) {
    ugm.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
  }
}

bool HasAllRosterMax(const std::vector<LGPRosterSizeRecord>& records) {
  for (const LGPRosterSizeRecord& r : records) {
    if (r.PosID == 1 && r.RosterMax > 0) return true;
  }
  return false;
}

}  // namespace basLGPFileControl
