#pragma once
// The player-record file (.kwr): a header, an index of week blocks, and per
// block biographies, stats, scoring-play yardage and database modifications
// (docs/file-format-kwr.md). Master, update, projection-strain and ADP files
// all share it.
//
// Reading is block by block: ReadKwrHeader gives the index, then each
// ReadKwrBlock reads one indexed block, so an import holds one block at a
// time. Files arrive from the update server and from the user, so nothing in
// them is trusted: every count, position and length is checked against the
// file's size before anything is allocated or read.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "database/KWRRecords.h"

class clsKickwellDB;
class clsScoringIsolate;

namespace basKWRFileControl {

inline constexpr char kKwrSignature[] = "Vellacorn KWR";
inline constexpr int32_t kKwrSignatureBytes = 15;
inline constexpr int32_t kKwrHeaderBytes = 25;  // signature, version, count, year
inline constexpr int32_t kKwrTextBytes = 60;    // header text, version 4 only
inline constexpr int32_t kKwrIndexEntryBytes = 8;
inline constexpr int32_t kKwrBlockHeadBytes = 17;  // block version and four counts
inline constexpr int32_t kKwrBioBytes = 56;
inline constexpr int32_t kKwrStatBytes = 11;
inline constexpr int32_t kKwrNameBytes = 40;
// Largest block body read: a hundred times a season-totals block of every
// player. A block takes about twice its bytes in memory, so a larger one
// (which only a damaged or hostile file holds) is a bad block.
inline constexpr int64_t kKwrMaxBlockBytes = 64ll * 1024 * 1024;
// Most index entries read: a sound file indexes each week of 0..255 once,
// so a few hundred entries hold every file ever written; a count above it
// is refused before the index is read.
inline constexpr int64_t kKwrMaxIndexEntries = 512;
// The version the writer writes into the header and into every block; the
// readers accept every version up to it.
inline constexpr int32_t kKwrVersion = 4;

// Reads the header and the index. Returns the index's upper bound (entries
// 0..count) with `index` and `text` filled, or -1:
// - when the file cannot be opened (after the opener's "Open File Error"),
//   is too short, has another signature or a header version other than 0 to
//   4, a count below -1 or of more than kKwrMaxIndexEntries entries, or an
//   index that does not fit in the file; `index` and `text` are then left as
//   they were;
// - when the file's index is empty or holds no usable entry; `index` is then
//   empty and `text` filled.
// Index entries whose week is outside 0..255 cannot name a week of the
// database and are left out. `text` is the 60-byte header text as stored
// (version 4), or 60 NUL characters for versions 0 to 3.
// With `report` False the opener says nothing either: for an import that
// reports a file it cannot read once, in its own words.
int32_t ReadKwrHeader(const std::string& path, std::vector<KWRIndexEntry>& index, std::string& text,
                      bool report = true);

// Reads the block at the 1-based `position` into `block` and moves
// `position` past it. A block that cannot be read (a version of 5 or more,
// a position outside the file, a negative count, records that do not fit
// in the file, or more than kKwrMaxBlockBytes of records) shows "Incorrect KWR Version." titled "KWR Import Aborted"
// and returns False with `block` and `position` left as they were, so the
// import skips it and goes on with the next. A missing file shows the
// "File Not Found" notice; an unreadable one "Open File Error".
bool ReadKwrBlock(const std::string& path, KWRBlock& block, int32_t& position);
// ReadKwrBlock without a word to the user, also when the file is missing or
// cannot be opened: for an import that counts the blocks it skips and
// reports them once per file.
bool ReadKwrBlockQuietly(const std::string& path, KWRBlock& block, int32_t& position);

// True when the modification record sets a bye week (MasID -2) and its
// value, rounded half to even, is a year that fits an Integer; `year` then
// receives it. A value that is not finite or does not fit is not a year,
// and the record is passed over like any other modification.
bool KwrByeWeekYear(const KWRStatRecord& modification, int16_t& year);

// ----- writing -----

// Empties the four lists of a block being collected.
void ClearKwrArrays(KWRBlock& block);

// Appends one stat record. The team and the stat category arrive as Longs
// and are stored as Bytes: outside 0..255 throws runtime::OverflowError.
void AddStatRecord(KWRBlock& block, int32_t masID, int32_t teaID, uint8_t week, int32_t field, float value);

// Writes one block (block version 4, the four counts, then every record) into
// the file image at the 1-based `position`, keeping what the image holds
// elsewhere, and moves `position` past it. Throws std::length_error when the
// block would end beyond the reach of a 32-bit position.
void WriteKwrBlock(std::string& image, const KWRBlock& block, int32_t& position);

// Fills the block of one week; the block arrives empty.
using KwrWeekCollector = std::function<void(uint8_t week, KWRBlock& block)>;

// Writes a whole file, version 4: the header (count = lastWeek - firstWeek,
// the year), `text` cut or padded with blanks to 60 bytes, the index, and
// one block per week from firstWeek to lastWeek filled by `collect`. The
// file is replaced atomically only once complete, so a failure leaves the
// old file as it was. Throws std::invalid_argument when firstWeek is above
// lastWeek or lastWeek above 254, std::runtime_error with the reason when
// the file cannot be saved, and whatever `collect` throws.
void WriteKwrWeeks(const std::string& path, uint8_t firstWeek, uint8_t lastWeek, int16_t year,
                   const std::string& text, const KwrWeekCollector& collect);
// The same for the given weeks (distinct, ascending, at most 254), such as
// a season's weeks and its season totals; std::invalid_argument otherwise.
void WriteKwrBlocks(const std::string& path, const std::vector<uint8_t>& weeks, int16_t year,
                    const std::string& text, const KwrWeekCollector& collect);

// ----- writing from a projected-stats database -----

// Writes a whole file from the projected-stats database at databasePath,
// opened with a database object of its own: week 0's block holds every
// player's biography, every other week's block each player's non-zero
// values of the editable categories (EditType 1) for that week and `year`,
// under the player's team. Nothing is caught: a database that cannot be
// opened, or whose teams or editable categories do not fit a byte, throws
// std::runtime_error with the reason before anything is written, and the
// rest throws as WriteKwrWeeks does (the old file then stays as it was).
void WriteKwrFile(const std::string& path, uint8_t firstWeek, uint8_t lastWeek, int16_t year,
                  const std::string& databasePath, const std::string& text);

// One biography per row of tblPlayers, in ID order, appended to the block.
void CollectPlayerBios(clsKickwellDB& db, KWRBlock& block);

// Adds to the scoring system one rule per editable category, in ID order (1
// point for every 1 between 0 and 99999), and puts their IDs in `ids`.
// Returns the last index of `ids`, -1 when no category is editable.
int32_t ReadEditableCategories(clsKickwellDB& db, clsScoringIsolate& scoring, std::vector<int32_t>& ids);

}  // namespace basKWRFileControl
