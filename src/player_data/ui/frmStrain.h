#pragma once
// The projection-strain file dialog, "Create Projection Strain File": the
// projected-stats file to take the strain from (Browse), the destination
// (the folder box beside it opens the save dialog), the source site written
// into the file, OK and Cancel. Modal over the main window, opened from the
// File menu; every click goes to clsUIStrain. Enter answers OK, Escape and
// the close box Cancel; the folder box takes the focus by Tab and opens the
// save dialog with Space.

#include "player_data/dialogs/clsUIStrain.h"
#include "toolkit/ui/frmDialogFrame.h"

class PictureBox;
class QLabel;
class QLineEdit;

namespace player_data_ui {

class frmStrain : public frmDialogWindow<clsUIStrain> {
  Q_OBJECT

 public:
  frmStrain(clsUIStrain& strain, QWidget* owner);

  // Shows the dialog modally over `owner` and returns when it closed.
  static void Open(QWidget* owner);

  QLabel* lblSt() const { return lblSt_; }
  QLabel* lblDs() const { return lblDs_; }
  PictureBox* picDs() const { return picDs_; }
  QLineEdit* txtURL() const { return txtURL_; }
  clsButton* mSt() const { return mSt_; }
  clsButton* mOK() const { return mOK_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Answer(int32_t index) override;

 private:
  void ShowState();

  QLabel* lblSt_;
  clsButton* mSt_;
  QLabel* lblDs_;
  PictureBox* picDs_;
  QLineEdit* txtURL_;
  clsButton* mOK_;
};

}  // namespace player_data_ui
