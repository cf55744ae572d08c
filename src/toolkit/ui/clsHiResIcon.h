#pragma once
// Gives a window crisp icons from an icon file: the 16 x 16 image for the
// title bar and task switcher, and the file's image at the default size
// (32 x 32) for the large icon. The object keeps both for as long as the
// window uses them.

#include <QImage>
#include <string>

class QWidget;

class clsHiResIcon {
 public:
  // Loads both icons and sets those that loaded on the window. A missing
  // file, or one that is not an icon, leaves the window's icons as they were.
  void CreateHiResIcon(QWidget* form, const std::string& iconFile);

  const QImage& SmallIcon() const { return small_; }
  const QImage& BigIcon() const { return big_; }

  static constexpr int kSmallSize = 16;
  static constexpr int kDefaultSize = 32;

 private:
  QImage small_;
  QImage big_;
};
