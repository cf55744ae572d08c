// The player-data dialogs other windows open: the projected-stats page's
// new-file dialog and properties window (shown by its window through
// shell_ui::ShowDialog) and File > Create Projection Strain File.

#include "player_data/ui/frmNewProjected.h"
#include "player_data/ui/frmProInfo.h"
#include "player_data/ui/frmStrain.h"
#include "shell/ui/PageRegistry.h"

namespace player_data_ui {

namespace {

template <class Window, class Controller>
void RegisterDialogWindow() {
  shell_ui::RegisterDialog<Controller>([](Controller& controller, QWidget* owner) {
    Window window(controller, owner);
    window.ShowModal();
  });
}

}  // namespace

void RegisterDialogs() {
  RegisterDialogWindow<frmNewProjected, clsUINewProjected>();
  RegisterDialogWindow<frmProInfo, clsUIProInfo>();
  shell_ui::RegisterMenuWindow(shell_ui::MenuWindow::kProjectionStrain,
                               [](QWidget* mainWindow) { frmStrain::Open(mainWindow); });
}

}  // namespace player_data_ui
