#pragma once
// The project check: the documents the open project names (projected stats,
// scoring system, league properties with the teams' draft strategies, the
// user mock draft) and how they fit together. Every finding becomes one line
// of one kind (valid, warning, error) and every run ends with one status.
//
// Lines go to the three lists when the caller has set them, and every error
// line is also appended to ErrorMessage, which is never cleared: one object
// serves one run, and a second run on it appends to what the first left.
//
// The class shows no dialogs of its own; a damaged database that raises
// while a check reads it becomes an error line of that check.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class clsKickwellDB;
class clsLeagueIsolate;
class clsMockRoster;
class clsScoringIsolate;
class clsUserMockIsolate;

// A run's status; merged so that 0 takes any status, 1 rises only to 2 and
// 2 stays 2. kNoLine is only ever a line's status: such a line is not shown.
enum ValidationStatus : int32_t {
  kValidationNoLine = -1,
  kValidationValid = 0,
  kValidationWarning = 1,
  kValidationError = 2,
};

class clsProjectValidation {
 public:
  // Any component that can append one line of text.
  using LineList = std::function<void(const std::string& line)>;

  // The project keys whose files the lines concern (they choose the prefix).
  static constexpr int32_t kNoKey = -1;

  clsProjectValidation();
  ~clsProjectValidation();
  clsProjectValidation(const clsProjectValidation&) = delete;
  clsProjectValidation& operator=(const clsProjectValidation&) = delete;

  // ---- What the callers read and set

  const std::string& ErrorMessage() const { return errorMessage_; }
  void SetListValid(LineList list) { listValid_ = std::move(list); }
  void SetListWarning(LineList list) { listWarning_ = std::move(list); }
  void SetListError(LineList list) { listError_ = std::move(list); }
  // "Kickwell Draftyard Project Validation [<project file>] yyyy/mm/dd hh:mm:ss",
  // set by ValidateProject.
  const std::string& FileHeading() const { return fileHeading_; }
  // The file type's description, " [", its work folder, the project's value
  // at key, "]". A file type outside 0..14 or a key outside 0..16 throws
  // std::out_of_range.
  std::string FileDesc(int32_t fileType, int32_t key) const;
  // One FileDesc-like entry per distinct strategy file of the league's
  // teams, joined by CR LF; "" when none is listed.
  std::string StrategyFiles() const;

  // ---- Runs

  // The whole check in its order; returns the run's status. The user mock
  // and (with it) the strategy files and conflicts are checked only with
  // includeUserMock, the user mock with its fit to the league as the Files
  // tab checks it; mockDraft turns the "* Mock" lines into errors.
  int32_t ValidateProject(bool includeUserMock, bool mockDraft, bool skipLeague);
  // One status per file for the project page's Files tab; always True.
  bool ModularValidation(int32_t& leagueStatus, int32_t& scoringStatus, int32_t& projectedStatus,
                         int32_t& userMockStatus);
  // The gate of cheat-sheet generation: ValidateProject(False, False, False) is not 2.
  bool CanCheatSheetBeCreated();

  // ---- The checks; each adds its heading and lines and returns its status

  // Projected stats and scoring system.
  int32_t ValidateProjectedStats(clsKickwellDB& db);
  int32_t ValidateScoringSystem(clsKickwellDB& db);
  // Stat categories whose season extremes reach the low or high limit, with
  // the players that pass it; 0 or 1.
  int32_t ValidateStatMinMax(clsKickwellDB& db);
  // What each rule of the project's scoring system gives for the lowest and
  // highest value of its category; 2 when a value could not be scored.
  int32_t ValidateScoringApplied(clsKickwellDB& db);
  // One extreme per rule, in rule order (0 for a rule whose category the
  // database does not know): the largest for mode 1, the smallest for -1.
  static void ExtractCategoryExtremes(clsScoringIsolate& rules, clsKickwellDB& db,
                                      std::vector<double>& values, int32_t mode);
  // The points the rule under the cursor gives a value; False (points 0)
  // when it cannot be scored.
  static bool ScoredValue(double value, double& points, clsKickwellDB& db, clsScoringIsolate& rules);
  // The rule under the scoring system's cursor as text.
  static std::string ScoringRuleText(const clsScoringIsolate& rules, clsKickwellDB& db);

  // League properties, roster sizes, strategy files.
  int32_t ValidateLeagueProperties(clsKickwellDB& db, clsLeagueIsolate& league, bool includeStrategies,
                                   bool mockDraft);
  int32_t ValidateRosterSizes(const clsLeagueIsolate& league, clsKickwellDB& db, bool mockDraft);
  int32_t ValidateStrategyFiles(const clsLeagueIsolate& league, clsKickwellDB& db, bool mockDraft);
  int32_t ValidateStrategyFile(const std::string& fileName, clsKickwellDB& db, bool mockDraft);
  // The 37-column row under "POS - MAP - RMin - RMax - SMin - SMax".
  static std::string RosterSizeRow(clsKickwellDB& db, int32_t posID, const clsLeagueIsolate& league);

  // Draft-strategy conflicts between look-ahead picks.
  int32_t CheckLeagueStrategyConflicts(const clsLeagueIsolate& league, bool mockDraft);
  int32_t CheckUserMockStrategyConflicts(const clsUserMockIsolate& userMock, bool mockDraft);
  // strategies[n] holds team n's strategy (index 0 unused); an order entry
  // outside 1..teamCount has no strategy and takes part in no conflict.
  int32_t FindStrategyConflict(int32_t teamCount, std::span<const int32_t> order,
                               std::span<const clsMockRoster> strategies, bool mockDraft);
  // The method of the rule the draft would use at that pick for the team's
  // strategy (the first rule covering the team's own pick number, else the
  // last rule).
  static int32_t RuleMethodAtPick(const clsMockRoster& strategy, int32_t pick,
                                  std::span<const int32_t> order);

  // User mock draft.
  int32_t ValidateUserMock(clsUserMockIsolate& userMock, bool mockDraft);
  int32_t CheckUserMockLeagueCompatibility(const clsLeagueIsolate& league, const clsUserMockIsolate& userMock,
                                           clsKickwellDB& db);

  // ---- Status arithmetic

  static void WorstStatus(int32_t& current, int32_t newStatus);

  // The distinct strategy files listed by the last strategy-file check.
  const std::vector<std::string>& StrategyFileList() const { return strategyFiles_; }

 private:
  void AddLine(int32_t key, int32_t status, const std::string& text);
  bool CompareAndList(int32_t key, double a, double b, const std::string& text, const std::string& trueSuffix,
                      const std::string& falseSuffix, int32_t trueStatus, int32_t falseStatus, int32_t mode);
  // The empty line and the heading that open a check.
  void AddHeading(const std::string& heading);
  // Lists whether the project names a file under `key` and whether it
  // exists in the folder of `pageCode`; true when both hold.
  bool SelectedFileFound(int32_t key, int32_t pageCode);
  void ResetStrategyFiles();
  // Runs one check; a database error it raises becomes an error line and
  // the check's status 2.
  int32_t Guarded(int32_t key, const std::function<int32_t()>& check);
  // The scoring-system check and, unless it found an error, the rules
  // applied to the projected stats; the worse of the two.
  int32_t ScoringChecks(clsKickwellDB& db);
  // Loads a team's strategy from the strategy folder and adds its line.
  bool LoadTeamStrategy(clsMockRoster& roster, const std::string& teamName, const std::string& fileName);
  // Loads the strategy of each team 1..teamCount through loadTeam and, when
  // every one loaded, looks for conflicts between the picks of the order.
  int32_t TeamStrategyConflicts(std::span<const int32_t> order, int32_t teamCount,
                                const std::function<bool(int32_t team, clsMockRoster& roster)>& loadTeam,
                                bool mockDraft);

  LineList listValid_;
  LineList listWarning_;
  LineList listError_;
  std::string errorMessage_;
  std::string fileHeading_;
  std::vector<std::string> strategyFiles_;
};
