#pragma once
// Opening a file in one of the five access modes the program uses.

#include <cstdint>
#include <fstream>
#include <string>

namespace basAssociatedFiles {

enum OpenFileMode : int32_t {
  kBinaryRead = 1,
  kBinaryWrite = 2,   // created when missing; an existing file is not truncated
  kTextInput = 3,
  kTextOutput = 4,    // created or emptied
  kTextAppend = 5,    // created when missing
};

// Opens path in `file` (closing whatever it had open). Any other mode opens
// nothing and gives False without a message. When the open fails and
// showMessage is set, shows the system's error text, CR LF and the path,
// titled "Open File Error".
bool OpenFileByMode(const std::string& path, std::fstream& file, int32_t mode, bool showMessage);

// The file routines' error box: the reason, CR LF and the path, titled
// "Open File Error".
void ShowOpenFileError(const std::string& reason, const std::string& path);

}  // namespace basAssociatedFiles
