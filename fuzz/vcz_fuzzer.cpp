// The archive (.vcz): opening any bytes and extracting into a folder of its
// own. Nothing may appear outside that folder, and only entries whose names
// are bare file names may appear inside it.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "player_data/clsVCZ.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string root = kdfuzz::ScratchSubFolder("vcz");
  kdfuzz::EmptyFolder(root);
  const std::string destination = kdfuzz::ScratchSubFolder("vcz/out");
  const std::string archive = root + "in.vcz";
  kdfuzz::WriteBytes(archive, kdfuzz::AsText(data, size));

  clsVCZ vcz;
  const bool extracted = vcz.UnZip(archive, destination);
  const int32_t count = vcz.FileCount();
  KD_FUZZ_CHECK(!extracted || count > 0);
  for (int32_t i = 0; i < count; ++i) {
    (void)vcz.Entry(i);
    (void)vcz.FileName(i);
  }
  if (count > 0) (void)vcz.ExtractEntry(archive, 0, destination);

  for (const std::string& file : kdfuzz::FilesUnder(root)) {
    if (file == "in.vcz" || file == "out/") continue;
    KD_FUZZ_CHECK(file.rfind("out/", 0) == 0);
    const std::string name = file.substr(4);
    KD_FUZZ_CHECK(clsVCZ::IsBareFileName(name));
    bool named = false;
    for (int32_t i = 0; i < count && !named; ++i) named = vcz.FileName(i) == name;
    KD_FUZZ_CHECK(named);
  }
  return 0;
}
