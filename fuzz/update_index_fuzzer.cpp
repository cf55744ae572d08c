// The update index (<season><update>.dat): reading any bytes, writing the
// index back, and unpacking every archive it names as the update job does.
// The files an index names are written and deleted, so nothing outside the
// work folder may change: a file beside it must survive, and nothing may
// appear next to it.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/basMockItUp.h"
#include "player_data/clsUpdateFile.h"

namespace {

const char* const kIndexName = "20241.dat";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string root = kdfuzz::ScratchSubFolder("update");
  kdfuzz::EmptyFolder(root);
  const std::string work = kdfuzz::ScratchSubFolder("update/work");
  for (const std::string& sub : basMockItUp::WorkSubFolderNames())
    kdfuzz::ScratchSubFolder("update/work/" + sub);
  const std::string upd = kdfuzz::ScratchSubFolder("update/work/upd");
  basMockItUp::InitFileTypeTable(work);
  // One archive the index may name, and a file outside the work folder.
  kdfuzz::WriteBytes(upd + "a.vcz", kdfuzz::MakeArchive({{"a.kwr", "players"}}));
  kdfuzz::WriteBytes(root + "outside.txt", "keep");
  kdfuzz::WriteBytes(upd + kIndexName, kdfuzz::AsText(data, size));

  clsUpdateFile index;
  if (!index.OpenUpdateFile(upd, kIndexName)) {
    KD_FUZZ_CHECK(index.FileCount() == 0);
    return 0;
  }
  for (int32_t i = 0; i < index.FileCount(); ++i) {
    (void)index.FileName(i);
    (void)index.DestDir(i);
    KD_FUZZ_CHECK(!clsUpdateFile::WorkSubFolderFor(index.DestDir(i)).empty());
    index.SetRequestFile(i, true);
  }
  std::vector<std::string> names;
  KD_FUZZ_CHECK(index.DownloadRequested(names) == index.FileCount() - 1);

  // What is written back reads back the same.
  const std::string bytes = index.Serialize();
  kdfuzz::WriteBytes(upd + "copy.dat", bytes);
  clsUpdateFile copy;
  KD_FUZZ_CHECK(copy.OpenUpdateFile(upd, "copy.dat"));
  KD_FUZZ_CHECK(copy.Serialize() == bytes);

  UnpackReport report;
  (void)index.UnzipRequested(report);
  KD_FUZZ_CHECK(kdfuzz::ReadBytes(root + "outside.txt") == "keep");
  for (const std::string& file : kdfuzz::FilesUnder(root)) {
    KD_FUZZ_CHECK(file == "outside.txt" || file.rfind("work/", 0) == 0);
  }
  return 0;
}
