#include "player_data/ui/frmMsgUpdate.h"

#include <QCheckBox>
#include <QLabel>

#include "shell/ui/RealSeams.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basFormLook.h"

namespace player_data_ui {

namespace {

constexpr int32_t kWidth = 380;
constexpr int32_t kMargin = 12;
constexpr int32_t kBarWidth = 162;
constexpr int32_t kBarHeight = 30;
constexpr int32_t kBarTop = kMargin + 48 + 22 * clsStrainUpdatePrompt::kOptionCount + 8;

}  // namespace

frmMsgUpdate::frmMsgUpdate(clsStrainUpdatePrompt& prompt, QWidget* owner)
    : frmDialogWindow(prompt, owner),
      lblFile_(new PlainLabel(this)),
      mBtn_(AddAnswerBar(QRect(kWidth - kMargin - kBarWidth, kBarTop, kBarWidth, kBarHeight), {"OK", "Cancel"},
                         true)) {
  auto* heading = new PlainLabel("A newer projection strain file is available:", this);
  heading->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, 18);
  lblFile_->setFont(basFormLook::FormFont("Arial", true));
  lblFile_->setText(QString::fromStdString(controller_.FileLabel()));
  lblFile_->setGeometry(kMargin + 12, kMargin + 20, kWidth - 2 * kMargin - 12, 18);
  for (int32_t i = 0; i < clsStrainUpdatePrompt::kOptionCount; ++i) {
    auto* box = new QCheckBox(clsStrainUpdatePrompt::CheckCaption(i), this);
    box->setGeometry(kMargin, kMargin + 48 + 22 * i, kWidth - 2 * kMargin, 20);
    chkM_[static_cast<std::size_t>(i)] = box;
    // The prompt decides: a click on a greyed box changes nothing, box 0
    // greys or frees the others.
    connect(box, &QCheckBox::clicked, this, [this, i](bool) {
      controller_.ClickCheck(i);
      ShowOptions();
    });
  }
  setFixedSize(kWidth, kBarTop + kBarHeight + kMargin);
  ShowOptions();
}

void frmMsgUpdate::ShowOptions() {
  for (int32_t i = 0; i < clsStrainUpdatePrompt::kOptionCount; ++i) {
    QCheckBox* box = chkM_[static_cast<std::size_t>(i)];
    box->setChecked(controller_.Checked(i));
    box->setEnabled(controller_.Enabled(i));
  }
}

void frmMsgUpdate::Answer(int32_t index) { controller_.mBtn_Click(index); }

void StrainUpdatePromptWindow::ShowModal(clsStrainUpdatePrompt& prompt) {
  frmMsgUpdate window(prompt, shell_ui::OwnerWindow());
  window.ShowModal();
}

}  // namespace player_data_ui
