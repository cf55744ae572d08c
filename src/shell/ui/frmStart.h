#pragma once
// The first-run window: asks for the two update options before the
// settings file is first written. Both boxes start ticked. However the
// window closes ("OK", the title bar's close box or Escape), the boxes as
// shown are stored in settings 27 (application check) and 1 (player
// check), so the question never comes back once the file is written.

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

class PictureBox;
class QCheckBox;
class QKeyEvent;
class clsButton;

namespace shell_ui {

class frmStart : public QDialog {
  Q_OBJECT

 public:
  explicit frmStart(QWidget* owner = nullptr);
  ~frmStart() override;

  void done(int result) override;

  QCheckBox* chkM(int32_t index) const { return chkM_.at(static_cast<std::size_t>(index)); }
  PictureBox* picBtn() const { return picBtn_; }
  clsButton* mBtn() const { return mBtn_.get(); }

 protected:
  // Enter confirms, as "OK" does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::array<QCheckBox*, 2> chkM_{};
  PictureBox* picBtn_;
  QTimer* timBtn_;
  std::unique_ptr<clsButton> mBtn_;
};

}  // namespace shell_ui
