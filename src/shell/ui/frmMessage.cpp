#include "shell/ui/frmMessage.h"

#include <QLabel>

#include "core/Seams.h"
#include "platform/runtime/Text.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

using basFormLook::Px;

frmMessage::frmMessage(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      lblView_(new QLabel(this)),
      picBtn_(new PictureBox(this)),
      timBtn_(new QTimer(this)) {
  basFormLook::Apply(this, "Arial");
  setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
  basFormLook::UseOwnerIcon(this, owner);
  lblView_->setGeometry(Px(120), Px(240), Px(5805), Px(855));
  lblView_->setTextFormat(Qt::PlainText);
  lblView_->setWordWrap(true);
  lblView_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picBtn_->setGeometry(0, Px(1200), 0, Px(420));
}

frmMessage::~frmMessage() = default;

void frmMessage::Load(const std::string& caption, const std::string& text) {
  setWindowTitle(QString::fromStdString(caption));
  // The label takes '\n'; a CR left in would show as a box in some fonts.
  lblView_->setText(QString::fromStdString(runtime::ReplaceAll(text, runtime::kCrLf, "\n")));
}

void frmMessage::SetButtonType(int32_t buttonSet) {
  struct Set {
    std::vector<std::string> captions;
    int32_t buttonWidth;  // pixels
    int32_t stripTwips;
    int32_t leftTwips;
  };
  Set set;
  switch (buttonSet) {
    case seams::kSaveDontSaveCancel:
      set = {{"Save", "Don't Save", "Cancel"}, 82, 270 * 15, 0};
      break;
    case seams::kYesNo:
      set = {{"Yes", "No"}, 72, 160 * 15, 0};
      break;
    case seams::kOk:
      set = {{"OK"}, 72, 1250, kOuterWidthTwips - 1400};
      break;
    case seams::kYesToAllYesNo:
      set = {{"Yes To All", "Yes", "No"}, 82, 270 * 15, 0};
      break;
    default:
      return;
  }
  if (buttonSet != seams::kOk) set.leftTwips = kOuterWidthTwips - set.stripTwips - 240;
  picBtn_->setGeometry(Px(set.leftTwips), Px(1200), Px(set.stripTwips), Px(420));
  mBtn_ = std::make_unique<clsButton>();
  connect(mBtn_.get(), &clsButton::Click, this, &frmMessage::mBtn_Click);
  basButtonMocks::SetUpButtonBar(*mBtn_, picBtn_, timBtn_, set.buttonWidth, set.captions,
                                 buttonSet == seams::kSaveDontSaveCancel);
}

void frmMessage::Unload() {
  hide();
  DoEvents();
  timBtn_->stop();
  mBtn_.reset();
}

void frmMessage::mBtn_Click(int32_t index) {
  static constexpr const char* kAnswers[] = {seams::kAnswerSave, seams::kAnswerNoSave, seams::kAnswerCancel};
  if (index < 0 || index > 2) return;
  answer_ = kAnswers[index];
  done(QDialog::Accepted);
}
