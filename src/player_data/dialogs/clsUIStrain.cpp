#include "player_data/dialogs/clsUIStrain.h"

#include <exception>
#include <stdexcept>

#include "core/IDBAS_CommonDialog.h"
#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basFileExists_001.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"
#include "database/clsKickwellDB.h"
#include "platform/runtime/Text.h"
#include "player_data/basKWRFileControl.h"
#include "shell/basFileDialog.h"

namespace {

constexpr const char* kErrorCaption = "Projection Strain File Error";

}  // namespace

void clsUIStrain::mSt_Click() {
  const std::string name = basFileDialog::SelectFileDialog(kPageProjectedStats, false);
  if (!name.empty()) lblSt_ = " " + name;
}

void clsUIStrain::picDs_Click() {
  IDBAS_CommonDialog::SetDialogFilter("Projection Strain Destination", "kwr", "Kickwell Record",
                                      basMockDraftSettings::GlobalSettings().StringVal(kSetExportFolder), "");
  const IDBAS_CommonDialog::FileDialogResult chosen = IDBAS_CommonDialog::ShowSaveDialog();
  if (chosen.Cancelled || chosen.Files.empty()) return;
  lblDs_ = IDBAS_CommonDialog::EnsurePrefix(IDBAS_CommonDialog::EnsureExtension(chosen.Files.front(), ".kwr"),
                                            chosen.Path);
}

void clsUIStrain::mOK_Click(int index) {
  if (closed_) return;
  if (index == 0 && !CreateStrainFile()) return;
  closed_ = true;
}

bool clsUIStrain::CreateStrainFile() {
  const std::string name = runtime::Trim(lblSt_);
  const std::string destination = runtime::Trim(lblDs_);
  // Without a name the path is the folder itself, which the check reports.
  const std::string source = FileTypeFolder[kPageProjectedStats] + name;
  if (!basFileExists_001::FileExists(source, true)) return false;
  if (destination.empty()) {
    basMessage::ShowMessage(kErrorCaption, " Choose the strain file's destination.", seams::kOk, true);
    return false;
  }
  bool existed = false;
  // A file that is there is replaced only by the complete new one.
  if (!basMessage::ConfirmOverwrite(destination, existed)) return false;
  try {
    int16_t year = 0;
    {
      clsKickwellDB db;
      // A missing file has been reported by the open itself.
      if (!db.InitializeKickwellDB(source)) {
        if (db.LastError().empty()) return false;
        throw std::runtime_error(db.LastError());
      }
      year = db.pFnGetYear();
      db.pSbCloseKickwellDB();
    }
    basKWRFileControl::WriteKwrFile(destination, clsKickwellDB::kSeasonWeek, clsKickwellDB::kSeasonWeek, year,
                                    source, runtime::Trim(txtURL_));
  } catch (const std::exception& e) {
    basMessage::ShowMessage(kErrorCaption, " " + std::string(e.what()), seams::kOk, true);
    return false;
  }
  basMessage::ShowMessage("Projection Strain File Created", lblDs_ + " created.", seams::kOk, true);
  return true;
}
