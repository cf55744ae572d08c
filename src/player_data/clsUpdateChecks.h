#pragma once
// The main bar's update checks: the application check and the player
// update, at start-up (as settings 27 and 1 ask, the player update after
// the application check has ended) and from the Options menu. It holds the
// running check, shows its status line through the view and, when a player
// update offers files, takes them all (settings 1 and 38) or shows the
// selection window.
//
// Only one check runs at a time: a check asked for from the menu while one
// runs is refused with a notice.

#include <memory>
#include <string>

class clsAppUpdate;
class clsPlayerUpdate;

class UpdateChecksView {
 public:
  virtual ~UpdateChecksView() = default;
  // The bar's update status line ("" clears it).
  virtual void ShowUpdateStatus(const std::string& text) = 0;
  // The Updates selection window, modal over the main window, for `run`.
  virtual void ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) = 0;
};

class clsUpdateChecks {
 public:
  static constexpr const char* kBusyCaption = "Kickwell Draftyard Update";
  static constexpr const char* kBusyText = "An update check is already running. Please try again when it has finished.";

  explicit clsUpdateChecks(UpdateChecksView& view);
  ~clsUpdateChecks();
  clsUpdateChecks(const clsUpdateChecks&) = delete;
  clsUpdateChecks& operator=(const clsUpdateChecks&) = delete;

  // The start-up checks.
  void SyncUpdates();
  // The application update check: at start-up when setting 27 is on, or
  // when asked for (manual).
  void AppUpdate(bool manual);
  // The player update of the season of setting 40: at start-up when
  // setting 1 is on, or when asked for (manual).
  void PlaUpdate(bool manual);

  bool Running() const { return mAppUpdate_ != nullptr || mPlaUpdate_ != nullptr; }
  const std::string& StatusText() const { return status_; }

 private:
  bool RefuseWhileRunning(bool manual);
  void SetStatus(const std::string& text);
  void mAppUpdate_DoneAppUpdate();
  void mPlaUpdate_ReadyForRequested(bool manual, bool ok);
  void EndPlayerUpdate();

  UpdateChecksView& view_;
  std::shared_ptr<clsAppUpdate> mAppUpdate_;
  std::shared_ptr<clsPlayerUpdate> mPlaUpdate_;
  // Raised at start-up: the player update follows the application check.
  bool chainPlayerUpdate_ = false;
  std::string status_;
};
