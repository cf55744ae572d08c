#pragma once
// The display-grid page's window "Display Grid Editor": the preview under
// "Actual Grid View", the category list with its ticks, the column list
// with its in-place editors and the Move Up / Move Down buttons. It lays
// them out and hands every event to the controller (clsUIDisplayEditor),
// which also answers the page switch, the close question and the File menu.

#include "editors/display_grid/DisplayEditorView.h"
#include "editors/display_grid/clsUIDisplayEditor.h"
#include "shell/ui/frmPageFrame.h"

namespace editors_display_grid_ui {

class frmDisplayEditor : public shell_ui::frmPageWindow<clsUIDisplayEditor, DisplayEditorView> {
  Q_OBJECT

 public:
  explicit frmDisplayEditor(QWidget* parent);

  // DisplayEditorView
  void HoldOffCategoryList() override;
  void SetMoveButtons(bool upEnabled, bool downEnabled) override;
  int32_t ColumnListVisibleRows() const override;

  // The controls, for tests.
  FlexGridWidget* flxPlayer() const { return editor_.grid; }
  FlexGridWidget* flxStatCats() const { return flxStatCats_; }
  FlexGridWidget* flxExample() const { return flxExample_; }
  clsButton* mUpDown() const { return mUpDown_; }

 private:
  void LayOut() override;
  void TakePreviewWidths();

  FlexGridWidget* flxExample_;
  QLabel* lblExample_;
  FlexGridWidget* flxStatCats_;
  const EditedGrid editor_;  // the columns
  clsButton* mUpDown_;
  QTimer timSize_;
  QTimer timFix_;
};

// Registers the display-grid page with the main window.
void RegisterWindows();

}  // namespace editors_display_grid_ui
