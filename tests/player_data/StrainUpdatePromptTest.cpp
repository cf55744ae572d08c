// The strain-update prompt's boxes and buttons.

#include <gtest/gtest.h>

#include <string>

#include "core/Seams.h"
#include "core/basMessage.h"
#include "player_data/clsStrainUpdatePrompt.h"

namespace {

// The three boxes as "checked/enabled" marks, e.g. "x. -. x.": "x" checked,
// "-" not, "." enabled, "#" greyed.
std::string Boxes(const clsStrainUpdatePrompt& prompt) {
  std::string out;
  for (int32_t i = 0; i < 3; ++i)
    out += std::string(i ? " " : "") + (prompt.Checked(i) ? "x" : "-") + (prompt.Enabled(i) ? "." : "#");
  return out;
}

class StrainUpdatePrompt : public ::testing::Test {
 protected:
  void SetUp() override {
    StrainUpdateOptions = {false, true, false};
    MessageAnswer = "save";
  }
  void TearDown() override { StrainUpdateOptions = {}; }
};

TEST_F(StrainUpdatePrompt, LoadsThePresetOptionsAndAnswersCancelUntilOK) {
  clsStrainUpdatePrompt prompt;
  EXPECT_EQ(MessageAnswer, "cancel");
  EXPECT_EQ(Boxes(prompt), "-. x. -.");
  EXPECT_STREQ(clsStrainUpdatePrompt::CheckCaption(0), "Ignore this update.");
  EXPECT_STREQ(clsStrainUpdatePrompt::CheckCaption(1), "Apply Projection Strain update.");
  EXPECT_STREQ(clsStrainUpdatePrompt::CheckCaption(2), "DO NOT overwrite modified player stats.");
  EXPECT_THROW(prompt.Checked(3), std::out_of_range);
}

TEST_F(StrainUpdatePrompt, LabelNamesTheFileWithoutItsFolder) {
  clsStrainUpdatePrompt prompt;
  prompt.FileName("/home/u/dat/str/Alpha 0004.kwr");
  EXPECT_EQ(prompt.FileLabel(), "Alpha 0004.kwr");
  prompt.FileName("Alpha 0004.kwr");
  EXPECT_EQ(prompt.FileLabel(), "");
}

TEST_F(StrainUpdatePrompt, IgnoreGreysTheOtherBoxesWhichStillGoBackOnOK) {
  StrainUpdateOptions = {true, true, true};
  clsStrainUpdatePrompt prompt;
  // Preset to ignore: greyed as soon as it loads.
  EXPECT_EQ(Boxes(prompt), "x. x# x#");
  prompt.ClickCheck(2);  // greyed: no effect
  EXPECT_EQ(Boxes(prompt), "x. x# x#");
  prompt.ClickCheck(0);
  EXPECT_EQ(Boxes(prompt), "-. x. x.");
  prompt.ClickCheck(2);
  prompt.ClickCheck(0);
  EXPECT_EQ(Boxes(prompt), "x. x# -#");

  prompt.mBtn_Click(0);
  EXPECT_TRUE(prompt.Closed());
  EXPECT_EQ(MessageAnswer, "save");
  EXPECT_EQ(StrainUpdateOptions, (std::array<bool, 3>{true, true, false}));
}

TEST_F(StrainUpdatePrompt, CancelAndTheCloseBoxLeaveTheOptionsAsPreset) {
  {
    clsStrainUpdatePrompt prompt;
    prompt.ClickCheck(0);
    prompt.ClickCheck(0);
    prompt.ClickCheck(1);
    prompt.mBtn_Click(1);
    EXPECT_TRUE(prompt.Closed());
    EXPECT_EQ(MessageAnswer, "cancel");
    EXPECT_EQ(StrainUpdateOptions, (std::array<bool, 3>{false, true, false}));
  }
  {
    clsStrainUpdatePrompt prompt;
    prompt.ClickCheck(0);
    prompt.CloseWindow();
    prompt.mBtn_Click(0);  // after closing: nothing
    EXPECT_EQ(MessageAnswer, "cancel");
    EXPECT_EQ(StrainUpdateOptions, (std::array<bool, 3>{false, true, false}));
  }
}

}  // namespace
