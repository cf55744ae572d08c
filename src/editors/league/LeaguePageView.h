#pragma once
// What the league-properties page's controller asks of its window: the main
// grid's in-place editor parts, the position-selection grid, the tab strip,
// the "Remove Team" button, the rounds box, the style list and the pictures
// the grids show. The window implements it and only lays out, paints and
// forwards events; tests implement it with kdtest::FakeEditFlexGrid.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class EditFlexComboBox;
class EditFlexGridView;
class EditFlexListBox;
class EditFlexTextBox;
class FlexGridModel;
class FlexGridPicture;

class LeaguePageView {
 public:
  virtual ~LeaguePageView() = default;

  virtual EditFlexGridView* MainGrid() = 0;
  virtual EditFlexTextBox* MainText() = 0;
  virtual EditFlexComboBox* MainCombo() = 0;
  virtual EditFlexListBox* MainList() = 0;
  // Height in twips of the area the list opens in; the list opens above
  // its cell when it would pass it.
  virtual int32_t ListAreaHeight() const = 0;

  // The check list of positions in use, beside the main grid on the first tab.
  virtual FlexGridModel& PositionSelectionGrid() = 0;

  // Shows the tab selected on the strip, and the controls of that tab only.
  virtual void SelectTab(int32_t index) = 0;
  virtual void ShowTabControls(int32_t index) = 0;

  virtual void SetRemoveTeamEnabled(bool enabled) = 0;

  virtual std::string RoundsText() const = 0;
  virtual void SetRoundsText(const std::string& text) = 0;
  // The style list; setting the index raises no click.
  virtual void SetStyleItems(const std::vector<std::string>& items) = 0;
  virtual void SetStyleIndex(int32_t index) = 0;

  // The unchecked and checked box of the position-selection grid, and the
  // drop arrow of the list columns (normal and hover).
  virtual std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) = 0;
  virtual std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) = 0;
};
