#include "editors/display_grid/ui/frmDisplayEditor.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <QLineEdit>
#include <QListWidget>

#include "core/PageCode.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "shell/ui/PageRegistry.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace editors_display_grid_ui {

namespace {

constexpr int kMargin = 4;
constexpr int kPreviewHeight = 64;
constexpr int kCategoryWidth = 260;
constexpr int kButtonWidth = 72;
constexpr int kButtonBarWidth = 5 + 2 * kButtonWidth + 9 + 5;
constexpr int kButtonBarHeight = 30;
constexpr int kTwipsPerPixel = 15;

}  // namespace

frmDisplayEditor::frmDisplayEditor(QWidget* parent)
    : shell_ui::frmPage(parent, kPageDisplayGrids),
      flxExample_(new FlexGridWidget(this)),
      lblExample_(new QLabel("Actual Grid View", this)),
      flxStatCats_(new FlexGridWidget(this)),
      flxPlayer_(new FlexGridWidget(this)),
      txtPlayer_(new QLineEdit(this)),
      lstPlayer_(new QListWidget(this)),
      picUpDown_(new PictureBox(this)),
      picUnchecked_(new PictureBox(this)),
      picChecked_(new PictureBox(this)),
      mUpDown_(std::make_unique<clsButton>()),
      controller_(*this) {
  basFormLook::Apply(this, "Arial");
  setWindowTitle("Display Grid Editor");
  picUnchecked_->hide();
  picChecked_->hide();
  basButtonMocks::DrawCheckBoxImages(picUnchecked_, picChecked_);
  LayOut();
  basButtonMocks::SetUpButtonBar(*mUpDown_, picUpDown_, &timUpDown_, kButtonWidth, {"Move Up", "Move Down"}, false);
  connect(mUpDown_.get(), &clsButton::Click, this, [this](int32_t i) { controller_.mUpDown_Click(i); });

  parts_ = std::make_unique<EditFlexGridWidgets>(flxPlayer_, txtPlayer_, nullptr, lstPlayer_, nullptr);
  controller_.GridInitialize(parts_->Grid(), parts_->TextBox(), parts_->NormListBox(), &flxStatCats_->Model(),
                             &flxExample_->Model(), EditFlexGridWidgets::CellPictureOf(picUnchecked_),
                             EditFlexGridWidgets::CellPictureOf(picChecked_),
                             EditFlexGridWidgets::DropArrowPicture(false), EditFlexGridWidgets::DropArrowPicture(true));
  connect(flxStatCats_, &FlexGridWidget::Click, this,
          [this] { controller_.flxStatCats_Click(flxStatCats_->MouseRow(), flxStatCats_->MouseCol()); });

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
  SetCommands(&controller_);
}

frmDisplayEditor::~frmDisplayEditor() {
  // The preview's focus may move while the children go; the controller is
  // gone by then.
  flxExample_->disconnect(this);
  timSize_.stop();
  timFix_.stop();
  timUpDown_.stop();
}

void frmDisplayEditor::SetMoveButtons(bool upEnabled, bool downEnabled) {
  mUpDown_->SetButtonEnabled(0, upEnabled);
  mUpDown_->SetButtonEnabled(1, downEnabled);
}

int32_t frmDisplayEditor::ColumnListVisibleRows() const {
  const int32_t rowHeight = std::max(1, flxPlayer_->Model().RowHeight(0) / kTwipsPerPixel);
  return std::max(1, static_cast<int32_t>(std::lround(static_cast<double>(flxPlayer_->height()) / rowHeight)));
}

void frmDisplayEditor::HoldOffCategoryList() {
  flxStatCats_->setEnabled(false);
  timFix_.start();
}

void frmDisplayEditor::TakePreviewWidths() {
  const FlexGridModel& m = flxExample_->Model();
  std::vector<int32_t> pixels;
  for (int32_t c = 0; c < m.Cols(); ++c) {
    pixels.push_back(static_cast<int32_t>(std::lround(static_cast<double>(m.ColWidth(c)) / kTwipsPerPixel)));
  }
  controller_.TakePreviewWidths(pixels);
}

void frmDisplayEditor::resizeEvent(QResizeEvent* event) {
  frmPage::resizeEvent(event);
  LayOut();
}

void frmDisplayEditor::LayOut() {
  const int w = width() - 2 * kMargin;
  const int h = height() - 2 * kMargin;
  lblExample_->setGeometry(kMargin, kMargin, 200, 16);
  flxExample_->setGeometry(kMargin, kMargin + 16, w, kPreviewHeight);
  const int top = kMargin + 16 + kPreviewHeight + 8;
  const int listHeight = std::max(60, h - top - kButtonBarHeight - 6);
  flxStatCats_->setGeometry(kMargin, top, kCategoryWidth, listHeight);
  flxPlayer_->setGeometry(kMargin + kCategoryWidth + 6, top, std::max(60, w - kCategoryWidth - 6), listHeight);
  picUpDown_->setGeometry(kMargin + w - kButtonBarWidth, top + listHeight + 4, kButtonBarWidth, kButtonBarHeight);
}

void RegisterWindows() {
  shell_ui::RegisterPage(kPageDisplayGrids, [](QWidget* parent) { return new frmDisplayEditor(parent); });
}

}  // namespace editors_display_grid_ui
