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
  // A plain box nobody sees answers as closed from its title bar.
  EXPECT_EQ(seams::MessageBox().PlainMessage("t", seams::PlainButtons::kOk, seams::PlainIcon::kNone, "c"),
            seams::PlainAnswer::kOk);
  for (const auto set : {seams::PlainButtons::kOkCancel, seams::PlainButtons::kYesNoCancel})
    EXPECT_EQ(seams::MessageBox().PlainMessage("t", set, seams::PlainIcon::kNone, "c"), seams::PlainAnswer::kCancel);
  // A job run before the windows exist starts and ends uncancelled.
  CancelFlag = true;
  seams::Progress().Load();
  EXPECT_FALSE(CancelFlag);
  seams::Progress().Show();
  EXPECT_TRUE(seams::Progress().Visible());
  CancelFlag = true;
  seams::Progress().Unload();
  EXPECT_FALSE(CancelFlag);
  EXPECT_FALSE(seams::Progress().Visible());
  EXPECT_FALSE(seams::Pointer().State().leftDown);
  std::string why;
  EXPECT_FALSE(seams::Downloads().DownloadFile({"http://127.0.0.1/x", "", 0, 0}, 1, nullptr, &why));
  EXPECT_EQ(why, "downloads are not available");
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

TEST(FakeSeams, ShellFilesAndPointerRecordAndReplay) {
  kdtest::ScopedFakeSeams fakes;
  EXPECT_TRUE(seams::ShellOpen().Open("/tmp/x.html"));
  EXPECT_EQ(fakes.shell.opened, (std::vector<std::string>{"/tmp/x.html"}));

  fakes.files.AnswerOwn(std::string("Sheet"));
  fakes.files.AnswerOwn(std::nullopt);
  seams::OwnFileDialogRequest req;
  req.extension = "sco";
  EXPECT_EQ(seams::FileDialogs().ShowOwnFileDialog(req), std::optional<std::string>("Sheet"));
  EXPECT_FALSE(seams::FileDialogs().ShowOwnFileDialog(req).has_value());
  ASSERT_EQ(fakes.files.ownRequests.size(), 2u);
  EXPECT_EQ(fakes.files.ownRequests[0].extension, "sco");

  fakes.pointer.script = {{1, 2, true}, {3, 4, false}};
  EXPECT_TRUE(seams::Pointer().State().leftDown);
  EXPECT_EQ(seams::Pointer().State().x, 3);
  EXPECT_EQ(seams::Pointer().State().x, 3);  // the last state holds
  EXPECT_EQ(fakes.pointer.polls, 3);
}
