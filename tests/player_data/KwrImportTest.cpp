// Importing player-record files into a copy of the template: the rows each
// phase writes, runs, progress, cancelling and refused input.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "KwrFixtures.h"
#include "TempDir.h"
#include "core/basStatusControl.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "platform/jet/Recordset.h"
#include "player_data/basKWRImport.h"

using kdtest::QueryText;
using kwrtest::Bio;
using kwrtest::BlockFixture;
using kwrtest::Bye;
using kwrtest::KwrFileBytes;
using kwrtest::Rec;
using basKWRImport::KwrImportResult;

namespace {

// Template categories: table and field in the comment.
constexpr uint8_t kRushYds = 14;  // tblStat3 Fld4
constexpr uint8_t kRushTD = 15;   // tblStat3 Fld5
constexpr uint8_t kRec = 20;      // tblStat4 Fld4
constexpr uint8_t kADP = 88;      // tblStat0 ADP
constexpr uint8_t kTeam = 116;    // tblStat0 TeamID, kept by the program
constexpr uint8_t kIncomplete = 9;

// Season 2024, text "Hand Strain". Week 0 registers John Doe (1234, team 12
// GB, position 3) beside an empty slot, moves GB's bye from the template's
// week 10 to week 9 and carries a modification that means nothing. Week 250
// holds two plays of Doe's and four season values.
std::string HandMadeMasterFile() {
  BlockFixture registration{0, {}};
  registration.block.Bios = {Bio(1234, "Doe, John", 35167, 12, 3), Bio(0, "", 0, 0, 0)};
  registration.block.Modifications = {Bye(12, 9, 2024.0f), Rec(5, 12, 3, 0, 2024.0f)};
  BlockFixture season{250, {}};
  season.block.Stats = {Rec(1234, 12, 250, kRushYds, 1250.5f), Rec(1234, 12, 250, kRushTD, 8.0f),
                        Rec(1234, 12, 250, kRec, 30.0f), Rec(1234, 12, 250, kADP, 12.5f)};
  season.block.Yardage = {Rec(1234, 12, 250, 2, 45.0f), Rec(1234, 12, 250, 3, 12.0f)};
  return KwrFileBytes(2024, "Hand Strain", {registration, season});
}

class KwrImport : public kwrtest::SeasonWork {
 protected:
  void SetUp() override {
    path_ = NewDatabase();
    ASSERT_TRUE(db_.InitializeKickwellDB(path_)) << db_.LastError();
    status_ = basStatusControl::CreateStatusWindow("Projected Stats Update", false);
    status_->AddSegment(0, 100.0f);
  }

  KwrImportResult Expand(const std::string& file, bool keepModified = false) {
    return basKWRImport::ExpandKwrFile(db_, file, 2024, *status_, text_, 0, keepModified);
  }
  std::string Query(const std::string& sql) { return QueryText(path_, sql); }
  // Every row of the player and stat tables as text, in id order; the ids
  // themselves are left out, as scoring plays are replaced by new rows.
  std::string Dump() {
    std::string all;
    for (const char* table : {"tblPlayers", "tblStat0", "tblStat1", "tblStat3", "tblStat4", "tblByeWeeks"}) {
      const std::string columns =
          Query(std::string("SELECT group_concat('quote(' || name || ')', ' || '','' || ')"
                            " FROM pragma_table_info('") +
                table + "') WHERE name <> 'ID';");
      all += std::string(table) + ":" +
             Query("SELECT group_concat(r, ' | ') FROM (SELECT " + columns + " AS r FROM " + table +
                   " ORDER BY ID);") +
             "\n";
    }
    return all;
  }
  std::vector<std::string> BottomCaptions() const {
    std::vector<std::string> out;
    for (const std::string& line : fakes.progress.log) {
      if (line.rfind("BottomText ", 0) == 0) out.push_back(line.substr(11));
    }
    return out;
  }

  std::string path_;
  clsKickwellDB db_;
  std::unique_ptr<clsStatusPlain> status_;
  std::string text_ = "untouched";
};

TEST_F(KwrImport, HandMadeMasterFileBecomesExactlyTheseRows) {
  const std::string file = PutKwr("mas", "2024 Master 0001.kwr", HandMadeMasterFile());
  ASSERT_EQ(Expand(file), KwrImportResult::kImported);
  EXPECT_EQ(text_, "Hand Strain" + std::string(49, ' '));

  EXPECT_EQ(
      Query("SELECT group_concat(ID || ',' || MasterID || ',' || BackName || ',' || DOB || ',' || TeamID"
            " || ',' || PosID, ' | ') FROM tblPlayers;"),
      "1,1234,Doe, John,35167,12,3");
  // Registration makes the season row with the team; the season stats then
  // fill it with the ADP and score it with the template's standard rules:
  // 125 for 1250.5 rushing yards (whole tens), 6 for each of 8 touchdowns.
  EXPECT_EQ(
      Query("SELECT group_concat(PlayerID || ',' || Week || ',' || Points || ',' || TeamID || ',' || DNU"
            " || ',' || ADP || ',' || InjuryStatus || ',' || Year, ' | ') FROM tblStat0;"),
      "1,250,173.0,12,0,12.5,0,2024");
  EXPECT_EQ(
      Query("SELECT group_concat(PlayerID || ',' || Week || ',' || Fld3 || ',' || Fld4 || ',' || Fld5 || ','"
            " || Fld6 || ',' || Year, ' | ') FROM tblStat3;"),
      "1,250,0.0,1250.5,8.0,0.0,2024");
  EXPECT_EQ(Query("SELECT PlayerID || ',' || Week || ',' || Fld3 || ',' || Fld4 || ',' || Fld5 || ',' || Year"
                  " FROM tblStat4;"),
            "1,250,0.0,30.0,0.0,2024");
  EXPECT_EQ(
      Query("SELECT group_concat(PlayerID || ',' || Week || ',' || Fld3 || ',' || Fld4 || ',' || Year, ' | ')"
            " FROM (SELECT * FROM tblStat1 ORDER BY ID);"),
      "1,250,2,45,2024 | 1,250,3,12,2024");
  EXPECT_EQ(Query("SELECT ByeWeek FROM tblByeWeeks WHERE Year = 2024 AND TeamID = 12;"), "9");
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblByeWeeks;"), "32");
  for (const char* table : {"tblStat2", "tblStat5", "tblStat6", "tblStat10"}) {
    EXPECT_EQ(Query(std::string("SELECT COUNT(*) FROM ") + table + ";"), "0") << table;
  }

  EXPECT_EQ(fakes.progress.listItems,
            (std::vector<std::string>{"Expanding 2024 - Week 00 Player BIOS / 2 Records",
                                      "Applying 2 Modifications",
                                      "Expanding 2024 - Week 250 Scoring Yardage / 2 Records",
                                      "Expanding 2024 - Season Totals Player Stats / 4 Records"}));
  EXPECT_EQ(fakes.progress.totalBottomText, "Expanding 2024 Stats");
  EXPECT_EQ(BottomCaptions(), (std::vector<std::string>{
                                  "Registering Players - Importing Data",
                                  "Registering Players - Transfering Player BIOS Information",
                                  "Registering Players - Transfering Database Modifications.",
                                  "Registering Players - Transfering Scoring Yardage",
                                  "Registering Players - Transfering Player Stats",
                                  "Season Totals - Importing Data",
                                  "Season Totals - Transfering Player BIOS Information",
                                  "Season Totals - Transfering Database Modifications.",
                                  "Season Totals - Transfering Scoring Yardage",
                                  "Season Totals - Transfering Player Stats",
                              }));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Log(), "");
}

TEST_F(KwrImport, ImportingTheSameFileAgainLeavesTheSameRows) {
  const std::string file = PutKwr("mas", "2024 Master 0001.kwr", HandMadeMasterFile());
  ASSERT_EQ(Expand(file), KwrImportResult::kImported);
  const std::string once = Dump();
  ASSERT_EQ(Expand(file), KwrImportResult::kImported);
  EXPECT_EQ(Dump(), once);
}

TEST_F(KwrImport, ProgressCountsBiosModificationsAndYardageRunsThenTheStatIndex) {
  BlockFixture week{3, {}};
  week.block.Bios = {Bio(1, "One, A", 0, 1, 2), Bio(2, "Two, B", 0, 2, 3)};
  week.block.Modifications = {Bye(1, 7, 2024.0f), Bye(2, 8, 2024.0f)};
  // Two yardage runs (player 1 twice, player 2 once) and four stats.
  week.block.Yardage = {Rec(1, 1, 3, 2, 10.0f), Rec(1, 1, 3, 2, 20.0f), Rec(2, 2, 3, 2, 5.0f)};
  week.block.Stats = {Rec(1, 1, 3, kRushYds, 50.0f), Rec(1, 1, 3, kRushTD, 1.0f), Rec(2, 2, 3, kRec, 4.0f),
                      Rec(2, 2, 3, kRushYds, 7.0f)};
  ASSERT_EQ(Expand(PutKwr("mas", "2024 Master 0001.kwr", KwrFileBytes(2024, "", {week}))), KwrImportResult::kImported);
  EXPECT_EQ(BottomCaptions().front(), "Week 3 - Importing Data");
  const StatusSegment& segment = status_->Segments()[static_cast<std::size_t>(status_->CurrentSegment())];
  EXPECT_EQ(segment.Id, 0);
  // The file's one block: 10 of its 11 steps done, as a share of the file's segment.
  EXPECT_EQ(segment.MaxValue, basKWRImport::kFileSteps);
  EXPECT_EQ(segment.CurValue, 9090);
  EXPECT_EQ(
      Query("SELECT group_concat(Fld4, ' ') FROM (SELECT Fld4 FROM tblStat1 WHERE Week = 3 ORDER BY ID);"),
      "10 20 5");
  EXPECT_EQ(Query("SELECT group_concat(TeamID || ':' || ByeWeek, ' ') FROM tblByeWeeks WHERE TeamID <= 2;"),
            "1:7 2:8");
}

// The total bar used to fall back at every block of a file (each block
// started the file's segment again from 0).
TEST_F(KwrImport, TheTotalNeverGoesBackBetweenTheBlocksOfAFile) {
  std::vector<BlockFixture> blocks;
  for (uint8_t week = 1; week <= 3; ++week) {
    BlockFixture b{week, {}};
    b.block.Stats = {Rec(1, 1, week, kRushYds, 50.0f), Rec(2, 2, week, kRushYds, 7.0f)};
    blocks.push_back(b);
  }
  ASSERT_EQ(Expand(PutKwr("mas", "2024 Master 0001.kwr", KwrFileBytes(2024, "", blocks))),
            KwrImportResult::kImported);
  const std::vector<int32_t>& totals = fakes.progress.totalPercents;
  ASSERT_FALSE(totals.empty());
  EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end())) << testing::PrintToString(totals);
  EXPECT_EQ(totals.back(), 100);
}

TEST_F(KwrImport, RecordsOfOnePlayerInAnotherWeekFormARunOfTheirOwn) {
  BlockFixture registration{0, {}};
  registration.block.Bios = {Bio(7, "Seven, Sam", 0, 4, 3)};
  BlockFixture weeks{1, {}};
  weeks.block.Stats = {Rec(7, 4, 1, kRushYds, 30.0f), Rec(7, 4, 2, kRushYds, 40.0f)};
  ASSERT_EQ(Expand(PutKwr("mas", "2024 Master 0001.kwr", KwrFileBytes(2024, "", {registration, weeks}))), KwrImportResult::kImported);
  EXPECT_EQ(
      Query("SELECT group_concat(Week || ':' || Fld4, ' ') FROM (SELECT * FROM tblStat3 ORDER BY Week);"),
      "1:30.0 2:40.0");
}

TEST_F(KwrImport, UnknownNonEditableOrNonFiniteValuesAreLoggedAndPassedOver) {
  BlockFixture registration{0, {}};
  registration.block.Bios = {Bio(1234, "Doe, John", 0, 12, 3)};
  BlockFixture week{4, {}};
  week.block.Stats = {Rec(1234, 12, 4, kRushYds, std::numeric_limits<float>::quiet_NaN()),
                      Rec(1234, 12, 4, kRushTD, std::numeric_limits<float>::infinity()),
                      Rec(1234, 12, 4, kRec, 6.0f)};
  week.block.Yardage = {Rec(1234, 12, 4, 2, std::numeric_limits<float>::quiet_NaN()),
                        Rec(1234, 12, 4, 3, 17.0f)};
  BlockFixture season{250, {}};
  season.block.Stats = {Rec(1234, 12, 250, 200, 5.0f), Rec(1234, 12, 250, kTeam, 30.0f),
                        Rec(1234, 12, 250, kIncomplete, 3.0f), Rec(1234, 12, 250, kRushYds, 99.0f),
                        Rec(4321, 12, 250, kRushYds, 1.0f)};
  ASSERT_EQ(Expand(PutKwr("mas", "2024 Master 0001.kwr", KwrFileBytes(2024, "", {registration, week, season}))),
            KwrImportResult::kImported);

  EXPECT_EQ(Query("SELECT group_concat(Week || ':' || Fld4, ' ') FROM tblStat3;"), "250:99.0");
  EXPECT_EQ(Query("SELECT TeamID FROM tblStat0 WHERE Week = 250;"), "12");
  EXPECT_EQ(Query("SELECT Fld4 FROM tblStat4 WHERE Week = 4;"), "6.0");
  EXPECT_EQ(Query("SELECT group_concat(Fld3 || ':' || Fld4, ' ') FROM tblStat1;"), "3:17");
  const std::string log = Log();
  for (const char* line : {" pSbAddPSt - MasterID 1234: category 200 not found.\n",
                           " pSbAddPSt - MasterID 1234: category 116 is not editable.\n",
                           " pSbAddPSt - MasterID 1234: category 9 is not a stored value.\n",
                           " pSbAddPSt - MasterID 4321 not found.\n",
                           " pSbAddPSt - MasterID 1234: category 14 has no finite value.\n",
                           " pSbAddPSt - MasterID 1234: category 15 has no finite value.\n",
                           " pSbAddScY - MasterID 1234: a play has no finite yardage.\n"}) {
    EXPECT_NE(log.find(line), std::string::npos) << line << log;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(KwrImport, RefusedBlockIsPassedOverAndTheNextStillImports) {
  BlockFixture first{1, {}};
  first.block.Stats = {Rec(1, 1, 1, kRushYds, 1.0f)};
  const std::size_t firstEntry = 25 + 60;  // the index entry of the first block
  const std::size_t firstBlock = firstEntry + 16;
  struct Case {
    const char* name;
    std::size_t offset;
    std::string bytes;
  };
  const Case cases[] = {
      {"2^31 - 1 stats in a file of a few dozen bytes", firstBlock + 5, std::string("\xFF\xFF\xFF\x7F", 4)},
      {"a negative count of biographies", firstBlock + 1, std::string("\xFF\xFF\xFF\xFF", 4)},
      {"a position far beyond the file", firstEntry + 4, std::string("\xF0\xFF\xFF\x7F", 4)},
      {"block version 5", firstBlock, std::string("\x05", 1)},
  };
  int32_t masID = 50;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The block after the refused one registers a player of its own.
    BlockFixture registration{0, {}};
    registration.block.Bios = {Bio(++masID, "Five, Five", 0, 3, 2)};
    std::string bytes = KwrFileBytes(2024, "", {first, registration});
    bytes.replace(c.offset, c.bytes.size(), c.bytes);
    fakes.messages.plain.clear();
    const std::string file = PutKwr("mas", "2024 Master 0001.kwr", bytes);
    ASSERT_EQ(Expand(file), KwrImportResult::kBlocksSkipped);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"KWR Import Aborted: Incorrect KWR Version.\r\n" + file +
                                                    "\r\n1 block skipped."}));
    EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers WHERE MasterID = " + std::to_string(masID) + ";"), "1");
    EXPECT_EQ(Query("SELECT COUNT(*) FROM tblStat3;"), "0");
  }
}

// A file whose header did not read imported nothing and said nothing, so
// its caller recorded it as applied.
TEST_F(KwrImport, AFileWhoseHeaderDoesNotReadImportsNothingAndIsReportedOnce) {
  BlockFixture registration{0, {}};
  registration.block.Bios = {Bio(55, "Five, Five", 0, 3, 2)};
  const std::string sound = KwrFileBytes(2024, "text", {registration});
  const auto patched = [&](std::size_t offset, const std::string& bytes) {
    std::string out = sound;
    out.replace(offset, bytes.size(), bytes);
    return out;
  };
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"header version 5", patched(15, std::string("\x05\x00\x00\x00", 4))},
      {"count beyond the file", patched(19, std::string("\xFF\xFF\xFF\x0F", 4))},
      {"count 2,147,483,647", patched(19, std::string("\xFF\xFF\xFF\x7F", 4))},
      {"signature", patched(0, "Vellacorn KWX")},
      {"0 bytes", ""},
      {"10 bytes", sound.substr(0, 10)},
      {"24 bytes", sound.substr(0, 24)},
      {"30 bytes", sound.substr(0, 30)},
      {"85 bytes", sound.substr(0, 85)},
      {"90 bytes", sound.substr(0, 90)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes.messages.plain.clear();
    const std::string file = PutKwr("mas", "2024 Master 0001.kwr", c.bytes);
    EXPECT_EQ(Expand(file), KwrImportResult::kUnreadable);
    EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "0");
    EXPECT_EQ(text_, "untouched");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"KWR Import Aborted: " + file +
                                                    "\r\nThe file's header could not be read; nothing was "
                                                    "imported from it."}));
  }
}

TEST_F(KwrImport, CancelEndsTheBlockAtOnceKeepsWhatWasWrittenAndStartsNoOtherBlock) {
  BlockFixture registration{0, {}};
  registration.block.Bios = {Bio(1, "One, A", 0, 1, 2), Bio(2, "Two, B", 0, 2, 3)};
  BlockFixture week{1, {}};
  week.block.Stats = {Rec(1, 1, 1, kRushYds, 10.0f), Rec(2, 2, 1, kRushYds, 20.0f)};
  BlockFixture later{2, {}};
  later.block.Stats = {Rec(1, 1, 2, kRushYds, 30.0f)};
  const std::string file =
      PutKwr("mas", "2024 Master 0001.kwr", KwrFileBytes(2024, "", {registration, week, later}));
  // Cancel on the yield before week 1's second stat run (the block's rows
  // are not committed yet, so they are counted through the import's own
  // connection).
  fakes.yield.onYield = [this](int) {
    if (db_.pSbKickwellSQL("SELECT COUNT(*) FROM tblStat3;")->Field(0).AsLong() == 1) CancelFlag = true;
  };
  EXPECT_EQ(Expand(file), KwrImportResult::kCancelled);
  EXPECT_EQ(Query("SELECT group_concat(PlayerID || ':' || Week || ':' || Fld4, ' ') FROM tblStat3;"),
            "1:1:10.0");
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers;"), "2");
}

// A small file whose 100,000 index entries all named one bad block showed
// 100,000 message boxes, and the import still answered success.
TEST_F(KwrImport, BadBlocksAreReportedOncePerFileWithTheirCountAndTheResultSaysSo) {
  BlockFixture registration{0, {}};
  registration.block.Bios = {Bio(77, "Seven, Seven", 0, 3, 2)};
  std::vector<BlockFixture> blocks = {registration};
  for (int w = 1; w <= 9; ++w) {
    blocks.push_back(BlockFixture{0, {}});
    blocks.back().week = w;
  }
  std::string bytes = KwrFileBytes(2024, "", blocks);
  // Every block after the first at a position past the end of the file.
  for (int i = 1; i <= 9; ++i) kdtest::PokeLong(bytes, 25 + 60 + 8 * i + 4, 0xFFF0);
  const std::string file = PutKwr("mas", "2024 Master 0001.kwr", bytes);
  EXPECT_EQ(Expand(file), KwrImportResult::kBlocksSkipped);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"KWR Import Aborted: Incorrect KWR Version.\r\n" + file +
                                                  "\r\n9 blocks skipped."}));
  EXPECT_EQ(Query("SELECT COUNT(*) FROM tblPlayers WHERE MasterID = 77;"), "1");
}

}  // namespace
