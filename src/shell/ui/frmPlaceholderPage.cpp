#include "shell/ui/frmPlaceholderPage.h"

#include "core/PageCode.h"
#include "core/clsCheatIsolate.h"
#include "shell/basCheatSheetMenu.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"

namespace shell_ui {

frmPlaceholderPage::frmPlaceholderPage(QWidget* parent, int32_t pageCode)
    : frmPage(parent, pageCode), lblText_(new PlainLabel(this)) {
  lblText_->setGeometry(20, 20, 600, 60);
  lblText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ShowText();
}

void frmPlaceholderPage::FileCommand(int32_t index) {
  if (PageCode() != kPageProject) return;
  if (basCheatSheetMenu::ProjectFileCommand(index)) ShowText();
}

void frmPlaceholderPage::ShowText() {
  std::string title;
  basButtonMocks::PageTitle(PageCode(), title);
  std::string text = " The " + title + " page is not built yet.";
  if (PageCode() == kPageProject) {
    const std::string& name = GlobalProject().FileName();
    text += "\n Project: " + (name.empty() ? std::string("[No Project Name]") : name);
  }
  lblText_->setText(QString::fromStdString(text));
}

}  // namespace shell_ui
