#pragma once
// Existence tests for folders and paths, with the "Path Not Found" notice.

#include <string>

namespace basDirExists_001 {

// True when path is a folder that can be entered. The process's current
// folder is left alone: nothing in the program works with relative paths.
// When not, and showMessage is set, shows "Path Not Found:  '<path>'"
// titled "Path Error".
bool DirExists(const std::string& path, bool showMessage);

// True when a file or folder matches path (see FileExists); no message.
bool PathExists(const std::string& path);

// Splits path at its last '/': fileName takes the part after it ("" when
// '/' ends the path) and the result is DirExists of the part before it.
// Without any '/' the result is False and fileName is left as it was.
bool CheckFolderOfPath(const std::string& path, std::string& fileName, bool showMessage);

}  // namespace basDirExists_001
