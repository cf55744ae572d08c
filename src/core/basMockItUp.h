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
