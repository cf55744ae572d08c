#include "database/ScoringFileTransfer.h"

#include <vector>

#include "core/basFileExists_001.h"
#include "database/basFieldRead.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/Transaction.h"

namespace basSCOFileControl {

void LoadScoFileIntoDb(const std::string& path, clsKickwellDB& db) {
  if (!basFileExists_001::FileExists(path, true)) return;
  // The old rules go only together with the new ones arriving.
  jet::Transaction transaction(db.Database());
  {
    auto rows = db.pSbEditableKickwellSQL("SELECT * FROM tblScoringSystem");
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) rows->Delete();
  }
  AddScoFileToDb(path, db);
  transaction.Commit();
}

void AddScoFileToDb(const std::string& path, clsKickwellDB& db) {
  std::vector<ScoringRuleRecord> records;
  const int32_t n = ReadScoRecords(path, records);
  jet::Transaction transaction(db.Database());
  for (int32_t i = 0; i < n; ++i) {
    const ScoringRuleRecord& r = records[static_cast<std::size_t>(i)];
    db.pSbAddSco(0, r.Points, r.CatID, r.FieldVal, r.RangeMin, r.RangeMax, r.RangeRestrict != 0,
                 r.ApplyToPos);
  }
  db.pSbUpdateScoringSystem();
  transaction.Commit();
}

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
    read.push_back(r);
  }
  SetIsolateRecords(read, scoring);
  return true;
}

}  // namespace basSCOFileControl
