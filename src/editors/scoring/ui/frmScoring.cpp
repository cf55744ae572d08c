#include "editors/scoring/ui/frmScoring.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "core/PageCode.h"
#include "editors/scoring/clsUIScoringSystem2.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"
#include "toolkit/ui/basFormLook.h"

namespace editors_scoring_ui {

namespace {

constexpr int32_t kButtonWidth = 44;
constexpr int32_t kCategoryWidth = 3825 / 15;  // the category list's width

}  // namespace

frmScoring::frmScoring(QWidget* parent)
    : frmPageWindow(parent, kPageScoringSystem),
      picScore_(AddTabbedPanel([this](int32_t i) { controller_->mTab_Click(i); })),
      lblHeadingA_(AddTitle(picScore_, "Scoring Categories")),
      flxScoCat_(new FlexGridWidget(picScore_)),
      lblHeadingB_(AddTitle(picScore_, "Scoring Rules")),
      editor_(AddEditedGrid(picScore_, kGridCombo | kGridList)),
      mRule_(AddButtonBar(picScore_, kButtonWidth, {"> Add"}, kButtonWidth + 16, kBarHeight)),
      mRem_(AddButtonBar(picScore_, kButtonWidth, {"< Del"}, kButtonWidth + 16, kBarHeight)),
      lblRule_(AddTitle(picScore_, "")),
      mMb_(AddMiniBar(picScore_, 22, 2)) {
  // Each click toggles a position; the list stays open until its cell is left.
  editor_.list->setSelectionMode(QAbstractItemView::MultiSelection);

  connect(mRule_, &clsButton::Click, this, [this](int32_t i) { controller_->mRule_Click(i); });
  connect(mRem_, &clsButton::Click, this, [this](int32_t i) { controller_->mRem_Click(i); });
  connect(mMb_, &clsMiniBar::Click, this, [this](int32_t i) {
    mMb_->SetEnabled(false);
    controller_->mMb_Click(i);
    mMb_->SetEnabled(true);
  });
  flxScoCat_->SetRowList(true);
  connect(flxScoCat_, &FlexGridWidget::Picked, this, [this](int32_t row, int32_t) { controller_->mFlxScoCat_Click(row); });
  // Tab follows the page as it reads (the controls were made in another
  // order): the categories, Add and Del beside them, then the rules from
  // their tool bar down.
  basFormLook::SetTabChain(
      {flxScoCat_, mRule_->PictureControl(), mRem_->PictureControl(), mMb_->OPPicture(), editor_.grid});
  StartLayout();
}

FlexGridModel& frmScoring::CategoryGrid() { return flxScoCat_->Model(); }

void frmScoring::SetAddEnabled(bool enabled) { mRule_->SetButtonEnabled(0, enabled); }
void frmScoring::SetDelEnabled(bool enabled) { mRem_->SetButtonEnabled(0, enabled); }
void frmScoring::SetRuleLabel(const std::string& text) { lblRule_->setText(QString::fromStdString(text)); }

void frmScoring::LayOut() {
  const int32_t w = width();
  PlaceTabbedPanel(controller_->CurrentTab());
  const int32_t ph = picScore_->height();
  const int32_t gridTop = kHeadingHeight;
  const int32_t catWidth = std::min(kCategoryWidth, std::max(w / 3, 80));
  const int32_t barLeft = kGap + catWidth + kGap;
  PictureBox* picRule = mRule_->PictureControl();
  PictureBox* picMini = mMb_->OPPicture();
  const int32_t ruleLeft = barLeft + picRule->width() + kGap;
  const int32_t gridHeight = std::max(ph - gridTop - kGap, 40);

  lblHeadingA_->setGeometry(kGap + 2, 4, catWidth, kHeadingHeight - 6);
  flxScoCat_->setGeometry(kGap, gridTop, catWidth, gridHeight);
  picRule->move(barLeft, gridTop + 40);
  mRem_->PictureControl()->move(barLeft, gridTop + 40 + kBarHeight + kGap);
  lblHeadingB_->setGeometry(ruleLeft + 2, 4, 140, kHeadingHeight - 6);
  picMini->move(std::max(w - picMini->width() - kGap, ruleLeft), 1);
  lblRule_->setGeometry(ruleLeft + 150, 4, std::max(w - ruleLeft - 160 - picMini->width(), 40), kHeadingHeight - 6);
  editor_.grid->setGeometry(ruleLeft, gridTop, std::max(w - ruleLeft - kGap, 80), gridHeight);
  editor_.list->resize(runtime::TwipsToPixels(1400), editor_.list->sizeHintForRow(0) * kListRows + 4);
}

void RegisterWindows() { shell_ui::RegisterPageWindow<frmScoring>(kPageScoringSystem); }

}  // namespace editors_scoring_ui
