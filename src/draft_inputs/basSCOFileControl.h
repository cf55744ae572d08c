#pragma once
// The scoring-system file (.sco): a headerless sequence of packed 36-byte
// little-endian rule records (docs/file-format-sco.md); loading it into a
// projected-stats file's tblScoringSystem; the text of a position mask.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "draft_inputs/ScoringRuleRecord.h"

class clsKickwellDB;
class clsScoringIsolate;
namespace jet {
class Recordset;
}

namespace basSCOFileControl {

inline constexpr std::size_t kScoRecordBytes = 36;
// Largest file read: over a hundred thousand rules, where a real system has
// a few dozen. A larger file is refused like an unreadable one, so that a
// damaged or hostile file cannot make the scoring hold millions of rules.
inline constexpr uint64_t kMaxScoFileBytes = 4ull * 1024 * 1024;

// The whole records of the file in file order; a trailing partial record is
// ignored. Returns their count, or -1 when the file is missing, holds no
// whole record, or cannot be read or is larger than kMaxScoFileBytes (the
// last two show "Open File Error").
int32_t ReadScoRecords(const std::string& path, std::vector<ScoringRuleRecord>& records);

// Replaces the rules of the scoring system with those of the file and
// leaves the cursor at EOF. False, changing nothing, when the file holds no
// rules. The distribution maps are not rebuilt.
bool ReadScoFileToIsolate(const std::string& path, clsScoringIsolate& scoring);

// Saves the rules whose CatID is not negative, in rule order, replacing the
// file atomically; a system without such a rule leaves an empty file. The
// cursor stands at EOF afterwards. False (after "Open File Error") when the
// file cannot be written; the old file is then intact.
bool WriteScoFile(const std::string& path, clsScoringIsolate& scoring);

// The position's abbreviation from the database's position table
// (clsKickwellDB::pFnGetPosAbrv with the all-flag off).
using PositionAbbreviation = std::function<std::string(int32_t posID)>;

// The positions of a rule's mask: " All" when bit 1 is set, then " " and the
// abbreviation of every further set bit from 2 to 30 in bit order. Bit 0 is
// never listed; "" when nothing is.
std::string PositionMaskText(int32_t mask, const PositionAbbreviation& posAbrv);

// Replaces the rules of the database's tblScoringSystem with those of the
// file and makes them the database's scoring system, in one transaction. A
// missing file shows "File Not Found:  '<path>'" titled "File Error" and
// changes nothing; a file without a whole record leaves the table empty.
void LoadScoFileIntoDb(const std::string& path, clsKickwellDB& db);

// Adds the file's rules to tblScoringSystem (without their FDM flags, which
// the table does not keep), then reloads the database's scoring system from
// the table, also when the file gave no rule.
void AddScoFileToDb(const std::string& path, clsKickwellDB& db);

// The same with the abbreviations of the database's position table.
std::string PositionMaskText(int32_t mask, clsKickwellDB& db);

// Replaces the rules of the scoring system with the rows of a
// tblScoringSystem row set, in its order, each with FDM 0. False, changing
// nothing, when there are no rows. A value that does not fit its field
// raises jet::JetError before anything changes.
bool RecordsetToScoringIsolate(jet::Recordset& rows, clsScoringIsolate& scoring);

}  // namespace basSCOFileControl
