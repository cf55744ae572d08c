#include "editors/scoring/clsUIScoringSystem2.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <exception>

#include "core/PageCode.h"
#include "core/basAssociatedFiles.h"
#include "core/basColourScheme.h"
#include "core/basFileExists_001.h"
#include "core/basFlexGridCommon.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "draft_inputs/basBitToArray.h"
#include "draft_inputs/basSCOFileControl.h"
#include "editors/scoring/ScoringPageView.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "shell/basExportFile.h"
#include "shell/basUIControl.h"
#include "toolkit/FrozenGrid.h"

namespace {

constexpr int32_t kTitleKey = -1;
constexpr int32_t kDeletedRule = -1;  // a rule removed in the editor, left out by a save
constexpr int32_t kHeadingRows = 2;
constexpr int32_t kRuleCols = 10;
constexpr int32_t kAllPositions = 2;  // bit 1: the whole roster
constexpr int32_t kLastPositionDisplayOrder = 17;
constexpr const char* kCategoryHeading = " Scoring Category Name";

// A Single as the grid shows it: up to seven significant digits, the
// precision a Single holds, so a typed value reads back as typed.
std::string SingleText(float value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
  return buffer;
}

// The hidden key of a row as a number; `fallback` for text that is none.
int32_t KeyOf(const std::string& text, int32_t fallback) {
  if (!runtime::IsNumeric(text)) return fallback;
  const double v = runtime::Val(text);
  if (v < -1.0 || v > 2147483647.0) return fallback;
  return static_cast<int32_t>(v);
}

}  // namespace

clsUIScoringSystem2::clsUIScoringSystem2(ScoringPageView& view)
    : clsUIDocumentPage({kPageScoringSystem, kProjScoringSystemFile, true, true, " "}), view_(view) {}

clsUIScoringSystem2::~clsUIScoringSystem2() {
  if (lstPos_ != nullptr) lstPos_->Click = nullptr;
  db_.Terminate();
}

FlexGridModel& clsUIScoringSystem2::Grid() { return grid_->Model(); }

// ---- The page

bool clsUIScoringSystem2::ActivateForm() {
  return WithDefaultDatabase(db_, [this] {
    FillPositionList();
    LayOutCategoryGrid();
    std::vector<std::string> captions = {"Summary"};
    for (int32_t s = 1; s < db_.StatSubCatMax(); ++s) captions.push_back(db_.StatSubCatName(s));
    view_.SetTabs(captions);
    view_.SetAddEnabled(false);
    view_.SetDelEnabled(false);
    OpenAtStart(ProjectDocument());
    GridInitialize();
  });
}

bool clsUIScoringSystem2::NewDocument(const std::string& name) {
  scoring_.Clear();
  scoring_.SetFilePath(name);
  mTab_Click(0);
  view_.SelectTab(0);
  return true;
}

bool clsUIScoringSystem2::ReadDocument(const std::string& name) {
  const std::string path = FileTypeFolder[kPageScoringSystem] + name;
  clsScoringIsolate read;
  std::string refused;
  if (!basSCOFileControl::ReadScoFileToIsolate(path, read, &refused)) {
    if (refused.empty() && !basFileExists_001::FileExists(path, false)) refused = "The file does not exist.";
    if (!refused.empty()) {
      ReportUnreadable(name, refused);
      return false;
    }
    // A file too short for one rule is a system without rules.
  }
  scoring_ = std::move(read);
  scoring_.SetFilePath(name);
  RefreshDisplay();
  return true;
}

bool clsUIScoringSystem2::WriteDocument(const std::string& name) {
  if (!basSCOFileControl::WriteScoFile(FileTypeFolder[kPageScoringSystem] + name, scoring_)) return false;
  scoring_.SetFilePath(name);
  return true;
}

// ---- Set-up

void clsUIScoringSystem2::FillPositionList() {
  EditFlexListBox* list = view_.EditList();
  list->SetVisible(false);
  list->Clear();
  list->AddItem("All");
  list->SetItemData(0, 1);
  for (int32_t order = 2; order <= kLastPositionDisplayOrder; ++order) {
    int32_t posID = 0;
    const std::string abrv = db_.pFnGetPosAbrvWDisOrder(order, posID);
    if (posID <= 0 || posID >= basBitToArray::kMaskBits) continue;
    list->AddItem(abrv);
    list->SetItemData(list->ListCount() - 1, posID);
  }
}

void clsUIScoringSystem2::LayOutCategoryGrid() {
  FlexGridModel& cat = view_.CategoryGrid();
  basFlexGridCommon::ResetGrid(cat, 2, 1, 1, 0);
  cat.SetBackColorFixed(Palette(basColourScheme::kHeadingColour));
  cat.SetTextMatrix(0, 1, kCategoryHeading);
  cat.SetColWidth(0, 1);
  cat.SetColWidth(1, 3510);
  cat.SetColAlignment(1, kAlignLeft);
}

void clsUIScoringSystem2::FillCategoryGrid(int32_t subCatID) {
  FlexGridModel& cat = view_.CategoryGrid();
  const bool redraw = cat.Redraw();
  cat.SetRedraw(false);
  LayOutCategoryGrid();
  std::unique_ptr<jet::Recordset> rs =
      subCatID == 0 ? db_.pSbKickwellSQL(
                          "SELECT * FROM tblStatCategories WHERE SubCatID > 0 AND SubCatID < 10 "
                          "ORDER BY Name ASC, ID ASC;")
                    : db_.pSbKickwellSQL(
                          "SELECT * FROM tblStatCategories WHERE SubCatID = ? ORDER BY Name ASC, ID ASC;", {subCatID});
  int32_t row = 1;
  for (; !rs->Eof(); rs->MoveNext()) {
    cat.SetRows(row + 1);
    cat.SetTextMatrix(row, 0, rs->Field("ID").AsText());
    cat.SetTextMatrix(row, 1, " " + rs->Field("Name").AsText());
    ++row;
  }
  rs->Close();
  cat.SetRedraw(redraw);
}

void clsUIScoringSystem2::GridInitialize() {
  titleColour_ = Palette(basColourScheme::kTitleRowColour);
  initialised_ = false;
  SetChangesMade(false);
  grid_ = view_.EditGrid();
  lstPos_ = view_.EditList();
  FlexGridModel& m = grid_->Model();
  {
    FrozenGrid frozen(m, mFlxScoring);
    basFlexGridCommon::ResetGrid(m, kRuleCols, kHeadingRows, kHeadingRows, 2);
    const char* top[kRuleCols] = {"", "", kCategoryHeading, "", "For Every", "For Every",
                                  "In Range", "In Range", "Apply To", "Make 16"};
    const char* second[kRuleCols] = {"", "", "", "Point(s)", "X", "Unit(s)", "Min", "Max", "Position(s)", "Values"};
    const int32_t widths[kRuleCols] = {1, 1, 3510, 700, 700, 700, 700, 700, 1400, 750};
    const int16_t aligns[kRuleCols] = {kAlignLeft, kAlignLeft,  kAlignLeft,  kAlignRight, kAlignRight,
                                       kAlignLeft, kAlignRight, kAlignRight, kAlignLeft,  kAlignCentre};
    for (int32_t c = 0; c < kRuleCols; ++c) {
      m.SetTextMatrix(0, c, top[c]);
      m.SetTextMatrix(1, c, second[c]);
      m.SetColWidth(c, widths[c]);
      m.SetColAlignment(c, aligns[c]);
      if (c >= kColPoints) {
        m.SetCellAlignmentAt(0, c, kAlignCentre);
        m.SetCellAlignmentAt(1, c, kAlignCentre);
      }
    }
    m.SetMergeCells(2);
    m.SetMergeRow(0, true);
    m.SetBackColorFixed(Palette(basColourScheme::kHeadingColour));
    basFlexGridCommon::HighlightGridRow(m, 0, Palette(basColourScheme::kHeadingColour));
    basFlexGridCommon::HighlightGridRow(m, 1, Palette(basColourScheme::kHeadingColour));

    view_.AttachTo(mFlxScoring);
    for (int32_t c : {kColPoints, kColForEvery, kColMin, kColMax}) mFlxScoring.TextEditColumn(c);
    mFlxScoring.TextEditAlign(kColMax, 0);
    mFlxScoring.ListNormEditColumn(kColPositions);
    mFlxScoring.ValidateFlexText = [this](int32_t r, int32_t c, const std::string& n, const std::string& o) {
      mFlxScoring_ValidateFlexText(r, c, n, o);
    };
    mFlxScoring.EnterCell = [this] { mflxScoring_EnterCell(); };
    mFlxScoring.Click = [this] { mFlxScoring_Click(); };
    mFlxScoring.AllignmentDone = [this](int32_t c) { mFlxScoring_AllignmentDone(c); };
    lstPos_->Click = [this] { mLstPos_Click(); };
  }
  mTab_Click(0);
  view_.SelectTab(0);
  mFlxScoring.SetEnabled(true);
  initialised_ = true;
  SetGridEditor(&mFlxScoring);
}

// ---- Filling the grid

void clsUIScoringSystem2::mTab_Click(int32_t index) {
  if (grid_ == nullptr) return;
  if (initialised_) mFlxScoring.ValidateLastCell();
  mFlxScoring.HideText();
  lstPos_->SetVisible(false);
  currentTab_ = index;
  selectedTab_ = -1;
  view_.SetDelEnabled(false);
  selectedRow_ = -1;
  catRow_ = 0;
  catID_ = 0;
  view_.SetAddEnabled(false);
  view_.SetRuleLabel("");
  if (index == 0) {
    FillSummaryGrid();
  } else {
    FillSubCategoryGrid(index);
  }
  FillCategoryGrid(index);
}

void clsUIScoringSystem2::WriteTitleRow(int32_t row, int32_t subCatID) {
  FlexGridModel& m = Grid();
  m.SetTextMatrix(row, kColCatID, std::to_string(kTitleKey));
  m.SetTextMatrix(row, kColRule, "");
  m.SetTextMatrix(row, kColName, db_.StatSubCatName(subCatID));
  for (int32_t c = kColPoints; c < kRuleCols; ++c) {
    m.SetTextMatrix(row, c, "");
    m.SetCellPictureAt(row, c, nullptr);
  }
}

// The rule under the cursor into `row`.
void clsUIScoringSystem2::WriteRuleRow(int32_t row) {
  FlexGridModel& m = Grid();
  const int32_t catID = scoring_.CatID();
  m.SetTextMatrix(row, kColCatID, std::to_string(catID));
  m.SetTextMatrix(row, kColRule, std::to_string(scoring_.Index()));
  m.SetTextMatrix(row, kColName, db_.StatCategoryName(catID));
  m.SetTextMatrix(row, kColPoints, runtime::Format(scoring_.Points(), "0.0"));
  m.SetTextMatrix(row, kColUnit, db_.StatCategoryUnit(catID) + "(s)");
  SetRuleCell(row, kColForEvery, scoring_.FieldVal());
  SetRuleCell(row, kColMin, scoring_.RangeMin());
  SetRuleCell(row, kColMax, scoring_.RangeMax());
  SetRuleCell(row, kColPositions, scoring_.ApplyToPos());
  SetRuleCell(row, kColFDM, scoring_.FDM() != 0 ? 1 : 0);
}

void clsUIScoringSystem2::FillSummaryGrid() {
  FlexGridModel& m = Grid();
  {
    FrozenGrid frozen(m, mFlxScoring);
    if (scoring_.RecordCount() == 0) {
      m.SetRows(kHeadingRows);
      m.SetRow(0);
      m.SetCol(0);
    } else {
      m.SetRows(scoring_.RecordCount() + 1 + std::max(db_.StatSubCatMax(), 1));
      int32_t row = kHeadingRows;
      for (int32_t s = 1; s < db_.StatSubCatMax(); ++s) {
        WriteTitleRow(row++, s);
        for (scoring_.MoveFirst(); !scoring_.IsEOF(); scoring_.MoveNext()) {
          const int32_t catID = scoring_.CatID();
          if (catID == kDeletedRule || db_.StatCon().SubCatID(catID) != s) continue;
          if (row >= m.Rows()) m.SetRows(row + 1);
          WriteRuleRow(row++);
        }
      }
      m.SetRows(row);
    }
    MarkTitleRowsInactive();
    mFlxScoring.DrawDropArrows();
  }
  ColourRuleRows();
}

void clsUIScoringSystem2::FillSubCategoryGrid(int32_t subCatID) {
  FlexGridModel& m = Grid();
  std::unique_ptr<jet::Recordset> rs =
      db_.pSbKickwellSQL("SELECT * FROM tblStatCategories WHERE SubCatID = ? ORDER BY Name ASC, ID ASC;",
                         {subCatID});
  {
    FrozenGrid frozen(m, mFlxScoring);
    m.SetRows(kHeadingRows + 1);
    WriteTitleRow(kHeadingRows, subCatID);
    int32_t row = kHeadingRows + 1;
    for (; !rs->Eof(); rs->MoveNext()) {
      const int32_t catID = rs->Field("ID").AsLong();
      for (scoring_.MoveFirst(); !scoring_.IsEOF(); scoring_.MoveNext()) {
        if (scoring_.CatID() != catID) continue;
        m.SetRows(row + 1);
        WriteRuleRow(row++);
      }
    }
    m.SetRows(row);
    m.SetCol(kColName);
    MarkTitleRowsInactive();
    mFlxScoring.DrawDropArrows();
  }
  rs->Close();
  ColourRuleRows();
}

std::string clsUIScoringSystem2::PositionText(int32_t mask) {
  return basSCOFileControl::PositionMaskText(mask, [this](int32_t id) { return db_.pFnGetPosAbrv(id, false); });
}

void clsUIScoringSystem2::SetRuleCell(int32_t row, int32_t col, double value) {
  FlexGridModel& m = Grid();
  std::string text;
  switch (col) {
    case kColForEvery:
      text = value <= -kNoLimit ? "Range" : SingleText(static_cast<float>(value));
      break;
    case kColMin:
      text = value <= -kNoLimit ? "No Limit" : SingleText(static_cast<float>(value));
      break;
    case kColMax:
      text = value >= kNoLimit ? "No Limit" : SingleText(static_cast<float>(value));
      break;
    case kColPositions:
      text = PositionText(static_cast<int32_t>(value));
      break;
    case kColFDM:
      m.SetCellPictureAt(row, col, view_.CheckPicture(value != 0));
      m.SetCellPictureAlignmentAt(row, col, kAlignCentre);
      text = value != 0 ? kTickedCellText : "";
      break;
    default:
      break;
  }
  m.SetTextMatrix(row, col, text);
}

void clsUIScoringSystem2::ColourRuleRows() {
  FlexGridModel& m = Grid();
  FrozenGrid frozen(m, mFlxScoring);
  const int32_t rowA = Palette(basColourScheme::kEditorRowColourA);
  const int32_t rowB = Palette(basColourScheme::kEditorRowColourB);
  int32_t colour = rowA;
  for (int32_t row = kHeadingRows; row < m.Rows(); ++row) {
    const std::string& key = m.TextMatrix(row, kColCatID);
    if (KeyOf(key, 0) == kTitleKey) {
      colour = titleColour_;
    } else if (key != m.TextMatrix(row - 1, kColCatID)) {
      colour = colour == rowA ? rowB : rowA;
    }
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), colour);
  }
}

void clsUIScoringSystem2::MarkTitleRowsInactive() {
  FlexGridModel& m = Grid();
  mFlxScoring.ClearInActiveRows();
  mFlxScoring.InactiveRow(0);
  mFlxScoring.InactiveRow(1);
  for (int32_t row = kHeadingRows; row < m.Rows(); ++row) {
    if (KeyOf(m.TextMatrix(row, kColCatID), 0) == kTitleKey) mFlxScoring.InactiveRow(row);
  }
}

int32_t clsUIScoringSystem2::RuleIndexOfRow(int32_t row) {
  FlexGridModel& m = Grid();
  if (row < kHeadingRows || row >= m.Rows()) return -1;
  if (KeyOf(m.TextMatrix(row, kColCatID), kTitleKey) == kTitleKey) return -1;
  const int32_t index = KeyOf(m.TextMatrix(row, kColRule), -1);
  return index < scoring_.RecordCount() ? index : -1;
}

// ---- Selection

void clsUIScoringSystem2::SelectRuleRow(int32_t row, int32_t colour) {
  selectedTab_ = currentTab_;
  selectedRow_ = row;
  selectedRowColour_ = colour;
  basFlexGridCommon::HighlightGridRow(Grid(), static_cast<int16_t>(row), Palette(basColourScheme::kSelectionColour));
}

void clsUIScoringSystem2::RestoreRuleRow() {
  if (selectedRow_ < kHeadingRows || selectedRow_ >= Grid().Rows()) return;
  basFlexGridCommon::HighlightGridRow(Grid(), static_cast<int16_t>(selectedRow_), selectedRowColour_);
}

void clsUIScoringSystem2::mflxScoring_EnterCell() {
  if (!mFlxScoring.Enabled() || grid_ == nullptr) return;
  FlexGridModel& m = Grid();
  const int32_t col = m.Col();
  const int32_t row = m.Row();
  if (row == selectedRow_ && currentTab_ == selectedTab_) return;
  const int32_t colour = m.CellBackColorAt(row, col);
  {
    FrozenGrid frozen(m, mFlxScoring);
    if (currentTab_ == selectedTab_) RestoreRuleRow();
    if (row < kHeadingRows || RuleIndexOfRow(row) < 0) {
      selectedTab_ = -1;
      selectedRow_ = -1;
      view_.SetRuleLabel("");
      view_.SetDelEnabled(false);
    } else {
      SelectRuleRow(row, colour);
      view_.SetRuleLabel(m.TextMatrix(row, kColName));
      view_.SetDelEnabled(true);
    }
    m.SetRow(row);
    m.SetCol(col);
  }
}

void clsUIScoringSystem2::mFlxScoCat_Click(int32_t row) {
  FlexGridModel& cat = view_.CategoryGrid();
  const bool redraw = cat.Redraw();
  cat.SetRedraw(false);
  if (catRow_ > 0 && catRow_ != row) basFlexGridCommon::HighlightGridRow(cat, static_cast<int16_t>(catRow_), basColourScheme::kWhite);
  if (row <= 0 || row >= cat.Rows()) {
    catRow_ = 0;
    catID_ = 0;
    view_.SetAddEnabled(false);
  } else {
    basFlexGridCommon::HighlightGridRow(cat, static_cast<int16_t>(row), Palette(basColourScheme::kSelectionColour));
    catRow_ = row;
    catID_ = KeyOf(cat.TextMatrix(row, 0), 0);
    view_.SetAddEnabled(catID_ > 0);
  }
  cat.SetRedraw(redraw);
}

// ---- Editing

void clsUIScoringSystem2::mFlxScoring_AllignmentDone(int32_t col) {
  if (col != kColPositions) {
    if (mFlxScoring.ComboBox() != nullptr) mFlxScoring.ComboBox()->SetVisible(false);
    return;
  }
  FlexGridModel& m = Grid();
  basFlexGridCommon::OpenListAboveWhenBelow(*lstPos_, m, view_.ListAreaHeight());
  const int32_t index = RuleIndexOfRow(m.Row());
  if (index < 0) return;
  scoring_.Move(index);
  basBitToArray::PositionBits bits{};
  basBitToArray::BitMaskToArray(scoring_.ApplyToPos(), bits);
  for (int32_t i = 0; i < lstPos_->ListCount(); ++i) {
    const int32_t bit = lstPos_->ItemData(i);
    if (bit >= 1 && bit < basBitToArray::kMaskBits) lstPos_->SetSelected(i, bits[static_cast<std::size_t>(bit)] == 1);
  }
}

void clsUIScoringSystem2::mLstPos_Click() {
  const int32_t row = Grid().Row();
  const int32_t index = RuleIndexOfRow(row);
  if (index < 0) return;
  SetChangesMade(true);
  basBitToArray::PositionBits bits{};
  for (int32_t i = 0; i < lstPos_->ListCount(); ++i) {
    const int32_t bit = lstPos_->ItemData(i);
    if (bit >= 0 && bit < basBitToArray::kMaskBits && lstPos_->Selected(i)) bits[static_cast<std::size_t>(bit)] = 1;
  }
  scoring_.Move(index);
  scoring_.SetApplyToPos(basBitToArray::ArrayToBitMask(bits));
  SetRuleCell(row, kColPositions, scoring_.ApplyToPos());
}

void clsUIScoringSystem2::mFlxScoring_Click() {
  if (!mFlxScoring.Enabled() || grid_ == nullptr) return;
  const int32_t row = grid_->MouseRow();
  if (grid_->MouseCol() != kColFDM) return;
  const int32_t index = RuleIndexOfRow(row);
  if (index < 0) return;
  scoring_.Move(index);
  scoring_.SetFDM(scoring_.FDM() != 0 ? 0 : -1);
  SetRuleCell(row, kColFDM, scoring_.FDM() != 0 ? 1 : 0);
  SetChangesMade(true);
}

void clsUIScoringSystem2::mFlxScoring_ValidateFlexText(int32_t row, int32_t col, const std::string& text,
                                                       const std::string& oldText) {
  const int32_t index = RuleIndexOfRow(row);
  if (index < 0) return;
  FlexGridModel& m = Grid();
  const std::string typed = runtime::Trim(text);
  double value = 0;
  bool valid = true;
  if (runtime::IsNumeric(typed)) {
    value = runtime::Val(typed);
  } else {
    const char first = typed.empty() ? '\0' : runtime::UCase(typed.substr(0, 1))[0];
    if (first == 'N' && col == kColMin) {
      value = -kNoLimit;
    } else if (first == 'N' && col == kColMax) {
      value = kNoLimit;
    } else if (first == 'R' && col == kColForEvery) {
      value = -kNoLimit;
    } else {
      valid = false;
    }
  }
  // A number a Single cannot hold would be stored as infinity.
  if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) valid = false;
  if (!valid) {
    m.SetTextMatrix(row, col, oldText);
    return;
  }
  SetChangesMade(true);
  scoring_.Move(index);
  const auto single = static_cast<float>(value);
  switch (col) {
    case kColPoints:
      scoring_.SetPoints(single);
      m.SetTextMatrix(row, col, runtime::Format(single, "0.0"));
      break;
    case kColForEvery:
      scoring_.SetFieldVal(single);
      SetRuleCell(row, col, single);
      break;
    case kColMin:
      scoring_.SetRangeMin(single);
      SetRuleCell(row, col, single);
      break;
    case kColMax:
      scoring_.SetRangeMax(single);
      SetRuleCell(row, col, single);
      break;
    default:
      break;
  }
}

// ---- Adding and deleting

void clsUIScoringSystem2::mRule_Click(int32_t index) {
  if (index == 0) AddRule();
}

void clsUIScoringSystem2::mRem_Click(int32_t /*index*/) { DeleteRule(); }

void clsUIScoringSystem2::mMb_Click(int32_t /*index*/) {
  if (grid_ == nullptr) return;
  mFlxScoring.ValidateLastCell();
  FlexGridModel& m = Grid();
  FrozenGrid frozen(m, mFlxScoring);
  basExportFile::ExportGridToFile(10, kProjExportFileTarget, m, kHeadingRows, m.Rows() - 1, 0, 1, kColName,
                                  m.Cols() - 1, "Scoring System", true, false);
}

void clsUIScoringSystem2::AddRule() {
  if (grid_ == nullptr || catID_ <= 0) return;
  mFlxScoring.ValidateLastCell();
  const int32_t catID = catID_;
  scoring_.AddNew();
  scoring_.SetRangeMax(kNoLimit);
  scoring_.SetCatID(catID);
  scoring_.SetApplyToPos(kAllPositions);
  const int32_t added = scoring_.Index();
  SetChangesMade(true);
  if (currentTab_ >= 1) {
    FillSubCategoryGrid(currentTab_);
  } else {
    FillSummaryGrid();
  }
  FlexGridModel& m = Grid();
  {
    FrozenGrid frozen(m, mFlxScoring);
    int32_t found = 0;
    for (int32_t row = kHeadingRows; row < m.Rows(); ++row) {
      if (RuleIndexOfRow(row) == added) {
        found = row;
        break;
      }
    }
    m.SetRow(found);
    m.SetCol(kColName);
    selectedRow_ = -1;
  }
  mflxScoring_EnterCell();
  grid_->SetFocus();
}

void clsUIScoringSystem2::RemoveGridRow(int32_t row) {
  FlexGridModel& m = Grid();
  for (int32_t r = row; r + 1 < m.Rows(); ++r) {
    for (int32_t c = 0; c < m.Cols(); ++c) {
      m.SetTextMatrix(r, c, m.TextMatrix(r + 1, c));
      m.SetCellBackColorAt(r, c, m.CellBackColorAt(r + 1, c));
      m.SetCellAlignmentAt(r, c, m.CellAlignmentAt(r + 1, c));
      m.SetCellPictureAt(r, c, m.CellPictureAt(r + 1, c));
      m.SetCellPictureAlignmentAt(r, c, m.CellPictureAlignmentAt(r + 1, c));
    }
  }
  m.SetRows(m.Rows() - 1);
}

void clsUIScoringSystem2::DeleteRule() {
  if (grid_ == nullptr || selectedRow_ < kHeadingRows || selectedTab_ != currentTab_) return;
  const int32_t index = RuleIndexOfRow(selectedRow_);
  if (index < 0) return;
  FlexGridModel& m = Grid();
  {
    FrozenGrid frozen(m, mFlxScoring);
    mFlxScoring.HideText();
    lstPos_->SetVisible(false);
    scoring_.Move(index);
    scoring_.SetCatID(kDeletedRule);
    RemoveGridRow(selectedRow_);
    MarkTitleRowsInactive();
    mFlxScoring.DrawDropArrows();
    selectedRow_ = -1;
    selectedTab_ = -1;
    view_.SetDelEnabled(false);
    view_.SetRuleLabel("");
  }
  SetChangesMade(true);
}
