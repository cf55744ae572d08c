#pragma once
// The display-grid page's window "Display Grid Editor": the preview under
// "Actual Grid View", the category list with its ticks, the column list
// with its in-place editors and the Move Up / Move Down buttons. It lays
// them out and hands every event to the controller (clsUIDisplayEditor),
// which also answers the page switch, the close question and the File menu.

#include <QTimer>
#include <memory>

#include "editors/display_grid/DisplayEditorView.h"
#include "editors/display_grid/clsUIDisplayEditor.h"
#include "shell/ui/frmPage.h"

class EditFlexGridWidgets;
class FlexGridWidget;
class PictureBox;
class QLabel;
class QLineEdit;
class QListWidget;
class clsButton;

namespace editors_display_grid_ui {

class frmDisplayEditor : public shell_ui::frmPage, public DisplayEditorView {
  Q_OBJECT

 public:
  explicit frmDisplayEditor(QWidget* parent);
  ~frmDisplayEditor() override;

  clsUIDisplayEditor& Controller() { return controller_; }
  FlexGridWidget* flxPlayer() const { return flxPlayer_; }
  FlexGridWidget* flxStatCats() const { return flxStatCats_; }
  FlexGridWidget* flxExample() const { return flxExample_; }
  clsButton* mUpDown() const { return mUpDown_.get(); }

  // DisplayEditorView
  void SetMoveButtons(bool upEnabled, bool downEnabled) override;
  int32_t ColumnListVisibleRows() const override;
  void HoldOffCategoryList() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();
  void TakePreviewWidths();

  FlexGridWidget* flxExample_;
  QLabel* lblExample_;
  FlexGridWidget* flxStatCats_;
  FlexGridWidget* flxPlayer_;
  QLineEdit* txtPlayer_;
  QListWidget* lstPlayer_;
  PictureBox* picUpDown_;
  PictureBox* picUnchecked_;
  PictureBox* picChecked_;
  QTimer timUpDown_;
  QTimer timSize_;
  QTimer timFix_;
  std::unique_ptr<clsButton> mUpDown_;
  std::unique_ptr<EditFlexGridWidgets> parts_;
  clsUIDisplayEditor controller_;
};

// Registers the display-grid page with the main window.
void RegisterWindows();

}  // namespace editors_display_grid_ui
