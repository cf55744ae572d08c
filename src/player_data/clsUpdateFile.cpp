#include "player_data/clsUpdateFile.h"

#include <algorithm>

#include "core/Seams.h"
#include "core/basMockItUp.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/Encoding.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"
#include "player_data/clsVCZ.h"

namespace {

std::string StoredFileName(const UpdateIndexEntry& entry) {
  return runtime::Trim(runtime::FromFixedField(entry.FileName));
}

// A fixed field of raw Windows-1252 bytes: cut or padded with blanks.
std::string RawField(const std::string& raw, std::size_t width) {
  std::string out = raw.substr(0, width);
  out.resize(width, ' ');
  return out;
}

// The name of an update index: "<season><update>.dat", four digits each.
bool IsIndexName(const std::string& name) {
  return name.size() == 12 && runtime::EqualsNoCase(name.substr(8), ".dat") &&
         std::all_of(name.begin(), name.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void clsUpdateFile::SetFileCount(int32_t n) {
  std::size_t size = n > 0 ? static_cast<std::size_t>(n) : 0;
  entries_.assign(size, UpdateIndexEntry{});
  requested_.assign(size, false);
}

std::string clsUpdateFile::FileName(int32_t index) const {
  if (index < 0 || index >= FileCount()) return {};
  return StoredFileName(entries_[static_cast<std::size_t>(index)]);
}

int32_t clsUpdateFile::FileType(int32_t index) const {
  if (index < 0 || index >= FileCount()) return 0;
  return entries_[static_cast<std::size_t>(index)].FileType;
}

int32_t clsUpdateFile::FileSize(int32_t index) const {
  if (index < 0 || index >= FileCount()) return 0;
  return entries_[static_cast<std::size_t>(index)].FileSize;
}

int32_t clsUpdateFile::UncompressedSize(int32_t index) const {
  if (index < 0 || index >= FileCount()) return 0;
  return entries_[static_cast<std::size_t>(index)].UncompressedSize;
}

std::string clsUpdateFile::DestDir(int32_t index) const {
  if (index < 0 || index >= FileCount()) return {};
  return runtime::FromFixedField(entries_[static_cast<std::size_t>(index)].DestDir);
}

bool clsUpdateFile::FileDownloaded(int32_t index) const {
  if (index < 0 || index >= FileCount()) return false;
  return entries_[static_cast<std::size_t>(index)].FileDownloaded;
}

bool clsUpdateFile::RequestFile(int32_t index) const {
  if (index < 0 || index >= FileCount()) return false;
  return requested_[static_cast<std::size_t>(index)];
}

void clsUpdateFile::SetRequestFile(int32_t index, bool requested) {
  if (index < 0 || index >= FileCount()) return;
  requested_[static_cast<std::size_t>(index)] = requested;
}

std::string clsUpdateFile::WorkSubFolderFor(const std::string& destDir) {
  std::string wanted = runtime::Trim(destDir);
  for (const std::string& folder : basMockItUp::WorkSubFolderNames()) {
    if (runtime::EqualsNoCase(wanted, folder)) return folder;
  }
  return {};
}

bool clsUpdateFile::HoldsUserDocuments(const std::string& subFolder) {
  // pro holds the user's projected-stats databases: the Stats page edits
  // them in place, and New and Save As create them there.
  for (const char* folder : {"kdp", "ugm", "sco", "lgp", "stg", "dis", "def", "pro"}) {
    if (runtime::EqualsNoCase(subFolder, folder)) return true;
  }
  return false;
}

int64_t clsUpdateFile::ArchiveByteLimit(int32_t index) const {
  // Usually one packed file; several are summed, within what one archive may hold.
  const int64_t packed = FileSize(index);
  const int64_t unpacked = UncompressedSize(index);
  if (packed <= 0 || unpacked <= 0 || unpacked > clsVCZ::kMaxArchiveOutput ||
      unpacked > packed * clsVCZ::kMaxExpansionRatio) {
    return 0;
  }
  return packed + clsVCZ::kMaxOverheadBytes;
}

bool clsUpdateFile::EntryIsSafe(const UpdateIndexEntry& entry, const std::string& indexName) const {
  std::string name = StoredFileName(entry);
  if (!clsVCZ::IsBareFileName(name)) return false;
  // The archive is fetched into upd/ beside the indexes and deleted once
  // unpacked; it must never be the index itself, nor take the place of
  // another update's index and the marks of what it unpacked.
  if (runtime::EqualsNoCase(name, indexName) || IsIndexName(name)) return false;
  return !WorkSubFolderFor(runtime::FromFixedField(entry.DestDir)).empty();
}

bool clsUpdateFile::OpenUpdateFile(const std::string& path, const std::string& name) {
  updateFilePath_ = path;
  updateFileName_ = name;
  std::optional<std::string> bytes =
      runtime::ReadFileBytes(path + name, nullptr, static_cast<uint64_t>(kMaxFileBytes));
  if (!bytes) return false;
  const auto length = static_cast<int64_t>(bytes->size());
  if (length < kHeaderBytes) return false;
  runtime::ByteReader reader(*bytes);
  if (reader.Raw(16) != kSignature) return false;
  reader.Long();  // version: not checked
  const int32_t count = reader.Long();
  if (count < 1 || count > kMaxEntries || length < kEntryBytes * count + kHeaderBytes) return false;
  std::vector<UpdateIndexEntry> entries(static_cast<std::size_t>(count));
  for (auto& e : entries) {
    e.FileName = reader.Raw(kFileNameWidth);
    e.FileType = reader.Long();
    e.FileSize = reader.Long();
    e.UncompressedSize = reader.Long();
    e.FileDownloaded = reader.Boolean();
    reader.Integer();  // reserved
    e.DestDir = reader.Raw(kDestDirWidth);
    if (!EntryIsSafe(e, name)) return false;
  }
  if (!reader.Ok()) return false;
  entries_ = std::move(entries);
  requested_.assign(entries_.size(), false);
  return true;
}

std::string clsUpdateFile::Serialize() const {
  runtime::ByteWriter w;
  w.Raw(kSignature);
  w.Long(1);
  w.Long(FileCount());
  for (const auto& e : entries_) {
    w.Raw(RawField(e.FileName, kFileNameWidth));
    w.Long(e.FileType);
    w.Long(e.FileSize);
    w.Long(e.UncompressedSize);
    w.Boolean(e.FileDownloaded);
    w.Integer(0);
    w.Raw(RawField(e.DestDir, kDestDirWidth));
  }
  return w.Take();
}

bool clsUpdateFile::SaveUpdateFile(std::string* error) {
  return runtime::SaveFileAtomically(updateFilePath_ + updateFileName_, Serialize(), error);
}

int32_t clsUpdateFile::DownloadRequested(std::vector<std::string>& names) const {
  names.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (requested_[i]) names.push_back(StoredFileName(entries_[i]));
  }
  return static_cast<int32_t>(names.size()) - 1;
}

bool clsUpdateFile::UnzipRequested(UnpackReport& report) {
  bool result = false;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!requested_[i]) continue;
    const std::string problem = UnzipOne(entries_[i], report);
    result = problem.empty();
    if (!result) report.skipped.push_back(problem);
  }
  return result;
}

std::string clsUpdateFile::UnzipOne(UpdateIndexEntry& entry, UnpackReport& report) {
  const std::string name = StoredFileName(entry);
  const std::string unable = "Unable to unpack 'upd/" + name + "': ";
  const auto because = [&](const std::string& why, const char* otherwise) {
    const std::string text = why.empty() ? otherwise : why;
    return unable + text + (text.back() == '.' ? "" : ".");
  };
  // Entries were checked when the index was read; checked again because
  // this is where files are written and deleted. Without a work folder the
  // paths below would be relative ones.
  if (WorkFolder.empty() || !EntryIsSafe(entry, updateFileName_)) return because("", "its index entry is not sound");
  const std::string archive = WorkFolder + "upd/" + name;
  if (!win32::EntryExists(archive)) return "Unable to GET 'upd/" + name + "'.";
  const std::string subFolder = WorkSubFolderFor(runtime::FromFixedField(entry.DestDir));
  clsVCZ vcz;
  // Whatever goes wrong with the archive becomes this archive's one line.
  vcz.CollectProblems();
  if (vcz.OpenHeader(archive) <= 0) return because(vcz.ProblemText(), "it is not an archive");
  int64_t packed = 0;
  int64_t unpacked = 0;
  for (int32_t e = 0; e < vcz.FileCount(); ++e) {
    packed += vcz.Entry(e).CompressedLength;
    unpacked += vcz.Entry(e).UncompressedLength;
  }
  if (packed != entry.FileSize || unpacked != entry.UncompressedSize) {
    return unable + "it holds " + std::to_string(packed) + " bytes packed from " + std::to_string(unpacked) +
           ", and its index states " + std::to_string(entry.FileSize) + " from " +
           std::to_string(entry.UncompressedSize) + ".";
  }
  const bool keep = HoldsUserDocuments(subFolder);
  std::vector<clsVCZ::Written> written;
  const bool extracted = vcz.ExtractFile(
      archive, WorkFolder + subFolder + "/", keep ? clsVCZ::Existing::kKeep : clsVCZ::Existing::kReplace, &written);
  // Named also when another of the archive's files failed: they are in place.
  for (const clsVCZ::Written& w : written) {
    if (w.savedAs != w.name) {
      report.kept.push_back(subFolder + "/" + w.name + " is yours and was kept; the update's copy is " + subFolder +
                            "/" + w.savedAs + ".");
    }
  }
  if (!extracted) return because(vcz.ProblemText(), "it could not be written");
  entry.FileDownloaded = true;
  // Saved after each archive, so what was unpacked stays marked even if the
  // run stops before the next one; the archive goes only once the mark is
  // on disk, so a failed save never loses it.
  std::string error;
  if (!SaveUpdateFile(&error)) {
    entry.FileDownloaded = false;
    return "Unable to save the update index after unpacking 'upd/" + name + "'." + std::string(runtime::kCrLf) +
           error;
  }
  win32::DeleteFile(archive);
  return {};
}
