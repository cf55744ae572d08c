#pragma once
// The "Draft Logic" window: one list in a fixed-pitch font, in which the
// user mock draft shows the reasoning behind a recommended pick. The window
// only displays text; it is driven from outside, shown without blocking the
// main window, and at most one is loaded at a time.

#include <QWidget>
#include <cstdint>
#include <string>

class QListWidget;

class frmLogic : public QWidget {
  Q_OBJECT

 public:
  // The loaded window, or nullptr.
  static frmLogic* Instance();
  static bool IsLogicWindowOpen() { return Instance() != nullptr; }
  // Loads the window (hidden) unless it is loaded; returns it.
  static frmLogic* Load(QWidget* owner);
  // Closes and releases the window when it is loaded.
  static void Unload();

  ~frmLogic() override;

  // Shows the window modeless, centred over its owner when it comes up.
  // Escape closes it.
  void ShowLogic();

  QListWidget* lstLogic() const { return lstLogic_; }

  // Lays the list out over the client area: 60 twips in from the left,
  // top and right, down to the bottom edge. A minimised window is left
  // alone.
  void Form_Resize();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A closed window counts as unloaded at once, though it is deleted later.
  void closeEvent(QCloseEvent* event) override;

 private:
  explicit frmLogic(QWidget* owner);

  QListWidget* lstLogic_;
};
