#pragma once
// The project page's window (page code 0): the tab strip, the page grid,
// the display-grid box and "Change Display Grid" button of the preview
// tabs, and the mock-draft type and view row. It lays the controls out for
// the tab shown and forwards every event to the controller
// (clsUICheatSheet), which does the work.

#include <QTimer>
#include <array>
#include <memory>

#include "project_page/CheatSheetPageView.h"
#include "project_page/clsUICheatSheet.h"
#include "shell/ui/frmPage.h"

class FlexGridImagePicture;
class FlexGridWidget;
class PictureBox;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class EditFlexGridWidgets;
class QRadioButton;
class QToolButton;
class clsTabStrip;

namespace project_page_ui {

class frmCheatSheetMDI : public shell_ui::frmPage, public CheatSheetPageView {
  Q_OBJECT

 public:
  explicit frmCheatSheetMDI(QWidget* parent);
  ~frmCheatSheetMDI() override;

  clsUICheatSheet& Controller() { return controller_; }
  clsTabStrip* TabStrip() const { return tab_; }
  FlexGridWidget* flxCheat() const { return flxCheat_; }
  QLabel* lblDisplayGrid() const { return lblDisplayGrid_; }
  QToolButton* picDis() const { return picDis_; }
  QRadioButton* optAuto() const { return optAuto_; }
  QRadioButton* optUGM() const { return optUGM_; }
  QCheckBox* Option1(int32_t index) const { return option1_.at(static_cast<std::size_t>(index)); }
  QFrame* picInstruction() const { return picInstruction_; }
  QLabel* lblDetails() const { return lblDetails_; }
  QLineEdit* txtCheat() const { return txtCheat_; }
  QListWidget* lstPos() const { return lstPos_; }

  // CheatSheetPageView.
  void LayOutForTab(int32_t tab) override;
  void SetTabSelected(int32_t tab, bool selected) override;
  void ShowDisplayGridName(const std::string& name) override;
  void ShowMockType(int32_t mockType) override;
  void SetBusy(bool busy) override;
  void RepaintMain() override;
  bool ChooseDisplayGridFile(std::string& name) override;
  void ShowPropertyTextBox(int32_t row, const std::string& text) override;
  void HidePropertyTextBox() override;
  int32_t ChooseColour(int32_t colour) override;
  std::shared_ptr<const FlexGridPicture> ColourSwatch(int32_t colour, int32_t back) override;
  std::shared_ptr<const FlexGridPicture> FilesPicture(int32_t index) override;
  std::string SelectProjectFile(int32_t fileType) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetMockDisplayView(int32_t view);
  void Option1_Click(int32_t index);
  void MockTypeClicked(int32_t mockType, bool checked);

  clsUICheatSheet controller_;
  PictureBox* picTabCheat_ = nullptr;
  PictureBox* picCheat_ = nullptr;
  QTimer timTabCheat_;
  clsTabStrip* tab_ = nullptr;
  FlexGridWidget* flxCheat_ = nullptr;
  QLabel* lblDisplayGrid_ = nullptr;
  QToolButton* picDis_ = nullptr;
  QFrame* picInstruction_ = nullptr;
  QLabel* lblDetails_ = nullptr;
  QLineEdit* txtEdit_ = nullptr;   // the grid editor's own text box (no column uses it)
  QLineEdit* txtCheat_ = nullptr;  // Additional Players
  QListWidget* lstPos_ = nullptr;
  std::unique_ptr<EditFlexGridWidgets> parts_;
  std::array<std::shared_ptr<const FlexGridImagePicture>, 5> filesPictures_{};
  QLabel* lblDis_ = nullptr;
  QLabel* label1_ = nullptr;
  QRadioButton* optAuto_ = nullptr;
  QRadioButton* optUGM_ = nullptr;
  std::array<QCheckBox*, 2> option1_{};
  bool settingMockType_ = false;
};

// Registers the project page with the main window.
void RegisterWindows();

}  // namespace project_page_ui
