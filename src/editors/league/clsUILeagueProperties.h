#pragma once
// The league-properties page (page 3): the positions the league uses with
// their roster and starter limits and Merge As positions, the teams with
// their names and draft-strategy files, the draft style, the rounds and the
// created draft order, and the File menu's New, Open, Save and Save As of
// league-properties files. The positions come from the default
// projected-stats database of the work folder. Keepers of a loaded file are
// carried to the next save untouched.
//
// Tabs: 0 " Roster Size", 1 " Teams and Strategies", 2 " Draft Order".
// Column 0 of the main grid is a hidden key: the position ID, the team's
// 0-based index or the pick's 0-based index.

#include <cstdint>
#include <string>
#include <vector>

#include "database/clsKickwellDB.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "editors/league/clsRosterAndPosition.h"
#include "shell/clsUIDocumentPage.h"
#include "toolkit/clsEditFlexGrid.h"

class FlexGridModel;
class LeaguePageView;

class clsUILeagueProperties : public clsUIDocumentPage {
 public:
  enum Tab : int32_t { kTabRosterSize, kTabTeams, kTabDraftOrder };
  // Limits and rounds are whole numbers 0..255.
  static constexpr int32_t kMaxLimit = kMaxRosterLimit;

  explicit clsUILeagueProperties(LeaguePageView& view);

  // ---- The page

  // Opens the default database, reads its positions, loads the project's
  // league and shows " Roster Size". False (after the message) when the
  // default database does not open.
  bool ActivateForm() override;
  void UpdateDisplay() { mTab_Click(currentTab_); }
  void ActivateGrid(int32_t tab);

  // ---- State, read by the window and tests

  int32_t TabView() const { return currentTab_; }
  const std::string& DocumentName() const { return FileName(); }
  int32_t TeamCount() const { return static_cast<int32_t>(teamNames_.size()); }
  const std::vector<std::string>& TeamNames() const { return teamNames_; }
  const std::vector<std::string>& Strategies() const { return strategies_; }
  int32_t DraftStyle() const { return draftStyle_; }
  int32_t DraftRounds() const { return draftRounds_; }
  const std::vector<int32_t>& DraftOrder() const { return order_; }
  int32_t CreatedTeamCount() const { return createdTeamCount_; }
  int32_t CreatedDraftRounds() const { return createdDraftRounds_; }
  clsRosterAndPosition& Positions() { return positions_; }
  int32_t HighlightedRow() const { return highlightRow_; }

  // ---- Events

  void mTab_Click(int32_t index);
  void mMb_Click(int32_t index);
  void mAR_Click(int32_t index);
  void mBoard_Click(int32_t index);
  void cmbOrder_Click(int32_t index);
  void txtRnds_Validate();
  void flxPosCat_MouseUp(int32_t row, int32_t col);
  void mFlxPos_EnterCell();
  void mFlxPos_AllignmentDone(int32_t col);
  void mFlxPos_ValidateFlexText(int32_t row, int32_t col, const std::string& text, const std::string& oldText);
  void mFlxPos_ValidateFlexListSingle(int32_t row, int32_t col, int32_t listIndex);
  void mFlxPos_ValidateFlexCombo(int32_t row, int32_t col, int32_t newIndex, int32_t oldIndex);

 private:
  FlexGridModel& Grid();
  void GridInitialize();
  void ActivateClass();
  // The document: a fresh league keeps only the draft style, rounds and
  // created order of the one edited before; a file is read aside and
  // replaces the league only when the whole file read; keepers of a loaded
  // file are carried to the next save untouched.
  bool NewDocument(const std::string& name) override;
  bool ReadDocument(const std::string& name) override;
  bool WriteDocument(const std::string& name) override;

  void DrawRosterTab();
  void DrawPositionSelection();
  void DrawTeamsTab();
  void DrawDraftOrderTab();
  void ColourRosterRow(int32_t row);
  void FinishRows(int32_t headingRows, int32_t inactiveRows);
  void MoveCell(int32_t row, int32_t col);
  void AddTeam();
  void RemoveTeam();
  void CreateOrder();
  void ClearHighlight() { highlightRow_ = -1; }
  // A choice of item `index` of the list or combo on a row.
  void ApplyChoice(int32_t row, int32_t col, const std::string& text, int32_t data);
  // The hidden key in column 0; -1 for a row that holds none.
  int32_t KeyOfRow(int32_t row);
  std::string TeamNameText(int32_t team) const;

  LeaguePageView& view_;
  clsKickwellDB db_;
  clsEditFlexGrid mFlxPos;
  EditFlexGridView* grid_ = nullptr;
  int32_t currentTab_ = kTabTeams;
  int32_t highlightColour_ = 0;
  int32_t highlightRow_ = -1;
  clsRosterAndPosition positions_;
  clsLeagueIsolate league_;
  std::vector<std::string> strategies_;
  std::vector<std::string> teamNames_;
  int32_t draftStyle_ = 0;
  int32_t draftRounds_ = 1;
  std::vector<int32_t> order_;
  int32_t createdTeamCount_ = 0;
  int32_t createdDraftRounds_ = 0;
  bool initialised_ = false;
  // Set while the page itself moves the current cell: that is no user entering a row.
  bool movingCell_ = false;
};
