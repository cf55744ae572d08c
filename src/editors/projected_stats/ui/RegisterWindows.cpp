#include "core/PageCode.h"
#include "editors/projected_stats/ui/frmProjected.h"
#include "editors/projected_stats/ui/frmStrain.h"
#include "shell/ui/PageRegistry.h"

namespace editors_projected_stats_ui {

void RegisterWindows() {
  shell_ui::RegisterPage(kPageProjectedStats, [](QWidget* parent) { return new frmProjected(parent); });
  RegisterStrainWindow();
}

}  // namespace editors_projected_stats_ui
