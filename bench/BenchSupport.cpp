#include "BenchSupport.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

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

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

}  // namespace kdbench
