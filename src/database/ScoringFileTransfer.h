#pragma once
// Scoring-system files (.sco) into a projected-stats file: its
// tblScoringSystem filled from a file, and the scoring system read back from
// the table's rows.

#include <cstdint>
#include <string>

class clsKickwellDB;
class clsScoringIsolate;
namespace jet {
class Recordset;
}

namespace basSCOFileControl {

// Replaces the rules of the database's tblScoringSystem with those of the
// file and makes them the database's scoring system, in one transaction. A
// missing file shows "File Not Found:  '<path>'" titled "File Error", and a
// file the reader refuses its "Open File Error"; both change nothing. A file
// without a whole record leaves the table empty.
void LoadScoFileIntoDb(const std::string& path, clsKickwellDB& db);

// Adds the file's rules to tblScoringSystem (without their FDM flags, which
// the table does not keep), then reloads the database's scoring system from
// the table, also when the file gave no rule. A refused file changes nothing
// after the reader's message.
void AddScoFileToDb(const std::string& path, clsKickwellDB& db);

// basSCOFileControl::PositionMaskText with the abbreviations of the database's position table.
std::string PositionMaskText(int32_t mask, clsKickwellDB& db);

// Replaces the rules of the scoring system with the rows of a
// tblScoringSystem row set, in its order, each with FDM 0. False, changing
// nothing, when there are no rows. A value that does not fit its field, or
// a Points, FieldVal, RangeMin or RangeMax that is not a finite number,
// raises jet::JetError before anything changes.
bool RecordsetToScoringIsolate(jet::Recordset& rows, clsScoringIsolate& scoring);

}  // namespace basSCOFileControl
