#pragma once
// What the draft-strategy page's controller asks of its window besides the
// grid with its single-choice list (methods, compare values,
// include/exclude) and check-box list (factors, positions), its pictures and
// the tab strip ("Strategy", "Factors") (GridPageView): the rule buttons and
// the description box. The window implements it and only lays out, paints
// and forwards events; tests implement it with kdtest::FakeEditFlexGrid.

#include "toolkit/GridPageView.h"

class StrategyPageView : public virtual GridPageView {
 public:
  // Buttons 0 "Add Rule", 1 "Remove Rule", 2 "Move Up", 3 "Move Down".
  virtual void SetRuleButtonEnabled(int32_t index, bool enabled) = 0;
  // Shows the text without reporting it back as typed.
  virtual void SetDescription(const std::string& text) = 0;
};
