#pragma once
// What the controller of a page with a grid edited in place asks of its
// window, the same on every such page: the grid and its editor controls,
// the pictures its cells show and the tab strip across the top. A page's own
// view derives from it (virtually, so that the window frame
// shell_ui::frmPageFrame answers it once) and adds its own controls. What a
// page has no use for is null or does nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/EditFlexGridParts.h"

class FlexGridModel;
class FlexGridPicture;

class GridPageView {
 public:
  virtual ~GridPageView() = default;

  // The grid and its in-place editors: text box, combo box, single-choice
  // list and check-box list.
  virtual EditFlexGridView* EditGrid() = 0;
  virtual EditFlexTextBox* EditText() = 0;
  virtual EditFlexComboBox* EditCombo() { return nullptr; }
  virtual EditFlexListBox* EditList() { return nullptr; }
  virtual EditFlexListBox* EditCheckList() { return nullptr; }
  // Height in twips of the area a list opens in; a list that would pass it
  // opens above its cell.
  virtual int32_t ListAreaHeight() const { return 0; }

  // The unchecked (false) and checked box of a check-box column.
  virtual std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) = 0;
  // The drop arrow of a list column, normal and under the pointer.
  virtual std::shared_ptr<const FlexGridPicture> DropArrow(bool /*hover*/) { return nullptr; }

  // Rebuilds the tab strip from the captions (tab 0 selected); SelectTab
  // shows one selected.
  virtual void SetTabs(const std::vector<std::string>& /*captions*/) {}
  virtual void SelectTab(int32_t /*index*/) {}

  // Hands the grid, its editors and the drop arrows to the page's editor.
  // The grid's columns become not editable (clsEditFlexGrid::SetFlexgrid).
  void AttachTo(clsEditFlexGrid& editor);
};
