#pragma once
// What the draft-strategy page's controller asks of its window: the rule
// grid's in-place editor parts, the rule buttons, the description box and
// the pictures the grid shows. The window implements it and only lays out,
// paints and forwards events; tests implement it with kdtest::FakeEditFlexGrid.

#include <cstdint>
#include <memory>
#include <string>

class EditFlexComboBox;
class EditFlexGridView;
class EditFlexListBox;
class EditFlexTextBox;
class FlexGridPicture;

class StrategyPageView {
 public:
  virtual ~StrategyPageView() = default;

  virtual EditFlexGridView* RuleGrid() = 0;
  virtual EditFlexTextBox* RuleText() = 0;
  virtual EditFlexComboBox* RuleCombo() = 0;
  // The single-choice list (methods, compare values, include/exclude) and
  // the check-box list (factors, positions).
  virtual EditFlexListBox* NormList() = 0;
  virtual EditFlexListBox* CheckList() = 0;

  // Buttons 0 "Add Rule", 1 "Remove Rule", 2 "Move Up", 3 "Move Down".
  virtual void SetRuleButtonEnabled(int32_t index, bool enabled) = 0;
  // Shows the text without reporting it back as typed.
  virtual void SetDescription(const std::string& text) = 0;

  // The empty (false) and ticked (true) box of the bye-conflict column.
  virtual std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) = 0;
  virtual std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) = 0;
};
