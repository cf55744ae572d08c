#include "editors/strategy/ui/frmDraftStrategies.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <algorithm>

#include "core/PageCode.h"
#include "editors/strategy/clsUIStrategy.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/ui/EditFlexGridWidgets.h"

namespace editors_strategy_ui {

namespace {

constexpr int32_t kButtonWidth = 72;
constexpr int32_t kRuleBarHeight = 30;
constexpr int32_t kMiniHeight = 18;

}  // namespace

frmDraftStrategies::frmDraftStrategies(QWidget* parent)
    : frmPageWindow(parent, kPageDraftStrategies),
      picStrategy_(AddTabbedPanel([this](int32_t i) { controller_->mTab_Click(i); })),
      picGridView_(new PictureBox(picStrategy_)),
      editor_(AddEditedGrid(picGridView_, kGridCombo | kGridList | kGridMultiList)),
      mMb_(AddMiniBar(picStrategy_, kMiniHeight, 2)),
      mAR_(AddButtonBar(picStrategy_, kButtonWidth, {"Add Rule", "Remove Rule", "Move Up", "Move Down"},
                        4 * (kButtonWidth + 9) + 10, kRuleBarHeight)),
      lblHeadingB_(AddTitle(picStrategy_, "Description")),
      txtDescription_(new QPlainTextEdit(picStrategy_)) {
  // A description is a line or two of prose: Tab goes on to the next
  // control, as in every other box, instead of typing a tab into the text.
  txtDescription_->setTabChangesFocus(true);

  connect(mAR_, &clsButton::Click, this, [this](int32_t i) { controller_->mAR_Click(i); });
  connect(mMb_, &clsMiniBar::Click, this, [this](int32_t i) {
    mMb_->SetEnabled(false);
    controller_->mMb_Click(i);
    mMb_->SetEnabled(true);
  });
  connect(txtDescription_, &QPlainTextEdit::textChanged, this, [this] {
    if (!describing_) controller_->mTxtDescription_Change(txtDescription_->toPlainText().toStdString());
  });
  // The mini bar stands above the grid: Tab reaches it first.
  setTabOrder(mMb_->OPPicture(), editor_.grid);
  StartLayout();
}

void frmDraftStrategies::SetRuleButtonEnabled(int32_t index, bool enabled) {
  mAR_->SetButtonEnabled(index, enabled);
}

void frmDraftStrategies::SetDescription(const std::string& text) {
  describing_ = true;
  txtDescription_->setPlainText(QString::fromStdString(text));
  describing_ = false;
}

int32_t frmDraftStrategies::ListAreaHeight() const { return runtime::PixelsToTwips(picGridView_->height()); }

void frmDraftStrategies::LayOut() {
  constexpr int32_t kDescriptionHeight = 60;
  constexpr int32_t kLabelHeight = 18;
  const int32_t w = width();
  PlaceTabbedPanel(controller_->CurrentTab());
  const int32_t ph = picStrategy_->height();
  const int32_t gridTop = kGap + kMiniHeight + kGap;
  const int32_t barTop = ph - kGap - kDescriptionHeight - kLabelHeight - kGap - kRuleBarHeight;
  PictureBox* picMini = mMb_->OPPicture();
  picMini->move(std::max(w - picMini->width() - kGap, kGap), kGap);
  picGridView_->setGeometry(kGap, gridTop, w - 2 * kGap, std::max(barTop - gridTop - kGap, 40));
  editor_.grid->setGeometry(0, 0, picGridView_->width(), picGridView_->height());
  mAR_->PictureControl()->move(kGap, barTop);
  lblHeadingB_->setGeometry(kGap + 2, barTop + kRuleBarHeight + kGap, 200, kLabelHeight);
  txtDescription_->setGeometry(kGap, ph - kGap - kDescriptionHeight, w - 2 * kGap, kDescriptionHeight);
}

void RegisterWindows() { shell_ui::RegisterPageWindow<frmDraftStrategies>(kPageDraftStrategies); }

}  // namespace editors_strategy_ui
