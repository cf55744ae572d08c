#pragma once
// The start page (page code 14): the application's title and version, and
// fixed text on getting started, updates and problems with six links to
// the maker's web pages. A click on a link opens its own address, and so
// does Return on the link Tab has reached.

#include <QLabel>
#include <array>

#include "shell/ui/frmPage.h"

namespace shell_ui {

class frmWelcome : public frmPage {
  Q_OBJECT

 public:
  static constexpr int32_t kLinks = 6;

  explicit frmWelcome(QWidget* parent);

  QLabel* lblHead() const { return lblHead_; }
  QLabel* lblLink(int32_t index) const { return lblLink_.at(static_cast<std::size_t>(index)); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void lblLink_Click(int32_t index);

  QLabel* lblHead_;
  std::array<QLabel*, kLinks> lblLink_{};
};

}  // namespace shell_ui
