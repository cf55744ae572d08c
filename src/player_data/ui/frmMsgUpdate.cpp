#include "player_data/ui/frmMsgUpdate.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

#include "player_data/clsStrainUpdatePrompt.h"
#include "shell/ui/RealSeams.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace player_data_ui {

namespace {

constexpr int32_t kWidth = 380;
constexpr int32_t kMargin = 12;
constexpr int32_t kBarWidth = 162;
constexpr int32_t kBarHeight = 30;

}  // namespace

frmMsgUpdate::frmMsgUpdate(clsStrainUpdatePrompt& prompt, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      prompt_(prompt),
      lblFile_(new QLabel(this)),
      picBtn_(new PictureBox(this)),
      timBtn_(new QTimer(this)),
      mBtn_(std::make_unique<clsButton>()) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle(clsStrainUpdatePrompt::kCaption);

  auto* heading = new QLabel("A newer projection strain file is available:", this);
  heading->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, 18);
  lblFile_->setTextFormat(Qt::PlainText);
  lblFile_->setFont(basFormLook::FormFont("Arial", true));
  lblFile_->setText(QString::fromStdString(prompt_.FileLabel()));
  lblFile_->setGeometry(kMargin + 12, kMargin + 20, kWidth - 2 * kMargin - 12, 18);
  for (int32_t i = 0; i < clsStrainUpdatePrompt::kOptionCount; ++i) {
    auto* box = new QCheckBox(clsStrainUpdatePrompt::CheckCaption(i), this);
    box->setGeometry(kMargin, kMargin + 48 + 22 * i, kWidth - 2 * kMargin, 20);
    chkM_[static_cast<std::size_t>(i)] = box;
    // The prompt decides: a click on a greyed box changes nothing, box 0
    // greys or frees the others.
    connect(box, &QCheckBox::clicked, this, [this, i](bool) {
      prompt_.ClickCheck(i);
      ShowOptions();
    });
  }
  const int32_t barTop = kMargin + 48 + 22 * clsStrainUpdatePrompt::kOptionCount + 8;
  picBtn_->setGeometry(kWidth - kMargin - kBarWidth, barTop, kBarWidth, kBarHeight);
  basButtonMocks::SetUpOKCancelButtons(*mBtn_, picBtn_, timBtn_);
  connect(mBtn_.get(), &clsButton::Click, this, &frmMsgUpdate::mBtn_Click);
  setFixedSize(kWidth, barTop + kBarHeight + kMargin);
  ShowOptions();
}

frmMsgUpdate::~frmMsgUpdate() { timBtn_->stop(); }

void frmMsgUpdate::ShowOptions() {
  for (int32_t i = 0; i < clsStrainUpdatePrompt::kOptionCount; ++i) {
    QCheckBox* box = chkM_[static_cast<std::size_t>(i)];
    box->setChecked(prompt_.Checked(i));
    box->setEnabled(prompt_.Enabled(i));
  }
}

void frmMsgUpdate::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    mBtn_Click(0);
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmMsgUpdate::mBtn_Click(int32_t index) {
  prompt_.mBtn_Click(index);
  if (prompt_.Closed()) accept();
}

void frmMsgUpdate::done(int result) {
  // The close box and Escape: the answer stays "cancel".
  prompt_.CloseWindow();
  timBtn_->stop();
  QDialog::done(result);
}

void StrainUpdatePromptWindow::ShowModal(clsStrainUpdatePrompt& prompt) {
  QWidget* owner = shell_ui::OwnerWindow();
  frmMsgUpdate window(prompt, owner);
  basFormLook::CentreOver(&window, owner);
  window.exec();
}

}  // namespace player_data_ui
