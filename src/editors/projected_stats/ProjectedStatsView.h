#pragma once
// What the projected-stats page's controller asks of its window: the stat
// grid with its text editor, the position tab strip, the heading, the two
// source lines of the main bar, the pictures the grid shows and the page's
// two windows. The window implements it and only lays out, paints and
// forwards events; tests implement it with kdtest::FakeEditFlexGrid.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class EditFlexComboBox;
class EditFlexGridView;
class EditFlexTextBox;
class FlexGridPicture;
class clsUINewProjected;
class clsUIProInfo;

class ProjectedStatsView {
 public:
  virtual ~ProjectedStatsView() = default;

  virtual EditFlexGridView* StatGrid() = 0;
  virtual EditFlexTextBox* StatText() = 0;
  virtual EditFlexComboBox* StatCombo() = 0;

  // Rebuilds the tab strip from the captions (tab 0 selected); SelectTab
  // shows one selected.
  virtual void SetTabs(const std::vector<std::string>& captions) = 0;
  virtual void SelectTab(int32_t index) = 0;
  virtual void SetHeading(const std::string& text) = 0;
  // The main bar's "Stat Source" and "ADP Source" lines.
  virtual void SetSourceLabels(const std::string& stat, const std::string& adp) = 0;

  // The empty (false) and ticked (true) box of the "Mod" column; the
  // ascending (true) and descending (false) sort arrow.
  virtual std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) = 0;
  virtual std::shared_ptr<const FlexGridPicture> SortArrow(bool ascending) = 0;

  // The new-file dialog and the properties window, each modal over the
  // whole application until it closes (Closed()).
  virtual void ShowNewProjected(clsUINewProjected& dialog) = 0;
  virtual void ShowProperties(clsUIProInfo& window) = 0;
};
