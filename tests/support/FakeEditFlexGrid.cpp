#include "FakeEditFlexGrid.h"

#include <algorithm>

#include "toolkit/clsEditFlexGrid.h"

namespace kdtest {

FakeEditFlexGrid::FakeEditFlexGrid() {
  multiList.multiSelect = 1;
  subscription_ = model.Subscribe([this](FlexGridEvent e) {
    if (editor_ == nullptr || quiet_) return;
    switch (e) {
      case FlexGridEvent::kLeaveCell:
        editor_->GridLeaveCell();
        break;
      case FlexGridEvent::kEnterCell:
        editor_->GridEnterCell();
        break;
      case FlexGridEvent::kScroll:
        editor_->GridScroll();
        break;
      case FlexGridEvent::kChanged:
        break;
    }
  });
}

FakeEditFlexGrid::~FakeEditFlexGrid() {
  model.Unsubscribe(subscription_);
  for (EditFlexPart* part : std::initializer_list<EditFlexPart*>{this, &text, &combo, &normList, &multiList}) {
    if (editor_ != nullptr) editor_->Forget(part);
  }
}

void FakeEditFlexGrid::AttachTo(clsEditFlexGrid& editor) {
  editor.SetFlexgrid(this);
  editor.SetTextBox(&text);
  editor.SetComboBox(&combo);
  editor.SetNormListBox(&normList);
  editor.SetMultiListBox(&multiList);
}

EditFlexRect FakeEditFlexGrid::CellRect(int32_t row, int32_t col) const {
  auto offset = [](int32_t index, int32_t fixed, int32_t first, auto size) {
    int32_t pos = 0;
    for (int32_t i = 0; i < std::min(index, fixed); ++i) pos += size(i);
    if (index < fixed) return pos;
    for (int32_t i = first; i < index; ++i) pos += size(i);
    for (int32_t i = index; i < first; ++i) pos -= size(i);
    return pos;
  };
  const int32_t x = offset(col, model.FixedCols(), model.LeftCol(), [this](int32_t c) { return model.ColWidth(c); });
  const int32_t y = offset(row, model.FixedRows(), model.TopRow(), [this](int32_t r) { return model.RowHeight(r); });
  return {x, y, model.ColWidth(col), model.RowHeight(row)};
}

bool FakeEditFlexGrid::RowFullyVisible(int32_t row) const {
  if (row < model.TopRow() || row >= model.Rows()) return false;
  const EditFlexRect r = CellRect(row, 0);
  return r.Top + r.Height <= height;
}

bool FakeEditFlexGrid::ColFullyVisible(int32_t col) const {
  if (col < model.LeftCol() || col >= model.Cols()) return false;
  const EditFlexRect r = CellRect(0, col);
  return r.Left + r.Width <= width;
}

void FakeEditFlexGrid::ClickCell(int32_t row, int32_t col) {
  focus_ = this;
  mouseRow = row;
  mouseCol = col;
  // A press on a heading cell moves nothing.
  const bool scrollable = row >= model.FixedRows() && col >= model.FixedCols();
  if (scrollable && (row != model.Row() || col != model.Col())) {
    // The control reports one move even when row and column both change.
    if (editor_ != nullptr) editor_->GridLeaveCell();
    quiet_ = true;
    model.SetRow(row);
    model.SetCol(col);
    quiet_ = false;
    if (editor_ != nullptr && model.Row() == row && model.Col() == col) editor_->GridEnterCell();
  } else if (scrollable) {
    model.SetRowSel(row);
    model.SetColSel(col);
  }
  if (editor_ != nullptr) editor_->GridClick();
}

void FakeEditFlexGrid::Key(int16_t code) {
  if (editor_ == nullptr) return;
  int16_t c = code;
  auto* control = dynamic_cast<EditFlexControl*>(focus_);
  if (control == nullptr) {
    editor_->GridKeyDown(c, 0);
    return;
  }
  editor_->ControlKeyDown(control, c, 0);
  // The key comes up where the focus is then, handled or not.
  if (editor_ != nullptr && focus_ == &combo) {
    int16_t up = code;
    editor_->ControlKeyUp(&combo, up, 0);
  }
}

void FakeEditFlexGrid::Type(const std::string& t) {
  text.text = t;
  text.selStart = static_cast<int32_t>(t.size());
  text.selLength = 0;
}

void FakeEditFlexGrid::ChooseComboItem(int32_t index) {
  combo.SetListIndex(index);
  combo.droppedDown = false;
  if (editor_ != nullptr) editor_->ControlClick(&combo);
}

void FakeEditFlexGrid::ClickListItem(FakeListBox& list, int32_t index) {
  list.SetListIndex(index);
  if (list.multiSelect != 0) list.SetSelected(index, !list.Selected(index));
  if (editor_ != nullptr) editor_->ControlMouseUp(&list);
}

}  // namespace kdtest
