#include "project_page/clsCheatPropertiesTab.h"

#include <array>
#include <cmath>
#include <vector>

#include "core/IDBAS_CommonDialog.h"
#include "core/PageCode.h"
#include "core/basColourScheme.h"
#include "core/basDirToTextFile.h"
#include "core/basFlexGridCommon.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "documents/DocumentOptions.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "project_page/CheatSheetPageView.h"

namespace {

constexpr int32_t kValueCol = 1;
constexpr int32_t kWhite = 0xFFFFFF;
// Room left of a colour's text for its swatch.
const std::string kSwatchRoom(9, ' ');

struct RowSpec {
  const char* caption;
  int32_t key;
};

// Row r of the grid is kRowSpecs[r - 1].
constexpr std::array<RowSpec, 12> kRowSpecs = {{
    {" Additional Players", kProjAdditionalPlayers},
    {" HTML Use Color", kProjUseColor},
    {" HTML Heading Back Color", kProjHeadingBackColor},
    {" HTML Row Back Color A", kProjRowBackColorA},
    {" HTML Row Back Color B", kProjRowBackColorB},
    {" HTML Use Grid Lines", kProjUseGridLines},
    {" Export File Type", kProjFileType},
    {" Cheat Sheet Target", kProjCheatSheetTarget},
    {" Cheat Sheet Display Grid", kProjCheatSheetDisplayGrid},
    {" Mock Draft Target", kProjMockDraftTarget},
    {" Mock Draft Display Grid", kProjMockDraftDisplayGrid},
    {" Mock Draft Type", kProjMockDraftType},
}};

const std::array<std::string, 2> kYesNo = {" No", " Yes"};
const std::array<std::string, 3> kFileTypes = {" HTML (Hyper Text File)", " TXT (Text File)",
                                               " CSV (Comma Seperated Variable)"};
const std::array<std::string, 2> kMockTypes = {"Automatic", "User Generated"};

int32_t KeyOf(int32_t row) { return kRowSpecs.at(static_cast<std::size_t>(row - 1)).key; }
const std::string& Entry(int32_t key) { return GlobalProject().Value(key); }
double EntryNumber(int32_t key) { return runtime::Val(Entry(key)); }
int32_t EntryColour(int32_t key) {
  int32_t colour = 0;
  return runtime::TryCLng(EntryNumber(key), colour) ? colour : 0;
}
bool IsColourRow(int32_t row) {
  return row >= clsCheatPropertiesTab::kRowHeadingColor && row <= clsCheatPropertiesTab::kRowRowColorB;
}

}  // namespace

void clsCheatPropertiesTab::Bind(FlexGridModel& grid, CheatSheetPageView& view) {
  grid_ = &grid;
  view_ = &view;
}

void clsCheatPropertiesTab::GridInitialize(EditFlexGridView* grid, EditFlexTextBox* text, EditFlexComboBox* combo,
                                           EditFlexListBox* norm, EditFlexListBox* multi) {
  mFlxProp.SetFlexgrid(grid);
  mFlxProp.SetTextBox(text);
  mFlxProp.SetComboBox(combo);
  mFlxProp.SetNormListBox(norm);
  mFlxProp.SetMultiListBox(multi);
  mFlxProp.SetEnabled(false);
  mFlxProp.EnterCell = [this] { EnterCell(); };
  mFlxProp.AllignmentDone = [this](int32_t col) { AllignmentDone(col); };
  mFlxProp.ValidateFlexListSingle = [this](int32_t row, int32_t col, int32_t index) { ListChosen(row, col, index); };
}

std::string clsCheatPropertiesTab::ValueText(int32_t row) {
  const int32_t key = KeyOf(row);
  switch (row) {
    case kRowUseColor:
    case kRowUseGridLines:
      return kYesNo[EntryNumber(key) != 0 ? 1 : 0];
    case kRowHeadingColor:
    case kRowRowColorA:
    case kRowRowColorB:
      return kSwatchRoom + basFlexGridCommon::ColourToHtml(EntryColour(key));
    case kRowFileType: {
      const double type = EntryNumber(key);
      return type >= 0 && type < static_cast<double>(kFileTypes.size()) ? kFileTypes[static_cast<std::size_t>(type)]
                                                                          : " " + Entry(key);
    }
    case kRowMockDraftType:
      return " " + kMockTypes[EntryNumber(key) != 0 ? 1 : 0];
    default:
      return " " + Entry(key);
  }
}

void clsCheatPropertiesTab::Show() {
  shown_ = true;
  mFlxProp.SetEnabled(false);
  Init();
  Fill();
  previousRow_ = 0;
  mFlxProp.Reset();
  mFlxProp.ListNormEditColumn(kValueCol);
  mFlxProp.ClearInActiveRows();
  for (int32_t row : {0, 1, 3, 4, 5, 8, 10}) mFlxProp.InactiveRow(row);
  mFlxProp.SetEnabled(true);
}

void clsCheatPropertiesTab::Leave() {
  if (!shown_) return;
  shown_ = false;
  mFlxProp.SetEnabled(false);
  mFlxProp.HideText();
  mFlxProp.Reset();
  if (view_ != nullptr) view_->HidePropertyTextBox();
}

void clsCheatPropertiesTab::Init() {
  FlexGridModel& g = *grid_;
  g.Clear();
  basFlexGridCommon::LayOutTable(g, kRows, {{" Document Property", 3000, kAlignLeft}, {" Value", 6000, kAlignLeft}},
                                 330);
  g.SetRowHeight(-1, 330);
  for (int32_t row = 1; row < kRows; ++row) g.SetTextMatrix(row, 0, kRowSpecs[static_cast<std::size_t>(row - 1)].caption);
  basFlexGridCommon::HighlightGridRow(g, 0, PaletteColour[basColourScheme::kHeadingColour]);
}

void clsCheatPropertiesTab::Fill() {
  for (int32_t row = 1; row < kRows; ++row) {
    grid_->SetTextMatrix(row, kValueCol, ValueText(row));
    if (IsColourRow(row)) ShowSwatch(row, kWhite);
  }
  BandRows();
}

void clsCheatPropertiesTab::BandRows() {
  for (int32_t row = 1; row < grid_->Rows(); ++row) {
    const int32_t colour = PaletteColour[row % 2 == 1 ? basColourScheme::kProjectRowColourA
                                                      : basColourScheme::kProjectRowColourB];
    basFlexGridCommon::HighlightGridRow(*grid_, static_cast<int16_t>(row), colour);
  }
}

void clsCheatPropertiesTab::ShowSwatch(int32_t row, int32_t back) {
  grid_->SetCellPictureAt(row, kValueCol, view_->ColourSwatch(EntryColour(KeyOf(row)), back));
  grid_->SetCellPictureAlignmentAt(row, kValueCol, 1);
}

void clsCheatPropertiesTab::EnterCell() {
  if (!shown_ || !mFlxProp.Enabled()) return;
  const int32_t row = grid_->Row();
  if (row < 1) return;
  view_->HidePropertyTextBox();
  mFlxProp.SetEnabled(false);
  grid_->SetRedraw(false);
  if (previousRow_ > 0 && previousRow_ < grid_->Rows()) {
    basFlexGridCommon::HighlightGridRow(*grid_, static_cast<int16_t>(previousRow_), kWhite);
    if (IsColourRow(previousRow_)) ShowSwatch(previousRow_, kWhite);
  }
  previousRow_ = row;
  basFlexGridCommon::HighlightGridRow(*grid_, static_cast<int16_t>(row),
                                      PaletteColour[basColourScheme::kSelectionColour]);
  if (row == kRowAdditionalPlayers && grid_->Col() == kValueCol) {
    // The project's value, also after a refused text: what is stored shows.
    grid_->SetTextMatrix(row, kValueCol, ValueText(row));
    view_->ShowPropertyTextBox(row, ValueText(row));
  }
  mFlxProp.SetEnabled(true);
  grid_->SetRedraw(true);
}

void clsCheatPropertiesTab::AllignmentDone(int32_t col) {
  if (!shown_ || col != kValueCol) return;
  EditFlexListBox* list = mFlxProp.NormListBox();
  if (list == nullptr) return;
  list->Clear();
  const auto add = [list](const std::string& text, int32_t data) {
    list->AddItem(text);
    list->SetItemData(list->ListCount() - 1, data);
  };
  switch (grid_->Row()) {
    case kRowUseColor:
    case kRowUseGridLines:
      for (int32_t i = 0; i < 2; ++i) add(kYesNo[static_cast<std::size_t>(i)], i);
      break;
    case kRowFileType:
      for (int32_t i = 0; i < 3; ++i) add(kFileTypes[static_cast<std::size_t>(i)], i);
      break;
    case kRowCheatSheetGrid:
    case kRowMockDraftGrid: {
      std::vector<std::string> names;
      const int32_t last = basDirToTextFile::ListFolderEntriesEx(FileTypeFolder[kPageDisplayGrids], names, "dis");
      for (int32_t i = 0; i <= last; ++i) add(names[static_cast<std::size_t>(i)], i);
      break;
    }
    case kRowMockDraftType:
      for (int32_t i = 0; i < 2; ++i) add(kMockTypes[static_cast<std::size_t>(i)], i);
      break;
    default:
      return;
  }
  basFlexGridCommon::FitListToItems(*list, *grid_);
}

void clsCheatPropertiesTab::ListChosen(int32_t row, int32_t /*col*/, int32_t listIndex) {
  EditFlexListBox* list = mFlxProp.NormListBox();
  if (!shown_ || list == nullptr || listIndex < 0 || listIndex >= list->ListCount()) return;
  switch (row) {
    case kRowUseColor:
    case kRowUseGridLines:
    case kRowFileType:
    case kRowMockDraftType:
      GlobalProject().SetValue(KeyOf(row), std::to_string(list->ItemData(listIndex)));
      break;
    case kRowCheatSheetGrid:
    case kRowMockDraftGrid:
      GlobalProject().SetValue(KeyOf(row), list->List(listIndex));
      break;
    default:
      return;
  }
  grid_->SetTextMatrix(row, kValueCol, ValueText(row));
}

void clsCheatPropertiesTab::TextBoxChanged(const std::string& text) {
  if (!shown_ || !runtime::IsNumeric(text)) return;
  // Only a whole number the documents can use: anything else (negative,
  // beyond the documents' limit, beyond a 32-bit number) is refused and
  // the stored value stays.
  const double value = runtime::RoundHalfEven(runtime::Val(text));
  if (!(value >= 0 && value <= DocumentOptions::kMaxAdditionalPlayers)) return;
  GlobalProject().SetValue(kProjAdditionalPlayers, std::to_string(static_cast<int32_t>(value)));
  grid_->SetTextMatrix(kRowAdditionalPlayers, kValueCol, ValueText(kRowAdditionalPlayers));
}

void clsCheatPropertiesTab::GridKeyDown(int16_t keyCode, int16_t /*shift*/) {
  if (!shown_ || !mFlxProp.Enabled() || keyCode != 13) return;
  const int32_t row = grid_->Row();
  if (grid_->Col() != kValueCol || row < 1) return;
  mFlxProp.SetEnabled(false);
  if (IsColourRow(row)) {
    ChooseColour(row);
  } else if (row == kRowCheatSheetTarget || row == kRowMockDraftTarget) {
    ChooseTarget(row);
  }
  mFlxProp.SetEnabled(true);
}

void clsCheatPropertiesTab::ChooseColour(int32_t row) {
  const int32_t key = KeyOf(row);
  const int32_t chosen = view_->ChooseColour(EntryColour(key));
  if (chosen < 0) return;  // cancelled: the colour stays
  GlobalProject().SetValue(key, std::to_string(chosen));
  grid_->SetTextMatrix(row, kValueCol, ValueText(row));
  ShowSwatch(row, PaletteColour[basColourScheme::kSelectionColour]);
}

void clsCheatPropertiesTab::ChooseTarget(int32_t row) {
  const int32_t key = KeyOf(row);
  const int32_t fileType = static_cast<int32_t>(EntryNumber(kProjFileType));
  const std::string& target = Entry(key);
  const std::size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  const std::string extension = basMockItUp::ExportFileExtension(fileType);
  IDBAS_CommonDialog::SetDialogFilter(row == kRowCheatSheetTarget ? "Cheat Sheet Target" : "Mock Draft Target",
                                      extension, basMockItUp::ExportFileDescription(fileType), folder, name);
  const IDBAS_CommonDialog::FileDialogResult chosen = IDBAS_CommonDialog::ShowSaveDialog();
  if (chosen.Cancelled || chosen.Files.empty()) return;  // the target stays
  const std::string path =
      IDBAS_CommonDialog::EnsurePrefix(IDBAS_CommonDialog::EnsureExtension(chosen.Files[0], "." + extension), chosen.Path);
  GlobalProject().SetValue(key, path);
  grid_->SetTextMatrix(row, kValueCol, ValueText(row));
}
