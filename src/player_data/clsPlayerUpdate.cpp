#include "player_data/clsPlayerUpdate.h"

#include <algorithm>

#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"
#include "player_data/basUpdateServer.h"

namespace {

constexpr int32_t kLatestUpdateCeiling = 9999;

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

bool clsPlayerUpdate::InitializePlayerUpdate(bool manual, int32_t year) {
  if (year < 0 || year > 9999) return false;
  manual_ = manual;
  SetFileYear(year);
  stage_ = 1;
  const std::string name = "update" + runtime::Format(year, "0000") + ".txt";
  const std::string local = basUpdateServer::LocalUpdateFolder() + name;
  DeleteIfPresent(local);
  return StartDownload(local, basUpdateServer::UpdateURL(name), manual, clsDownFile::NextDownloadNumber());
}

bool clsPlayerUpdate::StartDownload(const std::string& dest, const std::string& url, bool manual, int32_t id) {
  list_.AddFile(dest, url, manual, id);
  std::weak_ptr<clsPlayerUpdate> self = weak_from_this();
  const bool started = seams::Downloads().DownloadFile(url, id, [self](int32_t doneID, const seams::DownloadResult& result) {
    if (auto run = self.lock()) run->OnDownloadComplete(doneID, result);
  });
  if (started) {
    pending_.push_back(id);
  } else {
    // Finished as failed, so the stage does not wait for it.
    list_.SaveBinaryFile(seams::DownloadResult{}, id);
  }
  return started;
}

void clsPlayerUpdate::OnDownloadComplete(int32_t id, const seams::DownloadResult& result) {
  pending_.erase(std::remove(pending_.begin(), pending_.end(), id), pending_.end());
  const bool stored = list_.SaveBinaryFile(result, id);
  switch (stage_) {
    case 1:
      NumberFileDone(id, stored);
      break;
    case 2:
      IndexFileDone(id);
      break;
    default:
      FinishArchiveStageWhenDone();
      break;
  }
}

void clsPlayerUpdate::NumberFileDone(int32_t id, bool stored) {
  int32_t latest = -1;
  if (stored) {
    const std::string dest = list_.Dest(id);
    std::optional<std::string> bytes = runtime::ReadFileBytes(dest);
    if (bytes && bytes->size() > 4) {
      // A server's error page in place of the number.
      seams::MessageBox().PlainMessage(
          "File was not found on " + basMockDraftSettings::GlobalSettings().StringVal(kSetUpdateServer) + "." +
              std::string(runtime::kCrLf) + "Attempting to GET 'upd/" + BareName(dest) + "'.",
          seams::PlainButtons::kOk, seams::PlainIcon::kExclamation, "Update Failed");
    } else if (bytes && bytes->size() == 4) {
      runtime::ByteReader reader(*bytes);
      latest = reader.Long();
      if (latest < 0 || latest > kLatestUpdateCeiling) latest = -1;
    }
    // Shorter than 4 bytes holds no number: the run ends.
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
  for (int32_t v = first; v <= last; ++v) {
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
      indexFiles_[at].usable = true;
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
  StartDownload(folder + name, basUpdateServer::UpdateURL(name), false, id);
  return 1;
}

void clsPlayerUpdate::IndexFileDone(int32_t id) {
  for (IndexFile& index : indexFiles_) {
    if (index.file.HeaderFileID() != id) continue;
    const std::string folder = index.file.UpdateFilePath();
    const std::string name = index.file.UpdateFileName();
    index.usable = index.file.OpenUpdateFile(folder, name);
    // An index that arrived but does not read is not kept, so the next run
    // fetches it again instead of skipping its update for good.
    if (!index.usable) DeleteIfPresent(folder + name);
    break;
  }
  FinishIndexStageWhenDone();
}

void clsPlayerUpdate::FinishIndexStageWhenDone() {
  if (stage_ != 2 || !allStarted_ || !list_.AllFinished()) return;
  BuildOfferedList();
  list_.Clear();
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
  int32_t started = 0;
  for (IndexFile& index : indexFiles_) {
    if (!index.usable) continue;
    std::vector<std::string> names;
    index.file.DownloadRequested(names);
    for (const std::string& name : names) {
      const std::string local = basUpdateServer::LocalUpdateFolder() + name;
      // A copy left by an earlier run must not be unpacked as this one's.
      DeleteIfPresent(local);
      StartDownload(local, basUpdateServer::UpdateURL(name), false, clsDownFile::NextDownloadNumber());
      ++started;
    }
  }
  allStarted_ = true;
  anyDownloads_ = started > 0;
  if (anyDownloads_) FinishArchiveStageWhenDone();
  return anyDownloads_;
}

void clsPlayerUpdate::FinishArchiveStageWhenDone() {
  if (stage_ != 3 || !allStarted_ || !list_.AllFinished()) return;
  UnzipRequested();
  End(true, true);
}

void clsPlayerUpdate::UnzipRequested() {
  for (IndexFile& index : indexFiles_) {
    if (index.usable) index.file.UnzipRequested();
  }
}

void clsPlayerUpdate::End(bool a, bool b) {
  stage_ = 1;
  if (DonePlayerUpdate) DonePlayerUpdate(a, b);
}
