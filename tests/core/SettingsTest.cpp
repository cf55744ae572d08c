#include <gtest/gtest.h>

#include <string>

#include "FakeSeams.h"
#include "TempDir.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsSettingsKD.h"

namespace {

// Points the work folder at a temporary folder and releases the global
// settings around each test.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    basMockDraftSettings::TerminateSettings();
    basMockItUp::InitFileTypeTable(dir.Path());
  }
  void TearDown() override { basMockDraftSettings::TerminateSettings(); }
  std::string SettingsPath() const { return dir.File("kd_settings.ini"); }

  kdtest::TempDir dir;
};

}  // namespace

TEST_F(SettingsTest, BooleansAreTrueOnlyForYesAndTrueInAnyCase) {
  clsSettingsKD s;
  const struct {
    const char* text;
    bool value;
  } cases[] = {{"yes", true},  {"Yes", true},  {"TRUE", true}, {"true", true}, {"1", false},
               {"-1", false},  {"on", false},  {"", false},    {" True", false}};
  for (const auto& c : cases) {
    s.SetStringVal(1, c.text);
    EXPECT_EQ(s.BoolVal(1), c.value) << '"' << c.text << '"';
    EXPECT_EQ(s.CheckVal(1), c.value ? 1 : 0);
  }
  s.SetBoolVal(1, false);
  EXPECT_EQ(s.StringVal(1), "False");
  s.SetCheckVal(1, 1);
  EXPECT_EQ(s.StringVal(1), "True");
  s.SetCheckVal(1, 2);  // a greyed check box
  EXPECT_EQ(s.StringVal(1), "False");
  EXPECT_THROW(s.StringVal(44), std::out_of_range);
  EXPECT_THROW(s.SetBoolVal(-1, true), std::out_of_range);
}

TEST_F(SettingsTest, LongValRoundsHalfToEvenAndGivesZeroForAnythingElse) {
  clsSettingsKD s;
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{"12.5", 12},        {"13.5", 14},  {" -7 ", -7},       {"1e3", 1000}, {"abc", 0}, {"", 0},
               {"2147483647", 2147483647}, {"2147483648", 0}, {"-2147483649", 0}, {"12abc", 0}, {"1,000", 0}};
  for (const auto& c : cases) {
    s.SetStringVal(29, c.text);
    EXPECT_EQ(s.LongVal(29), c.value) << '"' << c.text << '"';
  }
  s.SetLongVal(29, -15);
  EXPECT_EQ(s.StringVal(29), "-15");
  bool ok = true;
  EXPECT_EQ(basMockDraftSettings::ValidLong("abc", ok), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(basMockDraftSettings::ValidLong("4", ok), 4);
  EXPECT_TRUE(ok);
}

TEST_F(SettingsTest, AssignDefaultsTouchesOnlyItsGroup) {
  clsSettingsKD s;
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) s.SetStringVal(i, "x");
  s.AssignDefaults(7);
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) EXPECT_EQ(s.StringVal(i), "x") << i;
  s.AssignDefaults(kGroupMockDrafts);
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) {
    const bool inGroup = i == 39 || i == 29 || i == 31 || i == 42 || i == 43;
    EXPECT_EQ(s.StringVal(i) != "x", inGroup) << i;
  }
}

TEST_F(SettingsTest, SaveWritesAll44KeysInOrderWithCrLf) {
  clsSettingsKD s;
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) s.SetStringVal(i, "v" + std::to_string(i));
  ASSERT_TRUE(s.Save());
  std::string expected = "[Kickwell Draftyard Settings]\r\n";
  for (int32_t i = 0; i < clsSettingsKD::kCount; ++i) expected += std::to_string(i) + "=v" + std::to_string(i) + "\r\n";
  EXPECT_EQ(kdtest::ReadFile(SettingsPath()), expected);
}

TEST_F(SettingsTest, EmptyKeyReadsEmptyWhileMissingKeyReadsItsDefault) {
  const std::string longFolder = "/home/someone/" + std::string(300, 'd') + "/";
  kdtest::WriteFile(SettingsPath(), "[Kickwell Draftyard Settings]\r\n29=\r\n1=yes\r\n2=" + longFolder + "\r\n");
  clsSettingsKD s;
  s.SetStringVal(31, "changed");
  ASSERT_TRUE(s.Load());
  EXPECT_EQ(s.StringVal(2), longFolder);
  EXPECT_EQ(s.StringVal(29), "");
  EXPECT_EQ(s.LongVal(29), 0);
  EXPECT_FALSE(s.BoolVal(29));
  EXPECT_TRUE(s.BoolVal(1));
  EXPECT_EQ(s.StringVal(31), "4");
  ASSERT_TRUE(s.Save());
  const std::string written = kdtest::ReadFile(SettingsPath());
  EXPECT_NE(written.find("\r\n29=\r\n1=yes\r\n2=" + longFolder + "\r\n0="), std::string::npos);
  EXPECT_NE(written.find("\r\n43=True\r\n"), std::string::npos);
}

TEST_F(SettingsTest, SaveReportsFailureAndLoadOfAnUnreadableFileChangesNothing) {
  kdtest::WriteFile(dir.File("kd_settings.ini/inside"), "");  // a folder where the file should be
  clsSettingsKD s;
  s.SetStringVal(29, "7");
  EXPECT_FALSE(s.Save());
  EXPECT_FALSE(s.LastError().empty());
  EXPECT_FALSE(s.Load());
  EXPECT_EQ(s.StringVal(29), "7");
}

TEST_F(SettingsTest, FirstRunShowsTheWelcomeWindowOnceAndSavesTheDefaults) {
  int shown = 0;
  ASSERT_TRUE(basMockDraftSettings::InitializeSettings([&] {
    ++shown;
    basMockDraftSettings::GlobalSettings().SetBoolVal(27, false);
  }));
  EXPECT_EQ(shown, 1);
  const std::string text = kdtest::ReadFile(SettingsPath());
  EXPECT_NE(text.find("\r\n27=False\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n40=2024\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n43=True\r\n"), std::string::npos);

  basMockDraftSettings::TerminateSettings();
  ASSERT_TRUE(basMockDraftSettings::InitializeSettings([&] { ++shown; }));
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(basMockDraftSettings::GlobalSettings().BoolVal(27));
}

TEST_F(SettingsTest, WindowPlacementRoundTrip) {
  using basMockDraftSettings::RestoreWindowPlacement;
  using basMockDraftSettings::SaveWindowPlacement;
  EXPECT_FALSE(RestoreWindowPlacement().hasPosition);
  ASSERT_TRUE(SaveWindowPlacement({150.5, 300, 9000.5, 7000, false, false}));
  auto placement = RestoreWindowPlacement();
  EXPECT_TRUE(placement.hasPosition);
  EXPECT_EQ(placement.left, 150);
  EXPECT_EQ(placement.top, 300);
  EXPECT_EQ(placement.width, 9000);
  EXPECT_EQ(placement.height, 7000);
  EXPECT_FALSE(placement.maximised);

  // Maximised: the last normal position stays.
  ASSERT_TRUE(SaveWindowPlacement({0, 0, 20000, 15000, true, false}));
  placement = RestoreWindowPlacement();
  EXPECT_TRUE(placement.maximised);
  EXPECT_EQ(placement.width, 9000);
  // Minimised: only setting 32 changes.
  ASSERT_TRUE(SaveWindowPlacement({1, 1, 1, 1, false, true}));
  placement = RestoreWindowPlacement();
  EXPECT_FALSE(placement.maximised);
  EXPECT_EQ(placement.left, 150);
  EXPECT_NE(kdtest::ReadFile(SettingsPath()).find("\r\n32=False\r\n33=150\r\n"), std::string::npos);

  EXPECT_FALSE(SaveWindowPlacement({0, 0, 1e12, 100, false, false}));
}

TEST_F(SettingsTest, ADepthAboveTheWindowsRangeAndDocumentPathsAreNotTakenFromTheFile) {
  kdtest::ScopedFakeSeams seams;
  kdtest::WriteFile(SettingsPath(),
                    "[Kickwell Draftyard Settings]\r\n29=2147483647\r\n4=../x.pro\r\n"
                    "5=/tmp/grid.dis\r\n6=Mine.dis\r\n2=/any/export/folder/\r\n");
  clsSettingsKD s;
  ASSERT_TRUE(s.Load());
  EXPECT_EQ(s.LongVal(kSetUserMockDepth), clsSettingsKD::kUserMockDepthMax);
  EXPECT_EQ(s.StringVal(kSetDefaultProjectedStats), "2010 Default Stats.pro");
  EXPECT_EQ(s.StringVal(5), "Stats - Offensive.dis");
  EXPECT_EQ(s.StringVal(6), "Mine.dis");
  EXPECT_EQ(s.StringVal(kSetExportFolder), "/any/export/folder/");
  ASSERT_EQ(seams.messages.messages.size(), 1u);
  EXPECT_EQ(seams.messages.messages[0].caption, "Settings File Error");
  EXPECT_EQ(seams.messages.messages[0].text,
            " kd_settings.ini names documents outside their folders; they are not used:\r\n  4=../x.pro\r\n"
            "  5=/tmp/grid.dis");
}
