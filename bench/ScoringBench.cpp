// Applying the sample project's scoring system (half PPR) to the sample
// database: the season rows alone, and every week 1..17 with the season rows.
// A pass over the file as the last pass left it reads nothing (the rows hold
// their points already), so each is also measured right after an edit of a
// projection through the program's connection, which makes the pass read
// and score every row of its range. The counter `rows` is what the last
// iteration's pass scored: 0 when it read nothing.

#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "platform/jet/Database.h"

namespace {

void ApplyScoring(benchmark::State& state, uint8_t weekFrom, uint8_t weekTo, bool afterWrite = false) {
  const std::string path = kdbench::ScratchDir() + "/scoring.pro";
  kdbench::CopyFileOrDie(kdbench::SampleDatabase(), path);
  clsKickwellDB db;
  if (!db.InitializeKickwellDB(path)) kdbench::Die("cannot open " + path);
  if (!db.pFnLoadScoringSystem(kdbench::SamplePath("sco/KD-Half PPR.sco"))) {
    kdbench::Die("cannot load the half-PPR scoring system");
  }
  int32_t rows = 0;
  for (auto _ : state) {
    if (afterWrite) {
      state.PauseTiming();
      db.Database().Execute(kdbench::NextProjectionChange());
      state.ResumeTiming();
    }
    clsStatusPlain status;
    status.AddSegment(4, 100);
    rows = db.pSbUpdatePlayerPointswStatus(status, weekFrom, weekTo, kdbench::kSampleYear);
  }
  if (afterWrite && rows < 1) state.SkipWithError("no row was scored");
  state.counters["rows"] = rows;
  kdbench::ReportPeakMemory(state);
}

void BM_ApplyScoringSeasonRows(benchmark::State& state) {
  ApplyScoring(state, clsKickwellDB::kSeasonWeek, clsKickwellDB::kSeasonWeek);
}
void BM_ApplyScoringWeeksAndSeason(benchmark::State& state) {
  ApplyScoring(state, 1, clsKickwellDB::kSeasonWeek);
}
void BM_ApplyScoringSeasonRowsAfterAWrite(benchmark::State& state) {
  ApplyScoring(state, clsKickwellDB::kSeasonWeek, clsKickwellDB::kSeasonWeek, true);
}
void BM_ApplyScoringWeeksAndSeasonAfterAWrite(benchmark::State& state) {
  ApplyScoring(state, 1, clsKickwellDB::kSeasonWeek, true);
}

}  // namespace

BENCHMARK(BM_ApplyScoringSeasonRows)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_ApplyScoringWeeksAndSeason)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_ApplyScoringSeasonRowsAfterAWrite)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_ApplyScoringWeeksAndSeasonAfterAWrite)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
