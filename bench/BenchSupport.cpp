#include "BenchSupport.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/Seams.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"

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

// The benchmarks given their own repetition count.
std::vector<benchmark::internal::Benchmark*>& Repeated() {
  static std::vector<benchmark::internal::Benchmark*> benchmarks;
  return benchmarks;
}

// The count of --benchmark_repetitions=N on the command line, if any (the
// last one, as the library reads it).
std::optional<int> RepetitionsArgument(int argc, char** argv) {
  constexpr std::string_view kFlag = "--benchmark_repetitions=";
  std::optional<int> times;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.substr(0, kFlag.size()) != kFlag) continue;
    const std::string_view value = arg.substr(kFlag.size());
    int n = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
    // A value the library cannot use is left for it to refuse.
    times = error == std::errc() && end == value.data() + value.size() && n > 0 ? std::optional<int>(n)
                                                                              : std::nullopt;
  }
  return times;
}

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

std::string NextProjectionChange() {
  static bool up = true;
  const std::string sql = std::string("UPDATE tblStat3 SET Fld3 = Fld3 ") + (up ? "+" : "-") +
                          " 1 WHERE ID = (SELECT min(ID) FROM tblStat3 WHERE Week = 250);";
  up = !up;
  return sql;
}

void ChangeProjectionFromOutside(const std::string& path) {
  sqlite3* db = nullptr;
  const std::string sql = NextProjectionChange();
  const bool changed = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
                       sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK &&
                       sqlite3_changes(db) == 1;
  sqlite3_close_v2(db);
  if (!changed) Die("cannot change a projection of " + path);
}

const std::string& SampleDatabase() {
  static const std::string path = [] {
    std::string p = ScratchDir() + "/sample.pro";
    CopyFileOrDie(SamplePath(kSampleDatabaseFile), p);
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
    ReleaseGlobalProject();
    if (!GlobalProject().OpenFile("KD-Sample 2024.kdp")) Die("cannot open the sample project");
    // The copied tree already holds the sample database under the name
    // the project gives it.
    if (!fs::exists(ProjectDatabaseIn(folder))) Die("the sample project's database is missing");
    return folder;
  }();
  return work;
}

std::string SampleProjectDatabase() { return ProjectDatabaseIn(SampleProject()); }

void RepeatTimes(benchmark::internal::Benchmark* benchmark, int times) {
  // Beside the median, the quickest repetition: on a shared machine the
  // one the other processes disturbed least.
  benchmark->Repetitions(times)->ReportAggregatesOnly(true)->ComputeStatistics(
      "min", [](const std::vector<double>& v) { return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end()); });
  Repeated().push_back(benchmark);
}

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

}  // namespace kdbench

// Every benchmark program's entry: the library's own, except that a
// repetition count given on the command line replaces the benchmarks' own.
int main(int argc, char** argv) {
  const std::optional<int> repetitions = kdbench::RepetitionsArgument(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (repetitions) {
    for (benchmark::internal::Benchmark* b : kdbench::Repeated()) b->Repetitions(*repetitions);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
