#include "shell/clsUIExportSheet.h"

#include "core/IDBAS_CommonDialog.h"
#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basDirExists_001.h"
#include "core/basDirToTextFile.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/basOSPAths.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "platform/win32/SpecialFolders.h"
#include "shell/basFileDialog.h"
#include "core/basMessage.h"

namespace {

constexpr int32_t kColourEntries[3] = {kProjHeadingBackColor, kProjRowBackColorA, kProjRowBackColorB};

std::string Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

void clsUIExportSheet::ActivateForm(int32_t mode, int32_t targetIndex, bool colourRows) {
  clsCheatIsolate& project = GlobalProject();
  // Checked values: the project file is text a person may edit.
  const DocumentOptions options = ReadDocumentOptions(project);
  mode_ = mode;
  targetIndex_ = targetIndex;
  saved_ = false;
  colourRows_ = true;
  if (mode == kModeMockDraft) {
    title_ = "Create Mock Draft Document";
    gridIndex_ = kProjMockDraftDisplayGrid;
    mockView_ = MockDisplayView == 1 ? 1 : 0;
    include_ = {true, true};
    mockType_ = options.mockType;
  } else if (mode == kModeGridExport) {
    title_ = "Export Grid To File";
    gridIndex_ = kProjCheatSheetDisplayGrid;
    colourRows_ = colourRows;
  } else {
    title_ = "Create Cheat Sheet Document";
    gridIndex_ = kProjCheatSheetDisplayGrid;
  }

  target_ = project.Value(targetIndex);
  FileTypeClicked(options.fileType);

  displayGrids_.clear();
  if (basDirToTextFile::ListFolderEntriesEx(FileTypeFolder[kPageDisplayGrids], displayGrids_, ".dis") < 0) {
    displayGrids_.clear();
  }
  displayGridName_ = project.Value(gridIndex_);

  swatch_ = {options.headingBackColor, options.rowBackColorA, options.rowBackColorB};
  for (int32_t i = 0; i < 3; ++i) view_.ShowSwatch(i, swatch_[static_cast<std::size_t>(i)]);

  // A stored target whose folder has gone moves to the documents folder.
  std::string name;
  if (!basDirExists_001::CheckFolderOfPath(target_, name, false)) {
    if (target_.find('/') == std::string::npos) name = target_;
    SetTarget(basOSPAths::SpecialFolderPath(win32::kFolderDocuments) + name);
    project.SetValue(targetIndex_, target_);
  }

  UseColorClicked(options.useColor);
  UseGridLinesClicked(options.useGridLines);
}

std::string clsUIExportSheet::BrowseTitle() const {
  if (mode_ == kModeMockDraft) return "Mock Draft Target";
  if (mode_ == kModeGridExport) return "Export File Target";
  return "Cheat Sheet Target";
}

void clsUIExportSheet::SetTarget(const std::string& target) {
  target_ = target;
  view_.ShowTarget(target_);
}

void clsUIExportSheet::FileTypeClicked(int32_t type) {
  if (type < kExportHtml || type > kExportCsv) return;
  clsCheatIsolate& project = GlobalProject();
  fileType_ = type;
  project.SetValue(kProjFileType, std::to_string(type));
  htmlEnabled_ = type == kExportHtml;
  view_.EnableHtmlOptions(htmlEnabled_);
  SetTarget(IDBAS_CommonDialog::CheckAssociatedExtension(target_, type));
  project.SetValue(targetIndex_, target_);
}

void clsUIExportSheet::UseColorClicked(bool ticked) {
  useColor_ = ticked;
  GlobalProject().SetValue(kProjUseColor, Flag(ticked));
}

void clsUIExportSheet::UseGridLinesClicked(bool ticked) {
  useGridLines_ = ticked;
  GlobalProject().SetValue(kProjUseGridLines, Flag(ticked));
}

void clsUIExportSheet::DisplayGridChosen(int32_t item) {
  if (item < 0 || item >= static_cast<int32_t>(displayGrids_.size())) return;
  displayGridName_ = displayGrids_[static_cast<std::size_t>(item)];
  GlobalProject().SetValue(gridIndex_, displayGridName_);
}

void clsUIExportSheet::SwatchClicked(int32_t index) {
  if (index < 0 || index > 2) return;
  int32_t& colour = swatch_[static_cast<std::size_t>(index)];
  const int32_t picked = view_.PickColour(colour);
  if (picked >= 0 && picked <= 0xFFFFFF) colour = picked;
  // A cancelled choice stores the old colour again.
  GlobalProject().SetValue(kColourEntries[index], std::to_string(colour));
  view_.ShowSwatch(index, colour);
}

std::string clsUIExportSheet::BrowseTarget() const {
  const std::string extension = basMockItUp::ExportFileExtension(fileType_);
  IDBAS_CommonDialog::SetDialogFilter(BrowseTitle(), extension, basMockItUp::ExportFileDescription(fileType_),
                                      basMockDraftSettings::GlobalSettings().StringVal(kSetExportFolder), "");
  const IDBAS_CommonDialog::FileDialogResult chosen = IDBAS_CommonDialog::ShowSaveDialog();
  if (chosen.Cancelled || chosen.Files.empty()) return "";
  return chosen.Path + IDBAS_CommonDialog::EnsureExtension(chosen.Files.front(), "." + extension);
}

void clsUIExportSheet::BrowseClicked() {
  const std::string chosen = BrowseTarget();
  if (chosen.empty()) return;
  SetTarget(chosen);
  GlobalProject().SetValue(targetIndex_, target_);
}

void clsUIExportSheet::TargetEdited(const std::string& text) { target_ = text; }

void clsUIExportSheet::MockTypeChosen(int32_t type) { mockType_ = type == 0 ? 0 : 1; }

void clsUIExportSheet::MockViewChosen(int32_t view) { mockView_ = view == 1 ? 1 : 0; }

void clsUIExportSheet::IncludeChanged(int32_t box, bool ticked) {
  if (box == 0 || box == 1) include_[static_cast<std::size_t>(box)] = ticked;
}

bool clsUIExportSheet::SaveClicked() {
  // A target without any folder names none that could exist.
  std::string name = target_;
  if (target_.find('/') != std::string::npos) {
    if (!basDirExists_001::CheckFolderOfPath(target_, name, true)) return false;
  } else if (basFileDialog::TypedNameProblem(name, basFileDialog::kSave).empty()) {
    basDirExists_001::DirExists("", true);
    return false;
  }
  // Without a name the writer would have nothing to create.
  const std::string problem = basFileDialog::TypedNameProblem(name, basFileDialog::kSave);
  if (!problem.empty()) {
    basMessage::ShowMessage(basFileDialog::kNameErrorCaption, problem, seams::kOk, true);
    return false;
  }

  clsCheatIsolate& project = GlobalProject();
  if (mode_ == kModeMockDraft) {
    project.SetValue(kProjMockDraftType, Flag(mockType_ != 0));
    MockDisplayView = mockView_;
    IncludeRosterListings = include_[0] ? 1 : 0;
    IncludeRosterPointSummary = include_[1] ? 1 : 0;
  }
  project.SetValue(targetIndex_, target_);
  saved_ = true;
  MessageAnswer = seams::kAnswerSave;
  view_.CloseDialog();
  return true;
}

void clsUIExportSheet::CancelClicked() { view_.CloseDialog(); }

void clsUIExportSheet::FormUnload() {
  // A notice answered inside the dialog also leaves an answer behind.
  if (!saved_) MessageAnswer.clear();
}
