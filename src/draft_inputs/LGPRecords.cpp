#include "draft_inputs/LGPRecords.h"

#include <algorithm>

#include "platform/runtime/Encoding.h"

std::string FixedLengthText(std::string_view text, std::size_t width) {
  std::string out;
  AssignFixedLengthText(out, text, width);
  return out;
}

void AssignFixedLengthText(std::string& out, std::string_view text, std::size_t width) {
  // Plain ASCII reads the same in both encodings: it is cut or padded as it
  // is (every pick of a draft names its player through here).
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    out.assign(text.substr(0, width));
    out.resize(width, ' ');
    return;
  }
  out = runtime::Cp1252ToUtf8(runtime::ToFixedField(text, width));
}

LGPRosterSizeRecord BoundedRosterLimits(LGPRosterSizeRecord record) {
  for (int32_t* limit : {&record.RosterMin, &record.RosterMax, &record.StarterMin, &record.StarterMax})
    *limit = std::clamp(*limit, 0, kMaxRosterLimit);
  return record;
}

void ReadLGPRecord(runtime::ByteReader& in, LGPTeamRecord& record) {
  record.OwnerID = in.Long();
  record.TeamName = in.FixedText(kLGPTextWidth);
  record.Strategy = in.FixedText(kLGPTextWidth);
}

void ReadLGPRecord(runtime::ByteReader& in, LGPPickRecord& record) {
  record.OwnerID = in.Long();
  record.MasterID = in.Long();
  record.PosID = in.Long();
}

void ReadLGPRecord(runtime::ByteReader& in, LGPRosterSizeRecord& record) {
  record.PosID = in.Long();
  record.MergeAsID = in.Long();
  record.RosterMin = in.Long();
  record.RosterMax = in.Long();
  record.StarterMin = in.Long();
  record.StarterMax = in.Long();
}

void WriteLGPRecord(runtime::ByteWriter& out, const LGPTeamRecord& record) {
  out.Long(record.OwnerID);
  out.FixedText(record.TeamName, kLGPTextWidth);
  out.FixedText(record.Strategy, kLGPTextWidth);
}

void WriteLGPRecord(runtime::ByteWriter& out, const LGPPickRecord& record) {
  out.Long(record.OwnerID);
  out.Long(record.MasterID);
  out.Long(record.PosID);
}

void WriteLGPRecord(runtime::ByteWriter& out, const LGPRosterSizeRecord& record) {
  out.Long(record.PosID);
  out.Long(record.MergeAsID);
  out.Long(record.RosterMin);
  out.Long(record.RosterMax);
  out.Long(record.StarterMin);
  out.Long(record.StarterMax);
}
