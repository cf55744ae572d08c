#include "player_data/ui/UpdateChecksWindows.h"

#include <QPointer>

#include "player_data/ui/frmUpdate.h"
#include "shell/ui/RealSeams.h"

void UpdateChecksWindows::ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) {
  QPointer<frmUpdate> window = new frmUpdate(shell_ui::OwnerWindow());
  window->SetUC(run);
  window->exec();
  delete window.data();
}
