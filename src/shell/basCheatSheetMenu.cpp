#include "shell/basCheatSheetMenu.h"

#include "core/PageCode.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "platform/runtime/Text.h"
#include "shell/MainWindowView.h"
#include "shell/PageWindow.h"
#include "shell/basFileDialog.h"
#include "shell/basUIControl.h"

namespace basCheatSheetMenu {

namespace {

constexpr const char* kProjectFileCaption = "Kickwell Draftyard Project File";

MainWindowView* View() { return basUIControl::MainWindow(); }

bool EditorPage(int32_t pageCode) {
  return pageCode != kPageNone && pageCode != kPageProject && pageCode != kPageStart;
}

bool HasDefaultName(const clsCheatIsolate& project) {
  return project.FileName() == FileTypeDefaultName[kPageProject];
}

// A failed write of the project file is told, never passed over.
bool SaveOrTell(clsCheatIsolate& project) {
  if (project.SaveFile()) return true;
  basMessage::ShowMessage(kProjectFileCaption, project.LastError(), seams::kOk, true);
  return false;
}

// The project's save question, one text on every path that asks it: Save,
// Don't Save or Cancel for the project by its file name ("Kickwell Draftyard
// Project" while it has none); the answer.
std::string AskProjectSaveQuestion(const clsCheatIsolate& project) {
  const std::string shown = HasDefaultName(project) ? std::string("Kickwell Draftyard Project") : project.FileName();
  return basMessage::ShowMessage(kProjectFileCaption,
                                 " Would you like to save changes to " + std::string(runtime::kCrLf) + "  " + shown + "?",
                                 seams::kSaveDontSaveCancel, true);
}

// After a project command: the caption and the File menu follow the
// project, and the main bar the page (New Project closes the page first and
// may end without opening another).
void ShowProjectState() {
  basUIControl::UpdateMainCaption();
  basUIControl::ShowCurrentPageState();
}

}  // namespace

void SetFileMenuCaptions(int32_t pageCode) {
  MainWindowView* view = View();
  if (view == nullptr) return;
  const bool editor = EditorPage(pageCode);
  if (editor && pageCode >= 0 && pageCode < kPageCodeCount) {
    const std::string& d = FileTypeDescription[static_cast<std::size_t>(pageCode)];
    view->SetFileItemCaption(kNewDocument, "New " + d);
    view->SetFileItemCaption(kOpenDocument, "Open " + d);
    view->SetFileItemCaption(kSaveDocument, "Save " + d);
    view->SetFileItemCaption(kSaveDocumentAs, "Save " + d + " As...");
  }
  view->SetFileItemEnabled(kSaveProject, !GlobalProject().FileName().empty());
  view->SetFileItemEnabled(kSaveProjectAs, true);
  for (int32_t item = kFirstDocumentItem; item <= kLastDocumentItem; ++item) view->SetFileItemVisible(item, editor);
}

void FileCommand(int32_t index, int32_t pageCode) {
  if (basUIControl::JobRunning()) return;
  if (index >= kNewDocument) {
    if (pageCode == basUIControl::CurrentPage() && EditorPage(pageCode)) {
      if (PageWindow* page = basUIControl::CurrentPageWindow()) page->FileCommand(index);
    }
    return;
  }
  if (index == kNewProject) {
    std::string name;
    if (basUIControl::CloseCurrentPage() && AskSaveProject() && ChooseNewProjectFile(name)) {
      if (!GlobalProject().NewFile(name)) {
        basMessage::ShowMessage(kProjectFileCaption, GlobalProject().LastError(), seams::kOk, true);
      }
      basUIControl::SwitchPage(kPageProject);
    }
  } else if (index == kOpenProject && pageCode != kPageProject) {
    basUIControl::SwitchPage(kPageProject);
    if (basUIControl::CurrentPage() == kPageProject) basUIControl::CurrentPageWindow()->FileCommand(index);
  } else if (index == kSaveProject || index == kSaveProjectAs || index == kOpenProject) {
    basUIControl::WithProjectWindow([index](PageWindow& project) { project.FileCommand(index); });
  }
  ShowProjectState();
}

void SaveProjectFromMenu(int32_t index) {
  const int32_t page = basUIControl::CurrentPage();
  if (page >= 1) {
    FileCommand(kSaveDocument, page);
    FileCommand(index, kPageProject);
  } else {
    FileCommand(index, page);
  }
}

bool ChooseNewProjectFile(std::string& name) {
  name.clear();
  if (basFileDialog::ShowFileDialogByMode(name, basFileDialog::kNew, kPageProject)) return false;
  bool existed = false;
  return basMessage::ConfirmOverwrite(clsCheatIsolate::ProjectFolder() + name, existed);
}

bool AskSaveProject() {
  clsCheatIsolate& project = GlobalProject();
  if (!project.pFnWereChangesMade()) return true;
  const std::string answer = AskProjectSaveQuestion(project);
  if (answer == seams::kAnswerNoSave) return true;
  if (answer != seams::kAnswerSave) return false;
  if (HasDefaultName(project)) {
    std::string name;
    if (basFileDialog::ShowFileDialogByMode(name, basFileDialog::kSave, kPageProject)) return false;
    bool existed = false;
    if (!basMessage::ConfirmOverwrite(clsCheatIsolate::ProjectFolder() + name, existed)) return false;
    project.SetFileName(name);
  }
  if (!SaveOrTell(project)) return false;
  // An unnamed project writes nothing.
  project.NewFile("");
  return true;
}

bool AskSaveProjectChanges() {
  clsCheatIsolate& project = GlobalProject();
  if (!project.pFnWereChangesMade()) return true;
  const std::string answer = AskProjectSaveQuestion(project);
  if (answer == seams::kAnswerNoSave) return true;
  // Stays when the save did not write (a cancelled name, a failed write).
  return answer == seams::kAnswerSave && SaveProject();
}

bool NewProject() {
  if (!AskSaveProjectChanges()) return false;
  std::string name;
  if (basFileDialog::ShowFileDialogByMode(name, basFileDialog::kNew, kPageProject)) return false;
  clsCheatIsolate& project = GlobalProject();
  if (!project.NewFile(name)) {
    basMessage::ShowMessage(kProjectFileCaption, project.LastError(), seams::kOk, true);
  }
  ShowProjectState();
  return true;
}

bool OpenProject() {
  if (!AskSaveProjectChanges()) return false;
  std::string name;
  if (basFileDialog::ShowFileDialogByMode(name, basFileDialog::kOpen, kPageProject)) return false;
  const bool opened = GlobalProject().OpenFile(name);
  ShowProjectState();
  return opened;
}

bool SaveProjectAs() {
  clsCheatIsolate& project = GlobalProject();
  std::string name = project.FileName();
  if (basFileDialog::ShowFileDialogByMode(name, basFileDialog::kSave, kPageProject)) return false;
  project.SetFileName(name);
  const bool saved = SaveOrTell(project);
  ShowProjectState();
  return saved;
}

bool SaveProject() {
  clsCheatIsolate& project = GlobalProject();
  if (HasDefaultName(project)) return SaveProjectAs();
  const bool saved = SaveOrTell(project);
  ShowProjectState();
  return saved;
}

bool ProjectFileCommand(int32_t index) {
  switch (index) {
    case kNewProject: return NewProject();
    case kOpenProject: return OpenProject();
    case kSaveProject: return SaveProject();
    case kSaveProjectAs: return SaveProjectAs();
    default: return false;
  }
}

}  // namespace basCheatSheetMenu
