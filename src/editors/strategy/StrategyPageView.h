#pragma once
// What the draft-strategy page's controller asks of its window: the grid's
// in-place editor parts, the tab strip, the rule buttons, the description
// box and the pictures the grid shows. The window implements it and only
// lays out, paints and forwards events; tests implement it with
// kdtest::FakeEditFlexGrid.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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

  // Rebuilds the tab strip from the captions (tab 0 selected); SelectTab
  // shows one selected.
  virtual void SetTabs(const std::vector<std::string>& captions) = 0;
  virtual void SelectTab(int32_t index) = 0;
  // Height in twips of the area the lists open in; a list that would pass
  // it opens above its cell.
  virtual int32_t ListAreaHeight() const = 0;

  // The empty (false) and ticked (true) box of the bye-conflict column.
  virtual std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) = 0;
  virtual std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) = 0;
};
