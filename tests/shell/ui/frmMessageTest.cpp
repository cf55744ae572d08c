#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "ShellWindowHarness.h"
#include "core/PageCode.h"
#include "core/basMessage.h"
#include "shell/ui/frmMessage.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsButton.h"

namespace {

class MessageBoxWindow : public ::testing::Test {
 protected:
  kdtest::RealSeamsWithScriptedPointer seams_;
  kdtest::FakePointer& pointer = *seams_.pointer;
  kdtest::ModalScript script;
};

}  // namespace

TEST_F(MessageBoxWindow, EachButtonAnswersByItsPosition) {
  struct Case {
    int32_t set;
    std::vector<std::string> captions;
    std::vector<std::string> answers;
  };
  const Case cases[] = {
      {seams::kSaveDontSaveCancel, {"Save", "Don't Save", "Cancel"}, {"save", "nosave", "cancel"}},
      {seams::kYesNo, {"Yes", "No"}, {"save", "nosave"}},
      {seams::kOk, {"OK"}, {"save"}},
      // "Yes" answers "nosave" and "No" answers "cancel" here.
      {seams::kYesToAllYesNo, {"Yes To All", "Yes", "No"}, {"save", "nosave", "cancel"}},
  };
  for (const Case& c : cases) {
    for (int32_t i = 0; i < static_cast<int32_t>(c.captions.size()); ++i) {
      SCOPED_TRACE("set " + std::to_string(c.set) + " button " + c.captions[static_cast<size_t>(i)]);
      std::vector<std::string> shown;
      script.Then<frmMessage>([&, i](frmMessage* box) {
        for (int32_t b = 0; b < box->mBtn()->Buttons(); ++b) shown.push_back(box->mBtn()->TabText(b));
        kdtest::PressSoon(pointer, box->mBtn(), i);
      });
      EXPECT_EQ(basMessage::ShowMessage("Caption", " Text", c.set, true), c.answers[static_cast<size_t>(i)]);
      EXPECT_EQ(MessageAnswer, c.answers[static_cast<size_t>(i)]);
      EXPECT_EQ(shown, c.captions);
    }
  }
  EXPECT_TRUE(script.Done());
}

TEST_F(MessageBoxWindow, ClosingFromTheTitleBarOrAModelessBoxAnswersNothing) {
  script.Then<frmMessage>([](frmMessage* box) { box->close(); });
  EXPECT_FALSE(basMessage::AskYesNo("Question", " Close me?"));
  EXPECT_EQ(MessageAnswer, "");
  script.Then<frmMessage>([](frmMessage* box) { box->close(); });
  EXPECT_FALSE(basMessage::AskSaveChanges(kPageProject, "Office.kdp"));
  EXPECT_TRUE(script.Done());
  // A modeless box does not wait and answers nothing.
  EXPECT_EQ(basMessage::ShowMessage("Notice", " Done.", seams::kOk, false), "");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MessageBoxWindow, TheBoxShowsCaptionAndTextOverItsOwner) {
  QWidget owner;
  owner.setWindowTitle("Owner");
  owner.show();
  QApplication::setActiveWindow(&owner);
  script.Then<frmMessage>([&](frmMessage* box) {
    EXPECT_EQ(box->windowTitle().toStdString(), "File Already Exists");
    EXPECT_EQ(box->lblView()->text().toStdString(), " Would you like to overwrite \n  /tmp/x.html?");
    EXPECT_EQ(box->parentWidget(), &owner);
    EXPECT_TRUE(box->isModal());
    kdtest::SaveScreenshot(box, "message_yes_no");
    kdtest::PressSoon(pointer, box->mBtn(), 0);
  });
  EXPECT_TRUE(basMessage::AskYesNo("File Already Exists", " Would you like to overwrite \r\n  /tmp/x.html?"));
  EXPECT_TRUE(script.Done());
}

TEST_F(MessageBoxWindow, TheStripSitsAtTheRightForEachSet) {
  struct Case {
    int32_t set;
    int left, width, buttonWidth;
  };
  // Outer width 6180 twips (412 pixels): sets 0, 1 and 3 end 240 twips from
  // it, set 2 starts 1400 twips from it and is 1250 twips wide.
  for (const Case& c : {Case{0, 126, 270, 82}, Case{1, 236, 160, 72}, Case{2, 319, 83, 72}, Case{3, 126, 270, 82}}) {
    SCOPED_TRACE(c.set);
    frmMessage box;
    box.Load("Caption", " Text");
    box.SetButtonType(c.set);
    EXPECT_EQ(box.size(), QSize(406, 112));
    EXPECT_EQ(box.picBtn()->geometry(), QRect(c.left, 80, c.width, 28));
    EXPECT_EQ(box.mBtn()->Rect(0), (ButtonRect{c.buttonWidth, 24, 5, 0}));
    if (c.set == seams::kSaveDontSaveCancel || c.set == seams::kYesToAllYesNo) {
      EXPECT_EQ(box.mBtn()->Rect(2), (ButtonRect{c.buttonWidth, 24, 5 + 2 * (c.buttonWidth + 9), 0}));
    }
    box.show();
    kdtest::SaveScreenshot(&box, "message_set_" + std::to_string(c.set));
    box.Unload();
  }
  // A set outside the table builds no buttons.
  frmMessage none;
  none.SetButtonType(7);
  EXPECT_EQ(none.mBtn(), nullptr);
  EXPECT_EQ(none.picBtn()->width(), 0);
}

TEST_F(MessageBoxWindow, ALongTextStaysInsideTheLabel) {
  frmMessage box;
  std::string text;
  for (int i = 0; i < 40; ++i) text += " A very long notice that goes on and on.\r\n";
  box.Load("Long", text);
  box.SetButtonType(seams::kOk);
  box.show();
  EXPECT_EQ(box.size(), QSize(406, 112));
  EXPECT_EQ(box.lblView()->geometry(), QRect(8, 16, 387, 57));
  kdtest::SaveScreenshot(&box, "message_long_text");
  box.Unload();
}


TEST_F(MessageBoxWindow, PlainBoxesAnswerWithTheirButtons) {
  script.Then<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle().toStdString(), "File Error");
    EXPECT_EQ(box->text().toStdString(), "File Not Found:  '/x/y.sco'");
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(seams::MessageBox().PlainMessage("File Not Found:  '/x/y.sco'", seams::PlainButtons::kOk,
                                             seams::PlainIcon::kExclamation, "File Error"),
            seams::PlainAnswer::kOk);
  script.Then<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
  EXPECT_EQ(seams::MessageBox().PlainMessage("Sure?", seams::PlainButtons::kYesNo, seams::PlainIcon::kQuestion, "Q"),
            seams::PlainAnswer::kNo);
  EXPECT_TRUE(script.Done());
}
