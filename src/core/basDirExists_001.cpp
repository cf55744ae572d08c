#include "core/basDirExists_001.h"

#include "core/Seams.h"
#include "platform/win32/FileSystem.h"

namespace basDirExists_001 {

bool DirExists(const std::string& path, bool showMessage) {
  if (win32::CanEnterFolder(path)) return true;
  if (showMessage) {
    seams::MessageBox().PlainMessage("Path Not Found:  '" + path + "'", seams::PlainButtons::kOk,
                                     seams::PlainIcon::kExclamation, "Path Error");
  }
  return false;
}

bool PathExists(const std::string& path) {
  if (path.empty() || path.back() == '/') return false;
  if (win32::EntryExists(path)) return true;
  std::string::size_type slash = path.find_last_of('/');
  std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  return last.find_first_of("*?") != std::string::npos && win32::AnyEntryMatches(path);
}

bool CheckFolderOfPath(const std::string& path, std::string& fileName, bool showMessage) {
  std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos) return false;
  fileName = path.substr(slash + 1);
  return DirExists(path.substr(0, slash), showMessage);
}

}  // namespace basDirExists_001
