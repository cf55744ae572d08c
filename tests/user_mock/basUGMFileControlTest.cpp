#include <gtest/gtest.h>

#include <string>

#include "engine/clsMockDraft.h"
#include "user_mock/basUGMFileControl.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

TEST(UGMFileControl, OwnersGoToTheMockAndPicksComeBack) {
  clsUserMockIsolate ugm;
  ugm.SetDraftRounds(2);
  ugm.SetOwnerCount(2);
  ugm.SetOwnerName(0, "Alpha");
  ugm.SetOwnerName(1, "Bravo");
  ugm.SetOwnerStrategy(1, "Bold.stg");
  clsMockDraft mock;
  basUGMFileControl::CopyUserMockOwnersToMock(ugm, mock);
  EXPECT_EQ(mock.OwnerCount(), 2);
  EXPECT_EQ(mock.DraftRounds(), 2);
  EXPECT_EQ(mock.OwnerName(1), ugm.OwnerName(0));  // owner 0 becomes team 1
  EXPECT_EQ(mock.OwnerName(2), ugm.OwnerName(1));
  EXPECT_EQ(mock.DraftStrategyFile(2), "Bold.stg" + std::string(42, ' '));

  // Five picks: not rounds x teams. Positions on the user mock's board stay.
  ugm.SetBoardCount(2);
  ugm.SetBoardPosID(0, 6);
  mock.SetDraftRounds(3);
  mock.SetCount(4);
  for (int32_t k = 0; k <= 4; ++k) {
    mock.SetDraftOwner(k, k % 2 + 1);
    mock.SetMasterID(k, k < 2 ? 100 + k : 0);
    mock.SetPosition(k, 4);
  }
  basUGMFileControl::CopyMockBoardToUserMock(ugm, mock);
  ASSERT_EQ(ugm.BoardCount(), 5);
  EXPECT_EQ(ugm.DraftRounds(), 3);
  EXPECT_EQ(ugm.BoardMasterID(1), 101);
  EXPECT_EQ(ugm.BoardOwnerID(1), 2);
  EXPECT_EQ(ugm.BoardMasterID(4), 0);
  EXPECT_EQ(ugm.BoardOwnerID(4), 1);
  EXPECT_EQ(ugm.BoardPosID(0), 6);
  EXPECT_EQ(ugm.BoardPosID(3), 0);

  basUGMFileControl::CopyMockBoardToUserMock(ugm, clsMockDraft());
  EXPECT_EQ(ugm.BoardCount(), 0);
}

}  // namespace
