#pragma once
// The modeless settings window "Kickwell Draftyard Settings": four tabs
// (General, Projected Stats, Mock Drafts, Display Grids) over a settings
// object of its own (clsUISettings); Save, Defaults and Close below them.
// Escape closes it as Close does. One window at a time: opening it again
// brings the open one forward.

#include <QWidget>
#include <array>
#include <memory>

#include "shell/clsUISettings.h"

class EditFlexGridWidgets;
class FlexGridWidget;
class PictureBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
class clsButton;
class clsTabStrip;

namespace shell_ui {

class frmTSet : public QWidget {
  Q_OBJECT

 public:
  explicit frmTSet(QWidget* owner = nullptr);
  ~frmTSet() override;

  // Shows the one settings window over `owner`, making it when none is open.
  static frmTSet* Open(QWidget* owner);

  clsUISettings& Controller() { return controller_; }
  clsTabStrip* mTab() const { return mTab_.get(); }
  clsButton* mRun() const { return mRun_.get(); }
  PictureBox* picTabCheat() const { return picTabCheat_; }
  PictureBox* picRun() const { return picRun_; }
  QLineEdit* txtUpd(int32_t index) const { return txtUpd_.at(static_cast<std::size_t>(index)); }
  QCheckBox* chkUpd(int32_t index) const { return chkUpd_.at(static_cast<std::size_t>(index)); }
  QLabel* Label1(int32_t index) const { return label1_.at(static_cast<std::size_t>(index)); }
  QGroupBox* fraTab(int32_t index) const { return fraTab_.at(static_cast<std::size_t>(index)); }
  FlexGridWidget* flxCheat() const { return flxCheat_; }
  QListWidget* lstPos() const { return lstPos_; }

  void RedrawBorder();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildFrames();
  void LayoutControls();
  void ShowValues();
  void ShowTab();
  void mTab_Click(int32_t index);
  void mRun_Click(int32_t index);

  clsUISettings controller_;
  PictureBox* picTabCheat_;
  PictureBox* picCheat_;
  QWidget* picUpdate_;
  std::array<QGroupBox*, 3> fraTab_{};
  std::array<QLabel*, 5> label1_{};
  std::array<QLineEdit*, 4> txtUpd_{};
  std::array<QCheckBox*, 11> chkUpd_{};
  FlexGridWidget* flxCheat_;
  QLineEdit* txtCheat_;
  QListWidget* lstPos_;
  PictureBox* picRun_;
  QTimer* timTab_;
  QTimer* timRun_;
  std::unique_ptr<clsTabStrip> mTab_;
  std::unique_ptr<clsButton> mRun_;
  std::unique_ptr<EditFlexGridWidgets> parts_;
};

// Registers the settings window with the main window's Options menu.
void RegisterShellWindows();

}  // namespace shell_ui
