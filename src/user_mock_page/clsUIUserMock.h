#pragma once
// The user mock-draft page (page 9): opens, creates and saves the project's
// user mock draft, fills the page's three grids through their display grids,
// and turns the clicks of the bars, tabs and grids into the drafting
// session's moves. The drafting itself (board, rosters, projections,
// recommendation, logic report) is clsUserMockSession's.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "database/clsDisplayGridIsolate.h"
#include "shell/clsUIDocumentPage.h"
#include "user_mock/clsUserMockSession.h"

class FlexGridModel;
class UserMockPageView;

class clsUIUserMock : public clsUIDocumentPage {
 public:
  // The three grids of the page, also the mini bars' indexes.
  enum Grid : int32_t { kPickGrid = 0, kTeamGrid = 1, kPossibleGrid = 2 };
  static constexpr int32_t kBoardMode = 1;
  static constexpr int32_t kListMode = 0;

  explicit clsUIUserMock(UserMockPageView& view);
  ~clsUIUserMock() override;

  clsUserMockSession& Session() { return *session_; }
  // The drafting session keeps the changed flag: drafting sets it.
  bool ChangesMade() const override { return session_->ChangesMade(); }
  void SetChangesMade(bool changed) override { session_->SetChangesMade(changed); }
  // The display-grid file of each grid (Grid index).
  const std::string& GridFile(int32_t grid) const;
  int32_t DisplayMode() const { return displayMode_; }
  int32_t SortColumn() const { return sortColumn_; }
  int32_t SelectedTeamTab() const { return teamTab_; }
  int32_t SelectedPositionTab() const { return positionTab_; }

  // ---- The page

  // Opens the project's user mock draft or, after the question, creates one;
  // then fills the page. False keeps the page closed.
  bool ActivateForm() override;
  // Nothing while a move, draft or projection runs.
  void FileCommand(int32_t index) override;

  bool CreateUserMock();
  void Activate();
  // True when the draft was written (the project then names it).
  bool pSbSaveUserMock();
  // Opens the draft `name` of the user-mock folder, or makes it new from the
  // project's league. Either is built aside and replaces the page's draft
  // only when it opened, so a damaged file never leaves a partial draft.
  bool pSbLoadUserMock(const std::string& name);
  bool pSbNewUserMock(const std::string& name);

  // ---- Clicks

  void mPN_Click(int32_t index);
  void mAR_Click(int32_t index);
  void mFlxPick_Click(int32_t row, int32_t col);
  void mFlxPossible_Click(int32_t row, int32_t col);
  void mFlxTeam_Click(int32_t row, int32_t col);
  void mTabTeam_Click(int32_t index);
  void mTabPossible_Click(int32_t index);
  void SetPickDisplayMode(int32_t mode);
  // Button 0 "Change Display Grid" of a grid's mini bar.
  void ChangeDisplayGrid(int32_t grid);
  // Button 1 "Export Grid To File": the grid as the page shows it, without
  // the hidden key column of the list grids.
  void ExportGrid(int32_t grid);

  // True while a move, draft or projection runs; every click is ignored then.
  bool Busy() const { return busy_; }

 private:
  class BusyScope;

  // The document: opening does not name it in the project, a new draft is
  // named there at once, saving names it there.
  bool NewDocument(const std::string& name) override { return pSbNewUserMock(name); }
  bool ReadDocument(const std::string& name) override { return pSbLoadUserMock(name); }
  bool WriteDocument(const std::string& name) override;
  std::unique_ptr<clsUserMockSession> NewSession(const std::string& name) const;
  void Adopt(std::unique_ptr<clsUserMockSession> session);
  void LoadDisplayGrids();
  void LoadDisplayGrid(int32_t grid);
  void LayOutGrid(FlexGridModel& grid, int32_t which);
  void SetUpGrids();
  void FillPossibleGrid();
  void SortPossibleGrid(int32_t col);
  void HighlightPossibleGrid();
  void FillPickGrid();
  void FillTeamGrid();
  void RefreshAfterPick();
  void ShowActivePick(bool showPick, bool showPlayer);
  void EnableButtons();
  void UseLogicWindow();
  // A move of the active pick, then the grids and the page follow it.
  void MoveActivePick(const std::function<void()>& move);
  bool BoardEmpty() const;
  bool Accepting() const;

  UserMockPageView& view_;
  std::unique_ptr<clsUserMockSession> session_;
  std::array<clsDisplayGridIsolate, 3> displays_;
  std::array<std::string, 3> gridFiles_;
  int32_t displayMode_ = kBoardMode;
  int32_t sortColumn_ = -1;
  int32_t teamTab_ = 0;
  int32_t positionTab_ = 0;
  bool busy_ = false;
  bool activated_ = false;
};
