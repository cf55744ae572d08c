#pragma once
// The in-place grid editor's parts without widgets: a grid (FlexGridModel
// with a fixed cell area) and a text box, combo and two lists that keep
// their state in plain fields. Page controllers are tested headless over
// it: attach it to the controller's clsEditFlexGrid, then click cells, type
// and press keys as a person would.
//
//   kdtest::FakeEditFlexGrid grid;
//   grid.AttachTo(editor);
//   grid.ClickCell(2, 1);
//   grid.Type("12");
//   grid.Key(kdtest::kKeyEnter);

#include <cstdint>
#include <string>
#include <vector>

#include "platform/flexgrid/FlexGridModel.h"
#include "toolkit/EditFlexGridParts.h"

namespace kdtest {

inline constexpr int16_t kKeyEnter = 13;
inline constexpr int16_t kKeyEscape = 27;
inline constexpr int16_t kKeyLeft = 37;
inline constexpr int16_t kKeyUp = 38;
inline constexpr int16_t kKeyRight = 39;
inline constexpr int16_t kKeyDown = 40;

class FakeEditFlexGrid;

template <class Interface>
class FakeControl : public Interface {
 public:
  explicit FakeControl(FakeEditFlexGrid& owner) : owner_(owner) {}
  void SetEditor(clsEditFlexGrid* editor) override { editor_ = editor; }
  clsEditFlexGrid* Editor() const { return editor_; }
  bool Visible() const override { return visible; }
  void SetVisible(bool v) override;
  EditFlexRect Geometry() const override { return rect; }
  void SetGeometry(const EditFlexRect& r) override { rect = r; }
  bool SetFocus() override;

  bool visible = true;
  EditFlexRect rect;

 protected:
  FakeEditFlexGrid& owner_;
  clsEditFlexGrid* editor_ = nullptr;
};

class FakeTextBox final : public FakeControl<EditFlexTextBox> {
 public:
  using FakeControl::FakeControl;
  std::string Text() const override { return text; }
  void SetText(const std::string& t) override { text = t; }
  int32_t TextLength() const override { return static_cast<int32_t>(text.size()); }
  int32_t SelStart() const override { return selStart; }
  int32_t SelLength() const override { return selLength; }
  void SetSelection(int32_t start, int32_t length) override {
    selStart = start;
    selLength = length;
  }
  int16_t Alignment() const override { return alignment; }
  void SetAlignment(int16_t a) override { alignment = a; }
  void SetBackColor(int32_t colour) override { backColor = colour; }
  int16_t BorderStyle() const override { return borderStyle; }

  std::string text;
  int32_t selStart = 0;
  int32_t selLength = 0;
  int16_t alignment = 0;
  int32_t backColor = 0;
  int16_t borderStyle = 1;
};

template <class Interface>
class FakeItems : public FakeControl<Interface> {
 public:
  using FakeControl<Interface>::FakeControl;
  void Clear() override {
    items.clear();
    data.clear();
    selected.clear();
    listIndex = -1;
  }
  void AddItem(const std::string& text) override {
    items.push_back(text);
    data.push_back(0);
    selected.push_back(false);
  }
  int32_t ListCount() const override { return static_cast<int32_t>(items.size()); }
  std::string List(int32_t i) const override { return InRange(i) ? items[static_cast<std::size_t>(i)] : ""; }
  int32_t ListIndex() const override { return listIndex; }
  void SetListIndex(int32_t i) override { listIndex = InRange(i) ? i : -1; }
  int32_t ItemData(int32_t i) const override { return InRange(i) ? data[static_cast<std::size_t>(i)] : 0; }
  void SetItemData(int32_t i, int32_t d) override {
    if (InRange(i)) data[static_cast<std::size_t>(i)] = d;
  }

  std::vector<std::string> items;
  std::vector<int32_t> data;
  std::vector<bool> selected;
  int32_t listIndex = -1;

 protected:
  bool InRange(int32_t i) const { return i >= 0 && i < static_cast<int32_t>(items.size()); }
};

class FakeComboBox final : public FakeItems<EditFlexComboBox> {
 public:
  using FakeItems::FakeItems;
  bool DroppedDown() const override { return droppedDown; }
  void ShowDropDown() override { droppedDown = true; }
  void SetSelectionFieldHeight(int32_t pixels) override { fieldHeight = pixels; }
  void SetVisible(bool v) override {
    if (!v) droppedDown = false;
    FakeItems::SetVisible(v);
  }
  bool droppedDown = false;
  int32_t fieldHeight = 0;
};

class FakeListBox final : public FakeItems<EditFlexListBox> {
 public:
  using FakeItems::FakeItems;
  int16_t MultiSelect() const override { return multiSelect; }
  int16_t Style() const override { return style; }
  void SetStyle(int16_t s) override { style = s; }
  bool Selected(int32_t i) const override {
    if (multiSelect == 0 && style == 0) return i >= 0 && i == listIndex;
    return InRange(i) && selected[static_cast<std::size_t>(i)];
  }
  void SetSelected(int32_t i, bool s) override {
    if (InRange(i)) selected[static_cast<std::size_t>(i)] = s;
  }
  int16_t multiSelect = 0;
  int16_t style = 0;
};

class FakeEditFlexGrid final : public EditFlexGridView {
 public:
  FakeEditFlexGrid();
  ~FakeEditFlexGrid() override;

  // Grid, text box, combo, single-choice list, multi-choice list (whose
  // MultiSelect is 1), in the usual order.
  void AttachTo(clsEditFlexGrid& editor);

  // ---- What a person does
  // Presses on a cell and releases: a scrollable cell becomes current (one
  // LeaveCell and EnterCell when it changes); then Click, with MouseRow and
  // MouseCol on the cell (heading cells too).
  void ClickCell(int32_t row, int32_t col);
  // A key to the control that has the focus (the grid when none has).
  void Key(int16_t code);
  // Replaces the text box's text, the caret after it.
  void Type(const std::string& text);
  // Chooses a combo item as a click in its drop-down does.
  void ChooseComboItem(int32_t index);
  // Releases the mouse over an item of a list.
  void ClickListItem(FakeListBox& list, int32_t index);

  // The part that has the focus: the grid itself, a control, or nullptr.
  EditFlexPart* Focus() const { return focus_; }
  void SetFocusTo(EditFlexPart* part) { focus_ = part; }

  // ---- EditFlexGridView
  void SetEditor(clsEditFlexGrid* editor) override { editor_ = editor; }
  FlexGridModel& Model() override { return model; }
  EditFlexRect CellRect(int32_t row, int32_t col) const override;
  bool RowFullyVisible(int32_t row) const override;
  bool ColFullyVisible(int32_t col) const override;
  int32_t MouseRow() const override { return mouseRow; }
  int32_t MouseCol() const override { return mouseCol; }
  bool SetFocus() override {
    focus_ = this;
    return true;
  }

  FlexGridModel model;
  FakeTextBox text{*this};
  FakeComboBox combo{*this};
  FakeListBox normList{*this};
  FakeListBox multiList{*this};
  // The cell area, twips.
  int32_t width = 9600;
  int32_t height = 4800;
  int32_t mouseRow = -1;
  int32_t mouseCol = -1;

 private:
  clsEditFlexGrid* editor_ = nullptr;
  EditFlexPart* focus_ = nullptr;
  int32_t subscription_ = 0;
  bool quiet_ = false;
};

template <class Interface>
void FakeControl<Interface>::SetVisible(bool v) {
  visible = v;
  if (!v && owner_.Focus() == this) owner_.SetFocusTo(nullptr);
}

template <class Interface>
bool FakeControl<Interface>::SetFocus() {
  if (!visible) return false;
  owner_.SetFocusTo(this);
  return true;
}

}  // namespace kdtest
