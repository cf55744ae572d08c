#include "editors/strategy/clsUIStrategy.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>
#include <memory>

#include "core/PageCode.h"
#include "core/basAssociatedFiles.h"
#include "core/basColourScheme.h"
#include "core/basFlexGridCommon.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "draft_inputs/basSTGFileControl.h"
#include "editors/strategy/StrategyPageView.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "shell/basExportFile.h"
#include "shell/basUIControl.h"
#include "toolkit/FrozenGrid.h"

namespace {

constexpr int32_t kHeadingRows = 2;
constexpr int32_t kRuleCols = clsUIStrategy::kColNoBye + 1;
// The factor grid: row 1 LR-TR, rows 2 and 3 the INJURY and X factors.
constexpr int32_t kFactorRows = 4;
constexpr int32_t kLRTRRow = 1;
constexpr int32_t kFactorNameWidth = 1000;
constexpr int32_t kFactorWidth = 550;
constexpr std::size_t kMaxFactorText = 8;  // a factor typed this long or longer is refused
constexpr const char* kLRTRText = " League Ratio Vs. Team Ratio calculated during mock draft.";
constexpr int32_t kMethods = 8;
constexpr int32_t kCompares = 4;
constexpr int32_t kFactorFlags = 3;
constexpr const char* kFileCaption = "Draft Strategy File";

// A typed pick number: below 4 characters, numeric and above 0; rounded
// half to even. False for anything else.
bool PickValue(const std::string& text, int32_t& pick) {
  if (text.size() >= 4 || !runtime::IsNumeric(text)) return false;
  const double value = runtime::Val(text);
  if (value <= 0) return false;
  pick = runtime::CLng(value);
  return pick > 0;
}

bool ListHolds(const EditFlexListBox& list, int32_t data) {
  for (int32_t i = 0; i < list.ListCount(); ++i) {
    if (list.ItemData(i) == data) return true;
  }
  return false;
}

}  // namespace

clsUIStrategy::clsUIStrategy(StrategyPageView& view)
    : clsUIDocumentPage({kPageDraftStrategies, -1, true, false, ""}), view_(view) {
  strategy_.SetFilePath(FileTypeFolder[kPageDraftStrategies]);
}

clsUIStrategy::~clsUIStrategy() {
  if (lstPos_ != nullptr) lstPos_->Click = nullptr;
}

FlexGridModel& clsUIStrategy::Grid() { return view_.EditGrid()->Model(); }

// ---- The page

bool clsUIStrategy::ActivateForm() {
  clsKickwellDB db;
  const bool opened = WithDefaultDatabase(db, [&] {
    std::unique_ptr<jet::Recordset> rs = db.pSbKickwellSQL("SELECT * FROM tblPositions ORDER BY ID ASC;");
    for (; !rs->Eof(); rs->MoveNext()) {
      positionIDs_.push_back(rs->Field("ID").AsLong());
      positionAbbreviations_.push_back(rs->Field("Pos").AsText());
      positionNames_.push_back(rs->Field("PosFullName").AsText());
    }
  });
  db.Terminate();
  if (!opened) return false;
  if (!positionIDs_.empty()) {
    positionAbbreviations_[0] = "All";
    positionNames_[0] = "All";
  }
  GridInitialize();
  const std::string& defaultName = FileTypeDefaultName[kPageDraftStrategies];
  std::error_code ec;
  const bool shipped =
      ProjectOpenMode == 1 && std::filesystem::is_regular_file(strategy_.FilePath() + defaultName, ec);
  if (!shipped || !OpenAtStart(defaultName)) DisplayStrategyGrid();
  return true;
}

std::string clsUIStrategy::AskToSave() {
  const std::string name = FileName().empty() ? kFileCaption : FileName();
  return basMessage::ShowMessage(kFileCaption, " Save changes to " + name + "?", seams::kSaveDontSaveCancel,
                                 true);
}

bool clsUIStrategy::NewDocument(const std::string& name) {
  strategy_.Clear();
  strategy_.SetDescription("");
  strategy_.SetFileName(name);
  currentRow_ = 0;
  ShowStrategyTab();
  return true;
}

bool clsUIStrategy::ReadDocument(const std::string& name) {
  clsDraftStrategy read;
  read.SetFilePath(strategy_.FilePath());
  read.SetFileName(name);
  std::string error;
  if (!read.LoadDraftStrategy(&error)) {
    ReportUnreadable(name, error);
    return false;
  }
  strategy_ = std::move(read);
  currentRow_ = 0;
  ShowStrategyTab();
  return true;
}

bool clsUIStrategy::WriteDocument(const std::string& name) {
  strategy_.SetFileName(name);
  return strategy_.SaveDraftStrategy();
}

// ---- The rule grid

void clsUIStrategy::GridInitialize() {
  SetChangesMade(false);
  EditFlexGridView* grid = view_.EditGrid();
  lstPos_ = view_.EditCheckList();
  FlexGridModel& m = grid->Model();
  {
    FrozenGrid frozen(m, mFlxStrategy);
    m.SetRowHeightMin(330);
    LayOutRuleGrid();
    lstPos_->SetStyle(1);
    view_.AttachTo(mFlxStrategy);
    SetEditTypes();
    mFlxStrategy.ValidateFlexText = [this](int32_t r, int32_t c, const std::string& n, const std::string& o) {
      mFlxStrategy_ValidateFlexText(r, c, n, o);
    };
    mFlxStrategy.ValidateFlexListSingle = [this](int32_t r, int32_t c, int32_t i) {
      mFlxStrategy_ValidateFlexListSingle(r, c, i);
    };
    mFlxStrategy.EnterCell = [this] { mFlxStrategy_EnterCell(); };
    mFlxStrategy.Click = [this] { mFlxStrategy_Click(); };
    mFlxStrategy.AllignmentDone = [this](int32_t c) { mFlxStrategy_AllignmentDone(c); };
    lstPos_->Click = [this] { mLstPos_Click(); };
  }
  mFlxStrategy.SetEnabled(true);
  SetGridEditor(&mFlxStrategy);
  view_.SetTabs({"Strategy", "Factors"});
  UpdateRuleButtons();
}

void clsUIStrategy::LayOutRuleGrid() {
  FlexGridModel& m = Grid();
  basFlexGridCommon::ResetGrid(m, kRuleCols, kHeadingRows, kHeadingRows, 0);
  const char* top[kRuleCols] = {"",        "Team Pick", "Team Pick", "Method",  "Compare",
                                "Factors", "Include /", "Positions", "No Bye"};
  const char* second[kRuleCols] = {"", "Begin", "End", "", "", "", "Exclude", "", "Conflict"};
  const int32_t widths[kRuleCols] = {0, 540, 540, 1800, 1800, 1845, 1010, 2100, 800};
  const int16_t aligns[kRuleCols] = {kAlignLeft, kAlignRight, kAlignRight, kAlignLeft, kAlignLeft,
                                     kAlignLeft, kAlignLeft,  kAlignLeft,  kAlignLeft};
  for (int32_t c = 0; c < kRuleCols; ++c) {
    m.SetTextMatrix(0, c, top[c]);
    m.SetTextMatrix(1, c, second[c]);
    m.SetColWidth(c, widths[c]);
    m.SetColAlignment(c, aligns[c]);
    m.SetCellAlignmentAt(0, c, kAlignCentre);
    m.SetCellAlignmentAt(1, c, kAlignCentre);
  }
  m.SetMergeCells(2);
  m.SetMergeRow(0, true);
  m.SetMergeRow(1, false);
  m.SetBackColor(basColourScheme::kWhite);
  m.SetBackColorFixed(Palette(basColourScheme::kHeadingColour));
}

// ---- The factor grid

void clsUIStrategy::LayOutFactorGrid() {
  FlexGridModel& m = Grid();
  // Column c > 0 is position c of the table; "All" (entry 0) has none.
  const int32_t cols = std::max<int32_t>(static_cast<int32_t>(positionIDs_.size()), 1);
  basFlexGridCommon::ResetGrid(m, cols, kHeadingRows + 1, kHeadingRows, 0);
  m.SetBackColor(basColourScheme::kWhite);
  m.SetBackColorFixed(Palette(basColourScheme::kHeadingColour));
  m.SetMergeCells(2);
  m.SetMergeRow(0, false);
  m.SetMergeRow(kLRTRRow, true);
  m.SetColWidth(0, kFactorNameWidth);
  m.SetColAlignment(0, kAlignLeft);
  m.SetTextMatrix(0, 0, " Factor");
  for (int32_t c = 1; c < cols; ++c) {
    m.SetColWidth(c, kFactorWidth);
    m.SetColAlignment(c, kAlignRight);
    m.SetTextMatrix(0, c, positionAbbreviations_[static_cast<std::size_t>(c)]);
  }
}

void clsUIStrategy::FillFactorGrid() {
  FlexGridModel& m = Grid();
  m.SetRows(kFactorRows);
  for (int32_t row = kLRTRRow; row < kFactorRows; ++row) {
    const int32_t kind = row - 1;
    m.SetTextMatrix(row, 0, " " + basSTGFileControl::FactorFlagText(kind));
    for (int32_t c = 1; c < m.Cols(); ++c) {
      if (row == kLRTRRow) {
        m.SetTextMatrix(row, c, kLRTRText);
        m.SetCellAlignmentAt(row, c, kAlignLeft);
      } else {
        m.SetTextMatrix(row, c,
                        runtime::Format(strategy_.Factor(kind, positionIDs_[static_cast<std::size_t>(c)]), "0.000"));
      }
    }
    for (int32_t c = 0; c < m.Cols(); ++c) m.SetCellBackColorAt(row, c, basColourScheme::kWhite);
  }
}

void clsUIStrategy::FactorEdit(int32_t row, int32_t col, const std::string& newText, const std::string& oldText) {
  const int32_t kind = row - 1;
  if (kind < clsDraftFactor::kInjury || kind > clsDraftFactor::kX || col < 1 ||
      col >= static_cast<int32_t>(positionIDs_.size()))
    return;
  const std::string typed = runtime::Trim(newText);
  // Plain decimals only: an exponent reaches magnitudes the "0.000" column
  // cannot show and the draft cannot multiply.
  const bool plain = runtime::IsNumeric(typed) && typed.find_first_of("eE") == std::string::npos;
  const double value = plain ? runtime::Val(typed) : 0.0;
  if (typed.size() >= kMaxFactorText || !plain || std::fabs(value) > clsDraftFactor::kMaxMagnitude) {
    Grid().SetTextMatrix(row, col, oldText);
    return;
  }
  if (!strategy_.HasFactor(kind)) {
    // A strategy without a table of this kind gets one, every position at
    // the 1.0 it had, so that the typed factor is kept.
    strategy_.AddFactor(kind);
    for (std::size_t i = 1; i < positionIDs_.size(); ++i) strategy_.SetFactor(kind, positionIDs_[i], 1.0);
  }
  strategy_.SetFactor(kind, positionIDs_[static_cast<std::size_t>(col)], value);
  Grid().SetTextMatrix(row, col, runtime::Format(value, "0.000"));
  SetChangesMade(true);
}

// ---- Tabs and export

void clsUIStrategy::mTab_Click(int32_t index) {
  if (index != kTabStrategy && index != kTabFactors) return;
  // The edit in progress belongs to the tab being left.
  if (mFlxStrategy.Enabled()) mFlxStrategy.ValidateLastCell();
  FlexGridModel& m = Grid();
  {
    FrozenGrid frozen(m, mFlxStrategy);
    if (index != currentTab_) {
      currentRow_ = 0;
      currentCol_ = 0;
    }
    currentTab_ = index;
    if (index == kTabStrategy) {
      LayOutRuleGrid();
      SetEditTypes();
      DisplayStrategyGrid();
    } else {
      LayOutFactorGrid();
      FillFactorGrid();
      mFlxStrategy.Reset();
      for (int32_t c = 1; c < m.Cols(); ++c) mFlxStrategy.TextEditColumn(c);
      mFlxStrategy.ClearInActiveRows();
      m.SetRow(kHeadingRows);
      m.SetCol(1);
    }
  }
  UpdateRuleButtons();
}

void clsUIStrategy::ShowStrategyTab() {
  if (currentTab_ == kTabStrategy) {
    DisplayStrategyGrid();
    return;
  }
  view_.SelectTab(kTabStrategy);
  mTab_Click(kTabStrategy);
}

void clsUIStrategy::mMb_Click(int32_t /*index*/) {
  mFlxStrategy.ValidateLastCell();
  FlexGridModel& m = Grid();
  FrozenGrid frozen(m, mFlxStrategy);
  // The rule grid's column 0 is the hidden rule number; the factor grid's
  // names the factors.
  const int32_t firstCol = currentTab_ == kTabFactors ? 0 : 1;
  basExportFile::ExportGridToFile(10, kProjExportFileTarget, m, kHeadingRows, m.Rows() - 1, 0, kHeadingRows - 1,
                                  firstCol, m.Cols() - 1, "Draft Strategy", false, false);
}

void clsUIStrategy::SetEditTypes() {
  mFlxStrategy.Reset();
  mFlxStrategy.TextEditColumn(kColBegin);
  mFlxStrategy.TextEditColumn(kColEnd);
  for (int32_t c : {kColMethod, kColCompare, kColInclusion}) mFlxStrategy.ListNormEditColumn(c);
  for (int32_t c : {kColFactors, kColPositions}) mFlxStrategy.ListMultiEditColumn(c);
}

void clsUIStrategy::MarkHeadingRowsInactive() {
  mFlxStrategy.ClearInActiveRows();
  mFlxStrategy.InactiveRow(0);
  mFlxStrategy.InactiveRow(1);
  mFlxStrategy.DrawDropArrows();
}

int32_t clsUIStrategy::RuleRowColour(int32_t row) const {
  // The first rule row takes the second row colour.
  return Palette((row - kHeadingRows) % 2 == 0 ? basColourScheme::kEditorRowColourB
                                               : basColourScheme::kEditorRowColourA);
}

void clsUIStrategy::PaintRuleRow(int32_t row, int32_t colour) {
  FlexGridModel& m = Grid();
  if (row < kHeadingRows || row >= m.Rows()) return;
  for (int32_t c = 0; c < kRuleCols; ++c) m.SetCellBackColorAt(row, c, colour);
}

void clsUIStrategy::DisplayStrategyGrid() {
  FlexGridModel& m = Grid();
  const int32_t count = strategy_.Count();
  {
    FrozenGrid frozen(m, mFlxStrategy);
    m.SetRows(count + kHeadingRows);
    for (int32_t rule = 0; rule < count; ++rule) DisplayRuleRow(rule, rule + kHeadingRows);
    for (int32_t row = kHeadingRows; row < m.Rows(); ++row) PaintRuleRow(row, RuleRowColour(row));
    m.SetRow(m.Rows() - 1);
    m.SetCol(kColBegin);
    MarkHeadingRowsInactive();
  }
  view_.SetDescription(strategy_.Description());
  UpdateRuleButtons();
}

std::string clsUIStrategy::PositionAbbreviation(int32_t posID) const {
  for (std::size_t i = 0; i < positionIDs_.size(); ++i) {
    if (positionIDs_[i] == posID) return positionAbbreviations_[i];
  }
  return "";
}

std::string clsUIStrategy::PositionTag(int32_t id) const {
  if (id > clsDraftStrategy::kBenchMark)
    return "[" + PositionAbbreviation(id - clsDraftStrategy::kBenchMark) + "-B]";
  if (id > clsDraftStrategy::kStarterMark)
    return "[" + PositionAbbreviation(id - clsDraftStrategy::kStarterMark) + "-S]";
  return "[" + PositionAbbreviation(id) + "]";
}

std::string clsUIStrategy::PositionName(int32_t id) const {
  const int32_t mark = id > clsDraftStrategy::kBenchMark    ? clsDraftStrategy::kBenchMark
                       : id > clsDraftStrategy::kStarterMark ? clsDraftStrategy::kStarterMark
                                                             : 0;
  std::string name;
  for (std::size_t i = 0; i < positionIDs_.size(); ++i) {
    if (positionIDs_[i] == id - mark) name = positionNames_[i];
  }
  if (mark == clsDraftStrategy::kStarterMark) return name + " (starter)";
  if (mark == clsDraftStrategy::kBenchMark) return name + " (bench)";
  return name;
}

std::string clsUIStrategy::PositionText(int32_t rule) const {
  std::string text = " ";
  for (int32_t id : strategy_.PosInclusionIDs(rule)) {
    if (id > 0) text += PositionTag(id) + " ";
  }
  return text;
}

std::string clsUIStrategy::FactorText(int32_t rule) const {
  std::string text = " ";
  for (int32_t f = 0; f < kFactorFlags; ++f) {
    if (strategy_.UsingFactor(rule, f)) text += "[" + basSTGFileControl::FactorFlagText(f) + "] ";
  }
  return text;
}

void clsUIStrategy::DisplayRuleRow(int32_t rule, int32_t row) {
  FlexGridModel& m = Grid();
  m.SetTextMatrix(row, kColRule, std::to_string(rule));
  m.SetTextMatrix(row, kColBegin, std::to_string(strategy_.BegPick(rule)));
  m.SetTextMatrix(row, kColEnd, basSTGFileControl::PickNumberText(strategy_.EndPick(rule)));
  m.SetTextMatrix(row, kColMethod, " " + basSTGFileControl::MethodText(strategy_.Method(rule)));
  m.SetTextMatrix(row, kColCompare, " " + basSTGFileControl::CompareText(strategy_.Compare(rule)));
  m.SetTextMatrix(row, kColInclusion, strategy_.Inclusion(rule) == 0 ? " Include" : " Exclude");
  m.SetTextMatrix(row, kColFactors, FactorText(rule));
  m.SetTextMatrix(row, kColPositions, PositionText(rule));
  ShowByeConflict(row, strategy_.NoByeConflict(rule));
}

void clsUIStrategy::ShowByeConflict(int32_t row, bool set) {
  FlexGridModel& m = Grid();
  m.SetCellPictureAt(row, kColNoBye, view_.CheckPicture(set));
  m.SetCellPictureAlignmentAt(row, kColNoBye, kAlignCentre);
  m.SetTextMatrix(row, kColNoBye, set ? kTickedCellText : "");
}

void clsUIStrategy::UpdateRuleButtons() {
  const int32_t rows = Grid().Rows();
  const bool rules = currentTab_ == kTabStrategy;
  const bool selected = rules && currentRow_ >= kHeadingRows && currentRow_ < rows;
  view_.SetRuleButtonEnabled(kAddRule, rules);
  view_.SetRuleButtonEnabled(kRemoveRule, selected);
  view_.SetRuleButtonEnabled(kMoveUp, selected && rows > 3 && currentRow_ > kHeadingRows);
  view_.SetRuleButtonEnabled(kMoveDown, selected && rows > 3 && currentRow_ < rows - 1);
}

void clsUIStrategy::AddStrategy(int32_t index) {
  strategy_.SetCount(index + 1);
  strategy_.SetBegPick(index, 0);
  strategy_.SetEndPick(index, 0);
  strategy_.SetInclusion(index, 0);
  strategy_.SetMethod(index, 0);
  strategy_.AddPositionID(index, clsDraftStrategy::kAnyPositionID);
}

// ---- Events

void clsUIStrategy::mAR_Click(int32_t index) {
  if (currentTab_ != kTabStrategy) return;
  mFlxStrategy.ValidateLastCell();
  FlexGridModel& m = Grid();
  const int32_t rule = currentRow_ - kHeadingRows;
  if (index != kAddRule && (rule < 0 || rule >= strategy_.Count())) return;
  int32_t newRow = 0;
  {
    FrozenGrid frozen(m, mFlxStrategy);
    SetChangesMade(true);
    switch (index) {
      case kAddRule: {
        const int32_t n = strategy_.Count();
        AddStrategy(n);
        m.SetRows(n + kHeadingRows + 1);
        DisplayRuleRow(n, n + kHeadingRows);
        PaintRuleRow(n + kHeadingRows, RuleRowColour(n + kHeadingRows));
        MarkHeadingRowsInactive();
        m.SetRow(n + kHeadingRows);
        m.SetCol(kColRule);
        break;
      }
      case kRemoveRule:
        strategy_.DeleteStrategy(rule);
        currentRow_ = 0;
        DisplayStrategyGrid();
        break;
      case kMoveUp:
        if (rule == 0) return;
        strategy_.SwapRuleIndex(rule, rule - 1);
        DisplayRuleRow(rule, currentRow_);
        DisplayRuleRow(rule - 1, currentRow_ - 1);
        newRow = currentRow_ - 1;
        break;
      case kMoveDown:
        if (rule + 1 >= strategy_.Count()) return;
        strategy_.SwapRuleIndex(rule, rule + 1);
        DisplayRuleRow(rule, currentRow_);
        DisplayRuleRow(rule + 1, currentRow_ + 1);
        newRow = currentRow_ + 1;
        break;
      default:
        return;
    }
  }
  if (newRow >= kHeadingRows) m.SetRow(newRow);
  mFlxStrategy_EnterCell();
}

void clsUIStrategy::mTxtDescription_Change(const std::string& text) {
  strategy_.SetDescription(text);
  SetChangesMade(true);
}

void clsUIStrategy::mFlxStrategy_EnterCell() {
  // The page's own moves of the current cell (with editing off) select nothing.
  if (!mFlxStrategy.Enabled()) return;
  FlexGridModel& m = Grid();
  const int32_t row = m.Row();
  if (currentTab_ != kTabStrategy) {
    UpdateRuleButtons();
    return;
  }
  currentCol_ = m.Col();
  if (row >= kHeadingRows && row != currentRow_) {
    FrozenGrid frozen(m, mFlxStrategy);
    if (currentRow_ >= kHeadingRows) PaintRuleRow(currentRow_, basColourScheme::kWhite);
    currentRow_ = row;
    PaintRuleRow(row, Palette(basColourScheme::kSelectionColour));
  }
  UpdateRuleButtons();
}

void clsUIStrategy::mFlxStrategy_Click() {
  FlexGridModel& m = Grid();
  const int32_t row = m.Row();
  if (currentTab_ != kTabStrategy || m.Col() != kColNoBye || row < kHeadingRows ||
      row - kHeadingRows >= strategy_.Count())
    return;
  FrozenGrid frozen(m, mFlxStrategy);
  const int32_t rule = row - kHeadingRows;
  strategy_.SetNoByeConflict(rule, !strategy_.NoByeConflict(rule));
  ShowByeConflict(row, strategy_.NoByeConflict(rule));
  SetChangesMade(true);
}

void clsUIStrategy::FillList(int32_t col) {
  const bool check = col == kColFactors || col == kColPositions;
  EditFlexListBox* list = check ? lstPos_ : view_.EditList();
  list->Clear();
  auto add = [list](const std::string& text, int32_t data) {
    list->AddItem(text);
    list->SetItemData(list->ListCount() - 1, data);
  };
  const int32_t rule = Grid().Row() - kHeadingRows;
  switch (col) {
    case kColMethod:
      for (int32_t i = 0; i < kMethods; ++i) add(" " + basSTGFileControl::MethodText(i), i);
      break;
    case kColCompare:
      for (int32_t i = 0; i < kCompares; ++i) add(" " + basSTGFileControl::CompareText(i), i);
      break;
    case kColInclusion:
      add(" Include", 0);
      add(" Exclude", 1);
      break;
    case kColFactors:
      for (int32_t i = 0; i < kFactorFlags; ++i) {
        add(" " + basSTGFileControl::FactorFlagText(i), i);
        list->SetSelected(i, strategy_.UsingFactor(rule, i));
      }
      break;
    case kColPositions: {
      add(" [All] All Positions", clsDraftStrategy::kAnyPositionID);
      for (std::size_t i = 1; i < positionIDs_.size(); ++i)
        add(" [" + positionAbbreviations_[i] + "] " + positionNames_[i], positionIDs_[i]);
      // Ids no entry holds (starter and bench marks, positions the database
      // lacks) get entries of their own: they show ticked, and a tick
      // elsewhere keeps them.
      const clsDraftStrategy::PositionIDs ids = strategy_.PosInclusionIDs(rule);
      for (int32_t id : ids) {
        if (id > 0 && !ListHolds(*list, id)) add(" " + PositionTag(id) + " " + PositionName(id), id);
      }
      for (int32_t i = 0; i < list->ListCount(); ++i)
        list->SetSelected(i, std::find(ids.begin(), ids.end(), list->ItemData(i)) != ids.end());
      break;
    }
    default:
      return;
  }
  basFlexGridCommon::FitListToItems(*list, Grid());
}

void clsUIStrategy::mFlxStrategy_AllignmentDone(int32_t col) {
  const int32_t rule = Grid().Row() - kHeadingRows;
  if (currentTab_ != kTabStrategy || rule < 0 || rule >= strategy_.Count()) return;
  FillList(col);
  EditFlexListBox* list = col == kColFactors || col == kColPositions ? lstPos_ : view_.EditList();
  basFlexGridCommon::OpenListAboveWhenBelow(*list, Grid(), view_.ListAreaHeight());
}

void clsUIStrategy::mFlxStrategy_ValidateFlexListSingle(int32_t row, int32_t col, int32_t listIndex) {
  const int32_t rule = row - kHeadingRows;
  if (currentTab_ != kTabStrategy || listIndex < 0 || rule < 0 || rule >= strategy_.Count()) return;
  switch (col) {
    case kColMethod:
      if (listIndex >= kMethods) return;
      strategy_.SetMethod(rule, listIndex);
      break;
    case kColCompare:
      if (listIndex >= kCompares) return;
      strategy_.SetCompare(rule, listIndex);
      break;
    case kColInclusion:
      strategy_.SetInclusion(rule, listIndex == 0 ? 0 : 1);
      break;
    default:
      return;
  }
  SetChangesMade(true);
  DisplayRuleRow(rule, row);
}

void clsUIStrategy::mFlxStrategy_ValidateFlexText(int32_t row, int32_t col, const std::string& newText,
                                                  const std::string& oldText) {
  if (currentTab_ == kTabFactors) {
    FactorEdit(row, col, newText, oldText);
    return;
  }
  const int32_t rule = row - kHeadingRows;
  if (rule < 0 || rule >= strategy_.Count()) return;
  std::string result = runtime::Trim(oldText);
  int32_t pick = 0;
  if (col == kColBegin && PickValue(newText, pick)) {
    strategy_.SetBegPick(rule, pick);
    result = std::to_string(strategy_.BegPick(rule));
    SetChangesMade(true);
  } else if (col == kColEnd &&
             PickValue(runtime::Trim(newText) == "l" || runtime::Trim(newText) == "L" ? std::string("999")
                                                                                      : newText,
                       pick)) {
    strategy_.SetEndPick(rule, pick);
    result = basSTGFileControl::PickNumberText(strategy_.EndPick(rule));
    SetChangesMade(true);
  } else if (col != kColBegin && col != kColEnd) {
    return;
  }
  Grid().SetTextMatrix(row, col, " " + result);
}

void clsUIStrategy::mLstPos_Click() {
  const int32_t rule = Grid().Row() - kHeadingRows;
  if (currentTab_ != kTabStrategy || rule < 0 || rule >= strategy_.Count()) return;
  EditFlexListBox* list = lstPos_;
  if (currentCol_ == kColFactors) {
    for (int32_t i = 0; i < std::min(list->ListCount(), kFactorFlags); ++i)
      strategy_.SetUsingFactor(rule, list->ItemData(i), list->Selected(i));
    Grid().SetTextMatrix(Grid().Row(), kColFactors, FactorText(rule));
    SetChangesMade(true);
    return;
  }
  if (currentCol_ != kColPositions) return;
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < list->ListCount(); ++i) {
    if (list->Selected(i)) ids.push_back(list->ItemData(i));
  }
  if (ids.size() > static_cast<std::size_t>(clsDraftStrategy::kMaxPositionIDs)) {
    basMessage::ShowMessage(kFileCaption, " A rule holds at most 40 positions.", seams::kOk, true);
    FillList(kColPositions);
    return;
  }
  // The stored position count follows the ids: empty the list, then add.
  for (int32_t id : strategy_.PosInclusionIDs(rule)) {
    if (id != 0) strategy_.RemovePositionID(rule, id);
  }
  const clsDraftStrategy::PositionIDs none{};
  strategy_.SetPosInclusionIDs(rule, none);
  for (int32_t id : ids) strategy_.AddPositionID(rule, id);
  Grid().SetTextMatrix(Grid().Row(), kColPositions, PositionText(rule));
  SetChangesMade(true);
}
