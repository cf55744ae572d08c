#include "player_data/ui/UpdateChecksWindows.h"

#include <QPointer>

#include "player_data/ui/frmMsgUpdate.h"
#include "player_data/ui/frmUpdate.h"
#include "shell/AppInfo.h"
#include "shell/ui/RealSeams.h"
#include "shell/ui/frmMainBar.h"

namespace player_data_ui {

UpdateChecksWindows::UpdateChecksWindows(QObject* parent)
    : QObject(parent),
      checks_(*this, {AppInfo::kMajor, AppInfo::kMinor, AppInfo::kRevision}, AppInfo::kAppDownloadAddress) {}

void UpdateChecksWindows::ShowUpdateSelection(const std::shared_ptr<clsPlayerUpdate>& run) {
  QPointer<frmUpdate> window = new frmUpdate(shell_ui::OwnerWindow());
  window->SetUC(run);
  window->exec();
  delete window.data();
}

UpdateChecksWindows& UpdateChecksWindows::Of(shell_ui::frmMainBar& bar) {
  if (auto* existing = bar.findChild<UpdateChecksWindows*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
  return *new UpdateChecksWindows(&bar);
}

void RegisterWindows() {
  seams::Install(std::make_unique<StrainUpdatePromptWindow>());
  shell_ui::frmMainBar::SetUpdateChecks(
      [](shell_ui::frmMainBar& bar, bool manual) {
        QPointer<shell_ui::frmMainBar> owner(&bar);
        return UpdateChecksWindows::Of(bar).Checks().AppUpdate(manual, [owner] {
          if (owner) owner->EndAppUpdate();
        });
      },
      [](shell_ui::frmMainBar& bar, bool manual) {
        QPointer<shell_ui::frmMainBar> owner(&bar);
        return UpdateChecksWindows::Of(bar).Checks().PlaUpdate(manual, [owner] {
          if (owner) owner->EndPlayerUpdate();
        });
      },
      [](shell_ui::frmMainBar& bar) { UpdateChecksWindows::Of(bar).Checks().Cancel(); });
}

}  // namespace player_data_ui
