#pragma once
// What the in-place grid editor (clsEditFlexGrid) drives: the grid as it is
// shown and the four editor controls. The window supplies them (the Qt
// widgets behind EditFlexGridWidgets in toolkit/ui); headless tests supply
// fakes. Nothing here knows a widget toolkit.
//
// Positions and sizes are twips in the coordinates of the grid's container
// (the window or frame that holds the grid and the editor controls).
//
// Each part forwards its input to the editor it is attached to: the editor
// calls SetEditor when a part is attached (and with nullptr when the editor
// goes away); a part that goes away first calls clsEditFlexGrid::Forget.

#include <cstdint>
#include <functional>
#include <string>

class FlexGridModel;
class clsEditFlexGrid;

struct EditFlexRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

class EditFlexPart {
 public:
  virtual ~EditFlexPart() = default;
  virtual void SetEditor(clsEditFlexGrid* editor) = 0;
};

// The grid control. It reports the control's events to the editor:
// GotFocus, Click, EnterCell, LeaveCell, KeyDown and Scroll, one EnterCell
// per move of the current cell (also when row and column both change), and
// a change of its size as a Scroll (the editor follows the cell).
class EditFlexGridView : public EditFlexPart {
 public:
  virtual FlexGridModel& Model() = 0;
  // Where the cell is drawn with the grid's present scroll position, also
  // for a cell scrolled out of view (extrapolated from the cells shown).
  virtual EditFlexRect CellRect(int32_t row, int32_t col) const = 0;
  // Whether the row (column) lies wholly inside the cell area and is not
  // scrolled off (before TopRow / LeftCol).
  virtual bool RowFullyVisible(int32_t row) const = 0;
  virtual bool ColFullyVisible(int32_t col) const = 0;
  // The cell under the mouse pointer (-1 over none): in a Click handler, the
  // cell clicked, heading cells included.
  virtual int32_t MouseRow() const = 0;
  virtual int32_t MouseCol() const = 0;
  // False when the grid cannot take the focus (hidden or disabled).
  virtual bool SetFocus() = 0;
};

// What the four editor controls share.
class EditFlexControl : public EditFlexPart {
 public:
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual EditFlexRect Geometry() const = 0;
  virtual void SetGeometry(const EditFlexRect& rect) = 0;
  // False when the control cannot take the focus.
  virtual bool SetFocus() = 0;
};

// Edit type 1. Input reported: KeyDown.
class EditFlexTextBox : public EditFlexControl {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Caret and selection in characters of the text.
  virtual int32_t TextLength() const = 0;
  virtual int32_t SelStart() const = 0;
  virtual int32_t SelLength() const = 0;
  virtual void SetSelection(int32_t start, int32_t length) = 0;
  // 0 left, 1 right, 2 centre.
  virtual int16_t Alignment() const = 0;
  virtual void SetAlignment(int16_t alignment) = 0;
  virtual void SetBackColor(int32_t colour) = 0;
  // 0 without a border (the editor then moves it 30 twips further left so
  // its text stands where the cell's did), 1 with one.
  virtual int16_t BorderStyle() const = 0;
};

// The item list of the combo and the list boxes. The owner fills it, usually
// in its AllignmentDone handler.
class EditFlexItemList {
 public:
  virtual ~EditFlexItemList() = default;
  virtual void Clear() = 0;
  virtual void AddItem(const std::string& text) = 0;
  virtual int32_t ListCount() const = 0;
  virtual std::string List(int32_t index) const = 0;
  // -1 when no item is current.
  virtual int32_t ListIndex() const = 0;
  virtual void SetListIndex(int32_t index) = 0;
  // A number kept with each item (0 when none was given).
  virtual int32_t ItemData(int32_t index) const = 0;
  virtual void SetItemData(int32_t index, int32_t data) = 0;
};

// Edit type 2. Input reported: KeyDown (with the drop-down open only the
// keys the drop-down does not act on itself), KeyUp, and Click when the
// person chooses an item.
class EditFlexComboBox : public EditFlexControl, public EditFlexItemList {
 public:
  virtual bool DroppedDown() const = 0;
  virtual void ShowDropDown() = 0;
  // Height of the selection field in pixels.
  virtual void SetSelectionFieldHeight(int32_t pixels) = 0;
};

// Edit types 3 and 4. Input reported: KeyDown and MouseUp.
class EditFlexListBox : public EditFlexControl, public EditFlexItemList {
 public:
  // 0 one item, 1 simple (each item toggles), 2 extended.
  virtual int16_t MultiSelect() const = 0;
  // 0 plain items, 1 a check box per item.
  virtual int16_t Style() const = 0;
  virtual void SetStyle(int16_t style) = 0;
  // Whether the item is selected (with check boxes: ticked).
  virtual bool Selected(int32_t index) const = 0;
  virtual void SetSelected(int32_t index, bool selected) = 0;

  // Raised when the person changes the list's current item or ticks an item
  // (not when code does); owners of check-box lists take the ticks here.
  std::function<void()> Click;
};
