#include "player_data/ui/frmProInfo.h"

#include <QCheckBox>
#include <QLabel>

#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/clsButton.h"

namespace player_data_ui {

namespace {

constexpr int32_t kMargin = 12;
constexpr int32_t kRowHeight = 28;  // 420 twips
constexpr int32_t kPropWidth = 180;
constexpr int32_t kValueWidth = 230;
constexpr int32_t kButtonWidth = 72;
constexpr int32_t kBarHeight = 26;
constexpr int32_t kValueLeft = kMargin + kPropWidth;
constexpr int32_t kButtonLeft = kValueLeft + kValueWidth + 8;
constexpr int32_t kWidth = kButtonLeft + kButtonWidth + 10 + kMargin;
constexpr int32_t kCheckTop = kMargin + clsUIProInfo::kRows * kRowHeight + 6;
constexpr int32_t kNoteTop = kCheckTop + kRowHeight;

}  // namespace

frmProInfo::frmProInfo(clsUIProInfo& window, QWidget* owner)
    : frmDialogWindow(window, owner), chkOW_(nullptr), mBtn_(nullptr) {
  for (int32_t row = 0; row < clsUIProInfo::kRows; ++row) {
    const auto k = static_cast<std::size_t>(row);
    const int32_t top = kMargin + row * kRowHeight;
    lblProp_[k] = new PlainLabel(clsUIProInfo::PropertyCaption(row), this);
    lblProp_[k]->setGeometry(kMargin, top + 4, kPropWidth - 6, 20);
    lblProp_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVal_[k] = AddField(this, QRect(kValueLeft, top + 4, kValueWidth, 20));
    const std::string caption = clsUIProInfo::ButtonCaption(row);
    if (caption.empty()) continue;
    mRow_[k] = AddButtonBar(this, QRect(kButtonLeft, top, kButtonWidth + 10, kBarHeight), kButtonWidth, {caption});
    connect(mRow_[k], &clsButton::Click, this, [this, row](int32_t) { RowClicked(row); });
  }

  // After the rows: the window opens on the first row's button, and Tab goes
  // down the rows to the box and Close, as they read.
  chkOW_ = new QCheckBox("DO NOT overwrite any modified players.", this);
  mBtn_ = AddAnswerBar(QRect(kButtonLeft, kNoteTop, kButtonWidth + 10, kBarHeight), {"Close"}, false);
  chkOW_->setGeometry(kValueLeft, kCheckTop, kValueWidth + kButtonWidth, 20);
  chkOW_->setChecked(controller_.KeepModified());
  connect(chkOW_, &QCheckBox::toggled, this, [this](bool on) { controller_.SetKeepModified(on); });
  auto* note = new PlainLabel("* All changes made in this window are permenant.", this);
  note->setGeometry(kMargin, kNoteTop + 4, kPropWidth + kValueWidth, 20);
  setFixedSize(kWidth, kNoteTop + kBarHeight + kMargin);
  ShowValues();
}

void frmProInfo::ShowValues() {
  for (int32_t row = 0; row < clsUIProInfo::kRows; ++row)
    lblVal_[static_cast<std::size_t>(row)]->setText(QString::fromStdString(" " + controller_.Value(row)));
}

void frmProInfo::RowClicked(int32_t row) {
  switch (row) {
    case clsUIProInfo::kMasterYear:
      controller_.mMY_Click();
      break;
    case clsUIProInfo::kMasterVersion:
      controller_.mMV_Click();
      break;
    case clsUIProInfo::kStrainName:
      controller_.mSN_Click();
      break;
    case clsUIProInfo::kStrainVersion:
      controller_.mSV_Click();
      break;
    case clsUIProInfo::kADPFile:
      controller_.mADP_Click();
      break;
    default:
      return;
  }
  ShowValues();
}

void frmProInfo::Answer(int32_t /*index*/) { controller_.mBtn_Click(); }

}  // namespace player_data_ui
