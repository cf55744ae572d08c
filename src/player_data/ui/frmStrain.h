#pragma once
// The projection-strain file dialog, "Create Projection Strain File": the
// projected-stats file to take the strain from (Browse), the destination
// (the folder box beside it opens the save dialog), the source site written
// into the file, OK and Cancel. Modal over the main window, opened from the
// File menu; every click goes to clsUIStrain. Enter answers OK, Escape and
// the close box Cancel; the folder box takes the focus by Tab and opens the
// save dialog with Space.

#include <QDialog>
#include <QTimer>
#include <memory>

#include "editors/projected_stats/clsUIStrain.h"

class PictureBox;
class QLabel;
class QLineEdit;
class clsButton;

namespace editors_projected_stats_ui {

class frmStrain : public QDialog {
  Q_OBJECT

 public:
  explicit frmStrain(QWidget* owner);
  ~frmStrain() override;

  // Shows the dialog modally over `owner` and returns when it closed.
  static void Open(QWidget* owner);

  const clsUIStrain& Controller() const { return strain_; }
  QLabel* lblSt() const { return lblSt_; }
  QLabel* lblDs() const { return lblDs_; }
  PictureBox* picDs() const { return picDs_; }
  QLineEdit* txtURL() const { return txtURL_; }
  clsButton* mSt() const { return mSt_.get(); }
  clsButton* mOK() const { return mOK_.get(); }

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowState();
  void mOK_Click(int32_t index);

  clsUIStrain strain_;
  QLabel* lblSt_;
  PictureBox* picSt_;
  QTimer* timSt_;
  QLabel* lblDs_;
  PictureBox* picDs_;
  QLineEdit* txtURL_;
  PictureBox* picOK_;
  QTimer* timOK_;
  std::unique_ptr<clsButton> mSt_;
  std::unique_ptr<clsButton> mOK_;
};

// Registers the dialog for File > Create Projection Strain File.
void RegisterStrainWindow();

}  // namespace editors_projected_stats_ui
