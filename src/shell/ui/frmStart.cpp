#include "shell/ui/frmStart.h"

#include <QCheckBox>
#include <QLabel>

#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/clsButton.h"

namespace shell_ui {

frmStart::frmStart(QWidget* owner)
    : frmDialogFrame(owner, "Kickwell Draftyard Update Options"),
      mBtn_(AddAnswerBar(QRect(400 - 72 - 16 - 5, 92, 72 + 10, 30), {"OK"}, true)) {
  setFixedSize(400, 130);
  auto* label = new PlainLabel("Please confirm the following update options.", this);
  label->setGeometry(16, 12, 370, 16);
  const char* captions[] = {"Check for application update when Kickwell Draftyard starts",
                            "Check for player updates when Kickwell Draftyard starts"};
  for (int32_t i = 0; i < 2; ++i) {
    chkM_[static_cast<std::size_t>(i)] = new QCheckBox(captions[i], this);
    chkM_[static_cast<std::size_t>(i)]->setGeometry(24, 36 + 22 * i, 370, 20);
    chkM_[static_cast<std::size_t>(i)]->setChecked(true);
  }
}

PictureBox* frmStart::picBtn() const { return mBtn_->PictureControl(); }

void frmStart::Closing() {
  clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
  settings.SetBoolVal(kSetCheckApplicationUpdate, chkM_[0]->isChecked());
  settings.SetBoolVal(kSetCheckPlayerUpdates, chkM_[1]->isChecked());
}

}  // namespace shell_ui
