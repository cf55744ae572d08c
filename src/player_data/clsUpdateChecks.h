#pragma once
// The update checks the main bar starts: the application check and the
// player update of the season of setting 40. Each runs until its updater
// says it is over, or it is cancelled, and then calls the `ended` given
// when it started. When a player update offers files, all are taken
// (settings 1 and 38) or the selection window is shown. A check the user
// asked for always ends with an answer: what is new, "No new player updates
// available." when the server said there is nothing, or one message saying
// that the check failed and why. A check at start-up that fails is silent.
// The start-up player check that follows the start-up application check
// belongs to the same check: it has only what the application check left of
// the deadline (the time the user spends answering aside), and none when
// that has passed.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "player_data/clsAppUpdate.h"

class clsPlayerUpdate;

class UpdateChecksView {
 public:
  virtual ~UpdateChecksView() = default;
  // The Updates selection window, modal over the main window, for `run`.
  virtual void ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) = 0;
};

class clsUpdateChecks {
 public:
  // `program` and `downloadPage`: this program's version and the maker's
  // page that offers a newer one.
  clsUpdateChecks(UpdateChecksView& view, const clsAppUpdate::Version& program, std::string downloadPage);
  ~clsUpdateChecks();
  clsUpdateChecks(const clsUpdateChecks&) = delete;
  clsUpdateChecks& operator=(const clsUpdateChecks&) = delete;

  // Start a check; `manual` when the user asked for it. False when it could
  // not start (`ended` is then never called). A check started while one of
  // its kind runs replaces it; the main bar runs one check at a time.
  bool AppUpdate(bool manual, std::function<void()> ended);
  bool PlaUpdate(bool manual, std::function<void()> ended);

  bool Running() const { return mAppUpdate_ != nullptr || mPlaUpdate_ != nullptr; }
  // Stops the checks under way, silently; each calls its `ended`.
  void Cancel();

 private:
  void mAppUpdate_DoneAppUpdate();
  void mPlaUpdate_ReadyForRequested(bool manual, bool ok);
  void mPlaUpdate_DonePlayerUpdate(bool unpacked);
  void EndPlayerUpdate();

  UpdateChecksView& view_;
  clsAppUpdate::Version program_;
  std::string downloadPage_;
  std::shared_ptr<clsAppUpdate> mAppUpdate_;
  std::shared_ptr<clsPlayerUpdate> mPlaUpdate_;
  std::function<void()> appEnded_;
  // The clock of the application check that ended last, for the start-up
  // player check that follows it.
  std::optional<basUpdateServer::CheckClock> appClock_;
  std::function<void()> playerEnded_;
};
