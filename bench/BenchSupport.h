#pragma once
// What every benchmark program shares: the bundled sample tree of the build
// folder, its 2024 sample database, the sample project in a work folder of
// its own, and the peak resident memory counter.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace kdbench {

inline constexpr int16_t kSampleYear = 2024;

// <build>/share/Vellacorn/Kickwell Draftyard/dat
std::string SampleTreeDir();
// A file of the sample tree, e.g. SamplePath("sco/KD-Half PPR.sco").
std::string SamplePath(const std::string& relative);

// A folder of its own under the system's temporary folder, removed at exit.
std::string ScratchDir();

// The sample tree's 2024 database, as the build makes it from
// def/Default.pro and mas/"2024 Master 0001.kwr" (season rows summed).
inline constexpr const char* kSampleDatabaseFile = "pro/2010 Default Stats.pro";

// A copy of that database in the scratch folder, made once per process;
// returns its path. Each benchmark copies it again when it changes it.
const std::string& SampleDatabase();

// A work folder holding a copy of the sample tree (the sample database
// included, as the project's projected-stats file), the work-folder tables
// set up for it and "KD-Sample 2024.kdp" open as the project. Made once per
// process; returns the work folder (with its trailing '/').
const std::string& SampleProject();
// The project's database file in that work folder.
std::string SampleProjectDatabase();

// Copies a file, aborting on failure. A file already at `to` is written
// over in place: it keeps its identity (inode) and gets a new modification
// time, as a file copied over from outside the program.
void CopyFileOrDie(const std::string& from, const std::string& to);
// An UPDATE that changes one projection of the sample database: one season
// stat of one player goes up by one and, at the next call, back down.
std::string NextProjectionChange();
// Makes that change from outside the program (its own SQLite connection,
// not through the program's database layer), as another program would.
// Aborts on failure.
void ChangeProjectionFromOutside(const std::string& path);

// Adds the process's peak resident set size (getrusage ru_maxrss) in MB as
// the counter "peak_MB".
void ReportPeakMemory(benchmark::State& state);

[[noreturn]] void Die(const std::string& message);

// Repeats the benchmark `times` times and reports only the aggregates
// (mean, median, spread, and the quickest repetition as "min"). --benchmark_repetitions on the command line wins
// over `times` (the programs' main applies it).
void RepeatTimes(benchmark::internal::Benchmark* benchmark, int times);
// RepeatTimes as a BENCHMARK(...)->Apply(kdbench::Repeat<5>) step.
template <int kTimes>
void Repeat(benchmark::internal::Benchmark* benchmark) {
  RepeatTimes(benchmark, kTimes);
}

}  // namespace kdbench
