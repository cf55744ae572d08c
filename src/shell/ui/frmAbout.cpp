#include "shell/ui/frmAbout.h"

#include <QLabel>

#include "core/PageCode.h"
#include "platform/runtime/Text.h"
#include "shell/AppInfo.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"

namespace shell_ui {

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      picture1_(new PictureBox(this)),
      label1_(new PlainLabel(this)) {
  basFormLook::Apply(this, "Arial");
  setWindowTitle("About Kickwell Draftyard");
  setWindowIcon(QIcon());
  setFixedSize(380, 150);
  picture1_->setGeometry(16, 16, 32, 28);
  picture1_->SetBackColor(picture1_->BackColor());
  basButtonMocks::DrawPageTitleImage(kPageProject, picture1_);
  picture1_->Refresh();
  label1_->setGeometry(64, 16, 300, 120);
  label1_->setWordWrap(true);
  label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label1_->setText(QString::fromStdString(runtime::ReplaceAll(AboutText(), runtime::kCrLf, "\n")));
}

std::string frmAbout::AboutText() {
  const std::string crlf(runtime::kCrLf);
  return std::string(AppInfo::kTitle) + crlf + "Version " + AppInfo::VersionText() + crlf + crlf +
         "Kickwell Draftyard is fantasy football software designed to aid the user in preparation for the draft "
         "process." +
         crlf + crlf + "Made by " + AppInfo::kMaker + ".";
}

}  // namespace shell_ui
