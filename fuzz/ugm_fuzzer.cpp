// The user mock-draft file (.ugm): reading any bytes (a refused file
// changes nothing), reading every owner, pick, keeper and roster size, and
// writing back: a saved mock reads back and saves to the same bytes again.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "user_mock/clsUserMockIsolate.h"

namespace {

clsUserMockIsolate At(const std::string& folder, const std::string& name) {
  clsUserMockIsolate ugm;
  ugm.SetFilePath(folder);
  ugm.SetFileName(name);
  return ugm;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("ugm");
  kdfuzz::EmptyFolder(folder);
  kdfuzz::WriteBytes(folder + "fuzz.ugm", kdfuzz::AsText(data, size));

  clsUserMockIsolate ugm = At(folder, "fuzz.ugm");
  ugm.SetOwnerCount(2);
  ugm.SetOwnerName(1, "Before");
  ugm.SetBoardCount(4);
  ugm.SetDraftRounds(2);
  if (!ugm.LoadUserMock()) {
    KD_FUZZ_CHECK(ugm.OwnerCount() == 2 && ugm.BoardCount() == 4 && ugm.DraftRounds() == 2);
    KD_FUZZ_CHECK(ugm.OwnerName(1).rfind("Before", 0) == 0);
    return 0;
  }

  for (int32_t owner = 0; owner < ugm.OwnerCount(); ++owner) {
    (void)ugm.OwnerID(owner);
    (void)ugm.OwnerName(owner);
    (void)ugm.OwnerStrategy(owner);
  }
  for (int32_t pick = 0; pick < ugm.BoardCount(); ++pick) {
    (void)ugm.BoardOwnerID(pick);
    (void)ugm.BoardMasterID(pick);
    (void)ugm.BoardPosID(pick);
  }
  for (int32_t keeper = 0; keeper < ugm.KeeperCount(); ++keeper) (void)ugm.KeeperMasterID(keeper);
  for (int32_t i = 0; i < ugm.RosterSizeCount(); ++i) (void)ugm.RosterIndex(ugm.PosID(i));

  ugm.SetFileName("saved.ugm");
  KD_FUZZ_CHECK(ugm.SaveUserMock());
  clsUserMockIsolate reread = At(folder, "saved.ugm");
  KD_FUZZ_CHECK(reread.LoadUserMock());
  reread.SetFileName("again.ugm");
  KD_FUZZ_CHECK(reread.SaveUserMock());
  KD_FUZZ_CHECK(kdfuzz::ReadBytes(folder + "again.ugm") == kdfuzz::ReadBytes(folder + "saved.ugm"));
  return 0;
}
