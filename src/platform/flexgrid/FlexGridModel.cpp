#include "platform/flexgrid/FlexGridModel.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "platform/runtime/Text.h"

namespace {

const std::string kEmptyText;

}  // namespace

FlexGridModel::FlexGridModel() {
  // The control starts with two rows and two columns, one of each fixed, and
  // the first scrollable cell current.
  Resize(2, 2);
  fixedRows_ = 1;
  fixedCols_ = 1;
  row_ = rowSel_ = topRow_ = 1;
  col_ = colSel_ = leftCol_ = 1;
}

int32_t FlexGridModel::Subscribe(Listener listener) {
  auto sub = std::make_shared<Subscription>();
  sub->id = nextListenerId_++;
  sub->listener = std::move(listener);
  listeners_.push_back(sub);
  return sub->id;
}

void FlexGridModel::Unsubscribe(int32_t id) {
  for (auto it = listeners_.begin(); it != listeners_.end(); ++it) {
    if ((*it)->id == id) {
      (*it)->active = false;
      listeners_.erase(it);
      return;
    }
  }
}

void FlexGridModel::Raise(FlexGridEvent event) {
  if (listeners_.empty()) return;
  if (event == FlexGridEvent::kChanged && !redraw_) return;
  // A listener may subscribe, unsubscribe or change the grid while it runs:
  // walk a snapshot and skip entries that were unsubscribed meanwhile.
  const auto snapshot = listeners_;
  for (const auto& sub : snapshot) {
    if (sub->active) sub->listener(event);
  }
}

FlexGridModel::Cell* FlexGridModel::CellAt(int32_t row, int32_t col) {
  if (!InGrid(row, col)) return nullptr;
  return &cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
                 static_cast<std::size_t>(col)];
}

const FlexGridModel::Cell* FlexGridModel::CellAt(int32_t row, int32_t col) const {
  if (!InGrid(row, col)) return nullptr;
  return &cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
                 static_cast<std::size_t>(col)];
}

void FlexGridModel::Resize(int32_t rows, int32_t cols) {
  if (rows < 0 || cols < 0 || static_cast<int64_t>(rows) * cols > kMaxCells) {
    throw std::out_of_range("Invalid grid size " + std::to_string(rows) + " x " + std::to_string(cols));
  }
  if (cols != cols_) {
    std::vector<Cell> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    const int32_t keepRows = std::min(rows, rows_);
    const int32_t keepCols = std::min(cols, cols_);
    for (int32_t r = 0; r < keepRows; ++r) {
      for (int32_t c = 0; c < keepCols; ++c) {
        cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)] =
            std::move(*CellAt(r, c));
      }
    }
    cells_ = std::move(cells);
  } else {
    cells_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  }
  rowData_.resize(static_cast<std::size_t>(rows));
  colData_.resize(static_cast<std::size_t>(cols));
  rows_ = rows;
  cols_ = cols;
  KeepPositionsInside();
}

void FlexGridModel::KeepPositionsInside() {
  fixedRows_ = std::min(fixedRows_, rows_);
  fixedCols_ = std::min(fixedCols_, cols_);
  const int32_t lastRow = std::max(rows_ - 1, 0);
  const int32_t lastCol = std::max(cols_ - 1, 0);
  row_ = std::clamp(row_, 0, lastRow);
  rowSel_ = std::clamp(rowSel_, 0, lastRow);
  col_ = std::clamp(col_, 0, lastCol);
  colSel_ = std::clamp(colSel_, 0, lastCol);
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rows_ - 1));
  leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, cols_ - 1));
}

void FlexGridModel::SetRows(int32_t rows) {
  if (rows == rows_) return;
  // Rows added again start afresh (default height, not merged), as in the control.
  Resize(rows, cols_);
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetCols(int32_t cols) {
  if (cols == cols_) return;
  Resize(rows_, cols);
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetFixedRows(int32_t n) {
  // The control keeps how far it is scrolled: the first scrollable row shown
  // moves with the fixed rows, so a fresh grid made without fixed rows
  // shows its row 0.
  const int32_t scrolled = std::max(topRow_ - fixedRows_, 0);
  fixedRows_ = std::clamp(n, 0, rows_);
  topRow_ = fixedRows_ + scrolled;
  KeepPositionsInside();
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetFixedCols(int32_t n) {
  const int32_t scrolled = std::max(leftCol_ - fixedCols_, 0);
  fixedCols_ = std::clamp(n, 0, cols_);
  leftCol_ = fixedCols_ + scrolled;
  KeepPositionsInside();
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::MoveCurrent(int32_t row, int32_t col) {
  if (row == row_ && col == col_) {
    rowSel_ = row;
    colSel_ = col;
    Raise(FlexGridEvent::kChanged);
    return;
  }
  Raise(FlexGridEvent::kLeaveCell);
  // The LeaveCell handler may have reshaped the grid.
  if (!InGrid(row, col)) return;
  row_ = rowSel_ = row;
  col_ = colSel_ = col;
  Raise(FlexGridEvent::kEnterCell);
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetRow(int32_t row) {
  if (row < 0 || row >= rows_) return;
  MoveCurrent(row, col_);
}

void FlexGridModel::SetCol(int32_t col) {
  if (col < 0 || col >= cols_) return;
  MoveCurrent(row_, col);
}

void FlexGridModel::SetRowSel(int32_t row) {
  if (row < 0 || row >= rows_) return;
  rowSel_ = row;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetColSel(int32_t col) {
  if (col < 0 || col >= cols_) return;
  colSel_ = col;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetTopRow(int32_t row) {
  if (row < fixedRows_ || row >= rows_ || row == topRow_) return;
  topRow_ = row;
  Raise(FlexGridEvent::kScroll);
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetLeftCol(int32_t col) {
  if (col < fixedCols_ || col >= cols_ || col == leftCol_) return;
  leftCol_ = col;
  Raise(FlexGridEvent::kScroll);
  Raise(FlexGridEvent::kChanged);
}

const std::string& FlexGridModel::TextMatrix(int32_t row, int32_t col) const {
  const Cell* cell = CellAt(row, col);
  return cell ? cell->text : kEmptyText;
}

void FlexGridModel::SetTextMatrix(int32_t row, int32_t col, std::string_view text) {
  Cell* cell = CellAt(row, col);
  if (!cell) return;
  cell->text.assign(text);
  Raise(FlexGridEvent::kChanged);
}

std::string FlexGridModel::Clip() const {
  const int32_t r0 = std::min(row_, rowSel_), r1 = std::max(row_, rowSel_);
  const int32_t c0 = std::min(col_, colSel_), c1 = std::max(col_, colSel_);
  std::string clip;
  for (int32_t r = r0; r <= r1; ++r) {
    if (r > r0) clip += '\r';
    for (int32_t c = c0; c <= c1; ++c) {
      if (c > c0) clip += '\t';
      clip += TextMatrix(r, c);
    }
  }
  return clip;
}

void FlexGridModel::SetClip(std::string_view clip) {
  const int32_t r0 = std::min(row_, rowSel_), r1 = std::max(row_, rowSel_);
  const int32_t c0 = std::min(col_, colSel_), c1 = std::max(col_, colSel_);
  int32_t r = r0;
  std::size_t lineStart = 0;
  while (r <= r1 && lineStart <= clip.size()) {
    std::size_t lineEnd = clip.find('\r', lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = clip.size();
    std::string_view line = clip.substr(lineStart, lineEnd - lineStart);
    int32_t c = c0;
    std::size_t fieldStart = 0;
    while (c <= c1 && fieldStart <= line.size()) {
      std::size_t fieldEnd = line.find('\t', fieldStart);
      if (fieldEnd == std::string_view::npos) fieldEnd = line.size();
      if (Cell* cell = CellAt(r, c)) cell->text.assign(line.substr(fieldStart, fieldEnd - fieldStart));
      fieldStart = fieldEnd + 1;
      ++c;
    }
    lineStart = lineEnd + 1;
    ++r;
  }
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::Clear() {
  for (Cell& cell : cells_) cell = Cell{};
  Raise(FlexGridEvent::kChanged);
}

int32_t FlexGridModel::ColWidth(int32_t col) const {
  if (col < 0 || col >= cols_) return 0;
  return colData_[static_cast<std::size_t>(col)].width;
}

void FlexGridModel::SetColWidth(int32_t col, int32_t twips) {
  const int32_t width = twips < 0 ? kDefaultColWidth : twips;
  if (col == -1) {
    for (ColData& data : colData_) data.width = width;
  } else if (col >= 0 && col < cols_) {
    colData_[static_cast<std::size_t>(col)].width = width;
  } else {
    return;
  }
  Raise(FlexGridEvent::kChanged);
}

int16_t FlexGridModel::ColAlignment(int32_t col) const {
  if (col < 0 || col >= cols_) return 0;
  return colData_[static_cast<std::size_t>(col)].alignment;
}

void FlexGridModel::SetColAlignment(int32_t col, int16_t alignment) {
  if (col == -1) {
    for (ColData& data : colData_) data.alignment = alignment;
  } else if (col >= 0 && col < cols_) {
    colData_[static_cast<std::size_t>(col)].alignment = alignment;
  } else {
    return;
  }
  Raise(FlexGridEvent::kChanged);
}

int32_t FlexGridModel::RowHeight(int32_t row) const {
  if (row < 0 || row >= rows_) return 0;
  return std::max(rowData_[static_cast<std::size_t>(row)].height, rowHeightMin_);
}

void FlexGridModel::SetRowHeight(int32_t row, int32_t twips) {
  const int32_t height = twips < 0 ? kDefaultRowHeight : twips;
  if (row == -1) {
    for (RowData& data : rowData_) data.height = height;
  } else if (row >= 0 && row < rows_) {
    rowData_[static_cast<std::size_t>(row)].height = height;
  } else {
    return;
  }
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetRowHeightMin(int32_t twips) {
  rowHeightMin_ = std::max(twips, 0);
  Raise(FlexGridEvent::kChanged);
}

bool FlexGridModel::MergeRow(int32_t row) const {
  if (row < 0 || row >= rows_) return false;
  return rowData_[static_cast<std::size_t>(row)].merge;
}

void FlexGridModel::SetMergeRow(int32_t row, bool merge) {
  if (row < 0 || row >= rows_) return;
  rowData_[static_cast<std::size_t>(row)].merge = merge;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetMergeCells(int16_t mode) {
  mergeCells_ = mode;
  Raise(FlexGridEvent::kChanged);
}

int32_t FlexGridModel::CellBackColorAt(int32_t row, int32_t col) const {
  const Cell* cell = CellAt(row, col);
  return cell && cell->hasBackColor ? cell->backColor : backColor_;
}

void FlexGridModel::SetCellBackColorAt(int32_t row, int32_t col, int32_t colour) {
  Cell* cell = CellAt(row, col);
  if (!cell) return;
  cell->backColor = colour;
  cell->hasBackColor = true;
  Raise(FlexGridEvent::kChanged);
}

int16_t FlexGridModel::CellAlignmentAt(int32_t row, int32_t col) const {
  const Cell* cell = CellAt(row, col);
  return cell ? cell->alignment : 0;
}

void FlexGridModel::SetCellAlignmentAt(int32_t row, int32_t col, int16_t alignment) {
  Cell* cell = CellAt(row, col);
  if (!cell) return;
  cell->alignment = alignment;
  Raise(FlexGridEvent::kChanged);
}

bool FlexGridModel::CellFontBoldAt(int32_t row, int32_t col) const {
  const Cell* cell = CellAt(row, col);
  return cell && cell->bold;
}

void FlexGridModel::SetCellFontBoldAt(int32_t row, int32_t col, bool bold) {
  Cell* cell = CellAt(row, col);
  if (!cell) return;
  cell->bold = bold;
  Raise(FlexGridEvent::kChanged);
}

std::shared_ptr<const FlexGridPicture> FlexGridModel::CellPictureAt(int32_t row, int32_t col) const {
  const Cell* cell = CellAt(row, col);
  return cell ? cell->picture : nullptr;
}

void FlexGridModel::SetCellPictureAt(int32_t row, int32_t col,
                                     std::shared_ptr<const FlexGridPicture> picture) {
  Cell* cell = CellAt(row, col);
  if (!cell) return;
  cell->picture = std::move(picture);
  Raise(FlexGridEvent::kChanged);
}

int16_t FlexGridModel::CellPictureAlignmentAt(int32_t row, int32_t col) const {
  const Cell* cell = CellAt(row, col);
  return cell ? cell->pictureAlignment : 0;
}

void FlexGridModel::SetCellPictureAlignmentAt(int32_t row, int32_t col, int16_t alignment) {
  Cell* cell = CellAt(row, col);
  if (!cell) return;
  cell->pictureAlignment = alignment;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetBackColor(int32_t colour) {
  backColor_ = colour;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetBackColorFixed(int32_t colour) {
  backColorFixed_ = colour;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetGridLines(int16_t style) {
  gridLines_ = style;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetGridLinesFixed(int16_t style) {
  gridLinesFixed_ = style;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetScrollBars(int16_t bars) {
  scrollBars_ = bars;
  Raise(FlexGridEvent::kChanged);
}

void FlexGridModel::SetRedraw(bool redraw) {
  const bool resumed = redraw && !redraw_;
  redraw_ = redraw;
  if (resumed) Raise(FlexGridEvent::kChanged);
}

namespace {

// The number a text stands for in a generic sort: plain numbers, also with
// thousands separators ("1,234.5").
bool GenericNumber(const std::string& text, double& value) {
  if (runtime::IsNumeric(text)) {
    value = runtime::Val(text);
    return true;
  }
  if (text.find(',') == std::string::npos) return false;
  std::string plain;
  plain.reserve(text.size());
  for (const char ch : text) {
    if (ch != ',') plain.push_back(ch);
  }
  if (!runtime::IsNumeric(plain)) return false;
  value = runtime::Val(plain);
  return true;
}

// <0, 0, >0 in ascending order under the sort code.
int CompareForSort(const std::string& a, const std::string& b, int16_t sort) {
  switch (sort) {
    case FlexGridModel::kSortGenericAscending:
    case FlexGridModel::kSortGenericDescending: {
      double x = 0, y = 0;
      const bool xn = GenericNumber(a, x), yn = GenericNumber(b, y);
      if (xn && yn) return x < y ? -1 : (y < x ? 1 : 0);
      if (xn != yn) return xn ? -1 : 1;
      return runtime::CompareNoCase(a, b);
    }
    case FlexGridModel::kSortNumericAscending:
    case FlexGridModel::kSortNumericDescending: {
      const double x = runtime::Val(a), y = runtime::Val(b);
      return x < y ? -1 : (y < x ? 1 : 0);
    }
    case FlexGridModel::kSortTextNoCaseAscending:
    case FlexGridModel::kSortTextNoCaseDescending:
      return runtime::CompareNoCase(a, b);
    default:
      return a.compare(b);
  }
}

}  // namespace

void FlexGridModel::SetSort(int16_t sort) {
  if (sort < kSortGenericAscending || sort > kSortTextDescending) return;
  const int32_t first = fixedRows_;
  if (rows_ - first < 2 || cols_ == 0) return;
  const int32_t keyFirst = std::min(col_, colSel_);
  const int32_t keyLast = std::max(col_, colSel_);
  const bool descending = sort % 2 == 0;
  std::vector<int32_t> order(static_cast<std::size_t>(rows_ - first));
  std::iota(order.begin(), order.end(), first);
  std::stable_sort(order.begin(), order.end(), [&](int32_t x, int32_t y) {
    for (int32_t c = keyFirst; c <= keyLast; ++c) {
      const int cmp = CompareForSort(TextMatrix(x, c), TextMatrix(y, c), sort);
      if (cmp != 0) return descending ? cmp > 0 : cmp < 0;
    }
    return false;
  });
  std::vector<Cell> cells(cells_.size());
  std::vector<RowData> rowData(rowData_.size());
  const auto width = static_cast<std::size_t>(cols_);
  for (int32_t r = 0; r < rows_; ++r) {
    const int32_t from = r < first ? r : order[static_cast<std::size_t>(r - first)];
    const auto to = static_cast<std::size_t>(r), src = static_cast<std::size_t>(from);
    std::move(cells_.begin() + static_cast<std::ptrdiff_t>(src * width),
              cells_.begin() + static_cast<std::ptrdiff_t>((src + 1) * width),
              cells.begin() + static_cast<std::ptrdiff_t>(to * width));
    rowData[to] = rowData_[src];
  }
  cells_ = std::move(cells);
  rowData_ = std::move(rowData);
  Raise(FlexGridEvent::kChanged);
}
