#include "editors/scoring/ui/frmScoring.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "editors/scoring/clsUIScoringSystem2.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

namespace editors_scoring_ui {

namespace {

constexpr int32_t kButtonWidth = 44;
constexpr int32_t kBarHeight = 28;
constexpr int32_t kTabHeight = 21;
constexpr int32_t kGap = 4;
constexpr int32_t kHeadingHeight = 25;         // 375 twips: the grids stand this far below the panel's top
constexpr int32_t kCategoryWidth = 3825 / 15;  // the category list's width
constexpr int32_t kListRows = 12;

QLabel* Heading(QWidget* parent, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setFont(basFormLook::FormFont("Arial", true));
  return label;
}

}  // namespace

frmScoring::frmScoring(QWidget* parent)
    : frmPage(parent, kPageScoringSystem),
      picTabScore_(new PictureBox(this)),
      timTabScore_(new QTimer(this)),
      picScore_(new PictureBox(this)),
      lblHeadingA_(Heading(picScore_, "Scoring Categories")),
      flxScoCat_(new FlexGridWidget(picScore_)),
      lblHeadingB_(Heading(picScore_, "Scoring Rules")),
      flxScoring_(new FlexGridWidget(picScore_)),
      txtScoring_(new QLineEdit(picScore_)),
      cmbScoring_(new QComboBox(picScore_)),
      lstPos_(new QListWidget(picScore_)),
      picRule_(new PictureBox(picScore_)),
      timRule_(new QTimer(this)),
      picRem_(new PictureBox(picScore_)),
      timRem_(new QTimer(this)),
      lblRule_(new QLabel(picScore_)),
      picMini_(new PictureBox(picScore_)),
      timMini_(new QTimer(this)),
      mTab_(std::make_unique<clsTabStrip>()),
      mRule_(std::make_unique<clsButton>()),
      mRem_(std::make_unique<clsButton>()),
      mMb_(std::make_unique<clsMiniBar>()) {
  basFormLook::Apply(this, "Arial");
  picScore_->SetBackColor(static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]));
  lblRule_->setTextFormat(Qt::PlainText);
  lblRule_->setFont(basFormLook::FormFont("Arial", true));
  txtScoring_->hide();
  cmbScoring_->hide();
  lstPos_->hide();
  // Each click toggles a position; the list stays open until its cell is left.
  lstPos_->setSelectionMode(QAbstractItemView::MultiSelection);

  for (std::size_t i = 0; i < picCheck_.size(); ++i) {
    picCheck_[i] = new PictureBox(this);
    picCheck_[i]->hide();
  }
  basButtonMocks::DrawCheckBoxImages(picCheck_[0], picCheck_[1]);
  for (std::size_t i = 0; i < picCheck_.size(); ++i)
    checkPictures_[i] = EditFlexGridWidgets::CellPictureOf(picCheck_[i]);

  const int32_t barWidth = kButtonWidth + 16;
  picRule_->resize(barWidth, kBarHeight);
  picRem_->resize(barWidth, kBarHeight);
  for (PictureBox* bar : {picRule_, picRem_})
    bar->SetBackColor(static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]));
  basButtonMocks::SetUpButtonBar(*mRule_, picRule_, timRule_, kButtonWidth, {"> Add"}, false);
  basButtonMocks::SetUpButtonBar(*mRem_, picRem_, timRem_, kButtonWidth, {"< Del"}, false);

  picMini_->SetBackColor(static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]));
  basButtonMocks::SetUpMiniBar(*mMb_, picMini_, timMini_, 22, 2);

  parts_ = std::make_unique<EditFlexGridWidgets>(flxScoring_, txtScoring_, cmbScoring_, lstPos_);
  controller_ = std::make_unique<clsUIScoringSystem2>(*this);
  SetCommands(controller_.get());

  connect(mRule_.get(), &clsButton::Click, this, [this](int32_t i) { controller_->mRule_Click(i); });
  connect(mRem_.get(), &clsButton::Click, this, [this](int32_t i) { controller_->mRem_Click(i); });
  connect(mMb_.get(), &clsMiniBar::Click, this, [this](int32_t i) {
    mMb_->SetEnabled(false);
    controller_->mMb_Click(i);
    mMb_->SetEnabled(true);
  });
  connect(mTab_.get(), &clsTabStrip::Click, this, [this](int32_t i) {
    SelectTab(i);
    controller_->mTab_Click(i);
  });
  connect(flxScoCat_, &FlexGridWidget::Click, this, [this] { controller_->mFlxScoCat_Click(flxScoCat_->MouseRow()); });
  loaded_ = true;
}

frmScoring::~frmScoring() {
  // The controller draws into the widgets and owns the grid editor: it goes first.
  controller_.reset();
  parts_.reset();
}

EditFlexGridView* frmScoring::RuleGrid() { return parts_->Grid(); }
EditFlexTextBox* frmScoring::RuleText() { return parts_->TextBox(); }
EditFlexComboBox* frmScoring::RuleCombo() { return parts_->ComboBox(); }
EditFlexListBox* frmScoring::PositionList() { return parts_->NormListBox(); }
int32_t frmScoring::ListAreaHeight() const { return runtime::PixelsToTwips(picScore_->height()); }
FlexGridModel& frmScoring::CategoryGrid() { return flxScoCat_->Model(); }

void frmScoring::SetTabs(const std::vector<std::string>& captions) {
  mTab_->InitializeTab(picTabScore_, picScore_, timTabScore_, captions);
}

void frmScoring::SelectTab(int32_t index) {
  for (int32_t t = 0; t < mTab_->Tabs(); ++t) mTab_->SetTabSelected(t, t == index);
  if (mTab_->Tabs() > 0) mTab_->RedrawBorder(index);
}

void frmScoring::SetAddEnabled(bool enabled) { mRule_->SetButtonEnabled(0, enabled); }
void frmScoring::SetDelEnabled(bool enabled) { mRem_->SetButtonEnabled(0, enabled); }
void frmScoring::SetRuleLabel(const std::string& text) { lblRule_->setText(QString::fromStdString(text)); }

std::shared_ptr<const FlexGridPicture> frmScoring::CheckPicture(bool checked) {
  return checkPictures_[checked ? 1 : 0];
}

std::shared_ptr<const FlexGridPicture> frmScoring::DropArrow(bool hover) {
  return EditFlexGridWidgets::DropArrowPicture(hover);
}

void frmScoring::resizeEvent(QResizeEvent* event) {
  frmPage::resizeEvent(event);
  if (loaded_ && !isMinimized()) LayOut();
}

void frmScoring::LayOut() {
  const int32_t w = width();
  const int32_t h = height();
  if (w < 100 || h < 100) return;
  picTabScore_->setGeometry(0, 0, w, kTabHeight);
  picScore_->setGeometry(0, kTabHeight, w, h - kTabHeight);
  const int32_t ph = picScore_->height();
  const int32_t gridTop = kHeadingHeight;
  const int32_t catWidth = std::min(kCategoryWidth, std::max(w / 3, 80));
  const int32_t barLeft = kGap + catWidth + kGap;
  const int32_t barWidth = picRule_->width();
  const int32_t ruleLeft = barLeft + barWidth + kGap;
  const int32_t gridHeight = std::max(ph - gridTop - kGap, 40);

  lblHeadingA_->setGeometry(kGap + 2, 4, catWidth, kHeadingHeight - 6);
  flxScoCat_->setGeometry(kGap, gridTop, catWidth, gridHeight);
  picRule_->move(barLeft, gridTop + 40);
  picRem_->move(barLeft, gridTop + 40 + kBarHeight + kGap);
  lblHeadingB_->setGeometry(ruleLeft + 2, 4, 140, kHeadingHeight - 6);
  picMini_->move(std::max(w - picMini_->width() - kGap, ruleLeft), 1);
  lblRule_->setGeometry(ruleLeft + 150, 4, std::max(w - ruleLeft - 160 - picMini_->width(), 40), kHeadingHeight - 6);
  flxScoring_->setGeometry(ruleLeft, gridTop, std::max(w - ruleLeft - kGap, 80), gridHeight);
  lstPos_->resize(runtime::TwipsToPixels(1400), lstPos_->sizeHintForRow(0) * kListRows + 4);

  if (mTab_->Tabs() > 0) {
    mTab_->DrawFullToolbar();
    mTab_->RedrawBorder(controller_->CurrentTab());
    mTab_->RefreshTab();
    mTab_->RefreshBorder();
  }
}

}  // namespace editors_scoring_ui
