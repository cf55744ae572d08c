#include "database/ScoringFileTransfer.h"

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

// The rules of a tblScoringSystem row set, in its order, each with FDM 0.
// A value that does not fit its field, or that is not a finite number,
// raises jet::JetError.
std::vector<ScoringRuleRecord> ReadScoringRows(jet::Recordset& rows) {
  std::vector<ScoringRuleRecord> read;
  if (rows.RecordCount() < 1) return read;
  read.reserve(static_cast<std::size_t>(rows.RecordCount()));
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
    if (const char* field = NonFiniteField(r))
      throw jet::JetError(std::string("The field ") + field +
                          " of tblScoringSystem holds a value that is not a finite number.");
    read.push_back(r);
  }
  return read;
}

// True when the table holds the rules as a rewrite by a newly opened file
// leaves them: one row each, in order, numbered 1, 2, ...
bool TableHoldsRules(clsKickwellDB& db, std::vector<ScoringRuleRecord> rules) {
  for (ScoringRuleRecord& r : rules) {
    r.RangeRestrict = r.RangeRestrict != 0 ? -1 : 0;
    r.FDM = 0;
  }
  auto rows = db.pSbKickwellSQL("SELECT * FROM tblScoringSystem ORDER BY ID;");
  int32_t id = 0;
  if (rows->RecordCount() > 0) {
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext())
      if (basFieldRead::Long(*rows, "ID") != ++id) return false;
  }
  return ReadScoringRows(*rows) == rules;
}

// Adds the first n rules to tblScoringSystem, then reloads the database's
// scoring system from the table.
void AddRulesToDb(const std::vector<ScoringRuleRecord>& records, int32_t n, clsKickwellDB& db) {
  jet::Transaction transaction(db.Database());
  for (int32_t i = 0; i < n; ++i) {
    const ScoringRuleRecord& r = records[static_cast<std::size_t>(i)];
    db.pSbAddSco(0, r.Points, r.CatID, r.FieldVal, r.RangeMin, r.RangeMax, r.RangeRestrict != 0,
                 r.ApplyToPos);
  }
  db.pSbUpdateScoringSystem();
  transaction.Commit();
}

// The file's rules, or false (after the reader's message) for a file the
// reader refuses, which then changes nothing.
bool ReadFileRules(const std::string& path, std::vector<ScoringRuleRecord>& records, int32_t& n) {
  std::string refused;
  n = ReadScoRecords(path, records, &refused);
  if (refused.empty()) return true;
  basAssociatedFiles::ShowOpenFileError(refused, path);
  return false;
}

}  // namespace

void LoadScoFileIntoDb(const std::string& path, clsKickwellDB& db) {
  if (!basFileExists_001::FileExists(path, true)) return;
  std::vector<ScoringRuleRecord> records;
  int32_t n = 0;
  if (!ReadFileRules(path, records, n)) return;
  // Rules that are there already are not written again: a job does this
  // every run, and an unchanged file stays unchanged.
  if (n > 0 && TableHoldsRules(db, records)) {
    db.pSbUpdateScoringSystem();
    return;
  }
  // The old rules go only together with the new ones arriving.
  jet::Transaction transaction(db.Database());
  {
    auto rows = db.pSbEditableKickwellSQL("SELECT * FROM tblScoringSystem");
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) rows->Delete();
  }
  AddRulesToDb(records, n, db);
  transaction.Commit();
}

void AddScoFileToDb(const std::string& path, clsKickwellDB& db) {
  std::vector<ScoringRuleRecord> records;
  int32_t n = 0;
  if (ReadFileRules(path, records, n)) AddRulesToDb(records, n, db);
}

std::string PositionMaskText(int32_t mask, clsKickwellDB& db) {
  return PositionMaskText(mask, [&db](int32_t posID) { return db.pFnGetPosAbrv(posID, false); });
}

bool RecordsetToScoringIsolate(jet::Recordset& rows, clsScoringIsolate& scoring) {
  // Every row is read first, so that a value that does not fit its field
  // leaves the scoring system as it was.
  const std::vector<ScoringRuleRecord> read = ReadScoringRows(rows);
  if (read.empty()) return false;
  SetIsolateRecords(read, scoring);
  return true;
}

}  // namespace basSCOFileControl
