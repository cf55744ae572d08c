#include "platform/win32/SpecialFolders.h"

#include <cstdlib>
#include <vector>

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

// $VAR when it is an absolute path, else $HOME/fallback; "" without either.
std::string FromXdg(const char* variable, const char* homeRelative) {
  std::string value = Env(variable);
  if (Absolute(value)) return WithSlash(value);
  std::string home = Env("HOME");
  if (!Absolute(home)) return "";
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
    case kFolderDocuments: return FromXdg("XDG_DOCUMENTS_DIR", "Documents");
    case kFolderLocalAppData: return FromXdg("XDG_DATA_HOME", ".local/share");
    case kFolderCommonAppData: return CommonAppData();
    default: return "";
  }
}

}  // namespace win32
