#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include "WidgetHarness.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsButton.h"
#include "toolkit/ui/frmColour.h"

using gdi::Rgb;

namespace {

class ColourDialog : public ::testing::Test {
 protected:
  // The seven boxes, red first.
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (int32_t i = 0; i < frmColour::kBoxCount; ++i) texts.push_back(dialog.txtColour(i)->text().toStdString());
    return texts;
  }
  void Type(int32_t box, const std::string& text) { dialog.txtColour(box)->setText(QString::fromStdString(text)); }

  // Presses a button of the dialog's bar the way its timer would see it.
  void Press(int32_t index) {
    clsButton* bar = dialog.mSc();
    const ButtonRect r = bar->Rect(index);
    for (const bool down : {false, true, false}) {
      kdtest::PointAt(fakes.pointer, bar->PictureControl(), r.Left + 10, r.Top + 10, down);
      bar->Tick();
    }
  }

  kdtest::ScopedFakeSeams fakes;
  frmColour dialog;
};

}  // namespace

TEST_F(ColourDialog, AnInitialColourFillsEveryBox) {
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Color Selection");
  struct Case {
    gdi::COLORREF colour;
    std::vector<std::string> boxes;
  };
  // (255, 128, 0): H = 60 x 0.502 = 30.1, S = 1, L = 0.5.
  for (const Case& c : {Case{Rgb(255, 128, 0), {"255", "128", "0", "FF8000", "30", "100", "50"}},
                        Case{Rgb(90, 90, 90), {"90", "90", "90", "5A5A5A", "0", "0", "35"}},
                        Case{Rgb(255, 255, 255), {"255", "255", "255", "FFFFFF", "0", "0", "100"}}}) {
    dialog.pSbSetInitialColour(c.colour);
    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_COLOUR(dialog.picSel()->BackColor(), c.colour);
  }
}

TEST_F(ColourDialog, TypedChannelsAreClampedAndNonNumbersOrEmptyCountAsZero) {
  dialog.pSbSetInitialColour(Rgb(10, 20, 30));
  Type(frmColour::kRed, "300");
  EXPECT_EQ(Boxes()[frmColour::kRed], "255");
  EXPECT_EQ(Boxes()[frmColour::kHex], "FF141E");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(255, 20, 30)));
  Type(frmColour::kGreen, "abc");
  EXPECT_EQ(Boxes()[frmColour::kGreen], "0");
  Type(frmColour::kBlue, "-7");
  EXPECT_EQ(Boxes()[frmColour::kBlue], "0");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(255, 0, 0)));
  EXPECT_EQ(Boxes()[frmColour::kHue], "0");
  EXPECT_EQ(Boxes()[frmColour::kLuminance], "50");
  // A cleared box stays empty.
  dialog.pSbSetInitialColour(Rgb(200, 20, 30));
  Type(frmColour::kRed, "");
  EXPECT_EQ(Boxes()[frmColour::kRed], "");
  EXPECT_EQ(Boxes()[frmColour::kHex], "00141E");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(0, 20, 30)));
}

TEST_F(ColourDialog, HexadecimalAppliesOnlyAtSixDigits) {
  dialog.pSbSetInitialColour(Rgb(1, 2, 3));
  for (const char* ignored : {"12345", "12345G"}) {
    Type(frmColour::kHex, ignored);
    EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(1, 2, 3))) << ignored;
    EXPECT_EQ(Boxes()[frmColour::kRed], "1") << ignored;
  }
  Type(frmColour::kHex, "abcdef");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(0xAB, 0xCD, 0xEF)));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"171", "205", "239", "ABCDEF", "210", "68", "80"}));
}

TEST_F(ColourDialog, HueSaturationAndLuminanceRebuildTheColourAndAreClamped) {
  dialog.pSbSetInitialColour(Rgb(255, 0, 0));
  Type(frmColour::kHue, "120");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(0, 255, 0)));
  EXPECT_EQ(Boxes()[frmColour::kHue], "120");
  Type(frmColour::kHue, "400");
  EXPECT_EQ(Boxes()[frmColour::kHue], "360");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(255, 0, 0)));
  Type(frmColour::kSaturation, "0");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(128, 128, 128)));  // 127.5 to the even 128
  Type(frmColour::kLuminance, "150");
  EXPECT_EQ(Boxes()[frmColour::kLuminance], "100");
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(255, 255, 255)));
}

TEST_F(ColourDialog, SpectrumLuminanceBarAndMarkerAreDrawnAsDesigned) {
  const gdi::MemoryDC& grad = dialog.picGrad()->hDC();
  ASSERT_EQ(grad.Width(), 200);
  ASSERT_EQ(grad.Height(), 160);
  EXPECT_COLOUR(grad.GetPixel(199, 0), Rgb(255, 8, 0));    // x = 200: hue 1.8, full saturation
  EXPECT_COLOUR(grad.GetPixel(100, 0), Rgb(0, 255, 255));  // x = 101: hue 180
  EXPECT_COLOUR(grad.GetPixel(0, 159), Rgb(128, 127, 127));  // hue 360, saturation 1/160

  dialog.pSbSetInitialColour(Rgb(255, 0, 0));
  const gdi::MemoryDC& lum = dialog.picLum()->hDC();
  EXPECT_COLOUR(lum.GetPixel(0, 0), Rgb(0, 0, 0));
  EXPECT_COLOUR(lum.GetPixel(199, lum.Height() - 1), Rgb(255, 255, 255));
  EXPECT_COLOUR(lum.GetPixel(100, 5), Rgb(255, 1, 1));  // luminance 100/199

  // The marker: a triangle pointing up.
  dialog.show();
  const gdi::MemoryDC& dc = dialog.picPoint()->hDC();
  for (const auto& [x, y] : {std::pair{7, 1}, {9, 1}, {1, 7}, {15, 7}})
    EXPECT_COLOUR(dc.GetPixel(x, y), gdi::kBlack) << x << "," << y;
  for (const auto& [x, y] : {std::pair{8, 0}, {6, 1}, {0, 7}, {16, 7}})
    EXPECT_COLOUR(dc.GetPixel(x, y), gdi::kWhite) << x << "," << y;
}

TEST_F(ColourDialog, PickingOnTheBarSetsLuminanceClampedToTheBar) {
  dialog.pSbSetInitialColour(Rgb(255, 0, 0));
  dialog.show();
  const int32_t barLeft = dialog.picLum()->mapTo(&dialog, QPoint(0, 0)).x();
  dialog.PickLuminance(50);  // L = 0.25
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(128, 0, 0)));
  EXPECT_EQ(Boxes()[frmColour::kLuminance], "25");
  EXPECT_EQ(dialog.picPoint()->x(), barLeft + 50 - 8);
  dialog.PickLuminance(900);
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(255, 255, 255)));
  EXPECT_EQ(dialog.picPoint()->x(), barLeft + 200 - 8);
  dialog.PickLuminance(-30);
  EXPECT_EQ(dialog.Colour(), 0);
  EXPECT_EQ(Boxes()[frmColour::kLuminance], "0");
}

TEST_F(ColourDialog, ClickingTheSpectrumTakesThePixelsColour) {
  dialog.show();
  QPointF at(100, 0);
  QMouseEvent press(QEvent::MouseButtonPress, at, dialog.picGrad()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(dialog.picGrad(), &press);
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(0, 255, 255)));
  EXPECT_EQ(Boxes()[frmColour::kHex], "00FFFF");
  dialog.PickSpectrum(200, 0);  // outside: nothing
  EXPECT_EQ(dialog.Colour(), static_cast<int32_t>(Rgb(0, 255, 255)));
}

TEST_F(ColourDialog, OkAnswersTheColourAndCancelOrCloseAnswerMinusOne) {
  dialog.pSbSetInitialColour(Rgb(12, 34, 56));
  QTimer::singleShot(0, &dialog, [this] { Press(0); });
  dialog.exec();
  EXPECT_EQ(ColourDialogAnswer, static_cast<int32_t>(Rgb(12, 34, 56)));

  QTimer::singleShot(0, &dialog, [this] {
    EXPECT_EQ(ColourDialogAnswer, -1);  // from the moment it shows
    kdtest::SaveScreenshot(&dialog, "colour_dialog");
    Press(1);
  });
  dialog.exec();
  EXPECT_EQ(ColourDialogAnswer, -1);

  QTimer::singleShot(0, &dialog, [this] {
    Type(frmColour::kRed, "99");
    dialog.close();
  });
  dialog.exec();
  EXPECT_EQ(ColourDialogAnswer, -1);
}
