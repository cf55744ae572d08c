#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "FakeSeams.h"
#include "core/Seams.h"

TEST(Seams, SilentDefaultsShowNothingAndDecline) {
  seams::ResetAll();
  EXPECT_EQ(seams::MessageBox().ShowMessage("c", "t", seams::kYesNo, true), "");
  EXPECT_EQ(seams::MessageBox().PlainMessage("t", seams::PlainButtons::kYesNo, seams::PlainIcon::kNone, "c"),
            seams::PlainAnswer::kNo);
  EXPECT_FALSE(seams::FileDialogs().ShowOwnFileDialog({}).has_value());
  EXPECT_TRUE(seams::FileDialogs().ShowSystemFileDialog({}).cancelled);
  EXPECT_FALSE(seams::ShellOpen().Open("x"));
  DoEvents();
}

TEST(FakeSeams, MessageBoxAnswersFromItsScriptAndScopeEndRestoresDefaults) {
  {
    kdtest::ScopedFakeSeams fakes;
    fakes.messages.Answer("nosave");
    EXPECT_EQ(seams::MessageBox().ShowMessage("Cap", "Text", seams::kYesToAllYesNo, true), "nosave");
    EXPECT_EQ(seams::MessageBox().ShowMessage("Note", "Done", seams::kOk, true), "save");
    ASSERT_EQ(fakes.messages.messages.size(), 2u);
    EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kYesToAllYesNo);
    EXPECT_EQ(fakes.messages.captions, (std::vector<std::string>{"Cap", "Note"}));
    CancelFlag = true;
  }
  EXPECT_FALSE(CancelFlag);
  EXPECT_EQ(seams::MessageBox().ShowMessage("c", "t", seams::kOk, true), "");
}

TEST(FakeSeams, UnscriptedQuestionFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        kdtest::ScopedFakeSeams fakes;
        seams::MessageBox().ShowMessage("Q", "Overwrite?", seams::kYesNo, true);
      },
      "Unscripted question");
  EXPECT_NONFATAL_FAILURE(
      {
        kdtest::ScopedFakeSeams fakes;
        seams::FileDialogs().ShowOwnFileDialog({});
      },
      "Unscripted file dialog");
}
