#include "platform/win32/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/runtime/FileIO.h"

namespace win32 {

namespace {

void SetError(std::string* error, const std::string& what, const std::string& path) {
  if (error) *error = what + ": " + std::strerror(errno) + " (" + path + ")";
}

std::string ParentOf(const std::string& path) {
  std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

bool EntryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CanEnterFolder(const std::string& path) {
  return IsFolder(path) && ::access(path.c_str(), X_OK) == 0;
}

bool AnyEntryMatches(const std::string& pattern) {
  std::string::size_type slash = pattern.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  if (name.empty()) return false;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return false;
  bool found = false;
  while (dirent* entry = ::readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    if (::fnmatch(name.c_str(), entry->d_name, FNM_NOESCAPE | FNM_CASEFOLD) == 0) {
      found = true;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

std::optional<std::vector<std::string>> ListFolder(const std::string& folder) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::vector<std::string> names;
  while (dirent* entry = ::readdir(dir)) names.emplace_back(entry->d_name);
  ::closedir(dir);
  return names;
}

bool CreateFolder(const std::string& path) {
  if (path.empty()) return false;
  if (::mkdir(path.c_str(), 0755) == 0) return true;
  return IsFolder(path);
}

bool CreateFolderTree(const std::string& path) {
  if (path.empty()) return false;
  if (IsFolder(path)) return true;
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  std::string parent = ParentOf(trimmed);
  if (parent != trimmed && !IsFolder(parent) && !CreateFolderTree(parent)) return false;
  return CreateFolder(trimmed);
}

bool CopyFileKeepingTime(const std::string& source, const std::string& destination, std::string* error) {
  struct stat st {};
  bool notAFile = false;
  const int in = runtime::OpenRegularFile(source, st, notAFile);
  if (in < 0) {
    if (!notAFile) {
      SetError(error, "Cannot open file", source);
    } else if (error) {
      *error = "Not a file: " + source;
    }
    return false;
  }
  const bool ok = runtime::ReplaceFileAtomically(
      destination,
      [&](int out, std::string* fillError) {
        // The copy is the user's own file: its mode is that of a new file, or
        // the one the replaced copy had, never a read-only bundled file's.
        if (!runtime::CopyAll(in, out, source, destination, fillError)) return false;
        // The refresh at start-up compares these times, so the copy carries the
        // source's, as the system's own copy did.
        struct timespec times[2] = {st.st_atim, st.st_mtim};
        if (::futimens(out, times) != 0) {
          SetError(fillError, "Cannot write file", destination);
          return false;
        }
        return true;
      },
      error);
  ::close(in);
  return ok;
}

bool DeleteFile(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return ::unlink(path.c_str()) == 0;
}

std::optional<int64_t> ModificationTime(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

bool SetModificationTime(const std::string& path, int64_t nanoseconds) {
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(nanoseconds / 1000000000);
  times[1].tv_nsec = static_cast<long>(nanoseconds % 1000000000);
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::string ExecutableFolder() {
  std::vector<char> buffer(4096);
  ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return "";
  std::string path(buffer.data(), static_cast<std::size_t>(n));
  std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos) return "";
  return path.substr(0, slash + 1);
}

}  // namespace win32
