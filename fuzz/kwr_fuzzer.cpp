// The player-record file (.kwr): the header and index, then every indexed
// block as an import reads them, one at a time.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "player_data/basKWRFileControl.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string path = kdfuzz::WriteInput("fuzz.kwr", data, size);

  std::vector<KWRIndexEntry> index = {{1, 99}};
  std::string text = "before";
  const int32_t upper = basKWRFileControl::ReadKwrHeader(path, index, text);
  if (upper < 0) {
    // Refused: left as it was, or emptied for an index without a usable entry.
    KD_FUZZ_CHECK((index.size() == 1 && index[0].Position == 99 && text == "before") ||
                  (index.empty() && text != "before"));
    return 0;
  }
  KD_FUZZ_CHECK(static_cast<std::size_t>(upper) + 1 == index.size());
  KD_FUZZ_CHECK(text != "before");

  for (const KWRIndexEntry& entry : index) {
    KD_FUZZ_CHECK(entry.Week >= 0 && entry.Week <= 255);
    int32_t position = entry.Position;
    KWRBlock block;
    block.Bios.resize(1);
    if (!basKWRFileControl::ReadKwrBlock(path, block, position)) {
      KD_FUZZ_CHECK(position == entry.Position && block.Bios.size() == 1 && block.Stats.empty());
      continue;
    }
    KD_FUZZ_CHECK(position > entry.Position);
    int16_t year = 0;
    for (const KWRStatRecord& modification : block.Modifications) {
      (void)basKWRFileControl::KwrByeWeekYear(modification, year);
    }
  }
  return 0;
}
