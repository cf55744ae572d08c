#include "player_data/clsVCZ.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>

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
    // Non-blocking so that a FIFO put where an archive was expected cannot
    // hang the open; it is then refused as "not a file".
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
      error_ = std::strerror(errno);
      return;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
      error_ = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
      error_ = "Not a file";
    } else {
      size_ = static_cast<int64_t>(st.st_size);
      return;
    }
    ::close(fd_);
    fd_ = -1;
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

void ShowHeaderError(const std::string& description, const std::string& archivePath) {
  seams::MessageBox().PlainMessage(description + std::string(runtime::kCrLf) + archivePath, seams::PlainButtons::kOk,
                                   seams::PlainIcon::kCritical, "VCZ OpenHeader Error");
}

void ShowExtractError(const std::string& description) {
  seams::MessageBox().PlainMessage(description, seams::PlainButtons::kOk, seams::PlainIcon::kCritical,
                                   "VCZ ExtractFile Error");
}

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

// False when, with more than the check's threshold to write, the folder
// lacks the room; the reason is shown.
bool CheckRoom(const std::string& folder, int64_t bytes) {
  if (bytes <= clsVCZ::kFreeSpaceCheckBytes || HasRoomFor(folder, bytes)) return true;
  ShowExtractError("Not enough free space in " + folder + " for " + std::to_string(bytes / (1024 * 1024)) +
                   " MB.");
  return false;
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
  if (name.empty() || name == "." || name == ".." || name.size() > kMaxNameLength) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    auto b = static_cast<unsigned char>(name[i]);
    if (b < 0x20 || b == 0x7F || b == '/' || b == '\\' || b == ':') return false;
    // Existence tests read '*' and '?' as patterns; no archive we publish uses them.
    if (b == '*' || b == '?') return false;
    // C1 controls (U+0080..U+009F), which the undefined Windows-1252 bytes become.
    if (b == 0xC2 && i + 1 < name.size()) {
      auto next = static_cast<unsigned char>(name[i + 1]);
      if (next >= 0x80 && next <= 0x9F) return false;
    }
  }
  return true;
}

int32_t clsVCZ::OpenHeader(const std::string& archivePath) {
  if (!IsRegularFile(archivePath)) return -1;
  try {
    ArchiveReader file(archivePath);
    if (!file.IsOpen()) {
      ShowHeaderError(file.Error(), archivePath);
      return -1;
    }
    const int64_t length = file.Size();
    if (length < kHeaderBytes) return -1;
    std::string bytes;
    if (!file.Read(0, kHeaderBytes, bytes)) {
      ShowHeaderError(file.Error(), archivePath);
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
      ShowHeaderError(file.Error(), archivePath);
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
        ShowHeaderError(file.Error(), archivePath);
        return -1;
      }
      names[i] = runtime::Cp1252ToUtf8(raw);
    }
    if (!BodiesApart(entries, length)) return -1;
    int64_t output = 0;
    for (const auto& e : entries) output += ClaimedOutput(e);
    if (output > kMaxArchiveOutput) return -1;
    if (tooLong > 0) {
      ShowHeaderError(std::to_string(tooLong) + (tooLong == 1 ? " entry is" : " entries are") +
                          " skipped: a file name may have at most " + std::to_string(kMaxNameLength) +
                          " bytes here, so that it can be saved.",
                      archivePath);
    }
    signature_ = std::move(signature);
    version_ = version;
    entries_ = std::move(entries);
    names_ = std::move(names);
    return count;
  } catch (const std::exception& e) {
    ShowHeaderError(e.what(), archivePath);
    return -1;
  }
}

int64_t clsVCZ::ClaimedOutput(const VCZArchiveEntry& e) {
  if (e.UncompressedLength <= 0 || e.UncompressedLength > kMaxUncompressedLength) return 0;
  // A body made by zlib never exceeds compressBound of what it holds, nor
  // stands for more than kMaxExpansionRatio times its length; another is
  // not an archive we wrote and is not worth reading.
  if (e.CompressedLength <= 0 ||
      static_cast<uint64_t>(e.CompressedLength) > compressBound(static_cast<uLong>(e.UncompressedLength)) ||
      e.UncompressedLength > int64_t{e.CompressedLength} * kMaxExpansionRatio) {
    return 0;
  }
  return e.UncompressedLength;
}

bool clsVCZ::Expand(const std::string& compressed, int64_t expectedLength, std::string& out) {
  if (expectedLength <= 0 || expectedLength > kMaxUncompressedLength) return false;
  if (compressed.empty() || compressed.size() > compressBound(static_cast<uLong>(expectedLength)) ||
      expectedLength > static_cast<int64_t>(compressed.size()) * kMaxExpansionRatio) {
    return false;
  }
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

bool clsVCZ::ExtractOne(const std::string& archivePath, std::size_t index,
                        const std::string& destinationFolder) const {
  const VCZArchiveEntry& e = entries_[index];
  const std::string& name = names_[index];
  if (!IsBareFileName(name) || ClaimedOutput(e) == 0) return false;
  std::string compressed;
  {
    // Opened afresh for each entry, so an archive that changed since its
    // header was read is checked against its size now.
    ArchiveReader file(archivePath);
    if (!file.Read(int64_t{e.DataPosition} - 1, e.CompressedLength, compressed)) return false;
  }
  std::string expanded;
  if (!Expand(compressed, e.UncompressedLength, expanded)) return false;
  compressed.clear();
  compressed.shrink_to_fit();
  std::string error;
  if (!runtime::SaveFileAtomically(destinationFolder + name, expanded, &error)) {
    seams::MessageBox().PlainMessage(error, seams::PlainButtons::kOk, seams::PlainIcon::kNone, "Open File Error");
    return false;
  }
  return true;
}

bool clsVCZ::ExtractFile(const std::string& archivePath, const std::string& destinationFolder) {
  if (entries_.empty()) return false;
  int64_t output = 0;
  for (const auto& e : entries_) output += ClaimedOutput(e);
  if (!CheckRoom(destinationFolder, output)) return false;
  bool allWritten = true;
  try {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (!ExtractOne(archivePath, i, destinationFolder)) allWritten = false;
    }
  } catch (const std::exception& e) {
    ShowExtractError(e.what());
    return false;
  }
  return allWritten;
}

bool clsVCZ::ExtractEntry(const std::string& archivePath, int32_t index,
                          const std::string& destinationFolder) {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return false;
  if (!CheckRoom(destinationFolder, ClaimedOutput(entries_[static_cast<std::size_t>(index)]))) return false;
  try {
    return ExtractOne(archivePath, static_cast<std::size_t>(index), destinationFolder);
  } catch (const std::exception& e) {
    ShowExtractError(e.what());
    return false;
  }
}

bool clsVCZ::UnZip(const std::string& archivePath, const std::string& destinationFolder) {
  if (OpenHeader(archivePath) <= 0) return false;
  return ExtractFile(archivePath, destinationFolder);
}
