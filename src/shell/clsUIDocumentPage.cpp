#include "shell/clsUIDocumentPage.h"

#include <exception>

#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "database/clsKickwellDB.h"
#include "shell/basCheatSheetMenu.h"
#include "shell/basFileDialog.h"
#include "shell/basPageGuard.h"
#include "shell/basUIControl.h"
#include "toolkit/clsEditFlexGrid.h"

bool clsUIDocumentPage::QueryUnload() {
  bool leave = false;
  // A failure (a write that fails while "Don't Save" undoes) keeps the page.
  Guarded([&] {
    CommitEdit();
    leave = CloseQuestion();
  });
  return leave;
}

void clsUIDocumentPage::FileCommand(int32_t index) {
  Guarded([&] {
    CommitEdit();
    switch (index) {
      case basCheatSheetMenu::kNewDocument:
        New();
        break;
      case basCheatSheetMenu::kOpenDocument:
        Open();
        break;
      case basCheatSheetMenu::kSaveDocument:
        Save();
        break;
      case basCheatSheetMenu::kSaveDocumentAs:
        SaveAs();
        break;
      default:
        break;
    }
  });
}

bool clsUIDocumentPage::Guarded(const std::function<void()>& handler) const {
  return basPageGuard::Run(FileTypeDescription.at(static_cast<std::size_t>(type_.fileType)), handler);
}

void clsUIDocumentPage::CommitEdit() {
  if (gridEditor_ != nullptr) gridEditor_->ValidateLastCell();
}

bool clsUIDocumentPage::CloseQuestion() {
  if (!ChangesMade()) return true;
  const std::string answer = AskToSave();
  // A Save that did not write (cancelled Save As, failed write) keeps the page.
  if (answer == seams::kAnswerSave) return Save();
  if (answer != seams::kAnswerNoSave) return false;
  DropChanges();
  return true;
}

std::string clsUIDocumentPage::AskToSave() {
  basMessage::AskSaveChanges(type_.fileType, fileName_);
  return MessageAnswer;
}

void clsUIDocumentPage::New() {
  if (!CloseQuestion()) return;
  // Still changed after the question: "Don't Save", on a page that left its
  // edits in place. They go, whether or not a new document comes.
  const bool holdsDropped = ChangesMade();
  if (!NewWithoutAsking() && holdsDropped) RevertDropped();
}

bool clsUIDocumentPage::NewWithoutAsking() {
  if (basFileDialog::ShowFileDialog("", type_.fileType, basFileDialog::kNew, true, false, false))
    return false;
  const std::string name = FileDialogChosenName;
  if (!NewDocument(name)) return false;
  if (!type_.newIsWritten) {
    Named(name, false);
    return true;
  }
  // Not written, the new document is only on the page: leaving asks.
  const bool written = WriteDocument(name);
  SetChangesMade(!written);
  Named(name, written);
  return true;
}

void clsUIDocumentPage::Open() {
  if (!CloseQuestion()) return;
  // As for New.
  const bool holdsDropped = ChangesMade();
  if (!OpenChosen() && holdsDropped) RevertDropped();
}

bool clsUIDocumentPage::OpenChosen() {
  if (basFileDialog::ShowFileDialog("", type_.fileType, basFileDialog::kOpen, true, false, false))
    return false;
  const std::string name = FileDialogChosenName;
  if (!ReadDocument(name)) return false;
  SetChangesMade(false);
  Named(name, type_.keyFollowsOpen);
  return true;
}

void clsUIDocumentPage::RevertDropped() {
  if (!fileName_.empty() && ReadDocument(fileName_)) {
    SetChangesMade(false);
    return;
  }
  // Unnamed, or its file no longer reads: an empty document, which no Save
  // writes over a file without asking for a name.
  if (!NewDocument("")) return;
  SetChangesMade(false);
  SetFileName("");
}

bool clsUIDocumentPage::Save() {
  // The type's default document is kept as shipped.
  if (fileName_.empty() || fileName_ == FileTypeDefaultName.at(static_cast<std::size_t>(type_.fileType))) {
    return SaveAs();
  }
  if (!WriteDocument(fileName_)) return false;
  SetChangesMade(false);
  Named(fileName_, true);
  return true;
}

bool clsUIDocumentPage::SaveAs() {
  if (basFileDialog::ShowFileDialog(fileName_, type_.fileType, basFileDialog::kSave, true, false, false)) {
    return false;
  }
  const std::string name = FileDialogChosenName;
  if (!WriteDocument(name)) return false;
  SetChangesMade(false);
  Named(name, true);
  return true;
}

bool clsUIDocumentPage::OpenAtStart(const std::string& name) {
  const bool read = !name.empty() && ReadDocument(name);
  if (read) SetChangesMade(false);
  SetFileName(read ? name : "");
  return read;
}

std::string clsUIDocumentPage::ProjectDocument() const {
  return ProjectOpenMode == 1 && type_.projectKey >= 0 ? GlobalProject().Value(type_.projectKey) : "";
}

bool clsUIDocumentPage::WithDefaultDatabase(clsKickwellDB& db, const std::function<void()>& fill) {
  const std::string path = DefaultsFolder + DefaultProjectedStatsName;
  if (!db.InitializeKickwellDB(path)) {
    // A missing file has been reported by the open itself.
    if (!db.LastError().empty()) basAssociatedFiles::ShowOpenFileError(db.LastError(), path);
    return false;
  }
  try {
    fill();
  } catch (const std::exception& e) {
    basAssociatedFiles::ShowOpenFileError(e.what(), path);
    return false;
  }
  return true;
}

void clsUIDocumentPage::SetFileName(const std::string& name) {
  fileName_ = name;
  basUIControl::ShowMainBarProperty(type_.nameLead + name);
}

void clsUIDocumentPage::ReportUnreadable(const std::string& name, const std::string& reason) const {
  basMessage::ShowMessage(FileTypeDescription.at(static_cast<std::size_t>(type_.fileType)),
                          " " + name + ": " + reason, seams::kOk, true);
}

void clsUIDocumentPage::Named(const std::string& name, bool inProject) {
  SetFileName(name);
  if (inProject && type_.projectKey >= 0) GlobalProject().SetValue(type_.projectKey, name);
  basCheatSheetMenu::SetFileMenuCaptions(type_.fileType);
}
