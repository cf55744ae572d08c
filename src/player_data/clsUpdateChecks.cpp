#include "player_data/clsUpdateChecks.h"

#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "player_data/clsAppUpdate.h"
#include "player_data/clsPlayerUpdate.h"
#include "shell/basMessage.h"

namespace {

bool Setting(int32_t index) { return basMockDraftSettings::GlobalSettings().BoolVal(index); }

}  // namespace

clsUpdateChecks::clsUpdateChecks(UpdateChecksView& view) : view_(view) {}

clsUpdateChecks::~clsUpdateChecks() = default;

void clsUpdateChecks::SetStatus(const std::string& text) {
  status_ = text;
  view_.ShowUpdateStatus(text);
}

bool clsUpdateChecks::RefuseWhileRunning(bool manual) {
  if (!Running()) return false;
  if (manual) basMessage::ShowMessage(kBusyCaption, kBusyText, seams::kOk, true);
  return true;
}

void clsUpdateChecks::SyncUpdates() {
  if (Setting(kSetCheckApplicationUpdate)) {
    chainPlayerUpdate_ = true;
    AppUpdate(false);
  } else if (Setting(kSetCheckPlayerUpdates)) {
    PlaUpdate(false);
  }
}

void clsUpdateChecks::AppUpdate(bool manual) {
  if (!Setting(kSetCheckApplicationUpdate) && !manual) return;
  if (RefuseWhileRunning(manual)) return;
  SetStatus("Checking for app update...");
  mAppUpdate_ = std::make_shared<clsAppUpdate>();
  mAppUpdate_->DoneAppUpdate = [this](bool, bool) { mAppUpdate_DoneAppUpdate(); };
  if (!mAppUpdate_->InitializeAppUpdate(manual)) mAppUpdate_DoneAppUpdate();
}

void clsUpdateChecks::mAppUpdate_DoneAppUpdate() {
  mAppUpdate_.reset();
  SetStatus("");
  // The player update follows the start-up check, also a failed one.
  if (chainPlayerUpdate_) {
    chainPlayerUpdate_ = false;
    if (Setting(kSetCheckPlayerUpdates)) PlaUpdate(false);
  }
}

void clsUpdateChecks::PlaUpdate(bool manual) {
  if (!Setting(kSetCheckPlayerUpdates) && !manual) return;
  if (RefuseWhileRunning(manual)) return;
  SetStatus("Checking for player updates...");
  mPlaUpdate_ = std::make_shared<clsPlayerUpdate>();
  mPlaUpdate_->ReadyForRequested = [this](bool isManual, bool ok) { mPlaUpdate_ReadyForRequested(isManual, ok); };
  mPlaUpdate_->DonePlayerUpdate = [this](bool, bool) { EndPlayerUpdate(); };
  const int32_t season = basMockDraftSettings::GlobalSettings().LongVal(kSetActiveSeason);
  if (!mPlaUpdate_->InitializePlayerUpdate(manual, season)) EndPlayerUpdate();
}

void clsUpdateChecks::mPlaUpdate_ReadyForRequested(bool manual, bool ok) {
  // Held here: the handlers below may end the run.
  const std::shared_ptr<clsPlayerUpdate> run = mPlaUpdate_;
  if (!run) return;
  const int32_t n = run->TotalFileCount();
  if (ok && n == 0) {
    if (manual) {
      basMessage::ShowMessage("Check For " + std::to_string(run->FileYear()) + " Updates",
                              "No new player updates available.", seams::kOk, true);
    }
    EndPlayerUpdate();
    return;
  }
  if (n < 1) {
    EndPlayerUpdate();
    return;
  }
  if (Setting(kSetCheckPlayerUpdates) && Setting(kSetDownloadAllUpdates)) {
    for (int32_t i = 0; i < n; ++i) run->SetRequestFile(i, true);
    if (!run->DownloadRequested() && mPlaUpdate_ == run) EndPlayerUpdate();
    return;
  }
  view_.ShowUpdateSelection(run);
  if (mPlaUpdate_ == run && !run->AnyDownloads()) EndPlayerUpdate();
}

void clsUpdateChecks::EndPlayerUpdate() {
  mPlaUpdate_.reset();
  SetStatus("");
}
