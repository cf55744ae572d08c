#include <gtest/gtest.h>

#include <string>

#include "FakeSeams.h"
#include "LeagueFixtures.h"
#include "TempDir.h"
#include "engine/clsMockDraft.h"
#include "user_mock/clsUserMockIsolate.h"

using namespace kdtest::lgp;

namespace {

class UserMockFile : public ::testing::Test {
 protected:
  clsUserMockIsolate Named(const std::string& name = "draft.ugm") {
    clsUserMockIsolate ugm;
    ugm.SetFilePath(dir.Path());
    ugm.SetFileName(name);
    return ugm;
  }
  std::string Saved(clsUserMockIsolate& ugm) {
    EXPECT_TRUE(ugm.SaveUserMock());
    return kdtest::ReadFile(ugm.FilePath() + ugm.FileName());
  }
  // Two owners, three picks (one made), one roster size, one keeper.
  std::string SmallFile() {
    return UserMockHeader(2, 3, 1, 1, 2) + Team(1, "Alpha", "Safe.stg") + Team(2, "Bravo", "Bold.stg") +
           Pick(1, 0, 0) + Pick(2, 9001, 3) + Pick(2, 0, 0) + RosterSize(3, 9, 1, 2, 0, 1) + Pick(1, 555, 6);
  }

  kdtest::ScopedFakeSeams fakes;
  kdtest::TempDir dir;
};

TEST_F(UserMockFile, NewDocumentSavesFortyThreeBytesOverALongerFile) {
  kdtest::WriteFile(dir.File("draft.ugm"), std::string(999, 'z'));
  clsUserMockIsolate ugm = Named();
  EXPECT_EQ(Saved(ugm), UserMockHeader(0, 0, 0, 0, 0));
  EXPECT_EQ(UserMockHeader(0, 0, 0, 0, 0).size(), 43u);
}

TEST_F(UserMockFile, SmallDraftIsWrittenFieldByField) {
  clsUserMockIsolate ugm = Named();
  ugm.SetDraftRounds(2);
  ugm.SetOwnerCount(2);
  ugm.SetOwnerID(0, 1);
  ugm.SetOwnerName(0, "Alpha");
  ugm.SetOwnerStrategy(0, "Safe.stg");
  ugm.SetOwnerID(1, 2);
  ugm.SetOwnerName(1, "Bravo");
  ugm.SetOwnerStrategy(1, "Bold.stg");
  ugm.SetBoardCount(3);
  ugm.SetBoardOwnerID(0, 1);
  ugm.SetBoardOwnerID(1, 2);
  ugm.SetBoardMasterID(1, 9001);
  ugm.SetBoardPosID(1, 3);
  ugm.SetBoardOwnerID(2, 2);
  ugm.AddRosterPositionSize(9, 3, 2, 1, 1, 0);
  ugm.SetKeeperCount(1);
  ugm.SetKeeperOwnerID(0, 1);
  ugm.SetKeeperMasterID(0, 555);
  ugm.SetKeeperPosID(0, 6);
  EXPECT_EQ(Saved(ugm), SmallFile());
}

TEST_F(UserMockFile, LoadThenSaveGivesTheSameBytes) {
  kdtest::WriteFile(dir.File("draft.ugm"), SmallFile());
  clsUserMockIsolate ugm = Named();
  ASSERT_TRUE(ugm.LoadUserMock());
  EXPECT_EQ(ugm.OwnerStrategy(0), Text("Safe.stg", 50));
  EXPECT_EQ(ugm.BoardMasterID(1), 9001);
  EXPECT_EQ(ugm.KeeperMasterID(0), 555);
  EXPECT_EQ(Saved(ugm), SmallFile());
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(UserMockFile, AllCountsZeroLoadsEmptyListsAndTheRounds) {
  kdtest::WriteFile(dir.File("draft.ugm"), UserMockHeader(0, 0, 0, 0, 15) + "ignored tail");
  clsUserMockIsolate ugm = Named();
  ugm.SetOwnerCount(1);
  ugm.SetBoardCount(4);
  ASSERT_TRUE(ugm.LoadUserMock());
  EXPECT_EQ(ugm.OwnerCount() + ugm.BoardCount() + ugm.RosterSizeCount() + ugm.KeeperCount(), 0);
  EXPECT_EQ(ugm.DraftRounds(), 15);
}

TEST_F(UserMockFile, ListsNamesAndRosterIndex) {
  clsUserMockIsolate ugm;
  ugm.SetBoardCount(3);
  ugm.SetBoardCount(0);
  EXPECT_EQ(ugm.BoardCount(), 0);
  ugm.SetBoardCount(1);
  EXPECT_EQ(ugm.BoardOwnerID(0), 0);
  // Counts below one empty the owners but keep their storage.
  ugm.SetOwnerCount(2);
  ugm.SetOwnerName(1, "Kept");
  ugm.SetOwnerName(0, std::string(70, 'o'));
  EXPECT_EQ(ugm.OwnerName(0), std::string(50, 'o'));
  ugm.SetOwnerCount(-3);
  EXPECT_EQ(ugm.OwnerCount(), 0);
  EXPECT_THROW((void)ugm.OwnerName(0), std::out_of_range);
  ugm.SetOwnerCount(2);
  EXPECT_EQ(ugm.OwnerName(1), Text("Kept", 50));

  EXPECT_EQ(ugm.RosterIndex(3), -1);
  ugm.AddRosterPositionSize(3, 3, 1, 1, 1, 1);
  ugm.AddRosterPositionSize(1, 1, 1, 1, 1, 1);
  ugm.AddRosterPositionSize(9, 3, 2, 2, 2, 2);
  EXPECT_EQ(ugm.RosterIndex(3), 0);  // the lower of two records
  ugm.ClearRosterPositions();
  EXPECT_EQ(ugm.RosterSizeCount(), 0);
}

TEST_F(UserMockFile, SaveFailureIsReportedAsSaveUserMockError) {
  clsUserMockIsolate ugm = Named();
  ugm.SetFilePath(dir.Path() + "nowhere/");
  EXPECT_FALSE(ugm.SaveUserMock());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Save User Mock Error");
  EXPECT_EQ(fakes.messages.plain[0].buttons, seams::PlainButtons::kOk);
}

TEST_F(UserMockFile, TransferRosterSizeToMockKeepsTheArgumentOrder) {
  clsUserMockIsolate ugm;
  ugm.AddRosterPositionSize(9, 3, 2, 1, 1, 0);
  ugm.AddRosterPositionSize(1, 1, 16, 0, 9, 0);
  clsMockDraft mock;
  ugm.TransferRosterSizeToMock(mock);
  EXPECT_EQ(mock.ActivePositionMax(), 2);
  EXPECT_EQ(mock.PosID(1), 3);
  EXPECT_EQ(mock.MergeAsID(3), 9);
  EXPECT_EQ(mock.RosterMax(3), 2);
  EXPECT_EQ(mock.StarterMax(3), 1);
  EXPECT_EQ(mock.RosterMax(1), 16);
}

// --- damaged files: the document keeps what it held ---

class DamagedUserMockFile : public UserMockFile {
 protected:
  void SetUp() override {
    kdtest::WriteFile(dir.File("draft.ugm"), SmallFile());
    ugm = Named();
    ASSERT_TRUE(ugm.LoadUserMock());
  }
  bool LoadOver(const std::string& bytes) {
    kdtest::WriteFile(dir.File("draft.ugm"), bytes);
    const bool ok = ugm.LoadUserMock();
    ugm.SetFileName("check.ugm");
    EXPECT_EQ(Saved(ugm), SmallFile()) << "the document changed";
    ugm.SetFileName("draft.ugm");
    return ok;
  }

  clsUserMockIsolate ugm;
};

TEST_F(DamagedUserMockFile, DamagedFilesAreRefusedWithTheirReason) {
  const std::string good = SmallFile();
  std::string foreign = good;
  foreign[0] = 'v';
  const std::string cut = "The user mock-draft file is cut short";
  const std::string negative = "The user mock-draft file has a negative count";
  struct Case {
    std::string bytes;
    std::string description;  // empty: refused without a message
  };
  const Case cases[] = {
      {good.substr(0, 19), ""},
      {good.substr(0, 20), cut},
      {foreign, "Not a user mock-draft file"},
      {UserMockHeader(0, -1, 0, 0, 2), negative},
      {UserMockHeader(0, 0, 0, INT32_MIN, 2), negative},
      {good.substr(0, good.size() - 1), cut},
      {UserMockHeader(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 0), cut},
      {UserMockHeader(1, 0, 0, 0, 0) + std::string(103, ' '), cut},
      // Above the league's ceilings: more teams than a league has, more picks.
      {UserMockHeader(257, 0, 0, 0, 1) + std::string(257 * 104, ' '),
       "The user mock-draft file has a count out of range"},
      {UserMockHeader(0, 10001, 0, 0, 1) + std::string(10001 * 12, '\0'),
       "The user mock-draft file has a count out of range"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    fakes.messages.plain.clear();
    EXPECT_FALSE(LoadOver(c.bytes));
    if (c.description.empty()) {
      EXPECT_TRUE(fakes.messages.plain.empty());
      continue;
    }
    ASSERT_EQ(fakes.messages.plain.size(), 1u);
    EXPECT_EQ(fakes.messages.plain[0].caption, "Load User Mock Error");
    EXPECT_EQ(fakes.messages.plain[0].text, c.description + "\r\n" + dir.File("draft.ugm"));
  }
}

TEST_F(DamagedUserMockFile, MissingFileIsReported) {
  ugm.SetFileName("gone.ugm");
  EXPECT_FALSE(ugm.LoadUserMock());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Load User Mock Error");
  EXPECT_EQ(fakes.messages.plain[0].text, "File not found\r\n" + dir.File("gone.ugm"));
}

// A 256 MB file of owners took about twice its size in memory; files above
// the ceiling are refused before anything is read.
TEST_F(DamagedUserMockFile, FileLargerThanTheCeilingIsRefused) {
  std::string bytes = SmallFile();
  bytes.resize(clsUserMockIsolate::kMaxFileBytes + 1, ' ');  // a valid file with a long tail
  EXPECT_FALSE(LoadOver(bytes));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Open File Error");
  bytes.resize(clsUserMockIsolate::kMaxFileBytes);
  kdtest::WriteFile(dir.File("draft.ugm"), bytes);
  EXPECT_TRUE(ugm.LoadUserMock());
}

}  // namespace
