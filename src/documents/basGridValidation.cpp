#include "documents/basGridValidation.h"

#include "database/clsDisplayGridIsolate.h"

namespace basGridValidation {

bool CheckDisplayGridColumns(const std::vector<DisplayGridColumn>& columns, std::string& message) {
  if (columns.empty()) {
    message = "Display grid contains no columns.";
    return false;
  }
  bool valid = true;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].columnWidth > 1600) {
      message += "Column [" + std::to_string(i + 1) + "] width exceeds limit.\r\n";
      valid = false;
    }
    // One line per pair: a category shown three times gives three lines.
    for (std::size_t j = i + 1; j < columns.size(); ++j) {
      if (columns[j].tableFieldID == columns[i].tableFieldID) {
        message += "Category ID [" + std::to_string(columns[i].tableFieldID) + "] found multiple times.\r\n";
        valid = false;
      }
    }
  }
  return valid;
}

bool ValidateDisplayGridFile(const std::string& path, std::string& message) {
  clsDisplayGridIsolate grid;
  if (!grid.OpenFile(path)) {
    message = "Could not open display grid.";
    return false;
  }
  std::vector<DisplayGridColumn> columns;
  for (int32_t i = 0; i <= grid.ColumnMax(); ++i)
    columns.push_back({grid.TableFieldID(i), grid.ColumnWidth(i)});
  return CheckDisplayGridColumns(columns, message);
}

std::string DefaultDisplayGridFile(int32_t kind) {
  switch (kind) {
    case 1:
      return "Mock Draft - Default.dis";
    case 2:
      return "Cheat Sheet - Default.dis";
    case 3:
      return "Stats - Offensive.dis";
    case 4:
      return "Stats - Defensive.dis";
    case 5:
      return "Stats - Team Defense.dis";
    case 6:
      return "Stats - Kicking.dis";
    case 7:
      return "UserMock - Available.dis";
    case 8:
      return "UserMock - Picks.dis";
    case 9:
      return "UserMock - Roster.dis";
    case 10:
      return "UserMock - Small Roster.dis";
    default:
      return "";
  }
}

}  // namespace basGridValidation
