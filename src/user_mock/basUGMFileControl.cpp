#include "user_mock/basUGMFileControl.h"

#include <memory>

#include "database/clsKickwellDB.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/jet/Transaction.h"
#include "user_mock/clsUserMockIsolate.h"

namespace basUGMFileControl {

void ApplyUserMockRosterSizes(const clsUserMockIsolate& ugm, clsKickwellDB& db) {
  jet::Transaction transaction(db.Database());
  std::unique_ptr<jet::Recordset> positions =
      db.pSbEditableKickwellSQL("SELECT * FROM tblPositions ORDER BY ID ASC;");
  if (positions->RecordCount() > 0) {
    for (positions->MoveFirst(); !positions->Eof(); positions->MoveNext()) {
      const int32_t k = ugm.RosterIndex(positions->Field("ID").AsLong());
      if (k < 0) continue;
      positions->Edit();
      positions->SetField("FullRosterMin", ugm.RosterMin(k));
      positions->SetField("FullRosterMax", ugm.RosterMax(k));
      positions->SetField("StartRosterMin", ugm.StarterMin(k));
      positions->SetField("StartRosterMax", ugm.StarterMax(k));
      positions->SetField("MergeAsID", ugm.MergeAsID(k));
      positions->Update();
    }
  }
  positions->Close();
  transaction.Commit();
}

void CopyUserMockOwnersToMock(const clsUserMockIsolate& ugm, clsMockDraft& mock) {
  const int32_t owners = ugm.OwnerCount();
  mock.SetOwnerCount(owners);
  mock.SetDraftRounds(ugm.DraftRounds());
  for (int32_t i = 0; i < owners; ++i) {
    mock.SetOwnerName(i + 1, ugm.OwnerName(i));
    mock.SetDraftStrategyFile(i + 1, ugm.OwnerStrategy(i));
  }
}

void CopyMockBoardToUserMock(clsUserMockIsolate& ugm, const clsMockDraft& mock) {
  const int32_t last = mock.Count();
  ugm.SetBoardCount(last + 1);
  for (int32_t i = 0; i <= last; ++i) {
    ugm.SetBoardMasterID(i, mock.MasterID(i));
    ugm.SetBoardOwnerID(i, mock.DraftOwner(i));
  }
  ugm.SetDraftRounds(mock.DraftRounds());
}

void CopyUserMockBoardToMock(const clsUserMockIsolate& ugm, clsMockDraft& mock,
                             std::span<clsMockRoster> rosters, clsKickwellDB& db,
                             const std::vector<LGPRosterSizeRecord>& records) {
  const int32_t picks = ugm.BoardCount();
  mock.SetCount(picks - 1);
  for (int32_t i = 0; i < picks; ++i) {
    mock.SetDraftOwner(i, ugm.BoardOwnerID(i));
    mock.SetMasterID(i, ugm.BoardMasterID(i));
    mock.SetDraftPosition(i, i);
    if (ugm.BoardMasterID(i) > 0) {
      ReplayUserMockPick(ugm.BoardMasterID(i), ugm.BoardOwnerID(i), i, mock, db, rosters, records);
    }
  }
}

void ReplayUserMockPick(int32_t masterID, int32_t owner, int32_t pick, clsMockDraft& mock, clsKickwellDB& db,
                        std::span<clsMockRoster> rosters, const std::vector<LGPRosterSizeRecord>& records) {
  // An owner from a damaged file that names no team is not replayed.
  if (owner < 1 || static_cast<std::size_t>(owner) >= rosters.size()) return;
  clsMockRoster& team = rosters[static_cast<std::size_t>(owner)];

  double points = 0;
  double baseline = 0;
  int32_t posID = 0;
  bool drafted = team.ManualDraftPlayer(masterID, points, baseline, posID);
  if (!drafted) {
    // Not in any stack (he ranked too low when the stacks were filled): add
    // him from his season row to every team's stack of his merged position.
    const int16_t year = db.pFnGetYear();
    std::unique_ptr<jet::Recordset> row = db.pSbKickwellSQL(
        "SELECT tblPlayers.PosID, tblStat0.Points FROM tblPlayers, tblStat0 WHERE tblPlayers.MasterID = ? "
        "AND tblPlayers.ID = tblStat0.PlayerID AND tblStat0.Week = ? AND tblStat0.Year = ? "
        "ORDER BY tblStat0.ID;",
        {masterID, static_cast<int>(clsKickwellDB::kSeasonWeek), static_cast<int>(year)});
    if (row->RecordCount() == 0) return;
    row->MoveFirst();
    const int32_t playerPosID = row->Field(0).AsLong();
    const double seasonPoints = row->Field(1).AsDouble();
    row->Close();

    int32_t mergeAsID = 0;
    for (const LGPRosterSizeRecord& record : records) {
      if (record.PosID == playerPosID) {
        mergeAsID = record.MergeAsID;
        break;
      }
    }
    if (rosters.size() < 2) return;
    const int32_t slot = rosters[1].pFnGetPositionStackArwPosID(mergeAsID);
    if (slot == -1) return;
    const uint8_t byeWeek = db.pFnGetByeWeekwMasID(masterID, clsKickwellDB::kSeasonWeek, year);
    for (std::size_t t = 1; t < rosters.size(); ++t) {
      rosters[t].AddStackPlayer(masterID, seasonPoints, false, slot, byeWeek);
    }
    drafted = team.ManualDraftPlayer(masterID, points, baseline, posID);
  }
  if (!drafted) return;
  basMockDraftCalculation::RecordMockPick(masterID, points, owner, posID, baseline,
                                          db.pFnGetPlayerNamewMasID(masterID), pick, mock, rosters);
}

}  // namespace basUGMFileControl
