#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
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
                                PublishArchive("Strain 0001.vcz", "Strain.kwr", "strain records", "str", 1)})));
  server.Serve("/upd/update2012.txt", NumberFile(3));
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"2012 Master 0001.vcz"}}));
  server.Serve("/upd/20120002.dat",
               kdtest::BuildUpdateIndex({PublishArchive("2012 Master 0002.vcz", "2012 Master 0002.kwr", "master records")}));
  server.Serve("/upd/20120003.dat",
               kdtest::BuildUpdateIndex({PublishArchive("2012-ADP-0001.vcz", "2012-ADP-0001.kwr", "adp records", "adp", 2)}));

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
                                                              PublishArchive("Good.vcz", "Good.kwr", "good")}));
  server.Serve(Path("Hang.vcz"), LocalHttpServer::Route{200, "x", LocalHttpServer::Mode::kHanging});

  ASSERT_TRUE(RunAll());

  EXPECT_EQ(Read(tree.Sub("mas") + "Good.kwr"), "good");
  EXPECT_EQ(Marks("20120001.dat"), (std::vector<bool>{false, true}));  // offered again next time
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Update File Skipped");
  EXPECT_EQ(fakes.messages.plain[0].text, "Unable to GET 'upd/Hang.vcz' from " + server.Host() +
                                              ": nothing arrived for 2 seconds.");
}

TEST_F(PlayerUpdate, AHostileIndexWritesNothingOutsideTheWorkFolder) {
  server.Serve("/upd/update2012.txt", NumberFile(3));
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"../../evil.vcz", 0, 1, 1, false, "mas"}}));
  server.Serve("/upd/20120002.dat", kdtest::BuildUpdateIndex({{"Evil2.vcz", 0, 1, 1, false, "../.."}}));
  const std::string packed = kdtest::BuildArchive({{"../../outside.kwr", "evil"}, {"inside.kwr", "fine"}});
  server.Serve("/upd/20120003.dat", kdtest::BuildUpdateIndex({kdtest::IndexEntryFor("Packed.vcz", packed)}));
  server.Serve("/upd/evil.vcz", kdtest::BuildArchive({{"evil.kwr", "evil"}}));
  server.Serve(Path("Evil2.vcz"), kdtest::BuildArchive({{"evil.kwr", "evil"}}));
  server.Serve(Path("Packed.vcz"), packed);

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

// An index of 30 archives answering 404 gave 30 boxes in a row.
TEST_F(PlayerUpdate, ManyFailingArchivesGiveOneMessage) {
  std::vector<kdtest::IndexEntryFixture> entries;
  for (int i = 1; i <= 30; ++i) entries.push_back({"A" + std::to_string(i) + ".vcz", 0, 9, 1, false, "mas"});
  server.Serve("/upd/update2012.txt", NumberFile(1));
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex(entries));
  ASSERT_TRUE(RunAll());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Update File Skipped");
  std::string expected = "30 update files were skipped:";
  for (int i = 1; i <= 5; ++i) {
    expected += "\r\nUnable to GET 'upd/A" + std::to_string(i) + ".vcz' from " + server.Host() +
                ": the server answered 404 Not Found.";
  }
  EXPECT_EQ(fakes.messages.plain[0].text, expected + "\r\n... and 25 more.");
  EXPECT_TRUE(fakes.messages.messages.empty());
}

// "No new player updates available." was said when every index had failed.
TEST_F(PlayerUpdate, AManualRunWhoseIndexesAllFailSaysWhyAndNotThatNothingIsNew) {
  server.Serve("/upd/update2012.txt", NumberFile(2));
  server.Serve("/upd/20120002.dat", "not an index");
  ASSERT_TRUE(RunAll());
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "Check For 2012 Updates");
  EXPECT_EQ(fakes.messages.messages[0].text,
            "Unable to check for player updates.\r\nUnable to GET 'upd/20120001.dat' from " + server.Host() +
                ": the server answered 404 Not Found.\r\n'upd/20120002.dat' on " + server.Host() +
                " is not an update index this program can read.");
}

// One 512 MiB ceiling served every file: a huge version file was stored
// (1.56 GB at its peak) and indexes took gigabytes. Each kind of file is
// now refused as soon as it passes what its reader can use, and no body is
// held in memory.
TEST_F(PlayerUpdate, EachKindOfFileOverItsLimitIsRefusedWithoutHoldingIt) {
  const std::size_t flood = 256u << 20;
  const LocalHttpServer::Route endless{200, "", LocalHttpServer::Mode::kNormal, "", false, flood};
  const auto peakKilobytes = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const long before = peakKilobytes();

  server.Serve("/upd/kd.txt", endless);
  auto app = std::make_shared<clsAppUpdate>();
  bool appDone = false;
  app->DoneAppUpdate = [&](bool, bool) { appDone = true; };
  ASSERT_TRUE(app->InitializeAppUpdate(true));
  ASSERT_TRUE(WaitFor([&] { return appDone; }));

  server.Serve("/upd/update2012.txt", endless);
  ASSERT_TRUE(RunAll());  // the number file
  server.Serve("/upd/update2012.txt", NumberFile(1));
  server.Serve("/upd/20120001.dat", endless);
  ASSERT_TRUE(RunAll());  // the index
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({PublishArchive("A.vcz", "A.kwr", "records")}));
  server.Serve("/upd/A.vcz", endless);
  ASSERT_TRUE(RunAll());  // the archive

  EXPECT_LT(peakKilobytes() - before, 64 * 1024);
  const std::string from = "Unable to GET 'upd/";
  ASSERT_EQ(fakes.messages.messages.size(), 2u);
  EXPECT_NE(fakes.messages.messages[0].text.find(from + "kd.txt' from " + server.Host() +
                                                 ": it is larger than 4096 bytes."),
            std::string::npos);
  EXPECT_NE(fakes.messages.messages[1].text.find(from + "20120001.dat' from " + server.Host() +
                                                 ": it is larger than 74776 bytes."),
            std::string::npos);
  ASSERT_EQ(fakes.messages.plain.size(), 2u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Update Failed");  // the number file: a server's error page
  EXPECT_EQ(fakes.messages.plain[1].caption, "Update File Skipped");
  EXPECT_EQ(fakes.messages.plain[1].text.rfind(from + "A.vcz' from " + server.Host() + ": it is larger than ", 0),
            0u);
  EXPECT_EQ(EntryCount(tree.Sub("upd")), 2);  // the number file and the index; no temporary file
}

// Twenty indexes of 229,000 entries each were all offered: 4.58 million
// files and a gigabyte. A run now holds at most kMaxRunEntries entries and
// says that the rest are left for later.
TEST_F(PlayerUpdate, TheFilesOneRunOffersAreBounded) {
  const std::vector<kdtest::IndexEntryFixture> full(clsUpdateFile::kMaxEntries, kdtest::IndexEntryFixture{"A.vcz"});
  const int32_t indexes = clsPlayerUpdate::kMaxRunEntries / clsUpdateFile::kMaxEntries + 2;
  server.Serve("/upd/update2012.txt", NumberFile(indexes));
  for (int32_t v = 1; v <= indexes; ++v) {
    server.Serve("/upd/2012000" + std::to_string(v) + ".dat", kdtest::BuildUpdateIndex(full));
  }
  auto run = std::make_shared<clsPlayerUpdate>();
  int32_t offered = -1;
  run->ReadyForRequested = [&](bool, bool) { offered = run->TotalFileCount(); };
  ASSERT_TRUE(run->InitializePlayerUpdate(true, 2012));
  ASSERT_TRUE(WaitFor([&] { return offered != -1; }));
  EXPECT_EQ(offered, clsPlayerUpdate::kMaxRunEntries);
  EXPECT_EQ(run->Failures(), std::vector<std::string>{"The updates offer more than 4096 files; the rest are left for "
                                                      "a later check."});
}

// An index could send an archive into the projects' folder, and its file
// replaced the user's project of the same name without a question.
TEST_F(PlayerUpdate, AnArchiveAimedAtTheUsersProjectLeavesItUnchanged) {
  ASSERT_TRUE(runtime::SaveFileAtomically(tree.Sub("kdp") + "My League.kdp", "my project"));
  server.Serve("/upd/update2012.txt", NumberFile(1));
  server.Serve("/upd/20120001.dat",
               kdtest::BuildUpdateIndex({PublishArchive("P.vcz", "My League.kdp", "theirs", "kdp")}));
  ASSERT_TRUE(RunAll());
  EXPECT_EQ(Read(tree.Sub("kdp") + "My League.kdp"), "my project");
  EXPECT_EQ(Read(tree.Sub("kdp") + "My League (update).kdp"), "theirs");
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].caption, "Update Files Kept");
  EXPECT_EQ(fakes.messages.plain[0].text,
            "The update replaced none of your own files:\r\n"
            "kdp/My League.kdp is yours and was kept; the update's copy is kdp/My League (update).kdp.");
  EXPECT_EQ(Marks("20120001.dat"), std::vector<bool>{true});
}

// An index could name another update's index as its archive: fetching it
// replaced that index in upd/, and unpacking deleted it, with the marks of
// what was unpacked, so the next run offered that update's archives again.
TEST_F(PlayerUpdate, AnArchiveNamedLikeAnIndexLeavesTheHeldIndexesAlone) {
  const std::string held = kdtest::BuildUpdateIndex({{"Old.vcz", 0, 10, 20, true, "mas"}});
  ASSERT_TRUE(runtime::SaveFileAtomically(tree.Sub("upd") + "20120001.dat", held));
  server.Serve("/upd/update2012.txt", NumberFile(2));
  server.Serve("/upd/20120002.dat", kdtest::BuildUpdateIndex({PublishArchive("20120001.dat", "x.kwr", "x")}));
  ASSERT_TRUE(RunAll());
  EXPECT_EQ(Read(tree.Sub("upd") + "20120001.dat"), held);
  EXPECT_EQ(Read(tree.Sub("mas") + "x.kwr"), "<missing>");
  EXPECT_EQ(server.RequestCount("/upd/20120001.dat"), 0);
}

// An archive that arrived but did not unpack stayed in upd/ (up to 512 MiB)
// until the next run.
TEST_F(PlayerUpdate, AnArchiveThatDoesNotUnpackIsDeletedWhenTheRunEnds) {
  IndexEntryFixture otherLengths = PublishArchive("L.vcz", "L.kwr", "records");
  ++otherLengths.uncompressedSize;
  server.Serve(Path("N.vcz"), "not an archive at all");
  server.Serve("/upd/update2012.txt", NumberFile(1));
  server.Serve("/upd/20120001.dat", kdtest::BuildUpdateIndex({{"N.vcz", 0, 100, 100, false, "mas"}, otherLengths}));
  ASSERT_TRUE(RunAll());
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  const std::string packed = std::to_string(otherLengths.fileSize);
  EXPECT_EQ(fakes.messages.plain[0].text, "2 update files were skipped:\r\n"
                                          "Unable to unpack 'upd/N.vcz': it is not an archive.\r\n"
                                          "Unable to unpack 'upd/L.vcz': it holds " + packed + " bytes packed from 7, "
                                          "and its index states " + packed + " from 8.");
  EXPECT_EQ(Marks("20120001.dat"), (std::vector<bool>{false, false}));  // still offered
  EXPECT_EQ(EntryCount(tree.Sub("upd")), 2);  // the number file and the index
}

// A player check whose index and archive both trickled lasted 195 s: each
// stage had the whole deadline. The archive now has what the check has left.
TEST_F(PlayerUpdate, TheDeadlineHoldsForTheWholeCheckNotForEachStage) {
  const auto deadline = std::chrono::milliseconds(2000);
  basUpdateServer::SetCheckDeadline(deadline);
  // 16-byte pieces 15 ms apart: the index takes at least 1.2 s, the archive
  // 1.7 s; each fits the deadline, both cannot.
  std::vector<IndexEntryFixture> entries(16, IndexEntryFixture{"Old.vcz", 0, 1, 1, true, "mas"});
  entries.push_back({"A.vcz", 0, 1800, 1800, false, "mas"});
  server.Serve("/upd/update2012.txt", NumberFile(1));
  server.Serve("/upd/20120001.dat", {200, kdtest::BuildUpdateIndex(entries), LocalHttpServer::Mode::kSlow});
  server.Serve(Path("A.vcz"), {200, std::string(1800, 'a'), LocalHttpServer::Mode::kSlow});
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(RunAll());
  EXPECT_LT(std::chrono::steady_clock::now() - start, deadline + std::chrono::seconds(5));
  ASSERT_EQ(fakes.messages.plain.size(), 1u);
  EXPECT_EQ(fakes.messages.plain[0].text,
            "Unable to GET 'upd/A.vcz' from " + server.Host() + ": it did not arrive within 1 second.");
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
