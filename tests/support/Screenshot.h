#pragma once
// Saves a picture of a real window for a person to look at; widget tests
// only (the Qt test build defines KD_SCREENSHOT_DIR).

#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QWidget>
#include <string>

namespace kdtest {

inline void SaveScreenshot(QWidget* widget, const std::string& name) {
  QDir().mkpath(KD_SCREENSHOT_DIR);
  const QString path = QString(KD_SCREENSHOT_DIR) + "/" + QString::fromStdString(name) + ".png";
  EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
}

}  // namespace kdtest
