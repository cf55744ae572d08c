// Starts the application: the real windows behind the seams, one main
// window and the event loop.
#include <QApplication>
#include <QMainWindow>

#include "shell/ui/RealSeams.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kickwell Draftyard");
  shell_ui::InstallRealSeams();
  QMainWindow window;
  window.setWindowTitle("Kickwell Draftyard - [No Project Name]");
  window.resize(1024, 720);
  window.show();
  return QApplication::exec();
}
