// Writes the seed files of the binary and generated corpora with the
// program's own writers: make_fuzz_seeds <corpus folder>. The hand-made
// text seeds are kept in the corpus folders as they are.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "draft_inputs/basSCOFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsScoringIsolate.h"
#include "platform/runtime/ByteStream.h"

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
  return 0;
}
