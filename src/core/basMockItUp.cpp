#include "core/basMockItUp.h"

namespace basMockItUp {

const std::vector<std::string>& WorkSubFolderNames() {
  static const std::vector<std::string> names = {"sco", "pro", "lgp", "stg", "dis", "kdp",
                                                 "ugm", "def", "str", "mas", "adp"};
  return names;
}

std::string WorkFolderUnder(const std::string& localRoot) {
  return localRoot + "Vellacorn/Kickwell Draftyard/dat/";
}

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
