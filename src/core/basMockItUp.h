#pragma once
// The work folders and the file-type table.
//
// At start-up InitWorkDirectory makes the per-user work tree, fills it on the
// first run from the all-users tree the installation provides, refreshes it
// on every start, and publishes the path globals below. Folder paths end
// with '/' and are joined to file names with nothing between them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/PageCode.h"

class clsStatusPlain;

// The path globals, set once by basMockItUp::InitFileTypeTable.
inline std::string WorkFolder;                  // ".../Vellacorn/Kickwell Draftyard/dat/"
inline std::string DefaultsFolder;              // WorkFolder + "def/"
inline std::string DefaultProjectedStatsName;   // "Default.pro"
inline bool ApplicationClosing = false;         // set by the main window when it starts closing
// The file-type table, indexed by PageCode; rows the table does not name hold "".
inline std::array<std::string, kPageCodeCount> FileTypeDescription;
inline std::array<std::string, kPageCodeCount> FileTypeDefaultName;
inline std::array<std::string, kPageCodeCount> FileTypeFolder;

namespace basMockItUp {

// The start-up steps: makes the user product folder under the documents
// folder (else shows " Unable to access work directory" titled "Work
// Directory Error" and returns False); makes the per-user work folder with
// its sub-folders and "upd", creating missing parents; when the all-users
// tree exists, fills a new work folder from it (with the progress window
// "Creating Work Directory") and refreshes it on every start; then fills
// the file-type table. False stops the start-up.
bool InitWorkDirectory();

// Makes the eleven sub-folders under root (without trailing '/'); False,
// after the "Path Not Found" notice, when root does not exist.
bool CreateWorkSubFolders(const std::string& root);
// Makes root + "/" + name when missing; True when it exists afterwards.
bool MakeSubFolder(const std::string& root, const std::string& name);

// The first-run copy from source to destination (roots without trailing
// '/'), one progress segment of weight 9 per sub-folder.
bool CopyAllUsersTree(const std::string& source, const std::string& destination, clsStatusPlain& status);
// Copies the files of one sub-folder ("def": every entry; others: names
// ending in the sub-folder's name). Files missing at the destination are
// copied; an existing one is replaced only after "Yes" or "Yes To All"
// (or with overwriteAll), through a temporary file. `answer` is the
// remembered answer of the transfer ("save" once "Yes To All" was given).
bool CopySubFolderFiles(const std::string& source, const std::string& destination, const std::string& name,
                        clsStatusPlain& status, int32_t segment, bool overwriteAll, std::string& answer);
// The refresh on every start: files missing at the destination are copied
// in all eleven sub-folders; in "def", "str", "mas" and "adp" a strictly
// newer all-users file also replaces the user's copy.
bool RefreshFromAllUsers(const std::string& source, const std::string& destination);
bool RefreshSubFolder(const std::string& source, const std::string& destination, const std::string& name,
                      int32_t position, bool replaceOlder);

// The eleven work sub-folders in order (positions 1..11 of the table are
// indexes 0..10 here); "upd" is made separately.
const std::vector<std::string>& WorkSubFolderNames();

// The per-user work folder under the given local application-data folder
// (with its trailing '/'): local + "Vellacorn/Kickwell Draftyard/dat/".
std::string WorkFolderUnder(const std::string& localRoot);

// Fills the path globals and the file-type table for the work folder
// (given with its trailing '/').
void InitFileTypeTable(const std::string& work);

// "html", "txt", "csv" for export types 0, 1, 2; "" for any other.
std::string ExportFileExtension(int32_t code);
// "Hyper Text", "Text", "Comma Separated Variable"; "" for any other.
std::string ExportFileDescription(int32_t code);

}  // namespace basMockItUp
