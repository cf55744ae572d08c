#include "editors/display_grid/clsUIDisplayEditor.h"

#include <algorithm>

#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "core/basFlexGridCommon.h"
#include "core/basMockItUp.h"
#include "database/clsDisplayFormatIsolate.h"
#include "editors/display_grid/DisplayEditorView.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace {

constexpr int32_t kSelectedRow = basColourScheme::Rgb(243, 249, 200);
constexpr int32_t kSubCategoryRow = basColourScheme::Rgb(236, 241, 233);
constexpr int32_t kHeading = basColourScheme::Rgb(194, 208, 186);
constexpr int32_t kTwipsPerPixel = 15;
const std::string kSixBlanks = "      ";

// The sample player of the preview row.
constexpr int32_t kSamplePlayer = 1128;
constexpr uint8_t kSampleWeek = 250;
constexpr int16_t kSampleSeason = 2009;

struct AlignChoice {
  const char* text;
  int32_t value;
};
constexpr AlignChoice kAlignChoices[] = {{"Left", 1}, {"Center", 4}, {"Right", 7}};

std::string AlignText(int32_t align) {
  for (const AlignChoice& a : kAlignChoices) {
    if (a.value == align) return kSixBlanks + a.text;
  }
  return "";
}

}  // namespace

clsUIDisplayEditor::clsUIDisplayEditor(DisplayEditorView& view)
    : clsUIDocumentPage({kPageDisplayGrids, -1, true, false, ""}), view_(view) {}

FlexGridModel& clsUIDisplayEditor::List() { return columnList_->Model(); }

void clsUIDisplayEditor::GridInitialize(EditFlexGridView* columnList, EditFlexTextBox* text, EditFlexListBox* list,
                                        FlexGridModel* categories, FlexGridModel* preview,
                                        std::shared_ptr<const FlexGridPicture> unchecked,
                                        std::shared_ptr<const FlexGridPicture> checked,
                                        std::shared_ptr<const FlexGridPicture> dropArrow,
                                        std::shared_ptr<const FlexGridPicture> dropArrowHover) {
  columnList_ = columnList;
  list_ = list;
  categories_ = categories;
  preview_ = preview;
  // Widths are dragged in the preview's headings and taken from there.
  if (preview_ != nullptr) preview_->SetAllowUserResizing(FlexGridModel::kResizeColumns);
  unchecked_ = std::move(unchecked);
  checked_ = std::move(checked);
  mFlxPlayer.SetNorm(std::move(dropArrow));
  mFlxPlayer.SetHover(std::move(dropArrowHover));
  mFlxPlayer.SetFlexgrid(columnList);
  SetGridEditor(&mFlxPlayer);
  mFlxPlayer.SetTextBox(text);
  mFlxPlayer.SetNormListBox(list);
  mFlxPlayer.EnterCell = [this] { mFlxPlayer_EnterCell(); };
  mFlxPlayer.AllignmentDone = [this](int32_t col) { mFlxPlayer_AllignmentDone(col); };
  mFlxPlayer.ValidateFlexListSingle = [this](int32_t r, int32_t c, int32_t i) {
    mFlxPlayer_ValidateFlexListSingle(r, c, i);
  };
  mFlxPlayer.ValidateFlexText = [this](int32_t r, int32_t c, const std::string& n, const std::string& o) {
    mFlxPlayer_ValidateFlexText(r, c, n, o);
  };
}

// ---- The page

bool clsUIDisplayEditor::ActivateForm() {
  SetFileName("");
  return WithDefaultDatabase(db_, [this] {
    FillCategoryList();
    LayOutColumnList();
    ShowGrid();
  });
}

void clsUIDisplayEditor::ShowGrid() {
  selectedRow_ = -1;
  LoadColumnList();
  BuildPreview();
  UpdateMoveButtons();
}

bool clsUIDisplayEditor::NewDocument(const std::string& name) {
  grid_.SetColumnMax(-1);
  grid_.SetFilePath(FileTypeFolder[kPageDisplayGrids] + name);
  SetChangesMade(false);
  LayOutColumnList();
  ShowGrid();
  return true;
}

bool clsUIDisplayEditor::ReadDocument(const std::string& name) {
  if (!grid_.OpenFile(FileTypeFolder[kPageDisplayGrids] + name)) {
    ReportUnreadable(name, "The file is not a display grid or is damaged.");
    return false;
  }
  ShowGrid();
  List().SetRow(0);
  List().SetCol(0);
  view_.HoldOffCategoryList();
  return true;
}

bool clsUIDisplayEditor::WriteDocument(const std::string& name) {
  grid_.SetFilePath(FileTypeFolder[kPageDisplayGrids] + name);
  // A failed write is reported by SaveFile.
  return grid_.SaveFile();
}

// ---- The category list

void clsUIDisplayEditor::FillCategoryList() {
  FlexGridModel& m = *categories_;
  m.SetRedraw(false);
  basFlexGridCommon::ResetGrid(m, 3, 1, 1, 0);
  m.SetColWidth(0, 0);
  m.SetColWidth(1, 250);
  m.SetColWidth(2, 3200);
  // Left-aligned: a general cell would right-align the numeric mark text.
  m.SetColAlignment(1, FlexGridModel::kAlignLeftCenter);
  m.SetMergeCells(2);
  m.SetTextMatrix(0, 1, " Display Category");
  m.SetTextMatrix(0, 2, " Display Category");
  m.SetMergeRow(0, true);
  basFlexGridCommon::HighlightGridRow(m, 0, kHeading);
  for (int32_t sub = 0; sub <= db_.StatSubCatMax(); ++sub) {
    const int32_t heading = m.Rows();
    m.SetRows(heading + 1);
    const std::string name = " " + (sub == 0 ? std::string("Miscellaneous") : db_.StatSubCatName(sub));
    m.SetTextMatrix(heading, 1, name);
    m.SetTextMatrix(heading, 2, name);
    m.SetMergeRow(heading, true);
    for (int32_t c = 1; c <= 2; ++c) {
      m.SetCellFontBoldAt(heading, c, true);
      m.SetCellAlignmentAt(heading, c, FlexGridModel::kAlignLeftCenter);
    }
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(heading), kSubCategoryRow);
    auto rs = db_.pSbKickwellSQL("SELECT * FROM tblStatCategories WHERE SubCatID = ? ORDER BY Name ASC, id ASC;",
                                 {jet::Value(sub)});
    for (; !rs->Eof(); rs->MoveNext()) {
      if (rs->Field("DisplayType").AsLong() != 1) continue;
      const int32_t row = m.Rows();
      m.SetRows(row + 1);
      m.SetTextMatrix(row, 0, std::to_string(rs->Field("id").AsLong()));
      m.SetTextMatrix(row, 2, " " + rs->Field("Name").AsText());
      basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), basColourScheme::kWhite);
      SetCategoryMark(row, false);
    }
  }
  MarkUsedCategories();
  m.SetRedraw(true);
}

void clsUIDisplayEditor::SetCategoryMark(int32_t row, bool checked) {
  FlexGridModel& m = *categories_;
  // The mark is kept as the cell's text, pushed past the narrow column's
  // edge by blanks so that only the check-box picture shows.
  m.SetTextMatrix(row, 1, kSixBlanks + kSixBlanks + (checked ? "1" : "0"));
  m.SetCellPictureAt(row, 1, checked ? checked_ : unchecked_);
  m.SetCellPictureAlignmentAt(row, 1, FlexGridModel::kAlignCenterCenter);
}

void clsUIDisplayEditor::MarkUsedCategories() {
  FlexGridModel& m = *categories_;
  for (int32_t r = 1; r < m.Rows(); ++r) {
    if (!runtime::Trim(m.TextMatrix(r, 0)).empty()) SetCategoryMark(r, false);
  }
  for (int32_t i = 0; i <= grid_.ColumnMax(); ++i) {
    const std::string id = std::to_string(grid_.TableFieldID(i));
    for (int32_t r = 1; r < m.Rows(); ++r) {
      if (m.TextMatrix(r, 0) == id) SetCategoryMark(r, true);
    }
  }
}

void clsUIDisplayEditor::flxStatCats_Click(int32_t row, int32_t col) {
  FlexGridModel& m = *categories_;
  if (col != 1 || row < 1 || row >= m.Rows()) return;
  const std::string idText = m.TextMatrix(row, 0);
  if (runtime::Trim(idText).empty()) return;
  const int32_t catID = std::stoi(idText);
  FlexGridModel& list = List();
  mFlxPlayer.SetEnabled(false);
  list.SetRedraw(false);
  if (runtime::Trim(m.TextMatrix(row, 1)) == "0") {
    SetCategoryMark(row, true);
    const int32_t n = grid_.ColumnMax() + 1;
    grid_.SetColumnMax(n);
    grid_.SetTableFieldID(n, catID);
    grid_.SetOrderNumber(n, static_cast<uint8_t>(std::min(n + 1, 255)));
    grid_.SetColumnWidth(n, 32);
    grid_.SetTitle1(n, db_.StatCategoryDefaultTitle(catID));
    grid_.SetTitle2(n, db_.StatCategoryUnit(catID));
    grid_.SetDecimals(n, db_.StatCatDefaultFormat(catID));
    grid_.SetAlign(n, 7);
    list.SetRows(n + 2);
    // The first column makes the heading a fixed row, as a grid read does.
    list.SetFixedRows(1);
    ShowColumnRow(n + 1, n);
    SelectRow(n + 1);
    // The keys go on from the new column (editing is off: nothing opens).
    list.SetRow(n + 1);
  } else {
    SetCategoryMark(row, false);
    const int32_t removed = grid_.pFnRemoveColumnWithTableFieldID(catID);
    if (removed > 0) {
      selectedRow_ = -1;
      LoadColumnList();
    }
  }
  SetChangesMade(true);
  FinishColumnList();
  UpdateMoveButtons();
  BuildPreview();
  list.SetRedraw(true);
  mFlxPlayer.SetEnabled(grid_.ColumnMax() >= 0);
  ScrollSelectedIntoView();
}

// ---- The column list

void clsUIDisplayEditor::LayOutColumnList() {
  FlexGridModel& m = List();
  m.SetRedraw(false);
  basFlexGridCommon::ResetGrid(m, kListColumns, 1, 0, 0);
  static constexpr int32_t kWidths[kListColumns] = {0, 0, 0, 2400, 600, 1800, 1800, 1300, 900};
  static const char* const kHeadings[kListColumns] = {"", "", "", " Display Category", "Width",
                                                      "Column Heading 1", "Column Heading 2", "Format", "Align"};
  for (int32_t c = 0; c < kListColumns; ++c) {
    m.SetColWidth(c, kWidths[c]);
    m.SetTextMatrix(0, c, kHeadings[c]);
    m.SetCellAlignmentAt(0, c, c == kColName ? FlexGridModel::kAlignLeftCenter : FlexGridModel::kAlignCenterCenter);
  }
  m.SetColAlignment(kColOrder, FlexGridModel::kAlignCenterCenter);
  m.SetColAlignment(kColName, FlexGridModel::kAlignLeftCenter);
  m.SetColAlignment(kColWidth, FlexGridModel::kAlignRightCenter);
  m.SetColAlignment(kColTitle1, FlexGridModel::kAlignLeftCenter);
  m.SetColAlignment(kColTitle2, FlexGridModel::kAlignLeftCenter);
  m.SetColAlignment(kColFormat, FlexGridModel::kAlignLeftCenter);
  m.SetColAlignment(kColAlign, FlexGridModel::kAlignLeftCenter);
  basFlexGridCommon::HighlightGridRow(m, 0, kHeading);
  mFlxPlayer.Reset();
  mFlxPlayer.TextEditColumn(kColWidth);
  mFlxPlayer.TextEditAlign(kColWidth, 1);
  mFlxPlayer.TextEditColumn(kColTitle1);
  mFlxPlayer.TextEditColumn(kColTitle2);
  mFlxPlayer.ListNormEditColumn(kColFormat);
  mFlxPlayer.ListNormEditColumn(kColAlign);
  m.SetRedraw(true);
}

void clsUIDisplayEditor::LoadColumnList() {
  FlexGridModel& m = List();
  m.SetRedraw(false);
  mFlxPlayer.SetEnabled(false);
  m.SetRows(grid_.ColumnMax() + 2);
  if (m.Rows() > 1) m.SetFixedRows(1);
  for (int32_t i = 0; i <= grid_.ColumnMax(); ++i) ShowColumnRow(i + 1, i);
  if (selectedRow_ >= m.Rows()) selectedRow_ = -1;
  MarkUsedCategories();
  FinishColumnList();
  m.SetRedraw(true);
  mFlxPlayer.SetEnabled(grid_.ColumnMax() >= 0);
}

void clsUIDisplayEditor::FinishColumnList() {
  mFlxPlayer.ClearInActiveRows();
  mFlxPlayer.InactiveRow(0);
  mFlxPlayer.DrawDropArrows();
}

void clsUIDisplayEditor::ShowColumnRow(int32_t row, int32_t index) {
  FlexGridModel& m = List();
  m.SetTextMatrix(row, kColCategory, std::to_string(grid_.TableFieldID(index)));
  m.SetTextMatrix(row, kColIndex, std::to_string(index));
  m.SetTextMatrix(row, kColOrder, std::to_string(row));
  m.SetTextMatrix(row, kColName, " " + db_.StatCategoryName(grid_.TableFieldID(index)));
  m.SetTextMatrix(row, kColWidth, std::to_string(grid_.ColumnWidth(index)));
  m.SetTextMatrix(row, kColTitle1, grid_.Title1(index));
  m.SetTextMatrix(row, kColTitle2, grid_.Title2(index));
  m.SetTextMatrix(row, kColFormat, kSixBlanks + db_.DSF().DisplayNameWID(grid_.Decimals(index)));
  m.SetTextMatrix(row, kColAlign, AlignText(grid_.Align(index)));
  basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), row == selectedRow_ ? kSelectedRow : basColourScheme::kWhite);
}

void clsUIDisplayEditor::SelectRow(int32_t row) {
  FlexGridModel& m = List();
  if (selectedRow_ > 0 && selectedRow_ < m.Rows() && selectedRow_ != row) {
    basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(selectedRow_), selectedColour_);
  }
  selectedColour_ = row == selectedRow_ ? selectedColour_ : m.CellBackColorAt(row, kColName);
  if (selectedColour_ == kSelectedRow) selectedColour_ = basColourScheme::kWhite;
  selectedRow_ = row;
  basFlexGridCommon::HighlightGridRow(m, static_cast<int16_t>(row), kSelectedRow);
}

void clsUIDisplayEditor::mFlxPlayer_EnterCell() {
  if (!mFlxPlayer.Enabled()) return;
  FlexGridModel& m = List();
  const int32_t row = m.Row();
  if (row < 1 || row == selectedRow_) return;
  const int32_t top = m.TopRow();
  SelectRow(row);
  UpdateMoveButtons();
  m.SetTopRow(top);
}

void clsUIDisplayEditor::UpdateMoveButtons() {
  const int32_t max = grid_.ColumnMax();
  if (max < 1 || selectedRow_ < 1) {
    view_.SetMoveButtons(false, false);
    return;
  }
  view_.SetMoveButtons(selectedRow_ > 1, selectedRow_ < max + 1);
}

void clsUIDisplayEditor::ScrollSelectedIntoView() {
  if (selectedRow_ < 0) return;
  FlexGridModel& m = List();
  const int32_t visible = view_.ColumnListVisibleRows();
  if (m.TopRow() > selectedRow_) {
    m.SetTopRow(std::max(selectedRow_, 1));
  } else if (m.TopRow() + visible - 4 < selectedRow_) {
    m.SetTopRow(std::max(selectedRow_ - visible + 3, 1));
  }
}

void clsUIDisplayEditor::mFlxPlayer_AllignmentDone(int32_t col) {
  if (list_ == nullptr) return;
  list_->Clear();
  FlexGridModel& m = List();
  const int32_t row = m.Row();
  if (col == kColFormat) {
    if (row < 1 || runtime::Trim(m.TextMatrix(row, kColCategory)).empty()) return;
    const uint8_t type = db_.StatCategoryFormatType(std::stoi(m.TextMatrix(row, kColCategory)));
    const clsDisplayFormatIsolate& formats = db_.DSF();
    for (int32_t i = 0; i < formats.Count(); ++i) {
      if (formats.DisplayType(i) != type) continue;
      list_->AddItem(formats.DisplayName(i));
      list_->SetItemData(list_->ListCount() - 1, formats.DisplayID(i));
    }
  } else if (col == kColAlign) {
    for (const AlignChoice& a : kAlignChoices) {
      list_->AddItem(a.text);
      list_->SetItemData(list_->ListCount() - 1, a.value);
    }
  }
  basFlexGridCommon::FitListToItems(*list_, m);
}

void clsUIDisplayEditor::mFlxPlayer_ValidateFlexListSingle(int32_t row, int32_t col, int32_t listIndex) {
  FlexGridModel& m = List();
  if (row < 1 || row >= m.Rows() || list_ == nullptr) return;
  const std::string indexText = runtime::Trim(m.TextMatrix(row, kColIndex));
  if (indexText.empty() || listIndex < 0 || listIndex >= list_->ListCount()) return;
  const int32_t index = std::stoi(indexText);
  if (index < 0 || index > grid_.ColumnMax()) return;
  const int32_t data = list_->ItemData(listIndex);
  if (data < 0 || data > 255) return;
  if (col == kColFormat) {
    grid_.SetDecimals(index, static_cast<uint8_t>(data));
  } else if (col == kColAlign) {
    grid_.SetAlign(index, static_cast<uint8_t>(data));
  } else {
    return;
  }
  SetChangesMade(true);
  ShowColumnRow(row, index);
  BuildPreview();
}

void clsUIDisplayEditor::mFlxPlayer_ValidateFlexText(int32_t row, int32_t col, const std::string& text,
                                                     const std::string& /*oldText*/) {
  FlexGridModel& m = List();
  if (row < 1 || row >= m.Rows()) return;
  const std::string indexText = runtime::Trim(m.TextMatrix(row, kColIndex));
  if (indexText.empty()) return;
  const int32_t index = std::stoi(indexText);
  if (index < 0 || index > grid_.ColumnMax()) return;
  if (col == kColWidth) {
    if (runtime::IsNumeric(text) && text.size() < 5) {
      const double value = runtime::RoundHalfEven(runtime::Val(text));
      if (value >= kMinWidth && value <= kMaxWidth) {
        grid_.SetColumnWidth(index, static_cast<int16_t>(value));
        SetChangesMade(true);
      }
    }
  } else if (col == kColTitle1) {
    grid_.SetTitle1(index, text);
    SetChangesMade(true);
  } else if (col == kColTitle2) {
    grid_.SetTitle2(index, text);
    SetChangesMade(true);
  }
  ShowColumnRow(row, index);
  BuildPreview();
}

void clsUIDisplayEditor::mUpDown_Click(int32_t index) {
  mFlxPlayer.ValidateLastCell();
  const int32_t s = selectedRow_;
  const int32_t target = index == 0 ? s - 1 : s + 1;
  if (s < 1 || target < 1 || target > grid_.ColumnMax() + 1) return;
  grid_.pSbReOrderColumns(s, target);
  SetChangesMade(true);
  FlexGridModel& m = List();
  mFlxPlayer.SetEnabled(false);
  m.SetRedraw(false);
  selectedRow_ = -1;
  LoadColumnList();
  m.SetRedraw(false);
  mFlxPlayer.SetEnabled(false);
  SelectRow(target);
  // The focus frame goes with the moved column (editing is off, so the
  // editor opens nothing on the way).
  m.SetRow(target);
  FinishColumnList();
  mFlxPlayer.SetEnabled(true);
  m.SetRedraw(true);
  UpdateMoveButtons();
  ScrollSelectedIntoView();
  BuildPreview();
}

// ---- The preview

void clsUIDisplayEditor::BuildPreview() {
  if (preview_ == nullptr || !db_.IsOpen()) return;
  db_.pSbSetStatDisplayOrder(grid_);
  FlexGridModel& p = *preview_;
  p.SetRedraw(false);
  p.Clear();
  p.SetRows(3);
  p.SetFixedCols(0);
  if (grid_.ColumnMax() < 1) {
    p.SetCols(0);
    p.SetRedraw(true);
    return;
  }
  p.SetCols(grid_.ColumnMax() + 1);
  p.SetFixedRows(2);
  for (int32_t i = 0; i <= grid_.ColumnMax(); ++i) {
    p.SetColWidth(i, grid_.ColumnWidth(i) * kTwipsPerPixel);
    p.SetColAlignment(i, FlexGridModel::kAlignCenterCenter);
    p.SetTextMatrix(0, i, grid_.Title1(i));
    p.SetTextMatrix(1, i, grid_.Title2(i));
  }
  p.SetMergeCells(2);
  p.SetMergeRow(0, true);
  if (p.Cols() >= 3) {
    const std::string sample = db_.pFnGetPlayerDisplayRow(kSamplePlayer, kSampleWeek, kSampleSeason);
    p.SetRow(2);
    p.SetCol(0);
    p.SetRowSel(2);
    p.SetColSel(p.Cols() - 1);
    p.SetClip(sample);
  }
  for (int32_t i = 0; i <= grid_.ColumnMax(); ++i) p.SetCellAlignmentAt(2, i, grid_.Align(i));
  p.SetRedraw(true);
}

void clsUIDisplayEditor::TakePreviewWidths(const std::vector<int32_t>& pixels) {
  if (grid_.ColumnMax() < 1) return;
  const auto count = std::min<std::size_t>(pixels.size(), static_cast<std::size_t>(grid_.ColumnMax() + 1));
  for (std::size_t k = 0; k < count; ++k) {
    const auto i = static_cast<int32_t>(k);
    const int32_t width = std::clamp(pixels[k], kMinWidth, kMaxWidth);
    // A width dragged out of range shows as the width kept.
    if (width != pixels[k] && preview_ != nullptr) preview_->SetColWidth(i, width * kTwipsPerPixel);
    if (width == grid_.ColumnWidth(i)) continue;
    grid_.SetColumnWidth(i, static_cast<int16_t>(width));
    SetChangesMade(true);
    if (i + 1 < List().Rows()) List().SetTextMatrix(i + 1, kColWidth, std::to_string(width));
  }
}
