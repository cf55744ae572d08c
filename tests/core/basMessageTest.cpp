#include <gtest/gtest.h>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"

namespace {

class MessageQuestions : public ::testing::Test {
 protected:
  void SetUp() override { basMockItUp::InitFileTypeTable(dir.Path()); }
  kdtest::TempDir dir;
  kdtest::ScopedFakeSeams fakes;
};

}  // namespace

TEST_F(MessageQuestions, ShowMessageKeepsCaptionTextAndAnswerForTheWholeProgram) {
  fakes.messages.Answer("nosave");
  EXPECT_EQ(basMessage::ShowMessage("Cap", " Line one\r\nLine two", seams::kYesToAllYesNo, true), "nosave");
  EXPECT_EQ(MessageCaption, "Cap");
  EXPECT_EQ(MessageText, " Line one\r\nLine two");
  EXPECT_EQ(MessageAnswer, "nosave");
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kYesToAllYesNo);
  EXPECT_TRUE(fakes.messages.messages[0].modal);
}

TEST_F(MessageQuestions, AskYesNoIsTrueOnlyForTheFirstButton) {
  struct Case {
    const char* answer;
    bool result;
  };
  for (const Case c : {Case{"save", true}, Case{"nosave", false}, Case{"cancel", false}, Case{"", false},
                       Case{"yes", false}}) {
    SCOPED_TRACE(c.answer);
    fakes.messages.Answer(c.answer);
    EXPECT_EQ(basMessage::AskYesNo("Question", " Sure?"), c.result);
    EXPECT_EQ(fakes.messages.messages.back().buttonSet, seams::kYesNo);
    EXPECT_TRUE(fakes.messages.messages.back().modal);
  }
}

TEST_F(MessageQuestions, ConfirmOverwriteAsksYesNoOnlyForAnExistingFile) {
  bool existed = true;
  EXPECT_TRUE(basMessage::ConfirmOverwrite(dir.File("missing.html"), existed));
  EXPECT_FALSE(existed);
  EXPECT_TRUE(fakes.messages.messages.empty());

  const std::string path = dir.File("sheet.html");
  kdtest::WriteFile(path, "x");
  for (const auto& [answer, result] :
       {std::pair{"save", true}, std::pair{"nosave", false}, std::pair{"", false}}) {
    SCOPED_TRACE(answer);
    fakes.messages.Answer(answer);
    existed = false;
    EXPECT_EQ(basMessage::ConfirmOverwrite(path, existed), result);
    EXPECT_TRUE(existed);
    const kdtest::MessageCall& call = fakes.messages.messages.back();
    EXPECT_EQ(call.caption, "File Already Exists");
    EXPECT_EQ(call.text, " Would you like to overwrite \r\n  " + path + "?");
    EXPECT_EQ(call.buttonSet, seams::kYesNo);
  }
}

TEST_F(MessageQuestions, AskSaveChangesNamesTheFileOrTypeAndIsTrueForSaveAndDontSaveOnly) {
  struct Case {
    int32_t page;
    const char* name;
    const char* answer;
    bool result;
    const char* caption;
    const char* text;
  };
  const char* const kLeague = " Would you like to save changes to My League.lgp?";
  const char* const kDraft = " Would you like to save changes to Draft.ugm?";
  for (const Case& c :
       {Case{kPageScoringSystem, "", "nosave", true, "Scoring System File",
             " Would you like to save changes to Scoring System File?"},
        Case{kPageLeagueProperties, "My League.lgp", "save", true, "League Properties File", kLeague},
        Case{kPageLeagueProperties, "My League.lgp", "cancel", false, "League Properties File", kLeague},
        Case{kPageLeagueProperties, "My League.lgp", "", false, "League Properties File", kLeague},
        // a page code outside the table still asks
        Case{-1, "Draft.ugm", "cancel", false, "", kDraft}, Case{15, "Draft.ugm", "save", true, "", kDraft},
        Case{1000, "Draft.ugm", "nosave", true, "", kDraft}}) {
    SCOPED_TRACE(std::to_string(c.page) + " " + c.answer);
    fakes.messages.Answer(c.answer);
    EXPECT_EQ(basMessage::AskSaveChanges(c.page, c.name), c.result);
    const kdtest::MessageCall& call = fakes.messages.messages.back();
    EXPECT_EQ(call.caption, c.caption);
    EXPECT_EQ(call.text, c.text);
    EXPECT_EQ(call.buttonSet, seams::kSaveDontSaveCancel);
    EXPECT_TRUE(call.modal);
    EXPECT_EQ(MessageAnswer, c.answer);
  }
}

TEST_F(MessageQuestions, ViewingAFileNoProgramCanOpenSaysSoWithItsPath) {
  const std::string path = dir.File("Sheet.html");
  fakes.shell.result = false;
  fakes.messages.Answer("save");
  basMessage::OfferToView("Cheat Sheet Created", path);
  EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{path});
  ASSERT_EQ(fakes.messages.messages.size(), 2u);
  const kdtest::MessageCall& told = fakes.messages.messages[1];
  EXPECT_EQ(told.caption, "Open File Error");
  EXPECT_EQ(told.text, " Unable to open \r\n  " + path + "\r\n No program to view it is available.");
  EXPECT_EQ(told.buttonSet, seams::kOk);

  // A program that opens it: nothing more is said.
  fakes.shell.result = true;
  fakes.messages.Answer("save");
  basMessage::OfferToView("Cheat Sheet Created", path);
  EXPECT_EQ(fakes.messages.messages.size(), 3u);
}
