#include "player_data/basImportVCZ.h"

#include <exception>

#include "core/IDBAS_CommonDialog.h"
#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basDirExists_001.h"
#include "core/basFileExists_001.h"
#include "core/basMockItUp.h"
#include "platform/runtime/Text.h"
#include "player_data/clsVCZ.h"

namespace basImportVCZ {

std::string DestFolderForFile(const std::string& name) {
  const std::string::size_type dot = name.rfind('.');
  if (dot == std::string::npos) return "";
  const std::string extension = runtime::LCase(name.substr(dot + 1));
  int32_t page = kPageNone;
  if (extension == "kwr") {
    // Case matters here: the server names master files "<year> Master <nnnn>.kwr".
    if (name.find(" Master ") != std::string::npos) {
      page = kPagePlayerMasterRegistry;
    } else if (name.find("-ADP-") != std::string::npos) {
      page = kPageAverageDraftPosition;
    } else {
      page = kPageProjectedStatStrain;
    }
  } else if (extension == "sco") {
    page = kPageScoringSystem;
  } else if (extension == "dis") {
    page = kPageDisplayGrids;
  } else if (extension == "stg") {
    page = kPageDraftStrategies;
  } else if (extension == "pro") {
    page = kPageProjectedStats;
  } else if (extension == "lgp") {
    page = kPageLeagueProperties;
  }
  if (page == kPageNone) return "";
  return FileTypeFolder[static_cast<std::size_t>(page)];
}

namespace {

// What goes wrong with one archive is told in one message, after its
// entries (the questions about existing files come as they are met).
void ImportOneArchive(const std::string& path) {
  clsVCZ vcz;
  vcz.CollectProblems();
  const int32_t count = vcz.OpenHeader(path);
  if (count <= 0) {
    const std::string why = vcz.ProblemText();
    seams::MessageBox().PlainMessage("Could not import " + path + (why.empty() ? "" : std::string(runtime::kCrLf) + why),
                                     seams::PlainButtons::kOk, seams::PlainIcon::kExclamation, "File Import Failed");
    return;
  }
  for (int32_t i = 0; i < count; ++i) {
    const std::string name = vcz.FileName(i);
    const std::string destination = DestFolderForFile(name);
    // A name that could leave its folder has no destination either; it is
    // skipped before anything is asked about it.
    if (destination.empty() || !clsVCZ::IsBareFileName(name)) continue;
    if (!basDirExists_001::DirExists(destination, true)) continue;
    if (basFileExists_001::FileExists(destination + name, false)) {
      seams::PlainAnswer answer = seams::MessageBox().PlainMessage(
          "Do you want to overwrite:" + std::string(runtime::kCrLf) + destination + name + "?",
          seams::PlainButtons::kYesNo, seams::PlainIcon::kQuestion, "File Exists");
      if (answer != seams::PlainAnswer::kYes) continue;
    }
    vcz.ExtractEntry(path, i, destination);
  }
  vcz.ShowCollectedProblems();
}

}  // namespace

void ImportArchiveFile() {
  try {
    IDBAS_CommonDialog::SetDialogFilter("Import Vellacorn Zip File", "vcz", "Vellacorn Zip", "", "");
    const IDBAS_CommonDialog::FileDialogResult chosen = IDBAS_CommonDialog::ShowOpenDialog();
    if (chosen.Cancelled) return;
    for (const std::string& file : chosen.Files) ImportOneArchive(chosen.Path + file);
  } catch (const std::exception& e) {
    seams::MessageBox().PlainMessage(e.what(), seams::PlainButtons::kOk, seams::PlainIcon::kCritical,
                                     "Import File Error");
  }
}

}  // namespace basImportVCZ
