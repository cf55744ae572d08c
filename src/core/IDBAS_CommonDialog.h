#pragma once
// The system open and save dialogs (through the file-dialog seam) and the
// small path helpers that go with them.

#include <cstdint>
#include <string>
#include <vector>

namespace IDBAS_CommonDialog {

struct FileDialogResult {
  int32_t Count = 0;                // number of files chosen; 0 when cancelled
  std::vector<std::string> Files;   // the chosen names without folder, Files[0] first
  std::string Path;                 // the folder of the chosen files, with trailing '/'
  bool Cancelled = true;
};

// Describes the next system dialog: its title, the one filter entry
// (description & " File (*." & extension & ")" matching "*." & extension),
// the initial folder and the proposed file name. The description stays
// until the next call.
void SetDialogFilter(const std::string& title, const std::string& extension, const std::string& description,
                     const std::string& initialFolder, const std::string& fileName);

// The filter's caption as the dialog shows it.
std::string DialogFilterCaption();

FileDialogResult ShowSaveDialog();
// Several files may be chosen.
FileDialogResult ShowOpenDialog();

// name & ending, unless name already ends with ending (without regard to case).
std::string EnsureExtension(const std::string& name, const std::string& ending);
// EnsureExtension, then only the part after the last '/'.
std::string FileNameWithExtension(const std::string& name, const std::string& ending);
// name (blanks at both ends removed) without ending when it ends with it
// (without regard to case); "" otherwise.
std::string StripExtension(const std::string& name, const std::string& ending);
// The name with the extension of the export type: an extension after the
// last '.' that is one of the three export extensions (without regard to
// case) is replaced; otherwise "." & the export extension is appended.
std::string CheckAssociatedExtension(const std::string& name, int32_t exportType);
// prefix & text, unless prefix is empty or text is longer than prefix and
// starts with it.
std::string EnsurePrefix(const std::string& text, const std::string& prefix);
// At the last '/': folder takes everything up to and including it, name the
// rest. False (outputs unchanged) when that '/' is the first character, is
// missing, or ends the path.
bool SplitPath(const std::string& path, std::string& folder, std::string& name);

}  // namespace IDBAS_CommonDialog
