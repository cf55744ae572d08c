#include "shell/ui/frmPage.h"

#include "toolkit/ui/basFormLook.h"

namespace shell_ui {

frmPage::frmPage(QWidget* parent, int32_t pageCode) : QWidget(parent), pageCode_(pageCode) {
  basFormLook::Apply(this, "Arial");
  setAutoFillBackground(true);
  // Hidden until the switch shows it, also when the main window shows first.
  hide();
}

frmPage::~frmPage() = default;

bool frmPage::ActivateForm() { return commands_ == nullptr || commands_->ActivateForm(); }

bool frmPage::QueryUnload() { return commands_ == nullptr || commands_->QueryUnload(); }

void frmPage::FileCommand(int32_t index) {
  if (commands_ != nullptr) commands_->FileCommand(index);
}

void frmPage::RunDocumentJob(int32_t jobCode) {
  if (commands_ != nullptr) commands_->RunDocumentJob(jobCode);
}

void frmPage::SettingsSaved() {
  if (commands_ != nullptr) commands_->SettingsSaved();
}

void frmPage::ShowPage() {
  show();
  raise();
  // A page opened from a menu or the main bar takes the keys at once: the
  // focus goes to its first control unless the page placed it itself (the
  // control that had it went with the page closed before).
  const QWidget* focus = window()->focusWidget();
  if (focus == this || isAncestorOf(focus)) return;
  for (QWidget* w = nextInFocusChain(); w != nullptr && w != this; w = w->nextInFocusChain()) {
    if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled() && w->isVisibleTo(this)) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void frmPage::Place(int32_t left, int32_t top, int32_t width, int32_t height) {
  setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}

void frmPage::SetPageEnabled(bool enabled) { setEnabled(enabled); }

void frmPage::Repaint() { repaint(); }

}  // namespace shell_ui
