#include "player_data/clsVCZ.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <unordered_set>

#include "core/Seams.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/Encoding.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

namespace {

// A read-only archive opened for positioned reads. Reading the archive in
// blocks keeps a large archive out of memory: only the directory, the names
// and one body at a time are ever held.
class ArchiveReader {
 public:
  explicit ArchiveReader(const std::string& path) {
    struct stat st {};
    bool notAFile = false;
    fd_ = runtime::OpenRegularFile(path, st, notAFile);
    if (fd_ < 0) {
      error_ = notAFile ? "Not a file" : std::strerror(errno);
      return;
    }
    size_ = static_cast<int64_t>(st.st_size);
  }
  ~ArchiveReader() {
    if (fd_ >= 0) ::close(fd_);
  }
  ArchiveReader(const ArchiveReader&) = delete;
  ArchiveReader& operator=(const ArchiveReader&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  int64_t Size() const { return size_; }
  const std::string& Error() const { return error_; }

  // True when [offset, offset + length) lies inside the file.
  bool Holds(int64_t offset, int64_t length) const {
    return offset >= 0 && length >= 0 && offset <= size_ && length <= size_ - offset;
  }

  // The bytes at [offset, offset + length); false when the range is not
  // inside the file or the read fails.
  bool Read(int64_t offset, int64_t length, std::string& out) {
    if (!IsOpen() || !Holds(offset, length)) return false;
    out.resize(static_cast<std::size_t>(length));
    std::size_t got = 0;
    while (got < out.size()) {
      ssize_t n = ::pread(fd_, out.data() + got, out.size() - got, static_cast<off_t>(offset) + static_cast<off_t>(got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error_ = n < 0 ? std::strerror(errno) : "Unexpected end of file";
        return false;
      }
      got += static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  int fd_ = -1;
  int64_t size_ = 0;
  std::string error_;
};

constexpr const char* kHeaderErrorCaption = "VCZ OpenHeader Error";
constexpr const char* kExtractErrorCaption = "VCZ ExtractFile Error";

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// True unless the folder's file system is known to have less than `bytes`
// free for this user.
bool HasRoomFor(const std::string& folder, int64_t bytes) {
  struct statvfs fs {};
  if (::statvfs(folder.empty() ? "." : folder.c_str(), &fs) != 0) return true;
  return static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize >= static_cast<uint64_t>(bytes);
}

// How an entry is named in a reason: its name, or its place when it has none.
std::string EntryLabel(const std::string& name, std::size_t index) {
  return name.empty() ? "entry " + std::to_string(index + 1) : "'" + name + "'";
}

// Where an entry kept beside an existing file goes: its own name when
// nothing has it, else "<stem> (update).<ext>", then "(update 2)" and so on.
// A file that already holds the entry's bytes (the user's own, or the copy
// an earlier unpacking of the same archive left) is taken as it is, so
// unpacking an archive again never adds a copy; otherwise the first name
// that nothing in the folder has, nor `taken`. `present` is set when the
// bytes are there already; the name is "" when none is left that a save can
// write.
struct KeptPlace {
  std::string name;
  bool present = false;
};

KeptPlace KeptName(const std::string& folder, const std::string& name, const std::string& bytes,
                   const std::vector<std::string>& taken) {
  const auto isTaken = [&](const std::string& candidate) {
    return std::find(taken.begin(), taken.end(), candidate) != taken.end();
  };
  // Nothing has the name where the folder is missing or is not a folder
  // (ENOTDIR): the write then fails and says why.
  const auto isFree = [&](const std::string& candidate) {
    struct stat st {};
    return ::lstat((folder + candidate).c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
  };
  if (!isTaken(name)) {
    if (isFree(name)) return {name, false};
    if (runtime::FileHoldsExactly(folder + name, bytes)) return {name, true};
  }
  const std::size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  const std::string extension = stem.size() == name.size() ? std::string() : name.substr(dot);
  std::string firstFree;
  for (int n = 1; n <= 99; ++n) {
    const std::string candidate =
        stem + (n == 1 ? std::string(" (update)") : " (update " + std::to_string(n) + ")") + extension;
    if (candidate.size() > clsVCZ::kMaxNameLength) break;
    if (isTaken(candidate)) continue;
    if (isFree(candidate)) {
      if (firstFree.empty()) firstFree = candidate;
    } else if (runtime::FileHoldsExactly(folder + candidate, bytes)) {
      return {candidate, true};
    }
  }
  return {firstFree, false};
}

// True when no two bodies that lie inside the file share a byte: each
// entry's body is its own, so no archive writes one body more than once.
bool BodiesApart(const std::vector<VCZArchiveEntry>& entries, int64_t fileLength) {
  std::vector<std::pair<int64_t, int64_t>> ranges;
  for (const auto& e : entries) {
    const int64_t start = int64_t{e.DataPosition} - 1;
    if (e.CompressedLength <= 0 || start < 0 || start > fileLength - e.CompressedLength) continue;
    ranges.emplace_back(start, start + e.CompressedLength);
  }
  std::sort(ranges.begin(), ranges.end());
  for (std::size_t i = 1; i < ranges.size(); ++i) {
    if (ranges[i].first < ranges[i - 1].second) return false;
  }
  return true;
}

}  // namespace

std::string clsVCZ::FileName(int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= names_.size()) return {};
  return names_[static_cast<std::size_t>(index)];
}

VCZArchiveEntry clsVCZ::Entry(int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return {};
  return entries_[static_cast<std::size_t>(index)];
}

bool clsVCZ::IsBareFileName(const std::string& name) {
  if (!runtime::IsBareFileName(name) || name.size() > kMaxNameLength) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    auto b = static_cast<unsigned char>(name[i]);
    // Existence tests read '*' and '?' as patterns; no archive we publish
    // uses them, nor the drive separator ':'.
    if (b == ':' || b == '*' || b == '?') return false;
    // C1 controls (U+0080..U+009F), which the undefined Windows-1252 bytes become.
    if (b == 0xC2 && i + 1 < name.size()) {
      auto next = static_cast<unsigned char>(name[i + 1]);
      if (next >= 0x80 && next <= 0x9F) return false;
    }
  }
  return true;
}

int32_t clsVCZ::OpenHeader(const std::string& archivePath) {
  problems_.clear();
  archivePath_ = archivePath;
  if (!IsRegularFile(archivePath)) return -1;
  try {
    ArchiveReader file(archivePath);
    if (!file.IsOpen()) {
      Report(kHeaderErrorCaption, file.Error() + std::string(runtime::kCrLf) + archivePath);
      return -1;
    }
    const int64_t length = file.Size();
    if (length < kHeaderBytes) return -1;
    std::string bytes;
    if (!file.Read(0, kHeaderBytes, bytes)) {
      Report(kHeaderErrorCaption, file.Error() + std::string(runtime::kCrLf) + archivePath);
      return -1;
    }
    runtime::ByteReader header(bytes);
    std::string signature = header.Raw(3);
    int32_t version = header.Long();
    int32_t count = header.Long();
    // The count is checked before anything is sized by it.
    if (signature != "VCZ" || count <= 0 || count > kMaxEntries) return -1;
    // The directory must fit in the file before it is sized.
    const int64_t directoryBytes = kEntryBytes * count;
    if (length < directoryBytes + kHeaderBytes) return -1;
    if (!file.Read(kHeaderBytes, directoryBytes, bytes)) {
      Report(kHeaderErrorCaption, file.Error() + std::string(runtime::kCrLf) + archivePath);
      return -1;
    }
    std::vector<VCZArchiveEntry> entries(static_cast<std::size_t>(count));
    runtime::ByteReader directory(bytes);
    for (auto& e : entries) {
      e.NameLength = directory.Long();
      e.NamePosition = directory.Long();
      e.DataPosition = directory.Long();
      e.CompressedLength = directory.Long();
      e.UncompressedLength = directory.Long();
    }
    // A name that does not lie inside the file, or could not be a file name
    // by its length alone, is left empty: the entry stays listed but is
    // refused when extracted. Names of a sound archive never overlap and are
    // short, so together they fit in the file and in kMaxNameBytes; more is
    // a directory built to make us allocate.
    std::vector<std::string> names(entries.size());
    int64_t nameBytes = 0;
    int32_t tooLong = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const auto& e = entries[i];
      if (e.NameLength <= 0) continue;
      if (static_cast<std::size_t>(e.NameLength) > kMaxNameLength) {
        // A name no file system takes is hostile and refused silently; one
        // that only our save cannot write is reported.
        if (static_cast<std::size_t>(e.NameLength) <= runtime::kMaxFileNameBytes) ++tooLong;
        continue;
      }
      if (!file.Holds(int64_t{e.NamePosition} - 1, e.NameLength)) continue;
      nameBytes += e.NameLength;
      if (nameBytes > length || nameBytes > kMaxNameBytes) return -1;
      std::string raw;
      if (!file.Read(int64_t{e.NamePosition} - 1, e.NameLength, raw)) {
        Report(kHeaderErrorCaption, file.Error() + std::string(runtime::kCrLf) + archivePath);
        return -1;
      }
      names[i] = runtime::Cp1252ToUtf8(raw);
    }
    if (!BodiesApart(entries, length)) return -1;
    int64_t output = 0;
    for (const auto& e : entries) output += ClaimedOutput(e);
    if (output > kMaxArchiveOutput) return -1;
    if (tooLong > 0) {
      Report(kHeaderErrorCaption, std::to_string(tooLong) + (tooLong == 1 ? " entry is" : " entries are") +
                                      " skipped: a file name may have at most " + std::to_string(kMaxNameLength) +
                                      " bytes here, so that it can be saved." + std::string(runtime::kCrLf) +
                                      archivePath);
    }
    signature_ = std::move(signature);
    version_ = version;
    entries_ = std::move(entries);
    names_ = std::move(names);
    return count;
  } catch (const std::exception& e) {
    Report(kHeaderErrorCaption, e.what() + std::string(runtime::kCrLf) + archivePath);
    return -1;
  }
}

bool clsVCZ::IsPossibleEntry(int64_t compressedLength, int64_t uncompressedLength) {
  if (uncompressedLength <= 0 || uncompressedLength > kMaxUncompressedLength) return false;
  // A body made by zlib never exceeds compressBound of what it holds, nor
  // stands for more than kMaxExpansionRatio times its length; another is
  // not an archive we wrote and is not worth reading.
  return compressedLength > 0 &&
         static_cast<uint64_t>(compressedLength) <= compressBound(static_cast<uLong>(uncompressedLength)) &&
         uncompressedLength <= compressedLength * kMaxExpansionRatio;
}

int64_t clsVCZ::ClaimedOutput(const VCZArchiveEntry& e) {
  return IsPossibleEntry(e.CompressedLength, e.UncompressedLength) ? e.UncompressedLength : 0;
}

bool clsVCZ::Expand(const std::string& compressed, int64_t expectedLength, std::string& out) {
  if (!IsPossibleEntry(static_cast<int64_t>(compressed.size()), expectedLength)) return false;
  // The length was checked against the body: the output is allocated once,
  // so an entry costs its own size and no copy of it.
  std::string buffer(static_cast<std::size_t>(expectedLength), '\0');
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
  stream.avail_out = static_cast<uInt>(buffer.size());
  int rc = Z_OK;
  // Once the buffer is full, inflate runs on without room: it can still
  // read the stream's end, and answers an error if the stream holds more.
  while (rc == Z_OK) rc = inflate(&stream, Z_NO_FLUSH);
  const bool complete = rc == Z_STREAM_END && stream.total_out == buffer.size();
  inflateEnd(&stream);
  if (!complete) return false;
  out = std::move(buffer);
  return true;
}

namespace {

void ShowProblem(const std::string& caption, const std::string& text) {
  seams::MessageBox().PlainMessage(text, seams::PlainButtons::kOk,
                                   caption == kHeaderErrorCaption || caption == kExtractErrorCaption
                                       ? seams::PlainIcon::kCritical
                                       : seams::PlainIcon::kNone,
                                   caption);
}

}  // namespace

void clsVCZ::Report(const std::string& caption, const std::string& text) {
  problems_.push_back({caption, text});
  if (showProblems_ && !caption.empty()) ShowProblem(caption, text);
}

void clsVCZ::ShowCollectedProblems() const {
  std::string caption;
  std::vector<std::string> texts;
  bool refused = false;
  for (const Problem& p : problems_) {
    if (p.caption.empty()) {
      // A refused entry's reason, as the archive's one line of an update takes it.
      refused = true;
      texts.push_back("Not extracted: " + p.text + ".");
      continue;
    }
    if (caption.empty()) caption = p.caption;
    texts.push_back(p.text);
  }
  if (texts.empty()) return;
  std::string text = runtime::FirstLines(texts);
  if (refused) text += std::string(runtime::kCrLf) + archivePath_;
  ShowProblem(caption.empty() ? kExtractErrorCaption : caption, text);
}

std::string clsVCZ::ProblemText() const {
  for (const Problem& p : problems_) {
    // A header note names the archive on a line of its own; the reason is the first.
    if (!p.text.empty()) return p.text.substr(0, p.text.find('\r'));
  }
  return {};
}

bool clsVCZ::CheckRoom(const std::string& folder, int64_t bytes) {
  if (bytes <= kFreeSpaceCheckBytes || HasRoomFor(folder, bytes)) return true;
  Report(kExtractErrorCaption,
         "Not enough free space in " + folder + " for " + std::to_string(bytes / (1024 * 1024)) + " MB.");
  return false;
}

bool clsVCZ::ExpandEntry(const std::string& archivePath, std::size_t index, std::string& expanded) {
  const VCZArchiveEntry& e = entries_[index];
  const std::string& name = names_[index];
  // Refusals are the archive's fault and are not shown; they are the reason
  // an update gives for the archive.
  if (!IsBareFileName(name)) {
    Report("", EntryLabel(name, index) + " has no name that can be a file here");
    return false;
  }
  if (ClaimedOutput(e) == 0) {
    Report("", EntryLabel(name, index) + " states lengths no packed file can have");
    return false;
  }
  std::string compressed;
  {
    // Opened afresh for each entry, so an archive that changed since its
    // header was read is checked against its size now.
    ArchiveReader file(archivePath);
    if (!file.Read(int64_t{e.DataPosition} - 1, e.CompressedLength, compressed)) {
      Report("", EntryLabel(name, index) + " lies outside the archive");
      return false;
    }
  }
  if (!Expand(compressed, e.UncompressedLength, expanded)) {
    Report("", EntryLabel(name, index) + " does not unpack to its stated length");
    return false;
  }
  return true;
}

bool clsVCZ::Extract(const std::string& archivePath, const std::vector<std::size_t>& indices,
                     const std::string& destinationFolder, Existing existing, std::vector<Written>* written) {
  int64_t output = 0;
  for (std::size_t i : indices) output += ClaimedOutput(entries_[i]);
  if (!CheckRoom(destinationFolder, output)) return false;
  // Every entry that unpacks is written to a temporary file first and
  // renamed into place only once all of them are written, so a full disk or
  // a failed write leaves the folder as it was. A refused entry writes
  // nothing and does not hold back the others.
  std::vector<runtime::PendingFile> pending;
  std::vector<Written> names;
  bool allWritten = true;
  try {
    // Two entries of one name would go to one file, the later over the
    // earlier or beside it as if the earlier were the user's: the later is
    // refused. Without case, as a folder on a file system without case
    // takes them for one file.
    std::unordered_set<std::string> seen;
    for (std::size_t i : indices) {
      if (!names_[i].empty() && !seen.insert(runtime::LCase(names_[i])).second) {
        Report("", EntryLabel(names_[i], i) + " has the name of an earlier entry");
        allWritten = false;
        continue;
      }
      std::string expanded;
      if (!ExpandEntry(archivePath, i, expanded)) {
        allWritten = false;
        continue;
      }
      std::string savedAs = names_[i];
      if (existing == Existing::kKeep) {
        std::vector<std::string> taken;
        for (const Written& w : names) taken.push_back(w.savedAs);
        const KeptPlace place = KeptName(destinationFolder, names_[i], expanded, taken);
        if (place.name.empty()) {
          Report("", "no free name is left beside " + EntryLabel(names_[i], i) + " for the update's copy");
          allWritten = false;
          continue;
        }
        if (place.present) {
          if (written != nullptr) written->push_back({names_[i], place.name});
          continue;
        }
        savedAs = place.name;
      }
      runtime::PendingFile file;
      std::string error;
      if (!file.Open(destinationFolder + savedAs, &error) || !file.Write(expanded, &error) || !file.Finish(&error)) {
        Report("Open File Error", error);
        return false;
      }
      pending.push_back(std::move(file));
      names.push_back({names_[i], savedAs});
    }
    for (std::size_t k = 0; k < pending.size(); ++k) {
      std::string error;
      if (!pending[k].Commit(&error)) {
        Report("Open File Error", error);
        allWritten = false;
      } else if (written != nullptr) {
        written->push_back(names[k]);
      }
    }
  } catch (const std::exception& e) {
    Report(kExtractErrorCaption, e.what());
    return false;
  }
  return allWritten;
}

bool clsVCZ::ExtractFile(const std::string& archivePath, const std::string& destinationFolder, Existing existing,
                         std::vector<Written>* written) {
  if (entries_.empty()) return false;
  std::vector<std::size_t> all(entries_.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  return Extract(archivePath, all, destinationFolder, existing, written);
}

bool clsVCZ::ExtractEntry(const std::string& archivePath, int32_t index, const std::string& destinationFolder) {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return false;
  return Extract(archivePath, {static_cast<std::size_t>(index)}, destinationFolder, Existing::kReplace, nullptr);
}

bool clsVCZ::UnZip(const std::string& archivePath, const std::string& destinationFolder) {
  if (OpenHeader(archivePath) <= 0) return false;
  return ExtractFile(archivePath, destinationFolder);
}
