#include "shell/basFileDialog.h"

#include <exception>
#include <optional>

#include "core/IDBAS_CommonDialog.h"
#include "core/Seams.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"

namespace basFileDialog {

namespace {

std::function<void()>& HoldOffTimer() {
  static std::function<void()> start;
  return start;
}

// The part after the last folder separator, '/' or '\': names typed or
// stored with either separator give the bare name.
std::string BareName(const std::string& typed) {
  const std::string::size_type slash = typed.find_last_of("/\\");
  return slash == std::string::npos ? typed : typed.substr(slash + 1);
}

bool HasControlCharacter(const std::string& text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

// Only a regular file counts: a folder of that name, or a pattern that
// happens to match some other file, cannot be opened as a document.
bool DocumentExists(const std::string& path) { return win32::EntryExists(path) && !win32::IsFolder(path); }

// Select mode, asking before overwriting: the chosen name, or "" when the
// dialog was cancelled or failed (which counts as cancelled).
std::string SelectChosen(const std::string& name, int32_t fileType, bool seriesOnly, bool prefixFilter,
                         bool bareAnswers = false) {
  try {
    if (ShowFileDialog(name, fileType, kSelect, true, seriesOnly, prefixFilter, bareAnswers)) return "";
    return FileDialogChosenName;
  } catch (const std::exception&) {
    FileDialogCancelled = true;
    return "";
  }
}

}  // namespace

bool FileTypeOf(int32_t fileType, FileType& type) {
  struct Row {
    int32_t code;
    const char* description;
    const char* extension;
  };
  static constexpr Row kRows[] = {
      {kPageProject, "Kickwell Draftyard Project", "kdp"},
      {kPageProjectedStats, "Projected Stat", "pro"},
      {kPageScoringSystem, "Scoring System", "sco"},
      {kPageLeagueProperties, "League Properties", "lgp"},
      {kPageDraftStrategies, "Draft Strategies", "stg"},
      {kPageCheatSheetJob, "Project", "kdp"},
      {kPageDisplayGrids, "Display Grid", "dis"},
      {kPageUserMockDraft, "User Generated Mock Draft", "ugm"},
      {kPageProjectedStatStrain, "Projected Stat Strain", "kwr"},
      {kPagePlayerMasterRegistry, "Player Master Registry", "kwr"},
      {kPageAverageDraftPosition, "Average Draft Position", "kwr"},
  };
  for (const Row& row : kRows) {
    if (row.code != fileType) continue;
    type.description = row.description;
    type.extension = row.extension;
    type.folder = FileTypeFolder[static_cast<std::size_t>(fileType)];
    return true;
  }
  return false;
}

std::string DialogTitle(const std::string& description, int32_t mode) {
  static constexpr const char* kVerbs[] = {"Save ", "Open ", "New ", "Select "};
  const std::string verb = mode >= kSave && mode <= kSelect ? kVerbs[mode] : "";
  return verb + description + " File";
}

std::string TypedNameProblem(const std::string& typed, int32_t mode) {
  if (HasControlCharacter(typed)) return " A file name cannot contain control characters.";
  if ((mode == kSave || mode == kNew) && runtime::Trim(BareName(typed)).empty()) {
    return " Please enter a name for the file.";
  }
  return "";
}

std::string ChosenFileName(const std::string& typed, const std::string& extension) {
  return IDBAS_CommonDialog::EnsureExtension(BareName(typed), "." + extension);
}

bool ShowFileDialog(const std::string& name, int32_t fileType, int32_t mode, bool askOverwrite, bool seriesOnly,
                    bool prefixFilter, bool bareAnswers) {
  FileDialogChosenName = name;
  FileDialogCancelled = true;
  FileType type;
  // Without a folder the name would resolve against the current folder.
  if (!FileTypeOf(fileType, type) || type.folder.empty() || mode < kSave || mode > kSelect) return true;

  seams::OwnFileDialogRequest request;
  request.folder = type.folder;
  request.extension = type.extension;
  request.description = type.description;
  request.mode = mode;
  request.name = name;
  request.fileType = fileType;
  request.seriesOnly = seriesOnly;
  request.prefixFilter = prefixFilter;
  const std::optional<std::string> typed = seams::FileDialogs().ShowOwnFileDialog(request);
  if (!typed) return true;

  const std::string problem = TypedNameProblem(*typed, mode);
  if (!problem.empty()) {
    basMessage::ShowMessage(kNameErrorCaption, problem, seams::kOk, true);
    return true;
  }
  FileDialogCancelled = false;
  FileDialogChosenName = ChosenFileName(*typed, type.extension);
  const std::string path = type.folder + FileDialogChosenName;

  if (mode == kOpen || mode == kSelect) {
    // A series is named by its first file, which need not exist yet.
    const bool typedSomething = !BareName(*typed).empty();
    const bool bare = bareAnswers && runtime::EqualsNoCase(FileDialogChosenName, "." + type.extension);
    if (!(seriesOnly && typedSomething) && !bare && !DocumentExists(path)) {
      seams::MessageBox().PlainMessage("File Not Found:  '" + path + "'", seams::PlainButtons::kOk,
                                       seams::PlainIcon::kExclamation, "File Error");
      FileDialogCancelled = true;
    }
  } else if (askOverwrite && win32::EntryExists(path)) {
    MessageAnswer.clear();
    if (!basMessage::AskYesNo("File Already Exists", " Do you wish to overwrite " + FileDialogChosenName + "?")) {
      FileDialogCancelled = true;
    }
  }
  return FileDialogCancelled;
}

bool ShowFileDialogBasic(const std::string& name, int32_t fileType, int32_t mode, bool askOverwrite) {
  return ShowFileDialog(name, fileType, mode, askOverwrite, false, false);
}

bool ShowFileDialogByMode(std::string& name, int32_t mode, int32_t fileType) {
  const bool cancelled = ShowFileDialog(mode == kSave ? name : std::string(), fileType, mode, true, false, false);
  name = cancelled ? std::string() : FileDialogChosenName;
  return cancelled;
}

std::string SelectFileDialog(int32_t fileType, bool seriesOnly) {
  return SelectChosen("", fileType, seriesOnly, false);
}

std::string SelectFileDialogNamed(int32_t fileType, const std::string& prefix) {
  return SelectChosen(prefix, fileType, false, true);
}

std::string SelectFileDialogOrNone(int32_t fileType) { return SelectChosen("", fileType, false, false, true); }

void ArmClickHoldOff() {
  ClicksAccepted = false;
  if (HoldOffTimer()) {
    HoldOffTimer()();
  } else {
    ClicksAccepted = true;
  }
}

void SetClickHoldOffTimer(std::function<void()> start) { HoldOffTimer() = std::move(start); }

}  // namespace basFileDialog
