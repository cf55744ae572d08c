#include <gtest/gtest.h>

#include <QImage>

#include "TempDir.h"
#include "WidgetHarness.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basDrawArrow.h"
#include "toolkit/ui/basDrawBorder.h"
#include "toolkit/ui/basFont.h"
#include "toolkit/ui/basGraphixManip.h"
#include "toolkit/ui/clsBitmap.h"

using gdi::Rgb;
using kdtest::ExpectPixels;

namespace {

constexpr gdi::COLORREF kKey = Rgb(227, 15, 215);
constexpr gdi::COLORREF kRed = Rgb(255, 0, 0);
constexpr gdi::COLORREF kGrey = Rgb(128, 128, 128);

bool HasColour(const gdi::MemoryDC& dc, gdi::COLORREF c) {
  for (int32_t y = 0; y < dc.Height(); ++y)
    for (int32_t x = 0; x < dc.Width(); ++x)
      if (dc.GetPixel(x, y) == c) return true;
  return false;
}

}  // namespace

TEST(BitmapResource, EveryResourceLoadsAtItsSize) {
  struct Size {
    int32_t id, width, height;
  };
  for (const Size& s : {Size{109, 5, 21}, Size{110, 39, 21}, Size{111, 46, 21}, Size{112, 8, 21},
                        Size{113, 8, 21},  Size{114, 4, 21},  Size{115, 13, 21}, Size{116, 8, 21},
                        Size{117, 9, 21},  Size{118, 6, 21},  Size{119, 6, 21},  Size{120, 1, 21},
                        Size{144, 16, 16}, Size{150, 16, 16}, Size{146, 32, 28}, Size{147, 32, 28},
                        Size{148, 32, 28}, Size{149, 32, 28}, Size{151, 32, 28}, Size{152, 32, 28},
                        Size{154, 32, 28}, Size{157, 32, 28}, Size{158, 32, 28}, Size{159, 15, 18},
                        Size{160, 15, 18}, Size{161, 15, 18}, Size{167, 15, 18}, Size{162, 14, 14},
                        Size{163, 14, 14}, Size{168, 3, 18},  Size{169, 3, 18}}) {
    clsBitmap b;
    EXPECT_TRUE(b.LoadResImage(s.id)) << s.id;
    EXPECT_EQ(b.Width(), s.width) << s.id;
    EXPECT_EQ(b.Height(), s.height) << s.id;
  }
}

TEST(BitmapResource, UnknownIdRaisesTheResourceError) {
  clsBitmap b;
  EXPECT_THROW(b.LoadResImage(153), ResourceError);
  EXPECT_THROW(b.LoadResImage(0), ResourceError);
  try {
    basBitmapResource::Load(999);
    ADD_FAILURE() << "no error";
  } catch (const ResourceError& e) {
    EXPECT_EQ(e.Id(), 999);
    EXPECT_STREQ(e.what(), "Resource with identifier '999' not found");
  }
}

TEST(BitmapResource, KeyColoursAndTheCheckBoxes) {
  for (int32_t id : {109, 110, 113, 117, 118, 119, 120, 159, 160, 161, 167, 168, 169}) {
    clsBitmap b;
    b.LoadResImage(id);
    EXPECT_TRUE(HasColour(b.hDC(), kKey)) << id;
  }
  // The button images use white as their key, so their own light parts are
  // never pure white: the floppy's label stays visible on a button.
  clsBitmap floppy;
  floppy.LoadResImage(144);
  EXPECT_COLOUR(floppy.hDC().GetPixel(0, 0), gdi::kWhite);
  EXPECT_NE(floppy.hDC().GetPixel(8, 11), gdi::kWhite);
  EXPECT_NE(floppy.hDC().GetPixel(8, 11), Rgb(0, 0, 0));

  clsBitmap empty, ticked;
  empty.LoadResImage(162);
  ticked.LoadResImage(163);
  EXPECT_FALSE(HasColour(empty.hDC(), Rgb(33, 161, 33)));
  EXPECT_TRUE(HasColour(ticked.hDC(), Rgb(33, 161, 33)));
  EXPECT_COLOUR(empty.hDC().GetPixel(0, 0), Rgb(28, 81, 128));
  EXPECT_COLOUR(ticked.hDC().GetPixel(13, 13), Rgb(28, 81, 128));
}

TEST(clsBitmap, BlankBitmapsAndImagesAndIndependentCopies) {
  clsBitmap none;
  none.CreateBlankBitmap(0, 0, kRed);
  EXPECT_EQ(none.Width() + none.Height(), 0);

  clsBitmap b;
  b.CreateBlankBitmap(3, 2, kRed);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_COLOUR(b.hDC().GetPixel(2, 1), kRed);
  EXPECT_EQ(b.hDC().GetBkMode(), gdi::BkMode::kOpaque);
  EXPECT_COLOUR(b.hDC().BkColor(), kRed);

  clsBitmap src;
  src.LoadResImage(159);
  clsBitmap image;
  image.CreateBlankImage(src, kGrey);
  EXPECT_EQ(image.Width(), 15);
  EXPECT_EQ(image.Height(), 18);
  EXPECT_COLOUR(image.hDC().GetPixel(7, 9), kGrey);
  EXPECT_EQ(image.hDC().GetBkMode(), gdi::BkMode::kTransparent);

  clsBitmap copy;
  EXPECT_TRUE(copy.TransferImage(b));
  b.hDC().SetPixel(0, 0, kGrey);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_COLOUR(copy.hDC().GetPixel(0, 0), kRed);
}

TEST(clsBitmap, LoadFileImageReadsBitmapsAndRefusesAnythingElse) {
  kdtest::TempDir dir;
  QImage img(5, 3, QImage::Format_RGB32);
  img.fill(QColor(10, 20, 30));
  ASSERT_TRUE(img.save(QString::fromStdString(dir.File("a.bmp")), "BMP"));
  kdtest::WriteFile(dir.File("junk.bmp"), "BM not really a bitmap");
  kdtest::WriteFile(dir.File("short.bmp"), std::string("BM\x36\x00\x00\x00", 6));

  clsBitmap b;
  EXPECT_TRUE(b.LoadFileImage(dir.File("a.bmp")));
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Height(), 3);
  EXPECT_COLOUR(b.hDC().GetPixel(4, 2), Rgb(10, 20, 30));
  EXPECT_FALSE(b.LoadFileImage(dir.File("missing.bmp")));
  EXPECT_EQ(b.Width(), 0);
  EXPECT_FALSE(b.LoadFileImage(dir.File("junk.bmp")));
  EXPECT_FALSE(b.LoadFileImage(dir.File("short.bmp")));
}

TEST(basGraphixManip, MaskedBlitCopiesAllButKeyPixels) {
  gdi::MemoryDC src(3, 3, kRed);
  gdi::MemoryDC dst(5, 5, kGrey);
  basGraphixManip::MaskedBlit(dst, src, 1, 1, 3, 3, kKey);
  ExpectPixels(dst, {{1, 1, kRed}, {3, 3, kRed}, {4, 4, kGrey}, {0, 0, kGrey}});

  gdi::MemoryDC keyed(3, 3, kKey);
  const QImage before = dst.Image().copy();
  basGraphixManip::MaskedBlit(dst, keyed, 0, 0, 3, 3, kKey);
  EXPECT_EQ(dst.Image(), before);
}

TEST(basGraphixManip, FillSolidInTwipsConvertsAtFifteenToThePixel) {
  gdi::MemoryDC dc(20, 5, gdi::kWhite);
  basGraphixManip::FillSolid(dc, kRed, 0, 0, 150, 15, false, gdi::BS_SOLID, static_cast<gdi::HatchStyle>(8));
  basGraphixManip::FillSolid(dc, kGrey, 2, 2, 3, 2, true, gdi::BS_SOLID, static_cast<gdi::HatchStyle>(8));
  ExpectPixels(dc,
               {{9, 0, kRed}, {10, 0, gdi::kWhite}, {0, 1, gdi::kWhite}, {4, 3, kGrey}, {5, 3, gdi::kWhite}});
}

TEST(basFont, LogFontHeightWeightAndFaceNameLimit) {
  gdi::MemoryDC dc;
  StdFont f;
  gdi::LogFont lf;
  basFont::FontToLogFont(f, dc, lf);  // Arial 8.25
  EXPECT_EQ(lf.faceName, "Arial");
  EXPECT_EQ(lf.height, -11);
  EXPECT_EQ(lf.weight, 400);
  f.Bold = true;
  f.Italic = true;
  f.Size = 10;
  basFont::FontToLogFont(f, dc, lf);
  EXPECT_EQ(lf.height, -13);
  EXPECT_EQ(lf.weight, 700);
  EXPECT_TRUE(lf.italic);
  f.Size = 8.5;  // rounds to 8 points, half to even
  basFont::FontToLogFont(f, dc, lf);
  EXPECT_EQ(lf.height, -11);
  f.Name = std::string(32, 'A');
  EXPECT_NO_THROW(basFont::FontToLogFont(f, dc, lf));
  f.Name = std::string(33, 'A');
  EXPECT_THROW(basFont::FontToLogFont(f, dc, lf), std::out_of_range);
}

TEST(basFont, SelectAndRestoreComeInPairs) {
  gdi::MemoryDC dc;
  const gdi::LogFont original = dc.Font();
  StdFont big;
  big.Size = 14;
  big.Bold = true;
  basFont::SelectFontFromObject(dc, big);
  EXPECT_EQ(dc.Font().weight, 700);
  basFont::RestoreFont(dc);
  EXPECT_EQ(dc.Font(), original);
  basFont::RestoreFont(dc);  // nothing left to restore
  EXPECT_EQ(dc.Font(), original);
}

TEST(basDrawArrow, UpAndDownArrowsAreMirrorImages) {
  kdtest::WidgetHost host;
  PictureBox* up = host.AddPicture(0, 0, 15, 15, gdi::kWhite);
  PictureBox* down = host.AddPicture(20, 0, 15, 15, gdi::kWhite);
  basDrawArrow::DrawFilledArrow(up, 1, 8, kRed);
  basDrawArrow::DrawFilledArrow(down, 2, 8, kRed);
  // size 8: half 4, cx 7, top 15/2 - 4 + 1 = 4: the arrows span rows 4..8.
  const QImage a = up->hDC().Image();
  const QImage b = down->hDC().Image();
  int redPixels = 0;
  for (int y = 4; y <= 8; ++y) {
    for (int x = 0; x < 15; ++x) {
      EXPECT_EQ(a.pixel(x, y), b.pixel(x, 12 - y)) << x << "," << y;
      redPixels += a.pixel(x, y) == gdi::ToQRgb(kRed);
    }
  }
  EXPECT_EQ(redPixels, 1 + 3 + 5 + 7 + 9);
  ExpectPixels(up->hDC(), {{7, 4, kRed}, {7, 3, gdi::kWhite}});  // apex
  ExpectPixels(down->hDC(), {{7, 8, kRed}});
}

TEST(basDrawArrow, DropArrowAndArrowAtSizeThePictureAndDrawTheirTriangles) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 40, 40, gdi::kWhite);
  basDrawArrow::DrawArrow(p, kGrey, 12, 8, 7, kRed, 1, 2, true);
  EXPECT_EQ(p->width(), 12);
  EXPECT_EQ(p->height(), 8);
  EXPECT_COLOUR(p->BackColor(), kGrey);
  // Downward: (3,2), (9,2), (6,5) with m = (7-1)/2 = 3.
  ExpectPixels(p->hDC(), {{3, 2, kRed}, {9, 2, kRed}, {6, 5, kRed}, {6, 6, kGrey}, {10, 2, kGrey}});

  PictureBox* at = host.AddPicture(0, 0, 40, 40, kRed);
  basDrawArrow::DrawArrowAt(at, gdi::kWhite, 10, 6, 7, kGrey);
  EXPECT_EQ(at->width(), 10);
  EXPECT_COLOUR(at->ForeColor(), kGrey);
  // Upward: (4,1), (7,4), (1,4) with m = 4, on a cleared picture.
  ExpectPixels(at->hDC(),
               {{4, 1, kGrey}, {1, 4, kGrey}, {7, 4, kGrey}, {4, 0, gdi::kWhite}, {9, 5, gdi::kWhite}});
}

TEST(basDrawBorder, OutlineFramesTheEdgeAndTheBottomLineStartsAtTheSecondPixel) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 6, 4, gdi::kWhite);
  basDrawBorder::OutlinePicture(p, kRed);
  for (int x = 0; x < 6; ++x) ExpectPixels(p->hDC(), {{x, 0, kRed}, {x, 3, kRed}});
  ExpectPixels(p->hDC(), {{0, 2, kRed}, {5, 1, kRed}, {1, 1, gdi::kWhite}});

  PictureBox* line = host.AddPicture(0, 0, 6, 4, gdi::kWhite);
  basDrawBorder::DrawBottomLine(line, kRed);
  for (int x = 1; x < 6; ++x) ExpectPixels(line->hDC(), {{x, 3, kRed}});
  ExpectPixels(line->hDC(), {{0, 3, gdi::kWhite}, {3, 2, gdi::kWhite}});
  EXPECT_COLOUR(line->ForeColor(), kRed);
}

TEST(PictureBox, BackColourClearsAndResizingKeepsTheImage) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 10, 10, kRed);
  EXPECT_COLOUR(p->hDC().GetPixel(9, 9), kRed);
  p->hDC().SetPixel(1, 1, kGrey);
  p->SetPixelSize(20, 12);
  EXPECT_EQ(p->ScaleWidth(), 20);
  ExpectPixels(p->hDC(), {{1, 1, kGrey}, {19, 11, kRed}});
  p->SetBackColor(gdi::kWhite);
  EXPECT_COLOUR(p->hDC().GetPixel(1, 1), gdi::kWhite);
  p->SetToolTipText("Open");
  EXPECT_EQ(p->toolTip(), "Open");
}

TEST(PictureBox, HiddenPictureDrawsAtItsNewSizeBeforeItIsShown) {
  PictureBox p;  // never shown
  p.SetPixelSize(120, 21);
  EXPECT_EQ(p.ScaleWidth(), 120);
  p.hDC().SetPixel(119, 20, kRed);
  p.setGeometry(0, 0, 140, 21);
  EXPECT_EQ(p.hDC().Width(), 140);
  EXPECT_COLOUR(p.hDC().GetPixel(119, 20), kRed);
}
