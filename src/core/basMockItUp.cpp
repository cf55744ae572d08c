#include "core/basMockItUp.h"

#include "core/Seams.h"
#include "core/basDirExists_001.h"
#include "core/basDirToTextFile.h"
#include "core/basFlexGridCommon.h"
#include "core/basOSPAths.h"
#include "core/basStatusControl.h"
#include "core/clsStatusPlain.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/SpecialFolders.h"

namespace basMockItUp {

namespace {

constexpr const char* kProductPath = "Vellacorn/Kickwell Draftyard";

std::string WithoutSlash(std::string path) {
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

void ShowWorkDirectoryError(const std::string& folder) {
  seams::MessageBox().ShowMessage("Work Directory Error",
                                  " Unable to access work directory" + std::string(runtime::kCrLf) + "  " +
                                      folder + ".",
                                  seams::kOk, true);
}

// A file the transfer may copy: listings also hold folders and links to
// nowhere, which are left alone.
bool IsCopyableFile(const std::string& path) {
  return win32::EntryExists(path) && !win32::IsFolder(path);
}

// Copies over an existing file through a temporary name, so the user's copy
// survives a failed copy. Failures are left for the next start to retry.
void CopyQuietly(const std::string& from, const std::string& to) { win32::CopyFileKeepingTime(from, to); }

}  // namespace

bool InitWorkDirectory() {
  const std::string documents = basOSPAths::SpecialFolderPath(win32::kFolderDocuments);
  const std::string productFolder = WithoutSlash(documents) + "/" + kProductPath;
  if (documents.size() > 1) win32::CreateFolderTree(productFolder);
  if (!basDirExists_001::DirExists(productFolder, false)) {
    ShowWorkDirectoryError(productFolder);
    return false;
  }

  const std::string allUsersRoot = basOSPAths::SpecialFolderPath(win32::kFolderCommonAppData);
  const std::string localRoot = basOSPAths::SpecialFolderPath(win32::kFolderLocalAppData);
  const std::string work = WorkFolderUnder(localRoot);
  const std::string workRoot = WithoutSlash(work);
  // The work tree is made whether or not an all-users tree exists: every
  // document and the settings file live in it.
  const bool firstRun = !win32::IsFolder(workRoot);
  if (localRoot.empty() || !win32::CreateFolderTree(workRoot)) {
    ShowWorkDirectoryError(workRoot);
    return false;
  }
  CreateWorkSubFolders(workRoot);

  const std::string sourceTree = allUsersRoot + kProductPath + "/dat";
  if (!allUsersRoot.empty() && win32::IsFolder(sourceTree)) {
    if (firstRun) {
      basStatusControl::JobProgress progress("Creating Work Directory");
      CopyAllUsersTree(sourceTree, workRoot, progress.Status());
    }
    RefreshFromAllUsers(sourceTree, workRoot);
  }
  MakeSubFolder(workRoot, "upd");
  InitFileTypeTable(work);
  return true;
}

bool CreateWorkSubFolders(const std::string& root) {
  if (!basDirExists_001::DirExists(root, true)) return false;
  for (const std::string& name : WorkSubFolderNames()) MakeSubFolder(root, name);
  return true;
}

bool MakeSubFolder(const std::string& root, const std::string& name) {
  const std::string path = root + "/" + name;
  if (!win32::IsFolder(path)) win32::CreateFolder(path);
  return win32::IsFolder(path);
}

bool CopyAllUsersTree(const std::string& source, const std::string& destination, clsStatusPlain& status) {
  if (!win32::IsFolder(source) || !win32::IsFolder(destination)) return false;
  std::string answer = seams::kAnswerNoSave;
  const auto& names = WorkSubFolderNames();
  const int32_t count = static_cast<int32_t>(names.size());
  // Whole-number weights, 100 / 11 = 9 each: a complete transfer ends the
  // total bar at 99 %.
  for (int32_t position = 1; position <= count; ++position) status.AddSegment(position, static_cast<float>(100 / count));
  for (int32_t position = 1; position <= count; ++position) {
    const std::string& name = names[static_cast<std::size_t>(position - 1)];
    status.StatusCaption(clsStatusPlain::kTotalBar, 0, "Transfering Files in " + name);
    CopySubFolderFiles(source, destination, name, status, position, false, answer);
    status.FinishSegment(position);
  }
  return true;
}

bool CopySubFolderFiles(const std::string& source, const std::string& destination, const std::string& name,
                        clsStatusPlain& status, int32_t segment, bool overwriteAll, std::string& answer) {
  const std::string from = source + "/" + name;
  const std::string to = destination + "/" + name;
  if (!win32::IsFolder(from) || !win32::IsFolder(to)) return false;
  std::vector<std::string> entries;
  const int32_t last = name == "def" ? basDirToTextFile::ListFolderEntries(from + "/", entries)
                                     : basDirToTextFile::ListFolderEntriesEx(from + "/", entries, name);
  if (last < 0) return false;
  status.SetSegmentRange(segment, 0, last);
  for (int32_t index = 0; index <= last; ++index) {
    const std::string& entry = entries[static_cast<std::size_t>(index)];
    if (basDirToTextFile::CharacterCount(entry) <= 3) continue;
    const std::string sourceFile = from + "/" + entry;
    const std::string destinationFile = to + "/" + entry;
    status.SetSegmentValue(segment, index);
    // The folder and the file name: the whole path would not fit the line.
    status.StatusCaption(clsStatusPlain::kCurrentBar, 0, name + "/" + entry);
    if (!IsCopyableFile(sourceFile)) continue;
    if (!win32::EntryExists(destinationFile)) {
      // Nothing of the user's is at stake: the answer about overwriting
      // other files does not hold this one back.
      CopyQuietly(sourceFile, destinationFile);
      continue;
    }
    if (answer != seams::kAnswerSave && !overwriteAll) {
      answer = seams::MessageBox().ShowMessage(
          "File Already Exists",
          " Would you like to overwrite:" + std::string(runtime::kCrLf) + "  " + destinationFile,
          seams::kYesToAllYesNo, true);
    }
    if (overwriteAll || answer == seams::kAnswerSave || answer == seams::kAnswerNoSave) {
      CopyQuietly(sourceFile, destinationFile);
    }
  }
  return true;
}

bool RefreshFromAllUsers(const std::string& source, const std::string& destination) {
  const auto& names = WorkSubFolderNames();
  for (int32_t position = 1; position <= static_cast<int32_t>(names.size()); ++position) {
    // Only the folders the installation owns ("def", "str", "mas", "adp")
    // take newer copies; the user's own documents are never replaced.
    RefreshSubFolder(source, destination, names[static_cast<std::size_t>(position - 1)], position, position >= 8);
  }
  return true;
}

bool RefreshSubFolder(const std::string& source, const std::string& destination, const std::string& name,
                      int32_t /*position*/, bool replaceOlder) {
  const std::string from = source + "/" + name;
  if (!win32::IsFolder(from) || !MakeSubFolder(destination, name)) return false;
  std::vector<std::string> entries;
  basDirToTextFile::ListFolderEntries(from + "/", entries);
  for (const std::string& entry : entries) {
    if (basDirToTextFile::CharacterCount(entry) <= 3) continue;
    const std::string sourceFile = from + "/" + entry;
    const std::string destinationFile = destination + "/" + name + "/" + entry;
    if (!IsCopyableFile(sourceFile)) continue;
    if (!win32::EntryExists(destinationFile)) {
      CopyQuietly(sourceFile, destinationFile);
    } else if (replaceOlder) {
      auto sourceTime = win32::ModificationTime(sourceFile);
      auto destinationTime = win32::ModificationTime(destinationFile);
      if (sourceTime && destinationTime && *sourceTime > *destinationTime) CopyQuietly(sourceFile, destinationFile);
    }
  }
  return true;
}

const std::vector<std::string>& WorkSubFolderNames() {
  static const std::vector<std::string> names = {"sco", "pro", "lgp", "stg", "dis", "kdp",
                                                 "ugm", "def", "str", "mas", "adp"};
  return names;
}

std::string WorkFolderUnder(const std::string& localRoot) { return localRoot + kProductPath + "/dat/"; }

void InitFileTypeTable(const std::string& work) {
  WorkFolder = work;
  DefaultsFolder = work + "def/";
  DefaultProjectedStatsName = "Default.pro";
  ApplicationClosing = false;
  FileTypeDescription.fill("");
  FileTypeDefaultName.fill("");
  FileTypeFolder.fill("");
  auto row = [&](int32_t code, const char* description, const char* defaultName, std::string folder) {
    FileTypeDescription[static_cast<std::size_t>(code)] = description;
    FileTypeDefaultName[static_cast<std::size_t>(code)] = defaultName;
    FileTypeFolder[static_cast<std::size_t>(code)] = std::move(folder);
  };
  row(kPageProject, "Kickwell Draftyard Project", "", work + "kdp/");
  row(kPageProjectedStats, "Projected Stats File", "", work + "pro/");
  row(kPageScoringSystem, "Scoring System File", "", work + "sco/");
  row(kPageLeagueProperties, "League Properties File", "", work + "lgp/");
  row(kPageDraftStrategies, "Draft Strategy File", "KD-RBL Default.stg", work + "stg/");
  row(kPageCheatSheetJob, "Cheat Sheet File", "", work + "kdp/");
  row(kPageMockOptions, "Mock Options File", "", "");
  row(kPageDisplayGrids, "Display Grid File", "", work + "dis/");
  row(kPageMockDraftJob, "Mock Draft File", "", "");
  row(kPageUserMockDraft, "User Generated Mock Draft File", "", work + "ugm/");
  row(kPageProjectedStatStrain, "Projected Stat Strain", "", work + "str/");
  row(kPagePlayerMasterRegistry, "Player Master Registry File", "", work + "mas/");
  row(kPageAverageDraftPosition, "Average Draft Position File", "", work + "adp/");
  basFlexGridCommon::SetCheckMarkGlyph();
}

std::string ExportFileExtension(int32_t code) {
  switch (code) {
    case kExportHtml: return "html";
    case kExportText: return "txt";
    case kExportCsv: return "csv";
    default: return "";
  }
}

std::string ExportFileDescription(int32_t code) {
  switch (code) {
    case kExportHtml: return "Hyper Text";
    case kExportText: return "Text";
    case kExportCsv: return "Comma Separated Variable";
    default: return "";
  }
}

}  // namespace basMockItUp
