#include "core/basAssociatedFiles.h"

#include <cerrno>
#include <cstring>

#include "core/Seams.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"

namespace basAssociatedFiles {

bool OpenFileByMode(const std::string& path, std::fstream& file, int32_t mode, bool showMessage) {
  if (file.is_open()) file.close();
  file.clear();
  std::ios::openmode how{};
  switch (mode) {
    case kBinaryRead: how = std::ios::in | std::ios::binary; break;
    case kBinaryWrite: how = std::ios::in | std::ios::out | std::ios::binary; break;
    case kTextInput: how = std::ios::in; break;
    case kTextOutput: how = std::ios::out | std::ios::trunc; break;
    case kTextAppend: how = std::ios::out | std::ios::app; break;
    default: return false;
  }
  errno = 0;
  if (win32::IsFolder(path)) {
    errno = EISDIR;
  } else {
    if (mode == kBinaryWrite && !win32::EntryExists(path)) {
      // in|out does not create; make the empty file first.
      std::ofstream create(path, std::ios::out | std::ios::binary);
    }
    file.open(path, how);
    if (file.is_open()) return true;
  }
  if (showMessage) {
    std::string reason = errno != 0 ? std::strerror(errno) : "Cannot open file";
    ShowOpenFileError(reason, path);
  }
  file.clear();
  return false;
}

void ShowOpenFileError(const std::string& reason, const std::string& path) {
  seams::MessageBox().PlainMessage(reason + std::string(runtime::kCrLf) + path, seams::PlainButtons::kOk,
                                   seams::PlainIcon::kNone, "Open File Error");
}

}  // namespace basAssociatedFiles
