#include "editors/projected_stats/ui/frmProInfo.h"

#include <QCheckBox>
#include <QLabel>

#include "editors/projected_stats/clsUIProInfo.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace editors_projected_stats_ui {

namespace {

constexpr int32_t kMargin = 12;
constexpr int32_t kRowHeight = 28;  // 420 twips
constexpr int32_t kPropWidth = 180;
constexpr int32_t kValueWidth = 230;
constexpr int32_t kButtonWidth = 72;
constexpr int32_t kBarHeight = 26;
constexpr int32_t kWidth = kMargin + kPropWidth + kValueWidth + 8 + kButtonWidth + 10 + kMargin;

}  // namespace

frmProInfo::frmProInfo(clsUIProInfo& window, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      window_(window),
      chkOW_(new QCheckBox("DO NOT overwrite any modified players.", this)),
      picBtn_(new PictureBox(this)),
      timBtn_(new QTimer(this)),
      mBtn_(std::make_unique<clsButton>()) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle(clsUIProInfo::kCaption);

  const int32_t valueLeft = kMargin + kPropWidth;
  const int32_t buttonLeft = valueLeft + kValueWidth + 8;
  for (int32_t row = 0; row < clsUIProInfo::kRows; ++row) {
    const auto k = static_cast<std::size_t>(row);
    const int32_t top = kMargin + row * kRowHeight;
    lblProp_[k] = new QLabel(clsUIProInfo::PropertyCaption(row), this);
    lblProp_[k]->setGeometry(kMargin, top + 4, kPropWidth - 6, 20);
    lblProp_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVal_[k] = new QLabel(this);
    lblVal_[k]->setTextFormat(Qt::PlainText);
    lblVal_[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblVal_[k]->setGeometry(valueLeft, top + 4, kValueWidth, 20);
    const std::string caption = clsUIProInfo::ButtonCaption(row);
    if (caption.empty()) continue;
    picRow_[k] = new PictureBox(this);
    picRow_[k]->setGeometry(buttonLeft, top, kButtonWidth + 10, kBarHeight);
    timRow_[k] = new QTimer(this);
    mRow_[k] = std::make_unique<clsButton>();
    basButtonMocks::SetUpButtonBar(*mRow_[k], picRow_[k], timRow_[k], kButtonWidth, {caption}, false);
    connect(mRow_[k].get(), &clsButton::Click, this, [this, row](int32_t) { RowClicked(row); });
  }

  int32_t top = kMargin + clsUIProInfo::kRows * kRowHeight + 6;
  chkOW_->setGeometry(valueLeft, top, kValueWidth + kButtonWidth, 20);
  chkOW_->setChecked(window_.KeepModified());
  connect(chkOW_, &QCheckBox::toggled, this, [this](bool on) { window_.SetKeepModified(on); });
  top += kRowHeight;
  auto* note = new QLabel("* All changes made in this window are permenant.", this);
  note->setGeometry(kMargin, top + 4, kPropWidth + kValueWidth, 20);
  picBtn_->setGeometry(buttonLeft, top, kButtonWidth + 10, kBarHeight);
  basButtonMocks::SetUpButtonBar(*mBtn_, picBtn_, timBtn_, kButtonWidth, {"Close"}, false);
  connect(mBtn_.get(), &clsButton::Click, this, [this](int32_t) { accept(); });
  setFixedSize(kWidth, top + kBarHeight + kMargin);
  ShowValues();
}

frmProInfo::~frmProInfo() {
  for (QTimer* timer : timRow_)
    if (timer != nullptr) timer->stop();
  timBtn_->stop();
}

void frmProInfo::ShowValues() {
  for (int32_t row = 0; row < clsUIProInfo::kRows; ++row)
    lblVal_[static_cast<std::size_t>(row)]->setText(QString::fromStdString(" " + window_.Value(row)));
}

void frmProInfo::RowClicked(int32_t row) {
  switch (row) {
    case clsUIProInfo::kMasterYear:
      window_.mMY_Click();
      break;
    case clsUIProInfo::kMasterVersion:
      window_.mMV_Click();
      break;
    case clsUIProInfo::kStrainName:
      window_.mSN_Click();
      break;
    case clsUIProInfo::kStrainVersion:
      window_.mSV_Click();
      break;
    case clsUIProInfo::kADPFile:
      window_.mADP_Click();
      break;
    default:
      return;
  }
  ShowValues();
}

void frmProInfo::done(int result) {
  window_.mBtn_Click();
  for (QTimer* timer : timRow_)
    if (timer != nullptr) timer->stop();
  timBtn_->stop();
  QDialog::done(result);
}

}  // namespace editors_projected_stats_ui
