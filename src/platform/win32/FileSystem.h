#pragma once
// The file-system services the program took from kernel32: existence tests,
// folder listing in the order the system returns entries, folder creation,
// copy and delete, and last-modified times. Paths use '/'.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

// True when something (file, folder, device) exists at path; symbolic links
// are followed.
bool EntryExists(const std::string& path);
bool IsFolder(const std::string& path);
// True when the folder exists and can be entered.
bool CanEnterFolder(const std::string& path);
// True when the last component, taken as a pattern with '*' and '?', matches
// at least one entry of its folder.
bool AnyEntryMatches(const std::string& pattern);

// Every entry of the folder, "." and ".." included, in directory order;
// nullopt when the folder cannot be listed.
std::optional<std::vector<std::string>> ListFolder(const std::string& folder);

// Makes one folder (its parent must exist). True when it exists afterwards.
bool CreateFolder(const std::string& path);
// Makes the folder and any missing parents. True when it exists afterwards.
bool CreateFolderTree(const std::string& path);

// Copies source to destination as CopyFile does: the copy keeps the source's
// last-modified time. The bytes go to a temporary file beside the destination
// that is renamed over it, so a failed copy leaves an existing destination
// untouched. False with `error` set on failure.
bool CopyFileKeepingTime(const std::string& source, const std::string& destination,
                         std::string* error = nullptr);

// Deletes one file (never a folder). True when it was deleted.
bool DeleteFile(const std::string& path);

// Last-modified time in nanoseconds since the epoch; nullopt when missing.
std::optional<int64_t> ModificationTime(const std::string& path);
// Sets the last-modified time (nanoseconds since the epoch).
bool SetModificationTime(const std::string& path, int64_t nanoseconds);

// The folder holding the running executable, with a trailing '/'; "" when
// it cannot be found.
std::string ExecutableFolder();

}  // namespace win32
