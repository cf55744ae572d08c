#include "user_mock/UserMockLeagueTransfer.h"

#include <string>

#include "core/Seams.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/LeagueTransfer.h"
#include "user_mock/CompatibilityView.h"
#include "user_mock/clsUserMockIsolate.h"

namespace basLGPFileControl {

namespace {

void CopyOrderToBoard(clsUserMockIsolate& ugm, const std::vector<int32_t>& order) {
  ugm.SetBoardCount(static_cast<int32_t>(order.size()));
  for (std::size_t k = 0; k < order.size(); ++k) ugm.SetBoardOwnerID(static_cast<int32_t>(k), order[k]);
}

}  // namespace

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
  if (!league.IsCreatedOrderUsable(createdTeams, createdRounds)) return;
  CopyOrderToBoard(ugm, league.CreatedOrder(createdTeams, createdRounds));
  ugm.SetDraftRounds(rounds);
}

void ApplyLeagueToUserMock(clsUserMockIsolate& ugm, clsKickwellDB& db, int32_t& status,
                           const clsLeagueIsolate& league) {
  const int32_t teams = league.TeamCount();
  if (teams != ugm.OwnerCount()) {
    // The user is told that nothing of the league is imported: keep to that.
    status = -teams;
    return;
  }
  for (int32_t team = 1; team <= teams; ++team) {
    if (LGPTransferFlags[kTransferTeamNames]) ugm.SetOwnerName(team - 1, league.TeamName(team));
    if (LGPTransferFlags[kTransferTeamStrategies]) ugm.SetOwnerStrategy(team - 1, league.Strategy(team));
  }
  if (LGPTransferFlags[kTransferDraftOrder]) {
    const int32_t createdRounds = league.CreatedDraftRounds();
    std::vector<int32_t> order;
    if (league.CreatedTeamCount() == teams && league.IsCreatedOrderUsable(teams, createdRounds)) {
      CopyOrderToBoard(ugm, league.CreatedOrder(teams, createdRounds));
      ugm.SetDraftRounds(createdRounds);
    } else if (BuildDraftOrder(order, teams, league.DraftRounds(), league.DraftStyle()) >= 0) {
      CopyOrderToBoard(ugm, order);
      ugm.SetDraftRounds(league.DraftRounds());
    }
  }
  if (LGPTransferFlags[kTransferRosterSizes]) ApplyRosterSizesToUserMock(db, ugm, league);
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

void ApplyRosterSizesToUserMock(clsKickwellDB& db, clsUserMockIsolate& ugm, const clsLeagueIsolate& league) {
  std::vector<LGPRosterSizeRecord> records;
  ReadRosterSizes(records, db, league);
  CopyRosterSizesToUserMock(records, ugm);
}

void CopyRosterSizesToUserMock(const std::vector<LGPRosterSizeRecord>& records, clsUserMockIsolate& ugm) {
  ugm.ClearRosterPositions();
  for (const LGPRosterSizeRecord& r : records) {
    ugm.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
  }
}

}  // namespace basLGPFileControl
