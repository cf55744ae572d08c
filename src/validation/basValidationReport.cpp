#include "validation/basValidationReport.h"

#include <exception>

#include "core/IDBAS_CommonDialog.h"
#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"
#include "validation/clsProjectValidation.h"

namespace basValidationReport {

namespace {

bool Export(const clsProjectValidation& validation, const ListLines& lists) {
  // The documents folder by default, whatever the export folder is set to now.
  IDBAS_CommonDialog::SetDialogFilter("Export Validation Data", "txt", "Text",
                                      basMockDraftSettings::DefaultSettings()[kSetExportFolder],
                                      DefaultReportName(GlobalProject().FileName()));
  const IDBAS_CommonDialog::FileDialogResult chosen = IDBAS_CommonDialog::ShowSaveDialog();
  if (chosen.Cancelled || chosen.Files.empty()) return false;
  const std::string path = IDBAS_CommonDialog::EnsurePrefix(
      IDBAS_CommonDialog::EnsureExtension(chosen.Files[0], ".txt"), chosen.Path);

  std::string error;
  if (!runtime::SaveFileAtomically(path, ReportText(validation, lists), &error)) {
    basAssociatedFiles::ShowOpenFileError(error, path);
    return true;
  }
  basMessage::OfferToView("Exported Validation Data", path);
  return true;
}

}  // namespace

std::string DefaultReportName(const std::string& projectFileName) {
  if (projectFileName.size() <= 4) return "";
  return projectFileName.substr(0, projectFileName.size() - 4) + " Validate";
}

std::string ReportText(const clsProjectValidation& validation, const ListLines& lists) {
  std::string text;
  const auto line = [&text](const std::string& s) {
    text += s;
    text += runtime::kCrLf;
  };
  line(validation.FileHeading());
  line("");
  line(" * PROJECT FILES");
  line("");
  line(validation.FileDesc(kPageLeagueProperties, kProjLeaguePropertiesFile));
  line(validation.FileDesc(kPageScoringSystem, kProjScoringSystemFile));
  line(validation.FileDesc(kPageProjectedStats, kProjProjectedStatsFile));
  line(validation.FileDesc(kPageUserMockDraft, kProjUserMockDraftFile));
  line(validation.StrategyFiles());
  line("");
  for (int index : {2, 1, 0}) {
    const auto k = static_cast<std::size_t>(index);
    line(" * " + runtime::UCase(runtime::Trim(kListCaptions[k])));
    line("");
    for (const std::string& s : lists[k]) line(s);
    line("");
  }
  return text;
}

bool ExportReport(const clsProjectValidation& validation, const ListLines& lists) {
  try {
    return Export(validation, lists);
  } catch (const std::exception& e) {
    // Never silent: the user would otherwise think the report was written.
    seams::MessageBox().ShowMessage("Export Validation Data",
                                    "The validation data could not be exported." + std::string(runtime::kCrLf) +
                                        e.what(),
                                    seams::kOk, true);
    return false;
  }
}

}  // namespace basValidationReport
