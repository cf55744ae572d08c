#include <gtest/gtest.h>

#include "UpdateHarness.h"
#include "player_data/clsAppUpdate.h"

namespace {

using Version = clsAppUpdate::Version;

constexpr const char* kPage = "https://maker.invalid/download.html";

TEST(AppVersion, ComparesTheServersVersionWithTheProgramsOwn) {
  struct Case {
    const char* field;
    Version own;
    bool newer;
    const char* text;
  };
  const Case cases[] = {
      {"x.2.0.5", {2, 0, 4}, true, "2.0.5"},
      {"x.2.0.5", {2, 0, 5}, false, "2.0.5"},
      {"x.2.0.5", {2, 1, 0}, false, "2.0.5"},   // never a downgrade
      {"x.3.0.0", {2, 9, 9}, true, "3.0.0"},
      {"x.2.07.0", {2, 6, 9}, true, "2.07.0"},  // compared as 7, shown as written
      {"2.0.5", {2, 0, 4}, false, ""},
      {"x.2.0.5.1", {2, 0, 4}, false, ""},
      {"x.2.a.5", {2, 0, 4}, false, ""},
      {"", {2, 0, 4}, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    std::string text;
    EXPECT_EQ(clsAppUpdate::IsNewer(c.field, c.own, text), c.newer);
    EXPECT_EQ(text, c.text);
  }
}

class AppUpdate : public kdtest::UpdateTest {
 protected:
  // One check against the server's kd.txt; true when it ended.
  bool Check(const std::string& versionFile, bool manual) {
    server.Serve("/upd/kd.txt", versionFile);
    auto check = std::make_shared<clsAppUpdate>();
    check->SetOwnVersion({2, 0, 5});
    check->SetDownloadPage(kPage);
    int done = 0;
    check->DoneAppUpdate = [&](bool a, bool b) {
      EXPECT_FALSE(a || b);
      ++done;
    };
    EXPECT_TRUE(check->InitializeAppUpdate(manual));
    return WaitFor([&] { return done == 1; });
  }
};

TEST_F(AppUpdate, ANewerVersionIsOfferedAndYesOpensTheDownloadPage) {
  fakes.messages.Answer("save");
  ASSERT_TRUE(Check("x.2.1.0,released\r\nnotes", false));
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].caption, "Kickwell Draftyard Update");
  EXPECT_EQ(fakes.messages.messages[0].text,
            "Kickwell Draftyard 2.1.0 is available for download.\r\n  Would you like to download update now?");
  EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{kPage});
}

TEST_F(AppUpdate, TheSameVersionIsReportedOnlyToAManualCheck) {
  ASSERT_TRUE(Check("x.2.0.5", true));
  ASSERT_EQ(fakes.messages.messages.size(), 1u);
  EXPECT_EQ(fakes.messages.messages[0].text, "Kickwell Draftyard 2.0.5 is up to date.");
  EXPECT_EQ(fakes.messages.messages[0].buttonSet, seams::kOk);

  ASSERT_TRUE(Check("x.2.0.5", false));
  EXPECT_EQ(fakes.messages.messages.size(), 1u);
}

// A manual check that failed used to end without a word; so did a version
// text of 60,000 digits, or "1e400", which were even offered as new.
TEST_F(AppUpdate, AFailedCheckIsReportedOnlyToAManualCheckWithWhatFailed) {
  const std::string from = "Unable to GET 'upd/kd.txt' from " + server.Host() + ": ";
  const std::string noVersion = "'upd/kd.txt' on " + server.Host() + " holds no version number.";
  struct Case {
    const char* name;
    kdtest::LocalHttpServer::Route route;
    std::string why;
  };
  const Case cases[] = {
      {"three parts", {200, "2.0.6"}, noVersion},
      {"a number in exponent form", {200, "x.1e400.0.0"}, noVersion},
      {"a number of ten digits", {200, "x.2.0.1234567890"}, noVersion},
      {"a version file too long", {200, "x." + std::string(60000, '9') + ".0.0"}, from + "it is larger than 4096 bytes."},
      {"not found", {404, "x.9.9.9"}, from + "the server answered 404 Not Found."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const bool manual : {false, true}) {
      fakes.messages.messages.clear();
      server.Serve("/upd/kd.txt", c.route);
      auto check = std::make_shared<clsAppUpdate>();
      check->SetOwnVersion({2, 0, 5});
      bool done = false;
      check->DoneAppUpdate = [&](bool, bool) { done = true; };
      ASSERT_TRUE(check->InitializeAppUpdate(manual));
      ASSERT_TRUE(WaitFor([&] { return done; }));
      ASSERT_EQ(fakes.messages.messages.size(), manual ? 1u : 0u);
      if (manual) {
        EXPECT_EQ(fakes.messages.messages[0].caption, "Kickwell Draftyard Update");
        EXPECT_EQ(fakes.messages.messages[0].text,
                  "Unable to check for a new version of Kickwell Draftyard.\r\n" + c.why);
      }
    }
  }
  EXPECT_TRUE(fakes.shell.opened.empty());
}

}  // namespace
