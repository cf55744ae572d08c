#pragma once
// What the scoring-system page's controller asks of its window besides the
// rule grid, its pictures and the tabs (GridPageView; the position list is a
// multi-selection list used as the single-choice list editor of the
// positions column): the category list, the two button bars and the rule
// label. The window implements it and only lays out, paints and forwards
// events; tests implement it with kdtest::FakeEditFlexGrid and plain models.

#include "toolkit/GridPageView.h"

class ScoringPageView : public virtual GridPageView {
 public:
  // The category list beside the rule grid.
  virtual FlexGridModel& CategoryGrid() = 0;

  // "> Add" and "< Del".
  virtual void SetAddEnabled(bool enabled) = 0;
  virtual void SetDelEnabled(bool enabled) = 0;
  // The category name of the selected rule.
  virtual void SetRuleLabel(const std::string& text) = 0;
};
