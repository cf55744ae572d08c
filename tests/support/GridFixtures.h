#pragma once
// Grids for tests, filled row by row from literal texts.

#include <string>
#include <vector>

#include "platform/flexgrid/FlexGridModel.h"

namespace kdtest {

// Sizes the grid to the rows given (columns: the longest row) with no fixed
// rows or columns, and writes the texts.
void FillGrid(FlexGridModel& grid, const std::vector<std::vector<std::string>>& rows);

}  // namespace kdtest
