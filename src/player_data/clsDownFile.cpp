#include "player_data/clsDownFile.h"

int32_t clsDownFile::NextDownloadNumber() {
  static int32_t next = 0;
  if (next == INT32_MAX) next = 0;
  return ++next;
}

void clsDownFile::Clear() {
  entries_.assign(1, Entry{});
}

void clsDownFile::AddFile(const std::string& dest, const std::string& url, bool manual, int32_t id) {
  entries_.push_back(Entry{dest, url, manual, id, false, false, "", false});
}

const clsDownFile::Entry& clsDownFile::Find(int32_t id) const {
  for (std::size_t i = 1; i < entries_.size(); ++i) {
    if (entries_[i].fileID == id) return entries_[i];
  }
  return entries_[0];
}

clsDownFile::Entry* clsDownFile::FindMutable(int32_t id) {
  for (std::size_t i = 1; i < entries_.size(); ++i) {
    if (entries_[i].fileID == id) return &entries_[i];
  }
  return nullptr;
}

void clsDownFile::SetDownloaded(int32_t id, bool value) {
  if (Entry* e = FindMutable(id)) e->downloaded = value;
}

int32_t clsDownFile::FileID(int32_t index) const {
  if (index < 1 || index > Count()) return -1;
  return entries_[static_cast<std::size_t>(index)].fileID;
}

bool clsDownFile::SaveBinaryFile(const seams::DownloadResult& result, int32_t id) {
  Entry* e = FindMutable(id);
  if (e == nullptr) return false;
  e->finished = true;
  e->downloaded = result.ok;
  e->error = result.ok ? std::string() : result.error;
  e->tooLarge = result.tooLarge;
  return result.ok;
}

void clsDownFile::NotStarted(int32_t id, const std::string& error) {
  SaveBinaryFile(seams::DownloadResult{false, error, false}, id);
}

bool clsDownFile::Start(const seams::DownloadRequest& request, bool manual, int32_t id,
                        seams::DownloadView::Completion done) {
  AddFile(request.dest, request.url, manual, id);
  std::string error;
  if (seams::Downloads().DownloadFile(request, id, std::move(done), &error)) return true;
  NotStarted(id, error);
  return false;
}

bool clsDownFile::AllFinished() const {
  for (std::size_t i = 1; i < entries_.size(); ++i) {
    if (!entries_[i].finished) return false;
  }
  return true;
}
