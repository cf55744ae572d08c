// Writes the seed files of the binary and generated corpora with the
// program's own writers: make_fuzz_seeds <corpus folder>. The hand-made
// text seeds are kept in the corpus folders as they are.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "database/clsDisplayGridIsolate.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/runtime/ByteStream.h"
#include "player_data/basKWRFileControl.h"
#include "tools/TemplateDatabase.h"
#include "user_mock/clsUserMockIsolate.h"

#include <sqlite3.h>

namespace {

std::string g_root;

std::string Folder(const std::string& target) {
  const std::string folder = g_root + target + "/";
  std::filesystem::create_directories(folder);
  return folder;
}

struct Rule {
  float points;
  int32_t catID;
  float fieldVal;
  float rangeMin = 0;
  float rangeMax = 0;
  int16_t rangeRestrict = 0;
  int32_t applyToPos = 2;  // bit 1: all positions
  int16_t fdm = 0;
};

void WriteSco(const std::string& name, const std::vector<Rule>& rules) {
  clsScoringIsolate scoring;
  for (const Rule& r : rules) {
    scoring.AddNew();
    scoring.SetPoints(r.points);
    scoring.SetCatID(r.catID);
    scoring.SetFieldVal(r.fieldVal);
    scoring.SetRangeMin(r.rangeMin);
    scoring.SetRangeMax(r.rangeMax);
    scoring.SetRangeRestrict(r.rangeRestrict);
    scoring.SetApplyToPos(r.applyToPos);
    scoring.SetFDM(r.fdm);
  }
  KD_FUZZ_CHECK(basSCOFileControl::WriteScoFile(Folder("sco") + name, scoring));
}

void ScoSeeds() {
  // Yards per point, touchdowns, a threshold bonus and a mapped category.
  WriteSco("standard.sco", {{1.0f, 5, 25.0f},
                            {4.0f, 6, 1.0f, 0, 0, 0, (1 << 2)},
                            {-2.0f, 7, 1.0f},
                            {1.0f, 12, 10.0f, 0, 0, 0, (1 << 3) | (1 << 4) | (1 << 5)},
                            {6.0f, 13, 1.0f, 0, 0, 0, (1 << 3) | (1 << 4) | (1 << 5), -1},
                            {3.0f, 40, kThresholdRule, 300.0f, 99999.0f, -1, (1 << 2)}});
  WriteSco("one-rule.sco", {{0.5f, 1, 1.0f}});
  WriteSco("ranges.sco", {{3.0f, 20, 1.0f, 0.0f, 39.0f, -1, 1 << 6},
                          {4.0f, 20, 1.0f, 40.0f, 49.0f, -1, 1 << 6},
                          {5.0f, 20, 1.0f, 50.0f, 99.0f, -1, 1 << 6, -1}});
  // Values no database field or score can hold: refused.
  WriteSco("nan-points.sco", {{1.0f, 5, 25.0f}, {std::numeric_limits<float>::quiet_NaN(), 6, 1.0f}});
  WriteSco("inf-range-max.sco", {{1.0f, 5, 25.0f, 0.0f, std::numeric_limits<float>::infinity()}});
}

clsDraftStrategy Strategy(const std::string& description) {
  clsDraftStrategy s;
  s.SetDescription(description);
  return s;
}

void SaveStrategy(clsDraftStrategy& s, const std::string& name) {
  s.SetFilePath(Folder("stg"));
  s.SetFileName(name);
  KD_FUZZ_CHECK(s.SaveDraftStrategy());
}

void StgSeeds() {
  clsDraftStrategy rb = Strategy("Top RB");
  rb.SetCount(3);
  rb.SetBegPick(0, 1);
  rb.SetEndPick(0, 2);
  rb.SetMethod(0, 2);
  rb.SetCompare(0, 1);
  rb.SetUsingFactor(0, 0, true);
  rb.SetUsingFactor(0, 2, true);
  rb.AddPositionID(0, 3);
  rb.AddPositionID(0, 3 + clsDraftStrategy::kStarterMark);
  rb.SetNoByeConflict(0, true);
  rb.SetBegPick(1, 3);
  rb.SetEndPick(1, clsDraftStrategy::kLastPick);
  rb.SetMethod(1, 1);
  rb.SetInclusion(1, 1);
  rb.AddPositionID(1, clsDraftStrategy::kAnyPositionID);
  rb.SetBegPick(2, 10);
  rb.SetEndPick(2, 12);
  rb.AddPositionID(2, 7 + clsDraftStrategy::kBenchMark);
  rb.AddFactor(1);
  rb.SetFactor(1, 3, 0.8);
  rb.AddFactor(2);
  rb.SetFactor(2, 4, 1.25);
  rb.SetFactor(2, 5, 0.9);
  SaveStrategy(rb, "top-rb.stg");

  clsDraftStrategy empty = Strategy("Empty \xC3\xA9");
  SaveStrategy(empty, "empty.stg");

  // The first version of the file: rules without the bye-conflict flag.
  runtime::ByteWriter v1;
  v1.Raw("Vellacorn Draft Strategy");
  v1.Long(1);
  v1.Long(2);
  v1.Long(1);
  v1.Long(1);
  v1.Raw("V1");
  for (int32_t v : {1, 999, 0, 0}) v1.Long(v);
  for (bool flag : {true, false, false}) v1.Boolean(flag);
  v1.Long(0);
  v1.Long(1);
  v1.Long(2);
  for (int i = 1; i < clsDraftStrategy::kMaxPositionIDs; ++i) v1.Long(0);
  v1.Long(0);
  v1.Long(1);
  v1.Long(2);
  v1.Double(1.1);
  kdfuzz::WriteBytes(Folder("stg") + "version-1.stg", v1.Data());

  // A factor far past what the editor takes: refused, as two of them
  // multiplied would not be a number.
  clsDraftStrategy huge = Strategy("Huge factor");
  huge.AddFactor(2);
  huge.SetFactor(2, 4, 1e300);
  SaveStrategy(huge, "huge-factor.stg");
}

void IniSeeds() {
  const std::string work = kdfuzz::ScratchSubFolder("seeds");
  basMockItUp::InitFileTypeTable(work);
  std::filesystem::create_directories(work + "kdp");

  clsSettingsKD settings;
  settings.SetLongVal(kSetWindowWidth, 12000);
  settings.SetLongVal(kSetWindowHeight, 9000);
  settings.SetLongVal(kSetWindowLeft, -150);
  // Fixed folders, so that the seeds do not depend on where they were made.
  settings.SetStringVal(kSetExportFolder, "/home/user/Documents/");
  settings.SetStringVal(kSetWorkFolder, "/home/user/.local/share/Vellacorn/Kickwell Draftyard/dat/");
  KD_FUZZ_CHECK(settings.Save());
  const std::string settingsText = kdfuzz::ReadBytes(work + "kd_settings.ini");
  kdfuzz::WriteBytes(Folder("settings") + "written.ini", settingsText);
  kdfuzz::WriteBytes(Folder("ini") + "settings.ini", settingsText);

  clsCheatIsolate project;
  KD_FUZZ_CHECK(project.NewFile("seed.kdp"));
  project.SetValue(kProjScoringSystemFile, "Standard.sco");
  project.SetValue(kProjLeaguePropertiesFile, "League.lgp");
  project.SetValue(kProjCheatSheetTarget, "/home/user/Documents/CheatSheet");
  project.SetValue(kProjMockDraftTarget, "/home/user/Documents/MockDraft");
  project.SetValue(kProjExportFileTarget, "/home/user/Documents/ExportGrid");
  KD_FUZZ_CHECK(project.SaveFile());
  const std::string projectText = kdfuzz::ReadBytes(work + "kdp/seed.kdp");
  kdfuzz::WriteBytes(Folder("project") + "written.kdp", projectText);
  kdfuzz::WriteBytes(Folder("ini") + "project.kdp", projectText);

  // Document names that lead out of their folders: refused.
  project.SetValue(kProjLeaguePropertiesFile, "../../../../victim.txt");
  project.SetValue(kProjScoringSystemFile, "/etc/passwd");
  project.SetValue(kProjMockDraftDisplayGrid, "..");
  KD_FUZZ_CHECK(project.SaveFile());
  kdfuzz::WriteBytes(Folder("project") + "path-names.kdp", kdfuzz::ReadBytes(work + "kdp/seed.kdp"));

  // A projected depth no one can type into the settings window, and a
  // display grid named by a path.
  settings.SetLongVal(kSetUserMockDepth, 2147483647);
  settings.SetStringVal(kSetFirstDisplayGrid, "../../grid.dis");
  KD_FUZZ_CHECK(settings.Save());
  kdfuzz::WriteBytes(Folder("settings") + "huge-depth-path-grid.ini",
                     kdfuzz::ReadBytes(work + "kd_settings.ini"));
}

void DisSeeds() {
  clsDisplayGridIsolate grid;
  grid.SetGridName("Stats - Passing");
  grid.SetColumnMax(2);
  const char* titles[][2] = {{"Player", ""}, {"Pass", "Yds"}, {"Pass", "TD"}};
  for (int32_t col = 0; col <= 2; ++col) {
    grid.SetTableFieldID(col, col == 0 ? 1 : 100 + col);
    grid.SetOrderNumber(col, static_cast<uint8_t>(col + 1));
    grid.SetColumnWidth(col, static_cast<int16_t>(col == 0 ? 2400 : 900));
    grid.SetTitle1(col, titles[col][0]);
    grid.SetTitle2(col, titles[col][1]);
    grid.SetDecimals(col, static_cast<uint8_t>(col == 1 ? 1 : 0));
    grid.SetAlign(col, static_cast<uint8_t>(col == 0 ? 0 : 2));
  }
  grid.SetFilePath(Folder("dis") + "passing.dis");
  KD_FUZZ_CHECK(grid.SaveFile());
  clsDisplayGridIsolate empty;
  empty.SetGridName("Empty");
  empty.SetFilePath(Folder("dis") + "empty.dis");
  KD_FUZZ_CHECK(empty.SaveFile());
}

void LgpSeeds() {
  clsLeagueIsolate league;
  league.SetTeamCount(4);
  for (int32_t team = 1; team <= 4; ++team) {
    league.SetTeamName(team, "Team " + std::to_string(team));
    league.SetStrategy(team, team % 2 ? "KD-RBL Default.stg" : "Top RB.stg");
  }
  league.SetDraftRounds(3);
  league.SetDraftStyle(0);
  league.SetCreatedDraftRounds(3);
  league.SetCreatedTeamCount(4);
  league.SetPickCount(12);
  const int32_t order[] = {1, 2, 3, 4, 4, 3, 2, 1, 1, 2, 3, 4};
  for (int32_t pick = 0; pick < 12; ++pick) league.SetPick(pick, order[pick]);
  league.AddRosterPositionSize(1, 1, 16, 0, 9, 0);
  league.AddRosterPositionSize(3, 3, 4, 1, 1, 1);
  league.AddRosterPositionSize(4, 4, 6, 2, 2, 2);
  league.SetFilePath(Folder("lgp"));
  league.SetFileName("four-teams.lgp");
  KD_FUZZ_CHECK(league.SaveLeagueProps());

  // A roster size of two billion, stored before the whole roster.
  league.ClearRosterPositions();
  league.AddRosterPositionSize(3, 3, 2147483647, 1, 2147483647, 1);
  league.AddRosterPositionSize(1, 1, 16, 0, 9, 0);
  league.SetFileName("huge-roster-max.lgp");
  KD_FUZZ_CHECK(league.SaveLeagueProps());
}

void UgmSeeds() {
  clsUserMockIsolate ugm;
  ugm.SetOwnerCount(3);
  for (int32_t owner = 0; owner < 3; ++owner) {
    ugm.SetOwnerID(owner, owner + 1);
    ugm.SetOwnerName(owner, "Owner " + std::to_string(owner + 1));
    ugm.SetOwnerStrategy(owner, "KD-RBL Default.stg");
  }
  ugm.SetDraftRounds(2);
  ugm.SetBoardCount(6);
  for (int32_t pick = 0; pick < 6; ++pick) {
    ugm.SetBoardOwnerID(pick, pick < 3 ? pick + 1 : 6 - pick);
    ugm.SetBoardMasterID(pick, pick < 2 ? 1000 + pick : 0);
    ugm.SetBoardPosID(pick, pick < 2 ? 3 : 0);
  }
  ugm.SetKeeperCount(1);
  ugm.SetKeeperOwnerID(0, 2);
  ugm.SetKeeperMasterID(0, 2001);
  ugm.SetKeeperPosID(0, 4);
  ugm.AddRosterPositionSize(3, 3, 4, 1, 1, 1);
  ugm.SetFilePath(Folder("ugm"));
  ugm.SetFileName("three-owners.ugm");
  KD_FUZZ_CHECK(ugm.SaveUserMock());

  // The whole-roster record stored after the positions, and a roster size
  // of two billion.
  ugm.ClearRosterPositions();
  ugm.AddRosterPositionSize(3, 3, 2147483647, 1, 1, 1);
  ugm.AddRosterPositionSize(1, 1, 2, 0, 2, 0);
  ugm.SetFileName("whole-roster-last-huge-max.ugm");
  KD_FUZZ_CHECK(ugm.SaveUserMock());
}

void KwrSeeds() {
  basKWRFileControl::WriteKwrWeeks(Folder("kwr") + "two-weeks.kwr", 0, 1, 2024, "Seed",
                                   [](uint8_t week, KWRBlock& block) {
                                     if (week == 0) {
                                       block.Bios.push_back({1001, "Runner", 19980312, 5, 3});
                                       block.Bios.push_back({1002, "Thrower", 19950101, 7, 2});
                                       block.Modifications.push_back({kKwrByeWeekMasID, 5, 9, 0, 2024.0f});
                                     } else {
                                       basKWRFileControl::AddStatRecord(block, 1001, 5, week, 12, 87.0f);
                                       basKWRFileControl::AddStatRecord(block, 1002, 7, week, 5, 251.5f);
                                       block.Yardage.push_back({1001, 5, week, 1, 34.0f});
                                     }
                                   });
  // Crafted small files that claim a great deal (docs/fuzzing.md, "Ceilings").
  const std::string two = kdfuzz::ReadBytes(Folder("kwr") + "two-weeks.kwr");
  runtime::ByteWriter claim;
  claim.Raw(two.substr(0, 19));
  claim.Long(536870911);  // the index of a 4 GiB file, in a file of a hundred bytes
  claim.Raw(two.substr(23, 62 + 16));
  kdfuzz::WriteBytes(Folder("kwr") + "index-claims-millions.kwr", claim.Data());
  // Two hundred index entries naming one bad block: reported once per file.
  runtime::ByteWriter bad;
  bad.Raw(two.substr(0, 19));
  bad.Long(199);
  bad.Raw(two.substr(23, 62));
  const int32_t block = 85 + 200 * 8 + 1;
  for (int32_t i = 0; i < 200; ++i) {
    bad.Long(1);
    bad.Long(block);
  }
  bad.Byte(9);  // a block version no reader knows
  for (int32_t i = 0; i < 4; ++i) bad.Long(0);
  kdfuzz::WriteBytes(Folder("kwr") + "entries-on-one-bad-block.kwr", bad.Data());
  // Headers that do not read: a sound file cut short at each of its parts,
  // and an index count of 2^31 - 1.
  for (const int length : {0, 10, 24, 30, 85, 90}) {
    kdfuzz::WriteBytes(Folder("kwr") + "cut-at-" + std::to_string(length) + ".kwr",
                       two.substr(0, static_cast<std::size_t>(length)));
  }
  runtime::ByteWriter most;
  most.Raw(two.substr(0, 19));
  most.Long(2147483647);
  most.Raw(two.substr(23));
  kdfuzz::WriteBytes(Folder("kwr") + "index-count-int-max.kwr", most.Data());
}

// Overwrites the Long at `offset`.
void PatchLong(std::string& bytes, std::size_t offset, int32_t value) {
  runtime::ByteWriter w;
  w.Long(value);
  bytes.replace(offset, 4, w.Data());
}

void VczSeeds() {
  kdfuzz::WriteBytes(Folder("vcz") + "two-entries.vcz",
                     kdfuzz::MakeArchive({{"2024 Master.kwr", "not really a player file"}, {"b.txt", "hi"}}));
  // The one-entry example of the format description, with a stored block.
  runtime::ByteWriter w;
  w.Raw("VCZ");
  for (int32_t v : {1, 1, 5, 32, 37, 13, 2}) w.Long(v);
  w.Raw("a.txt");
  w.Raw(std::string("\x78\x01\x01\x02\x00\xFD\xFF\x68\x69\x01\x3B\x00\xD2", 13));
  kdfuzz::WriteBytes(Folder("vcz") + "example.vcz", w.Data());

  // Crafted small files that claim a great deal (docs/fuzzing.md, "Ceilings").
  std::string millions = w.Data();
  PatchLong(millions, 7, 50000000);
  kdfuzz::WriteBytes(Folder("vcz") + "entry-count-claims-millions.vcz", millions);
  std::vector<std::pair<std::string, std::string>> eight;
  for (int i = 0; i < 8; ++i) eight.emplace_back("e" + std::to_string(i) + ".bin", std::string(2000, 'z'));
  std::string shared = kdfuzz::MakeArchive(eight);
  for (std::size_t i = 1; i < 8; ++i) PatchLong(shared, 11 + 20 * i + 8, 11 + 20 * 8 + 8 * 6 + 1);
  kdfuzz::WriteBytes(Folder("vcz") + "entries-share-one-body.vcz", shared);
  std::string gigabytes = kdfuzz::MakeArchive({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}});
  for (std::size_t i = 0; i < 5; ++i) {
    PatchLong(gigabytes, 11 + 20 * i + 12, 300000);
    PatchLong(gigabytes, 11 + 20 * i + 16, 256 * 1024 * 1024);
  }
  kdfuzz::WriteBytes(Folder("vcz") + "claims-over-a-gigabyte.vcz", gigabytes);
  kdfuzz::WriteBytes(Folder("vcz") + "name-too-long-to-save.vcz",
                     kdfuzz::MakeArchive({{std::string(248, 'n'), "x"}, {"fine.txt", "ok"}}));
}

void UpdateIndexSeeds() {
  struct Entry {
    std::string name;
    int32_t type;
    bool downloaded;
    std::string destDir;
  };
  const Entry entries[] = {{"a.vcz", 0, false, "mas"}, {"b.vcz", 1, true, "str"}, {"a.vcz", 2, false, "ADP"}};
  runtime::ByteWriter w;
  w.Raw("Vellacorn Update");
  w.Long(1);
  w.Long(3);
  for (const Entry& e : entries) {
    w.FixedText(e.name + std::string(54 - e.name.size(), ' '), 54);
    w.Long(e.type);
    w.Long(120);
    w.Long(400);
    w.Boolean(e.downloaded);
    w.Integer(0);
    w.FixedText(e.destDir, 3);
  }
  kdfuzz::WriteBytes(Folder("update_index") + "20241.dat", w.Data());
}

// The template database with the smallest pages, so the seed stays small.
void DatabaseSeeds() {
  const std::string path = kdfuzz::ScratchFolder() + "template.pro";
  std::string error;
  if (!templatedb::Build(path, templatedb::ScriptPaths(templatedb::SourceScriptFolder()), &error)) {
    kdfuzz::Fail(__FILE__, __LINE__, error.c_str());
  }
  sqlite3* db = nullptr;
  KD_FUZZ_CHECK(sqlite3_open(path.c_str(), &db) == SQLITE_OK);
  KD_FUZZ_CHECK(sqlite3_exec(db, "PRAGMA page_size=512; VACUUM;", nullptr, nullptr, nullptr) == SQLITE_OK);
  sqlite3_close(db);
  kdfuzz::WriteBytes(Folder("database") + "template.pro", kdfuzz::ReadBytes(path));

  // Stored scoring rules worth an infinity of points: refused at the open.
  KD_FUZZ_CHECK(sqlite3_open(path.c_str(), &db) == SQLITE_OK);
  KD_FUZZ_CHECK(sqlite3_exec(db, "UPDATE tblScoringSystem SET Points = 9e999 WHERE ID = (SELECT MIN(ID) FROM tblScoringSystem);",
                             nullptr, nullptr, nullptr) == SQLITE_OK);
  sqlite3_close(db);
  kdfuzz::WriteBytes(Folder("database") + "infinite-scoring-points.pro", kdfuzz::ReadBytes(path));

  // A table far wider than any of the program's, its fields costing the file
  // nothing but their DEFAULT: refused at the open.
  const std::string wide = kdfuzz::ScratchFolder() + "wide.pro";
  std::filesystem::remove(wide);
  std::string sql =
      "PRAGMA page_size=512; CREATE TABLE tblPlayers (ID INTEGER PRIMARY KEY);"
      " WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < 200)"
      " INSERT INTO tblPlayers (ID) SELECT i FROM c;";
  // Added after the rows, so that the rows do not hold the DEFAULT.
  for (int i = 0; i < 300; ++i) sql += "ALTER TABLE tblPlayers ADD COLUMN f" + std::to_string(i) + " TEXT DEFAULT 'x';";
  KD_FUZZ_CHECK(sqlite3_open(wide.c_str(), &db) == SQLITE_OK);
  KD_FUZZ_CHECK(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK);
  sqlite3_close(db);
  kdfuzz::WriteBytes(Folder("database") + "wide-table.pro", kdfuzz::ReadBytes(wide));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds <corpus folder>\n");
    return 2;
  }
  g_root = std::string(argv[1]) + "/";
  ScoSeeds();
  StgSeeds();
  IniSeeds();
  DisSeeds();
  LgpSeeds();
  UgmSeeds();
  KwrSeeds();
  VczSeeds();
  UpdateIndexSeeds();
  DatabaseSeeds();
  return 0;
}
