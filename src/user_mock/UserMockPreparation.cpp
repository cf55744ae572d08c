#include "user_mock/UserMockPreparation.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/Seams.h"
#include "core/basMockItUp.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "user_mock/CompatibilityView.h"
#include "user_mock/UserMockLeagueTransfer.h"
#include "user_mock/basUGMFileControl.h"
#include "user_mock/clsUserMockIsolate.h"

namespace basMockDraftCalculation {

void ReadUGMRosterSizes(const clsUserMockIsolate& ugm, std::vector<LGPRosterSizeRecord>& records) {
  const int32_t n = ugm.RosterSizeCount();
  if (n < 1) return;
  records.assign(static_cast<std::size_t>(n), LGPRosterSizeRecord{});
  for (int32_t k = 0; k < n; ++k) {
    records[static_cast<std::size_t>(k)] =
        BoundedRosterLimits({ugm.PosID(k), ugm.MergeAsID(k), ugm.RosterMin(k), ugm.RosterMax(k),
                             ugm.StarterMin(k), ugm.StarterMax(k)});
  }
}

void LoadUGMBoard(clsUserMockIsolate& ugm, int32_t style) {
  std::vector<int32_t> order;
  const int32_t last = basLGPFileControl::BuildDraftOrder(order, ugm.OwnerCount(), ugm.DraftRounds(), style);
  ugm.SetBoardCount(last + 1);
  for (int32_t j = 0; j <= last; ++j) {
    ugm.SetBoardOwnerID(j, order[static_cast<std::size_t>(j)]);
    ugm.SetBoardMasterID(j, 0);
    ugm.SetBoardPosID(j, 0);
  }
}

namespace {

// Offers what differs between the league and the user mock in the transfer
// window (shown only when the team counts match) and applies the choice.
// Differing team counts import nothing and say so.
void TransferLeagueToUserMock(clsUserMockIsolate& ugm, clsKickwellDB& db, clsLeagueIsolate& league) {
  seams::CompatibilityView& window = seams::Compatibility();
  window.PopulateTeamChanges(ugm, league, db);
  const bool anyChange =
      std::any_of(LGPTransferFlags.begin(), LGPTransferFlags.end(), [](bool f) { return f; });
  if (anyChange && league.TeamCount() == ugm.OwnerCount()) {
    window.ActivateGrid();
    window.ShowModal();
  }
  window.Unload();
  int32_t result = 0;
  basLGPFileControl::ApplyLeagueToUserMock(ugm, db, result, league);
  if (result < 0) {
    seams::MessageBox().ShowMessage(
        "UGM / LGP Compatibility",
        "LGP Team Count = " + std::to_string(-static_cast<int64_t>(result)) +
            " / UGM Team Count = " + std::to_string(ugm.OwnerCount()) + "\r\n" +
            "The current UGM can be used but will not import any League Properties from the LGP.  " +
            "You must create a new UGM file to use the League Properties file.",
        seams::kOk, true);
  }
}

}  // namespace

bool PrepareUserMockDraft(clsStatusPlain& status, clsMockDraft& mock, clsKickwellDB& db,
                          std::vector<clsMockRoster>& rosters, clsUserMockIsolate& ugm, bool applyLeague) {
  if (!OpenProjectedStatsDB(status, db)) return false;
  clsLeagueIsolate league;
  std::string unreported;
  if (!LoadProjectLeague(league, &unreported)) {
    // The draft cannot be prepared without it: the page says why.
    if (!unreported.empty()) ShowLeagueError(" " + league.FileName() + ": " + unreported);
    return false;
  }

  if (applyLeague) {
    basLGPFileControl::CopyTeamsToUserMock(ugm, league);
    basLGPFileControl::ApplyRosterSizesToUserMock(db, ugm, league);
    basLGPFileControl::ApplyDraftOrderToUserMock(ugm, league);
    // Without a usable created order the board follows the league's style,
    // as the conflict message promises.
    if (ugm.BoardCount() == 0) LoadUGMBoard(ugm, league.DraftStyle());
  } else {
    TransferLeagueToUserMock(ugm, db, league);
  }

  status.SetSegmentRange(7, 0, 4);
  std::vector<LGPRosterSizeRecord> records;
  ReadUGMRosterSizes(ugm, records);
  const std::string error = LeagueRosterError(records);
  if (!error.empty()) {
    ShowLeagueError(error);
    return false;
  }
  basUGMFileControl::ApplyUserMockRosterSizes(ugm, db);
  basUGMFileControl::CopyUserMockOwnersToMock(ugm, mock);
  status.SetSegmentValue(7, 3);

  if (!ApplyProjectScoring(status, db)) return false;
  const bool ok =
      BuildTeamRosters(status, DatabaseStackFiller(db, clsKickwellDB::kSeasonWeek), mock, rosters, records);
  basUGMFileControl::CopyUserMockBoardToMock(ugm, mock, rosters, db, records);
  status.SetSegmentValue(7, 4);
  DoEvents();
  return ok && !CancelFlag;
}

}  // namespace basMockDraftCalculation
