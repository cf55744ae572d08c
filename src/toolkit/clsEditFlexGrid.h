#pragma once
// Makes a read-only grid editable in place. The owner attaches the grid and
// the editor controls (EditFlexGridParts.h), declares column by column how a
// cell may be edited, and handles the validation events. When the person
// enters, clicks or moves through the grid, the editor lays the column's
// control over the current cell (a list just below it), loads it from the
// cell and, when the edit ends, raises a validation event with the cell and
// the new and old values. The editor never writes a value into the grid:
// the owner's handler checks the value and, to accept it, writes the grid
// and its document itself; to refuse it, it leaves the grid as it was.
//
// An edit is committed when its cell is left, on Enter, on the arrow moves
// and by ValidateLastCell; never because the focus went elsewhere.
//
// A handler may reshape or refill the grid, or switch editing off, inside
// any event; the editor checks the grid again after every event it raises.
//
// Headless: it knows the grid only as FlexGridModel plus EditFlexGridView,
// so page controllers own and test it without widgets. docs/grid-editing.md
// shows how a page wires it up.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/EditFlexGridParts.h"

class FlexGridModel;
class FlexGridPicture;

class clsEditFlexGrid {
 public:
  // Edit types, one per column.
  static constexpr int16_t kNoEdit = 0;
  static constexpr int16_t kTextEdit = 1;
  static constexpr int16_t kComboEdit = 2;
  static constexpr int16_t kListSingleEdit = 3;
  static constexpr int16_t kListMultiEdit = 4;

  clsEditFlexGrid();
  ~clsEditFlexGrid();
  clsEditFlexGrid(const clsEditFlexGrid&) = delete;
  clsEditFlexGrid& operator=(const clsEditFlexGrid&) = delete;

  // ---- Events (set by the owner; an unset event is not raised)

  // A text edit ended and the text differs (exactly) from the one loaded.
  std::function<void(int32_t row, int32_t col, const std::string& newText, const std::string& oldText)>
      ValidateFlexText;
  // A combo choice differs from the item the cell showed (-1: none).
  std::function<void(int32_t row, int32_t col, int32_t newIndex, int32_t oldIndex)> ValidateFlexCombo;
  // A list whose MultiSelect is not 0 was committed: one flag per item.
  // Row and Col are the cell whose list was opened.
  std::function<void(int32_t row, int32_t col, const std::vector<bool>& selected)> ValidateFlexListMulti;
  // A list whose MultiSelect is 0 was committed: its ListIndex, -1 when
  // nothing is selected.
  std::function<void(int32_t row, int32_t col, int32_t listIndex)> ValidateFlexListSingle;
  // The current cell changed; again after every Click.
  std::function<void()> EnterCell;
  // The grid was clicked (raised before EnterCell).
  std::function<void()> Click;
  // The combo or a list has just been laid over the current cell: fill it
  // and preselect its items here (basFlexGridCommon::FitListToItems).
  std::function<void(int32_t col)> AllignmentDone;
  // Never raised; kept so that owners written against it still build.
  std::function<void()> PreAlignment;

  // ---- Set-up, in this order: Norm, Hover, Flexgrid, TextBox, ComboBox,
  // NormListBox, MultiListBox, then the columns.

  // The drop arrow shown in list cells, normally and while the cell is
  // entered or its list open.
  void SetNorm(std::shared_ptr<const FlexGridPicture> picture) { norm_ = std::move(picture); }
  void SetHover(std::shared_ptr<const FlexGridPicture> picture) { hover_ = std::move(picture); }
  // Attaches the grid; every column becomes not editable (as Reset).
  void SetFlexgrid(EditFlexGridView* grid);
  EditFlexGridView* Flexgrid() const { return grid_; }
  // Every column not editable again, sized to the grid's present Cols.
  void Reset();
  // The text editor: hidden now; its own alignment is remembered.
  void SetTextBox(EditFlexTextBox* box);
  EditFlexTextBox* TextBox() const { return text_; }
  void SetComboBox(EditFlexComboBox* box);
  EditFlexComboBox* ComboBox() const { return combo_; }
  void SetNormListBox(EditFlexListBox* list);
  EditFlexListBox* NormListBox() const { return listNorm_; }
  void SetMultiListBox(EditFlexListBox* list);
  EditFlexListBox* MultiListBox() const { return listMulti_; }

  // Editing on or off; off at creation. Owners switch it off while they
  // refill the grid.
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Enabled() const { return enabled_; }

  // ---- Columns. Columns outside 0 .. Cols - 1 are ignored (0 is answered).

  void TextEditColumn(int32_t col);
  // The text editor's alignment in that column (0 left, 1 right, 2 centre);
  // without it the text box's own alignment is used.
  void TextEditAlign(int32_t col, int16_t alignment);
  void ComboEditColumn(int32_t col);
  void NoEditColumn(int32_t col);
  void ListNormEditColumn(int32_t col);
  void ListMultiEditColumn(int32_t col);
  int16_t ColumnEditType(int32_t col) const;
  // The text editor is moved right by this many twips and made as much
  // narrower; with 1 or more the loaded text is trimmed of blanks.
  void SetTextOffSet(int16_t twips) { textOffset_ = twips; }

  // ---- Rows

  bool IsFullRowVisible(int32_t row) const;
  // Marks a row that gets no drop arrow and opens no list. The flags are
  // sized to the grid's present Rows here, keeping the rows marked; rows
  // beyond them count as inactive, so an owner with list columns calls this
  // at least once after setting Rows.
  void InactiveRow(int32_t row);
  void ClearInActiveRows();
  bool RowInactive(int32_t row) const;
  // Puts the normal drop arrow into every active cell of the list columns.
  void DrawDropArrows();

  // ---- Ending an edit

  // Ends the edit in progress: a pending text edit and a multi-choice list
  // are committed; the combo and the lists are hidden.
  void ValidateLastCell();
  // Hides the text editor without committing.
  void HideText();
  // Moves to the next column as Right does in an editor.
  void TabConvert();

  // ---- Input, called by the grid view and the controls

  void GridGotFocus();
  void GridClick();
  void GridEnterCell();
  void GridLeaveCell();
  void GridKeyDown(int16_t& keyCode, int16_t shift);
  void GridScroll();
  // Key codes are those of gdi/VirtualKey.h (Enter 13, Escape 27, arrows 37-40); a
  // handled key is set to 0 and the control must not act on it.
  void ControlKeyDown(EditFlexControl* control, int16_t& keyCode, int16_t shift);
  void ControlKeyUp(EditFlexControl* control, int16_t& keyCode, int16_t shift);
  // The combo's choice of an item.
  void ControlClick(EditFlexControl* control);
  void ControlMouseUp(EditFlexControl* control);
  // A part that goes away before the editor.
  void Forget(EditFlexPart* part);

 private:
  FlexGridModel* Model() const;
  bool Alive(const std::weak_ptr<int>& token) const { return !token.expired(); }
  void SyncColumns();
  bool ColumnInRange(int32_t col) const;
  void SetColumn(int32_t col, int16_t type, bool textAlignDefault);
  void FocusGrid();

  void BeginEdit(bool clicked);
  void ShowText();
  void ShowCombo();
  void ShowList(EditFlexListBox* list);
  EditFlexRect CellPlacement() const;
  EditFlexRect TextPlacement() const;
  EditFlexRect ComboPlacement() const;
  EditFlexRect ListPlacement(const EditFlexListBox& list) const;

  bool TextPending() const;
  void CommitText();
  void CommitCombo();
  void CommitList(EditFlexListBox* list);
  void CloseLists(bool keepCell);
  void LeaveListCell(bool keepCell);
  void SetListState(int32_t state, EditFlexListBox* list);
  void HideListToGrid(EditFlexListBox* list);

  void TextKeyDown(int16_t& keyCode);
  void ComboKeyDown(int16_t& keyCode);
  void ListKeyDown(EditFlexListBox* list, int16_t& keyCode);
  void MoveUp(int16_t& keyCode);
  void MoveDown(int16_t& keyCode);
  void MoveLeft(int16_t& keyCode);
  void MoveRight(int16_t& keyCode);
  void BoundaryRefresh();
  void SetScrolling(bool scrolling) { scrollingByEditor_ = scrolling; }

  EditFlexGridView* grid_ = nullptr;
  EditFlexTextBox* text_ = nullptr;
  EditFlexComboBox* combo_ = nullptr;
  EditFlexListBox* listNorm_ = nullptr;
  EditFlexListBox* listMulti_ = nullptr;
  std::shared_ptr<const FlexGridPicture> norm_;
  std::shared_ptr<const FlexGridPicture> hover_;

  bool enabled_ = false;
  // One entry per grid column, always the same size.
  std::vector<int16_t> editTypes_;
  std::vector<int16_t> textAligns_;  // -1: the text box's own alignment
  std::string loadedText_;
  int32_t presetComboIndex_ = -1;
  bool scrollHidden_ = false;
  bool scrollingByEditor_ = false;
  bool arrowKeyInDropDown_ = false;
  EditFlexControl* scrolled_ = nullptr;
  std::vector<bool> inactiveRows_;  // sized to Rows when last marked
  int32_t listState_ = 0;           // 0 nothing, 1 hover arrow shown, 2 list open
  int32_t listCol_ = -1;
  int32_t listRow_ = -1;
  int16_t textOffset_ = 0;
  int16_t textBoxAlignment_ = 0;
  // Expires when the editor is destroyed, so that code running after an
  // owner's handler can tell whether the handler deleted it.
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

namespace basFlexGridCommon {

// Sizes a list editor of the grid editor to its items (at most 7 rows shown)
// and, for a single-choice list, makes current the first item that matches
// the current cell's text, trimmed and ignoring case (unchanged without a
// match). Pages call it after filling the list for the current cell.
void FitListToItems(EditFlexListBox& list, const FlexGridModel& grid);

// Moves a list editor that would reach below its area (areaHeight twips, in
// the list's coordinates) up by its own height and the current row's, so
// that near the bottom of a grid it opens above its cell. Pages call it
// after sizing the list.
void OpenListAboveWhenBelow(EditFlexListBox& list, const FlexGridModel& grid, int32_t areaHeight);

}  // namespace basFlexGridCommon
