#include <gtest/gtest.h>

#include <QImage>

#include "TempDir.h"
#include "WidgetHarness.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basFont.h"
#include "toolkit/ui/basGraphixManip.h"
#include "toolkit/ui/clsBitmap.h"

using gdi::Rgb;
using kdtest::ExpectPixels;

namespace {

constexpr gdi::COLORREF kKey = Rgb(227, 15, 215);
constexpr gdi::COLORREF kRed = Rgb(255, 0, 0);
constexpr gdi::COLORREF kGrey = Rgb(128, 128, 128);

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
