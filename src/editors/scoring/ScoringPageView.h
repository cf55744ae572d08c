#pragma once
// What the scoring-system page's controller asks of its window: the parts of
// the rule grid's in-place editor, the category list, the tab strip, the two
// button bars, the rule label and the pictures the grid shows. The window
// implements it and only lays out, paints and forwards events; tests
// implement it with kdtest::FakeEditFlexGrid and plain models.

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

class ScoringPageView {
 public:
  virtual ~ScoringPageView() = default;

  // The rule grid and its editors; the position list is a multi-selection
  // list used as the single-choice list editor of the positions column.
  virtual EditFlexGridView* RuleGrid() = 0;
  virtual EditFlexTextBox* RuleText() = 0;
  virtual EditFlexComboBox* RuleCombo() = 0;
  virtual EditFlexListBox* PositionList() = 0;
  // Height in twips of the area the position list opens in (the rule grid's
  // container); the list opens above its cell when it would pass it.
  virtual int32_t ListAreaHeight() const = 0;

  // The category list beside the rule grid.
  virtual FlexGridModel& CategoryGrid() = 0;

  // Rebuilds the tab strip from the captions; SelectTab shows one selected.
  virtual void SetTabs(const std::vector<std::string>& captions) = 0;
  virtual void SelectTab(int32_t index) = 0;

  // "> Add" and "< Del".
  virtual void SetAddEnabled(bool enabled) = 0;
  virtual void SetDelEnabled(bool enabled) = 0;
  // The category name of the selected rule.
  virtual void SetRuleLabel(const std::string& text) = 0;

  // The unchecked (0) and checked (1) box of the distribution-map column,
  // and the drop arrow of the positions column (normal and hover).
  virtual std::shared_ptr<const FlexGridPicture> CheckPicture(bool checked) = 0;
  virtual std::shared_ptr<const FlexGridPicture> DropArrow(bool hover) = 0;
};
