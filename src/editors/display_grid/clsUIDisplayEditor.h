#pragma once
// The display-grid editor (page 7): the categories of the default
// projected-stats database with a tick for each one the grid shows, the
// grid's columns edited in place (width, two headings, format, alignment),
// columns moved up and down, a preview of the grid with a sample row, and
// the File menu's New, Open, Save and Save As of display-grid files.
//
// Every change to the grid marks it changed (adding, removing, moving
// columns and widths taken from the preview included), so leaving the page
// never drops an edit without the save question.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/clsDisplayGridIsolate.h"
#include "database/clsKickwellDB.h"
#include "shell/clsUIDocumentPage.h"
#include "toolkit/clsEditFlexGrid.h"

class DisplayEditorView;
class FlexGridModel;
class FlexGridPicture;

class clsUIDisplayEditor : public clsUIDocumentPage {
 public:
  // Columns of the column list.
  enum ListColumn : int32_t {
    kColCategory = 0,  // hidden: category ID
    kColIndex = 1,     // hidden: column index in the grid
    kColOrder = 2,     // hidden: order number
    kColName = 3,
    kColWidth = 4,
    kColTitle1 = 5,
    kColTitle2 = 6,
    kColFormat = 7,
    kColAlign = 8,
    kListColumns = 9,
  };
  static constexpr int32_t kMinWidth = 1;
  static constexpr int32_t kMaxWidth = 1600;

  explicit clsUIDisplayEditor(DisplayEditorView& view);

  // The three grids and the check-box pictures, before ActivateForm.
  void GridInitialize(EditFlexGridView* columnList, EditFlexTextBox* text, EditFlexListBox* list,
                      FlexGridModel* categories, FlexGridModel* preview,
                      std::shared_ptr<const FlexGridPicture> unchecked,
                      std::shared_ptr<const FlexGridPicture> checked,
                      std::shared_ptr<const FlexGridPicture> dropArrow,
                      std::shared_ptr<const FlexGridPicture> dropArrowHover);

  // ---- The page
  // Opens the default database and shows an empty grid. False (after the
  // database's message) when it does not open.
  bool ActivateForm() override;

  // ---- Events
  // A click on the category list's cell (row, col).
  void flxStatCats_Click(int32_t row, int32_t col);
  // 0 Move Up, 1 Move Down.
  void mUpDown_Click(int32_t index);
  // The preview's column widths in pixels, as the person dragged them:
  // kept within 1..1600 (the preview then shows the width kept), written
  // into the column list, and a change.
  void TakePreviewWidths(const std::vector<int32_t>& pixels);

  const clsDisplayGridIsolate& Grid() const { return grid_; }
  int32_t SelectedRow() const { return selectedRow_; }
  clsEditFlexGrid& Editor() { return mFlxPlayer; }

 private:
  void LayOutColumnList();
  void LoadColumnList();
  void ShowColumnRow(int32_t row, int32_t index);
  void FillCategoryList();
  void MarkUsedCategories();
  void SetCategoryMark(int32_t row, bool checked);
  void BuildPreview();
  void UpdateMoveButtons();
  void SelectRow(int32_t row);
  void ScrollSelectedIntoView();
  void FinishColumnList();
  // The grid's column list, preview and move buttons afresh.
  void ShowGrid();

  void mFlxPlayer_EnterCell();
  void mFlxPlayer_AllignmentDone(int32_t col);
  void mFlxPlayer_ValidateFlexListSingle(int32_t row, int32_t col, int32_t listIndex);
  void mFlxPlayer_ValidateFlexText(int32_t row, int32_t col, const std::string& text, const std::string& oldText);
  // The document: an empty grid; a file read into the grid only when it
  // reads whole.
  bool NewDocument(const std::string& name) override;
  bool ReadDocument(const std::string& name) override;
  bool WriteDocument(const std::string& name) override;

  FlexGridModel& List();

  DisplayEditorView& view_;
  clsDisplayGridIsolate grid_;
  clsKickwellDB db_;
  FlexGridModel* categories_ = nullptr;
  FlexGridModel* preview_ = nullptr;
  clsEditFlexGrid mFlxPlayer;
  EditFlexGridView* columnList_ = nullptr;
  EditFlexListBox* list_ = nullptr;
  std::shared_ptr<const FlexGridPicture> unchecked_;
  std::shared_ptr<const FlexGridPicture> checked_;
  int32_t selectedRow_ = -1;
  int32_t selectedColour_ = 0;
};
