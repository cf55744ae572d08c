// Building a season's database from the template and player-record files,
// keeping it current with newer master and strain files, ADP files, and the
// version fields that record what a database holds.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>

#include "KwrFixtures.h"
#include "core/basMockDraftSettings.h"
#include "core/clsSettingsKD.h"
#include "database/clsKickwellDB.h"
#include "player_data/StrainUpdatePromptView.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "player_data/basKWRFileControl.h"
#include "player_data/clsStrainUpdatePrompt.h"

namespace fs = std::filesystem;
using namespace basCreateSingleSeasonDB;
using kdtest::QueryText;
using kwrtest::Bio;
using kwrtest::BlockFixture;
using kwrtest::Describe;
using kwrtest::KwrFileBytes;
using kwrtest::Rec;

namespace {

constexpr uint8_t kPassYds = 3;   // tblStat2 Fld5
constexpr uint8_t kPassTD = 4;    // tblStat2 Fld6
constexpr uint8_t kRushYds = 14;  // tblStat3 Fld4
constexpr uint8_t kADP = 88;      // tblStat0 ADP

// Week 0 registers Allen (1001, QB, team 4) and Henry (1002, RB, team 3).
BlockFixture Registration() {
  BlockFixture b{0, {}};
  b.block.Bios = {Bio(1001, "Allen, Josh", 0, 4, 2), Bio(1002, "Henry, Derrick", 0, 3, 3)};
  return b;
}

// One block of the week: Allen's passing yards and Henry's rushing yards.
BlockFixture Week(uint8_t week, float passYds, float rushYds) {
  BlockFixture b{week, {}};
  b.block.Stats = {Rec(1001, 4, week, kPassYds, passYds), Rec(1002, 3, week, kRushYds, rushYds)};
  return b;
}

std::string Bytes(std::vector<BlockFixture> blocks, const std::string& text = "", int16_t year = 2024) {
  return KwrFileBytes(year, text, blocks);
}

// The prompt's window: records how it was shown and plays the test's clicks.
class ScriptedStrainPrompt final : public seams::StrainUpdatePromptView {
 public:
  void ShowModal(clsStrainUpdatePrompt& prompt) override {
    ++shows;
    label = prompt.FileLabel();
    presets = {prompt.Checked(0), prompt.Checked(1), prompt.Checked(2)};
    if (!script) {
      ADD_FAILURE() << "strain prompt shown without a script";
      return;
    }
    script(prompt);
  }
  std::function<void(clsStrainUpdatePrompt&)> script;
  int shows = 0;
  std::string label;
  std::array<bool, 3> presets{};
};

class SeasonDB : public kwrtest::SeasonWork {
 protected:
  void SetUp() override {
    auto prompt = std::make_unique<ScriptedStrainPrompt>();
    prompt_ = prompt.get();
    seams::Install(std::move(prompt));
    SelectedStrainName.clear();
  }
  void TearDown() override {
    seams::Install(std::unique_ptr<seams::StrainUpdatePromptView>());
    SelectedStrainName.clear();
    StrainUpdateOptions = {};
  }

  std::string Mas(const std::string& name, const std::string& bytes) { return PutKwr("mas", name, bytes); }
  std::string Str(const std::string& name, const std::string& bytes) { return PutKwr("str", name, bytes); }

  // The database built from the season's first master file, opened.
  void BuildAndOpen(const std::vector<std::string>& extra = {}) {
    std::vector<std::string> list = {Mas("2024 Master 0001.kwr", Bytes({Registration(), Week(1, 250, 80)}))};
    list.insert(list.end(), extra.begin(), extra.end());
    path_ = Sub("pro") + "Season.pro";
    ASSERT_TRUE(CreateProjectedFile(2024, path_, list, false));
    ASSERT_TRUE(db_.InitializeKickwellDB(path_)) << db_.LastError();
    fakes.progress.log.clear();
  }
  std::string Query(const std::string& sql) { return QueryText(path_, sql); }
  // Allen's passing yards and Henry's rushing yards of a week, "pass/rush".
  std::string WeekValues(int week) {
    const std::string w = std::to_string(week);
    return Query("SELECT (SELECT Fld5 FROM tblStat2 WHERE Week = " + w +
                 ") || '/' || (SELECT Fld4 FROM tblStat3"
                 " WHERE Week = " +
                 w + ");");
  }
  std::string Settings() {
    return Query(
        "SELECT Year || ',' || MasterVersion || ',' || StrainName || ',' || StrainVersion || ',' ||"
        " StrainMaxOffer || ',' || ifnull(StrainURL, 'Null') || ',' || ifnull(ADPURL, 'Null')"
        " FROM tblSettings;");
  }
  std::vector<std::string> FilesIn(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  ScriptedStrainPrompt* prompt_ = nullptr;
  std::string path_;
  clsKickwellDB db_;
};

// ---------------------------------------------------------------- file names

TEST(KwrFileNames, AFileBelongsToItsPrefixExactlyAndWithoutRegardToCase) {
  struct Case {
    const char* name;
    const char* prefix;
    bool belongs;
  };
  const Case cases[] = {
      {"2012 Master 0004.kwr", "2012 Master", true},
      {"2012 master 0004.kwr", "2012 Master", true},
      {"2012 MASTER_0004.KWR", "2012 Master", true},
      {"Strain 0001.kwr", "Strain", true},
      {"Strain B 0001.kwr", "Strain", false},  // the strain "Strain B"
      {"Strain  0001.kwr", "Strain", false},
      {"Strain0001.kwr", "Strain", false},
      {"Strain 001.kwr", "Strain", false},
      {"Strain 00a1.kwr", "Strain", false},
      {"Strain 0001.kwr.txt", "Strain", false},
      {"Strain\xC3\xA9"
       "0001.kwr",
       "Strain", true},  // one character, two bytes
      {"2012 Master 0004.kwr", "2013 Master", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsFileOfPrefix(c.name, c.prefix), c.belongs) << c.name;
}

TEST(KwrFileNames, VersionIsTheFourDigitsBeforeTheLastDot) {
  EXPECT_EQ(FileNameVersion("2012 Master 0004.kwr"), 4);
  EXPECT_EQ(FileNameVersion("Alpha 1234.kwr"), 1234);
  EXPECT_EQ(FileNameVersion("Alpha 1e10.kwr"), 0);
  EXPECT_EQ(FileNameVersion("Alpha +123.kwr"), 0);
  EXPECT_EQ(FileNameVersion("123.kwr"), 0);
  EXPECT_EQ(FileNameVersion("Alpha 0004"), 0);
  EXPECT_TRUE(IsNumericFileStem("Alpha 0004.kwr", 3));
  EXPECT_FALSE(IsNumericFileStem("Alpha 0004.kwr", 4));
  EXPECT_FALSE(IsNumericFileStem("Alpha 00x4.kwr", -1));
  EXPECT_FALSE(IsNumericFileStem("abc.kwr", -1));
}

TEST(KwrFileNames, HighestVersionOfAPrefixInAList) {
  const std::vector<std::string> list = {"/w/mas/2012 master 0004.kwr", "/w/mas/2012 Master 0002.kwr",
                                         "/w/str/Other 0009.kwr", "/w/mas/2012 Master 00x9.kwr", ""};
  EXPECT_EQ(KWRFileVersion("2012 Master", list), 4);
  EXPECT_EQ(KWRFileVersion("Other", list), 9);
  EXPECT_EQ(KWRFileVersion("Oth", list), 0);
  EXPECT_EQ(KWRFileVersion("", list), 0);
  EXPECT_EQ(MasterPrefix(812), "0812 Master");
  for (const char* none : {"", " ", "None", "none", " NONE "}) EXPECT_FALSE(HasStrain(none)) << none;
  EXPECT_TRUE(HasStrain("Alpha"));
}

TEST_F(SeasonDB, ListingAppendsTheFilesOfThePrefixAboveTheVersionSortedAmongThemselves) {
  for (const char* name : {"2024 Master 0002.kwr", "2024 master 0001.kwr", "2024 Master 0003.txt",
                           "2024 Masters 0004.kwr", "2024 Master 0006.KWR", "2025 Master 0007.kwr"}) {
    Mas(name, "x");
  }
  fs::create_directory(Sub("mas") + "2024 Master 0005.kwr");
  std::vector<std::string> list = {"/kept/first"};
  EXPECT_EQ(ListKWRFiles("2024 Master", 12, list, 1), 2);
  EXPECT_EQ(list, (std::vector<std::string>{"/kept/first", Sub("mas") + "2024 Master 0002.kwr",
                                            Sub("mas") + "2024 Master 0006.KWR"}));
  list.clear();
  EXPECT_EQ(ListKWRFiles("2024 MASTER", 12, list, 0), 2);
  EXPECT_EQ(list.front(), Sub("mas") + "2024 master 0001.kwr");
  std::vector<std::string> none;
  EXPECT_EQ(ListKWRFiles("2024 Master", 11, none, 0), -1);
}

// ---------------------------------------------------------------- building

TEST_F(SeasonDB, NewDatabaseHoldsTheFilesAndRecordsTheirVersions) {
  SelectedStrainName = "Alpha";
  BlockFixture strain{250, {}};
  strain.block.Stats = {Rec(1001, 4, 250, kPassYds, 4100.0f), Rec(1001, 4, 250, kPassTD, 30.0f)};
  // A full 60-character header text goes into a 50-character field.
  const std::string text = "http://strains.example/alpha/" + std::string(31, 'x');
  const std::vector<std::string> list = {
      Mas("2023 Master 0001.kwr", Bytes({Registration(), Week(1, 250, 80)}, "", 2023)),
      Mas("2023 Master 0002.kwr", Bytes({Week(2, 300, 95)}, "", 2023)),
      Str("Alpha 0003.kwr", Bytes({strain}, text))};
  path_ = Sub("pro") + "Season.pro";

  ASSERT_TRUE(CreateProjectedFile(2023, path_, list, false));
  EXPECT_EQ(fakes.progress.caption, "KWR Full Season Expansion");
  EXPECT_EQ(fakes.progress.loads, 1);
  EXPECT_EQ(fakes.progress.unloads, 1);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Settings(), "2023,2,Alpha,3,3," + text.substr(0, 50) + ",None");
  EXPECT_EQ(Query("SELECT group_concat(MasterID || ':' || BackName, ' ') FROM tblPlayers;"),
            "1001:Allen, Josh 1002:Henry, Derrick");
  EXPECT_EQ(WeekValues(1), "250.0/80.0");
  EXPECT_EQ(WeekValues(2), "300.0/95.0");
  EXPECT_EQ(Query("SELECT Fld5 || '/' || Fld6 || '/' || Year FROM tblStat2 WHERE Week = 250;"),
            "4100.0/30.0/2023");
  EXPECT_EQ(FilesIn(Sub("pro")), (std::vector<std::string>{"Season.pro"}));
}

TEST_F(SeasonDB, WithoutAMasterFileTheNewDatabaseIsTheTemplateForTheSeason) {
  path_ = Sub("pro") + "Empty.pro";
  ASSERT_TRUE(CreateProjectedFile(2025, path_, {}, false));
  EXPECT_EQ(Settings(), "2025,0,None,0,0,,None");
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "0");
  EXPECT_EQ(SelectedStrainName, "None");
}

TEST_F(SeasonDB, CancelledOrFailedBuildLeavesTheOldFileAndNoOther) {
  path_ = Sub("pro") + "Season.pro";
  kdtest::WriteFile(path_, "the old database");
  const std::vector<std::string> list = {
      Mas("2024 Master 0001.kwr", Bytes({Registration(), Week(1, 250, 80)}))};
  fakes.yield.cancelAfter = 4;
  EXPECT_FALSE(CreateProjectedFile(2024, path_, list, false));
  EXPECT_EQ(kdtest::ReadFile(path_), "the old database");
  EXPECT_EQ(FilesIn(Sub("pro")), (std::vector<std::string>{"Season.pro"}));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(fakes.progress.unloads, 1);
  EXPECT_FALSE(CancelFlag);

  // Nothing is left either where no file stood.
  fakes.yield.count = 0;
  EXPECT_FALSE(CreateProjectedFile(2024, Sub("pro") + "New.pro", list, false));
  EXPECT_EQ(FilesIn(Sub("pro")), (std::vector<std::string>{"Season.pro"}));

  // A failed build says why and leaves the old file too.
  fakes.yield.cancelAfter = 0;
  DefaultsFolder = Sub("lgp");  // holds no template
  EXPECT_FALSE(CreateProjectedFile(2024, path_, {}, false));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Projected File Not Created: File Not Found:  '" +
                                                  Sub("lgp") + "Default.pro'"}));
  EXPECT_EQ(kdtest::ReadFile(path_), "the old database");
  EXPECT_EQ(FilesIn(Sub("pro")), (std::vector<std::string>{"Season.pro"}));
}

TEST_F(SeasonDB, UpdateOnlyImportsIntoTheExistingDatabase) {
  BuildAndOpen();
  db_.pSbCloseKickwellDB();
  const std::vector<std::string> list = {Mas("2024 Master 0002.kwr", Bytes({Week(2, 300, 95)}))};
  ASSERT_TRUE(CreateProjectedFile(2024, path_, list, true));
  EXPECT_EQ(fakes.progress.caption, "KWR Update");
  EXPECT_EQ(WeekValues(1), "250.0/80.0");
  EXPECT_EQ(WeekValues(2), "300.0/95.0");
  EXPECT_EQ(Settings(), "2024,2,None,0,0,,None");
}

// ---------------------------------------------------------------- keeping it current

TEST_F(SeasonDB, NewerMasterFilesAreAppliedKeepingEditedPlayerWeeks) {
  BuildAndOpen();
  Mas("2024 Master 0002.kwr", Bytes({Week(1, 260, 85)}));
  Mas("2024 Master 0003.kwr", Bytes({Week(2, 300, 95)}));
  // The user has edited Allen's week 1.
  db_.pSbCloseKickwellDB();
  kdtest::ExecuteSql(path_, "UPDATE tblStat0 SET DNU = 1 WHERE Week = 1 AND PlayerID = 1;");
  ASSERT_TRUE(db_.InitializeKickwellDB(path_));

  EXPECT_EQ(ApplyNewerUpdates(db_, db_.MasterVersion()), 2);
  EXPECT_EQ(fakes.progress.caption, "Projected Stats Update");
  EXPECT_EQ(db_.MasterVersion(), 3);
  EXPECT_EQ(WeekValues(1), "250.0/85.0");
  EXPECT_EQ(WeekValues(2), "300.0/95.0");
  EXPECT_EQ(ApplyNewerUpdates(db_, db_.MasterVersion()), 0);
}

TEST_F(SeasonDB, UpdateMessagesTellNothingNewAppliedOrFailed) {
  BuildAndOpen();
  UpdateProjectedStats(db_, true);
  Mas("2024 Master 0002.kwr", Bytes({Week(2, 300, 95)}));
  UpdateProjectedStats(db_, true);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"Projected Stats Update: No new updates for Projected Stats.",
                                      "Projected Stats Update: Updates applied to Projected Stats."}));
  UpdateProjectedStats(db_, false);
  EXPECT_EQ(fakes.messages.plain.size(), 2u);
}

TEST_F(SeasonDB, FailedUpdateRecordsNoVersionAndSaysSo) {
  BuildAndOpen();
  Mas("2024 Master 0002.kwr", Bytes({Week(2, 300, 95)}));
  // Another program damages the file while it is open.
  kdtest::ExecuteSql(path_, "DROP TABLE tblStat3;");
  UpdateProjectedStats(db_, true);
  ASSERT_EQ(fakes.messages.captions,
            (std::vector<std::string>{"Projected Stats Not Updated", "Projected Stats Update"}));
  EXPECT_FALSE(fakes.messages.messages[0].text.empty());
  EXPECT_EQ(fakes.messages.plain[0].text, "Projected Stats update failed.");
  EXPECT_EQ(db_.MasterVersion(), 1);
}

// A file with unreadable blocks used to count as applied: its version was
// recorded and the update said it had succeeded.
TEST_F(SeasonDB, UpdateWithSkippedBlocksRecordsNoVersionAndSaysSo) {
  BuildAndOpen();
  std::string damaged = Bytes({Week(2, 300, 95), Week(3, 310, 99)});
  damaged[25 + 60 + 16] = 5;  // the first block's version
  const std::string file = Mas("2024 Master 0002.kwr", damaged);
  UpdateProjectedStats(db_, true);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"KWR Import Aborted: Incorrect KWR Version.\r\n" + file +
                                                      "\r\n1 block skipped.",
                                                  "Projected Stats Update: Projected Stats update failed."}));
  EXPECT_EQ(db_.MasterVersion(), 1);
}

// A master file cut short was recorded as applied: MasterVersion moved to
// its number, so the sound file of that version was never applied; and New
// built an empty season without a word.
TEST_F(SeasonDB, AMasterFileWhoseHeaderDoesNotReadLeavesTheVersionsAndSaysSo) {
  BuildAndOpen();
  const std::string sound = Bytes({Registration(), Week(2, 300, 95)});
  for (const std::size_t size : {30u, 0u}) {
    fakes.messages.plain.clear();
    const std::string file = Mas("2024 Master 0002.kwr", sound.substr(0, size));
    const std::string aborted =
        "KWR Import Aborted: " + file + "\r\nThe file's header could not be read; nothing was imported from it.";
    UpdateProjectedStats(db_, true);
    EXPECT_EQ(db_.MasterVersion(), 1);
    EXPECT_FALSE(CreateProjectedFile(2024, Sub("pro") + "New.pro", {file}, false));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Projected File Not Created: 1 player-record file could not be "
                                                    "read; the projected-stats file was left as it was.",
                                                    aborted, "Projected Stats Update: Projected Stats update failed.",
                                                    aborted}));
    EXPECT_EQ(FilesIn(Sub("pro")), (std::vector<std::string>{"Season.pro"}));
    fakes.messages.messages.clear();
  }
  Mas("2024 Master 0002.kwr", sound);
  EXPECT_EQ(ApplyNewerUpdates(db_, db_.MasterVersion()), 1);
  EXPECT_EQ(WeekValues(2), "300.0/95.0");
}

TEST_F(SeasonDB, BuildFromFilesWithSkippedBlocksLeavesTheOldFile) {
  path_ = Sub("pro") + "Season.pro";
  kdtest::WriteFile(path_, "the old database");
  std::string damaged = Bytes({Registration(), Week(1, 250, 80)});
  damaged[25 + 60 + 16] = 5;
  EXPECT_FALSE(CreateProjectedFile(2024, path_, {Mas("2024 Master 0001.kwr", damaged)}, false));
  EXPECT_EQ(fakes.messages.captions, (std::vector<std::string>{"KWR Import Aborted", "Projected File Not Created"}));
  EXPECT_EQ(kdtest::ReadFile(path_), "the old database");
  EXPECT_EQ(FilesIn(Sub("pro")), (std::vector<std::string>{"Season.pro"}));
}

TEST_F(SeasonDB, TemporaryFilesOfAKilledBuildAreRemovedByTheNextBuildOfTheSameFile) {
  path_ = Sub("pro") + "Season.pro";
  for (const char* name : {".Season.pro.Ab12Cd", ".Season.pro.Ab12Cd-journal", ".Other.pro.Ab12Cd"}) {
    kdtest::WriteFile(Sub("pro") + name, "left by a killed build");
    struct timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (Sub("pro") + name).c_str(), old, 0), 0);
  }
  ASSERT_TRUE(CreateProjectedFile(2024, path_, {}, false));
  EXPECT_EQ(FilesIn(Sub("pro")), (std::vector<std::string>{".Other.pro.Ab12Cd", "Season.pro"}));
}

TEST_F(SeasonDB, CancelledUpdateRecordsNoVersionAndCountsNegative) {
  BuildAndOpen();
  Mas("2024 Master 0002.kwr", Bytes({Week(2, 300, 95)}));
  Mas("2024 Master 0003.kwr", Bytes({Week(3, 310, 99)}));
  fakes.yield.cancelAfter = fakes.yield.count + 5;
  EXPECT_EQ(FindAndApplyUpdates(db_), -2);
  EXPECT_EQ(db_.MasterVersion(), 1);
  EXPECT_TRUE(Messages().empty());
  fakes.yield.cancelAfter = 0;
  EXPECT_EQ(FindAndApplyUpdates(db_), 2);
  EXPECT_EQ(db_.MasterVersion(), 3);
}

TEST_F(SeasonDB, ChangingTheSeasonForgetsTheMasterVersion) {
  BuildAndOpen();
  ASSERT_EQ(db_.MasterVersion(), 1);
  EXPECT_FALSE(ChangeSeasonYear(db_, 2024, 2025));
  EXPECT_EQ(db_.pFnGetYear(), 2025);
  EXPECT_EQ(db_.MasterVersion(), 0);
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblStat2 WHERE Year = 2025;"), "1");
}

// ---------------------------------------------------------------- strains

// Strain "Alpha": versions 1, 2 and 4, each raising Allen's season yards.
// The setting that keeps edited players out of strain updates starts off.
class StrainFiles : public SeasonDB {
 protected:
  void SetUp() override {
    SeasonDB::SetUp();
    savedKeepModified_ = AppSettings().BoolVal(kSetKeepModifiedStats);
    AppSettings().SetBoolVal(kSetKeepModifiedStats, false);
  }
  void TearDown() override {
    AppSettings().SetBoolVal(kSetKeepModifiedStats, savedKeepModified_);
    SeasonDB::TearDown();
  }
  static clsSettingsKD& AppSettings() { return basMockDraftSettings::GlobalSettings(); }
  void PutStrain(int version) {
    BlockFixture season{250, {}};
    season.block.Stats = {Rec(1001, 4, 250, kPassYds, 4000.0f + static_cast<float>(version))};
    char name[32];
    std::snprintf(name, sizeof name, "Alpha %04d.kwr", version);
    Str(name, Bytes({season}, "alpha v" + std::to_string(version)));
  }
  std::string SeasonYards() { return Query("SELECT ifnull(Fld5, 'none') FROM tblStat2 WHERE Week = 250;"); }

  bool savedKeepModified_ = true;
};

TEST_F(StrainFiles, StrainUpToAVersionAppliesTheFilesUpToItAndRecordsIt) {
  BuildAndOpen();
  for (int v : {1, 2, 4}) PutStrain(v);
  Str("Alpha B 0003.kwr", "another strain's file");
  EXPECT_EQ(ApplyStrain(db_, "Alpha", 3, false, false), 2);
  EXPECT_EQ(SeasonYards(), "4002.0");
  EXPECT_EQ(Settings(), "2024,1,Alpha,3,4,alpha v2,None");

  EXPECT_EQ(ApplyStrain(db_, "Alpha", 0, true, false), 3);
  EXPECT_EQ(SeasonYards(), "4004.0");
  EXPECT_EQ(Settings(), "2024,1,Alpha,4,4,alpha v4,None");
}

TEST_F(StrainFiles, NoStrainClearsTheStrainFields) {
  BuildAndOpen();
  PutStrain(1);
  for (const char* none : {"None", "", "none"}) {
    ASSERT_EQ(ApplyStrain(db_, "Alpha", 0, true, false), 1);
    EXPECT_EQ(ApplyStrain(db_, none, 0, true, false), 1) << none;
    EXPECT_EQ(Settings(), "2024,1,None,0,0,0,None") << none;
  }
  EXPECT_EQ(ApplyStrain(db_, "Beta", 0, true, false), 0);
  EXPECT_EQ(Settings(), "2024,1,None,0,0,0,None");
}

TEST_F(StrainFiles, NewerStrainFilesAreOfferedAndTheAnswerDecides) {
  struct Case {
    const char* name;
    std::function<void(clsStrainUpdatePrompt&)> answer;
    bool newerMaster;
    int32_t result;
    const char* yards;
    const char* settings;
  };
  const auto ok = [](clsStrainUpdatePrompt& p) { p.mBtn_Click(0); };
  const Case cases[] = {
      {"apply", ok, false, 2, "4004.0", "2024,1,Alpha,4,4,alpha v4,None"},
      {"ignore",
       [](clsStrainUpdatePrompt& p) {
         p.ClickCheck(0);
         p.mBtn_Click(0);
       },
       false, 2, "4001.0", "2024,1,Alpha,1,4,alpha v1,None"},
      {"cancel", [](clsStrainUpdatePrompt& p) { p.mBtn_Click(1); }, false, 2, "4001.0",
       "2024,1,Alpha,1,1,alpha v1,None"},
      {"closed", [](clsStrainUpdatePrompt& p) { p.CloseWindow(); }, false, 2, "4001.0",
       "2024,1,Alpha,1,1,alpha v1,None"},
      {"neither, no new master",
       [](clsStrainUpdatePrompt& p) {
         p.ClickCheck(1);
         p.mBtn_Click(0);
       },
       false, 0, "4001.0", "2024,1,Alpha,1,1,alpha v1,None"},
      {"neither, a new master",
       [](clsStrainUpdatePrompt& p) {
         p.ClickCheck(1);
         p.mBtn_Click(0);
       },
       true, 2, "4004.0", "2024,2,Alpha,4,4,alpha v4,None"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(Sub("str"));
    fs::create_directory(Sub("str"));
    fs::remove(Sub("mas") + "2024 Master 0002.kwr");
    PutStrain(1);
    BuildAndOpen();
    ASSERT_EQ(ApplyStrain(db_, "Alpha", 0, true, false), 1);
    PutStrain(2);
    PutStrain(4);
    if (c.newerMaster) Mas("2024 Master 0002.kwr", Bytes({Week(2, 300, 95)}));
    prompt_->shows = 0;
    prompt_->script = c.answer;

    EXPECT_EQ(FindAndApplyUpdates(db_), c.result);
    EXPECT_EQ(prompt_->shows, 1);
    EXPECT_EQ(prompt_->label, "Alpha 0004.kwr");
    EXPECT_EQ(prompt_->presets, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(SeasonYards(), c.yards);
    EXPECT_EQ(Settings(), c.settings);
    db_.pSbCloseKickwellDB();
  }
}

TEST_F(StrainFiles, TheDoNotOverwriteSettingKeepsEditedPlayersOutOfAStrainUpdate) {
  AppSettings().SetBoolVal(kSetKeepModifiedStats, true);
  PutStrain(1);
  BuildAndOpen();
  ASSERT_EQ(ApplyStrain(db_, "Alpha", 0, true, false), 1);
  db_.pSbCloseKickwellDB();
  kdtest::ExecuteSql(path_, "UPDATE tblStat0 SET DNU = 1 WHERE Week = 250 AND PlayerID = 1;");
  ASSERT_TRUE(db_.InitializeKickwellDB(path_));
  PutStrain(2);
  prompt_->script = [](clsStrainUpdatePrompt& p) { p.mBtn_Click(0); };

  EXPECT_EQ(FindAndApplyUpdates(db_), 1);
  EXPECT_EQ(prompt_->presets, (std::array<bool, 3>{false, true, true}));
  EXPECT_EQ(SeasonYards(), "4001.0");
  EXPECT_EQ(db_.StrainVersion(), 2);
}

TEST_F(StrainFiles, ADatabaseWithoutAStrainIsOfferedNoStrainFiles) {
  Str("None 0001.kwr", Bytes({Week(250, 1, 1)}));
  BuildAndOpen();
  EXPECT_EQ(FindAndApplyUpdates(db_), 0);
  EXPECT_EQ(prompt_->shows, 0);
}

// ---------------------------------------------------------------- ADP files

TEST_F(SeasonDB, AnAdpFileSetsTheSeasonAdpAndRecordsItsText) {
  BuildAndOpen();
  BlockFixture adp{250, {}};
  adp.block.Stats = {Rec(1001, 4, 250, kADP, 14.5f), Rec(1002, 3, 250, kADP, 3.25f)};
  const std::string file = PutKwr("adp", "2024-ADP-0001.kwr", Bytes({adp}, "  adp.example  "));
  EXPECT_EQ(ApplyOneKWRFile(db_, file, false), 1);
  EXPECT_EQ(Query("SELECT group_concat(ADP, ' ') FROM (SELECT ADP FROM tblStat0 WHERE Week = 250 ORDER BY "
                  "PlayerID);"),
            "14.5 3.25");
  EXPECT_EQ(db_.ADPURL(), "adp.example");

  // A file from before header texts carries none.
  const std::string old = PutKwr("adp", "2024-ADP-0002.kwr", KwrFileBytes(2024, "", {adp}, 3));
  EXPECT_EQ(ApplyOneKWRFile(db_, old, false), 1);
  EXPECT_EQ(db_.ADPURL(), "None");

  fakes.yield.cancelAfter = fakes.yield.count + 1;
  EXPECT_EQ(ApplyOneKWRFile(db_, file, false), -1);
  EXPECT_EQ(db_.ADPURL(), "None");
}

// ---------------------------------------------------------------- strain files from a database

TEST_F(SeasonDB, StrainFileWrittenFromADatabaseReadsBack) {
  BlockFixture season{250, {}};
  season.block.Stats = {Rec(1001, 4, 250, kPassYds, 4100.0f), Rec(1001, 4, 250, kPassTD, 30.0f),
                        Rec(1001, 4, 250, kADP, 14.5f), Rec(1002, 3, 250, kRushYds, 1300.0f)};
  BuildAndOpen({Mas("2024 Master 0002.kwr", Bytes({season}))});
  db_.pSbCloseKickwellDB();

  const std::string strain = Sub("str") + "Mine 0001.kwr";
  basKWRFileControl::WriteKwrFile(strain, 250, 250, 2024, path_, "made here");
  std::vector<KWRIndexEntry> index;
  std::string text;
  ASSERT_EQ(basKWRFileControl::ReadKwrHeader(strain, index, text), 0);
  EXPECT_EQ(text, "made here" + std::string(51, ' '));
  EXPECT_EQ(index[0].Week, 250);
  EXPECT_EQ(index[0].Position, 94);
  KWRBlock block;
  int32_t position = index[0].Position;
  ASSERT_TRUE(basKWRFileControl::ReadKwrBlock(strain, block, position));
  // Each player's non-zero editable values in category order, under the
  // player's team; the edited mark, points and team are not carried.
  EXPECT_EQ(Describe(block),
            "v4 bios[] stats[1001/4/250/3=4100 1001/4/250/4=30 1001/4/250/88=14.5 1002/3/250/14=1300] "
            "yds[] mods[]");

  // Imported into another database, the strain gives the same season values.
  const std::string other = NewDatabase("Other.pro");
  clsKickwellDB copy;
  ASSERT_TRUE(copy.InitializeKickwellDB(other));
  std::string ignored;
  const std::string registration = Mas("2024 Master 0009.kwr", Bytes({Registration()}));
  ASSERT_EQ(ApplyKWRFiles(2024, copy, {registration, strain}, ignored, false), KwrApplyOutcome::kDone);
  EXPECT_EQ(QueryText(other, "SELECT Fld5 || '/' || Fld6 FROM tblStat2 WHERE Week = 250;"), "4100.0/30.0");
  EXPECT_EQ(QueryText(other, "SELECT group_concat(ADP, ' ') FROM tblStat0 WHERE Week = 250;"), "14.5 0");
}

TEST_F(SeasonDB, RegistrationWeekCarriesTheBiographiesInIdOrder) {
  BuildAndOpen();
  db_.pSbCloseKickwellDB();
  const std::string file = Sub("str") + "Mine 0001.kwr";
  basKWRFileControl::WriteKwrFile(file, 0, 1, 2024, path_, "");
  std::vector<KWRIndexEntry> index;
  std::string text;
  ASSERT_EQ(basKWRFileControl::ReadKwrHeader(file, index, text), 1);
  KWRBlock block;
  int32_t position = index[0].Position;
  ASSERT_TRUE(basKWRFileControl::ReadKwrBlock(file, block, position));
  EXPECT_EQ(Describe(block), "v4 bios[1001 'Allen, Josh" + std::string(29, ' ') + "' 0 4 2 1002 'Henry, Derrick" +
                                 std::string(26, ' ') + "' 0 3 3] stats[] yds[] mods[]");
  ASSERT_TRUE(basKWRFileControl::ReadKwrBlock(file, block, position));
  EXPECT_EQ(Describe(block), "v4 bios[] stats[1001/4/1/3=250 1002/3/1/14=80] yds[] mods[]");
}

}  // namespace
