#pragma once
// Folder listings. Entries come sorted by name without regard to case (then
// by bytes), so that every list, and the file picked first from it, is the
// same on every run; a bare readdir order would differ from run to run and
// machine to machine.

#include <cstdint>
#include <string>
#include <vector>

namespace basDirToTextFile {

// Every entry of folder (given with its trailing '/'), "." and ".." and
// sub-folders included, in the order above; the result is the last index (count - 1). A folder
// that cannot be listed gives one empty name and 0: callers skip names of
// 3 characters or fewer.
int32_t ListFolderEntries(const std::string& folder, std::vector<std::string>& names);

// The same listing, keeping only names longer than 4 characters that end
// with `ending` without regard to case; the last index, -1 when none.
int32_t ListFolderEntriesEx(const std::string& folder, std::vector<std::string>& names,
                            const std::string& ending);

// Length in characters of UTF-8 text (the listings' length tests count
// characters, not bytes).
std::size_t CharacterCount(const std::string& text);

}  // namespace basDirToTextFile
