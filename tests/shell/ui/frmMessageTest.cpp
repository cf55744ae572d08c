#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ShellWindowHarness.h"
#include "core/PageCode.h"
#include "core/basMessage.h"
#include "shell/ui/frmMessage.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basFormLook.h"
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

TEST_F(MessageBoxWindow, ALongTextGrowsTheBoxSoNoLineIsCut) {
  for (const int lines : {5, 400}) {
    SCOPED_TRACE(lines);
    frmMessage box;
    std::string text;
    for (int i = 0; i < lines; ++i) text += " A notice that goes on for line " + std::to_string(i + 1) + ".\r\n";
    text += " /home/someone/Documents/Vellacorn/Kickwell_Draftyard/dat/sco/A_Name_Far_Too_Long_To_Wrap_In_The_Box.sco";
    box.Load("Long", text);
    box.SetButtonType(seams::kOk);
    box.show();
    const QRect label = box.lblView()->geometry();
    const QRect screen = box.screen()->availableGeometry();
    EXPECT_LE(box.height(), screen.height());
    EXPECT_LE(box.width(), screen.width());
    // Every line shows, or as many whole lines as the screen has room for.
    const int needed = box.lblView()->heightForWidth(label.width());
    if (needed <= label.height()) {
      EXPECT_EQ(lines, 5);
    } else {
      EXPECT_EQ(label.height() % QFontMetrics(box.lblView()->font()).lineSpacing(), 0);
    }
    // The long name fits across, and the strip sits below the text.
    EXPECT_GE(label.width(), QFontMetrics(box.lblView()->font())
                                 .horizontalAdvance("/home/someone/Documents/Vellacorn/Kickwell_Draftyard/dat/sco/"
                                                    "A_Name_Far_Too_Long_To_Wrap_In_The_Box.sco"));
    EXPECT_GT(box.picBtn()->y(), label.bottom());
    EXPECT_LE(box.picBtn()->geometry().right(), box.width());
    if (lines == 5) kdtest::SaveScreenshot(&box, "message_long_text");
    box.Unload();
  }
}

TEST_F(MessageBoxWindow, ReturnEnterSpaceAndTabAnswerFromTheKeyboard) {
  using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
  const Key tab{Qt::Key_Tab, Qt::NoModifier}, space{Qt::Key_Space, Qt::NoModifier};
  struct Case {
    const char* name;
    std::vector<Key> keys;
    std::string answer;
  };
  const Case cases[] = {
      {"Return at once answers the first button, which has the focus", {{Qt::Key_Return, Qt::NoModifier}}, "save"},
      {"keypad Enter as well", {{Qt::Key_Enter, Qt::KeypadModifier}}, "save"},
      {"Space presses the focused button, the first at the start", {space}, "save"},
      {"Tab moves the focus to the second", {tab, space}, "nosave"},
      // Tab to "Don't Save" then Return used to save.
      {"Return after a Tab answers the focused button", {tab, {Qt::Key_Return, Qt::NoModifier}}, "nosave"},
      {"keypad Enter after two Tabs answers the third", {tab, tab, {Qt::Key_Enter, Qt::KeypadModifier}}, "cancel"},
      {"Shift+Tab comes round to the last", {{Qt::Key_Backtab, Qt::ShiftModifier}, space}, "cancel"},
      {"Tab past the last comes round to the first", {tab, tab, tab, space}, "save"},
      {"Escape answers nothing", {{Qt::Key_Escape, Qt::NoModifier}}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    script.Then<frmMessage>([&](frmMessage* box) {
      QApplication::setActiveWindow(box);
      for (const Key& k : c.keys) {
        const QImage before = box->picBtn()->hDC().Image().copy();
        const int32_t focus = box->mBtn()->FocusButton();
        QTest::keyClick(box->focusWidget(), k.first, k.second);
        if (k.first == Qt::Key_Tab || k.first == Qt::Key_Backtab) {
          EXPECT_NE(box->mBtn()->FocusButton(), focus);
          EXPECT_NE(box->picBtn()->hDC().Image(), before);  // the focus shows
        }
      }
    });
    EXPECT_EQ(basMessage::ShowMessage("Caption", " Save the changes?", seams::kSaveDontSaveCancel, true), c.answer);
  }
  EXPECT_TRUE(script.Done());
}

TEST_F(MessageBoxWindow, PlainBoxesWearTheApplicationsOnePaletteAndFont) {
  const QPalette palette = QApplication::palette();
  const QFont font = QApplication::font();
  basFormLook::ApplyApplicationLook();
  frmMessage own;
  script.Then<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->palette().color(QPalette::Window), own.palette().color(QPalette::Window));
    EXPECT_EQ(box->palette().color(QPalette::Button), own.palette().color(QPalette::Window));
    EXPECT_EQ(box->font().family(), own.font().family());
    EXPECT_EQ(box->font().pixelSize(), own.font().pixelSize());
    kdtest::SaveScreenshot(box, "plain_message_box");
    box->button(QMessageBox::Ok)->click();
  });
  seams::MessageBox().PlainMessage("File Not Found:  '/x/y.sco'", seams::PlainButtons::kOk,
                                   seams::PlainIcon::kExclamation, "File Error");
  EXPECT_TRUE(script.Done());
  QApplication::setPalette(palette);
  QApplication::setFont(font);
}

TEST_F(MessageBoxWindow, PlainBoxesAnswerWithTheirButtons) {
  script.Then<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle().toStdString(), "File Error");
    EXPECT_EQ(box->text().toStdString(), "File Not Found:  '/x/y.sco'");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(seams::MessageBox().PlainMessage("File Not Found:  '/x/y.sco'", seams::PlainButtons::kOk,
                                             seams::PlainIcon::kExclamation, "File Error"),
            seams::PlainAnswer::kOk);
  // Each set with its buttons and icon; a box closed without a button gives
  // its escape answer.
  using B = seams::PlainButtons;
  using I = seams::PlainIcon;
  using A = seams::PlainAnswer;
  const struct {
    B set;
    I icon;
    QMessageBox::Icon shown;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton pressed;  // NoButton: closed from the title bar
    A answer;
  } cases[] = {
      {B::kYesNo, I::kQuestion, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, A::kNo},
      {B::kYesNo, I::kNone, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, A::kYes},
      {B::kOkCancel, I::kInformation, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Cancel, A::kCancel},
      {B::kYesNoCancel, I::kCritical, QMessageBox::Critical,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoButton, A::kCancel},
      {B::kOk, I::kNone, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::NoButton, A::kOk},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.set));
    script.Then<QMessageBox>([&c](QMessageBox* box) {
      EXPECT_EQ(box->icon(), c.shown);
      EXPECT_EQ(box->standardButtons(), c.buttons);
      if (c.pressed == QMessageBox::NoButton) {
        box->close();
      } else {
        box->button(c.pressed)->click();
      }
    });
    EXPECT_EQ(seams::MessageBox().PlainMessage("Sure?", c.set, c.icon, "Q"), c.answer);
  }
  EXPECT_TRUE(script.Done());
}

// Help > Contents: the web address moves to a line of its own, whole, rather
// than being split at one of its slashes.
TEST_F(MessageBoxWindow, AWebAddressWrapsWhole) {
  const std::string url = "https://www.vellacorn.com/kickwell/help/contents.html";
  frmMessage box;
  box.Load("Kickwell Draftyard Help", " Kickwell Draftyard Help is online at " + url +
                                          "\r\n  Would you like to send this url to your browser?");
  box.SetButtonType(seams::kYesNo);
  box.show();
  const QStringList lines = box.lblView()->text().split('\n');
  EXPECT_TRUE(lines.contains(QString::fromStdString(url))) << box.lblView()->text().toStdString();
  const QFontMetrics metrics(box.lblView()->font());
  for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), box.lblView()->width());
  kdtest::SaveScreenshot(&box, "message_web_address");
  box.Unload();
}

// A message naming a file shows the name as written; as markup this one
// would read /dev/zero until memory runs out.
TEST_F(MessageBoxWindow, AFileNameThatLooksLikeMarkupShowsAsWritten) {
  const std::string text = "File Not Found:  '<img src=%2Fdev%2Fzero>.lgp'";
  script.Then<frmMessage>([&](frmMessage* box) {
    EXPECT_EQ(box->lblView()->text().toStdString(), text);
    kdtest::PressSoon(pointer, box->mBtn(), 0);
  });
  basMessage::ShowMessage("File Error", text, seams::kOk, true);
  script.Then<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    box->button(QMessageBox::Ok)->click();
  });
  seams::MessageBox().PlainMessage(text, seams::PlainButtons::kOk, seams::PlainIcon::kExclamation, "File Error");
  EXPECT_TRUE(script.Done());
}
