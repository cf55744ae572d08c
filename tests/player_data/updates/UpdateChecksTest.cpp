#include <gtest/gtest.h>

#include <QTest>

#include "../../shell/ui/ShellWindowHarness.h"
#include "UpdateHarness.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "player_data/clsAppUpdate.h"
#include "player_data/clsPlayerUpdate.h"
#include "player_data/clsUIUpdate.h"
#include "player_data/ui/UpdateChecksWindows.h"
#include "player_data/ui/frmUpdate.h"

namespace {

using kdtest::LocalHttpServer;

class UpdateChecks : public kdtest::UpdateTest {
 protected:
  // Update 1 of 2012 offers two archives.
  void PublishUpdateOne() {
    server.Serve("/upd/update2012.txt", NumberFile(1));
    server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"A.vcz", 0, 1023, 1, false, "mas"},
                                                                {"B.vcz", 1, 1536, 1, false, "str"}}));
    PublishArchive("A.vcz", "A.kwr", "a");
    PublishArchive("B.vcz", "B.kwr", "b");
  }
  void Set(int32_t index, bool value) { basMockDraftSettings::GlobalSettings().SetBoolVal(index, value); }

  kdtest::RecordingChecksView view;
};

TEST_F(UpdateChecks, StartUpRunsTheApplicationCheckThenThePlayerUpdateSilently) {
  Set(kSetCheckApplicationUpdate, true);
  Set(kSetCheckPlayerUpdates, true);
  const clsAppUpdate::Version own = clsAppUpdate::ProgramVersion();
  server.Serve("/upd/kd.txt", "x." + std::to_string(own.major) + "." + std::to_string(own.minor) + "." +
                                  std::to_string(own.revision));
  server.Serve("/upd/update2012.txt", NumberFile(1));
  ASSERT_TRUE(runtime::SaveFileAtomically(tree.Sub("upd") + "20120001.dat",
                                          kdtest::BuildUpdateIndex({{"A.vcz", 0, 1, 1, true, "mas"}})));
  clsUpdateChecks checks(view);
  checks.SyncUpdates();
  ASSERT_TRUE(WaitFor([&] { return view.statuses.size() == 4 && !checks.Running(); }));
  EXPECT_EQ(view.statuses, (std::vector<std::string>{"Checking for app update...", "",
                                                     "Checking for player updates...", ""}));
  // Nothing new, and nobody asked: nothing is shown.
  EXPECT_TRUE(fakes.messages.captions.empty());

  checks.PlaUpdate(true);
  ASSERT_TRUE(WaitFor([&] { return !checks.Running(); }));
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "Check For 2012 Updates");
  EXPECT_EQ(fakes.messages.messages[0].text, "No new player updates available.");
}

TEST_F(UpdateChecks, AManualCheckWhileOneRunsIsRefusedWithANotice) {
  server.Serve("/upd/update2012.txt", LocalHttpServer::Route{200, NumberFile(1), LocalHttpServer::Mode::kHanging});
  server.Serve("/upd/kd.txt", "x.0.0.0");
  clsUpdateChecks checks(view);
  checks.PlaUpdate(true);
  ASSERT_TRUE(checks.Running());
  checks.AppUpdate(true);
  checks.PlaUpdate(true);
  ASSERT_EQ(fakes.messages.messages.size(), 2u);
  EXPECT_EQ(fakes.messages.messages[0].caption, clsUpdateChecks::kBusyCaption);
  EXPECT_EQ(fakes.messages.messages[1].text, clsUpdateChecks::kBusyText);
  EXPECT_EQ(server.RequestCount("/upd/kd.txt"), 0);

  // The hanging number file times out and ends the run; then a check runs.
  ASSERT_TRUE(WaitFor([&] { return !checks.Running(); }));
  EXPECT_EQ(checks.StatusText(), "");
  checks.AppUpdate(true);
  ASSERT_TRUE(WaitFor([&] { return !checks.Running(); }));
  EXPECT_EQ(server.RequestCount("/upd/kd.txt"), 1);
}

TEST_F(UpdateChecks, ClearThenOKInTheSelectionStartsNothingAndEndsTheRun) {
  PublishUpdateOne();
  view.onSelection = [](const std::shared_ptr<clsPlayerUpdate>& run) {
    FlexGridModel grid;
    clsUIUpdate selection(grid, nullptr, nullptr);
    selection.SetUC(run);
    selection.CellClicked(1, clsUIUpdate::kColTick);
    EXPECT_TRUE(run->RequestFile(0));
    selection.CellClicked(0, clsUIUpdate::kColTick);  // the heading row
    selection.CellClicked(2, clsUIUpdate::kColName);  // another column
    EXPECT_FALSE(run->RequestFile(1));
    selection.mSel_Click(0);
    selection.mSel_Click(1);
    selection.mOK_Click(0);
  };
  clsUpdateChecks checks(view);
  checks.PlaUpdate(true);
  ASSERT_TRUE(WaitFor([&] { return !checks.Running(); }));
  EXPECT_EQ(view.selections, 1);
  EXPECT_EQ(server.RequestCount(Path("A.vcz")) + server.RequestCount(Path("B.vcz")), 0);
}

TEST(UpdateSelection, SizesAreShownInTheLargestFittingUnit) {
  const std::pair<int64_t, const char*> cases[] = {
      {0, "0 B"}, {1023, "1023 B"}, {1024, "1.0 KB"}, {1536, "1.5 KB"}, {1048576, "1.0 MB"}, {3ll << 30, "3.0 GB"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(clsUIUpdate::SizeText(bytes), text) << bytes;
}

TEST_F(UpdateChecks, TheSelectionWindowDownloadsOnlyTheTickedFiles) {
  PublishUpdateOne();
  UpdateChecksWindows windows([this](const std::string& text) { view.ShowUpdateStatus(text); });
  kdtest::ModalScript script;
  script.Then<frmUpdate>([&](frmUpdate* window) {
    EXPECT_EQ(window->windowTitle().toStdString(), "Kickwell Draftyard 2012 Updates");
    const FlexGridModel& grid = window->flxUpd()->Model();
    ASSERT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.TextMatrix(0, clsUIUpdate::kColName), "File Name");
    EXPECT_EQ(grid.TextMatrix(2, clsUIUpdate::kColName), "B.vcz");
    EXPECT_EQ(grid.TextMatrix(2, clsUIUpdate::kColType), "STR");
    EXPECT_EQ(grid.TextMatrix(2, clsUIUpdate::kColSize), "1.5 KB");
    kdtest::SaveScreenshot(window, "frmUpdate");
    const QRect tick = window->flxUpd()->CellRect(2, clsUIUpdate::kColTick);
    QTest::mouseMove(window->flxUpd(), tick.center());
    QTest::mouseClick(window->flxUpd(), Qt::LeftButton, {}, tick.center());
    kdtest::Press(fakes.pointer, window->mOK(), 0);
  });
  clsUpdateChecks checks(windows);
  checks.PlaUpdate(true);
  ASSERT_TRUE(WaitFor([&] { return !checks.Running(); }));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(server.RequestCount(Path("A.vcz")), 0);
  EXPECT_EQ(Read(tree.Sub("str") + "B.kwr"), "b");
}

}  // namespace
