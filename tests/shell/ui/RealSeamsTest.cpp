#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTimer>

#include "ShellWindowHarness.h"
#include "TempDir.h"
#include "core/IDBAS_CommonDialog.h"
#include "core/basStatusControl.h"
#include "shell/ui/frmStatus.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/clsButton.h"

namespace {

class RealSeams : public ::testing::Test {
 protected:
  kdtest::RealSeamsWithScriptedPointer seams_;
  kdtest::FakePointer& pointer = *seams_.pointer;
};

// The pointer states of one press and release at a point.
void ScriptPressAt(kdtest::FakePointer& pointer, QPoint at) {
  pointer.script = {{at.x(), at.y(), false}, {at.x(), at.y(), true}, {at.x(), at.y(), false}};
}

}  // namespace

TEST_F(RealSeams, CancelPressedWhileTheJobYieldsStopsTheJob) {
  std::unique_ptr<clsStatusPlain> status = basStatusControl::CreateStatusWindow("Long Job", false);
  seams::Progress().Show();
  auto* window = qobject_cast<frmStatus*>(QApplication::activeModalWidget());
  ASSERT_NE(window, nullptr);
  const ButtonRect r = window->mOK()->Rect(0);
  ScriptPressAt(pointer, window->picOK()->mapToGlobal(QPoint(r.Left + 20, r.Top + 10)));
  // The job: one caption per step, each a yield; it stops at the flag.
  int steps = 0;
  QElapsedTimer guard;
  guard.start();
  while (!CancelFlag && guard.elapsed() < 20000) {
    status->StatusCaption(clsStatusPlain::kCurrentBar, 1, "Step " + std::to_string(++steps));
  }
  EXPECT_TRUE(CancelFlag);
  EXPECT_TRUE(seams::Progress().Visible());
  seams::Progress().Unload();
  EXPECT_FALSE(CancelFlag);
}

TEST_F(RealSeams, WhileAJobRunsOtherWindowsButtonsDoNotClick) {
  QWidget mainWindow;
  mainWindow.setGeometry(50, 50, 300, 100);
  auto* picture = new PictureBox(&mainWindow);
  picture->setGeometry(10, 10, 200, 30);
  mainWindow.show();
  QTimer timer;
  clsButton bar;
  basButtonMocks::SetUpOKCancelButtons(bar, picture, &timer);
  int clicks = 0;
  QObject::connect(&bar, &clsButton::Click, [&](int32_t) { ++clicks; });

  std::unique_ptr<clsStatusPlain> status = basStatusControl::CreateStatusWindow("Long Job", false);
  seams::Progress().Show();
  kdtest::Press(pointer, &bar, 0);
  EXPECT_EQ(clicks, 0);
  seams::Progress().Unload();
  kdtest::Press(pointer, &bar, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(RealSeams, TheSaveDialogDescribesTheTypeAndReturnsFolderAndName) {
  kdtest::TempDir dir;
  kdtest::WriteFile(dir.File("Existing.html"), "x");
  kdtest::ModalScript script;
  std::string filter;
  script.Then<QFileDialog>([&](QFileDialog* dialog) {
    filter = dialog->nameFilters().join("|").toStdString();
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Export Cheat Sheet");
    // The caller asks its own overwrite question.
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    dialog->selectFile(QString::fromStdString(dir.File("Existing.html")));
    static_cast<QDialog*>(dialog)->accept();
  });
  IDBAS_CommonDialog::SetDialogFilter("Export Cheat Sheet", "html", "Hyper Text", dir.Path(), "Sheet.html");
  const IDBAS_CommonDialog::FileDialogResult result = IDBAS_CommonDialog::ShowSaveDialog();
  EXPECT_EQ(filter, "Hyper Text File (*.html)");
  EXPECT_FALSE(result.Cancelled);
  EXPECT_EQ(result.Path, dir.Path());
  EXPECT_EQ(result.Files, (std::vector<std::string>{"Existing.html"}));
  EXPECT_TRUE(script.Done());
}
