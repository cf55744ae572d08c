#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "EnvironmentFixtures.h"
#include "ShellWindowHarness.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "documents/ui/frmExportSheet.h"
#include "core/basMessage.h"
#include "shell/ui/PageRegistry.h"
#include "toolkit/ui/frmColour.h"

using documents_ui::frmExportSheet;

namespace {

// On the box or dot itself: the widgets are wider than their captions.
void ClickOn(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

class ExportSheetWindow : public ::testing::Test {
 protected:
  ExportSheetWindow() {
    basMockItUp::InitFileTypeTable(home.Root() + "work/");
    GlobalProject().SetValue(kProjFileType, "1");
    for (int32_t entry : {kProjCheatSheetTarget, kProjMockDraftTarget, kProjExportFileTarget}) {
      GlobalProject().SetValue(entry, home.Root() + "x.txt");
    }
  }
  ~ExportSheetWindow() override {
    ReleaseGlobalProject();
    shell_ui::ClearRegistrations();
    MessageAnswer.clear();
  }

  kdtest::TempHome home;
  kdtest::RealSeamsWithScriptedPointer seams;
  kdtest::ModalScript script;
};

TEST_F(ExportSheetWindow, EachModeShowsItsFramesWithoutOverlap) {
  struct Case {
    int32_t mode;
    bool colourRows;
    const char* name;
  };
  int previousHeight = 0;
  for (const Case& c : {Case{10, false, "grid_no_colours"}, Case{10, true, "grid"}, Case{5, true, "cheat_sheet"},
                        Case{8, true, "mock_draft"}}) {
    frmExportSheet dialog;
    dialog.ActivateForm(c.mode, c.mode == 10 ? kProjExportFileTarget : kProjCheatSheetTarget, c.colourRows);
    dialog.show();
    kdtest::SaveScreenshot(&dialog, "export_" + std::string(c.name));
    EXPECT_EQ(dialog.fraMockType()->isVisible(), c.mode == 8) << c.name;
    EXPECT_EQ(dialog.fraInclude()->isVisible(), c.mode == 8);
    EXPECT_EQ(dialog.fraDisplay()->isVisible(), c.mode != 10);
    EXPECT_EQ(dialog.picColour(0)->isVisible(), c.colourRows);
    EXPECT_EQ(dialog.lblColour(2)->isVisible(), c.colourRows);
    EXPECT_GT(dialog.height(), previousHeight) << c.name;
    previousHeight = dialog.height();
    std::vector<QWidget*> column;
    for (QWidget* w : std::initializer_list<QWidget*>{dialog.fraMockType(), dialog.fraDisplay(), dialog.fraFileType(),
                                                      dialog.fraHtml(), dialog.fraTarget()}) {
      if (w->isVisible()) column.push_back(w);
    }
    for (std::size_t i = 1; i < column.size(); ++i) EXPECT_LE(column[i - 1]->geometry().bottom(), column[i]->y());
    EXPECT_LE(dialog.chkGridLines()->geometry().bottom(), dialog.fraHtml()->height());
    EXPECT_LE(dialog.fraTarget()->geometry().bottom(), dialog.mSave()->PictureControl()->y());
    EXPECT_LE(dialog.mSave()->PictureControl()->geometry().bottom(), dialog.height());
  }
}

TEST_F(ExportSheetWindow, ClicksGoToTheProject) {
  frmExportSheet dialog;
  dialog.ActivateForm(5, kProjCheatSheetTarget, true);
  dialog.show();
  EXPECT_TRUE(dialog.optFile(1)->isChecked());
  EXPECT_FALSE(dialog.chkColour()->isEnabled());
  ClickOn(dialog.optFile(2));
  EXPECT_EQ(dialog.txtTarget()->text().toStdString(), home.Root() + "x.csv");
  ClickOn(dialog.optFile(0));
  ASSERT_TRUE(dialog.chkColour()->isEnabled());
  ClickOn(dialog.chkGridLines());
  EXPECT_EQ(GlobalProject().Value(kProjUseGridLines), "0");

  script.Then<frmColour>([&](frmColour* colour) {
    colour->txtColour(frmColour::kHex)->setText("0A0B0C");
    kdtest::Press(*seams.pointer, colour->mSc(), 0);
  });
  QTest::mouseClick(dialog.picColour(2), Qt::LeftButton);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(GlobalProject().Value(kProjRowBackColorB), std::to_string(0x0C0B0A));
  EXPECT_EQ(dialog.picColour(2)->hDC().GetPixel(10, 10), 0x0C0B0Au);
}

TEST_F(ExportSheetWindow, TheRegisteredDialogAnswersSaveOnlyAfterSave) {
  documents_ui::RegisterWindows();
  const shell_ui::ExportDialogOpener* open = shell_ui::FindExportDialog();
  ASSERT_NE(open, nullptr);
  script.Then<frmExportSheet>([&](frmExportSheet* dialog) {
    QTest::keyClicks(dialog->txtTarget(), "2");
    kdtest::Press(*seams.pointer, dialog->mSave(), 0);
  });
  (*open)(nullptr, 10, kProjExportFileTarget, false);
  EXPECT_EQ(MessageAnswer, "save");
  EXPECT_EQ(GlobalProject().Value(kProjExportFileTarget), home.Root() + "x.txt2");

  MessageAnswer.clear();
  script.Then<frmExportSheet>([](frmExportSheet* dialog) { dialog->close(); });
  (*open)(nullptr, 10, kProjExportFileTarget, false);
  EXPECT_EQ(MessageAnswer, "");

  // Return in the target box saves.
  script.Then<frmExportSheet>([](frmExportSheet* dialog) { QTest::keyClick(dialog->txtTarget(), Qt::Key_Return); });
  (*open)(nullptr, 10, kProjExportFileTarget, false);
  EXPECT_EQ(MessageAnswer, "save");
}

TEST_F(ExportSheetWindow, TabFollowsTheDialogTopToBottomLeftToRight) {
  GlobalProject().SetValue(kProjFileType, "0");
  GlobalProject().SetValue(kProjMockDraftType, "1");
  frmExportSheet dialog;
  dialog.ActivateForm(8, kProjMockDraftTarget, true);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  // Of each option group only the chosen button is a stop; Tab runs through
  // a bar's buttons before it leaves the bar, and comes round at the end.
  const std::vector<QWidget*> expected = {
      dialog.optMock(1),     dialog.Option1(0),    dialog.chkInclude(0), dialog.chkInclude(1),
      dialog.cmbDisplay(),   dialog.optFile(0),    dialog.chkColour(),   dialog.picColour(0),
      dialog.picColour(1),   dialog.picColour(2),  dialog.chkGridLines(), dialog.txtTarget(),
      dialog.mBrowse()->PictureControl(), dialog.mSave()->PictureControl(), dialog.optMock(1)};
  std::vector<QWidget*> seen{dialog.focusWidget()};
  while (seen.size() < expected.size()) {
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    if (dialog.focusWidget() != seen.back()) seen.push_back(dialog.focusWidget());
    ASSERT_LT(seen.size(), 40u);
  }
  EXPECT_EQ(seen, expected);
}

TEST_F(ExportSheetWindow, ASwatchWithTheFocusPicksItsColourWithSpace) {
  GlobalProject().SetValue(kProjFileType, "0");
  frmExportSheet dialog;
  dialog.ActivateForm(5, kProjCheatSheetTarget, true);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialog.picColour(1)->setFocus(Qt::TabFocusReason);
  script.Then<frmColour>([&](frmColour* colour) {
    colour->txtColour(frmColour::kHex)->setText("0A0B0C");
    kdtest::Press(*seams.pointer, colour->mSc(), 0);
  });
  QTest::keyClick(dialog.picColour(1), Qt::Key_Space);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(GlobalProject().Value(kProjRowBackColorA), std::to_string(0x0C0B0A));
}

}  // namespace
