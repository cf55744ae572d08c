#include "core/PageCode.h"
#include "editors/league/ui/frmLeague.h"
#include "shell/ui/PageRegistry.h"

namespace editors_league_ui {

void RegisterWindows() {
  shell_ui::RegisterPage(kPageLeagueProperties, [](QWidget* parent) { return new frmLeague(parent); });
}

}  // namespace editors_league_ui
