#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <algorithm>

#include "platform/gdi/LogFont.h"
#include "platform/gdi/MemoryDC.h"
#include "platform/gdi/SysColor.h"
#include "platform/gdi/VirtualKey.h"

using namespace gdi;

namespace {

constexpr COLORREF kRed = Rgb(255, 0, 0);
constexpr COLORREF kBlue = Rgb(0, 0, 255);
constexpr COLORREF kKey = Rgb(227, 15, 215);

// The pixels of one row as '#' (colour c) and '.' (anything else).
std::string Row(const MemoryDC& dc, int32_t y, COLORREF c) {
  std::string s;
  for (int32_t x = 0; x < dc.Width(); ++x) s += dc.GetPixel(x, y) == c ? '#' : '.';
  return s;
}

std::vector<std::string> Rows(const MemoryDC& dc, COLORREF c) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < dc.Height(); ++y) rows.push_back(Row(dc, y, c));
  return rows;
}

// The smallest rectangle (right and bottom inclusive) holding every pixel
// that is not the background; right is -1 when there is none.
Rect InkBox(const MemoryDC& dc, COLORREF background) {
  Rect box{dc.Width(), dc.Height(), -1, -1};
  for (int32_t y = 0; y < dc.Height(); ++y)
    for (int32_t x = 0; x < dc.Width(); ++x)
      if (dc.GetPixel(x, y) != background) {
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
      }
  return box;
}

int CountColour(const MemoryDC& dc, COLORREF c) {
  int n = 0;
  for (int32_t y = 0; y < dc.Height(); ++y)
    for (int32_t x = 0; x < dc.Width(); ++x) n += dc.GetPixel(x, y) == c;
  return n;
}

}  // namespace

TEST(GdiColour, ColorrefKeepsRedInTheLowByte) {
  EXPECT_EQ(Rgb(1, 2, 3), 0x00030201u);
  EXPECT_EQ(RedOf(0x00030201u), 1);
  EXPECT_EQ(GreenOf(0x00030201u), 2);
  EXPECT_EQ(BlueOf(0x00030201u), 3);
  EXPECT_EQ(ToQRgb(Rgb(1, 2, 3)), 0xFF010203u);
  EXPECT_EQ(FromQRgb(0xFF010203u), Rgb(1, 2, 3));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Rgb(236, 233, 216));
  EXPECT_EQ(GetSysColor(99), 0u);
}

TEST(MemoryDC, NewBitmapIsFilledAndReadsBackExactly) {
  MemoryDC dc(3, 2, kKey);
  EXPECT_EQ(dc.Width(), 3);
  EXPECT_EQ(dc.Height(), 2);
  EXPECT_EQ(CountColour(dc, kKey), 6);
  EXPECT_EQ(dc.GetPixel(3, 0), kInvalidColour);
  EXPECT_EQ(dc.GetPixel(-1, 0), kInvalidColour);
  dc.SetPixel(99, 99, kRed);  // outside: ignored
  EXPECT_EQ(CountColour(dc, kKey), 6);
}

TEST(MemoryDC, ZeroOrNegativeSizeGivesAnEmptyImage) {
  MemoryDC dc(0, 0, kRed);
  EXPECT_TRUE(dc.IsNull());
  EXPECT_EQ(dc.Width(), 0);
  dc.CreateBitmap(-5, 4, kRed);
  EXPECT_EQ(dc.Width(), 0);
  dc.FillRect({0, 0, 10, 10}, kBlue);  // nothing to draw on, no crash
  dc.DrawLine(0, 0, 5, 5, kBlue);
  dc.DrawText("x", {0, 0, 5, 5}, DT_SINGLELINE);
}

TEST(MemoryDC, FillRectLeavesOutRightColumnAndBottomRow) {
  MemoryDC dc(6, 4, kWhite);
  dc.FillRect({1, 1, 4, 3}, kRed);
  EXPECT_EQ(Rows(dc, kRed), (std::vector<std::string>{"......", ".###..", ".###..", "......"}));
  dc.FillRect({4, 3, 4, 9}, kRed);  // empty rectangle
  dc.FillRect({-10, -10, 1, 1}, kBlue);
  EXPECT_EQ(dc.GetPixel(0, 0), kBlue);
  EXPECT_EQ(CountColour(dc, kBlue), 1);
}

TEST(MemoryDC, LineLeavesOutItsLastPointAndClipsToTheImage) {
  MemoryDC dc(6, 3, kWhite);
  dc.DrawLine(1, 1, 5, 1, kRed);
  EXPECT_EQ(Row(dc, 1, kRed), ".####.");
  dc.DrawLine(2, 2, 2, 2, kBlue);  // a line to its own start draws nothing
  EXPECT_EQ(CountColour(dc, kBlue), 0);
  MemoryDC diag(4, 4, kWhite);
  diag.DrawLine(0, 0, 4, 4, kRed);
  EXPECT_EQ(Rows(diag, kRed), (std::vector<std::string>{"#...", ".#..", "..#.", "...#"}));
  MemoryDC back(4, 4, kWhite);
  back.DrawLine(3, 3, 0, 0, kRed);
  EXPECT_EQ(Rows(back, kRed), (std::vector<std::string>{"....", ".#..", "..#.", "...#"}));
  // Far outside: no drawing and no stall.
  MemoryDC far(4, 4, kWhite);
  far.DrawLine(-2000000000, -5, 2000000000, -5, kRed);
  far.DrawLine(-3, 1, 6, 1, kRed);
  EXPECT_EQ(Rows(far, kRed), (std::vector<std::string>{"....", "####", "....", "...."}));
}

TEST(MemoryDC, ClosedPolylineOnTheEdgesIsAOnePixelFrame) {
  MemoryDC dc(5, 4, kWhite);
  dc.Polyline({{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}}, kRed);
  EXPECT_EQ(Rows(dc, kRed), (std::vector<std::string>{"#####", "#...#", "#...#", "#####"}));
}

TEST(Region, RectanglePolygonCoversExactlyItsInside) {
  MemoryDC dc(6, 6, kWhite);
  dc.FillRegion(Region::FromPolygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}}, FillMode::kAlternate), kRed);
  EXPECT_EQ(Rows(dc, kRed),
            (std::vector<std::string>{"......", ".####.", ".####.", ".####.", "......", "......"}));
}

TEST(Region, TriangleTakesLatticePointsOnItsLeftEdgesOnly) {
  MemoryDC dc(7, 4, kWhite);
  // Apex (3,0), base from (0,3) to (6,3). Row 1 runs from x = 2 (left edge,
  // in) to x = 4 (right edge, out); the apex row and the base row are empty.
  dc.FillRegion(Region::FromPolygon({{3, 0}, {0, 3}, {6, 3}}, FillMode::kAlternate), kRed);
  EXPECT_EQ(Rows(dc, kRed), (std::vector<std::string>{".......", "..##...", ".####..", "......."}));
}

TEST(Region, AlternateLeavesTheStarCentreOpenWindingFillsIt) {
  const std::vector<Point> star{{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  const Region alt = Region::FromPolygon(star, FillMode::kAlternate);
  const Region wind = Region::FromPolygon(star, FillMode::kWinding);
  EXPECT_FALSE(alt.Contains(10, 10));
  EXPECT_TRUE(wind.Contains(10, 10));
  EXPECT_TRUE(alt.Contains(10, 3));
  EXPECT_TRUE(Region::FromPolygon({{0, 0}, {1, 1}}, FillMode::kAlternate).Empty());
  EXPECT_EQ(Region::FromRect({2, 3, 5, 4}).Bounds(), (Rect{2, 3, 5, 4}));
}

TEST(MemoryDC, OutlinedTriangleIsSymmetric) {
  MemoryDC dc(9, 5, kWhite);
  dc.Polygon({{4, 0}, {0, 4}, {8, 4}}, kRed, kRed, FillMode::kAlternate);
  EXPECT_EQ(Rows(dc, kRed),
            (std::vector<std::string>{"....#....", "...###...", "..#####..", ".#######.", "#########"}));
}

TEST(MemoryDC, PolygonFillsThenOutlines) {
  MemoryDC dc(5, 5, kWhite);
  dc.Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, kRed, kBlue, FillMode::kAlternate);
  EXPECT_EQ(Rows(dc, kRed), (std::vector<std::string>{"#####", "#...#", "#...#", "#...#", "#####"}));
  EXPECT_EQ(Rows(dc, kBlue), (std::vector<std::string>{".....", ".###.", ".###.", ".###.", "....."}));
  dc.Polygon({}, kBlue, kBlue, FillMode::kAlternate);  // no points: nothing drawn
  EXPECT_EQ(CountColour(dc, kBlue), 9);
}

TEST(MemoryDC, BlitClipsToBothImages) {
  MemoryDC src(3, 3, kRed);
  MemoryDC dst(4, 4, kWhite);
  dst.BitBlt(-1, 2, 3, 3, src, 0, 0);
  EXPECT_EQ(Rows(dst, kRed), (std::vector<std::string>{"....", "....", "##..", "##.."}));
  MemoryDC dst2(4, 4, kWhite);
  dst2.BitBlt(0, 0, 4, 4, src, 2, 2);  // only one source pixel exists there
  EXPECT_EQ(CountColour(dst2, kRed), 1);
  EXPECT_EQ(dst2.GetPixel(0, 0), kRed);
}

TEST(MemoryDC, BlitWithinOneImageCopiesTheOriginalPixels) {
  MemoryDC dc(6, 1, kWhite);
  dc.SetPixel(0, 0, kRed);
  dc.SetPixel(1, 0, kBlue);
  dc.BitBlt(1, 0, 4, 1, dc, 0, 0);  // overlapping to the right
  EXPECT_EQ(dc.GetPixel(1, 0), kRed);
  EXPECT_EQ(dc.GetPixel(2, 0), kBlue);
  EXPECT_EQ(dc.GetPixel(3, 0), kWhite);
}

TEST(MemoryDC, KeyedBlitSkipsKeyPixelsOnly) {
  MemoryDC src(3, 1, kKey);
  src.SetPixel(1, 0, kBlue);
  MemoryDC dst(3, 1, kRed);
  dst.BitBltKeyed(0, 0, 3, 1, src, 0, 0, kKey);
  EXPECT_EQ(Row(dst, 0, kRed), "#.#");
  EXPECT_EQ(dst.GetPixel(1, 0), kBlue);
}

TEST(MemoryDC, ResizeKeepsWhatStillFits) {
  MemoryDC dc(2, 2, kRed);
  dc.Resize(3, 1, kBlue);
  EXPECT_EQ(dc.Height(), 1);
  EXPECT_EQ(Row(dc, 0, kRed), "##.");
  EXPECT_EQ(dc.GetPixel(2, 0), kBlue);
}

TEST(MemoryDC, AtAScaledRatioTheImageHasTheDevicePixelsAndShapesFillWholeBlocks) {
  struct Case {
    double ratio;
    int width, height;  // of the image in device pixels for 10 x 6
  };
  for (const Case c : {Case{1.0, 10, 6}, Case{1.5, 15, 9}, Case{2.0, 20, 12}}) {
    SCOPED_TRACE(c.ratio);
    MemoryDC dc;
    dc.Resize(10, 6, kBlue, c.ratio);
    EXPECT_EQ(dc.Width(), 10);
    EXPECT_EQ(dc.Height(), 6);
    EXPECT_EQ(dc.Image().size(), QSize(c.width, c.height));
    EXPECT_EQ(dc.Image().devicePixelRatio(), c.ratio);
    // The same logical drawing, read back logically, at every ratio.
    dc.FillRect({0, 0, 10, 6}, kWhite);
    dc.DrawLine(1, 1, 5, 1, kRed);
    dc.SetPixel(8, 4, kRed);
    EXPECT_EQ(Rows(dc, kRed), (std::vector<std::string>{"..........", ".####.....", "..........", "..........",
                                                       "........#.", ".........."}));
    // Every device pixel belongs to some logical one: nothing is left blue.
    const QImage img = dc.Image();
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        ASSERT_NE(img.pixel(x, y), qRgb(0, 0, 255)) << x << "," << y;
        red += img.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
      }
    EXPECT_GE(red, 5 * static_cast<int>(c.ratio) * static_cast<int>(c.ratio));
  }
  // A picture at ratio 1 blits up to the ratio block by block.
  MemoryDC small(2, 2, kRed);
  small.SetPixel(1, 1, kBlue);
  MemoryDC big;
  big.Resize(4, 4, kWhite, 2.0);
  big.BitBlt(1, 1, 2, 2, small, 0, 0);
  EXPECT_EQ(Rows(big, kRed), (std::vector<std::string>{"....", ".##.", ".#..", "...."}));
  EXPECT_EQ(big.Image().pixel(5, 5), qRgb(0, 0, 255));
  EXPECT_EQ(big.Image().pixel(4, 4), qRgb(0, 0, 255));
  EXPECT_EQ(big.Image().pixel(3, 3), qRgb(255, 0, 0));
}

TEST(MemoryDC, DrawnImageLandsWholeAtItsPlaceAndANullImageEmptiesTheContext) {
  QImage img(2, 2, QImage::Format_RGB32);
  img.fill(qRgb(255, 0, 0));
  MemoryDC dc(4, 3, kWhite);
  dc.DrawImage(1, 1, img);
  EXPECT_EQ(Rows(dc, kRed), (std::vector<std::string>{"....", ".##.", ".##."}));
  dc.DrawImage(-1, 2, img);  // clipped at the edges
  EXPECT_EQ(Row(dc, 2, kRed), "###.");
  dc.SelectImage(QImage());
  EXPECT_TRUE(dc.IsNull());
  EXPECT_EQ(dc.Width(), 0);
}

TEST(MemoryDC, SelectedImageWithAlphaShowsBlackWhereTransparent) {
  QImage img(2, 1, QImage::Format_ARGB32);
  img.setPixel(0, 0, 0x00FFFFFFu);
  img.setPixel(1, 0, 0xFF00FF00u);
  MemoryDC dc;
  dc.SelectImage(img);
  EXPECT_EQ(dc.GetPixel(0, 0), kBlack);
  EXPECT_EQ(dc.GetPixel(1, 0), Rgb(0, 255, 0));
}

TEST(MemoryDC, HatchedBrushPaintsItsPatternAndOpaqueGaps) {
  // Hatches repeat every 8 pixels from the image's origin; each pattern
  // named by the ink pixels of the first 8 x 8 block.
  const struct {
    HatchStyle hatch;
    int ink;
    Point on, off;
  } cases[] = {
      {HS_HORIZONTAL, 8, {3, 7}, {3, 6}}, {HS_VERTICAL, 8, {7, 3}, {6, 3}}, {HS_FDIAGONAL, 8, {2, 2}, {2, 5}},
      {HS_BDIAGONAL, 8, {2, 5}, {2, 2}},  {HS_CROSS, 15, {7, 0}, {0, 0}},   {HS_DIAGCROSS, 16, {5, 2}, {1, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hatch);
    MemoryDC dc(16, 8, kWhite);
    dc.SetBkColor(kBlue);
    dc.SetBkMode(BkMode::kOpaque);
    dc.FillBrush({0, 0, 16, 8}, BS_HATCHED, kRed, c.hatch);
    EXPECT_EQ(CountColour(dc, kRed), 2 * c.ink);
    EXPECT_EQ(CountColour(dc, kBlue), 16 * 8 - 2 * c.ink);  // the gaps take the background colour
    EXPECT_EQ(dc.GetPixel(c.on.x, c.on.y), kRed);
    EXPECT_EQ(dc.GetPixel(c.on.x + 8, c.on.y), kRed);
    EXPECT_EQ(dc.GetPixel(c.off.x, c.off.y), kBlue);
  }
  // Transparent: the gaps keep what was there.
  MemoryDC see(8, 8, kWhite);
  see.SetBkMode(BkMode::kTransparent);
  see.FillBrush({0, 0, 8, 8}, BS_HATCHED, kRed, HS_HORIZONTAL);
  EXPECT_EQ(Row(see, 7, kRed), "########");
  EXPECT_EQ(CountColour(see, kWhite), 56);
  // A hollow brush paints nothing, a solid one everything.
  MemoryDC hollow(2, 2, kWhite);
  hollow.FillBrush({0, 0, 2, 2}, BS_NULL, kRed, HS_CROSS);
  EXPECT_EQ(CountColour(hollow, kWhite), 4);
  hollow.FillBrush({0, 0, 2, 2}, BS_SOLID, kRed, HS_CROSS);
  EXPECT_EQ(CountColour(hollow, kRed), 4);
}

TEST(GdiFont, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(8, 96, 72), 11);  // 10.67
  EXPECT_EQ(MulDiv(9, 96, 72), 12);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(GdiFont, WindowsFacesMapToInstalledFamilies) {
  EXPECT_EQ(FamilyForFace("Arial"), "Liberation Sans");
  EXPECT_EQ(FamilyForFace("arial"), "Liberation Sans");
  EXPECT_EQ(FamilyForFace("Courier New"), "Liberation Mono");
  LogFont lf;
  lf.height = -11;
  const QFont f = ToQFont(lf);
  EXPECT_EQ(f.pixelSize(), 11);
  EXPECT_EQ(QFontInfo(f).family(), "Liberation Sans");
  lf.weight = 700;
  EXPECT_TRUE(ToQFont(lf).bold());
  // A positive height is the cell: ascent and descent together come to it.
  lf.height = 20;
  const QFontMetrics cell(ToQFont(lf));
  EXPECT_NEAR(cell.ascent() + cell.descent(), 20, 1);
  EXPECT_LT(ToQFont(lf).pixelSize(), 20);
  lf.height = 0;  // the default size
  EXPECT_EQ(ToQFont(lf).pixelSize(), 16);
}

TEST(MemoryDC, TextExtentGrowsWithTheTextAndTheWeight) {
  MemoryDC dc(10, 10, kWhite);
  const Size one = dc.GetTextExtent("Save");
  const Size two = dc.GetTextExtent("Save Save");
  EXPECT_GT(one.cx, 10);
  EXPECT_GT(two.cx, 2 * one.cx);
  EXPECT_GE(one.cy, 11);
  EXPECT_LE(one.cy, 15);
  EXPECT_EQ(dc.GetTextExtent("").cx, 0);
  LogFont bold;
  bold.weight = 700;
  dc.SetFont(bold);
  EXPECT_GT(dc.GetTextExtent("Mock Draft Preview").cx, MemoryDC().GetTextExtent("Mock Draft Preview").cx);
}

TEST(MemoryDC, CentredTextSitsInTheMiddleAndIsClipped) {
  MemoryDC dc(100, 20, kWhite);
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(kBlack);
  dc.DrawText("Cancel", {0, 0, 100, 20}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const Rect box = InkBox(dc, kWhite);
  ASSERT_GE(box.right, 0);
  EXPECT_NEAR((box.left + box.right) / 2.0, 50.0, 3.0);
  EXPECT_NEAR((box.top + box.bottom) / 2.0, 10.0, 3.0);

  MemoryDC clipped(100, 20, kWhite);
  clipped.SetBkMode(BkMode::kTransparent);
  clipped.DrawText("Cancel", {0, 0, 10, 20}, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  EXPECT_LT(InkBox(clipped, kWhite).right, 10);
}

TEST(MemoryDC, RightAndBottomAlignedTextEndsAtTheRectanglesEdges) {
  MemoryDC dc(100, 40, kWhite);
  dc.SetBkMode(BkMode::kTransparent);
  dc.DrawText("Cancel", {0, 0, 100, 40}, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  const Rect box = InkBox(dc, kWhite);
  ASSERT_GE(box.right, 0);
  EXPECT_GE(box.right, 95);
  EXPECT_GE(box.top, 20);  // in the lower half
  EXPECT_GE(box.left, 50);
}

TEST(MemoryDC, OpaqueTextPaintsItsBackground) {
  MemoryDC dc(60, 20, kWhite);
  dc.SetBkMode(BkMode::kOpaque);
  dc.SetBkColor(kBlue);
  dc.TextOut(0, 0, "Hi");
  EXPECT_EQ(dc.GetPixel(0, 0), kBlue);
  EXPECT_EQ(dc.GetPixel(59, 19), kWhite);
}

TEST(VirtualKey, QtKeysMapToThePlatformCodes) {
  const std::pair<int, int> keys[] = {
      {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38},
      {Qt::Key_Right, 39},  {Qt::Key_Down, 40},  {Qt::Key_A, 65},      {Qt::Key_Z, 90},    {Qt::Key_5, 53},
      {Qt::Key_F1, 112},    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9}, {Qt::Key_Shift, 16},
      {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},      {Qt::Key_Space, 32},  {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
      {Qt::Key_End, 35},     {Qt::Key_Home, 36},     {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}, {Qt::Key_Plus, 107},
      {Qt::Key_Minus, 189},  {Qt::Key_Period, 190},  {Qt::Key_Comma, 188}, {Qt::Key_unknown, 0}};
  for (const auto& [key, code] : keys) EXPECT_EQ(VirtualKeyFromQt(key), code) << key;
  EXPECT_EQ(ShiftMaskFromQt(Qt::ShiftModifier | Qt::AltModifier), 5);
  EXPECT_EQ(ShiftMaskFromQt(Qt::ControlModifier), 2);
  EXPECT_EQ(ShiftMaskFromQt(Qt::NoModifier), 0);
}

TEST(MemoryDC, CheckMarkGlyphIsDrawnByHand) {
  MemoryDC dc(40, 20, kWhite);
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(kBlack);
  LogFont symbols;
  symbols.faceName = "Wingdings 2";
  symbols.height = -16;
  dc.SetFont(symbols);
  EXPECT_EQ(dc.GetTextExtent("P").cx, 16);
  EXPECT_EQ(dc.GetTextExtent("PP").cx, 32);
  dc.DrawText("Q", {0, 0, 40, 20}, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  EXPECT_EQ(CountColour(dc, kWhite), 40 * 20);  // only "P" has a picture
  dc.DrawText("P", {0, 0, 40, 20}, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  int dark = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) dark += RedOf(dc.GetPixel(x, y)) < 100;
  EXPECT_GT(dark, 15);
  EXPECT_LT(InkBox(dc, kWhite).right, 17);  // one em wide
}
