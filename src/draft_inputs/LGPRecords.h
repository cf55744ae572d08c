#pragma once
// The team, pick and roster-size records of the league-properties file, which
// the user mock-draft file stores byte for byte too (docs/file-format-lgp.md,
// docs/file-format-ugm.md). Records are read and written field by field:
// the files are packed without padding and some headers sit at odd offsets.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/ByteStream.h"

// Fixed-length text fields: team and owner names and strategy file names.
inline constexpr std::size_t kLGPTextWidth = 50;

// Record sizes in the files.
inline constexpr uint64_t kLGPTeamRecordSize = 104;
inline constexpr uint64_t kLGPPickRecordSize = 12;
inline constexpr uint64_t kLGPRosterSizeRecordSize = 24;

// The text a fixed-length field of `width` characters holds after `text` is
// stored in it: left-aligned, blank-padded or cut, and limited to what the
// file's Windows-1252 code page can hold, so memory and file always agree.
std::string FixedLengthText(std::string_view text, std::size_t width);
// FixedLengthText into `out`, reusing its storage.
void AssignFixedLengthText(std::string& out, std::string_view text, std::size_t width);

struct LGPTeamRecord {
  int32_t OwnerID = 0;
  std::string TeamName = FixedLengthText("", kLGPTextWidth);
  std::string Strategy = FixedLengthText("", kLGPTextWidth);
};

// A pick of a draft order, or a keeper: owning team, player, position.
struct LGPPickRecord {
  int32_t OwnerID = 0;
  int32_t MasterID = 0;
  int32_t PosID = 0;
  bool operator==(const LGPPickRecord&) const = default;
};

// Stored in this field order; every AddRosterPositionSize takes its
// arguments as MergeAsID, PosID, RosterMax, RosterMin, StarterMax, StarterMin.
struct LGPRosterSizeRecord {
  int32_t PosID = 0;
  int32_t MergeAsID = 0;
  int32_t RosterMin = 0;
  int32_t RosterMax = 0;
  int32_t StarterMin = 0;
  int32_t StarterMax = 0;
  bool operator==(const LGPRosterSizeRecord&) const = default;
};

// The position ID of the roster-size record that stands for the whole roster.
inline constexpr int32_t kWholeRosterPosID = 1;

// The largest roster or starter limit, as the league editor takes it (and
// the most draft rounds it takes): no team fills more places in a draft.
inline constexpr int32_t kMaxRosterLimit = 255;
// The record with its four limits brought into 0..kMaxRosterLimit, as a
// draft uses it; a file may hold any Long there.
LGPRosterSizeRecord BoundedRosterLimits(LGPRosterSizeRecord record);

// The reader must have been checked for the record's whole size first.
void ReadLGPRecord(runtime::ByteReader& in, LGPTeamRecord& record);
void ReadLGPRecord(runtime::ByteReader& in, LGPPickRecord& record);
void ReadLGPRecord(runtime::ByteReader& in, LGPRosterSizeRecord& record);

void WriteLGPRecord(runtime::ByteWriter& out, const LGPTeamRecord& record);
void WriteLGPRecord(runtime::ByteWriter& out, const LGPPickRecord& record);
void WriteLGPRecord(runtime::ByteWriter& out, const LGPRosterSizeRecord& record);

// Reads a section of `count` records when all of them lie within the bytes
// left (checked in 64 bits before anything is allocated). A negative count or
// a section running past the end reads nothing and answers false.
template <typename Record>
bool ReadLGPSection(runtime::ByteReader& in, int32_t count, uint64_t recordSize,
                    std::vector<Record>& records) {
  if (count < 0 || !in.CanRead(static_cast<uint64_t>(count) * recordSize)) return false;
  std::vector<Record> read(static_cast<std::size_t>(count));
  for (Record& record : read) ReadLGPRecord(in, record);
  if (!in.Ok()) return false;
  records = std::move(read);
  return true;
}

// Writes the first `count` records.
template <typename Record>
void WriteLGPSection(runtime::ByteWriter& out, const std::vector<Record>& records, int32_t count) {
  for (int32_t i = 0; i < count; ++i) WriteLGPRecord(out, records[static_cast<std::size_t>(i)]);
}
