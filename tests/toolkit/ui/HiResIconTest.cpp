#include <gtest/gtest.h>

#include <QBuffer>
#include <QIcon>
#include <QImage>
#include <QWidget>

#include "TempDir.h"
#include "toolkit/ui/clsHiResIcon.h"

namespace {

void Put16(std::string& b, int v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, uint32_t v) {
  Put16(b, static_cast<int>(v & 0xFFFF));
  Put16(b, static_cast<int>(v >> 16));
}

// An icon file holding one 32 x 32 image of one colour.
std::string SingleImageIcon(uint8_t r, uint8_t g, uint8_t b) {
  std::string body;
  Put32(body, 40);
  Put32(body, 32);
  Put32(body, 64);
  Put16(body, 1);
  Put16(body, 32);
  for (int i = 0; i < 6; ++i) Put32(body, 0);
  for (int i = 0; i < 32 * 32; ++i) {
    body += static_cast<char>(b);
    body += static_cast<char>(g);
    body += static_cast<char>(r);
    body += static_cast<char>(0xFF);
  }
  body += std::string(32 * 4, '\0');  // AND mask: all opaque
  std::string f;
  Put16(f, 0);
  Put16(f, 1);
  Put16(f, 1);
  f += static_cast<char>(32);
  f += static_cast<char>(32);
  f += '\0';
  f += '\0';
  Put16(f, 1);
  Put16(f, 32);
  Put32(f, static_cast<uint32_t>(body.size()));
  Put32(f, 22);
  return f + body;
}

}  // namespace

TEST(clsHiResIcon, ApplicationIconGivesSmallAndLargeImages) {
  QWidget w;
  clsHiResIcon icons;
  icons.CreateHiResIcon(&w, KD_ICON_FILE);
  EXPECT_EQ(icons.SmallIcon().size(), QSize(16, 16));
  EXPECT_EQ(icons.BigIcon().size(), QSize(32, 32));
  const QList<QSize> sizes = w.windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  // the icon is drawn on a transparent ground: corners clear, centre solid
  EXPECT_EQ(qAlpha(icons.BigIcon().pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icons.BigIcon().pixel(16, 16)), 255);
}

TEST(clsHiResIcon, SingleLargeImageStillYieldsBothIcons) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("one.ico"), SingleImageIcon(200, 30, 40));
  QWidget w;
  clsHiResIcon icons;
  icons.CreateHiResIcon(&w, dir.File("one.ico"));
  ASSERT_EQ(icons.SmallIcon().size(), QSize(16, 16));
  ASSERT_EQ(icons.BigIcon().size(), QSize(32, 32));
  EXPECT_EQ(QColor(icons.SmallIcon().pixel(8, 8)), QColor(200, 30, 40));
}

TEST(clsHiResIcon, MissingOrForeignFileKeepsThePreviousIcons) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("text.ico"), "this is not an icon");
  std::string truncated = SingleImageIcon(1, 2, 3);
  truncated.resize(60);
  kdtest::WriteFile(dir.File("short.ico"), truncated);
  QWidget w;
  QImage red(16, 16, QImage::Format_ARGB32);
  red.fill(Qt::red);
  w.setWindowIcon(QIcon(QPixmap::fromImage(red)));
  const qint64 before = w.windowIcon().cacheKey();
  for (const std::string name : {"missing.ico", "text.ico", "short.ico"}) {
    clsHiResIcon icons;
    icons.CreateHiResIcon(&w, dir.File(name));
    EXPECT_TRUE(icons.SmallIcon().isNull()) << name;
    EXPECT_TRUE(icons.BigIcon().isNull()) << name;
    EXPECT_EQ(w.windowIcon().cacheKey(), before) << name;
  }
}
