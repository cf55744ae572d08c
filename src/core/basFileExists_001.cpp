#include "core/basFileExists_001.h"

#include "core/Seams.h"
#include "core/basDirExists_001.h"

namespace basFileExists_001 {

bool FileExists(const std::string& path, bool showMessage) {
  if (basDirExists_001::PathExists(path)) return true;
  if (showMessage) {
    seams::MessageBox().PlainMessage("File Not Found:  '" + path + "'", seams::PlainButtons::kOk,
                                     seams::PlainIcon::kExclamation, "File Error");
  }
  return false;
}

}  // namespace basFileExists_001
