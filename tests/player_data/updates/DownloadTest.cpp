#include <gtest/gtest.h>

#include <filesystem>

#include "UpdateHarness.h"
#include "player_data/clsDownFile.h"

namespace {

using kdtest::LocalHttpServer;

class Download : public kdtest::UpdateTest {
 protected:
  // Fetches `path` into `dest` through a download list; how it ended.
  seams::DownloadResult Fetch(const std::string& path, const std::string& dest, int64_t maxBytes = 0) {
    clsDownFile list;
    const int32_t id = clsDownFile::NextDownloadNumber();
    const std::string url = "http://" + server.Host() + path;
    list.AddFile(dest, url, false, id);
    bool done = false;
    seams::DownloadResult result;
    EXPECT_TRUE(seams::Downloads().DownloadFile({url, dest, maxBytes, 0}, id,
                                                [&](int32_t doneID, const seams::DownloadResult& r) {
                                                  list.SaveBinaryFile(r, doneID);
                                                  result = r;
                                                  done = true;
                                                },
                                                nullptr));
    EXPECT_TRUE(WaitFor([&] { return done; }));
    EXPECT_EQ(list.Downloaded(id), result.ok);
    EXPECT_EQ(list.Error(id), result.error);
    return result;
  }
};

TEST_F(Download, IsStoredOnlyWhenTheReplyIsSuccessfulWholeAndFromTheUpdateServer) {
  const std::string body(512, 'n');
  const std::string other = "http://localhost:" + std::to_string(server.Port());
  struct Case {
    const char* name;
    LocalHttpServer::Route route;
    const char* error;  // "" when stored
  };
  const Case cases[] = {
      {"normal", {200, body}, ""},
      // Slower in all than the time-out, but never silent for that long.
      {"slow", {200, body, LocalHttpServer::Mode::kSlow}, ""},
      {"moved-here", {302, "", LocalHttpServer::Mode::kNormal, "Location: /upd/normal\r\n"}, ""},
      {"not-found", {404, "<html>Not Found</html>"}, "the server answered 404 Not Found"},
      {"server-error", {500, "oops"}, "the server answered 500 Internal Server Error"},
      {"truncated", {200, body, LocalHttpServer::Mode::kTruncated}, "the server closed the connection before the end"},
      {"empty", {200, ""}, "the server sent an empty file"},
      {"hanging", {200, body, LocalHttpServer::Mode::kHanging}, "nothing arrived for 2 seconds"},
      {"moved-away",
       {302, "", LocalHttpServer::Mode::kNormal, "Location: " + other + "/upd/normal\r\n"},
       "the server sent it on to "},
      {"moved-to-file",
       {302, "", LocalHttpServer::Mode::kNormal, "Location: file:///etc/hostname\r\n"},
       "the server sent it on to file:///etc/hostname, away from 127.0.0.1"},
      {"moved-loop",
       {302, "", LocalHttpServer::Mode::kNormal, "Location: /upd/moved-loop-back\r\n"},
       "the server sent it on more than 5 times"},
      // Compressed bodies are never asked for; one cut short once passed for whole.
      {"gzip", {200, kdtest::Compress(body), LocalHttpServer::Mode::kTruncated, "Content-Encoding: gzip\r\n"},
       "the server sent it encoded (gzip)"},
  };
  server.Serve(Path("moved-loop-back"), {302, "", LocalHttpServer::Mode::kNormal, "Location: /upd/moved-loop\r\n"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string dest = tree.Sub("upd") + "file.bin";
    ASSERT_TRUE(runtime::SaveFileAtomically(dest, "OLD"));
    server.Serve(Path(c.name), c.route);
    const seams::DownloadResult result = Fetch(Path(c.name), dest);
    EXPECT_EQ(result.ok, *c.error == '\0');
    EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    EXPECT_EQ(Read(dest), result.ok ? body : "OLD");
    // No temporary file is left beside it.
    EXPECT_EQ(EntryCount(tree.Sub("upd")), 1);
  }
  EXPECT_EQ(server.RequestCount("/upd/normal"), 2);  // itself, and by the move on the same host
}

TEST_F(Download, ABodyOverItsLimitIsRefusedWhileItArrives) {
  const std::string dest = tree.Sub("upd") + "file.bin";
  const LocalHttpServer::Route unbounded{200, "", LocalHttpServer::Mode::kNormal, "", false, 1 << 20};
  server.Serve("/upd/big", unbounded);
  LocalHttpServer::Route stated = unbounded;
  stated.sendLength = true;
  server.Serve("/upd/stated", stated);
  for (const char* path : {"/upd/big", "/upd/stated"}) {
    SCOPED_TRACE(path);
    const seams::DownloadResult result = Fetch(path, dest, 1000);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.tooLarge);
    EXPECT_EQ(result.error, "it is larger than 1000 bytes");
    EXPECT_FALSE(std::filesystem::exists(dest));
    EXPECT_EQ(EntryCount(tree.Sub("upd")), 0);
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
  EXPECT_FALSE(list.SaveBinaryFile(seams::DownloadResult{true, "", false}, 8));
  EXPECT_EQ(list.FileID(2), 7);
  EXPECT_EQ(list.FileID(3), -1);
}

TEST(DownloadList, NumbersComeFromOneIncreasingCounter) {
  const int32_t a = clsDownFile::NextDownloadNumber();
  const int32_t b = clsDownFile::NextDownloadNumber();
  EXPECT_GT(b, a);
}

}  // namespace
