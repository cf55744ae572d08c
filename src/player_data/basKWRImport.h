#pragma once
// Importing a player-record file (.kwr) into an open projected-stats
// database: block by block in index order, each block phase by phase
// (biographies, bye-week modifications, scoring-play yardage, stats), on one
// weighted segment of the caller's progress window, watching CancelFlag.
// The database's player-data writers do the row work; this module hands
// them the records, stats and yardage in runs of one player-week.
//
// A block is written inside one transaction, committed when the block ends,
// also when it ends early: a cancel keeps what was written, and so does a
// database error, which then reaches the caller.

#include <cstdint>
#include <string>
#include <vector>

#include "database/KWRRecords.h"

class clsKickwellDB;
class clsKWRData;
class clsStatusPlain;

namespace basKWRImport {

// What became of importing a file or a block.
enum class KwrImportResult {
  kImported,
  kCancelled,      // CancelFlag stopped it
  kBlocksSkipped,  // blocks the reader refused were passed over
  kUnreadable,     // the file's header or index did not read: nothing was imported
};

// "Registering Players" for week 0, "Season Totals" for week 250, else
// "Week " and the number.
std::string WeekLabel(uint8_t week);

// Makes the class's stat and yardage lists the given ones: upper bound =
// the record count, record i = element i - 1.
void FillKwrData(const std::vector<KWRStatRecord>& stats, const std::vector<KWRStatRecord>& yardage,
                 clsKWRData& kwrData);

// Imports every block of the file. `text` receives the header text (60
// NULs for files before version 4) and is left alone when the header is
// refused: the file is missing, cannot be opened, or its header or index
// does not read. That imports nothing, is reported once ("KWR Import
// Aborted": the path and "The file's header could not be read; nothing
// was imported from it.") and answers kUnreadable. A file whose index
// lists no block is read and imports nothing. The caller has added
// progress segment `segment`. Blocks the reader refuses are passed over
// and counted, and reported once for the file: "Incorrect KWR Version.",
// the path and "n blocks skipped.", titled "KWR Import Aborted"; the
// result then says so (unless CancelFlag stopped the import).
KwrImportResult ExpandKwrFile(clsKickwellDB& db, const std::string& path, int16_t year, clsStatusPlain& status,
                              std::string& text, int32_t segment, bool keepModified);

// A file's progress segment runs from 0 to kFileSteps over the whole file,
// block `block` (from 0) of `blocks` taking the equal share after those
// before it: neither the segment nor the total goes back between blocks.
inline constexpr int32_t kFileSteps = 10000;
struct BlockShare {
  int32_t segment = 0;
  int32_t block = 0;
  int32_t blocks = 1;
};

// Imports the block at the 1-based position, labelled by `week`, reporting
// on its share of the file's segment (whose range ExpandKwrFile sets). A
// block the reader refuses is passed over without a message (its caller
// reports it) and answers kBlocksSkipped.
KwrImportResult ImportKwrBlock(clsKickwellDB& db, const std::string& path, clsStatusPlain& status, uint8_t week,
                               int16_t year, int32_t position, const BlockShare& share, bool keepModified);

}  // namespace basKWRImport
