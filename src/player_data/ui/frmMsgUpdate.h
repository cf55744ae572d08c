#pragma once
// The strain-update prompt, "Projection Strain Update": the newest strain
// file on offer, the three options as check boxes, OK and Cancel. Modal
// over the whole application while the update waits for it; every click
// goes to clsStrainUpdatePrompt, which keeps the options and the answer.
// Enter answers OK; Escape and the close box answer "cancel".

#include <array>

#include "player_data/StrainUpdatePromptView.h"
#include "player_data/clsStrainUpdatePrompt.h"
#include "toolkit/ui/frmDialogFrame.h"

class QCheckBox;
class QLabel;

namespace player_data_ui {

class frmMsgUpdate : public frmDialogWindow<clsStrainUpdatePrompt> {
  Q_OBJECT

 public:
  frmMsgUpdate(clsStrainUpdatePrompt& prompt, QWidget* owner);

  QLabel* lblFile() const { return lblFile_; }
  QCheckBox* chkM(int32_t index) const { return chkM_.at(static_cast<std::size_t>(index)); }
  clsButton* mBtn() const { return mBtn_; }

 protected:
  void Answer(int32_t index) override;

 private:
  void ShowOptions();

  QLabel* lblFile_;
  clsButton* mBtn_;
  std::array<QCheckBox*, clsStrainUpdatePrompt::kOptionCount> chkM_{};
};

// The prompt's real window behind seams::StrainUpdatePrompt().
class StrainUpdatePromptWindow final : public seams::StrainUpdatePromptView {
 public:
  void ShowModal(clsStrainUpdatePrompt& prompt) override;
};

}  // namespace player_data_ui
