// Starts the application: one main window and the event loop.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kickwell Draftyard");
  QMainWindow window;
  window.setWindowTitle("Kickwell Draftyard - [No Project Name]");
  window.resize(1024, 720);
  window.show();
  return QApplication::exec();
}
