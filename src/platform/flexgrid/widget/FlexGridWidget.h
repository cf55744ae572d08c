#pragma once
// The painted grid control: shows a FlexGridModel inside a sunken frame with
// scroll bars that move whole rows and columns, and turns the person's input
// into the model's calls and the control's events.
//
// - A press on a scrollable cell makes it current (one LeaveCell, then one
//   EnterCell, even when row and column both change); dragging extends the
//   selection; the release raises Click. Presses on fixed cells or outside
//   the cells raise Click only.
// - With the model's AllowUserResizing on for columns, the pointer over a
//   column's right border in the fixed rows shows the sizing cursor, and a
//   drag from there sets that column's width as it goes; such a drag moves
//   no current cell and raises no Click.
// - A key raises KeyDown first; a handler that sets the code to 0 keeps the
//   grid from acting on it. The arrow keys, Page Up/Down and Home/End move
//   the current cell and scroll it into view; Ctrl+Home/End go to the first
//   and last row, and so do Home/End in a row list (SetRowList).
// - Picked tells a page which row the person chose, the same way for both
//   hands: after Click with the cell under the pointer, and after a key has
//   moved the current cell to another row, with that cell.
// - Code that sets Row, Col, TopRow or LeftCol on the model gets the same
//   LeaveCell, EnterCell and Scroll signals, straight from the model.
// - While the model's Redraw is off the last picture stays on screen.
// - The selection and the dotted frame round the current cell show while
//   the grid has the focus. A grid that Tab reaches shows its current cell
//   at once, where the keys act: a current row that is fixed or not shown
//   becomes the first scrollable row shown, and a current column that is
//   fixed, of no width or not shown the first scrollable column shown with
//   a width; the grid does not scroll for it. A grid that takes the focus
//   otherwise, or is refilled while it has it, has a current cell in a
//   fixed row or column, or in a column of no width, placed the same way.
//   Such a move raises no LeaveCell or EnterCell (nor does the model's when
//   rows go): no page takes it for the person's.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/flexgrid/FlexGridModel.h"
#include "platform/flexgrid/widget/FlexGridLayout.h"
#include "platform/gdi/LogFont.h"

class QScrollBar;

class FlexGridWidget : public QWidget {
  Q_OBJECT

 public:
  // Width of the sunken frame round the cells, in pixels.
  static constexpr int32_t kFrame = 2;

  explicit FlexGridWidget(QWidget* parent = nullptr);
  ~FlexGridWidget() override;

  FlexGridModel& Model() { return model_; }
  const FlexGridModel& Model() const { return model_; }

  void SetGridFont(const gdi::LogFont& font);
  const gdi::LogFont& GridFont() const { return font_; }

  // The row and column under the mouse pointer; -1 when it is over no cell.
  int32_t MouseRow() const { return mouseRow_; }
  int32_t MouseCol() const { return mouseCol_; }

  // The scroll bars' ranges as the platform reports them; min equals max
  // for a bar that is hidden or has nothing to scroll.
  void VerticalScrollRange(int32_t& min, int32_t& max) const;
  void HorizontalScrollRange(int32_t& min, int32_t& max) const;

  // The cell area inside the frame and scroll bars, in widget pixels, and
  // its layout.
  QRect CellArea() const;
  FlexGridLayout Layout() const;
  // A cell's rectangle in widget pixels; null when not shown.
  QRect CellRect(int32_t row, int32_t col) const;
  // Moves the current cell as the pointer and keys do.
  void MoveCurrentCell(int32_t row, int32_t col);
  // Scrolls so that the cell is wholly shown.
  void EnsureVisible(int32_t row, int32_t col);
  // A grid that is a list of rows has nothing across to move to: Home and
  // End go to its first and last row.
  void SetRowList(bool rowList) { rowList_ = rowList; }
  // Space acts as a click on column `col` of the current row: `click` gets
  // that cell (a column of check boxes ticked by keys).
  void SetSpaceClick(int32_t col, std::function<void(int32_t row, int32_t col)> click);

  // The cell area as painted now.
  QImage RenderCells() const;

 signals:
  void Click();
  // The row (and column) chosen by the pointer or the keys; -1 for a press
  // over no cell.
  void Picked(int32_t row, int32_t col);
  void KeyDown(int16_t& keyCode, int16_t shift);
  // Button (1 left, 2 right, 4 middle), Shift mask, and the position in
  // twips.
  void MouseMove(int16_t button, int16_t shift, float x, float y);
  void EnterCell();
  void LeaveCell();
  void Scroll();
  void GotFocus();
  void LostFocus();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void OnModel(FlexGridEvent event);
  // The installed fonts can be wider than the grids' widths allow for: once
  // a change is done, a column whose texts do not fit widens to
  // them, unless its width is the person's to set (AllowUserResizing).
  void ScheduleFit();
  void FitColumnsToText();
  // The current cell of a focused grid on a cell the keys act on, and with
  // `intoView` on one shown (above).
  void ShowCurrentCell(bool intoView);
  // The first column from `col` on, in steps of `step`, that shows (has a
  // width); -1 when none does.
  int32_t ShownCol(int32_t col, int32_t step) const;
  void UpdateScrollBars();
  void Invalidate();
  void TrackMouse(const QPoint& pos);
  bool Scrollable(int32_t row, int32_t col) const;
  // The column whose right border in the fixed rows is under the point
  // (its left edge, in widget pixels, into `left`); -1 for none or while
  // columns may not be resized.
  int32_t SizingBorderAt(const QPoint& pos, int32_t* left = nullptr) const;
  void ShowSizingCursor(bool sizing);
  void SizeColumnTo(int32_t x);

  FlexGridModel model_;
  int32_t subscription_ = 0;
  gdi::LogFont font_;
  QScrollBar* vbar_ = nullptr;
  QScrollBar* hbar_ = nullptr;
  bool updatingBars_ = false;
  int32_t quietMoves_ = 0;  // >0 while the widget reports a move itself
  bool selecting_ = false;
  int32_t mouseRow_ = -1;
  int32_t mouseCol_ = -1;
  int32_t sizingCol_ = -1;   // the column a drag is resizing
  int32_t sizingLeft_ = 0;   // its left edge in widget pixels
  bool sizingCursor_ = false;
  bool rowList_ = false;
  bool fitPending_ = false;
  bool fitting_ = false;
  mutable QImage cache_;
  mutable bool dirty_ = true;
};
