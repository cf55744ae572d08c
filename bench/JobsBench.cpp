// The engine's jobs end to end over the sample project (the twelve-team
// league, half-PPR scoring, the 2024 projections). A job's headline figure
// is its cold run, what the user waits for on the first job after starting
// the program: the project's database is a file this process has not seen
// (as the last session left it), so the open checks it (PRAGMA
// quick_check), reads its structure, and the job runs the scoring pass and
// reads the stacks before it drafts or ranks. "...Again" is the same job
// run again over the unchanged file, which the program answers from what
// the first run read; "...AfterAWrite" runs right after another program
// changed a projection in the file, so the check, the scoring pass and the
// stacks' reading run again.

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/basMockDraftSettings.h"
#include "core/basMockItUp.h"
#include "core/clsCheatIsolate.h"
#include "core/clsSettingsKD.h"
#include "core/clsStatusPlain.h"
#include "database/clsKickwellDB.h"
#include "documents/DocumentOptions.h"
#include "documents/basFlexGridHTML.h"
#include "draft_inputs/basLGPFileControl.h"
#include "draft_inputs/clsDraftStrategy.h"
#include "draft_inputs/clsLeagueIsolate.h"
#include "engine/KickwellDBPickLogNames.h"
#include "engine/basMockDraftCalculation.h"
#include "engine/clsPossiblePicks.h"
#include "engine/clsMockDraft.h"
#include "engine/clsMockRoster.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "player_data/basCreateSingleSeasonDB.h"
#include "user_mock/clsUserMockSession.h"

namespace {

// A display grid the project names, or the bundled one when it names none.
std::string DisplayGridPath(int32_t key, const std::string& bundled) {
  const std::string named = GlobalProject().Value(key);
  return FileTypeFolder.at(kPageDisplayGrids) + (named.empty() ? bundled : named);
}

// The progress segments the jobs report on (an automatic draft adds its own).
void AddJobSegments(clsStatusPlain& status) {
  for (int32_t id : {1, 2, 3, 4, 5, 7, 8}) status.AddSegment(id, 10.0f);
}

namespace calc = basMockDraftCalculation;

// The CPU time this thread has used, in seconds: on a shared machine the
// time a loop spends waiting for a core is not its own.
double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The sample league with `teams` teams over `rounds` rounds (16 rounds and
// the sample's team count unless said otherwise), every look-ahead strategy
// replaced by the default strategy and, when `lookAhead` names a bundled
// look-ahead strategy, team `looking` using it for its first `picks` picks
// (then Open Roster by roster value, as the bundled look-ahead strategies
// end). It is written as a league of its own and made the project's while
// the guard lives. Only one team looks ahead: a look-ahead plays the other
// teams' picks by their strategies and stops with a strategy conflict when
// one of those picks is a look-ahead itself, so a league where every team
// looks ahead on its first picks cannot be drafted. Teams beyond the
// sample's take the strategies of its teams in turn; over more than 16
// rounds every position's roster maximum grows in proportion.
class LeagueVariant {
 public:
  static constexpr int32_t kRounds = 16;

  LeagueVariant(const std::string& lookAhead, int32_t picks, int32_t teams = 0, int32_t rounds = kRounds,
                int32_t looking = 1) {
    kdbench::SampleProject();
    std::string name;
    if (!lookAhead.empty()) {
      clsDraftStrategy strategy;
      strategy.SetFilePath(FileTypeFolder.at(kPageDraftStrategies));
      strategy.SetFileName(lookAhead);
      if (!strategy.LoadDraftStrategy()) kdbench::Die("cannot read " + lookAhead);
      strategy.SetEndPick(0, picks);
      strategy.SetBegPick(1, picks + 1);
      name = "Bench " + std::to_string(picks) + " " + lookAhead;
      strategy.SetFileName(name);
      if (!strategy.SaveDraftStrategy()) kdbench::Die("cannot write " + name);
    }
    clsLeagueIsolate league;
    league.SetFilePath(FileTypeFolder.at(kPageLeagueProperties));
    league.SetFileName(GlobalProject().Value(kProjLeaguePropertiesFile));
    if (!league.LoadLeagueProps(true)) kdbench::Die("cannot read the sample league");
    const int32_t sampleTeams = league.TeamCount();
    if (teams > 0 && teams != sampleTeams) {
      std::vector<std::string> strategies;
      for (int32_t t = 1; t <= sampleTeams; ++t) strategies.push_back(league.Strategy(t));
      league.SetTeamCount(teams);
      for (int32_t t = sampleTeams + 1; t <= teams; ++t) {
        league.SetTeamName(t, "Team " + std::to_string(t));
        league.SetStrategy(t, strategies[static_cast<std::size_t>(t - 1) % strategies.size()]);
      }
    }
    for (int32_t t = 1; t <= league.TeamCount(); ++t) {
      const std::string current = league.Strategy(t);
      if (current.find("Gain-Loss") != std::string::npos || current.find("Equilibrium") != std::string::npos)
        league.SetStrategy(t, "KD-RBL Default.stg");
    }
    if (!name.empty()) league.SetStrategy(looking, name);
    // The whole roster (position 1) holds every round's pick.
    league.SetDraftRounds(rounds);
    std::vector<LGPRosterSizeRecord> sizes;
    for (int32_t i = 0; i < league.RosterSizeCount(); ++i) {
      const int32_t posID = league.RosterPosID(i);
      int32_t rosterMax = league.RosterMax(posID);
      if (posID == 1)
        rosterMax = rounds;
      else if (rounds > kRounds)
        rosterMax = (rosterMax * rounds + kRounds - 1) / kRounds;
      sizes.push_back({posID, league.MergeAsID(posID), league.RosterMin(posID), rosterMax, league.StarterMin(posID),
                       league.StarterMax(posID)});
    }
    league.ClearRosterPositions();
    for (const LGPRosterSizeRecord& r : sizes)
      league.AddRosterPositionSize(r.MergeAsID, r.PosID, r.RosterMax, r.RosterMin, r.StarterMax, r.StarterMin);
    league.SetFileName("Bench " + std::to_string(league.TeamCount()) + "x" + std::to_string(rounds) + " " +
                       std::to_string(looking) + " " + (name.empty() ? std::string("no look-ahead") : name) +
                       ".lgp");
    if (!league.SaveLeagueProps()) kdbench::Die("cannot write " + league.FileName());
    saved_ = GlobalProject().Value(kProjLeaguePropertiesFile);
    GlobalProject().SetValue(kProjLeaguePropertiesFile, league.FileName());
  }
  ~LeagueVariant() { GlobalProject().SetValue(kProjLeaguePropertiesFile, saved_); }
  LeagueVariant(const LeagueVariant&) = delete;
  LeagueVariant& operator=(const LeagueVariant&) = delete;

 private:
  std::string saved_;
};

// An automatic draft of the project's league set up to its pick loop, as
// CalculateMockDraft sets it up; each Run drafts copies of its rosters and
// board, so one set-up serves every iteration of a benchmark.
class DraftSetUp {
 public:
  DraftSetUp() {
    clsStatusPlain status;
    AddJobSegments(status);
    if (!calc::OpenProjectedStatsDB(status, db_) || !calc::LoadLeagueProperties(status, db_, mock_, records_, order_) ||
        !calc::ApplyProjectScoring(status, db_) ||
        !calc::BuildTeamRosters(status, calc::DatabaseStackFiller(db_, clsKickwellDB::kSeasonWeek), mock_, rosters_,
                                records_))
      kdbench::Die("the draft could not be set up");
    if (mock_.CreateDraftOrder())
      basLGPFileControl::BuildDraftOrder(order_, mock_.OwnerCount(), mock_.DraftRounds(), mock_.DraftStyle());
    if (rosters_.size() > 1) names_.RememberStackPlayers(rosters_[1]);
  }
  DraftSetUp(const DraftSetUp&) = delete;
  DraftSetUp& operator=(const DraftSetUp&) = delete;

  // The pick loop over copies; its wall time in seconds (negative when it
  // failed), and in cpuSeconds the CPU time of this thread in it.
  double Run(int32_t* picks = nullptr, double* cpuSeconds = nullptr) {
    clsStatusPlain status;
    AddJobSegments(status);
    clsMockDraft mock = mock_;
    std::vector<clsMockRoster> rosters = rosters_;
    // Copies mark on their own: linked again as the job's rosters are.
    clsMockRoster::LinkLeague(rosters);
    std::array<clsPossiblePicks, 2> lists;
    std::vector<int32_t> boardIndex;
    const double cpuStart = ThreadCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const bool drafted = calc::RunMockDraftPicks(status, mock, order_, rosters, lists, names_, boardIndex);
    const auto stop = std::chrono::steady_clock::now();
    if (cpuSeconds) *cpuSeconds = ThreadCpuSeconds() - cpuStart;
    if (picks) *picks = mock.Count() + 1;
    return drafted ? std::chrono::duration<double>(stop - start).count() : -1.0;
  }

  // One Equilibrium search of the team on the clock at the first pick;
  // true when it chose a player.
  bool Search(int32_t depth) {
    std::array<clsPossiblePicks, 2> lists;
    int32_t rule = 0;
    return calc::EquilibriumLookAhead(mock_, rosters_, lists, order_, 0, depth, false, rule, nullptr, {}) &&
           calc::MoveToPick(lists[0], 0) && lists[0].MasID() > 0;
  }

  int32_t Picks() const { return static_cast<int32_t>(order_.size()); }

 private:
  clsMockDraft mock_;
  clsKickwellDB db_;
  std::vector<LGPRosterSizeRecord> records_;
  std::vector<int32_t> order_;
  std::vector<clsMockRoster> rosters_;
  KickwellDBPickLogNames names_{db_};
};

// How a job's run finds the project's database.
enum class Start {
  // As after starting the program: the file as the last session left it,
  // new to this process.
  kCold,
  // Right after the same job, the file unchanged.
  kAgain,
  // Right after another program changed a projection in the file.
  kAfterAWrite,
};

// The project's database at the start of a run. A cold run's file is the
// one the job left at the end of a first run (scored, the league's roster
// sizes and the scoring rules stored), copied again over the project's
// file, in place, so that nothing this process knows of the file holds for
// it: its modification time is new, as a file that a session closed is to
// a new process. The file is in the system's cache, as a file used lately
// is; only the job's run is timed.
class ProjectDatabase {
 public:
  explicit ProjectDatabase(Start start) : start_(start) {
    if (start_ == Start::kCold) {
      session_ = kdbench::ScratchDir() + "/session.pro";
      kdbench::CopyFileOrDie(kdbench::SampleProjectDatabase(), session_);
    }
  }

  // Before a run; the benchmark's timing is paused meanwhile.
  void Prepare(benchmark::State& state) {
    if (start_ == Start::kAgain) return;
    state.PauseTiming();
    if (start_ == Start::kCold)
      kdbench::CopyFileOrDie(session_, kdbench::SampleProjectDatabase());
    else
      kdbench::ChangeProjectionFromOutside(kdbench::SampleProjectDatabase());
    state.ResumeTiming();
  }

 private:
  Start start_;
  std::string session_;
};

// A job's first run outside the timing: it leaves the file as a session
// ends with it, which the cold runs copy.
template <class Job>
void FirstRun(const Job& job) {
  if (!job()) kdbench::Die("the job failed on its first run");
}

bool CheatSheetJob(int32_t* ranked = nullptr) {
  clsStatusPlain status;
  AddJobSegments(status);
  clsMockDraft mock;
  clsMockRoster roster;
  clsKickwellDB db;
  if (!basMockDraftCalculation::CalculateCheatSheet(status, mock, roster, db)) return false;
  if (ranked) {
    *ranked = 0;
    for (int32_t slot = 1; slot <= roster.StackMax(); ++slot) *ranked += roster.StackPlayerCount(slot);
  }
  return true;
}

bool MockDraftJob(int32_t* picks = nullptr) {
  clsStatusPlain status;
  AddJobSegments(status);
  clsMockDraft mock;
  clsKickwellDB db;
  if (!basMockDraftCalculation::CalculateMockDraft(status, mock, db)) return false;
  if (picks) *picks = mock.Count() + 1;
  return true;
}

void CheatSheetRuns(benchmark::State& state, Start start) {
  kdbench::SampleProject();
  FirstRun([] { return CheatSheetJob(); });
  ProjectDatabase file(start);
  int32_t ranked = 0;
  for (auto _ : state) {
    file.Prepare(state);
    if (!CheatSheetJob(&ranked)) {
      state.SkipWithError("the cheat-sheet job failed");
      break;
    }
  }
  if (ranked < 1) state.SkipWithError("no player was ranked");
  state.counters["players"] = ranked;
  kdbench::ReportPeakMemory(state);
}

void BM_CalculateMockDraft(benchmark::State& state, Start start = Start::kCold) {
  kdbench::SampleProject();
  FirstRun([] { return MockDraftJob(); });
  ProjectDatabase file(start);
  int32_t picks = 0;
  for (auto _ : state) {
    file.Prepare(state);
    if (!MockDraftJob(&picks)) {
      state.SkipWithError("the automatic mock draft failed");
      break;
    }
  }
  if (picks < 1) state.SkipWithError("no draft was measured");
  state.counters["picks"] = picks;
  kdbench::ReportPeakMemory(state);
}

void BM_MockDraftNoLookAhead(benchmark::State& state) {
  const LeagueVariant league("", 0);
  BM_CalculateMockDraft(state);
}
// Draft again.
void BM_MockDraftNoLookAheadAgain(benchmark::State& state) {
  const LeagueVariant league("", 0);
  BM_CalculateMockDraft(state, Start::kAgain);
}
void BM_MockDraftNoLookAheadAfterAWrite(benchmark::State& state) {
  const LeagueVariant league("", 0);
  BM_CalculateMockDraft(state, Start::kAfterAWrite);
}
void BM_CalculateCheatSheet(benchmark::State& state) { CheatSheetRuns(state, Start::kCold); }
// Cheat sheet again.
void BM_CalculateCheatSheetAgain(benchmark::State& state) { CheatSheetRuns(state, Start::kAgain); }
void BM_CalculateCheatSheetAfterAWrite(benchmark::State& state) { CheatSheetRuns(state, Start::kAfterAWrite); }

void BM_MockDraftRosterPotGL(benchmark::State& state) {
  const LeagueVariant league("KD-Roster Gain-Loss.stg", 6);
  BM_CalculateMockDraft(state);
}

void BM_MockDraftEquilibriumDepth4(benchmark::State& state) {
  const LeagueVariant league("KD-Equilibrium.stg", 4);
  clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
  const int32_t depth = settings.LongVal(kSetEquilibriumDepth);
  settings.SetLongVal(kSetEquilibriumDepth, 4);
  BM_CalculateMockDraft(state);
  settings.SetLongVal(kSetEquilibriumDepth, depth);
}

// The automatic draft's pick loop alone, state.range(0) teams over
// state.range(1) rounds: the job's steps before it run once per benchmark
// run, and each iteration drafts copies of the rosters it made.
void BM_MockDraftPickLoop(benchmark::State& state) {
  const LeagueVariant league("", 0, static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
  DraftSetUp draft;
  int32_t picks = 0;
  double cpu = 0;
  for (auto _ : state) {
    double iterationCpu = 0;
    const double seconds = draft.Run(&picks, &iterationCpu);
    if (seconds < 0) {
      state.SkipWithError("the pick loop failed");
      break;
    }
    state.SetIterationTime(seconds);
    cpu += iterationCpu;
  }
  if (picks < 1) state.SkipWithError("no draft was measured");
  state.counters["picks"] = picks;
  // The loop's own CPU time per draft (the CPU column counts the copies too).
  state.counters["loop_cpu_us"] = benchmark::Counter(cpu * 1e6, benchmark::Counter::kAvgIterations);
  kdbench::ReportPeakMemory(state);
}

// The automatic draft end to end at state.range(0) teams x state.range(1) rounds.
void BM_MockDraftSize(benchmark::State& state) {
  const LeagueVariant league("", 0, static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
  BM_CalculateMockDraft(state);
}

// One Equilibrium search at depth state.range(0): team 1 on the clock at
// the first pick of the 12 x 16 draft.
void BM_EquilibriumSearch(benchmark::State& state) {
  const LeagueVariant league("KD-Equilibrium.stg", 4);
  DraftSetUp draft;
  for (auto _ : state) {
    if (!draft.Search(static_cast<int32_t>(state.range(0)))) {
      state.SkipWithError("the search chose nobody");
      break;
    }
  }
  kdbench::ReportPeakMemory(state);
}

// Every team's Equilibrium searches at depth 4, summed: one 12 x 16 draft
// per team of the league, in which that team looks ahead on its first four
// picks. Each iteration times the twelve pick loops (set up once); the
// picks without a search add about a twelfth of BM_MockDraftPickLoop/12/16.
void BM_EquilibriumEveryTeam(benchmark::State& state) {
  kdbench::SampleProject();
  clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
  const int32_t depth = settings.LongVal(kSetEquilibriumDepth);
  settings.SetLongVal(kSetEquilibriumDepth, 4);
  std::vector<std::unique_ptr<DraftSetUp>> drafts;
  clsLeagueIsolate sample;
  if (!calc::LoadProjectLeague(sample)) kdbench::Die("cannot read the sample league");
  for (int32_t t = 1; t <= sample.TeamCount(); ++t) {
    const LeagueVariant league("KD-Equilibrium.stg", 4, 0, LeagueVariant::kRounds, t);
    drafts.push_back(std::make_unique<DraftSetUp>());
  }
  double cpu = 0;
  for (auto _ : state) {
    double total = 0;
    for (auto& draft : drafts) {
      int32_t picks = 0;
      double draftCpu = 0;
      const double seconds = draft->Run(&picks, &draftCpu);
      if (seconds < 0 || picks < 1) {
        state.SkipWithError("a draft failed");
        break;
      }
      total += seconds;
      cpu += draftCpu;
    }
    state.SetIterationTime(total);
  }
  // The twelve loops' own CPU time, in ms per iteration.
  state.counters["loops_cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
  settings.SetLongVal(kSetEquilibriumDepth, depth);
  if (drafts.empty()) state.SkipWithError("no draft was measured");
  state.counters["drafts"] = static_cast<double>(drafts.size());
  kdbench::ReportPeakMemory(state);
}

// Writing both documents in HTML, text and CSV, as the project page writes
// them: results and page grids are made once, outside the timed part. The
// mock draft is the pick list with every team's roster and the team
// summary, the fullest form of the document.
void BM_WriteDocuments(benchmark::State& state) {
  kdbench::SampleProject();
  const DocumentOptions options = ReadDocumentOptions(GlobalProject());
  clsStatusPlain status;
  AddJobSegments(status);

  clsMockDraft cheatBoard;
  clsMockRoster roster;
  clsKickwellDB cheatDb;
  if (!calc::CalculateCheatSheet(status, cheatBoard, roster, cheatDb)) kdbench::Die("the cheat-sheet job failed");
  FlexGridModel cheatPage;
  if (!cheatDb.LoadDisplay(DisplayGridPath(kProjCheatSheetDisplayGrid, "Cheat Sheet - Default.dis")))
    kdbench::Die("cannot load the cheat-sheet display grid");
  basFlexGridHTML::SetupResultGridHeadings(cheatPage, cheatDb);
  basFlexGridHTML::FillCheatSheetGrid(cheatPage, roster, cheatDb, options);

  clsMockDraft board;
  clsKickwellDB mockDb;
  if (!calc::CalculateMockDraft(status, board, mockDb)) kdbench::Die("the automatic mock draft failed");
  FlexGridModel mockPage;
  if (!mockDb.LoadDisplay(DisplayGridPath(kProjMockDraftDisplayGrid, "Mock Draft - Default.dis")))
    kdbench::Die("cannot load the mock-draft display grid");
  basFlexGridHTML::SetupResultGridHeadings(mockPage, mockDb);
  const int32_t view = MockDisplayView, rosters = IncludeRosterListings, summary = IncludeRosterPointSummary;
  MockDisplayView = 0;
  IncludeRosterListings = 1;
  IncludeRosterPointSummary = 1;
  basFlexGridHTML::FillMockDraftGrid(mockPage, board, mockDb, true, options);

  const std::string folder = kdbench::ScratchDir() + "/";
  for (auto _ : state) {
    for (int32_t type = 0; type <= 2; ++type) {
      const std::string suffix = std::to_string(type);
      bool colourFromGrid = options.useColor, boardCells = false;
      if (!basFlexGridHTML::WriteCheatSheetDocument(folder + "Cheat." + suffix, cheatPage, roster, cheatDb, type,
                                                    options) ||
          !basFlexGridHTML::WriteMockDraftDocument(folder + "Mock." + suffix, mockPage, board, mockDb, type,
                                                   colourFromGrid, boardCells, true, options)) {
        state.SkipWithError("a document could not be written");
        break;
      }
    }
  }
  MockDisplayView = view;
  IncludeRosterListings = rosters;
  IncludeRosterPointSummary = summary;
  state.counters["players"] = cheatPage.Rows();
  state.counters["picks"] = board.Count() + 1;
  kdbench::ReportPeakMemory(state);
}

// One projection run of the user's own mock draft: the next ten open picks
// of the sample league, each drafted tentatively by its team's strategy,
// with the recommendation for the active pick, then undone. The draft is
// opened from the league once and state.range(0) picks are drafted by
// recommendation first. With state.range(1) 0 the league is the sample's
// as the default settings run it (team 8's Roster Pot G-L on, Equilibrium
// off); with 1 team 1 looks ahead by Equilibrium at depth 4 on its first
// four picks, switched on, and team 8 drafts by the default strategy.
void BM_UserMockProjection(benchmark::State& state) {
  kdbench::SampleProject();
  const bool equilibrium = state.range(1) != 0;
  std::optional<LeagueVariant> league;
  if (equilibrium) league.emplace("KD-Equilibrium.stg", 4);
  clsSettingsKD& settings = basMockDraftSettings::GlobalSettings();
  const clsSettingsKD saved = settings;
  settings.SetLongVal(kSetUserMockDepth, 10);
  settings.SetLongVal(kSetEquilibriumDepth, 4);
  settings.SetBoolVal(kSetEnableEquilibrium, equilibrium);
  settings.SetBoolVal(kSetEnablePotentialGainLoss, true);
  const std::string folder = FileTypeFolder.at(kPageUserMockDraft);
  std::filesystem::create_directories(folder);
  clsUserMockSession session;
  session.Document().SetFilePath(folder);
  session.Document().SetFileName("Bench.ugm");
  if (!session.Open(true)) kdbench::Die("the user mock draft could not be opened");
  session.GoToFirstOpenPick();
  for (int64_t i = 0; i < state.range(0); ++i) session.Draft();
  if (session.ActivePlayer() <= 0) kdbench::Die("no recommendation at the active pick");
  for (auto _ : state) session.ProjectNextPicks(0);
  int32_t projected = 0;
  for (int32_t player : session.ProjectedPlayers()) projected += player > 0 ? 1 : 0;
  if (projected < 1) state.SkipWithError("no pick was projected");
  state.counters["active_pick"] = session.ActivePick() + 1;
  state.counters["projected"] = projected;
  settings = saved;
  kdbench::ReportPeakMemory(state);
}

// A new projected-stats database for 2024, as the new-file dialog makes it:
// a copy of the template with every master file of the season imported.
void BM_CreateProjectedFile(benchmark::State& state) {
  kdbench::SampleProject();
  std::vector<std::string> masters;
  basCreateSingleSeasonDB::ListKWRFiles(basCreateSingleSeasonDB::MasterPrefix(kdbench::kSampleYear),
                                        kPagePlayerMasterRegistry, masters, 0);
  if (masters.empty()) kdbench::Die("no master file of the sample season");
  basCreateSingleSeasonDB::SelectedStrainName.clear();
  const std::string path = kdbench::ScratchDir() + "/created.pro";
  for (auto _ : state) {
    if (!basCreateSingleSeasonDB::CreateProjectedFile(kdbench::kSampleYear, path, masters, false)) {
      state.SkipWithError("the database was not created");
      break;
    }
  }
  state.counters["files"] = static_cast<double>(masters.size());
  kdbench::ReportPeakMemory(state);
}

}  // namespace

BENCHMARK(BM_MockDraftNoLookAhead)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_MockDraftNoLookAheadAgain)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_MockDraftNoLookAheadAfterAWrite)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_MockDraftPickLoop)
    ->ArgsProduct({{8, 12, 16, 20}, {16, 30}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2)
    ->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_MockDraftSize)
    ->ArgsProduct({{8, 12, 16, 20}, {16, 30}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.2)
    ->Apply(kdbench::Repeat<3>);
BENCHMARK(BM_EquilibriumSearch)->DenseRange(1, 5)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<3>);
BENCHMARK(BM_EquilibriumEveryTeam)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_MockDraftRosterPotGL)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<3>);
BENCHMARK(BM_MockDraftEquilibriumDepth4)->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(kdbench::Repeat<3>);
BENCHMARK(BM_UserMockProjection)->Args({0, 0})->Args({60, 0})->Args({0, 1})->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_CalculateCheatSheet)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_CalculateCheatSheetAgain)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_CalculateCheatSheetAfterAWrite)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_WriteDocuments)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Apply(kdbench::Repeat<5>);
BENCHMARK(BM_CreateProjectedFile)->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(kdbench::Repeat<3>);
