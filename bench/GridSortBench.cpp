// Sorting a page's grid by a heading click: the projected-stats and user
// mock pages sort up to a thousand player rows this way, and a click should
// answer at once.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/flexgrid/FlexGridModel.h"

namespace {

// Rows of player-like cells: a name, then numbers with ties and blanks.
void FillGrid(FlexGridModel& grid, int32_t rows, int32_t cols) {
  grid.SetCols(cols);
  grid.SetRows(rows + 1);
  grid.SetFixedRows(1);
  for (int32_t r = 1; r <= rows; ++r) {
    grid.SetTextMatrix(r, 0, "Player " + std::to_string((r * 7919) % rows));
    for (int32_t c = 1; c < cols; ++c) {
      const int32_t v = (r * 31 + c * 17) % 997;
      grid.SetTextMatrix(r, c, v % 10 == 0 ? "" : std::to_string(v / 3) + "." + std::to_string(v % 10));
    }
  }
}

void BM_GridSortByHeading(benchmark::State& state) {
  const auto rows = static_cast<int32_t>(state.range(0));
  FlexGridModel grid;
  FillGrid(grid, rows, 20);
  bool descending = true;
  for (auto _ : state) {
    grid.SetCol(5);
    grid.SetColSel(5);
    grid.SetSort(descending ? FlexGridModel::kSortGenericDescending : FlexGridModel::kSortGenericAscending);
    descending = !descending;
    benchmark::DoNotOptimize(grid.TextMatrix(1, 5));
  }
}
BENCHMARK(BM_GridSortByHeading)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->MinTime(0.2);

}  // namespace
