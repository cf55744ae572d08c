#include "core/PageCode.h"
#include "editors/strategy/ui/frmDraftStrategies.h"
#include "shell/ui/PageRegistry.h"

namespace editors_strategy_ui {

void RegisterWindows() {
  shell_ui::RegisterPage(kPageDraftStrategies, [](QWidget* parent) { return new frmDraftStrategies(parent); });
}

}  // namespace editors_strategy_ui
