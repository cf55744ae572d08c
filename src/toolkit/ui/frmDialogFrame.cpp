#include "toolkit/ui/frmDialogFrame.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

frmDialogFrame::frmDialogFrame(QWidget* owner, const char* caption)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
  basFormLook::Apply(this, "Arial");
  basFormLook::UseOwnerIcon(this, owner);
  setWindowTitle(QString::fromUtf8(caption));
}

frmDialogFrame::~frmDialogFrame() = default;

void frmDialogFrame::ShowModal() {
  basFormLook::CentreOver(this, parentWidget());
  exec();
}

clsButton* frmDialogFrame::AddButtonBar(QWidget* parent, const QRect& at, int32_t buttonWidth,
                                        const std::vector<std::string>& captions) {
  auto* picture = new PictureBox(parent);
  picture->setGeometry(at);
  auto* timer = new QTimer(this);
  timers_.push_back(timer);
  auto* bar = new clsButton(this);
  basButtonMocks::SetUpButtonBar(*bar, picture, timer, buttonWidth, captions, false);
  return bar;
}

clsButton* frmDialogFrame::AddAnswerBar(const QRect& at, const std::vector<std::string>& captions,
                                        bool returnAnswers) {
  answerBar_ = AddButtonBar(this, at, 72, captions);
  returnAnswers_ = returnAnswers;
  connect(answerBar_, &clsButton::Click, this, &frmDialogFrame::Answered);
  return answerBar_;
}

QLabel* frmDialogFrame::AddField(QWidget* parent, const QRect& at) {
  auto* label = new PlainLabel(parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setGeometry(at);
  return label;
}

bool frmDialogFrame::PressesPicture(const QEvent& event) {
  if (event.type() == QEvent::MouseButtonRelease)
    return static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
  return event.type() == QEvent::KeyPress && static_cast<const QKeyEvent&>(event).key() == Qt::Key_Space;
}

void frmDialogFrame::Answer(int32_t /*index*/) {}

bool frmDialogFrame::Closed() const { return true; }

void frmDialogFrame::Closing() {}

void frmDialogFrame::Answered(int32_t index) {
  Answer(index);
  if (Closed()) accept();
}

void frmDialogFrame::keyPressEvent(QKeyEvent* event) {
  if (returnAnswers_ && clsButton::IsReturnKey(*event)) {
    Answered(0);
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmDialogFrame::done(int result) {
  Closing();
  // A dialog that closed polls no pointer while it waits to be destroyed.
  for (QTimer* timer : timers_) timer->stop();
  QDialog::done(result);
}
