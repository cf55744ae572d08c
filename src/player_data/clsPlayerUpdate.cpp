#include "player_data/clsPlayerUpdate.h"

#include <algorithm>

#include "platform/runtime/ByteStream.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"
#include "player_data/basUpdateServer.h"

namespace {

constexpr int32_t kLatestUpdateCeiling = 9999;
// The number file holds one Long; a longer body is a server's error page.
constexpr int64_t kNumberFileBytes = 4;

void DeleteIfPresent(const std::string& path) {
  if (win32::EntryExists(path)) win32::DeleteFile(path);
}

std::string BareName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

clsPlayerUpdate::~clsPlayerUpdate() {
  for (int32_t id : pending_) seams::Downloads().Abandon(id);
}

bool clsPlayerUpdate::InitializePlayerUpdate(bool manual, int32_t year,
                                             const std::optional<basUpdateServer::CheckClock>& continued) {
  if (year < 0 || year > 9999) return false;
  manual_ = manual;
  SetFileYear(year);
  stage_ = 1;
  if (continued) {
    clock_ = *continued;
    clock_.Resume();
    if (clock_.Spent()) return false;
  } else {
    clock_.Start();
  }
  if (const std::string problem = basUpdateServer::ServerProblem(); !problem.empty()) {
    failures_.push_back(problem);
    return false;
  }
  const std::string name = "update" + runtime::Format(year, "0000") + ".txt";
  const std::string local = basUpdateServer::LocalUpdateFolder() + name;
  DeleteIfPresent(local);
  const int32_t id = clsDownFile::NextDownloadNumber();
  if (StartDownload(local, name, kNumberFileBytes, manual, id)) return true;
  failures_.push_back(basUpdateServer::UnableToGet(name, list_.Error(id)));
  return false;
}

bool clsPlayerUpdate::StartDownload(const std::string& dest, const std::string& name, int64_t maxBytes, bool manual,
                                    int32_t id) {
  // One that cannot start is finished as failed, so the stage does not wait for it.
  if (!list_.Start({basUpdateServer::UpdateURL(name), dest, maxBytes, clock_.RemainingMs()}, manual, id,
                   clsDownFile::ReachOwner(weak_from_this(), &clsPlayerUpdate::OnDownloadComplete))) {
    return false;
  }
  pending_.push_back(id);
  return true;
}

void clsPlayerUpdate::OnDownloadComplete(int32_t id, const seams::DownloadResult& result) {
  pending_.erase(std::remove(pending_.begin(), pending_.end(), id), pending_.end());
  const bool stored = list_.SaveBinaryFile(result, id);
  switch (stage_) {
    case 1:
      NumberFileDone(id, stored);
      break;
    case 2:
      IndexFileDone(id, stored);
      break;
    default:
      FinishArchiveStageWhenDone();
      break;
  }
}

void clsPlayerUpdate::NumberFileDone(int32_t id, bool stored) {
  const std::string dest = list_.Dest(id);
  const std::string name = BareName(dest);
  int32_t latest = -1;
  if (list_.TooLarge(id)) {
    // A server's error page in place of the number.
    failureShown_ = true;
    seams::MessageBox().PlainMessage("File was not found on " + basUpdateServer::ServerName() + "." +
                                         std::string(runtime::kCrLf) + "Attempting to GET 'upd/" + name + "'.",
                                     seams::PlainButtons::kOk, seams::PlainIcon::kExclamation, "Update Failed");
  } else if (!stored) {
    failures_.push_back(basUpdateServer::UnableToGet(name, list_.Error(id)));
  } else {
    std::optional<std::string> bytes = runtime::ReadFileBytes(dest, nullptr, kNumberFileBytes);
    if (bytes && bytes->size() == kNumberFileBytes) {
      runtime::ByteReader reader(*bytes);
      latest = reader.Long();
    }
    if (latest < 0 || latest > kLatestUpdateCeiling) {
      latest = -1;
      failures_.push_back("'upd/" + name + "' on " + basUpdateServer::ServerName() + " holds no update number.");
    }
  }
  if (latest <= fileVersion_) {
    End(false, false);
    return;
  }
  latest_ = latest;
  stage_ = 2;
  RegisterIndexFiles(fileVersion_ + 1, latest);
  FinishIndexStageWhenDone();
}

int32_t clsPlayerUpdate::RegisterIndexFiles(int32_t first, int32_t last) {
  allStarted_ = false;
  int32_t downloads = 0;
  for (int32_t v = first; v <= last && !overOffered_; ++v) {
    const std::string name = runtime::Format(fileYear_, "0000") + runtime::Format(v, "0000") + ".dat";
    downloads += AddUpdateFile(basUpdateServer::LocalUpdateFolder(), name);
  }
  allStarted_ = true;
  return downloads;
}

int32_t clsPlayerUpdate::AddUpdateFile(const std::string& folder, const std::string& name) {
  indexFiles_.emplace_back();
  const std::size_t at = indexFiles_.size() - 1;
  if (win32::EntryExists(folder + name)) {
    if (indexFiles_[at].file.OpenUpdateFile(folder, name)) {
      Hold(indexFiles_[at]);
      return 0;
    }
    // A local copy that does not read is fetched again.
    win32::DeleteFile(folder + name);
  }
  clsUpdateFile& file = indexFiles_[at].file;
  file.SetUpdateFilePath(folder);
  file.SetUpdateFileName(name);
  const int32_t id = clsDownFile::NextDownloadNumber();
  file.SetHeaderFileID(id);
  if (!StartDownload(folder + name, name, clsUpdateFile::kMaxFileBytes, false, id)) {
    indexFiles_[at].failure = basUpdateServer::UnableToGet(name, list_.Error(id));
  }
  return 1;
}

void clsPlayerUpdate::Hold(IndexFile& index) {
  if (heldEntries_ + index.file.FileCount() <= kMaxRunEntries) {
    heldEntries_ += index.file.FileCount();
    index.usable = true;
    return;
  }
  // The run holds no more than kMaxRunEntries entries; this index and every
  // one still arriving are left for a later run.
  index.usable = false;
  index.file.SetFileCount(0);
  if (!overOffered_) {
    overOffered_ = true;
    failures_.push_back("The updates offer more than " + std::to_string(kMaxRunEntries) +
                        " files; the rest are left for a later check.");
  }
  for (int32_t id : std::exchange(pending_, {})) {
    seams::Downloads().Abandon(id);
    list_.NotStarted(id, "left for a later check");
  }
}

void clsPlayerUpdate::IndexFileDone(int32_t id, bool stored) {
  for (IndexFile& index : indexFiles_) {
    if (index.file.HeaderFileID() != id) continue;
    const std::string folder = index.file.UpdateFilePath();
    const std::string name = index.file.UpdateFileName();
    if (!stored) {
      index.failure = basUpdateServer::UnableToGet(name, list_.Error(id));
    } else if (index.file.OpenUpdateFile(folder, name)) {
      Hold(index);
    } else {
      index.failure = "'upd/" + name + "' on " + basUpdateServer::ServerName() +
                      " is not an update index this program can read.";
    }
    // An index that arrived but does not read is not kept, so the next run
    // fetches it again instead of skipping its update for good.
    if (!index.usable) DeleteIfPresent(folder + name);
    break;
  }
  FinishIndexStageWhenDone();
}

void clsPlayerUpdate::FinishIndexStageWhenDone() {
  if (stage_ != 2 || !allStarted_ || !list_.AllFinished()) return;
  // In update order, however the downloads came in.
  std::vector<std::string> failures;
  for (const IndexFile& index : indexFiles_) {
    if (!index.failure.empty()) failures.push_back(index.failure);
  }
  failures_.insert(failures_.begin(), failures.begin(), failures.end());
  BuildOfferedList();
  list_.Clear();
  // The time the user takes to choose is not the server's.
  clock_.Pause();
  if (ReadyForRequested) ReadyForRequested(manual_, true);
}

void clsPlayerUpdate::BuildOfferedList() {
  offered_.clear();
  for (std::size_t f = 0; f < indexFiles_.size(); ++f) {
    if (!indexFiles_[f].usable) continue;
    const clsUpdateFile& file = indexFiles_[f].file;
    for (int32_t e = 0; e < file.FileCount(); ++e) {
      if (!file.FileDownloaded(e)) offered_.emplace_back(f, e);
    }
  }
}

std::pair<const clsUpdateFile*, int32_t> clsPlayerUpdate::Offered(int32_t i) const {
  if (i < 0 || i >= TotalFileCount()) return {nullptr, 0};
  const auto& [file, entry] = offered_[static_cast<std::size_t>(i)];
  return {&indexFiles_[file].file, entry};
}

template <typename T>
T clsPlayerUpdate::OfferedField(int32_t i, T (clsUpdateFile::*field)(int32_t) const, T missing) const {
  const auto [file, entry] = Offered(i);
  return file != nullptr ? (file->*field)(entry) : missing;
}

std::string clsPlayerUpdate::FileName(int32_t i) const {
  return OfferedField(i, &clsUpdateFile::FileName, std::string());
}

int32_t clsPlayerUpdate::FileSize(int32_t i) const { return OfferedField(i, &clsUpdateFile::FileSize, 0); }

int32_t clsPlayerUpdate::FileType(int32_t i) const { return OfferedField(i, &clsUpdateFile::FileType, 0); }

std::string clsPlayerUpdate::DestDir(int32_t i) const {
  return OfferedField(i, &clsUpdateFile::DestDir, std::string());
}

bool clsPlayerUpdate::RequestFile(int32_t i) const { return OfferedField(i, &clsUpdateFile::RequestFile, false); }

void clsPlayerUpdate::SetRequestFile(int32_t i, bool requested) {
  if (i < 0 || i >= TotalFileCount()) return;
  const auto& [file, entry] = offered_[static_cast<std::size_t>(i)];
  indexFiles_[file].file.SetRequestFile(entry, requested);
}

bool clsPlayerUpdate::DownloadRequested() {
  stage_ = 3;
  allStarted_ = false;
  list_.Clear();
  archives_.clear();
  // The chosen archives share the check's deadline with its number file and
  // indexes: the whole check ends within it.
  clock_.Resume();
  for (std::size_t f = 0; f < indexFiles_.size(); ++f) {
    clsUpdateFile& file = indexFiles_[f].file;
    if (!indexFiles_[f].usable) continue;
    for (int32_t e = 0; e < file.FileCount(); ++e) {
      if (!file.RequestFile(e)) continue;
      const std::string name = file.FileName(e);
      const std::string local = basUpdateServer::LocalUpdateFolder() + name;
      // A copy left by an earlier run must not be unpacked as this one's.
      DeleteIfPresent(local);
      const int32_t id = clsDownFile::NextDownloadNumber();
      archives_.push_back({f, e, id});
      // An archive is fetched no longer than its index says it is.
      const int64_t limit = file.ArchiveByteLimit(e);
      if (limit > 0) {
        StartDownload(local, name, limit, false, id);
      } else {
        list_.AddFile(local, basUpdateServer::UpdateURL(name), false, id);
        list_.NotStarted(id, "its index states no size an archive can have");
      }
    }
  }
  allStarted_ = true;
  anyDownloads_ = !archives_.empty();
  if (anyDownloads_) FinishArchiveStageWhenDone();
  return anyDownloads_;
}

void clsPlayerUpdate::FinishArchiveStageWhenDone() {
  if (stage_ != 3 || !allStarted_ || !list_.AllFinished()) return;
  UnzipRequested();
  End(true, true);
}

void clsPlayerUpdate::UnzipRequested() {
  UnpackReport report;
  // An archive that never arrived is reported with why, and not unpacked.
  for (const Archive& a : archives_) {
    if (list_.Downloaded(a.id)) continue;
    clsUpdateFile& file = indexFiles_[a.index].file;
    report.skipped.push_back(basUpdateServer::UnableToGet(file.FileName(a.entry), list_.Error(a.id)));
    file.SetRequestFile(a.entry, false);
  }
  for (IndexFile& index : indexFiles_) {
    if (index.usable) index.file.UnzipRequested(report);
  }
  // An archive that arrived but was not unpacked is not kept: it can be as
  // large as its index allows, it stays offered, and the next run fetches it
  // afresh anyway.
  for (const Archive& a : archives_) DeleteIfPresent(list_.Dest(a.id));
  ShowReport(report);
}

void clsPlayerUpdate::ShowReport(const UnpackReport& report) {
  // One message for all the archives that failed, however many they are.
  if (!report.skipped.empty()) {
    const std::size_t n = report.skipped.size();
    const std::string text = n == 1 ? report.skipped[0]
                                    : std::to_string(n) + " update files were skipped:" +
                                          std::string(runtime::kCrLf) + runtime::FirstLines(report.skipped);
    seams::MessageBox().PlainMessage(text, seams::PlainButtons::kOk, seams::PlainIcon::kExclamation,
                                     "Update File Skipped");
  }
  if (!report.kept.empty()) {
    seams::MessageBox().PlainMessage("The update replaced none of your own files:" + std::string(runtime::kCrLf) +
                                         runtime::FirstLines(report.kept),
                                     seams::PlainButtons::kOk, seams::PlainIcon::kInformation, "Update Files Kept");
  }
}

void clsPlayerUpdate::End(bool a, bool b) {
  stage_ = 1;
  if (DonePlayerUpdate) DonePlayerUpdate(a, b);
}
