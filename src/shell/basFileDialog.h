#pragma once
// Choosing a document of one type inside its work sub-folder through the
// application's own file dialog, and checking the answer: the type's
// extension is added, a file to be opened must exist, and overwriting asks
// first. Every name handed back is a bare file name; callers put the
// folder of the file-type table in front.

#include <cstdint>
#include <functional>
#include <string>

// The name the user typed or picked in the last dialog (without a folder),
// and whether that dialog came back cancelled (or failed a check).
inline std::string FileDialogChosenName;
inline bool FileDialogCancelled = false;

// False for a moment after the file dialog closed from its list, so that
// the grid under the pointer ignores the click that closed it.
inline bool ClicksAccepted = true;

namespace basFileDialog {

// Modes of the dialog.
enum FileDialogMode : int32_t { kSave = 0, kOpen = 1, kNew = 2, kSelect = 3 };

// What the dialog shows for a file-type code; false for codes without a
// row (6, 8, 10, 14 and anything outside 0..14).
struct FileType {
  std::string description;
  std::string extension;  // without the dot
  std::string folder;     // work sub-folder, with its trailing '/'
};
bool FileTypeOf(int32_t fileType, FileType& type);

// The title band's text: "Save ", "Open ", "New " or "Select ", the
// description and " File".
std::string DialogTitle(const std::string& description, int32_t mode);

// What is wrong with a typed name, as the notice says it; "" when nothing
// is. Save and New need a name that is not blank once any folder part is
// dropped; no mode takes control characters.
std::string TypedNameProblem(const std::string& typed, int32_t mode);
inline constexpr const char* kNameErrorCaption = "File Name Error";

// The typed name as the wrappers hand it back: the part after its last
// '/' or '\', with "." & extension appended unless it already ends so
// (without regard to case).
std::string ChosenFileName(const std::string& typed, const std::string& extension);

// One use of the dialog. True when the user cancelled or a check failed
// (a missing file in Open and Select, No to the overwrite question, a name
// refused); otherwise FileDialogChosenName holds the chosen bare name.
// With seriesOnly, Select accepts a typed name that does not exist; with
// bareAnswers, Open and Select accept the bare extension (".kwr"), which
// callers take for "none".
bool ShowFileDialog(const std::string& name, int32_t fileType, int32_t mode, bool askOverwrite, bool seriesOnly,
                    bool prefixFilter, bool bareAnswers = false);
bool ShowFileDialogBasic(const std::string& name, int32_t fileType, int32_t mode, bool askOverwrite);
// Starts from name in Save mode and from an empty name otherwise, asks
// before overwriting; afterwards name is the chosen name, "" when
// cancelled. Returns the cancelled flag.
bool ShowFileDialogByMode(std::string& name, int32_t mode, int32_t fileType);
// Select mode from an empty name; the chosen name or "".
std::string SelectFileDialog(int32_t fileType, bool seriesOnly);
// Select mode listing only the names that begin with prefix (exact case).
std::string SelectFileDialogNamed(int32_t fileType, const std::string& prefix);
// Select mode from an empty name, where the bare extension answers too (the
// wish to remove what a file applied); any other name must exist. The
// chosen name or "".
std::string SelectFileDialogOrNone(int32_t fileType);

// Clears ClicksAccepted and starts the hold-off timer that sets it again.
void ArmClickHoldOff();
// The timer that ArmClickHoldOff starts; the windows install one that sets
// ClicksAccepted again after 100 ms. With none installed (headless),
// ClicksAccepted is set again at once.
void SetClickHoldOffTimer(std::function<void()> start);

}  // namespace basFileDialog
