#include <gtest/gtest.h>

#include "UpdateHarness.h"
#include "player_data/clsDownFile.h"

namespace {

using kdtest::LocalHttpServer;

class Download : public kdtest::UpdateTest {
 protected:
  // Fetches `path` into `dest` through a download list; true when stored.
  bool Fetch(const std::string& path, const std::string& dest) {
    clsDownFile list;
    const int32_t id = clsDownFile::NextDownloadNumber();
    const std::string url = "http://" + server.Host() + path;
    list.AddFile(dest, url, false, id);
    bool done = false;
    bool stored = false;
    EXPECT_TRUE(seams::Downloads().DownloadFile(url, id, [&](int32_t doneID, const seams::DownloadResult& r) {
      stored = list.SaveBinaryFile(r, doneID);
      done = true;
    }));
    EXPECT_TRUE(WaitFor([&] { return done; }));
    EXPECT_EQ(list.Downloaded(id), stored);
    return stored;
  }
};

TEST_F(Download, IsStoredOnlyWhenTheReplyIsSuccessfulAndWhole) {
  const std::string body(512, 'n');
  struct Case {
    const char* name;
    LocalHttpServer::Route route;
    bool stored;
  };
  const Case cases[] = {
      {"normal", {200, body, LocalHttpServer::Mode::kNormal}, true},
      // Slower in all than the time-out, but never silent for that long.
      {"slow", {200, body, LocalHttpServer::Mode::kSlow}, true},
      {"not-found", {404, "<html>Not Found</html>", LocalHttpServer::Mode::kNormal}, false},
      {"server-error", {500, "oops", LocalHttpServer::Mode::kNormal}, false},
      {"truncated", {200, body, LocalHttpServer::Mode::kTruncated}, false},
      {"empty", {200, "", LocalHttpServer::Mode::kNormal}, false},
      {"hanging", {200, body, LocalHttpServer::Mode::kHanging}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string dest = tree.Sub("upd") + "file.bin";
    ASSERT_TRUE(runtime::SaveFileAtomically(dest, "OLD"));
    server.Serve(std::string("/upd/") + c.name, c.route);
    EXPECT_EQ(Fetch(std::string("/upd/") + c.name, dest), c.stored);
    EXPECT_EQ(Read(dest), c.stored ? body : "OLD");
    // No temporary file is left beside it.
    EXPECT_EQ(EntryCount(tree.Sub("upd")), 1);
  }
}

TEST(DownloadList, UnknownNumbersReadThePlaceholderAndStoreNothing) {
  clsDownFile list;
  list.AddFile("/nowhere/a", "http://127.0.0.1/a", true, 7);
  list.AddFile("/nowhere/b", "http://127.0.0.1/b", false, 7);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Dest(7), "/nowhere/a");  // the first of two equal numbers
  EXPECT_EQ(list.Dest(8), "");
  EXPECT_FALSE(list.Manual(8));
  EXPECT_FALSE(list.SaveBinaryFile(seams::DownloadResult{true, "bytes", ""}, 8));
  EXPECT_EQ(list.FileID(2), 7);
  EXPECT_EQ(list.FileID(3), -1);
}

TEST(DownloadList, NumbersComeFromOneIncreasingCounter) {
  const int32_t a = clsDownFile::NextDownloadNumber();
  const int32_t b = clsDownFile::NextDownloadNumber();
  EXPECT_GT(b, a);
}

}  // namespace
