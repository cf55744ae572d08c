#include "user_mock_page/clsUIUserMock.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basColourScheme.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "documents/basFlexGridHTML.h"
#include "documents/basGridValidation.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Text.h"
#include "shell/basExportFile.h"
#include "shell/basFileDialog.h"
#include "user_mock/basBoardMode.h"
#include "user_mock_page/UserMockPageView.h"

namespace {

constexpr int32_t kPageRowHeight = 300;
constexpr int32_t kHeadingRows = 2;
// Stat fields the page looks for in its display grids.
constexpr int32_t kFieldPoints = 44;
constexpr int32_t kFieldPosition = 50;
constexpr int32_t kFieldName = 51;
constexpr int32_t kFieldRosterValue = 86;
// Round, overall pick, owner number and owner: the pick's, not the player's.
constexpr int32_t kFieldFirstDraftValue = 89;
constexpr int32_t kFieldLastDraftValue = 92;

// Grid files by clsUIUserMock::Grid, and the kind of each one's default.
const std::array<const char*, 3> kGridFiles = {"UserMock - Picks.dis", "UserMock - Roster.dis",
                                               "UserMock - Available.dis"};
constexpr std::array<int32_t, 3> kGridKinds = {8, 9, 7};

constexpr const char* kNewQuestion =
    "Data from the project League Properties file will be used to"
    " create your UGM.  Please make sure the # of teams, # of draft"
    " rounds and draft order are correct before creating this UGM.  A new UGM may be"
    " needed to correctly change these values. Continue?";

int32_t ActiveColour() { return PaletteColour[basColourScheme::kSelectionColour]; }
int32_t ProjectedColour() { return PaletteColour[basColourScheme::kMarkedRowColour]; }
int32_t DraftedColour() { return PaletteColour[basColourScheme::kDraftedRowColour]; }

void ColourRow(FlexGridModel& grid, int32_t row, int32_t colour) {
  for (int32_t c = 0; c < grid.Cols(); ++c) grid.SetCellBackColorAt(row, c, colour);
}

// A display row pasted over the whole row.
void PasteRow(FlexGridModel& grid, int32_t row, const std::string& text) {
  grid.SetRow(row);
  grid.SetCol(0);
  grid.SetRowSel(row);
  grid.SetColSel(grid.Cols() - 1);
  grid.SetClip(text);
}

int32_t KeyOfRow(const FlexGridModel& grid, int32_t row) {
  if (row < kHeadingRows || row >= grid.Rows() || grid.Cols() < 1) return 0;
  return static_cast<int32_t>(runtime::Val(grid.TextMatrix(row, 0)));
}

// The first display column showing the stat field; -1 when none does.
int32_t ColumnOf(const clsDisplayGridIsolate& display, int32_t field) {
  for (int32_t c = 0; c <= display.ColumnMax(); ++c)
    if (display.TableFieldID(c) == field) return c;
  return -1;
}

// A short file is refused without a word by the document; the page says why.
void ReportShortFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size >= 20) return;
  seams::MessageBox().PlainMessage(
      "The user mock-draft file is cut short" + std::string(runtime::kCrLf) + path, seams::PlainButtons::kOk,
      seams::PlainIcon::kNone, "Load User Mock Error");
}

}  // namespace

class clsUIUserMock::BusyScope {
 public:
  explicit BusyScope(clsUIUserMock& page) : page_(page) {
    page_.busy_ = true;
    page_.view_.SetBusy(true);
  }
  ~BusyScope() {
    page_.view_.SetBusy(false);
    page_.busy_ = false;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  clsUIUserMock& page_;
};

clsUIUserMock::clsUIUserMock(UserMockPageView& view)
    : clsUIDocumentPage({kPageUserMockDraft, kProjUserMockDraftFile, false, false, " "}),
      view_(view),
      session_(std::make_unique<clsUserMockSession>()) {
  for (std::size_t g = 0; g < gridFiles_.size(); ++g) gridFiles_[g] = kGridFiles[g];
  session_->Document().SetFilePath(FileTypeFolder[kPageUserMockDraft]);
}

clsUIUserMock::~clsUIUserMock() = default;

const std::string& clsUIUserMock::GridFile(int32_t grid) const {
  return gridFiles_.at(static_cast<std::size_t>(grid));
}

bool clsUIUserMock::BoardEmpty() const { return session_->Board().Count() < 0; }

bool clsUIUserMock::Accepting() const { return !busy_ && ClicksAccepted && !BoardEmpty(); }

// ---------------------------------------------------------------- opening, creating, saving

bool clsUIUserMock::ActivateForm() {
  // A draft that fails half-way (a damaged file the reader let through)
  // keeps the page closed after its message.
  Guarded([this] {
    if (!CreateUserMock()) return;
    Activate();
    activated_ = true;
  });
  return activated_;
}

bool clsUIUserMock::CreateUserMock() {
  // A draft that cannot be opened has said why; a new one is offered instead.
  if (OpenAtStart(GlobalProject().Value(kProjUserMockDraftFile))) return true;
  if (!basMessage::AskYesNo("New User Generated Mock Draft", kNewQuestion)) return false;
  return NewWithoutAsking();
}

void clsUIUserMock::Activate() {
  LoadDisplayGrids();
  SetUpGrids();
  view_.SetDisplayMode(displayMode_);
}

std::unique_ptr<clsUserMockSession> clsUIUserMock::NewSession(const std::string& name) const {
  auto session = std::make_unique<clsUserMockSession>();
  session->Document().SetFilePath(FileTypeFolder[kPageUserMockDraft]);
  session->Document().SetFileName(name);
  return session;
}

void clsUIUserMock::Adopt(std::unique_ptr<clsUserMockSession> session) {
  session_ = std::move(session);
  if (activated_) SetUpGrids();
}

bool clsUIUserMock::pSbLoadUserMock(const std::string& name) {
  auto session = NewSession(name);
  if (!session->Document().LoadUserMock()) {
    ReportShortFile(session->Document().FilePath() + name);
    return false;
  }
  if (!session->Open(false)) return false;
  session->SetChangesMade(false);
  Adopt(std::move(session));
  return true;
}

bool clsUIUserMock::pSbNewUserMock(const std::string& name) {
  LoadDisplayGrids();
  auto session = NewSession(name);
  if (!session->Open(true)) return false;
  session->SetChangesMade(true);
  GlobalProject().SetValue(kProjUserMockDraftFile, name);
  Adopt(std::move(session));
  return true;
}

bool clsUIUserMock::pSbSaveUserMock() { return session_->Save(); }

bool clsUIUserMock::WriteDocument(const std::string& name) {
  session_->Document().SetFileName(name);
  return pSbSaveUserMock();
}

void clsUIUserMock::FileCommand(int32_t index) {
  if (!busy_) clsUIDocumentPage::FileCommand(index);
}

// ---------------------------------------------------------------- display grids

void clsUIUserMock::LoadDisplayGrids() {
  for (std::size_t g = 0; g < gridFiles_.size(); ++g) {
    gridFiles_[g] = kGridFiles[g];
    LoadDisplayGrid(static_cast<int32_t>(g));
  }
}

void clsUIUserMock::LoadDisplayGrid(int32_t grid) {
  const auto g = static_cast<std::size_t>(grid);
  std::string message;
  const std::string path = FileTypeFolder[kPageDisplayGrids] + gridFiles_[g];
  // A grid file that fails its checks gives way to its default, silently.
  if (basGridValidation::ValidateDisplayGridFile(path, message) && displays_[g].OpenFile(path)) return;
  displays_[g] = clsDisplayGridIsolate();
  displays_[g].OpenFile(DefaultsFolder + basGridValidation::DefaultDisplayGridFile(kGridKinds[g]));
}

void clsUIUserMock::LayOutGrid(FlexGridModel& grid, int32_t which) {
  const clsDisplayGridIsolate& display = displays_[static_cast<std::size_t>(which)];
  clsKickwellDB& db = session_->Database();
  if (display.ColumnMax() < 0) {
    grid.Clear();
    grid.SetRows(kHeadingRows);
    grid.SetCols(1);
    return;
  }
  db.PassDisplay(display);
  basFlexGridHTML::SetUpSectionGrid(grid, db);
  grid.SetFixedRows(kHeadingRows);
  grid.SetFixedCols(0);
  grid.SetRowHeightMin(kPageRowHeight);
  for (int32_t r = 0; r < kHeadingRows; ++r) grid.SetRowHeight(r, kPageRowHeight);
}

// ---------------------------------------------------------------- the grids

void clsUIUserMock::SetUpGrids() {
  teamTab_ = 0;
  positionTab_ = 0;
  const clsDisplayGridIsolate& available = displays_[kPossibleGrid];
  // The roster value; else the last column of points or names; else the last.
  sortColumn_ = ColumnOf(available, kFieldRosterValue);
  for (int32_t k = available.ColumnMax(); k >= 0 && sortColumn_ < 0; --k)
    if (available.TableFieldID(k) == kFieldPoints || available.TableFieldID(k) == kFieldName) sortColumn_ = k;
  if (sortColumn_ < 0) sortColumn_ = available.ColumnMax();

  const clsMockDraft& board = session_->Board();
  std::vector<std::string> teams;
  for (int32_t t = 1; t <= board.OwnerCount(); ++t) teams.push_back(std::to_string(t));
  view_.SetTeamTabs(teams);
  std::vector<std::string> positions{"All"};
  if (session_->HasRoster(1)) {
    const clsMockRoster& roster = session_->Roster(1);
    for (int32_t s = 1; s <= roster.StackMax(); ++s)
      positions.push_back(session_->Database().pFnGetPosAbrv(roster.StackPosition(s), false));
  }
  view_.SetPositionTabs(positions);

  FillTeamGrid();
  FillPossibleGrid();
  {
    BusyScope busy(*this);
    UseLogicWindow();
    session_->GoToFirstOpenPick();
  }
  FillPickGrid();
  HighlightPossibleGrid();
  ShowActivePick(true, true);
}

void clsUIUserMock::FillPossibleGrid() {
  FlexGridModel& grid = view_.PossibleGrid();
  LayOutGrid(grid, kPossibleGrid);
  if (!session_->HasRoster(1) || displays_[kPossibleGrid].ColumnMax() < 0) return;
  const clsMockRoster& roster = session_->Roster(1);
  clsKickwellDB& db = session_->Database();
  for (int32_t s = 1; s <= roster.StackMax(); ++s) {
    if (positionTab_ != 0 && positionTab_ != s) continue;
    const int32_t first = grid.Rows();
    basFlexGridHTML::FillPositionGrid(roster, s, grid, db, roster.StackPlayerCount(s), first);
    // The rows hold the stack's players in order; the key column names them.
    for (int32_t r = first; r < grid.Rows(); ++r)
      grid.SetTextMatrix(r, 0, std::to_string(roster.StackPlayerMasterID(s, r - first)));
  }
  for (int32_t r = kHeadingRows; r < grid.Rows(); ++r) grid.SetRowHeight(r, kPageRowHeight);
  SortPossibleGrid(sortColumn_);
  HighlightPossibleGrid();
}

void clsUIUserMock::SortPossibleGrid(int32_t col) {
  FlexGridModel& grid = view_.PossibleGrid();
  const clsDisplayGridIsolate& display = displays_[kPossibleGrid];
  if (col < 0 || col >= grid.Cols() || col > display.ColumnMax() || grid.Rows() <= kHeadingRows) return;
  const int32_t type = session_->Database().StatCon().SortType(display.TableFieldID(col));
  // The sort keys on the current column; the cell then goes back to the
  // column it was in, so that the next key does not carry the list across.
  const int32_t current = grid.Col();
  grid.SetRow(kHeadingRows);
  grid.SetCol(col);
  grid.SetColSel(col);
  grid.SetSort(static_cast<int16_t>(type));
  grid.SetCol(current);
}

void clsUIUserMock::HighlightPossibleGrid() {
  FlexGridModel& grid = view_.PossibleGrid();
  const clsMockDraft& board = session_->Board();
  int32_t activeRow = -1;
  for (int32_t r = kHeadingRows; r < grid.Rows(); ++r) {
    const int32_t masterID = KeyOfRow(grid, r);
    int32_t colour = basColourScheme::kWhite;
    if (board.PlayerDraftNdx(masterID) >= 0) {
      colour = DraftedColour();
    } else if (masterID == session_->ActivePlayer()) {
      colour = ActiveColour();
      activeRow = r;
    }
    ColourRow(grid, r, colour);
  }
  // The row marked active is the list's current row: the keys move on from it.
  if (activeRow >= 0) grid.SetRow(activeRow);
}

void clsUIUserMock::FillPickGrid() {
  FlexGridModel& grid = view_.PickGrid();
  const clsMockDraft& board = session_->Board();
  clsKickwellDB& db = session_->Database();
  grid.SetRedraw(false);
  if (displayMode_ == kBoardMode) {
    if (board.OwnerCount() < 1 || BoardEmpty()) {
      grid.Clear();
      grid.SetRows(1);
      grid.SetCols(1);
    } else {
      basBoardMode::SetUpDraftBoardGrid(grid, board, false);
      for (int32_t p = 0; p <= board.Count(); ++p) {
        int32_t masterID = board.MasterID(p);
        const bool projected = masterID == 0 && session_->ProjectedPlayerAt(p) > 0;
        if (projected) masterID = session_->ProjectedPlayerAt(p);
        basBoardMode::FillBoardCell(grid, p, board, db, db.pFnGetPlaIDwMasID(masterID), masterID, false);
        int32_t round = 0;
        int32_t slot = 0;
        basBoardMode::PickToCell(p, round, slot, board);
        if (p == session_->ActivePick())
          grid.SetCellBackColorAt(round, slot, ActiveColour());
        else if (projected)
          grid.SetCellBackColorAt(round, slot, ProjectedColour());
      }
    }
  } else {
    LayOutGrid(grid, kPickGrid);
    if (displays_[kPickGrid].ColumnMax() >= 0 && !BoardEmpty()) {
      grid.SetRows(board.Count() + 1 + kHeadingRows);
      const int16_t year = db.pFnGetYear();
      for (int32_t p = 0; p <= board.Count(); ++p) {
        const int32_t row = p + kHeadingRows;
        basFlexGridHTML::FillPickRow(row, p, grid, board, db, false);
        int32_t masterID = board.MasterID(p);
        const int32_t projected = masterID == 0 ? session_->ProjectedPlayerAt(p) : 0;
        if (projected > 0) {
          // The projected player's season under the pick's own draft values.
          masterID = projected;
          std::vector<std::string> draftValues;
          for (int32_t c = 0; c < grid.Cols(); ++c) draftValues.push_back(grid.TextMatrix(row, c));
          const int32_t playerID = db.pFnGetPlaIDwMasID(projected);
          db.pSbMCExtractDisplayValues(playerID, clsKickwellDB::kSeasonWeek, year);
          PasteRow(grid, row, db.pFnMCGetPlayerDisplayRow(playerID, clsKickwellDB::kSeasonWeek, year));
          const clsDisplayGridIsolate& display = displays_[kPickGrid];
          for (int32_t c = 0; c < grid.Cols() && c <= display.ColumnMax(); ++c) {
            const int32_t field = display.TableFieldID(c);
            if (field >= kFieldFirstDraftValue && field <= kFieldLastDraftValue)
              grid.SetTextMatrix(row, c, draftValues[static_cast<std::size_t>(c)]);
          }
        }
        grid.SetTextMatrix(row, 0, std::to_string(masterID));
        grid.SetRowHeight(row, kPageRowHeight);
        ColourRow(grid, row,
                  p == session_->ActivePick() ? ActiveColour()
                  : projected > 0             ? ProjectedColour()
                                              : basColourScheme::kWhite);
      }
    }
  }
  grid.SetRedraw(true);
}

void clsUIUserMock::FillTeamGrid() {
  FlexGridModel& grid = view_.TeamGrid();
  const int32_t team = teamTab_ + 1;
  const clsMockDraft& board = session_->Board();
  LayOutGrid(grid, kTeamGrid);
  view_.SetRosterLabel(team <= board.OwnerCount() ? " Roster " + board.OwnerName(team) : " Roster ");
  if (!session_->HasRoster(1) || !session_->HasRoster(team) || displays_[kTeamGrid].ColumnMax() < 0) return;
  const clsMockRoster& roster = session_->Roster(1);
  clsKickwellDB& db = session_->Database();

  // The team's picks by the slot their player fills, and how many it has.
  std::vector<std::vector<int32_t>> picksAt(static_cast<std::size_t>(std::max(roster.StackMax(), 0) + 1));
  int32_t teamPicks = 0;
  for (int32_t p = 0; p <= board.Count(); ++p) {
    if (board.DraftOwner(p) != team) continue;
    ++teamPicks;
    int32_t slot = 0;
    int32_t index = 0;
    if (board.MasterID(p) > 0 && roster.FindStackPlayer(board.MasterID(p), slot, index) && slot >= 1 &&
        slot <= roster.StackMax())
      picksAt[static_cast<std::size_t>(slot)].push_back(p);
  }
  std::vector<std::pair<int32_t, int32_t>> lines;  // pick (-1 an empty place), position
  for (int32_t s = 1; s <= roster.StackMax(); ++s) {
    const int32_t posID = roster.StackPosition(s);
    const auto& picks = picksAt[static_cast<std::size_t>(s)];
    // No team fills more places than it has picks.
    const int32_t places = std::max<int32_t>(std::min(session_->Roster(team).RosterMax(posID), teamPicks),
                                             static_cast<int32_t>(picks.size()));
    for (int32_t k = 0; k < places; ++k)
      lines.emplace_back(k < static_cast<int32_t>(picks.size()) ? picks[static_cast<std::size_t>(k)] : -1,
                         posID);
  }
  grid.SetRows(kHeadingRows + static_cast<int32_t>(lines.size()));
  const int32_t positionColumn = ColumnOf(displays_[kTeamGrid], kFieldPosition);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int32_t row = kHeadingRows + static_cast<int32_t>(i);
    const auto [pick, posID] = lines[i];
    basFlexGridHTML::FillPickRow(row, pick, grid, board, db, false);
    grid.SetTextMatrix(row, 0, std::to_string(pick < 0 ? 0 : board.MasterID(pick)));
    if (positionColumn >= 0 && positionColumn < grid.Cols())
      grid.SetTextMatrix(row, positionColumn, " " + db.pFnGetPosAbrv(posID, false));
    grid.SetRowHeight(row, kPageRowHeight);
    ColourRow(grid, row, pick >= 0 && pick == session_->ActivePick() ? ActiveColour() : basColourScheme::kWhite);
  }
}

void clsUIUserMock::RefreshAfterPick() {
  FillPickGrid();
  HighlightPossibleGrid();
  FillTeamGrid();
}

void clsUIUserMock::ShowActivePick(bool showPick, bool showPlayer) {
  const clsMockDraft& board = session_->Board();
  const int32_t team = session_->ActiveTeam();
  if (team >= 1 && team <= board.OwnerCount() && teamTab_ != team - 1) {
    teamTab_ = team - 1;
    view_.SelectTeamTab(teamTab_);
    FillTeamGrid();
  }
  if (showPick && session_->ActivePick() >= 0) {
    if (displayMode_ == kBoardMode) {
      int32_t round = 0;
      int32_t slot = 0;
      if (basBoardMode::PickToCell(session_->ActivePick(), round, slot, board))
        view_.ScrollIntoView(view_.PickGrid(), round, slot);
    } else {
      view_.ScrollIntoView(view_.PickGrid(), session_->ActivePick() + kHeadingRows, 0);
    }
  }
  if (showPlayer && session_->ActivePlayer() > 0) {
    FlexGridModel& grid = view_.PossibleGrid();
    for (int32_t r = kHeadingRows; r < grid.Rows(); ++r) {
      if (KeyOfRow(grid, r) != session_->ActivePlayer()) continue;
      view_.ScrollIntoView(grid, r, 0);
      break;
    }
  }
  if (session_->ActivePick() >= 0) {
    view_.SetStatus(0, session_->ActivePickStatus(0));
    view_.SetStatus(1, session_->ActivePickStatus(1));
  } else {
    view_.SetStatus(0, "");
    view_.SetStatus(1, "");
  }
  EnableButtons();
}

void clsUIUserMock::EnableButtons() {
  // An empty board has no pick to move to and nobody to draft.
  if (BoardEmpty() || session_->ActivePick() < 0) {
    view_.SetActionButtons(false, false, false);
    view_.SetPickButtons(false, false, false);
    return;
  }
  view_.SetActionButtons(session_->DraftEnabled(), session_->ReleaseEnabled(), true);
  view_.SetPickButtons(session_->PrevPickEnabled(), session_->NextPickEnabled(), true);
}

void clsUIUserMock::UseLogicWindow() {
  session_->SetLogicList(view_.LogicWindowOpen() ? &seams::TraceList() : nullptr);
}

// ---------------------------------------------------------------- clicks

void clsUIUserMock::MoveActivePick(const std::function<void()>& move) {
  Guarded([&] {
    {
      BusyScope busy(*this);
      UseLogicWindow();
      move();
    }
    FillPickGrid();
    HighlightPossibleGrid();
    ShowActivePick(true, true);
  });
}

void clsUIUserMock::mPN_Click(int32_t index) {
  if (!Accepting() || index < 0 || index > 2) return;
  MoveActivePick([this, index] {
    if (index == 2)
      session_->GoToFirstOpenPick();
    else
      session_->MoveActivePick(index == 1 ? 1 : -1);
  });
}

void clsUIUserMock::mAR_Click(int32_t index) {
  if (!Accepting() || session_->ActivePick() < 0) return;
  if (index == 2) {
    view_.LoadLogicWindow();
    session_->ShowLogic(seams::TraceList());
    view_.ShowLogicWindow();
    return;
  }
  if (index == 0 && !session_->DraftEnabled()) return;
  if (index == 1 && !session_->ReleaseEnabled()) return;
  if (index != 0 && index != 1) return;
  Guarded([&] {
    {
      BusyScope busy(*this);
      UseLogicWindow();
      if (index == 0)
        session_->Draft();
      else
        session_->Release();
    }
    RefreshAfterPick();
    ShowActivePick(true, true);
  });
}

void clsUIUserMock::mFlxPick_Click(int32_t row, int32_t col) {
  if (!Accepting()) return;
  const clsMockDraft& board = session_->Board();
  int32_t pick = -1;
  if (displayMode_ == kBoardMode)
    pick = basBoardMode::PickFromBoardCell(row, col, board, false);
  else if (row >= kHeadingRows)
    pick = row - kHeadingRows;
  // Round labels, headings and cells past the last pick choose nothing.
  if (pick < 0 || pick > board.Count()) return;
  MoveActivePick([this, pick] { session_->ChoosePick(pick); });
}

void clsUIUserMock::mFlxPossible_Click(int32_t row, int32_t col) {
  if (!Accepting()) return;
  FlexGridModel& grid = view_.PossibleGrid();
  if (row >= 0 && row < kHeadingRows) {
    if (col < 0 || col >= grid.Cols()) return;
    sortColumn_ = col;
    SortPossibleGrid(col);
    HighlightPossibleGrid();
    ShowActivePick(false, true);
    return;
  }
  const int32_t masterID = KeyOfRow(grid, row);
  if (masterID <= 0 || session_->Board().PlayerDraftNdx(masterID) >= 0) return;
  Guarded([&] {
    bool chosen = false;
    {
      BusyScope busy(*this);
      UseLogicWindow();
      chosen = session_->ChoosePlayer(masterID);
    }
    if (!chosen) return;
    HighlightPossibleGrid();
    FillPickGrid();
    ShowActivePick(false, false);
  });
}

void clsUIUserMock::mFlxTeam_Click(int32_t row, int32_t col) {
  (void)col;
  if (!Accepting()) return;
  const int32_t pick = session_->Board().PlayerDraftNdx(KeyOfRow(view_.TeamGrid(), row));
  if (pick < 0) return;
  MoveActivePick([this, pick] { session_->ChoosePick(pick); });
}

void clsUIUserMock::mTabTeam_Click(int32_t index) {
  if (busy_ || index < 0 || index >= session_->Board().OwnerCount()) return;
  teamTab_ = index;
  FillTeamGrid();
}

void clsUIUserMock::mTabPossible_Click(int32_t index) {
  if (busy_ || index < 0) return;
  positionTab_ = index;
  FillPossibleGrid();
  ShowActivePick(false, true);
}

void clsUIUserMock::SetPickDisplayMode(int32_t mode) {
  if (busy_) return;
  displayMode_ = mode == kBoardMode ? kBoardMode : kListMode;
  view_.SetDisplayMode(displayMode_);
  FillPickGrid();
  ShowActivePick(true, false);
}

void clsUIUserMock::ChangeDisplayGrid(int32_t grid) {
  if (busy_ || grid < 0 || grid > 2) return;
  const auto g = static_cast<std::size_t>(grid);
  if (basFileDialog::ShowFileDialog(gridFiles_[g], kPageDisplayGrids, basFileDialog::kSelect, false, false,
                                    false))
    return;
  gridFiles_[g] = FileDialogChosenName;
  LoadDisplayGrid(grid);
  if (grid == kPickGrid) FillPickGrid();
  if (grid == kTeamGrid) FillTeamGrid();
  if (grid == kPossibleGrid) {
    FillPossibleGrid();
    ShowActivePick(false, true);
  }
}

void clsUIUserMock::ExportGrid(int32_t grid) {
  if (busy_ || grid < 0 || grid > 2) return;
  FlexGridModel& model = grid == kPickGrid   ? view_.PickGrid()
                         : grid == kTeamGrid ? view_.TeamGrid()
                                             : view_.PossibleGrid();
  if (model.Rows() < 1 || model.Cols() < 1) return;
  const bool board = grid == kPickGrid && displayMode_ == kBoardMode;
  if (board) {
    basExportFile::ExportGridToFile(10, kProjExportFileTarget, model, 0, model.Rows() - 1, -1, -1, 0,
                                    model.Cols() - 1, "User Generated Mock Draft", true, true);
  } else {
    basExportFile::ExportGridToFile(10, kProjExportFileTarget, model, kHeadingRows, model.Rows() - 1, 0,
                                    kHeadingRows - 1, std::min(1, model.Cols() - 1), model.Cols() - 1,
                                    "User Generated Mock Draft", true, false);
  }
  model.SetRedraw(true);
}
