#include <gtest/gtest.h>

#include <QLabel>

#include "WidgetHarness.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basButtonMocks.h"

using gdi::Rgb;

namespace {

void ExpectResourceAt(const PictureBox* picture, int32_t id, int x0, int y0) {
  kdtest::ExpectResourceAt(picture->hDC(), id, x0, y0);
}

// Leftmost column from `from` on, in the rows top..bottom-1, that holds a
// pixel other than white; -1 when there is none.
int LeftmostInk(const PictureBox* picture, int top, int bottom, int from = 0) {
  for (int x = from; x < picture->ScaleWidth(); ++x)
    for (int y = top; y < bottom; ++y)
      if (picture->hDC().GetPixel(x, y) != gdi::kWhite) return x;
  return -1;
}

}  // namespace

TEST(ButtonMocks, EveryPageHasItsTitleAndPicture) {
  struct Case {
    int32_t page;
    const char* title;
    int32_t resource;
  };
  for (const Case& c : {Case{0, "Kickwell Draftyard Project", 157}, Case{1, "Projected Stats", 149},
                        Case{2, "Scoring System", 148}, Case{3, "League Properties", 147},
                        Case{4, "Draft Strategies", 154}, Case{5, "Cheat Sheet Project", 146},
                        Case{6, "Draft Board", 147}, Case{7, "Display Grids", 152},
                        Case{8, "Mock Draft Document", 151}, Case{9, "User Generated Mock Draft", 158},
                        Case{10, "", 0}, Case{11, "Projected Stat Strain", 149}, Case{12, "", 0},
                        Case{-1, "", 0}}) {
    std::string title = "stale";
    EXPECT_EQ(basButtonMocks::PageTitle(c.page, title), c.resource) << c.page;
    EXPECT_EQ(title, c.title) << c.page;
  }
}

TEST(ButtonMocks, TitlesSitBesideTheirPictureOrFourPixelsIn) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 340, 30, gdi::kWhite);
  basButtonMocks::DrawTitleImage("Kickwell Draftyard Project", p, 0);
  ExpectResourceAt(p, 157, 0, 0);
  const int ink = LeftmostInk(p, 8, 22, 32);  // the text starts at 34
  EXPECT_GE(ink, 34);
  EXPECT_LE(ink, 37);
  EXPECT_TRUE(p->Font().Bold);
  EXPECT_EQ(p->Font().Name, "Arial");
  kdtest::SaveScreenshot(p, "title_project");

  PictureBox* plain = host.AddPicture(0, 40, 340, 30, gdi::kWhite);
  basButtonMocks::DrawTitleImage("Untitled", plain, 10);
  EXPECT_GE(LeftmostInk(plain, 0, 30), 4);
  EXPECT_LE(LeftmostInk(plain, 0, 30), 6);

  PictureBox* at = host.AddPicture(0, 80, 240, 30, gdi::kWhite);
  basButtonMocks::DrawPageTitleAt(9, at, 4, 8);
  ExpectResourceAt(at, 158, 4, 0);
  EXPECT_GE(LeftmostInk(at, 8, 22, 36), 40);
  EXPECT_LE(LeftmostInk(at, 8, 22, 36), 43);
  kdtest::SaveScreenshot(at, "title_user_mock_at");
  PictureBox* none = host.AddPicture(0, 120, 240, 30, gdi::kWhite);
  basButtonMocks::DrawPageTitleAt(10, none, 4, 8);
  EXPECT_EQ(LeftmostInk(none, 0, 30), -1);  // empty title, no picture
  PictureBox* image = host.AddPicture(0, 160, 40, 30, gdi::kWhite);
  basButtonMocks::DrawPageTitleImage(4, image);
  ExpectResourceAt(image, 154, 0, 0);
}

TEST(ButtonMocks, CheckBoxGridAndCaptionImages) {
  kdtest::WidgetHost host;
  PictureBox* a = host.AddPicture(0, 0, 30, 30, gdi::kWhite);
  PictureBox* b = host.AddPicture(40, 0, 30, 30, gdi::kWhite);
  basButtonMocks::DrawCheckBoxImages(a, b);
  EXPECT_EQ(a->width(), 14);
  EXPECT_EQ(b->height(), 14);
  ExpectResourceAt(a, 162, 0, 0);
  ExpectResourceAt(b, 163, 0, 0);
  kdtest::SaveScreenshot(b, "check_box_ticked");

  PictureBox* grid = host.AddPicture(0, 40, 20, 20, gdi::kWhite);
  basButtonMocks::DrawChangeGridImage(grid);
  ExpectResourceAt(grid, 159, 0, 0);
  EXPECT_THROW(basButtonMocks::PaintResourceImage(grid, 4242), ResourceError);

  // An Arial caption in black stays in its 50-pixel box.
  PictureBox* p = host.AddPicture(0, 80, 200, 30, gdi::kWhite);
  p->SetForeColor(Rgb(255, 0, 0));
  basButtonMocks::DrawArialCaption(p, "A long caption that does not fit", 10, 0);
  EXPECT_COLOUR(p->ForeColor(), gdi::kBlack);
  EXPECT_FALSE(p->Font().Bold);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x)
      if (x < 10 || x >= 60 || y >= 15) { ASSERT_EQ(p->hDC().GetPixel(x, y), gdi::kWhite) << x << "," << y; }
  EXPECT_GE(LeftmostInk(p, 0, 15), 10);
}

TEST(ButtonMocks, OpenAndSaveQuickButtonsShowTheirWholeCaptions) {
  kdtest::WidgetHost host;
  PictureBox* open = host.AddPicture(100, 100, 10, 10, gdi::kWhite);
  PictureBox* save = host.AddPicture(100, 100, 10, 10, gdi::kWhite);
  auto* l1 = new QLabel("x", host.Window());
  auto* l2 = new QLabel("y", host.Window());
  l1->show();
  l2->show();
  basButtonMocks::DrawOpenSaveImages(open, save, l1, l2);
  EXPECT_EQ(open->geometry().topLeft(), QPoint(8, 0));
  EXPECT_GE(save->x(), 44);
  EXPECT_GT(save->x(), open->geometry().right());
  for (PictureBox* p : {open, save}) {
    EXPECT_EQ(p->height(), 30);
    EXPECT_GE(p->width(), 26);
    // The caption below the image keeps clear of both edges.
    EXPECT_GE(LeftmostInk(p, 18, 30), 1);
    int rightmost = -1;
    for (int x = 0; x < p->ScaleWidth(); ++x)
      for (int y = 18; y < 30; ++y)
        if (p->hDC().GetPixel(x, y) != gdi::kWhite) rightmost = x;
    EXPECT_GT(rightmost, 0);
    EXPECT_LE(rightmost, p->width() - 2);
  }
  EXPECT_EQ(open->ToolTipText(), "Open");
  EXPECT_EQ(save->ToolTipText(), "Save");
  ExpectResourceAt(open, 150, 3 + (open->width() - 26) / 2, 2);
  ExpectResourceAt(save, 144, 3 + (save->width() - 26) / 2, 2);
  EXPECT_FALSE(l1->isVisible());
  EXPECT_FALSE(l2->isVisible());
  kdtest::SaveScreenshot(host.Window(), "main_bar_open_save");
}
