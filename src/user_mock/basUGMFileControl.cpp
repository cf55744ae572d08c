#include "user_mock/basUGMFileControl.h"

#include "engine/clsMockDraft.h"
#include "user_mock/clsUserMockIsolate.h"

namespace basUGMFileControl {

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
