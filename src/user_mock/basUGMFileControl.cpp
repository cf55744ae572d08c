#include "user_mock/basUGMFileControl.h"

#include <memory>

#include "database/clsKickwellDB.h"
#include "engine/clsMockDraft.h"
#include "platform/jet/Transaction.h"
#include "user_mock/clsUserMockIsolate.h"

namespace basUGMFileControl {

void ApplyUserMockRosterSizes(const clsUserMockIsolate& ugm, clsKickwellDB& db) {
  jet::Transaction transaction(db.Database());
  std::unique_ptr<jet::Recordset> positions = db.pSbEditableKickwellSQL("SELECT * FROM tblPositions ORDER BY ID ASC;");
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

}  // namespace basUGMFileControl
