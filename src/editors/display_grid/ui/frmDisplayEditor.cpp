#include "editors/display_grid/ui/frmDisplayEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <cmath>

#include "core/PageCode.h"
#include "editors/display_grid/clsUIDisplayEditor.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/gdi/SysColor.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"

namespace editors_display_grid_ui {

namespace {

constexpr int kPreviewHeight = 64;
constexpr int kCategoryWidth = 260;
constexpr int kButtonWidth = 72;
constexpr int kButtonBarWidth = 5 + 2 * kButtonWidth + 9 + 5;
constexpr int kButtonBarHeight = 30;

}  // namespace

frmDisplayEditor::frmDisplayEditor(QWidget* parent)
    : frmPageWindow(parent, kPageDisplayGrids),
      flxExample_(new FlexGridWidget(this)),
      lblExample_(AddTitle(this, "Actual Grid View", false)),
      flxStatCats_(new FlexGridWidget(this)),
      editor_(AddEditedGrid(this, kGridList)),
      mUpDown_(AddButtonBar(this, kButtonWidth, {"Move Up", "Move Down"}, kButtonBarWidth, kButtonBarHeight,
                            gdi::GetSysColor(gdi::COLOR_BTNFACE))) {
  setWindowTitle("Display Grid Editor");
  connect(mUpDown_, &clsButton::Click, this, [this](int32_t i) { controller_->mUpDown_Click(i); });

  controller_->GridInitialize(EditGrid(), EditText(), EditList(), &flxStatCats_->Model(),
                              &flxExample_->Model(), CheckPicture(false), CheckPicture(true), DropArrow(false),
                              DropArrow(true));
  connect(flxStatCats_, &FlexGridWidget::Click, this,
          [this] { controller_->flxStatCats_Click(flxStatCats_->MouseRow(), flxStatCats_->MouseCol()); });
  // Space ticks the row the frame is on, as a click on its check box does.
  flxStatCats_->SetSpaceClick(1, [this](int32_t row, int32_t col) { controller_->flxStatCats_Click(row, col); });

  // Widths dragged in the preview are taken while it has the focus.
  timSize_.setInterval(100);
  connect(&timSize_, &QTimer::timeout, this, [this] {
    if (!flxExample_->hasFocus()) {
      timSize_.stop();
      return;
    }
    TakePreviewWidths();
  });
  connect(flxExample_, &FlexGridWidget::GotFocus, this, [this] { timSize_.start(); });
  // A width dragged just before the focus moves on is taken all the same.
  connect(flxExample_, &FlexGridWidget::LostFocus, this, [this] {
    timSize_.stop();
    TakePreviewWidths();
  });
  timFix_.setSingleShot(true);
  timFix_.setInterval(200);
  connect(&timFix_, &QTimer::timeout, this, [this] { flxStatCats_->setEnabled(true); });
  StartLayout(0);
  LayOut();
}

void frmDisplayEditor::SetMoveButtons(bool upEnabled, bool downEnabled) {
  mUpDown_->SetButtonEnabled(0, upEnabled);
  mUpDown_->SetButtonEnabled(1, downEnabled);
}

int32_t frmDisplayEditor::ColumnListVisibleRows() const {
  const int32_t rowHeight = std::max(1, editor_.grid->Model().RowHeight(0) / runtime::kTwipsPerPixel);
  return std::max(1, static_cast<int32_t>(std::lround(static_cast<double>(editor_.grid->height()) / rowHeight)));
}

void frmDisplayEditor::HoldOffCategoryList() {
  flxStatCats_->setEnabled(false);
  timFix_.start();
}

void frmDisplayEditor::TakePreviewWidths() {
  const FlexGridModel& m = flxExample_->Model();
  std::vector<int32_t> pixels;
  for (int32_t c = 0; c < m.Cols(); ++c) {
    pixels.push_back(static_cast<int32_t>(std::lround(static_cast<double>(m.ColWidth(c)) / runtime::kTwipsPerPixel)));
  }
  controller_->TakePreviewWidths(pixels);
}

void frmDisplayEditor::LayOut() {
  const int w = width() - 2 * kGap;
  const int h = height() - 2 * kGap;
  lblExample_->setGeometry(kGap, kGap, 200, 16);
  flxExample_->setGeometry(kGap, kGap + 16, w, kPreviewHeight);
  const int top = kGap + 16 + kPreviewHeight + 8;
  const int listHeight = std::max(60, h - top - kButtonBarHeight - 6);
  flxStatCats_->setGeometry(kGap, top, kCategoryWidth, listHeight);
  editor_.grid->setGeometry(kGap + kCategoryWidth + 6, top, std::max(60, w - kCategoryWidth - 6), listHeight);
  mUpDown_->PictureControl()->setGeometry(kGap + w - kButtonBarWidth, top + listHeight + 4, kButtonBarWidth,
                                          kButtonBarHeight);
}

void RegisterWindows() { shell_ui::RegisterPageWindow<frmDisplayEditor>(kPageDisplayGrids); }

}  // namespace editors_display_grid_ui
