// Opening a projected-stats database (.pro) from any bytes: the open either
// refuses the file or succeeds, and an open file answers the lookups the
// program makes at once, then closes. The open must never throw.

#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/jet/JetError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string folder = kdfuzz::ScratchSubFolder("database");
  kdfuzz::EmptyFolder(folder);
  const std::string path = folder + "fuzz.pro";
  kdfuzz::WriteBytes(path, kdfuzz::AsText(data, size));

  clsKickwellDB db;
  if (!db.InitializeKickwellDB(path)) {
    KD_FUZZ_CHECK(!db.IsOpen());
    KD_FUZZ_CHECK(!db.LastError().empty());
    return 0;
  }
  // Stored rules that are not finite numbers refuse the file: scored, they
  // would give points no field can hold.
  clsScoringIsolate& rules = db.ScoringIsolate();
  for (rules.MoveFirst(); !rules.IsEOF(); rules.MoveNext()) {
    KD_FUZZ_CHECK(std::isfinite(rules.Points()) && std::isfinite(rules.FieldVal()) &&
                  std::isfinite(rules.RangeMin()) && std::isfinite(rules.RangeMax()));
  }
  // Pages the open did not read can still be damaged: a lookup then raises
  // the layer's error, which the job that made it reports.
  try {
    for (int32_t table = 1; table <= clsKickwellDB::kFixedTableCount; ++table) (void)db.RecordCount(table);
    for (int32_t pos = 0; pos <= 3; ++pos) (void)db.pFnGetPosAbrv(pos, false);
    for (int32_t id = 0; id <= db.StatSubCatMax() && id < 50; ++id) (void)db.StatSubCatName(id);
  } catch (const jet::JetError&) {
  }
  db.pSbCloseKickwellDB();
  KD_FUZZ_CHECK(!db.IsOpen());
  return 0;
}
