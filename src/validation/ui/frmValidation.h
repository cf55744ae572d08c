#pragma once
// The project validation window: runs the whole project check once each
// time it opens, shows its valid, warning and error lines in three lists,
// and exports them as a text report. Modal over its owner.

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

#include "validation/basValidationReport.h"
#include "validation/clsProjectValidation.h"

class PictureBox;
class QLabel;
class QListWidget;
class clsButton;

namespace validation_ui {

class frmValidation : public QDialog {
  Q_OBJECT

 public:
  explicit frmValidation(QWidget* owner = nullptr);
  ~frmValidation() override;

  // Shows the window modally over `owner` and returns when it closed.
  static void Open(QWidget* owner);

  // The lists: 0 valid, 1 warnings, 2 errors.
  QListWidget* lstVal(int32_t index) const { return lstVal_.at(static_cast<std::size_t>(index)); }
  QLabel* lblVal(int32_t index) const { return lblVal_.at(static_cast<std::size_t>(index)); }
  PictureBox* picOK() const { return picOK_; }
  clsButton* mOK() const { return mOK_.get(); }
  // True once the check of this opening has finished.
  bool ValidationDone() const { return done_; }
  // Every line of the three lists, as the report takes them.
  basValidationReport::ListLines Lines() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void RunValidation();
  void mOK_Click(int32_t index);

  std::array<QLabel*, 3> lblVal_{};
  std::array<QListWidget*, 3> lstVal_{};
  PictureBox* picOK_;
  QTimer* timOK_;
  std::unique_ptr<clsButton> mOK_;
  clsProjectValidation validation_;
  // Activation comes again after every box shown over the window (the
  // export's questions): the check runs once per opening, not per activation.
  bool validated_ = false;
  bool done_ = false;
};

// Registers the window for the Options menu and the project page.
void RegisterWindows();

}  // namespace validation_ui
