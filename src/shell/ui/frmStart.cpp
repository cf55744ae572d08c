#include "shell/ui/frmStart.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace shell_ui {

frmStart::frmStart(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      picBtn_(new PictureBox(this)),
      timBtn_(new QTimer(this)),
      mBtn_(std::make_unique<clsButton>()) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle("Kickwell Draftyard Update Options");
  setFixedSize(400, 130);
  auto* label = new QLabel("Please confirm the following update options.", this);
  label->setGeometry(16, 12, 370, 16);
  const char* captions[] = {"Check for application update when Kickwell Draftyard starts",
                            "Check for player updates when Kickwell Draftyard starts"};
  for (int32_t i = 0; i < 2; ++i) {
    chkM_[static_cast<std::size_t>(i)] = new QCheckBox(captions[i], this);
    chkM_[static_cast<std::size_t>(i)]->setGeometry(24, 36 + 22 * i, 370, 20);
    chkM_[static_cast<std::size_t>(i)]->setChecked(true);
  }
  picBtn_->setGeometry(400 - 72 - 16 - 5, 92, 72 + 10, 30);
  connect(mBtn_.get(), &clsButton::Click, this, [this](int32_t) { accept(); });
  basButtonMocks::SetUpButtonBar(*mBtn_, picBtn_, timBtn_, 72, {"OK"}, false);
}

frmStart::~frmStart() = default;

void frmStart::keyPressEvent(QKeyEvent* event) {
  // "OK" is the one button: Return answers it from the check boxes too.
  if (clsButton::IsReturnKey(*event)) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmStart::done(int result) {
  clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
  settings.SetBoolVal(kSetCheckApplicationUpdate, chkM_[0]->isChecked());
  settings.SetBoolVal(kSetCheckPlayerUpdates, chkM_[1]->isChecked());
  timBtn_->stop();
  QDialog::done(result);
}

}  // namespace shell_ui
