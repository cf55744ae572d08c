#pragma once
// The draft-strategy page (page 4): opens the default strategy of the
// strategy folder (or none), shows its pick rules one per row in priority
// order, edits them in place, adds, removes and reorders rules, and carries
// out the File menu's New, Open, Save and Save As of strategy files. The
// positions come from the default projected-stats database of the work
// folder; position 1 (the whole roster) is shown as "All".
//
// Two tabs share the grid. "Strategy", the rule grid: rows 0 and 1 are
// headings; row r shows rule r - 2; column 0 (hidden) holds the rule
// number. "Factors", the factor grid: one column per position (not "All"),
// row 1 the LR-TR factor (worked out during a draft, not edited), rows 2
// and 3 the INJURY and X factors of each position.

#include <cstdint>
#include <string>
#include <vector>

#include "draft_inputs/clsDraftStrategy.h"
#include "shell/clsUIDocumentPage.h"
#include "toolkit/clsEditFlexGrid.h"

class EditFlexListBox;
class FlexGridModel;
class StrategyPageView;

class clsUIStrategy : public clsUIDocumentPage {
 public:
  // Rule grid columns, from 0.
  enum Column : int32_t {
    kColRule, kColBegin, kColEnd, kColMethod, kColCompare, kColFactors, kColInclusion, kColPositions, kColNoBye
  };
  enum RuleButton : int32_t { kAddRule = 0, kRemoveRule = 1, kMoveUp = 2, kMoveDown = 3 };
  enum Tab : int32_t { kTabStrategy = 0, kTabFactors = 1 };

  explicit clsUIStrategy(StrategyPageView& view);
  ~clsUIStrategy() override;

  // ---- The page

  // Reads the positions from the default database, lays out the grid and
  // opens the default strategy when the folder holds it. False (after the
  // message) when the database does not open.
  bool ActivateForm() override;

  clsDraftStrategy& Strategy() { return strategy_; }
  int32_t CurrentRow() const { return currentRow_; }
  int32_t CurrentTab() const { return currentTab_; }
  void DisplayStrategyGrid();

  // ---- Events

  // The tab strip: 0 "Strategy", 1 "Factors".
  void mTab_Click(int32_t index);
  // The mini bar's "Export Grid To File": the grid of the current tab.
  void mMb_Click(int32_t index);
  void mAR_Click(int32_t index);
  void mTxtDescription_Change(const std::string& text);
  void mFlxStrategy_EnterCell();
  void mFlxStrategy_Click();
  void mFlxStrategy_AllignmentDone(int32_t col);
  void mFlxStrategy_ValidateFlexListSingle(int32_t row, int32_t col, int32_t listIndex);
  void mFlxStrategy_ValidateFlexText(int32_t row, int32_t col, const std::string& newText,
                                     const std::string& oldText);
  void mLstPos_Click();

 private:
  FlexGridModel& Grid();
  void FillPositions();
  void GridInitialize();
  void LayOutRuleGrid();
  void LayOutFactorGrid();
  void FillFactorGrid();
  void ShowStrategyTab();
  void SetEditTypes();
  void MarkHeadingRowsInactive();
  void DisplayRuleRow(int32_t rule, int32_t row);
  void ShowByeConflict(int32_t row, bool set);
  void PaintRuleRow(int32_t row, int32_t colour);
  int32_t RuleRowColour(int32_t row) const;
  void UpdateRuleButtons();
  void AddStrategy(int32_t index);
  std::string PositionAbbreviation(int32_t posID) const;
  // "[QB]", "[QB-S]" (starter mark), "[QB-B]" (bench mark).
  std::string PositionTag(int32_t id) const;
  // The position's full name, with "(starter)" or "(bench)" for a mark.
  std::string PositionName(int32_t id) const;
  std::string PositionText(int32_t rule) const;
  std::string FactorText(int32_t rule) const;
  void FillList(int32_t col);
  void FactorEdit(int32_t row, int32_t col, const std::string& newText, const std::string& oldText);

  // The document: nothing is written until Save; a file is read aside and
  // replaces the strategy only when it read.
  bool NewDocument(const std::string& name) override;
  bool ReadDocument(const std::string& name) override;
  bool WriteDocument(const std::string& name) override;
  // The page's own question: " Save changes to " the name.
  std::string AskToSave() override;

  StrategyPageView& view_;
  clsDraftStrategy strategy_;
  clsEditFlexGrid mFlxStrategy;
  EditFlexListBox* lstPos_ = nullptr;
  std::vector<int32_t> positionIDs_;
  std::vector<std::string> positionAbbreviations_;
  std::vector<std::string> positionNames_;
  int32_t currentTab_ = kTabStrategy;
  int32_t currentRow_ = 0;
  int32_t currentCol_ = 0;
};
