#include "database/ScoringFileTransfer.h"

#include <cmath>
#include <utility>
#include <vector>

#include "core/basAssociatedFiles.h"
#include "core/basFileExists_001.h"
#include "database/basFieldRead.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/jet/JetError.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Transaction.h"

namespace basSCOFileControl {

namespace {

// The file's rules into the table, then the database's scoring system
// reloaded. False (after the reader's message) for a file that is refused,
// which then changes nothing.
bool AddRecordsToDb(const std::string& path, clsKickwellDB& db, bool replace) {
  std::vector<ScoringRuleRecord> records;
  std::string refused;
  ReadScoRecords(path, records, &refused);
  if (!refused.empty()) {
    basAssociatedFiles::ShowOpenFileError(refused, path);
    return false;
  }
  // The old rules go only together with the new ones arriving.
  jet::Transaction transaction(db.Database());
  if (replace) {
    auto rows = db.pSbEditableKickwellSQL("SELECT * FROM tblScoringSystem");
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) rows->Delete();
  }
  for (const ScoringRuleRecord& r : records) {
    db.pSbAddSco(0, r.Points, r.CatID, r.FieldVal, r.RangeMin, r.RangeMax, r.RangeRestrict != 0,
                 r.ApplyToPos);
  }
  db.pSbUpdateScoringSystem();
  transaction.Commit();
  return true;
}

}  // namespace

void LoadScoFileIntoDb(const std::string& path, clsKickwellDB& db) {
  if (!basFileExists_001::FileExists(path, true)) return;
  AddRecordsToDb(path, db, true);
}

void AddScoFileToDb(const std::string& path, clsKickwellDB& db) { AddRecordsToDb(path, db, false); }

std::string PositionMaskText(int32_t mask, clsKickwellDB& db) {
  return PositionMaskText(mask, [&db](int32_t posID) { return db.pFnGetPosAbrv(posID, false); });
}

bool RecordsetToScoringIsolate(jet::Recordset& rows, clsScoringIsolate& scoring) {
  const int32_t count = rows.RecordCount();
  if (count < 1) return false;
  // Read every row first, so that a value that does not fit its field
  // leaves the scoring system as it was.
  std::vector<ScoringRuleRecord> read;
  read.reserve(static_cast<std::size_t>(count));
  for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
    ScoringRuleRecord r;
    r.ApplyToPos = basFieldRead::Long(rows, "ApplyToPos");
    r.CatID = basFieldRead::Long(rows, "CatID");
    r.FieldVal = rows.Field("FieldVal").AsSingle();
    r.Points = rows.Field("Points").AsSingle();
    r.RangeMax = rows.Field("RangeMax").AsSingle();
    r.RangeMin = rows.Field("RangeMin").AsSingle();
    r.RangeRestrict = rows.Field("RangeRestrict").AsBool() ? -1 : 0;
    r.FDM = 0;  // the table has no FDM column
    for (const auto& [field, value] :
         {std::pair{"Points", r.Points}, std::pair{"FieldVal", r.FieldVal}, std::pair{"RangeMin", r.RangeMin},
          std::pair{"RangeMax", r.RangeMax}}) {
      // Scored, it would give points no field can hold.
      if (!std::isfinite(value))
        throw jet::JetError(std::string("The field ") + field +
                            " of tblScoringSystem holds a value that is not a finite number.");
    }
    read.push_back(r);
  }
  SetIsolateRecords(read, scoring);
  return true;
}

}  // namespace basSCOFileControl
