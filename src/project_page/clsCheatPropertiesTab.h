#pragma once
// The Document Properties tab of the project page: the twelve document
// properties of the project in the page grid, one row each, edited in
// place. A choice is written to the project entry at once (the project
// file is saved by the project commands):
// - lists (yes/no, file type, display grid, mock type) through the grid
//   editor, on rows 2, 6, 7, 9, 11 and 12;
// - Additional Players through the page's own text box, stored on every
//   keystroke that leaves a whole number in range;
// - the colours through the colour dialog, the targets through the save
//   dialog, on Enter or a click on the value.

#include <cstdint>
#include <string>

#include "toolkit/clsEditFlexGrid.h"

class CheatSheetPageView;
class FlexGridModel;

class clsCheatPropertiesTab {
 public:
  static constexpr int32_t kRows = 13;
  enum Row : int32_t {
    kRowAdditionalPlayers = 1,
    kRowUseColor = 2,
    kRowHeadingColor = 3,
    kRowRowColorA = 4,
    kRowRowColorB = 5,
    kRowUseGridLines = 6,
    kRowFileType = 7,
    kRowCheatSheetTarget = 8,
    kRowCheatSheetGrid = 9,
    kRowMockDraftTarget = 10,
    kRowMockDraftGrid = 11,
    kRowMockDraftType = 12,
  };

  // The page grid and the window; both outlive the tab's use.
  void Bind(FlexGridModel& grid, CheatSheetPageView& view);

  // The editor's parts over the page grid.
  void GridInitialize(EditFlexGridView* grid, EditFlexTextBox* text, EditFlexComboBox* combo,
                      EditFlexListBox* norm, EditFlexListBox* multi);

  // Builds the grid and fills it from the project; the editor is switched
  // on. Leave() switches it off for the other tabs.
  void Show();
  void Leave();

  // The text of the Additional Players box changed.
  void TextBoxChanged(const std::string& text);
  // A key on the page grid (Enter on a colour or target value chooses it;
  // a click on the grid counts as Enter).
  void GridKeyDown(int16_t keyCode, int16_t shift);

  // The value text of a row as the project holds it now.
  static std::string ValueText(int32_t row);

  clsEditFlexGrid& Editor() { return mFlxProp; }

 private:
  void Init();
  void Fill();
  void BandRows();
  void ShowSwatch(int32_t row, int32_t back);
  void EnterCell();
  void AllignmentDone(int32_t col);
  void ListChosen(int32_t row, int32_t col, int32_t listIndex);
  void ChooseColour(int32_t row);
  void ChooseTarget(int32_t row);

  FlexGridModel* grid_ = nullptr;
  CheatSheetPageView* view_ = nullptr;
  bool shown_ = false;
  clsEditFlexGrid mFlxProp;
  int32_t previousRow_ = 0;
};
