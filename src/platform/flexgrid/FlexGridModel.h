#pragma once
// The grid control as the pages and documents use it, without a window:
// cells with text, colour, alignment, bold face and a picture; column widths
// and row heights in twips; fixed rows and columns; merged rows; the current
// cell and the selection; Clip; the scroll position. FlexGridWidget paints
// this same model and turns the person's input into the calls below.
//
// Properties keep the control's names: a Get is the bare name, a Let is
// SetName. Properties named Cell... act on the current cell (Row, Col), as
// the control's do; the ...At forms address any cell and leave the current
// cell where it is, so readers such as the document writers never raise
// LeaveCell/EnterCell.
//
// Out-of-range rows and columns never fault: reads answer empty values
// ("" text, the grid's BackColor, 0 for sizes and codes) and writes, and
// moves of the current cell, are ignored.
// Rows and Cols refuse negative counts and sizes above kMaxCells by throwing
// std::out_of_range, so a count from a damaged file cannot drive a huge
// allocation.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A picture placed in a cell (CellPicture). The painted widget supplies the
// concrete kind; the model only keeps and hands back the reference.
class FlexGridPicture {
 public:
  virtual ~FlexGridPicture() = default;
  virtual int32_t WidthPixels() const = 0;
  virtual int32_t HeightPixels() const = 0;
};

// What the model reports to its listeners, synchronously.
enum class FlexGridEvent {
  kLeaveCell,  // the current cell is about to change (Row/Col still the old cell)
  kEnterCell,  // the current cell has changed
  kScroll,     // TopRow or LeftCol changed
  kChanged,    // anything that shows changed (repaint when Redraw is on)
};

class FlexGridModel {
 public:
  // Alignment codes of ColAlignment and CellAlignment.
  static constexpr int16_t kAlignLeftTop = 0;
  static constexpr int16_t kAlignLeftCenter = 1;
  static constexpr int16_t kAlignCenterCenter = 4;
  static constexpr int16_t kAlignRightCenter = 7;
  static constexpr int16_t kAlignGeneral = 9;

  // The control's defaults. Colours are 0x00BBGGRR.
  static constexpr int32_t kDefaultColWidth = 960;   // twips (64 pixels)
  static constexpr int32_t kDefaultRowHeight = 240;  // twips (16 pixels)
  static constexpr int32_t kDefaultBackColor = 0xFFFFFF;
  static constexpr int32_t kDefaultBackColorFixed = 0xD8E9EC;  // RGB(236, 233, 216)
  // Upper bound of Rows x Cols; far above any grid the program fills.
  static constexpr int64_t kMaxCells = 4'000'000;

  using Listener = std::function<void(FlexGridEvent)>;

  FlexGridModel();
  FlexGridModel(const FlexGridModel&) = delete;
  FlexGridModel& operator=(const FlexGridModel&) = delete;

  // Listeners. Subscribe returns an id for Unsubscribe. Listeners may change
  // the model and may unsubscribe (themselves or others) while being called.
  int32_t Subscribe(Listener listener);
  void Unsubscribe(int32_t id);

  // --- Size -------------------------------------------------------------
  int32_t Rows() const { return rows_; }
  int32_t Cols() const { return cols_; }
  // New rows and columns are empty with default height, width and alignment;
  // removed ones are gone. FixedRows/FixedCols shrink with the grid; Row,
  // Col, RowSel, ColSel, TopRow and LeftCol move inside it without events.
  void SetRows(int32_t rows);
  void SetCols(int32_t cols);
  int32_t FixedRows() const { return fixedRows_; }
  int32_t FixedCols() const { return fixedCols_; }
  void SetFixedRows(int32_t n);  // clamped to 0 .. Rows
  void SetFixedCols(int32_t n);  // clamped to 0 .. Cols

  // --- Current cell and selection ---------------------------------------
  int32_t Row() const { return row_; }
  int32_t Col() const { return col_; }
  // Moving the current cell raises LeaveCell, then EnterCell (only when the
  // cell changes) and collapses the selection onto the new current cell.
  // A value outside the grid is ignored.
  void SetRow(int32_t row);
  void SetCol(int32_t col);
  int32_t RowSel() const { return rowSel_; }
  int32_t ColSel() const { return colSel_; }
  void SetRowSel(int32_t row);
  void SetColSel(int32_t col);

  // The first scrollable row and column shown (FixedRows .. Rows - 1).
  int32_t TopRow() const { return topRow_; }
  int32_t LeftCol() const { return leftCol_; }
  void SetTopRow(int32_t row);
  void SetLeftCol(int32_t col);

  // --- Text -------------------------------------------------------------
  const std::string& TextMatrix(int32_t row, int32_t col) const;
  void SetTextMatrix(int32_t row, int32_t col, std::string_view text);
  const std::string& Text() const { return TextMatrix(row_, col_); }
  void SetText(std::string_view text) { SetTextMatrix(row_, col_, text); }
  // The selection's texts: columns separated by Tab, rows by CR. Setting
  // fills the selection from its top-left cell; fields beyond the selection
  // are dropped and cells without a field keep their text.
  std::string Clip() const;
  void SetClip(std::string_view clip);
  // Empties every cell's text and cell formatting (colour, alignment, bold,
  // picture); sizes, column and row settings stay.
  void Clear();

  // --- Columns and rows -------------------------------------------------
  // Index -1 sets every column (row).
  int32_t ColWidth(int32_t col) const;
  void SetColWidth(int32_t col, int32_t twips);
  int16_t ColAlignment(int32_t col) const;
  void SetColAlignment(int32_t col, int16_t alignment);
  // The height as shown: the set height, at least RowHeightMin.
  int32_t RowHeight(int32_t row) const;
  void SetRowHeight(int32_t row, int32_t twips);
  int32_t RowHeightMin() const { return rowHeightMin_; }
  void SetRowHeightMin(int32_t twips);
  bool MergeRow(int32_t row) const;
  void SetMergeRow(int32_t row, bool merge);
  // 0 never, 1 free, 2 restrict rows, 3 restrict columns, 4 both.
  int16_t MergeCells() const { return mergeCells_; }
  void SetMergeCells(int16_t mode);

  // --- Cells (current cell) ---------------------------------------------
  // An unset cell reads the grid's BackColor.
  int32_t CellBackColor() const { return CellBackColorAt(row_, col_); }
  void SetCellBackColor(int32_t colour) { SetCellBackColorAt(row_, col_, colour); }
  // An unset cell reads 0.
  int16_t CellAlignment() const { return CellAlignmentAt(row_, col_); }
  void SetCellAlignment(int16_t alignment) { SetCellAlignmentAt(row_, col_, alignment); }
  bool CellFontBold() const { return CellFontBoldAt(row_, col_); }
  void SetCellFontBold(bool bold) { SetCellFontBoldAt(row_, col_, bold); }
  std::shared_ptr<const FlexGridPicture> CellPicture() const { return CellPictureAt(row_, col_); }
  void SetCellPicture(std::shared_ptr<const FlexGridPicture> picture) {
    SetCellPictureAt(row_, col_, std::move(picture));
  }
  int16_t CellPictureAlignment() const { return CellPictureAlignmentAt(row_, col_); }
  void SetCellPictureAlignment(int16_t alignment) { SetCellPictureAlignmentAt(row_, col_, alignment); }

  // --- Cells (by position; the current cell does not move) --------------
  int32_t CellBackColorAt(int32_t row, int32_t col) const;
  void SetCellBackColorAt(int32_t row, int32_t col, int32_t colour);
  int16_t CellAlignmentAt(int32_t row, int32_t col) const;
  void SetCellAlignmentAt(int32_t row, int32_t col, int16_t alignment);
  bool CellFontBoldAt(int32_t row, int32_t col) const;
  void SetCellFontBoldAt(int32_t row, int32_t col, bool bold);
  std::shared_ptr<const FlexGridPicture> CellPictureAt(int32_t row, int32_t col) const;
  void SetCellPictureAt(int32_t row, int32_t col, std::shared_ptr<const FlexGridPicture> picture);
  int16_t CellPictureAlignmentAt(int32_t row, int32_t col) const;
  void SetCellPictureAlignmentAt(int32_t row, int32_t col, int16_t alignment);

  // --- Sorting ----------------------------------------------------------
  // The control's Sort codes. Generic compares two numbers as numbers and
  // anything else as text ignoring case, numbers before texts; numeric
  // compares the numeric value of the text (0 for none); the text sorts
  // compare ignoring case or exactly.
  static constexpr int16_t kSortNone = 0;
  static constexpr int16_t kSortGenericAscending = 1;
  static constexpr int16_t kSortGenericDescending = 2;
  static constexpr int16_t kSortNumericAscending = 3;
  static constexpr int16_t kSortNumericDescending = 4;
  static constexpr int16_t kSortTextNoCaseAscending = 5;
  static constexpr int16_t kSortTextNoCaseDescending = 6;
  static constexpr int16_t kSortTextAscending = 7;
  static constexpr int16_t kSortTextDescending = 8;
  // Sorts the scrollable rows (FixedRows .. Rows - 1) at once by the
  // columns Col .. ColSel, the leftmost first. Whole rows move: texts, cell
  // formatting, height and merge flag. Rows with equal keys keep their
  // order. Row, Col, the selection and the scroll position keep their
  // numbers (and so show the rows now there). kSortNone and unknown codes
  // change nothing. Like the control's Sort, it is a write-only setting.
  void SetSort(int16_t sort);

  // --- Whole-grid appearance --------------------------------------------
  int32_t BackColor() const { return backColor_; }
  void SetBackColor(int32_t colour);
  int32_t BackColorFixed() const { return backColorFixed_; }
  void SetBackColorFixed(int32_t colour);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  // 0 none, 1 flat, 2 inset, 3 raised.
  int16_t GridLines() const { return gridLines_; }
  void SetGridLines(int16_t style);
  int16_t GridLinesFixed() const { return gridLinesFixed_; }
  void SetGridLinesFixed(int16_t style);
  // 0 none, 1 horizontal, 2 vertical, 3 both.
  int16_t ScrollBars() const { return scrollBars_; }
  void SetScrollBars(int16_t bars);
  // While off, kChanged is not raised; switching it on raises it once.
  bool Redraw() const { return redraw_; }
  void SetRedraw(bool redraw);
  // What the person may resize by mouse: with kResizeColumns a column's
  // right border in the fixed rows can be dragged to set its width.
  static constexpr int16_t kResizeNone = 0;
  static constexpr int16_t kResizeColumns = 1;
  int16_t AllowUserResizing() const { return allowUserResizing_; }
  void SetAllowUserResizing(int16_t mode) { allowUserResizing_ = mode; }

 private:
  struct Cell {
    std::string text;
    std::shared_ptr<const FlexGridPicture> picture;
    int32_t backColor = 0;
    bool hasBackColor = false;
    bool bold = false;
    int16_t alignment = 0;
    int16_t pictureAlignment = 0;
  };
  struct RowData {
    int32_t height = kDefaultRowHeight;
    bool merge = false;
  };
  struct ColData {
    int32_t width = kDefaultColWidth;
    int16_t alignment = kAlignGeneral;
  };

  bool InGrid(int32_t row, int32_t col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
  Cell* CellAt(int32_t row, int32_t col);
  const Cell* CellAt(int32_t row, int32_t col) const;
  void Resize(int32_t rows, int32_t cols);
  void KeepPositionsInside();
  void MoveCurrent(int32_t row, int32_t col);
  void Raise(FlexGridEvent event);

  int32_t rows_ = 0;
  int32_t cols_ = 0;
  std::vector<Cell> cells_;  // row-major, rows_ x cols_
  std::vector<RowData> rowData_;
  std::vector<ColData> colData_;
  int32_t fixedRows_ = 0;
  int32_t fixedCols_ = 0;
  int32_t row_ = 0;
  int32_t col_ = 0;
  int32_t rowSel_ = 0;
  int32_t colSel_ = 0;
  int32_t topRow_ = 0;
  int32_t leftCol_ = 0;
  int32_t rowHeightMin_ = 0;
  int16_t mergeCells_ = 0;
  int32_t backColor_ = kDefaultBackColor;
  int32_t backColorFixed_ = kDefaultBackColorFixed;
  bool wordWrap_ = false;
  int16_t gridLines_ = 1;
  int16_t gridLinesFixed_ = 2;
  int16_t scrollBars_ = 3;
  bool redraw_ = true;
  int16_t allowUserResizing_ = kResizeNone;

  struct Subscription {
    int32_t id = 0;
    bool active = true;
    Listener listener;
  };
  std::vector<std::shared_ptr<Subscription>> listeners_;
  int32_t nextListenerId_ = 1;
};
