#include "player_data/clsUpdateChecks.h"

#include <utility>

#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "player_data/clsAppUpdate.h"
#include "player_data/clsPlayerUpdate.h"
#include "core/basMessage.h"
#include "platform/runtime/Text.h"

namespace {

bool Setting(int32_t index) { return basMockDraftSettings::GlobalSettings().BoolVal(index); }

std::string Caption(const clsPlayerUpdate& run) { return "Check For " + std::to_string(run.FileYear()) + " Updates"; }

// A check the user asked for that could not learn everything says so, and why.
void ShowFailures(const clsPlayerUpdate& run, const std::string& headline) {
  basMessage::ShowMessage(Caption(run), headline + std::string(runtime::kCrLf) + runtime::FirstLines(run.Failures()),
                          seams::kOk, true);
}

// What a check the user asked for says when it ends with nothing to offer:
// why it failed, or, only when the server answered everything, that there
// is nothing new.
void ShowNothingOffered(const clsPlayerUpdate& run) {
  if (run.FailureShown()) return;
  if (!run.Failures().empty()) {
    ShowFailures(run, "Unable to check for player updates.");
  } else {
    basMessage::ShowMessage(Caption(run), "No new player updates available.", seams::kOk, true);
  }
}

}  // namespace

clsUpdateChecks::clsUpdateChecks(UpdateChecksView& view, const clsAppUpdate::Version& program,
                                 std::string downloadPage)
    : view_(view), program_(program), downloadPage_(std::move(downloadPage)) {}

clsUpdateChecks::~clsUpdateChecks() = default;

bool clsUpdateChecks::AppUpdate(bool manual, std::function<void()> ended) {
  appClock_.reset();
  mAppUpdate_ = std::make_shared<clsAppUpdate>();
  mAppUpdate_->SetOwnVersion(program_);
  mAppUpdate_->SetDownloadPage(downloadPage_);
  mAppUpdate_->DoneAppUpdate = [this](bool, bool) { mAppUpdate_DoneAppUpdate(); };
  if (!mAppUpdate_->InitializeAppUpdate(manual)) {
    mAppUpdate_.reset();
    return false;
  }
  appEnded_ = std::move(ended);
  return true;
}

void clsUpdateChecks::mAppUpdate_DoneAppUpdate() {
  if (mAppUpdate_) appClock_ = mAppUpdate_->Clock();
  // The updater is kept alive by its own completion until that returns.
  mAppUpdate_.reset();
  if (auto ended = std::exchange(appEnded_, nullptr)) ended();
}

bool clsUpdateChecks::PlaUpdate(bool manual, std::function<void()> ended) {
  mPlaUpdate_ = std::make_shared<clsPlayerUpdate>();
  mPlaUpdate_->ReadyForRequested = [this](bool isManual, bool ok) { mPlaUpdate_ReadyForRequested(isManual, ok); };
  mPlaUpdate_->DonePlayerUpdate = [this](bool unpacked, bool) { mPlaUpdate_DonePlayerUpdate(unpacked); };
  const int32_t season = basMockDraftSettings::GlobalSettings().LongVal(kSetActiveSeason);
  // Only a start-up check continues the application check's clock; one the
  // user asks for has a deadline of its own.
  std::optional<basUpdateServer::CheckClock> continued = std::exchange(appClock_, std::nullopt);
  if (manual) continued.reset();
  if (!mPlaUpdate_->InitializePlayerUpdate(manual, season, continued)) {
    if (manual && !mPlaUpdate_->Failures().empty()) ShowFailures(*mPlaUpdate_, "Unable to check for player updates.");
    mPlaUpdate_.reset();
    return false;
  }
  playerEnded_ = std::move(ended);
  return true;
}

void clsUpdateChecks::mPlaUpdate_ReadyForRequested(bool manual, bool ok) {
  // Held here: the steps below may end the run.
  const std::shared_ptr<clsPlayerUpdate> run = mPlaUpdate_;
  if (!run) return;
  const int32_t n = run->TotalFileCount();
  if (ok && n == 0) {
    // At start-up nothing new is no news.
    if (manual) ShowNothingOffered(*run);
    EndPlayerUpdate();
    return;
  }
  if (n < 1) {
    EndPlayerUpdate();
    return;
  }
  if (manual && !run->Failures().empty()) ShowFailures(*run, "Some player updates could not be checked.");
  if (mPlaUpdate_ != run) return;
  if (Setting(kSetCheckPlayerUpdates) && Setting(kSetDownloadAllUpdates)) {
    for (int32_t i = 0; i < n; ++i) run->SetRequestFile(i, true);
    if (!run->DownloadRequested() && mPlaUpdate_ == run) EndPlayerUpdate();
    return;
  }
  view_.ShowUpdateSelection(run);
  if (mPlaUpdate_ == run && !run->AnyDownloads()) EndPlayerUpdate();
}

void clsUpdateChecks::mPlaUpdate_DonePlayerUpdate(bool unpacked) {
  // Ended before offering anything: the number file failed or named no
  // update that is not held here.
  if (!unpacked && mPlaUpdate_ && mPlaUpdate_->Manual()) ShowNothingOffered(*mPlaUpdate_);
  EndPlayerUpdate();
}

void clsUpdateChecks::Cancel() {
  // Releasing a check abandons its downloads; its files stay as they were.
  if (mAppUpdate_) mAppUpdate_DoneAppUpdate();
  if (mPlaUpdate_) EndPlayerUpdate();
  // Nothing follows a cancelled check.
  appClock_.reset();
}

void clsUpdateChecks::EndPlayerUpdate() {
  mPlaUpdate_.reset();
  if (auto ended = std::exchange(playerEnded_, nullptr)) ended();
}
