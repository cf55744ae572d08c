#include "player_data/dialogs/clsUIProInfo.h"

#include <exception>

#include "core/IDBAS_CommonDialog.h"
#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basFileExists_001.h"
#include "core/basMessage.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "database/clsKickwellDB.h"
#include "platform/runtime/Text.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "shell/basFileDialog.h"

namespace {

constexpr const char* kErrorCaption = "Projected Stats Properties Error";
// What the file dialog answers when the user confirms the bare extension:
// the wish to remove the strain or the ADP data.
constexpr const char* kBareExtension = ".kwr";
// A strain file's name is the strain, one character, four digits and ".kwr".
constexpr std::size_t kVersionTail = 8;
constexpr std::size_t kShortestStrainFile = 12;

}  // namespace

const char* clsUIProInfo::PropertyCaption(int32_t row) {
  static const char* const kCaptions[kRows] = {
      "Projected Stats File Name:", "Master Year:",        "Master Version:",
      "Projection Strain Name:",    "Projection Strain Version:", "Projection Strain Max Version:",
      "Applied ADP File:"};
  return row >= 0 && row < kRows ? kCaptions[row] : "";
}

const char* clsUIProInfo::ButtonCaption(int32_t row) {
  switch (row) {
    case kMasterYear:
    case kStrainName:
    case kStrainVersion:
    case kADPFile:
      return "Change";
    case kMasterVersion:
      return "Reapply";
    default:
      return "";
  }
}

void clsUIProInfo::PassInfo(clsKickwellDB& db, const std::string& fileName) {
  db_ = &db;
  fileName_ = fileName;
  Refresh();
}

std::string clsUIProInfo::Value(int32_t row) const {
  return row >= 0 && row < kRows ? values_[static_cast<std::size_t>(row)] : "";
}

void clsUIProInfo::Refresh() {
  values_[kFileName] = fileName_;
  if (db_ == nullptr) return;
  try {
    values_[kMasterYear] = std::to_string(db_->pFnGetYear());
    values_[kMasterVersion] = std::to_string(db_->MasterVersion());
    values_[kStrainName] = db_->StrainName();
    values_[kStrainVersion] = std::to_string(db_->StrainVersion());
    values_[kStrainMaxVersion] = std::to_string(db_->StrainMaxOffer());
    const std::string adp = db_->ADPName();
    values_[kADPFile] = adp.empty() ? "None" : adp;
  } catch (const std::exception&) {
    // A database that cannot be read keeps the values last shown.
  }
}

template <class Action>
void clsUIProInfo::Run(Action action) {
  if (db_ == nullptr || closed_) return;
  try {
    action();
  } catch (const std::exception& e) {
    basMessage::ShowMessage(kErrorCaption, " " + std::string(e.what()), seams::kOk, true);
  }
  Refresh();
}

void clsUIProInfo::mMY_Click() {
  Run([this] { ChangeMasterYear(); });
}

void clsUIProInfo::mMV_Click() {
  Run([this] { basCreateSingleSeasonDB::ApplyNewerUpdates(*db_, 0); });
}

void clsUIProInfo::mSN_Click() {
  Run([this] { ChangeStrain(); });
}

void clsUIProInfo::mSV_Click() {
  Run([this] { ChangeStrainVersion(); });
}

void clsUIProInfo::mADP_Click() {
  Run([this] { ChangeADP(); });
}

void clsUIProInfo::ChangeMasterYear() {
  const std::string answer = basFileDialog::SelectFileDialog(kPagePlayerMasterRegistry, true);
  if (answer.empty()) return;
  bool ok = false;
  const int32_t year = basMockDraftSettings::ValidLong(answer.substr(0, 4), ok);
  if (!ok || year < 0) return;
  const int16_t current = db_->pFnGetYear();
  if (year == current) return;
  // The year and a master version of 0 in one step, then every master file
  // of the new season.
  basCreateSingleSeasonDB::ChangeSeasonYear(*db_, current, static_cast<int16_t>(year));
  basCreateSingleSeasonDB::ApplyNewerUpdates(*db_, 0);
}

void clsUIProInfo::ChangeStrain() {
  const std::string answer = basFileDialog::SelectFileDialog(kPageProjectedStatStrain, true);
  if (answer.empty()) return;
  std::string name;
  if (runtime::EqualsNoCase(answer, kBareExtension)) {
    if (!basMessage::AskYesNo("Projection Strain", "Are you sure you want to remove projection strain reference?"))
      return;
    name = "None";
  } else if (answer.size() > kShortestStrainFile) {
    name = runtime::Trim(answer.substr(0, answer.size() - kVersionTail));
  } else {
    return;
  }
  if (name == db_->StrainName()) return;
  basCreateSingleSeasonDB::ApplyStrain(*db_, name, 0, true, keepModified_);
}

void clsUIProInfo::ChangeStrainVersion() {
  const std::string strain = db_->StrainName();
  const std::string answer = basFileDialog::SelectFileDialogNamed(kPageProjectedStatStrain, strain);
  if (answer.empty()) return;
  const int32_t version = basCreateSingleSeasonDB::FileNameVersion(answer);
  if (version <= 0) return;
  basCreateSingleSeasonDB::ApplyStrain(*db_, strain, version, false, keepModified_);
}

void clsUIProInfo::ChangeADP() {
  // Every ADP file is listed; the bare extension asks to remove the ADP data.
  const std::string answer = basFileDialog::SelectFileDialogOrNone(kPageAverageDraftPosition);
  if (answer.empty()) return;
  const int16_t year = db_->pFnGetYear();
  if (runtime::EqualsNoCase(answer, kBareExtension)) {
    if (!basMessage::AskYesNo("Average Draft Position", "Are you sure you want to remove all ADP data?")) return;
    db_->pSbClearADPValues(year, clsKickwellDB::kSeasonWeek);
    db_->SetADPName("None");
    db_->SetADPURL("");
    return;
  }
  const std::string base = IDBAS_CommonDialog::StripExtension(answer, kBareExtension);
  if (base.empty()) return;
  const std::string path = FileTypeFolder[kPageAverageDraftPosition] + answer;
  if (!basFileExists_001::FileExists(path, true)) return;
  db_->pSbClearADPValues(year, clsKickwellDB::kSeasonWeek);
  if (basCreateSingleSeasonDB::ApplyOneKWRFile(*db_, path, false) > 0) {
    db_->SetADPName(base);
    return;
  }
  db_->SetADPName("None");
  db_->SetADPURL("");
  basMessage::ShowMessage("Apply ADP Failed",
                          "A problem occured while appying ADP file" + std::string(runtime::kCrLf) + answer + ".",
                          seams::kOk, true);
}
