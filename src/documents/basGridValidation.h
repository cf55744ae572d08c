#pragma once
// Checks of a display grid before a document or page uses it, and the names
// of the default display-grid files of each kind of result grid.

#include <cstdint>
#include <string>
#include <vector>

namespace basGridValidation {

// What the checks look at in each column of a display grid, in column order.
struct DisplayGridColumn {
  int32_t tableFieldID = 0;  // the stat category shown
  int32_t columnWidth = 0;   // pixels
};

// The checks on the columns of a display grid that opened. No column sets
// message to "Display grid contains no columns."; otherwise each column
// wider than 1600 and each pair of columns showing the same category appends
// a line (with CR LF) to whatever message holds. True when nothing was found.
bool CheckDisplayGridColumns(const std::vector<DisplayGridColumn>& columns, std::string& message);

// Opens a display-grid file and checks its columns as above. A file that
// cannot be opened sets message to "Could not open display grid."; nothing
// is shown, the caller decides what to do with the message.
bool ValidateDisplayGridFile(const std::string& path, std::string& message);

// Kinds 1 .. 10 (2 cheat sheet, 1 mock draft, 7 .. 9 the user mock page's
// grids, 10 the small roster of the mock-draft document); "" for any other.
std::string DefaultDisplayGridFile(int32_t kind);

}  // namespace basGridValidation
