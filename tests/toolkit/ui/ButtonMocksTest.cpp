#include <gtest/gtest.h>

#include <QLabel>

#include "WidgetHarness.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/clsBitmap.h"

using gdi::Rgb;

namespace {

struct TitleCase {
  int32_t page;
  const char* title;
  int32_t resource;
};

void ExpectResourceAt(const PictureBox* picture, int32_t id, int x0, int y0) {
  clsBitmap img;
  img.LoadResImage(id);
  for (int y = 0; y < img.Height(); ++y)
    for (int x = 0; x < img.Width(); ++x)
      ASSERT_EQ(picture->hDC().GetPixel(x0 + x, y0 + y), img.hDC().GetPixel(x, y))
          << id << " " << x << "," << y;
}

// Leftmost column in the rows that holds a pixel other than `back`.
int LeftmostInk(const PictureBox* picture, int top, int bottom, gdi::COLORREF back) {
  for (int x = 0; x < picture->ScaleWidth(); ++x)
    for (int y = top; y < bottom; ++y)
      if (picture->hDC().GetPixel(x, y) != back) return x;
  return -1;
}

}  // namespace

class PageTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(PageTitles, GiveTheTitleAndItsPicture) {
  std::string title = "stale";
  EXPECT_EQ(basButtonMocks::PageTitle(GetParam().page, title), GetParam().resource);
  EXPECT_EQ(title, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, PageTitles,
    ::testing::Values(TitleCase{0, "Kickwell Draftyard Project", 157}, TitleCase{1, "Projected Stats", 149},
                      TitleCase{2, "Scoring System", 148}, TitleCase{3, "League Properties", 147},
                      TitleCase{4, "Draft Strategies", 154}, TitleCase{5, "Cheat Sheet Project", 146},
                      TitleCase{6, "Draft Board", 147}, TitleCase{7, "Display Grids", 152},
                      TitleCase{8, "Mock Draft Document", 151},
                      TitleCase{9, "User Generated Mock Draft", 158}, TitleCase{10, "", 0},
                      TitleCase{11, "Projected Stat Strain", 149}, TitleCase{12, "", 0},
                      TitleCase{-1, "", 0}),
    [](const ::testing::TestParamInfo<TitleCase>& p) {
      return "Page" + std::string(p.param.page < 0 ? "Minus" : "") + std::to_string(std::abs(p.param.page));
    });

TEST(ButtonMocks, TitleImageCopiesThePictureAndWritesBesideIt) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 340, 30, gdi::kWhite);
  basButtonMocks::DrawTitleImage("Kickwell Draftyard Project", p, 0);
  ExpectResourceAt(p, 157, 0, 0);
  EXPECT_GE(LeftmostInk(p, 8, 22, gdi::kWhite), 0);
  // text starts at 34
  int ink = -1;
  for (int x = 32; x < 60 && ink < 0; ++x)
    for (int y = 8; y < 22; ++y)
      if (p->hDC().GetPixel(x, y) != gdi::kWhite) {
        ink = x;
        break;
      }
  EXPECT_GE(ink, 34);
  EXPECT_LE(ink, 37);
  EXPECT_TRUE(p->Font().Bold);
  EXPECT_EQ(p->Font().Name, "Arial");
  kdtest::SaveScreenshot(p, "title_project");
}

TEST(ButtonMocks, TitleWithoutPictureStartsAtFour) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 340, 30, gdi::kWhite);
  basButtonMocks::DrawTitleImage("Untitled", p, 10);
  const int ink = LeftmostInk(p, 0, 30, gdi::kWhite);
  EXPECT_GE(ink, 4);
  EXPECT_LE(ink, 6);
}

TEST(ButtonMocks, PageTitleAtPlacesPictureAndTitle) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 240, 30, gdi::kWhite);
  basButtonMocks::DrawPageTitleAt(9, p, 4, 8);
  ExpectResourceAt(p, 158, 4, 0);
  int ink = -1;
  for (int x = 36; x < 60 && ink < 0; ++x)
    for (int y = 8; y < 22; ++y)
      if (p->hDC().GetPixel(x, y) != gdi::kWhite) {
        ink = x;
        break;
      }
  EXPECT_GE(ink, 40);
  EXPECT_LE(ink, 43);
  kdtest::SaveScreenshot(p, "title_user_mock_at");
  PictureBox* none = host.AddPicture(0, 40, 240, 30, gdi::kWhite);
  basButtonMocks::DrawPageTitleAt(10, none, 4, 8);
  EXPECT_EQ(LeftmostInk(none, 0, 30, gdi::kWhite), -1);  // empty title, no picture
  PictureBox* image = host.AddPicture(0, 80, 40, 30, gdi::kWhite);
  basButtonMocks::DrawPageTitleImage(4, image);
  ExpectResourceAt(image, 154, 0, 0);
}

TEST(ButtonMocks, CheckBoxPicturesAreFourteenPixelsSquare) {
  kdtest::WidgetHost host;
  PictureBox* a = host.AddPicture(0, 0, 30, 30, gdi::kWhite);
  PictureBox* b = host.AddPicture(40, 0, 30, 30, gdi::kWhite);
  basButtonMocks::DrawCheckBoxImages(a, b);
  EXPECT_EQ(a->width(), 14);
  EXPECT_EQ(b->height(), 14);
  ExpectResourceAt(a, 162, 0, 0);
  ExpectResourceAt(b, 163, 0, 0);
  kdtest::SaveScreenshot(b, "check_box_ticked");
}

TEST(ButtonMocks, ArialCaptionStaysInItsFiftyPixelBox) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 200, 30, gdi::kWhite);
  p->SetForeColor(Rgb(255, 0, 0));
  basButtonMocks::DrawArialCaption(p, "A long caption that does not fit", 10, 0);
  EXPECT_COLOUR(p->ForeColor(), gdi::kBlack);
  EXPECT_FALSE(p->Font().Bold);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (x >= 10 && x < 60 && y < 15) continue;
      ASSERT_EQ(p->hDC().GetPixel(x, y), gdi::kWhite) << x << "," << y;
    }
  }
  EXPECT_GE(LeftmostInk(p, 0, 15, gdi::kWhite), 10);
}

TEST(ButtonMocks, OpenAndSaveQuickButtons) {
  kdtest::WidgetHost host;
  PictureBox* open = host.AddPicture(100, 100, 10, 10, gdi::kWhite);
  PictureBox* save = host.AddPicture(100, 100, 10, 10, gdi::kWhite);
  auto* l1 = new QLabel("x", host.Window());
  auto* l2 = new QLabel("y", host.Window());
  l1->show();
  l2->show();
  basButtonMocks::DrawOpenSaveImages(open, save, l1, l2);
  EXPECT_EQ(open->geometry(), QRect(8, 0, 26, 30));
  EXPECT_EQ(save->geometry(), QRect(44, 0, 26, 30));
  EXPECT_EQ(open->ToolTipText(), "Open");
  EXPECT_EQ(save->ToolTipText(), "Save");
  ExpectResourceAt(open, 150, 3, 2);
  ExpectResourceAt(save, 144, 3, 2);
  EXPECT_FALSE(l1->isVisible());
  EXPECT_FALSE(l2->isVisible());
  EXPECT_GE(LeftmostInk(save, 18, 30, gdi::kWhite), 0);  // the caption below the image
  kdtest::SaveScreenshot(host.Window(), "main_bar_open_save");
}

TEST(ButtonMocks, ChangeGridImageIsTheGridResource) {
  kdtest::WidgetHost host;
  PictureBox* p = host.AddPicture(0, 0, 20, 20, gdi::kWhite);
  basButtonMocks::DrawChangeGridImage(p);
  ExpectResourceAt(p, 159, 0, 0);
  EXPECT_THROW(basButtonMocks::PaintResourceImage(p, 4242), ResourceError);
}
