#pragma once
// The File menu: its retitling for the current page, the dispatcher that
// sends a File command to the project or to the current page, and the
// project's save and new-file questions.

#include <cstdint>
#include <string>

namespace basCheatSheetMenu {

// Items of the File menu by position.
enum FileItem : int32_t {
  kNewProject = 0,
  kOpenProject = 1,
  kSaveProject = 3,
  kSaveProjectAs = 4,
  kFirstDocumentItem = 5,  // separator before the document items
  kNewDocument = 6,
  kOpenDocument = 7,
  kSaveDocument = 9,
  kSaveDocumentAs = 10,
  kLastDocumentItem = 10,
  kCreateCheatSheet = 12,
  kCreateMockDraft = 13,
  kImport = 15,
  kCreateStrain = 16,
  kExit = 18,
  kFileItemCount = 19,
};

// Document items "New/Open/Save/Save ... As..." for an editor page, shown
// only for an editor page; "Save Project" enabled only when the project has
// a file name.
void SetFileMenuCaptions(int32_t pageCode);

// Runs File command `index` for page `pageCode`.
void FileCommand(int32_t index, int32_t pageCode);
// "Save Project" / "Save Project As..." from the menu: saves the current
// editor page's document first, then the project.
void SaveProjectFromMenu(int32_t index);

// Asks the name of a new project file (New mode, overwrite question);
// False when cancelled or declined.
bool ChooseNewProjectFile(std::string& name);

// Offers to save a changed project before it is left: True means go on.
// "Save" saves it (asking a name when it has none) and leaves a new
// unnamed project; "Don't Save" leaves it as it is.
bool AskSaveProject();

// The project's commands on the project page (1 Open, 3 Save, 4 Save As)
// and New (0), as the project window carries them out: True when the
// project was opened, named or saved, so the page shows it again.
bool ProjectFileCommand(int32_t index);
bool NewProject();
bool OpenProject();
bool SaveProject();
bool SaveProjectAs();
// Save question for the project's unsaved changes (the project page's own):
// True to go on; "Save" saves first.
bool AskSaveProjectChanges();

}  // namespace basCheatSheetMenu
