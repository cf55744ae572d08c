#pragma once
// A journey through the real application as a new user makes it: the main
// window in an empty home with every window library registered, its windows
// driven with the pointer, the mouse and the keys, modal windows answered
// by the script, the shell-open seam recording what would open, and every
// message box recorded with its caption and text as the program passed
// them. Each journey leaves numbered screenshots of the windows it passed
// through in <build>/tests/app/screenshots/journeys/<journey>/.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "MainWindowHarness.h"

class FlexGridWidget;
class QListWidget;

void RegisterAllWindows();

namespace kdtest {

// A message box as the program asked for it.
struct SeenMessage {
  std::string caption;
  std::string text;
  bool operator==(const SeenMessage&) const = default;
};
void PrintTo(const SeenMessage& m, std::ostream* os);
using Messages = std::vector<SeenMessage>;

// Records each box, then shows the real one.
class RecordingMessageBox final : public seams::MessageBoxView {
 public:
  RecordingMessageBox();
  std::string ShowMessage(const std::string& caption, const std::string& text, int32_t buttonSet,
                          bool modal) override;
  seams::PlainAnswer PlainMessage(const std::string& text, seams::PlainButtons buttons, seams::PlainIcon icon,
                                  const std::string& caption) override;
  Messages seen;

 private:
  std::unique_ptr<seams::MessageBoxView> real_;
};

class Journey : public MainWindowTest {
 protected:
  Journey();
  ~Journey() override;

  // The first start in the empty home: the first-run window's two update
  // checks are unticked with the mouse (no journey reaches an update server
  // unasked), then "OK".
  bool StartApplication();
  // File > Open Project, the project picked from the application's file dialog.
  void OpenProject(const std::string& name);

  // The window as it is now, for a person to look at.
  void Shot(QWidget* widget, const std::string& what);
  void Shot(const std::string& what) { Shot(window.get(), what); }
  // A picture for the user guide (docs/images/), of the main window at
  // the guide's size.
  void GuideShot(const std::string& name);

  // The next application message box: photographed, then button `index`.
  void AnswerMessage(int32_t index);
  // The next plain box: photographed, then its button.
  void AnswerPlain(QMessageBox::StandardButton button);
  // The application's file dialog: a name typed and Enter, or a listed
  // file double-clicked.
  void TypeInFileDialog(const std::string& name);
  void PickInFileDialog(const std::string& name);
  // The system open or save dialog: the whole path typed (none: the name
  // it proposes kept) and Enter.
  void TypeInSystemDialog(const std::string& path);

  // Left clicks: in the middle of a widget, on the box of a check or
  // option button, on a tab of a strip, on a grid cell (scrolled into view
  // first).
  static void Click(QWidget* widget);
  static void ClickOption(QAbstractButton* button);
  void ClickTab(clsTabStrip* strip, int32_t index) { PressTab(*pointer, strip, index); }
  static void ClickCell(FlexGridWidget* grid, int32_t row, int32_t col);
  // A left click on the item of a list that shows `text`.
  static void ClickItem(QListWidget* list, const std::string& text);

  // Until the condition holds; false when it never did.
  static bool WaitFor(const std::function<bool()>& condition, int ms = 60000);

  // What the user was told, in order, and what was opened for viewing.
  const Messages& Told() const { return told_->seen; }
  const std::vector<std::string>& Opened() const { return opened_->opened; }

 private:
  void GuardUnscriptedWindows();

  RecordingMessageBox* told_ = nullptr;
  FakeShellOpen* opened_ = nullptr;
  QTimer guard_;
  QWidget* waiting_ = nullptr;
  QElapsedTimer since_;
  int shots_ = 0;
};

}  // namespace kdtest
