#pragma once
// Holds a grid's drawing and its in-place editor off while a page refills
// the grid, and restores both when the refill leaves, also by an exception.

#include "platform/flexgrid/FlexGridModel.h"
#include "toolkit/clsEditFlexGrid.h"

class FrozenGrid {
 public:
  // What the editor is afterwards: as it was, or switched on (for refills
  // that make a grid editable for the first time).
  enum class After { kRestore, kEnable };

  FrozenGrid(FlexGridModel& grid, clsEditFlexGrid& editor, After after = After::kRestore)
      : grid_(grid),
        editor_(editor),
        redraw_(grid.Redraw()),
        enabled_(after == After::kEnable || editor.Enabled()) {
    grid_.SetRedraw(false);
    editor_.SetEnabled(false);
  }
  ~FrozenGrid() {
    editor_.SetEnabled(enabled_);
    grid_.SetRedraw(redraw_);
  }
  FrozenGrid(const FrozenGrid&) = delete;
  FrozenGrid& operator=(const FrozenGrid&) = delete;

 private:
  FlexGridModel& grid_;
  clsEditFlexGrid& editor_;
  bool redraw_;
  bool enabled_;
};
