// The scoring-system file (.sco): reading any bytes (a rule holding a value
// that is not a finite number refuses the file), scoring through the rules
// read, and writing them back, which must give the file's own records
// (reserved bytes cleared, removed rules left out).

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("sco");
  kdfuzz::EmptyFolder(folder);
  const std::string path = folder + "fuzz.sco";
  kdfuzz::WriteBytes(path, kdfuzz::AsText(data, size));

  clsScoringIsolate scoring;
  scoring.SetFilePath(path);
  const bool read = basSCOFileControl::ReadScoFileToIsolate(path, scoring);
  const std::size_t records = size / basSCOFileControl::kScoRecordBytes;
  // A rule whose Points, FieldVal, RangeMin or RangeMax is not a finite
  // number refuses the file.
  bool finite = true;
  for (std::size_t r = 0; r < records; ++r) {
    for (std::size_t offset : {0, 8, 12, 16}) {
      float value = 0;
      std::memcpy(&value, data + r * basSCOFileControl::kScoRecordBytes + offset, sizeof value);
      finite = finite && std::isfinite(value);
    }
  }
  KD_FUZZ_CHECK(read == (records > 0 && size <= basSCOFileControl::kMaxScoFileBytes && finite));
  if (!read) {
    KD_FUZZ_CHECK(scoring.RecordCount() == 0);
    return 0;
  }
  KD_FUZZ_CHECK(static_cast<std::size_t>(scoring.RecordCount()) == records);

  // No map files exist, so every rule scores the plain value.
  scoring.BuildMaps(folder);
  std::vector<double> mapped;
  for (scoring.MoveFirst(); !scoring.IsEOF(); scoring.MoveNext()) {
    for (int32_t pos = -1; pos <= 32; ++pos) (void)scoring.UsePos(pos);
    KD_FUZZ_CHECK(scoring.GetFDMap(12.0, mapped) == 0);
    KD_FUZZ_CHECK(mapped.size() == 1 && mapped[0] == 12.0);
  }

  const std::string out = folder + "out.sco";
  KD_FUZZ_CHECK(basSCOFileControl::WriteScoFile(out, scoring));
  std::string expected;
  for (std::size_t r = 0; r < records; ++r) {
    std::string record(
        kdfuzz::AsText(data + r * basSCOFileControl::kScoRecordBytes, basSCOFileControl::kScoRecordBytes));
    int32_t catID = 0;
    std::memcpy(&catID, record.data() + 4, sizeof catID);
    if (catID < 0) continue;
    std::memset(record.data() + 28, 0, 8);
    expected += record;
  }
  KD_FUZZ_CHECK(kdfuzz::ReadBytes(out) == expected);
  return 0;
}
