#include "editors/projected_stats/clsUIProjectedStats2.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <exception>

#include "core/PageCode.h"
#include "core/basAssociatedFiles.h"
#include "core/basColourScheme.h"
#include "core/basFileExists_001.h"
#include "core/basFlexGridCommon.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "database/clsCategoryControl.h"
#include "database/clsDisplayGridIsolate.h"
#include "documents/basDisplayKeywords.h"
#include "documents/basGridValidation.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "editors/projected_stats/ProjectedStatsView.h"
#include "player_data/dialogs/clsUINewProjected.h"
#include "player_data/dialogs/clsUIProInfo.h"
#include "engine/LeagueTransfer.h"
#include "engine/basMockDraftCalculation.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/basExportFile.h"
#include "shell/basFileDialog.h"
#include "shell/basUIControl.h"
#include "toolkit/FrozenGrid.h"

namespace {

constexpr int32_t kHeadingRows = 2;
constexpr int32_t kTwipsPerPixel = 15;
constexpr int32_t kLastPositionWithGrid = 21;  // settings 5..25 hold positions 1..21
constexpr int32_t kRankSourceCategory = 51;
constexpr const char* kMarkText = "               X";
constexpr const char* kCorrectionCaption = "Projected Stats Correction";

}  // namespace

clsUIProjectedStats2::clsUIProjectedStats2(ProjectedStatsView& view)
    : clsUIDocumentPage({kPageProjectedStats, kProjProjectedStatsFile, true, false, ""}), view_(view) {}

FlexGridModel& clsUIProjectedStats2::Grid() { return grid_->Model(); }

int32_t clsUIProjectedStats2::ColumnCategory(int32_t col) const {
  if (col < 0 || col >= static_cast<int32_t>(colCats_.size())) return 0;
  return colCats_[static_cast<std::size_t>(col)];
}

// ---- The page

bool clsUIProjectedStats2::ActivateForm() {
  const std::string name = ProjectDocument();
  const bool opened = !name.empty() && OpenFile(name);
  if (opened) {
    UpdateOpenedFile();
    ScoreShownFile();
  }
  loaded_ = opened;
  if (!opened) {
    const std::string path = DefaultsFolder + "Default.pro";
    if (!db_.InitializeKickwellDB(path)) {
      if (!db_.LastError().empty()) basAssociatedFiles::ShowOpenFileError(db_.LastError(), path);
      return false;
    }
  }
  try {
    UseLeaguePositions();
    db_.LoadDisplay(FileTypeFolder[kPageDisplayGrids] + kFirstDisplayGrid);
    RefreshYear();
    BuildTabs();
    // A file whose first tab cannot be shown has said why; the page opens without it.
    if (!GridInitialize() && loaded_) {
      loaded_ = false;
      WithDefaultDatabase(db_, [] {});
    }
  } catch (const std::exception& e) {
    basAssociatedFiles::ShowOpenFileError(e.what(), db_.FilePath());
    return false;
  }
  if (!loaded_) ClearData();
  SetFileName(loaded_ ? name : "");
  DisplayURLs();
  return true;
}

// ---- The file commands

bool clsUIProjectedStats2::OpenFile(const std::string& name) {
  const std::string path = FileTypeFolder[kPageProjectedStats] + name;
  // The page writes into the file it shows (its points, the league's
  // positions, every correction): a file marked read-only, or one in a
  // folder where its journal cannot be made, is refused once here rather
  // than failing at each of those writes.
  if (runtime::IsReadOnlyFile(path) || runtime::IsReadOnlyFolderOf(path)) {
    basAssociatedFiles::ShowOpenFileError(
        "The file is read-only: the Stats page writes the points and corrections it shows into its file.", path);
    return false;
  }
  if (db_.InitializeKickwellDB(path)) return true;
  // A missing file has been reported by the open itself.
  if (!db_.LastError().empty()) basAssociatedFiles::ShowOpenFileError(db_.LastError(), path);
  return false;
}

void clsUIProjectedStats2::UpdateOpenedFile() {
  try {
    basCreateSingleSeasonDB::UpdateProjectedStats(db_, false);
  } catch (const std::exception& e) {
    basAssociatedFiles::ShowOpenFileError(e.what(), db_.FilePath());
  }
}

void clsUIProjectedStats2::UseLeaguePositions() {
  const std::string league = ProjectOpenMode == 1 ? GlobalProject().Value(kProjLeaguePropertiesFile) : "";
  clsLeagueIsolate lgp;
  if (basMockDraftSettings::GlobalSettings().BoolVal(kSetUseMergeAs) && !league.empty() &&
      basFileExists_001::FileExists(FileTypeFolder[kPageLeagueProperties] + league, false) &&
      basMockDraftCalculation::LoadProjectLeague(lgp)) {
    basLGPFileControl::CopyRosterSizesToDB(db_, lgp);
  } else {
    basLGPFileControl::ResetRosterSizesInDB(db_);
  }
}

std::string clsUIProjectedStats2::ScoringFile() {
  return ProjectOpenMode == 1 ? GlobalProject().Value(kProjScoringSystemFile) : "";
}

void clsUIProjectedStats2::ScoreShownFile() {
  // A build, an update, a strain or the properties window score the rows
  // they write with the database's own rules in whole units; shown so, a
  // value typed again over itself would change the player's points. The
  // page scores every file it shows once, here, the way it scores a
  // correction, so that it shows what the cheat sheet ranks with.
  std::string failure;
  try {
    if (basMockDraftCalculation::RescoreShownSeason(ScoringFile(), db_)) return;
  } catch (const std::exception& e) {
    failure = e.what();
  }
  // A cancelled pass keeps the rows it scored and a failed one writes
  // nothing: the rows shown are not all scored, which is said once.
  const std::string system = ScoringFile().empty() ? "the rules the file stores" : "the project's scoring system";
  basMessage::ShowMessage("Apply Scoring System",
                          (failure.empty() ? std::string(" The scoring was cancelled.") : " " + failure) +
                              "\r\n Not all of the points shown are scored with " + system +
                              "; they will be when the file is opened again" +
                              (ProjectOpenMode == 1 ? " or Apply Scoring System runs." : "."),
                          seams::kOk, true);
}

bool clsUIProjectedStats2::ShowOpenedFile() {
  loaded_ = true;
  Guarded([&] { UseLeaguePositions(); });
  RefreshYear();
  if (!ResetStatGrid()) return false;
  DisplayURLs();
  return true;
}

void clsUIProjectedStats2::ShowFileAgain(const std::string& name) {
  if (!name.empty() && OpenFile(name) && ShowOpenedFile()) {
    SetFileName(name);
    return;
  }
  loaded_ = false;
  changes_.clear();
  // Only for the positions and categories the tabs were built from.
  WithDefaultDatabase(db_, [] {});
  ClearData();
  SetFileName("");
  DisplayURLs();
}

bool clsUIProjectedStats2::NewDocument(const std::string& /*name*/) { return false; }

void clsUIProjectedStats2::New() {
  if (!CloseQuestion()) return;
  const std::string shown = loaded_ ? FileName() : "";
  // Closed while the dialog may copy or build over the file shown.
  db_.pSbCloseKickwellDB();
  clsUINewProjected dialog;
  dialog.PassCurrentPro(shown);
  view_.ShowNewProjected(dialog);
  const std::string name = dialog.ChosenName();
  if (name.empty()) {
    ShowFileAgain(shown);
    return;
  }
  if (!dialog.IsCopy()) {
    // No file at all (no strain, no master file of the season) builds the
    // template's empty season.
    basCreateSingleSeasonDB::SelectedStrainName = dialog.StrainName();
    if (!basCreateSingleSeasonDB::CreateProjectedFile(static_cast<int16_t>(dialog.Season()),
                                                      FileTypeFolder[kPageProjectedStats] + name, dialog.Files(),
                                                      false)) {
      ShowFileAgain(shown);
      return;
    }
  }
  if (!OpenFile(name)) {
    ShowFileAgain(shown);
    return;
  }
  try {
    // A copy follows no strain of its own.
    if (dialog.IsCopy()) basCreateSingleSeasonDB::ApplyStrain(db_, "None", 0, false, true);
  } catch (const std::exception& e) {
    basAssociatedFiles::ShowOpenFileError(e.what(), db_.FilePath());
  }
  ScoreShownFile();
  if (!ShowOpenedFile()) {
    ShowFileAgain(shown);
    return;
  }
  Named(name, false);
}

bool clsUIProjectedStats2::ReadDocument(const std::string& name) {
  const std::string shown = loaded_ ? FileName() : "";
  if (!OpenFile(name)) {
    ShowFileAgain(shown);
    return false;
  }
  UpdateOpenedFile();
  ScoreShownFile();
  // A file the page cannot show has said why; the file shown before stays.
  if (!ShowOpenedFile()) {
    ShowFileAgain(shown);
    return false;
  }
  return true;
}

bool clsUIProjectedStats2::Save() {
  if (!loaded_) {
    NothingToSave();
    return false;
  }
  return clsUIDocumentPage::Save();
}

bool clsUIProjectedStats2::SaveAs() {
  if (!loaded_) {
    NothingToSave();
    return false;
  }
  return clsUIDocumentPage::SaveAs();
}

void clsUIProjectedStats2::NothingToSave() {
  basMessage::ShowMessage("Save Projected File Cancelled", "No Projected Stats in Loaded.", seams::kOk, true);
  ClearData();
}

bool clsUIProjectedStats2::WriteDocument(const std::string& name) {
  const std::string shown = FileName();
  // Every correction is in the file already.
  if (name == shown) {
    ClearStatChanges();
    return true;
  }
  const std::string& folder = FileTypeFolder[kPageProjectedStats];
  // Closed, so that the copy is the file as written.
  db_.pSbCloseKickwellDB();
  std::string error;
  if (!win32::CopyFileKeepingTime(folder + shown, folder + name, &error)) {
    basMessage::ShowMessage("Save Projected File Error", " " + error, seams::kOk, true);
    ShowFileAgain(shown);
    return false;
  }
  // The corrections now live in the copy; the file shown gets its values back.
  if (!changes_.empty() && OpenFile(shown)) {
    try {
      UndoStatChanges();
    } catch (const std::exception& e) {
      basAssociatedFiles::ShowOpenFileError(e.what(), db_.FilePath());
    }
  }
  ClearStatChanges();
  if (!OpenFile(name)) {
    ShowFileAgain(shown);
    return false;
  }
  ShowOpenedFile();
  return true;
}

void clsUIProjectedStats2::RefreshYear() { year_ = db_.pFnGetYear(); }

void clsUIProjectedStats2::RefreshDisplay() {
  RefreshYear();
  DisplayURLs();
  mTab_Click(currentTab_);
}

void clsUIProjectedStats2::DisplayURLs() {
  try {
    view_.SetSourceLabels("Stat Source: " + db_.StrainURL(), "ADP Source: " + db_.ADPURL());
  } catch (const std::exception&) {
    // The source lines are information only.
  }
}

bool clsUIProjectedStats2::ResetStatGrid() {
  view_.SelectTab(0);
  return mTab_Click(0);
}

void clsUIProjectedStats2::BuildTabs() {
  posIDs_.clear();
  tabsUseMergeAs_ = basMockDraftSettings::GlobalSettings().BoolVal(kSetUseMergeAs);
  std::vector<std::string> captions;
  auto read = [&](const std::string& sql) {
    auto rs = db_.pSbKickwellSQL(sql);
    for (; !rs->Eof(); rs->MoveNext()) {
      posIDs_.push_back(rs->Field("ID").AsLong());
      captions.push_back(rs->Field("Pos").AsText());
    }
  };
  if (tabsUseMergeAs_)
    read("SELECT * FROM tblPositions WHERE (FullRosterMax > 0 AND ID <> 1) ORDER BY DisplayOrder ASC;");
  if (posIDs_.empty()) read("SELECT * FROM tblPositions WHERE ID <> 1 ORDER BY DisplayOrder ASC;");
  if (posIDs_.empty()) {
    posIDs_.push_back(1);
    captions.emplace_back("No Positions Found");
  }
  view_.SetTabs(captions);
}

void clsUIProjectedStats2::SettingsSaved() {
  if (basMockDraftSettings::GlobalSettings().BoolVal(kSetUseMergeAs) == tabsUseMergeAs_) return;
  const int32_t shown = posID_;
  // The file's positions follow the setting as they do when a file opens.
  const bool rebuilt = Guarded([&] {
    UseLeaguePositions();
    BuildTabs();
  });
  if (!rebuilt) return;
  const auto at = std::find(posIDs_.begin(), posIDs_.end(), shown);
  const int32_t tab = at == posIDs_.end() ? 0 : static_cast<int32_t>(at - posIDs_.begin());
  view_.SelectTab(tab);
  mTab_Click(tab);
  // Without a file the grid stays empty, as it opened.
  if (!loaded_) ClearData();
}

// ---- The stat grid

bool clsUIProjectedStats2::GridInitialize() {
  highlightColour_ = Palette(basColourScheme::kSelectionColour);
  grid_ = view_.EditGrid();
  mFlxProjected.SetEnabled(false);
  Grid().SetRedraw(false);
  SetUpGridColumns();
  Grid().SetRedraw(true);
  view_.AttachTo(mFlxProjected);
  mFlxProjected.ValidateFlexText = [this](int32_t r, int32_t c, const std::string& n, const std::string& o) {
    mFlxProjected_ValidateFlexText(r, c, n, o);
  };
  mFlxProjected.Click = [this] { mFlxProjected_Click(); };
  mFlxProjected.EnterCell = [this] { mFlxProjected_EnterCell(); };
  SetColumnEditTypes();
  initialised_ = true;
  SetGridEditor(&mFlxProjected);
  const bool shown = mTab_Click(0);
  view_.SelectTab(0);
  mFlxProjected.SetEnabled(true);
  return shown;
}

void clsUIProjectedStats2::SetUpGridColumns() {
  FlexGridModel& g = Grid();
  clsDisplayGridIsolate& display = db_.Display();
  const int32_t last = display.ColumnMax();
  const int32_t cols = last + 3;  // ID, "Mod", the display columns
  colCats_.assign(static_cast<std::size_t>(cols), 0);
  const int16_t lines = basMockDraftSettings::GlobalSettings().BoolVal(kSetProjectedGridLines) ? 1 : 0;
  g.SetGridLines(lines);
  g.SetGridLinesFixed(lines);
  g.SetBackColorFixed(Palette(basColourScheme::kHeadingColour));
  g.SetCols(cols);
  g.SetRows(3);
  g.SetRow(2);
  g.SetCol(2);
  blankRow_.assign(static_cast<std::size_t>(cols - 2), '\t');
  g.SetFixedRows(kHeadingRows);
  g.SetFixedCols(std::min(4, cols));
  g.SetColWidth(0, 0);
  for (int32_t i = 0; i <= last; ++i) {
    const int32_t c = i + 2;
    g.SetColWidth(c, static_cast<int32_t>(std::lround(display.ColumnWidth(i) * static_cast<double>(kTwipsPerPixel))));
    g.SetColAlignment(c, display.Align(i));
    g.SetTextMatrix(0, c, basDisplayKeywords::ReplaceDisplayKeywords(display.Title1(i), 0, db_));
    g.SetTextMatrix(1, c, " " + display.Title2(i));
    colCats_[static_cast<std::size_t>(c)] = display.TableFieldID(i);
  }
  g.SetColWidth(1, 500);
  g.SetTextMatrix(0, 1, "");
  g.SetTextMatrix(1, 1, "Mod");
  colCats_[1] = kCatDNU;
  g.SetTextMatrix(1, 0, "ID");
  g.SetColAlignment(0, kAlignRight);
  for (int32_t c = 3; c < cols; ++c) g.SetCellAlignmentAt(0, c, c == 3 ? kAlignLeft : kAlignCentre);
  g.SetMergeRow(0, true);
  g.SetRows(kHeadingRows);
}

void clsUIProjectedStats2::SetColumnEditTypes() {
  mFlxProjected.Reset();
  for (int32_t c = 2; c < Grid().Cols(); ++c) {
    if (db_.StatCon().EditType(ColumnCategory(c)) == 1) {
      mFlxProjected.TextEditColumn(c);
    } else {
      mFlxProjected.NoEditColumn(c);
    }
  }
  mFlxProjected.InactiveRow(0);
  mFlxProjected.InactiveRow(1);
}

std::string clsUIProjectedStats2::DefaultGridOfPosition(int32_t posID) {
  switch (posID) {
    case 6:
    case 10:
      return basGridValidation::DefaultDisplayGridFile(6);
    case 7:
    case 8:
    case 15:
    case 16:
      return basGridValidation::DefaultDisplayGridFile(4);
    case 17:
      return basGridValidation::DefaultDisplayGridFile(5);
    default:
      return basGridValidation::DefaultDisplayGridFile(3);
  }
}

bool clsUIProjectedStats2::LoadTabDisplayGrid(std::string fileName) {
  std::string path = FileTypeFolder[kPageDisplayGrids] + fileName;
  std::string message;
  if (!basGridValidation::ValidateDisplayGridFile(path, message)) {
    basMessage::ShowMessage("Error Loading " + fileName, " Default display will be loaded.\r\n  " + message,
                            seams::kOk, true);
    fileName = DefaultGridOfPosition(posID_);
    path = DefaultsFolder + fileName;
  }
  if (!db_.LoadDisplay(path)) return false;
  displayFile_ = fileName;
  view_.SetHeading(" " + runtime::Trim(db_.pFnGetPosFull(posID_)) + "  [" + fileName + "]");
  SetUpGridColumns();
  FlexGridModel& g = Grid();
  for (int32_t c = 0; c < g.Cols(); ++c) {
    g.SetCellPictureAt(1, c, nullptr);
    g.SetCellFontBoldAt(1, c, false);
  }
  sortCol_ = 3;
  SetColumnEditTypes();
  for (int32_t c = 0; c < g.Cols(); ++c)
    if (sortCat_ != 0 && ColumnCategory(c) == sortCat_) sortCol_ = c;
  return true;
}

std::string clsUIProjectedStats2::PositionFilter() {
  std::string filter;
  auto rs = db_.pSbKickwellSQL("SELECT ID FROM tblPositions WHERE MergeAsID = ?;", {posID_});
  for (; !rs->Eof(); rs->MoveNext())
    filter += (filter.empty() ? "" : " OR") + std::string(" tblPlayers.PosID = ") + rs->Field("ID").AsText();
  if (filter.empty()) filter = " tblPlayers.PosID = " + std::to_string(posID_);
  return filter;
}

void clsUIProjectedStats2::FillPlayerRows() {
  FlexGridModel& g = Grid();
  FrozenGrid frozen(g, mFlxProjected, FrozenGrid::After::kEnable);
  try {
    const std::string filter = PositionFilter();
    // Counted before anything is read or the grid grows: a file may list
    // more players at a position than the grid can hold.
    const int64_t count =
        db_.pSbKickwellSQL("SELECT COUNT(*) FROM tblPlayers WHERE" + filter + ";")->Field(0).AsInt64();
    const int64_t most = FlexGridModel::kMaxCells / std::max(g.Cols(), 1) - kHeadingRows;
    if (count > most) {
      throw std::runtime_error("The " + runtime::Trim(db_.pFnGetPosFull(posID_)) + " tab would list " +
                               std::to_string(count) + " players, more than the page can show (at most " +
                               std::to_string(most) + " with this display grid).");
    }
    std::vector<int32_t> ids;
    ids.reserve(static_cast<std::size_t>(count));
    auto rs = db_.pSbKickwellSQL("SELECT ID FROM tblPlayers WHERE" + filter + " ORDER BY BackName ASC;");
    for (; !rs->Eof(); rs->MoveNext()) ids.push_back(rs->Field("ID").AsLong());
    rs->Close();
    // A position without players shows no rows (not the last position's).
    g.SetRows(kHeadingRows + static_cast<int32_t>(ids.size()));
    for (std::size_t i = 0; i < ids.size(); ++i) FillPlayerRow(ids[i], kHeadingRows + static_cast<int32_t>(i));
  } catch (const std::exception&) {
    // A position the page cannot show shows no rows, not some of them.
    g.SetRows(kHeadingRows);
    highlightRow_ = 0;
    throw;
  }
  mFlxProjected.InactiveRow(0);
  mFlxProjected.InactiveRow(1);
  ColourRows();
  SortByColumn(sortCol_);
}

void clsUIProjectedStats2::FillPlayerRow(int32_t playerID, int32_t row) {
  FlexGridModel& g = Grid();
  std::string text = blankRow_;
  if (playerID == 0) {
    g.SetTextMatrix(row, 0, "");
  } else {
    g.SetTextMatrix(row, 0, std::to_string(playerID));
    text = db_.pFnGetPlayerDisplayRow(playerID, kSeasonWeek, year_);
    ShowMark(row, db_.pFnGetDNU(playerID, kSeasonWeek, year_));
  }
  // One value per column from the first display column on.
  std::size_t start = 0;
  for (int32_t c = 2; c < g.Cols(); ++c) {
    const std::size_t tab = text.find('\t', start);
    g.SetTextMatrix(row, c, text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) {
      start = text.size();
    } else {
      start = tab + 1;
    }
  }
}

void clsUIProjectedStats2::ShowMark(int32_t row, bool marked) {
  FlexGridModel& g = Grid();
  g.SetTextMatrix(row, 1, marked ? kMarkText : "");
  g.SetCellPictureAt(row, 1, view_.CheckPicture(marked));
  g.SetCellPictureAlignmentAt(row, 1, kAlignCentre);
}

void clsUIProjectedStats2::ColourRows() {
  FlexGridModel& g = Grid();
  for (int32_t r = kHeadingRows; r < g.Rows(); ++r)
    basFlexGridCommon::HighlightGridRow(
        g, static_cast<int16_t>(r),
        Palette((r % 2) == 0 ? basColourScheme::kProjectRowColourA : basColourScheme::kProjectRowColourB));
}

void clsUIProjectedStats2::SortByColumn(int32_t col) {
  FlexGridModel& g = Grid();
  const int32_t row = g.Row();
  const int32_t current = g.Col();
  if (sortCol_ >= 0 && sortCol_ < g.Cols()) {
    g.SetCellPictureAt(1, sortCol_, nullptr);
    g.SetCellFontBoldAt(1, sortCol_, false);
  }
  const bool inGrid = col >= 0 && col < g.Cols();
  if (inGrid && sortDir_ != 0) {
    g.SetCellFontBoldAt(1, col, true);
    g.SetCellPictureAlignmentAt(1, col, 0);
    g.SetCellPictureAt(1, col, view_.SortArrow(sortDir_ == 1));
  }
  sortCol_ = col;
  sortCat_ = ColumnCategory(col);
  if (inGrid && g.Rows() > kHeadingRows && sortDir_ != 0) {
    g.SetCol(col);
    g.SetColSel(col);
    if (sortCat_ == kCatRank && sortDir_ == 1) {
      // Ranked players first, lowest rank first; the unranked (0) below.
      g.SetSort(FlexGridModel::kSortGenericDescending);
      std::vector<int32_t> ranked;
      for (int32_t r = kHeadingRows; r < g.Rows() && runtime::Val(g.TextMatrix(r, col)) != 0; ++r)
        ranked.push_back(PlayerOfRow(r));
      std::reverse(ranked.begin(), ranked.end());
      for (std::size_t i = 0; i < ranked.size(); ++i) FillPlayerRow(ranked[i], kHeadingRows + static_cast<int32_t>(i));
    } else {
      g.SetSort(static_cast<int16_t>(sortDir_ == 1 ? FlexGridModel::kSortGenericAscending
                                                   : FlexGridModel::kSortGenericDescending));
    }
  }
  g.SetRow(std::min(row, g.Rows() - 1));
  g.SetCol(std::min(current, g.Cols() - 1));
  ColourRows();
  if (g.Rows() >= 3) g.SetTopRow(kHeadingRows);
  highlightRow_ = 0;
}

int32_t clsUIProjectedStats2::PlayerOfRow(int32_t row) {
  const std::string& text = Grid().TextMatrix(row, 0);
  if (!runtime::IsNumeric(text)) return 0;
  const double v = runtime::Val(text);
  return v > 0 && v <= 2147483647.0 ? static_cast<int32_t>(v) : 0;
}

double clsUIProjectedStats2::StoredValue(int32_t playerID, int32_t col) {
  // Extracting the player's display values leaves each shown category's
  // value in the catalogue.
  db_.pFnGetPlayerDisplayCol(playerID, kSeasonWeek, year_, col - 1);
  return db_.StatCon().DoubleValue(ColumnCategory(col));
}

std::optional<double> clsUIProjectedStats2::SeasonPoints(int32_t playerID) {
  auto rs = db_.pSbKickwellSQL("SELECT Points FROM tblStat0 WHERE PlayerID = ? AND Week = ? AND Year = ?;",
                               {playerID, static_cast<int>(kSeasonWeek), static_cast<int>(year_)});
  if (rs->Eof()) return std::nullopt;
  return rs->Field(0).AsDouble();
}

void clsUIProjectedStats2::Rescore(int32_t playerID) {
  // Scored as the jobs will score it, so that the page shows the points the
  // cheat sheet and the mock draft rank the player with.
  if (!SeasonPoints(playerID)) return;
  basMockDraftCalculation::RescoreSeasonRow(db_, ScoringFile(), playerID, year_);
}

std::vector<int32_t> clsUIProjectedStats2::SeasonTables(int32_t playerID) {
  std::vector<int32_t> tables;
  for (int32_t t = 0; t <= db_.StatTableMax(); ++t) {
    auto rs = db_.pSbKickwellSQL("SELECT 1 FROM tblStat" + std::to_string(t) +
                                     " WHERE PlayerID = ? AND Week = ? AND Year = ? LIMIT 1;",
                                 {playerID, static_cast<int>(kSeasonWeek), static_cast<int>(year_)});
    if (!rs->Eof()) tables.push_back(t);
  }
  return tables;
}

std::vector<int32_t> clsUIProjectedStats2::CreatedTables(int32_t playerID, const std::vector<int32_t>& before) {
  std::vector<int32_t> created;
  for (const int32_t t : SeasonTables(playerID))
    if (std::find(before.begin(), before.end(), t) == before.end()) created.push_back(t);
  return created;
}

void clsUIProjectedStats2::Restore(const StatChange& change) {
  db_.pSbAddPStwPlaID(change.playerID, kSeasonWeek, year_, change.catID, change.oldValue, false);
  // The points as they were stored, not scored again: they may come from
  // another scoring system than the project's.
  db_.pSbAddPStwPlaID(change.playerID, kSeasonWeek, year_, kCatPoints, change.oldPoints, false);
  // A row the correction made goes again, so that the player is not ranked
  // with a season of zeros.
  for (const int32_t t : change.createdTables) {
    db_.Database().Execute("DELETE FROM tblStat" + std::to_string(t) + " WHERE PlayerID = ? AND Week = ? AND Year = ?;",
                           {change.playerID, static_cast<int>(kSeasonWeek), static_cast<int>(year_)});
  }
}

void clsUIProjectedStats2::UndoStatChanges() {
  std::vector<int32_t> players;
  for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) {
    Restore(*it);
    players.push_back(it->playerID);
  }
  changes_.clear();
  if (!loaded_ || grid_ == nullptr) return;
  // A page that stays (its file kept) shows the restored values.
  for (int32_t r = kHeadingRows; r < Grid().Rows(); ++r) {
    const int32_t id = PlayerOfRow(r);
    if (id != 0 && std::find(players.begin(), players.end(), id) != players.end()) FillPlayerRow(id, r);
  }
}

void clsUIProjectedStats2::ClearData() {
  mFlxProjected.SetEnabled(false);
  if (grid_ == nullptr) return;
  FlexGridModel& g = Grid();
  g.SetRedraw(false);
  g.SetCols(1);
  g.Clear();
  g.SetRedraw(true);
}

void clsUIProjectedStats2::ToggleDNU(int32_t row, int32_t col, bool keepSet) {
  const int32_t id = PlayerOfRow(row);
  if (id == 0) return;
  const bool current = db_.pFnGetDNU(id, kSeasonWeek, year_);
  if (current && keepSet) return;
  const double now = current ? 0 : 1;
  const std::vector<int32_t> before = SeasonTables(id);
  changes_.push_back({id, ColumnCategory(col), current ? 1.0 : 0.0, SeasonPoints(id).value_or(0), {}});
  db_.pSbAddPStwPlaID(id, kSeasonWeek, year_, ColumnCategory(col), now, true);
  changes_.back().createdTables = CreatedTables(id, before);
  ShowMark(row, now != 0);
}

// ---- Events

bool clsUIProjectedStats2::mTab_Click(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(posIDs_.size())) return true;
  // Every handler is a boundary: a file the page cannot show, or a library
  // error, is one message and the page stays usable.
  return Guarded([&] {
    if (initialised_) {
      mFlxProjected.ValidateLastCell();
      mFlxProjected.HideText();
    }
    highlightTab_ = -1;
    currentTab_ = index;
    posID_ = posIDs_[static_cast<std::size_t>(index)];
    // Positions past the settings' range have only the default grid.
    if (posID_ >= 1 && posID_ <= kLastPositionWithGrid) {
      LoadTabDisplayGrid(basMockDraftSettings::GlobalSettings().StringVal(kSetFirstDisplayGrid + posID_ - 1));
    } else {
      const std::string name = DefaultGridOfPosition(posID_);
      if (db_.LoadDisplay(DefaultsFolder + name)) {
        displayFile_ = name;
        view_.SetHeading(" " + runtime::Trim(db_.pFnGetPosFull(posID_)) + "  [" + name + "]");
        SetUpGridColumns();
        sortCol_ = 3;
        SetColumnEditTypes();
      }
    }
    if (sortCol_ == 0) {
      sortDir_ = 1;
      sortCol_ = 1;
      for (int32_t c = 0; c < Grid().Cols(); ++c)
        if (ColumnCategory(c) == kRankSourceCategory) {
          sortCol_ = c;
          break;
        }
    }
    if (loaded_) FillPlayerRows();
  });
}

void clsUIProjectedStats2::mOP_Click(int32_t index) {
  if (!loaded_) return;
  Guarded([&] {
    switch (index) {
      case 0:
        ApplyScoringFromPage();
        break;
      case 1:
        ChangeDisplayGrid();
        break;
      case 2: {
        FlexGridModel& g = Grid();
        // Drawing and the editor come back also when the export fails.
        FrozenGrid frozen(g, mFlxProjected, FrozenGrid::After::kEnable);
        basExportFile::ExportGridToFile(10, kProjExportFileTarget, g, kHeadingRows, g.Rows() - 1, 0, 1, 1,
                                        g.Cols() - 1, "Projected Stats", true, false);
        break;
      }
      case 3:
        ShowProperties();
        break;
      default:
        break;
    }
  });
}

void clsUIProjectedStats2::ApplyScoringFromPage() {
  mFlxProjected.ValidateLastCell();
  if (ProjectOpenMode != 1) return;
  std::string name = GlobalProject().Value(kProjScoringSystemFile);
  if (name.empty()) {
    basMessage::ShowMessage("No Scoring System File",
                            " No Scoring System File in project.\r\n  Would you like to choose a Scoring System File?",
                            seams::kYesNo, true);
    if (MessageAnswer != seams::kAnswerSave) return;
    if (basFileDialog::ShowFileDialog("", kPageScoringSystem, basFileDialog::kOpen, true, false, false)) return;
    GlobalProject().SetValue(kProjScoringSystemFile, FileDialogChosenName);
    name = GlobalProject().Value(kProjScoringSystemFile);
  }
  if (name.empty()) return;
  // A pass that fails writes nothing (it runs in one transaction): said once.
  Guarded([&] { basMockDraftCalculation::ApplyScoringSystem(name, db_); });
  FillPlayerRows();
}

void clsUIProjectedStats2::ShowProperties() {
  mFlxProjected.ValidateLastCell();
  clsUIProInfo window;
  window.PassInfo(db_, FileName());
  view_.ShowProperties(window);
  // Its changes are in the file: the page shows them, scored as it scores.
  ScoreShownFile();
  RefreshDisplay();
}

void clsUIProjectedStats2::ChangeDisplayGrid() {
  if (basFileDialog::ShowFileDialog(displayFile_, kPageDisplayGrids, basFileDialog::kOpen, true, false, false))
    return;
  mFlxProjected.ValidateLastCell();
  mFlxProjected.HideText();
  if (!LoadTabDisplayGrid(FileDialogChosenName)) return;
  if (sortCol_ == 0) {
    sortDir_ = 1;
    sortCol_ = 3;
  }
  FillPlayerRows();
}

void clsUIProjectedStats2::RestoreHighlightedRow() {
  if (highlightTab_ != currentTab_ || highlightRow_ < kHeadingRows || highlightRow_ >= Grid().Rows()) return;
  basFlexGridCommon::HighlightGridRow(Grid(), static_cast<int16_t>(highlightRow_), savedColour_);
}

void clsUIProjectedStats2::mFlxProjected_Click() {
  Guarded([&] {
    if (!mFlxProjected.Enabled()) return;
    mFlxProjected.ValidateLastCell();
    const int32_t row = grid_->MouseRow();
    const int32_t col = grid_->MouseCol();
    FlexGridModel& g = Grid();
    if (row == 0 || row == 1) {
      FrozenGrid frozen(g, mFlxProjected, FrozenGrid::After::kEnable);
      RestoreHighlightedRow();
      highlightTab_ = -1;
      sortDir_ = col == sortCol_ ? (sortDir_ == 1 ? 2 : 1) : 2;
      SortByColumn(col);
    } else if (col == 1 && row >= kHeadingRows && row < g.Rows()) {
      ToggleDNU(row, 1, false);
    }
  });
}

void clsUIProjectedStats2::mFlxProjected_EnterCell() {
  Guarded([&] {
    if (!ClicksAccepted || !mFlxProjected.Enabled()) return;
    FlexGridModel& g = Grid();
    const int32_t row = g.Row();
    const int32_t col = g.Col();
    if (row < kHeadingRows || (highlightTab_ == currentTab_ && row == highlightRow_)) return;
    const int32_t colour = g.CellBackColor();
    FrozenGrid frozen(g, mFlxProjected, FrozenGrid::After::kEnable);
    RestoreHighlightedRow();
    if (colour != highlightColour_) {
      highlightTab_ = currentTab_;
      highlightRow_ = row;
      savedColour_ = colour;
      basFlexGridCommon::HighlightGridRow(g, static_cast<int16_t>(row), highlightColour_);
    } else {
      highlightTab_ = -1;
    }
    g.SetRow(row);
    g.SetCol(col);
  });
}

void clsUIProjectedStats2::mFlxProjected_ValidateFlexText(int32_t row, int32_t col, const std::string& newText,
                                                          const std::string& oldText) {
  Guarded([&] {
    FlexGridModel& g = Grid();
    FrozenGrid frozen(g, mFlxProjected, FrozenGrid::After::kEnable);
    const int32_t id = PlayerOfRow(row);
    if (id == 0 || !runtime::IsNumeric(newText)) {
      g.SetTextMatrix(row, col, oldText);
      return;
    }
    const double value = runtime::Val(newText);
    // Scoring compares values in Single precision: a value no Single holds
    // could be neither scored here nor ranked by the jobs.
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(FLT_MAX)) {
      g.SetTextMatrix(row, col, oldText);
      basMessage::ShowMessage(kCorrectionCaption, " " + runtime::Trim(newText) + " is out of range.", seams::kOk,
                              true);
      return;
    }
    const int32_t cat = ColumnCategory(col);
    // The value stored, not the rounded text shown, so that undo restores it exactly.
    const std::vector<int32_t> before = SeasonTables(id);
    changes_.push_back({id, cat, StoredValue(id, col), SeasonPoints(id).value_or(0), {}});
    try {
      db_.pSbAddPStwPlaID(id, kSeasonWeek, year_, cat, value, false);
      changes_.back().createdTables = CreatedTables(id, before);
      Rescore(id);
    } catch (const std::exception& e) {
      // The correction is taken back whole, so the file and the page agree.
      const StatChange change = changes_.back();
      changes_.pop_back();
      try {
        Restore(change);
      } catch (const std::exception&) {
        // The message below says the correction failed; the row shows what is stored.
      }
      FillPlayerRow(id, row);
      basMessage::ShowMessage(kCorrectionCaption, " Unable to save the correction.\r\n  " + std::string(e.what()),
                              seams::kOk, true);
      return;
    }
    FillPlayerRow(id, row);
    ToggleDNU(row, 1, true);
    g.SetRow(row);
    g.SetCol(col);
  });
}
