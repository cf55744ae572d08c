#include "platform/runtime/FileIO.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <utility>
#include <vector>

namespace runtime {

namespace {
void SetError(std::string* error, const std::string& what, const std::string& path) {
  if (error) *error = what + ": " + std::strerror(errno) + " (" + path + ")";
}

// When this process started, near enough: temporary files older than this
// cannot belong to a save still running here.
const struct timespec kStartedAt = [] {
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return now;
}();

// The folder part of a path, with its trailing '/'; "" for a bare name.
std::string FolderOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

mode_t CurrentUmask() {
  // Read without changing it; umask() alone cannot be read without a change
  // another thread might see.
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

bool IsTemporaryTail(std::string_view tail) {
  if (tail.size() != 6 && !(tail.size() == 14 && tail.substr(6) == "-journal")) return false;
  for (char c : tail.substr(0, 6)) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

bool OlderThanProcess(const struct stat& st) {
  return st.st_mtim.tv_sec < kStartedAt.tv_sec ||
         (st.st_mtim.tv_sec == kStartedAt.tv_sec && st.st_mtim.tv_nsec < kStartedAt.tv_nsec);
}

// Removes ".<base>.XXXXXX" and ".<base>.XXXXXX-journal" files in `folder`
// that a killed save or build of the same target left behind.
void RemoveStaleTemporaries(const std::string& folder, const std::string& base) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  const std::string prefix = "." + base + ".";
  while (const struct dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
    if (!IsTemporaryTail(name.substr(prefix.size()))) continue;
    const std::string path = folder + std::string(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && OlderThanProcess(st)) ::unlink(path.c_str());
  }
  ::closedir(dir);
}
}  // namespace

bool IsBareFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b == '/' || b == '\\' || b < 0x20 || b == 0x7F;
  });
}

int OpenRegularFile(const std::string& path, struct stat& st, bool& notAFile) {
  notAFile = false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
  notAFile = true;
  ::close(fd);
  return -1;
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error, uint64_t maxBytes) {
  struct stat st {};
  bool notAFile = false;
  const int fd = OpenRegularFile(path, st, notAFile);
  if (fd < 0) {
    if (!notAFile) {
      SetError(error, "Cannot open file", path);
    } else if (error) {
      *error = "Not a file: " + path;
    }
    return std::nullopt;
  }
  if (static_cast<uint64_t>(st.st_size) > maxBytes) {
    if (error) *error = "File too large: " + path;
    ::close(fd);
    return std::nullopt;
  }
  std::string out;
  out.resize(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  while (got < out.size()) {
    ssize_t n = ::read(fd, out.data() + got, out.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetError(error, "Cannot read file", path);
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;  // the file shrank while we read it
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  ::close(fd);
  return out;
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool CopyAll(int in, int out, const std::string& source, const std::string& destination, std::string* error) {
  std::vector<char> buffer(1 << 16);
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetError(error, "Cannot read file", source);
      return false;
    }
    if (n == 0) return true;
    if (!WriteAll(out, std::string_view(buffer.data(), static_cast<std::size_t>(n)))) {
      SetError(error, "Cannot write file", destination);
      return false;
    }
  }
}

bool ReplaceFileAtomically(const std::string& path,
                           const std::function<bool(int fd, std::string* error)>& fill, std::string* error) {
  PendingFile file;
  if (!file.Open(path, error)) return false;
  if (!fill(file.Descriptor(), error)) return false;
  return file.Commit(error);
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      temporary_(std::move(other.temporary_)),
      target_(std::move(other.target_)) {
  other.temporary_.clear();
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this != &other) {
    Discard();
    fd_ = std::exchange(other.fd_, -1);
    temporary_ = std::move(other.temporary_);
    target_ = std::move(other.target_);
    other.temporary_.clear();
  }
  return *this;
}

bool PendingFile::Open(const std::string& path, std::string* error) {
  Discard();
  target_ = SaveTarget(path);
  fd_ = CreateTemporaryBeside(target_, temporary_, error);
  if (fd_ < 0) temporary_.clear();
  return fd_ >= 0;
}

bool PendingFile::Write(std::string_view bytes, std::string* error) {
  if (fd_ >= 0 && WriteAll(fd_, bytes)) return true;
  SetError(error, "Cannot write file", target_);
  return false;
}

bool PendingFile::Finish(std::string* error) {
  if (fd_ < 0) return !temporary_.empty();
  const bool synced = ::fsync(fd_) == 0;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (synced && closed) return true;
  SetError(error, "Cannot write file", target_);
  return false;
}

bool PendingFile::Commit(std::string* error) {
  const bool ok = Finish(error) && CommitTemporary(temporary_, target_, error);
  if (ok) temporary_.clear();
  Discard();
  return ok;
}

void PendingFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool SaveFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  return ReplaceFileAtomically(
      path,
      [&](int fd, std::string* fillError) {
        if (WriteAll(fd, bytes)) return true;
        SetError(fillError, "Cannot write file", path);
        return false;
      },
      error);
}

std::string SaveTarget(const std::string& path) {
  std::string target = path;
  // As many links as the system itself follows; a longer chain is left to fail at the rename.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::vector<char> link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) break;
    const std::string text(link.data(), static_cast<std::size_t>(n));
    target = text.front() == '/' ? text : FolderOf(target) + text;
  }
  return target;
}

bool FileHoldsExactly(const std::string& path, std::string_view bytes) {
  struct stat st {};
  bool notAFile = false;
  const int fd = OpenRegularFile(path, st, notAFile);
  if (fd < 0) return false;
  bool same = static_cast<uint64_t>(st.st_size) == bytes.size();
  std::string block(std::min<std::size_t>(bytes.size(), 1 << 20), '\0');
  std::size_t at = 0;
  while (same && at < bytes.size()) {
    const ssize_t n = ::read(fd, block.data(), std::min(block.size(), bytes.size() - at));
    if (n < 0 && errno == EINTR) continue;
    same = n > 0 && bytes.compare(at, static_cast<std::size_t>(n), block.data(), static_cast<std::size_t>(n)) == 0;
    if (same) at += static_cast<std::size_t>(n);
  }
  // A file that grew while it was read holds more than `bytes`.
  char extra = 0;
  if (same) {
    ssize_t n = 0;
    do n = ::read(fd, &extra, 1);
    while (n < 0 && errno == EINTR);
    same = n == 0;
  }
  ::close(fd);
  return same;
}

bool IsReadOnlyFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  // access() refuses writing also on a read-only mount.
  return (st.st_mode & 0222) == 0 || (::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS));
}

bool IsReadOnlyFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  return IsReadOnlyFile(folder.empty() ? "." : folder);
}

int CreateTemporaryBeside(const std::string& target, std::string& temporary, std::string* error) {
  const std::string folder = FolderOf(target);
  const std::string base = target.substr(folder.size());
  if (base.empty()) {
    if (error) *error = "No file name: " + target;
    return -1;
  }
  if (base.size() > kMaxSavedNameBytes) {
    if (error) {
      *error = "File name too long: the name may have at most " + std::to_string(kMaxSavedNameBytes) +
               " bytes (" + target + ")";
    }
    return -1;
  }
  struct stat st {};
  mode_t mode = 0666 & ~CurrentUmask();
  if (::stat(target.c_str(), &st) == 0) {
    if (IsReadOnlyFile(target)) {
      if (error) *error = "The file is read-only: " + target;
      return -1;
    }
    mode = st.st_mode & 07777;
  }
  RemoveStaleTemporaries(folder, base);
  std::string pattern = folder + "." + base + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    SetError(error, "Cannot create file", target);
    return -1;
  }
  ::fchmod(fd, mode);
  temporary = pattern;
  return fd;
}

bool CommitTemporary(const std::string& temporary, const std::string& target, std::string* error) {
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    SetError(error, "Cannot replace file", target);
    return false;
  }
  // The rename is durable only once the folder is; a folder that cannot be
  // synced (some network file systems) still holds the new file.
  const std::string folder = FolderOf(target);
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace runtime
