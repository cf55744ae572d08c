#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "ShellWindowHarness.h"
#include "TempDir.h"
#include "core/basMessage.h"
#include "core/basMockItUp.h"
#include "shell/basFileDialog.h"
#include "shell/ui/frmFile.h"
#include "shell/ui/frmMessage.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsButton.h"

namespace {

std::vector<std::string> Listed(const frmFile& dialog) {
  std::vector<std::string> names;
  for (int i = 0; i < dialog.lstFile()->count(); ++i) {
    names.push_back(dialog.lstFile()->item(i)->text().toStdString());
    EXPECT_EQ(dialog.lstFile()->item(i)->data(Qt::UserRole).toInt(), i);
  }
  return names;
}

class FileDialogWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockItUp::InitFileTypeTable(dir.Path());
    for (const char* sub : {"sco/", "str/"}) std::filesystem::create_directories(dir.Path() + sub);
    sco = dir.Path() + "sco/";
    str = dir.Path() + "str/";
  }

  void Open(frmFile& dialog, int32_t mode, const std::string& name = "", bool seriesOnly = false,
            bool prefixFilter = false) {
    dialog.InitializeDialog(sco, "sco", "Scoring System", mode, name, kPageScoringSystem, seriesOnly, prefixFilter);
  }

  kdtest::TempDir dir;
  std::string sco, str;
  kdtest::RealSeamsWithScriptedPointer seams_;
  kdtest::FakePointer& pointer = *seams_.pointer;
  kdtest::ModalScript script;
};

}  // namespace

TEST_F(FileDialogWindow, ListsTheTypesFilesTheFirstOfEachSeriesOrThoseWithThePrefix) {
  for (const char* name : {"b League.SCO", "a.sco", "C.Sco", "notes.txt", "esco", "d.sco.bak"}) {
    kdtest::WriteFile(sco + name, "x");
  }
  std::filesystem::create_directories(sco + "sub");
  for (const char* name : {"Week0001.kwr", "Week0002.kwr", "WeekAB.kwr", "0001.kwr", "001.kwr", "Wk0001x.kwr",
                           "Strain A.kwr", "strain b.kwr", "Strain.kwr"}) {
    kdtest::WriteFile(str + name, "x");
  }
  frmFile dialog;
  Open(dialog, basFileDialog::kOpen);  // whatever the case of the extension
  EXPECT_EQ(Listed(dialog), (std::vector<std::string>{"a.sco", "b League.SCO", "C.Sco"}));
  frmFile series;
  series.InitializeDialog(str, "kwr", "Projected Stat Strain", basFileDialog::kSelect, "", kPageProjectedStatStrain,
                          true, false);
  EXPECT_EQ(Listed(series), (std::vector<std::string>{"0001.kwr", "Week0001.kwr"}));
  frmFile prefix;  // names beginning with the prefix exactly
  prefix.InitializeDialog(str, "kwr", "Projected Stat Strain", basFileDialog::kSelect, "Strain",
                          kPageProjectedStatStrain, false, true);
  EXPECT_EQ(Listed(prefix), (std::vector<std::string>{"Strain A.kwr", "Strain.kwr"}));
  EXPECT_EQ(prefix.txtFileName()->text().toStdString(), "");
}

TEST_F(FileDialogWindow, ModesChooseTheConfirmButtonAndTitle) {
  struct Case {
    int32_t mode;
    const char* button;
    const char* shot;
  };
  for (const Case c : {Case{0, "Save", "file_dialog_save"}, Case{1, "Open", "file_dialog_open"},
                       Case{2, "Save", "file_dialog_new"}, Case{3, "Select", "file_dialog_select"}}) {
    SCOPED_TRACE(c.mode);
    kdtest::WriteFile(sco + "Office League.sco", "x");
    kdtest::WriteFile(sco + "Family.sco", "x");
    frmFile dialog;
    Open(dialog, c.mode, "Office League.sco");
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Kickwell Draftyard File Dialog");
    EXPECT_EQ(dialog.mOS()->TabText(0), c.button);
    EXPECT_EQ(dialog.mCancel()->TabText(0), "Cancel");
    EXPECT_EQ(dialog.mOS()->Rect(0), (ButtonRect{70, 24, 5, 0}));
    EXPECT_EQ(dialog.txtFileType()->text().toStdString(), "Scoring System  (*.sco)");
    EXPECT_EQ(dialog.txtFileName()->text().toStdString(), "Office League.sco");
    EXPECT_EQ(dialog.picProperty()->BackColor(), gdi::kWhite);
    dialog.show();
    kdtest::SaveScreenshot(&dialog, c.shot);
  }
}

TEST_F(FileDialogWindow, ClickingFillsTheNameBoxAndADoubleClickInSaveModeNothingMore) {
  kdtest::WriteFile(sco + "Family.sco", "x");
  frmFile dialog;
  Open(dialog, basFileDialog::kSave);
  dialog.show();
  QListWidget* list = dialog.lstFile();
  const QRect r = list->visualItemRect(list->item(0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(dialog.txtFileName()->text().toStdString(), "Family.sco");
  dialog.txtFileName()->setText("Typed over");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(dialog.txtFileName()->text().toStdString(), "Family.sco");
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.Cancelled());
  EXPECT_TRUE(ClicksAccepted);
}

TEST_F(FileDialogWindow, DoubleClickInOpenModeChoosesTheNameAndHoldsOffClicks) {
  kdtest::WriteFile(sco + "Family.sco", "x");
  script.Then<frmFile>([](frmFile* dialog) {
    QListWidget* list = dialog->lstFile();
    const QRect r = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
  });
  EXPECT_FALSE(basFileDialog::ShowFileDialogBasic("", kPageScoringSystem, basFileDialog::kOpen, true));
  EXPECT_EQ(FileDialogChosenName, "Family.sco");
  // The click that closed the dialog must not reach the grid underneath.
  EXPECT_FALSE(ClicksAccepted);
  EXPECT_TRUE(script.Done());
  QTRY_VERIFY(ClicksAccepted);
}

TEST_F(FileDialogWindow, EnterConfirmsTheNameAsTypedEvenEmptyInOpenMode) {
  script.Then<frmFile>([](frmFile* dialog) {
    dialog->txtFileName()->setText("Mine");
    QTest::keyClick(dialog->txtFileName(), Qt::Key_Return);
  });
  EXPECT_FALSE(basFileDialog::ShowFileDialog("", kPageScoringSystem, basFileDialog::kNew, true, false, false));
  EXPECT_EQ(FileDialogChosenName, "Mine.sco");

  frmFile dialog;
  Open(dialog, basFileDialog::kOpen);
  script.Then<frmFile>([](frmFile* d) { QTest::keyClick(d->txtFileName(), Qt::Key_Return); });
  dialog.exec();
  EXPECT_FALSE(dialog.Cancelled());
  EXPECT_EQ(dialog.ChosenName(), "");
  EXPECT_TRUE(script.Done());
}

TEST_F(FileDialogWindow, SaveRefusesABlankNameAndStaysOpen) {
  frmFile dialog;
  Open(dialog, basFileDialog::kSave, "   ");
  std::string notice;
  script.Then<frmFile>([&](frmFile* d) { kdtest::PressSoon(pointer, d->mOS(), 0); })
      .Then<frmMessage>([&](frmMessage* box) {
        notice = box->windowTitle().toStdString() + "|" + box->lblView()->text().toStdString();
        kdtest::PressSoon(pointer, box->mBtn(), 0);
      })
      .Then<frmFile>([&](frmFile* d) {
        EXPECT_TRUE(d->Cancelled());
        d->txtFileName()->setText("Keeper");
        kdtest::PressSoon(pointer, d->mOS(), 0);
      });
  dialog.exec();
  EXPECT_EQ(notice, "File Name Error| Please enter a name for the file.");
  EXPECT_FALSE(dialog.Cancelled());
  EXPECT_EQ(dialog.ChosenName(), "Keeper");
  EXPECT_TRUE(script.Done());
}

TEST_F(FileDialogWindow, CancelAndTheCloseBoxBothCancel) {
  script.Then<frmFile>([&](frmFile* d) { kdtest::PressSoon(pointer, d->mCancel(), 0); });
  EXPECT_EQ(basFileDialog::SelectFileDialog(kPageScoringSystem, false), "");
  script.Then<frmFile>([](frmFile* d) { d->close(); });
  std::string name = "Kept.sco";
  EXPECT_TRUE(basFileDialog::ShowFileDialogByMode(name, basFileDialog::kSave, kPageScoringSystem));
  EXPECT_EQ(name, "");
  EXPECT_TRUE(script.Done());
}

TEST_F(FileDialogWindow, SavingOverAFileAsksThroughTheMessageBox) {
  kdtest::WriteFile(sco + "Office.sco", "x");
  std::string question;
  script.Then<frmFile>([&](frmFile* d) {
    d->txtFileName()->setText("C:\\Leagues\\Office");
    kdtest::PressSoon(pointer, d->mOS(), 0);
  });
  script.Then<frmMessage>([&](frmMessage* box) {
    question = box->windowTitle().toStdString() + "|" + box->lblView()->text().toStdString();
    kdtest::PressSoon(pointer, box->mBtn(), 1);  // No
  });
  EXPECT_TRUE(basFileDialog::ShowFileDialogBasic("", kPageScoringSystem, basFileDialog::kSave, true));
  EXPECT_EQ(question, "File Already Exists| Do you wish to overwrite Office.sco?");
  EXPECT_EQ(FileDialogChosenName, "Office.sco");
  EXPECT_TRUE(script.Done());
}

TEST_F(FileDialogWindow, OpeningAFileThatVanishedSaysFileNotFound) {
  kdtest::WriteFile(sco + "Gone.sco", "x");
  std::string notice;
  script.Then<frmFile>([&](frmFile* d) {
    d->lstFile()->setCurrentRow(0);
    std::filesystem::remove(sco + "Gone.sco");
    kdtest::PressSoon(pointer, d->mOS(), 0);
  });
  script.Then<QMessageBox>([&](QMessageBox* box) {
    notice = box->windowTitle().toStdString() + "|" + box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_TRUE(basFileDialog::ShowFileDialogBasic("", kPageScoringSystem, basFileDialog::kOpen, true));
  EXPECT_EQ(notice, "File Error|File Not Found:  '" + sco + "Gone.sco'");
  EXPECT_TRUE(script.Done());
}

TEST_F(FileDialogWindow, FromTheKeyboardReturnInTheListOpensAndTheButtonsTakeTheFocus) {
  kdtest::WriteFile(sco + "Family.sco", "x");
  kdtest::WriteFile(sco + "Office.sco", "x");
  {
    frmFile dialog;
    Open(dialog, basFileDialog::kOpen);
    script.Then<frmFile>([](frmFile* d) {
      d->lstFile()->setFocus();
      // The list's cursor on the second name, as the arrow keys leave it.
      d->lstFile()->setCurrentRow(1, QItemSelectionModel::NoUpdate);
      QTest::keyClick(d->lstFile(), Qt::Key_Return);
    });
    dialog.exec();
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.ChosenName(), dialog.lstFile()->item(1)->text().toStdString());
  }
  struct Case {
    int tabs;
    Qt::Key press;
    bool cancelled;
  };
  // From the name box: one Tab reaches the Open button, two the Cancel button.
  for (const Case& c : {Case{1, Qt::Key_Space, false}, Case{1, Qt::Key_Return, false}, Case{2, Qt::Key_Space, true},
                        Case{2, Qt::Key_Return, true}}) {
    SCOPED_TRACE(std::to_string(c.tabs) + " tabs, key " + std::to_string(c.press));
    frmFile dialog;
    Open(dialog, basFileDialog::kOpen, "Typed");
    script.Then<frmFile>([&](frmFile* d) {
      QApplication::setActiveWindow(d);
      d->txtFileName()->setFocus();
      for (int i = 0; i < c.tabs; ++i) QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(d->focusWidget(), c.tabs == 1 ? d->picOS() : d->picCancel());
      QTest::keyClick(d->focusWidget(), c.press);
    });
    dialog.exec();
    EXPECT_EQ(dialog.Cancelled(), c.cancelled);
    if (!c.cancelled) {
      EXPECT_EQ(dialog.ChosenName(), "Typed");
    }
  }
  EXPECT_TRUE(script.Done());
}

// The list marks its first file when Shift+Tab reaches it; the first Down
// used to select the file after it.
TEST_F(FileDialogWindow, TheListsFirstDownSelectsTheFileItsFrameIsOn) {
  for (const char* name : {"Alpha.sco", "Beta.sco", "Gamma.sco"}) kdtest::WriteFile(sco + name, "x");
  frmFile dialog;
  Open(dialog, basFileDialog::kOpen);
  script.Then<frmFile>([](frmFile* d) {
    QApplication::setActiveWindow(d);
    d->txtFileName()->setFocus();
    const struct {
      Qt::Key key;
      int current;
      const char* name;  // of the file selected, in the name box
    } keys[] = {{Qt::Key_Backtab, 0, ""},
                {Qt::Key_Down, 0, "Alpha.sco"},
                {Qt::Key_Down, 1, "Beta.sco"},
                {Qt::Key_Up, 0, "Alpha.sco"}};
    for (const auto& k : keys) {
      SCOPED_TRACE(k.name);
      QTest::keyClick(d->focusWidget(), k.key);
      EXPECT_EQ(d->focusWidget(), d->lstFile());
      EXPECT_EQ(d->lstFile()->currentRow(), k.current);
      EXPECT_EQ(d->lstFile()->item(k.current)->isSelected(), *k.name != '\0');
      EXPECT_EQ(d->txtFileName()->text().toStdString(), k.name);
    }
    d->reject();
  });
  dialog.exec();
  EXPECT_TRUE(script.Done());
}
