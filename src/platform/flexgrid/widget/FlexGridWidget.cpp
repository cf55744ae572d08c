#include "platform/flexgrid/widget/FlexGridWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "platform/flexgrid/widget/FlexGridPainter.h"
#include "platform/gdi/CheckMark.h"
#include "platform/gdi/VirtualKey.h"
#include "platform/runtime/Rounding.h"

namespace {

// Rows the wheel moves per notch, the usual desktop setting.
constexpr int kWheelRows = 3;
// Pixels either side of a column border that grab it for resizing.
constexpr int kSizingGrip = 2;

// The grid control's scroll bars in a classic look: a raised
// thumb on a lighter track. (The application's style draws the thumb
// lighter than its track, which on a grid with only a few rows to scroll,
// where the thumb fills most of the bar, reads as a thumb at the far end.)
QStyle* ScrollBarStyle() {
  static QPointer<QStyle> style;
  if (style.isNull() && qApp != nullptr) {
    style = QStyleFactory::create(QStringLiteral("Windows"));
    if (style != nullptr) style->setParent(qApp);
  }
  return style.data();
}

int16_t ButtonMask(Qt::MouseButtons buttons) {
  int16_t mask = 0;
  if (buttons & Qt::LeftButton) mask |= 1;
  if (buttons & Qt::RightButton) mask |= 2;
  if (buttons & Qt::MiddleButton) mask |= 4;
  return mask;
}

}  // namespace

FlexGridWidget::FlexGridWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  vbar_ = new QScrollBar(Qt::Vertical, this);
  hbar_ = new QScrollBar(Qt::Horizontal, this);
  if (QStyle* style = ScrollBarStyle()) {
    vbar_->setStyle(style);
    hbar_->setStyle(style);
  }
  vbar_->hide();
  hbar_->hide();
  vbar_->setFocusPolicy(Qt::NoFocus);
  hbar_->setFocusPolicy(Qt::NoFocus);
  connect(vbar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (!updatingBars_) model_.SetTopRow(value);
  });
  connect(hbar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (!updatingBars_) model_.SetLeftCol(value);
  });
  subscription_ = model_.Subscribe([this](FlexGridEvent e) { OnModel(e); });
}

FlexGridWidget::~FlexGridWidget() { model_.Unsubscribe(subscription_); }

void FlexGridWidget::SetGridFont(const gdi::LogFont& font) {
  font_ = font;
  Invalidate();
}

void FlexGridWidget::OnModel(FlexGridEvent event) {
  switch (event) {
    case FlexGridEvent::kLeaveCell:
      if (quietMoves_ == 0) emit LeaveCell();
      break;
    case FlexGridEvent::kEnterCell:
      if (quietMoves_ == 0) emit EnterCell();
      break;
    case FlexGridEvent::kScroll:
      UpdateScrollBars();
      Invalidate();
      emit Scroll();
      break;
    case FlexGridEvent::kChanged:
      UpdateScrollBars();
      Invalidate();
      ScheduleFit();
      break;
  }
}

void FlexGridWidget::ScheduleFit() {
  if (fitting_ || fitPending_) return;
  fitPending_ = true;
  // Once the change is complete: a page fills a grid cell by cell.
  QTimer::singleShot(0, this, [this] {
    fitPending_ = false;
    FitColumnsToText();
    // Not while a dialog or a job's progress window holds the keys: the
    // page may be half-way through a refill.
    const QWidget* modal = QApplication::activeModalWidget();
    if (hasFocus() && model_.Redraw() && (modal == nullptr || modal == window())) ShowCurrentCell(false);
  });
}

void FlexGridWidget::SetSpaceClick(int32_t col, std::function<void(int32_t row, int32_t col)> click) {
  connect(this, &FlexGridWidget::KeyDown, this, [this, col, click = std::move(click)](int16_t& code, int16_t) {
    if (code == gdi::VK_SPACE) click(model_.Row(), col);
  });
}

int32_t FlexGridWidget::ShownCol(int32_t col, int32_t step) const {
  for (; col >= model_.FixedCols() && col < model_.Cols(); col += step) {
    if (FlexGridLayout::ColPixels(model_, col) > 0) return col;
  }
  return -1;
}

void FlexGridWidget::ShowCurrentCell(bool intoView) {
  if (model_.Rows() <= model_.FixedRows() || model_.Cols() <= model_.FixedCols()) return;
  const FlexGridLayout layout = Layout();
  const auto shown = [](const std::vector<FlexGridLayout::Band>& bands, int32_t index) {
    return std::any_of(bands.begin(), bands.end(),
                       [index](const FlexGridLayout::Band& b) { return b.index == index && !b.fixed; });
  };
  int32_t row = model_.Row();
  int32_t col = model_.Col();
  if (row < model_.FixedRows() || (intoView && !shown(layout.RowBands(), row))) row = model_.TopRow();
  if (col < model_.FixedCols() || FlexGridLayout::ColPixels(model_, col) == 0 ||
      (intoView && !shown(layout.ColBands(), col))) {
    col = ShownCol(model_.LeftCol(), 1);
    if (col < 0) col = std::max(ShownCol(model_.FixedCols(), 1), model_.FixedCols());
  }
  if (row != model_.Row() || col != model_.Col()) {
    ++quietMoves_;
    model_.SetRow(row);
    model_.SetCol(col);
    --quietMoves_;
  }
  // A cell cut off at the edge is shown whole.
  if (intoView) EnsureVisible(model_.Row(), model_.Col());
}

void FlexGridWidget::FitColumnsToText() {
  // Widths the person sets are theirs; a grid that does not draw now is
  // fitted when it draws again.
  if (model_.AllowUserResizing() == FlexGridModel::kResizeColumns || !model_.Redraw()) return;
  if (gdi::IsCheckMarkFace(font_.faceName)) return;
  const QFont plain = gdi::ToQFont(font_);
  QFont heavy = plain;
  heavy.setBold(true);
  const QFontMetrics metrics(plain), boldMetrics(heavy);
  fitting_ = true;
  for (int32_t col = 0; col < model_.Cols(); ++col) {
    const int32_t shown = FlexGridLayout::ColPixels(model_, col);
    // A column of no width is hidden on purpose (it holds keys).
    if (shown == 0) continue;
    int32_t needed = 0;
    for (int32_t row = 0; row < model_.Rows(); ++row) {
      // A text joined across columns has the room of all of them.
      if (model_.MergeRow(row) && ((col > 0 && model_.TextMatrix(row, col - 1) == model_.TextMatrix(row, col)) ||
                                   (col + 1 < model_.Cols() &&
                                    model_.TextMatrix(row, col + 1) == model_.TextMatrix(row, col))))
        continue;
      needed = std::max(needed, FlexGridPainter::NeededWidth(model_, row, col,
                                                              model_.CellFontBoldAt(row, col) ? boldMetrics : metrics));
    }
    if (needed > shown) model_.SetColWidth(col, runtime::PixelsToTwips(needed));
  }
  fitting_ = false;
}

void FlexGridWidget::Invalidate() {
  dirty_ = true;
  update();
}

QRect FlexGridWidget::CellArea() const {
  QRect r = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
  if (vbar_->isVisibleTo(this)) r.setRight(r.right() - vbar_->width());
  if (hbar_->isVisibleTo(this)) r.setBottom(r.bottom() - hbar_->height());
  if (r.width() < 0) r.setWidth(0);
  if (r.height() < 0) r.setHeight(0);
  return r;
}

FlexGridLayout FlexGridWidget::Layout() const {
  const QRect area = CellArea();
  return FlexGridLayout(model_, area.width(), area.height());
}

QRect FlexGridWidget::CellRect(int32_t row, int32_t col) const {
  const QRect r = Layout().CellRect(row, col);
  return r.isNull() ? r : r.translated(CellArea().topLeft());
}

void FlexGridWidget::UpdateScrollBars() {
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const QRect inner = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
  const int16_t bars = model_.ScrollBars();
  const bool allowV = bars == 2 || bars == 3;
  const bool allowH = bars == 1 || bars == 3;
  bool needV = false, needH = false;
  // Each bar takes room from the other's direction: settle in two passes.
  for (int pass = 0; pass < 2; ++pass) {
    const int h = inner.height() - (needH ? extent : 0);
    const int w = inner.width() - (needV ? extent : 0);
    needV = allowV && FlexGridLayout::MaxTopRow(model_, h) > model_.FixedRows();
    needH = allowH && FlexGridLayout::MaxLeftCol(model_, w) > model_.FixedCols();
  }
  const int cellsW = inner.width() - (needV ? extent : 0);
  const int cellsH = inner.height() - (needH ? extent : 0);
  // A page is the scrollable rows (columns) the cell area shows.
  const FlexGridLayout shown = needV || needH ? FlexGridLayout(model_, cellsW, cellsH) : FlexGridLayout();
  updatingBars_ = true;
  vbar_->setVisible(needV);
  hbar_->setVisible(needH);
  if (needV) {
    vbar_->setGeometry(inner.right() + 1 - extent, inner.top(), extent, cellsH);
    const int maxTop = std::max(FlexGridLayout::MaxTopRow(model_, cellsH), model_.TopRow());
    vbar_->setRange(model_.FixedRows(), maxTop);
    vbar_->setPageStep(std::max<int>(1, static_cast<int>(shown.RowBands().size()) - model_.FixedRows()));
    vbar_->setValue(model_.TopRow());
  }
  if (needH) {
    hbar_->setGeometry(inner.left(), inner.bottom() + 1 - extent, cellsW, extent);
    const int maxLeft = std::max(FlexGridLayout::MaxLeftCol(model_, cellsW), model_.LeftCol());
    hbar_->setRange(model_.FixedCols(), maxLeft);
    hbar_->setPageStep(std::max<int>(1, static_cast<int>(shown.ColBands().size()) - model_.FixedCols()));
    hbar_->setValue(model_.LeftCol());
  }
  updatingBars_ = false;
}

void FlexGridWidget::VerticalScrollRange(int32_t& min, int32_t& max) const {
  min = vbar_->isVisibleTo(this) ? vbar_->minimum() : 0;
  max = vbar_->isVisibleTo(this) ? vbar_->maximum() : 0;
}

void FlexGridWidget::HorizontalScrollRange(int32_t& min, int32_t& max) const {
  min = hbar_->isVisibleTo(this) ? hbar_->minimum() : 0;
  max = hbar_->isVisibleTo(this) ? hbar_->maximum() : 0;
}

QImage FlexGridWidget::RenderCells() const {
  const QRect area = CellArea();
  // At the screen's device pixel ratio: text and pictures as sharp as the
  // widgets beside the grid, and a picture drawn at that ratio shown whole.
  const double ratio = devicePixelRatioF();
  QImage img(QSize(std::max(area.width(), 1), std::max(area.height(), 1)) * ratio, QImage::Format_RGB32);
  img.setDevicePixelRatio(ratio);
  img.fill(Qt::white);
  QPainter p(&img);
  FlexGridPainter::Options options;
  options.font = gdi::ToQFont(font_);
  options.focused = hasFocus();
  options.checkMarkFont = gdi::IsCheckMarkFace(font_.faceName);
  FlexGridPainter::Paint(p, model_, FlexGridLayout(model_, area.width(), area.height()), options);
  return img;
}

void FlexGridWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  // The sunken frame: shadow and dark lines above and left, light below and
  // right.
  const int w = width(), h = height();
  p.fillRect(rect(), QColor(236, 233, 216));
  p.fillRect(QRect(0, 0, w, 1), QColor(172, 168, 153));
  p.fillRect(QRect(0, 0, 1, h), QColor(172, 168, 153));
  p.fillRect(QRect(1, 1, w - 2, 1), QColor(113, 111, 100));
  p.fillRect(QRect(1, 1, 1, h - 2), QColor(113, 111, 100));
  p.fillRect(QRect(0, h - 1, w, 1), QColor(255, 255, 255));
  p.fillRect(QRect(w - 1, 0, 1, h), QColor(255, 255, 255));
  p.fillRect(QRect(1, h - 2, w - 2, 1), QColor(241, 239, 226));
  p.fillRect(QRect(w - 2, 1, 1, h - 2), QColor(241, 239, 226));
  // While Redraw is off the grid keeps showing what it showed.
  if ((dirty_ && model_.Redraw()) || cache_.isNull() || cache_.size() != CellArea().size()) {
    if (model_.Redraw() || cache_.isNull()) {
      cache_ = RenderCells();
      dirty_ = false;
    }
  }
  p.drawImage(CellArea().topLeft(), cache_);
}

void FlexGridWidget::resizeEvent(QResizeEvent* event) {
  UpdateScrollBars();
  // Grown, the grid shows the rows and columns it scrolled past rather
  // than empty space beyond the last ones.
  const QRect area = CellArea();
  const int32_t maxTop = FlexGridLayout::MaxTopRow(model_, area.height());
  const int32_t maxLeft = FlexGridLayout::MaxLeftCol(model_, area.width());
  if (model_.TopRow() > maxTop) model_.SetTopRow(maxTop);
  if (model_.LeftCol() > maxLeft) model_.SetLeftCol(maxLeft);
  Invalidate();
  QWidget::resizeEvent(event);
}

bool FlexGridWidget::Scrollable(int32_t row, int32_t col) const {
  return row >= model_.FixedRows() && col >= model_.FixedCols() && row < model_.Rows() && col < model_.Cols();
}

void FlexGridWidget::MoveCurrentCell(int32_t row, int32_t col) {
  if (row < 0 || col < 0 || row >= model_.Rows() || col >= model_.Cols()) return;
  if (row == model_.Row() || col == model_.Col()) {
    // One coordinate changes: the model reports the move itself.
    if (row != model_.Row()) {
      model_.SetRow(row);
    } else if (col != model_.Col()) {
      model_.SetCol(col);
    } else {
      model_.SetRowSel(row);
      model_.SetColSel(col);
    }
    return;
  }
  // Both change: the model would report two moves; the control reports one.
  QPointer<FlexGridWidget> self(this);
  emit LeaveCell();
  if (!self) return;
  ++quietMoves_;
  model_.SetRow(row);
  model_.SetCol(col);
  --quietMoves_;
  if (model_.Row() == row && model_.Col() == col) emit EnterCell();
}

void FlexGridWidget::EnsureVisible(int32_t row, int32_t col) {
  const QRect area = CellArea();
  if (row >= model_.FixedRows() && row < model_.Rows()) {
    model_.SetTopRow(FlexGridLayout::TopRowShowing(model_, area.height(), row));
  }
  if (col >= model_.FixedCols() && col < model_.Cols()) {
    model_.SetLeftCol(FlexGridLayout::LeftColShowing(model_, area.width(), col));
  }
}

void FlexGridWidget::TrackMouse(const QPoint& pos) {
  const QPoint local = pos - CellArea().topLeft();
  const FlexGridLayout layout = Layout();
  const bool inside = CellArea().contains(pos);
  mouseRow_ = inside ? layout.RowAt(local.y()) : -1;
  mouseCol_ = inside ? layout.ColAt(local.x()) : -1;
  if (mouseRow_ < 0 || mouseCol_ < 0) mouseRow_ = mouseCol_ = -1;
}

int32_t FlexGridWidget::SizingBorderAt(const QPoint& pos, int32_t* left) const {
  if (model_.AllowUserResizing() != FlexGridModel::kResizeColumns) return -1;
  const QRect area = CellArea();
  if (!area.contains(pos)) return -1;
  const QPoint local = pos - area.topLeft();
  const FlexGridLayout layout = Layout();
  const int32_t row = layout.RowAt(local.y());
  if (row < 0 || row >= model_.FixedRows()) return -1;
  // The nearest border; of two equally near, the later column's, so that a
  // narrow column can still be widened.
  const FlexGridLayout::Band* found = nullptr;
  int32_t best = kSizingGrip + 1;
  for (const FlexGridLayout::Band& b : layout.ColBands()) {
    const int32_t distance = std::abs(local.x() - b.End());
    if (distance <= best) {
      best = distance;
      found = &b;
    }
  }
  if (found == nullptr) return -1;
  if (left != nullptr) *left = area.left() + found->start;
  return found->index;
}

void FlexGridWidget::ShowSizingCursor(bool sizing) {
  if (sizing == sizingCursor_) return;
  sizingCursor_ = sizing;
  if (sizing) {
    setCursor(Qt::SplitHCursor);
  } else {
    unsetCursor();
  }
}

void FlexGridWidget::SizeColumnTo(int32_t x) {
  const int32_t pixels = std::max(x - sizingLeft_, 0);
  const int32_t twips = runtime::PixelsToTwips(pixels);
  if (twips != model_.ColWidth(sizingCol_)) model_.SetColWidth(sizingCol_, twips);
}

void FlexGridWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  TrackMouse(pos);
  if (event->button() != Qt::LeftButton) return;
  const int32_t border = SizingBorderAt(pos, &sizingLeft_);
  if (border >= 0) {
    sizingCol_ = border;
    ShowSizingCursor(true);
    return;
  }
  if (Scrollable(mouseRow_, mouseCol_)) {
    selecting_ = true;
    MoveCurrentCell(mouseRow_, mouseCol_);
  }
}

void FlexGridWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TrackMouse(pos);
  if (sizingCol_ >= 0) {
    SizeColumnTo(pos.x());
  } else {
    ShowSizingCursor(event->buttons() == Qt::NoButton && SizingBorderAt(pos) >= 0);
  }
  if (selecting_ && (event->buttons() & Qt::LeftButton) && Scrollable(mouseRow_, mouseCol_)) {
    if (model_.RowSel() != mouseRow_) model_.SetRowSel(mouseRow_);
    if (model_.ColSel() != mouseCol_) model_.SetColSel(mouseCol_);
  }
  const QPointF p = event->position();
  emit MouseMove(ButtonMask(event->buttons()), gdi::ShiftMaskFromQt(event->modifiers()),
                 static_cast<float>(p.x() * runtime::kTwipsPerPixel),
                 static_cast<float>(p.y() * runtime::kTwipsPerPixel));
}

void FlexGridWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TrackMouse(pos);
  if (event->button() != Qt::LeftButton) return;
  if (sizingCol_ >= 0) {
    SizeColumnTo(pos.x());
    sizingCol_ = -1;
    ShowSizingCursor(SizingBorderAt(pos) >= 0);
    return;
  }
  selecting_ = false;
  QPointer<FlexGridWidget> self(this);
  emit Click();
  if (self) emit Picked(mouseRow_, mouseCol_);
}

void FlexGridWidget::leaveEvent(QEvent* event) {
  if (sizingCol_ < 0) ShowSizingCursor(false);
  QWidget::leaveEvent(event);
}

void FlexGridWidget::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0 || model_.Rows() <= model_.FixedRows()) return;
  const int32_t maxTop = FlexGridLayout::MaxTopRow(model_, CellArea().height());
  const int32_t top = std::clamp(model_.TopRow() - notches * kWheelRows, model_.FixedRows(),
                                 std::max(maxTop, model_.FixedRows()));
  model_.SetTopRow(top);
  event->accept();
}

void FlexGridWidget::keyPressEvent(QKeyEvent* event) {
  int16_t code = gdi::VirtualKeyFromQt(event->key());
  const int16_t shift = gdi::ShiftMaskFromQt(event->modifiers());
  QPointer<FlexGridWidget> self(this);
  emit KeyDown(code, shift);
  if (!self) return;
  event->accept();
  if (code == 0 || model_.Rows() <= model_.FixedRows() || model_.Cols() <= model_.FixedCols()) return;
  const int32_t firstRow = model_.FixedRows(), lastRow = model_.Rows() - 1;
  // Columns of no width hold keys: the keys pass them.
  const int32_t firstCol = std::max(ShownCol(model_.FixedCols(), 1), model_.FixedCols());
  const int32_t lastCol = std::max(ShownCol(model_.Cols() - 1, -1), firstCol);
  const int32_t visibleRows =
      std::max<int32_t>(1, static_cast<int32_t>(Layout().RowBands().size()) - model_.FixedRows() - 1);
  int32_t row = std::clamp(model_.Row(), firstRow, lastRow);
  int32_t col = std::clamp(model_.Col(), firstCol, lastCol);
  const int32_t rowBefore = model_.Row();
  const bool byRow = rowList_ || (shift & gdi::kCtrlMask) != 0;
  switch (code) {
    case gdi::VK_UP:
      row = std::max(row - 1, firstRow);
      break;
    case gdi::VK_DOWN:
      // From a fixed row (a grid nobody has moved in yet) the first row comes first.
      row = rowBefore < firstRow ? firstRow : std::min(row + 1, lastRow);
      break;
    case gdi::VK_LEFT:
      col = std::max(ShownCol(col - 1, -1), firstCol);
      break;
    case gdi::VK_RIGHT:
      if (const int32_t right = ShownCol(col + 1, 1); right >= 0) col = right;
      break;
    case gdi::VK_PRIOR:
      row = std::max(row - visibleRows, firstRow);
      break;
    case gdi::VK_NEXT:
      row = std::min(row + visibleRows, lastRow);
      break;
    case gdi::VK_HOME:
      if (byRow) {
        row = firstRow;
      } else {
        col = firstCol;
      }
      break;
    case gdi::VK_END:
      if (byRow) {
        row = lastRow;
      } else {
        col = lastCol;
      }
      break;
    default:
      return;
  }
  MoveCurrentCell(row, col);
  if (!self) return;
  EnsureVisible(model_.Row(), model_.Col());
  if (model_.Row() != rowBefore) emit Picked(model_.Row(), model_.Col());
}

void FlexGridWidget::focusInEvent(QFocusEvent* event) {
  // A press places the current cell itself, under the pointer. Only Tab
  // brings an unseen cell into view: the grid editor hands the focus back
  // while an edit scrolled out of view waits for its own cell.
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::MouseFocusReason)
    ShowCurrentCell(reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
  Invalidate();
  QWidget::focusInEvent(event);
  emit GotFocus();
}

void FlexGridWidget::focusOutEvent(QFocusEvent* event) {
  Invalidate();
  QWidget::focusOutEvent(event);
  emit LostFocus();
}
