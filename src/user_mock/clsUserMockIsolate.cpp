#include "user_mock/clsUserMockIsolate.h"

#include <filesystem>
#include <stdexcept>

#include "core/Seams.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/clsMockDraft.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/CheckedIndex.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

namespace {

constexpr uint64_t kShortestFile = 20;  // anything shorter is not looked at
constexpr uint64_t kFirstSectionOffset = 43;

using runtime::Element;

void ShowFileError(const std::string& caption, const std::string& description, const std::string& path) {
  seams::MessageBox().PlainMessage(description + std::string(runtime::kCrLf) + path, seams::PlainButtons::kOk,
                                   seams::PlainIcon::kNone, caption);
}

}  // namespace

void clsUserMockIsolate::SetOwnerCount(int32_t n) {
  if (n >= 1) {
    owners_.resize(static_cast<std::size_t>(n));
    ownerCount_ = n;
  } else {
    ownerCount_ = 0;
  }
}

UGMOwnerRecord& clsUserMockIsolate::Owner(int32_t owner) {
  if (owner >= ownerCount_) throw std::out_of_range("Subscript out of range");
  return Element(owners_, owner);
}

const UGMOwnerRecord& clsUserMockIsolate::Owner(int32_t owner) const {
  if (owner >= ownerCount_) throw std::out_of_range("Subscript out of range");
  return Element(owners_, owner);
}

int32_t clsUserMockIsolate::OwnerID(int32_t owner) const { return Owner(owner).OwnerID; }

void clsUserMockIsolate::SetOwnerID(int32_t owner, int32_t id) { Owner(owner).OwnerID = id; }

const std::string& clsUserMockIsolate::OwnerName(int32_t owner) const { return Owner(owner).TeamName; }

void clsUserMockIsolate::SetOwnerName(int32_t owner, std::string_view name) {
  Owner(owner).TeamName = FixedLengthText(name, kLGPTextWidth);
}

const std::string& clsUserMockIsolate::OwnerStrategy(int32_t owner) const { return Owner(owner).Strategy; }

void clsUserMockIsolate::SetOwnerStrategy(int32_t owner, std::string_view fileName) {
  Owner(owner).Strategy = FixedLengthText(fileName, kLGPTextWidth);
}

void clsUserMockIsolate::SetBoardCount(int32_t n) { board_.resize(n < 1 ? 0 : static_cast<std::size_t>(n)); }

int32_t clsUserMockIsolate::BoardOwnerID(int32_t pick) const { return Element(board_, pick).OwnerID; }
void clsUserMockIsolate::SetBoardOwnerID(int32_t pick, int32_t team) { Element(board_, pick).OwnerID = team; }
int32_t clsUserMockIsolate::BoardMasterID(int32_t pick) const { return Element(board_, pick).MasterID; }
void clsUserMockIsolate::SetBoardMasterID(int32_t pick, int32_t masterID) {
  Element(board_, pick).MasterID = masterID;
}
int32_t clsUserMockIsolate::BoardPosID(int32_t pick) const { return Element(board_, pick).PosID; }
void clsUserMockIsolate::SetBoardPosID(int32_t pick, int32_t posID) { Element(board_, pick).PosID = posID; }

void clsUserMockIsolate::SetKeeperCount(int32_t n) {
  keepers_.resize(n < 1 ? 0 : static_cast<std::size_t>(n));
}

int32_t clsUserMockIsolate::KeeperOwnerID(int32_t keeper) const { return Element(keepers_, keeper).OwnerID; }
void clsUserMockIsolate::SetKeeperOwnerID(int32_t keeper, int32_t team) {
  Element(keepers_, keeper).OwnerID = team;
}
int32_t clsUserMockIsolate::KeeperMasterID(int32_t keeper) const {
  return Element(keepers_, keeper).MasterID;
}
void clsUserMockIsolate::SetKeeperMasterID(int32_t keeper, int32_t masterID) {
  Element(keepers_, keeper).MasterID = masterID;
}
int32_t clsUserMockIsolate::KeeperPosID(int32_t keeper) const { return Element(keepers_, keeper).PosID; }
void clsUserMockIsolate::SetKeeperPosID(int32_t keeper, int32_t posID) {
  Element(keepers_, keeper).PosID = posID;
}

const LGPRosterSizeRecord& clsUserMockIsolate::RosterSize(int32_t index) const {
  return Element(rosterSizes_, index);
}

int32_t clsUserMockIsolate::PosID(int32_t index) const { return RosterSize(index).PosID; }
int32_t clsUserMockIsolate::MergeAsID(int32_t index) const { return RosterSize(index).MergeAsID; }
int32_t clsUserMockIsolate::RosterMin(int32_t index) const { return RosterSize(index).RosterMin; }
int32_t clsUserMockIsolate::RosterMax(int32_t index) const { return RosterSize(index).RosterMax; }
int32_t clsUserMockIsolate::StarterMin(int32_t index) const { return RosterSize(index).StarterMin; }
int32_t clsUserMockIsolate::StarterMax(int32_t index) const { return RosterSize(index).StarterMax; }

int32_t clsUserMockIsolate::RosterIndex(int32_t posID) const {
  for (std::size_t i = 0; i < rosterSizes_.size(); ++i) {
    if (rosterSizes_[i].PosID == posID) return static_cast<int32_t>(i);
  }
  return -1;
}

void clsUserMockIsolate::AddRosterPositionSize(int32_t mergeAsID, int32_t posID, int32_t rosterMax,
                                               int32_t rosterMin, int32_t starterMax, int32_t starterMin) {
  rosterSizes_.push_back({posID, mergeAsID, rosterMin, rosterMax, starterMin, starterMax});
}

void clsUserMockIsolate::TransferRosterSizeToMock(clsMockDraft& mock) const {
  for (const LGPRosterSizeRecord& r : rosterSizes_) {
    mock.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
  }
}

bool clsUserMockIsolate::LoadUserMock() {
  const std::string path = filePath_ + fileName_;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    ShowFileError("Load User Mock Error", "File not found", path);
    return false;
  }
  std::string error;
  std::optional<std::string> bytes = runtime::ReadFileBytes(path, &error, kMaxFileBytes);
  if (!bytes) {
    ShowFileError("Open File Error", error, path);
    return false;
  }
  if (bytes->size() < kShortestFile) return false;

  runtime::ByteReader in(*bytes);
  if (in.Raw(kSignature.size()) != kSignature) {
    ShowFileError("Load User Mock Error", "Not a user mock-draft file", path);
    return false;
  }
  if (bytes->size() < kFirstSectionOffset) {
    ShowFileError("Load User Mock Error", "The user mock-draft file is cut short", path);
    return false;
  }
  in.Long();  // version: only 1 has ever been written
  const int32_t ownerCount = in.Long();
  const int32_t boardCount = in.Long();
  const int32_t rosterSizeCount = in.Long();
  const int32_t keeperCount = in.Long();
  const int32_t draftRounds = in.Long();
  if (ownerCount < 0 || boardCount < 0 || rosterSizeCount < 0 || keeperCount < 0) {
    ShowFileError("Load User Mock Error", "The user mock-draft file has a negative count", path);
    return false;
  }

  // Read into scratch lists that replace the document's only when the whole
  // file was read.
  std::vector<UGMOwnerRecord> owners;
  std::vector<UGMPickRecord> board;
  std::vector<LGPRosterSizeRecord> rosterSizes;
  std::vector<UGMPickRecord> keepers;
  if (!ReadLGPSection(in, ownerCount, kLGPTeamRecordSize, owners) ||
      !ReadLGPSection(in, boardCount, kLGPPickRecordSize, board) ||
      !ReadLGPSection(in, rosterSizeCount, kLGPRosterSizeRecordSize, rosterSizes) ||
      !ReadLGPSection(in, keeperCount, kLGPPickRecordSize, keepers)) {
    ShowFileError("Load User Mock Error", "The user mock-draft file is cut short", path);
    return false;
  }
  // The league's ceilings: a draft is made from a league, and every team
  // becomes a roster with stacks of its own.
  if (ownerCount > clsLeagueIsolate::kMaxTeamCount || boardCount > clsLeagueIsolate::kMaxBoardCount ||
      rosterSizeCount > clsLeagueIsolate::kMaxRosterSizeCount ||
      keeperCount > clsLeagueIsolate::kMaxKeeperCount) {
    ShowFileError("Load User Mock Error", "The user mock-draft file has a count out of range", path);
    return false;
  }
  owners_ = std::move(owners);
  ownerCount_ = ownerCount;
  board_ = std::move(board);
  rosterSizes_ = std::move(rosterSizes);
  keepers_ = std::move(keepers);
  draftRounds_ = draftRounds;
  return true;
}

std::string clsUserMockIsolate::FileBytes() const {
  runtime::ByteWriter out;
  out.FixedText(kSignature, kSignature.size());
  out.Long(kVersion);
  out.Long(ownerCount_);
  out.Long(BoardCount());
  out.Long(RosterSizeCount());
  out.Long(KeeperCount());
  out.Long(draftRounds_);
  WriteLGPSection(out, owners_, ownerCount_);
  WriteLGPSection(out, board_, BoardCount());
  WriteLGPSection(out, rosterSizes_, RosterSizeCount());
  WriteLGPSection(out, keepers_, KeeperCount());
  return out.Take();
}

bool clsUserMockIsolate::SaveUserMock() {
  const std::string path = filePath_ + fileName_;
  std::string error;
  if (!runtime::SaveFileAtomically(path, FileBytes(), &error)) {
    ShowFileError("Save User Mock Error", error, path);
    return false;
  }
  return true;
}
