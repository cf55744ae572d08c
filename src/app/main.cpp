// Starts the application: the real windows behind the seams, the pages and
// windows of every window library, then the main window, whose load step
// runs the start-up. A start-up that fails (no work folder) ends the
// program with a non-zero status and without saving anything.
#include <QApplication>

#include "shell/ui/RealSeams.h"
#include "toolkit/ui/basFormLook.h"
#include "shell/ui/frmMDIMock.h"

void RegisterAllWindows();

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kickwell Draftyard");
  basFormLook::ApplyApplicationLook();
  shell_ui::InstallRealSeams();
  RegisterAllWindows();
  shell_ui::frmMDIMock window;
  if (!window.Load()) return 1;
  window.ShowPlaced();
  return QApplication::exec();
}
