#include "draft_inputs/basSCOFileControl.h"

#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "core/basFileExists_001.h"
#include "draft_inputs/basBitToArray.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/FileIO.h"

namespace basSCOFileControl {

namespace {

using basAssociatedFiles::ShowOpenFileError;

ScoringRuleRecord DecodeRecord(runtime::ByteReader& in) {
  ScoringRuleRecord r;
  r.Points = in.Single();
  r.CatID = in.Long();
  r.FieldVal = in.Single();
  r.RangeMin = in.Single();
  r.RangeMax = in.Single();
  r.RangeRestrict = in.Integer();
  r.ApplyToPos = in.Long();
  r.FDM = in.Integer();
  in.Skip(8);  // reserved
  return r;
}

void EncodeRecord(const ScoringRuleRecord& r, runtime::ByteWriter& out) {
  out.Single(r.Points);
  out.Long(r.CatID);
  out.Single(r.FieldVal);
  out.Single(r.RangeMin);
  out.Single(r.RangeMax);
  out.Integer(r.RangeRestrict);
  out.Long(r.ApplyToPos);
  out.Integer(r.FDM);
  out.Raw(std::string(8, '\0'));
}

}  // namespace

int32_t ReadScoRecords(const std::string& path, std::vector<ScoringRuleRecord>& records,
                       std::string* refused) {
  if (refused != nullptr) refused->clear();
  if (!basFileExists_001::FileExists(path, false)) return -1;
  auto refuse = [&](const std::string& why) {
    if (refused != nullptr) {
      *refused = why;
    } else {
      ShowOpenFileError(why, path);
    }
    return -1;
  };
  std::string error;
  const std::optional<std::string> bytes = runtime::ReadFileBytes(path, &error, kMaxScoFileBytes);
  if (!bytes) return refuse(error);
  // A cut-off last record is not a rule.
  const std::size_t n = bytes->size() / kScoRecordBytes;
  if (n < 1) return -1;
  runtime::ByteReader in(*bytes);
  std::vector<ScoringRuleRecord> read;
  read.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const ScoringRuleRecord r = DecodeRecord(in);
    if (NonFiniteField(r) != nullptr) {
      return refuse("Scoring rule " + std::to_string(i + 1) + " holds a value that is not a finite number");
    }
    read.push_back(r);
  }
  records = std::move(read);
  return static_cast<int32_t>(n);
}

void SetIsolateRecords(const std::vector<ScoringRuleRecord>& records, clsScoringIsolate& scoring) {
  scoring.SetRecordCount(static_cast<int32_t>(records.size()));
  scoring.MoveFirst();
  for (const ScoringRuleRecord& r : records) {
    scoring.SetApplyToPos(r.ApplyToPos);
    scoring.SetCatID(r.CatID);
    scoring.SetFieldVal(r.FieldVal);
    scoring.SetPoints(r.Points);
    scoring.SetRangeMax(r.RangeMax);
    scoring.SetRangeMin(r.RangeMin);
    scoring.SetRangeRestrict(r.RangeRestrict);
    scoring.SetFDM(r.FDM);
    scoring.MoveNext();
  }
}

bool ReadScoFileToIsolate(const std::string& path, clsScoringIsolate& scoring, std::string* refused) {
  std::vector<ScoringRuleRecord> records;
  const int32_t n = ReadScoRecords(path, records, refused);
  if (n < 1) return false;
  SetIsolateRecords(records, scoring);
  return true;
}

bool WriteScoFile(const std::string& path, clsScoringIsolate& scoring) {
  runtime::ByteWriter out;
  for (scoring.MoveFirst(); !scoring.IsEOF(); scoring.MoveNext()) {
    if (scoring.CatID() < 0) continue;  // removed in the editor
    EncodeRecord(scoring.Record(), out);
  }
  std::string error;
  if (!runtime::SaveFileAtomically(path, out.Data(), &error)) {
    ShowOpenFileError(error, path);
    return false;
  }
  return true;
}

std::string PositionMaskText(int32_t mask, const PositionAbbreviation& posAbrv) {
  basBitToArray::PositionBits bits{};
  basBitToArray::BitMaskToArray(mask, bits);
  std::string text = bits[1] == 1 ? " All" : "";
  for (int32_t i = 2; i < basBitToArray::kMaskBits; ++i) {
    if (bits[static_cast<std::size_t>(i)] == 1) text += " " + posAbrv(i);
  }
  return text;
}

}  // namespace basSCOFileControl
