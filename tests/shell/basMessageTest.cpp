#include <gtest/gtest.h>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basMockItUp.h"
#include "shell/basMessage.h"

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

TEST_F(MessageQuestions, ConfirmOverwriteOfAMissingFileAsksNothing) {
  bool existed = true;
  EXPECT_TRUE(basMessage::ConfirmOverwrite(dir.File("missing.html"), existed));
  EXPECT_FALSE(existed);
  EXPECT_TRUE(fakes.messages.messages.empty());
}

TEST_F(MessageQuestions, ConfirmOverwriteOfAnExistingFileAsksYesNo) {
  const std::string path = dir.File("sheet.html");
  kdtest::WriteFile(path, "x");
  for (const auto& [answer, result] : {std::pair{"save", true}, std::pair{"nosave", false}, std::pair{"", false}}) {
    SCOPED_TRACE(answer);
    fakes.messages.Answer(answer);
    bool existed = false;
    EXPECT_EQ(basMessage::ConfirmOverwrite(path, existed), result);
    EXPECT_TRUE(existed);
    const kdtest::MessageCall& call = fakes.messages.messages.back();
    EXPECT_EQ(call.caption, "File Already Exists");
    EXPECT_EQ(call.text, " Would you like to overwrite \r\n  " + path + "?");
    EXPECT_EQ(call.buttonSet, seams::kYesNo);
  }
}

TEST_F(MessageQuestions, AskSaveChangesWithoutANameNamesTheDocumentType) {
  fakes.messages.Answer("nosave");
  EXPECT_TRUE(basMessage::AskSaveChanges(kPageScoringSystem, ""));
  const kdtest::MessageCall& call = fakes.messages.messages.back();
  EXPECT_EQ(call.caption, "Scoring System File");
  EXPECT_EQ(call.text, " Would you like to save changes to Scoring System File?");
  EXPECT_EQ(call.buttonSet, seams::kSaveDontSaveCancel);
  EXPECT_TRUE(call.modal);
  EXPECT_EQ(MessageAnswer, "nosave");
}

TEST_F(MessageQuestions, AskSaveChangesIsTrueForSaveAndDontSaveOnly) {
  struct Case {
    const char* answer;
    bool result;
  };
  for (const Case c : {Case{"save", true}, Case{"nosave", true}, Case{"cancel", false}, Case{"", false}}) {
    SCOPED_TRACE(c.answer);
    fakes.messages.Answer(c.answer);
    EXPECT_EQ(basMessage::AskSaveChanges(kPageLeagueProperties, "My League.lgp"), c.result);
    EXPECT_EQ(fakes.messages.messages.back().text, " Would you like to save changes to My League.lgp?");
    EXPECT_EQ(fakes.messages.messages.back().caption, "League Properties File");
  }
}

TEST_F(MessageQuestions, AskSaveChangesWithAPageCodeOutsideTheTableStillAsks) {
  for (const int32_t code : {-1, 15, 1000}) {
    SCOPED_TRACE(code);
    fakes.messages.Answer("cancel");
    EXPECT_FALSE(basMessage::AskSaveChanges(code, "Draft.ugm"));
    EXPECT_EQ(fakes.messages.messages.back().caption, "");
    EXPECT_EQ(fakes.messages.messages.back().text, " Would you like to save changes to Draft.ugm?");
  }
}
