#pragma once
// The windows of the update checks: the status line the main bar shows,
// and the Updates selection window, modal over the main window.

#include <functional>
#include <memory>
#include <string>

#include "player_data/clsUpdateChecks.h"

class UpdateChecksWindows final : public UpdateChecksView {
 public:
  // `showStatus` puts the text into the bar's status line.
  explicit UpdateChecksWindows(std::function<void(const std::string&)> showStatus)
      : showStatus_(std::move(showStatus)) {}
  void ShowUpdateStatus(const std::string& text) override {
    if (showStatus_) showStatus_(text);
  }
  void ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) override;

 private:
  std::function<void(const std::string&)> showStatus_;
};
