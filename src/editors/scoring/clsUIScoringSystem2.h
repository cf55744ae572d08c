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
#include "shell/clsUIDocumentPage.h"
#include "toolkit/clsEditFlexGrid.h"

class EditFlexGridView;
class EditFlexListBox;
class FlexGridModel;
class ScoringPageView;

class clsUIScoringSystem2 : public clsUIDocumentPage {
 public:
  // Rule grid columns, from 0.
  enum Column : int32_t {
    kColCatID, kColRule, kColName, kColPoints, kColForEvery, kColUnit, kColMin, kColMax, kColPositions, kColFDM
  };
  // The stored values that mean "Range" and "No Limit".
  static constexpr float kNoLimit = 99999.0F;

  explicit clsUIScoringSystem2(ScoringPageView& view);
  ~clsUIScoringSystem2() override;

  // ---- The page

  // Opens the default database, fills the position list, the category list
  // and the tabs, loads the project's scoring system and shows tab 0. False
  // (after the message) when the default database does not open.
  bool ActivateForm() override;

  clsScoringIsolate& Scoring() { return scoring_; }
  clsKickwellDB& KickwellDB() { return db_; }
  int32_t CurrentTab() const { return currentTab_; }
  int32_t SelectedRuleRow() const { return selectedRow_; }

  void RefreshDisplay() { mTab_Click(currentTab_); }

  // ---- The rule grid

  void GridInitialize();
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
  // The document: a system read aside, so that a file that does not read
  // leaves the page's system; a missing or empty file is an empty system.
  bool NewDocument(const std::string& name) override;
  bool ReadDocument(const std::string& name) override;
  bool WriteDocument(const std::string& name) override;
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
  int32_t currentTab_ = 0;
  int32_t selectedRow_ = -1;
  int32_t selectedTab_ = -1;
  int32_t selectedRowColour_ = 0;
  int32_t catRow_ = 0;
  int32_t catID_ = 0;
  int32_t titleColour_ = 0;
  bool initialised_ = false;
};
