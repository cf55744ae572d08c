#include <gtest/gtest.h>

#include <filesystem>

#include <QLabel>
#include <QTest>

#include "../../shell/ui/ShellWindowHarness.h"
#include "UpdateHarness.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "player_data/clsAppUpdate.h"
#include "player_data/clsPlayerUpdate.h"
#include "player_data/clsUIUpdate.h"
#include "player_data/ui/UpdateChecksWindows.h"
#include "player_data/ui/frmUpdate.h"
#include "shell/AppInfo.h"
#include "shell/ui/frmMainBar.h"

namespace {

using kdtest::LocalHttpServer;

// The checks as the main bar runs them at start-up and from the menu.
class UpdateChecks : public kdtest::UpdateTest {
 protected:
  UpdateChecks() {
    player_data_ui::RegisterWindows();
    bar.Load();
  }
  ~UpdateChecks() override { shell_ui::frmMainBar::SetUpdateChecks({}, {}); }

  void Set(int32_t index, bool value) { basMockDraftSettings::GlobalSettings().SetBoolVal(index, value); }
  bool WaitUntilIdle() {
    return WaitFor([&] { return !bar.UpdateChecking() && !bar.Timer3()->isActive(); });
  }

  shell_ui::frmMainBar bar;
};

TEST_F(UpdateChecks, StartUpRunsTheApplicationCheckThenThePlayerUpdateSilently) {
  Set(kSetCheckApplicationUpdate, true);
  Set(kSetCheckPlayerUpdates, true);
  server.Serve("/upd/kd.txt", "x." + AppInfo::VersionText());
  server.Serve("/upd/update2012.txt", NumberFile(1));
  ASSERT_TRUE(runtime::SaveFileAtomically(tree.Sub("upd") + "20120001.dat",
                                          kdtest::BuildUpdateIndex({{"A.vcz", 0, 1, 1, true, "mas"}})));
  bar.SyncUpdates();
  EXPECT_EQ(bar.lblUpdate()->text().toStdString(), "Checking for app update...");
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/upd/kd.txt", "/upd/update2012.txt"}));
  EXPECT_EQ(bar.lblUpdate()->text().toStdString(), "");
  // Nothing new, and nobody asked: nothing is shown.
  EXPECT_TRUE(fakes.messages.captions.empty());

  bar.PlaUpdate(true);
  EXPECT_EQ(bar.lblUpdate()->text().toStdString(), "Checking for player updates...");
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "Check For 2012 Updates");
  EXPECT_EQ(fakes.messages.messages[0].text, "No new player updates available.");
}

TEST_F(UpdateChecks, AManualCheckWhileOneRunsIsRefusedWithANotice) {
  server.Serve("/upd/update2012.txt", LocalHttpServer::Route{200, NumberFile(1), LocalHttpServer::Mode::kHanging});
  server.Serve("/upd/kd.txt", "x.0.0.0");
  bar.PlaUpdate(true);
  ASSERT_TRUE(bar.UpdateChecking());
  bar.AppUpdate(true);
  bar.PlaUpdate(true);
  ASSERT_EQ(fakes.messages.messages.size(), 2u);
  EXPECT_EQ(fakes.messages.messages[0].caption, shell_ui::frmMainBar::kBusyCaption);
  EXPECT_EQ(fakes.messages.messages[1].text, shell_ui::frmMainBar::kBusyText);
  EXPECT_EQ(bar.lblUpdate()->text().toStdString(), "Checking for player updates...");
  EXPECT_EQ(server.RequestCount("/upd/kd.txt"), 0);

  // The hanging number file times out and ends the run; then a check runs.
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(bar.lblUpdate()->text().toStdString(), "");
  bar.AppUpdate(true);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(server.RequestCount("/upd/kd.txt"), 1);
}

TEST_F(UpdateChecks, TheSelectionWindowDownloadsOnlyTheTickedFiles) {
  PublishUpdateOne();
  // B is ticked by a click on its box, or by Down to its row and Space.
  for (const bool byKeys : {false, true}) {
    SCOPED_TRACE(byKeys ? "keys" : "mouse");
    // As new: the update held as unpacked is offered again.
    std::filesystem::remove(tree.Sub("str") + "B.kwr");
    std::filesystem::remove(tree.Sub("upd") + "20120001.dat");
    kdtest::ModalScript script;
    script.Then<frmUpdate>([&](frmUpdate* window) {
      EXPECT_EQ(window->windowTitle().toStdString(), "Kickwell Draftyard 2012 Updates");
      const FlexGridModel& grid = window->flxUpd()->Model();
      ASSERT_EQ(grid.Rows(), 3);
      EXPECT_EQ(grid.TextMatrix(0, clsUIUpdate::kColName), "File Name");
      EXPECT_EQ(grid.TextMatrix(2, clsUIUpdate::kColName), "B.vcz");
      EXPECT_EQ(grid.TextMatrix(2, clsUIUpdate::kColType), "STR");
      EXPECT_EQ(grid.TextMatrix(2, clsUIUpdate::kColSize), "1.5 KB");
      if (byKeys) {
        window->flxUpd()->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(grid.Row(), 1);
        QTest::keyClick(window->flxUpd(), Qt::Key_Down);
        QTest::keyClick(window->flxUpd(), Qt::Key_Space);
      } else {
        kdtest::SaveScreenshot(window, "frmUpdate");
        const QRect tick = window->flxUpd()->CellRect(2, clsUIUpdate::kColTick);
        QTest::mouseMove(window->flxUpd(), tick.center());
        QTest::mouseClick(window->flxUpd(), Qt::LeftButton, {}, tick.center());
      }
      kdtest::Press(fakes.pointer, window->mOK(), 0);
    });
    bar.PlaUpdate(true);
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(server.RequestCount(Path("A.vcz")), 0);
    EXPECT_EQ(Read(tree.Sub("str") + "B.kwr").size(), 1500u);
  }
}

// A manual check that failed used to end without a word, and the user
// could not tell a dead server from one with nothing new. Each failure now
// gives one message that names it, from the application check and from the
// player check alike.
TEST_F(UpdateChecks, EveryManualCheckThatFailsSaysSoOnceAndWhy) {
  const std::string host = server.Host();
  struct Case {
    const char* name;
    std::string server;  // setting 0
    std::function<LocalHttpServer::Route(const std::string& path)> route;
    std::string why;
  };
  const auto answer = [](LocalHttpServer::Route route) { return [route](const std::string&) { return route; }; };
  const auto moved = [](const std::string& to) {
    return [to](const std::string& path) {
      return LocalHttpServer::Route{302, "", LocalHttpServer::Mode::kNormal,
                                    "Location: " + (to.empty() ? path : to) + "\r\n"};
    };
  };
  const Case cases[] = {
      {"not found", host, answer({404, "gone"}), "the server answered 404 Not Found."},
      {"server error", host, answer({500, "oops"}), "the server answered 500 Internal Server Error."},
      {"no server", "127.0.0.1:1", answer({}), "the connection was refused."},
      {"unknown host", "nonexistent.invalid", answer({}), "nonexistent.invalid"},
      {"empty setting", "", answer({}), "No update server is set."},
      {"bad setting", "update server/x", answer({}), "The update server \"update server/x\" is not a host name."},
      {"moved in a loop", host, moved(""), "the server sent it on more than 5 times."},
      {"moved to a file", host, moved("file:///etc/hostname"), "the server sent it on to file:///etc/hostname"},
      {"stalled", host, answer({200, "x", LocalHttpServer::Mode::kHanging}), "nothing arrived for 2 seconds."},
      {"encoded body", host, answer({200, "abcd", LocalHttpServer::Mode::kNormal, "Content-Encoding: gzip\r\n"}),
       "the server sent it encoded (gzip)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    basMockDraftSettings::GlobalSettings().SetStringVal(kSetUpdateServer, c.server);
    for (const char* path : {"/upd/kd.txt", "/upd/update2012.txt"}) server.Serve(path, c.route(path));

    fakes.messages.messages.clear();
    bar.AppUpdate(true);
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_EQ(fakes.messages.messages.size(), 1u);
    EXPECT_EQ(fakes.messages.messages[0].caption, "Kickwell Draftyard Update");
    EXPECT_EQ(fakes.messages.messages[0].text.rfind("Unable to check for a new version of Kickwell Draftyard.\r\n", 0),
              0u);
    EXPECT_NE(fakes.messages.messages[0].text.find(c.why), std::string::npos) << fakes.messages.messages[0].text;

    fakes.messages.messages.clear();
    bar.PlaUpdate(true);
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_EQ(fakes.messages.messages.size(), 1u);
    EXPECT_EQ(fakes.messages.messages[0].caption, "Check For 2012 Updates");
    EXPECT_EQ(fakes.messages.messages[0].text.rfind("Unable to check for player updates.\r\n", 0), 0u);
    EXPECT_NE(fakes.messages.messages[0].text.find(c.why), std::string::npos) << fakes.messages.messages[0].text;
  }
  EXPECT_TRUE(fakes.messages.plain.empty());
}

// A server that sent its head and then a byte every 20 s kept a check
// running for ever: the idle time-out never fired, the status line stayed,
// and the start-up chain never reached the player update. Then the player
// update that follows had a deadline of its own; now the two share one, and
// the application check spent it all.
TEST_F(UpdateChecks, ATricklingServerEndsTheCheckAtItsDeadline) {
  seams::Install(shell_ui::MakeNetworkDownloads(20000, kdtest::kTestDeadlineMs));  // the idle time-out never fires
  basUpdateServer::SetCheckDeadline(std::chrono::milliseconds(1000));
  server.Serve("/upd/kd.txt", LocalHttpServer::Route{200, "", LocalHttpServer::Mode::kTrickle, "", false});
  server.Serve("/upd/update2012.txt", NumberFile(0));
  Set(kSetCheckApplicationUpdate, true);
  Set(kSetCheckPlayerUpdates, true);
  bar.SyncUpdates();
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(server.RequestCount("/upd/kd.txt"), 1);
  EXPECT_EQ(server.RequestCount("/upd/update2012.txt"), 0);
  EXPECT_TRUE(fakes.messages.messages.empty());  // at start-up, silently
  // A check the user asks for has a deadline of its own.
  bar.PlaUpdate(true);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(server.RequestCount("/upd/update2012.txt"), 1);
  fakes.messages.messages.clear();

  bar.AppUpdate(true);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].text, "Unable to check for a new version of Kickwell Draftyard.\r\n"
                                             "Unable to GET 'upd/kd.txt' from " + server.Host() +
                                                 ": it did not arrive within 1 second.");
}

TEST_F(UpdateChecks, CancelStopsTheCheckAndTheChecksThatWouldFollowIt) {
  seams::Install(shell_ui::MakeNetworkDownloads(20000, kdtest::kTestDeadlineMs));
  server.Serve("/upd/kd.txt", LocalHttpServer::Route{200, "x", LocalHttpServer::Mode::kHanging});
  Set(kSetCheckApplicationUpdate, true);
  Set(kSetCheckPlayerUpdates, true);
  bar.resize(800, 90);
  bar.show();
  EXPECT_FALSE(bar.lblCancel()->isVisible());
  bar.SyncUpdates();
  ASSERT_TRUE(WaitFor([&] { return server.RequestCount("/upd/kd.txt") == 1; }));
  ASSERT_TRUE(bar.lblCancel()->isVisible());
  QTest::mouseClick(bar.lblCancel(), Qt::LeftButton, {}, bar.lblCancel()->rect().center());
  EXPECT_FALSE(bar.UpdateChecking());
  EXPECT_EQ(bar.lblUpdate()->text().toStdString(), "");
  EXPECT_FALSE(bar.lblCancel()->isVisible());
  QTest::qWait(300);  // the chain's timer would have started the player check by now
  EXPECT_FALSE(bar.UpdateChecking());
  EXPECT_EQ(server.RequestCount("/upd/update2012.txt"), 0);
  EXPECT_TRUE(fakes.messages.captions.empty());
}

class UpdateSelection : public kdtest::UpdateTest {};

TEST_F(UpdateSelection, ClearThenOKStartsNothingAndEndsTheRun) {
  PublishUpdateOne();
  kdtest::RecordingChecksView view;
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
  clsUpdateChecks checks(view, {1, 0, 0}, "");
  bool ended = false;
  ASSERT_TRUE(checks.PlaUpdate(true, [&] { ended = true; }));
  ASSERT_TRUE(WaitFor([&] { return ended; }));
  EXPECT_EQ(view.selections, 1);
  EXPECT_EQ(server.RequestCount(Path("A.vcz")) + server.RequestCount(Path("B.vcz")), 0);
}

TEST(UpdateSelectionSizes, AreShownInTheLargestFittingUnit) {
  const std::pair<int64_t, const char*> cases[] = {
      {0, "0 B"}, {1023, "1023 B"}, {1024, "1.0 KB"}, {1536, "1.5 KB"}, {1048576, "1.0 MB"}, {3ll << 30, "3.0 GB"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(clsUIUpdate::SizeText(bytes), text) << bytes;
}

}  // namespace
