#pragma once
// What the league-properties page's controller asks of its window besides
// the main grid, its pictures and the tabs (GridPageView): the
// position-selection grid, the controls of each tab, the
// "Remove Team" button, the rounds box and the style list. The window
// implements it and only lays out, paints and forwards events; tests
// implement it with kdtest::FakeEditFlexGrid.

#include "toolkit/GridPageView.h"

class LeaguePageView : public virtual GridPageView {
 public:
  virtual std::string RoundsText() const = 0;
  virtual void SetRoundsText(const std::string& text) = 0;
  // The style list; setting the index raises no click.
  virtual void SetStyleItems(const std::vector<std::string>& items) = 0;
  virtual void SetStyleIndex(int32_t index) = 0;

  // The check list of positions in use, beside the main grid on the first tab.
  virtual FlexGridModel& PositionSelectionGrid() = 0;
  // Shows the controls of that tab only.
  virtual void ShowTabControls(int32_t index) = 0;
  virtual void SetRemoveTeamEnabled(bool enabled) = 0;
};
