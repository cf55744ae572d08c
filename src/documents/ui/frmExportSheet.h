#pragma once
// The export dialog's window, "Kickwell Draftyard Document Dialog": the
// frames of the document's options laid out for the mode, the colour
// swatches, the Browse and Save/Cancel bars. Every choice goes to
// clsUIExportSheet, which keeps the rules; this window lays out, paints and
// forwards.

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/clsUIExportSheet.h"

class PictureBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;
class clsButton;

namespace documents_ui {

class frmExportSheet : public QDialog, private ExportSheetView {
  Q_OBJECT

 public:
  explicit frmExportSheet(QWidget* owner = nullptr);
  ~frmExportSheet() override;

  // Prepares the dialog for the mode before it is shown.
  void ActivateForm(int32_t mode, int32_t targetIndex, bool colourRows);

  const clsUIExportSheet& Controller() const { return controller_; }

  // The controls, for the window's tests.
  QGroupBox* fraMockType() const { return fraMockType_; }
  QGroupBox* fraMockView() const { return fraMockView_; }
  QGroupBox* fraInclude() const { return fraInclude_; }
  QGroupBox* fraDisplay() const { return fraDisplay_; }
  QGroupBox* fraFileType() const { return fraFileType_; }
  QGroupBox* fraHtml() const { return fraHtml_; }
  QGroupBox* fraTarget() const { return fraTarget_; }
  QRadioButton* optFile(int32_t i) const { return optFile_.at(static_cast<std::size_t>(i)); }
  QRadioButton* optMock(int32_t i) const { return optMock_.at(static_cast<std::size_t>(i)); }
  QRadioButton* Option1(int32_t i) const { return option1_.at(static_cast<std::size_t>(i)); }
  QCheckBox* chkInclude(int32_t i) const { return chkInclude_.at(static_cast<std::size_t>(i)); }
  QCheckBox* chkColour() const { return chkColour_; }
  QCheckBox* chkGridLines() const { return chkGridLines_; }
  QLabel* lblColour(int32_t i) const { return lblColour_.at(static_cast<std::size_t>(i)); }
  PictureBox* picColour(int32_t i) const { return picColour_.at(static_cast<std::size_t>(i)); }
  QComboBox* cmbDisplay() const { return cmbDisplay_; }
  QLineEdit* txtTarget() const { return txtTarget_; }
  clsButton* mSave() const { return mSave_.get(); }
  clsButton* mBrowse() const { return mBrowse_.get(); }

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  void mSave_Click(int32_t index);
  void mBrowse_Click(int32_t index);

 private:
  // ExportSheetView
  void ShowTarget(const std::string& target) override;
  void ShowSwatch(int32_t index, int32_t colour) override;
  void EnableHtmlOptions(bool enabled) override;
  int32_t PickColour(int32_t initial) override;
  void CloseDialog() override;

  std::vector<QWidget*> TabChain() const;
  void FocusFirstControl();
  void ArrangeForMockDraft();
  void ArrangeForGridExport();
  void HideColourRows();
  void ShowChoices();
  // The dialog grows (or shrinks, for a negative dy) at its foot.
  void GrowBy(int32_t dy);

  clsUIExportSheet controller_;
  bool syncing_ = false;

  PictureBox* picProperty_;
  QGroupBox* fraMockType_;
  QGroupBox* fraMockView_;
  QGroupBox* fraInclude_;
  std::array<QRadioButton*, 2> optMock_{};
  std::array<QRadioButton*, 2> option1_{};
  std::array<QCheckBox*, 2> chkInclude_{};
  QGroupBox* fraDisplay_;
  PictureBox* picDis_;
  QComboBox* cmbDisplay_;
  QGroupBox* fraFileType_;
  PictureBox* picExp_;
  std::array<QRadioButton*, 3> optFile_{};
  QGroupBox* fraHtml_;
  QCheckBox* chkColour_;
  std::array<QLabel*, 3> lblColour_{};
  std::array<PictureBox*, 3> picColour_{};
  QCheckBox* chkGridLines_;
  QGroupBox* fraTarget_;
  QLineEdit* txtTarget_;
  PictureBox* picBrowse_;
  QTimer* timBrowse_;
  PictureBox* picSave_;
  QTimer* timSave_;
  std::unique_ptr<clsButton> mSave_;
  std::unique_ptr<clsButton> mBrowse_;
};

// Registers the dialog as the main window's export dialog.
void RegisterWindows();

}  // namespace documents_ui
