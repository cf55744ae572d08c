#pragma once
// The draft-strategy page's window without widgets: the grid editor's fakes,
// the rule buttons' states, the description and the tab strip as fields.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FakeEditFlexGrid.h"
#include "editors/strategy/StrategyPageView.h"

namespace kdtest {

class FakeStrategyView final : public StrategyPageView {
 public:
  EditFlexGridView* EditGrid() override { return &grid; }
  EditFlexTextBox* EditText() override { return &grid.text; }
  EditFlexComboBox* EditCombo() override { return &grid.combo; }
  EditFlexListBox* EditList() override { return &grid.normList; }
  EditFlexListBox* EditCheckList() override { return &grid.multiList; }
  void SetRuleButtonEnabled(int32_t index, bool enabled) override { buttons[index] = enabled; }
  void SetDescription(const std::string& text) override { description = text; }
  void SetTabs(const std::vector<std::string>& captions) override { tabs = captions; }
  void SelectTab(int32_t index) override { selectedTab = index; }
  int32_t ListAreaHeight() const override { return listArea; }
  std::shared_ptr<const FlexGridPicture> CheckPicture(bool) override { return nullptr; }
  std::shared_ptr<const FlexGridPicture> DropArrow(bool) override { return nullptr; }

  FakeEditFlexGrid grid;
  bool buttons[4] = {};
  std::string description;
  std::vector<std::string> tabs;
  int32_t selectedTab = 0;
  int32_t listArea = 100000;
};

}  // namespace kdtest
