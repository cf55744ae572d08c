#include "platform/win32/SpecialFolders.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/runtime/FileIO.h"
#include "platform/win32/FileSystem.h"

namespace win32 {

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string WithSlash(std::string path) {
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

bool Absolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

// A user-dirs.dirs file is a handful of short lines; anything larger is not one.
constexpr uint64_t kMaxUserDirsBytes = 64 * 1024;

// The value of `key` in the user's user-dirs.dirs ($XDG_CONFIG_HOME, else
// $HOME/.config), the way xdg-user-dirs writes it: KEY="$HOME/Name" or
// KEY="/absolute/path", a backslash taking the next character as it is.
// "" when the file, the key or a valid value is missing.
std::string FromUserDirsFile(const std::string& key, const std::string& home) {
  std::string config = Env("XDG_CONFIG_HOME");
  if (!Absolute(config)) config = home.empty() ? "" : WithSlash(home) + ".config";
  if (config.empty()) return "";
  const auto bytes = runtime::ReadFileBytes(WithSlash(config) + "user-dirs.dirs", nullptr, kMaxUserDirsBytes);
  if (!bytes) return "";
  std::string found;
  std::string::size_type start = 0;
  while (start < bytes->size()) {
    std::string::size_type end = bytes->find('\n', start);
    if (end == std::string::npos) end = bytes->size();
    std::string line = bytes->substr(start, end - start);
    start = end + 1;
    const std::string::size_type first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    line.erase(0, first);
    if (line.compare(0, key.size() + 2, key + "=\"") != 0) continue;
    std::string value;
    bool closed = false;
    for (std::string::size_type i = key.size() + 2; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        value += line[++i];
      } else if (line[i] == '"') {
        closed = true;
        break;
      } else {
        value += line[i];
      }
    }
    if (!closed) continue;
    static const std::string kHome = "$HOME";
    if (value.compare(0, kHome.size(), kHome) == 0 &&
        (value.size() == kHome.size() || value[kHome.size()] == '/')) {
      if (home.empty()) continue;
      value = WithSlash(home) + value.substr(std::min(value.size(), kHome.size() + 1));
    } else if (!Absolute(value)) {
      continue;
    }
    found = value;  // the last line for the key wins, as when the file is sourced
  }
  return found.empty() ? "" : WithSlash(found);
}

// $VAR when it is an absolute path, then (for the user folders) the
// user-dirs.dirs entry of the same name, else $HOME/fallback; "" without
// any of them.
std::string FromXdg(const char* variable, const char* homeRelative, bool userDir) {
  std::string value = Env(variable);
  if (Absolute(value)) return WithSlash(value);
  std::string home = Env("HOME");
  if (!Absolute(home)) home.clear();
  if (userDir) {
    std::string fromFile = FromUserDirsFile(variable, home);
    if (!fromFile.empty()) return fromFile;
  }
  if (home.empty()) return "";
  return WithSlash(home) + homeRelative + "/";
}

std::string CommonAppData() {
  std::vector<std::string> candidates;
  std::string exe = ExecutableFolder();
  if (!exe.empty()) candidates.push_back(exe + "../share/");
  std::string dirs = Env("XDG_DATA_DIRS");
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  std::string::size_type start = 0;
  while (start <= dirs.size()) {
    std::string::size_type colon = dirs.find(':', start);
    if (colon == std::string::npos) colon = dirs.size();
    std::string entry = dirs.substr(start, colon - start);
    if (Absolute(entry)) candidates.push_back(WithSlash(entry));
    start = colon + 1;
  }
  for (const std::string& candidate : candidates) {
    if (IsFolder(candidate)) return candidate;
  }
  return "";
}

}  // namespace

std::string SpecialFolder(int32_t folderId) {
  switch (folderId) {
    case kFolderDocuments: return FromXdg("XDG_DOCUMENTS_DIR", "Documents", true);
    case kFolderLocalAppData: return FromXdg("XDG_DATA_HOME", ".local/share", false);
    case kFolderCommonAppData: return CommonAppData();
    default: return "";
  }
}

}  // namespace win32
