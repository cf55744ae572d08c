#include "draft_inputs/clsLeagueIsolate.h"

#include <stdexcept>

#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

namespace {

constexpr uint64_t kHeaderOffset = 31;        // after 27 signature characters and the version
constexpr uint64_t kFirstSectionOffset = 63;  // a shorter file has no whole header

template <typename T>
T& At(std::vector<T>& list, int32_t count, int32_t index) {
  if (index < 0 || index >= count) throw std::out_of_range("Subscript out of range");
  return list[static_cast<std::size_t>(index)];
}

template <typename T>
const T& At(const std::vector<T>& list, int32_t count, int32_t index) {
  if (index < 0 || index >= count) throw std::out_of_range("Subscript out of range");
  return list[static_cast<std::size_t>(index)];
}

// Let of a list's count: n >= 1 resizes keeping the records there; n <= 0
// leaves the storage alone and the list reads empty.
template <typename T>
void Resize(std::vector<T>& list, int32_t& count, int32_t n) {
  if (n >= 1) {
    list.resize(static_cast<std::size_t>(n));
    count = n;
  } else {
    count = 0;
  }
}

void AppendCountLine(std::string& message, const char* name, int32_t value, int32_t limit, bool& valid) {
  const char* op = nullptr;
  int32_t bound = 0;
  if (value > limit) {
    op = " > ";
    bound = limit;
  } else if (value < 0) {
    op = " < ";
    bound = 0;
  } else {
    return;
  }
  valid = false;
  message += "LGP FileHeader.";
  message += name;
  message += op;
  message += std::to_string(bound);
  message += runtime::kCrLf;
}

}  // namespace

void clsLeagueIsolate::SetTeamCount(int32_t n) { Resize(teams_, teamCount_, n); }

const std::string& clsLeagueIsolate::TeamName(int32_t team) const {
  return At(teams_, teamCount_, team - 1).TeamName;
}

void clsLeagueIsolate::SetTeamName(int32_t team, std::string_view name) {
  At(teams_, teamCount_, team - 1).TeamName = FixedLengthText(name, kLGPTextWidth);
}

const std::string& clsLeagueIsolate::Strategy(int32_t team) const {
  return At(teams_, teamCount_, team - 1).Strategy;
}

void clsLeagueIsolate::SetStrategy(int32_t team, std::string_view fileName) {
  At(teams_, teamCount_, team - 1).Strategy = FixedLengthText(fileName, kLGPTextWidth);
}

int32_t clsLeagueIsolate::Pick(int32_t pick) const { return At(picks_, pickCount_, pick).OwnerID; }

void clsLeagueIsolate::SetPick(int32_t pick, int32_t owner) { At(picks_, pickCount_, pick).OwnerID = owner; }

void clsLeagueIsolate::SetPickCount(int32_t n) { Resize(picks_, pickCount_, n); }

bool clsLeagueIsolate::IsCreatedOrderUsable(int32_t teams, int32_t rounds) const {
  if (teams < 1 || rounds < 1) return false;
  const int64_t picks = static_cast<int64_t>(teams) * rounds;
  if (picks > PickCount()) return false;
  for (int32_t k = 0; k < picks; ++k) {
    const int32_t owner = Pick(k);
    if (owner < 1 || owner > TeamCount()) return false;
  }
  return true;
}

std::vector<int32_t> clsLeagueIsolate::CreatedOrder(int32_t teams, int32_t rounds) const {
  std::vector<int32_t> order(static_cast<std::size_t>(teams) * static_cast<std::size_t>(rounds));
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = Pick(static_cast<int32_t>(k));
  return order;
}

int32_t clsLeagueIsolate::RosterPosID(int32_t index) const {
  return At(rosterSizes_, rosterSizeCount_, index).PosID;
}

void clsLeagueIsolate::SetRosterPosID(int32_t index, int32_t posID) {
  At(rosterSizes_, rosterSizeCount_, index).PosID = posID;
}

void clsLeagueIsolate::SetRosterSizeCount(int32_t n) { Resize(rosterSizes_, rosterSizeCount_, n); }

int32_t clsLeagueIsolate::RosterIndex(int32_t posID) const {
  for (int32_t i = 0; i < rosterSizeCount_; ++i) {
    if (rosterSizes_[static_cast<std::size_t>(i)].PosID == posID) return i;
  }
  return -1;
}

const LGPRosterSizeRecord* clsLeagueIsolate::FindRosterSize(int32_t posID) const {
  int32_t index = RosterIndex(posID);
  return index < 0 ? nullptr : &rosterSizes_[static_cast<std::size_t>(index)];
}

int32_t clsLeagueIsolate::RosterMax(int32_t posID) const {
  const LGPRosterSizeRecord* record = FindRosterSize(posID);
  return record ? record->RosterMax : 0;
}

int32_t clsLeagueIsolate::RosterMin(int32_t posID) const {
  const LGPRosterSizeRecord* record = FindRosterSize(posID);
  return record ? record->RosterMin : 0;
}

int32_t clsLeagueIsolate::StarterMax(int32_t posID) const {
  const LGPRosterSizeRecord* record = FindRosterSize(posID);
  return record ? record->StarterMax : 0;
}

int32_t clsLeagueIsolate::StarterMin(int32_t posID) const {
  const LGPRosterSizeRecord* record = FindRosterSize(posID);
  return record ? record->StarterMin : 0;
}

int32_t clsLeagueIsolate::MergeAsID(int32_t posID) const {
  const LGPRosterSizeRecord* record = FindRosterSize(posID);
  return record ? record->MergeAsID : posID;
}

void clsLeagueIsolate::AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax,
                                             int32_t rosterMin, int32_t starterMax, int32_t starterMin) {
  rosterSizes_.resize(static_cast<std::size_t>(rosterSizeCount_));
  rosterSizes_.push_back({posID, mergeAsID, rosterMin, rosterMax, starterMin, starterMax});
  ++rosterSizeCount_;
}

void clsLeagueIsolate::ClearRosterPositions() {
  rosterSizes_.clear();
  rosterSizeCount_ = 0;
}

bool clsLeagueIsolate::VerifyHeaderValues(std::string& message, bool collect) const {
  bool valid = true;
  std::string lines;
  AppendCountLine(lines, "TeamCount", header_.TeamCount, kMaxTeamCount, valid);
  AppendCountLine(lines, "BoardCount", header_.BoardCount, kMaxBoardCount, valid);
  AppendCountLine(lines, "RosterSizeCount", header_.RosterSizeCount, kMaxRosterSizeCount, valid);
  AppendCountLine(lines, "KeeperCount", header_.KeeperCount, kMaxKeeperCount, valid);
  if (collect) message += lines;
  return valid;
}

bool clsLeagueIsolate::LoadLeagueProps(bool silent, std::string* unreported) {
  auto fail = [unreported](const char* why) {
    if (unreported != nullptr) *unreported = why;
    return false;
  };
  std::optional<std::string> bytes = runtime::ReadFileBytes(filePath_ + fileName_);
  if (!bytes) return fail("The file cannot be read.");
  if (bytes->size() < kFirstSectionOffset) return fail("The file is too short for league properties.");
  // The signature and version are not compared: files of every age load.
  runtime::ByteReader in(*bytes);
  in.Seek(kHeaderOffset);

  // Everything is read into a scratch document that replaces this one only
  // when the whole file was read, so a damaged file changes nothing.
  clsLeagueIsolate read;
  read.filePath_ = filePath_;
  read.fileName_ = fileName_;
  LGPFileHeader& h = read.header_;
  h.TeamCount = in.Long();
  h.BoardCount = in.Long();
  h.RosterSizeCount = in.Long();
  h.KeeperCount = in.Long();
  h.DraftRounds = in.Long();
  h.DraftStyle = in.Long();
  h.CreatedDraftRounds = in.Long();
  h.CreatedTeamCount = in.Long();

  std::string message;
  if (!read.VerifyHeaderValues(message, true)) {
    if (silent) return fail("The league properties header holds counts out of range.");
    seams::MessageBox().ShowMessage("LGPHeader Corrupt", message, seams::kOk, true);
    return fail("");
  }
  if (!ReadLGPSection(in, h.TeamCount, kLGPTeamRecordSize, read.teams_) ||
      !ReadLGPSection(in, h.BoardCount, kLGPPickRecordSize, read.picks_) ||
      !ReadLGPSection(in, h.RosterSizeCount, kLGPRosterSizeRecordSize, read.rosterSizes_) ||
      !ReadLGPSection(in, h.KeeperCount, kLGPPickRecordSize, read.keepers_)) {
    return fail("The league properties run past the end of the file.");
  }
  read.teamCount_ = h.TeamCount;
  read.pickCount_ = h.BoardCount;
  read.rosterSizeCount_ = h.RosterSizeCount;
  read.keeperCount_ = h.KeeperCount;
  *this = std::move(read);
  return true;
}

std::string clsLeagueIsolate::FileBytes() const {
  runtime::ByteWriter out;
  out.FixedText(kSignature, kSignature.size());
  out.Long(kVersion);
  out.Long(teamCount_);
  out.Long(pickCount_);
  out.Long(rosterSizeCount_);
  out.Long(keeperCount_);
  out.Long(header_.DraftRounds);
  out.Long(header_.DraftStyle);
  out.Long(header_.CreatedDraftRounds);
  out.Long(header_.CreatedTeamCount);
  WriteLGPSection(out, teams_, teamCount_);
  WriteLGPSection(out, picks_, pickCount_);
  WriteLGPSection(out, rosterSizes_, rosterSizeCount_);
  WriteLGPSection(out, keepers_, keeperCount_);
  return out.Take();
}

bool clsLeagueIsolate::SaveLeagueProps() {
  header_.TeamCount = teamCount_;
  header_.BoardCount = pickCount_;
  header_.RosterSizeCount = rosterSizeCount_;
  header_.KeeperCount = keeperCount_;
  const std::string path = filePath_ + fileName_;
  std::string error;
  if (!runtime::SaveFileAtomically(path, FileBytes(), &error)) {
    basAssociatedFiles::ShowOpenFileError(error, path);
    return false;
  }
  return true;
}
