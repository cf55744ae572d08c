#pragma once
// The update checks of the main bar: registered with the bar at start-up,
// they run the application check and the player update for it and show
// the Updates selection window, modal over the main window. One set lives
// with each main bar, as its child.

#include <QObject>
#include <memory>

#include "player_data/clsUpdateChecks.h"

namespace shell_ui {
class frmMainBar;
}

namespace player_data_ui {

class UpdateChecksWindows final : public QObject, public UpdateChecksView {
  Q_OBJECT

 public:
  explicit UpdateChecksWindows(QObject* parent = nullptr);
  void ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) override;

  // The checks of a main bar, made on first use.
  static UpdateChecksWindows& Of(shell_ui::frmMainBar& bar);
  clsUpdateChecks& Checks() { return checks_; }

 private:
  clsUpdateChecks checks_;
};

// Hands the main bar its application and player checks, and puts the
// strain-update prompt's window behind its seam.
void RegisterWindows();

}  // namespace player_data_ui
