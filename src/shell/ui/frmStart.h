#pragma once
// The first-run window: asks for the two update options before the
// settings file is first written. Both boxes start ticked. However the
// window closes ("OK", the title bar's close box or Escape), the boxes as
// shown are stored in settings 27 (application check) and 1 (player
// check), so the question never comes back once the file is written.

#include <array>

#include "toolkit/ui/frmDialogFrame.h"

class PictureBox;
class QCheckBox;

namespace shell_ui {

class frmStart : public frmDialogFrame {
  Q_OBJECT

 public:
  explicit frmStart(QWidget* owner = nullptr);

  QCheckBox* chkM(int32_t index) const { return chkM_.at(static_cast<std::size_t>(index)); }
  PictureBox* picBtn() const;
  clsButton* mBtn() const { return mBtn_; }

 protected:
  void Closing() override;

 private:
  // "OK" is the one button: Return answers it from the check boxes too.
  clsButton* mBtn_;
  std::array<QCheckBox*, 2> chkM_{};
};

}  // namespace shell_ui
