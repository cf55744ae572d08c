#pragma once
// The scoring-system page (page 2): opens the project's scoring system (or a
// new one), shows its rules in the rule grid, grouped by stat sub-category
// and category, edits them in place, adds and deletes rules, and carries out
// the File menu's New, Open, Save and Save As of scoring-system files. The
// stat categories, sub-categories, units and positions come from the
// default projected-stats database of the work folder.
//
// Rule grid: columns 0 (category ID, "-1" on a sub-category title row) and 1
// (the rule's index in the scoring system) are hidden keys; rows 0 and 1 are
// headings. Deleted rules are only marked (CatID -1), so the indexes stay
// valid until the next load; a save leaves them out.

#include <cstdint>
#include <memory>
#include <string>

#include "database/clsKickwellDB.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "shell/PageWindow.h"
#include "toolkit/clsEditFlexGrid.h"

class EditFlexComboBox;
class EditFlexGridView;
class EditFlexListBox;
class EditFlexTextBox;
class FlexGridModel;
class ScoringPageView;

class clsUIScoringSystem2 : public PageCommands {
 public:
  // Rule grid columns.
  enum Column : int32_t {
    kColCatID = 0,
    kColRule = 1,
    kColName = 2,
    kColPoints = 3,
    kColForEvery = 4,
    kColUnit = 5,
    kColMin = 6,
    kColMax = 7,
    kColPositions = 8,
    kColFDM = 9,
  };
  // The stored values that mean "Range" and "No Limit".
  static constexpr float kNoLimit = 99999.0F;

  explicit clsUIScoringSystem2(ScoringPageView& view);
  ~clsUIScoringSystem2() override;
  clsUIScoringSystem2(const clsUIScoringSystem2&) = delete;
  clsUIScoringSystem2& operator=(const clsUIScoringSystem2&) = delete;

  // ---- The page (PageCommands)

  // Opens the default database, fills the position list, the category list
  // and the tabs, loads the project's scoring system and shows tab 0. False
  // (after the message) when the default database does not open.
  bool ActivateForm() override;
  // The close check: the save question when there are unsaved changes.
  // False keeps the page: Cancel, or Save when the system was not saved.
  bool QueryUnload() override;
  // 6 New, 7 Open, 9 Save, 10 Save As.
  void FileCommand(int32_t index) override;

  bool ChangesMade() const { return changesMade_; }
  void ClearChanges() { changesMade_ = false; }
  // The bare file name of the system edited, "" for an unsaved new one.
  const std::string& FileName() const { return fileName_; }
  clsScoringIsolate& Scoring() { return scoring_; }
  clsKickwellDB& KickwellDB() { return db_; }
  int32_t CurrentTab() const { return currentTab_; }
  int32_t SelectedRuleRow() const { return selectedRow_; }

  // Empties the system and reads the file of the scoring folder into it; a
  // missing or empty file gives an empty system. The display is not
  // refreshed.
  void LoadScoringSystem(const std::string& fileName);
  void CreateNewSystem(const std::string& fileName);
  void RenameFile(const std::string& fileName);
  // False (after the message) when the file could not be written.
  bool SaveSCOFile(const std::string& path);
  void RefreshDisplay() { mTab_Click(currentTab_); }

  // ---- The rule grid

  void GridInitialize(EditFlexGridView* grid, EditFlexTextBox* textBox, EditFlexComboBox* comboBox,
                      EditFlexListBox* positionList);
  void FillSummaryGrid();
  void FillSubCategoryGrid(int32_t subCatID);
  // One rule value into its cell: For Every, Min, Max, the position mask
  // or the distribution-map mark (value non-zero).
  void SetRuleCell(int32_t row, int32_t col, double value);
  void AddRule();
  void DeleteRule();

  // ---- Events

  void mTab_Click(int32_t index);
  void mRule_Click(int32_t index);
  void mRem_Click(int32_t index);
  // The mini bar's one button: the rule grid to a file.
  void mMb_Click(int32_t index);
  void mFlxScoCat_Click(int32_t row);
  void mflxScoring_EnterCell();
  void mFlxScoring_AllignmentDone(int32_t col);
  void mFlxScoring_Click();
  void mFlxScoring_ValidateFlexText(int32_t row, int32_t col, const std::string& text, const std::string& oldText);
  void mLstPos_Click();

 private:
  FlexGridModel& Grid();
  bool CloseCheck();
  bool Save();
  bool SaveAs();
  void NewSystem();
  void OpenSystem();
  // The name into project entry 8, the File menu and the side bar.
  void Announce();
  void ShowName();
  void FillPositionList();
  void LayOutCategoryGrid();
  void FillCategoryGrid(int32_t subCatID);
  void WriteRuleRow(int32_t row);
  void WriteTitleRow(int32_t row, int32_t subCatID);
  void ColourRuleRows();
  void MarkTitleRowsInactive();
  void SelectRuleRow(int32_t row, int32_t colour);
  void RestoreRuleRow();
  void RemoveGridRow(int32_t row);
  // The rule index in column 1 of a rule row, -1 for a title, heading or
  // damaged row.
  int32_t RuleIndexOfRow(int32_t row);
  std::string PositionText(int32_t mask);

  ScoringPageView& view_;
  clsKickwellDB db_;
  clsScoringIsolate scoring_;
  clsEditFlexGrid mFlxScoring;
  EditFlexGridView* grid_ = nullptr;
  EditFlexListBox* lstPos_ = nullptr;
  std::string fileName_;
  bool changesMade_ = false;
  int32_t currentTab_ = 0;
  int32_t selectedRow_ = -1;
  int32_t selectedTab_ = -1;
  int32_t selectedRowColour_ = 0;
  int32_t catRow_ = 0;
  int32_t catID_ = 0;
  int32_t titleColour_ = 0;
  bool initialised_ = false;
};
