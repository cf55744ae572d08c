#include "BenchSupport.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "core/Seams.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "database/clsPlayerDataWriters.h"
#include "player_data/basKWRFileControl.h"
#include "player_data/clsKWRData.h"

namespace fs = std::filesystem;

namespace kdbench {
namespace {

class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = fs::temp_directory_path() / ("kd-bench-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(path_, ec);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string Path() const { return path_.string(); }

 private:
  fs::path path_;
};

// Writes one block's stat records, a run of one player-week at a time, as
// the writers take them.
void WriteStats(clsKickwellDB& db, const KWRBlock& block) {
  if (block.Stats.empty()) return;
  clsKWRData data;
  data.SetStatMax(static_cast<int32_t>(block.Stats.size()));
  for (std::size_t i = 0; i < block.Stats.size(); ++i) {
    const KWRStatRecord& r = block.Stats[i];
    data.SetStat(static_cast<int32_t>(i + 1), r.MasID, r.TeaID, r.Week, r.Field, r.NewValue);
  }
  int32_t from = 1;
  const int32_t last = data.StatMax();
  for (int32_t i = 2; i <= last + 1; ++i) {
    if (i > last || data.StatMasID(i) != data.StatMasID(from) || data.StatWeek(i) != data.StatWeek(from)) {
      db.pSbAddPSt(data, kSampleYear, from, i - 1, false);
      from = i;
    }
  }
}

// A benchmark has nobody to answer a box: every message goes to stderr, so
// a job that stops says why.
class StderrMessages : public seams::MessageBoxView {
 public:
  std::string ShowMessage(const std::string& caption, const std::string& text, int32_t, bool) override {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return "";
  }
  seams::PlainAnswer PlainMessage(const std::string& text, seams::PlainButtons, seams::PlainIcon,
                                  const std::string& caption) override {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return seams::PlainAnswer::kOk;
  }
};

std::string ProjectDatabaseIn(const std::string& work) {
  return work + "pro/" + GlobalProject().Value(kProjProjectedStatsFile);
}

}  // namespace

[[noreturn]] void Die(const std::string& message) {
  std::fprintf(stderr, "kd bench: %s\n", message.c_str());
  std::exit(2);
}

std::string SampleTreeDir() { return std::string(KD_SHARE_DIR) + "/Vellacorn/Kickwell Draftyard/dat"; }

std::string SamplePath(const std::string& relative) { return SampleTreeDir() + "/" + relative; }

std::string ScratchDir() {
  static ScratchFolder folder;
  return folder.Path();
}

void CopyFileOrDie(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (ec) Die("cannot copy " + from + " to " + to + ": " + ec.message());
}

void BuildSampleDatabase(const std::string& path) {
  CopyFileOrDie(SamplePath("def/Default.pro"), path);
  const std::string master = SamplePath("mas/2024 Master 0001.kwr");

  clsKickwellDB db;
  if (!db.InitializeKickwellDB(path)) Die("cannot open " + path);
  std::vector<KWRIndexEntry> index;
  std::string text;
  if (basKWRFileControl::ReadKwrHeader(master, index, text) < 0 || index.empty()) {
    Die("cannot read " + master);
  }
  {
    clsPlayerDataWriters::WriteScope scope(db, clsPlayerDataWriters::WriteScope::Nesting::kAlways);
    // Registrations first, so every stat record finds its player.
    std::vector<KWRBlock> blocks;
    for (const KWRIndexEntry& entry : index) {
      int32_t position = entry.Position;
      KWRBlock block;
      if (!basKWRFileControl::ReadKwrBlock(master, block, position)) Die("unreadable block in " + master);
      for (const KWRBioRecord& bio : block.Bios) {
        if (bio.MasID > 0) {
          db.pSbAddPla(kSampleYear, bio.MasID, bio.BackName, bio.DOB, bio.TeaID, bio.PosID,
                       static_cast<uint8_t>(entry.Week));
        }
      }
      blocks.push_back(std::move(block));
    }
    for (const KWRBlock& block : blocks) WriteStats(db, block);
    scope.Commit();
  }
  clsStatusPlain status;
  db.pSbSumPlayerStatsForYear(kSampleYear, status);
  db.pSbCloseKickwellDB();
}

const std::string& SampleDatabase() {
  static const std::string path = [] {
    std::string p = ScratchDir() + "/sample.pro";
    BuildSampleDatabase(p);
    return p;
  }();
  return path;
}

const std::string& SampleProject() {
  static const std::string work = [] {
    const std::string folder = ScratchDir() + "/work/";
    std::error_code ec;
    fs::copy(SampleTreeDir(), folder, fs::copy_options::recursive, ec);
    if (ec) Die("cannot copy the sample tree: " + ec.message());
    seams::Install(std::make_unique<StderrMessages>());
    basMockItUp::InitFileTypeTable(folder);
    // The master file carries no bye weeks into the database built here.
    basMockDraftSettings::GlobalSettings().SetBoolVal(kSetCheckByeConflicts, false);
    ReleaseGlobalProject();
    if (!GlobalProject().OpenFile("KD-Sample 2024.kdp")) Die("cannot open the sample project");
    CopyFileOrDie(SampleDatabase(), ProjectDatabaseIn(folder));
    return folder;
  }();
  return work;
}

std::string SampleProjectDatabase() { return ProjectDatabaseIn(SampleProject()); }

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

}  // namespace kdbench
