#pragma once
// The window of a page that no library has registered yet: it names the
// page and says that it is not built yet, so every menu entry and main-bar
// icon gives feedback. In place of the project page it also carries out
// the project's Open, Save and Save As, so projects can be opened and
// saved before the project page exists.

#include <QLabel>

#include "shell/ui/frmPage.h"

namespace shell_ui {

class frmPlaceholderPage : public frmPage {
  Q_OBJECT

 public:
  frmPlaceholderPage(QWidget* parent, int32_t pageCode);

  void FileCommand(int32_t index) override;

  QLabel* lblText() const { return lblText_; }

 private:
  void ShowText();

  QLabel* lblText_;
};

}  // namespace shell_ui
