#include "core/PageCode.h"
#include "editors/scoring/ui/frmScoring.h"
#include "shell/ui/PageRegistry.h"

namespace editors_scoring_ui {

void RegisterWindows() {
  shell_ui::RegisterPage(kPageScoringSystem, [](QWidget* parent) { return new frmScoring(parent); });
}

}  // namespace editors_scoring_ui
