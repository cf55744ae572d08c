#include "toolkit/clsEditFlexGrid.h"

#include <algorithm>
#include <utility>

#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace {

constexpr int16_t kKeyEnter = 13;
constexpr int16_t kKeyEscape = 27;
constexpr int16_t kKeyLeft = 37;
constexpr int16_t kKeyUp = 38;
constexpr int16_t kKeyRight = 39;
constexpr int16_t kKeyDown = 40;

// The editors stand one pixel inside the cell, clear of its grid lines.
constexpr int32_t kInset = runtime::kTwipsPerPixel;
constexpr int16_t kPictureRightCentre = 7;

// Calls an owner's handler; false when the handler destroyed the editor.
template <class Fn, class... Args>
bool Raise(const std::weak_ptr<int>& life, const Fn& handler, const Args&... args) {
  if (handler) {
    const Fn copy = handler;  // the handler may replace itself
    copy(args...);
  }
  return !life.expired();
}

bool IsListType(int16_t type) {
  return type == clsEditFlexGrid::kListSingleEdit || type == clsEditFlexGrid::kListMultiEdit;
}

}  // namespace

clsEditFlexGrid::clsEditFlexGrid() = default;

clsEditFlexGrid::~clsEditFlexGrid() {
  for (EditFlexPart* part : std::initializer_list<EditFlexPart*>{grid_, text_, combo_, listNorm_, listMulti_}) {
    if (part != nullptr) part->SetEditor(nullptr);
  }
}

FlexGridModel* clsEditFlexGrid::Model() const { return grid_ ? &grid_->Model() : nullptr; }

void clsEditFlexGrid::Forget(EditFlexPart* part) {
  if (part == nullptr) return;
  if (grid_ == part) grid_ = nullptr;
  if (text_ == part) text_ = nullptr;
  if (combo_ == part) combo_ = nullptr;
  if (listNorm_ == part) listNorm_ = nullptr;
  if (listMulti_ == part) listMulti_ = nullptr;
  if (scrolled_ == part) scrolled_ = nullptr;
}

// ---- Set-up

void clsEditFlexGrid::SetFlexgrid(EditFlexGridView* grid) {
  if (grid_ != grid) {
    if (grid_ != nullptr) grid_->SetEditor(nullptr);
    grid_ = grid;
    if (grid_ != nullptr) grid_->SetEditor(this);
  }
  Reset();
}

void clsEditFlexGrid::Reset() {
  const std::size_t cols = grid_ ? static_cast<std::size_t>(grid_->Model().Cols()) : 0;
  editTypes_.assign(cols, kNoEdit);
  textAligns_.assign(cols, 0);
}

void clsEditFlexGrid::SetTextBox(EditFlexTextBox* box) {
  if (text_ != nullptr && text_ != box) text_->SetEditor(nullptr);
  text_ = box;
  if (text_ == nullptr) return;
  text_->SetEditor(this);
  text_->SetVisible(false);
  textBoxAlignment_ = text_->Alignment();
}

void clsEditFlexGrid::SetComboBox(EditFlexComboBox* box) {
  if (combo_ != nullptr && combo_ != box) combo_->SetEditor(nullptr);
  combo_ = box;
  if (combo_ == nullptr) return;
  combo_->SetEditor(this);
  combo_->SetVisible(false);
}

void clsEditFlexGrid::SetNormListBox(EditFlexListBox* list) {
  if (listNorm_ != nullptr && listNorm_ != list) listNorm_->SetEditor(nullptr);
  listNorm_ = list;
  if (listNorm_ == nullptr) return;
  listNorm_->SetEditor(this);
  listNorm_->SetVisible(false);  // a list shows only while open
}

void clsEditFlexGrid::SetMultiListBox(EditFlexListBox* list) {
  if (listMulti_ != nullptr && listMulti_ != list) listMulti_->SetEditor(nullptr);
  listMulti_ = list;
  if (listMulti_ == nullptr) return;
  listMulti_->SetEditor(this);
  listMulti_->SetVisible(false);
}

// ---- Columns

// The grid may have gained or lost columns since the owner last declared
// them: both per-column arrays follow it together, keeping their entries.
void clsEditFlexGrid::SyncColumns() {
  const FlexGridModel* m = Model();
  if (m == nullptr) return;
  const auto cols = static_cast<std::size_t>(m->Cols());
  if (editTypes_.size() != cols) editTypes_.resize(cols, kNoEdit);
  if (textAligns_.size() != cols) textAligns_.resize(cols, 0);
}

bool clsEditFlexGrid::ColumnInRange(int32_t col) const {
  const FlexGridModel* m = Model();
  return m != nullptr && col >= 0 && col < m->Cols();
}

void clsEditFlexGrid::SetColumn(int32_t col, int16_t type, bool textAlignDefault) {
  if (!ColumnInRange(col)) return;
  SyncColumns();
  editTypes_[static_cast<std::size_t>(col)] = type;
  if (textAlignDefault) textAligns_[static_cast<std::size_t>(col)] = -1;
}

void clsEditFlexGrid::TextEditColumn(int32_t col) { SetColumn(col, kTextEdit, true); }
void clsEditFlexGrid::ComboEditColumn(int32_t col) { SetColumn(col, kComboEdit, false); }
void clsEditFlexGrid::NoEditColumn(int32_t col) { SetColumn(col, kNoEdit, false); }
void clsEditFlexGrid::ListNormEditColumn(int32_t col) { SetColumn(col, kListSingleEdit, true); }
void clsEditFlexGrid::ListMultiEditColumn(int32_t col) { SetColumn(col, kListMultiEdit, true); }

void clsEditFlexGrid::TextEditAlign(int32_t col, int16_t alignment) {
  if (!ColumnInRange(col)) return;
  SyncColumns();
  textAligns_[static_cast<std::size_t>(col)] = alignment;
}

int16_t clsEditFlexGrid::ColumnEditType(int32_t col) const {
  if (!ColumnInRange(col) || static_cast<std::size_t>(col) >= editTypes_.size()) return kNoEdit;
  return editTypes_[static_cast<std::size_t>(col)];
}

// ---- Rows

bool clsEditFlexGrid::IsFullRowVisible(int32_t row) const { return grid_ != nullptr && grid_->RowFullyVisible(row); }

void clsEditFlexGrid::InactiveRow(int32_t row) {
  const FlexGridModel* m = Model();
  if (m == nullptr) return;
  if (inactiveRows_.size() != static_cast<std::size_t>(m->Rows())) {
    inactiveRows_.resize(static_cast<std::size_t>(m->Rows()), false);
  }
  if (row < 0 || static_cast<std::size_t>(row) >= inactiveRows_.size()) return;
  inactiveRows_[static_cast<std::size_t>(row)] = true;
}

void clsEditFlexGrid::ClearInActiveRows() { std::fill(inactiveRows_.begin(), inactiveRows_.end(), false); }

bool clsEditFlexGrid::RowInactive(int32_t row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= inactiveRows_.size()) return true;
  return inactiveRows_[static_cast<std::size_t>(row)];
}

void clsEditFlexGrid::DrawDropArrows() {
  FlexGridModel* m = Model();
  if (m == nullptr) return;
  SyncColumns();
  for (int32_t c = 0; c < m->Cols(); ++c) {
    if (!IsListType(ColumnEditType(c))) continue;
    for (int32_t r = 0; r < m->Rows(); ++r) {
      if (RowInactive(r)) continue;
      m->SetCellPictureAlignmentAt(r, c, kPictureRightCentre);
      m->SetCellPictureAt(r, c, norm_);
    }
  }
}

// ---- Ending an edit

bool clsEditFlexGrid::TextPending() const {
  // A text edit scrolled out of view is still pending: it is committed, not
  // dropped, when its cell is left.
  return text_ != nullptr && (text_->Visible() || (scrollHidden_ && scrolled_ == text_));
}

void clsEditFlexGrid::ValidateLastCell() {
  const std::weak_ptr<int> life = life_;
  if (TextPending()) {
    CommitText();
    if (!Alive(life)) return;
  }
  if (combo_ != nullptr && combo_->Visible()) combo_->SetVisible(false);
  // Toggles in a multi-choice list are the person's edit as much as typed
  // text: report them before the list goes.
  if (listMulti_ != nullptr && listMulti_->Visible() && listMulti_->MultiSelect() != 0) {
    CommitList(listMulti_);
    if (!Alive(life)) return;
  }
  for (EditFlexListBox* list : {listNorm_, listMulti_}) {
    if (list != nullptr && list->Visible()) list->SetVisible(false);
  }
}

void clsEditFlexGrid::HideText() {
  if (text_ != nullptr) text_->SetVisible(false);
}

void clsEditFlexGrid::TabConvert() {
  int16_t code = 0;
  MoveRight(code);
}

void clsEditFlexGrid::FocusGrid() {
  if (grid_ != nullptr) grid_->SetFocus();  // a grid that cannot take it is no error
}

// ---- Grid events

void clsEditFlexGrid::GridGotFocus() { SyncColumns(); }

void clsEditFlexGrid::GridClick() {
  const std::weak_ptr<int> life = life_;
  if (!Raise(life, Click)) return;
  if (!Raise(life, EnterCell)) return;
  if (enabled_) BeginEdit(true);
}

void clsEditFlexGrid::GridEnterCell() {
  const std::weak_ptr<int> life = life_;
  // An open single-choice list is closed (and committed) before the owner
  // hears of the new cell.
  if (listNorm_ != nullptr && listNorm_->Visible()) {
    if (enabled_) BeginEdit(false);
    if (!Alive(life)) return;
    Raise(life, EnterCell);
    return;
  }
  if (!Raise(life, EnterCell)) return;
  if (enabled_) BeginEdit(false);
}

void clsEditFlexGrid::GridLeaveCell() {
  if (enabled_ && TextPending()) CommitText();
}

void clsEditFlexGrid::GridKeyDown(int16_t& keyCode, int16_t /*shift*/) {
  const FlexGridModel* m = Model();
  if (m == nullptr || keyCode != kKeyEnter) return;
  const int16_t type = ColumnEditType(m->Col());
  if (IsListType(type) && !RowInactive(m->Row()) && listState_ == 1) {
    SetListState(2, type == kListSingleEdit ? listNorm_ : listMulti_);
    keyCode = 0;
  }
}

void clsEditFlexGrid::GridScroll() {
  const FlexGridModel* m = Model();
  if (m == nullptr || !enabled_ || scrollingByEditor_) return;
  if (!scrollHidden_) {
    scrolled_ = nullptr;
    for (EditFlexControl* c : std::initializer_list<EditFlexControl*>{text_, combo_, listNorm_, listMulti_}) {
      if (c != nullptr && c->Visible()) scrolled_ = c;
    }
  }
  if (scrolled_ == nullptr || ColumnEditType(m->Col()) == kNoEdit) return;
  if (grid_->RowFullyVisible(m->Row()) && grid_->ColFullyVisible(m->Col())) {
    if (scrolled_ == text_) {
      text_->SetGeometry(TextPlacement());
    } else if (scrolled_ == combo_) {
      combo_->SetGeometry(ComboPlacement());
    } else {
      auto* list = static_cast<EditFlexListBox*>(scrolled_);
      list->SetGeometry(ListPlacement(*list));
    }
    scrollHidden_ = false;
    scrolled_->SetVisible(true);
    scrolled_->SetFocus();
  } else {
    scrolled_->SetVisible(false);
    scrollHidden_ = true;
    FocusGrid();
  }
}

// ---- Beginning an edit

void clsEditFlexGrid::BeginEdit(bool clicked) {
  const FlexGridModel* m = Model();
  if (m == nullptr) return;
  SyncColumns();
  const int16_t type = ColumnEditType(m->Col());
  const bool oneCell = m->Row() == m->RowSel() && m->Col() == m->ColSel();
  if (!enabled_ || !oneCell || type == kNoEdit) {
    if (combo_ != nullptr) combo_->SetVisible(false);
    if (text_ != nullptr) text_->SetVisible(false);
    scrollHidden_ = false;
    const std::weak_ptr<int> life = life_;
    CloseLists(false);
    if (!Alive(life)) return;
    FocusGrid();
    return;
  }
  scrollHidden_ = false;
  const std::weak_ptr<int> life = life_;
  switch (type) {
    case kTextEdit:
      CloseLists(false);
      if (Alive(life)) ShowText();
      break;
    case kComboEdit:
      CloseLists(false);
      if (Alive(life)) ShowCombo();
      break;
    default:
      CloseLists(true);
      if (!Alive(life)) return;
      // A combo left open over another cell would keep the keys the grid
      // needs to open this cell's list.
      if (combo_ != nullptr && combo_->Visible()) {
        combo_->SetVisible(false);
        FocusGrid();
      }
      SetListState(clicked ? 2 : 1, type == kListSingleEdit ? listNorm_ : listMulti_);
      break;
  }
}

EditFlexRect clsEditFlexGrid::CellPlacement() const {
  const FlexGridModel& m = grid_->Model();
  EditFlexRect r = grid_->CellRect(m.Row(), m.Col());
  r.Left += kInset;
  r.Top += kInset;
  r.Width = m.ColWidth(m.Col()) - kInset;
  return r;
}

EditFlexRect clsEditFlexGrid::TextPlacement() const {
  const FlexGridModel& m = grid_->Model();
  EditFlexRect r = CellPlacement();
  r.Width -= kInset;
  if (text_->BorderStyle() == 0) r.Left -= 2 * kInset;
  if (textOffset_ != 0) {
    r.Left += textOffset_;
    r.Width -= textOffset_;
  }
  r.Height = m.RowHeight(m.Row()) - kInset;
  if (r.Height > 215) r.Height -= 2 * kInset;
  return r;
}

EditFlexRect clsEditFlexGrid::ComboPlacement() const {
  EditFlexRect r = CellPlacement();
  r.Top -= 2 * kInset;
  r.Left -= 2 * kInset;
  r.Height = combo_->Geometry().Height;
  return r;
}

EditFlexRect clsEditFlexGrid::ListPlacement(const EditFlexListBox& list) const {
  const FlexGridModel& m = grid_->Model();
  EditFlexRect r = CellPlacement();
  r.Top = r.Top - 3 * kInset + m.RowHeight(m.Row());  // hangs just below the cell
  r.Left -= 2 * kInset;
  r.Height = list.Geometry().Height;
  return r;
}

void clsEditFlexGrid::ShowText() {
  if (text_ == nullptr) return;
  const FlexGridModel& m = grid_->Model();
  text_->SetGeometry(TextPlacement());
  text_->SetBackColor(m.CellBackColor());
  const int16_t align = textAligns_[static_cast<std::size_t>(m.Col())];
  text_->SetAlignment(align >= 0 ? align : textBoxAlignment_);
  loadedText_ = textOffset_ >= 1 ? runtime::Trim(m.Text()) : m.Text();
  text_->SetText(loadedText_);
  text_->SetSelection(0, text_->TextLength());
  text_->SetVisible(true);
  text_->SetFocus();
  if (combo_ != nullptr) combo_->SetVisible(false);
}

void clsEditFlexGrid::ShowCombo() {
  if (combo_ == nullptr) return;
  const FlexGridModel& m = grid_->Model();
  combo_->SetGeometry(ComboPlacement());
  const std::string& cell = m.Text();
  if (!cell.empty()) {
    presetComboIndex_ = -1;
    for (int32_t i = 0; i < combo_->ListCount(); ++i) {
      if (combo_->List(i) == cell) {
        presetComboIndex_ = i;
        break;
      }
    }
    // A cell that matches no item leaves the combo's selection as it was.
    if (presetComboIndex_ >= 0) combo_->SetListIndex(presetComboIndex_);
  } else {
    presetComboIndex_ = -1;
    combo_->SetListIndex(-1);
  }
  const int32_t fieldHeight = runtime::TwipsToPixels(m.RowHeight(0));
  if (combo_->Geometry().Height != m.RowHeight(0)) combo_->SetSelectionFieldHeight(fieldHeight);
  combo_->SetVisible(true);
  combo_->SetFocus();
  Raise(life_, AllignmentDone, m.Col());
}

void clsEditFlexGrid::ShowList(EditFlexListBox* list) {
  if (list == nullptr || grid_ == nullptr) return;
  list->SetGeometry(ListPlacement(*list));
  presetComboIndex_ = -1;
  const std::weak_ptr<int> life = life_;
  if (!Raise(life, AllignmentDone, grid_->Model().Col())) return;
  // The handler may have detached the list or the grid.
  if (list != listNorm_ && list != listMulti_) return;
  list->SetVisible(true);
  list->SetFocus();
}

// ---- Committing

void clsEditFlexGrid::CommitText() {
  const FlexGridModel* m = Model();
  if (text_ == nullptr || m == nullptr) return;
  const std::string now = text_->Text();
  if (now != loadedText_) {
    std::string old = std::exchange(loadedText_, now);  // a second commit from the handler finds no change
    if (!Raise(life_, ValidateFlexText, m->Row(), m->Col(), now, old)) return;
  }
  if (scrolled_ == text_) scrolled_ = nullptr;
  FocusGrid();
  if (text_ != nullptr) text_->SetVisible(false);
}

void clsEditFlexGrid::CommitCombo() {
  const FlexGridModel* m = Model();
  if (combo_ == nullptr || m == nullptr) return;
  const int32_t index = combo_->ListIndex();
  if (index != presetComboIndex_) {
    const int32_t old = std::exchange(presetComboIndex_, index);
    if (!Raise(life_, ValidateFlexCombo, m->Row(), m->Col(), index, old)) return;
  }
  FocusGrid();
  if (combo_ != nullptr) combo_->SetVisible(false);
}

void clsEditFlexGrid::CommitList(EditFlexListBox* list) {
  if (list == nullptr || list->ListCount() == 0) return;
  if (list->MultiSelect() == 0) {
    Raise(life_, ValidateFlexListSingle, listRow_, listCol_, list->ListIndex());
    return;
  }
  std::vector<bool> selected(static_cast<std::size_t>(list->ListCount()));
  for (std::size_t i = 0; i < selected.size(); ++i) selected[i] = list->Selected(static_cast<int32_t>(i));
  Raise(life_, ValidateFlexListMulti, listRow_, listCol_, selected);
}

// ---- Lists

void clsEditFlexGrid::CloseLists(bool keepCell) {
  const std::weak_ptr<int> life = life_;
  if (listNorm_ != nullptr || listMulti_ != nullptr) {
    LeaveListCell(keepCell);
    if (!Alive(life)) return;
  }
  for (EditFlexListBox* list : {listNorm_, listMulti_}) {
    if (list != nullptr) list->SetVisible(false);
  }
}

void clsEditFlexGrid::LeaveListCell(bool keepCell) {
  FlexGridModel* m = Model();
  if (m == nullptr) return;
  if (listRow_ == m->Row() && listCol_ == m->Col()) return;
  if (listCol_ >= 0 && listCol_ < m->Cols() && listRow_ >= 0 && listRow_ < m->Rows()) {
    if (!IsListType(ColumnEditType(listCol_))) {
      listRow_ = listCol_ = -1;
    } else {
      m->SetCellPictureAt(listRow_, listCol_, norm_);
      const std::weak_ptr<int> life = life_;
      for (EditFlexListBox* list : {listNorm_, listMulti_}) {
        if (list != nullptr && list->Visible()) {
          CommitList(list);
          if (!Alive(life)) return;
        }
      }
      m = Model();  // the handler may have let the grid go
      if (m == nullptr) return;
    }
  }
  if (keepCell && !RowInactive(m->Row())) {
    listRow_ = m->Row();
    listCol_ = m->Col();
  } else {
    listRow_ = listCol_ = -1;
  }
}

void clsEditFlexGrid::SetListState(int32_t state, EditFlexListBox* list) {
  FlexGridModel* m = Model();
  if (m == nullptr || RowInactive(m->Row())) return;
  listState_ = state;
  m->SetCellPicture(state == 0 ? norm_ : hover_);
  if (state == 2) ShowList(list);
}

void clsEditFlexGrid::HideListToGrid(EditFlexListBox* list) {
  SetListState(1, list);
  if (list != nullptr) list->SetVisible(false);
  FocusGrid();
}

// ---- Keys in the editors

void clsEditFlexGrid::ControlKeyDown(EditFlexControl* control, int16_t& keyCode, int16_t /*shift*/) {
  if (control == nullptr) return;
  if (control == text_) {
    TextKeyDown(keyCode);
  } else if (control == combo_) {
    ComboKeyDown(keyCode);
  } else if (control == listNorm_ || control == listMulti_) {
    ListKeyDown(static_cast<EditFlexListBox*>(control), keyCode);
  }
}

void clsEditFlexGrid::ControlKeyUp(EditFlexControl* control, int16_t& keyCode, int16_t /*shift*/) {
  if (control == nullptr || control != combo_) return;
  if (keyCode == kKeyEnter && !combo_->DroppedDown()) {
    combo_->ShowDropDown();
    keyCode = 0;
  }
}

void clsEditFlexGrid::ControlClick(EditFlexControl* control) {
  if (control == nullptr || control != combo_) return;
  if (!arrowKeyInDropDown_) {
    const std::weak_ptr<int> life = life_;
    if (combo_->ListIndex() >= 0) CommitCombo();
    if (!Alive(life)) return;
    if (combo_ != nullptr) combo_->SetVisible(false);
  }
  arrowKeyInDropDown_ = false;
}

void clsEditFlexGrid::ControlMouseUp(EditFlexControl* control) {
  if (control == nullptr || control != listNorm_) return;
  if (listNorm_->ListIndex() < 0 || listNorm_->MultiSelect() != 0) return;
  const std::weak_ptr<int> life = life_;
  EditFlexListBox* list = listNorm_;
  CommitList(list);
  if (!Alive(life) || list != listNorm_) return;
  HideListToGrid(list);
}

void clsEditFlexGrid::TextKeyDown(int16_t& keyCode) {
  switch (keyCode) {
    case kKeyUp:
      MoveUp(keyCode);
      break;
    case kKeyDown:
      MoveDown(keyCode);
      break;
    case kKeyLeft:
      if (text_->SelStart() == 0 && text_->SelLength() == 0) MoveLeft(keyCode);
      break;
    case kKeyRight:
      if (text_->SelStart() == text_->TextLength()) MoveRight(keyCode);
      break;
    case kKeyEnter: {
      keyCode = 0;
      const std::weak_ptr<int> life = life_;
      if (enabled_ && text_->Visible()) CommitText();
      if (Alive(life)) FocusGrid();
      break;
    }
    case kKeyEscape:
      keyCode = 0;
      text_->SetVisible(false);
      if (scrolled_ == text_) scrolled_ = nullptr;
      FocusGrid();
      break;
    default:
      break;
  }
}

void clsEditFlexGrid::ComboKeyDown(int16_t& keyCode) {
  if (combo_->DroppedDown()) {
    switch (keyCode) {
      case kKeyEnter:
        keyCode = 0;
        CommitCombo();
        break;
      case kKeyEscape:
        keyCode = 0;
        combo_->SetVisible(false);
        FocusGrid();
        break;
      case kKeyUp:
      case kKeyDown:
      case kKeyLeft:
      case kKeyRight:
        arrowKeyInDropDown_ = true;
        break;
      default:
        break;
    }
    return;
  }
  switch (keyCode) {
    case kKeyDown:
      MoveDown(keyCode);
      break;
    case kKeyUp:
      MoveUp(keyCode);
      break;
    case kKeyLeft:
      MoveLeft(keyCode);
      break;
    case kKeyRight:
      MoveRight(keyCode);
      break;
    case kKeyEscape:
      keyCode = 0;
      combo_->SetVisible(false);
      break;
    case kKeyEnter:
      keyCode = 0;  // the drop-down opens when the key comes up
      break;
    default:
      break;
  }
}

void clsEditFlexGrid::ListKeyDown(EditFlexListBox* list, int16_t& keyCode) {
  switch (keyCode) {
    case kKeyEscape:
      keyCode = 0;
      HideListToGrid(list);
      break;
    case kKeyLeft:
      MoveLeft(keyCode);
      break;
    case kKeyRight:
      MoveRight(keyCode);
      break;
    case kKeyEnter: {
      keyCode = 0;
      const int32_t index = list->ListIndex();
      if (index < 0) break;
      if (list->MultiSelect() == 1) {
        list->SetSelected(index, !list->Selected(index));
        break;
      }
      const std::weak_ptr<int> life = life_;
      CommitList(list);
      if (!Alive(life) || (list != listNorm_ && list != listMulti_)) break;
      HideListToGrid(list);
      break;
    }
    case kKeyUp:
      if (list->ListIndex() == 0) {
        keyCode = 0;
        HideListToGrid(list);
      }
      break;
    default:
      break;
  }
}

// ---- Moving from an editor

void clsEditFlexGrid::MoveUp(int16_t& keyCode) {
  keyCode = 0;
  FlexGridModel* m = Model();
  if (m == nullptr) return;
  if (m->Row() <= m->FixedRows()) {
    BoundaryRefresh();
    return;
  }
  if (m->Row() == m->TopRow()) {
    SetScrolling(true);
    m->SetTopRow(m->TopRow() - 1);
    SetScrolling(false);
  }
  m->SetRow(m->Row() - 1);
}

void clsEditFlexGrid::MoveDown(int16_t& keyCode) {
  keyCode = 0;
  FlexGridModel* m = Model();
  if (m == nullptr) return;
  if (m->Row() >= m->Rows() - 1) {
    BoundaryRefresh();
    return;
  }
  if (!grid_->RowFullyVisible(m->Row() + 1)) {
    SetScrolling(true);
    m->SetTopRow(m->TopRow() + 1);
    SetScrolling(false);
  }
  m->SetRow(m->Row() + 1);
}

void clsEditFlexGrid::MoveLeft(int16_t& keyCode) {
  keyCode = 0;
  FlexGridModel* m = Model();
  if (m == nullptr || m->Col() <= m->FixedCols()) return;
  if (m->Col() == m->LeftCol()) {
    SetScrolling(true);
    m->SetLeftCol(m->LeftCol() - 1);
    SetScrolling(false);
  }
  m->SetCol(m->Col() - 1);
}

void clsEditFlexGrid::MoveRight(int16_t& keyCode) {
  keyCode = 0;
  FlexGridModel* m = Model();
  if (m == nullptr || m->Col() >= m->Cols() - 1) return;
  if (!grid_->ColFullyVisible(m->Col() + 1)) {
    SetScrolling(true);
    m->SetLeftCol(m->LeftCol() + 1);
    SetScrolling(false);
  }
  m->SetCol(m->Col() + 1);
}

void clsEditFlexGrid::BoundaryRefresh() {
  const FlexGridModel* m = Model();
  if (m == nullptr || ColumnEditType(m->Col()) != kTextEdit) return;
  const std::weak_ptr<int> life = life_;
  GridLeaveCell();
  if (Alive(life) && enabled_) BeginEdit(false);
}

namespace basFlexGridCommon {

void FitListToItems(EditFlexListBox& list, const FlexGridModel& grid) {
  constexpr int32_t kMaxRowsShown = 7;
  constexpr int32_t kItemPixels = 16;
  constexpr int32_t kBorderPixels = 2;
  const int32_t shown = std::min(list.ListCount(), kMaxRowsShown);
  EditFlexRect r = list.Geometry();
  r.Height = runtime::PixelsToTwips(shown * kItemPixels + kBorderPixels);
  list.SetGeometry(r);
  if (list.MultiSelect() != 0) return;
  const std::string cell = runtime::Trim(grid.Text());
  for (int32_t i = 0; i < list.ListCount(); ++i) {
    if (runtime::EqualsNoCase(runtime::Trim(list.List(i)), cell)) {
      list.SetListIndex(i);
      return;
    }
  }
}

void OpenListAboveWhenBelow(EditFlexListBox& list, const FlexGridModel& grid, int32_t areaHeight) {
  EditFlexRect place = list.Geometry();
  if (place.Top + place.Height <= areaHeight) return;
  place.Top -= place.Height + grid.RowHeight(grid.Row());
  list.SetGeometry(place);
}

}  // namespace basFlexGridCommon
