#include "shell/clsUISettings.h"

#include <algorithm>

#include "core/PageCode.h"
#include "core/basAssociatedFiles.h"
#include "core/basColourScheme.h"
#include "core/basDirToTextFile.h"
#include "core/basFileExists_001.h"
#include "core/basFlexGridCommon.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "database/clsKickwellDB.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/jet/Recordset.h"
#include "shell/PageWindow.h"
#include "shell/basUIControl.h"

namespace {

// The settings each control shows, by kind and index.
struct ControlEntry {
  int32_t kind;
  int32_t index;
  int32_t key;
};
constexpr std::array<ControlEntry, 17> kControlMap{{
    {clsUISettings::kKindLabel, 3, kSetWorkFolder},
    {clsUISettings::kKindLabel, 4, kSetExportFolder},
    {clsUISettings::kKindText, 0, kSetUpdateServer},
    {clsUISettings::kKindText, 1, kSetUserMockDepth},
    {clsUISettings::kKindText, 2, kSetEquilibriumDepth},
    {clsUISettings::kKindText, 3, kSetActiveSeason},
    {clsUISettings::kKindCheck, 0, kSetCheckApplicationUpdate},
    {clsUISettings::kKindCheck, 1, kSetCheckPlayerUpdates},
    {clsUISettings::kKindCheck, 2, kSetDownloadAllUpdates},
    {clsUISettings::kKindCheck, 3, kSetAskBeforeStrainUpdates},
    {clsUISettings::kKindCheck, 4, kSetUseProjectValidation},
    {clsUISettings::kKindCheck, 5, kSetProjectedGridLines},
    {clsUISettings::kKindCheck, 6, kSetUseMergeAs},
    {clsUISettings::kKindCheck, 7, kSetCheckByeConflicts},
    {clsUISettings::kKindCheck, 8, kSetKeepModifiedStats},
    {clsUISettings::kKindCheck, 9, kSetEnableEquilibrium},
    {clsUISettings::kKindCheck, 10, kSetEnablePotentialGainLoss},
}};

}  // namespace

clsUISettings::clsUISettings() = default;
clsUISettings::~clsUISettings() = default;

int32_t clsUISettings::ControlKey(int32_t kind, int32_t index) {
  for (const ControlEntry& e : kControlMap) {
    if (e.kind == kind && e.index == index) return e.key;
  }
  return -1;
}

const std::string& clsUISettings::TabCaption(int32_t tab) {
  static const std::array<std::string, kTabCount> captions{"General", "Projected Stats", "Mock Drafts",
                                                           "Display Grids"};
  static const std::string none;
  return tab >= 0 && tab < kTabCount ? captions[static_cast<std::size_t>(tab)] : none;
}

void clsUISettings::Load() {
  settings_ = clsSettingsKD();  // over the work folder of this run
  settings_.Load();
  positions_.clear();
  tab_ = kTabGeneral;
  // Checked first so that a missing template shows no "File Not Found": the
  // positions only fill the Display Grids table.
  const std::string path = DefaultsFolder + "Default.pro";
  if (!basFileExists_001::FileExists(path, false)) return;
  try {
    clsKickwellDB db;
    if (!db.InitializeKickwellDB(path)) return;
    auto rs = db.pSbKickwellSQL("SELECT * FROM tblPositions ORDER BY ID ASC;");
    for (; !rs->Eof(); rs->MoveNext()) {
      positions_.push_back({rs->Field("ID").AsLong(), rs->Field("Pos").AsText(),
                            rs->Field("PosFullName").AsText()});
    }
    rs->Close();
    db.pSbCloseKickwellDB();
  } catch (const std::exception&) {
    positions_.clear();
  }
  if (!positions_.empty()) {
    positions_[0].abbreviation = "Any";
    positions_[0].fullName = "Any";
  }
}

void clsUISettings::SetCheck(int32_t key, bool checked) { settings_.SetCheckVal(key, checked ? 1 : 0); }

std::string clsUISettings::CommitText(int32_t key, const std::string& text) {
  if (key == kSetUpdateServer) {
    settings_.SetStringVal(key, text);
    return settings_.StringVal(key);
  }
  bool ok = false;
  int32_t value = basMockDraftSettings::ValidLong(text, ok);
  if (ok) {
    switch (key) {
      case kSetUserMockDepth:
        value = std::clamp(value, clsSettingsKD::kUserMockDepthMin, clsSettingsKD::kUserMockDepthMax);
        break;
      case kSetEquilibriumDepth:
        // A search needs at least one level.
        ok = value >= 1;
        break;
      case kSetActiveSeason:
        ok = value >= kFirstSeason && value <= kLastSeason;
        break;
      default:
        ok = false;
        break;
    }
  }
  if (ok) settings_.SetLongVal(key, value);
  return std::to_string(settings_.LongVal(key));
}

bool clsUISettings::SelectTab(int32_t tab) {
  if (tab < 0 || tab >= kTabCount || tab == tab_) return false;
  editor_.ValidateLastCell();
  if (grid_ != nullptr) grid_->Model().SetCol(0);
  tab_ = tab;
  return true;
}

// ---- The Display Grids table

void clsUISettings::GridInitialize(EditFlexGridView* grid, EditFlexTextBox* text, EditFlexListBox* list) {
  grid_ = grid;
  list_ = list;
  editor_.SetFlexgrid(grid);
  editor_.SetTextBox(text);
  editor_.SetNormListBox(list);
  editor_.EnterCell = [this] { OnEnterCell(); };
  editor_.AllignmentDone = [this](int32_t col) { OnAlignmentDone(col); };
  editor_.ValidateFlexListSingle = [this](int32_t row, int32_t col, int32_t index) { OnListSingle(row, col, index); };
}

int32_t clsUISettings::GridRows() const {
  const auto positions = static_cast<int32_t>(positions_.size());
  return std::min(std::max(positions - 1, 0), kMaxGridRows);
}

void clsUISettings::FillGridTable() {
  if (grid_ == nullptr) return;
  FlexGridModel& m = grid_->Model();
  editor_.SetEnabled(false);
  m.SetRedraw(false);
  m.Clear();
  m.SetCols(2);
  m.SetRowHeightMin(330);
  m.SetColWidth(0, 2500);
  m.SetColWidth(1, 4500);
  m.SetColAlignment(0, FlexGridModel::kAlignLeftCenter);
  m.SetColAlignment(1, FlexGridModel::kAlignLeftCenter);
  const int32_t rows = GridRows() + 1;
  m.SetRows(rows);
  m.SetTextMatrix(0, 1, " Value");
  if (rows >= 2) {
    m.SetFixedRows(1);
    m.SetTextMatrix(0, 0, " Display Grid Setting");
  }
  gridFiles_.clear();
  basDirToTextFile::ListFolderEntriesEx(FileTypeFolder[kPageDisplayGrids], gridFiles_, "dis");
  FillGridList();
  editor_.Reset();
  editor_.ListNormEditColumn(1);
  basFlexGridCommon::HighlightGridRow(m, 0, PaletteColour[basColourScheme::kHeadingColour]);
  for (int32_t r = 1; r < rows; ++r) {
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(r), basColourScheme::Rgb(255, 255, 255));
    m.SetTextMatrix(r, 0, " Default Display " + positions_[static_cast<std::size_t>(r)].abbreviation);
    m.SetTextMatrix(r, 1, " " + settings_.StringVal(r + kSetFirstDisplayGrid));
  }
  highlightRow_ = -1;
  highlightTab_ = -1;
  editor_.ClearInActiveRows();
  editor_.InactiveRow(0);
  editor_.DrawDropArrows();
  m.SetRedraw(true);
  editor_.SetEnabled(true);
}

void clsUISettings::FillGridList() {
  if (list_ == nullptr) return;
  list_->Clear();
  for (const std::string& name : gridFiles_) list_->AddItem(name);
}

void clsUISettings::OnAlignmentDone(int32_t /*col*/) {
  if (list_ == nullptr || grid_ == nullptr) return;
  FillGridList();
  basFlexGridCommon::FitListToItems(*list_, grid_->Model());
  if (listAreaHeight_ > 0) basFlexGridCommon::OpenListAboveWhenBelow(*list_, grid_->Model(), listAreaHeight_);
}

void clsUISettings::OnListSingle(int32_t row, int32_t col, int32_t listIndex) {
  if (listIndex < 0 || list_ == nullptr || grid_ == nullptr) return;
  if (row < 1 || row > GridRows() || listIndex >= list_->ListCount()) return;
  const std::string name = list_->List(listIndex);
  settings_.SetStringVal(row + kSetFirstDisplayGrid, name);
  grid_->Model().SetTextMatrix(row, col, " " + name);
}

void clsUISettings::OnEnterCell() {
  if (grid_ == nullptr || !editor_.Enabled()) return;
  FlexGridModel& m = grid_->Model();
  const int32_t row = m.Row();
  if (row <= 0 || row >= m.Rows()) return;
  if (tab_ == kTabDisplayGrids && list_ != nullptr) basFlexGridCommon::FitListToItems(*list_, m);
  if (row == highlightRow_ && tab_ == highlightTab_) return;
  if (highlightRow_ > 0 && highlightRow_ < m.Rows() && highlightTab_ == tab_) {
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(highlightRow_), highlightColour_);
  }
  highlightRow_ = -1;
  const int32_t previous = m.CellBackColorAt(row, 0);
  if (previous == PaletteColour[basColourScheme::kHeadingColour]) return;
  highlightRow_ = row;
  highlightTab_ = tab_;
  highlightColour_ = previous;
  basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), PaletteColour[basColourScheme::kSelectionColour]);
}

// ---- Buttons

bool clsUISettings::Defaults() {
  if (!basMessage::AskYesNo("Default Settings", "Are you sure you want to reset the " + TabCaption(tab_) +
                                                    " to the default settings?")) {
    return false;
  }
  settings_.AssignDefaults(tab_);
  return true;
}

bool clsUISettings::Save() {
  editor_.ValidateLastCell();
  if (!settings_.Save()) {
    basAssociatedFiles::ShowOpenFileError(settings_.LastError(), settings_.Ini().FilePath() + settings_.Ini().FileName());
    return false;
  }
  basMockDraftSettings::GlobalSettings().Load();
  if (PageWindow* page = basUIControl::CurrentPageWindow()) page->SettingsSaved();
  return true;
}
