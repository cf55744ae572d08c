#pragma once
// The records of a player-record file (.kwr) as they are held in memory
// (docs/file-format-kwr.md). A block's four lists are 0-based here: record
// number i of the file (counted from 1) is element i - 1.

#include <cstdint>
#include <string>
#include <vector>

// One entry of the file's index: the week a block holds and the 1-based
// file position of that block.
struct KWRIndexEntry {
  int32_t Week = 0;      // 0 player registration, 1..17 a week, 250 season totals
  int32_t Position = 0;  // 1-based: the block starts at byte offset Position - 1
};

// One player biography (56 bytes in the file).
struct KWRBioRecord {
  int32_t MasID = 0;     // master ID; 0 or less marks an empty slot
  std::string BackName;  // 40-byte Windows-1252 field; its blanks are kept
  int32_t DOB = 0;       // as tblPlayers.DOB holds it
  int32_t TeaID = 0;
  int32_t PosID = 0;
};

// The 11-byte record shared by stats, scoring-play yardage and database
// modifications. Field is the stat-category ID of a stat, the scoring-play
// type of a yardage record; NewValue is the value, the yards, or the season
// year of a bye-week modification.
struct KWRStatRecord {
  int32_t MasID = 0;
  uint8_t TeaID = 0;
  uint8_t Week = 0;
  uint8_t Field = 0;
  float NewValue = 0.0f;
};

// The content of one block: what the reader hands the import, and what the
// writer collects for one week.
struct KWRBlock {
  uint8_t Version = 0;  // as read; the writer always writes the current version
  std::vector<KWRBioRecord> Bios;
  std::vector<KWRStatRecord> Stats;
  std::vector<KWRStatRecord> Yardage;
  std::vector<KWRStatRecord> Modifications;
};

// MasID of a modification record that sets a team's bye week.
inline constexpr int32_t kKwrByeWeekMasID = -2;
