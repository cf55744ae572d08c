#include <gtest/gtest.h>

#include <string>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "user_mock/CompatibilityView.h"
#include "user_mock/basUGMFileControl.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

TEST(UserMockPositions, OnlyPositionsTheUserMockListsAreWritten) {
  kdtest::TempDir dir;
  const std::string path = kdtest::MakeTemplateDatabase(dir);
  kdtest::ExecuteSql(path, "UPDATE tblPositions SET FullRosterMax = 4, MergeAsID = 3 WHERE ID = 9;");
  clsKickwellDB db;
  ASSERT_TRUE(db.InitializeKickwellDB(path)) << db.LastError();
  clsUserMockIsolate ugm;
  ugm.AddRosterPositionSize(1, 1, 16, 0, 9, 0);
  ugm.AddRosterPositionSize(4, 3, 6, 2, 3, 1);
  ugm.AddRosterPositionSize(7, 3, 1, 1, 1, 1);  // a second record of a position is not used
  basUGMFileControl::ApplyUserMockRosterSizes(ugm, db);
  const auto limits = [&path](int id) {
    return kdtest::QueryText(
        path,
        "SELECT FullRosterMin || ' ' || FullRosterMax || ' ' || StartRosterMin || ' ' || "
        "StartRosterMax || ' ' || MergeAsID FROM tblPositions WHERE ID = " +
            std::to_string(id));
  };
  EXPECT_EQ(limits(1), "0 16 0 9 1");
  EXPECT_EQ(limits(3), "2 6 1 3 4");
  EXPECT_EQ(limits(9), "0 4 0 0 3");
  EXPECT_EQ(limits(2), "0 0 0 0 2");
}

TEST(CompatibilityWindow, WithoutAWindowNothingIsToBeTransferred) {
  LGPTransferFlags.fill(true);
  clsUserMockIsolate ugm;
  clsLeagueIsolate league;
  clsKickwellDB db;
  seams::Compatibility().PopulateTeamChanges(ugm, league, db);
  seams::Compatibility().ActivateGrid();
  seams::Compatibility().ShowModal();
  seams::Compatibility().Unload();
  EXPECT_EQ(LGPTransferFlags, (std::array<bool, 4>{}));
}

}  // namespace
