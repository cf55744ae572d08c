// The engine's jobs end to end over the sample project (the twelve-team
// league, half-PPR scoring, the 2024 projections): each run opens the
// project's database, loads league and scoring system and rescores the
// season rows, as the program does when the user starts the job.

#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"

namespace {

// The progress segments the jobs report on (an automatic draft adds its own).
void AddJobSegments(clsStatusPlain& status) {
  for (int32_t id : {1, 2, 3, 4, 5, 7, 8}) status.AddSegment(id, 10.0f);
}

void BM_CalculateCheatSheet(benchmark::State& state) {
  kdbench::SampleProject();
  for (auto _ : state) {
    clsStatusPlain status;
    AddJobSegments(status);
    clsMockDraft mock;
    clsMockRoster roster;
    clsKickwellDB db;
    if (!basMockDraftCalculation::CalculateCheatSheet(status, mock, roster, db)) {
      state.SkipWithError("the cheat-sheet job failed");
      break;
    }
  }
  kdbench::ReportPeakMemory(state);
}

void BM_CalculateMockDraft(benchmark::State& state) {
  kdbench::SampleProject();
  int32_t picks = 0;
  for (auto _ : state) {
    clsStatusPlain status;
    AddJobSegments(status);
    clsMockDraft mock;
    clsKickwellDB db;
    if (!basMockDraftCalculation::CalculateMockDraft(status, mock, db)) {
      state.SkipWithError("the automatic mock draft failed");
      break;
    }
    picks = mock.Count() + 1;
  }
  state.counters["picks"] = picks;
  kdbench::ReportPeakMemory(state);
}

}  // namespace

BENCHMARK(BM_CalculateCheatSheet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CalculateMockDraft)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
