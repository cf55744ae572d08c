#include "platform/runtime/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace runtime {

namespace {
void SetError(std::string* error, const std::string& what, const std::string& path) {
  if (error) *error = what + ": " + std::strerror(errno) + " (" + path + ")";
}
}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error, uint64_t maxBytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error, "Cannot open file", path);
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (error) *error = "Not a file: " + path;
    ::close(fd);
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

bool ReplaceFileAtomically(const std::string& path,
                           const std::function<bool(int fd, std::string* error)>& fill, std::string* error) {
  std::string::size_type slash = path.rfind('/');
  std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  if (base.empty()) {
    if (error) *error = "No file name: " + path;
    return false;
  }
  std::string tmpl = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "." + base + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) {
    SetError(error, "Cannot create file", path);
    return false;
  }
  std::string tmp(name.data());
  bool ok = fill(fd, error);
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    SetError(error, "Cannot write file", path);
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    SetError(error, "Cannot write file", path);
  }
  if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) {
    ok = false;
    SetError(error, "Cannot replace file", path);
  }
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

bool SaveFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  return ReplaceFileAtomically(
      path,
      [&](int fd, std::string* fillError) {
        // Keep the permissions an existing target has; new files get the usual 0644.
        struct stat st {};
        mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
        ::fchmod(fd, mode);
        if (WriteAll(fd, bytes)) return true;
        SetError(fillError, "Cannot write file", path);
        return false;
      },
      error);
}

}  // namespace runtime
