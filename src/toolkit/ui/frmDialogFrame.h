#pragma once
// The frame of the application's own modal dialogs: a fixed dialog over its
// owner with the owner's icon and the form's font on the button face, its
// owner-drawn button bars in pictures of their own whose timers stop when
// the dialog closes, and the bar that answers it. A button of that bar goes
// to Answer(index), and the dialog closes once Closed() says it is done;
// where the dialog has a default, Return and keypad Enter on any other
// control answer the bar's first button. Every close (an answer, Escape,
// the close box) goes through Closing() first.
//
// A dialog whose rules live in a headless controller derives from
// frmDialogWindow<clsUIX>, which answers Closed() and Closing() from
// the controller's Closed() and CloseWindow() and names the dialog by its
// kCaption; the window then only lays out its controls and forwards their
// clicks.

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

class QEvent;
class QKeyEvent;
class QLabel;
class QRect;
class QTimer;
class clsButton;

class frmDialogFrame : public QDialog {
  Q_OBJECT

 public:
  ~frmDialogFrame() override;

  // Shows the dialog modally, centred over its owner's window; returns once
  // it closed.
  void ShowModal();
  void done(int result) override;

 protected:
  frmDialogFrame(QWidget* owner, const char* caption);

  // A bar of buttons `buttonWidth` wide (basButtonMocks::SetUpButtonBar) in
  // a picture of its own at `at` on `parent`, polled by its own timer.
  clsButton* AddButtonBar(QWidget* parent, const QRect& at, int32_t buttonWidth,
                          const std::vector<std::string>& captions);
  // The bar that answers the dialog, at `at` on the dialog; with
  // `returnAnswers`, Return answers its first button.
  clsButton* AddAnswerBar(const QRect& at, const std::vector<std::string>& captions, bool returnAnswers);
  // A sunken field that shows a file name or a value as plain text.
  static QLabel* AddField(QWidget* parent, const QRect& at);
  // Whether the event, filtered from a picture that acts as a button,
  // presses it: a left click, or Space while it has the focus.
  static bool PressesPicture(const QEvent& event);

  // A button of the answer bar was pressed (or Return answered the first).
  virtual void Answer(int32_t index);
  // After an answer: whether the dialog is done and closes.
  virtual bool Closed() const;
  // The dialog is about to close.
  virtual void Closing();

  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Answered(int32_t index);

  std::vector<QTimer*> timers_;
  clsButton* answerBar_ = nullptr;
  bool returnAnswers_ = false;
};

// The frame of a dialog whose rules are the controller's: the controller
// outlives the window, which shows its state and forwards its clicks.
template <class DialogController>
class frmDialogWindow : public frmDialogFrame {
 public:
  DialogController& Controller() const { return controller_; }

 protected:
  frmDialogWindow(DialogController& controller, QWidget* owner)
      : frmDialogFrame(owner, DialogController::kCaption), controller_(controller) {}
  bool Closed() const override { return controller_.Closed(); }
  void Closing() override { controller_.CloseWindow(); }

  DialogController& controller_;
};
