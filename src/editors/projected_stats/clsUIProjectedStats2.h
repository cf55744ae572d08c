#pragma once
// The projected-stats page (page 1): shows the season rows (week 250) of the
// project's projected-stats database, one position per tab, laid out by the
// position's display grid. A correction typed into a cell is written into
// the database at once, the player is rescored and marked ("Mod", DNU) and
// the value it replaced is listed so that the corrections can be undone
// newest first. The grid sorts by a heading click; the options bar applies
// the project's scoring system, changes the display grid, exports and opens
// the properties window. Every file it shows is first scored the way a
// correction is scored (the project's system), so the points it shows are
// the cheat sheet's; a tab or a file it cannot show is one message.
//
// The document is a database file open in place, not a whole file read and
// written: Save only forgets the corrections (they are in the file), Save
// As copies the file shown and gives the corrections back to it, "Don't
// Save" writes them back, and New builds a database through the new-file
// dialog. A file that does not open leaves the file shown before (or, when
// that is gone too, only the template's positions and an empty grid).
//
// Grid: column 0 the hidden player ID, column 1 the "Mod" mark, then one
// column per display-grid column; rows 0 and 1 are headings.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "database/clsKickwellDB.h"
#include "shell/clsUIDocumentPage.h"
#include "toolkit/clsEditFlexGrid.h"

class EditFlexGridView;
class FlexGridModel;
class ProjectedStatsView;

class clsUIProjectedStats2 : public clsUIDocumentPage {
 public:
  // One correction or mark change with the stored value and season points
  // it replaced, and the stat tables in which it had to make the player's
  // season row (undo deletes those rows again).
  struct StatChange {
    int32_t playerID = 0;
    int32_t catID = 0;
    double oldValue = 0;
    double oldPoints = 0;
    std::vector<int32_t> createdTables;
  };

  static constexpr uint8_t kSeasonWeek = 250;
  static constexpr int32_t kCatPoints = 44;
  static constexpr int32_t kCatDNU = 67;
  static constexpr int32_t kCatRank = 88;  // sorted with its zeros (no rank) last
  static constexpr const char* kFirstDisplayGrid = "Offensive - Full Stats.dis";

  explicit clsUIProjectedStats2(ProjectedStatsView& view);

  // ---- The page

  // Opens the project's projected-stats file (or only the default database,
  // for the positions), builds the tabs and shows tab 0. False when not even
  // the default database opens.
  bool ActivateForm() override;
  // The corrections listed; the save question asks while there are any.
  bool ChangesMade() const override { return !changes_.empty(); }
  // New through the new-file dialog: the database is built (or copied) and
  // shown; the project keeps naming the file it named.
  void New() override;
  // Save and Save As need a file shown.
  bool Save() override;
  bool SaveAs() override;
  // A changed setting 28 rebuilds the tabs at once; the file shown, its
  // corrections and the tab's position (where a tab still shows it) stay.
  void SettingsSaved() override;

  bool Loaded() const { return loaded_; }
  clsKickwellDB& KickwellDB() { return db_; }
  int16_t Year() const { return year_; }
  int32_t CurrentTab() const { return currentTab_; }
  int32_t CurrentPositionID() const { return posID_; }
  const std::vector<int32_t>& PositionIDs() const { return posIDs_; }
  const std::string& DisplayGridFile() const { return displayFile_; }
  int32_t SortColumn() const { return sortCol_; }
  int32_t SortDirection() const { return sortDir_; }
  // The category of a grid column: 0 for the ID, 67 for "Mod".
  int32_t ColumnCategory(int32_t col) const;
  const std::vector<StatChange>& StatChanges() const { return changes_; }

  void RefreshYear();
  void RefreshDisplay();
  void DisplayURLs();
  // Tab 0 selected and shown; false after the message of a file whose
  // first tab cannot be shown.
  bool ResetStatGrid();

  // ---- The stat grid

  // Lays the grid out and shows tab 0; false as ResetStatGrid.
  bool GridInitialize();
  // Index of the newest change, -1 when none.
  int32_t StatChangeMax() const { return static_cast<int32_t>(changes_.size()) - 1; }
  // Writes every listed value and the points stored with it back, newest
  // first, empties the list and shows the rows of the players again.
  void UndoStatChanges();
  void ClearStatChanges() { changes_.clear(); }
  void ClearData();
  void SortByColumn(int32_t col);
  void ToggleDNU(int32_t row, int32_t col, bool keepSet);
  // Loads a display grid of the display-grid folder (the position's
  // default after a message when it does not validate) and lays the grid
  // out for it; false when nothing could be loaded.
  bool LoadTabDisplayGrid(std::string fileName);
  void FillPlayerRows();

  // ---- Events

  // False after the one message of a tab the page cannot show (more players
  // than the grid holds, a value the database layer refuses); its grid is
  // then empty and the page stays usable.
  bool mTab_Click(int32_t index);
  // 0 Apply Scoring System, 1 Change Display Grid, 2 Export Grid To File,
  // 3 Projected Stats Properties.
  void mOP_Click(int32_t index);
  void mFlxProjected_Click();
  void mFlxProjected_EnterCell();
  void mFlxProjected_ValidateFlexText(int32_t row, int32_t col, const std::string& newText,
                                      const std::string& oldText);

 private:
  FlexGridModel& Grid();
  void BuildTabs();
  void SetUpGridColumns();
  void SetColumnEditTypes();
  std::string PositionFilter();
  void FillPlayerRow(int32_t playerID, int32_t row);
  void ShowMark(int32_t row, bool marked);
  void ColourRows();
  void RestoreHighlightedRow();
  int32_t PlayerOfRow(int32_t row);
  // The stored value of a displayed category of the player's season row.
  double StoredValue(int32_t playerID, int32_t col);
  // The points stored in the player's season row; none without a row.
  std::optional<double> SeasonPoints(int32_t playerID);
  void Rescore(int32_t playerID);
  // Writes back the value and the points a change replaced.
  void Restore(const StatChange& change);
  void ApplyScoringFromPage();
  void ChangeDisplayGrid();
  void ShowProperties();
  // The stat tables 0..N holding a season row of the player.
  std::vector<int32_t> SeasonTables(int32_t playerID);
  // Those of them that were not in `before`.
  std::vector<int32_t> CreatedTables(int32_t playerID, const std::vector<int32_t>& before);

  // Opens the file of the projected-stats folder in place of the open one;
  // false after one message (also for a file marked read-only).
  bool OpenFile(const std::string& name);
  // Brings the open file up to date with newer master and strain files.
  void UpdateOpenedFile();
  // The league's roster sizes and Merge As positions into the open file
  // when setting 28 asks for them (the tabs show the league's positions and
  // a tab lists the players merged into it); otherwise every position on
  // its own.
  void UseLeaguePositions();
  // The scoring system the page scores with: the project's; "" (the rules
  // the database stores) without a project or without one named there.
  static std::string ScoringFile();
  // Every season row of the open file scored as a correction is scored
  // (basMockDraftCalculation::RescoreShownSeason); a cancel or a failure is
  // one message saying the points shown are not all scored.
  void ScoreShownFile();
  // Shows the open file: its year, tab 0, its sources. False after the
  // message of a file whose first tab cannot be shown.
  bool ShowOpenedFile();
  // "No Projected Stats in Loaded.", and the grid cleared.
  void NothingToSave();
  // After a file that did not open or build: the file shown before opened
  // again, else the template's positions and an empty grid.
  void ShowFileAgain(const std::string& name);
  static std::string DefaultGridOfPosition(int32_t posID);

  // Open: the file in place of the one shown. Write: under the shown name
  // the corrections are kept (they are in the file); under another name the
  // file shown is copied and gets its old values back, the copy keeping
  // the corrections.
  bool NewDocument(const std::string& name) override;
  bool ReadDocument(const std::string& name) override;
  bool WriteDocument(const std::string& name) override;
  void DropChanges() override { UndoStatChanges(); }

  ProjectedStatsView& view_;
  clsKickwellDB db_;
  clsEditFlexGrid mFlxProjected;
  EditFlexGridView* grid_ = nullptr;
  bool loaded_ = false;
  bool initialised_ = false;
  int16_t year_ = 2010;
  int32_t currentTab_ = 0;
  int32_t posID_ = 0;
  std::vector<int32_t> posIDs_;
  // Setting 28 as the tabs were built with it.
  bool tabsUseMergeAs_ = false;
  std::string displayFile_ = kFirstDisplayGrid;
  std::vector<int32_t> colCats_;
  std::string blankRow_;
  int32_t sortCol_ = 0;
  int32_t sortCat_ = 0;
  int32_t sortDir_ = 0;
  int32_t highlightTab_ = -1;
  int32_t highlightRow_ = 0;
  int32_t savedColour_ = 0;
  int32_t highlightColour_ = 0;
  std::vector<StatChange> changes_;
};
