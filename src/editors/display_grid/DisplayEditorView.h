#pragma once
// What the display-grid editor's controller asks of its window: the move
// buttons' states, how many column-list rows fit, and the category list
// held off for a moment after Open. The window implements it; tests script
// it.

#include <cstdint>

class DisplayEditorView {
 public:
  virtual ~DisplayEditorView() = default;
  virtual void SetMoveButtons(bool upEnabled, bool downEnabled) = 0;
  // Rows of the column list's height (its height over the heading row's).
  virtual int32_t ColumnListVisibleRows() const = 0;
  // The category list takes no clicks until the window enables it again
  // (a moment after Open, so the dialog's last click cannot tick a box).
  virtual void HoldOffCategoryList() = 0;
};
