#pragma once
// The scoring-system file (.sco): a headerless sequence of packed 36-byte
// little-endian rule records (docs/file-format-sco.md); the text of a
// position mask. Loading it into a projected-stats file's tblScoringSystem
// lives with the database (database/ScoringFileTransfer.h).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "draft_inputs/ScoringRuleRecord.h"

class clsScoringIsolate;

namespace basSCOFileControl {

inline constexpr std::size_t kScoRecordBytes = 36;
// Largest file read: over a hundred thousand rules, where a real system has
// a few dozen. A larger file is refused like an unreadable one, so that a
// damaged or hostile file cannot make the scoring hold millions of rules.
inline constexpr uint64_t kMaxScoFileBytes = 4ull * 1024 * 1024;

// The whole records of the file in file order; a trailing partial record is
// ignored. Returns their count, or -1 when the file is missing, holds no
// whole record, or is refused: it cannot be read, is not a regular file, is
// larger than kMaxScoFileBytes, or a rule holds a Points, FieldVal, RangeMin
// or RangeMax that is not a finite number (no database or score can hold
// one). A refused file is reported under "Open File Error", unless `refused`
// is given: it then receives why, and stays "" for a missing file or one
// without a whole record. `records` changes only when the file reads.
int32_t ReadScoRecords(const std::string& path, std::vector<ScoringRuleRecord>& records,
                       std::string* refused = nullptr);

// Replaces the scoring system's rules with the records, in order.
void SetIsolateRecords(const std::vector<ScoringRuleRecord>& records, clsScoringIsolate& scoring);

// Replaces the rules of the scoring system with those of the file and
// leaves the cursor at EOF. False, changing nothing, when the file holds no
// rules or is refused (as ReadScoRecords says). The distribution maps are
// not rebuilt.
bool ReadScoFileToIsolate(const std::string& path, clsScoringIsolate& scoring,
                          std::string* refused = nullptr);

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

}  // namespace basSCOFileControl
