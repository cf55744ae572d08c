#pragma once
// The application's message box: a fixed dialog with a text area and an
// owner-drawn strip of one to three buttons. A text longer than the design's
// area makes the box taller (and, for a word too wide to wrap, wider),
// within the screen, so that no line is cut; a word is never split between
// lines unless it is wider than the box can grow, and then only after a
// "/". The answer belongs to the button's position: "save", "nosave",
// "cancel"; a box closed from its title bar (or with Escape) answers "".
//
// Keys: the first button has the focus when the box opens; Tab and
// Shift+Tab move it, and Return, keypad Enter and Space answer the button
// that has it.

#include <QDialog>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

class PictureBox;
class QLabel;
class clsButton;

class frmMessage : public QDialog {
  Q_OBJECT

 public:
  // Client area 6090 x 1680 twips; the outer width the strip is placed
  // from adds the fixed dialog frame of 3 pixels at each side.
  static constexpr int32_t kClientWidthTwips = 6090;
  static constexpr int32_t kClientHeightTwips = 1680;
  static constexpr int32_t kOuterWidthTwips = kClientWidthTwips + 2 * 45;

  explicit frmMessage(QWidget* owner = nullptr);
  ~frmMessage() override;

  // The caption and text of the box; lines of the text are separated by
  // CR LF. The box takes the size the text needs.
  void Load(const std::string& caption, const std::string& text);
  // Builds the button strip of a seams::MessageButtonSet; any other value
  // builds none.
  void SetButtonType(int32_t buttonSet);
  // Hides the box, lets the screen under it repaint and releases the strip.
  void Unload();

  const std::string& Answer() const { return answer_; }

  // The controls, for the windows' tests.
  QLabel* lblView() const { return lblView_; }
  PictureBox* picBtn() const { return picBtn_; }
  clsButton* mBtn() const { return mBtn_.get(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  void mBtn_Click(int32_t index);

 private:
  void FitToText();

  QLabel* lblView_;
  PictureBox* picBtn_;
  QTimer* timBtn_;
  std::unique_ptr<clsButton> mBtn_;
  std::string answer_;
  QString text_;             // as loaded, lines separated by '\n'
  int32_t extraWidth_ = 0;   // pixels added to the design for the text
  int32_t extraHeight_ = 0;
};
