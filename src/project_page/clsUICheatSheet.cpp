#include "project_page/clsUICheatSheet.h"

#include <functional>
#include <utility>
#include <vector>

#include "core/IDBAS_CommonDialog.h"
#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basFileExists_001.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/basStatusControl.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "documents/basGridValidation.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Text.h"
#include "project_page/CheatSheetPageView.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/basPageGuard.h"
#include "shell/basUIControl.h"
#include "user_mock/UserMockPreparation.h"
#include "user_mock/clsUserMockIsolate.h"
#include "validation/clsProjectValidation.h"

namespace {

constexpr int32_t kCheatSheetGridKind = 2;
constexpr int32_t kMockDraftGridKind = 1;

int32_t EntryNumber(int32_t key) { return static_cast<int32_t>(runtime::Val(GlobalProject().Value(key))); }

}  // namespace

const std::array<std::string, 4> clsUICheatSheet::kTabCaptions = {
    " Files", " Document Properties", " Cheat Sheet Preview", " Mock Draft Preview"};

clsUICheatSheet::Results::Results()
    : db(std::make_unique<clsKickwellDB>()),
      board(std::make_unique<clsMockDraft>()),
      roster(std::make_unique<clsMockRoster>()) {}
clsUICheatSheet::Results::Results(Results&&) noexcept = default;
clsUICheatSheet::Results& clsUICheatSheet::Results::operator=(Results&& other) noexcept {
  if (this != &other) {
    if (db) db->pSbCloseKickwellDB();
    db = std::move(other.db);
    board = std::move(other.board);
    roster = std::move(other.roster);
    valid = other.valid;
  }
  return *this;
}
clsUICheatSheet::Results::~Results() {
  if (db) db->pSbCloseKickwellDB();
}

// Marks the page busy for one job and tells the window, however it ends.
class clsUICheatSheet::BusyScope {
 public:
  explicit BusyScope(clsUICheatSheet& page) : page_(page) {
    page_.busy_ = true;
    if (page_.view_ != nullptr) page_.view_->SetBusy(true);
  }
  ~BusyScope() {
    page_.busy_ = false;
    if (page_.view_ != nullptr) page_.view_->SetBusy(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  clsUICheatSheet& page_;
};

clsUICheatSheet::clsUICheatSheet() = default;
clsUICheatSheet::~clsUICheatSheet() = default;

void clsUICheatSheet::Bind(FlexGridModel& grid, CheatSheetPageView& view) {
  grid_ = &grid;
  view_ = &view;
  files_.Bind(grid, view);
  properties_.Bind(grid, view);
}

void clsUICheatSheet::GridInitialize(EditFlexGridView* grid, EditFlexTextBox* text, EditFlexComboBox* combo,
                                     EditFlexListBox* norm, EditFlexListBox* multi) {
  gridView_ = grid;
  properties_.GridInitialize(grid, text, combo, norm, multi);
  properties_.Editor().Click = [this] { GridClick(); };
}

void clsUICheatSheet::GridClick() {
  if (busy_) return;
  if (gridType_ == kTabFiles && gridView_ != nullptr) {
    ChangeFile(gridView_->MouseRow(), gridView_->MouseCol());
  } else if (gridType_ == kTabProperties) {
    properties_.GridKeyDown(13, 0);
  }
}

void clsUICheatSheet::GridKeyDown(int16_t keyCode, int16_t shift) {
  if (busy_) return;
  if (gridType_ == kTabProperties) properties_.GridKeyDown(keyCode, shift);
  // Return or Space on a Change File cell presses it, as a click does.
  constexpr int16_t kReturn = 13;
  constexpr int16_t kSpace = 32;
  if (gridType_ == kTabFiles && shift == 0 && (keyCode == kReturn || keyCode == kSpace) && grid_ != nullptr) {
    ChangeFile(grid_->Row(), grid_->Col());
  }
}

void clsUICheatSheet::ChangeFile(int32_t row, int32_t col) {
  if (!files_.Click(row, col)) return;
  RefreshPage();
  if (grid_ == nullptr) return;
  // The page is built afresh; the keys go on from the row just changed.
  grid_->SetRow(row);
  grid_->SetCol(col);
}

void clsUICheatSheet::PropertyTextChanged(const std::string& text) {
  if (!busy_ && gridType_ == kTabProperties) properties_.TextBoxChanged(text);
}

// ---- Tabs ------------------------------------------------------------------

void clsUICheatSheet::RefreshGrid() {
  if (!busy_) RefreshPage();
}

void clsUICheatSheet::ResetPreviewMade() {
  if (busy_) return;
  if (currentTab_ == kTabFiles) {
    // The tab shown still lists the documents of the project before.
    RefreshPage();
    return;
  }
  view_->SetTabSelected(currentTab_, false);
  view_->SetTabSelected(kTabFiles, true);
  TabClick(kTabFiles);
}

void clsUICheatSheet::TabClick(int32_t index) {
  if (index < kTabFiles || index > kTabMockDraft || index == currentTab_) return;
  if (busy_) {
    // The strip selected the tab on the press; the page stays where it is.
    view_->SetTabSelected(index, false);
    view_->SetTabSelected(currentTab_, true);
    return;
  }
  currentTab_ = index;
  gridType_ = index;
  view_->LayOutForTab(currentTab_);
  RefreshPage();
}

bool clsUICheatSheet::RefreshPage() {
  bool ok = true;
  properties_.Leave();
  // While a preview is generated the grid shows nothing of what it showed
  // for another tab.
  if (gridType_ == kTabCheatSheet || gridType_ == kTabMockDraft) ClearResultGrid();
  switch (gridType_) {
    case kTabCheatSheet:
      FormatGridRows(false);
      view_->ShowDisplayGridName(GlobalProject().Value(kProjCheatSheetDisplayGrid));
      ok = GenerateCheatSheet("Cheat Sheet Preview Cancelled");
      break;
    case kTabMockDraft: {
      FormatGridRows(false);
      const int32_t mockType = EntryNumber(kProjMockDraftType);
      view_->ShowMockType(mockType);
      view_->ShowDisplayGridName(GlobalProject().Value(kProjMockDraftDisplayGrid));
      ok = GenerateMockDraft("Mock Draft Preview Cancelled", mockType);
      break;
    }
    default:
      ClearResultGrid();
      FormatGridRows(gridType_ == kTabFiles);
      if (gridType_ == kTabFiles) {
        files_.Show();
      } else {
        properties_.Show();
      }
      break;
  }
  return ok;
}

void clsUICheatSheet::FormatGridRows(bool wordWrap) {
  grid_->SetRowHeight(-1, basFlexGridHTML::kResultRowHeight);
  grid_->SetGridLines(1);
  grid_->SetGridLinesFixed(1);
  grid_->SetWordWrap(wordWrap);
}

void clsUICheatSheet::ClearResultGrid() {
  grid_->SetRows(1);
  grid_->SetFixedRows(0);
  grid_->SetFixedCols(0);
  grid_->Clear();
  grid_->SetRows(0);
}

// ---- Previews --------------------------------------------------------------

bool clsUICheatSheet::LoadDisplayGrid(const std::string& fileName, int32_t kind, clsKickwellDB& db) {
  bool usedDefault = false;
  const bool loaded = basFlexGridHTML::LoadDisplayOrDefault(fileName, db, kind, usedDefault);
  if (!loaded) return false;
  if (usedDefault) view_->ShowDisplayGridName("* " + basGridValidation::DefaultDisplayGridFile(kind));
  basFlexGridHTML::SetupResultGridHeadings(*grid_, db);
  return true;
}

bool clsUICheatSheet::GenerateCheatSheet(const std::string& caption) {
  if (busy_) return false;
  BusyScope busy(*this);
  const DocumentOptions options = ReadDocumentOptions(GlobalProject());
  const std::string& displayGrid = GlobalProject().Value(kProjCheatSheetDisplayGrid);
  Results fresh;

  clsProjectValidation validation;
  if (!validation.CanCheatSheetBeCreated()) {
    basMessage::ShowMessage(caption, validation.ErrorMessage(), seams::kOk, true);
    // Only the headings: the last results would not be this project's.
    if (!LoadDisplayGrid(displayGrid, kCheatSheetGridKind, *fresh.db)) ClearResultGrid();
    cheat_ = std::move(fresh);
    return false;
  }

  return RunJob(
      Kind::kCheatSheet, caption, "Generating Cheat Sheet",
      {{1, 2}, {2, 2}, {3, 6}, {4, 76}, {8, 2}, {6, 10}, {5, 2}}, fresh, displayGrid, kCheatSheetGridKind,
      [&](clsStatusPlain& status) {
        return basMockDraftCalculation::CalculateCheatSheet(status, *fresh.board, *fresh.roster, *fresh.db);
      },
      [&] { basFlexGridHTML::FillCheatSheetGrid(*grid_, *fresh.roster, *fresh.db, options); });
}

bool clsUICheatSheet::GenerateMockDraft(const std::string& caption, int32_t mockType) {
  if (busy_) return false;
  BusyScope busy(*this);
  const DocumentOptions options = ReadDocumentOptions(GlobalProject());
  Results fresh;
  return RunJob(
      Kind::kMockDraft, caption, "Generating Mock Draft", {{1, 2}, {2, 2}, {3, 6}, {4, 58}, {8, 10}, {5, 2}},
      fresh, GlobalProject().Value(kProjMockDraftDisplayGrid), kMockDraftGridKind,
      [&](clsStatusPlain& status) {
        if (mockType != 1)
          return basMockDraftCalculation::CalculateMockDraft(status, *fresh.board, *fresh.db);
        clsUserMockIsolate userMock;
        userMock.SetFilePath(FileTypeFolder[kPageUserMockDraft]);
        const std::string& named = GlobalProject().Value(kProjUserMockDraftFile);
        bool newMock = named.empty();
        if (!newMock) {
          userMock.SetFileName(named);
          // The load has said what is wrong: a board half read is no draft to
          // go on with (its league checks would only repeat the failure).
          if (!userMock.LoadUserMock()) return false;
        }
        std::vector<clsMockRoster> rosters;
        return basMockDraftCalculation::PrepareUserMockDraft(status, *fresh.board, *fresh.db, rosters,
                                                             userMock, newMock);
      },
      [&] { basFlexGridHTML::FillMockDraftGrid(*grid_, *fresh.board, *fresh.db, true, options); });
}

bool clsUICheatSheet::RunJob(Kind kind, const std::string& caption, const char* title,
                             const std::vector<std::pair<int32_t, float>>& segments, Results& fresh,
                             const std::string& displayGrid, int32_t gridKind,
                             const std::function<bool(clsStatusPlain&)>& calculate,
                             const std::function<void()>& fill) {
  bool ok = false;
  bool cancelled = false;
  {
    basStatusControl::JobProgress progress(title);
    clsStatusPlain& status = progress.Status();
    for (const auto& [id, weight] : segments) status.AddSegment(id, weight);
    // A failure below (a database the checks let through) is the job's end.
    const bool ran = basPageGuard::Run(caption, [&] {
      ok = calculate(status);
      cancelled = !ok && CancelFlag;
      if (!ok) return;
      if (!LoadDisplayGrid(displayGrid, gridKind, *fresh.db)) {
        ClearResultGrid();
        return;
      }
      status.SetSegmentRange(5, 0, 1);
      status.SetSegmentValue(5, 0);
      fill();
      status.SetSegmentValue(5, 1);
    });
    ok = ok && ran;
    cancelled = cancelled && ran;
  }
  KeepOrDrop(kind, fresh, ok, cancelled);
  return ok;
}

// New results replace the kept ones. A cancelled job keeps the previous
// results and shows them again; a failed one leaves the cheat sheet's
// headings or an empty mock draft.
void clsUICheatSheet::KeepOrDrop(Kind kind, Results& fresh, bool ok, bool cancelled) {
  Results& kept = kind == Kind::kCheatSheet ? cheat_ : mock_;
  if (ok) {
    fresh.valid = true;
    kept = std::move(fresh);
    return;
  }
  if (cancelled && kept.valid) {
    RenderKept(kind, true);
    return;
  }
  if (kind == Kind::kCheatSheet) {
    if (!LoadDisplayGrid(GlobalProject().Value(kProjCheatSheetDisplayGrid), kCheatSheetGridKind, *fresh.db))
      ClearResultGrid();
  } else {
    ClearResultGrid();
  }
  kept = std::move(fresh);
}

bool clsUICheatSheet::RenderKept(Kind kind, bool withHeading) {
  const DocumentOptions options = ReadDocumentOptions(GlobalProject());
  if (kind == Kind::kCheatSheet) {
    if (!cheat_.valid) return false;
    if (!LoadDisplayGrid(GlobalProject().Value(kProjCheatSheetDisplayGrid), kCheatSheetGridKind,
                         *cheat_.db)) {
      ClearResultGrid();
      return false;
    }
    basFlexGridHTML::FillCheatSheetGrid(*grid_, *cheat_.roster, *cheat_.db, options);
    return true;
  }
  if (!mock_.valid) return false;
  if (!LoadDisplayGrid(GlobalProject().Value(kProjMockDraftDisplayGrid), kMockDraftGridKind, *mock_.db)) {
    ClearResultGrid();
    return false;
  }
  basFlexGridHTML::FillMockDraftGrid(*grid_, *mock_.board, *mock_.db, withHeading, options);
  return true;
}

void clsUICheatSheet::SetMockDisplayView(int32_t view) {
  MockDisplayView = view;
  if (currentTab_ == kTabMockDraft) MockDisplayChange();
}

void clsUICheatSheet::MockDisplayChange() {
  if (busy_ || !mock_.valid) return;
  grid_->SetRedraw(false);
  RenderKept(Kind::kMockDraft, false);
  grid_->SetRedraw(true);
}

void clsUICheatSheet::ChooseDisplayGrid() {
  if (busy_) return;
  if (!view_->ChooseDisplayGridFile(displayFileName_)) return;
  ChangePreviewDisplay(displayFileName_);
}

void clsUICheatSheet::ChangePreviewDisplay(const std::string& fileName) {
  if (busy_ || (gridType_ != kTabCheatSheet && gridType_ != kTabMockDraft)) return;
  const bool cheatSheet = gridType_ == kTabCheatSheet;
  Results& kept = cheatSheet ? cheat_ : mock_;
  grid_->SetRedraw(false);
  view_->ShowDisplayGridName(fileName);
  if (LoadDisplayGrid(fileName, cheatSheet ? kCheatSheetGridKind : kMockDraftGridKind, *kept.db) &&
      kept.valid) {
    const DocumentOptions options = ReadDocumentOptions(GlobalProject());
    if (cheatSheet) {
      basFlexGridHTML::FillCheatSheetGrid(*grid_, *kept.roster, *kept.db, options);
    } else {
      basFlexGridHTML::FillMockDraftGrid(*grid_, *kept.board, *kept.db, false, options);
    }
  }
  grid_->SetRedraw(true);
}

void clsUICheatSheet::MockTypeChosen(int32_t mockType) {
  if (busy_) return;
  GlobalProject().SetValue(kProjMockDraftType, mockType == 0 ? "0" : "1");
  RefreshPage();
}

// ---- Documents -------------------------------------------------------------

void clsUICheatSheet::CreateCheatSheet() { CreateDocument(Kind::kCheatSheet); }
void clsUICheatSheet::CreateMockDraft() { CreateDocument(Kind::kMockDraft); }

void clsUICheatSheet::CreateDocument(Kind kind) {
  if (busy_) return;
  const bool cheatSheet = kind == Kind::kCheatSheet;
  const int32_t targetKey = cheatSheet ? kProjCheatSheetTarget : kProjMockDraftTarget;
  const int32_t tab = cheatSheet ? kTabCheatSheet : kTabMockDraft;
  const int32_t back = currentTab_;

  if (!basMockDraftCalculation::CheckRequiredProjectFiles(
          true, cheatSheet ? "Export Cheat Sheet Cancelled" : "Export Mock Draft Cancelled"))
    return;
  const int32_t fileType = EntryNumber(kProjFileType);
  const std::string target =
      IDBAS_CommonDialog::CheckAssociatedExtension(GlobalProject().Value(targetKey), fileType);
  GlobalProject().SetValue(targetKey, target);
  const std::string crlf(runtime::kCrLf);
  if (basFileExists_001::FileExists(target, false)) {
    const std::string answer = basMessage::ShowMessage(
        "File Already Exists", " Do you wish to overwrite " + crlf + "  " + target + "?", seams::kYesNo,
        true);
    view_->RepaintMain();
    if (answer != "save") return;
  }

  // Always a fresh preview, also when it is the tab shown: the document
  // must match the project as it is now.
  view_->SetTabSelected(currentTab_, false);
  view_->SetTabSelected(tab, true);
  currentTab_ = tab;
  gridType_ = tab;
  view_->LayOutForTab(tab);
  const bool generated = RefreshPage();
  view_->RepaintMain();
  if (!generated) {
    ReturnToTab(tab, back);
    return;
  }

  // The writers lay out a grid of their own, so the preview stays as shown.
  const DocumentOptions options = ReadDocumentOptions(GlobalProject());
  bool written = false;
  basPageGuard::Run(cheatSheet ? "Export Cheat Sheet Cancelled" : "Export Mock Draft Cancelled", [&] {
    if (cheatSheet) {
      written = basFlexGridHTML::WriteCheatSheetDocument(target, *grid_, *cheat_.roster, *cheat_.db, fileType,
                                                         options);
    } else {
      bool colourFromGrid = false;
      bool boardCells = false;
      written = basFlexGridHTML::WriteMockDraftDocument(target, *grid_, *mock_.board, *mock_.db, fileType,
                                                        colourFromGrid, boardCells, true, options);
    }
  });
  ReturnToTab(tab, back);
  // A file that could not be written has been reported by the writer.
  if (!written) return;

  basMessage::OfferToView(cheatSheet ? "Cheat Sheet Created" : "Mock Draft Created", target);
}

void clsUICheatSheet::ReturnToTab(int32_t from, int32_t to) {
  if (from == to) return;
  view_->SetTabSelected(from, false);
  view_->SetTabSelected(to, true);
  TabClick(to);
}

// ---- Page commands ---------------------------------------------------------

bool clsUICheatSheet::ActivateForm() {
  view_->LayOutForTab(currentTab_);
  RefreshGrid();
  UpdateProjectCaptions();
  return true;
}

void clsUICheatSheet::UpdateProjectCaptions() {
  const std::string& name = GlobalProject().FileName();
  basUIControl::ShowMainBarProperty(name.empty() ? std::string() : " " + name);
  basUIControl::UpdateMainCaption();
}

void clsUICheatSheet::FileCommand(int32_t index) {
  if (busy_) return;
  if (basCheatSheetMenu::ProjectFileCommand(index)) {
    // New and Open go back to the Files tab, which then shows the project
    // now open, also when it was shown already.
    if (index == basCheatSheetMenu::kNewProject || index == basCheatSheetMenu::kOpenProject) {
      ResetPreviewMade();
    } else if (gridType_ < kTabCheatSheet) {
      // A preview of an unchanged project is not ranked again for a save.
      RefreshGrid();
    }
  }
  // A project window loaded hidden for the menu's Save while another page
  // is shown leaves that page's property line alone.
  if (basUIControl::CurrentPage() == kPageProject) UpdateProjectCaptions();
}

void clsUICheatSheet::RunDocumentJob(int32_t jobCode) {
  if (jobCode == kPageCheatSheetJob) {
    CreateCheatSheet();
  } else if (jobCode == kPageMockDraftJob) {
    CreateMockDraft();
  }
}
