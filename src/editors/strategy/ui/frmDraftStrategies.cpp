#include "editors/strategy/ui/frmDraftStrategies.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <algorithm>

#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "editors/strategy/clsUIStrategy.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/clsMiniBar.h"
#include "toolkit/ui/clsTabStrip.h"

namespace editors_strategy_ui {

namespace {

constexpr int32_t kButtonWidth = 72;
constexpr int32_t kBarHeight = 30;
constexpr int32_t kGap = 4;
constexpr int32_t kDescriptionHeight = 60;
constexpr int32_t kHeadingHeight = 18;
constexpr int32_t kTabHeight = 21;
constexpr int32_t kMiniHeight = 18;

}  // namespace

frmDraftStrategies::frmDraftStrategies(QWidget* parent)
    : frmPage(parent, kPageDraftStrategies),
      picTabStrat_(new PictureBox(this)),
      timTabStrat_(new QTimer(this)),
      picStrategy_(new PictureBox(this)),
      picGridView_(new PictureBox(picStrategy_)),
      flxDraft_(new FlexGridWidget(picGridView_)),
      txtDraft_(new QLineEdit(picGridView_)),
      cmbDraft_(new QComboBox(picGridView_)),
      lstNorm_(new QListWidget(picGridView_)),
      lstStrategy_(new QListWidget(picGridView_)),
      picAR_(new PictureBox(picStrategy_)),
      timAR_(new QTimer(this)),
      picMini_(new PictureBox(picStrategy_)),
      timMini_(new QTimer(this)),
      lblHeadingB_(new QLabel(QStringLiteral("Description"), picStrategy_)),
      txtDescription_(new QPlainTextEdit(picStrategy_)),
      mAR_(std::make_unique<clsButton>()),
      mTab_(std::make_unique<clsTabStrip>()),
      mMb_(std::make_unique<clsMiniBar>()) {
  basFormLook::Apply(this, "Arial");
  lblHeadingB_->setFont(basFormLook::FormFont("Arial", true));
  for (QWidget* w : {static_cast<QWidget*>(txtDraft_), static_cast<QWidget*>(cmbDraft_),
                     static_cast<QWidget*>(lstNorm_), static_cast<QWidget*>(lstStrategy_)})
    w->hide();

  for (std::size_t i = 0; i < picCheck_.size(); ++i) {
    picCheck_[i] = new PictureBox(this);
    picCheck_[i]->hide();
  }
  basButtonMocks::DrawCheckBoxImages(picCheck_[0], picCheck_[1]);
  for (std::size_t i = 0; i < picCheck_.size(); ++i)
    checkPictures_[i] = EditFlexGridWidgets::CellPictureOf(picCheck_[i]);

  const auto panel = static_cast<gdi::COLORREF>(PaletteColour[basColourScheme::kTitleRowColour]);
  for (PictureBox* p : {picStrategy_, picAR_, picMini_}) p->SetBackColor(panel);
  picAR_->resize(4 * (kButtonWidth + 9) + 10, kBarHeight);
  basButtonMocks::SetUpMiniBar(*mMb_, picMini_, timMini_, kMiniHeight, 2);
  basButtonMocks::SetUpButtonBar(*mAR_, picAR_, timAR_, kButtonWidth,
                                 {"Add Rule", "Remove Rule", "Move Up", "Move Down"}, false);

  parts_ = std::make_unique<EditFlexGridWidgets>(flxDraft_, txtDraft_, cmbDraft_, lstNorm_, lstStrategy_);
  controller_ = std::make_unique<clsUIStrategy>(*this);
  SetCommands(controller_.get());

  connect(mAR_.get(), &clsButton::Click, this, [this](int32_t i) { controller_->mAR_Click(i); });
  connect(mTab_.get(), &clsTabStrip::Click, this, [this](int32_t i) {
    SelectTab(i);
    controller_->mTab_Click(i);
  });
  connect(mMb_.get(), &clsMiniBar::Click, this, [this](int32_t i) {
    mMb_->SetEnabled(false);
    controller_->mMb_Click(i);
    mMb_->SetEnabled(true);
  });
  connect(txtDescription_, &QPlainTextEdit::textChanged, this, [this] {
    if (!describing_) controller_->mTxtDescription_Change(txtDescription_->toPlainText().toStdString());
  });
  loaded_ = true;
}

frmDraftStrategies::~frmDraftStrategies() {
  // The controller draws into the widgets and owns the grid editor: it goes first.
  controller_.reset();
  parts_.reset();
}

EditFlexGridView* frmDraftStrategies::RuleGrid() { return parts_->Grid(); }
EditFlexTextBox* frmDraftStrategies::RuleText() { return parts_->TextBox(); }
EditFlexComboBox* frmDraftStrategies::RuleCombo() { return parts_->ComboBox(); }
EditFlexListBox* frmDraftStrategies::NormList() { return parts_->NormListBox(); }
EditFlexListBox* frmDraftStrategies::CheckList() { return parts_->MultiListBox(); }

void frmDraftStrategies::SetRuleButtonEnabled(int32_t index, bool enabled) {
  mAR_->SetButtonEnabled(index, enabled);
}

void frmDraftStrategies::SetDescription(const std::string& text) {
  describing_ = true;
  txtDescription_->setPlainText(QString::fromStdString(text));
  describing_ = false;
}

void frmDraftStrategies::SetTabs(const std::vector<std::string>& captions) {
  mTab_->InitializeTab(picTabStrat_, picStrategy_, timTabStrat_, captions);
}

void frmDraftStrategies::SelectTab(int32_t index) {
  for (int32_t t = 0; t < mTab_->Tabs(); ++t) mTab_->SetTabSelected(t, t == index);
  if (mTab_->Tabs() > 0) mTab_->RedrawBorder(index);
}

// The lists are children of the grid's frame, which clips them.
int32_t frmDraftStrategies::ListAreaHeight() const { return runtime::PixelsToTwips(picGridView_->height()); }

std::shared_ptr<const FlexGridPicture> frmDraftStrategies::CheckPicture(bool checked) {
  return checkPictures_[checked ? 1 : 0];
}

std::shared_ptr<const FlexGridPicture> frmDraftStrategies::DropArrow(bool hover) {
  return EditFlexGridWidgets::DropArrowPicture(hover);
}

void frmDraftStrategies::resizeEvent(QResizeEvent* event) {
  frmPage::resizeEvent(event);
  if (loaded_ && !isMinimized()) LayOut();
}

void frmDraftStrategies::LayOut() {
  const int32_t w = width();
  const int32_t h = height();
  if (w < 100 || h < 100) return;
  picTabStrat_->setGeometry(0, 0, w, kTabHeight);
  picStrategy_->setGeometry(0, kTabHeight, w, h - kTabHeight);
  const int32_t ph = picStrategy_->height();
  const int32_t gridTop = kGap + kMiniHeight + kGap;
  const int32_t barTop = ph - kGap - kDescriptionHeight - kHeadingHeight - kGap - kBarHeight;
  picMini_->move(std::max(w - picMini_->width() - kGap, kGap), kGap);
  picGridView_->setGeometry(kGap, gridTop, w - 2 * kGap, std::max(barTop - gridTop - kGap, 40));
  flxDraft_->setGeometry(0, 0, picGridView_->width(), picGridView_->height());
  picAR_->move(kGap, barTop);
  lblHeadingB_->setGeometry(kGap + 2, barTop + kBarHeight + kGap, 200, kHeadingHeight);
  txtDescription_->setGeometry(kGap, ph - kGap - kDescriptionHeight, w - 2 * kGap, kDescriptionHeight);
  if (mTab_->Tabs() > 0) {
    picStrategy_->Cls();  // the frame drawn at the former size goes
    mTab_->DrawFullToolbar();
    mTab_->RedrawBorder(controller_->CurrentTab());
    mTab_->RefreshTab();
    mTab_->RefreshBorder();
  }
}

}  // namespace editors_strategy_ui
