#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "UpdateHarness.h"
#include "player_data/clsAppUpdate.h"
#include "player_data/clsPlayerUpdate.h"
#include "player_data/clsUpdateFile.h"

namespace {

using kdtest::IndexEntryFixture;
using kdtest::LocalHttpServer;

class PlayerUpdate : public kdtest::UpdateTest {
 protected:
  PlayerUpdate() {
    clsSettingsKD& s = basMockDraftSettings::GlobalSettings();
    s.SetBoolVal(kSetCheckPlayerUpdates, true);
    s.SetBoolVal(kSetDownloadAllUpdates, true);
  }

  // A manual run through the main bar's checks, everything offered taken;
  // true when it ended.
  bool RunAll() {
    clsUpdateChecks checks(view, {1, 0, 0}, "");
    bool ended = false;
    EXPECT_TRUE(checks.PlaUpdate(true, [&] { ended = true; }));
    return WaitFor([&] { return ended; });
  }

  // Which entries of a local index file are marked unpacked.
  std::vector<bool> Marks(const std::string& name) {
    clsUpdateFile index;
    EXPECT_TRUE(index.OpenUpdateFile(tree.Sub("upd"), name)) << name;
    std::vector<bool> marks;
    for (int32_t i = 0; i < index.FileCount(); ++i) marks.push_back(index.FileDownloaded(i));
    return marks;
  }

  kdtest::RecordingChecksView view;
};

TEST_F(PlayerUpdate, ASeasonRunFetchesOnlyTheNewIndexFilesAndUnpacksEveryOfferedArchive) {
  // Update 1 is held here, its first archive already unpacked.
  ASSERT_TRUE(runtime::SaveFileAtomically(
      tree.Sub("upd") + "20120001.dat",
      kdtest::BuildUpdateIndex({{"2012 Master 0001.vcz", 0, 10, 20, true, "mas"},
                                {"Strain 0001.vcz", 1, 10, 20, false, "str"}})));
  server.Serve("/upd/update2012.txt", NumberFile(3));
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"2012 Master 0001.vcz"}}));
  server.Serve("/upd/20120002.dat", kdtest::BuildUpdateIndex({{"2012 Master 0002.vcz", 0, 10, 20, false, "mas"}}));
  server.Serve("/upd/20120003.dat", kdtest::BuildUpdateIndex({{"2012-ADP-0001.vcz", 2, 10, 20, false, "adp"}}));
  PublishArchive("Strain 0001.vcz", "Strain.kwr", "strain records");
  PublishArchive("2012 Master 0002.vcz", "2012 Master 0002.kwr", "master records");
  PublishArchive("2012-ADP-0001.vcz", "2012-ADP-0001.kwr", "adp records");

  ASSERT_TRUE(RunAll());

  // Each stage's downloads run side by side, so they may arrive in any order.
  std::vector<std::string> requests = server.Requests();
  std::sort(requests.begin(), requests.end());
  std::vector<std::string> expected = {"/upd/update2012.txt", "/upd/20120002.dat", "/upd/20120003.dat",
                                       Path("Strain 0001.vcz"), Path("2012 Master 0002.vcz"),
                                       Path("2012-ADP-0001.vcz")};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(requests, expected);
  EXPECT_EQ(view.selections, 0);  // settings 1 and 38 take everything
  EXPECT_EQ(Read(tree.Sub("str") + "Strain.kwr"), "strain records");
  EXPECT_EQ(Read(tree.Sub("mas") + "2012 Master 0002.kwr"), "master records");
  EXPECT_EQ(Read(tree.Sub("adp") + "2012-ADP-0001.kwr"), "adp records");
  EXPECT_EQ(Marks("20120001.dat"), (std::vector<bool>{true, true}));
  EXPECT_EQ(Marks("20120002.dat"), (std::vector<bool>{true}));
  EXPECT_EQ(Marks("20120003.dat"), (std::vector<bool>{true}));
  // Archives are deleted once unpacked; the number file and indexes stay.
  EXPECT_EQ(EntryCount(tree.Sub("upd")), 4);
  EXPECT_TRUE(fakes.messages.captions.empty());
}

TEST_F(PlayerUpdate, AHangingArchiveTimesOutAndWhatArrivedIsStillUnpacked) {
  server.Serve("/upd/update2012.txt", NumberFile(1));
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"Hang.vcz", 0, 1, 1, false, "mas"},
                                                              {"Good.vcz", 0, 1, 1, false, "mas"}}));
  server.Serve(Path("Hang.vcz"), LocalHttpServer::Route{200, "x", LocalHttpServer::Mode::kHanging});
  PublishArchive("Good.vcz", "Good.kwr", "good");

  ASSERT_TRUE(RunAll());

  EXPECT_EQ(Read(tree.Sub("mas") + "Good.kwr"), "good");
  EXPECT_EQ(Marks("20120001.dat"), (std::vector<bool>{false, true}));  // offered again next time
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Update File Skipped");
  EXPECT_EQ(fakes.messages.plain[0].text, "Unable to GET 'upd/Hang.vcz'.");
}

TEST_F(PlayerUpdate, AHostileIndexWritesNothingOutsideTheWorkFolder) {
  server.Serve("/upd/update2012.txt", NumberFile(3));
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"../../evil.vcz", 0, 1, 1, false, "mas"}}));
  server.Serve("/upd/20120002.dat", kdtest::BuildUpdateIndex({{"Evil2.vcz", 0, 1, 1, false, "../.."}}));
  server.Serve("/upd/20120003.dat", kdtest::BuildUpdateIndex({{"Packed.vcz", 0, 1, 1, false, "mas"}}));
  server.Serve("/upd/evil.vcz", kdtest::BuildArchive({{"evil.kwr", "evil"}}));
  server.Serve(Path("Evil2.vcz"), kdtest::BuildArchive({{"evil.kwr", "evil"}}));
  server.Serve(Path("Packed.vcz"), kdtest::BuildArchive({{"../../outside.kwr", "evil"}, {"inside.kwr", "fine"}}));

  ASSERT_TRUE(RunAll());

  EXPECT_EQ(server.RequestCount("/upd/evil.vcz"), 0);
  EXPECT_EQ(server.RequestCount(Path("Evil2.vcz")), 0);
  // The refused indexes are not kept, so a corrected one is fetched next time.
  EXPECT_FALSE(std::filesystem::exists(tree.Sub("upd") + "20120001.dat"));
  EXPECT_FALSE(std::filesystem::exists(tree.Sub("upd") + "20120002.dat"));
  EXPECT_EQ(Read(tree.Sub("mas") + "inside.kwr"), "fine");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(tree.Root())) {
    const std::string path = entry.path().string();
    EXPECT_EQ(path.rfind(tree.Root() + "work", 0), 0u) << path;
    EXPECT_EQ(path.find("evil"), std::string::npos) << path;
    EXPECT_EQ(path.find("outside"), std::string::npos) << path;
  }
}

TEST_F(PlayerUpdate, ANumberFileThatHoldsNoUsableNumberEndsTheRun) {
  struct Case {
    const char* name;
    std::string bytes;
    bool message;
  };
  const Case cases[] = {
      {"shorter than 4 bytes", std::string("\x03\x00", 2), false},
      {"an error page", "<html>404</html>", true},
      {"above 9999", NumberFile(10000), false},
      {"negative", NumberFile(-5), false},
      {"no update yet", NumberFile(0), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes.messages.plain.clear();
    server.Serve("/upd/update2012.txt", c.bytes);
    auto run = std::make_shared<clsPlayerUpdate>();
    int done = 0;
    run->DonePlayerUpdate = [&](bool a, bool b) {
      EXPECT_FALSE(a || b);
      ++done;
    };
    run->ReadyForRequested = [&](bool, bool) { ADD_FAILURE() << "offered files"; };
    ASSERT_TRUE(run->InitializePlayerUpdate(true, 2012));
    ASSERT_TRUE(WaitFor([&] { return done == 1; }));
    ASSERT_EQ(fakes.messages.plain.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(fakes.messages.plain[0].caption, "Update Failed");
      EXPECT_EQ(fakes.messages.plain[0].text, "File was not found on " + server.Host() +
                                                  ".\r\nAttempting to GET 'upd/update2012.txt'.");
    }
  }
  // Nothing beyond the number file was ever asked for.
  EXPECT_EQ(server.RequestCount("/upd/20120001.dat"), 0);
}

TEST_F(PlayerUpdate, ACompletionReachesOnlyTheCheckThatStartedIt) {
  // The application check and a player run at once: neither takes the
  // other's download for its own.
  server.Serve("/upd/kd.txt", "x.0.0.1");
  server.Serve("/upd/update2012.txt", LocalHttpServer::Route{200, NumberFile(1), LocalHttpServer::Mode::kSlow});
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"A.vcz", 0, 1, 1, false, "mas"}}));
  auto app = std::make_shared<clsAppUpdate>();
  app->SetOwnVersion({1, 0, 0});
  auto run = std::make_shared<clsPlayerUpdate>();
  int appDone = 0;
  int offered = -1;
  app->DoneAppUpdate = [&](bool, bool) { ++appDone; };
  run->ReadyForRequested = [&](bool, bool ok) { offered = ok ? run->TotalFileCount() : -2; };
  run->DonePlayerUpdate = [&](bool, bool) { ADD_FAILURE() << "the run ended early"; };
  ASSERT_TRUE(run->InitializePlayerUpdate(false, 2012));
  ASSERT_TRUE(app->InitializeAppUpdate(false));
  ASSERT_TRUE(WaitFor([&] { return appDone == 1 && offered != -1; }));
  EXPECT_EQ(offered, 1);
  EXPECT_EQ(run->FileName(0), "A.vcz");
  EXPECT_EQ(appDone, 1);
}

}  // namespace
