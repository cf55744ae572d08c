#pragma once
// The About window (Help menu): the project page's title picture and the
// application's title, running version and maker. Modal; closed from its
// title bar or with Escape.

#include <QDialog>
#include <string>

class PictureBox;
class QLabel;

namespace shell_ui {

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* owner = nullptr);

  // The text of the window, lines separated by CR LF.
  static std::string AboutText();

  PictureBox* Picture1() const { return picture1_; }
  QLabel* Label1() const { return label1_; }

 private:
  PictureBox* picture1_;
  QLabel* label1_;
};

}  // namespace shell_ui
