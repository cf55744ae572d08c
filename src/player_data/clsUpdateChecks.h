#pragma once
// The update checks the main bar starts: the application check and the
// player update of the season of setting 40. Each runs until its updater
// says it is over and then calls the `ended` given when it started. When a
// player update offers files, all are taken (settings 1 and 38) or the
// selection window is shown; when it offers none, a check the user asked
// for says so.

#include <functional>
#include <memory>
#include <string>

class clsAppUpdate;
class clsPlayerUpdate;

class UpdateChecksView {
 public:
  virtual ~UpdateChecksView() = default;
  // The Updates selection window, modal over the main window, for `run`.
  virtual void ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) = 0;
};

class clsUpdateChecks {
 public:
  explicit clsUpdateChecks(UpdateChecksView& view);
  ~clsUpdateChecks();
  clsUpdateChecks(const clsUpdateChecks&) = delete;
  clsUpdateChecks& operator=(const clsUpdateChecks&) = delete;

  // Start a check; `manual` when the user asked for it. False when it could
  // not start (`ended` is then never called). A check started while one of
  // its kind runs replaces it; the main bar runs one check at a time.
  bool AppUpdate(bool manual, std::function<void()> ended);
  bool PlaUpdate(bool manual, std::function<void()> ended);

  bool Running() const { return mAppUpdate_ != nullptr || mPlaUpdate_ != nullptr; }

 private:
  void mAppUpdate_DoneAppUpdate();
  void mPlaUpdate_ReadyForRequested(bool manual, bool ok);
  void EndPlayerUpdate();

  UpdateChecksView& view_;
  std::shared_ptr<clsAppUpdate> mAppUpdate_;
  std::shared_ptr<clsPlayerUpdate> mPlaUpdate_;
  std::function<void()> appEnded_;
  std::function<void()> playerEnded_;
};
