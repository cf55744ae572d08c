#include "player_data/dialogs/clsUINewProjected.h"

#include <algorithm>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "shell/basFileDialog.h"

namespace {

// Master files are named by a four-digit season.
constexpr int32_t kFirstSeason = 0;
constexpr int32_t kLastSeason = 9999;
// The end of a strain file's name after the strain: one character, the
// four-digit version and ".kwr" less the character, as the dialog cuts it.
constexpr std::size_t kVersionTail = 8;

}  // namespace

clsUINewProjected::clsUINewProjected() {
  bool ok = false;
  const int32_t season =
      basMockDraftSettings::ValidLong(basMockDraftSettings::GlobalSettings().StringVal(kSetActiveSeason), ok);
  season_ = ok ? std::clamp(season, kFirstSeason, kLastSeason) : 0;
}

void clsUINewProjected::picUp_Click() { season_ = std::min(season_ + 1, kLastSeason); }

void clsUINewProjected::picDown_Click() { season_ = std::max(season_ - 1, kFirstSeason); }

const char* clsUINewProjected::OptionCaption(int32_t index) {
  switch (index) {
    case kStatic:
      return "Static - Make copy of projected file.";
    case kDynamic:
      return "Dynamic - Receive updated stats based on selected projection strain.";
    case kNone:
      return "None - Set all statistic values to  0.";
    default:
      return "";
  }
}

void clsUINewProjected::Option1_Click(int32_t index) {
  if (index >= kStatic && index <= kNone) source_ = index;
}

void clsUINewProjected::mStatic_Click() {
  const std::string name = basFileDialog::SelectFileDialog(kPageProjectedStats, false);
  if (!name.empty()) lblSt_ = " " + name;
}

void clsUINewProjected::mDynamic_Click() {
  const std::string name = basFileDialog::SelectFileDialog(kPageProjectedStatStrain, false);
  if (!name.empty()) lblDy_ = " " + name;
}

void clsUINewProjected::mOK_Click(int32_t index) {
  if (closed_) return;
  if (index == 0) {
    if (!Confirm()) return;
  } else {
    chosenName_.clear();
  }
  closed_ = true;
}

void clsUINewProjected::CloseWindow() {
  if (closed_) return;
  chosenName_.clear();
  closed_ = true;
}

bool clsUINewProjected::Confirm() {
  chosenName_.clear();
  files_.clear();
  strainName_.clear();
  const std::string source = runtime::Trim(lblSt_);
  if (source_ == kStatic && source.empty()) {
    basMessage::ShowMessage("Projected File Not Selected", "Use BROWSE to select Static Projected File.", seams::kOk,
                            true);
    return false;
  }
  if (source_ == kDynamic && runtime::Trim(lblDy_).empty()) {
    basMessage::ShowMessage("Projected Strain Not Selected", "Use BROWSE to select Dynamic Projected Strain.",
                            seams::kOk, true);
    return false;
  }
  // The overwrite question comes once, below.
  if (basFileDialog::ShowFileDialog("", kPageProjectedStats, basFileDialog::kNew, false, false, false)) return false;
  const std::string name = FileDialogChosenName;
  if (source_ == kStatic && runtime::EqualsNoCase(name, source)) {
    basMessage::ShowMessage("Static Projected Stat File Aborted",
                            "New projected file name is the same as source. Select another name.", seams::kOk, true);
    return false;
  }
  const std::string& folder = FileTypeFolder[kPageProjectedStats];
  bool existed = false;
  // An existing file is not deleted: the new one replaces it once complete.
  if (!basMessage::ConfirmOverwrite(folder + name, existed)) return false;

  std::vector<std::string> files;
  basCreateSingleSeasonDB::ListKWRFiles(basCreateSingleSeasonDB::MasterPrefix(static_cast<int16_t>(season_)),
                                        kPagePlayerMasterRegistry, files, 0);
  switch (source_) {
    case kStatic: {
      std::string error;
      if (!win32::CopyFileKeepingTime(folder + source, folder + name, &error)) {
        basMessage::ShowMessage("Static Projected Stat File Aborted", " " + error, seams::kOk, true);
        return false;
      }
      files = {""};
      break;
    }
    case kDynamic: {
      const std::string label = lblDy_.size() > kVersionTail ? lblDy_.substr(0, lblDy_.size() - kVersionTail) : "";
      strainName_ = runtime::Trim(label);
      basCreateSingleSeasonDB::ListKWRFiles(strainName_, kPageProjectedStatStrain, files, 0);
      break;
    }
    default:
      break;
  }
  chosenName_ = name;
  files_ = std::move(files);
  return true;
}
