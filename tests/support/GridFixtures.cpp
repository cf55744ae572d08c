#include "GridFixtures.h"

#include <algorithm>

namespace kdtest {

void FillGrid(FlexGridModel& grid, const std::vector<std::vector<std::string>>& rows) {
  std::size_t cols = 0;
  for (const auto& row : rows) cols = std::max(cols, row.size());
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.SetRows(static_cast<int32_t>(rows.size()));
  grid.SetCols(static_cast<int32_t>(cols));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      grid.SetTextMatrix(static_cast<int32_t>(r), static_cast<int32_t>(c), rows[r][c]);
}

}  // namespace kdtest
