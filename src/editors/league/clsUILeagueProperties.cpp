#include "editors/league/clsUILeagueProperties.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "core/PageCode.h"
#include "core/basAssociatedFiles.h"
#include "core/basColourScheme.h"
#include "core/basDirToTextFile.h"
#include "core/basFlexGridCommon.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "draft_inputs/basLGPFileControl.h"
#include "editors/league/LeaguePageView.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "shell/basExportFile.h"
#include "shell/basFileDialog.h"
#include "shell/basUIControl.h"

namespace {

constexpr int32_t kWholeRoster = 1;  // position ID 1, "All"
constexpr const char* kNotATeam = " N/A";

const std::string& LeagueFolder() { return FileTypeFolder[kPageLeagueProperties]; }

// A whole number 0..255 from an entry, rounded; false for anything else.
bool LimitOf(const std::string& text, int32_t& value) {
  if (!runtime::IsNumeric(text)) return false;
  const double v = runtime::RoundHalfEven(runtime::Val(text));
  if (v < 0.0 || v > clsUILeagueProperties::kMaxLimit) return false;
  value = static_cast<int32_t>(v);
  return true;
}

// The grid's headings, widths and alignments for one tab.
void LayOutColumns(FlexGridModel& m, const std::vector<const char*>& headings, const std::vector<int32_t>& widths,
                   const std::vector<int16_t>& aligns) {
  const int32_t cols = static_cast<int32_t>(headings.size());
  m.SetCols(cols);
  for (int32_t c = 0; c < cols; ++c) {
    m.SetTextMatrix(0, c, headings[static_cast<std::size_t>(c)]);
    m.SetColWidth(c, widths[static_cast<std::size_t>(c)]);
    m.SetColAlignment(c, aligns[static_cast<std::size_t>(c)]);
  }
}

}  // namespace

clsUILeagueProperties::clsUILeagueProperties(LeaguePageView& view)
    : clsUIDocumentPage({kPageLeagueProperties, kProjLeaguePropertiesFile, true, true, " "}), view_(view) {}

FlexGridModel& clsUILeagueProperties::Grid() { return grid_->Model(); }

// ---- The page

bool clsUILeagueProperties::ActivateForm() {
  return WithDefaultDatabase(db_, [this] {
    ActivateClass();
    view_.SetStyleItems({" Sepentine", " Cyclic"});
    view_.SetStyleIndex(0);
    view_.SetRoundsText(std::to_string(draftRounds_));
    OpenAtStart(ProjectDocument());
    GridInitialize();
    ActivateGrid(kTabRosterSize);
  });
}

bool clsUILeagueProperties::ReadDocument(const std::string& name) {
  clsLeagueIsolate loaded;
  loaded.SetFilePath(LeagueFolder());
  loaded.SetFileName(name);
  std::string unreported;
  if (!loaded.LoadLeagueProps(false, &unreported)) {
    if (!unreported.empty()) ReportUnreadable(name, unreported);
    return false;
  }
  league_ = std::move(loaded);

  draftStyle_ = league_.DraftStyle();
  draftRounds_ = league_.DraftRounds();
  createdTeamCount_ = league_.CreatedTeamCount();
  createdDraftRounds_ = league_.CreatedDraftRounds();
  teamNames_.clear();
  strategies_.clear();
  for (int32_t t = 1; t <= league_.TeamCount(); ++t) {
    teamNames_.push_back(runtime::Trim(league_.TeamName(t)));
    strategies_.push_back(runtime::Trim(league_.Strategy(t)));
  }
  // The created order covers CreatedTeamCount x CreatedDraftRounds picks,
  // as far as the file holds them.
  const int64_t created = static_cast<int64_t>(std::max(createdTeamCount_, 0)) * std::max(createdDraftRounds_, 0);
  const int32_t picks = static_cast<int32_t>(std::min<int64_t>(created, league_.PickCount()));
  order_.clear();
  for (int32_t p = 0; p < picks; ++p) order_.push_back(league_.Pick(p));

  for (int32_t slot = 1; slot <= positions_.MaxArray(); ++slot) {
    const int32_t id = positions_.PosID(slot);
    if (id == 0) continue;
    positions_.SetRosterMin(id, league_.RosterMin(id));
    positions_.SetRosterMax(id, league_.RosterMax(id));
    positions_.SetStartMin(id, league_.StarterMin(id));
    positions_.SetStartMax(id, league_.StarterMax(id));
    positions_.SetMergeAsID(id, league_.MergeAsID(id));
  }
  positions_.MarkInUse();
  view_.SetRoundsText(std::to_string(draftRounds_));
  view_.SetStyleIndex(draftStyle_ == 0 || draftStyle_ == 1 ? draftStyle_ : -1);
  UpdateDisplay();
  return true;
}

bool clsUILeagueProperties::NewDocument(const std::string& /*name*/) {
  // A new file carries nothing of the one edited before but the draft
  // style, rounds and created order.
  league_ = clsLeagueIsolate{};
  teamNames_.clear();
  strategies_.clear();
  positions_.ClearRosterAndPositon();
  positions_.SetInUse(kWholeRoster, true);
  UpdateDisplay();
  return true;
}

bool clsUILeagueProperties::WriteDocument(const std::string& name) {
  txtRnds_Validate();
  positions_.ResetUnused();

  const int32_t teams = TeamCount();
  league_.SetTeamCount(teams);
  league_.SetDraftStyle(draftStyle_);
  league_.SetDraftRounds(draftRounds_);
  league_.SetCreatedTeamCount(createdTeamCount_);
  league_.SetCreatedDraftRounds(createdDraftRounds_);
  for (int32_t i = 0; i < teams; ++i) {
    league_.SetTeamName(i + 1, teamNames_[static_cast<std::size_t>(i)]);
    league_.SetStrategy(i + 1, strategies_[static_cast<std::size_t>(i)]);
  }
  league_.SetPickCount(static_cast<int32_t>(order_.size()));
  for (std::size_t p = 0; p < order_.size(); ++p) league_.SetPick(static_cast<int32_t>(p), order_[p]);

  // Slot 0 first: the list starts with an all-zero record.
  league_.ClearRosterPositions();
  for (int32_t slot = 0; slot <= positions_.MaxArray(); ++slot) {
    const int32_t id = positions_.PosID(slot);
    if (slot == 0) {
      league_.AddRosterPositionSize(0, 0, 0, 0, 0, 0);
      continue;
    }
    league_.AddRosterPositionSize(positions_.MergeAsID(id), id, positions_.RosterMax(id), positions_.RosterMin(id),
                                  positions_.StartMax(id), positions_.StartMin(id));
  }
  league_.SetFilePath(LeagueFolder());
  league_.SetFileName(name);
  return league_.SaveLeagueProps();
}

// ---- Set-up

void clsUILeagueProperties::ActivateClass() {
  struct Row {
    int32_t id;
    std::string abr;
    std::string full;
    int32_t order;
  };
  std::vector<Row> rows;
  std::unique_ptr<jet::Recordset> rs = db_.pSbKickwellSQL("SELECT * FROM tblPositions ORDER BY DisplayOrder;");
  int32_t count = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    ++count;
    if (rs->Field("Pos").IsNull()) continue;
    rows.push_back({rs->Field("id").AsLong(), rs->Field("Pos").AsText(), rs->Field("PosFullName").AsText(),
                    rs->Field("DisplayOrder").AsLong()});
  }
  rs->Close();
  positions_.SetPositionMax(count);
  for (const Row& r : rows) {
    // A display order outside 1..N names no slot; such a position is left out.
    if (r.order < 1 || r.order > count || r.id == 0) continue;
    positions_.SetPosID(r.order, r.id);
    positions_.SetPosAbr(r.id, r.abr);
    positions_.SetPosFull(r.id, r.full);
    positions_.SetMergeAsID(r.id, r.id);
  }
  positions_.MarkInUse();
}

void clsUILeagueProperties::GridInitialize() {
  grid_ = view_.EditGrid();
  view_.AttachTo(mFlxPos);
  mFlxPos.ValidateFlexText = [this](int32_t r, int32_t c, const std::string& n, const std::string& o) {
    mFlxPos_ValidateFlexText(r, c, n, o);
  };
  mFlxPos.ValidateFlexListSingle = [this](int32_t r, int32_t c, int32_t i) { mFlxPos_ValidateFlexListSingle(r, c, i); };
  mFlxPos.ValidateFlexCombo = [this](int32_t r, int32_t c, int32_t n, int32_t o) {
    mFlxPos_ValidateFlexCombo(r, c, n, o);
  };
  mFlxPos.EnterCell = [this] { mFlxPos_EnterCell(); };
  mFlxPos.AllignmentDone = [this](int32_t c) { mFlxPos_AllignmentDone(c); };
  FlexGridModel& m = Grid();
  m.SetBackColorFixed(Palette(basColourScheme::kHeadingColour));
  initialised_ = true;
  SetGridEditor(&mFlxPos);
}

void clsUILeagueProperties::ActivateGrid(int32_t tab) {
  if (tab < kTabRosterSize || tab > kTabTeams) return;
  mTab_Click(tab);
  view_.SelectTab(tab);
}

// ---- Tabs

void clsUILeagueProperties::mTab_Click(int32_t index) {
  if (index < kTabRosterSize || index > kTabDraftOrder || !initialised_) return;
  mFlxPos.ValidateLastCell();
  mFlxPos.HideText();
  currentTab_ = index;
  // A highlight belongs to the rows of the tab it was made on.
  ClearHighlight();
  FlexGridModel& m = Grid();
  const bool redraw = m.Redraw();
  m.SetRedraw(false);
  mFlxPos.SetEnabled(false);
  movingCell_ = true;
  m.Clear();
  m.SetMergeCells(0);
  m.SetMergeRow(0, false);
  if (index == kTabRosterSize) DrawRosterTab();
  if (index == kTabTeams) DrawTeamsTab();
  if (index == kTabDraftOrder) DrawDraftOrderTab();
  movingCell_ = false;
  mFlxPos.SetEnabled(true);
  m.SetRedraw(redraw);
  view_.ShowTabControls(index);
}

void clsUILeagueProperties::FinishRows(int32_t headingRows, int32_t inactiveRows) {
  FlexGridModel& m = Grid();
  for (int32_t r = 0; r < headingRows; ++r)
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(r), Palette(basColourScheme::kHeadingColour));
  mFlxPos.ClearInActiveRows();
  for (int32_t r = 0; r < std::min(inactiveRows, m.Rows()); ++r) mFlxPos.InactiveRow(r);
  if (m.Rows() > 0) mFlxPos.InactiveRow(0);
  mFlxPos.DrawDropArrows();
  if (m.Rows() > headingRows && m.Row() < headingRows) MoveCell(headingRows, std::min(2, m.Cols() - 1));
}

void clsUILeagueProperties::MoveCell(int32_t row, int32_t col) {
  FlexGridModel& m = Grid();
  const bool moving = movingCell_;
  movingCell_ = true;
  m.SetRow(row);
  m.SetCol(col);
  movingCell_ = moving;
}

void clsUILeagueProperties::DrawRosterTab() {
  FlexGridModel& m = Grid();
  std::vector<int32_t> ids;
  for (int32_t slot = 1; slot <= positions_.MaxArray(); ++slot) {
    const int32_t id = positions_.PosID(slot);
    if (id != 0 && positions_.InUse(id)) ids.push_back(id);
  }
  m.SetRows(2 + static_cast<int32_t>(ids.size()));
  m.SetFixedRows(2);
  LayOutColumns(m, {"", "League Roster Size", "League Roster Size", "Merge", "Roster", "Roster", "Starter", "Starter"},
                {1, 1920, 740, 740, 740, 740, 740, 740},
                {kAlignLeft, kAlignLeft, kAlignLeft, kAlignLeft, kAlignRight, kAlignRight, kAlignRight, kAlignRight});
  m.SetFixedCols(1);
  const char* second[] = {"", "Position", "Abr", "As", "Min", "Max", "Min", "Max"};
  for (int32_t c = 0; c < 8; ++c) {
    m.SetTextMatrix(1, c, second[c]);
    m.SetCellAlignmentAt(0, c, kAlignCentre);
    m.SetCellAlignmentAt(1, c, kAlignCentre);
  }
  m.SetMergeCells(2);
  m.SetMergeRow(0, true);
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const int32_t row = 2 + static_cast<int32_t>(i);
    const int32_t id = ids[i];
    m.SetTextMatrix(row, 0, std::to_string(id));
    m.SetTextMatrix(row, 1, " " + positions_.PosFull(id));
    m.SetTextMatrix(row, 2, " " + positions_.PosAbr(id));
    m.SetTextMatrix(row, 3, " " + positions_.PosAbr(positions_.MergeAsID(id)));
    m.SetTextMatrix(row, 4, std::to_string(positions_.RosterMin(id)));
    m.SetTextMatrix(row, 5, std::to_string(positions_.RosterMax(id)));
    m.SetTextMatrix(row, 6, std::to_string(positions_.StartMin(id)));
    m.SetTextMatrix(row, 7, std::to_string(positions_.StartMax(id)));
    ColourRosterRow(row);
  }
  mFlxPos.Reset();
  mFlxPos.NoEditColumn(2);
  mFlxPos.ListNormEditColumn(3);
  for (int32_t c = 4; c <= 7; ++c) {
    mFlxPos.TextEditColumn(c);
    mFlxPos.TextEditAlign(c, 1);
  }
  FinishRows(2, 3);
  DrawPositionSelection();
}

void clsUILeagueProperties::ColourRosterRow(int32_t row) {
  FlexGridModel& m = Grid();
  const bool merged = m.TextMatrix(row, 2) != m.TextMatrix(row, 3);
  const int32_t colour = merged ? Palette(basColourScheme::kTitleRowColour)
                                : Palette((row % 2 == 0) ? basColourScheme::kEditorRowColourA
                                                         : basColourScheme::kEditorRowColourB);
  basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), colour);
}

void clsUILeagueProperties::DrawPositionSelection() {
  FlexGridModel& p = view_.PositionSelectionGrid();
  const bool redraw = p.Redraw();
  p.SetRedraw(false);
  p.Clear();
  p.SetCols(3);
  p.SetRows(std::max(1, positions_.MaxArray()));
  p.SetFixedRows(1);
  p.SetFixedCols(1);
  p.SetBackColorFixed(Palette(basColourScheme::kHeadingColour));
  p.SetColWidth(0, 0);
  p.SetColWidth(1, 300);
  p.SetColWidth(2, 1920);
  p.SetColAlignment(1, kAlignCentre);
  p.SetColAlignment(2, kAlignLeft);
  p.SetTextMatrix(0, 2, " Position Selection");
  for (int32_t slot = 2; slot <= positions_.MaxArray(); ++slot) {
    const int32_t row = slot - 1;
    const int32_t id = positions_.PosID(slot);
    if (id == 0) continue;
    p.SetTextMatrix(row, 0, std::to_string(id));
    p.SetTextMatrix(row, 2, " " + positions_.PosFull(id));
    p.SetCellPictureAt(row, 1, view_.CheckPicture(positions_.InUse(id)));
    p.SetCellPictureAlignmentAt(row, 1, kAlignCentre);
  }
  p.SetRedraw(redraw);
}

void clsUILeagueProperties::DrawTeamsTab() {
  FlexGridModel& m = Grid();
  m.SetRows(TeamCount() + 1);
  m.SetFixedRows(1);
  LayOutColumns(m, {"", " Team", " Team Name", " *Draft Strategy"}, {1, 800, 3200, 4000},
                {kAlignLeft, kAlignRight, kAlignLeft, kAlignLeft});
  m.SetFixedCols(1);
  for (int32_t t = 0; t < TeamCount(); ++t) {
    const int32_t row = t + 1;
    m.SetTextMatrix(row, 0, std::to_string(t));
    m.SetTextMatrix(row, 1, std::to_string(t + 1));
    m.SetTextMatrix(row, 2, " " + teamNames_[static_cast<std::size_t>(t)]);
    m.SetTextMatrix(row, 3, " " + runtime::Trim(strategies_[static_cast<std::size_t>(t)]));
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), Palette(basColourScheme::kEditorRowColourA));
  }
  mFlxPos.Reset();
  mFlxPos.TextEditColumn(2);
  mFlxPos.TextEditAlign(2, 0);
  mFlxPos.ListNormEditColumn(3);
  FinishRows(1, 1);
  view_.SetRemoveTeamEnabled(TeamCount() > 0);
}

std::string clsUILeagueProperties::TeamNameText(int32_t team) const {
  if (team < 1 || team > TeamCount()) return kNotATeam;
  return " " + teamNames_[static_cast<std::size_t>(team - 1)];
}

void clsUILeagueProperties::DrawDraftOrderTab() {
  FlexGridModel& m = Grid();
  m.SetRows(static_cast<int32_t>(order_.size()) + 1);
  m.SetFixedRows(1);
  LayOutColumns(m, {"", " Rnd", " Pick", " Team #", " Team Name"}, {1, 800, 800, 800, 3200},
                {kAlignLeft, kAlignRight, kAlignRight, kAlignRight, kAlignLeft});
  m.SetFixedCols(1);
  for (std::size_t p = 0; p < order_.size(); ++p) {
    const int32_t row = static_cast<int32_t>(p) + 1;
    const int32_t pick = static_cast<int32_t>(p);
    m.SetTextMatrix(row, 0, std::to_string(pick));
    m.SetTextMatrix(row, 1, createdTeamCount_ > 0 ? std::to_string(pick / createdTeamCount_ + 1) : "N/A");
    m.SetTextMatrix(row, 2, std::to_string(pick + 1));
    m.SetTextMatrix(row, 3, std::to_string(order_[p]));
    m.SetTextMatrix(row, 4, TeamNameText(order_[p]));
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), Palette(basColourScheme::kEditorRowColourA));
  }
  mFlxPos.Reset();
  mFlxPos.NoEditColumn(2);
  mFlxPos.NoEditColumn(3);
  mFlxPos.ListNormEditColumn(4);
  FinishRows(1, 1);
}

// ---- Buttons and the draft settings

void clsUILeagueProperties::mMb_Click(int32_t /*index*/) {
  FlexGridModel& m = Grid();
  mFlxPos.ValidateLastCell();
  mFlxPos.SetEnabled(false);
  const bool redraw = m.Redraw();
  m.SetRedraw(false);
  basExportFile::ExportGridToFile(10, kProjExportFileTarget, m, m.FixedRows(), m.Rows() - 1, 0, m.FixedRows() - 1, 1,
                                  m.Cols() - 1, "League Properties", false, false);
  m.SetRedraw(redraw);
  mFlxPos.SetEnabled(true);
}

void clsUILeagueProperties::mAR_Click(int32_t index) {
  if (index == 0) AddTeam();
  if (index == 1) RemoveTeam();
  SetChangesMade(true);
}

void clsUILeagueProperties::AddTeam() {
  // The file holds at most this many teams.
  if (TeamCount() >= clsLeagueIsolate::kMaxTeamCount) return;
  FlexGridModel& m = Grid();
  const int32_t row = m.Row();
  const int32_t col = m.Col();
  teamNames_.push_back("Team " + std::to_string(TeamCount() + 1));
  strategies_.push_back(FileTypeDefaultName[kPageDraftStrategies]);
  mTab_Click(kTabTeams);
  const int32_t target = (row <= 0 || row >= m.Rows()) ? 1 : row;
  if (target < m.Rows()) MoveCell(target, std::clamp(col, 1, m.Cols() - 1));
}

void clsUILeagueProperties::RemoveTeam() {
  FlexGridModel& m = Grid();
  const int32_t row = m.Row();
  const int32_t col = m.Col();
  mFlxPos.ValidateLastCell();
  if (TeamCount() > 0) {
    const int32_t team = highlightRow_ - 1;
    const std::size_t at = (team >= 0 && team < TeamCount()) ? static_cast<std::size_t>(team) : teamNames_.size() - 1;
    teamNames_.erase(teamNames_.begin() + static_cast<std::ptrdiff_t>(at));
    strategies_.erase(strategies_.begin() + static_cast<std::ptrdiff_t>(at));
  }
  mTab_Click(kTabTeams);
  if (m.Rows() > 1) {
    MoveCell(std::clamp(row, 1, m.Rows() - 1), std::clamp(col, 1, m.Cols() - 1));
  } else {
    mFlxPos.HideText();
    if (view_.EditCombo() != nullptr) view_.EditCombo()->SetVisible(false);
  }
}

void clsUILeagueProperties::mBoard_Click(int32_t /*index*/) { CreateOrder(); }

void clsUILeagueProperties::CreateOrder() {
  if (!order_.empty() &&
      !basMessage::AskYesNo("Draft Order Exists", " Are you sure you want to overwrite the current draft order?"))
    return;
  std::vector<int32_t> built;
  const int32_t last = basLGPFileControl::BuildDraftOrder(built, TeamCount(), draftRounds_, draftStyle_);
  if (last >= 0) {
    order_ = std::move(built);
    createdTeamCount_ = TeamCount();
    createdDraftRounds_ = draftRounds_;
    SetChangesMade(true);
  } else {
    // No order: nothing was created for any team count or rounds.
    if (!order_.empty() || createdTeamCount_ != 0 || createdDraftRounds_ != 0) SetChangesMade(true);
    order_.clear();
    createdTeamCount_ = 0;
    createdDraftRounds_ = 0;
    std::string text;
    if (TeamCount() < 1) text += " Team Count must be > 0 to create draft order.\r\n";
    if (draftRounds_ < 1) text += "  Draft Rounds must be > 0 to create draft order.";
    if (text.empty())
      text = " The draft order may hold at most " + std::to_string(basLGPFileControl::kMaxDraftOrderPicks) +
             " picks.";
    basMessage::ShowMessage("Create Order Canceled", text, seams::kOk, true);
  }
  mTab_Click(kTabDraftOrder);
}

void clsUILeagueProperties::cmbOrder_Click(int32_t index) {
  if (index < 0) return;
  draftStyle_ = index;
  SetChangesMade(true);
}

void clsUILeagueProperties::txtRnds_Validate() {
  int32_t rounds = 0;
  if (LimitOf(view_.RoundsText(), rounds) && rounds != draftRounds_) {
    draftRounds_ = rounds;
    SetChangesMade(true);
  }
  view_.SetRoundsText(std::to_string(draftRounds_));
}

void clsUILeagueProperties::flxPosCat_MouseUp(int32_t row, int32_t col) {
  FlexGridModel& p = view_.PositionSelectionGrid();
  if (col != 1 || row < 1 || row >= p.Rows()) return;
  if (initialised_) mFlxPos.ValidateLastCell();
  SetChangesMade(true);
  const std::string& key = p.TextMatrix(row, 0);
  if (runtime::IsNumeric(key)) {
    const int32_t id = static_cast<int32_t>(runtime::Val(key));
    positions_.SetInUse(id, !positions_.InUse(id));
  }
  UpdateDisplay();
}

// ---- The main grid

int32_t clsUILeagueProperties::KeyOfRow(int32_t row) {
  FlexGridModel& m = Grid();
  if (row < m.FixedRows() || row >= m.Rows()) return -1;
  const std::string& text = m.TextMatrix(row, 0);
  if (!runtime::IsNumeric(text)) return -1;
  const double v = runtime::Val(text);
  if (v < 0 || v > 1e9) return -1;
  return static_cast<int32_t>(v);
}

void clsUILeagueProperties::mFlxPos_EnterCell() {
  if (!ClicksAccepted || movingCell_ || currentTab_ == kTabRosterSize) return;
  FlexGridModel& m = Grid();
  const int32_t row = m.Row();
  if (row < 1 || row >= m.Rows() || row == highlightRow_) return;
  if (highlightRow_ >= 1 && highlightRow_ < m.Rows())
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(highlightRow_), highlightColour_);
  const int32_t colour = m.CellBackColorAt(row, m.Col());
  if (colour == Palette(basColourScheme::kHeadingColour)) {
    highlightRow_ = -1;
    view_.SetRemoveTeamEnabled(false);
    return;
  }
  highlightColour_ = colour;
  highlightRow_ = row;
  basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), Palette(basColourScheme::kMarkedRowColour));
  view_.SetRemoveTeamEnabled(true);
}

void clsUILeagueProperties::mFlxPos_AllignmentDone(int32_t col) {
  EditFlexListBox* list = mFlxPos.NormListBox();
  if (list == nullptr) return;
  FlexGridModel& m = Grid();
  list->Clear();
  if (currentTab_ == kTabRosterSize && col == 3) {
    for (int32_t slot = 1; slot <= positions_.MaxArray(); ++slot) {
      const int32_t id = positions_.PosID(slot);
      if (id == 0) continue;
      list->AddItem(" " + positions_.PosAbr(id));
      list->SetItemData(list->ListCount() - 1, id);
    }
  } else if (currentTab_ == kTabTeams && col == 3) {
    std::vector<std::string> names;
    const int32_t last = basDirToTextFile::ListFolderEntriesEx(FileTypeFolder[kPageDraftStrategies], names, "stg");
    for (int32_t i = 0; i <= last; ++i) list->AddItem(" " + names[static_cast<std::size_t>(i)]);
  } else if (currentTab_ == kTabDraftOrder && col == 4) {
    for (int32_t k = 1; k <= TeamCount(); ++k) {
      list->AddItem(TeamNameText(k));
      list->SetItemData(list->ListCount() - 1, k);
    }
  }
  basFlexGridCommon::FitListToItems(*list, m);
  // Placed once sized: the room below the cell depends on the list's height.
  basFlexGridCommon::OpenListAboveWhenBelow(*list, m, view_.ListAreaHeight());
}

void clsUILeagueProperties::mFlxPos_ValidateFlexText(int32_t row, int32_t col, const std::string& text,
                                                     const std::string& /*oldText*/) {
  const int32_t key = KeyOfRow(row);
  if (key < 0) return;
  FlexGridModel& m = Grid();
  if (currentTab_ == kTabRosterSize && col >= 4 && col <= 7) {
    int32_t value = 0;
    if (!LimitOf(text, value)) return;
    if (col == 4) positions_.SetRosterMin(key, value);
    if (col == 5) positions_.SetRosterMax(key, value);
    if (col == 6) positions_.SetStartMin(key, value);
    if (col == 7) positions_.SetStartMax(key, value);
    m.SetTextMatrix(row, col, std::to_string(value));
    SetChangesMade(true);
  } else if (currentTab_ == kTabTeams && col == 2) {
    const std::string name = runtime::Trim(text);
    if (name.empty() || key >= TeamCount()) return;
    teamNames_[static_cast<std::size_t>(key)] = name;
    m.SetTextMatrix(row, col, text);
    SetChangesMade(true);
  }
}

void clsUILeagueProperties::mFlxPos_ValidateFlexListSingle(int32_t row, int32_t col, int32_t listIndex) {
  EditFlexListBox* list = mFlxPos.NormListBox();
  if (list == nullptr || listIndex < 0 || listIndex >= list->ListCount()) return;
  ApplyChoice(row, col, list->List(listIndex), list->ItemData(listIndex));
}

void clsUILeagueProperties::mFlxPos_ValidateFlexCombo(int32_t row, int32_t col, int32_t newIndex,
                                                      int32_t /*oldIndex*/) {
  EditFlexComboBox* combo = mFlxPos.ComboBox();
  if (combo == nullptr || newIndex < 0 || newIndex >= combo->ListCount()) return;
  ApplyChoice(row, col, combo->List(newIndex), combo->ItemData(newIndex));
}

void clsUILeagueProperties::ApplyChoice(int32_t row, int32_t col, const std::string& text, int32_t data) {
  const std::string chosen = runtime::Trim(text);
  const int32_t key = KeyOfRow(row);
  if (chosen.empty() || key < 0) return;
  FlexGridModel& m = Grid();
  if (currentTab_ == kTabRosterSize && col == 3) {
    positions_.SetMergeAsID(key, data);
    m.SetTextMatrix(row, col, " " + positions_.PosAbr(data));
    ColourRosterRow(row);
    SetChangesMade(true);
  } else if (currentTab_ == kTabTeams && col == 3) {
    if (key >= TeamCount()) return;
    strategies_[static_cast<std::size_t>(key)] = chosen;
    m.SetTextMatrix(row, col, " " + chosen);
    SetChangesMade(true);
  } else if (currentTab_ == kTabDraftOrder && col == 4) {
    if (key >= static_cast<int32_t>(order_.size())) return;
    order_[static_cast<std::size_t>(key)] = data;
    m.SetTextMatrix(row, col, TeamNameText(data));
    SetChangesMade(true);
  }
}
