#pragma once
// The strain-update prompt, "Projection Strain Update": the newest strain
// file on offer, the three options as check boxes, OK and Cancel. Modal
// over the whole application while the update waits for it; every click
// goes to clsStrainUpdatePrompt, which keeps the options and the answer.
// Enter answers OK; Escape and the close box answer "cancel".

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

#include "player_data/StrainUpdatePromptView.h"

class PictureBox;
class QCheckBox;
class QLabel;
class clsButton;
class clsStrainUpdatePrompt;

namespace player_data_ui {

class frmMsgUpdate : public QDialog {
  Q_OBJECT

 public:
  frmMsgUpdate(clsStrainUpdatePrompt& prompt, QWidget* owner);
  ~frmMsgUpdate() override;

  QLabel* lblFile() const { return lblFile_; }
  QCheckBox* chkM(int32_t index) const { return chkM_.at(static_cast<std::size_t>(index)); }
  clsButton* mBtn() const { return mBtn_.get(); }

  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowOptions();
  void mBtn_Click(int32_t index);

  clsStrainUpdatePrompt& prompt_;
  QLabel* lblFile_;
  std::array<QCheckBox*, 3> chkM_{};
  PictureBox* picBtn_;
  QTimer* timBtn_;
  std::unique_ptr<clsButton> mBtn_;
};

// The prompt's real window behind seams::StrainUpdatePrompt().
class StrainUpdatePromptWindow final : public seams::StrainUpdatePromptView {
 public:
  void ShowModal(clsStrainUpdatePrompt& prompt) override;
};

}  // namespace player_data_ui
