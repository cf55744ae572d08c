#include "player_data/ui/frmUpdate.h"

#include "platform/flexgrid/widget/FlexGridImagePicture.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "player_data/clsPlayerUpdate.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

using basFormLook::Px;

namespace {

constexpr int32_t kClientWidthTwips = 7950;
constexpr int32_t kClientHeightTwips = 5100;
constexpr int32_t kMargin = 120;
constexpr int32_t kBarTop = 4500;
constexpr int32_t kBarHeight = 420;
constexpr int32_t kBarWidth = 2580;  // two buttons with the bar's gaps round them
constexpr int32_t kButtonWidth = 76;  // pixels

std::shared_ptr<const FlexGridPicture> Glyph(int32_t id) {
  return std::make_shared<FlexGridImagePicture>(basBitmapResource::Load(id));
}

}  // namespace

frmUpdate::frmUpdate(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      flxUpd_(new FlexGridWidget(this)),
      picSel_(new PictureBox(this)),
      picOK_(new PictureBox(this)),
      timSel_(new QTimer(this)),
      timOK_(new QTimer(this)),
      mSel_(std::make_unique<clsButton>()),
      mOK_(std::make_unique<clsButton>()),
      logic_(flxUpd_->Model(), Glyph(kUntickedBitmap), Glyph(kTickedBitmap)) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setModal(true);
  setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
  flxUpd_->setGeometry(Px(kMargin), Px(kMargin), Px(kClientWidthTwips - 2 * kMargin), Px(kBarTop - 2 * kMargin));
  picSel_->setGeometry(Px(kMargin), Px(kBarTop), Px(kBarWidth), Px(kBarHeight));
  picOK_->setGeometry(Px(kClientWidthTwips - kMargin - kBarWidth), Px(kBarTop), Px(kBarWidth), Px(kBarHeight));
  connect(flxUpd_, &FlexGridWidget::Click, this, &frmUpdate::flxUpd_Click);
  // Space ticks the current row, as a click on its box does, so files can be
  // chosen one by one without a mouse.
  flxUpd_->SetSpaceClick(clsUIUpdate::kColTick, [this](int32_t row, int32_t col) { logic_.CellClicked(row, col); });
  connect(mSel_.get(), &clsButton::Click, this, &frmUpdate::mSel_Click);
  connect(mOK_.get(), &clsButton::Click, this, &frmUpdate::mOK_Click);
  basButtonMocks::SetUpButtonBar(*mSel_, picSel_, timSel_, kButtonWidth, {"Select All", "Clear"}, false);
  basButtonMocks::SetUpButtonBar(*mOK_, picOK_, timOK_, kButtonWidth, {"OK", "Cancel"}, false);
}

frmUpdate::~frmUpdate() = default;

void frmUpdate::SetUC(std::shared_ptr<clsPlayerUpdate> run) {
  logic_.SetUC(std::move(run));
  setWindowTitle(QString::fromStdString(logic_.Caption()));
}

void frmUpdate::flxUpd_Click() { logic_.CellClicked(flxUpd_->MouseRow(), flxUpd_->MouseCol()); }

void frmUpdate::mSel_Click(int32_t index) { logic_.mSel_Click(index); }

void frmUpdate::mOK_Click(int32_t index) {
  logic_.mOK_Click(index);
  if (index == 0) {
    accept();
  } else {
    reject();
  }
}
