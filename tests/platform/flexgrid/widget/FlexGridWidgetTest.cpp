#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <memory>
#include <string>
#include <vector>

#include "Screenshot.h"
#include "platform/flexgrid/widget/FlexGridImagePicture.h"
#include "platform/flexgrid/widget/FlexGridLayout.h"
#include "platform/flexgrid/widget/FlexGridPainter.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"

namespace {

constexpr int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

QRgb Q(int32_t c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Every signal of the widget as one line, in order.
class Recorder {
 public:
  explicit Recorder(FlexGridWidget& w) {
    auto cell = [](int32_t a, int32_t b) { return std::to_string(a) + "," + std::to_string(b); };
    QObject::connect(&w, &FlexGridWidget::Click, [this] { log.push_back("Click"); });
    QObject::connect(&w, &FlexGridWidget::EnterCell, [this, &w, cell] {
      log.push_back("EnterCell " + cell(w.Model().Row(), w.Model().Col()));
    });
    QObject::connect(&w, &FlexGridWidget::LeaveCell, [this, &w, cell] {
      log.push_back("LeaveCell " + cell(w.Model().Row(), w.Model().Col()));
    });
    QObject::connect(&w, &FlexGridWidget::Scroll, [this, &w, cell] {
      log.push_back("Scroll " + cell(w.Model().TopRow(), w.Model().LeftCol()));
    });
    QObject::connect(&w, &FlexGridWidget::KeyDown, [this](int16_t& code, int16_t shift) {
      log.push_back("KeyDown " + std::to_string(code) + "," + std::to_string(shift));
      if (code == swallow) code = 0;
    });
  }
  std::vector<std::string> log;
  int16_t swallow = -1;
};

class Grid : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    window->setGeometry(50, 50, 500, 300);
    grid = new FlexGridWidget(window.get());
    grid->setGeometry(10, 10, 344, 134);  // 340 x 130 inside the frame: no horizontal bar
    FlexGridModel& m = grid->Model();
    m.SetRows(20);
    m.SetCols(6);
    m.SetFixedRows(1);
    m.SetFixedCols(0);
    m.SetColWidth(-1, 750);   // 50 pixels
    m.SetRowHeight(-1, 300);  // 20 pixels
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 6; ++c) m.SetTextMatrix(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    m.SetLeftCol(0);
    m.SetTopRow(1);
    m.SetRow(1);
    m.SetCol(0);
    window->show();
  }

  QPoint CellCentre(int row, int col) const { return grid->CellRect(row, col).center(); }

  void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, p, grid->mapToGlobal(p), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(grid, &e);
  }
  void Press(QPoint p) { Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
  void Drag(QPoint p) { Mouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
  void Hover(QPoint p) { Mouse(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
  void Release(QPoint p) { Mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
  void ClickAt(QPoint p) {
    Press(p);
    Release(p);
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(grid, &e);
  }

  std::unique_ptr<QWidget> window;
  FlexGridWidget* grid = nullptr;
};

using kdtest::SaveScreenshot;

}  // namespace

TEST(FlexGridLayout, SizesComeFromTwipsAtFifteenToThePixel) {
  FlexGridModel m;
  m.SetRows(4);
  m.SetCols(3);
  m.SetColWidth(0, 960);
  m.SetColWidth(1, 1500);
  m.SetColWidth(2, 0);  // hidden
  m.SetRowHeight(-1, 330);
  const FlexGridLayout layout(m, 500, 500);
  ASSERT_EQ(layout.ColBands().size(), 2u);
  EXPECT_EQ(layout.ColBands()[0].size, 64);
  EXPECT_EQ(layout.ColBands()[1].start, 64);
  EXPECT_EQ(layout.ColBands()[1].size, 100);
  EXPECT_EQ(layout.RowBands()[1].start, 22);
  EXPECT_EQ(layout.ColAt(63), 0);
  EXPECT_EQ(layout.ColAt(64), 1);
  EXPECT_EQ(layout.ColAt(164), -1);
  EXPECT_EQ(layout.RowAt(88), -1);
  EXPECT_EQ(layout.CellRect(3, 1), QRect(64, 66, 100, 22));
  EXPECT_TRUE(layout.CellRect(0, 2).isNull());
}

TEST(FlexGridLayout, FixedRowsStayAndScrollableRowsStartAtTopRow) {
  FlexGridModel m;
  m.SetRows(10);
  m.SetCols(1);
  m.SetFixedRows(2);
  m.SetRowHeight(-1, 150);  // 10 pixels
  m.SetTopRow(5);
  const FlexGridLayout layout(m, 50, 45);
  std::vector<int32_t> shown;
  for (const auto& b : layout.RowBands()) shown.push_back(b.index);
  EXPECT_EQ(shown, (std::vector<int32_t>{0, 1, 5, 6, 7}));
  EXPECT_TRUE(layout.RowFullyVisible(6));
  EXPECT_FALSE(layout.RowFullyVisible(7));  // 40..50 in a 45-pixel area
  EXPECT_FALSE(layout.RowFullyVisible(4));
  // 25 pixels below the fixed rows hold two whole rows: the last TopRow is 8
  EXPECT_EQ(FlexGridLayout::MaxTopRow(m, 45), 8);
  EXPECT_EQ(FlexGridLayout::MaxTopRow(m, 500), 2);
  EXPECT_EQ(FlexGridLayout::TopRowShowing(m, 45, 9), 8);
  EXPECT_EQ(FlexGridLayout::TopRowShowing(m, 45, 3), 3);
  EXPECT_EQ(FlexGridLayout::TopRowShowing(m, 45, 6), 5);
}

TEST_F(Grid, ClickOnAnotherCellLeavesEntersOnceThenClicks) {
  Recorder rec(*grid);
  ClickAt(CellCentre(4, 3));
  EXPECT_EQ(rec.log, (std::vector<std::string>{"LeaveCell 1,0", "EnterCell 4,3", "Click"}));
  EXPECT_EQ(grid->Model().Row(), 4);
  EXPECT_EQ(grid->Model().Col(), 3);
  EXPECT_EQ(grid->Model().RowSel(), 4);
  EXPECT_EQ(grid->Model().ColSel(), 3);
  rec.log.clear();
  ClickAt(CellCentre(4, 3));  // the same cell: only Click
  EXPECT_EQ(rec.log, std::vector<std::string>{"Click"});
  rec.log.clear();
  ClickAt(CellCentre(4, 1));  // same row: one move, reported by the model
  EXPECT_EQ(rec.log, (std::vector<std::string>{"LeaveCell 4,3", "EnterCell 4,1", "Click"}));
}

TEST_F(Grid, ClickOnAFixedCellOrBelowTheRowsOnlyClicks) {
  grid->Model().SetRows(3);
  Recorder rec(*grid);
  ClickAt(CellCentre(0, 2));
  ClickAt(QPoint(30, 120));  // below the last row
  EXPECT_EQ(rec.log, (std::vector<std::string>{"Click", "Click"}));
  EXPECT_EQ(grid->Model().Row(), 1);
}

TEST_F(Grid, DragExtendsTheSelectionFromTheCurrentCell) {
  Press(CellCentre(2, 1));
  Drag(CellCentre(4, 3));
  Release(CellCentre(4, 3));
  const FlexGridModel& m = grid->Model();
  EXPECT_EQ(m.Row(), 2);
  EXPECT_EQ(m.Col(), 1);
  EXPECT_EQ(m.RowSel(), 4);
  EXPECT_EQ(m.ColSel(), 3);
}

TEST_F(Grid, MouseRowAndColFollowThePointer) {
  float lastX = -1, lastY = -1;
  QObject::connect(grid, &FlexGridWidget::MouseMove, [&](int16_t, int16_t, float x, float y) {
    lastX = x;
    lastY = y;
  });
  const QPoint p = CellCentre(3, 2);
  Hover(p);
  EXPECT_EQ(grid->MouseRow(), 3);
  EXPECT_EQ(grid->MouseCol(), 2);
  EXPECT_FLOAT_EQ(lastX, static_cast<float>(p.x() * 15));
  EXPECT_FLOAT_EQ(lastY, static_cast<float>(p.y() * 15));
  Hover(QPoint(1, 1));  // on the frame
  EXPECT_EQ(grid->MouseRow(), -1);
  EXPECT_EQ(grid->MouseCol(), -1);
}

TEST_F(Grid, KeyDownComesFirstAndMayBeSwallowed) {
  grid->setFocus();
  grid->Model().SetRow(1);
  Recorder rec(*grid);
  Key(Qt::Key_Down);
  EXPECT_EQ(rec.log, (std::vector<std::string>{"KeyDown 40,0", "LeaveCell 1,0", "EnterCell 2,0"}));
  rec.log.clear();
  rec.swallow = 39;
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(rec.log, std::vector<std::string>{"KeyDown 39,1"});
  EXPECT_EQ(grid->Model().Col(), 0);
  rec.log.clear();
  Key(Qt::Key_Return);
  EXPECT_EQ(rec.log, std::vector<std::string>{"KeyDown 13,0"});
}

// Pages that act on a chosen row hear the keys as they hear the pointer.
TEST_F(Grid, PickedTellsTheRowChosenByPointerOrKeys) {
  std::vector<std::string> picks;
  QObject::connect(grid, &FlexGridWidget::Picked, [&picks](int32_t row, int32_t col) {
    picks.push_back(std::to_string(row) + "," + std::to_string(col));
  });
  ClickAt(CellCentre(4, 3));
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);  // the same row: nothing chosen
  Key(Qt::Key_Home);   // across a grid, Home goes to the first column
  Key(Qt::Key_End, Qt::ControlModifier);
  Key(Qt::Key_Home, Qt::ControlModifier);
  Key(Qt::Key_Up);  // already on the first row
  EXPECT_EQ(picks, (std::vector<std::string>{"4,3", "5,3", "19,0", "1,0"}));
}

TEST_F(Grid, InARowListHomeAndEndGoToTheFirstAndLastRow) {
  FlexGridModel& m = grid->Model();
  grid->SetRowList(true);
  m.SetRow(7);
  Key(Qt::Key_End);
  EXPECT_EQ(m.Row(), 19);
  Key(Qt::Key_Home);
  EXPECT_EQ(m.Row(), 1);
  // A list nobody has moved in yet starts on its heading: Down lands on the first row.
  m.SetRow(0);
  Key(Qt::Key_Down);
  EXPECT_EQ(m.Row(), 1);
}

TEST_F(Grid, MovingDownPastTheLastShownRowScrollsAWholeRow) {
  FlexGridModel& m = grid->Model();
  // 130 pixels: the fixed row and five whole rows (1..5), row 6 cut off
  m.SetRow(5);
  Recorder rec(*grid);
  Key(Qt::Key_Down);
  EXPECT_EQ(rec.log,
            (std::vector<std::string>{"KeyDown 40,0", "LeaveCell 5,0", "EnterCell 6,0", "Scroll 2,0"}));
  EXPECT_EQ(m.TopRow(), 2);
  rec.log.clear();
  m.SetRow(2);
  rec.log.clear();
  Key(Qt::Key_Up);
  EXPECT_EQ(rec.log,
            (std::vector<std::string>{"KeyDown 38,0", "LeaveCell 2,0", "EnterCell 1,0", "Scroll 1,0"}));
  // the fixed row is never entered by keys
  rec.log.clear();
  Key(Qt::Key_Up);
  EXPECT_EQ(rec.log, std::vector<std::string>{"KeyDown 38,0"});
}

TEST_F(Grid, VerticalBarScrollsWholeRowsAndHasARangeOnlyWhenNeeded) {
  int32_t min = -1, max = -1;
  grid->VerticalScrollRange(min, max);
  EXPECT_EQ(min, 1);
  EXPECT_GT(max, min);
  const QRect area = grid->CellArea();
  EXPECT_EQ(max, FlexGridLayout::MaxTopRow(grid->Model(), area.height()));
  Recorder rec(*grid);
  auto* bar = grid->findChildren<QScrollBar*>()[0];
  ASSERT_EQ(bar->orientation(), Qt::Vertical);
  bar->setValue(4);
  EXPECT_EQ(grid->Model().TopRow(), 4);
  EXPECT_EQ(rec.log, std::vector<std::string>{"Scroll 4,0"});
  grid->Model().SetTopRow(7);  // from code: the bar follows
  EXPECT_EQ(bar->value(), 7);

  grid->Model().SetRows(4);
  grid->VerticalScrollRange(min, max);
  EXPECT_EQ(min, max);
  grid->Model().SetRows(40);
  grid->Model().SetScrollBars(1);  // horizontal only
  grid->VerticalScrollRange(min, max);
  EXPECT_EQ(min, max);
}

TEST_F(Grid, WheelScrollsThreeRows) {
  Recorder rec(*grid);
  const QPoint p = CellCentre(2, 2);
  QWheelEvent e(p, grid->mapToGlobal(p), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(grid, &e);
  EXPECT_EQ(grid->Model().TopRow(), 4);
  EXPECT_EQ(rec.log, std::vector<std::string>{"Scroll 4,0"});
}

TEST_F(Grid, CellsShowTheirColoursAndTheFixedRowItsOwn) {
  FlexGridModel& m = grid->Model();
  m.SetBackColorFixed(Rgb(194, 208, 186));
  m.SetCellBackColorAt(2, 1, Rgb(243, 249, 200));
  m.SetTextMatrix(2, 1, "");
  const QImage img = grid->RenderCells();
  EXPECT_EQ(img.pixel(75, 50), Q(Rgb(243, 249, 200)));            // cell (2,1): x 50..99, y 40..59
  EXPECT_EQ(img.pixel(25, 50), Q(Rgb(255, 255, 255)));            // an uncoloured cell's corner area
  EXPECT_EQ(img.pixel(10, 2), Q(Rgb(194, 208, 186)));             // the fixed row
  EXPECT_EQ(img.pixel(99, 50), Q(FlexGridPainter::kGridColour));  // flat line at the right edge
  EXPECT_EQ(img.pixel(75, 59), Q(FlexGridPainter::kGridColour));  // and along the bottom
}

// The pointer over a heading's right border shows the sizing cursor only
// while columns may be resized; a drag from there sets the column's width
// as it goes (down to nothing), moves no current cell and raises no Click.
TEST_F(Grid, DraggingAHeadingBorderResizesTheColumnWhenResizingIsAllowed) {
  Recorder rec(*grid);
  FlexGridModel& m = grid->Model();
  const QRect heading = grid->CellRect(0, 1);
  const QPoint border(heading.right() + 1, heading.center().y());
  Hover(border);
  EXPECT_EQ(grid->cursor().shape(), Qt::ArrowCursor);
  m.SetAllowUserResizing(FlexGridModel::kResizeColumns);
  Hover(border);
  EXPECT_EQ(grid->cursor().shape(), Qt::SplitHCursor);
  Hover(QPoint(border.x(), CellCentre(2, 1).y()));  // the same border below the headings
  EXPECT_EQ(grid->cursor().shape(), Qt::ArrowCursor);

  Press(border);
  Drag(border + QPoint(30, 0));
  EXPECT_EQ(m.ColWidth(1), 80 * 15);
  Drag(QPoint(heading.left() - 5, border.y()));
  EXPECT_EQ(m.ColWidth(1), 0);
  Release(QPoint(heading.left() + 20, border.y()));
  EXPECT_EQ(m.ColWidth(1), 20 * 15);
  EXPECT_EQ(m.ColWidth(0), 750);
  // The last column's border, grabbed 2 pixels right of it where no cell
  // is; the border follows the pointer.
  const QPoint last(grid->CellRect(0, 5).right() + 3, border.y());
  Press(last);
  Release(last + QPoint(10, 0));
  EXPECT_EQ(m.ColWidth(5), 62 * 15);
  EXPECT_TRUE(rec.log.empty());
  EXPECT_EQ(m.Row(), 1);
  EXPECT_EQ(m.Col(), 0);
}

TEST_F(Grid, MergedRowShowsEqualNeighboursAsOneCell) {
  FlexGridModel& m = grid->Model();
  m.SetTextMatrix(3, 0, "Passing");
  m.SetTextMatrix(3, 1, "Passing");
  m.SetTextMatrix(3, 2, "Rushing");
  m.SetTextMatrix(4, 0, "Passing");
  m.SetTextMatrix(4, 1, "Passing");
  m.SetMergeRow(3, true);
  const QImage img = grid->RenderCells();
  // row 3 is y 60..79: no line between columns 0 and 1, a line before column 2
  EXPECT_NE(img.pixel(49, 62), Q(FlexGridPainter::kGridColour));
  EXPECT_EQ(img.pixel(99, 62), Q(FlexGridPainter::kGridColour));
  // row 4 is not merged
  EXPECT_EQ(img.pixel(49, 82), Q(FlexGridPainter::kGridColour));
}

TEST_F(Grid, AlignmentPlacesTheTextInTheCell) {
  FlexGridModel& m = grid->Model();
  m.SetTextMatrix(1, 0, "ab");
  m.SetTextMatrix(1, 1, "ab");
  m.SetTextMatrix(1, 2, "12.5");
  m.SetCellAlignmentAt(1, 0, FlexGridModel::kAlignLeftCenter);
  m.SetCellAlignmentAt(1, 1, FlexGridModel::kAlignRightCenter);
  const QImage img = grid->RenderCells();
  auto inkRange = [&img](int x0, int x1) {
    int first = -1, last = -1;
    for (int x = x0; x < x1; ++x)
      for (int y = 21; y < 38; ++y)
        if (qGray(img.pixel(x, y)) < 128) {
          if (first < 0) first = x;
          last = x;
        }
    return std::pair<int, int>(first, last);
  };
  EXPECT_LT(inkRange(0, 49).first, 10);
  EXPECT_GT(inkRange(50, 99).second, 88);
  EXPECT_GT(inkRange(100, 149).second, 138);  // general: a number goes right
}

TEST_F(Grid, PicturesSitByTheirAlignment) {
  QImage arrow(7, 4, QImage::Format_RGB32);
  arrow.fill(qRgb(0, 0, 200));
  FlexGridModel& m = grid->Model();
  m.SetTextMatrix(2, 3, "");
  m.SetCellPictureAt(2, 3, std::make_shared<FlexGridImagePicture>(arrow));
  m.SetCellPictureAlignmentAt(2, 3, 7);  // right, centred
  const QImage img = grid->RenderCells();
  // cell (2,3): x 150..198 inside the line, y 40..58: the picture at x 192..198, y 47..50
  EXPECT_EQ(img.pixel(198, 48), qRgb(0, 0, 200));
  EXPECT_EQ(img.pixel(192, 47), qRgb(0, 0, 200));
  EXPECT_NE(img.pixel(191, 48), qRgb(0, 0, 200));
  EXPECT_NE(img.pixel(195, 46), qRgb(0, 0, 200));
}

// A check box drawn for a scaled screen (14 x 14 at twice the pixels) sits
// whole where a 14 x 14 picture sits, not a corner of it.
TEST_F(Grid, APictureDrawnAtTheDevicePixelRatioSitsWholeInItsCell) {
  QImage box(28, 28, QImage::Format_RGB32);
  box.fill(qRgb(0, 0, 200));
  box.setDevicePixelRatio(2);
  FlexGridModel& m = grid->Model();
  m.SetTextMatrix(2, 3, "");
  m.SetCellPictureAt(2, 3, std::make_shared<FlexGridImagePicture>(box));
  m.SetCellPictureAlignmentAt(2, 3, 4);  // centred
  const QImage img = grid->RenderCells();
  // cell (2,3): x 150..198, y 40..58: the box at x 167..180, y 42..55
  for (const QPoint p : {QPoint(167, 42), QPoint(180, 42), QPoint(167, 55), QPoint(180, 55)})
    EXPECT_EQ(img.pixel(p), qRgb(0, 0, 200)) << p.x() << "," << p.y();
  for (const QPoint p : {QPoint(166, 48), QPoint(181, 48), QPoint(174, 41), QPoint(174, 56)})
    EXPECT_NE(img.pixel(p), qRgb(0, 0, 200)) << p.x() << "," << p.y();
}

// A check box in the middle of its cell is all the cell shows: the mark kept
// as its text behind blanks stays out of sight however wide the column is.
TEST_F(Grid, ACheckBoxInTheMiddleHidesTheMarkKeptAsText) {
  QImage box(8, 8, QImage::Format_RGB32);
  box.fill(qRgb(0, 0, 200));
  FlexGridModel& m = grid->Model();
  m.SetColWidth(3, 1800);  // 120 pixels: room for the blanks and the mark
  m.SetTextMatrix(2, 3, "                  X");
  m.SetCellPictureAt(2, 3, std::make_shared<FlexGridImagePicture>(box));
  m.SetCellPictureAlignmentAt(2, 3, 4);  // centred
  const QImage img = grid->RenderCells();
  const QRect cell(151, 41, 117, 17);  // cell (2,3) inside its lines: x 150..268, y 40..58
  int ink = 0;
  for (int x = cell.left(); x <= cell.right(); ++x)
    for (int y = cell.top(); y <= cell.bottom(); ++y)
      if (img.pixel(x, y) != qRgb(0, 0, 200) && qGray(img.pixel(x, y)) < 128) ++ink;
  EXPECT_EQ(ink, 0);
}

TEST_F(Grid, SelectionShowsOnlyWithTheFocusWhoseTakingIsSignalled) {
  int got = 0;
  QObject::connect(grid, &FlexGridWidget::GotFocus, [&] { ++got; });
  FlexGridModel& m = grid->Model();
  m.SetRow(1);
  m.SetCol(0);
  m.SetRowSel(2);
  m.SetColSel(1);
  QImage img = grid->RenderCells();
  EXPECT_NE(img.pixel(75, 45), Q(FlexGridPainter::kHighlight));
  window->activateWindow();
  grid->setFocus();
  QApplication::processEvents();
  if (!grid->hasFocus()) GTEST_SKIP() << "no focus on this platform";
  EXPECT_GE(got, 1);
  img = grid->RenderCells();
  EXPECT_EQ(img.pixel(75, 45), Q(FlexGridPainter::kHighlight));  // (2,1)
  EXPECT_NE(img.pixel(25, 25), Q(FlexGridPainter::kHighlight));  // the current cell keeps its colour
  SaveScreenshot(window.get(), "flexgrid_selection");
}

// Tab used to land on grids whose current cell lay in a heading row or out
// of view, and nothing showed until an arrow key moved it. The cell moves
// without scrolling and without events a page would take for the person's.
TEST_F(Grid, TabShowsTheCurrentCellAtOnceWhereTheKeysAct) {
  FlexGridModel& m = grid->Model();
  QApplication::setActiveWindow(window.get());
  const struct {
    const char* what;
    int32_t row, col, topRow, fixedCols, noWidthCol, shownRow, shownCol;
  } cases[] = {{"a cell shown stays", 3, 2, 1, 0, -1, 3, 2},
               {"the heading row", 0, 2, 1, 0, -1, 1, 2},
               {"a fixed column", 4, 0, 1, 1, -1, 4, 1},
               {"a column of no width", 4, 0, 1, 0, 0, 4, 1},
               {"a row scrolled out of view", 2, 3, 8, 0, -1, 8, 3}};
  Recorder rec(*grid);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    grid->clearFocus();
    m.SetFixedCols(c.fixedCols);
    m.SetColWidth(-1, 750);
    if (c.noWidthCol >= 0) m.SetColWidth(c.noWidthCol, 0);
    m.SetTopRow(c.topRow);
    m.SetRow(c.row);
    m.SetCol(c.col);
    rec.log.clear();
    grid->setFocus(Qt::TabFocusReason);
    if (!grid->hasFocus()) GTEST_SKIP() << "no focus on this platform";
    EXPECT_EQ(m.Row(), c.shownRow);
    EXPECT_EQ(m.Col(), c.shownCol);
    EXPECT_EQ(m.TopRow(), c.topRow);
    EXPECT_EQ(rec.log, std::vector<std::string>{});
    const QRect cell = grid->CellRect(c.shownRow, c.shownCol);  // the dotted frame's corner
    EXPECT_EQ(grid->RenderCells().pixel(cell.topLeft() - grid->CellArea().topLeft()), qRgb(0, 0, 0));
  }
  // The arrow keys pass a column of no width (it holds keys), and a grid
  // refilled while focused shows its cell again.
  m.SetColWidth(2, 0);
  m.SetCol(3);
  Key(Qt::Key_Left);
  EXPECT_EQ(m.Col(), 1);
  m.SetRows(1);
  m.SetRows(20);
  QApplication::processEvents();
  EXPECT_EQ(m.Row(), 1);
}

TEST_F(Grid, NothingIsRepaintedWhileRedrawIsOff) {
  FlexGridModel& m = grid->Model();
  m.SetTextMatrix(1, 0, "");
  (void)grid->grab();
  m.SetRedraw(false);
  m.SetCellBackColorAt(1, 0, Rgb(200, 0, 0));
  const QPoint at = grid->CellArea().topLeft() + QPoint(10, 25);
  EXPECT_EQ(grid->grab().toImage().pixel(at), qRgb(255, 255, 255));
  m.SetRedraw(true);
  EXPECT_EQ(grid->grab().toImage().pixel(at), qRgb(200, 0, 0));
}

TEST_F(Grid, CheckMarkFontShowsDrawnTicks) {
  gdi::LogFont symbols;
  symbols.faceName = "Wingdings 2";
  symbols.height = -16;
  grid->SetGridFont(symbols);
  FlexGridModel& m = grid->Model();
  m.SetTextMatrix(1, 0, "P");
  m.SetTextMatrix(1, 1, "");
  m.SetCellAlignmentAt(1, 0, FlexGridModel::kAlignCenterCenter);
  const QImage img = grid->RenderCells();
  int dark0 = 0, dark1 = 0;
  for (int y = 21; y < 38; ++y) {
    for (int x = 1; x < 48; ++x) dark0 += qGray(img.pixel(x, y)) < 100;
    for (int x = 51; x < 98; ++x) dark1 += qGray(img.pixel(x, y)) < 100;
  }
  EXPECT_GT(dark0, 15);
  EXPECT_EQ(dark1, 0);
}

TEST(FlexGridWidgetFresh, GridMadeWithoutFixedRowsOrColumnsShowsItsFirstCell) {
  QWidget window;
  window.setGeometry(50, 50, 300, 200);
  auto* grid = new FlexGridWidget(&window);
  grid->setGeometry(0, 0, 250, 150);
  FlexGridModel& m = grid->Model();
  m.SetRows(3);
  m.SetCols(3);
  m.SetFixedRows(0);
  m.SetFixedCols(0);
  m.SetTextMatrix(0, 0, "Quarterbacks");
  window.show();
  EXPECT_EQ(m.TopRow(), 0);
  EXPECT_EQ(m.LeftCol(), 0);
  EXPECT_EQ(grid->CellRect(0, 0).topLeft(), QPoint(FlexGridWidget::kFrame, FlexGridWidget::kFrame));
}

TEST(FlexGridWidgetFresh, ChangingTheFixedRowsKeepsHowFarTheGridIsScrolled) {
  FlexGridModel m;
  m.SetRows(10);
  m.SetCols(2);
  m.SetTopRow(4);  // three rows scrolled past the fixed one
  m.SetFixedRows(2);
  EXPECT_EQ(m.TopRow(), 5);
  m.SetFixedRows(0);
  EXPECT_EQ(m.TopRow(), 3);
}
