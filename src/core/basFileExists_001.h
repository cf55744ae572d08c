#pragma once
// Existence test for a file, with the program's "File Not Found" notice.

#include <string>

namespace basFileExists_001 {

// True when something matches path: a file, also a folder, and a last
// component with '*' or '?' that matches an entry (without regard to case).
// A path ending in '/' or empty is never found. When nothing is found and
// showMessage is set, shows "File Not Found:  '<path>'" titled "File Error".
bool FileExists(const std::string& path, bool showMessage);

}  // namespace basFileExists_001
