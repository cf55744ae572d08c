#include <gtest/gtest.h>

#include <QBuffer>
#include <QIcon>
#include <QImage>
#include <QWidget>

#include "TempDir.h"
#include "toolkit/ui/clsHiResIcon.h"

namespace {

// Appends `v` little-endian in `bytes` bytes.
void Put(std::string& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// An icon file holding one 32 x 32 image of one colour.
std::string SingleImageIcon(uint8_t r, uint8_t g, uint8_t b) {
  std::string body;
  // header: size 40, 32 wide, 64 high (image and mask), 1 plane, 32 bits, the rest zero
  for (const auto& [v, n] : {std::pair{40u, 4}, {32u, 4}, {64u, 4}, {1u, 2}, {32u, 2}}) Put(body, v, n);
  body += std::string(24, '\0');
  for (int i = 0; i < 32 * 32; ++i) Put(body, 0xFF000000u | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b, 4);
  body += std::string(32 * 4, '\0');  // AND mask: all opaque
  std::string f;
  // directory: reserved, type 1, one entry; 32 x 32, no palette, 1 plane, 32 bits, size, offset 22
  for (const auto& [v, n] : {std::pair{0u, 2}, {1u, 2}, {1u, 2}, {32u, 1}, {32u, 1}, {0u, 1}, {0u, 1},
                             {1u, 2}, {32u, 2}, {static_cast<uint32_t>(body.size()), 4}, {22u, 4}})
    Put(f, v, n);
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
