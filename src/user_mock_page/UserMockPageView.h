#pragma once
// What the user mock-draft page's controller asks of its window: the three
// grids to fill, the tab strips, labels and buttons to set, and the logic
// window. The window implements it and only lays out, paints and forwards
// events; tests implement it with plain grid models.

#include <cstdint>
#include <string>
#include <vector>

class FlexGridModel;

class UserMockPageView {
 public:
  virtual ~UserMockPageView() = default;

  // The picks (list or board), the available players and the roster.
  virtual FlexGridModel& PickGrid() = 0;
  virtual FlexGridModel& PossibleGrid() = 0;
  virtual FlexGridModel& TeamGrid() = 0;

  // Tabs rebuilt from the captions, tab 0 selected.
  virtual void SetPositionTabs(const std::vector<std::string>& captions) = 0;
  virtual void SetTeamTabs(const std::vector<std::string>& captions) = 0;
  // Deselects the team tab shown and selects `index`.
  virtual void SelectTeamTab(int32_t index) = 0;

  virtual void SetRosterLabel(const std::string& text) = 0;
  // Label 0 the active pick and team, 1 the active player.
  virtual void SetStatus(int32_t label, const std::string& text) = 0;
  // "Draft", "Release", "View Logic".
  virtual void SetActionButtons(bool draft, bool release, bool logic) = 0;
  // "Prev Pick", "Next Pick", "First Open Pick".
  virtual void SetPickButtons(bool prev, bool next, bool firstOpen) = 0;
  // The option buttons: 1 "Board View", 0 "List View".
  virtual void SetDisplayMode(int32_t mode) = 0;
  // Scrolls the grid so that the cell is shown.
  virtual void ScrollIntoView(FlexGridModel& grid, int32_t row, int32_t col) = 0;
  // The busy pointer while a draft or release runs.
  virtual void SetBusy(bool busy) = 0;

  // The logic window: whether it is loaded, loading it, showing it.
  virtual bool LogicWindowOpen() = 0;
  virtual void LoadLogicWindow() = 0;
  virtual void ShowLogicWindow() = 0;
};
